#include "shell/settings.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <vector>

#include "shell/codec.h"
#include "shell/fileio.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/settingslineup.h"
#include "shell/tables.h"

namespace talvo {

// The design-file signature (72 characters) followed by "a". Spelled out here
// rather than built from kDesignSignature: two namespace-scope strings of
// different source files have no defined order of initialisation, and the
// settings signature must never be built from a string not yet constructed.
// The tests hold the two signatures together.
const std::string kSettingsSignature = [] {
    std::string s = "Talvo-SI FILE  slope frame design data";
    s.resize(72, ' ');
    return s + "a";
}();

namespace {

using settings_detail::kBodyLines;
// A settings file is a few kilobytes; more than this is not one, and the
// rest is not looked at.
constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr int kMaxFileLines = 600;

// The byte-order mark of UTF-8.
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Window sizes of the start without a usable file.
constexpr int kMissingWidth = 9600, kMissingHeight = 6600;
constexpr int kForeignWidth = 9585, kForeignHeight = 5910;

// ---------------------------------------------------------------------------
// Lines and items as they stand in the file.

// One item of a line: 'Q' a text between double quotes, 'B' a bare item (a
// number), 'X' an item that is neither (a quote not closed, text after the
// closing quote, a quote inside a bare item).
struct Item {
    char kind;
    std::string_view bytes;  // inside the quotes, or the bare item without blanks
};

struct FileLine {
    std::vector<Item> items;
    std::string shape;  // the kinds of its items in order, e.g. "QBBBB"
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The blanks of IsBlank, to trim an item by.
constexpr std::string_view kBlanks = " \t";

// Splits one line (without its line break) into items. Code page 932 never
// uses a quote, comma, CR or LF byte as the second byte of a character, so
// the line can be split on its bytes.
FileLine Tokenize(std::string_view line) {
    FileLine out;
    if (TrimmedView(line, kBlanks).empty()) return out;
    const std::size_t n = line.size();
    std::size_t i = 0;
    for (;;) {
        while (i < n && IsBlank(line[i])) ++i;
        Item item{'B', {}};
        if (i < n && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                item = {'X', line.substr(i + 1)};
                i = n;
            } else {
                item = {'Q', line.substr(i + 1, close - i - 1)};
                i = close + 1;
                while (i < n && IsBlank(line[i])) ++i;
                if (i < n && line[i] != ',') {
                    item.kind = 'X';
                    i = std::min(line.find(',', i), n);
                }
            }
        } else {
            const std::size_t comma = std::min(line.find(',', i), n);
            item.bytes = TrimmedView(line.substr(i, comma - i), kBlanks);
            if (item.bytes.find('"') != std::string_view::npos) item.kind = 'X';
            i = comma;
        }
        out.items.push_back(item);
        out.shape += item.kind;
        if (i >= n) break;
        ++i;  // the comma; a comma at the end of the line leaves an empty item
    }
    return out;
}

struct RawLines {
    std::vector<std::string_view> lines;
    bool lastUnended = false;  // the last line has no line break after it
};

// Lines end with CR LF, as the program writes them; a lone LF or a lone CR
// (a file that went through another system's editor) ends a line too.
// Nothing after the last line break counts as a line unless it holds
// something.
RawLines SplitLines(std::string_view bytes) {
    RawLines out;
    std::size_t start = 0;
    while (start < bytes.size() && out.lines.size() < static_cast<std::size_t>(kMaxFileLines)) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        const bool last = end == std::string_view::npos;
        if (last) end = bytes.size();
        out.lines.push_back(bytes.substr(start, end - start));
        if (last) {
            out.lastUnended = true;
            break;
        }
        start = end + 1;
        if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return out;
}

// Whether a first line is the program's: its first item is the signature,
// between double quotes or bare up to its comma. Whatever follows the item
// on the line is damage of that line only, not a sign of another program's
// file.
bool StartsWithSignature(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    const std::size_t n = kSettingsSignature.size();
    if (!line.empty() && line.front() == '"')
        return line.size() >= n + 2 && line.substr(1, n) == kSettingsSignature &&
               line[n + 1] == '"';
    return TrimBlanks(line.substr(0, line.find(','))) == kSettingsSignature;
}

// A bare item that is wholly one number: sign, digits with at most one point,
// optional exponent. "12abc" is no number here, even though its leading
// number reads as 12: such an item is damage, not a value.
bool IsNumberText(std::string_view s) {
    s = TrimmedView(s, kBlanks);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t expStart = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        if (i == expStart) return false;
    }
    return i == s.size();
}

// The number of a text, when the text is one number within [min, max].
bool NumberIn(std::string_view s, double min, double max, double& value) {
    if (!IsNumberText(s)) return false;
    value = NumVal(s);
    return std::isfinite(value) && value >= min && value <= max;
}

// ---------------------------------------------------------------------------
// The layout. Each table is described once, by a function that visits its
// lines and items in file order; the same description writes the file, reads
// it back with the checks of each item, and gives the line shapes by which a
// file with lost or extra lines is lined up with the layout.

// Writes the items.
class Writer {
public:
    void Line() {
        if (open_) out_ += "\r\n";
        open_ = true;
        first_ = true;
    }
    // Straight into the file's bytes: a settings file holds some 300 items,
    // written at every exit.
    void Text(const std::string& s) {
        Separate();
        out_ += '"';
        out_ += NeedsRewriting(s) ? cp932::FromUtf8(WritableText(s)) : cp932::FromUtf8(s);
        out_ += '"';
    }
    void Int(const std::int16_t& v, int, int) { Item(std::to_string(v)); }
    void Number(const double& v, double, double) { Item(IniNumStr(v)); }
    void NumText(const std::string& s, double, double) { Text(s); }
    std::string Finish() {
        if (open_) out_ += "\r\n";
        open_ = false;
        return std::move(out_);
    }

