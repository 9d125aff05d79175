// One worked design per work type, typed from the section step through every
// input window of its chain as the engineer does (a click into each box, the
// text typed, the next box clicked, the next button pressed), then the design
// record checked field by field against values worked out by hand.
#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <initializer_list>

#include "steps/windows/N2danmen.h"
#include "steps/windows/N3haiti.h"
#include "steps/windows/N3supan.h"
#include "steps/windows/N4omosa.h"
#include "steps/windows/N5koubai.h"
#include "steps/windows/N6kusabi.h"
#include "steps/windows/N7enko.h"
#include "steps/windows/N8yokusi.h"
#include "steps/windows/walk_fixture.h"

namespace talvo::test {
namespace {

class WalkTest : public ChainWalkTest {
protected:
    // Opens the chain of a new design and makes its first step current.
    void Open(int workType, int ptDirect = 0) {
        host->OpenChain(workType, ptDirect);
        host->manager->ShowStep(1);
        PumpEvents();
        ASSERT_EQ(CurStep, 1);
    }

    // DataChanged, RecalcLoad, RecalcForce, RecalcAnchorBar, RecalcResult,
    // then RecalcKusabi.
    static std::string AllFlags() { return Flags() + std::to_string(RecalcKusabi); }

    // The section of both directions typed into the vertical boxes.
    void SameSections(N2danmen* w, const QString& b, const QString& h, const QString& d) {
        ASSERT_TRUE(w->chkMeasur->isChecked());
        Key(w->txtWidth[0], b);
        Key(w->txtHeight[0], h);
        Key(w->txtMidHeight[0], d);
    }
    // Spans of a frame step, in the order of the boxes: count, span, the two
    // overhangs; direction 0 then 1.
    static void Spans(N3supan* w, int dir, const char* n, const char* span, const char* upper,
                      const char* lower) {
        Key(w->txtSpanNum[dir], QString::fromUtf8(n));
        Key(w->txtSpanLength[dir], QString::fromUtf8(span));
        Key(w->txtUpper[dir], QString::fromUtf8(upper));
        Key(w->txtDown[dir], QString::fromUtf8(lower));
    }
};

// Wedge failure from the slope shoulder: one section for both directions,
// infill and moving soil, the gradient as a ratio, the wedge by L1 and L2.
TEST_F(WalkTest, WedgeFailureFromTheShoulder) {
    Open(0);
    auto* danmen = At<N2danmen>(1);
    auto* supan = At<N3supan>(2);
    auto* omosa = At<N4omosa>(3);
    auto* koubai = At<N5koubai>(4);
    auto* kusabi = At<N6kusabi>(5);
    ASSERT_TRUE(danmen && supan && omosa && koubai && kusabi);

    SameSections(danmen, "300", "400", "320");
    Next(danmen, 2);

    Spans(supan, 0, "4", "2", "0.5", "0.5");
    Spans(supan, 1, "5", "2.5", "0.25", "0.75");
    Next(supan, 3);

    // The heights of the first step are shown; infill is considered in a new
    // design, snow is not.
    EXPECT_EQ(Str(omosa->lblFrame[0]->text()), " 400");
    EXPECT_EQ(Str(omosa->lblFrame[1]->text()), " 400");
    ASSERT_TRUE(omosa->chkMaterial->isChecked());
    ASSERT_FALSE(omosa->chkSnow->isChecked());
    Key(omosa->txtName[0], "普通コンクリート");
    Key(omosa->txtWeight[0], "24.5");
    Key(omosa->txtName[1], "植生土");
    Key(omosa->txtWeight[1], "16");
    Key(omosa->txtThick[0], "１５０");
    Key(omosa->txtName[3], "砂質土");
    Key(omosa->txtWeight[3], "18");
    Next(omosa, 4);

    // L is the total length of the spans step.
    EXPECT_EQ(Str(koubai->Label1->text()), "  9.000");
    ASSERT_TRUE(koubai->Option3D1->isChecked());
    Key(koubai->Text9, "1");
    Next(koubai, 5);

    // The gradient step raised the wedge flag; activation worked the wedge
    // out (nothing to derive yet) and lowered it.
    EXPECT_EQ(RecalcKusabi, 0);
    EXPECT_EQ(Str(kusabi->Label9->text()), " 45.00");
    ASSERT_TRUE(kusabi->SSOption1[0]->isChecked());
    // A failure longer than the slope is taken, with a warning, then mended.
    messages.Expect(N6kusabi::kTooLong);
    Key(kusabi->Text1, "9.5");
    Key(kusabi->Text2, "2");
    EXPECT_TRUE(messages.AllShown());
    Key(kusabi->Text1, "6");
    TabOut(kusabi->Text1);
    // H = 6.000·sin 45° = 4.243; α = atan(4.2426 / (6.000·cos 45° + 2.000))
    //   = atan(4.2426 / 6.2426) = 34.20°.
    EXPECT_EQ(Str(kusabi->Label3->text()), "  4.243");
    EXPECT_EQ(Str(kusabi->Label11->text()), "  34.20");
    EXPECT_EQ(Fore(kusabi->Text1), kBlack);
    const std::string flags = AllFlags();
    Shoot("walk_0");
    Next(kusabi, 6);
    ExpectArrivedAt(6, "NCtatemoment");

    const DesignData& d = Design;
    ExpectFields({
        {"SectionBy", d.SectionBy, " 300"},
        {"SectionHy", d.SectionHy, " 400"},
        {"SectionDy", d.SectionDy, " 320"},
        {"SectionBx", d.SectionBx, " 300"},
        {"SectionHx", d.SectionHx, " 400"},
        {"SectionDx", d.SectionDx, " 320"},
        {"SpanCountY", d.SpanCountY, "  4"},
        {"SpanY", d.SpanY, "  2.000"},
        {"OverhangUpper", d.OverhangUpper, "  0.500"},
        {"OverhangLower", d.OverhangLower, "  0.500"},
        {"SpanCountX", d.SpanCountX, "  5"},
        {"SpanX", d.SpanX, "  2.500"},
        {"OverhangLeft", d.OverhangLeft, "  0.250"},
        {"OverhangRight", d.OverhangRight, "  0.750"},
        // L_y = 4·2.000 + 0.500 + 0.500 = 9.000, last set by the lower
        // overhang (no places); L_x = 5·2.500 + 0.250 + 0.750 = 13.500.
        {"TotalLengthY", d.TotalLengthY, "9.000"},
        {"TotalLengthX", d.TotalLengthX, "13.500"},
        {"FrameMaterial", d.FrameMaterial, "普通コンクリート"},
        {"FrameGamma", d.FrameGamma, "   24.5"},
        {"InfillName", d.InfillName, "植生土"},
        {"InfillGamma", d.InfillGamma, "   16.0"},
        {"InfillThick", d.InfillThick, "  150"},
        {"SnowRemarks", d.SnowRemarks, ""},
        {"SnowGamma", d.SnowGamma, ""},
        {"SnowDepth", d.SnowDepth, ""},
        {"SoilName", d.SoilName, "砂質土"},
        {"SoilGamma", d.SoilGamma, "   18.0"},
        // 1 : 1.00 gives θ0 = atan(1 / 1.00) = 45.00°; H = 9.000·sin 45° = 6.364.
        {"SlopeN", d.SlopeN, "  1.00"},
        {"SlopeAngle", d.SlopeAngle, " 45.00"},
        {"SlopeHeight", d.SlopeHeight, "  6.364"},
        {"KusabiL1", d.KusabiL1, "  6.000"},
        {"KusabiL2", d.KusabiL2, "  2.000"},
        {"KusabiH", d.KusabiH, "  4.243"},
        {"KusabiAlpha", d.KusabiAlpha, "  34.20"},
    });
    EXPECT_EQ(d.SameSection, 1);
    EXPECT_EQ(d.UseInfill, 1);
    EXPECT_EQ(d.UseSnow, 0);
    EXPECT_EQ(d.SlopeInputMode, 1);
    EXPECT_EQ(d.KusabiInputMode, 0);
    // Every input step raised DataChanged and the load, force and anchor-bar
    // flags; the wedge step's activation worked out the wedge's failure load
    // with the wedge, which asks for the results again.
    EXPECT_EQ(flags, "111110");
}

// Circular-arc failure in mid-slope: separate sections, a corrected span
// count, snow instead of infill, the gradient as an angle, the arc with a
// depth first too great.
TEST_F(WalkTest, CircularArcFailureInMidSlope) {
    Open(1);
    auto* danmen = At<N2danmen>(1);
    auto* supan = At<N3supan>(2);
    auto* omosa = At<N4omosa>(3);
    auto* koubai = At<N5koubai>(4);
    auto* enko = At<N7enko>(5);
    ASSERT_TRUE(danmen && supan && omosa && koubai && enko);

    Tick(danmen->chkMeasur);
    ASSERT_FALSE(danmen->chkMeasur->isChecked());
    Key(danmen->txtWidth[0], "300");
    Key(danmen->txtHeight[0], "400");
    Key(danmen->txtMidHeight[0], "320");
    Key(danmen->txtWidth[1], "250");
    Key(danmen->txtHeight[1], "300");
    Key(danmen->txtMidHeight[1], "２３０");
    Next(danmen, 2);

    Spans(supan, 0, "6", "1.5", "0.3", "0.7");
    Spans(supan, 1, "3", "2", "0.5", "0.5");
    // Five spans down the slope after all.
    Key(supan->txtSpanNum[0], "5");
    Next(supan, 3);

    EXPECT_EQ(Str(omosa->lblFrame[0]->text()), " 400");
    EXPECT_EQ(Str(omosa->lblFrame[1]->text()), " 300");
    Key(omosa->txtName[0], "コンクリート");
    Key(omosa->txtWeight[0], "23");
    Tick(omosa->chkMaterial);
    ASSERT_FALSE(omosa->chkMaterial->isChecked());
    EXPECT_FALSE(omosa->txtName[1]->isEnabled());
    Tick(omosa->chkSnow);
    ASSERT_TRUE(omosa->chkSnow->isChecked());
    Key(omosa->txtName[2], "多雪");
    Key(omosa->txtWeight[2], "3.5");
    Key(omosa->txtThick[1], "1.2");
    Key(omosa->txtName[3], "粘性土");
    Key(omosa->txtWeight[3], "17.5");
    Next(omosa, 4);

    EXPECT_EQ(Str(koubai->Label1->text()), "  8.500");
    Tick(koubai->Option3D2);
    ASSERT_TRUE(koubai->Option3D2->isChecked());
    Key(koubai->Text6, "30");
    Next(koubai, 5);

    EXPECT_EQ(Str(enko->lblSita0->text()), " 30.00");
    messages.Expect("崩壊の深さが円弧の半径を超えています。");
    Key(enko->txtL1, "5");
    Key(enko->txtL2, "3");  // 5.000 < 2·3.000: deeper than the radius
    Key(enko->txtL3, "2");
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Fore(enko->txtL2), kRed);
    Key(enko->txtL2, "1.5");
    TabOut(enko->txtL2);
    // 5.000 ≥ 2·1.500 and L1 + L3 = 7.000 ≤ L = 8.500: both checks pass.
    EXPECT_EQ(Fore(enko->txtL1), kBlack);
    EXPECT_EQ(Fore(enko->txtL2), kBlack);
    EXPECT_EQ(Fore(enko->txtL3), kBlack);
    const std::string flags = AllFlags();
    Shoot("walk_1");
    Next(enko, 6);
    ExpectArrivedAt(6, "NCtatemoment");

