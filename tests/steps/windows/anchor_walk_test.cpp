// The anchorage steps walked as the engineer does, from the restraint
// conditions to the first step after them: for rock bolts and for ground
// anchors with the design load worked out, and for ground anchors with the
// design load entered directly. Each value is typed into its box (a click
// into the box, the text, the next box clicked), every message answered,
// each step left with its next button; the design record is then checked
// field by field against values worked out by hand. Last, a design opened
// from its file and walked through every step without an edit stays
// unchanged.
#include <QAbstractButton>
#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>
#include <initializer_list>

#include "platform/updown.h"
#include "shell/designfile.h"
#include "steps/windows/N8yokusi.h"
#include "steps/windows/NAgrand1.h"
#include "steps/windows/NArock1.h"
#include "steps/windows/NBgrand2.h"
#include "steps/windows/NBrock2.h"
#include "steps/windows/NIrockpt.h"
#include "steps/windows/NIrockst.h"
#include "steps/windows/NJrocktb.h"
#include "steps/windows/NMprate.h"
#include "steps/windows/NMsiatu.h"
#include "steps/windows/walk_fixture.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

// The frame of the worked design (sections, spans, anchor layout, weights,
// gradient: the steps before the restraint conditions) with nothing of the
// restraint conditions and of the anchorage entered yet.
void FrameOfTheWorkedDesign(std::int16_t workType) {
    FillWorkedAnchorDesign(workType);
    DesignData& d = Design;
    for (std::string* s : {&d.PlanFs,        &d.Pr,         &d.SlipAngle,
                           &d.HorizSpacing,  &d.RowCount,   &d.InstallAngle,
                           &d.FrictionAngle, &d.TanPhi,     &d.RockTauSa,
                           &d.RockSigmaSa,   &d.RockDa,     &d.RockTauG,
                           &d.RockTauB,      &d.RockFs,     &d.RockLa,
                           &d.RockLf,        &d.TendonName, &d.TendonStandard,
                           &d.Tus,           &d.Tys,        &d.AnchorDs,
                           &d.AnchorDa,      &d.AnchorTauG, &d.AnchorTauB,
                           &d.AnchorFs,      &d.AnchorLa,   &d.AnchorLf,
                           &d.PlateU,        &d.PlateSigma, &d.PlateT})
        s->clear();
    // Bolts or anchors on every grid point: the layout step keeps the
    // pitches as the spans (3.500 down the slope, 2.000 across).
    d.AllGridPoints = 1;
    d.AnchorKind = 0;
    d.RockBarIndex = 5;
    d.FrictionInputMode = 0;
}

class AnchorWalk : public ChainWalkTest {
protected:
    // Opens the chain of the design in the record with every flag raised and
    // nothing changed, as a design read from its file, and makes step
    // `first` current.
    void Open(int workType, int ptDirect, int first) {
        SetAllRecalc(true);
        DataChanged = 0;
        host->OpenChain(workType, ptDirect);
        host->manager->ShowStep(first);
        PumpEvents();
        ASSERT_EQ(CurStep, first);
    }

    static std::string Shown(const QLabel* l) { return l->text().toStdString(); }
    static std::string Shown(const QLineEdit* b) { return b->text().toStdString(); }

    // The restraint conditions of the worked design: PFs 1.80, Pr 50.0,
    // θ 30°, one row (fewer than the 5 bolts or anchors down the slope: a
    // warning), installation angle 15°, φ 30°.
    void RestraintConditions(N8yokusi* w, const char* fewerRows) {
        EXPECT_FALSE(w->chkBard->isEnabled());  // pitch = span across: no staggering
        Key(w->txtSafety, "1.8");
        Key(w->txtDeter, "50");
        Key(w->txtSlope, "30");
        Key(w->txtStep, "1");
        messages.Expect(fewerRows);
        Key(w->txtRockboltAngle, "15");
        EXPECT_TRUE(messages.AllShown());
        Key(w->txtAngle, "30");
        TabOut(w->txtAngle);
        EXPECT_EQ(Shown(w->lblLevel), "    2.000");
        EXPECT_EQ(Shown(w->lblTanFai), "    0.57735");
    }

