#include "standards/catalogues.h"

#include <utility>

#include "shell/codec.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::standards {

namespace {

const char* const kTwentyBytes = "文字数は半角で２０文字までです。";

std::vector<std::string> Texts(const RefValue& v) {
    return {v.Name, v.Value};
}

void Store(RefValue& v, const std::vector<std::string>& texts) {
    v.Name = texts.size() > 0 ? texts[0] : std::string();
    v.Value = texts.size() > 1 ? texts[1] : std::string();
}

}  // namespace

CatalogueLayout LayoutOf(CatalogueKind kind) {
    CatalogueLayout layout;
    switch (kind) {
        case CatalogueKind::Steel:
            layout.name = {14, "文字数は半角で14文字までです。"};
            layout.values = {ValueSpec(1, 999, 0, 11), ValueSpec(1, 999, 0, 11)};
            break;
        case CatalogueKind::PullOut:
            layout.name = {20, kTwentyBytes};
            layout.values = {ValueSpec(0.1, 9.9, 1, 8)};
            break;
        case CatalogueKind::Plate:
            layout.name = {20, kTwentyBytes};
            layout.values = {ValueSpec(1, 999, 0, 14)};
            break;
        case CatalogueKind::UnitWeight:
            layout.name = {20, kTwentyBytes};
            layout.values = {ValueSpec(0.1, 99.9, 1, 9)};
            break;
    }
    return layout;
}

int PullOutGroup(int workType) {
    return workType == 3 ? 0 : 1;
}

int WeightGroup(int group) {
    return group < 0 ? 0 : group > 3 ? 3 : group;
}

CatalogueRows ReadCatalogue(CatalogueKind kind, int group) {
    CatalogueRows rows;
    for (int r = 0; r < kCatalogueRows; ++r) {
        auto& out = rows[static_cast<std::size_t>(r)];
        const auto i = static_cast<std::size_t>(r);
        switch (kind) {
            case CatalogueKind::Steel: {
                const SteelStress& s = SteelStressTable[i];
                out = {s.Name, s.TauSa, s.SigmaSa};
                break;
            }
            case CatalogueKind::PullOut:
                out = Texts(PullOutSafetyTable[static_cast<std::size_t>(group == 0 ? 0 : 1)][i]);
                break;
            case CatalogueKind::Plate:
                out = Texts(PlateStressTable[i]);
                break;
            case CatalogueKind::UnitWeight:
                out = Texts(UnitWeightTable[static_cast<std::size_t>(WeightGroup(group))][i]);
                break;
        }
    }
    return rows;
}

void StoreCatalogue(CatalogueKind kind, int group, const CatalogueRows& rows) {
    for (int r = 0; r < kCatalogueRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const std::vector<std::string>& t = rows[i];
        switch (kind) {
            case CatalogueKind::Steel: {
                SteelStress& s = SteelStressTable[i];
                s.Name = t.size() > 0 ? t[0] : std::string();
                s.TauSa = t.size() > 1 ? t[1] : std::string();
                s.SigmaSa = t.size() > 2 ? t[2] : std::string();
                break;
            }
            case CatalogueKind::PullOut:
                Store(PullOutSafetyTable[static_cast<std::size_t>(group == 0 ? 0 : 1)][i], t);
                break;
            case CatalogueKind::Plate:
                Store(PlateStressTable[i], t);
                break;
            case CatalogueKind::UnitWeight:
                Store(UnitWeightTable[static_cast<std::size_t>(WeightGroup(group))][i], t);
                break;
        }
    }
}

std::vector<std::string> RowCells(const CatalogueLayout& layout,
                                  const std::vector<std::string>& row) {
    std::vector<std::string> cells;
    cells.push_back(row.empty() ? std::string() : row[0]);
    for (std::size_t c = 0; c < layout.values.size(); ++c) {
        const std::string stored = c + 1 < row.size() ? row[c + 1] : std::string();
        cells.push_back(DisplayText(stored, layout.values[c]));
    }
    return cells;
}

std::string CheckName(std::string_view typed, const NameRule& rule) {
    const std::string name = TrimBlanks(typed);
    if (cp932::ByteCount(name) <= rule.maxBytes) return name;
    MsgBox(rule.message, MsgButtons::Ok, MsgIcon::Exclamation);
    return cp932::CutToBytes(name, rule.maxBytes);
}

