// The horizontal-beam force steps: loads and the Mmax formula, the shear
// check position and the Smax formula, the part choice with its "最大" mark,
// the force calculation on activation, the x entry and the start-screen
// button.
#include <gtest/gtest.h>

#include "calc/windows/NEyokomoment.h"
#include "calc/windows/NFyokosendan.h"
#include "calc/windows/force_step_fixture.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

// Positions of the two windows in the chains.
int MomentStep(int type) {
    return type == 2 ? 5 : 8;
}
int ShearStep(int type) {
    return type == 2 ? 6 : 9;
}

const char* const kRangeX = "値が有効範囲にありません。\r有効範囲（0.000～9.999）";
const char* const kDecimals3 =
    "入力値が有効精度を超えています。\r有効精度内（小数第3位）に変更してください。";

std::string Text(const QLabel* l) {
    return l->text().toStdString();
}
std::string Text(const QLineEdit* t) {
    return t->text().toStdString();
}

// Which "最大" panel shows: 0 span, 1 overhang, -1 none, 2 both.
int Marked(const QLabel* span, const QLabel* overhang) {
    if (!span->isHidden() && !overhang->isHidden()) return 2;
    if (!span->isHidden()) return 0;
    if (!overhang->isHidden()) return 1;
    return -1;
}

class YokoMomentTest : public ForceStepTest {
protected:
    int type = 2;
    NEyokomoment* Moment() { return Step<NEyokomoment>(MomentStep(type)); }
    NFyokosendan* Shear() { return Step<NFyokosendan>(ShearStep(type)); }
    // The filled design with the horizontal forces computed on the first
    // activation of the moment step, the flags lowered again.
    template <class Adjust>
    void OpenComputed(Adjust adjust) {
        Open(type, adjust);
        RecalcForce = 1;
        Show(MomentStep(type));
        LowerFlags();
    }
    void OpenComputed() {
        OpenComputed([] {});
    }
};

