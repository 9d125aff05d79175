// The main window of a test: built afresh for each test over a settings file
// in a temporary program folder, with every message and file dialog scripted.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "platform/mdichild.h"
#include "platform/toolbarmenu.h"
#include "shell/design.h"
#include "shell/designfile.h"
#include "shell/filedialog.h"
#include "shell/globals.h"
#include "shell/startup.h"
#include "shell/tables.h"
#include "shell/windows/FileCommands.h"
#include "shell/windows/MainWindow.h"
#include "steps/windows/N0select.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

namespace talvo::test {

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Lets pending events run and deletes the windows that were unloaded, as
// the return to the event loop does after a command.
inline void Pump() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path().toStdString();
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        IniPath = folder + "/Talvo-SI.ini";
        HelpPath.clear();
        ResetProgramState();
        InitProgramValues();
        RecentCount = 0;
        RecentFile = {};
        WinLeft = 300;
        WinTop = 450;
        WinWidth = 9600;
        WinHeight = 6600;
        CurrentFile.clear();
    }
    void TearDown() override {
        main.reset();
        Pump();
        // The file dialog moves into the chosen file's folder; leave none of
        // it (the temporary folder goes) to the next test.
        QDir::setCurrent(previousFolder);
    }

    // The main window, built and shown as the start-up would, then active.
    MainFrame* Open() {
        main = std::make_unique<MainFrame>();
        main->SetEndProcess([this] { ++ended; });
        main->show();
        main->activateWindow();
        Pump();
        return main.get();
    }
    N0select* Select() const { return qobject_cast<N0select*>(main->SelectStep()); }
    ToolbarMenu* Tools() const { return main->Tools(); }
    bool Enabled(const char* id) const { return Tools()->Enabled(QString::fromUtf8(id)); }
    bool Visible(const std::string& id) const {
        return Tools()->Visible(QString::fromStdString(id));
    }
    std::string ToolCaption(const std::string& id) const {
        return Tools()->Caption(QString::fromStdString(id)).toStdString();
    }
    void Click(const char* id) { main->ToolClick(QString::fromUtf8(id)); }
    std::string Path(const std::string& name) const { return folder + "/" + name; }

    // A design file written by our own writer.
    std::string SaveFile(const std::string& name, const DesignData& d) {
        const std::string p = Path(name);
        EXPECT_TRUE(WriteDesignFile(p, d).ok);
        return p;
    }
    static DesignData Sample(int workType, const char* district) {
        DesignData d;
        d.WorkType = static_cast<std::int16_t>(workType);
        d.DistrictName = district;
        d.SectionBx = "300";
        return d;
    }

    QTemporaryDir dir;
    std::string folder;
    QString previousFolder;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainFrame> main;
    int ended = 0;
};

inline const std::string kSaveQuestionHead = "データに変更があります。\r";
inline std::string SaveQuestion(const std::string& name) {
    return kSaveQuestionHead + name + "を保存しますか？";
}

}  // namespace talvo::test
