#include "steps/entrytable.h"

#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/stepchain.h"
#include "steps/groundanchor.h"
#include "steps/loadsharing.h"

namespace talvo {

namespace {

using D = DesignData;
using Flags = std::vector<std::int16_t*>;

template <std::string D::*Field>
std::string& F(D& d) {
    return d.*Field;
}

// The x of the check position of the shears, kept per work type.
std::string& ShearX(D& d) {
    static std::string none;
    return d.WorkType >= 0 && d.WorkType < 5 ? d.ShearXInput[static_cast<std::size_t>(d.WorkType)]
                                             : none;
}

// ---- When the chain reads a value ----

// The effective height of the vertical beams is read only where the vertical
// frame is a result set of its own.
bool TwoSets(const D& d) {
    return d.SameSection == 0 && d.WorkType != 2;
}
// The span down the slope is read while there is one (or while their count
// is still to be entered); with none, the upper and lower overhangs make the
// whole vertical beam.
bool VerticalSpans(const D& d) {
    return TrimBlanks(d.SpanCountY).empty() || NumVal(d.SpanCountY) != 0;
}
bool Infill(const D& d) {
    return d.UseInfill == 1;
}
bool Snow(const D& d) {
    return d.UseSnow == 1;
}
// Only the failure loads of the frames without anchors weigh the moving soil.
bool FailureLoads(const D& d) {
    return d.WorkType == 0 || d.WorkType == 1;
}
// The two values of the wedge entered by its input pattern; the other two
// are derived from them.
bool WedgeL1(const D& d) {
    return d.KusabiInputMode == 0 || d.KusabiInputMode == 1;
}
bool WedgeL2(const D& d) {
    return d.KusabiInputMode == 0 || d.KusabiInputMode == 2 || d.KusabiInputMode == 4;
}
bool WedgeH(const D& d) {
    return d.KusabiInputMode == 2 || d.KusabiInputMode == 3;
}
bool WedgeAlpha(const D& d) {
    return d.KusabiInputMode == 1 || d.KusabiInputMode == 3 || d.KusabiInputMode == 4;
}
bool FrictionByAngle(const D& d) {
    return d.FrictionInputMode == 0;
}
bool FrictionByTan(const D& d) {
    return d.FrictionInputMode == 1;
}
bool PtEntered(const D& d) {
    return d.PtDirect != 0;
}
// The x of the check position is read while the entered position is chosen.
bool ShearXEntered(const D& d) {
    return d.WorkType >= 0 && d.WorkType < 5 &&
           d.ShearXMode[static_cast<std::size_t>(d.WorkType)] == 0;
}

// The yield load of the tendon may not stand above its tensile load.
std::string TusPair(const D& d, const std::string& tus) {
    return TendonLoadsMessage(tus, d.Tys);
}
std::string TysPair(const D& d, const std::string& tys) {
    return TendonLoadsMessage(d.Tus, tys);
}

// ---- The tables, one per step ----

const Flags& FrameFlags() {
    static const Flags f = {&RecalcLoad, &RecalcForce, &RecalcAnchorBar};
    return f;
}

// 1. The sections of the vertical (y) and the horizontal (x) beams.
const std::vector<StepEntry>& SectionEntries() {
    static const std::vector<StepEntry> t = {
        {"txtWidth(0)", "by", F<&D::SectionBy>, 100, 1000, 0, 4, FrameFlags()},
        {"txtHeight(0)", "hy", F<&D::SectionHy>, 100, 1000, 0, 4, FrameFlags()},
        {"txtMidHeight(0)", "dy", F<&D::SectionDy>, 50, 1000, 0, 4, FrameFlags(), TwoSets},
        {"txtWidth(1)", "bx", F<&D::SectionBx>, 100, 1000, 0, 4, FrameFlags()},
        {"txtHeight(1)", "hx", F<&D::SectionHx>, 100, 1000, 0, 4, FrameFlags()},
        {"txtMidHeight(1)", "dx", F<&D::SectionDx>, 50, 1000, 0, 4, FrameFlags()},
    };
    return t;
}

// 2. The spans of the frames without anchors. Every overhang counts in the
// total lengths and in the overhang moments.
const std::vector<StepEntry>& SpanEntries() {
    static const std::vector<StepEntry> t = {
        {"txtSpanNum(0)", "縦枠スパン数", F<&D::SpanCountY>, 0, 98, 0, 3, FrameFlags()},
        {"txtSpanLength(0)", "ℓy", F<&D::SpanY>, 1, 10, 3, 3, FrameFlags(), VerticalSpans},
        {"txtUpper(0)", "ℓc", F<&D::OverhangUpper>, 0, 10, 3, 3, FrameFlags()},
        {"txtDown(0)", "ℓd", F<&D::OverhangLower>, 0, 10, 3, 3, FrameFlags()},
        {"txtSpanNum(1)", "横枠スパン数", F<&D::SpanCountX>, 1, 98, 0, 3, FrameFlags()},
        {"txtSpanLength(1)", "ℓx", F<&D::SpanX>, 1, 10, 3, 3, FrameFlags()},
        {"txtUpper(1)", "ℓa", F<&D::OverhangLeft>, 0, 10, 3, 3, FrameFlags()},
        {"txtDown(1)", "ℓb", F<&D::OverhangRight>, 0, 10, 3, 3, FrameFlags()},
    };
    return t;
}

// 2. The spans and the grid of rock bolts or anchors of the anchored frames.
const std::vector<StepEntry>& LayoutEntries() {
    static const Flags anchors = {&RecalcLoad, &RecalcForce};
    static const std::vector<StepEntry> t = {
        {"Text1", "縦枠スパン数", F<&D::SpanCountY>, 0, 98, 0, 3, FrameFlags()},
        {"Text7", "ℓy", F<&D::SpanY>, 1, 10, 3, 3, FrameFlags(), VerticalSpans},
        {"Text3", "ℓc", F<&D::OverhangUpper>, 0, 10, 3, 3, FrameFlags()},
        {"Text4", "ℓd", F<&D::OverhangLower>, 0, 10, 3, 3, FrameFlags()},
        {"Text11", "ny", F<&D::AnchorCountY>, 1, 99, 0, 3, anchors},
        {"Text17", "ℓpy", F<&D::PitchY>, 1, 10, 3, 3, anchors},
        {"Text13", "ℓpc", F<&D::AnchorOverhangUpper>, 0, 10, 3, 3, anchors},
        {"Text14", "ℓpd", F<&D::AnchorOverhangLower>, 0, 10, 3, 3, anchors},
        {"Text2", "横枠スパン数", F<&D::SpanCountX>, 1, 98, 0, 3, FrameFlags()},
        {"Text8", "ℓx", F<&D::SpanX>, 1, 10, 3, 3, FrameFlags()},
        {"Text5", "ℓa", F<&D::OverhangLeft>, 0, 10, 3, 3, FrameFlags()},
        {"Text6", "ℓb", F<&D::OverhangRight>, 0, 10, 3, 3, FrameFlags()},
        {"Text12", "nx", F<&D::AnchorCountX>, 2, 99, 0, 3, anchors},
        {"Text18", "ℓpx", F<&D::PitchX>, 1, 10, 3, 3, anchors},
        {"Text15", "ℓpa", F<&D::AnchorOverhangLeft>, 0, 10, 3, 3, anchors},
        {"Text16", "ℓpb", F<&D::AnchorOverhangRight>, 0, 10, 3, 3, anchors},
    };
    return t;
}

// 3. The unit weights of the frame, the infill, the snow and the soil.
const std::vector<StepEntry>& WeightEntries() {
    static const std::vector<StepEntry> t = {
        {"txtWeight(0)", "γc", F<&D::FrameGamma>, 0.1, 99.9, 1, 5, FrameFlags()},
        {"txtWeight(1)", "γe", F<&D::InfillGamma>, 0.1, 99.9, 1, 5, FrameFlags(), Infill},
        {"txtThick(0)", "he", F<&D::InfillThick>, 1, 1000, 0, 5, FrameFlags(), Infill},
        {"txtWeight(2)", "γs", F<&D::SnowGamma>, 0.1, 99.9, 1, 5, FrameFlags(), Snow},
        {"txtThick(1)", "hs", F<&D::SnowDepth>, 0.001, 9.999, 3, 5, FrameFlags(), Snow},
        {"txtWeight(3)", "γt", F<&D::SoilGamma>, 0.1, 99.9, 1, 5, FrameFlags(), FailureLoads},
    };
    return t;
}

// 4. The slope: by its ratio n or by its angle θ0, the other one derived
// and stored beside it. Every work type reads both, whichever was entered:
// the slope height H kept in the design is worked out from θ0 and only
// where a ratio stands; the failure loads and the horizontal beam's load
// read θ0, and the greening work's snow on the slope reads n.
const std::vector<StepEntry>& SlopeEntries() {
    static const std::vector<StepEntry> t = {
        {"Text9", "n", F<&D::SlopeN>, 0.01, 9.99, 2, 3, FrameFlags(), nullptr},
        {"Text6", "θ0", F<&D::SlopeAngle>, 0.01, 89.99, 2, 3, FrameFlags(), nullptr},
    };
    return t;
}

// 5. The wedge failure: two of its four values, by the input pattern.
const std::vector<StepEntry>& WedgeEntries() {
    static const Flags load = {&RecalcLoad};
    static const std::vector<StepEntry> t = {
        {"Text1", "L1", F<&D::KusabiL1>, 0.001, 99.999, 3, 3, load, WedgeL1},
        {"Text2", "L2", F<&D::KusabiL2>, 0.001, 99.999, 3, 3, load, WedgeL2},
        {"Text3", "H", F<&D::KusabiH>, 0.001, 99.999, 3, 3, load, WedgeH},
        {"Text11", "α", F<&D::KusabiAlpha>, 0.01, 89.99, 2, 4, load, WedgeAlpha},
    };
    return t;
}

// 5. The circular failure; L3 = 0 puts its top at the slope's shoulder.
const std::vector<StepEntry>& ArcEntries() {
    static const Flags load = {&RecalcLoad};
    static const std::vector<StepEntry> t = {
        {"txtL1", "L1", F<&D::EnkoL1>, 0.001, 99.999, 3, 3, load},
        {"txtL2", "L2", F<&D::EnkoL2>, 0.001, 99.999, 3, 3, load},
        {"txtL3", "L3", F<&D::EnkoL3>, 0.0, 99.999, 3, 3, load},
    };
    return t;
}

// 5. The restraining force the anchored frame must give.
const std::vector<StepEntry>& RestraintEntries() {
    static const Flags load = {&RecalcLoad};
    static const std::vector<StepEntry> t = {
        {"txtSafety", "PFs", F<&D::PlanFs>, 0.01, 9.99, 2, 5, load},
        {"txtDeter", "Pr", F<&D::Pr>, 0.1, 9999.9, 1, 5, load},
        {"txtSlope", "θ", F<&D::SlipAngle>, -90, 90, 2, 5, load},
        {"txtStep", "施工段数", F<&D::RowCount>, 1, 99, 0, 5, load},
        {"txtRockboltAngle", "α", F<&D::InstallAngle>, 0.01, 89.99, 2, 5, load},
        {"txtAngle", "φ", F<&D::FrictionAngle>, 0.01, 89.99, 2, 5, load, FrictionByAngle},
        {"txtTanFai", "tanφ", F<&D::TanPhi>, 0.001, 9.99999, 5, 5, load, FrictionByTan},
    };
    return t;
}

// The vertical beam's moment: the safety factor of the failure load.
const std::vector<StepEntry>& VerticalMomentEntries() {
    static const Flags result = {&RecalcResult};
    static const std::vector<StepEntry> t = {
        {"Text1", "ΔFs", F<&D::DeltaFs>, 0.01, 1.0, 2, 4, result},
    };
    return t;
}

// The shears at an entered check position x.
const std::vector<StepEntry>& ShearPositionEntries() {
    static const Flags result = {&RecalcResult};
    static const std::vector<StepEntry> t = {
        {"Text1", "x", ShearX, 0, 9.999, 3, 2, result, ShearXEntered},
    };
    return t;
}

// The design strength and the allowable stresses. σck is printed beside
// the allowable stresses taken for it in every work type's conditions, so it
// is always named, although only the ground anchor's bearing stress
// computes with it.
const std::vector<StepEntry>& StressEntries() {
    static const Flags result = {&RecalcResult};
    static const std::vector<StepEntry> t = {
        {"txtStandard", "σck", F<&D::SigmaCk>, 1, 99, 0, 5, result},
        {"txtCompress", "σca", F<&D::SigmaCa>, 0.1, 99.9, 1, 5, result},
        {"txtShear", "τca", F<&D::TauCa>, 0.01, 0.99, 2, 5, result},
        {"txtAdhesion", "τoa", F<&D::TauOa>, 0.1, 9.9, 1, 5, result},
        {"txtPull", "σsa", F<&D::SigmaSa>, 1, 999, 0, 5, result},
    };
    return t;
}

// The main anchor bar: its safety factor, and τsa, which only its check
// compares.
const std::vector<StepEntry>& AnchorBarEntries() {
    static const std::vector<StepEntry> t = {
        {"Text3", "Fs", F<&D::AncBarFs>, 0.1, 9.9, 1, 5, {}},
        {"Text1", "τsa", F<&D::AncBarTauSa>, 1, 999, 0, 5, {}, nullptr, nullptr, true},
    };
    return t;
}

// The rock bolt's steel: its allowable stresses, which only its checks
// compare.
const std::vector<StepEntry>& RockSteelEntries() {
    static const std::vector<StepEntry> t = {
        {"Text1", "τsa", F<&D::RockTauSa>, 1, 999, 0, 6, {}, nullptr, nullptr, true},
        {"Text2", "σsa", F<&D::RockSigmaSa>, 1, 999, 0, 6, {}, nullptr, nullptr, true},
    };
    return t;
}

// The tendon's loads, whole kN; the yield load not above the tensile one.
const std::vector<StepEntry>& TendonEntries() {
    static const std::vector<StepEntry> t = {
        {"txtTus", "Tus", F<&D::Tus>, 1, 9999, 0, 6, {}, nullptr, TusPair},
        {"txtTys", "Tys", F<&D::Tys>, 1, 9999, 0, 6, {}, nullptr, TysPair},
    };
    return t;
}

// The rock bolt's length.
const std::vector<StepEntry>& RockLengthEntries() {
    static const std::vector<StepEntry> t = {
        {"Text1", "da", F<&D::RockDa>, 1, 999, 0, 5, {}},
        {"Text2", "τ", F<&D::RockTauG>, 0.01, 9.99, 2, 5, {}},
        {"Text3", "τb", F<&D::RockTauB>, 0.01, 9.99, 2, 5, {}},
        {"Text4", "Fs", F<&D::RockFs>, 0.1, 9.9, 1, 5, {}},
        {"Text5", "La", F<&D::RockLa>, 0.1, 99.9, 1, 5, {}},
        {"Text7", "Lf", F<&D::RockLf>, 0.1, 99.9, 1, 5, {}},
    };
    return t;
}

// The ground anchor's length.
const std::vector<StepEntry>& AnchorLengthEntries() {
    static const std::vector<StepEntry> t = {
        {"txtds", "ds", F<&D::AnchorDs>, 0.1, 999.9, 1, 5, {}},
        {"txtda", "da", F<&D::AnchorDa>, 1, 999, 0, 5, {}},
        {"txtTau", "τ", F<&D::AnchorTauG>, 0.01, 9.99, 2, 5, {}},
        {"txtTaub", "τb", F<&D::AnchorTauB>, 0.01, 9.99, 2, 5, {}},
        {"txtFs", "Fs", F<&D::AnchorFs>, 0.1, 9.9, 1, 5, {}},
        {"txtLa", "La", F<&D::AnchorLa>, 0.1, 99.9, 1, 5, {}},
        {"txtLf", "Lf", F<&D::AnchorLf>, 0.1, 99.9, 1, 5, {}},
    };
    return t;
}

// The load per bolt or anchor, where it is entered directly.
const std::vector<StepEntry>& LoadSharingEntries() {
    static const Flags load = {&RecalcLoad};
    static const std::vector<StepEntry> t = {
        {"txtPt", "Pt", F<&D::PtInput>, kPtMin, kPtMax, 1, 5, load, PtEntered},
    };
    return t;
}

// The bearing stress under the anchor plate.
const std::vector<StepEntry>& BearingEntries() {
    static const std::vector<StepEntry> t = {
        {"Text1", "u", F<&D::PlateU>, 1, 999, 0, 7, {}},
    };
    return t;
}

// The anchor plate: its allowable stress, and the thickness adopted, which
// only its check compares.
const std::vector<StepEntry>& PlateEntries() {
    static const std::vector<StepEntry> t = {
        {"txtStress", "σpa", F<&D::PlateSigma>, 1, 999, 0, 6, {}},
        {"txtPlateThick", "t", F<&D::PlateT>, 1, 99, 0, 8, {}, nullptr, nullptr, true},
    };
    return t;
}

struct StepTable {
    const char* step;
    const std::vector<StepEntry>& (*entries)();
};

constexpr StepTable kSteps[] = {
    {"N2danmen", SectionEntries},
    {"N3supan", SpanEntries},
    {"N3haiti", LayoutEntries},
    {"N4omosa", WeightEntries},
    {"N5koubai", SlopeEntries},
    {"N6kusabi", WedgeEntries},
    {"N7enko", ArcEntries},
    {"N8yokusi", RestraintEntries},
    {"NCtatemoment", VerticalMomentEntries},
    {"NFyokosendan", ShearPositionEntries},
    {"NLrocksendan", ShearPositionEntries},
    {"NGouryoku", StressEntries},
    {"NHanchor", AnchorBarEntries},
    {"NArock1", RockSteelEntries},
    {"NAgrand1", TendonEntries},
    {"NBrock2", RockLengthEntries},
    {"NBgrand2", AnchorLengthEntries},
    {"NJrocktb", LoadSharingEntries},
    {"NMsiatu", BearingEntries},
    {"NMprate", PlateEntries},
};

// A number as a file may hold it: blanks about it, a minus, digits (half or
// full width) with at most one point, and at least one digit.
bool IsNumberText(const std::string& text) {
    const std::string t = HalfWidthDigits(TrimBlanks(text));
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            digit = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

const std::vector<StepEntry>& StepEntries(const std::string& step) {
    for (const StepTable& s : kSteps)
        if (step == s.step) return s.entries();
    static const std::vector<StepEntry> none;
    return none;
}

const StepEntry* FindStepEntry(const std::string& step, const std::string& box) {
    for (const StepEntry& e : StepEntries(step))
        if (box == e.box) return &e;
    return nullptr;
}

EntryState JudgeStoredEntry(const StepEntry& entry, const DesignData& d) {
    const std::string& stored = entry.Value(d);
    if (!IsNumberText(stored)) return EntryState::Missing;
    std::string text = HalfWidthDigits(TrimBlanks(stored));
    // Zeros closing the decimals add no precision: "0.80" holds the 0.8 a
    // box of one decimal takes.
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
        if (text.empty() || text == "-") text = "0";
    }
    if (CheckValueQuiet(text, entry.min, entry.max, entry.decimals) != ValueFault::None)
        return EntryState::OutOfRange;
    if (entry.pair && !entry.pair(d, text).empty()) return EntryState::OutOfRange;
    return EntryState::Given;
}

std::vector<ChainEntry> ChainEntries(const DesignData& d) {
    std::vector<ChainEntry> out;
    for (const std::string& step : StepChain(d.WorkType, d.PtDirect))
        for (const StepTable& s : kSteps)
            if (step == s.step)
                for (const StepEntry& e : s.entries()) out.push_back({s.step, &e});
    return out;
}

}  // namespace talvo
