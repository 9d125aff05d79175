// The dialogs of the 規格 and 設定 tools and of the steps' reference buttons
// walked with the Tab key alone, from the control that holds the focus when
// the dialog opens: each entry box, grid, check box and choice is reached,
// forwards and backwards, before the focus comes back. (The bond and
// skin-friction tables are walked by their own tests.)
#include <functional>

#include "standards/windows/Catalogues.h"
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"
#include "support/qt/tab_walk.h"

namespace talvo::test {
namespace {

class DialogTabWalkTest : public DialogTest {};

TEST_F(DialogTabWalkTest, TheTabKeyReachesEveryEntryOfEveryDialog) {
    const struct {
        const char* name;
        std::function<GridDialog*()> make;
    } dialogs[] = {
        {"FKikaku", [] { return new FKikaku; }},
        {"FSekisetu", [] { return new FSekisetu; }},
        {"FSansyutu", [] { return new FSansyutu; }},
        {"FStarrap", [] { return new FStarrap; }},
        {"FSyutekkin", [] { return new FSyutekkin; }},
        {"FKijyunti", [] { return new FKijyunti; }},
        {"FKouzai", [] { return new FKouzai; }},
        {"FHikiAnzen", [] { return new FHikiAnzen; }},
        {"Fmage", [] { return new Fmage; }},
        {"FJyuuryo", [] { return new FJyuuryo; }},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        GridDialog* w = Show(d.make());
        ExpectEveryStopReached(w);
        dialog.reset();
        PumpEvents();
    }
}

}  // namespace
}  // namespace talvo::test
