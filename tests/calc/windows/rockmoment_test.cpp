// The anchored frame's force steps: the moment and the shear of both beam
// directions with their coefficient formulas and "最大" marks, the
// recalculation on activation, the shear check position with its figure and
// the x entry, and the start-screen button.
#include <gtest/gtest.h>

#include <QFrame>
#include <QPoint>
#include <algorithm>
#include <utility>
#include <vector>

#include "calc/windows/NKrockmoment.h"
#include "calc/windows/NLrocksendan.h"
#include "calc/windows/force_step_fixture.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

constexpr int kMoment = 10;  // positions in the full chains of types 3 and 4
constexpr int kShear = 11;

const char* const kRangeX = "値が有効範囲にありません。\r有効範囲（0.000～9.999）";
const char* const kDecimals3 =
    "入力値が有効精度を超えています。\r有効精度内（小数第3位）に変更してください。";

std::string Text(const QLabel* l) {
    return l->text().toStdString();
}
std::string Text(const QLineEdit* t) {
    return t->text().toStdString();
}

// Which "最大" mark shows: 0 span, 1 overhang, -1 none, 2 both.
int Marked(const RockForceBlock* b) {
    const bool span = !b->SpanMark->isHidden();
    const bool over = !b->OverhangMark->isHidden();
    if (span && over) return 2;
    if (span) return 0;
    if (over) return 1;
    return -1;
}

// What a block shows: selected part, enabled options, mark, formula texts.
struct Shown {
    int selected;
    bool spanEnabled;
    bool overhangEnabled;
    int marked;
    const char* num;
    const char* den;
    const char* length;
    const char* value;
};

void ExpectShown(const RockForceBlock* b, const Shown& s) {
    EXPECT_EQ(b->Parts->Selected(), s.selected);
    EXPECT_EQ(b->SpanOption->isEnabled(), s.spanEnabled);
    EXPECT_EQ(b->OverhangOption->isEnabled(), s.overhangEnabled);
    EXPECT_EQ(Marked(b), s.marked);
    EXPECT_EQ(Text(b->Numerator), s.num);
    EXPECT_EQ(Text(b->Denominator), s.den);
    EXPECT_EQ(Text(b->Length), s.length);
    EXPECT_EQ(Text(b->Value), s.value);
}

// The formula line of a block as it reads on the screen: the texts of its
// visible labels left to right (a numerator before its denominator), the
// "最大" marks left out; "|" stands for a visible fraction bar.
std::string FormulaLine(const RockForceBlock* b) {
    std::vector<std::pair<QPoint, QString>> parts;
    for (QFrame* w : b->Frame->findChildren<QFrame*>()) {
        if (!w->isVisibleTo(b->Frame) || w == b->SpanMark || w == b->OverhangMark) continue;
        auto* label = qobject_cast<QLabel*>(w);
        const QString text = label ? label->text().trimmed() : QStringLiteral("|");
        if (!text.isEmpty()) parts.emplace_back(w->pos(), text);
    }
    std::sort(parts.begin(), parts.end(), [](const auto& a, const auto& b) {
        return a.first.x() != b.first.x() ? a.first.x() < b.first.x() : a.first.y() < b.first.y();
    });
    QStringList texts;
    for (const auto& p : parts) texts << p.second;
    return texts.join(' ').toStdString();
}

class RockForceTest : public ForceStepTest {
protected:
    int type = 3;
    NKrockmoment* Moment() { return Step<NKrockmoment>(kMoment); }
    NLrocksendan* Shear() { return Step<NLrocksendan>(kShear); }
    // The filled design with its forces computed on the first activation of
    // the moment step, the flags lowered again.
    template <class Adjust>
    void OpenComputed(Adjust adjust) {
        Open(type, adjust);
        RecalcLoad = 1;
        Show(kMoment);
        LowerFlags();
    }
    void OpenComputed() {
        OpenComputed([] {});
    }
};