    const DesignData& d = Design;
    ExpectFields({
        {"SectionBy", d.SectionBy, " 300"},
        {"SectionHy", d.SectionHy, " 400"},
        {"SectionDy", d.SectionDy, " 320"},
        {"SectionBx", d.SectionBx, " 250"},
        {"SectionHx", d.SectionHx, " 300"},
        {"SectionDx", d.SectionDx, " 230"},
        {"SpanCountY", d.SpanCountY, "  5"},
        {"SpanY", d.SpanY, "  1.500"},
        {"OverhangUpper", d.OverhangUpper, "  0.300"},
        {"OverhangLower", d.OverhangLower, "  0.700"},
        {"SpanCountX", d.SpanCountX, "  3"},
        {"SpanX", d.SpanX, "  2.000"},
        {"OverhangLeft", d.OverhangLeft, "  0.500"},
        {"OverhangRight", d.OverhangRight, "  0.500"},
        // L_y = 5·1.500 + 0.300 + 0.700 = 8.500, last set by the span count,
        // which gives it three integer places; L_x = 3·2.000 + 0.500 + 0.500.
        {"TotalLengthY", d.TotalLengthY, "8.500"},
        {"TotalLengthX", d.TotalLengthX, "7.000"},
        {"FrameMaterial", d.FrameMaterial, "コンクリート"},
        {"FrameGamma", d.FrameGamma, "   23.0"},
        {"InfillName", d.InfillName, ""},
        {"InfillGamma", d.InfillGamma, ""},
        {"InfillThick", d.InfillThick, ""},
        {"SnowRemarks", d.SnowRemarks, "多雪"},
        {"SnowGamma", d.SnowGamma, "    3.5"},
        {"SnowDepth", d.SnowDepth, "    1.200"},
        {"SoilName", d.SoilName, "粘性土"},
        {"SoilGamma", d.SoilGamma, "   17.5"},
        // θ0 = 30.00°: n = 1 / tan 30° = 1.732 → 1.73; H = 8.500·sin 30° = 4.250.
        {"SlopeAngle", d.SlopeAngle, " 30.00"},
        {"SlopeN", d.SlopeN, "  1.73"},
        {"SlopeHeight", d.SlopeHeight, "  4.250"},
        {"EnkoL1", d.EnkoL1, "  5.000"},
        {"EnkoL2", d.EnkoL2, "  1.500"},
        {"EnkoL3", d.EnkoL3, "  2.000"},
    });
    EXPECT_EQ(d.SameSection, 0);
    EXPECT_EQ(d.KekkaTab, 0);
    EXPECT_EQ(d.UseInfill, 0);
    EXPECT_EQ(d.UseSnow, 1);
    EXPECT_EQ(d.SlopeInputMode, 0);
    // Separating the sections asks for the results again; a gradient of an
    // arc design does not touch the wedge flag.
    EXPECT_EQ(flags, "111110");
}

// Greening foundation: a frame first typed without vertical beams (refused
// by the next button), a section with the effective height over the height
// first, full-width digits, the gradient as a ratio.
TEST_F(WalkTest, GreeningFoundation) {
    Open(2);
    auto* danmen = At<N2danmen>(1);
    auto* supan = At<N3supan>(2);
    auto* omosa = At<N4omosa>(3);
    auto* koubai = At<N5koubai>(4);
    ASSERT_TRUE(danmen && supan && omosa && koubai);

    messages.Expect("枠高が有効高を下回っています。");
    Key(danmen->txtWidth[0], "200");
    Key(danmen->txtHeight[0], "200");
    Key(danmen->txtMidHeight[0], "250");
    Key(danmen->txtWidth[0], "200");  // leaves d: 250 ≥ 200
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Fore(danmen->txtMidHeight[0]), kRed);
    Key(danmen->txtMidHeight[0], "150");
    Next(danmen, 2);
    EXPECT_EQ(Fore(danmen->txtMidHeight[0]), kBlack);
    EXPECT_EQ(Fore(danmen->txtHeight[1]), kBlack);