    // The text as it goes between the quotes: no item may end early or break
    // its line, so quotes become full-width and control characters blanks.
    static bool NeedsRewriting(std::string_view s) {
        return std::any_of(s.begin(), s.end(), [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return c == '"' || b < 0x20 || b == 0x7F;
        });
    }
    static std::string WritableText(std::string_view s) {
        std::string out;
        out.reserve(s.size());
        for (char c : s) {
            const auto b = static_cast<unsigned char>(c);
            if (c == '"') {
                out += "”";
            } else if (b < 0x20 || b == 0x7F) {
                out += ' ';
            } else {
                out += c;
            }
        }
        return out;
    }

private:
    void Separate() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    void Item(const std::string& s) {
        Separate();
        out_ += s;
    }
    std::string out_;
    bool open_ = false;
    bool first_ = true;
};

// Records the shape of each line: 'Q' for a text, 'B' for a number.
class ShapeRecorder {
public:
    void Line() { shapes_.emplace_back(); }
    void Text(const std::string&) { shapes_.back() += 'Q'; }
    void Int(const std::int16_t&, int, int) { shapes_.back() += 'B'; }
    void Number(const double&, double, double) { shapes_.back() += 'B'; }
    void NumText(const std::string&, double, double) { shapes_.back() += 'Q'; }
    std::vector<std::string>& Shapes() { return shapes_; }

private:
    std::vector<std::string> shapes_;
};

// Reads the items of one table into a working copy. Every item is still
// taken by its position when an earlier one failed; `ok` tells whether the
// table was read whole with every item of its type and range.
class Reader {
public:
    // lines[k] is body line k (file line k + 2), or null when it could not be
    // matched to the layout for certain.
    Reader(const std::array<const FileLine*, kBodyLines>& lines, int firstFileLine)
        : lines_(lines), next_(firstFileLine - 2) {}

    void Line() {
        line_ = next_ >= 0 && next_ < kBodyLines ? lines_[next_] : nullptr;
        ++next_;
        item_ = 0;
        if (line_ == nullptr) ok = false;
    }
    void Text(std::string& s) {
        const Item* it = Next('Q');
        if (it != nullptr) s = cp932::ToUtf8(it->bytes);
    }
    void Int(std::int16_t& v, int min, int max) {
        const Item* it = Next('B');
        double d = 0;
        if (it == nullptr) return;
        if (!NumberIn(it->bytes, min, max, d) || d != std::trunc(d)) {
            ok = false;
            return;
        }
        v = static_cast<std::int16_t>(d);
    }
    void Number(double& v, double min, double max) {
        const Item* it = Next('B');
        double d = 0;
        if (it == nullptr) return;
        if (!NumberIn(it->bytes, min, max, d)) {
            ok = false;
            return;
        }
        v = d;
    }
    // A text that the calculations read as a number: it must hold one.
    void NumText(std::string& s, double min, double max) {
        Text(s);
        double d = 0;
        if (!NumberIn(s, min, max, d)) ok = false;
    }

    bool ok = true;

private:
    const Item* Next(char kind) {
        if (line_ == nullptr || item_ >= line_->items.size()) {
            ok = false;
            return nullptr;
        }
        const Item* it = &line_->items[item_++];
        if (it->kind != kind) {
            ok = false;
            return nullptr;
        }
        return it;
    }

