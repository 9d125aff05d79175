// The frame and anchor layout step: loading with and without the grid rule,
// the sixteen boxes at their limits, the linked values under "全格子点に配置",
// the consistency marks without it, the clearing question, the zero rules
// and the missing vertical frame.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/formkit.h"
#include "steps/windows/N2danmen.h"
#include "steps/windows/N3haiti.h"
#include "steps/windows/N4omosa.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

constexpr int kFrame[8] = {1, 7, 3, 4, 2, 8, 5, 6};
constexpr int kAnchors[8] = {11, 17, 13, 14, 12, 18, 15, 16};

class HaitiTest : public InputStepTest {
public:
    N3haiti* Open() { return Load<N3haiti>(); }
    // The sixteen box texts, frame boxes then anchor boxes, in the order of kFrame/kAnchors.
    static std::vector<std::string> Boxes(const N3haiti* w) {
        std::vector<std::string> v;
        for (int k : kFrame) v.push_back(Str(w->Text[k]->text()));
        for (int k : kAnchors) v.push_back(Str(w->Text[k]->text()));
        return v;
    }
    static std::vector<std::string> Fields() {
        std::vector<std::string> v;
        for (int k : kFrame) v.push_back(*N3haiti::FieldOf(k));
        for (int k : kAnchors) v.push_back(*N3haiti::FieldOf(k));
        return v;
    }
    // "R" or "B" per box, in the order of Boxes.
    static std::string Colours(const N3haiti* w) {
        std::string s;
        for (const int* list : {kFrame, kAnchors})
            for (int i = 0; i < 8; ++i) s += Fore(w->Text[list[i]]) == kRed ? "R" : "B";
        return s;
    }
};

