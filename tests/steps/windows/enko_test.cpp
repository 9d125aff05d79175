// The circular-arc failure step: the three lengths, the two checks of the
// failure against the slope with their colours and messages, the sink.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "steps/windows/N7enko.h"
#include "steps/windows/SlopeFigure.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kShape = "崩壊の形状がのり長を超えています。";
const std::string kDepth = "崩壊の深さが円弧の半径を超えています。";

class EnkoTest : public InputStepTest {
protected:
    // The window over the filled design of work type 1 after `adjust`,
    // activated once, with every flag lowered.
    template <class Adjust>
    N7enko* Open(Adjust adjust) {
        FillDesign(1);
        adjust();
        N7enko* w = Load<N7enko>();
        LowerFlags();
        return w;
    }
    N7enko* Open() {
        return Open([] {});
    }
    // Colours of txtL1, txtL2, txtL3 as "r" or "b" ("rbr").
    static std::string Colours(const N7enko* w) {
        std::string s;
        for (const QLineEdit* b : {w->txtL1, w->txtL2, w->txtL3})
            s += Fore(b) == kRed ? 'r' : Fore(b) == kBlack ? 'b' : '?';
        return s;
    }
};

TEST_F(EnkoTest, LoadShowsTheStoredLengthsAndTheSlopeAngle) {
    N7enko* w = Open([] { Design.EnkoL3 = "1"; });
    EXPECT_EQ(Str(w->txtL1->text()), "  6.000");
    EXPECT_EQ(Str(w->txtL2->text()), "  1.500");
    EXPECT_EQ(Str(w->txtL3->text()), "1");  // as stored, not reformatted
    EXPECT_EQ(Str(w->lblSita0->text()), "45.00");
    EXPECT_EQ(Colours(w), "bbb");
    EXPECT_EQ(w->FocusSink->objectName(), "Text4");
    EXPECT_EQ(w->picEnko->palette().color(QPalette::Window), QColor(238, 247, 255));
    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"のり中間からの崩壊方法", "Ｌ<sub>1</sub> =", "Ｌ<sub>2</sub> =",
                          "Ｌ<sub>3</sub> =", "m", "θ<sub>0</sub> ="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    // Every label and box lies inside the figure.
    for (QWidget* c : w->picEnko->findChildren<QWidget*>())
        EXPECT_TRUE(w->picEnko->rect().contains(c->geometry())) << Str(c->objectName());

    InitDesignData();
    N7enko* n = Load<N7enko>();
    for (QLineEdit* b : {n->txtL1, n->txtL2, n->txtL3}) EXPECT_EQ(Str(b->text()), "");
    EXPECT_EQ(Str(n->lblSita0->text()), "");
    EXPECT_EQ(Colours(n), "bbb");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(EnkoTest, TheThreeBoxesAtTheirLimits) {
    // With nothing else entered no check can fail.
    InitDesignData();
    N7enko* w = Load<N7enko>();
    const std::string range = RangeMessage("0.001", "99.999");
    CheckLimits(w, {"txtL1", &Design.EnkoL1, "0.001", "  0.001", "99.999", " 99.999", "0", "100",
                    range, "1.2345", DecimalsMessage(3), "６．５", "  6.500", "11000"});
    CheckLimits(w, {"txtL2", &Design.EnkoL2, "0.001", "  0.001", "99.999", " 99.999", "0",
                    "100.000", range, "1.0005", DecimalsMessage(3), "１２", " 12.000", "11000"});
    CheckLimits(w, {"txtL3", &Design.EnkoL3, "0", "  0.000", "99.999", " 99.999", "-0.001",
                    "99.9991", RangeMessage("0.000", "99.999"), "0.1234", DecimalsMessage(3),
                    "０．２５", "  0.250", "11000"});
}

struct ActivationCase {
    const char* l;  // slope length
    const char* l1;
    const char* l2;
    const char* l3;
    const char* colours;
};

TEST_F(EnkoTest, ActivationColoursWithoutMessages) {
    const ActivationCase cases[] = {
        {" 9.000", "6.000", "3.000", "3.000", "bbb"},  // both ties pass
        {" 9.000", "6.000", "3.000", "3.001", "rbr"},  // past the toe
        {" 9.000", "5.999", "3.000", "3.000", "brb"},  // deeper than the radius
        {" 9.000", "9.500", "5.000", "", "rrr"},       // L1 alone is too long
        {" 0.300", "0.100", "0.050", "0.200", "bbb"},  // 0.1 + 0.2 ends at the toe
        {"", "99.000", "60.000", "99.000", "brb"},     // without L check A never fails
        {" 9.000", "", "5.000", "20.000", "bbb"},      // check A needs L1 here
        {" 9.000", "6.000", "", "1.000", "bbb"},       // check B needs L2
    };
    for (const ActivationCase& c : cases) {
        SCOPED_TRACE(std::string(c.l) + "/" + c.l1 + "/" + c.l2 + "/" + c.l3);
        N7enko* w = Open();
        Design.TotalLengthY = c.l;
        Design.EnkoL1 = c.l1;
        Design.EnkoL2 = c.l2;
        Design.EnkoL3 = c.l3;
        w->HandleActivate();
        EXPECT_EQ(Colours(w), c.colours);
        EXPECT_EQ(Flags(), "00000");
    }
}

struct LeaveCase {
    const char* box;
    const char* typed;
    const char* l1;  // stored before
    const char* l2;
    const char* l3;
    std::vector<std::string> messages;
    const char* colours;
};

TEST_F(EnkoTest, LeavingABoxRunsItsChecksWithMessages) {
    const LeaveCase cases[] = {
        // txtL1 runs both checks, the shape first, also with an unchanged value.
        {"txtL1", "8.5", "6.000", "5.000", "1.000", {kShape, kDepth}, "rrr"},
        {"txtL1", "  8.500", "  8.500", "  5.000", "  1.000", {kShape, kDepth}, "rrr"},
        {"txtL1", "8", "6.000", "4.000", "1.000", {}, "bbb"},
        {"txtL1", "", "6.000", "4.000", "20.000", {}, "bbb"},  // empty passes both
        // txtL2 runs only the depth check: the shape fails here without a word.
        {"txtL2", "3.001", "6.000", "1.500", "4.000", {kDepth}, "rrr"},
        {"txtL2", "3", "6.000", "1.500", "1.000", {}, "bbb"},
        // txtL3 runs only the shape check, which here needs L alone.
        {"txtL3", "9.001", "", "", "", {kShape}, "rbr"},
        {"txtL3", "3.001", "6.000", "1.000", "1.000", {kShape}, "rbr"},
        {"txtL3", "0", "6.000", "1.000", "4.000", {}, "bbb"},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        N7enko* w = Open([&] {
            Design.EnkoL1 = c.l1;
            Design.EnkoL2 = c.l2;
            Design.EnkoL3 = c.l3;
        });
        for (const std::string& m : c.messages) messages.Expect(m);
        Type(w->findChild<QLineEdit*>(c.box), QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Colours(w), c.colours);
        messages.Clear();
    }
}

TEST_F(EnkoTest, AFailingCheckKeepsTheValue) {
    N7enko* w = Open();
    messages.Expect(kShape);
    Type(w->txtL3, "3.5");
    EXPECT_EQ(Design.EnkoL3, "  3.500");
    EXPECT_EQ(Flags(), "11000");
    EXPECT_FALSE(w->txtL3->hasFocus());
    EXPECT_EQ(Colours(w), "rbr");
}

TEST_F(EnkoTest, ARedMarkOfTheShoulderDistanceClearsAtActivationWithoutL1) {
    N7enko* w = Open([] {
        Design.EnkoL1 = "";
        Design.EnkoL2 = "";
    });
    messages.Expect(kShape);
    Type(w->txtL3, "10");
    EXPECT_EQ(Colours(w), "rbr");
    w->HandleActivate();
    EXPECT_EQ(Colours(w), "bbb");
}

TEST_F(EnkoTest, ARefusedLengthRunsNoCheck) {
    // Both checks would fail on the stored values; a refusal shows only the
    // entry message and brings the stored value back.
    N7enko* w = Open([] { Design.EnkoL2 = "  5.000"; });
    Design.EnkoL3 = "  5.000";
    w->HandleActivate();
    EXPECT_EQ(Colours(w), "rrr");
    for (const char* typed : {"0", "-1", "1.5.0"}) {
        SCOPED_TRACE(typed);
        messages.Expect(std::string(typed) == "1.5.0" ? kBadValue
                                                      : RangeMessage("0.001", "99.999"));
        Type(w->txtL1, typed);
        EXPECT_TRUE(messages.AllShown());
        // Back in the box, whose focus trims the blanks and selects the text.
        EXPECT_EQ(Str(w->txtL1->text()), "6.000");
        EXPECT_EQ(w->txtL1->selectedText(), "6.000");
        EXPECT_EQ(Design.EnkoL1, "  6.000");
        EXPECT_TRUE(w->txtL1->hasFocus());
        EXPECT_EQ(Flags(), "00000");
    }
}

TEST_F(EnkoTest, StartScreenWaitsForTheBoxAndTheSinkSendsTabToL1) {
    N7enko* w = Open();
    Enter(w->txtL2);
    w->txtL2->selectAll();
    w->txtL2->insert("２");
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.EnkoL2, "  2.000");
    EXPECT_EQ(Flags(), "11000");
    EXPECT_EQ(host->selectShown, 1);

    w->FocusSink->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_TRUE(w->txtL1->hasFocus());
    EXPECT_EQ(host->selectShown, 1);
}