    const std::array<const FileLine*, kBodyLines>& lines_;
    int next_;
    const FileLine* line_ = nullptr;
    std::size_t item_ = 0;
};

constexpr int kI16Min = std::numeric_limits<std::int16_t>::min();
constexpr int kI16Max = std::numeric_limits<std::int16_t>::max();

struct Geometry {
    std::int16_t left = 0, top = 0, width = 0, height = 0;
};

struct RecentList {
    std::int16_t count = 0;
    std::array<std::string, 5> files;  // [0] unused
};

template <class Io, class G>
void VisitGeometry(Io& io, G& g) {  // lines 2 to 5
    io.Line();
    io.Int(g.left, kI16Min, kI16Max);
    io.Line();
    io.Int(g.top, kI16Min, kI16Max);
    io.Line();
    io.Int(g.width, 1, kI16Max);
    io.Line();
    io.Int(g.height, 1, kI16Max);
}

template <class Io, class R>
void VisitRecent(Io& io, R& r) {  // lines 6 to 10
    // Any count is taken here and bounded afterwards.
    io.Line();
    io.Int(r.count, kI16Min, kI16Max);
    for (int n = 1; n <= 4; ++n) {
        io.Line();
        io.Text(r.files[n]);
    }
}

template <class Io, class T>
void VisitRebarSpec(Io& io, T& t) {  // lines 11 to 22; the ranges of the bar dialog
    for (auto& bar : t) {
        io.Line();
        io.Text(bar.Name);
        io.Number(bar.UnitMass, 0.001, 99.9);
        io.Number(bar.Diameter, 0.001, 99.9);
        io.Number(bar.Area, 0.0001, 99.99);
        io.Number(bar.Perimeter, 0.1, 99.9);
    }
}

template <class Io, class T>
void VisitRefValues(Io& io, T& rows) {  // one line per row: name, value
    for (auto& row : rows) {
        io.Line();
        io.Text(row.Name);
        io.Text(row.Value);
    }
}

template <class Io, class T>
void VisitUnitWeight(Io& io, T& t) {  // lines 23 to 42
    for (auto& group : t) VisitRefValues(io, group);
}

template <class Io, class N, class T>
void VisitAllowableStress(Io& io, N& names, T& t) {  // lines 43 to 66
    for (std::size_t s = 0; s < t.size(); ++s) {
        io.Line();
        io.Text(names[s]);
        for (auto& row : t[s]) {
            io.Line();
            io.Text(row.SigmaCk);
            io.Text(row.SigmaCa);
            io.Text(row.TauCa);
            io.Text(row.TauOa);
            io.Text(row.SigmaSa);
        }
    }
}

template <class Io, class T>
void VisitStirrup(Io& io, T& t) {  // lines 67 to 73; the ranges of the stirrup dialog
    io.Line();
    io.Int(t.MinSpacing, 1, 999);
    io.Line();
    io.Int(t.MaxSpacing, 1, 999);
    io.Line();
    io.Int(t.SpacingStep, 1, 100);
    io.Line();
    io.Int(t.BarCount, 1, 99);
    io.Line();
    io.Int(t.MaxHalfDepth, 0, 1);
    // The calculations tell only 0 from any other value.
    io.Line();
    io.Int(t.ScFormula, kI16Min, kI16Max);
    io.Line();
    io.Int(t.BarIndex, 0, 11);
}

template <class Io, class T>
void VisitSnow(Io& io, T& t) {  // lines 74 to 78
    // The snow dialog's ordering rule can leave the first limit at -0.01.
    for (auto& limit : t.GradientLimit) {
        io.Line();
        io.NumText(limit, -0.01, 9.99);
    }
    for (auto& percent : t.DepthPercent) {
        io.Line();
        io.NumText(percent, 0, 100);
    }
}

template <class Io, class T>
void VisitRebarCount(Io& io, T& t) {  // lines 79 to 108; the ranges of the count dialog
    for (int c = 0; c < 6; ++c) {
        io.Line();
        io.NumText(t.BoxOutDia[0][c], 0, 999);
        io.Line();
        io.NumText(t.BoxOutDia[1][c], 0, 999);
        io.Line();
        io.NumText(t.ClearSpacing[c], 0, 999);
        io.Line();
        io.NumText(t.Cover[c], 0, 999);
        io.Line();
        io.NumText(t.WidthClassMax[c], 101 + 2 * c, 990 + 2 * c);
    }
}

template <class Io, class T>
void VisitSpan(Io& io, T& t) {  // lines 109 to 128; whole numbers 1 to 99, never a zero divisor
    for (int i = 0; i < 5; ++i) {
        for (auto* v : {&t.MmaxNum[i], &t.MmaxDen[i], &t.SmaxNum[i], &t.SmaxDen[i]}) {
            io.Line();
            io.Int(*v, 1, 99);
        }
    }
}

template <class Io, class T>
void VisitSteel(Io& io, T& t) {  // lines 134 to 138
    for (auto& row : t) {
        io.Line();
        io.Text(row.Name);
        io.Text(row.TauSa);
        io.Text(row.SigmaSa);
    }
}

template <class Io, class T>
void VisitPullOut(Io& io, T& t) {  // lines 139 to 148
    for (auto& group : t) VisitRefValues(io, group);
}

// Every line after the signature line, in file order.
template <class Io>
void VisitAll(Io& io, Geometry& g, RecentList& r) {
    VisitGeometry(io, g);
    VisitRecent(io, r);
    VisitRebarSpec(io, RebarSpecTable);
    VisitUnitWeight(io, UnitWeightTable);
    VisitAllowableStress(io, StandardName, AllowableStressTable);
    VisitStirrup(io, StirrupDefaults);
    VisitSnow(io, SnowRule);
    VisitRebarCount(io, RebarCountRule);
    VisitSpan(io, SpanCoefficients);
    VisitRefValues(io, PlateStressTable);  // lines 129 to 133
    VisitSteel(io, SteelStressTable);
    VisitPullOut(io, PullOutSafetyTable);
}

const std::vector<std::string>& ExpectedShapes() {
    static const std::vector<std::string> shapes = [] {
        ShapeRecorder rec;
        Geometry g;
        RecentList r;
        VisitAll(rec, g, r);
        return std::move(rec.Shapes());
    }();
    return shapes;
}

// ---------------------------------------------------------------------------
// Lining the file up with the layout.
//
// A line lost or added in the middle would shift every later line by one, and
// tables of the same line shape would then silently take their neighbours'
// values. The body lines are therefore lined up with the layout by their
// shapes, at the least cost: a line whose shape differs costs 1, a run of lost
// or added lines costs kGapOpen plus 1 per line. Opening a gap costs more than
// a damaged line, so one damaged line stays one damaged line, and a file that
// ends early is one gap at its end rather than many gaps scattered over it.
//
// When a lost or added line lies in a run of lines of one shape, its place
// cannot be known: the file is lined up once with the gaps as early and once
// as late as possible, and a layout line counts as read only when both agree
// on it and its shape fits. Every table that touches such a run gets its
// defaults.
//
// A file that ends early but is otherwise as written is not lined up by cost:
// the layout ends in runs of name-and-value lines, so the last lines of a file
// cut inside the unit weights could as well be the pull-out factors after a
// gap, and the two tracings would disagree on tables the file holds whole. A
// file that stops early is far likelier than one that lost a hundred lines in
// its middle, so lines that match the layout's first lines are taken as those.
constexpr int kGapOpen = 2;

// The layout's line shapes as small numbers, worked out once: the code of a
// shape is the first layout line of that shape, so that lining a file up
// compares numbers rather than texts, and a body line's shape is looked up
// among the few distinct shapes rather than all 147 lines.
struct ShapeCodes {
    std::array<int, kBodyLines> line{};                   // code of layout line i
    std::vector<std::pair<std::string_view, int>> kinds;  // each shape once, with its code