std::string CheckCatalogueValue(std::string_view typed, const FieldSpec& spec,
                                std::string_view restore, bool* refused) {
    std::string shown;
    const EntryOutcome outcome = CheckEntry(typed, spec, &shown);
    if (refused) *refused = outcome == EntryOutcome::Refused;
    switch (outcome) {
        case EntryOutcome::Accepted:
            return shown;
        case EntryOutcome::Emptied:
            return "";
        case EntryOutcome::Refused:
            break;
    }
    return DisplayText(TrimBlanks(restore), spec);
}

int FirstEmptiedName(const CatalogueRows& before, const CatalogueRows& after) {
    for (int r = 0; r < kCatalogueRows; ++r) {
        const auto& was = before[static_cast<std::size_t>(r)];
        const auto& now = after[static_cast<std::size_t>(r)];
        const bool hadName = !was.empty() && !TrimBlanks(was[0]).empty();
        const bool hasName = !now.empty() && !TrimBlanks(now[0]).empty();
        if (!hadName || hasName) continue;
        for (std::size_t c = 1; c < now.size(); ++c)
            if (!TrimBlanks(now[c]).empty()) return r;
    }
    return -1;
}

bool WarnIfNameEmptied(const CatalogueRows& before, const CatalogueRows& after) {
    return WarnIfIncomplete(FirstEmptiedName(before, after) >= 0);
}

// ---- The step that opened a catalogue ----

ValuesInUse ValuesInUseOf(CatalogueKind kind, int group, int workType) {
    ValuesInUse in;
    switch (kind) {
        case CatalogueKind::Steel:
            if (workType >= 3) {
                in.columns = {2, 3};
                in.current = {Design.RockTauSa, Design.RockSigmaSa};
            } else {
                in.columns = {2};
                in.current = {Design.AncBarTauSa};
            }
            break;
        case CatalogueKind::PullOut:
            in.columns = {2};
            in.current = {group == 0 ? Design.RockFs : Design.AnchorFs};
            break;
        case CatalogueKind::Plate:
            in.columns = {2};
            in.current = {Design.PlateSigma};
            break;
        case CatalogueKind::UnitWeight:
            in.columns = {2};
            in.current = {WeightValueField(group)};
            in.nameColumn = 1;
            in.currentName = WeightNameField(group);
            break;
    }
    return in;
}

ValuesInUse StressValuesInUse() {
    ValuesInUse in;
    in.columns = {1, 2, 3, 4, 5};
    in.current = {Design.SigmaCk, Design.SigmaCa, Design.TauCa, Design.TauOa, Design.SigmaSa};
    return in;
}

namespace {

std::string CellOf(const std::vector<std::string>& row, int col) {
    return col >= 1 && static_cast<std::size_t>(col) <= row.size()
               ? TrimBlanks(row[static_cast<std::size_t>(col - 1)])
               : std::string();
}

}  // namespace

bool RowHoldsAValue(const std::vector<std::string>& row, const ValuesInUse& inUse) {
    for (int col : inUse.columns)
        if (!CellOf(row, col).empty()) return true;
    return false;
}

namespace {

// How well the rows match the values in use: the best score of a row (twice
// its equal values, one more for the design's name) and that row (1 to 5).
// Score 0 and row 1 when no row holds a value in use.
std::pair<int, int> BestRowOfValuesInUse(const CatalogueRows& rows, const ValuesInUse& inUse) {
    int best = 1;
    int bestScore = 0;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const auto& row = rows[static_cast<std::size_t>(r - 1)];
        int equal = 0;
        bool differs = false;
        for (std::size_t i = 0; i < inUse.columns.size(); ++i) {
            const std::string cell = CellOf(row, inUse.columns[i]);
            if (cell.empty()) continue;
            const std::string now = i < inUse.current.size() ? TrimBlanks(inUse.current[i]) : "";
            if (now.empty() || NumVal(cell) != NumVal(now)) {
                differs = true;
                break;
            }
            ++equal;
        }
        if (differs || equal == 0) continue;
        const bool sameName =
            inUse.nameColumn > 0 && CellOf(row, inUse.nameColumn) == TrimBlanks(inUse.currentName);
        const int score = 2 * equal + (sameName ? 1 : 0);
        if (score > bestScore) {
            best = r;
            bestScore = score;
        }
    }
    return {bestScore, best};
}

}  // namespace

int RowOfValuesInUse(const CatalogueRows& rows, const ValuesInUse& inUse) {
    return BestRowOfValuesInUse(rows, inUse).second;
}