TEST_F(YokoMomentTest, StaticTextsOfBothWindows) {
    Open(type);
    auto texts = [](QWidget* w) {
        QStringList t;
        for (QLabel* l : w->findChildren<QLabel*>())
            if (!l->text().isEmpty()) t << l->text();
        for (QRadioButton* r : w->findChildren<QRadioButton*>())
            if (!r->text().isEmpty()) t << r->text();
        return t;
    };
    const QStringList moment = texts(Moment());
    for (const char* t : {"横枠１スパンにかかる重量",
                          "W =",
                          "(kN)",
                          "横枠１スパンののり面方向に作用する荷重",
                          "Q =",
                          "W･sinθ",
                          "0",
                          "=",
                          "横枠への等分布荷重",
                          "w =",
                          "Q",
                          "x",
                          "(kN/m)",
                          "最大曲げモーメントＭmax(kN･m)の算出式",
                          "スパン部",
                          "張出し部",
                          "最大",
                          "Ｍmax = ",
                          "・w・",
                          "2",
                          "(kN･m)"})
        EXPECT_TRUE(moment.contains(QString::fromUtf8(t))) << t;
    const QStringList shear = texts(Shear());
    for (const char* t : {"最大せん断力Ｓmax(kN)の算出式", " 支点からの照査位置", "x =", "(m)",
                          " 支点より", "b", "2", "離れた位置", "+", "h", "スパン部", "張出し部",
                          "最大", "Ｓmax = ", "・w・", "- w・x ", "=", "(kN)"})
        EXPECT_TRUE(shear.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(Shear()->Frame1->title(), "せん断力の照査位置");
    for (QRadioButton* o : Shear()->Rows->Options) EXPECT_TRUE(o->text().isEmpty());
    EXPECT_EQ(Moment()->FocusSink, nullptr);
    EXPECT_EQ(Shear()->Text2->objectName(), "Text2");
    // The "最大" marks: white on RGB(192, 0, 192).
    for (QLabel* panel :
         {Moment()->SSPanel1, Moment()->SSPanel2, Shear()->SSPanel1, Shear()->SSPanel2}) {
        EXPECT_EQ(panel->text(), "最大");
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(192, 0, 192));
        EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    EXPECT_EQ(Shear()->Rows->Figure->palette().color(QPalette::Window), QColor(238, 247, 255));
}

TEST_F(YokoMomentTest, ActivationComputesOnceByTheForceFlag) {
    for (int t : {0, 1, 2}) {
        SCOPED_TRACE(t);
        type = t;
        Open(type);
        Design.Mmax[1][0] = " 7.77";
        Design.Smax[1][0] = "8.88";

        // Flag lowered: the stored values are shown.
        Show(MomentStep(type));
        EXPECT_EQ(Text(Moment()->Label12), "    7.77");
        EXPECT_EQ(RecalcResult, 0);

        Show(ShearStep(type));
        RecalcForce = 1;
        Show(MomentStep(type));
        NEyokomoment* m = Moment();
        EXPECT_EQ(Text(m->Label13), "    9.48");
        EXPECT_EQ(Text(m->Label5), "    6.70");
        EXPECT_EQ(Text(m->Label10), "    3.35");
        EXPECT_EQ(Text(m->Label12), "    1.34");
        if (t == 0) SaveShotIfAsked(m->SubWindow(), "NEyokomoment");
        EXPECT_EQ(RecalcForce, 0);
        EXPECT_EQ(RecalcResult, 1);
        EXPECT_EQ(Design.Smax[1][0], "3.69");  // the shear is computed with the moment
        EXPECT_EQ(DataChanged, 0);

        // The shear step right after computes nothing.
        Design.Smax[1][0] = "8.88";
        RecalcResult = 0;
        Show(ShearStep(type));
        EXPECT_EQ(Text(Shear()->Label12), "    8.88");
        EXPECT_EQ(RecalcResult, 0);

        // Raised again, the shear step computes by itself.
        RecalcForce = 1;
        Show(MomentStep(type));
        RecalcForce = 1;
        RecalcResult = 0;
        Show(ShearStep(type));
        EXPECT_EQ(Text(Shear()->Label12), "    3.69");
        if (t == 0) SaveShotIfAsked(Shear()->SubWindow(), "NFyokosendan");
        EXPECT_EQ(RecalcForce, 0);
        EXPECT_EQ(RecalcResult, 1);
    }
}

struct PartCase {
    const char* name;
    void (*adjust)();
    bool computed;  // RecalcForce raised on activation (else the stored values stand)
    bool spanEnabled, overhangEnabled;
    int selected;     // -1 none
    int marked;       // -1 none
    const char* num;  // moment formula
    const char* den;
    const char* length;
    const char* value;
    const char* snum;  // shear formula
    const char* sden;
    const char* slength;
    const char* svalue;
};

TEST_F(YokoMomentTest, PartChoiceOnActivation) {
    const PartCase cases[] = {
        {"three spans, span governs", [] {}, true, true, true, 0, 0, " 1", "10", "(スパン長)",
         "    1.34", " 6", "10", "スパン長", "    3.69"},
        {"five spans use the row of four or more", [] { Design.SpanCountX = " 5"; }, true, true,
         true, 0, 0, " 1", " 9", "(スパン長)", "    1.49", "17", "28", "スパン長", "    3.73"},
        {"two spans", [] { Design.SpanCountX = " 2"; }, true, true, true, 0, 0, " 1", " 8",
         "(スパン長)", "    1.68", " 5", " 8", "スパン長", "    3.85"},
        {"larger overhang", [] { Design.OverhangLeft = " 1.500"; }, true, true, true, 1, 1, " 1",
         " 2", "(張出し長)", "    3.77", " 1", " 1", "張出し長", "    4.69"},
        {"no overhang", [] { Design.OverhangLeft = Design.OverhangRight = " 0.000"; }, true, true,
         false, 0, 0, " 1", "10", "(スパン長)", "    1.34", " 6", "10", "スパン長", "    3.69"},
        {"no frame width", [] { Design.TotalLengthX = " 0.000"; }, true, false, false, -1, -1, "",
         "", "", "", "", "", "", ""},
        {"equal magnitudes mark the span",
         [] {
             Design.Mmax[1][0] = " 0.50";
             Design.Mmax[1][1] = " -0.50";
             Design.Smax[1][0] = "-2.00";
             Design.Smax[1][1] = "2.00";
         },
         false, true, true, 0, 0, " 1", "10", "(スパン長)", "    0.50", " 6", "10", "スパン長",
         " -2.00"},
        {"no span value",
         [] {
             Design.Mmax[1][0] = Design.Smax[1][0] = "";
             Design.Mmax[1][1] = " 0.42";
             Design.Smax[1][1] = "1.34";
         },
         false, false, true, 1, 1, " 1", " 2", "(張出し長)", "    0.42", " 1", " 1", "張出し長",
         "    1.34"},
    };
    for (const PartCase& c : cases) {
        SCOPED_TRACE(c.name);
        Open(type, c.adjust);
        RecalcForce = c.computed ? 1 : 0;
        Show(MomentStep(type));
        NEyokomoment* m = Moment();
        EXPECT_EQ(m->SSOption1->isEnabled(), c.spanEnabled);
        EXPECT_EQ(m->SSOption2->isEnabled(), c.overhangEnabled);
        EXPECT_EQ(m->Parts->Selected(), c.selected);
        EXPECT_EQ(Marked(m->SSPanel1, m->SSPanel2), c.marked);
        EXPECT_EQ(Text(m->Label9), c.num);
        EXPECT_EQ(Text(m->Label8), c.den);
        EXPECT_EQ(Text(m->Label12), c.value);
        if (c.selected >= 0) {
            EXPECT_EQ(Text(m->Label24), c.length);
        }

        Show(ShearStep(type));
        NFyokosendan* s = Shear();
        EXPECT_EQ(s->SSOption1->isEnabled(), c.spanEnabled);
        EXPECT_EQ(s->SSOption2->isEnabled(), c.overhangEnabled);
        EXPECT_EQ(s->Parts->Selected(), c.selected);
        EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), c.marked);
        EXPECT_EQ(Text(s->Label6), c.snum);
        EXPECT_EQ(Text(s->Label5), c.sden);
        EXPECT_EQ(Text(s->Label12), c.svalue);
        if (c.selected >= 0) {
            EXPECT_EQ(Text(s->Label21), c.slength);
            EXPECT_EQ(s->ShownPart(), c.selected);
        }
    }
}