// The window as the engineer sees it after a depth warning: the depth red,
// every control inside the figure and apart, the angle framed as a box.
TEST_F(EnkoTest, TheWindowAsShownAfterADepthWarning) {
    N7enko* w = Open();
    messages.Expect(kDepth);
    Type(w->txtL2, "3.2");
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Str(w->txtL2->text()), "  3.200");
    EXPECT_EQ(Colours(w), "brb");
    ExpectLaidOutApart(w);
    ExpectFramedOnAllSides(w->lblSita0);
    SaveShot(w, QStringLiteral("N7enko"));
}

TEST_F(EnkoTest, ARefusedEntryHoldsEveryButton) {
    FillDesign(1);
    N7enko* w = OpenInChain<N7enko>(1);
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->txtL2, QStringLiteral("100"),
                                       RangeMessage("0.001", "99.999"), &Design.EnkoL2, messages,
                                       host->selectShown);
}

// The warning of an accepted value shows over the arc step itself, and the
// navigation it interrupted goes on in the same press: with the Alt key, and
// with a mouse press whose release the message box took.
TEST_F(EnkoTest, WarningThenNextInOnePress) {
    for (bool mouse : {false, true}) {
        SCOPED_TRACE(mouse ? "by mouse" : "by its Alt key");
        FillDesign(1);
        N7enko* w = OpenInChain<N7enko>(1);
        ASSERT_NE(w, nullptr);
        const int step = CurStep;
        WindowState atWarning = WindowState::Minimized;
        TypeWithoutLeaving(w->txtL3, QStringLiteral("3.5"));
        messages.Expect(kShape);
        messages.OnShow([&] { atWarning = w->State(); });
        if (mouse) {
            QTest::mousePress(w->cmdNext, Qt::LeftButton);
        } else {
            QTest::keyClick(w->window()->windowHandle(), Qt::Key_N, Qt::AltModifier);
            QTest::qWait(150);
        }
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(atWarning, WindowState::Normal);
        EXPECT_EQ(Design.EnkoL3, "  3.500");
        EXPECT_EQ(CurStep, step + 1);
        EXPECT_EQ(w->State(), WindowState::Minimized);
    }
}

}  // namespace
}  // namespace talvo::test
