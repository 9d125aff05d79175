// The design-load conditions step of the anchored frames: the seven boxes,
// the friction entered as φ or tan φ, the staggering test and the spacing,
// the rows and angle warnings, the sink.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "steps/windows/N8yokusi.h"
#include "steps/windows/SlopeFigure.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kRowsBolt = "ロックボルト施工段数が縦枠のロックボルト数を下回っています。";
const std::string kRowsAnchor = "アンカー施工段数が縦枠のアンカー数を下回っています。";
const std::string kAngle = "標準の入力範囲は、10～45です。";

class YokusiTest : public InputStepTest {
protected:
    // The window over the filled design of `type` after `adjust`, activated
    // once, with every flag lowered.
    template <class Adjust>
    N8yokusi* Open(int type, Adjust adjust) {
        FillDesign(static_cast<std::int16_t>(type));
        adjust();
        N8yokusi* w = Load<N8yokusi>();
        LowerFlags();
        return w;
    }
    N8yokusi* Open(int type) {
        return Open(type, [] {});
    }
    // A new design of `type`, with `mode` as its friction input.
    N8yokusi* OpenNew(int type, int mode = 0) {
        InitDesignData();
        Design.WorkType = static_cast<std::int16_t>(type);
        Design.FrictionInputMode = static_cast<std::int16_t>(mode);
        N8yokusi* w = Load<N8yokusi>();
        LowerFlags();
        return w;
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
    static std::vector<std::string> Captions(const N8yokusi* w) {
        std::vector<std::string> v;
        for (const QLabel* l : w->lblKind) v.push_back(S(l));
        return v;
    }
};

TEST_F(YokusiTest, LoadAndActivationFromAFilledDesign) {
    N8yokusi* w = Open(3);
    // The first box has the focus, which trims its blanks.
    EXPECT_TRUE(w->txtSafety->hasFocus());
    EXPECT_EQ(S(w->txtSafety), "1.20");
    EXPECT_EQ(S(w->txtDeter), "   50.0");
    EXPECT_EQ(S(w->txtSlope), "   30.00");
    EXPECT_EQ(S(w->txtStep), "    5");
    EXPECT_EQ(S(w->txtRockboltAngle), "15.0");  // as stored
    EXPECT_EQ(S(w->lblAngle), "   30.00");
    EXPECT_EQ(S(w->lblTanFai), "");
    EXPECT_TRUE(w->optAngle->isChecked());
    EXPECT_TRUE(w->txtAngle->isVisible());
    EXPECT_FALSE(w->txtTanFai->isVisible());
    EXPECT_EQ(S(w->txtAngle), "   30.00");
    EXPECT_FALSE(w->chkBard->isChecked());
    EXPECT_TRUE(w->picTidori->Shape19Visible());
    // 2.000 over 2.000: ratio 1, no staggering; the spacing is the pitch.
    EXPECT_FALSE(w->chkBard->isEnabled());
    EXPECT_EQ(Design.HorizSpacing, "    2.000");
    EXPECT_EQ(S(w->lblLevel), "    2.000");
    EXPECT_EQ(S(w->lblRockboltNum), "    5");
    EXPECT_EQ(Fore(w->txtStep), kBlack);
    EXPECT_EQ(Fore(w->txtRockboltAngle), kBlack);
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(w->FocusSink->objectName(), "Text9");
    EXPECT_EQ(Captions(w),
              (std::vector<std::string>{"ロックボルト水平間隔", "ロックボルト施工段数",
                                        "ロックボルト打設傾角", "（縦枠ロックボルト数"}));

    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"のり面の計画安全率", "ＰＦs", "必要抑止力", "Ｐｒ", "(kN/m)",
                          "すべり面勾配", "θ", "(°)", "＠", "(m)", "n", "(段)", "n<sub>y</sub>",
                          "）", "α", "表層部の内部摩擦角", "φ", "tanφ", "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->fraMain->title(), "設計荷重の算出条件");
    EXPECT_EQ(w->chkBard->text(), " 千鳥配置");
    EXPECT_EQ(w->optAngle->text(), "角度入力");
    EXPECT_EQ(w->optTanFai->text(), "tanφ入力");
}

TEST_F(YokusiTest, GroundAnchorCaptionsAndTheAngleColourAtLoad) {
    struct Case {
        int type;
        const char* angle;
        QColor colour;
    };
    for (const Case& c : {Case{4, "15.0", kBlack}, Case{4, "10.00", kBlack},
                          Case{4, "45.00", kBlack}, Case{4, "", kBlack}, Case{4, "9.99", kRed},
                          Case{4, "45.01", kRed}, Case{3, "50.00", kBlack}}) {
        SCOPED_TRACE(std::to_string(c.type) + " " + c.angle);
        N8yokusi* w = Open(c.type, [&] { Design.InstallAngle = c.angle; });
        EXPECT_EQ(Fore(w->txtRockboltAngle), c.colour);
        EXPECT_EQ(S(w->txtRockboltAngle), c.angle);
        if (c.type == 4) {
            EXPECT_EQ(Captions(w),
                      (std::vector<std::string>{"アンカー水平間隔", "アンカー施工段数",
                                                "アンカー打設傾角", "（縦枠アンカー数"}));
        }
    }
}

TEST_F(YokusiTest, LoadFromANewDesign) {
    N8yokusi* w = OpenNew(4);
    for (QLineEdit* b :
         {w->txtSafety, w->txtDeter, w->txtSlope, w->txtStep, w->txtRockboltAngle, w->txtAngle})
        EXPECT_EQ(S(b), "") << Str(b->objectName());
    for (QLabel* l : {w->lblLevel, w->lblRockboltNum, w->lblAngle, w->lblTanFai})
        EXPECT_EQ(S(l), "") << Str(l->objectName());
    EXPECT_FALSE(w->chkBard->isEnabled());
    EXPECT_EQ(Design.HorizSpacing, "");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kBlack);
    EXPECT_EQ(Fore(w->txtStep), kBlack);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(YokusiTest, EveryBoxAtItsLimits) {
    N8yokusi* w = OpenNew(3);
    const std::string angles = RangeMessage("0.01", "89.99");
    const LimitCase cases[] = {
        {"txtSafety", &Design.PlanFs, "0.01", "    0.01", "9.99", "    9.99", "0", "10",
         RangeMessage("0.01", "9.99"), "1.205", DecimalsMessage(2), "１．２", "    1.20", "11000"},
        {"txtDeter", &Design.Pr, "0.1", "    0.1", "9999.9", " 9999.9", "0.09", "10000",
         RangeMessage("0.1", "9999.9"), "50.05", DecimalsMessage(1), "５０", "   50.0", "11000"},
        {"txtSlope", &Design.SlipAngle, "-90", " -90.00", "90", "   90.00", "-90.01", "90.01",
         RangeMessage("-90.00", "90.00"), "30.125", DecimalsMessage(2), "３０．５", "   30.50",
         "11000"},
        {"txtStep", &Design.RowCount, "1", "    1", "99", "   99", "0", "100",
         RangeMessage("1", "99"), "5.", kWholeNumber, "７", "    7", "11000"},
        {"txtRockboltAngle", &Design.InstallAngle, "0.01", "    0.01", "89.99", "   89.99", "0",
         "90", angles, "15.001", DecimalsMessage(2), "１５", "   15.00", "11000"},
        {"txtAngle", &Design.FrictionAngle, "0.01", "    0.01", "89.99", "   89.99", "0.009",
         "89.991", angles, "30.001", DecimalsMessage(2), "３５", "   35.00", "11000"},
    };
    for (const LimitCase& c : cases) CheckLimits(w, c);

    w = OpenNew(3, 1);
    CheckLimits(w, {"txtTanFai", &Design.TanPhi, "0.001", "    0.00100", "9.99999", "    9.99999",
                    "0.0009", "10", RangeMessage("0.00100", "9.99999"), "0.123456",
                    DecimalsMessage(5), "０．５", "    0.50000", "11000"});
}

struct FrictionCase {
    int mode;
    const char* typed;
    const char* angle;  // lblAngle and FrictionAngle
    const char* tan;    // lblTanFai and TanPhi
};

TEST_F(YokusiTest, TheOtherFrictionValueIsDerived) {
    const FrictionCase cases[] = {
        {0, "30", "   30.00", "    0.57735"},
        {0, "４５", "   45.00", "    1.00000"},
        {0, "89.99", "   89.99", " 5729.57789"},
        {0, "", "", ""},  // clearing φ empties both
        {1, "0.5", "   26.57", "    0.50000"},
        {1, "9.99999", "   84.29", "    9.99999"},
        {1, "", "", ""},
    };
    for (const FrictionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + c.typed);
        N8yokusi* w = Open(3, [&] {
            Design.FrictionInputMode = static_cast<std::int16_t>(c.mode);
            Design.TanPhi = "0.57735";
        });
        Type(c.mode == 0 ? w->txtAngle : w->txtTanFai, QString::fromUtf8(c.typed));
        EXPECT_EQ(S(w->lblAngle), c.angle);
        EXPECT_EQ(Design.FrictionAngle, c.angle);
        EXPECT_EQ(S(w->lblTanFai), c.tan);
        EXPECT_EQ(Design.TanPhi, c.tan);
        EXPECT_EQ(Flags(), "11000");
    }
}