TEST_F(YokoMomentTest, TheOtherPartCanBeShownWhileTheMarkStays) {
    OpenComputed([] { Design.OverhangLeft = " 1.500"; });
    NEyokomoment* m = Moment();
    m->SSOption1->click();
    EXPECT_EQ(Text(m->Label24), "(スパン長)");
    EXPECT_EQ(Text(m->Label9), " 1");
    EXPECT_EQ(Text(m->Label8), "10");
    EXPECT_EQ(Text(m->Label12), "    1.34");
    EXPECT_EQ(Marked(m->SSPanel1, m->SSPanel2), 1);

    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    s->SSOption1->click();
    EXPECT_EQ(s->ShownPart(), 0);
    EXPECT_EQ(Text(s->Label21), "スパン長");
    EXPECT_EQ(Text(s->Label6), " 6");
    EXPECT_EQ(Text(s->Label5), "10");
    EXPECT_EQ(Text(s->Label12), "    3.69");
    EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), 1);
    s->SSOption2->click();
    EXPECT_EQ(s->ShownPart(), 1);
    EXPECT_EQ(Text(s->Label12), "    4.69");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcResult, 0);
}

// ---- Check position ----

// Position m in force: its option selected, the x box enabled only for the
// entered x, the mark of m shown and the other two masked in the
// drawing's colour.
void ExpectPosition(NFyokosendan* s, int m) {
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "position " << m << ", option " << i);
        EXPECT_EQ(s->Rows->Options[i]->isChecked(), i == m);
        EXPECT_EQ(ShearPositionRows::MaskOpaque(s->Rows->Masks[i]), i != m);
        EXPECT_EQ(s->Rows->Masks[i]->palette().color(QPalette::Window), QColor(238, 247, 255));
    }
    EXPECT_EQ(s->Text1->isEnabled(), m == 0);
    EXPECT_EQ(s->Text1->palette().color(QPalette::Base) == QColor(Qt::white), m == 0);
}

