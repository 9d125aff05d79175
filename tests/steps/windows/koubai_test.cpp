// The slope gradient step: the ratio and the angle with the other form
// derived, the slope length and height, the two input modes and the flags.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "steps/windows/N5koubai.h"
#include "steps/windows/SlopeFigure.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

class KoubaiTest : public InputStepTest {
protected:
    // The window over the filled design of `type` after `adjust`, activated
    // once, with every flag lowered.
    template <class Adjust>
    N5koubai* Open(int type, Adjust adjust) {
        FillDesign(static_cast<std::int16_t>(type));
        adjust();
        N5koubai* w = Load<N5koubai>();
        LowerFlags();
        RecalcKusabi = 0;
        return w;
    }
    N5koubai* Open(int type) {
        return Open(type, [] {});
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
};

TEST_F(KoubaiTest, LoadAndActivationShowTheStoredGradientAndTheHeight) {
    N5koubai* w = Open(0);
    // Ratio mode: the ratio box over its label, the angle as a label.
    EXPECT_TRUE(w->Option3D1->isChecked());
    EXPECT_FALSE(w->Option3D2->isChecked());
    EXPECT_TRUE(w->Text9->isVisible());
    EXPECT_FALSE(w->Text6->isVisible());
    EXPECT_EQ(S(w->Text9), "1.00");
    EXPECT_EQ(S(w->Label9), "1.00");
    EXPECT_EQ(S(w->Label6), "45.00");
    EXPECT_EQ(S(w->Label1), "  9.000");
    // 9.000·sin 45° = 6.36396
    EXPECT_EQ(S(w->Label3), "  6.364");
    EXPECT_EQ(Design.SlopeHeight, "  6.364");
    EXPECT_EQ(Design.SlopeN, "1.00");
    EXPECT_EQ(Design.SlopeAngle, "45.00");
    // The step is shown with the focus in no entry box and on no button: on
    // the slope's picture.
    EXPECT_TRUE(w->Picture1->hasFocus());
    EXPECT_EQ(w->FocusSink->objectName(), "Text1");

    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    for (const char* t :
         {"のり勾配の指定方法", "1", "のり長", "m", "のり高", "θ<sub>0</sub> =", "°"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->Option3D1->text(), "比率入力");
    EXPECT_EQ(w->Option3D2->text(), "角度入力");
    EXPECT_EQ(w->lblHeader->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_EQ(w->lblHeader->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_TRUE(w->lblHeader->font().bold());
    EXPECT_EQ(w->Picture1->palette().color(QPalette::Window), QColor(238, 247, 255));
}

TEST_F(KoubaiTest, LoadInAngleModeAndFromANewDesign) {
    N5koubai* w = Open(1, [] {
        Design.SlopeInputMode = 0;
        Design.SlopeAngle = " 30.00";
        Design.SlopeN = "  1.73";
    });
    EXPECT_TRUE(w->Option3D2->isChecked());
    EXPECT_TRUE(w->Text6->isVisible());
    EXPECT_FALSE(w->Text9->isVisible());
    EXPECT_EQ(S(w->Text6), " 30.00");
    EXPECT_EQ(S(w->Label9), "  1.73");
    EXPECT_EQ(S(w->Label3), "  4.500");  // 9.000·sin 30°
    EXPECT_EQ(DataChanged, 0);

    InitDesignData();
    N5koubai* n = Load<N5koubai>();
    EXPECT_TRUE(n->Option3D1->isChecked());
    EXPECT_EQ(S(n->Text9), "");
    for (QLabel* l : {n->Label9, n->Label6, n->Label1, n->Label3}) EXPECT_EQ(S(l), "");
    EXPECT_EQ(Design.SlopeHeight, "");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(KoubaiTest, BothBoxesAtTheirLimits) {
    InitDesignData();
    N5koubai* w = Load<N5koubai>();
    CheckLimits(w, {"Text9", &Design.SlopeN, "0.01", "  0.01", "9.99", "  9.99", "0", "10",
                    RangeMessage("0.01", "9.99"), "1.555", DecimalsMessage(2), "１．５", "  1.50",
                    "11110"});
    w->Option3D2->click();
    CheckLimits(w, {"Text6", &Design.SlopeAngle, "0.01", "  0.01", "89.99", " 89.99", "0", "90",
                    RangeMessage("0.01", "89.99"), "30.123", DecimalsMessage(2), "３０", " 30.00",
                    "11110"});
}

struct Derivation {
    int mode;  // 1 ratio, 0 angle
    const char* typed;
    const char* n;       // Label9 and SlopeN
    const char* theta;   // Label6 and SlopeAngle
    const char* height;  // Label3 and SlopeHeight, with L = 10.000
};

TEST_F(KoubaiTest, TheOtherFormAndTheHeightFollowAnEntry) {
    const Derivation cases[] = {
        {1, "1.5", "  1.50", " 33.69", "  5.547"},  // H from 33.69, not from atan(1/1.5)
        {1, "２", "  2.00", " 26.57", "  4.473"},    {1, "9.99", "  9.99", "  5.72", "  0.997"},
        {0, "30", "  1.73", " 30.00", "  5.000"},    {0, "5.71", " 10.00", "  5.71", "  0.995"},
        {0, "0.01", "5729.58", "  0.01", "  0.002"}, {0, "89.99", "  0.00", " 89.99", " 10.000"},
    };
    for (const Derivation& c : cases) {
        SCOPED_TRACE(c.typed);
        N5koubai* w = Open(1, [&] {
            Design.TotalLengthY = " 10.000";
            Design.SlopeInputMode = static_cast<std::int16_t>(c.mode);
        });
        Type(c.mode == 1 ? w->Text9 : w->Text6, QString::fromUtf8(c.typed));
        EXPECT_EQ(S(w->Label9), c.n);
        EXPECT_EQ(Design.SlopeN, c.n);
        EXPECT_EQ(S(w->Label6), c.theta);
        EXPECT_EQ(Design.SlopeAngle, c.theta);
        EXPECT_EQ(S(w->Label3), c.height);
        EXPECT_EQ(Design.SlopeHeight, c.height);
        EXPECT_EQ(Flags(), "11110");
        EXPECT_EQ(RecalcKusabi, 0);  // work type 1 has no wedge
    }
}

TEST_F(KoubaiTest, OnlyTheWedgeTypeRaisesTheWedgeFlag) {
    for (int type : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(type);
        N5koubai* w = Open(type);
        Type(w->Text9, "2");
        EXPECT_EQ(RecalcKusabi, type == 0 ? 1 : 0);
        EXPECT_EQ(Flags(), "11110");
    }
}

TEST_F(KoubaiTest, AnUnchangedGradientChangesNothing) {
    N5koubai* w = Open(0, [] { Design.SlopeN = "  1.50"; });
    Design.SlopeAngle = "stale";  // would be overwritten by a derivation
    Type(w->Text9, "1.5");
    EXPECT_EQ(S(w->Text9), "  1.50");
    EXPECT_EQ(Design.SlopeAngle, "stale");
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(RecalcKusabi, 0);
}

TEST_F(KoubaiTest, ClearingTheBoxClearsTheOtherFormAndTheHeight) {
    for (int mode : {1, 0}) {
        SCOPED_TRACE(mode);
        N5koubai* w = Open(0, [&] { Design.SlopeInputMode = static_cast<std::int16_t>(mode); });
        Type(mode == 1 ? w->Text9 : w->Text6, "");
        for (QLabel* l : {w->Label9, w->Label6, w->Label3}) EXPECT_EQ(S(l), "");
        EXPECT_EQ(Design.SlopeN, "");
        EXPECT_EQ(Design.SlopeAngle, "");
        EXPECT_EQ(Design.SlopeHeight, "");
        EXPECT_EQ(Flags(), "11110");
        EXPECT_EQ(RecalcKusabi, 1);
    }
}

TEST_F(KoubaiTest, HeightAfterAnEntryWithoutOrWithAZeroSlopeLength) {
    // No slope length: the height stays as it was.
    N5koubai* w = Open(1, [] { Design.TotalLengthY = ""; });
    EXPECT_EQ(S(w->Label1), "");
    EXPECT_EQ(S(w->Label3), "");
    w->Label3->setText("  1.234");
    Type(w->Text9, "2");
    EXPECT_EQ(S(w->Label6), " 26.57");
    EXPECT_EQ(S(w->Label3), "  1.234");

    // A slope length of 0: empty at activation, 0.000 after an entry.
    w = Open(1, [] { Design.TotalLengthY = "0"; });
    EXPECT_EQ(S(w->Label1), "  0.000");
    EXPECT_EQ(S(w->Label3), "");
    EXPECT_EQ(Design.SlopeHeight, "");
    Type(w->Text9, "2");
    EXPECT_EQ(S(w->Label3), "  0.000");
    EXPECT_EQ(Design.SlopeHeight, "  0.000");
}

TEST_F(KoubaiTest, ActivationFollowsTheSlopeLength) {
    N5koubai* w = Open(1);
    EXPECT_EQ(S(w->Label3), "  6.364");
    Design.TotalLengthY = " 12.000";
    w->HandleActivate();
    EXPECT_EQ(S(w->Label1), " 12.000");
    EXPECT_EQ(S(w->Label3), "  8.485");
    EXPECT_EQ(Design.SlopeHeight, "  8.485");
    // The height is stored at every activation, even when its label stays.
    Design.SlopeHeight = "stale";
    w->HandleActivate();
    EXPECT_EQ(Design.SlopeHeight, "  8.485");
    // Without a ratio there is no height.
    Design.TotalLengthY = " 9.000";
    Design.SlopeN = "";
    w->HandleActivate();
    EXPECT_EQ(S(w->Label3), "");
    EXPECT_EQ(Design.SlopeHeight, "");
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(KoubaiTest, SwitchingTheModeSetsDataChangedOnly) {
    N5koubai* w = Open(0);
    w->Option3D2->click();
    EXPECT_EQ(Design.SlopeInputMode, 0);
    EXPECT_TRUE(w->Text6->isVisible());
    EXPECT_FALSE(w->Text9->isVisible());
    EXPECT_EQ(S(w->Text6), "45.00");
    EXPECT_EQ(Flags(), "10000");
    EXPECT_EQ(RecalcKusabi, 0);

    LowerFlags();
    w->Option3D1->click();
    EXPECT_EQ(Design.SlopeInputMode, 1);
    EXPECT_TRUE(w->Text9->isVisible());
    EXPECT_EQ(S(w->Text9), "1.00");
    EXPECT_EQ(Flags(), "10000");
    EXPECT_EQ(Design.SlopeN, "1.00");
    EXPECT_EQ(Design.SlopeAngle, "45.00");
}

TEST_F(KoubaiTest, ADerivedRatioAboveTheRangeIsRefusedInRatioMode) {
    N5koubai* w = Open(1, [] { Design.SlopeInputMode = 0; });
    Type(w->Text6, "5.71");
    EXPECT_EQ(Design.SlopeN, " 10.00");
    w->Option3D1->click();
    EXPECT_EQ(S(w->Text9), " 10.00");
    LowerFlags();

    // Leaving the ratio box refuses the shown value until a valid one comes.
    messages.Expect(RangeMessage("0.01", "9.99"));
    Enter(w->Text9);
    Leave(w->Text9);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_TRUE(w->Text9->hasFocus());
    EXPECT_EQ(S(w->Text9), " 10.00");
    EXPECT_TRUE(w->Option3D1->isChecked());
    EXPECT_EQ(Design.SlopeN, " 10.00");
    EXPECT_EQ(S(w->Label6), "  5.71");
    EXPECT_EQ(Flags(), "00000");

    Type(w->Text9, "9.5");
    EXPECT_EQ(Design.SlopeN, "  9.50");
    EXPECT_EQ(Design.SlopeAngle, "  6.01");
    EXPECT_FALSE(w->Text9->hasFocus());
}

TEST_F(KoubaiTest, ARefusedAngleKeepsTheLabelsAndTheAngleMode) {
    N5koubai* w = Open(0, [] { Design.SlopeInputMode = 0; });
    messages.Expect(kBadValue);
    Type(w->Text6, "３０°");
    EXPECT_EQ(S(w->Text6), "45.00");
    EXPECT_TRUE(w->Option3D2->isChecked());
    EXPECT_EQ(S(w->Label9), "1.00");
    EXPECT_EQ(S(w->Label3), "  6.364");
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(RecalcKusabi, 0);
}

TEST_F(KoubaiTest, StartScreenWaitsForTheBoxAndTheSinkSendsTabToBegin) {
    N5koubai* w = Open(0);
    Enter(w->Text9);
    w->Text9->selectAll();
    w->Text9->insert("2");
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.SlopeN, "  2.00");
    EXPECT_EQ(Design.SlopeAngle, " 26.57");
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_EQ(StepMode, 0);

    // A refused entry keeps the selection step away.
    w = Open(0);
    host->selectShown = 0;
    Enter(w->Text9);
    w->Text9->selectAll();
    w->Text9->insert("0");
    messages.Expect(RangeMessage("0.01", "9.99"));
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_EQ(Design.SlopeN, "1.00");
    EXPECT_EQ(ClickPending, 0);

    // Tab onto the sink: the focus goes round to the chosen mode, nothing
    // else happens.
    w->FocusSink->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_TRUE(w->Option3D1->hasFocus());
    EXPECT_EQ(host->selectShown, 0);
}

// The step opens with the focus on the slope's picture and no button
// framed: Space, Return and the arrow keys move nothing on and change no
// mode, and the first Tab reaches the box of the mode in force (Shift+Tab
// from there goes back to the options). Chosen by the arrow keys, the other
// mode's box is the one reached when the step comes back.
TEST_F(KoubaiTest, OpensWithTheFocusOnThePictureAndTabReachesTheBoxOfItsMode) {
    FillDesign(0);
    Design.SlopeInputMode = 1;
    N5koubai* w = OpenInChain<N5koubai>(0);
    ASSERT_NE(w, nullptr);
    const int step = CurStep;
    auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(k), m);
        PumpEvents();
    };
    struct Mode {
        int mode;
        QLineEdit* box;
        QRadioButton* option;
    };
    for (const Mode& m : {Mode{1, w->Text9, w->Option3D1}, Mode{0, w->Text6, w->Option3D2}}) {
        SCOPED_TRACE(m.mode);
        ASSERT_EQ(Focused(), "Picture1");
        for (int k : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down,
                      Qt::Key_Left, Qt::Key_Right}) {
            key(k);
            EXPECT_EQ(CurStep, step) << k;
            EXPECT_EQ(Focused(), "Picture1") << k;
        }
        EXPECT_EQ(Design.SlopeInputMode, m.mode);
        key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), m.box);
        key(Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), m.option);
        if (m.mode == 1) {
            key(Qt::Key_Down);  // 角度入力
            EXPECT_EQ(Design.SlopeInputMode, 0);
        }
        host->manager->ShowStep(step + 1);
        PumpEvents();
        host->manager->ShowStep(step);
        PumpEvents();
    }
}