    // The code of a file line's shape; -1 for one the layout does not know,
    // which never matches.
    int Of(std::string_view shape) const {
        for (const auto& [s, code] : kinds)
            if (s == shape) return code;
        return -1;
    }
};

const ShapeCodes& LayoutShapeCodes() {
    static const ShapeCodes codes = [] {
        const auto& want = ExpectedShapes();
        ShapeCodes c;
        for (int i = 0; i < kBodyLines; ++i) {
            const int known = c.Of(want[i]);
            c.line[i] = known >= 0 ? known : i;
            if (known < 0) c.kinds.emplace_back(want[i], i);
        }
        return c;
    }();
    return codes;
}

}  // namespace

std::array<int, kBodyLines> settings_detail::LineUpShapes(
    const std::vector<std::string_view>& body) {
    const auto& want = ExpectedShapes();
    const int e = kBodyLines;
    const int m = static_cast<int>(body.size());
    std::array<int, kBodyLines> result;
    result.fill(-1);

    // The file as written, whole or cut short: no alignment needed.
    const int common = std::min(e, m);
    if (std::equal(want.begin(), want.begin() + common, body.begin())) {
        for (int i = 0; i < common; ++i) result[i] = i;
        return result;
    }

    // Least costs of lining up layout lines i.. with file lines j..: free
    // outside a gap, lost inside a run of lost layout lines, added inside a
    // run of added file lines (a gap that goes on costs no new opening). They
    // are worked out from the last lines back, one layout line after the
    // other, keeping two rows of them: what the tracing below needs of a pair
    // of lines is which steps from it lie on a least-cost path, a byte of
    // marks per pair.
    struct Costs {
        int free, lost, added;
    };
    enum : std::uint8_t {
        kDiag = 1,        // on to the next layout and file line
        kOpenLost = 2,    // a run of lost layout lines begins
        kOpenAdded = 4,   // a run of added file lines begins
        kLostEnds = 8,    // a run of lost lines may end here
        kAddedEnds = 16,  // a run of added lines may end here
    };
    // No path: far above any cost, and far enough below the largest int that
    // the sums below stay within it.
    constexpr int kNone = std::numeric_limits<int>::max() / 4;
    const ShapeCodes& codes = LayoutShapeCodes();
    std::vector<int> bodyCode(m);
    for (int j = 0; j < m; ++j) bodyCode[j] = codes.Of(body[j]);
    auto sub = [&](int i, int j) { return codes.line[i] == bodyCode[j] ? 0 : 1; };

    // Only pairs that can lie on a least-cost path are worked out. Lining
    // the lines up one to one and losing or adding the rest at the end costs
    // `bound`, so no least-cost path costs more. A path through a pair whose
    // file line stands k lines off its layout line has paid at least a gap
    // of k lines to get there (nothing when k is 0) and pays at least |k - d|
    // more gap lines to reach the ends, d being the file's surplus of lines:
    // a pair where that exceeds `bound` lies on no least-cost path, and a
    // step to it is never the least. On a damaged file this is the bulk of
    // the reader's work, and it keeps it to a band of pairs about the
    // diagonal, as wide as the damage.
    const int d = m - e;
    int bound = d == 0 ? 0 : kGapOpen + std::abs(d);
    for (int i = 0; i < std::min(e, m); ++i) bound += sub(i, i);
    auto reachable = [&](int k) {
        return (k == 0 ? 0 : kGapOpen + std::abs(k)) + std::abs(k - d) <= bound;
    };
    int kLo = 0, kHi = 0;  // the offsets j - i that can be reached; 0 always can
    while (kLo > -e && reachable(kLo - 1)) --kLo;
    while (kHi < m && reachable(kHi + 1)) ++kHi;

    const int w = m + 1;
    std::vector<std::uint8_t> marks(static_cast<std::size_t>(e + 1) * w);
    auto marksAt = [&](int i, int j) { return marks[static_cast<std::size_t>(i) * w + j]; };
    std::vector<Costs> row(w, Costs{kNone, kNone, kNone}), below = row;
    for (int i = e; i >= 0; --i) {
        std::swap(row, below);
        const int jLo = std::max(0, i + kLo), jHi = std::min(m, i + kHi);
        // The neighbours outside the band have no path.
        if (jHi < m) row[jHi + 1] = {kNone, kNone, kNone};
        for (int j = jHi; j >= jLo; --j) {
            Costs& c = row[j];
            std::uint8_t& mark = marks[static_cast<std::size_t>(i) * w + j];
            if (i == e && j == m) {
                c = {0, 0, 0};
                mark = kLostEnds | kAddedEnds;
                continue;
            }
            const int diag = i < e && j < m ? sub(i, j) + below[j + 1].free : kNone;
            const int openLost = i < e ? kGapOpen + 1 + below[j].lost : kNone;
            const int openAdded = j < m ? kGapOpen + 1 + row[j + 1].added : kNone;
            c.free = std::min(diag, std::min(openLost, openAdded));
            c.lost = i < e ? std::min(c.free, 1 + below[j].lost) : c.free;
            c.added = j < m ? std::min(c.free, 1 + row[j + 1].added) : c.free;
            mark = static_cast<std::uint8_t>(
                (diag == c.free ? kDiag : 0) | (openLost == c.free ? kOpenLost : 0) |
                (openAdded == c.free ? kOpenAdded : 0) | (c.free == c.lost ? kLostEnds : 0) |
                (c.free == c.added ? kAddedEnds : 0));
        }
        if (jLo > 0) row[jLo - 1] = {kNone, kNone, kNone};
    }

    // Follows one least-cost path; map[i] is the file line of layout line i
    // when the two were lined up and their shapes agree, else -1.
    auto trace = [&](bool gapsEarly) {
        std::array<int, kBodyLines> map;
        map.fill(-1);
        enum { Free, Lost, Added } state = Free;
        int i = 0, j = 0;
        while (i < e || j < m) {
            const std::uint8_t at = marksAt(i, j);
            if (state == Lost) {
                if (at & kLostEnds) {
                    state = Free;
                } else {
                    ++i;
                }
                continue;
            }
            if (state == Added) {
                if (at & kAddedEnds) {
                    state = Free;
                } else {
                    ++j;
                }
                continue;
            }
            const bool diag = at & kDiag;
            const bool lost = at & kOpenLost;
            const bool added = at & kOpenAdded;
            if (diag && !(gapsEarly && (lost || added))) {
                if (sub(i, j) == 0) map[i] = j;
                ++i, ++j;
            } else if (lost) {
                state = Lost;
                ++i;
            } else {
                state = Added;
                ++j;
            }
        }
        return map;
    };
    const auto early = trace(true);
    const auto late = trace(false);
    for (int i = 0; i < e; ++i)
        if (early[i] >= 0 && early[i] == late[i]) result[i] = early[i];
    return result;
}