TEST_F(HaitiTest, LoadFromAFilledAndANewDesign) {
    struct Case {
        const char* what;
        std::function<void()> design;
        std::vector<std::string> boxes;
        std::vector<std::string> fields;
        bool ticked;
        std::string label;
        std::string flags;
        std::string colours;
    };
    const std::vector<std::string> empty(16, "");
    const std::vector<std::string> filledBoxes = {
        "  4", "  2.000", "  0.500", "  0.500", "  3", "  2.000", "  0.500", "  0.300",
        "  5", "  2.000", "  0.500", "  0.500", "  4", "  2.000", "  0.500", "  0.300"};
    const Case cases[] = {
        // The stored tick is shown, not chosen again: a design that is only
        // looked at is not changed.
        {"new design, rock bolts", [] { Design.WorkType = 3; }, empty, empty, true,
         "ロックボルト数", "00000", std::string(16, 'B')},
        // The grid rule derives every anchor value from its frame value
        // (copied texts trimmed); here they agree, so nothing changes, not
        // even the blanks of a text.
        {"filled, anchors",
         [] { FillDesign(4); },
         filledBoxes,
         {" 4", " 2.000", " 0.500", " 0.500", " 3", " 2.000", " 0.500", " 0.300", " 5", " 2.000",
          " 0.500", " 0.500", " 4", " 2.000", " 0.500", " 0.300"},
         true,
         "アンカー数",
         "00000",
         std::string(16, 'B')},
        {"grid rule replaces a differing pitch",
         [] {
             FillDesign(3);
             Design.PitchY = " 4.000";
             Design.AnchorCountX = " 9";
         },
         filledBoxes,
         {" 4", " 2.000", " 0.500", " 0.500", " 3", " 2.000", " 0.500", " 0.300", " 5", "2.000",
          " 0.500", " 0.500", "  4", " 2.000", " 0.500", " 0.300"},
         true,
         "ロックボルト数",
         "11100",
         std::string(16, 'B')},
        // Without the rule the values stay and misfits are marked, silently.
        {"separate layout with misfits",
         [] {
             FillDesign(4);
             Design.AllGridPoints = 0;
             Design.AnchorCountY = " 7";
             Design.PitchX = " 3.000";
             Design.AnchorOverhangLower = " 0.400";
         },
         {"  4", "  2.000", "  0.500", "  0.500", "  3", "  2.000", "  0.500", "  0.300", "  7",
          "  2.000", "  0.500", "  0.400", "  4", "  3.000", "  0.500", "  0.300"},
         {" 4", " 2.000", " 0.500", " 0.500", " 3", " 2.000", " 0.500", " 0.300", " 7", " 2.000",
          " 0.500", " 0.400", " 4", " 3.000", " 0.500", " 0.300"},
         false,
         "アンカー数",
         "00000",
         "RBBRBRBBRBBRBRBB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        c.design();
        LowerFlags();
        N3haiti* w = Open();
        EXPECT_EQ(Boxes(w), c.boxes);
        EXPECT_EQ(Fields(), c.fields);
        EXPECT_EQ(w->Check1->isChecked(), c.ticked);
        EXPECT_EQ(Design.AllGridPoints, c.ticked ? 1 : 0);
        EXPECT_EQ(Str(w->Label3[2]->text()), c.label);
        EXPECT_EQ(Str(w->Label3[3]->text()), c.label);
        EXPECT_EQ(Flags(), c.flags);
        EXPECT_EQ(Colours(w), c.colours);
        for (int k : kFrame) EXPECT_TRUE(w->Text[k]->isEnabled());
        for (int k : kAnchors) EXPECT_TRUE(w->Text[k]->isEnabled());
        EXPECT_EQ(Str(w->Check1->text()), "全格子点に配置");
        EXPECT_EQ(Str(w->fraGroup[0]->title()), "縦枠");
        EXPECT_EQ(Str(w->fraGroup[1]->title()), "横枠");
        EXPECT_EQ(w->FocusSink->objectName(), "Text9");
    }
}

TEST_F(HaitiTest, BoxesAtTheirLimits) {
    const std::string length = RangeMessage("1.000", "10.000");
    const std::string overhang = RangeMessage("0.000", "10.000");
    const std::string three = DecimalsMessage(3);
    auto F = [](int k) { return N3haiti::FieldOf(k); };
    const LimitCase cases[] = {
        {"Text1", F(1), "0", "  0", "98", " 98", "-1", "99", RangeMessage("0", "98"), "3.0",
         kWholeNumber, "３", "  3", "11110"},
        {"Text7", F(7), "1", "  1.000", "10", " 10.000", "0.999", "10.5", length, "2.0005", three,
         "２．５", "  2.500", "11110"},
        {"Text3", F(3), "0", "  0.000", "10", " 10.000", "-0.001", "10.001", overhang, "0.1234",
         three, "０．５", "  0.500", "11110"},
        {"Text4", F(4), "0", "  0.000", "10", " 10.000", "-0.5", "11", overhang, "1.0000", three,
         "１", "  1.000", "11110"},
        {"Text2", F(2), "1", "  1", "98", " 98", "0", "99", RangeMessage("1", "98"), "2.",
         kWholeNumber, "１２", " 12", "11110"},
        {"Text8", F(8), "1", "  1.000", "10", " 10.000", "0.5", "10.0001", length, "1.0001", three,
         "３", "  3.000", "11110"},
        {"Text5", F(5), "0", "  0.000", "10", " 10.000", "-1", "10.01", overhang, "0.0001", three,
         "０．３", "  0.300", "11110"},
        {"Text6", F(6), "0", "  0.000", "10", " 10.000", "-0.01", "20", overhang, "0.3000", three,
         "０", "  0.000", "11110"},
        {"Text11", F(11), "1", "  1", "99", " 99", "0", "100", RangeMessage("1", "99"), "5.5",
         kWholeNumber, "５", "  5", "11100"},
        // The vertical pitch alone leaves the focus where the engineer put it.
        {"Text17", F(17), "1", "  1.000", "10", " 10.000", "0.9", "10.5", length, "2.0001", three,
         "４", "  4.000", "11100", false},
        {"Text13", F(13), "0", "  0.000", "10", " 10.000", "-0.001", "10.001", overhang, "0.5555",
         three, "０．５００", "  0.500", "11100"},
        {"Text14", F(14), "0", "  0.000", "10", " 10.000", "-0.001", "10.001", overhang, "0.5555",
         three, "１．２", "  1.200", "11100"},
        {"Text12", F(12), "2", "  2", "99", " 99", "1", "100", RangeMessage("2", "99"), "4.0",
         kWholeNumber, "５０", " 50", "11100"},
        {"Text18", F(18), "1", "  1.000", "10", " 10.000", "0.999", "10.001", length, "2.2222",
         three, "２", "  2.000", "11100"},
        {"Text15", F(15), "0", "  0.000", "10", " 10.000", "-0.001", "10.001", overhang, "0.5555",
         three, "０．２５", "  0.250", "11100"},
        {"Text16", F(16), "0", "  0.000", "10", " 10.000", "-0.001", "10.001", overhang, "0.5555",
         three, "９．９９９", "  9.999", "11100"},
    };
    for (const LimitCase& c : cases) {
        ResetProgramState();
        FillDesign(4);
        Design.AllGridPoints = 0;  // the box alone, nothing linked
        N3haiti* w = Open();
        CheckLimits(w, c);
    }
}

// With "全格子点に配置" each entry sets its linked value: counts by the grid
// rule (n spans, n + 1 anchors), lengths copied; the totals follow.
TEST_F(HaitiTest, LinkedValuesUnderTheGridRule) {
    struct Case {
        int box;
        const char* typed;
        std::vector<std::pair<int, const char*>> boxes;  // box number, text shown and stored
        const char* totalY;
        const char* totalX;
        std::string flags;
    };
    const Case cases[] = {
        {1, "3", {{1, "  3"}, {11, "  4"}}, "7.000", " 6.800", "11110"},
        {11, "6", {{11, "  6"}, {1, " 5"}}, "11.000", " 6.800", "11100"},
        {2, "2", {{2, "  2"}, {12, "  3"}}, " 9.000", "4.800", "11110"},
        {12, "5", {{12, "  5"}, {2, "  4"}}, " 9.000", "8.800", "11100"},
        {7, "2.5", {{7, "  2.500"}, {17, "  2.500"}}, "11.000", " 6.800", "11110"},
        {17, "3", {{17, "  3.000"}, {7, "  3.000"}}, "13.000", " 6.800", "11100"},
        {3, "1", {{3, "  1.000"}, {13, "  1.000"}}, "9.500", " 6.800", "11110"},
        {14, "0.25", {{14, "  0.250"}, {4, "  0.250"}}, "8.750", " 6.800", "11100"},
        {8, "1.5", {{8, "  1.500"}, {18, "  1.500"}}, " 9.000", "5.300", "11110"},
        {18, "2.5", {{18, "  2.500"}, {8, "  2.500"}}, " 9.000", "8.300", "11100"},
        {5, "0", {{5, "  0.000"}, {15, "  0.000"}}, " 9.000", "6.300", "11110"},
        {16, "0.8", {{16, "  0.800"}, {6, "  0.800"}}, " 9.000", "7.300", "11100"},
        // No vertical span: no span length, and a single anchor has no pitch.
        {1, "0", {{1, "  0"}, {7, ""}, {11, "  1"}, {17, ""}}, "1.000", " 6.800", "11110"},
        {11, "1", {{11, "  1"}, {17, ""}, {1, " 0"}, {7, ""}}, "1.000", " 6.800", "11100"},
        // An emptied count empties its linked count.
        {2, "", {{2, ""}, {12, ""}}, " 9.000", "0.800", "11110"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.box) + " <- " + c.typed);
        ResetProgramState();
        FillDesign(4);
        N3haiti* w = Open();
        ASSERT_TRUE(w->Check1->isChecked());
        // A mark set before stays: linked entries do not recolour.
        SetForeColor(w->Text[13], kRed);
        LowerFlags();
        Type(w->Text[c.box], QString::fromUtf8(c.typed));
        for (const auto& [k, text] : c.boxes) {
            SCOPED_TRACE(k);
            EXPECT_EQ(Str(w->Text[k]->text()), text);
            EXPECT_EQ(*N3haiti::FieldOf(k), text);
        }
        EXPECT_EQ(Design.TotalLengthY, c.totalY);
        EXPECT_EQ(Design.TotalLengthX, c.totalX);
        EXPECT_EQ(Flags(), c.flags);
        EXPECT_EQ(w->Text[7]->isEnabled(), Design.SpanCountY != " 0" && Design.SpanCountY != "  0");
        EXPECT_EQ(w->Text[17]->isEnabled(), Design.AnchorCountY != "  1");
        EXPECT_EQ(Fore(w->Text[13]), kRed);
    }
}