std::string PickedText(const std::vector<std::string>& row, const ValuesInUse& inUse, int col) {
    const std::string cell = col >= 1 && static_cast<std::size_t>(col) <= row.size()
                                 ? row[static_cast<std::size_t>(col - 1)]
                                 : std::string();
    if (!TrimBlanks(cell).empty()) return cell;
    for (std::size_t i = 0; i < inUse.columns.size(); ++i)
        if (inUse.columns[i] == col && i < inUse.current.size()) return inUse.current[i];
    if (inUse.nameColumn > 0 && col == inUse.nameColumn) return inUse.currentName;
    return cell;
}

// ---- Design strengths and allowable stresses ----

NameRule StandardNameRule() {
    return {kStandardNameBytes, "文字数は半角で２８文字までです。"};
}

FieldSpec StressColumnSpec(int col) {
    switch (col) {
        case 1:
            return ValueSpec(1, 99, 0, 8);
        case 2:
            return ValueSpec(0.1, 99.9, 1, 6);
        case 3:
            return ValueSpec(0.01, 0.99, 2, 6);
        case 4:
            return ValueSpec(0.1, 9.9, 1, 6);
        default:
            return ValueSpec(1, 999, 0, 8);
    }
}

StressWork StressWorkFromTable() {
    StressWork work;
    for (std::size_t s = 0; s < kStandards; ++s) {
        for (std::size_t r = 0; r < kCatalogueRows; ++r) {
            const StressSet& set = AllowableStressTable[s][r];
            const std::array<const std::string*, 5> fields = {&set.SigmaCk, &set.SigmaCa,
                                                              &set.TauCa, &set.TauOa, &set.SigmaSa};
            for (std::size_t c = 0; c < 5; ++c)
                work[s][r][c] =
                    TrimBlanks(DisplayText(*fields[c], StressColumnSpec(static_cast<int>(c) + 1)));
        }
    }
    return work;
}

void StoreStressWork(const StressWork& work, const std::array<std::string, kStandards>& names) {
    for (std::size_t s = 0; s < kStandards; ++s) {
        for (std::size_t r = 0; r < kCatalogueRows; ++r) {
            StressSet& set = AllowableStressTable[s][r];
            set.SigmaCk = work[s][r][0];
            set.SigmaCa = work[s][r][1];
            set.TauCa = work[s][r][2];
            set.TauOa = work[s][r][3];
            set.SigmaSa = work[s][r][4];
        }
        StandardName[s] = names[s];
    }
}

CatalogueRows StressRows(int standard) {
    CatalogueRows rows;
    if (standard < 0 || standard >= kStandards) return rows;
    for (std::size_t r = 0; r < kCatalogueRows; ++r) {
        const StressSet& set = AllowableStressTable[static_cast<std::size_t>(standard)][r];
        rows[r] = {set.SigmaCk, set.SigmaCa, set.TauCa, set.TauOa, set.SigmaSa};
    }
    return rows;
}

int StandardOfValuesInUse(int shown, const ValuesInUse& inUse) {
    if (shown < 0 || shown >= kStandards) shown = 0;
    int best = shown;
    int bestScore = BestRowOfValuesInUse(StressRows(shown), inUse).first;
    for (int s = 0; s < kStandards; ++s) {
        const int score = BestRowOfValuesInUse(StressRows(s), inUse).first;
        if (score > bestScore) {
            best = s;
            bestScore = score;
        }
    }
    return best;
}

bool PickStressSet(int standard, int row) {
    if (standard < 0 || standard >= kStandards || row < 0 || row >= kCatalogueRows) return false;
    const std::vector<std::string> texts = StressRows(standard)[static_cast<std::size_t>(row)];
    const ValuesInUse inUse = StressValuesInUse();
    std::string* const fields[5] = {&Design.SigmaCk, &Design.SigmaCa, &Design.TauCa, &Design.TauOa,
                                    &Design.SigmaSa};
    for (int c = 1; c <= 5; ++c) *fields[c - 1] = PickedText(texts, inUse, c);
    RecalcResult = 1;
    DataChanged = 1;
    return true;
}

// ---- Unit weights ----

std::string WeightCaption(int group) {
    static const char* const kCaptions[4] = {"のり枠の単位体積重量", "中詰め材の単位体積重量",
                                             "積雪の単位体積重量", "移動土塊の単位体積重量"};
    return kCaptions[WeightGroup(group)];
}

std::string WeightNameHeading(int group) {
    static const char* const kHeadings[4] = {"材 料 名", "材 料 名", "備 考", "土 質"};
    return kHeadings[WeightGroup(group)];
}

