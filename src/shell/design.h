// The record of one design and the program-wide open design.
//
// Numbers are held as their display texts (read back with the number-text
// helpers); only switches, modes, table indexes and a few counts are integers.
// Direction index 0 is the vertical beams (縦枠), 1 the horizontal beams (横枠).
// Work-type arrays are indexed by DesignData.WorkType (0 to 4).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace talvo {

struct DesignData {
    // work type: 0 wedge failure from the slope shoulder, 1 circular-arc failure in mid-slope, 2
    // greening foundation (horizontal beams only), 3 with rock bolts, 4 with ground anchors, 5 none
    // chosen [file 1]
    std::int16_t WorkType{5};
    // district name (地区名), at most 70 bytes [file 2]
    std::string DistrictName{};
    // survey-line name (測線名), at most 70 bytes [file 3]
    std::string LineName{};
    // remarks (備考), at most 70 bytes [file 4]
    std::string Remarks{};
    // width b_x of the horizontal beam section, mm [file 5]
    std::string SectionBx{};
    // height h_x of the horizontal beam section, mm [file 6]
    std::string SectionHx{};
    // effective height d_x of the horizontal beam section, mm [file 7]
    std::string SectionDx{};
    // width b_y of the vertical beam section, mm [file 8]
    std::string SectionBy{};
    // height h_y of the vertical beam section, mm [file 9]
    std::string SectionHy{};
    // effective height d_y of the vertical beam section, mm [file 10]
    std::string SectionDy{};
    // 1: both directions have the same section (縦横同じ寸法), one result set, the design forces
    // are the larger of both directions; 0: separate sections [file 11]
    std::int16_t SameSection{1};
    // number of spans n_x of the horizontal beam (across the slope) [file 13]
    std::string SpanCountX{};
    // number of spans n_y of the vertical beam (down the slope) [file 12]
    std::string SpanCountY{};
    // span x of the horizontal beam (spacing of the vertical beams), m [file 15]
    std::string SpanX{};
    // span y of the vertical beam (spacing of the horizontal beams), m [file 14]
    std::string SpanY{};
    // upper overhang c of the vertical beam (上張出し長), m [file 16]
    std::string OverhangUpper{};
    // lower overhang d of the vertical beam (下張出し長), m [file 17]
    std::string OverhangLower{};
    // left overhang a of the horizontal beam (左張出し長), m [file 18]
    std::string OverhangLeft{};
    // right overhang b of the horizontal beam (右張出し長), m [file 19]
    std::string OverhangRight{};
    // number of anchors or bolts along the vertical beam (アンカー数 n_y) [file 20]
    std::string AnchorCountY{};
    // number of anchors or bolts along the horizontal beam (アンカー数 n_x) [file 21]
    std::string AnchorCountX{};
    // vertical pitch py (縦ピッチ), m [file 22]
    std::string PitchY{};
    // horizontal pitch px (横ピッチ), m [file 23]
    std::string PitchX{};
    // upper overhang pc of the anchor layout, m [file 24]
    std::string AnchorOverhangUpper{};
    // lower overhang pd of the anchor layout, m [file 25]
    std::string AnchorOverhangLower{};
    // left overhang pa of the anchor layout, m [file 26]
    std::string AnchorOverhangLeft{};
    // right overhang pb of the anchor layout, m [file 27]
    std::string AnchorOverhangRight{};
    // soil type of the moving soil mass (移動土塊 土質) [file 28]
    std::string SoilName{};
    // unit weight γt of the moving soil mass, kN/m³ [file 29]
    std::string SoilGamma{};
    // remarks on the snow (積雪 備考) [file 30]
    std::string SnowRemarks{};
    // snow depth h_s (積雪深), m [file 31]
    std::string SnowDepth{};
    // unit weight γs of the snow, kN/m³ [file 32]
    std::string SnowGamma{};
    // infill material name (中詰め材 材料名) [file 33]
    std::string InfillName{};
    // infill thickness h_e, mm [file 34]
    std::string InfillThick{};
    // unit weight γe of the infill, kN/m³ [file 35]
    std::string InfillGamma{};
    // frame material name (のり枠 材料名) [file 36]
    std::string FrameMaterial{};
    // unit weight γc of the frame, kN/m³ [file 37]
    std::string FrameGamma{};
    // slope gradient n of 1:n (のり勾配) [file 38]
    std::string SlopeN{};
    // slope angle θ0, degrees [file 39]
    std::string SlopeAngle{};
    // total length L_y of the frame down the slope = n_y·y + c + d (also the slope length のり長),
    // m [file 40]
    std::string TotalLengthY{};
    // total width L_x of the frame across the slope = n_x·x + a + b, m [file 41]
    std::string TotalLengthX{};
    // slope height H = L_y·sin θ0 (のり高), m [file 42]
    std::string SlopeHeight{};
    // how the gradient is entered: 1 as the ratio 1:n (比率入力), 0 as the angle (角度入力) [file
    // 43]
    std::int16_t SlopeInputMode{1};
    // planned safety factor PFs of the slope (のり面の計画安全率) [file 44]
    std::string PlanFs{};
    // required restraining force Pr (必要抑止力), kN/m [file 45]
    std::string Pr{};
    // slip-surface gradient θ (すべり面勾配), degrees [file 46]
    std::string SlipAngle{};
    // horizontal spacing of the anchors or bolts (水平間隔): the horizontal pitch, halved for a
    // staggered layout, m [file 47]
    std::string HorizSpacing{};
    // number of installation rows n (施工段数) [file 48]
    std::string RowCount{};
    // installation angle α of the anchors or bolts (打設傾角), degrees [file 49]
    std::string InstallAngle{};
    // internal friction angle φ of the surface layer (表層部の内部摩擦角), degrees [file 50]
    std::string FrictionAngle{};
    // tan φ of the surface layer [file 51]
    std::string TanPhi{};
    // how the friction is entered: 0 as the angle φ (角度入力), 1 as tan φ (tanφ入力) [file 52]
    std::int16_t FrictionInputMode{0};
    // wedge: length L1 along the slope face from the shoulder (the loaded length of the vertical
    // beam), m [file 53]
    std::string KusabiL1{};
    // wedge: horizontal side L2 of the wedge section (section area L2·H/2), m [file 54]
    std::string KusabiL2{};
    // wedge: height H of the wedge section, m [file 55]
    std::string KusabiH{};
    // wedge: slip-plane angle α, degrees [file 56]
    std::string KusabiAlpha{};
    // which pair of L1, L2, H, α is entered, 0 to 4 [file 57]
    std::int16_t KusabiInputMode{0};
    // arc: failure length L1, the chord along the slope (崩壊の長さ), m [file 58]
    std::string EnkoL1{};
    // arc: failure depth L2 (崩壊の深さ), m [file 59]
    std::string EnkoL2{};
    // arc: distance L3 from the slope shoulder to the top of the failure, m [file 60]
    std::string EnkoL3{};
    // safety-factor increase ΔFs that the frame must carry against sliding, work types 0 and 1
    // [file 61]
    std::string DeltaFs{};
    // maximum bending moment of the vertical beam, kN·m
    std::array<std::string, 5> TateMmax{};
    // maximum shear force of the vertical beam, kN
    std::array<std::string, 5> TateSmax{};
    // load Q = W·sin θ0 in the slope direction on one horizontal span (W = `DesignData.YokoW`),
    // also the shear load of the main anchor bar, kN
    std::string YokoQ{};
    // distributed load w = Q/x on the horizontal beam, kN/m
    std::string YokoLoadW{};
    // maximum bending moment of the horizontal beam (the larger magnitude of span and overhang),
    // kN·m
    std::array<std::string, 5> YokoMmax{};
    // maximum shear force of the horizontal beam, kN
    std::array<std::string, 5> YokoSmax{};
    // entered distance x of the shear check position from the support, m [file 62 + 4·i]
    std::array<std::string, 5> ShearXInput{"0.000", "0.000", "0.000", "0.000", "0.000"};
    // distance x used for the vertical beam's shear check, m [file 63 + 4·i]
    std::array<std::string, 5> TateShearX{};
    // distance x used for the horizontal beam's shear check, m [file 64 + 4·i]
    std::array<std::string, 5> YokoShearX{"0.000", "0.000", "0.000", "0.000", "0.000"};
    // shear check position: 0 the entered x, 1 x = b/2, 2 x = b/2 + h/2 (支点より離れた位置) [file
    // 65 + 4·i]
    std::array<std::int16_t, 5> ShearXMode{};
    // maximum bending moment by direction and part (0 span, 1 overhang), kN·m
    std::array<std::array<std::string, 2>, 2> Mmax{};
    // maximum shear force by direction and part, kN
    std::array<std::array<std::string, 2>, 2> Smax{};
    // design strength of the concrete σck (設計基準強度), N/mm² [file 82]
    std::string SigmaCk{};
    // allowable compressive stress of the concrete σca, N/mm² [file 83]
    std::string SigmaCa{};
    // allowable shear stress of the concrete τca, N/mm² [file 84]
    std::string TauCa{};
    // allowable bond stress τoa, N/mm² [file 85]
    std::string TauOa{};
    // allowable tensile stress of the rebar σsa, N/mm² [file 86]
    std::string SigmaSa{};
    // shear stress check: 1 maximum τ = S/(b·j·d), 0 average τ = S/(b·d) [file 87]
    std::int16_t ShearStressMode{1};
    // allowable shear stress τsa of the bar steel, N/mm² [file 88]
    std::string AncBarTauSa{};
    // bar size, index into `RebarSpecTable` [file 89]
    std::int16_t AncBarIndex{4};
    // design safety factor Fs [file 90]
    std::string AncBarFs{};
    // shear stress τs of the bar, N/mm² [file 91]
    std::string AncBarTauS{};
    // allowable shear stress τsa of the bolt steel, N/mm² [file 92]
    std::string RockTauSa{};
    // allowable tensile stress σsa of the bolt steel, N/mm² [file 93]
    std::string RockSigmaSa{};
    // bolt bar size, index into `RebarSpecTable` [file 94]
    std::int16_t RockBarIndex{5};
    // shear stress τ = S·1000/As of the bolt steel, N/mm² [file 95]
    std::string RockTau{};
    // tensile stress σ = Pt·1000/As of the bolt steel, N/mm² [file 96]
    std::string RockSigma{};
    // drill-hole diameter da (削孔径), mm [file 97]
    std::string RockDa{};
    // skin friction resistance τ of the ground (地盤の周面摩擦抵抗), N/mm² [file 98]
    std::string RockTauG{};
    // allowable bond stress τb between grout and steel, N/mm² [file 99]
    std::string RockTauB{};
    // safety factor Fs against pull-out (引き抜きに対する安全率) [file 100]
    std::string RockFs{};
    // reserved; only stored and reset [file 101]
    std::string RockSpare{};
    // anchorage length La (定着長), m [file 102]
    std::string RockLa{};
    // distance Lf from the ground surface to the assumed slip surface, m [file 103]
    std::string RockLf{};
    // bolt length LA = La + Lf (ロックボルト長), m [file 104]
    std::string RockLength{};
    // tendon steel name (鋼材名) [file 105]
    std::string TendonName{};
    // tendon standard name (規格名), at most 28 bytes [file 106]
    std::string TendonStandard{};
    // tendon tensile load Tus (引張荷重), kN [file 107]
    std::string Tus{};
    // tendon yield load Tys (降伏荷重), kN [file 108]
    std::string Tys{};
    // 0 temporary anchor (仮設アンカー), 1 permanent anchor, normal state (永久アンカー（常時）), 2
    // permanent anchor, earthquake (永久アンカー（地震時）) [file 109]
    std::int16_t AnchorKind{0};
    // factor on Tus
    std::array<std::string, 3> TusCoef{"0.65", "0.60", "0.75"};
    // factor on Tys
    std::array<std::string, 3> TysCoef{"0.80", "0.75", "0.90"};
    // allowable tendon load TusCoef·Tus, kN [file 110]
    std::string TusAllow{};
    // allowable tendon load TysCoef·Tys, kN [file 111]
    std::string TysAllow{};
    // apparent tendon diameter ds (テンドンの見かけ径), mm [file 112]
    std::string AnchorDs{};
    // drill-hole (anchor body) diameter da, mm [file 113]
    std::string AnchorDa{};
    // skin friction resistance τ of the ground, N/mm² [file 114]
    std::string AnchorTauG{};
    // allowable bond stress τb between grout and tendon, N/mm² [file 115]
    std::string AnchorTauB{};
    // safety factor Fs against pull-out [file 116]
    std::string AnchorFs{};
    // reserved; only stored and reset [file 117]
    std::string AnchorSpare{};
    // anchorage length La (定着長), m [file 118]
    std::string AnchorLa{};
    // free length Lf (自由長), m [file 119]
    std::string AnchorLf{};
    // anchor length LA = La + Lf (アンカー長), m [file 120]
    std::string AnchorLength{};
    // plate width u (プレートの幅), mm [file 124]
    std::string PlateU{};
    // beam width used for the bearing check, the smaller of b_y and b_x, mm
    std::string SiatuFrameB{};
    // box-out diameter D of the anchor head (アンカーの箱抜き径), mm
    std::string BoxOutD{};
    // concrete bearing area A, mm²
    std::string SiatuA{};
    // plate bearing area Ap = u² − π·D²/4, mm²
    std::string Ap{};
    // candidate allowable bearing stress (0.25 + 0.05·A/Ap)·σck, N/mm²
    std::string SigmaBa1{};
    // candidate allowable bearing stress 0.5·σck, N/mm²
    std::string SigmaBa2{};
    // allowable bearing stress σba, the smaller candidate, N/mm²
    std::string SigmaBa{};
    // bearing stress σb = Pt·1000/Ap, N/mm²
    std::string SigmaB{};
    // allowable bending stress σ of the plate (プレートの許容曲げ応力度), N/mm² [file 125]
    std::string PlateSigma{};
    // plate load Pt/2, N
    std::string PlateHalfPt{};
    // plate bending moment M = (Pt/2)·D/4, N·mm
    std::string PlateM{};
    // required plate thickness √(6M/(u·σ)), rounded up to 0.1 mm
    std::string PlateTReq{};
    // plate thickness t, mm [file 126]
    std::string PlateT{};
    // result set whose print row is being chosen: 0 vertical beams, 1 horizontal beams (1 for work
    // type 2 or when `DesignData.SameSection` is 1); index into `DesignData.KekkaPrintRow`
    std::int16_t KekkaTab{0};
    // main rebar size of the row, index into `RebarSpecTable`
    std::array<std::int16_t, 12> KekkaBar{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5};
    // number of main bars (本数)
    std::array<std::string, 12> KekkaBarCount{"0", "0", "0", "0", "0", "0",
                                              "0", "0", "0", "0", "0", "0"};
    // rebar area As provided, mm²
    std::array<std::string, 12> KekkaAs{};
    // rebar tensile stress σs, N/mm²
    std::array<std::string, 12> KekkaSigmaS{};
    // concrete compressive stress σc, N/mm²
    std::array<std::string, 12> KekkaSigmaC{};
    // concrete shear stress τc, N/mm²
    std::array<std::string, 12> KekkaTauC{};
    // bond stress τo, N/mm²
    std::array<std::string, 12> KekkaTauO{};
    // stirrup bar size, index into `RebarSpecTable`, 99 no stirrup
    std::array<std::int16_t, 12> KekkaStirrupBar{99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
    // number of stirrup legs (スターラップ 本数)
    std::array<std::string, 12> KekkaStirrupCount{};
    // adopted stirrup spacing (間隔), mm, or "err"
    std::array<std::string, 12> KekkaStirrupPitch{};
    // required stirrup spacing, integer mm, "***" above 999, or "err"
    std::array<std::string, 12> KekkaStirrupPitchReq{};
    // row chosen for the report within the set, 1 to 6; 0 none
    std::array<std::int16_t, 2> KekkaPrintRow{};
    // required rebar area, mm²
    std::array<double, 2> RequiredAs{};
    // number of main bars of that size that fit the vertical beam at the set cover and spacing, 0
    // when the size does not fit
    std::array<std::int16_t, 12> TateBarFit{};
    // the same for the horizontal beam
    std::array<std::int16_t, 12> YokoBarFit{};
    // rebar ratio p = As/(b·d)
    std::array<std::array<std::string, 12>, 2> KekkaP{};
    // neutral-axis ratio k
    std::array<std::array<std::string, 12>, 2> KekkaK{};
    // lever-arm ratio j = 1 − k/3
    std::array<std::array<std::string, 12>, 2> KekkaJ{};
    // ratio m = k/(2p), the ratio σs/σc
    std::array<std::array<std::string, 12>, 2> KekkaM{};
    // shear force carried by the concrete Sc, N
    std::array<std::string, 12> KekkaSc{};
    // shear force left to the stirrups Ss = S − Sc, N
    std::array<std::string, 12> KekkaSs{};
    // number N of horizontal beams within the failure part
    std::string HoukaiN{};
    // wedge: weight Wcy of the vertical beam in the failure part, kN
    std::string HoukaiWcy{};
    // wedge: weight Wcx of the horizontal beams in the failure part, kN
    std::string HoukaiWcx{};
    // wedge: frame weight Wc = Wcy + Wcx, kN
    std::string HoukaiWc{};
    // infill weight We, kN
    std::string HoukaiWe{};
    // weight Wt of the moving soil mass per beam spacing x, kN
    std::string HoukaiWt{};
    // load W on one vertical beam, kN
    std::string HoukaiW{};
    // reserved; only reset
    std::string HoukaiSpare{};
    // arc radius R = (L2² + L1²/4)/(2·L2), m
    std::string EnkoRadius{};
    // central angle of the arc, degrees
    std::string EnkoAngle{};
    // load P on the vertical beam, kN
    std::string HoukaiP{};
    // part Pr of P acting on the beam as a concentrated load, kN
    std::string HoukaiPr{};
    // reserved; only reset
    std::string YokoSpare1{};
    // reserved; only reset
    std::string YokoSpare2{};
    // frame weight Wc, kN
    std::string YokoWc{};
    // infill weight We, kN
    std::string YokoWe{};
    // snow weight Ws, kN
    std::string YokoWs{};
    // total W = Wc + We + Ws, kN
    std::string YokoW{};
    // design snow depth, m
    std::string YokoSnowDepth{};
    // which of the three snow percentages of `SnowRule` applies, 0 to 2
    std::int16_t SnowClass{0};
    // reserved; only reset
    std::string SnowSpare{};
    // frame-width class 0 to 5 of the beam last evaluated by the main-rebar count
    std::int16_t SizeClass{0};
    // number of vertical beams n_x + 1
    std::string TateCount{};
    // number of horizontal beams n_y + 1
    std::string YokoCount{};
    // shear force S per rock bolt, kN/本
    std::string RockS{};
    // increase ΔPr of the restraining force as used, kN/m
    std::string DeltaPr{};
    // weight Wcy of the vertical beam per horizontal span, kN
    std::string SekkeiWcy{};
    // weight Wcx of the horizontal beams per horizontal span, kN
    std::string SekkeiWcx{};
    // frame weight Wc = Wcy + Wcx, kN
    std::string SekkeiWc{};
    // infill weight We, kN
    std::string SekkeiWe{};
    // snow weight Ws, kN
    std::string SekkeiWs{};
    // total weight W = Wc + We + Ws per horizontal span, kN
    std::string SekkeiW{};
    // design load Pt per anchor or bolt in use (`DesignData.PtInput` when `DesignData.PtDirect` is
    // 1, else `DesignData.PtCalc`), kN/本
    std::string Pt{};
    // length of vertical beam that shares one anchor's load, m
    std::string TateShareL{};
    // length of horizontal beam that shares one anchor's load, m
    std::string YokoShareL{};
    // uniformly distributed load on the vertical beam from Pt, kN/m
    std::string TateToubunpu{};
    // uniformly distributed load on the horizontal beam from Pt, kN/m
    std::string YokoToubunpu{};
    // vertical sharing length: 0 total vertical beam length ÷ anchor count, 1 vertical pitch [file
    // 121]
    std::int16_t TateShareMode{0};
    // horizontal sharing length: 0 total width ÷ anchor count, 1 horizontal pitch [file 122]
    std::int16_t YokoShareMode{0};
    // distributed-load pattern 0 to 3 (等分布荷重) [file 123]
    std::int16_t ToubunpuMode{0};
    // required bond length between ground and grout La1 = T/(π·da·τ), m, unrounded
    std::string BondLa1{};
    // required bond length between grout and steel or tendon La2 = T/(π·ds·τb), m, unrounded
    std::string BondLa2{};
    // La1 rounded up to 0.1 m
    std::string BondLa1Up{};
    // La2 rounded up to 0.1 m
    std::string BondLa2Up{};
    // design bending moment when both directions share one section, kN·m
    std::string DesignMmax{};
    // design shear force when both directions share one section, kN
    std::string DesignSmax{};
    // required rebar area for `DesignData.DesignMmax`, mm²
    double DesignAsReq{0};
    // computed increase of the restraining force ΔPr (may be negative), kN/m
    std::string DeltaPrCalc{};
    // restraint effect (抑止効果): 0 tightening (締め付け), 1 holding (引き止め), 2 both [file 127]
    std::int16_t RestraintMode{1};
    // 1: the planned safety factor PFs enters the design load (計画安全率を考慮する) [file 128]
    std::int16_t UsePlanFs{0};
    // design load Pt per anchor or bolt as computed, kN/本 [file 129]
    std::string PtCalc{};
    // design load Pt entered directly, kN/本 [file 130]
    std::string PtInput{};
    // 1: Pt is entered directly (設計荷重Ｐtを直接入力); the anchored types then skip their four
    // steps from the restraint conditions to the anchorage length [file 131]
    std::int16_t PtDirect{0};
    // 1: the infill weight is considered (中詰め材 考慮する) [file 132]
    std::int16_t UseInfill{1};
    // 1: the snow is considered (積雪 考慮する) [file 133]
    std::int16_t UseSnow{0};
    // 1: staggered anchor or bolt layout (千鳥配置) [file 134]
    std::int16_t Staggered{0};
    // 1: anchors or bolts at all grid points of the frame (全格子点に配置) [file 135]
    std::int16_t AllGridPoints{1};

    // Field by field; lets a test compare a record read back from a file with
    // the one that was written.
    bool operator==(const DesignData&) const = default;
};

// The open design.
extern DesignData Design;

// Text colours of the result cells (set, column, row): 0 plain (or within
// its limit), red for OUT, blue for a value the engineer stepped.
constexpr std::int32_t ColorOut = 0x0000FF;  // RGB(255, 0, 0) in 0x00BBGGRR form
constexpr std::int32_t ColorOk = 0xFF0000;   // RGB(0, 0, 255): the blue of a stepped value
extern std::array<std::array<std::array<std::int32_t, 6>, 11>, 2> ResultColor;

// Gives Design the values of a new design (no work type chosen) and clears
// the result colours, the rows' stirrup marks and the five recalculation
// flags. Leaves DataChanged, CurrentFile, TargetFile, StepMode, the print
// rows and the tables alone.
void InitDesignData();

}  // namespace talvo
