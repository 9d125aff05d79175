// What a design lacks or fails beside the results grid shows on every surface
// at once: the results window's red line, the question before printing, the
// line on page 1 of the short report and, in the full report, the red mark
// on the check's own page (for an entry never entered: the line on its
// page 1). Walked over every row of the check table, and over every required
// entry of the worked designs of examples/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "calc/windows/NCtatemoment.h"
#include "platform/printcontrol.h"
#include "platform/tabstrip.h"
#include "report/chapters/sequencer.h"
#include "report/engine/layoutform.h"
#include "report/engine/pageoutput.h"
#include "report/engine/recorder.h"
#include "report/printcommand.h"
#include "results/checked_designs.h"
#include "results/designchecks.h"
#include "results/printrows.h"
#include "results/rebuild.h"
#include "results/requiredentries.h"
#include "results/resulttable.h"
#include "results/windows/NNkekka.h"
#include "results/windows/results_chain.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/windows/shell_fixture.h"
#include "standards/windows/dialog_fixture.h"
#include "support/filled_design.h"
#include "support/qt/pdf_tools.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

namespace fs = std::filesystem;

const fs::path kExamplesFolder =
    fs::absolute(fs::path(__FILE__).parent_path() / "../../../examples").lexically_normal();

// The question before printing for a design whose results window shows
// `line`: what the entries lack first, then the OUT of a check or of a
// print row.
std::string QuestionFor(const std::string& line) {
    const bool missing = line.find("未入力：") != std::string::npos;
    const bool outOfRange = line.find("範囲外：") != std::string::npos;
    std::string q = missing && outOfRange ? "未入力の項目と範囲外の項目があります。\r"
                    : missing             ? "未入力の項目があります。\r"
                    : outOfRange          ? "範囲外の項目があります。\r"
                                          : "";
    if (line.find("ＯＵＴ：") != std::string::npos || PrintRowsHoldOut() || q.empty())
        q += "印刷対象となっている結果にはｏｕｔとなる項目があります。\r";
    return q + "印刷しますか？";
}

constexpr std::uint32_t kRed = 255;

using Page = std::vector<report::TextOp>;

// A report as the print command put it on paper: its pages' texts and which
// page each layout form was drawn on.
struct Printed {
    std::vector<Page> pages;
    std::map<std::string, int> formPage;  // from 1
    std::vector<report::PlacedBlock> blocks;
    int left = 0;  // the page's left margin, twips
    double heightRatio = 1;

    // The lines of failed checks or missing entries on page n, each as the
    // texts it is printed in: the one that starts it and those drawn right
    // after it under it, at its left edge and in its colour.
    std::vector<std::vector<report::TextOp>> Lines(int n) const {
        std::vector<std::vector<report::TextOp>> lines;
        if (n < 1 || n > static_cast<int>(pages.size())) return lines;
        bool open = false;
        for (const report::TextOp& t : pages[static_cast<std::size_t>(n - 1)]) {
            if (open && t.x == lines.back().back().x && t.y > lines.back().back().y &&
                t.color == lines.back().back().color) {
                lines.back().push_back(t);
            } else if (t.text.rfind("未入力：", 0) == 0 || t.text.rfind("ＯＵＴ：", 0) == 0) {
                lines.push_back({t});
                open = true;
            } else {
                open = false;
            }
        }
        return lines;
    }
    // The red texts of the page that holds `form`.
    std::vector<std::string> RedOf(const std::string& form) const {
        std::vector<std::string> red;
        const auto it = formPage.find(form);
        if (it == formPage.end()) {
            ADD_FAILURE() << "no " << form;
            return red;
        }
        for (const report::TextOp& t : pages.at(static_cast<std::size_t>(it->second - 1)))
            if (t.color == kRed) red.push_back(t.text);
        return red;
    }
    bool PrintsOn(const std::string& form, const std::string& part) const {
        const auto it = formPage.find(form);
        if (it == formPage.end()) return false;
        for (const report::TextOp& t : pages.at(static_cast<std::size_t>(it->second - 1)))
            if (t.text.find(part) != std::string::npos) return true;
        return false;
    }
};