TEST_F(RockForceTest, StaticTextsOfBothWindows) {
    Open(type);
    auto texts = [](QWidget* w) {
        QStringList t;
        for (QLabel* l : w->findChildren<QLabel*>())
            if (!l->text().isEmpty()) t << l->text();
        for (QRadioButton* r : w->findChildren<QRadioButton*>())
            if (!r->text().isEmpty()) t << r->text();
        for (QGroupBox* g : w->findChildren<QGroupBox*>())
            if (!g->title().isEmpty()) t << g->title();
        return t;
    };
    NKrockmoment* m = Moment();
    NLrocksendan* s = Shear();
    EXPECT_EQ(Text(m->Label5), "最大曲げモーメントMmax(kN･m)の算出式");
    EXPECT_EQ(Text(s->Label2), "最大せん断力Ｓmax(kN)の算出式");
    const QStringList moment = texts(m);
    for (const char* t :
         {"縦枠", "横枠", "スパン部", "張出し部", "最大", "Ｍmax =", "・w・", "2", "=", "(kN･m)"})
        EXPECT_TRUE(moment.contains(QString::fromUtf8(t))) << t;
    const QStringList shear = texts(s);
    for (const char* t : {"縦枠", "横枠", "スパン部", "張出し部", "最大", "Ｓmax =", "・w・",
                          "- w・x ", "=", "(kN)", " 支点からの照査位置", "x =", "(m)", " 支点より",
                          "b", "2", "+", "h", "離れた位置"})
        EXPECT_TRUE(shear.contains(QString::fromUtf8(t))) << t;
    // The controls carry their names in the window.
    for (StepForm* w : {static_cast<StepForm*>(m), static_cast<StepForm*>(s)})
        for (const char* name : {"SSOption1", "SSOption2", "SSOption3", "SSOption4", "SSPanel1",
                                 "SSPanel2", "SSPanel5", "SSPanel6"})
            EXPECT_NE(w->findChild<QWidget*>(name), nullptr) << name;
    EXPECT_EQ(m->Tate->Value->objectName(), "Label3");
    EXPECT_EQ(m->Yoko->Value->objectName(), "Label4");
    EXPECT_EQ(m->Tate->Length->objectName(), "Label24");
    EXPECT_EQ(m->Yoko->Numerator->objectName(), "Label9");
    EXPECT_EQ(s->Tate->Value->objectName(), "Label6");
    EXPECT_EQ(s->Yoko->Value->objectName(), "Label7");
    EXPECT_EQ(s->Tate->Length->objectName(), "Label34");
    EXPECT_EQ(s->Yoko->Length->objectName(), "Label38");
    EXPECT_EQ(s->Yoko->Denominator->objectName(), "Label15");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(s->Rows->Masks[i]->objectName(), QString("Label%1").arg(26 + i));
        EXPECT_EQ(s->Rows->FocusFrames[i]->objectName(), QString("Shape%1").arg(12 + i));
        EXPECT_EQ(s->Rows->FocusFrames[i]->palette().color(QPalette::WindowText),
                  QColor(128, 128, 128));
    }
    EXPECT_EQ(s->Rows->RowAreas[0]->objectName(), "Label8");
    EXPECT_EQ(s->Rows->RowAreas[1]->objectName(), "Label20");
    EXPECT_EQ(s->Rows->RowAreas[2]->objectName(), "Label21");
    EXPECT_EQ(m->FocusSink, m->Text1);
    EXPECT_EQ(m->Text1->objectName(), "Text1");
    EXPECT_EQ(s->FocusSink, s->Text2);
    EXPECT_EQ(s->Text2->objectName(), "Text2");
    for (RockForceBlock* b : {m->Tate, m->Yoko, s->Tate, s->Yoko})
        for (QLabel* panel : {b->SpanMark, b->OverhangMark}) {
            EXPECT_EQ(panel->text(), "最大");
            EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(192, 0, 192));
            EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
    EXPECT_EQ(s->Rows->Figure->palette().color(QPalette::Window), QColor(238, 247, 255));
}

