#include "report/pages/moments.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "report/engine/headings.h"
#include "report/engine/renderer.h"
#include "report/pages/fill.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::report {

namespace {

constexpr std::string_view kTateTitle = "曲げモーメント・せん断力の算出（縦枠）";
constexpr std::string_view kYokoTitle = "曲げモーメント・せん断力の算出（横枠）";
constexpr std::string_view kSpanCentre = "スパン中央部";
constexpr std::string_view kFirstSupport = "第一内部支点";
constexpr std::string_view kOverhangSection = "張出し部";
constexpr std::string_view kFailurePart = "崩壊部";

// Integer places of the lengths and coefficients on every block.
constexpr int kLengthWidth = 2;
constexpr int kCoefWidth = 2;

// Rows of the span-coefficient table.
constexpr int kOverhangRow = 0;
constexpr int kOneSpanRow = 1;
constexpr int kLastRow = 4;

std::string Indexed(std::string_view name, int index) {
    return std::string(name) + "(" + std::to_string(index) + ")";
}

std::string Coef(std::int16_t value) {
    return PadDecimal(static_cast<double>(value), kCoefWidth);
}

// What a block shows of one frame.
struct Frame {
    std::string_view title;       // chapter title
    std::string_view spanName;    // subscript of the span's ℓ
    const std::string* span;      // m
    std::string_view firstName;   // upper or left overhang
    const std::string* first;     // m
    std::string_view secondName;  // lower or right overhang
    const std::string* second;    // m
    const std::string* load;      // w, kN/m
    int index;                    // 0 vertical, 1 horizontal: the row of Mmax and Smax
    const std::string* shearX;    // check distance of the work type, m
    const std::string* anchors;   // anchor count; none in the failure-load reports
};

// The frame of an anchored report; only called with direction 0 or 1.
Frame AnchoredFrame(int direction) {
    const DesignData& d = Design;
    if (direction == 0) {
        return {kTateTitle,
                "py",
                &d.PitchY,
                "pc",
                &d.AnchorOverhangUpper,
                "pd",
                &d.AnchorOverhangLower,
                &d.TateToubunpu,
                0,
                &ByWorkType(d.TateShearX),
                &d.AnchorCountY};
    }
    return {kYokoTitle,
            "px",
            &d.PitchX,
            "pa",
            &d.AnchorOverhangLeft,
            "pb",
            &d.AnchorOverhangRight,
            &d.YokoToubunpu,
            1,
            &ByWorkType(d.YokoShearX),
            &d.AnchorCountX};
}

// The horizontal frame of a failure-load report.
Frame FailureLoadFrame() {
    const DesignData& d = Design;
    return {kYokoTitle,
            "x",
            &d.SpanX,
            "a",
            &d.OverhangLeft,
            "b",
            &d.OverhangRight,
            &d.YokoLoadW,
            1,
            &ByWorkType(d.YokoShearX),
            nullptr};
}

bool KnownDirection(int direction) {
    return direction == 0 || direction == 1;
}

const std::string& SpanMmax(const Frame& f) {
    return Design.Mmax[static_cast<std::size_t>(f.index)][0];
}
const std::string& SpanSmax(const Frame& f) {
    return Design.Smax[static_cast<std::size_t>(f.index)][0];
}
const std::string& OverhangMmax(const Frame& f) {
    return Design.Mmax[static_cast<std::size_t>(f.index)][1];
}
const std::string& OverhangSmax(const Frame& f) {
    return Design.Smax[static_cast<std::size_t>(f.index)][1];
}

// The − w·x term of both shear rows: shown when the check distance is not 0,
// so the printed formula matches the printed Smax, which subtracts w × x.
void ShearTerms(LayoutForm& form, const Frame& f, const std::string& wText) {
    static constexpr std::array<const char*, 6> kTerms = {"－", "ｗ", "・", "ｘ", "－", "×"};
    const bool shown = NumVal(*f.shearX) != 0;
    for (int i = 0; i < static_cast<int>(kTerms.size()); ++i)
        Put(form, Indexed("Labx", i), shown ? kTerms[static_cast<std::size_t>(i)] : "");
    Put(form, "Label22", shown ? wText : std::string());
    Put(form, "Label23", shown ? PadDecimal(*f.shearX, kLengthWidth) : std::string());
}

// The moment and shear fractions of one row of the coefficient table.
void MomentCoefficients(LayoutForm& form, int row) {
    const auto r = static_cast<std::size_t>(row);
    Put(form, "Label5", Coef(SpanCoefficients.MmaxNum[r]));
    Put(form, "Label14", Coef(SpanCoefficients.MmaxDen[r]));
    Put(form, "Label26", Coef(SpanCoefficients.MmaxNum[r]));
    Put(form, "Label27", Coef(SpanCoefficients.MmaxDen[r]));
}

void ShearCoefficients(LayoutForm& form, int row) {
    const auto r = static_cast<std::size_t>(row);
    Put(form, "Label18", Coef(SpanCoefficients.SmaxNum[r]));
    Put(form, "Label19", Coef(SpanCoefficients.SmaxDen[r]));
    Put(form, "Label20", Coef(SpanCoefficients.SmaxNum[r]));
    Put(form, "Label21", Coef(SpanCoefficients.SmaxDen[r]));
}

// ---- several spans

// The coefficient row of n spans: above `cap` the last row, otherwise n
// rounded (a half to the even neighbour). A count of no spans or fewer, which
// a damaged design file can hold, takes row 0 rather than a row before the
// table.
int SpanRow(double spans, double cap) {
    if (spans > cap) return kLastRow;
    if (spans < 0) return 0;
    return RoundHalfEven(spans);
}

// The span block of several spans, and of one span with equal overhangs
// (`withOverhang`): the moment and shear of the span from the coefficient
// row `row`, under the section title `section`. With equal overhangs the
// upper (left) one stands for both beside the span.
void FillSpan(LayoutForm& form, const Frame& f, int row, std::string_view section, int width,
              bool withOverhang) {
    const std::string w = PadDecimal(*f.load, width);
    Put(form, "Label1", ChapterTitle(f.title));
    Put(form, "Label9", SectionTitle(section));
    Put(form, "Lab1(0)", std::string(f.spanName));
    Put(form, "Lab1(1)", std::string(f.spanName));
    if (withOverhang) {
        Put(form, "Lab1(2)", std::string(f.firstName));
        Put(form, "Label28", PadDecimal(*f.first, kLengthWidth));
    }
    MomentCoefficients(form, row);
    Put(form, "Label15", w);
    Put(form, "Label16", PadDecimal(*f.span, kLengthWidth));
    Put(form, "Label17", PadDecimal(SpanMmax(f), width));
    ShearCoefficients(form, row);
    Put(form, "Label12", w);
    Put(form, "Label13", PadDecimal(*f.span, kLengthWidth));
    Put(form, "Label25", PadDecimal(SpanSmax(f), width));
    ShearTerms(form, f, w);
}

void FillSupan(LayoutForm& form, const Frame& f, int row, std::string_view section, int width) {
    FillSpan(form, f, row, section, width, /*withOverhang=*/false);
}

// ---- one span, equal overhangs

void FillOne(LayoutForm& form, const Frame& f, int width) {
    FillSpan(form, f, kOneSpanRow, kSpanCentre, width, /*withOverhang=*/true);
}

// ---- one span, unequal overhangs

void FillOneHari(LayoutForm& form, const Frame& f, int width) {
    const std::string w = PadDecimal(*f.load, width);
    Put(form, "Label1", ChapterTitle(f.title));
    Put(form, "Label9", SectionTitle(kSpanCentre));

    // The longer overhang comes first, so the positive overhang term of the
    // formulas is the longer one; the stored shear is that of its support.
    // Equal lengths keep the upper (left) one first.
    const bool secondLonger = NumVal(*f.second) > NumVal(*f.first);
    const std::string_view aName = secondLonger ? f.secondName : f.firstName;
    const std::string_view bName = secondLonger ? f.firstName : f.secondName;
    const std::string a = PadDecimal(secondLonger ? *f.second : *f.first, kLengthWidth);
    const std::string b = PadDecimal(secondLonger ? *f.first : *f.second, kLengthWidth);
    const std::string span = PadDecimal(*f.span, kLengthWidth);

    for (int i : {0, 3, 6, 7, 8}) Put(form, Indexed("Lab1", i), std::string(f.spanName));
    for (int i : {1, 4, 9}) Put(form, Indexed("Lab1", i), std::string(aName));
    for (int i : {2, 5, 10}) Put(form, Indexed("Lab1", i), std::string(bName));
    for (const char* name : {"Label28", "Label42", "Label45", "Label16", "Label13"})
        Put(form, name, span);
    for (const char* name : {"Label29", "Label43", "Label46"}) Put(form, name, a);
    for (const char* name : {"Label41", "Label44", "Label47"}) Put(form, name, b);

    MomentCoefficients(form, kOneSpanRow);
    Put(form, "Label15", w);
    Put(form, "Label17", PadDecimal(SpanMmax(f), width));
    ShearCoefficients(form, kOneSpanRow);
    Put(form, "Label12", w);
    Put(form, "Label25", PadDecimal(SpanSmax(f), width));
    ShearTerms(form, f, w);
}

// ---- overhang blocks

void FillOverhang(LayoutForm& form, const Frame& f, bool opensChapter, bool withShearFraction,
                  int width) {
    const std::string w = PadDecimal(*f.load, width);
    Put(form, "Label1", opensChapter ? ChapterTitle(f.title) : std::string());
    Put(form, "Label9", SectionTitle(kOverhangSection));
    MomentCoefficients(form, kOverhangRow);
    Put(form, "Label15", w);

    // The longer overhang, the lower (right) one on a tie: the one whose
    // moment and shear the calculation stored.
    const bool second = NumVal(*f.second) >= NumVal(*f.first);
    const std::string name(second ? f.secondName : f.firstName);
    const std::string length = PadDecimal(second ? *f.second : *f.first, kLengthWidth);
    Put(form, "Lab1(0)", name);
    Put(form, "Lab1(1)", name);
    Put(form, "Label16", length);
    Put(form, "Label13", length);
    Put(form, "Label17", PadDecimal(OverhangMmax(f), width));
    if (withShearFraction) ShearCoefficients(form, kOverhangRow);
    Put(form, "Label12", w);
    Put(form, "Label25", PadDecimal(OverhangSmax(f), width));
    ShearTerms(form, f, w);
}

// The anchored overhang block opens the chapter when it is the page's only
// block: the frame has a single anchor.
bool OverhangOpensChapter(const Frame& f) {
    return f.anchors && NumVal(*f.anchors) == 1;
}

// Integer places of w, Mmax and Smax: the anchored blocks show three, the
// failure-load blocks two, except on the multi-span block, where it is the
// other way round.
constexpr int kAnchoredWidth = 3;
constexpr int kFailureLoadWidth = 2;
constexpr int kSupanAnchoredWidth = 2;
constexpr int kSupanFailureLoadWidth = 3;

}  // namespace

