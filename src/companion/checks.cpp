#include "companion/checks.h"

#include <algorithm>
#include <cmath>

#include "calc/rebar.h"
#include "companion/study.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "steps/gradient.h"

namespace talvo::companion {

void ClearResultCell(int col, int row);  // study.cpp

std::string FormatKeta(const std::string& text, int places, int decimals) {
    if (text.empty()) return {};
    const double value = NumVal(text);
    const std::string s = NumStr(value);
    const auto dot = s.rfind('.');
    const int w = static_cast<int>(dot == std::string::npos ? s.size() : dot);
    std::string pattern;
    for (int i = 1; i <= places - 1; ++i) pattern += (i <= places - w) ? ' ' : '#';
    pattern += '0';
    if (decimals > 0) pattern += '.' + std::string(static_cast<std::size_t>(decimals), '0');
    return FormatPattern(value, pattern);
}

void ClearKekka(int which) {
    for (int s = 0; s < 2; ++s) {
        for (int i = 0; i < 4; ++i) {
            for (int p = 0; p < 2; ++p) {
                if (which != 2 && which != p) continue;
                KekkaL[p + 2 * s][i].clear();
                KekkaH[p + 2 * s][i].clear();
                ClearResultCell(2 * p + 1, i + 1);
                ClearResultCell(2 * p + 2, i + 1);
            }
        }
    }
}

namespace {

// Plain decimal text: an optional sign, digits with at most one point, at
// least one digit.
bool IsPlainNumber(const std::string& t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

}  // namespace

std::int16_t CellCheck(const std::string& input, double minimum, double maximum, int places,
                       int decimals) {
    std::string text = TrimBlanks(input);
    if (text.empty()) return 0;
    if (text[0] == '-') text = "-" + TrimBlanks(text.substr(1));
    if (!IsPlainNumber(text)) return 1;
    const double x = NumVal(text);
    if (x < minimum || x > maximum) return 2;
    const auto dot = text.find('.');
    const int pos = dot == std::string::npos ? 0 : static_cast<int>(dot) + 1;
    if (pos > 0)
        while (!text.empty() && text.back() == '0') text.pop_back();
    const int d = static_cast<int>(text.size()) - pos;
    const int intDigits = x >= 0 ? pos - 1 : pos - 2;
    return (intDigits <= places && (d <= decimals || pos == 0)) ? 0 : 3;
}

bool ValueCheck(int mode, std::string& text, double minimum, double maximum, int decimals) {
    if (text.empty()) return mode != 1;
    std::string out;
    bool bad = false;
    int points = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char c = ReadHalfWidth(text, i);
        if ((c >= '0' && c <= '9') || (c == '.' && ++points == 1)) {
            out += c;
            continue;
        }
        // The scanned part is rewritten; the rest, from the refused
        // character on, stays as it was.
        out.append(text, start, std::string::npos);
        bad = true;
        break;
    }
    text = out;
    if (mode == 1) {
        if (bad) return false;
        const double v = NumVal(text);
        return minimum <= v && v <= maximum;
    }
    if (bad) {
        MsgBox("値が正しくありません。", MsgButtons::Ok, MsgIcon::Exclamation, 0, kTitle);
        return false;
    }
    const double v = NumVal(text);
    if (v < minimum || v > maximum) {
        MsgBox("値が有効範囲にありません。\r有効範囲（" + NumStr(minimum) + "～" + NumStr(maximum) +
                   "）",
               MsgButtons::Ok, MsgIcon::Exclamation, 0, kTitle);
        return false;
    }
    std::string pattern = "0";
    if (decimals > 0 && text.find('.') != std::string::npos)
        pattern = "0." + std::string(static_cast<std::size_t>(decimals), '0');
    text = FormatPattern(v, pattern);
    return true;
}

namespace {

bool Passes(const std::string& stored, double minimum, double maximum) {
    std::string copy = TrimBlanks(stored);
    return ValueCheck(1, copy, minimum, maximum, 0);
}

}  // namespace

bool DataCheck() {
    PatUsable[0] = PatUsable[1] = 1;
    struct Item {
        const std::string* text;
        double min, max;
    };
    const Item conditions[] = {
        {&SoilWeight, 0.1, 99.9}, {&FrameWeight, 0.1, 99.9}, {&InfillWeight, 0.1, 99.9},
        {&DeltaFs, 0.01, 1.0},    {&SlopeRatio, 0.01, 9.99}, {&SlopeAngle, 0.01, 89.99},
        {&SigmaSa, 1.0, 999.0},   {&SigmaCa, 0.1, 99.9},     {&ArcTopDistance, 0, 99.999},
    };
    for (const Item& item : conditions) {
        if (item.text == &InfillWeight && InfillMode == 0) continue;
        if (!Passes(*item.text, item.min, item.max)) return false;
    }
    int validDepths = 0;
    for (int i = 0; i < 4; ++i)
        if (Passes(FailDepth[i], 0.1, 9.9)) ++validDepths;
    for (int p = 0; p < 2; ++p) {
        const Item items[] = {
            {&PatSpanYoko[p], 1.0, 10.0}, {&PatSpanTate[p], 0, 10.0},
            {&PatOverhang[p], 0, 10.0},   {&PatWidth[p], 100, 1000},
            {&PatHeight[p], 100, 1000},   {&PatEffHeight[p], 50, 1000},
            {&PatBarCount[p], 1, 10},     {&PatInfillThick[p], 0, 1000},
        };
        for (const Item& item : items) {
            if (!Passes(*item.text, item.min, item.max)) {
                PatUsable[p] = 0;
                break;
            }
        }
    }
    return !(PatUsable[0] == 0 && PatUsable[1] == 0) && validDepths > 0;
}

bool TekkinCheck(int p) {
    const double b = std::nearbyint(NumVal(PatWidth[p]));
    const double h = std::nearbyint(NumVal(PatHeight[p]));
    const double d = std::nearbyint(NumVal(PatEffHeight[p]));
    const int c = SizeClassOf(b);
    const double s = NumVal(RebarCountRule.ClearSpacing[c]);
    const double sR = std::nearbyint(s);
    const double cv = NumVal(RebarCountRule.Cover[c]);
    const int bar = std::clamp<int>(PatBarIndex[p], 0, 11);
    const double phi = RebarSpecTable[bar].Diameter;
    const double denominator = phi + s;
    if (denominator <= 0) return false;
    const double n = std::floor(2 * (((b - sR) / 2 - cv - phi) / denominator + 1));
    if (NumVal(PatBarCount[p]) > n) return false;
    if (d + cv + phi / 2 > h) return false;
    return n >= 1;
}

namespace {

// A row of the pattern grid: its study-record value, display format and
// range, and the range as its message names it (the brackets as written).
struct FrameRow {
    PatText* field;
    int places, decimals;
    double min, max;
    const char* rangeLine;
};

const FrameRow kFrameRows[9] = {
    {&PatSpanYoko, 8, 3, 1, 10, "有効範囲（1～10）"},
    {&PatSpanTate, 8, 3, 0, 10, "有効範囲（0～10)"},
    {&PatOverhang, 8, 3, 0, 10, "有効範囲（0～10)"},
    {&PatWidth, 12, 0, 100, 1000, "有効範囲（100～1000)"},
    {&PatHeight, 12, 0, 100, 1000, "有効範囲（100～1000)"},
    {&PatEffHeight, 12, 0, 50, 1000, "有効範囲（50～1000)"},
    {&PatInfillThick, 12, 0, 0, 1000, "有効範囲（0～1000)"},
    {nullptr, 0, 0, 0, 0, ""},  // the bar names: no entry
    {&PatBarCount, 12, 0, 1, 10, "有効範囲（1～10）"},
};

MessageRequest RangeMessage(const char* rangeLine) {
    MessageRequest m;
    m.text = std::string("値が有効範囲にありません。\r\n") + rangeLine;
    m.buttons = MsgButtons::Ok;
    m.icon = MsgIcon::Exclamation;
    m.title = kTitle;
    return m;
}

// The check of a cell: the typed text stored when it passes, the range
// message when it does not. An accepted cell of blanks only is emptied.
bool CheckCell(const std::string& typed, double min, double max, const char* rangeLine,
               std::string& stored, CellLeft& left) {
    left.accepted = CellCheck(typed, min, max, 2, 3) == 0;
    if (left.accepted)
        stored = TrimBlanks(typed).empty() ? std::string() : typed;
    else
        left.message = RangeMessage(rangeLine);
    return left.accepted;
}

bool Changed(const std::string& now, const std::string& before) {
    return Present(now) != Present(before) || NumVal(now) != NumVal(before);
}

}  // namespace

std::string FrameCellShown(int p, int row) {
    if (row < 1 || row > 9 || !kFrameRows[row - 1].field) return {};
    const FrameRow& r = kFrameRows[row - 1];
    return FormatKeta((*r.field)[p], r.places, r.decimals);
}

CellLeft LeaveFrameCell(int p, int row, const std::string& typed) {
    CellLeft left;
    if (row < 1 || row > 9 || !kFrameRows[row - 1].field) return left;
    const FrameRow& r = kFrameRows[row - 1];
    std::string& stored = (*r.field)[p];
    const std::string before = stored;
    CheckCell(typed, r.min, r.max, r.rangeLine, stored, left);
    left.shown = FormatKeta(stored, r.places, r.decimals);
    if ((row == 5 || row == 6 || row == 7 || row == 9) && NumVal(left.shown) != NumVal(stored))
        stored = left.shown;
    // Results never outlive the inputs they came from.
    if (Changed(stored, before)) ClearKekka(p);
    return left;
}

std::string DepthShown(const std::string& stored) {
    const std::string t = TrimBlanks(stored);
    int decimals = 1;
    const auto dot = t.find('.');
    if (dot != std::string::npos) {
        const auto last = t.find_last_not_of('0');
        if (last != std::string::npos && last > dot)
            decimals = std::max(decimals, static_cast<int>(last - dot));
    }
    return FormatKeta(stored, 12, decimals);
}

CellLeft LeaveDepthCell(int i, const std::string& typed) {
    CellLeft left;
    if (i < 0 || i > 3) return left;
    std::string& stored = FailDepth[i];
    const std::string before = stored;
    CheckCell(typed, 0.1, 9.9, "有効範囲（0.1～9.9）", stored, left);
    left.shown = DepthShown(stored);
    if (Changed(stored, before)) ClearKekka(2);
    return left;
}

namespace {

SectionMark Mark(std::vector<int> rows, bool inError, const char* text, bool helpButton = false) {
    SectionMark m;
    m.rows = std::move(rows);
    m.inError = inError;
    if (inError) {
        m.message.text = text;
        m.message.buttons = MsgButtons::Ok;
        m.message.icon = MsgIcon::Exclamation;
        m.message.title = kTitle;
        m.message.helpButton = helpButton;
    }
    return m;
}

}  // namespace

SectionMark BarFitMark(int p) {
    return Mark({9}, !TekkinCheck(p), "鉄筋本数が最大主鉄筋本数を超えています。", true);
}

SectionMark EffectiveHeightMark(int p) {
    const bool both = Present(PatEffHeight[p]) && Present(PatHeight[p]);
    return Mark({6, 5}, both && !(NumVal(PatHeight[p]) > NumVal(PatEffHeight[p])),
                "有効高が枠高と同じか、超えています");
}

SectionMark InfillThicknessMark(int p) {
    // Whether the infill is considered does not matter: the thickness stays
    // stored, and a pattern is calculated again with it once it is.
    const bool both = Present(PatInfillThick[p]) && Present(PatHeight[p]);
    return Mark({7}, both && NumVal(PatHeight[p]) < NumVal(PatInfillThick[p]),
                "中詰め材の厚さが枠高を超えています");
}

std::vector<SectionMark> MarksAfterEntry(int p, int row, bool barCellsFilled) {
    std::vector<SectionMark> marks;
    if (row == 4 || (row == 9 && barCellsFilled)) marks.push_back(BarFitMark(p));
    if (row == 5 || row == 6) marks.push_back(EffectiveHeightMark(p));
    if (row == 5 || row == 7) marks.push_back(InfillThicknessMark(p));
    return marks;
}

bool AssignStandardRow(int p, const StandardRow& row, bool sameInfill) {
    auto differ = [](const std::string& a, const std::string& b) { return NumVal(a) != NumVal(b); };
    const bool changed = differ(row.width, PatWidth[p]) || differ(row.height, PatHeight[p]) ||
                         differ(row.effHeight, PatEffHeight[p]) ||
                         differ(row.spanYoko, PatSpanYoko[p]) ||
                         differ(row.spanTate, PatSpanTate[p]) ||
                         (sameInfill && differ(PatInfillThick[p], row.height)) ||
                         row.barIndex != PatBarIndex[p] || row.barCount != PatBarCount[p];
    if (changed) ClearKekka(p);
    PatWidth[p] = row.width;
    PatHeight[p] = row.height;
    PatEffHeight[p] = row.effHeight;
    PatSpanYoko[p] = row.spanYoko;
    PatSpanTate[p] = row.spanTate;
    PatBarIndex[p] = static_cast<std::int16_t>(row.barIndex);
    PatBarCount[p] = row.barCount;
    if (sameInfill) PatInfillThick[p] = PatHeight[p];
    return changed;
}

namespace {

// Two texts of one value: both hold a number and it is the same.
bool SameValue(const std::string& a, const std::string& b) {
    return !TrimBlanks(a).empty() && !TrimBlanks(b).empty() && NumVal(a) == NumVal(b);
}

}  // namespace

bool PatternHoldsRow(int p, const StandardRow& row) {
    if (p < 0 || p > 1) return false;
    return SameValue(row.width, PatWidth[p]) && SameValue(row.height, PatHeight[p]) &&
           SameValue(row.effHeight, PatEffHeight[p]) && SameValue(row.spanYoko, PatSpanYoko[p]) &&
           SameValue(row.spanTate, PatSpanTate[p]);
}

int StressRowOf(int standard, const std::string& sigmaCa, const std::string& sigmaSa) {
    if (standard < 0 || standard > 3) return 0;
    for (int r = 0; r < 5; ++r) {
        const StressSet& set =
            AllowableStressTable[static_cast<std::size_t>(standard)][static_cast<std::size_t>(r)];
        if (SameValue(set.SigmaCa, sigmaCa) && SameValue(set.SigmaSa, sigmaSa)) return r + 1;
    }
    return 0;
}

int StressStandardOf(int preferred, const std::string& sigmaCa, const std::string& sigmaSa) {
    if (preferred < 0 || preferred > 3) preferred = 0;
    if (StressRowOf(preferred, sigmaCa, sigmaSa) > 0) return preferred;
    for (int s = 0; s < 4; ++s)
        if (StressRowOf(s, sigmaCa, sigmaSa) > 0) return s;
    return preferred;
}

int WeightRowOf(int group, const std::string& weight) {
    if (group < 0 || group > 3) return 0;
    for (int r = 0; r < 5; ++r)
        if (SameValue(
                UnitWeightTable[static_cast<std::size_t>(group)][static_cast<std::size_t>(r)].Value,
                weight))
            return r + 1;
    return 0;
}

SectionMark InfillAfterAssignment(int p, bool sameInfill) {
    SectionMark m;
    m.rows = {7};
    m.inError = !sameInfill && NumVal(PatInfillThick[p]) > NumVal(PatHeight[p]);
    return m;
}

namespace {

// An entry of the conditions dialog: its fields, its range and decimals, and
// the format its box shows.
struct ConditionRow {
    std::string* committed;
    std::string* pending;
    double min, max;
    int decimals;
    int places, shownDecimals;
};

ConditionRow RowOf(int entry) {
    switch (entry) {
        case EntryRatio:
            return {&SlopeRatio, &EditSlopeRatio, 0.01, 9.99, 2, 3, 2};
        case EntryAngle:
            // Only the angles whose gradient (1/tanθ to two decimals) lies
            // within the ratio's 0.01 to 9.99 can be calculated: θ = 5.71
            // gives 10.00 and θ = 89.72 gives 0.00, so the range names them.
            return {&SlopeAngle, &EditSlopeAngle, 5.72, 89.71, 2, 6, 2};
        case EntrySafety:
            return {&DeltaFs, &EditDeltaFs, 0.01, 1.0, 2, 6, 2};
        case EntryDistance:
            return {&ArcTopDistance, &EditArcTopDistance, 0, 99.999, 3, 6, 3};
        case EntryFrame:
            return {&FrameWeight, &EditFrameWeight, 0.1, 99.9, 1, 6, 1};
        case EntryPack:
            return {&InfillWeight, &EditInfillWeight, 0.1, 99.9, 1, 6, 1};
        case EntryMass:
            return {&SoilWeight, &EditSoilWeight, 0.1, 99.9, 1, 6, 1};
        case EntryConcrete:
            return {&SigmaCa, &EditSigmaCa, 0.1, 99.9, 1, 6, 1};
        default:
            return {&SigmaSa, &EditSigmaSa, 1, 999, 0, 6, 0};
    }
}

}  // namespace

std::string ConditionShown(int entry, const std::string& value) {
    const ConditionRow r = RowOf(entry);
    return FormatKeta(value, r.places, r.shownDecimals);
}

std::string& ConditionCommitted(int entry) {
    return *RowOf(entry).committed;
}

std::string& ConditionPending(int entry) {
    return *RowOf(entry).pending;
}

void OpenConditions() {
    for (int i = 0; i < kConditionEntries; ++i) ConditionPending(i) = ConditionCommitted(i);
    EditInfillMode = InfillMode;
    EditSlopeInputMode = SlopeInputMode;
}

ConditionLeft LeaveCondition(int entry, const std::string& typed) {
    const ConditionRow r = RowOf(entry);
    std::string text = TrimBlanks(typed);
    ConditionLeft left;
    left.accepted = ValueCheck(0, text, r.min, r.max, r.decimals);
    if (left.accepted) {
        *r.pending = text;
        // The gradient step's conversions with the companion's π; the record
        // keeps their texts without the blanks the step pads them with. The
        // angle's range keeps tan θ above 0.
        if (entry == EntryAngle && !text.empty()) {
            EditSlopeRatio = TrimBlanks(SlopeRatioOfAngle(text, Pi));
            left.otherEntry = EntryRatio;
        } else if (entry == EntryRatio && !text.empty()) {
            EditSlopeAngle = TrimBlanks(SlopeAngleOfRatio(text, Pi));
            left.otherEntry = EntryAngle;
        }
        if (left.otherEntry >= 0)
            left.otherShown = ConditionShown(left.otherEntry, ConditionPending(left.otherEntry));
    }
    left.shown = ConditionShown(entry, *r.pending);
    return left;
}

bool CommitConditions() {
    // Compared as numbers; a value cleared or filled in changes too (an empty
    // text reads as 0 but leaves nothing to calculate with).
    auto differ = [](const std::string& a, const std::string& b) {
        return NumVal(a) != NumVal(b) || Present(a) != Present(b);
    };
    const bool changed = differ(EditSoilWeight, SoilWeight) || EditInfillMode != InfillMode ||
                         differ(EditInfillWeight, InfillWeight) ||
                         differ(EditFrameWeight, FrameWeight) ||
                         (SlopeInputMode == 0 && differ(EditSlopeRatio, SlopeRatio)) ||
                         (SlopeInputMode == 1 && differ(EditSlopeAngle, SlopeAngle)) ||
                         EditSlopeInputMode != SlopeInputMode || differ(EditDeltaFs, DeltaFs) ||
                         differ(EditSigmaCa, SigmaCa) || differ(EditSigmaSa, SigmaSa) ||
                         differ(EditArcTopDistance, ArcTopDistance);
    if (changed) ClearKekka(2);
    SoilWeight = EditSoilWeight;
    InfillWeight = EditInfillWeight;
    InfillMode = EditInfillMode;
    FrameWeight = EditFrameWeight;
    SlopeRatio = EditSlopeRatio;
    SlopeAngle = EditSlopeAngle;
    SlopeInputMode = EditSlopeInputMode;
    DeltaFs = EditDeltaFs;
    SigmaCa = EditSigmaCa;
    SigmaSa = EditSigmaSa;
    ArcTopDistance = EditArcTopDistance;
    return changed;
}

}  // namespace talvo::companion
