// The print command of the design program: the checks of PreparePrint, then
// the report of the design's work type built into the printing control and
// shown in the preview window, modally. A report that cannot be built is
// reported and leaves nothing half done.
#include "report/printcommand.h"

#include <exception>
#include <memory>

#include "platform/previewdlg.h"
#include "platform/printcontrol.h"
#include "report/chapters/sequencer.h"
#include "shell/design.h"
#include "shell/message.h"
#include "shell/windows/MainWindow.h"

namespace talvo {

namespace {

void InsReport(int insFlg) {
    PrintControl control;
    control.SetFooter("%d");
    std::shared_ptr<report::ChapterReport> chapter = report::MakeChapterReport(Design.WorkType);
    const auto flag = static_cast<std::int16_t>(insFlg);
    PreviewDlg::DrawReport draw = [chapter, flag](PrintControl& c, int page) {
        chapter->DrawReport(c, flag, page);
    };
    try {
        draw(control, 0);
    } catch (const std::exception& e) {
        MsgBox(std::string("報告書を作成できません。\r") + e.what(), MsgButtons::Ok,
               MsgIcon::Exclamation);
        return;
    }
    PreviewDlg dlg(control, draw, PreviewProgram::Main, MainFrame::Instance());
    dlg.exec();
}

void PrintResult(int mode) {
    if (!PreparePrint()) return;
    InsReport(mode);
}

[[maybe_unused]] const bool kRegistered = [] {
    RegisterPrintCommand(PrintResult);
    return true;
}();

}  // namespace

}  // namespace talvo
