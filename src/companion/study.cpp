#include "companion/study.h"

#include "shell/tables.h"

namespace talvo::companion {

double Pi = kPi;
std::int32_t ShapeMode = 0;

std::string SoilWeight, FrameWeight, InfillWeight;
std::int16_t InfillMode = 1;
std::string SlopeRatio, SlopeAngle;
std::int16_t SlopeInputMode = 0;
std::string DeltaFs, ArcTopDistance, SigmaCa, SigmaSa;

PatText PatSpanYoko, PatSpanTate, PatOverhang, PatWidth, PatHeight, PatEffHeight, PatInfillThick;
PatInt PatBarIndex{};
std::array<double, 3> PatBarArea{};
PatText PatBarCount;
PatInt PatUsable{};
PatInt StdRowWidth{}, StdRowHeight{}, StdRowSpanYoko{}, StdRowSpanTate{}, StdRowEffHeight{};

std::array<std::string, 5> FailDepth;
ResultTable KekkaL;
ResultTable KekkaH;

double TrialL = 0;
double TrialD = 0;
std::string TrialH, SlipAngle, DemandMoment;
PatText RebarRatioP, NeutralAxisK, LeverArmJ, ResistMoment, YokoBeamCount;
PatText FrameLoadW, InfillLoadW, SoilMassW, TotalLoadW;
PatText ArcRadius, ArcAngle, RestraintForce, FrameLoadP;

StdText StdSection, StdSpan, StdEffHeight, StdRebar, StdRemark;

std::string EditSoilWeight, EditFrameWeight, EditInfillWeight;
std::int16_t EditInfillMode = 1;
std::string EditSlopeRatio, EditSlopeAngle;
std::int16_t EditSlopeInputMode = 0;
std::string EditDeltaFs, EditArcTopDistance, EditSigmaCa, EditSigmaSa;

std::int16_t UnitWeightGroup = 0;
std::int16_t StandardChoice = 0;
std::string HelpPath;

namespace {
ResultCellClear g_cellClear;
}

void SetResultCellClear(ResultCellClear hook) {
    g_cellClear = std::move(hook);
}

// Used by ClearKekka (checks.cpp).
void ClearResultCell(int col, int row) {
    if (g_cellClear) g_cellClear(col, row);
}

void InitCompanion() {
    Pi = kPi;
    ShapeMode = 0;
    FailDepth = {"0.5", "1.0", "1.5", "2.0", ""};

    StdSection = {"  150", "  200", "  300", "  400", "  500", "  600", ""};
    StdSpan = {" 1.150", " 1.200", " 2.000", " 2.000", " 3.000", " 3.000", ""};
    StdEffHeight = {"   75", "  155", "  235", "  315", "  410", "  510", ""};
    StdRebar = {"D10×1本", "D10×2本", "D13×2本", "D16×2本", "D16×4本", "D22×4本", ""};
    StdRemark = {"D10×1本",
                 "D10×2本～D13×2本",
                 "D13×2本～D16×2本",
                 "D16×2本～D19×4本",
                 "D16×4本～D25×4本",
                 "D22×4本～D29×4本",
                 ""};

    SoilWeight.clear();
    FrameWeight.clear();
    InfillWeight.clear();
    DeltaFs.clear();
    SlopeRatio.clear();
    SlopeAngle.clear();
    SigmaSa.clear();
    SigmaCa.clear();
    ArcTopDistance.clear();
    InfillMode = 1;
    SlopeInputMode = 0;

    for (auto* table : {&KekkaL, &KekkaH})
        for (auto& row : *table)
            for (auto& cell : row) cell.clear();
    PatUsable = {0, 0, 0};
    for (int p = 0; p < 2; ++p) {
        PatBarIndex[p] = static_cast<std::int16_t>(p);
        const auto row = static_cast<std::int16_t>(p + 1);
        StdRowWidth[p] = StdRowHeight[p] = StdRowSpanYoko[p] = StdRowSpanTate[p] =
            StdRowEffHeight[p] = row;
        PatSpanYoko[p] = StdSpan[StdRowSpanYoko[p]];
        PatSpanTate[p] = StdSpan[StdRowSpanTate[p]];
        PatOverhang[p] = "0.000";
        PatWidth[p] = StdSection[StdRowWidth[p]];
        PatHeight[p] = StdSection[StdRowHeight[p]];
        PatEffHeight[p] = StdEffHeight[StdRowEffHeight[p]];
        PatBarCount[p] = "2";
        PatInfillThick[p] = "100";
        PatBarArea[p] = RebarSpecTable[PatBarIndex[p]].Area;
    }
}

}  // namespace talvo::companion