    // No span and no overhang down the slope: there is no vertical beam.
    Key(supan->txtSpanNum[0], "0");
    Key(supan->txtUpper[0], "0");
    EXPECT_FALSE(supan->txtSpanLength[0]->isEnabled());
    EXPECT_EQ(Design.SpanY, "");
    Key(supan->txtDown[0], "0");
    messages.Expect(N3supan::kNoVerticalBeam);
    QTest::mouseClick(supan->cmdNext, Qt::LeftButton);
    PumpEvents();
    EXPECT_TRUE(messages.AllShown());
    ASSERT_EQ(CurStep, 2);
    // A disabled box cannot be clicked into: the count is left with Tab,
    // which opens the span box again.
    Key(supan->txtSpanNum[0], "8");
    TabOut(supan->txtSpanNum[0]);
    EXPECT_TRUE(supan->txtSpanLength[0]->isEnabled());
    Spans(supan, 0, "8", "1.2", "0.4", "0.4");
    Spans(supan, 1, "10", "1.5", "0.3", "0.3");
    Next(supan, 3);

    // No moving soil in this work type.
    EXPECT_FALSE(omosa->txtName[3]->isEnabled());
    EXPECT_FALSE(omosa->txtWeight[3]->isEnabled());
    Key(omosa->txtName[0], "ＲＣ");
    Key(omosa->txtWeight[0], "24");
    Key(omosa->txtName[1], "土のう");
    Key(omosa->txtWeight[1], "１５．５");
    Key(omosa->txtThick[0], "100");
    Next(omosa, 4);