TEST_F(YokusiTest, SwitchingTheFrictionModeChangesNothingStored) {
    N8yokusi* w = Open(3, [] { Design.TanPhi = "0.57735"; });
    EXPECT_EQ(S(w->lblTanFai), "    0.57735");
    w->optTanFai->click();
    EXPECT_EQ(Design.FrictionInputMode, 1);
    EXPECT_TRUE(w->txtTanFai->isVisible());
    EXPECT_FALSE(w->txtAngle->isVisible());
    EXPECT_EQ(S(w->txtTanFai), "    0.57735");
    EXPECT_EQ(S(w->lblAngle), "   30.00");
    w->optAngle->click();
    EXPECT_EQ(Design.FrictionInputMode, 0);
    EXPECT_EQ(S(w->txtAngle), "   30.00");
    EXPECT_EQ(Design.FrictionAngle, "30.0");
    EXPECT_EQ(Design.TanPhi, "0.57735");
    EXPECT_EQ(Flags(), "00000");
}

struct StaggerCase {
    const char* spanX;
    const char* spanY;
    const char* pitchX;
    const char* pitchY;
    bool possible;
    const char* spacing;  // HorizSpacing and lblLevel, the box unticked
};

TEST_F(YokusiTest, StaggeringTestAndSpacingAtActivation) {
    const StaggerCase cases[] = {
        {" 1.500", " 1.500", " 3.000", " 3.000", true, "    3.000"},
        {" 1.500", " 1.500", " 6.000", " 3.000", true, "    6.000"},
        {" 1.500", " 1.500", " 4.500", " 3.000", false, "    4.500"},  // ratio 3
        {" 1.500", " 1.500", " 3.000", " 4.500", false, "    3.000"},  // vertical ratio 3
        {" 1.500", " 1.500", " 2.000", " 3.000", false, "    2.000"},  // not a multiple
        {" 1.500", " 1.500", " 3.000", " 2.000", false, "    3.000"},
        {" 1.500", "", " 3.000", " 3.000", false, "    3.000"},
        {" 1.500", " 1.500", " 3.000", "", false, "    3.000"},
        {"", " 1.500", " 3.000", " 3.000", false, ""},
        {" 1.500", " 1.500", "", " 3.000", false, ""},
        {"0", " 1.500", " 3.000", " 3.000", false, "    3.000"},  // a damaged file
    };
    for (const StaggerCase& c : cases) {
        SCOPED_TRACE(std::string(c.spanX) + "/" + c.spanY + "/" + c.pitchX + "/" + c.pitchY);
        N8yokusi* w = Open(4, [&] {
            Design.SpanX = c.spanX;
            Design.SpanY = c.spanY;
            Design.PitchX = c.pitchX;
            Design.PitchY = c.pitchY;
        });
        EXPECT_EQ(w->chkBard->isEnabled(), c.possible);
        EXPECT_EQ(Design.HorizSpacing, c.spacing);
        EXPECT_EQ(S(w->lblLevel), c.spacing);
        EXPECT_EQ(Flags(), "00000");
    }
}