std::string settings_detail::LineShape(std::string_view line) {
    return Tokenize(line).shape;
}

const std::vector<std::string>& settings_detail::LayoutShapes() {
    return ExpectedShapes();
}

namespace {

std::array<const FileLine*, kBodyLines> LineUp(const std::vector<FileLine>& body) {
    std::vector<std::string_view> shapes;
    shapes.reserve(body.size());
    for (const FileLine& l : body) shapes.push_back(l.shape);
    const auto map = settings_detail::LineUpShapes(shapes);
    std::array<const FileLine*, kBodyLines> result{};
    for (int i = 0; i < kBodyLines; ++i)
        if (map[i] >= 0) result[i] = &body[map[i]];
    return result;
}

// (screen - size) / 2 to the nearest whole twip, halves to even, within the
// 16-bit range that the window position is kept in.
std::int16_t Centred(int screen, int size) {
    const long long d = static_cast<long long>(screen) - size;
    long long q = d / 2;
    if (d % 2 != 0) {
        // d / 2 lies halfway between two integers: take the even one.
        const long long lo = d < 0 ? q - 1 : q;
        q = lo % 2 == 0 ? lo : lo + 1;
    }
    return static_cast<std::int16_t>(std::clamp<long long>(q, kI16Min, kI16Max));
}

void DefaultGeometry(int screenW, int screenH, int width, int height) {
    WinLeft = Centred(screenW, width);
    WinTop = Centred(screenH, height);
    WinWidth = static_cast<std::int16_t>(width);
    WinHeight = static_cast<std::int16_t>(height);
}

void ClearRecent() {
    RecentCount = 0;
    for (auto& f : RecentFile) f.clear();
}

// The stirrup builder keeps ScFormula; at start-up that is 0, and a repeated
// load must give the same state as a fresh start.
void DefaultStirrups() {
    StirrupDefaults.ScFormula = 0;
    InitStirrupDefaults();
}

void AllDefaults() {
    InitRebarSpecTable();
    InitUnitWeightTable();
    InitAllowableStressTable();
    DefaultStirrups();
    InitSnowRule();
    InitRebarCountRule();
    InitSpanCoefficients();
    InitPlateStressTable();
    InitSteelStressTable();
    InitPullOutSafetyTable();
}

// Reads one table into a copy and takes the copy only when it was read whole;
// otherwise the table gets its builder's defaults.
template <class T, class VisitFn, class CheckFn, class InitFn>
void ReadTable(const std::array<const FileLine*, kBodyLines>& lines, int firstFileLine, T& table,
               VisitFn visit, CheckFn check, InitFn init) {
    T copy = table;
    Reader reader(lines, firstFileLine);
    visit(reader, copy);
    if (reader.ok && check(copy)) {
        table = std::move(copy);
    } else {
        init();
    }
}

constexpr auto kNoCheck = [](const auto&) { return true; };

}  // namespace