    // The worked design load on its step: W = 25.00 kN over x = 2.000 m,
    // ΔPr = 1.80·12.5·sin 30° − 12.5·cos 30°·tan 30° = 5.0; S = (50.0 +
    // 5.0)·2.000 / 1 = 110.0; Pt = 110.0 / cos 45° = 155.56. PFs is ticked
    // (110.0 / (cos 45°·1.80) = 86.42) and unticked again.
    void DesignLoad(DesignLoadStep* w) {
        if (w->Label3) {
            EXPECT_EQ(Shown(w->Label3), "   110.0");
        }
        EXPECT_EQ(Shown(w->Label16), "     5.0");
        EXPECT_EQ(Shown(w->DeltaPrUnit), "(kN/m)");
        EXPECT_EQ(Shown(w->Label19), "cosβ");
        EXPECT_EQ(Shown(w->Label21), "   155.6");
        ASSERT_TRUE(w->SSOption1[1]->isChecked());
        Tick(w->Check1);
        EXPECT_EQ(Shown(w->Label21), "    86.4");
        Tick(w->Check1);
        EXPECT_EQ(Shown(w->Label21), "   155.6");
        EXPECT_FALSE(w->Check1->isChecked());
    }
};

// Rock bolts: the restraint conditions, the design load, the steel (bar
// stepped from D25 to D35), the bolt length and the load sharing.
TEST_F(AnchorWalk, RockBolts) {
    FrameOfTheWorkedDesign(3);
    Open(3, 0, 5);
    auto* yokusi = At<N8yokusi>(5);
    auto* load = At<NIrockst>(6);
    auto* steel = At<NArock1>(7);
    auto* length = At<NBrock2>(8);
    auto* share = At<NJrocktb>(9);
    ASSERT_TRUE(yokusi && load && steel && length && share);

    RestraintConditions(yokusi, "ロックボルト施工段数が縦枠のロックボルト数を下回っています。");
    Next(yokusi, 6);

    DesignLoad(load);
    Next(load, 7);

    // D25 (As 506.7) stepped up three times: D29, D32, D35 (As 956.6).
    EXPECT_EQ(Shown(steel->Label21).find("506.7") != std::string::npos, true);
    Key(steel->Text1, "120");
    Key(steel->Text2, "180");
    TabOut(steel->Text2);
    for (int i = 0; i < 3; ++i) ClickOn(steel->UpDown1->UpButton());
    EXPECT_NE(Shown(steel->Text7).find("D35"), std::string::npos);
    // τs = 110.0·1000 / 956.6 = 114.99 → 115.0 ≦ 120; σs = 155.6·1000 /
    // 956.6 = 162.66 → 162.7 ≦ 180 (each rounded up to 0.1).
    EXPECT_EQ(Shown(steel->Label23), "   115.0");
    EXPECT_EQ(Shown(steel->Label24), "   162.7");
    EXPECT_EQ(Shown(steel->Label25), "ok");
    EXPECT_EQ(Shown(steel->Label26), "ok");
    Next(steel, 8);

    // ds of D35 = 34.9 mm. T = 155 600 N:
    // La1 = T·Fs / (π·da·τ) = 155600·2.5 / (π·0.065·0.60·10⁶) = 3.1749 →
    //   3.175 → 3.2; La2 = T / (π·ds·τb) = 155600 / (π·0.0349·1.60·10⁶) =
    //   0.88698 → 0.887 → 0.9; La = 3.5 passes both; LA = 3.5 + 1.5 = 5.0.
    EXPECT_EQ(Shown(length->Label14), "   34.9");
    Key(length->Text1, "65");
    Key(length->Text2, "0.6");
    Key(length->Text3, "1.6");
    Key(length->Text4, "2.5");
    Key(length->Text5, "3.5");
    Key(length->Text7, "1.5");
    TabOut(length->Text7);
    EXPECT_EQ(Shown(length->Label15), "    3.2");
    EXPECT_EQ(Shown(length->Label16), "    0.9");
    EXPECT_EQ(Shown(length->Label17), "    5.0");
    EXPECT_EQ(Fore(length->Text5), kBlack);
    Next(length, 9);

    // ℓ1 by the vertical pitch (its text clicked), pattern 2 (its first ℓ
    // picture clicked): w_y = 155.6 / 3.500 = 44.457, w_x = 155.6 /
    // (6.800 / 4) = 155.6 / 1.700 = 91.529.
    EXPECT_EQ(Shown(share->lblPt), "  155.6");
    EXPECT_EQ(Shown(share->Label7[2]), "= ロックボルト縦ピッチ");
    ClickOn(share->lblOption1[1]);
    ClickOn(share->Picture3[2]);
    EXPECT_TRUE(share->SSOption1[1]->isChecked());
    EXPECT_TRUE(share->SSOption3[2]->isChecked());
    const std::int16_t changed = DataChanged;
    Shoot("anchor_walk_3");
    Next(share, 10);
    ExpectArrivedAt(10, "NKrockmoment");

    const DesignData& d = Design;
    ExpectFields({
        {"PlanFs", d.PlanFs, "    1.80"},
        {"Pr", d.Pr, "   50.0"},
        {"SlipAngle", d.SlipAngle, "   30.00"},
        {"RowCount", d.RowCount, "    1"},
        {"InstallAngle", d.InstallAngle, "   15.00"},
        {"FrictionAngle", d.FrictionAngle, "   30.00"},
        {"TanPhi", d.TanPhi, "    0.57735"},
        {"HorizSpacing", d.HorizSpacing, "    2.000"},
        // Wcy = 25.0·0.2·0.2·16.000, Wcx = 0.2·0.2·1.800·5·25.0.
        {"SekkeiWcy", d.SekkeiWcy, "16.00"},
        {"SekkeiWcx", d.SekkeiWcx, "9.00"},
        {"SekkeiW", d.SekkeiW, "25.00"},
        {"DeltaPrCalc", d.DeltaPrCalc, "5.0"},
        {"DeltaPr", d.DeltaPr, "5.0"},
        {"RockS", d.RockS, "110.0"},
        {"PtCalc", d.PtCalc, "155.6"},
        {"Pt", d.Pt, "155.6"},
        {"RockTauSa", d.RockTauSa, "   120"},
        {"RockSigmaSa", d.RockSigmaSa, "   180"},
        {"RockTau", d.RockTau, "115.0"},
        {"RockSigma", d.RockSigma, "162.7"},
        {"RockDa", d.RockDa, "   65"},
        {"RockTauG", d.RockTauG, "    0.60"},
        {"RockTauB", d.RockTauB, "    1.60"},
        {"RockFs", d.RockFs, "    2.5"},
        {"RockLa", d.RockLa, "    3.5"},
        {"RockLf", d.RockLf, "    1.5"},
        {"BondLa1Up", d.BondLa1Up, "3.2"},
        {"BondLa2Up", d.BondLa2Up, "0.9"},
        {"RockLength", d.RockLength, "5.0"},
        // ℓ1 = the pitch as the layout step keeps it (as typed); ℓ2 = 6.800 / 4.
        {"TateShareL", d.TateShareL, "  3.500"},
        {"YokoShareL", d.YokoShareL, "1.700"},
        {"TateToubunpu", d.TateToubunpu, "44.46"},
        {"YokoToubunpu", d.YokoToubunpu, "91.53"},
    });
    EXPECT_EQ(d.RestraintMode, 1);
    EXPECT_EQ(d.UsePlanFs, 0);
    EXPECT_EQ(d.RockBarIndex, 8);
    EXPECT_EQ(d.TateShareMode, 1);
    EXPECT_EQ(d.YokoShareMode, 0);
    EXPECT_EQ(d.ToubunpuMode, 2);
    EXPECT_EQ(d.Staggered, 0);
    EXPECT_EQ(changed, 1);
}