// Everything the engineer sees of a design's verdicts.
struct Seen {
    std::string window;  // the results window's red line, empty while hidden
    bool windowRed = false;
    Printed shortReport, fullReport;
    int prints = 0;
};

class CheckTable : public ResultsChainTest {
protected:
    // The chain of the design `prepare` leaves, whose print command records
    // what both reports print.
    void OpenChain(const std::function<void()>& prepare) {
        ResultsChainTest::OpenChain(prepare);
        if (HasFatalFailure()) return;
        main->SetPrintCommand([this](int mode) {
            if (!PreparePrint()) return;
            const auto report = report::MakeChapterReport(Design.WorkType);
            report::RecordingOutput out;
            report->DrawReport(out, static_cast<std::int16_t>(mode));
            Printed& p = mode == 0 ? seen_.shortReport : seen_.fullReport;
            p = {};
            for (const report::RecordedPage& page : out.Document().pages) {
                p.pages.emplace_back();
                for (const report::DrawOp& op : page.ops)
                    if (const auto* t = std::get_if<report::TextOp>(&op); t && !t->text.empty())
                        p.pages.back().push_back(*t);
            }
            for (const report::PlacedBlock& b : report->Blocks())
                p.formPage.emplace(b.form, b.page);
            p.blocks = report->Blocks();
            p.left = report->Print().Left();
            p.heightRatio = report->Print().HeightRatio();
            ++seen_.prints;
        });
    }
    void ShowStep(int n) {
        Steps()->ShowStep(n);
        Settle();
    }
    int StepNumber(const char* className) const {
        for (int i = 1; i <= Last(); ++i)
            if (Steps()->Step(i)->ClassName() == QString::fromLatin1(className)) return i;
        return -1;
    }

    // Shows the results, ticks by mouse the first row of every set in use
    // that the question before printing takes no exception to (the first row
    // when every row does) and prints both reports with their buttons.
    // `asked`: the question is expected (and answered Yes) before each
    // report.
    Seen ShowAndPrint(bool asked) {
        seen_ = {};
        ShowStep(Last());
        NNkekka* w = Results();
        if (!w) return seen_;
        if (w->lblOut->isVisible()) seen_.window = w->lblOut->text().toStdString();
        seen_.windowRed = w->lblOut->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
        const auto tickCleanRow = [&](int set) {
            int box = 0;
            for (int r = 0; r < kRowsPerSet; ++r) {
                bool out = false;
                for (int column : {ColBarCount, ColAs, ColSigmaS, ColSigmaC, ColTauO, ColPitch})
                    out = out || CellColor(set, column, kRowsPerSet * set + r) == ColorOut;
                if (!out) {
                    box = r;
                    break;
                }
            }
            QCheckBox* b = w->Check1[static_cast<std::size_t>(box)];
            QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                              QPoint(b->width() / 2, b->height() / 2));
            Settle();
            EXPECT_TRUE(b->isChecked());
        };
        if (SingleSetMode()) {
            tickCleanRow(1);
        } else {
            tickCleanRow(0);
            QTest::mouseClick(w->SSTab1, Qt::LeftButton, {}, w->SSTab1->tabRect(1).center());
            Settle();
            tickCleanRow(1);
        }
        for (int mode : {0, 1}) {
            if (asked)
                messages.Expect(QuestionFor(seen_.window), MsgButtons::YesNo, MsgIcon::Exclamation,
                                MsgResult::Yes);
            QTest::mouseClick(w->cmdPrint[static_cast<std::size_t>(mode)], Qt::LeftButton);
            Settle();
            EXPECT_TRUE(messages.AllShown()) << (mode == 0 ? "short" : "full") << " report";
        }
        EXPECT_EQ(seen_.prints, 2);
        return seen_;
    }
    void Close() {
        main.reset();
        Settle();
    }

    Seen seen_;
};

// The lines on page 1, in drawing order, each read whole over the texts it
// is printed in, and checked red.
std::vector<std::string> LinesOfPage1(const Printed& p) {
    std::vector<std::string> texts;
    for (const std::vector<report::TextOp>& line : p.Lines(1)) {
        texts.emplace_back();
        for (const report::TextOp& t : line) {
            EXPECT_EQ(t.color, kRed) << t.text;
            texts.back() += t.text;
        }
    }
    return texts;
}

