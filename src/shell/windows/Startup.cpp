#include "shell/windows/Startup.h"

#include "platform/desktop.h"
#include "platform/mdichild.h"
#include "platform/toolbarmenu.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/toolids.h"
#include "shell/windows/FileCommands.h"
#include "shell/windows/MainWindow.h"

namespace talvo {

MainFrame* StartTalvo(const StartupEnvironment& env) {
    IniPath = FindSettingsFile(env.programFolder);
    InitProgramValues();
    if (LoadSettings(IniPath, ScreenWidthTwips(), ScreenHeightTwips()) == SettingsStatus::Missing) {
        StoreWindowRect(CentredRect(kFirstStartWidth, kFirstStartHeight, ScreenWidthTwips(),
                                    ScreenHeightTwips()));
    }

    const auto help = FindHelpFileIn(env.programFolder, env.pathVariable);
    HelpPath = help ? *help : std::string();
    if (!help) {
        // Either button goes on; the help stays off for the run.
        MsgBox(
            "PATH 環境変数で指定されたディレクトリには Talvo-SI.HLP が見つかりません。\r\n"
            "ヘルプ機能は利用できません。",
            MsgButtons::OkCancel, MsgIcon::Exclamation);
    }

    auto* main = new MainFrame;
    if (!help) {
        main->SetToolEnabled(kToolHelpContents, false);
        main->SetToolEnabled(kToolHelpSearch, false);
    }

    const std::string target = CommandLineTarget(env.args, env.currentFolder);
    if (!target.empty()) {
        TargetFile = target;
        ReadDesign();
    }
    main->show();
    return main;
}

}  // namespace talvo
