#include "results/requiredentries.h"

#include <algorithm>

#include "shell/numtext.h"
#include "shell/stepchain.h"

namespace talvo {

namespace {

using D = DesignData;

// The effective height of the vertical beams is read only where the vertical
// frame is a result set of its own.
bool TwoSets(const D& d) {
    return d.SameSection == 0 && d.WorkType != 2;
}
// With no span down the slope the upper overhang stands for the span.
bool VerticalSpans(const D& d) {
    return NumVal(d.SpanCountY) != 0;
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
bool SlopeByRatio(const D& d) {
    return d.SlopeInputMode == 1;
}
bool SlopeByAngle(const D& d) {
    return d.SlopeInputMode != 1;
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

struct StepEntries {
    const char* step;
    std::vector<RequiredEntry> entries;
};

// By step window, its boxes in their order.
const std::vector<StepEntries>& EntriesBySteps() {
    static const std::vector<StepEntries> steps = {
        {"N2danmen",
         {{"by", &D::SectionBy, nullptr},
          {"hy", &D::SectionHy, nullptr},
          {"dy", &D::SectionDy, TwoSets},
          {"bx", &D::SectionBx, nullptr},
          {"hx", &D::SectionHx, nullptr},
          {"dx", &D::SectionDx, nullptr}}},
        {"N3supan",
         {{"ℓy", &D::SpanY, VerticalSpans},
          {"横枠スパン数", &D::SpanCountX, nullptr},
          {"ℓx", &D::SpanX, nullptr}}},
        {"N3haiti",
         {{"ℓy", &D::SpanY, VerticalSpans},
          {"ny", &D::AnchorCountY, nullptr},
          {"ℓpy", &D::PitchY, nullptr},
          {"横枠スパン数", &D::SpanCountX, nullptr},
          {"ℓx", &D::SpanX, nullptr},
          {"nx", &D::AnchorCountX, nullptr},
          {"ℓpx", &D::PitchX, nullptr}}},
        {"N4omosa",
         {{"γc", &D::FrameGamma, nullptr},
          {"γe", &D::InfillGamma, Infill},
          {"he", &D::InfillThick, Infill},
          {"γs", &D::SnowGamma, Snow},
          {"hs", &D::SnowDepth, Snow},
          {"γt", &D::SoilGamma, FailureLoads}}},
        {"N5koubai", {{"n", &D::SlopeN, SlopeByRatio}, {"θ0", &D::SlopeAngle, SlopeByAngle}}},
        {"N6kusabi",
         {{"L1", &D::KusabiL1, WedgeL1},
          {"L2", &D::KusabiL2, WedgeL2},
          {"H", &D::KusabiH, WedgeH},
          {"α", &D::KusabiAlpha, WedgeAlpha}}},
        {"N7enko", {{"L1", &D::EnkoL1, nullptr}, {"L2", &D::EnkoL2, nullptr}}},
        {"N8yokusi",
         {{"PFs", &D::PlanFs, nullptr},
          {"Pr", &D::Pr, nullptr},
          {"施工段数", &D::RowCount, nullptr},
          {"α", &D::InstallAngle, nullptr},
          {"φ", &D::FrictionAngle, FrictionByAngle},
          {"tanφ", &D::TanPhi, FrictionByTan}}},
        {"NCtatemoment", {{"ΔFs", &D::DeltaFs, nullptr}}},
        {"NGouryoku",
         {{"σck", &D::SigmaCk, nullptr},
          {"σca", &D::SigmaCa, nullptr},
          {"τca", &D::TauCa, nullptr},
          {"τoa", &D::TauOa, nullptr},
          {"σsa", &D::SigmaSa, nullptr}}},
        {"NHanchor", {{"Fs", &D::AncBarFs, nullptr}}},
        {"NAgrand1", {{"Tus", &D::Tus, nullptr}, {"Tys", &D::Tys, nullptr}}},
        {"NBrock2",
         {{"da", &D::RockDa, nullptr},
          {"τ", &D::RockTauG, nullptr},
          {"τb", &D::RockTauB, nullptr},
          {"Fs", &D::RockFs, nullptr},
          {"La", &D::RockLa, nullptr},
          {"Lf", &D::RockLf, nullptr}}},
        {"NBgrand2",
         {{"ds", &D::AnchorDs, nullptr},
          {"da", &D::AnchorDa, nullptr},
          {"τ", &D::AnchorTauG, nullptr},
          {"τb", &D::AnchorTauB, nullptr},
          {"Fs", &D::AnchorFs, nullptr},
          {"La", &D::AnchorLa, nullptr},
          {"Lf", &D::AnchorLf, nullptr}}},
        {"NJrocktb", {{"Pt", &D::PtInput, PtEntered}}},
        {"NMsiatu", {{"u", &D::PlateU, nullptr}}},
        {"NMprate", {{"σpa", &D::PlateSigma, nullptr}}},
    };
    return steps;
}

}  // namespace

std::vector<RequiredEntry> RequiredEntries() {
    const DesignData& d = Design;
    std::vector<RequiredEntry> required;
    for (const std::string& step : StepChain(d.WorkType, d.PtDirect)) {
        for (const StepEntries& s : EntriesBySteps()) {
            if (step != s.step) continue;
            for (const RequiredEntry& e : s.entries)
                if (!e.read || e.read(d)) required.push_back(e);
        }
    }
    return required;
}

std::vector<std::string> MissingEntryNames() {
    std::vector<std::string> names;
    for (const RequiredEntry& e : RequiredEntries()) {
        if (!TrimBlanks(Design.*e.field).empty()) continue;
        if (std::find(names.begin(), names.end(), e.name) == names.end()) names.push_back(e.name);
    }
    return names;
}

}  // namespace talvo