// ---- Every row of the check table

// The page of the full report that prints each row's check, and the worked
// design of examples/ that fails that row alone when `breakIt` has changed
// it; the grid stays clear. The cases and the table's rows must meet one to
// one: a row added without its case fails, and so does a case whose row was
// taken out of the table (its check would no longer be made anywhere).
struct RowCase {
    const char* form;  // the layout form of the check's page
    const char* file;
    void (*breakIt)();
};

void OpenExample(const char* file) {
    test::ResetCalcState();
    ASSERT_EQ(ReadDesignFile((kExamplesFolder / file).string(), Design), DesignReadStatus::Ok);
}

const std::map<std::string, RowCase>& RowCases() {
    static const std::map<std::string, RowCase> cases = {
        {kMissingEntriesTitle, {"InsHoukaiHyou", "wedge.kvd", [] { Design.DeltaFs = ""; }}},
        {kSectionAnchorBar, {"InsSyuAncBar", "wedge.kvd", [] { Design.AncBarTauSa = "   30"; }}},
        {kSectionRockSteel, {"InsRockTyou", "rockbolt.kvd", [] { Design.RockTauSa = "     1"; }}},
        {kSectionRockLength, {"InsRockTyou", "rockbolt.kvd", [] { Design.RockLa = " 0.5"; }}},
        {kSectionTendon,
         {"InsAnchorKouzai", "anchor.kvd",
          [] {
              Design.Tus = "  40.0";
              Design.Tys = "  34.0";
              DeriveTendonAllowables();
          }}},
        {kSectionAnchorLength, {"InsAnchorTyou", "anchor.kvd", [] { Design.AnchorLa = " 1.0"; }}},
        // σck 1 allows a bearing stress of 0.50 at most.
        {kSectionBearing, {"InsSiatu", "anchor.kvd", [] { Design.SigmaCk = "  1"; }}},
        {kSectionPlate, {"InsPrate", "anchor-direct.kvd", [] { Design.PlateT = "       6"; }}},
    };
    return cases;
}

TEST_F(CheckTable, EveryRowShowsOnEverySurfaceWhenItAloneFails) {
    std::vector<std::string> rows;
    for (const DesignCheck& row : DesignCheckTable()) rows.emplace_back(row.title);
    std::vector<std::string> cases;
    for (const auto& entry : RowCases()) cases.push_back(entry.first);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, cases) << "each row of the check table needs its case, each case its row";

    for (const DesignCheck& row : DesignCheckTable()) {
        const std::string title = row.title;
        SCOPED_TRACE(title);
        const auto it = RowCases().find(title);
        ASSERT_NE(it, RowCases().end()) << "no failing design for this row";
        const RowCase& c = it->second;
        const std::string line = row.entries ? "未入力：ΔFs" : "ＯＵＴ：" + title;

        OpenChain([&c] {
            OpenExample(c.file);
            c.breakIt();
            SetAllRecalc(true);
        });
        Seen seen = ShowAndPrint(true);
        EXPECT_EQ(seen.window, line);
        EXPECT_TRUE(seen.windowRed);
        EXPECT_EQ(LinesOfPage1(seen.shortReport), std::vector<std::string>{line});
        if (row.entries) {
            EXPECT_EQ(LinesOfPage1(seen.fullReport), std::vector<std::string>{line});
        } else {
            // Its own page: titled by the row's title, marked red.
            EXPECT_TRUE(seen.fullReport.PrintsOn(c.form, title));
            bool marked = false;
            for (const std::string& red : seen.fullReport.RedOf(c.form))
                marked = marked || red.find("ＯＵＴ") != std::string::npos;
            EXPECT_TRUE(marked);
            EXPECT_TRUE(LinesOfPage1(seen.fullReport).empty());
        }
        Close();

        // Passing, it shows nowhere: no line, no question, nothing red on
        // its page.
        OpenChain([&c] {
            OpenExample(c.file);
            SetAllRecalc(true);
        });
        seen = ShowAndPrint(false);
        EXPECT_EQ(seen.window, "");
        EXPECT_TRUE(LinesOfPage1(seen.shortReport).empty());
        EXPECT_TRUE(LinesOfPage1(seen.fullReport).empty());
        if (!row.entries) {
            EXPECT_TRUE(seen.fullReport.PrintsOn(c.form, title));
            EXPECT_EQ(seen.fullReport.RedOf(c.form), std::vector<std::string>{});
        }
        Close();
    }
}

