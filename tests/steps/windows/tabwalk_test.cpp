// Every step of every work type's chain walked with the Tab key alone, from
// the control that holds the focus when the step is shown: each entry box,
// check box and choice is reached, forwards and backwards, before the focus
// comes back.
#include <QPushButton>
#include <QRadioButton>

#include "steps/windows/input_entry_fixture.h"
#include "support/qt/tab_walk.h"

namespace talvo::test {
namespace {

class TabWalkTest : public InputStepTest {};

TEST_F(TabWalkTest, TheTabKeyReachesEveryEntryOfEveryStep) {
    const struct {
        int type;
        int ptDirect;
    } chains[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}};
    for (const auto& c : chains) {
        FillDesign(static_cast<std::int16_t>(c.type));
        host->OpenChain(c.type, c.ptDirect);
        for (int i = 1; StepForm* w = host->manager->Step(i); ++i) {
            SCOPED_TRACE(testing::Message() << "type " << c.type << "/" << c.ptDirect << " step "
                                            << i << " " << w->ClassName().toStdString());
            host->manager->ShowStep(i);
            PumpEvents();
            // A step that opens on a button, for people to look at when asked.
            if (qobject_cast<QPushButton*>(QApplication::focusWidget()))
                SaveShot(w,
                         QStringLiteral("opening-%1-%2-%3").arg(c.type).arg(i).arg(w->ClassName()));
            ExpectEveryStopReached(w);
        }
        host->manager->CloseSteps();
        PumpEvents();
    }
}

}  // namespace
}  // namespace talvo::test