std::string IniNumStr(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    // 15 significant digits: d.dddddddddddddde±x.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, res.ptr - buf);
    const bool negative = sci.front() == '-';
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0)))
        if (c != '.') digits += c;
    int exp = 0;
    const std::string_view expText = sci.substr(ePos + 1);
    std::from_chars(expText.data() + (expText.front() == '+' ? 1 : 0),
                    expText.data() + expText.size(), exp);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exp < -5 || exp >= 15) {
        // Very small or very large: mantissa and exponent, "1.5E-07", "1E+20".
        out += digits[0];
        if (digits.size() > 1) out += '.' + digits.substr(1);
        out += exp < 0 ? "E-" : "E+";
        const std::string e = std::to_string(std::abs(exp));
        out += (e.size() < 2 ? "0" : "") + e;
    } else if (exp < 0) {
        // No zero before the point: .56, -.5, .0012.
        out += '.' + std::string(static_cast<std::size_t>(-exp - 1), '0') + digits;
    } else {
        const std::size_t intLen = static_cast<std::size_t>(exp) + 1;
        if (digits.size() <= intLen) {
            out += digits + std::string(intLen - digits.size(), '0');
        } else {
            out += digits.substr(0, intLen) + '.' + digits.substr(intLen);
        }
    }
    return out;
}