// Ground anchors: the restraint conditions, the design load, the tendon,
// the anchor length, the load sharing, then past the force and material
// steps to the bearing pressure and the plate.
TEST_F(AnchorWalk, GroundAnchors) {
    FrameOfTheWorkedDesign(4);
    Open(4, 0, 5);
    auto* yokusi = At<N8yokusi>(5);
    auto* load = At<NIrockpt>(6);
    auto* tendon = At<NAgrand1>(7);
    auto* length = At<NBgrand2>(8);
    auto* share = At<NJrocktb>(9);
    auto* bearing = At<NMsiatu>(13);
    auto* plate = At<NMprate>(14);
    ASSERT_TRUE(yokusi && load && tendon && length && share && bearing && plate);

    RestraintConditions(yokusi, "アンカー施工段数が縦枠のアンカー数を下回っています。");
    Next(yokusi, 6);

    // Pt = (50.0 + 5.0) / cos 45°·2.000 / 1 = 155.56.
    DesignLoad(load);
    EXPECT_EQ(load->findChild<QLabel*>("Label3"), nullptr);
    Next(load, 7);

    // A permanent anchor (normal state): 0.60·261 = 156.60 ≧ 155.6 and
    // 0.75·222 = 166.50 ≧ 155.6; needed 155.6 / 0.60 = 259.3 and
    // 155.6 / 0.75 = 207.5.
    Key(tendon->txtSteelName, "PC鋼より線");
    Key(tendon->txtStandardName, "SWPR7BL 1S15.2");
    Key(tendon->txtTus, "261");
    Key(tendon->txtTys, "222");
    TabOut(tendon->txtTys);
    Tick(tendon->optAnchorSelect[1]);
    EXPECT_EQ(Shown(tendon->Label1), "0.60");
    EXPECT_EQ(Shown(tendon->Label2), "0.75");
    EXPECT_EQ(Shown(tendon->lblAncTus), " 156.60");
    EXPECT_EQ(Shown(tendon->lblAncTys), " 166.50");
    EXPECT_EQ(Shown(tendon->Label25), "ok");
    EXPECT_EQ(Shown(tendon->Label26), "ok");
    EXPECT_EQ(Shown(tendon->lblNeedTus), "  259.3");
    EXPECT_EQ(Shown(tendon->lblNeedTys), "  207.5");
    Next(tendon, 8);

    // T = 155 600 N: La1 = 155600·2.5 / (π·0.115·0.60·10⁶) = 1.7945 → 1.795
    // → 1.8; La2 = 155600 / (π·0.0152·0.80·10⁶) = 4.0731 → 4.074 → 4.1;
    // La = 4.5 passes both and lies in 3 to 10; Lf = 5.0 in 4 to 30;
    // LA = 9.5.
    Key(length->txtds, "15.2");
    Key(length->txtda, "115");
    Key(length->txtTau, "0.6");
    Key(length->txtTaub, "0.8");
    Key(length->txtFs, "2.5");
    Key(length->txtLa, "4.5");
    Key(length->txtLf, "5");
    TabOut(length->txtLf);
    EXPECT_EQ(Shown(length->lblLa1), "    1.8");
    EXPECT_EQ(Shown(length->lblLa2), "    4.1");
    EXPECT_EQ(Shown(length->lblLanc), "    9.5");
    EXPECT_EQ(Fore(length->txtLa), kBlack);
    EXPECT_EQ(Fore(length->txtLf), kBlack);
    Next(length, 9);

    // ℓ2 by the horizontal pitch (its picture), pattern 3 (its text):
    // w_y = 77.8 / (16.000 / 5) = 77.8 / 3.200 = 24.31, w_x = 77.8 / 2.000.
    EXPECT_EQ(Shown(share->Label8[2]), "= アンカー横ピッチ");
    ClickOn(share->Picture2[1]);
    ClickOn(share->lblOption3[3]);
    EXPECT_TRUE(share->SSOption2[1]->isChecked());
    EXPECT_TRUE(share->SSOption3[3]->isChecked());
    Next(share, 10);
    Next(host->manager->Step(10), 11);
    Next(host->manager->Step(11), 12);
    Next(host->manager->Step(12), 13);

    // b = 200 (the narrower beam), D = 150 (box-out of its class), u = 180:
    // A = 200² = 40000; Ap = 180² − π·150²/4 = 14728.5 → 14729;
    // σba = min((0.25 + 0.05·40000 / 14729)·18, 0.5·18) = min(6.944, 9.00)
    // → 6.94; σb = 155600 / 14729 = 10.564 → 10.57 > 6.94: out.
    Key(bearing->Text1, "180");
    TabOut(bearing->Text1);
    EXPECT_EQ(Shown(bearing->Label7).find("14729") != std::string::npos, true);
    EXPECT_EQ(Shown(bearing->Label8), "   10.57");
    EXPECT_EQ(Shown(bearing->Label22), "＞");
    EXPECT_EQ(Shown(bearing->Label20), "･･･out");
    Next(bearing, 14);

    // Pt/2 = 77800 N; M = 77800·150 / 4 = 2917500 N·mm;
    // t ≧ √(6·2917500 / (180·185)) = √525.68 = 22.93 → 23.0; t = 25 passes.
    Key(plate->txtStress, "185");
    Key(plate->txtPlateThick, "25");
    TabOut(plate->txtPlateThick);
    EXPECT_EQ(Shown(plate->lblMoment), " 2917500");
    EXPECT_EQ(Shown(plate->lblThick), "      23.0");
    EXPECT_EQ(Fore(plate->txtPlateThick), kBlack);
    const std::int16_t changed = DataChanged;
    Shoot("anchor_walk_4");
    Next(plate, 15);
    ExpectArrivedAt(15, "NNkekka");

    const DesignData& d = Design;
    ExpectFields({
        {"PlanFs", d.PlanFs, "    1.80"},
        {"Pr", d.Pr, "   50.0"},
        {"RowCount", d.RowCount, "    1"},
        {"DeltaPr", d.DeltaPr, "5.0"},
        {"RockS", d.RockS, ""},
        {"PtCalc", d.PtCalc, "155.6"},
        {"Pt", d.Pt, "155.6"},
        {"TendonName", d.TendonName, "PC鋼より線"},
        {"TendonStandard", d.TendonStandard, "SWPR7BL 1S15.2"},
        {"Tus", d.Tus, "   261"},
        {"Tys", d.Tys, "   222"},
        {"TusAllow", d.TusAllow, " 156.60"},
        {"TysAllow", d.TysAllow, " 166.50"},
        {"AnchorDs", d.AnchorDs, "   15.2"},
        {"AnchorDa", d.AnchorDa, "  115"},
        {"AnchorTauG", d.AnchorTauG, "    0.60"},
        {"AnchorTauB", d.AnchorTauB, "    0.80"},
        {"AnchorFs", d.AnchorFs, "    2.5"},
        {"AnchorLa", d.AnchorLa, "    4.5"},
        {"AnchorLf", d.AnchorLf, "    5.0"},
        {"AnchorLength", d.AnchorLength, "9.5"},
        {"BondLa1Up", d.BondLa1Up, "1.8"},
        {"BondLa2Up", d.BondLa2Up, "4.1"},
        {"TateShareL", d.TateShareL, "3.200"},
        {"YokoShareL", d.YokoShareL, " 2.000"},
        {"TateToubunpu", d.TateToubunpu, "24.31"},
        {"YokoToubunpu", d.YokoToubunpu, "38.90"},
        {"PlateU", d.PlateU, "    180"},
        {"SiatuFrameB", d.SiatuFrameB, " 200"},
        {"BoxOutD", d.BoxOutD, "150"},
        {"SiatuA", d.SiatuA, "40000"},
        {"Ap", d.Ap, "14729"},
        {"SigmaBa", d.SigmaBa, "6.94"},
        {"SigmaB", d.SigmaB, "10.57"},
        {"PlateSigma", d.PlateSigma, "   185"},
        {"PlateHalfPt", d.PlateHalfPt, "77800"},
        {"PlateM", d.PlateM, "2917500"},
        {"PlateTReq", d.PlateTReq, "23.0"},
        {"PlateT", d.PlateT, "      25"},
    });
    EXPECT_EQ(d.RestraintMode, 1);
    EXPECT_EQ(d.UsePlanFs, 0);
    EXPECT_EQ(d.AnchorKind, 1);
    EXPECT_EQ(d.TateShareMode, 0);
    EXPECT_EQ(d.YokoShareMode, 1);
    EXPECT_EQ(d.ToubunpuMode, 3);
    EXPECT_EQ(changed, 1);
}