// ---- Every required entry of the worked designs

using Field = std::string DesignData::*;
using D = DesignData;

struct Entry {
    const char* name;
    Field field;
};

// A worked design of examples/, with its options changed by `tweak` to reach
// the entries of another input mode, and the entries it requires, in the
// order of its chain. A tweaked case lists only what its tweak adds.
struct EntryCase {
    const char* what;
    const char* file;
    void (*tweak)();
    std::vector<Entry> entries;
};

const std::vector<Entry> kSections = {{"by", &D::SectionBy},
                                      {"hy", &D::SectionHy},
                                      {"bx", &D::SectionBx},
                                      {"hx", &D::SectionHx},
                                      {"dx", &D::SectionDx}};
// Every overhang is read (the total lengths, the overhang moments), and the
// span count down the slope, whose 0 is an entry.
const std::vector<Entry> kSpans = {{"縦枠スパン数", &D::SpanCountY}, {"ℓy", &D::SpanY},
                                   {"ℓc", &D::OverhangUpper},        {"ℓd", &D::OverhangLower},
                                   {"横枠スパン数", &D::SpanCountX}, {"ℓx", &D::SpanX},
                                   {"ℓa", &D::OverhangLeft},         {"ℓb", &D::OverhangRight}};
const std::vector<Entry> kLayout = {
    {"縦枠スパン数", &D::SpanCountY}, {"ℓy", &D::SpanY},
    {"ℓc", &D::OverhangUpper},        {"ℓd", &D::OverhangLower},
    {"ny", &D::AnchorCountY},         {"ℓpy", &D::PitchY},
    {"ℓpc", &D::AnchorOverhangUpper}, {"ℓpd", &D::AnchorOverhangLower},
    {"横枠スパン数", &D::SpanCountX}, {"ℓx", &D::SpanX},
    {"ℓa", &D::OverhangLeft},         {"ℓb", &D::OverhangRight},
    {"nx", &D::AnchorCountX},         {"ℓpx", &D::PitchX},
    {"ℓpa", &D::AnchorOverhangLeft},  {"ℓpb", &D::AnchorOverhangRight}};
const std::vector<Entry> kWeights = {
    {"γc", &D::FrameGamma}, {"γe", &D::InfillGamma}, {"he", &D::InfillThick}};
const std::vector<Entry> kSlope = {{"n", &D::SlopeN}};
const std::vector<Entry> kRestraint = {{"PFs", &D::PlanFs},     {"Pr", &D::Pr},
                                       {"θ", &D::SlipAngle},    {"施工段数", &D::RowCount},
                                       {"α", &D::InstallAngle}, {"φ", &D::FrictionAngle}};
// The design strength too: every report's condition table prints it with
// the allowable stresses taken for it.
const std::vector<Entry> kAllowables = {{"σck", &D::SigmaCk},
                                        {"σca", &D::SigmaCa},
                                        {"τca", &D::TauCa},
                                        {"τoa", &D::TauOa},
                                        {"σsa", &D::SigmaSa}};