// An option pressed while the box of the mode in force holds a value its
// check refuses: the refused box keeps the window, its value and the focus,
// and the option in force stays, in either mode.
TEST_F(KoubaiTest, AnOptionPressedAfterARefusedEntryDoesNothing) {
    struct Case {
        std::int16_t mode;
        const char* typed;
        std::string refusal;
    };
    for (const Case& c : {Case{1, "10", RangeMessage("0.01", "9.99")},
                          Case{0, "90", RangeMessage("0.01", "89.99")}}) {
        SCOPED_TRACE(c.mode == 1 ? "ratio" : "angle");
        N5koubai* w = Open(0, [&] { Design.SlopeInputMode = c.mode; });
        QLineEdit* box = c.mode == 1 ? w->Text9 : w->Text6;
        QRadioButton* inForce = c.mode == 1 ? w->Option3D1 : w->Option3D2;
        QRadioButton* other = c.mode == 1 ? w->Option3D2 : w->Option3D1;
        const std::string n = Design.SlopeN, angle = Design.SlopeAngle;
        TypeWithoutLeaving(box, QString::fromUtf8(c.typed));
        messages.Expect(c.refusal);
        QTest::mouseClick(other, Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Design.SlopeInputMode, c.mode);
        EXPECT_TRUE(inForce->isChecked());
        EXPECT_FALSE(other->isChecked());
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(Focused(), Str(box->objectName()));
        EXPECT_EQ(Design.SlopeN, n);
        EXPECT_EQ(Design.SlopeAngle, angle);
        EXPECT_EQ(Flags(), "00000");

        // The value put right, the same press switches the mode.
        Type(box, QStringLiteral("1"));
        LowerFlags();
        QTest::mouseClick(other, Qt::LeftButton);
        PumpEvents();
        EXPECT_EQ(Design.SlopeInputMode, 1 - c.mode);
        EXPECT_EQ(Flags(), "10000");
    }
}