TEST_F(YokusiTest, TickingStaggeredHalvesTheSpacing) {
    N8yokusi* w = Open(4, [] {
        Design.SpanX = Design.SpanY = " 1.500";
        Design.PitchX = Design.PitchY = " 3.000";
    });
    w->chkBard->click();
    EXPECT_EQ(Design.Staggered, 1);
    EXPECT_FALSE(w->picTidori->Shape19Visible());
    EXPECT_EQ(Design.HorizSpacing, "    1.500");
    EXPECT_EQ(S(w->lblLevel), "    1.500");
    EXPECT_EQ(Flags(), "11000");
    w->HandleActivate();
    EXPECT_EQ(Design.HorizSpacing, "    1.500");

    LowerFlags();
    w->chkBard->click();
    EXPECT_EQ(Design.Staggered, 0);
    EXPECT_TRUE(w->picTidori->Shape19Visible());
    EXPECT_EQ(Design.HorizSpacing, "    3.000");
    EXPECT_EQ(S(w->lblLevel), "    3.000");
    EXPECT_EQ(Flags(), "11000");
}

TEST_F(YokusiTest, AStaggeredDesignIsMarkedChangedAtLoad) {
    FillDesign(3);
    Design.SpanX = Design.SpanY = " 1.500";
    Design.PitchX = Design.PitchY = " 3.000";
    Design.Staggered = 1;
    DataChanged = 0;
    N8yokusi* w = Load<N8yokusi>();
    EXPECT_TRUE(w->chkBard->isChecked());
    EXPECT_TRUE(w->chkBard->isEnabled());
    EXPECT_FALSE(w->picTidori->Shape19Visible());
    EXPECT_EQ(Design.HorizSpacing, "    1.500");
    EXPECT_EQ(S(w->lblLevel), "    1.500");
    EXPECT_EQ(Flags(), "11000");

    // A layout that allows no staggering keeps the tick but not the half.
    FillDesign(3);
    Design.SpanX = Design.SpanY = " 1.500";
    Design.PitchX = " 4.500";
    Design.PitchY = " 3.000";
    Design.Staggered = 1;
    w = Load<N8yokusi>();
    EXPECT_TRUE(w->chkBard->isChecked());
    EXPECT_FALSE(w->chkBard->isEnabled());
    EXPECT_EQ(Design.Staggered, 1);
    EXPECT_EQ(Design.HorizSpacing, "    4.500");
    EXPECT_EQ(S(w->lblLevel), "    4.500");
}

