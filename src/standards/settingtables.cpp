#include "standards/settingtables.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "report/engine/headings.h"
#include "shell/codec.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::standards {

namespace {

// A 16-bit table value from a working text: its number to the nearest integer.
std::int16_t ToInt16(const std::string& text) {
    const double v = std::round(NumVal(text));
    return static_cast<std::int16_t>(std::clamp(v, -32768.0, 32767.0));
}

std::string IntText(std::int16_t v) {
    return std::to_string(v);
}

}  // namespace

// ---- Deformed-bar table ----

FieldSpec RebarColumnSpec(int col) {
    FieldSpec s;
    s.check = FieldCheck::Range;
    s.places = 8;
    switch (col) {
        case 2:
        case 3:
            s.min = 0.001;
            s.max = 99.9;
            s.rangeMessage = "値が有効範囲にありません。(有効範囲　0.001～99.9)";
            s.decimalsFor = [](double v) { return v >= 10 ? 1 : v >= 1 ? 2 : 3; };
            break;
        case 4:
            s.min = 0.0001;
            s.max = 99.99;
            s.rangeMessage = "値が有効範囲にありません。(有効範囲　0.0001～99.99)";
            s.decimalsFor = [](double v) { return v >= 10 ? 2 : v >= 1 ? 3 : 4; };
            break;
        default:
            s.min = 0.1;
            s.max = 99.9;
            s.decimals = 1;
            s.rangeMessage = "値が有効範囲にありません。(有効範囲　0.1～99.9)";
            break;
    }
    return s;
}

std::array<std::string, 5> RebarRowTexts(int i) {
    const RebarSpec& r = RebarSpecTable.at(static_cast<std::size_t>(i));
    const double values[4] = {r.UnitMass, r.Diameter, r.Area, r.Perimeter};
    std::array<std::string, 5> out;
    out[0] = std::string(kBarNamePad) + r.Name;
    for (int k = 0; k < 4; ++k) {
        const FieldSpec spec = RebarColumnSpec(k + 2);
        const int decimals = spec.decimalsFor ? spec.decimalsFor(values[k]) : spec.decimals;
        out[static_cast<std::size_t>(k + 1)] =
            report::NumToFixStr(values[k], -1E+308, 1, 8, decimals);
    }
    return out;
}

std::string CheckBarName(std::string_view typed) {
    const std::size_t from = typed.find_first_not_of(' ');
    const std::string_view name =
        from == std::string_view::npos ? std::string_view() : typed.substr(from);
    if (cp932::ByteCount(name) > kBarNameBytes)
        MsgBox(kBarNameTooLong, MsgButtons::Ok, MsgIcon::Exclamation);
    // Cut at a character boundary: never half of a double-byte character.
    return std::string(kBarNamePad) + cp932::CutToBytes(name, kBarNameBytes);
}

std::string BarNameOf(std::string_view cell) {
    return cp932::CutToBytes(TrimBlanks(cell), kBarNameBytes);
}

bool RebarTableComplete(const std::array<std::string, 12>& nameCells,
                        const std::array<std::array<std::string, 4>, 12>& numbers) {
    bool incomplete = false;
    for (std::size_t i = 0; i < 12 && !incomplete; ++i) {
        // A name of blanks only is as empty as no name.
        if (BarNameOf(nameCells[i]).empty()) incomplete = true;
        for (const std::string& t : numbers[i])
            if (t.empty()) incomplete = true;
    }
    return WarnIfIncomplete(incomplete);
}

bool CommitRebarTable(const std::array<std::string, 12>& nameCells,
                      const std::array<std::array<std::string, 4>, 12>& numbers) {
    if (!RebarTableComplete(nameCells, numbers)) return false;
    for (std::size_t i = 0; i < 12; ++i) {
        RebarSpec& r = RebarSpecTable[i];
        r.Name = BarNameOf(nameCells[i]);
        r.UnitMass = NumVal(numbers[i][0]);
        r.Diameter = NumVal(numbers[i][1]);
        r.Area = NumVal(numbers[i][2]);
        r.Perimeter = NumVal(numbers[i][3]);
    }
    if (Design.WorkType >= 0 && Design.WorkType <= 2) RecalcAnchorBar = 1;
    if (Design.WorkType == 3) RecalcLoad = 1;
    RecalcResult = 1;
    return true;
}

// ---- Design snow depth ----