TEST_F(KoubaiTest, ARefusedEntryHoldsEveryButton) {
    FillDesign(0);
    N5koubai* w = OpenInChain<N5koubai>(0);
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->Text9, QStringLiteral("0"),
                                       RangeMessage("0.01", "9.99"), &Design.SlopeN, messages,
                                       host->selectShown);
    EXPECT_TRUE(w->Option3D1->isChecked());
}

// The chains take these windows in place of the plain protocol windows.
TEST_F(KoubaiTest, TheChainsUseTheGradientArcAndConditionsWindows) {
    struct Case {
        int type;
        int step;
        const char* className;
    };
    for (const Case& c : {Case{0, 4, "N5koubai"}, Case{1, 4, "N5koubai"}, Case{2, 4, "N5koubai"},
                          Case{1, 5, "N7enko"}, Case{3, 5, "N8yokusi"}, Case{4, 5, "N8yokusi"},
                          Case{4, 4, "N5koubai"}}) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.className);
        std::unique_ptr<StepForm> w(CreateStepWindow(c.className));
        EXPECT_STREQ(w->metaObject()->className(), (std::string("talvo::") + c.className).c_str());
        EXPECT_EQ(StepChain(c.type, 0)[static_cast<std::size_t>(c.step - 1)], c.className);
    }
}

// The window as the engineer sees it after a ratio: every control inside
// its frame or figure, and the labels that show the values framed like the
// entry boxes.
TEST_F(KoubaiTest, TheWindowAsShownAfterARatio) {
    N5koubai* w = Open(0, [] { Design.TotalLengthY = " 10.000"; });
    Type(w->Text9, "1.5");
    EXPECT_EQ(S(w->Text9), "  1.50");
    EXPECT_EQ(S(w->Label6), " 33.69");
    EXPECT_EQ(S(w->Label1), " 10.000");
    EXPECT_EQ(S(w->Label3), "  5.547");
    // The triangle is the drawing behind its frame's controls.
    ExpectLaidOutApart(w, {QStringLiteral("Triangle")});
    for (QLabel* l : {w->Label1, w->Label3, w->Label6}) ExpectFramedOnAllSides(l);
    SaveShot(w, QStringLiteral("N5koubai"));
}

}  // namespace
}  // namespace talvo::test