std::string IniTextForm(std::string_view text) {
    return cp932::ToUtf8(cp932::FromUtf8(Writer::WritableText(text)));
}

std::string SerializeSettings() {
    Writer writer;
    writer.Line();
    writer.Text(kSettingsSignature);
    Geometry g{WinLeft, WinTop, WinWidth, WinHeight};
    RecentList r;
    r.count = RecentCount;
    r.files = RecentFile;
    VisitAll(writer, g, r);
    return writer.Finish();
}

SettingsStatus LoadSettingsFromBytes(std::string_view bytes, int screenWidthTwips,
                                     int screenHeightTwips) {
    // An editor may save the file with a UTF-8 byte-order mark in front of
    // the signature, and then in UTF-8. The mark is no part of the file and
    // is skipped; the bytes after it are taken as the UTF-8 it announces
    // when they are that, else as code page 932 as ever. Either way the next
    // write gives the program's own form, without the mark.
    std::string fromUtf8;
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        bytes.remove_prefix(kUtf8Mark.size());
        if (cp932::IsUtf8(bytes)) {
            fromUtf8 = cp932::FromUtf8(bytes);
            bytes = fromUtf8;
        }
    }
    const RawLines split = SplitLines(bytes);
    const std::vector<std::string_view>& raw = split.lines;
    if (raw.empty() || !StartsWithSignature(raw[0])) {
        DefaultGeometry(screenWidthTwips, screenHeightTwips, kForeignWidth, kForeignHeight);
        ClearRecent();
        AllDefaults();
        return SettingsStatus::Foreign;
    }

    // The program ends every line with CR LF, so a file that stops short of
    // the layout without a line break was cut inside its last line. That line
    // is not read: a cut may take digits off a number ("125" to "12") and
    // leave a line of the right shape holding a wrong value. Only the 148th
    // line may lack its line break and still be whole, and it ends in a
    // quoted text whose cut shows in its shape.
    std::size_t bodyEnd = raw.size();
    if (split.lastUnended && bodyEnd > 1 && bodyEnd < static_cast<std::size_t>(kBodyLines) + 1)
        --bodyEnd;
    std::vector<FileLine> body;
    body.reserve(bodyEnd);
    for (std::size_t k = 1; k < bodyEnd; ++k) body.push_back(Tokenize(raw[k]));
    const auto lines = LineUp(body);

    // The window and the recent list stand on their own: a damaged rectangle
    // gives the default window and leaves the list alone, and the reverse.
    {
        Geometry g{WinLeft, WinTop, WinWidth, WinHeight};
        Reader reader(lines, 2);
        VisitGeometry(reader, g);
        if (reader.ok) {
            WinLeft = g.left, WinTop = g.top, WinWidth = g.width, WinHeight = g.height;
        } else {
            DefaultGeometry(screenWidthTwips, screenHeightTwips, kMissingWidth, kMissingHeight);
        }
    }
    {
        RecentList r;
        Reader reader(lines, 6);
        VisitRecent(reader, r);
        ClearRecent();
        if (reader.ok) {
            // The count bounds every loop over the list: keep it within the
            // four entries and stop it at the first empty path, so that the
            // entries 1 to RecentCount are exactly the paths in use.
            int count = std::clamp<int>(r.count, 0, 4);
            for (int n = 1; n <= count; ++n) {
                if (r.files[n].empty()) {
                    count = n - 1;
                    break;
                }
            }
            RecentCount = static_cast<std::int16_t>(count);
            for (int n = 1; n <= count; ++n) RecentFile[n] = r.files[n];
        }
    }

    ReadTable(
        lines, 11, RebarSpecTable, [](Reader& rd, auto& t) { VisitRebarSpec(rd, t); }, kNoCheck,
        InitRebarSpecTable);
    ReadTable(
        lines, 23, UnitWeightTable, [](Reader& rd, auto& t) { VisitUnitWeight(rd, t); }, kNoCheck,
        InitUnitWeightTable);
    {
        auto names = StandardName;
        auto stresses = AllowableStressTable;
        Reader reader(lines, 43);
        VisitAllowableStress(reader, names, stresses);
        if (reader.ok) {
            StandardName = std::move(names);
            AllowableStressTable = std::move(stresses);
        } else {
            InitAllowableStressTable();
        }
    }
    ReadTable(
        lines, 67, StirrupDefaults, [](Reader& rd, auto& t) { VisitStirrup(rd, t); },
        [](const StirrupDefaultTable& t) { return t.MinSpacing <= t.MaxSpacing; }, DefaultStirrups);
    ReadTable(
        lines, 74, SnowRule, [](Reader& rd, auto& t) { VisitSnow(rd, t); }, kNoCheck, InitSnowRule);
    ReadTable(
        lines, 79, RebarCountRule, [](Reader& rd, auto& t) { VisitRebarCount(rd, t); }, kNoCheck,
        InitRebarCountRule);
    ReadTable(
        lines, 109, SpanCoefficients, [](Reader& rd, auto& t) { VisitSpan(rd, t); }, kNoCheck,
        InitSpanCoefficients);
    ReadTable(
        lines, 129, PlateStressTable, [](Reader& rd, auto& t) { VisitRefValues(rd, t); }, kNoCheck,
        InitPlateStressTable);
    ReadTable(
        lines, 134, SteelStressTable, [](Reader& rd, auto& t) { VisitSteel(rd, t); }, kNoCheck,
        InitSteelStressTable);
    ReadTable(
        lines, 139, PullOutSafetyTable, [](Reader& rd, auto& t) { VisitPullOut(rd, t); }, kNoCheck,
        InitPullOutSafetyTable);
    return SettingsStatus::Loaded;
}