TEST_F(YokusiTest, FewerRowsThanAlongAVerticalBeam) {
    for (int type : {3, 4}) {
        SCOPED_TRACE(type);
        const std::string& message = type == 3 ? kRowsBolt : kRowsAnchor;
        N8yokusi* w = Open(type, [] { Design.AnchorCountY = " 4"; });
        EXPECT_EQ(S(w->lblRockboltNum), "    4");
        // Warned on every exit, the value kept.
        messages.Expect(message);
        Type(w->txtStep, "3");
        EXPECT_EQ(Design.RowCount, "    3");
        EXPECT_EQ(Fore(w->txtStep), kRed);
        EXPECT_EQ(Flags(), "11000");
        LowerFlags();
        messages.Expect(message);
        Type(w->txtStep, "3");
        EXPECT_EQ(Flags(), "00000");
        EXPECT_TRUE(messages.AllShown());
        // Activation repaints without a word.
        w->HandleActivate();
        EXPECT_EQ(Fore(w->txtStep), kRed);
        Type(w->txtStep, "4");
        EXPECT_EQ(Fore(w->txtStep), kBlack);
        // An empty row count passes.
        messages.Expect(message);
        Type(w->txtStep, "1");
        Type(w->txtStep, "");
        EXPECT_EQ(Fore(w->txtStep), kBlack);
        Design.AnchorCountY = " 9";
        Design.RowCount = "    3";
        w->HandleActivate();
        EXPECT_EQ(Fore(w->txtStep), kRed);
        EXPECT_EQ(S(w->lblRockboltNum), "    9");
    }
}

TEST_F(YokusiTest, GroundAnchorAngleOutsideTheStandardRange) {
    N8yokusi* w = Open(4);
    messages.Expect(kAngle);
    Type(w->txtRockboltAngle, "50");
    EXPECT_EQ(Design.InstallAngle, "   50.00");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kRed);
    EXPECT_EQ(Flags(), "11000");
    // Unchanged: no check, no message, still red.
    Type(w->txtRockboltAngle, "50");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kRed);
    messages.Expect(kAngle);
    Type(w->txtRockboltAngle, "9.99");
    Type(w->txtRockboltAngle, "10");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kBlack);
    Type(w->txtRockboltAngle, "45");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kBlack);
    messages.Expect(kAngle);
    Type(w->txtRockboltAngle, "45.01");
    Type(w->txtRockboltAngle, "");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kBlack);

    // Rock bolts have no standard range.
    w = Open(3);
    Type(w->txtRockboltAngle, "50");
    EXPECT_EQ(Design.InstallAngle, "   50.00");
    EXPECT_EQ(Fore(w->txtRockboltAngle), kBlack);
}