std::string& WeightNameField(int group) {
    switch (WeightGroup(group)) {
        case 0:
            return Design.FrameMaterial;
        case 1:
            return Design.InfillName;
        case 2:
            return Design.SnowRemarks;
        default:
            return Design.SoilName;
    }
}

std::string& WeightValueField(int group) {
    switch (WeightGroup(group)) {
        case 0:
            return Design.FrameGamma;
        case 1:
            return Design.InfillGamma;
        case 2:
            return Design.SnowGamma;
        default:
            return Design.SoilGamma;
    }
}

void PickUnitWeight(int group, const std::string& name, const std::string& value) {
    if (!TrimBlanks(value).empty()) WeightValueField(group) = FormatNum(value, 5, 1);
    if (!TrimBlanks(name).empty()) WeightNameField(group) = name;
    DataChanged = 1;
    RecalcLoad = 1;
    RecalcForce = 1;
    RecalcAnchorBar = 1;
}

// ---- Fixed tables ----

std::string AnchorBondCell(int col, int row) {
    if (col < 1 || col > 5 || row < 1 || row > 10) return "";
    static const char* const kTemporary[2][5] = {{"0.8", "1.0", "1.2", "1.35", "1.5"},
                                                 {"1.2", "1.4", "1.6", "1.8", "2.0"}};
    static const char* const kPermanent[2][5] = {{"―", "―", "0.8", "0.9", "1.0"},
                                                 {"―", "―", "1.6", "1.8", "2.0"}};
    const bool deformedBar = row == 5 || row == 10;
    const auto& table = row <= 5 ? kTemporary : kPermanent;
    return std::string("    ") + table[deformedBar ? 1 : 0][col - 1];
}

std::string AnchorFrictionCell(int col, int row) {
    if (col < 1 || col > 3 || row < 1 || row > 14) return "";
    static const char* const kRanges[14][2] = {
        {"1.47", "2.45"}, {"0.98", "1.47"}, {"0.59", "0.98"}, {"0.59", "1.18"}, {"0.10", "0.20"},
        {"0.17", "0.25"}, {"0.25", "0.34"}, {"0.34", "0.44"}, {"0.44", "0.69"}, {"0.10", "0.14"},
        {"0.18", "0.22"}, {"0.23", "0.26"}, {"0.28", "0.34"}, {"0.29", "0.39"}};
    if (col == 2) return "    ～";
    return std::string("   ") + kRanges[row - 1][col == 1 ? 0 : 1];
}

std::string RockFrictionCell(int row) {
    if (row < 1 || row > 15) return "";
    if (row == 15) return "             " + CohesionCell("0.8").substr(5);
    static const char* const kValues[14] = {"1.18", "0.78", "0.49", "0.49", "0.08", "0.14", "0.20",
                                            "0.27", "0.35", "0.08", "0.14", "0.18", "0.23", "0.24"};
    return std::string("              ") + kValues[row - 1];
}

std::string RockBondCell(int col) {
    if (col < 1 || col > 4) return "";
    static const char* const kValues[4] = {"1.4", "1.6", "1.8", "2.0"};
    return std::string("      ") + kValues[col - 1];
}

std::string CohesionCell(std::string_view factor) {
    return "     " + std::string(factor) + "× c";
}

std::string CohesionCell(std::string_view factor, std::string_view cohesion) {
    const double friction = NumVal(factor) * NumVal(cohesion);
    return CohesionCell(factor) + " =" + FormatNum(FormatPattern(friction, "0.00"), 3, 2);
}

bool CheckCohesion(std::string_view typed, std::string* shown) {
    std::string text = TrimBlanks(typed);
    if (!CheckValue(text, 0.0001, 9.9999, 4)) return false;
    if (shown) *shown = text.empty() ? std::string() : FormatNum(text, 1, 4);
    return true;
}

std::string LastFourChars(std::string_view cell) {
    // Characters, not bytes: the cells are UTF-8.
    std::size_t count = 0;
    std::size_t i = cell.size();
    while (i > 0 && count < 4) {
        --i;
        if ((static_cast<unsigned char>(cell[i]) & 0xC0) != 0x80) ++count;
    }
    return std::string(cell.substr(i));
}

std::string PickedFriction(std::string_view cell) {
    const std::size_t sign = cell.rfind('=');
    if (sign == std::string_view::npos) return LastFourChars(cell);
    return TrimBlanks(cell.substr(sign + 1));
}

}  // namespace talvo::standards