std::vector<Entry> Join(std::initializer_list<std::vector<Entry>> parts) {
    std::vector<Entry> all;
    for (const std::vector<Entry>& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

const std::vector<EntryCase>& EntryCases() {
    static const std::vector<EntryCase> cases = {
        {"wedge", "wedge.kvd", nullptr,
         Join({kSections,
               kSpans,
               kWeights,
               {{"γt", &D::SoilGamma}},
               kSlope,
               {{"L1", &D::KusabiL1}, {"L2", &D::KusabiL2}, {"ΔFs", &D::DeltaFs}},
               kAllowables,
               {{"Fs", &D::AncBarFs}}})},
        {"wedge, a section per frame",
         "wedge.kvd",
         [] { Design.SameSection = 0; },
         {{"dy", &D::SectionDy}}},
        {"wedge, H and α entered",
         "wedge.kvd",
         [] { Design.KusabiInputMode = 3; },
         {{"H", &D::KusabiH}, {"α", &D::KusabiAlpha}}},
        {"wedge, slope by its angle",
         "wedge.kvd",
         [] { Design.SlopeInputMode = 0; },
         {{"θ0", &D::SlopeAngle}}},
        {"arc", "arc.kvd", nullptr,
         Join({kSections,
               kSpans,
               kWeights,
               {{"γt", &D::SoilGamma}},
               kSlope,
               {{"L1", &D::EnkoL1}, {"L2", &D::EnkoL2}, {"L3", &D::EnkoL3}, {"ΔFs", &D::DeltaFs}},
               kAllowables,
               {{"Fs", &D::AncBarFs}}})},
        {"greening", "greening.kvd", nullptr,
         Join({kSections,
               kSpans,
               kWeights,
               {{"γs", &D::SnowGamma}, {"hs", &D::SnowDepth}},
               kSlope,
               kAllowables,
               {{"Fs", &D::AncBarFs}}})},
        {"rock bolt", "rockbolt.kvd", nullptr,
         Join({kSections,
               kLayout,
               kWeights,
               kSlope,
               kRestraint,
               {{"da", &D::RockDa},
                {"τ", &D::RockTauG},
                {"τb", &D::RockTauB},
                {"Fs", &D::RockFs},
                {"La", &D::RockLa},
                {"Lf", &D::RockLf}},
               kAllowables})},
        {"rock bolt, tan φ entered",
         "rockbolt.kvd",
         [] { Design.FrictionInputMode = 1; },
         {{"tanφ", &D::TanPhi}}},
        {"ground anchor", "anchor.kvd", nullptr,
         Join({kSections,
               kLayout,
               kWeights,
               kSlope,
               kRestraint,
               {{"Tus", &D::Tus},
                {"Tys", &D::Tys},
                {"ds", &D::AnchorDs},
                {"da", &D::AnchorDa},
                {"τ", &D::AnchorTauG},
                {"τb", &D::AnchorTauB},
                {"Fs", &D::AnchorFs},
                {"La", &D::AnchorLa},
                {"Lf", &D::AnchorLf}},
               kAllowables,
               {{"u", &D::PlateU}, {"σpa", &D::PlateSigma}}})},
        {"ground anchor, Pt entered", "anchor-direct.kvd", nullptr,
         Join({kSections,
               kLayout,
               kWeights,
               kSlope,
               {{"Pt", &D::PtInput}},
               kAllowables,
               {{"u", &D::PlateU}, {"σpa", &D::PlateSigma}}})},
    };
    return cases;
}

void ReadExample(const EntryCase& c) {
    OpenExample(c.file);
    // Under the grid rule the layout step makes every anchor value follow its
    // frame value: an anchor entry emptied by hand would be filled again.
    Design.AllGridPoints = 0;
    if (c.tweak) c.tweak();
    SetAllRecalc(true);
}

// The whole list in the order of the chain: with every required entry of a
// worked design emptied, the core names them all, each once.
TEST(RequiredEntries, AreNamedInTheOrderOfTheChain) {
    for (const EntryCase& c : EntryCases()) {
        if (c.tweak) continue;
        SCOPED_TRACE(c.what);
        ReadExample(c);
        std::vector<std::string> names;
        for (const Entry& e : c.entries) {
            Design.*e.field = "";
            if (std::find(names.begin(), names.end(), e.name) == names.end())
                names.push_back(e.name);
        }
        EXPECT_EQ(MissingEntryNames(), names);
        // A blank text is no entry either.
        for (const Entry& e : c.entries) Design.*e.field = "   ";
        EXPECT_EQ(MissingEntryNames(), names);
    }
}

TEST_F(CheckTable, AnEntryNeverEnteredShowsOnEverySurface) {
    for (const EntryCase& c : EntryCases()) {
        SCOPED_TRACE(c.what);
        // As worked, with every entry given: nothing anywhere.
        OpenChain([&c] { ReadExample(c); });
        Seen seen = ShowAndPrint(false);
        EXPECT_EQ(seen.window, "");
        EXPECT_TRUE(LinesOfPage1(seen.shortReport).empty());
        EXPECT_TRUE(LinesOfPage1(seen.fullReport).empty());
        Close();

        for (const Entry& e : c.entries) {
            SCOPED_TRACE(e.name);
            const std::string missing = std::string("未入力：") + e.name;
            OpenChain([&] {
                ReadExample(c);
                Design.*e.field = "";
            });
            seen = ShowAndPrint(true);
            // The missing entry leads the line; a check it breaks follows.
            const std::string& line = seen.window;
            EXPECT_EQ(line.substr(0, line.find("　")), missing) << line;
            EXPECT_TRUE(seen.windowRed);
            EXPECT_EQ(LinesOfPage1(seen.shortReport), std::vector<std::string>{line});
            EXPECT_EQ(LinesOfPage1(seen.fullReport), std::vector<std::string>{missing});
            Close();
        }
    }
}

// ---- A line wider than the grid and the page

// Broken where a name ends: after a "、" or the blank between the two parts.
bool EndsAfterAName(const QString& piece) {
    return piece.endsWith(QStringLiteral("、")) || piece.endsWith(QStringLiteral("　"));
}

// Page 1 carries `line` whole in red under its result table: every piece,
// measured in the face and size it prints in, ends within the printable
// width (the page's left margin mirrored), each further piece stands under
// the one before, the last one above the page number, and nothing else of
// the page stands under its first piece. The summary tables, risen to make
// room, stay clear of the page's first block.
void ExpectWholeOnPage1(const Printed& p, const std::string& line) {
    const auto lines = p.Lines(1);
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<report::TextOp>& pieces = lines.front();
    EXPECT_GT(pieces.size(), 1u);
    std::string whole;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const report::TextOp& t = pieces[i];
        SCOPED_TRACE(t.text);
        whole += t.text;
        EXPECT_EQ(t.color, kRed);
        const QFontMetricsF metrics(ReportFont(t.font));
        const QString text = QString::fromStdString(t.text);
        EXPECT_LE(t.x + metrics.horizontalAdvance(text), report::kA4WidthTwips - p.left);
        if (i > 0) {
            EXPECT_GE(t.y, pieces[i - 1].y + metrics.height());
        }
        if (i + 1 < pieces.size()) {
            EXPECT_TRUE(EndsAfterAName(text));
        } else {
            EXPECT_LE(t.y + metrics.height(),
                      report::kA4HeightTwips - report::kFooterTopFromBottom);
        }
    }
    EXPECT_EQ(whole, line);
    for (const report::TextOp& t : p.pages.front()) {
        const bool piece = std::any_of(pieces.begin(), pieces.end(), [&t](const auto& q) {
            return q.y == t.y && q.text == t.text;
        });
        if (!piece) {
            EXPECT_LT(t.y, pieces.front().y) << t.text;
        }
    }
    ASSERT_GE(p.blocks.size(), 3u);
    const report::PlacedBlock& first = p.blocks[0];
    const report::PlacedBlock& forces = p.blocks[1];
    ASSERT_EQ(forces.page, 1);
    EXPECT_GE(forces.top,
              first.top + report::LoadForm(first.form)->ItemExtent().bottom * p.heightRatio);
}

// A new design walked straight to the results, every entry left empty, names
// each entry on a line far wider than the grid and the page: the results
// window shows it over as many lines as it needs, each line within the
// label's width and the label within the window above its buttons, and page
// 1 of both reports prints it whole within the page.
TEST_F(CheckTable, ALongLineIsReadWholeOnScreenAndOnPaper) {
    struct Case {
        const char* what;
        std::int16_t workType;
        std::int16_t sameSection;
    };
    const Case cases[] = {
        {"wedge", 0, 1},
        {"rock bolt, a section per frame", 3, 0},
        {"ground anchor", 4, 1},
        {"ground anchor, a section per frame", 4, 0},
    };
    int shot = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenChain([&c] {
            ResetCalcState();
            Design.WorkType = c.workType;
            Design.SameSection = c.sameSection;
            SetAllRecalc(true);
        });
        const Seen seen = ShowAndPrint(true);
        const std::string line = FailedChecksLine();
        ASSERT_GE(MissingEntryNames().size(), 15u);

        NNkekka* w = Results();
        QLabel* label = w->lblOut;
        EXPECT_EQ(QString::fromStdString(seen.window).remove(QLatin1Char('\n')).toStdString(),
                  line);
        EXPECT_TRUE(seen.windowRed);
        const QStringList shown = label->text().split(QLatin1Char('\n'));
        EXPECT_GT(shown.size(), 1);
        const QFontMetricsF metrics(label->font());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            SCOPED_TRACE(shown[i].toStdString());
            EXPECT_LE(metrics.horizontalAdvance(shown[i]), label->contentsRect().width());
            if (i + 1 < shown.size()) {
                EXPECT_TRUE(EndsAfterAName(shown[i]));
            }
        }
        EXPECT_LE(label->sizeHint().height(), label->height());
        EXPECT_LE(label->geometry().right(), w->width());
        EXPECT_LE(label->geometry().bottom(), w->NavBar->y());
        EXPECT_LE(w->NavBar->geometry().bottom(), w->height());
        SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_new_design_%1").arg(++shot));

        {
            SCOPED_TRACE("short report");
            ExpectWholeOnPage1(seen.shortReport, line);
        }
        {
            SCOPED_TRACE("full report");
            ExpectWholeOnPage1(seen.fullReport, MissingEntriesLine());
        }
        if (const char* shots = std::getenv("TALVO_SHOT_DIR"); shots && *shots) {
            PrintControl control;
            control.SetFooter("%d");
            report::MakeChapterReport(Design.WorkType)->DrawReport(control, 0);
            QDir().mkpath(QString::fromLocal8Bit(shots));
            control.SavePdf(std::string(shots) + "/short-report-new-design-" +
                            std::to_string(shot) + ".pdf");
        }
        Close();
    }
}