SettingsStatus LoadSettings(const std::string& path, int screenWidthTwips, int screenHeightTwips) {
    // Taken before the reading, as of a design file: a write of another
    // program in between makes the exit ask rather than vouch for bytes
    // that were never read.
    struct stat st {};
    SettingsFileSeen =
        SettingsFileState{path, ::lstat(path.c_str(), &st) == 0, TakeFileStamp(path)};
    const FileReadResult file = ReadFileBounded(path, kMaxFileBytes);
    if (file.status == FileReadStatus::Missing || file.status == FileReadStatus::NotAFile ||
        file.status == FileReadStatus::CannotOpen) {
        DefaultGeometry(screenWidthTwips, screenHeightTwips, kMissingWidth, kMissingHeight);
        ClearRecent();
        AllDefaults();
        return SettingsStatus::Missing;
    }
    // Too large: the first kMaxFileBytes; a failed read: what came before the
    // failure. Either is judged line by line like any other file.
    return LoadSettingsFromBytes(file.bytes, screenWidthTwips, screenHeightTwips);
}

bool SaveSettings(const std::string& path, std::string* error) {
    ReplaceFailure failure;
    const std::string bytes = SerializeSettings();
    if (ReplaceFile(path, bytes, &failure).empty()) {
        SettingsFileSeen = SettingsFileState{path, true, StampOfWritten(path, bytes)};
        return true;
    }
    if (error != nullptr) {
        // The message names the file once; below it the step that failed and
        // the reason, or only why nothing was written to what is there.
        if (failure.step == ReplaceStep::NotAFile) {
            *error = path + " に設定を保存できません。\r通常のファイルではありません。";
            return false;
        }
        std::string step;
        switch (failure.step) {
            case ReplaceStep::CreateTemp:
                step = "一時ファイルを作成できません";
                break;
            case ReplaceStep::Rename:
                step = "ファイルを置き換えられません";
                break;
            case ReplaceStep::None:
            case ReplaceStep::Access:
            case ReplaceStep::Write:
            case ReplaceStep::NotAFile:
                step = "ファイルに書き込めません";
                break;
        }
        *error = path + " に設定を保存できません。\n" + step + ": " + SystemReason(failure.err);
    }
    return false;
}

bool SettingsChangedByAnotherWriter(const std::string& path) {
    if (SettingsFileSeen.path.empty() || SettingsFileSeen.path != path) return false;
    if (!SettingsFileSeen.existed) {
        // Nothing was there: a file that stands there now is another run's.
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }
    return CompareWithStamp(SettingsFileSeen.stamp) == StampComparison::Changed;
}

SettingsSave SaveSettingsChecked(const std::string& path, bool checkFirst, std::string* error,
                                 int waitMs) {
    const SaveLock lock(path, waitMs);
    if (checkFirst && (lock.HeldByAnother() || SettingsChangedByAnotherWriter(path)))
        return SettingsSave::AskFirst;
    return SaveSettings(path, error) ? SettingsSave::Written : SettingsSave::Failed;
}

std::string FindSettingsFile(const std::string& folder) {
    auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    const std::string want = lower(kSettingsFileName);
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';

    // The exact name wins; of other spellings the first in name order, so
    // that the choice does not depend on the order of the folder listing.
    std::string found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (lower(name) != want) continue;
        std::error_code fec;
        if (!it->is_regular_file(fec)) continue;
        if (name == kSettingsFileName) return prefix + name;
        if (found.empty() || name < found) found = name;
    }
    return prefix + (found.empty() ? std::string(kSettingsFileName) : found);
}

}  // namespace talvo