struct WorkedCase {
    int type;
    std::array<const char*, 4> moment;  // vertical span, overhang; horizontal span, overhang
    std::array<const char*, 4> shear;
};

TEST_F(RockForceTest, WorkedDesignShowsThePartsAndTheirFormulas) {
    // 5 × 4 anchors at 2.000 m: the vertical span takes the row of four or
    // more spans, the horizontal one the row of three.
    const WorkedCase cases[] = {
        {3,
         {"    3.76", "    1.06", "    3.38", "    1.06"},
         {"    9.43", "    3.38", "    9.31", "    3.38"}},
        {4,
         {"    3.75", "    1.05", "    3.37", "    1.05"},
         {"    9.39", "    3.37", "    9.27", "    3.37"}},
    };
    for (const WorkedCase& c : cases) {
        SCOPED_TRACE(c.type);
        type = c.type;
        OpenComputed();
        NKrockmoment* m = Moment();
        ExpectShown(m->Tate, {0, true, true, 0, " 1", " 9", "(縦ピッチ)", c.moment[0]});
        ExpectShown(m->Yoko, {0, true, true, 0, " 1", "10", "(横ピッチ)", c.moment[2]});
        if (c.type == 3) SaveShotIfAsked(m->SubWindow(), "NKrockmoment");
        // The overhang shows the first row of the table; the mark stays.
        QTest::mouseClick(m->Tate->OverhangOption, Qt::LeftButton);
        ExpectShown(m->Tate, {1, true, true, 0, " 1", " 2", "(張出し長)", c.moment[1]});
        QTest::mouseClick(m->Yoko->OverhangOption, Qt::LeftButton);
        ExpectShown(m->Yoko, {1, true, true, 0, " 1", " 2", "(張出し長)", c.moment[3]});
        QTest::mouseClick(m->Yoko->SpanOption, Qt::LeftButton);
        ExpectShown(m->Yoko, {0, true, true, 0, " 1", "10", "(横ピッチ)", c.moment[2]});

        Show(kShear);
        NLrocksendan* s = Shear();
        ExpectShown(s->Tate, {0, true, true, 0, "17", "28", "縦ピッチ", c.shear[0]});
        ExpectShown(s->Yoko, {0, true, true, 0, " 6", "10", "横ピッチ", c.shear[2]});
        QTest::mouseClick(s->Tate->OverhangOption, Qt::LeftButton);
        ExpectShown(s->Tate, {1, true, true, 0, " 1", " 1", "張出し長", c.shear[1]});
        EXPECT_EQ(s->SelectedPart(0), 1);
        EXPECT_EQ(s->SelectedPart(1), 0);
        QTest::mouseClick(s->Yoko->OverhangOption, Qt::LeftButton);
        ExpectShown(s->Yoko, {1, true, true, 0, " 1", " 1", "張出し長", c.shear[3]});
        EXPECT_EQ(s->SelectedPart(1), 1);
        if (c.type == 3) SaveShotIfAsked(s->SubWindow(), "NLrocksendan");
        EXPECT_EQ(DataChanged, 0);
        EXPECT_EQ(RecalcResult, 0);
    }
}