TEST_F(YokoMomentTest, LoadSelectsTheStoredPosition) {
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        Open(type, [mode] {
            Design.ShearXMode[2] = static_cast<std::int16_t>(mode);
            Design.ShearXInput[2] = "1.25";
        });
        NFyokosendan* s = Shear();
        ExpectPosition(s, mode);
        EXPECT_EQ(Text(s->Text1), " 1.250");
        EXPECT_EQ(Design.ShearXMode[2], mode);
        EXPECT_EQ(DataChanged, 0);
    }
}

struct PositionCase {
    int mode;
    bool changed;
    const char* smax;  // Label12, the span part shown
    const char* x;     // YokoShearX
};

TEST_F(YokoMomentTest, ChoosingTheCheckPosition) {
    const PositionCase cases[] = {
        {1, false, "    3.69", "0.100"},  // the position already in force
        {2, true, "    3.35", "0.200"},
        {0, true, " -1.01", "1.500"},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.mode);
        OpenComputed([] { Design.ShearXInput[2] = " 1.500"; });
        Show(ShearStep(type));
        NFyokosendan* s = Shear();
        ASSERT_EQ(s->ShownPart(), 0);
        Design.YokoSmax[2] = "stale";
        s->Rows->Options[c.mode]->click();
        ExpectPosition(s, c.mode);
        EXPECT_EQ(Design.ShearXMode[2], c.mode);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcResult, c.changed ? 1 : 0);
        EXPECT_EQ(Design.YokoSmax[2] == "stale", !c.changed);
        EXPECT_EQ(Text(s->Label12), c.smax);
        EXPECT_EQ(Design.YokoShearX[2], c.x);
        EXPECT_EQ(RecalcForce, 0);
        if (c.mode == 2) SaveShotIfAsked(s->SubWindow(), "NFyokosendan_b2h2");
    }
}

TEST_F(YokoMomentTest, AnotherPositionKeepsTheEnteredX) {
    OpenComputed([] {
        Design.ShearXMode[2] = 0;
        Design.ShearXInput[2] = " 1.500";
    });
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    // x = 1.5 makes the overhang govern.
    EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), 1);
    s->Rows->Options[1]->click();
    EXPECT_FALSE(s->Text1->isEnabled());
    EXPECT_EQ(Text(s->Text1), " 1.500");
    // b/2 moves the mark to the span; the overhang stays shown.
    EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), 0);
    EXPECT_EQ(s->ShownPart(), 1);
    EXPECT_EQ(Text(s->Label12), "    1.34");
    s->Rows->Options[0]->click();
    EXPECT_TRUE(s->Text1->isEnabled());
    EXPECT_EQ(Design.ShearXInput[2], " 1.500");
    EXPECT_EQ(Design.Smax[1][1], "-3.35");
    EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), 1);
}