    EXPECT_EQ(Str(koubai->Label1->text()), " 10.400");
    Key(koubai->Text9, "0.8");
    TabOut(koubai->Text9);
    EXPECT_EQ(Str(koubai->Label6->text()), " 51.34");
    EXPECT_EQ(Str(koubai->Label3->text()), "  8.121");
    const std::string flags = AllFlags();
    Shoot("walk_2");
    Next(koubai, 5);
    ExpectArrivedAt(5, "NEyokomoment");

    const DesignData& d = Design;
    ExpectFields({
        {"SectionBy", d.SectionBy, " 200"},
        {"SectionHy", d.SectionHy, " 200"},
        {"SectionDy", d.SectionDy, " 150"},
        {"SectionBx", d.SectionBx, " 200"},
        {"SectionHx", d.SectionHx, " 200"},
        {"SectionDx", d.SectionDx, " 150"},
        {"SpanCountY", d.SpanCountY, "  8"},
        {"SpanY", d.SpanY, "  1.200"},
        {"OverhangUpper", d.OverhangUpper, "  0.400"},
        {"OverhangLower", d.OverhangLower, "  0.400"},
        {"SpanCountX", d.SpanCountX, " 10"},
        {"SpanX", d.SpanX, "  1.500"},
        {"OverhangLeft", d.OverhangLeft, "  0.300"},
        {"OverhangRight", d.OverhangRight, "  0.300"},
        // L_y = 8·1.200 + 0.400 + 0.400 = 10.400; L_x = 10·1.500 + 0.300 + 0.300.
        {"TotalLengthY", d.TotalLengthY, "10.400"},
        {"TotalLengthX", d.TotalLengthX, "15.600"},
        {"FrameMaterial", d.FrameMaterial, "ＲＣ"},
        {"FrameGamma", d.FrameGamma, "   24.0"},
        {"InfillName", d.InfillName, "土のう"},
        {"InfillGamma", d.InfillGamma, "   15.5"},
        {"InfillThick", d.InfillThick, "  100"},
        {"SoilName", d.SoilName, ""},
        {"SoilGamma", d.SoilGamma, ""},
        // θ0 = atan(1 / 0.80) = 51.34°; H = 10.400·sin 51.34° = 8.121.
        {"SlopeN", d.SlopeN, "  0.80"},
        {"SlopeAngle", d.SlopeAngle, " 51.34"},
        {"SlopeHeight", d.SlopeHeight, "  8.121"},
    });
    EXPECT_EQ(d.SameSection, 1);
    EXPECT_EQ(d.UseInfill, 1);
    EXPECT_EQ(d.SlopeInputMode, 1);
    EXPECT_EQ(flags, "111100");
}