TEST_F(RockForceTest, AFormulaWithNothingToShowShowsNoFragment) {
    // The worked design first shows its span formulas; without a design load
    // (no Pr) nothing is computed, and the next activation leaves only the
    // value's name, its empty box and its unit, no "・w・²" of an old length.
    OpenComputed();
    NKrockmoment* m = Moment();
    EXPECT_EQ(FormulaLine(m->Tate), "Ｍmax = 1 | 9 ・w・ (縦ピッチ) 2 = 3.76 (kN･m)");
    Show(kShear);
    NLrocksendan* s = Shear();
    EXPECT_EQ(FormulaLine(s->Yoko), "Ｓmax = 6 | 10 ・w・ 横ピッチ - w・x = 9.31 (kN)");

    Design.Pr = "";
    RecalcLoad = 1;
    Show(kMoment);
    ASSERT_EQ(Design.Mmax[0][0], "");
    for (RockForceBlock* b : {m->Tate, m->Yoko}) {
        EXPECT_EQ(FormulaLine(b), "Ｍmax = (kN･m)");
        EXPECT_FALSE(b->FormulaShown());
    }
    Show(kShear);
    for (RockForceBlock* b : {s->Tate, s->Yoko}) EXPECT_EQ(FormulaLine(b), "Ｓmax = (kN)");
    // A new check position recomputes, but there is still no formula to finish.
    QTest::mouseClick(s->Rows->Options[2], Qt::LeftButton);
    EXPECT_EQ(FormulaLine(s->Tate), "Ｓmax = (kN)");

    // With a load again the formulas come back whole.
    Design.Pr = "  50.0";
    RecalcLoad = 1;
    Show(kMoment);
    EXPECT_EQ(FormulaLine(m->Yoko), "Ｍmax = 1 | 10 ・w・ (横ピッチ) 2 = 3.38 (kN･m)");
}

TEST_F(RockForceTest, ADirectionWithNothingComputedShowsNoFormula) {
    // A window not yet activated shows no formula. Then a single anchor
    // down the slope without anchor overhangs: nothing to compute
    // vertically, so the vertical blocks of both windows show no formula and
    // the horizontal ones theirs.
    Open(type);
    for (RockForceBlock* b : {Moment()->Tate, Moment()->Yoko})
        EXPECT_EQ(FormulaLine(b), "Ｍmax = (kN･m)");
    Design.AnchorCountY = " 1";
    Design.AnchorOverhangUpper = Design.AnchorOverhangLower = " 0.000";
    RecalcLoad = 1;
    Show(kMoment);
    Show(kShear);
    EXPECT_EQ(FormulaLine(Moment()->Tate), "Ｍmax = (kN･m)");
    EXPECT_EQ(FormulaLine(Shear()->Tate), "Ｓmax = (kN)");
    // The one anchor shares all 9.000 m: q = 29.6/(9.0 + 1.7) = 2.77,
    // M = 2.77·4/10 = 1.11, S = 0.6·2.77·2 − 2.77·0.1 = 3.05.
    EXPECT_EQ(FormulaLine(Moment()->Yoko), "Ｍmax = 1 | 10 ・w・ (横ピッチ) 2 = 1.11 (kN･m)");
    EXPECT_EQ(FormulaLine(Shear()->Yoko), "Ｓmax = 6 | 10 ・w・ 横ピッチ - w・x = 3.05 (kN)");
}

TEST_F(RockForceTest, AnchorCountChoosesTheCoefficientRow) {
    // count − 1 spans; above four anchors the row of four or more spans.
    const std::pair<const char*, std::array<const char*, 4>> cases[] = {
        {" 7", {" 1", " 9", "17", "28"}}, {" 5", {" 1", " 9", "17", "28"}},
        {" 4", {" 1", "10", " 6", "10"}}, {" 3", {" 1", " 8", " 5", " 8"}},
        {" 2", {" 1", " 8", " 1", " 2"}},
    };
    for (const auto& [count, rows] : cases) {
        SCOPED_TRACE(count);
        OpenComputed();
        Design.AnchorCountY = count;
        Design.Mmax[0] = {" 1.00", " 0.50"};
        Design.Smax[0] = {" 1.00", " 0.50"};
        Show(kShear);
        Show(kMoment);
        EXPECT_EQ(Text(Moment()->Tate->Numerator), rows[0]);
        EXPECT_EQ(Text(Moment()->Tate->Denominator), rows[1]);
        Show(kShear);
        EXPECT_EQ(Text(Shear()->Tate->Numerator), rows[2]);
        EXPECT_EQ(Text(Shear()->Tate->Denominator), rows[3]);
    }
}