TEST_F(YokoMomentTest, ClicksOnTheRowsSelectTheirPosition) {
    OpenComputed([] { Design.ShearXMode[2] = 0; });
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    struct Click {
        QWidget* label;
        int mode;
        bool focus;  // the option takes the focus
    };
    std::vector<Click> clicks = {{s->Rows->RowAreas[1], 1, true}, {s->Rows->RowAreas[0], 0, true},
                                 {s->Rows->RowAreas[2], 2, true}, {s->Rows->Masks[0], 0, false},
                                 {s->Rows->Masks[1], 1, false},   {s->Rows->Masks[2], 2, false}};
    for (QLabel* l : s->Rows->Label19)
        clicks.push_back({l, 1, false}), clicks.push_back({s->Rows->Masks[0], 0, false});
    for (QLabel* l : s->Rows->Label16)
        clicks.push_back({l, 2, false}), clicks.push_back({s->Rows->Masks[0], 0, false});
    for (const Click& c : clicks) {
        SCOPED_TRACE(c.label->objectName().toStdString());
        FocusTo(s->cmdIndicate);
        QTest::mouseClick(c.label, Qt::LeftButton, {}, c.label->rect().center());
        PumpEvents();
        ExpectPosition(s, c.mode);
        EXPECT_EQ(Design.ShearXMode[2], c.mode);
        EXPECT_EQ(QApplication::focusWidget(),
                  c.focus ? static_cast<QWidget*>(s->Rows->Options[c.mode]) : s->cmdIndicate);
    }
    // Every text of rows 2 and 3 is one of the click areas.
    QStringList row2, row3;
    for (QLabel* l : s->Rows->Label19) row2 << l->text();
    for (QLabel* l : s->Rows->Label16) row3 << l->text();
    EXPECT_EQ(row2.join('|'), " 支点より|x =|b|2|離れた位置");
    EXPECT_EQ(row3.join('|'), " 支点より|x =|b|2|+|h|2|離れた位置");
}

TEST_F(YokoMomentTest, ARowsClickAreaChoosesThePositionBeforeItsOptionTakesTheFocus) {
    OpenComputed([] { Design.ShearXMode[2] = 0; });
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    FocusTo(s->cmdIndicate);
    int modeAtFocus = -1;
    FocusInWatch watch(s->Rows->Options[2], [&] { modeAtFocus = Design.ShearXMode[2]; });
    QTest::mouseClick(s->Rows->RowAreas[2], Qt::LeftButton, {},
                      s->Rows->RowAreas[2]->rect().center());
    PumpEvents();
    EXPECT_EQ(modeAtFocus, 2);
    EXPECT_EQ(QApplication::focusWidget(), s->Rows->Options[2]);
}

TEST_F(YokoMomentTest, ClickingThePositionInForceAgainDoesNothing) {
    OpenComputed();
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    ASSERT_EQ(Marked(s->SSPanel1, s->SSPanel2), 0);
    // A larger overhang appears without an activation: clicking the chosen
    // option again does not look at it, unlike choosing a position.
    Design.Smax[1] = {" 1.00", " 5.00"};
    QTest::mouseClick(s->Rows->Options[1], Qt::LeftButton);
    EXPECT_TRUE(s->Rows->Options[1]->isChecked());
    EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), 0);
    EXPECT_EQ(Design.Smax[1][0], " 1.00");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcResult, 0);
    QTest::mouseClick(s->Rows->Options[2], Qt::LeftButton);
    QTest::mouseClick(s->Rows->Options[1], Qt::LeftButton);
    EXPECT_EQ(Design.ShearXMode[2], 1);
    EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), 0);
}

TEST_F(YokoMomentTest, FocusFramesFollowTheOptions) {
    Open(type);
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    for (int m = 0; m < 3; ++m) {
        FocusTo(s->Rows->Options[m]);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(s->Rows->FocusFrames[i]->isHidden(), i != m) << m << i;
    }
    FocusTo(s->cmdIndicate);
    for (QFrame* shape : s->Rows->FocusFrames) EXPECT_TRUE(shape->isHidden());
}

struct XCase {
    const char* typed;
    const char* message;  // nullptr: accepted
    const char* box;
    const char* stored;
    bool changed;
    const char* shown;  // Label12: the overhang part stays shown
    int marked;
};