// Rock bolts, full chain: the layout typed without the grid rule, the frame
// only, the gradient as an angle, then the restraint conditions with a row
// count first too small and a staggered layout.
TEST_F(WalkTest, RockBoltsFullChain) {
    Open(3);
    auto* danmen = At<N2danmen>(1);
    auto* haiti = At<N3haiti>(2);
    auto* omosa = At<N4omosa>(3);
    auto* koubai = At<N5koubai>(4);
    auto* yokusi = At<N8yokusi>(5);
    ASSERT_TRUE(danmen && haiti && omosa && koubai && yokusi);

    SameSections(danmen, "300", "300", "230");
    Next(danmen, 2);

    // Unticking asks nothing.
    ASSERT_TRUE(haiti->Check1->isChecked());
    Tick(haiti->Check1);
    ASSERT_FALSE(haiti->Check1->isChecked());
    const std::pair<int, const char*> layout[] = {
        {1, "4"},  {7, "2"},   {3, "1"},     {4, "1"},       // frame, down the slope
        {11, "3"}, {17, "4"},  {13, "1"},    {14, "1"},      // bolts, down the slope
        {2, "6"},  {8, "1.5"}, {5, "0.75"},  {6, "0.75"},    // frame, across
        {12, "4"}, {18, "3"},  {15, "0.75"}, {16, "0.75"}};  // bolts, across
    for (const auto& [k, text] : layout) Key(haiti->Text[k], QString::fromUtf8(text));
    Next(haiti, 3);
    // Every pair fits: 3 ≤ 4 + 1 bolts, 4.000 = 2·2.000, overhangs equal;
    // 4 ≤ 6 + 1, 3.000 = 2·1.500.
    for (int k : {1, 11, 7, 17, 3, 13, 4, 14, 2, 12, 8, 18, 5, 15, 6, 16})
        EXPECT_EQ(Fore(haiti->Text[k]), kBlack) << k;

    EXPECT_FALSE(omosa->txtName[3]->isEnabled());
    Key(omosa->txtName[0], "コンクリート");
    Key(omosa->txtWeight[0], "24.5");
    Tick(omosa->chkMaterial);
    ASSERT_FALSE(omosa->chkMaterial->isChecked());
    Next(omosa, 4);

    EXPECT_EQ(Str(koubai->Label1->text()), " 10.000");
    Tick(koubai->Option3D2);
    Key(koubai->Text6, "60");
    Next(koubai, 5);

    // Both pitches are even multiples of their spans: staggering is open; the
    // spacing is the horizontal pitch until it is ticked.
    EXPECT_TRUE(yokusi->chkBard->isEnabled());
    EXPECT_EQ(Str(yokusi->lblLevel->text()), "    3.000");
    EXPECT_EQ(Str(yokusi->lblRockboltNum->text()), "    3");
    ASSERT_TRUE(yokusi->optAngle->isChecked());
    Key(yokusi->txtSafety, "1.2");
    Key(yokusi->txtDeter, "150");
    Key(yokusi->txtSlope, "35");
    messages.Expect("ロックボルト施工段数が縦枠のロックボルト数を下回っています。");
    Key(yokusi->txtStep, "2");
    Key(yokusi->txtRockboltAngle, "15");  // leaves n: 3 bolts on 2 rows
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Fore(yokusi->txtStep), kRed);
    Key(yokusi->txtStep, "3");
    Key(yokusi->txtAngle, "30");
    Tick(yokusi->chkBard);
    ASSERT_TRUE(yokusi->chkBard->isChecked());
    EXPECT_EQ(Fore(yokusi->txtStep), kBlack);
    // tan 30° = 0.57735; the spacing is half the pitch, 3.000 / 2 = 1.500.
    EXPECT_EQ(Str(yokusi->lblTanFai->text()), "    0.57735");
    EXPECT_EQ(Str(yokusi->lblLevel->text()), "    1.500");
    const std::string flags = AllFlags();
    Shoot("walk_3");
    Next(yokusi, 6);
    ExpectArrivedAt(6, "NIrockst");

    const DesignData& d = Design;
    ExpectFields({
        {"SectionBy", d.SectionBy, " 300"},
        {"SectionHy", d.SectionHy, " 300"},
        {"SectionDy", d.SectionDy, " 230"},
        {"SectionBx", d.SectionBx, " 300"},
        {"SectionHx", d.SectionHx, " 300"},
        {"SectionDx", d.SectionDx, " 230"},
        {"SpanCountY", d.SpanCountY, "  4"},
        {"SpanY", d.SpanY, "  2.000"},
        {"OverhangUpper", d.OverhangUpper, "  1.000"},
        {"OverhangLower", d.OverhangLower, "  1.000"},
        {"AnchorCountY", d.AnchorCountY, "  3"},
        {"PitchY", d.PitchY, "  4.000"},
        {"AnchorOverhangUpper", d.AnchorOverhangUpper, "  1.000"},
        {"AnchorOverhangLower", d.AnchorOverhangLower, "  1.000"},
        {"SpanCountX", d.SpanCountX, "  6"},
        {"SpanX", d.SpanX, "  1.500"},
        {"OverhangLeft", d.OverhangLeft, "  0.750"},
        {"OverhangRight", d.OverhangRight, "  0.750"},
        {"AnchorCountX", d.AnchorCountX, "  4"},
        {"PitchX", d.PitchX, "  3.000"},
        {"AnchorOverhangLeft", d.AnchorOverhangLeft, "  0.750"},
        {"AnchorOverhangRight", d.AnchorOverhangRight, "  0.750"},
        // L_y = 4·2.000 + 1.000 + 1.000 = 10.000; L_x = 6·1.500 + 0.750 + 0.750.
        {"TotalLengthY", d.TotalLengthY, "10.000"},
        {"TotalLengthX", d.TotalLengthX, "10.500"},
        {"FrameMaterial", d.FrameMaterial, "コンクリート"},
        {"FrameGamma", d.FrameGamma, "   24.5"},
        {"InfillThick", d.InfillThick, ""},
        // θ0 = 60.00°: n = 1 / tan 60° = 0.577 → 0.58; H = 10.000·sin 60° = 8.660.
        {"SlopeAngle", d.SlopeAngle, " 60.00"},
        {"SlopeN", d.SlopeN, "  0.58"},
        {"SlopeHeight", d.SlopeHeight, "  8.660"},
        {"PlanFs", d.PlanFs, "    1.20"},
        {"Pr", d.Pr, "  150.0"},
        {"SlipAngle", d.SlipAngle, "   35.00"},
        {"RowCount", d.RowCount, "    3"},
        {"InstallAngle", d.InstallAngle, "   15.00"},
        {"FrictionAngle", d.FrictionAngle, "   30.00"},
        {"TanPhi", d.TanPhi, "    0.57735"},
        {"HorizSpacing", d.HorizSpacing, "    1.500"},
    });
    EXPECT_EQ(d.SameSection, 1);
    EXPECT_EQ(d.AllGridPoints, 0);
    EXPECT_EQ(d.UseInfill, 0);
    EXPECT_EQ(d.SlopeInputMode, 0);
    EXPECT_EQ(d.FrictionInputMode, 0);
    EXPECT_EQ(d.Staggered, 1);
    // The layout's check box asks for the results again.
    EXPECT_EQ(flags, "111110");
}