// ---- By hand

// The wedge design with ΔFs cleared in its step and left by Tab: the results
// button shows the line, the print button asks, and the short report's PDF
// carries the line on page 1.
TEST_F(CheckTable, ClearingDeltaFsInItsStepShowsTheLine) {
    const EntryCase& wedge = EntryCases().front();
    OpenChain([&wedge] { ReadExample(wedge); });
    const int step = StepNumber("NCtatemoment");
    ASSERT_GT(step, 0);
    ShowStep(step);
    auto* moment = qobject_cast<NCtatemoment*>(Steps()->Step(step));
    ASSERT_NE(moment, nullptr);
    DialogTest::Type(moment->Text1, "");
    QTest::keyClick(moment->Text1, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(Design.DeltaFs, "");
    QTest::mouseClick(moment->cmdResult, Qt::LeftButton);
    Settle();
    NNkekka* w = Results();
    ASSERT_EQ(CurStep, Last());
    EXPECT_TRUE(w->lblOut->isVisible());
    EXPECT_EQ(w->lblOut->text().toStdString(), "未入力：ΔFs");
    SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_missing_delta_fs"));

    const Seen seen = ShowAndPrint(true);
    EXPECT_EQ(LinesOfPage1(seen.shortReport), std::vector<std::string>{"未入力：ΔFs"});

    PrintControl control;
    report::MakeChapterReport(Design.WorkType)->DrawReport(control, 0);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("short.pdf"));
    ASSERT_EQ(control.SavePdf(pdf.toStdString()), "");
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("未入力：ΔFs")));
    if (const char* shots = std::getenv("TALVO_SHOT_DIR"); shots && *shots) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        control.SavePdf(std::string(shots) + "/short-report-missing-delta-fs.pdf");
    }
}

}  // namespace
}  // namespace talvo::test