TEST_F(RockForceTest, ActivationRecalculatesOnceByTheLoadFlag) {
    Open(type);
    Design.Mmax[0][0] = " 7.77";
    Design.Smax[0][0] = " 8.88";
    // Flags lowered (the force flag does not count here): the stored values.
    RecalcForce = 1;
    RecalcAnchorBar = 1;
    Show(kMoment);
    EXPECT_EQ(Text(Moment()->Tate->Value), "    7.77");
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(RecalcForce, 1);
    Show(kShear);
    EXPECT_EQ(Text(Shear()->Tate->Value), "    8.88");
    EXPECT_EQ(RecalcResult, 0);

    // The load flag: the first of the two windows recalculates and lowers it.
    RecalcLoad = 1;
    Show(kMoment);
    EXPECT_EQ(Text(Moment()->Tate->Value), "    3.76");
    EXPECT_EQ(Design.Smax[0][0], " 9.43");
    EXPECT_EQ(RecalcLoad, 0);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(DataChanged, 0);
    // The second one computes nothing.
    Design.Smax[0][0] = " 8.88";
    RecalcResult = 0;
    Show(kShear);
    EXPECT_EQ(Text(Shear()->Tate->Value), "    8.88");
    EXPECT_EQ(RecalcResult, 0);

    // And the other way round.
    Show(kMoment);
    RecalcLoad = 1;
    Show(kShear);
    EXPECT_EQ(Text(Shear()->Tate->Value), "    9.43");
    EXPECT_EQ(RecalcLoad, 0);
    EXPECT_EQ(RecalcResult, 1);
    Design.Mmax[0][0] = " 7.77";
    RecalcResult = 0;
    Show(kMoment);
    EXPECT_EQ(Text(Moment()->Tate->Value), "    7.77");
    EXPECT_EQ(RecalcResult, 0);
}

struct RuleCase {
    const char* name;
    const char* span;      // stored value of the span part
    const char* overhang;  // and of the overhang part
    bool anchors;          // false: no anchor and no anchor overhang
    // Expected selection and mark in the moment window (both directions),
    // the shear window's vertical and its horizontal direction.
    int momentSelected, momentMark;
    int shearYokoSelected, shearYokoMark;
};

TEST_F(RockForceTest, MaximumRuleOfEachDirection) {
    // Before each case the overhang of every direction is marked, so that a
    // case without a selection shows the marks it left alone.
    const RuleCase cases[] = {
        {"overhang larger", " 1.00", " 2.00", true, 1, 1, 1, 1},
        {"span larger", " 2.00", " 1.00", true, 0, 0, 0, 0},
        {"tie goes to the span", "-3.20", " 3.20", true, 0, 0, 0, 0},
        {"larger overhang not computed", " 1.00", "-2.00", true, 1, 1, 1, 1},
        {"span empty, overhang zero", "", " 0.00", true, -1, 1, 1, 1},
        {"span empty, overhang larger", "", " 0.50", true, 1, 1, 1, 1},
        {"nothing computed", "", "", true, -1, 1, -1, 1},
        {"no anchors", " 1.00", " 2.00", false, -1, -1, -1, -1},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        OpenComputed();
        Design.Mmax = {{{" 1.00", " 2.00"}, {" 1.00", " 2.00"}}};
        Design.Smax = Design.Mmax;
        Show(kShear);
        Show(kMoment);
        for (auto* values : {&Design.Mmax, &Design.Smax})
            for (auto& d : *values) d = {c.span, c.overhang};
        if (!c.anchors) {
            Design.AnchorCountY = Design.AnchorCountX = " 0";
            Design.AnchorOverhangUpper = Design.AnchorOverhangLower = "0.000";
            Design.AnchorOverhangLeft = Design.AnchorOverhangRight = "";
        }
        Show(kShear);
        Show(kMoment);
        const bool spanOn = *c.span != 0 && c.anchors;
        const bool overOn = *c.overhang != 0 && c.anchors;
        for (RockForceBlock* b : {Moment()->Tate, Moment()->Yoko}) {
            EXPECT_EQ(b->Parts->Selected(), c.momentSelected);
            EXPECT_EQ(Marked(b), c.momentMark);
            EXPECT_EQ(b->SpanOption->isEnabled(), spanOn);
            EXPECT_EQ(b->OverhangOption->isEnabled(), overOn);
            if (c.momentSelected < 0) {
                EXPECT_EQ(Text(b->Value), "");
                EXPECT_EQ(Text(b->Numerator), "");
            }
        }
        Show(kShear);
        NLrocksendan* s = Shear();
        EXPECT_EQ(s->Tate->Parts->Selected(), c.momentSelected);
        EXPECT_EQ(Marked(s->Tate), c.momentMark);
        EXPECT_EQ(s->Yoko->Parts->Selected(), c.shearYokoSelected);
        EXPECT_EQ(Marked(s->Yoko), c.shearYokoMark);
        if (c.shearYokoSelected == 1) {
            EXPECT_EQ(Text(s->Yoko->Length), "張出し長");
        }
        EXPECT_EQ(RecalcResult, 0);
    }
}

