// The standard tables: program-wide technical data that belong to no one
// design. Read from the settings file at start-up, written back at exit,
// edited by the settings and reference dialogs.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace talvo {

struct RebarSpec {
    std::string Name;      // bar designation, at most 3 half-width characters
    double UnitMass = 0;   // kg/m
    double Diameter = 0;   // nominal diameter, mm
    double Area = 0;       // nominal area, cm²
    double Perimeter = 0;  // nominal perimeter, cm
};

struct RefValue {
    std::string Name;
    std::string Value;
};

struct StressSet {  // N/mm²
    std::string SigmaCk;
    std::string SigmaCa;
    std::string TauCa;
    std::string TauOa;
    std::string SigmaSa;
};

struct SteelStress {
    std::string Name;  // at most 14 half-width characters
    std::string TauSa;
    std::string SigmaSa;
};

struct SnowRuleTable {
    std::array<std::string, 2> GradientLimit;  // slope gradients n of 1:n
    std::array<std::string, 3> DepthPercent;   // percent of the snow depth taken
};

struct RebarCountRuleTable {                              // by frame-width class 0 to 5
    std::array<std::array<std::string, 6>, 2> BoxOutDia;  // [0] rock bolt, [1] ground anchor, mm
    std::array<std::string, 6> ClearSpacing;              // mm
    std::array<std::string, 6> Cover;                     // mm
    std::array<std::string, 6> WidthClassMax;             // upper width bound, mm
};

struct SpanCoefficientTable {  // index 0 overhang, 1 to 3 spans, 4 four or more
    std::array<std::int16_t, 5> MmaxNum{};
    std::array<std::int16_t, 5> MmaxDen{};
    std::array<std::int16_t, 5> SmaxNum{};
    std::array<std::int16_t, 5> SmaxDen{};
};

struct StirrupDefaultTable {
    std::int16_t MinSpacing = 0;    // mm
    std::int16_t MaxSpacing = 0;    // mm
    std::int16_t SpacingStep = 0;   // mm
    std::int16_t BarCount = 0;      // stirrup legs
    std::int16_t MaxHalfDepth = 0;  // 1: maximum spacing also limited to d/2
    std::int16_t ScFormula = 0;     // 0: Sc = τca·b·d·j/2, otherwise τca·b·d/2
    std::int16_t BarIndex = 0;      // index into RebarSpecTable
};

extern std::array<RebarSpec, 12> RebarSpecTable;
extern std::array<std::array<RefValue, 5>, 4> UnitWeightTable;        // group, row
extern std::array<std::array<StressSet, 5>, 4> AllowableStressTable;  // standard, row
extern std::array<std::string, 4> StandardName;
extern std::array<SteelStress, 5> SteelStressTable;
extern std::array<RefValue, 5> PlateStressTable;
extern std::array<std::array<RefValue, 5>, 2> PullOutSafetyTable;  // 0 rock bolt, 1 anchor
extern SnowRuleTable SnowRule;
extern RebarCountRuleTable RebarCountRule;
extern SpanCoefficientTable SpanCoefficients;
extern StirrupDefaultTable StirrupDefaults;
// Working value of the results window; no setting, not stored.
extern std::int16_t StirrupSpacingCap;

// The names InitAllowableStressTable gives the four standards: the design
// program's, the first two marked "(参考)". The companion program puts in its
// own before it builds or reads its tables.
extern std::array<std::string, 4> DefaultStandardName;

// The ten builders, each overwriting one table with its built-in defaults.
void InitRebarSpecTable();
void InitUnitWeightTable();
void InitAllowableStressTable();
void InitStirrupDefaults();  // leaves StirrupDefaults.ScFormula alone
void InitSnowRule();
void InitRebarCountRule();
void InitSpanCoefficients();
void InitPlateStressTable();
void InitSteelStressTable();
void InitPullOutSafetyTable();
// All ten, in that order.
void InitAllTables();

}  // namespace talvo