// Without the grid rule an entry leaves the other column alone and tests its
// pair: counts, pitch against span in whole millimetres, overhangs.
TEST_F(HaitiTest, ConsistencyMarksWithoutTheGridRule) {
    ResetProgramState();
    FillDesign(4);
    Design.AllGridPoints = 0;
    N3haiti* w = Open();
    struct Step {
        int box;
        const char* typed;
        int a, b;  // the pair
        bool red;
    };
    const Step steps[] = {
        {17, "4", 7, 17, false},                             // 4.000 on 2.000
        {17, "3", 7, 17, true},                              // 3.000 on 2.000
        {7, "1.5", 7, 17, false},                            // 3.000 on 1.500
        {17, "4.5", 7, 17, false},  {17, "4", 7, 17, true},  // 4.000 on 1.500
        {17, "", 7, 17, false},                              // an empty value ends the mark
        {11, "6", 1, 11, true},                              // 6 anchors on 4 spans
        {11, "5", 1, 11, false},    {11, "3", 1, 11, false},
        {1, "1", 1, 11, true},  // 3 anchors on 1 span
        {1, "2", 1, 11, false},     {12, "9", 2, 12, true},
        {2, "8", 2, 12, false},     {18, "2.001", 8, 18, true},
        {8, "1.5", 8, 18, true},    {8, "2.001", 8, 18, false},
        {3, "1", 3, 13, true},  // anchor overhang 0.500 under 1.000
        {13, "1", 3, 13, false},    {14, "0.499", 4, 14, true},
        {15, "0.499", 5, 15, true}, {5, "0.499", 5, 15, false},
        {16, "0.2", 6, 16, true},   {6, "", 6, 16, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.box) + " <- " + s.typed);
        LowerFlags();
        Type(w->Text[s.box], QString::fromUtf8(s.typed));
        EXPECT_EQ(Fore(w->Text[s.a]), s.red ? kRed : kBlack);
        EXPECT_EQ(Fore(w->Text[s.b]), s.red ? kRed : kBlack);
        EXPECT_EQ(Flags(), s.box <= 8 ? "11110" : "11100");
    }
    // The other column never follows.
    EXPECT_EQ(Design.PitchY, "");
    EXPECT_EQ(Design.SpanY, "  1.500");
    EXPECT_EQ(Design.AnchorCountX, "  9");
    EXPECT_EQ(Design.SpanCountX, "  8");
    EXPECT_EQ(Design.TotalLengthX, "16.507");  // 8 · 2.001 + 0.499 + 0

    // The same value again raises nothing and leaves the marks.
    Type(w->Text[14], "0.499");
    ASSERT_EQ(Fore(w->Text[14]), kRed);
    LowerFlags();
    Type(w->Text[4], "0.5");
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(Fore(w->Text[14]), kRed);
}