FieldSpec SnowLimitSpec(int i) {
    FieldSpec s = ValueSpec(i / 100.0 + 0.01, i / 100.0 + 9.98, 2, 2);
    s.refocusOnRefusal = true;
    return s;
}

FieldSpec SnowPercentSpec() {
    FieldSpec s = ValueSpec(0, 100, 0, 5);
    s.refocusOnRefusal = true;
    return s;
}

std::array<std::string, 5> SnowTexts() {
    return {FormatNum(SnowRule.GradientLimit[0], 2, 2), FormatNum(SnowRule.GradientLimit[1], 2, 2),
            FormatNum(SnowRule.DepthPercent[0], 5, 0), FormatNum(SnowRule.DepthPercent[1], 5, 0),
            FormatNum(SnowRule.DepthPercent[2], 5, 0)};
}

int OrderSnowLimits(std::array<std::string, 2>& limits, int edited) {
    if (edited != 0 && edited != 1) return -1;
    // An empty limit is not compared: the order is restored once both are filled.
    if (limits[0].empty() || limits[1].empty()) return -1;
    if (NumVal(limits[0]) < NumVal(limits[1])) return -1;
    const int other = 1 - edited;
    const FieldSpec range = SnowLimitSpec(other);
    double moved = NumVal(limits[static_cast<std::size_t>(edited)]) + (edited == 0 ? 0.01 : -0.01);
    moved = std::clamp(moved, range.min, range.max);
    limits[static_cast<std::size_t>(other)] = FormatNum(NumStr(moved), 2, 2);
    return other;
}

bool CommitSnowRule(const std::array<std::string, 5>& texts) {
    if (!WarnIfIncomplete(FirstEmpty({texts.begin(), texts.end()}) >= 0)) return false;
    SnowRule.GradientLimit = {texts[0], texts[1]};
    SnowRule.DepthPercent = {texts[2], texts[3], texts[4]};
    RecalcLoad = 1;
    RecalcForce = 1;
    return true;
}

// ---- Stirrup settings ----

FieldSpec StirrupSpec(int box) {
    switch (box) {
        case 2:
            return ValueSpec(1, 100, 0, 5);
        case 3:
            return ValueSpec(1, 99, 0, 5);
        default:
            return ValueSpec(1, 999, 0, 5);
    }
}

std::array<std::string, 4> StirrupTexts() {
    return {FormatNum(IntText(StirrupDefaults.MinSpacing), 5, 0),
            FormatNum(IntText(StirrupDefaults.MaxSpacing), 5, 0),
            FormatNum(IntText(StirrupDefaults.SpacingStep), 5, 0),
            FormatNum(IntText(StirrupDefaults.BarCount), 5, 0)};
}

int OrderStirrupSpacing(std::string& minimum, std::string& maximum, bool minimumEdited) {
    if (NumVal(maximum) >= NumVal(minimum)) return -1;
    if (minimumEdited) {
        maximum = minimum;
        return 1;
    }
    minimum = maximum;
    return 0;
}

int StirrupBarIndex() {
    return std::clamp<int>(StirrupDefaults.BarIndex, 0, 11);
}

bool CommitStirrups(const std::array<std::string, 4>& texts, bool maxHalfDepth, int scFormula,
                    int barIndex) {
    if (!WarnIfIncomplete(FirstEmpty({texts.begin(), texts.end()}) >= 0)) return false;
    StirrupDefaults.MinSpacing = ToInt16(texts[0]);
    StirrupDefaults.MaxSpacing = ToInt16(texts[1]);
    StirrupDefaults.SpacingStep = ToInt16(texts[2]);
    StirrupDefaults.BarCount = ToInt16(texts[3]);
    StirrupDefaults.MaxHalfDepth = maxHalfDepth ? 1 : 0;
    StirrupDefaults.ScFormula = scFormula != 0 ? 1 : 0;
    StirrupDefaults.BarIndex = static_cast<std::int16_t>(std::clamp(barIndex, 0, 11));
    RecalcResult = 1;
    return true;
}

// ---- Mmax and Smax formulas ----

FieldSpec SpanCoefficientSpec() {
    return ValueSpec(1, 99, 0, 2);
}

std::array<std::string, 4> SpanRowTexts(int i) {
    const auto k = static_cast<std::size_t>(i);
    return {FormatNum(IntText(SpanCoefficients.MmaxNum.at(k)), 2, 0),
            FormatNum(IntText(SpanCoefficients.MmaxDen.at(k)), 2, 0),
            FormatNum(IntText(SpanCoefficients.SmaxNum.at(k)), 2, 0),
            FormatNum(IntText(SpanCoefficients.SmaxDen.at(k)), 2, 0)};
}