struct PositionCase {
    int mode;
    bool changed;
    const char* tateSpan;  // the vertical span's Smax shown afterwards
};

TEST_F(RockForceTest, ChoosingTheCheckPosition) {
    // The filled design checks at b/2 (mode 1).
    const PositionCase cases[] = {
        {0, true, "   10.27"},
        {1, false, "    9.43"},
        {2, true, "    8.58"},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.mode);
        OpenComputed();
        Show(kShear);
        NLrocksendan* s = Shear();
        LowerFlags();
        QTest::mouseClick(s->Rows->Options[c.mode], Qt::LeftButton);
        EXPECT_EQ(Design.ShearXMode[3], c.mode);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcResult, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_EQ(Text(s->Tate->Value), c.tateSpan);
        EXPECT_EQ(s->Tate->Value->text(), NumText(Design.Smax[0][0], 5, 2));
        EXPECT_EQ(s->Text1->isEnabled(), c.mode == 0);
        EXPECT_EQ(s->Text1->palette().color(QPalette::Base) == QColor(Qt::white), c.mode == 0);
        EXPECT_EQ(Text(s->Text1), " 0.000");
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ShearPositionRows::MaskOpaque(s->Rows->Masks[i]), i != c.mode) << i;
            EXPECT_EQ(s->Rows->Masks[i]->palette().color(QPalette::Window), QColor(238, 247, 255))
                << i;
        }
    }
}

TEST_F(RockForceTest, ChoosingAgainMovesOnlyTheMarks) {
    OpenComputed();
    Show(kShear);
    NLrocksendan* s = Shear();
    LowerFlags();
    // A larger overhang appears without an activation: the chosen position
    // clicked again recomputes nothing, leaves options and labels, and moves
    // the mark.
    Design.Smax[0] = {" 1.00", " 5.00"};
    QTest::mouseClick(s->Rows->Options[1], Qt::LeftButton);
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(Design.Smax[0][0], " 1.00");
    EXPECT_EQ(s->Tate->Parts->Selected(), 0);
    EXPECT_EQ(Marked(s->Tate), 1);
    EXPECT_EQ(Text(s->Tate->Value), "    9.43");
    EXPECT_EQ(Marked(s->Yoko), 0);
}

TEST_F(RockForceTest, ARowsClickAreaGivesItsOptionTheFocusBeforeChoosingThePosition) {
    OpenComputed();
    Show(kShear);
    NLrocksendan* s = Shear();
    FocusTo(s->cmdIndicate);
    int modeAtFocus = -1;
    FocusInWatch watch(s->Rows->Options[2], [&] { modeAtFocus = Design.ShearXMode[3]; });
    QTest::mouseClick(s->Rows->RowAreas[2], Qt::LeftButton, {},
                      s->Rows->RowAreas[2]->rect().center());
    PumpEvents();
    // Still b/2 when the focus arrived.
    EXPECT_EQ(modeAtFocus, 1);
    EXPECT_EQ(Design.ShearXMode[3], 2);
    EXPECT_EQ(QApplication::focusWidget(), s->Rows->Options[2]);
}