TEST_F(HaitiTest, TickingTheGridRuleAsksOnlyForALayoutThatBreaksIt) {
    struct Case {
        const char* what;
        int workType;
        std::function<void()> change;  // on top of the filled layout, which follows the rule
        bool asked;
        MsgResult answer;
        bool ticked;
        bool cleared;
    };
    const Case cases[] = {
        {"follows the rule", 3, [] {}, false, MsgResult::Yes, true, false},
        {"pitch a multiple, not equal: Yes", 3, [] { Design.PitchY = " 4.000"; }, true,
         MsgResult::Yes, true, true},
        {"anchor count off: No", 4, [] { Design.AnchorCountX = " 3"; }, true, MsgResult::No, false,
         false},
        {"overhang off: Yes", 4, [] { Design.AnchorOverhangRight = " 0.500"; }, true,
         MsgResult::Yes, true, true},
        // Counts are compared only when both are entered.
        {"one count empty", 3, [] { Design.AnchorCountY = ""; }, false, MsgResult::Yes, true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        FillDesign(static_cast<std::int16_t>(c.workType));
        Design.AllGridPoints = 0;
        c.change();
        N3haiti* w = Open();
        SetForeColor(w->Text[1], kRed);
        const std::vector<std::string> before = Fields();
        LowerFlags();
        if (c.asked)
            messages.Expect(c.workType == 3 ? "枠形状及びロックボルト配置の値をクリアします。"
                                            : "枠形状及びアンカー配置の値をクリアします。",
                            MsgButtons::YesNo, MsgIcon::Exclamation, c.answer);
        w->Check1->click();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(w->Check1->isChecked(), c.ticked);
        EXPECT_EQ(Design.AllGridPoints, c.ticked ? 1 : 0);
        EXPECT_EQ(Flags(), "10001");
        if (c.cleared) {
            EXPECT_EQ(Fields(), std::vector<std::string>(16, ""));
            EXPECT_EQ(Boxes(w), std::vector<std::string>(16, ""));
            EXPECT_EQ(Colours(w), std::string(16, 'B'));
            EXPECT_EQ(Design.TotalLengthY, " 9.000");  // the totals are left alone
        } else {
            EXPECT_EQ(Fields(), before);
        }
    }
    // Unticking never asks.
    ResetProgramState();
    FillDesign(4);
    N3haiti* w = Open();
    LowerFlags();
    w->Check1->click();
    EXPECT_FALSE(w->Check1->isChecked());
    EXPECT_EQ(Design.AllGridPoints, 0);
    EXPECT_EQ(Flags(), "10001");
}

// Which frames have no vertical beam is tested with NoVerticalBeam
// (tests/steps/framelayout_test.cpp).
TEST_F(HaitiTest, NoVerticalFrame) {
    // The redisplay button checks the edited box first, then the frame.
    for (const char* lower : {"0", "0.5"}) {
        SCOPED_TRACE(lower);
        ResetProgramState();
        FillDesign(4);
        Design.AllGridPoints = 0;
        Design.OverhangUpper = "  0.000";
        Design.OverhangLower = "  0.000";
        N3haiti* w = Open();
        Type(w->Text[4], lower);
        Enter(w->Text[1]);
        w->Text[1]->selectAll();
        w->Text[1]->insert("0");
        if (std::string(lower) == "0") messages.Expect("縦枠が存在しません。");
        QTest::mouseClick(w->cmdIndicate, Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Design.SpanCountY, "  0");
        EXPECT_FALSE(w->Text[7]->isEnabled());
        EXPECT_EQ(Design.SpanY, "");
        EXPECT_EQ(Design.TotalLengthY, std::string(lower) == "0" ? "0.000" : "0.500");
    }
}

TEST_F(HaitiTest, StartScreenAndTheSink) {
    ResetProgramState();
    FillDesign(3);
    N3haiti* w = Open();
    // Tabbing onto the sink goes round to the check box, the first control,
    // and starts nothing.
    w->cmdResult->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_TRUE(w->Check1->hasFocus());
    EXPECT_EQ(host->selectShown, 0);
    // The start screen stores the edited box first.
    w->Text[1]->setFocus(Qt::TabFocusReason);
    PumpEvents();
    w->Text[1]->selectAll();
    w->Text[1]->insert("６");
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.SpanCountY, "  6");
    EXPECT_EQ(Design.AnchorCountY, "  7");
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_EQ(StepMode, 0);
}

