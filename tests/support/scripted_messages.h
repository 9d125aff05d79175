// A message sink for tests: each expected message is queued with the answer
// to give; an unexpected message, or a different text, fails the test.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/message.h"

namespace talvo::test {

class ScriptedMessages : public MessageSink {
public:
    ScriptedMessages();            // installs itself
    ~ScriptedMessages() override;  // restores the previous sink; fails on unshown expectations

    // Expects the next message to have exactly this text; answers with `answer`.
    ScriptedMessages& Expect(const std::string& text, MsgResult answer = MsgResult::Ok);
    // Expects a message with these buttons and icon as well.
    ScriptedMessages& Expect(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             MsgResult answer);

    MsgResult Show(const MessageRequest& request) override;

    // Runs `seen` each time a message is shown, before it is answered: a
    // test can look at the windows while the message box stands over them.
    void OnShow(std::function<void()> seen) { onShow_ = std::move(seen); }

    const std::vector<MessageRequest>& Shown() const { return shown_; }
    bool AllShown() const { return expected_.empty(); }
    void Clear() {
        expected_.clear();
        shown_.clear();
    }

private:
    struct Expected {
        std::string text;
        bool checkKind = false;
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::Exclamation;
        MsgResult answer = MsgResult::Ok;
    };
    std::deque<Expected> expected_;
    std::vector<MessageRequest> shown_;
    MessageSink* previous_ = nullptr;
    std::function<void()> onShow_;
};

// The sink every test program starts with, below any ScriptedMessages: a
// message that no script expects fails the running test (and is answered
// with its default button, as the program's core answers without a sink), so
// a test that provokes a warning nobody asked for cannot pass silently.
class UnexpectedMessages : public MessageSink {
public:
    MsgResult Show(const MessageRequest& request) override;
};

// Installs one UnexpectedMessages for the whole run of a test program; its
// main() calls this after InitGoogleTest.
void InstallUnexpectedMessages();

}  // namespace talvo::test
