// The settings tools of the main window: each shows its dialog modally over
// the main window.
#include "standards/windows/SettingsDialogs.h"

#include "shell/toolids.h"
#include "shell/windows/MainWindow.h"

namespace talvo {

namespace {

template <class D>
void ShowModal() {
    D dialog(MainFrame::Instance());
    dialog.exec();
}

}  // namespace

void RegisterSettingsDialogs() {
    RegisterDialogCommand(kToolRebarStandard, ShowModal<FKikaku>);
    RegisterDialogCommand(kToolSnowDepth, ShowModal<FSekisetu>);
    RegisterDialogCommand(kToolForceFormulas, ShowModal<FSansyutu>);
    RegisterDialogCommand(kToolStirrups, ShowModal<FStarrap>);
    RegisterDialogCommand(kToolRebarCount, ShowModal<FSyutekkin>);
}

namespace {

[[maybe_unused]] const bool kRegistered = [] {
    RegisterSettingsDialogs();
    return true;
}();

}  // namespace

}  // namespace talvo
