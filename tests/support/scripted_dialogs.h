// A file-dialog sink for tests: each expected dialog is queued with the path
// it answers (or nothing for Cancel); a dialog nobody expected fails the test.
// The request of every dialog shown is kept, so a test can check what the
// engineer would have been asked.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/filedialog.h"

namespace talvo::test {

class ScriptedDialogs : public FileDialogSink {
public:
    ScriptedDialogs() { previous_ = SetFileDialogSink(this); }
    ~ScriptedDialogs() override {
        SetFileDialogSink(previous_);
        if (!answers_.empty())
            ADD_FAILURE() << answers_.size() << " expected file dialog(s) not shown";
    }
    // The next dialog, of this action (1 open, 2 save), answers `path`
    // (std::nullopt: the engineer cancels).
    ScriptedDialogs& Expect(int action, std::optional<std::string> path) {
        answers_.push_back({action, std::move(path)});
        return *this;
    }
    std::optional<std::string> Show(const FileDialogRequest& request) override {
        shown.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected file dialog, action " << request.action;
            return std::nullopt;
        }
        auto a = answers_.front();
        answers_.pop_front();
        EXPECT_EQ(request.action, a.first);
        return a.second;
    }
    std::vector<FileDialogRequest> shown;

private:
    std::deque<std::pair<int, std::optional<std::string>>> answers_;
    FileDialogSink* previous_ = nullptr;
};

}  // namespace talvo::test