TEST_F(YokusiTest, TabOrderStartScreenAndTheSink) {
    N8yokusi* w = Open(3);
    // The five boxes, the friction's mode (one stop) and its box, then the
    // buttons; the sink sends the focus round to the check box.
    Enter(w->txtRockboltAngle);
    QTest::keyClick(w->txtRockboltAngle, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->optAngle->isChecked() ? w->optAngle : w->optTanFai);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->txtAngle->isVisible() ? w->txtAngle : w->txtTanFai);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    PumpEvents();
    EXPECT_TRUE(w->cmdBegin->hasFocus());
    // The stagger cannot be chosen for these rows: the sink passes over the
    // disabled check box to the first box.
    ASSERT_FALSE(w->chkBard->isEnabled());
    w->cmdResult->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_TRUE(w->txtSafety->hasFocus());
    EXPECT_EQ(host->selectShown, 0);

    // Start screen: the edited box is stored first.
    Enter(w->txtDeter);
    w->txtDeter->selectAll();
    w->txtDeter->insert("１２０．５");
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.Pr, "  120.5");
    EXPECT_EQ(Flags(), "11000");
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_EQ(ClickPending, 0);
}

// A layout on which the anchors can be staggered.
void StaggerableLayout() {
    Design.SpanX = Design.SpanY = " 1.500";
    Design.PitchX = Design.PitchY = " 3.000";
    Design.AnchorCountY = " 6";
}

// The window as the engineer sees it, staggered and with too few rows:
// every control inside its frame and apart, and the tan φ value, shown by
// its label in angle mode, framed as a whole box within the frame.
TEST_F(YokusiTest, TheWindowAsShownStaggeredWithTooFewRows) {
    N8yokusi* w = Open(4, StaggerableLayout);
    w->chkBard->click();
    messages.Expect(kRowsAnchor);
    Type(w->txtStep, "5");
    EXPECT_TRUE(messages.AllShown());
    EXPECT_TRUE(w->chkBard->isChecked());
    EXPECT_EQ(Fore(w->txtStep), kRed);
    ASSERT_TRUE(w->optAngle->isChecked());
    ASSERT_TRUE(w->lblTanFai->isVisible());
    ExpectLaidOutApart(w);
    const QRect inner = w->fraMain->contentsRect();
    for (QWidget* tan :
         {static_cast<QWidget*>(w->lblTanFai), static_cast<QWidget*>(w->txtTanFai)}) {
        EXPECT_TRUE(inner.contains(tan->geometry())) << Str(tan->objectName());
        for (QWidget* sibling : w->fraMain->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling == w->lblTanFai || sibling == w->txtTanFai || !sibling->isVisible())
                continue;
            EXPECT_FALSE(sibling->geometry().intersects(tan->geometry()))
                << Str(sibling->objectName()) << " over " << Str(tan->objectName());
        }
    }
    for (QLabel* l : {w->lblTanFai, w->lblLevel, w->lblRockboltNum}) ExpectFramedOnAllSides(l);
    SaveShot(w, QStringLiteral("N8yokusi"));
}

// A value refused by its check keeps the step, the value and the focus,
// whatever the engineer pressed to leave the box: the navigation buttons by
// mouse and by their Alt keys, the friction options and the staggering box.
TEST_F(YokusiTest, ARefusedEntryHoldsEveryButtonAndTheChoices) {
    FillDesign(4);
    N8yokusi* w = OpenInChain<N8yokusi>(4);
    ASSERT_NE(w, nullptr);
    const std::string refusal = RangeMessage("0.01", "9.99");
    ExpectRefusedEntryHoldsEveryButton(w, w->txtSafety, QStringLiteral("20"), refusal,
                                       &Design.PlanFs, messages, host->selectShown);

    w = Open(4, StaggerableLayout);
    ASSERT_TRUE(w->chkBard->isEnabled());
    const bool staggered = w->chkBard->isChecked();
    for (QAbstractButton* choice :
         {static_cast<QAbstractButton*>(w->optTanFai), static_cast<QAbstractButton*>(w->chkBard)}) {
        SCOPED_TRACE(Str(choice->objectName()));
        LowerFlags();
        TypeWithoutLeaving(w->txtSafety, QStringLiteral("20"));
        messages.Expect(refusal);
        QTest::mouseClick(choice, Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Focused(), "txtSafety");
        EXPECT_EQ(Design.FrictionInputMode, 0);
        EXPECT_TRUE(w->optAngle->isChecked());
        EXPECT_FALSE(w->txtTanFai->isVisible());
        EXPECT_EQ(w->chkBard->isChecked(), staggered);
        EXPECT_EQ(Flags(), "00000");
    }
}

}  // namespace
}  // namespace talvo::test