TEST_F(RockForceTest, FirstPatchTakesTheFigureColourOnceAnotherPositionIsChosen) {
    OpenComputed([] { Design.ShearXMode[3] = 0; });
    Show(kShear);
    NLrocksendan* s = Shear();
    EXPECT_TRUE(s->Text1->isEnabled());
    EXPECT_FALSE(ShearPositionRows::MaskOpaque(s->Rows->Masks[0]));
    EXPECT_NE(s->Rows->Masks[0]->palette().color(QPalette::Window), QColor(238, 247, 255));
    // The patches and the row captions choose too; the click areas also give
    // their option the focus, and its row shows its grey frame.
    QTest::mouseClick(s->Rows->Masks[2], Qt::LeftButton);
    EXPECT_EQ(Design.ShearXMode[3], 2);
    EXPECT_TRUE(ShearPositionRows::MaskOpaque(s->Rows->Masks[0]));
    EXPECT_EQ(s->Rows->Masks[0]->palette().color(QPalette::Window), QColor(238, 247, 255));
    QTest::mouseClick(s->Rows->Label19.back(), Qt::LeftButton);
    EXPECT_EQ(Design.ShearXMode[3], 1);
    EXPECT_TRUE(s->Rows->FocusFrames[0]->isHidden());
    QTest::mouseClick(s->Rows->RowAreas[0], Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.ShearXMode[3], 0);
    EXPECT_EQ(QApplication::focusWidget(), s->Rows->Options[0]);
    EXPECT_FALSE(s->Rows->FocusFrames[0]->isHidden());
    EXPECT_TRUE(s->Rows->FocusFrames[1]->isHidden());
    FocusTo(s->Rows->Options[2]);
    EXPECT_TRUE(s->Rows->FocusFrames[0]->isHidden());
    EXPECT_FALSE(s->Rows->FocusFrames[2]->isHidden());
    // Only the work type's own choice is touched.
    EXPECT_EQ(Design.ShearXMode[4], 1);
}

struct XCase {
    const char* typed;
    const char* message;   // nullptr: accepted
    const char* shown;     // the box afterwards
    const char* stored;    // ShearXInput afterwards
    const char* tateSpan;  // the vertical span's Smax afterwards
};

TEST_F(RockForceTest, EnteredXIsCheckedAndRecomputesAtOnce) {
    // At x = 0 the vertical span of ground anchors carries 10.24; a refusal keeps the focus and
    // gets the stored x back, selected whole without its blank.
    const XCase cases[] = {
        {"0.15", nullptr, " 0.150", " 0.150", "    8.97"},
        {"９．９９９", nullptr, " 9.999", " 9.999", " -74.06"},
        {"0", nullptr, " 0.000", "0.000", "   10.24"},
        {"", nullptr, "", "", "   10.24"},
        {"10", kRangeX, "0.000", "0.000", "   10.24"},
        {"0.1234", kDecimals3, "0.000", "0.000", "   10.24"},
        {"0,1", "値が正しくありません。", "0.000", "0.000", "   10.24"},
    };
    for (const XCase& c : cases) {
        SCOPED_TRACE(c.typed);
        type = 4;
        OpenComputed([] { Design.ShearXMode[4] = 0; });
        Show(kShear);
        NLrocksendan* s = Shear();
        LowerFlags();
        const bool changed = c.message == nullptr && std::string(c.stored) != "0.000";
        Type(s->Text1, QString::fromUtf8(c.typed));
        if (c.message) messages.Expect(c.message);
        FocusTo(s->cmdIndicate);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Text(s->Text1), c.shown);
        EXPECT_EQ(Design.ShearXInput[4], c.stored);
        EXPECT_EQ(Design.ShearXInput[3], "0.000");
        EXPECT_EQ(DataChanged, changed ? 1 : 0);
        EXPECT_EQ(RecalcResult, changed ? 1 : 0);
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_EQ(Text(s->Tate->Value), c.tateSpan);
        EXPECT_EQ(QApplication::focusWidget(), c.message ? static_cast<QWidget*>(s->Text1)
                                                         : static_cast<QWidget*>(s->cmdIndicate));
        FocusTo(s->cmdIndicate);
    }
}

