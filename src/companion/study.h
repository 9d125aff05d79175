// The study record of Talvo1SI: the whole program-wide state of the
// companion. Every window, the calculation and the report read and write it
// directly. Quantities are display texts, read back through the number-text
// helpers; nothing of it is ever written to a file.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace talvo::companion {

// The companion's π: the literal 3.14159265, not the design program's
// 4·atan(1), so that its roundings fall as its own report shows them. `Pi`
// is what the calculation reads; InitCompanion sets it to kPi.
inline constexpr double kPi = 3.14159265;
extern double Pi;

// Title of the companion's message boxes.
inline constexpr const char* kTitle = "ミルダ－ＳＩ";

// Failure shape under study: 0 wedge from the slope shoulder, 1 circular arc.
extern std::int32_t ShapeMode;

// Conditions (committed by the conditions dialog).
extern std::string SoilWeight;       // γt, kN/m³
extern std::string FrameWeight;      // γc, kN/m³
extern std::string InfillWeight;     // γe, kN/m³
extern std::int16_t InfillMode;      // 1 the infill is considered
extern std::string SlopeRatio;       // n of 1:n
extern std::string SlopeAngle;       // θ, degrees
extern std::int16_t SlopeInputMode;  // 0 ratio, 1 angle
extern std::string DeltaFs;
extern std::string ArcTopDistance;  // L3, m
extern std::string SigmaCa;         // N/mm²
extern std::string SigmaSa;         // N/mm²

// Frame patterns, index 0 pattern 1, 1 pattern 2 (2 is never used).
using PatText = std::array<std::string, 3>;
using PatInt = std::array<std::int16_t, 3>;
extern PatText PatSpanYoko;               // m
extern PatText PatSpanTate;               // m
extern PatText PatOverhang;               // m
extern PatText PatWidth;                  // mm
extern PatText PatHeight;                 // mm
extern PatText PatEffHeight;              // mm
extern PatText PatInfillThick;            // mm
extern PatInt PatBarIndex;                // 0..11 into RebarSpecTable
extern std::array<double, 3> PatBarArea;  // cm²
extern PatText PatBarCount;
extern PatInt PatUsable;
extern PatInt StdRowWidth, StdRowHeight, StdRowSpanYoko, StdRowSpanTate, StdRowEffHeight;

// The four failure depths (index 4 is never used) and the results, indexed
// (case, depth) with case = pattern + 2 · ShapeMode.
extern std::array<std::string, 5> FailDepth;
using ResultTable = std::array<std::array<std::string, 5>, 5>;
extern ResultTable KekkaL;
extern ResultTable KekkaH;

// Working values of the search and the section capacity.
extern double TrialL;
extern double TrialD;
extern std::string TrialH;
extern std::string SlipAngle;
extern std::string DemandMoment;
extern PatText RebarRatioP, NeutralAxisK, LeverArmJ, ResistMoment, YokoBeamCount;
extern PatText FrameLoadW, InfillLoadW, SoilMassW, TotalLoadW;
extern PatText ArcRadius, ArcAngle, RestraintForce, FrameLoadP;

// The standard frame-span table: rows 0 to 5, row 6 stays empty.
using StdText = std::array<std::string, 7>;
extern StdText StdSection, StdSpan, StdEffHeight, StdRebar, StdRemark;

// Pending copies of the conditions dialog.
extern std::string EditSoilWeight, EditFrameWeight, EditInfillWeight;
extern std::int16_t EditInfillMode;
extern std::string EditSlopeRatio, EditSlopeAngle;
extern std::int16_t EditSlopeInputMode;
extern std::string EditDeltaFs, EditArcTopDistance, EditSigmaCa, EditSigmaSa;

// Reference-dialog selectors.
extern std::int16_t UnitWeightGroup;
extern std::int16_t StandardChoice;

// Full path of the help file, empty when none was found.
extern std::string HelpPath;

// Sets the record's start values (after the settings intake).
void InitCompanion();

// The results window's view of the results grid: ClearKekka empties its
// cells through this hook (column 1 to 4, row 1 to 4). Empty: no window.
using ResultCellClear = std::function<void(int col, int row)>;
void SetResultCellClear(ResultCellClear hook);

}  // namespace talvo::companion
