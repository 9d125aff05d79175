// The "参考値..." buttons of both anchorage-length steps, pressed while a box
// holds a value its check refuses: the refusal speaks and no dialog opens;
// the next press opens the button's dialog.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "steps/windows/NBgrand2.h"
#include "steps/windows/NBrock2.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

// Watches for a modal dialog while a button is pressed and closes it with
// Cancel, so that a press that opens one does not hang the test.
class DialogWatch {
public:
    DialogWatch() : state_(std::make_shared<State>()) { Poll(state_); }
    ~DialogWatch() { state_->stop = true; }
    // The class of the dialog seen, empty when none opened.
    std::string Seen() const { return state_->seen; }

private:
    struct State {
        std::string seen;
        bool stop = false;
        int tries = 0;
    };
    static void Poll(const std::shared_ptr<State>& s) {
        QTimer::singleShot(5, [s] {
            if (s->stop) return;
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) {
                    s->seen = d->metaObject()->className();
                    d->reject();
                    return;
                }
            }
            if (++s->tries < 200) Poll(s);
        });
    }
    std::shared_ptr<State> state_;
};

class AnchorageReferTest : public InputStepTest {
protected:
    // Presses `button` with the mouse and lets the events run out; the
    // class of the dialog it opened, or "".
    static std::string Press(QPushButton* button) {
        DialogWatch watch;
        QTest::mouseClick(button, Qt::LeftButton);
        PumpEvents();
        QTest::qWait(100);
        return watch.Seen();
    }
};

TEST_F(AnchorageReferTest, AButtonFinishesTheRefusedEntryBeforeItsDialog) {
    struct Step {
        int workType;
        std::array<QPushButton*, 3> buttons;
        std::array<const char*, 3> dialogs;
        QLineEdit* box;  // the drill hole, refused at 0
        const std::string* field;
    };
    FillDesign(3);
    NBrock2* rock = OpenInChain<NBrock2>(3);
    ASSERT_NE(rock, nullptr);
    const Step rockStep{3,
                        rock->cmdRefer,
                        {"talvo::FMasatuRock", "talvo::FFutyakuRock", "talvo::FHikiAnzen"},
                        rock->Text1,
                        &Design.RockDa};
    auto run = [this](const Step& s) {
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE("type " + std::to_string(s.workType) + " cmdRefer(" + std::to_string(i) +
                         ")");
            const std::string stored = *s.field;
            TypeWithoutLeaving(s.box, QStringLiteral("0"));
            messages.Expect(RangeMessage("1", "999"));
            EXPECT_EQ(Press(s.buttons[static_cast<std::size_t>(i)]), "");
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(Focused(), s.box->objectName().toStdString());
            EXPECT_EQ(*s.field, stored);
            // With the stored value back, the press opens the dialog; its
            // cancel leaves the focus on the button.
            EXPECT_EQ(Press(s.buttons[static_cast<std::size_t>(i)]),
                      s.dialogs[static_cast<std::size_t>(i)]);
            host->window->activateWindow();
            PumpEvents();
            EXPECT_EQ(Focused(),
                      s.buttons[static_cast<std::size_t>(i)]->objectName().toStdString());
        }
    };
    run(rockStep);

    FillDesign(4);
    NBgrand2* anchor = OpenInChain<NBgrand2>(4);
    ASSERT_NE(anchor, nullptr);
    run(Step{4,
             anchor->cmdRefer,
             {"talvo::FMasatuAnchor", "talvo::FFutyakuAnchor", "talvo::FHikiAnzen"},
             anchor->txtda,
             &Design.AnchorDa});
}

}  // namespace
}  // namespace talvo::test