// Ground anchors with the design load entered: the short chain goes from
// the gradient straight to the load sharing, where Pt is typed; the force
// step after it shares the load, and the bearing and plate steps use it.
TEST_F(AnchorWalk, GroundAnchorsWithTheLoadEntered) {
    FrameOfTheWorkedDesign(4);
    Open(4, 1, 5);
    auto* share = At<NJrocktb>(5);
    auto* bearing = At<NMsiatu>(9);
    auto* plate = At<NMprate>(10);
    ASSERT_TRUE(share && bearing && plate);

    EXPECT_TRUE(share->txtPt->isVisible());
    EXPECT_FALSE(share->lblPt->isVisible());
    // An entry with two decimals is refused and the stored (empty) value
    // comes back; then Pt = 40.0.
    messages.Expect(DecimalsMessage(1));
    Key(share->txtPt, "40.25");
    TabOut(share->txtPt);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Shown(share->txtPt), "");
    Key(share->txtPt, "40");
    TabOut(share->txtPt);
    EXPECT_EQ(Shown(share->txtPt), "   40.0");
    EXPECT_EQ(RecalcLoad, 1);
    Next(share, 6);
    ExpectArrivedAt(6, "NKrockmoment");
    // The force step ran the chain: w = 40.0 / (3.200 + 1.700) = 8.163.
    EXPECT_EQ(Design.Pt, "   40.0");
    EXPECT_EQ(Design.TateToubunpu, "8.16");
    EXPECT_EQ(RecalcLoad, 0);
    Next(host->manager->Step(6), 7);
    Next(host->manager->Step(7), 8);
    Next(host->manager->Step(8), 9);

    // Ap = 14729 as before; σb = 40000 / 14729 = 2.716 → 2.72 ≦ 6.94.
    Key(bearing->Text1, "180");
    TabOut(bearing->Text1);
    EXPECT_EQ(Shown(bearing->Label8), "    2.72");
    EXPECT_EQ(Shown(bearing->Label22), "≦");
    EXPECT_EQ(Shown(bearing->Label20), "･･･ok");
    Next(bearing, 10);

    // Pt/2 = 20000 N; M = 20000·150 / 4 = 750000 N·mm;
    // t ≧ √(6·750000 / (180·185)) = √135.14 = 11.62 → 11.7; t = 12 passes.
    Key(plate->txtStress, "185");
    Key(plate->txtPlateThick, "12");
    TabOut(plate->txtPlateThick);
    EXPECT_EQ(Shown(plate->lblThick), "      11.7");
    EXPECT_EQ(Fore(plate->txtPlateThick), kBlack);
    Shoot("anchor_walk_4_direct");
    Next(plate, 11);
    ExpectArrivedAt(11, "NNkekka");

    const DesignData& d = Design;
    ExpectFields({
        {"PtInput", d.PtInput, "   40.0"},
        {"Pt", d.Pt, "   40.0"},
        {"PtCalc", d.PtCalc, ""},
        {"TateShareL", d.TateShareL, "3.200"},
        {"YokoShareL", d.YokoShareL, "1.700"},
        {"TateToubunpu", d.TateToubunpu, "8.16"},
        {"YokoToubunpu", d.YokoToubunpu, "8.16"},
        {"PlateU", d.PlateU, "    180"},
        {"SigmaB", d.SigmaB, "2.72"},
        {"PlateSigma", d.PlateSigma, "   185"},
        {"PlateM", d.PlateM, "750000"},
        {"PlateTReq", d.PlateTReq, "11.7"},
        {"PlateT", d.PlateT, "      12"},
    });
    EXPECT_EQ(d.PtDirect, 1);
    EXPECT_EQ(d.TateShareMode, 0);
    EXPECT_EQ(d.YokoShareMode, 0);
    EXPECT_EQ(d.ToubunpuMode, 0);
}