void SetInsMmtSdrSupan(LayoutForm& form, int direction) {
    LoadScriptL(form, 2);
    if (!KnownDirection(direction)) return;
    const Frame f = AnchoredFrame(direction);
    // Spans between the anchors; no count at all takes the overhang row.
    const int row = f.anchors->empty() ? kOverhangRow : SpanRow(NumVal(*f.anchors) - 1, /*cap=*/3);
    FillSupan(form, f, row, kFirstSupport, kSupanAnchoredWidth);
}

void SetInsMmtSdrSupanHoukai(LayoutForm& form) {
    LoadScriptL(form, 2);
    const Frame f = FailureLoadFrame();
    const int row = SpanRow(NumVal(Design.SpanCountX), /*cap=*/4);
    FillSupan(form, f, row, row == kOneSpanRow ? kSpanCentre : kFirstSupport,
              kSupanFailureLoadWidth);
}

void SetInsMmtSdrOne(LayoutForm& form, int direction) {
    LoadScriptL(form, 3);
    if (!KnownDirection(direction)) return;
    FillOne(form, AnchoredFrame(direction), kAnchoredWidth);
}

void SetInsMmtSdrOneHoukai(LayoutForm& form) {
    LoadScriptL(form, 3);
    FillOne(form, FailureLoadFrame(), kFailureLoadWidth);
}

