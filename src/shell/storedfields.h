// The values of the design record that the design file (.kvd) stores, in
// their file order, with their names: one list for the file's reader and
// writer and for whatever must tell which stored value differs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "shell/design.h"

namespace talvo {

// A stored value's name: the field of DesignData and, for an element of a
// work-type array, its index (-1 for a field of its own).
struct StoredName {
    const char* field;
    int index = -1;

    std::string Text() const {
        return index < 0 ? std::string(field)
                         : std::string(field) + "[" + std::to_string(index) + "]";
    }
};

// The stored values in file order. `D` is DesignData or const DesignData; the
// visitor gets each Integer with the range it may hold and each text, each
// with its name.
template <class D, class V>
void VisitStored(D& d, V& v) {
    v.Int(d.WorkType, 0, 5, {"WorkType"});
    v.Text(d.DistrictName, {"DistrictName"});
    v.Text(d.LineName, {"LineName"});
    v.Text(d.Remarks, {"Remarks"});
    v.Text(d.SectionBx, {"SectionBx"});
    v.Text(d.SectionHx, {"SectionHx"});
    v.Text(d.SectionDx, {"SectionDx"});
    v.Text(d.SectionBy, {"SectionBy"});
    v.Text(d.SectionHy, {"SectionHy"});
    v.Text(d.SectionDy, {"SectionDy"});
    v.Int(d.SameSection, 0, 1, {"SameSection"});
    // Spans stand y before x in the file.
    v.Text(d.SpanCountY, {"SpanCountY"});
    v.Text(d.SpanCountX, {"SpanCountX"});
    v.Text(d.SpanY, {"SpanY"});
    v.Text(d.SpanX, {"SpanX"});
    v.Text(d.OverhangUpper, {"OverhangUpper"});
    v.Text(d.OverhangLower, {"OverhangLower"});
    v.Text(d.OverhangLeft, {"OverhangLeft"});
    v.Text(d.OverhangRight, {"OverhangRight"});
    v.Text(d.AnchorCountY, {"AnchorCountY"});
    v.Text(d.AnchorCountX, {"AnchorCountX"});
    v.Text(d.PitchY, {"PitchY"});
    v.Text(d.PitchX, {"PitchX"});
    v.Text(d.AnchorOverhangUpper, {"AnchorOverhangUpper"});
    v.Text(d.AnchorOverhangLower, {"AnchorOverhangLower"});
    v.Text(d.AnchorOverhangLeft, {"AnchorOverhangLeft"});
    v.Text(d.AnchorOverhangRight, {"AnchorOverhangRight"});
    v.Text(d.SoilName, {"SoilName"});
    v.Text(d.SoilGamma, {"SoilGamma"});
    v.Text(d.SnowRemarks, {"SnowRemarks"});
    v.Text(d.SnowDepth, {"SnowDepth"});
    v.Text(d.SnowGamma, {"SnowGamma"});
    v.Text(d.InfillName, {"InfillName"});
    v.Text(d.InfillThick, {"InfillThick"});
    v.Text(d.InfillGamma, {"InfillGamma"});
    v.Text(d.FrameMaterial, {"FrameMaterial"});
    v.Text(d.FrameGamma, {"FrameGamma"});
    v.Text(d.SlopeN, {"SlopeN"});
    v.Text(d.SlopeAngle, {"SlopeAngle"});
    v.Text(d.TotalLengthY, {"TotalLengthY"});
    v.Text(d.TotalLengthX, {"TotalLengthX"});
    v.Text(d.SlopeHeight, {"SlopeHeight"});
    v.Int(d.SlopeInputMode, 0, 1, {"SlopeInputMode"});
    v.Text(d.PlanFs, {"PlanFs"});
    v.Text(d.Pr, {"Pr"});
    v.Text(d.SlipAngle, {"SlipAngle"});
    v.Text(d.HorizSpacing, {"HorizSpacing"});
    v.Text(d.RowCount, {"RowCount"});
    v.Text(d.InstallAngle, {"InstallAngle"});
    v.Text(d.FrictionAngle, {"FrictionAngle"});
    v.Text(d.TanPhi, {"TanPhi"});
    v.Int(d.FrictionInputMode, 0, 1, {"FrictionInputMode"});
    v.Text(d.KusabiL1, {"KusabiL1"});
    v.Text(d.KusabiL2, {"KusabiL2"});
    v.Text(d.KusabiH, {"KusabiH"});
    v.Text(d.KusabiAlpha, {"KusabiAlpha"});
    v.Int(d.KusabiInputMode, 0, 4, {"KusabiInputMode"});
    v.Text(d.EnkoL1, {"EnkoL1"});
    v.Text(d.EnkoL2, {"EnkoL2"});
    v.Text(d.EnkoL3, {"EnkoL3"});
    v.Text(d.DeltaFs, {"DeltaFs"});
    // The shear-check values go work type by work type, four per type.
    for (std::size_t i = 0; i < 5; ++i) {
        v.Text(d.ShearXInput[i], {"ShearXInput", static_cast<int>(i)});
        v.Text(d.TateShearX[i], {"TateShearX", static_cast<int>(i)});
        v.Text(d.YokoShearX[i], {"YokoShearX", static_cast<int>(i)});
        v.Int(d.ShearXMode[i], 0, 2, {"ShearXMode", static_cast<int>(i)});
    }
    v.Text(d.SigmaCk, {"SigmaCk"});
    v.Text(d.SigmaCa, {"SigmaCa"});
    v.Text(d.TauCa, {"TauCa"});
    v.Text(d.TauOa, {"TauOa"});
    v.Text(d.SigmaSa, {"SigmaSa"});
    v.Int(d.ShearStressMode, 0, 1, {"ShearStressMode"});
    v.Text(d.AncBarTauSa, {"AncBarTauSa"});
    v.Int(d.AncBarIndex, 0, 11, {"AncBarIndex"});
    v.Text(d.AncBarFs, {"AncBarFs"});
    v.Text(d.AncBarTauS, {"AncBarTauS"});
    v.Text(d.RockTauSa, {"RockTauSa"});
    v.Text(d.RockSigmaSa, {"RockSigmaSa"});
    v.Int(d.RockBarIndex, 0, 11, {"RockBarIndex"});
    v.Text(d.RockTau, {"RockTau"});
    v.Text(d.RockSigma, {"RockSigma"});
    v.Text(d.RockDa, {"RockDa"});
    v.Text(d.RockTauG, {"RockTauG"});
    v.Text(d.RockTauB, {"RockTauB"});
    v.Text(d.RockFs, {"RockFs"});
    v.Text(d.RockSpare, {"RockSpare"});
    v.Text(d.RockLa, {"RockLa"});
    v.Text(d.RockLf, {"RockLf"});
    v.Text(d.RockLength, {"RockLength"});
    v.Text(d.TendonName, {"TendonName"});
    v.Text(d.TendonStandard, {"TendonStandard"});
    v.Text(d.Tus, {"Tus"});
    v.Text(d.Tys, {"Tys"});
    v.Int(d.AnchorKind, 0, 2, {"AnchorKind"});
    v.Text(d.TusAllow, {"TusAllow"});
    v.Text(d.TysAllow, {"TysAllow"});
    v.Text(d.AnchorDs, {"AnchorDs"});
    v.Text(d.AnchorDa, {"AnchorDa"});
    v.Text(d.AnchorTauG, {"AnchorTauG"});
    v.Text(d.AnchorTauB, {"AnchorTauB"});
    v.Text(d.AnchorFs, {"AnchorFs"});
    v.Text(d.AnchorSpare, {"AnchorSpare"});
    v.Text(d.AnchorLa, {"AnchorLa"});
    v.Text(d.AnchorLf, {"AnchorLf"});
    v.Text(d.AnchorLength, {"AnchorLength"});
    v.Int(d.TateShareMode, 0, 1, {"TateShareMode"});
    v.Int(d.YokoShareMode, 0, 1, {"YokoShareMode"});
    v.Int(d.ToubunpuMode, 0, 3, {"ToubunpuMode"});
    v.Text(d.PlateU, {"PlateU"});
    v.Text(d.PlateSigma, {"PlateSigma"});
    v.Text(d.PlateT, {"PlateT"});
    v.Int(d.RestraintMode, 0, 2, {"RestraintMode"});
    v.Int(d.UsePlanFs, 0, 1, {"UsePlanFs"});
    v.Text(d.PtCalc, {"PtCalc"});
    v.Text(d.PtInput, {"PtInput"});
    v.Int(d.PtDirect, 0, 1, {"PtDirect"});
    v.Int(d.UseInfill, 0, 1, {"UseInfill"});
    v.Int(d.UseSnow, 0, 1, {"UseSnow"});
    v.Int(d.Staggered, 0, 1, {"Staggered"});
    v.Int(d.AllGridPoints, 0, 1, {"AllGridPoints"});
}

}  // namespace talvo