// A design read from its file and walked through every step of its chain
// (to the results window) without an edit: nothing is marked changed.
struct OpenedCase {
    int workType;
    int ptDirect;
};

class OpenedDesignWalk : public AnchorWalk, public ::testing::WithParamInterface<OpenedCase> {
protected:
    // Every step from the first to the results window, with its next
    // button; returns DataChanged at the end.
    std::int16_t WalkEveryStep(const OpenedCase& c) {
        Open(c.workType, c.ptDirect, 1);
        const int count = host->manager->StepForms()->Count();
        for (int step = 1; step < count; ++step) {
            SCOPED_TRACE(host->manager->Step(step)->ClassName().toStdString());
            Next(host->manager->Step(step), step + 1);
        }
        ExpectArrivedAt(count, "NNkekka");
        return DataChanged;
    }
};

TEST_P(OpenedDesignWalk, WalkingWithoutAnEditChangesNothing) {
    const OpenedCase c = GetParam();
    // The worked design with the anchorage filled in and other choices than
    // a new design's, walked once and saved as the program holds it.
    FillWorkedAnchorDesign(static_cast<std::int16_t>(c.workType));
    // A layout of its own (not on every grid point) and a plate thick
    // enough: the steps have nothing to warn of.
    Design.AllGridPoints = 0;
    Design.PlateT = "      25";
    Design.PtInput = c.ptDirect ? "   40.0" : "";
    Design.UsePlanFs = 1;
    Design.RestraintMode = 2;
    Design.TateShareMode = 1;
    Design.ToubunpuMode = 2;
    WalkEveryStep(c);
    const std::string saved = SerializeDesign(Design);
    ASSERT_FALSE(saved.empty());
    host->manager->CloseSteps();
    PumpEvents();

    // Opened again: every flag raised, nothing changed; then every step.
    ResetProgramState();
    DesignData read;
    ASSERT_EQ(ParseDesignBytes(saved, read), DesignReadStatus::Ok);
    Design = read;
    EXPECT_EQ(WalkEveryStep(c), 0);
    EXPECT_EQ(SerializeDesign(Design), saved);
    EXPECT_EQ(Design.RestraintMode, 2);
    EXPECT_EQ(Design.UsePlanFs, 1);
    EXPECT_EQ(Design.TateShareMode, 1);
    EXPECT_EQ(Design.ToubunpuMode, 2);
}

INSTANTIATE_TEST_SUITE_P(Chains, OpenedDesignWalk,
                         ::testing::Values(OpenedCase{3, 0}, OpenedCase{4, 0}, OpenedCase{3, 1},
                                           OpenedCase{4, 1}),
                         [](const ::testing::TestParamInfo<OpenedCase>& info) {
                             return std::string(info.param.workType == 3 ? "RockBolts"
                                                                         : "GroundAnchors") +
                                    (info.param.ptDirect ? "LoadEntered" : "LoadWorkedOut");
                         });

}  // namespace
}  // namespace talvo::test