bool CommitSpanCoefficients(const std::array<std::array<std::string, 4>, 5>& rows) {
    bool incomplete = false;
    for (const auto& row : rows)
        for (const std::string& t : row)
            if (t.empty()) incomplete = true;
    if (!WarnIfIncomplete(incomplete)) return false;
    for (std::size_t j = 0; j < 5; ++j) {
        SpanCoefficients.MmaxNum[j] = ToInt16(rows[j][0]);
        SpanCoefficients.MmaxDen[j] = ToInt16(rows[j][1]);
        SpanCoefficients.SmaxNum[j] = ToInt16(rows[j][2]);
        SpanCoefficients.SmaxDen[j] = ToInt16(rows[j][3]);
    }
    RecalcLoad = 1;
    RecalcForce = 1;
    return true;
}

// ---- Main-rebar count conditions ----

FieldSpec WidthBoundSpec(int c) {
    FieldSpec s = ValueSpec(101 + 2 * c, 990 + 2 * c, 0, 4);
    s.empty = EmptyEntry::Restore;
    return s;
}

FieldSpec ConditionSpec() {
    FieldSpec s = ValueSpec(0, 999, 0, 9);
    s.empty = EmptyEntry::KeepLast;
    return s;
}

std::array<std::string, 5> CountRuleTexts(int c) {
    const auto k = static_cast<std::size_t>(c);
    return {FormatNum(RebarCountRule.WidthClassMax.at(k), 4, 0),
            FormatNum(RebarCountRule.BoxOutDia[0].at(k), 9, 0),
            FormatNum(RebarCountRule.BoxOutDia[1].at(k), 9, 0),
            FormatNum(RebarCountRule.ClearSpacing.at(k), 9, 0),
            FormatNum(RebarCountRule.Cover.at(k), 9, 0)};
}

std::string NextClassText(std::string_view bound) {
    return " " + NumStr(NumVal(TrimBlanks(bound)) + 1) + " ～ 1000";
}

std::vector<int> CascadeWidthBounds(std::array<std::string, 6>& bounds, int edited) {
    std::vector<int> moved;
    if (edited < 0 || edited > 5 || bounds[static_cast<std::size_t>(edited)].empty()) return moved;
    const auto move = [&](int j, double value) {
        const FieldSpec range = WidthBoundSpec(j);
        bounds[static_cast<std::size_t>(j)] = NumStr(std::clamp(value, range.min, range.max));
        moved.push_back(j);
    };
    // Down: each bound below the one above it, which may just have moved.
    double upper = NumVal(bounds[static_cast<std::size_t>(edited)]);
    for (int j = edited - 1; j >= 0; --j) {
        const std::string& t = bounds[static_cast<std::size_t>(j)];
        if (t.empty()) continue;
        if (NumVal(t) >= upper) move(j, upper - 2);
        upper = NumVal(bounds[static_cast<std::size_t>(j)]);
    }
    // Up to class 4: each bound above the one below it. The last class ends
    // at 1000 whatever its bound holds, and is never moved.
    double lower = NumVal(bounds[static_cast<std::size_t>(edited)]);
    for (int j = edited + 1; j <= 4; ++j) {
        const std::string& t = bounds[static_cast<std::size_t>(j)];
        if (t.empty()) continue;
        if (NumVal(t) <= lower) move(j, lower + 2);
        lower = NumVal(bounds[static_cast<std::size_t>(j)]);
    }
    return moved;
}

bool CommitRebarCountRule(const std::array<std::array<std::string, 5>, 6>& rows) {
    bool incomplete = false;
    for (const auto& row : rows)
        for (const std::string& t : row)
            if (TrimBlanks(t).empty()) incomplete = true;
    if (!WarnIfIncomplete(incomplete)) return false;
    for (std::size_t c = 0; c < 6; ++c) {
        RebarCountRule.WidthClassMax[c] = TrimBlanks(rows[c][0]);
        RebarCountRule.BoxOutDia[0][c] = TrimBlanks(rows[c][1]);
        RebarCountRule.BoxOutDia[1][c] = TrimBlanks(rows[c][2]);
        RebarCountRule.ClearSpacing[c] = TrimBlanks(rows[c][3]);
        RebarCountRule.Cover[c] = TrimBlanks(rows[c][4]);
    }
    RecalcResult = 1;
    return true;
}

}  // namespace talvo::standards
