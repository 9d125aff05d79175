#include "shell/tables.h"

namespace talvo {

// Every table starts empty (texts empty, numbers 0); start-up either reads it
// from the settings file or runs its builder.
std::array<RebarSpec, 12> RebarSpecTable;
std::array<std::array<RefValue, 5>, 4> UnitWeightTable;
std::array<std::array<StressSet, 5>, 4> AllowableStressTable;
std::array<std::string, 4> StandardName;
std::array<SteelStress, 5> SteelStressTable;
std::array<RefValue, 5> PlateStressTable;
std::array<std::array<RefValue, 5>, 2> PullOutSafetyTable;
SnowRuleTable SnowRule;
RebarCountRuleTable RebarCountRule;
SpanCoefficientTable SpanCoefficients;
StirrupDefaultTable StirrupDefaults;
std::int16_t StirrupSpacingCap = 0;
std::array<std::string, 4> DefaultStandardName = {
    "(参考)全国特定法面保護協会", "(参考)フリーフレーム協会", "土木学会", "日本道路協会"};

void InitRebarSpecTable() {
    // Nominal values of the deformed bars D10 to D51; D51 follows D41.
    RebarSpecTable = {{
        {"D10", 0.56, 9.53, 0.7133, 3},
        {"D13", 0.995, 12.7, 1.267, 4},
        {"D16", 1.56, 15.9, 1.986, 5},
        {"D19", 2.25, 19.1, 2.865, 6},
        {"D22", 3.04, 22.2, 3.871, 7},
        {"D25", 3.98, 25.4, 5.067, 8},
        {"D29", 5.04, 28.6, 6.424, 9},
        {"D32", 6.23, 31.8, 7.942, 10},
        {"D35", 7.51, 34.9, 9.566, 11},
        {"D38", 8.95, 38.1, 11.4, 12},
        {"D41", 10.5, 41.3, 13.4, 13},
        {"D51", 15.9, 50.8, 20.27, 16},
    }};
}

void InitUnitWeightTable() {
    UnitWeightTable = {{
        // frame
        {{{"モルタル", "21.0"},
          {"モルタル＋鉄筋", "23.0"},
          {"コンクリート", "23.0"},
          {"コンクリート＋鉄筋", "24.5"},
          {"", ""}}},
        // infill
        {{{"厚層基材", "14.0"},
          {"土のう", "18.0"},
          {"モルタル", "21.0"},
          {"コンクリート", "23.0"},
          {"", ""}}},
        // snow: one value without a name
        {{{"", "3.5"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}}},
        // moving soil mass
        {{{"粘質土", "16.0"},
          {"土砂", "18.0"},
          {"玉石", "20.0"},
          {"風化岩", "22.0"},
          {"軟岩", "26.0"}}},
    }};
}

void InitAllowableStressTable() {
    StandardName = DefaultStandardName;
    const StressSet none{};
    AllowableStressTable = {{
        {{{"15", "5.0", "0.33", "1.3", "160"}, none, none, none, none}},
        {{{"", "5.0", "0.33", "1.3", "160"}, {"", "6.0", "0.40", "1.4", "180"}, none, none, none}},
        {{{"18", "7.0", "0.40", "1.4", "176"},
          {"21", "8.0", "0.42", "1.5", "176"},
          {"24", "9.0", "0.45", "1.6", "176"},
          {"30", "11.0", "0.50", "1.8", "176"},
          {"40", "14.0", "0.55", "2.0", "176"}}},
        {{{"21", "7.0", "0.22", "1.4", "180"},
          {"24", "8.0", "0.23", "1.6", "180"},
          {"27", "9.0", "0.24", "1.7", "180"},
          {"30", "10.0", "0.25", "1.8", "180"},
          none}},
    }};
}

void InitStirrupDefaults() {
    // ScFormula is deliberately left as it is: it keeps its start-up value.
    StirrupDefaults.MinSpacing = 100;
    StirrupDefaults.MaxSpacing = 300;
    StirrupDefaults.SpacingStep = 50;
    StirrupDefaults.BarCount = 2;
    StirrupDefaults.MaxHalfDepth = 1;
    StirrupDefaults.BarIndex = 1;  // D13
}

void InitSnowRule() {
    SnowRule.GradientLimit = {"0.6", "1.0"};
    SnowRule.DepthPercent = {"0", "50", "100"};
}

void InitRebarCountRule() {
    for (int c = 0; c < 6; ++c) {
        RebarCountRule.BoxOutDia[0][c] = "60";
        RebarCountRule.BoxOutDia[1][c] = "150";
        RebarCountRule.ClearSpacing[c] = "40";
        RebarCountRule.Cover[c] = "40";
    }
    RebarCountRule.WidthClassMax = {"199", "299", "399", "499", "599", "1000"};
}

void InitSpanCoefficients() {
    // Kept unreduced (6/10, not 3/5): the settings dialog edits each number.
    SpanCoefficients.MmaxNum = {1, 1, 1, 1, 1};
    SpanCoefficients.MmaxDen = {2, 8, 8, 10, 9};
    SpanCoefficients.SmaxNum = {1, 1, 5, 6, 17};
    SpanCoefficients.SmaxDen = {1, 2, 8, 10, 28};
}

void InitPlateStressTable() {
    PlateStressTable = {{{"長期許容応力度", "140"}, {"短期許容応力度", "210"}, {}, {}, {}}};
}

void InitSteelStressTable() {
    SteelStressTable = {{{"SD 295", "80", "160"}, {"SD 295", "80", "180"}, {}, {}, {}}};
}

void InitPullOutSafetyTable() {
    PullOutSafetyTable = {{
        {{{"ロックボルト", "2.0"}, {}, {}, {}, {}}},
        // Rows 2 and 3 share their remark and differ in the factor.
        {{{"仮設アンカー", "1.5"},
          {"永久アンカー（常時）", "2.5"},
          {"永久アンカー（地震時）", "1.5"},
          {"永久アンカー（地震時）", "2.0"},
          {}}},
    }};
}

void InitAllTables() {
    InitRebarSpecTable();
    InitUnitWeightTable();
    InitAllowableStressTable();
    InitStirrupDefaults();
    InitSnowRule();
    InitRebarCountRule();
    InitSpanCoefficients();
    InitPlateStressTable();
    InitSteelStressTable();
    InitPullOutSafetyTable();
}

}  // namespace talvo