TEST_F(YokoMomentTest, XEntry) {
    // Stored x 1.500 makes the overhang govern: it is selected and shown.
    const XCase cases[] = {
        {"0", nullptr, " 0.000", " 0.000", true, "    1.68", 0},
        {"9.999", nullptr, " 9.999", " 9.999", true, " -31.82", 1},
        {"０．２５", nullptr, " 0.250", " 0.250", true, "    0.84", 0},
        {"", nullptr, "", "", true, "    1.68", 0},
        {"1.5", nullptr, " 1.500", " 1.500", false, " -3.35", 1},
        {"10", kRangeX, " 1.500", " 1.500", false, " -3.35", 1},
        {"-0.001", kRangeX, " 1.500", " 1.500", false, " -3.35", 1},
        {"0.0005", kDecimals3, " 1.500", " 1.500", false, " -3.35", 1},
    };
    for (const XCase& c : cases) {
        SCOPED_TRACE(c.typed);
        OpenComputed([] {
            Design.ShearXMode[2] = 0;
            Design.ShearXInput[2] = " 1.500";
        });
        Show(ShearStep(type));
        NFyokosendan* s = Shear();
        ASSERT_EQ(s->ShownPart(), 1);
        LowerFlags();
        Type(s->Text1, QString::fromUtf8(c.typed));
        if (c.message) messages.Expect(c.message);
        FocusTo(s->cmdIndicate);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Text(s->Text1), c.box);
        EXPECT_EQ(Design.ShearXInput[2], c.stored);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcResult, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcForce, 0);
        EXPECT_EQ(Text(s->Label12), c.shown);
        EXPECT_EQ(s->ShownPart(), 1);
        EXPECT_EQ(s->Parts->Selected(), 1);
        EXPECT_EQ(Marked(s->SSPanel1, s->SSPanel2), c.marked);
        // A refused x does not take the focus back.
        EXPECT_EQ(QApplication::focusWidget(), s->cmdIndicate);
    }
}

TEST_F(YokoMomentTest, TypingAnXChoosesTheEnteredPosition) {
    OpenComputed([] { Design.ShearXMode[2] = 0; });
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    FocusTo(s->cmdIndicate);
    s->Text1->setText("  0.5");
    FocusTo(s->Text1);
    EXPECT_TRUE(s->Rows->Options[0]->isChecked());
    EXPECT_EQ(s->Text1->selectedText(), "0.5");
}

struct BeginCase {
    bool shear;         // NFyokosendan, else NEyokomoment
    const char* typed;  // into the x box, nullptr: nothing typed
    const char* message;
    bool started;
    const char* stored;
};

TEST_F(YokoMomentTest, StartScreenButton) {
    const BeginCase cases[] = {
        {false, nullptr, nullptr, true, "0.000"},
        {true, "2.5", nullptr, true, " 2.500"},
        {true, "10", kRangeX, false, "0.000"},
        {true, nullptr, nullptr, true, "0.000"},
    };
    for (const BeginCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shear << " " << (c.typed ? c.typed : "-"));
        Open(type, [] { Design.ShearXMode[2] = 0; });
        const int step = c.shear ? ShearStep(type) : MomentStep(type);
        Show(step);
        if (c.typed) Type(Shear()->Text1, c.typed);
        if (c.message) messages.Expect(c.message);
        M().Step(step)->cmdBegin->click();
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(host->selectShown, c.started ? 1 : 0);
        EXPECT_EQ(M().ChainOpen(), !c.started);
        EXPECT_EQ(Design.ShearXInput[2], c.stored);
        EXPECT_EQ(ClickPending, 0);
        host->selectShown = 0;
        if (M().ChainOpen()) M().CloseSteps();
        PumpEvents();
    }
}

TEST_F(YokoMomentTest, TabbingOntoTheSinkGoesRoundToTheFirstChoice) {
    Open(type);
    Show(ShearStep(type));
    NFyokosendan* s = Shear();
    FocusTo(s->cmdResult);
    s->Text2->setFocus(Qt::TabFocusReason);
    PumpEvents();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    // The position chosen holds the choice's stop.
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Option3D2");
    EXPECT_EQ(host->selectShown, 0);
}

}  // namespace
}  // namespace talvo::test