TEST_F(RockForceTest, EnteredXStaysWhileAnotherPositionIsChosen) {
    OpenComputed([] {
        Design.ShearXMode[3] = 0;
        Design.ShearXInput[3] = " 0.400";
    });
    Show(kShear);
    NLrocksendan* s = Shear();
    // The step opens with the focus in the box, its text selected whole.
    EXPECT_TRUE(s->Text1->hasFocus());
    EXPECT_EQ(Text(s->Text1), "0.400");
    QTest::mouseClick(s->Rows->Options[2], Qt::LeftButton);
    EXPECT_FALSE(s->Text1->isEnabled());
    EXPECT_EQ(Text(s->Text1), " 0.400");
    EXPECT_EQ(Design.ShearXInput[3], " 0.400");
    QTest::mouseClick(s->Rows->Options[0], Qt::LeftButton);
    EXPECT_EQ(Design.ShearXMode[3], 0);
    EXPECT_EQ(Design.TateShearX[3], "0.400");
    // Giving the box the focus chooses the entered position and re-marks.
    Design.Smax[1] = {" 1.00", " 5.00"};
    LowerFlags();
    FocusTo(s->Text1);
    EXPECT_EQ(Marked(s->Yoko), 1);
    EXPECT_EQ(s->Yoko->Parts->Selected(), 0);
    EXPECT_EQ(s->Text1->selectedText(), "0.400");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(RockForceTest, StartScreenButtonOfBothWindows) {
    struct BeginCase {
        int step;
        const char* typed;    // into the shear window's x; nullptr: nothing
        const char* message;  // the check's refusal, if any
        bool started;
        const char* stored;  // ShearXInput afterwards
    };
    const BeginCase cases[] = {
        {kMoment, nullptr, nullptr, true, "0.000"},
        {kShear, nullptr, nullptr, true, "0.000"},
        {kShear, "0.25", nullptr, true, " 0.250"},
        {kShear, "10", kRangeX, false, "0.000"},
    };
    for (const BeginCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << " " << (c.typed ? c.typed : "-"));
        OpenComputed([] { Design.ShearXMode[3] = 0; });
        Show(c.step);
        StepForm* w = M().Step(c.step);
        if (c.typed) Type(Shear()->Text1, c.typed);
        if (c.message) messages.Expect(c.message);
        w->cmdBegin->click();
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(host->selectShown, c.started ? 1 : 0);
        EXPECT_EQ(M().ChainOpen(), !c.started);
        EXPECT_EQ(Design.ShearXInput[3], c.stored);
        EXPECT_EQ(ClickPending, 0);
        host->selectShown = 0;
    }
}

TEST_F(RockForceTest, TabbingOntoTheSinkGoesRoundToTheFirstChoice) {
    Open(type);
    const struct {
        int step;
        const char* focus;  // the first choice's option that holds its Tab stop
    } cases[] = {
        // No part offered yet: both options are disabled, and the sink passes
        // on to the first button.
        {kMoment, "cmdBegin"},
        {kShear, "Option3D2"},  // the position chosen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        Show(c.step);
        StepForm* w = M().Step(c.step);
        FocusTo(w->cmdResult);
        w->FocusSink->setFocus(Qt::TabFocusReason);
        PumpEvents();
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), c.focus);
        EXPECT_EQ(host->selectShown, 0);
    }
}

}  // namespace
}  // namespace talvo::test