void SetInsMmtSdrOneHari(LayoutForm& form, int direction) {
    LoadScriptL(form, 11);
    if (!KnownDirection(direction)) return;
    FillOneHari(form, AnchoredFrame(direction), kAnchoredWidth);
}

void SetInsMmtSdrOneHariHoukai(LayoutForm& form) {
    LoadScriptL(form, 11);
    FillOneHari(form, FailureLoadFrame(), kFailureLoadWidth);
}

void SetInsMmtSdrNasi(LayoutForm& form, int direction) {
    LoadScriptL(form, 2);
    if (!KnownDirection(direction)) return;
    const Frame f = AnchoredFrame(direction);
    FillOverhang(form, f, OverhangOpensChapter(f), false, kAnchoredWidth);
}

void SetInsMmtSdrNasiHoukai(LayoutForm& form) {
    LoadScriptL(form, 2);
    FillOverhang(form, FailureLoadFrame(), false, false, kFailureLoadWidth);
}

void SetInsMmtSdrHari(LayoutForm& form, int direction) {
    LoadScriptL(form, 2);
    if (!KnownDirection(direction)) return;
    const Frame f = AnchoredFrame(direction);
    FillOverhang(form, f, OverhangOpensChapter(f), true, kAnchoredWidth);
}

void SetInsMmtSdrHariHoukai(LayoutForm& form) {
    LoadScriptL(form, 2);
    FillOverhang(form, FailureLoadFrame(), false, true, kFailureLoadWidth);
}

void SetInsKusabiMmaxSmax(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label1", ChapterTitle(kTateTitle));
    Put(form, "Label15", SectionTitle(kFailurePart));
    Put(form, "Label8", PadDecimal(d.HoukaiPr, 3));
    Put(form, "Label9", PadDecimal(d.KusabiL1, 2));
    Put(form, "Label10", PadDecimal(ByWorkType(d.TateMmax), 3));
    Put(form, "Label12", PadDecimal(ByWorkType(d.TateSmax), 3));
}

void SetInsEnkoMmaxSmax(LayoutForm& form) {
    const DesignData& d = Design;
    Put(form, "Label1", ChapterTitle(kTateTitle));
    Put(form, "Label16", SectionTitle(kFailurePart));
    Put(form, "Label8", PadDecimal(d.HoukaiPr, 3));
    Put(form, "Label9", PadDecimal(d.EnkoL1, 2));
    Put(form, "Label10", PadDecimal(ByWorkType(d.TateMmax), 3));
    Put(form, "Label12", PadDecimal(d.HoukaiPr, 3));
    Put(form, "Label15", PadDecimal(ByWorkType(d.TateSmax), 3));
}

}  // namespace talvo::report