// Ground anchors, with the design load worked out (full chain, through the
// restraint conditions) or entered directly (short chain): the layout under
// the grid rule, typed partly on the anchor side, full-width digits, infill
// and snow, the gradient as a ratio.
class GroundAnchorWalk : public WalkTest, public ::testing::WithParamInterface<int> {};

TEST_P(GroundAnchorWalk, FromTheSectionsToTheFirstCalculation) {
    const int ptDirect = GetParam();
    Open(4, ptDirect);
    auto* danmen = At<N2danmen>(1);
    auto* haiti = At<N3haiti>(2);
    auto* omosa = At<N4omosa>(3);
    auto* koubai = At<N5koubai>(4);
    ASSERT_TRUE(danmen && haiti && omosa && koubai);

    SameSections(danmen, "３５０", "350", "270");
    Next(danmen, 2);

    ASSERT_TRUE(haiti->Check1->isChecked());
    // Down the slope: 3 spans of 3 m, then the anchor count corrected to 5,
    // which sets the span count back to 4 (shown with two places).
    const std::pair<int, const char*> layout[] = {{1, "3"},    {7, "3"},  {3, "0.5"},
                                                  {14, "0.5"}, {11, "5"}, {12, "6"},
                                                  {18, "2"},   {5, "1"},  {16, "1"}};
    for (const auto& [k, text] : layout) Key(haiti->Text[k], QString::fromUtf8(text));
    Next(haiti, 3);
    EXPECT_EQ(Str(haiti->Text[1]->text()), " 4");
    EXPECT_EQ(Str(haiti->Text[2]->text()), "  5");

    Key(omosa->txtName[0], "コンクリート");
    Key(omosa->txtWeight[0], "24.5");
    Key(omosa->txtName[1], "中詰土");
    Key(omosa->txtWeight[1], "18");
    Key(omosa->txtThick[0], "200");
    Tick(omosa->chkSnow);
    Key(omosa->txtName[2], "積雪");
    Key(omosa->txtWeight[2], "3");
    Key(omosa->txtThick[1], "０．８");
    Next(omosa, 4);

    EXPECT_EQ(Str(koubai->Label1->text()), " 13.000");
    Key(koubai->Text9, "1.5");
    std::string flags;
    if (ptDirect) {
        TabOut(koubai->Text9);
        flags = AllFlags();
        Shoot("walk_4_direct");
        Next(koubai, 5);
        ExpectArrivedAt(5, "NJrocktb");
    } else {
        Next(koubai, 5);
        auto* yokusi = At<N8yokusi>(5);
        ASSERT_TRUE(yokusi);
        // Pitch and span are equal across the slope (an odd ratio of 1):
        // no staggering, the spacing is the horizontal pitch.
        EXPECT_FALSE(yokusi->chkBard->isEnabled());
        EXPECT_EQ(Str(yokusi->lblLevel->text()), "    2.000");
        EXPECT_EQ(Str(yokusi->lblRockboltNum->text()), "    5");
        Key(yokusi->txtSafety, "1.25");
        Key(yokusi->txtDeter, "２００．５");
        Key(yokusi->txtSlope, "25");
        Key(yokusi->txtStep, "5");
        messages.Expect("標準の入力範囲は、10～45です。");
        Key(yokusi->txtRockboltAngle, "50");
        Tick(yokusi->optTanFai);  // leaves α: outside 10 to 45 for anchors
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Fore(yokusi->txtRockboltAngle), kRed);
        Key(yokusi->txtRockboltAngle, "20");
        ASSERT_TRUE(yokusi->optTanFai->isChecked());
        Key(yokusi->txtTanFai, "0.5");
        TabOut(yokusi->txtTanFai);
        EXPECT_EQ(Fore(yokusi->txtRockboltAngle), kBlack);
        EXPECT_EQ(Fore(yokusi->txtStep), kBlack);
        // φ = atan 0.50000 = 26.565° → 26.57.
        EXPECT_EQ(Str(yokusi->lblAngle->text()), "   26.57");
        flags = AllFlags();
        Shoot("walk_4");
        Next(yokusi, 6);
        ExpectArrivedAt(6, "NIrockpt");
        const DesignData& d = Design;
        ExpectFields({
            {"PlanFs", d.PlanFs, "    1.25"},
            {"Pr", d.Pr, "  200.5"},
            {"SlipAngle", d.SlipAngle, "   25.00"},
            {"RowCount", d.RowCount, "    5"},
            {"InstallAngle", d.InstallAngle, "   20.00"},
            {"TanPhi", d.TanPhi, "    0.50000"},
            {"FrictionAngle", d.FrictionAngle, "   26.57"},
            {"HorizSpacing", d.HorizSpacing, "    2.000"},
        });
        EXPECT_EQ(d.FrictionInputMode, 1);
        EXPECT_EQ(d.Staggered, 0);
    }

    const DesignData& d = Design;
    ExpectFields({
        {"SectionBy", d.SectionBy, " 350"},
        {"SectionHy", d.SectionHy, " 350"},
        {"SectionDy", d.SectionDy, " 270"},
        {"SectionBx", d.SectionBx, " 350"},
        {"SectionHx", d.SectionHx, " 350"},
        {"SectionDx", d.SectionDx, " 270"},
        // From the anchor count 5: 5 − 1 = 4 with two integer places.
        {"SpanCountY", d.SpanCountY, " 4"},
        {"SpanY", d.SpanY, "  3.000"},
        {"OverhangUpper", d.OverhangUpper, "  0.500"},
        {"OverhangLower", d.OverhangLower, "  0.500"},
        {"AnchorCountY", d.AnchorCountY, "  5"},
        {"PitchY", d.PitchY, "  3.000"},
        {"AnchorOverhangUpper", d.AnchorOverhangUpper, "  0.500"},
        {"AnchorOverhangLower", d.AnchorOverhangLower, "  0.500"},
        // From the anchor count 6: 6 − 1 = 5 with three places.
        {"SpanCountX", d.SpanCountX, "  5"},
        {"SpanX", d.SpanX, "  2.000"},
        {"OverhangLeft", d.OverhangLeft, "  1.000"},
        {"OverhangRight", d.OverhangRight, "  1.000"},
        {"AnchorCountX", d.AnchorCountX, "  6"},
        {"PitchX", d.PitchX, "  2.000"},
        {"AnchorOverhangLeft", d.AnchorOverhangLeft, "  1.000"},
        {"AnchorOverhangRight", d.AnchorOverhangRight, "  1.000"},
        // L_y = 4·3.000 + 0.500 + 0.500 = 13.000, last set by a change of
        // the span count (three places); L_x = 5·2.000 + 1.000 + 1.000.
        {"TotalLengthY", d.TotalLengthY, "13.000"},
        {"TotalLengthX", d.TotalLengthX, "12.000"},
        {"FrameMaterial", d.FrameMaterial, "コンクリート"},
        {"FrameGamma", d.FrameGamma, "   24.5"},
        {"InfillName", d.InfillName, "中詰土"},
        {"InfillGamma", d.InfillGamma, "   18.0"},
        {"InfillThick", d.InfillThick, "  200"},
        {"SnowRemarks", d.SnowRemarks, "積雪"},
        {"SnowGamma", d.SnowGamma, "    3.0"},
        {"SnowDepth", d.SnowDepth, "    0.800"},
        // θ0 = atan(1 / 1.50) = 33.69°; H = 13.000·sin 33.69° = 7.211.
        {"SlopeN", d.SlopeN, "  1.50"},
        {"SlopeAngle", d.SlopeAngle, " 33.69"},
        {"SlopeHeight", d.SlopeHeight, "  7.211"},
    });
    EXPECT_EQ(d.SameSection, 1);
    EXPECT_EQ(d.AllGridPoints, 1);
    EXPECT_EQ(d.UseInfill, 1);
    EXPECT_EQ(d.UseSnow, 1);
    EXPECT_EQ(d.SlopeInputMode, 1);
    // Loading the layout shows its stored grid rule without choosing it
    // again: the results are not asked for a second time.
    EXPECT_EQ(flags, "111100");
}

INSTANTIATE_TEST_SUITE_P(LoadWorkedOutOrEntered, GroundAnchorWalk, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param ? std::string("DirectLoad")
                                               : std::string("FullChain");
                         });

}  // namespace
}  // namespace talvo::test
