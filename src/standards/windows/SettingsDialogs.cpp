// The settings tools of the main window: each shows its dialog modally over
// the main window; a table written on OK is announced to the listener.
#include "standards/windows/SettingsDialogs.h"

#include <utility>

#include "shell/toolids.h"
#include "shell/windows/MainWindow.h"

namespace talvo {

namespace {

std::function<void()>& Listener() {
    static std::function<void()> listener;
    return listener;
}

template <class D>
void ShowModal() {
    bool written = false;
    {
        D dialog(MainFrame::Instance());
        written = dialog.exec() == QDialog::Accepted;
    }
    // The dialog is gone before anyone reacts to its table.
    if (written && Listener()) Listener()();
}

}  // namespace

std::function<void()> SetSettingsListener(std::function<void()> listener) {
    return std::exchange(Listener(), std::move(listener));
}

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