// A ground-anchor design typed from the section step through the layout to
// the weights, moving on with the next buttons, then the record checked
// against values worked out by hand.
TEST_F(HaitiTest, WalkFromTheSectionsThroughTheLayoutToTheWeights) {
    ResetProgramState();
    host->OpenChain(4);
    host->manager->ShowStep(1);
    PumpEvents();
    auto* danmen = dynamic_cast<N2danmen*>(host->manager->Step(1));
    auto* haiti = dynamic_cast<N3haiti*>(host->manager->Step(2));
    auto* omosa = dynamic_cast<N4omosa*>(host->manager->Step(3));
    ASSERT_TRUE(danmen && haiti && omosa);

    // Sections: one for both directions.
    Type(danmen->txtWidth[0], "300");
    Type(danmen->txtHeight[0], "300");
    Type(danmen->txtMidHeight[0], "２３０");
    QTest::mouseClick(danmen->cmdNext, Qt::LeftButton);
    PumpEvents();
    ASSERT_EQ(CurStep, 2);
    EXPECT_EQ(danmen->State(), WindowState::Minimized);

    // Layout under the grid rule: the anchors follow the frame.
    ASSERT_TRUE(haiti->Check1->isChecked());
    const std::pair<int, const char*> layout[] = {{1, "5"}, {7, "2.5"}, {3, "0.5"}, {4, "0.75"},
                                                  {2, "4"}, {8, "2"},   {5, "0.4"}, {6, "0.6"}};
    for (const auto& [k, text] : layout) Type(haiti->Text[k], text);
    QTest::mouseClick(haiti->cmdNext, Qt::LeftButton);
    PumpEvents();
    ASSERT_EQ(CurStep, 3);

    // Weights: the frame heights of the first step are shown.
    EXPECT_EQ(Str(omosa->lblFrame[0]->text()), " 300");
    EXPECT_EQ(Str(omosa->lblFrame[1]->text()), " 300");
    Type(omosa->txtName[0], "普通コンクリート");
    Type(omosa->txtWeight[0], "24.5");
    Type(omosa->txtThick[0], "１５０");
    omosa->chkSnow->click();
    Type(omosa->txtName[2], "積雪地");
    Type(omosa->txtWeight[2], "3.5");
    Type(omosa->txtThick[1], "1.2");
    QTest::mouseClick(omosa->cmdNext, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(CurStep, 4);

    const DesignData& d = Design;
    const std::vector<std::pair<const char*, std::pair<std::string, std::string>>> fields = {
        {"SectionBy", {d.SectionBy, " 300"}},
        {"SectionHy", {d.SectionHy, " 300"}},
        {"SectionDy", {d.SectionDy, " 230"}},
        {"SectionBx", {d.SectionBx, " 300"}},
        {"SectionHx", {d.SectionHx, " 300"}},
        {"SectionDx", {d.SectionDx, " 230"}},
        {"SpanCountY", {d.SpanCountY, "  5"}},
        {"SpanY", {d.SpanY, "  2.500"}},
        {"OverhangUpper", {d.OverhangUpper, "  0.500"}},
        {"OverhangLower", {d.OverhangLower, "  0.750"}},
        {"SpanCountX", {d.SpanCountX, "  4"}},
        {"SpanX", {d.SpanX, "  2.000"}},
        {"OverhangLeft", {d.OverhangLeft, "  0.400"}},
        {"OverhangRight", {d.OverhangRight, "  0.600"}},
        {"AnchorCountY", {d.AnchorCountY, "  6"}},
        {"PitchY", {d.PitchY, "  2.500"}},
        {"AnchorOverhangUpper", {d.AnchorOverhangUpper, "  0.500"}},
        {"AnchorOverhangLower", {d.AnchorOverhangLower, "  0.750"}},
        {"AnchorCountX", {d.AnchorCountX, "  5"}},
        {"PitchX", {d.PitchX, "  2.000"}},
        {"AnchorOverhangLeft", {d.AnchorOverhangLeft, "  0.400"}},
        {"AnchorOverhangRight", {d.AnchorOverhangRight, "  0.600"}},
        // 5 · 2.5 + 0.5 + 0.75, last set by the lower overhang; 4 · 2 + 0.4 + 0.6.
        {"TotalLengthY", {d.TotalLengthY, "13.750"}},
        {"TotalLengthX", {d.TotalLengthX, "9.000"}},
        {"FrameMaterial", {d.FrameMaterial, "普通コンクリート"}},
        {"FrameGamma", {d.FrameGamma, "   24.5"}},
        {"InfillThick", {d.InfillThick, "  150"}},
        {"SnowRemarks", {d.SnowRemarks, "積雪地"}},
        {"SnowGamma", {d.SnowGamma, "    3.5"}},
        {"SnowDepth", {d.SnowDepth, "    1.200"}},
    };
    for (const auto& [name, values] : fields) EXPECT_EQ(values.first, values.second) << name;
    EXPECT_EQ(d.SameSection, 1);
    EXPECT_EQ(d.AllGridPoints, 1);
    EXPECT_EQ(d.UseInfill, 1);
    EXPECT_EQ(d.UseSnow, 1);
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(RecalcLoad, 1);
}

// The window as the engineer sees it without the grid rule: every control
// inside its group and apart.
TEST_F(HaitiTest, TheWindowAsShownWithoutTheGridRule) {
    ResetProgramState();
    FillDesign(4);
    Design.AllGridPoints = 0;
    Design.PitchX = " 3.000";
    N3haiti* w = Open();
    EXPECT_FALSE(w->Check1->isChecked());
    EXPECT_EQ(Str(w->Text[18]->text()), "  3.000");
    EXPECT_EQ(Str(w->fraGroup[0]->title()), "縦枠");
    EXPECT_EQ(Str(w->fraGroup[1]->title()), "横枠");
    ExpectLaidOutApart(w);
    SaveShot(w, QStringLiteral("N3haiti"));
}

// A value refused by its check keeps the step, the value and the focus:
// Redisplay pressed to leave the box neither moves the focus nor tells of
// the missing vertical beam, and the grid box keeps its tick.
TEST_F(HaitiTest, ARefusedEntryThenRedisplayOrTheGridBoxDoesNothing) {
    ResetProgramState();
    FillDesign(4);
    Design.AllGridPoints = 1;
    N3haiti* w = Open();
    Type(w->Text[1], "0");
    Type(w->Text[3], "0");
    Type(w->Text[4], "0");
    ASSERT_EQ(Design.TotalLengthY, "0.000");
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(w->cmdIndicate),
                               static_cast<QAbstractButton*>(w->Check1)}) {
        SCOPED_TRACE(Str(b->objectName()));
        LowerFlags();
        const std::string count = Design.SpanCountX;
        TypeWithoutLeaving(w->Text[2], "0");
        messages.Expect(RangeMessage("1", "98"));
        QTest::mouseClick(b, Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Focused(), "Text2");
        EXPECT_TRUE(w->Check1->isChecked());
        EXPECT_EQ(Design.SpanCountX, count);
        EXPECT_EQ(Flags(), "00000");
    }
}

}  // namespace
}  // namespace talvo::test
