#include "report/chapters/sequencer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "report/engine/headings.h"
#include "report/engine/recorder.h"
#include "shell/design.h"
#include "shell/globals.h"

namespace talvo::report {
namespace {

// A design and the chosen print rows: the row numbers count from 1 (0: none)
// and `stirrupTate`/`stirrupYoko` mark that row (1 to 6) as needing stirrups.
struct Config {
    int workType = 0;
    int sameSection = 1;
    int ptDirect = 0;
    const char* pt = "50.0";
    const char* overhangLeft = "";
    const char* overhangRight = "";
    int printRowTate = 1;
    int printRowYoko = 1;
    int stirrupTate = 0;
    int stirrupYoko = 0;
};

void Apply(const Config& s) {
    InitDesignData();
    StirrupNeeded = {};
    Design.WorkType = static_cast<std::int16_t>(s.workType);
    Design.SameSection = static_cast<std::int16_t>(s.sameSection);
    Design.PtDirect = static_cast<std::int16_t>(s.ptDirect);
    Design.Pt = s.pt;
    Design.OverhangLeft = s.overhangLeft;
    Design.OverhangRight = s.overhangRight;
    Design.KekkaPrintRow = {static_cast<std::int16_t>(s.printRowTate),
                            static_cast<std::int16_t>(s.printRowYoko)};
    if (s.stirrupTate > 0) StirrupNeeded[0][static_cast<std::size_t>(s.stirrupTate - 1)] = true;
    if (s.stirrupYoko > 0) StirrupNeeded[1][static_cast<std::size_t>(s.stirrupYoko - 1)] = true;
}

class Sequencer : public ::testing::Test {
protected:
    void TearDown() override {
        InitDesignData();
        StirrupNeeded = {};
    }
};

// Every page draws one text: its chapter heading (numbered across the build)
// and its page number; the log keeps what ran on which page.
struct PageRun {
    int page;
    std::string name;
};

void MarkEveryPage(ChapterReport& report, std::vector<PageRun>& log) {
    for (int i = 0; i < kPageIdCount; ++i) {
        const auto id = static_cast<PageId>(i);
        report.SetPageProc(id, [&log](PageContext& p) {
            const std::string name(PageName(p.Page()));
            log.push_back({p.Print().CurPage(), name});
            auto form =
                std::make_unique<LayoutForm>(ParseForm("form Marker\nlabel Lab 0 0 3000 \"x\"\n"));
            form->SetCaption("Lab", ChapterTitle(name) + " " + std::to_string(p.Print().CurPage()));
            p.DrawFirst(std::move(form));
        });
    }
}

std::string Joined(const std::vector<PageRun>& log) {
    std::string s;
    for (const PageRun& r : log) s += (s.empty() ? "" : " ") + r.name.substr(3);  // without "Prn"
    return s;
}

std::vector<std::string> Texts(const RecordedPage& page) {
    std::vector<std::string> out;
    for (const DrawOp& op : page.ops)
        if (const auto* t = std::get_if<TextOp>(&op)) out.push_back(t->text);
    return out;
}

TEST_F(Sequencer, PageListsOfEveryChapter) {
    constexpr const char* kWedgeFull =
        "HoukaiHyou HoukaiKusabi KusabiJyuuryo KusabiKajyuu KusabiMmaxSmax YokoJyuuryo MmtSdr "
        "MmtSdrHyou";
    constexpr const char* kArcFull =
        "HoukaiHyou HoukaiEnko EnkoJyuuryo EnkoKajyuu EnkoMmaxSmax YokoJyuuryo MmtSdr "
        "MmtSdrHyou";
    const std::string yoko = " TekkinRyoYoko OrkHippariYoko";
    const std::string tate = " TekkinRyoTate OrkHippariTate";
    struct Case {
        int insFlg;
        Config setup;
        const char* chapter;
        std::string pages;
    };
    const Case cases[] = {
        // Wedge and arc: two pages short; the vertical frame's checks only
        // for separate sections, a stirrup page only for a print row that
        // needs stirrups.
        {0,
         {.workType = 0, .sameSection = 0, .stirrupTate = 1, .stirrupYoko = 1},
         "CPrnWedge",
         "HoukaiHyou HoukaiKusabi"},
        {1, {.workType = 0}, "CPrnWedge", kWedgeFull + yoko + " SyuAncBar"},
        {1,
         {.workType = 0, .stirrupTate = 1, .stirrupYoko = 1},
         "CPrnWedge",
         kWedgeFull + yoko + " OrkStarLapYoko SyuAncBar"},
        {1,
         {.workType = 0, .sameSection = 0, .stirrupTate = 1, .stirrupYoko = 1},
         "CPrnWedge",
         kWedgeFull + tate + " OrkStarLapTate" + yoko + " OrkStarLapYoko SyuAncBar"},
        {-1,
         {.workType = 0, .sameSection = 0, .printRowTate = 3, .stirrupTate = 2},
         "CPrnWedge",
         kWedgeFull + tate + yoko + " SyuAncBar"},
        {1,
         {.workType = 0,
          .sameSection = 0,
          .printRowTate = 0,
          .printRowYoko = 0,
          .stirrupTate = 1,
          .stirrupYoko = 1},
         "CPrnWedge",
         kWedgeFull + tate + yoko + " SyuAncBar"},
        {0, {.workType = 1}, "CPrnArc", "HoukaiHyou HoukaiEnko"},
        {1,
         {.workType = 1, .sameSection = 0, .printRowTate = 6, .stirrupTate = 6},
         "CPrnArc",
         kArcFull + tate + " OrkStarLapTate" + yoko + " SyuAncBar"},
        // Horizontal frames only: the decision page only with an overhang.
        {0, {.workType = 2, .overhangLeft = "0.5"}, "CPrnFrameSide", "HoukaiHyou AncBarKento"},
        {1,
         {.workType = 2, .sameSection = 0, .overhangLeft = "0", .stirrupTate = 1},
         "CPrnFrameSide",
         "HoukaiHyou AncBarKento YokoJyuuryo MmtSdr" + yoko + " SyuAncBar"},
        {1,
         {.workType = 2, .overhangRight = "0.3", .printRowYoko = 4, .stirrupYoko = 4},
         "CPrnFrameSide",
         "HoukaiHyou AncBarKento YokoJyuuryo MmtSdr MmtSdrHyou" + yoko +
             " OrkStarLapYoko SyuAncBar"},
        // Anchored chapters: the study page and the load pages only for a
        // computed Pt, the direct-Pt uniform-load page only for an entered one.
        {0, {.workType = 4}, "CPrnAnchor", "HeiyouHyou AnchorKento"},
        {0, {.workType = 4, .ptDirect = 1}, "CPrnAnchor", "HeiyouHyou"},
        {1,
         {.workType = 4, .overhangLeft = "1"},
         "CPrnAnchor",
         "HeiyouHyou AnchorKento SekkeiJyuuryo SekkeiAnc AnchorKouzai Toubunpu MmtSdrTate "
         "MmtSdrYoko MmtSdrHyou" +
             yoko + " Siatu Prate"},
        {1,
         {.workType = 5, .sameSection = 0, .ptDirect = 1, .stirrupTate = 1, .stirrupYoko = 1},
         "CPrnAnchor",
         "HeiyouHyou ToubunpuPt MmtSdrTate MmtSdrYoko MmtSdrHyou" + tate + " OrkStarLapTate" +
             yoko + " OrkStarLapYoko Siatu Prate"},
        {0, {.workType = -1, .ptDirect = 1}, "CPrnAnchor", "HeiyouHyou"},
        {0, {.workType = 3}, "CPrnRockbolt", "HeiyouHyou RockKento"},
        {0, {.workType = 3, .ptDirect = 1}, "CPrnRockbolt", "HeiyouHyou"},
        {1,
         {.workType = 3, .sameSection = 0},
         "CPrnRockbolt",
         "HeiyouHyou RockKento SekkeiJyuuryo SekkeiRock RockTyou Toubunpu MmtSdrTate MmtSdrYoko "
         "MmtSdrHyou" +
             tate + yoko},
        // A computed Pt that could not be worked out: no length page, as there
        // is no bond length to compare the anchorage length with.
        {1,
         {.workType = 3, .pt = ""},
         "CPrnRockbolt",
         "HeiyouHyou RockKento SekkeiJyuuryo SekkeiRock Toubunpu MmtSdrTate MmtSdrYoko "
         "MmtSdrHyou" +
             yoko},
        {1,
         {.workType = 4, .pt = ""},
         "CPrnAnchor",
         "HeiyouHyou AnchorKento SekkeiJyuuryo SekkeiAnc Toubunpu MmtSdrTate MmtSdrYoko "
         "MmtSdrHyou" +
             yoko + " Siatu Prate"},
        {1,
         {.workType = 3, .ptDirect = 2, .stirrupYoko = 1},
         "CPrnRockbolt",
         "HeiyouHyou ToubunpuPt MmtSdrTate MmtSdrYoko MmtSdrHyou" + yoko + " OrkStarLapYoko"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.chapter) + " " + std::to_string(c.insFlg) + ": " + c.pages);
        Apply(c.setup);
        std::unique_ptr<ChapterReport> report = MakeChapterReport(Design.WorkType);
        EXPECT_EQ(ChapterName(report->Kind()), c.chapter);

        std::vector<PageRun> log;
        MarkEveryPage(*report, log);
        RecordingOutput out;
        report->DrawReport(out, static_cast<std::int16_t>(c.insFlg));
        EXPECT_EQ(Joined(log), c.pages);

        std::vector<std::string> order;
        for (PageId id : PageOrder(report->Kind(), CurrentConditions(c.insFlg)))
            order.emplace_back(PageName(id));
        ASSERT_EQ(order.size(), log.size());
        for (std::size_t i = 0; i < log.size(); ++i) {
            EXPECT_EQ(log[i].name, order[i]);
            EXPECT_EQ(log[i].page, static_cast<int>(i) + 1);
        }
        // One recorded page per page procedure, each holding its own mark.
        const RecordedDocument& doc = out.Document();
        EXPECT_TRUE(doc.ended);
        ASSERT_EQ(doc.pages.size(), log.size());
        for (std::size_t i = 0; i < log.size(); ++i) {
            const std::string want = ZenkakuNum(static_cast<int>(i) + 1) + " " + log[i].name + " " +
                                     std::to_string(i + 1);
            EXPECT_EQ(Texts(doc.pages[i]), std::vector<std::string>{want});
        }
    }
}

// PrintPage n runs every page procedure with the page numbers and headings of
// the whole report and draws only page n's operations, on the one page of the
// document; the same report object builds alike every time.
TEST_F(Sequencer, OnePageOutputDrawsThatPageOnly) {
    Apply({.workType = 0, .sameSection = 0, .stirrupTate = 1, .stirrupYoko = 1});
    ChapterReport report(ChapterOf(Design.WorkType));
    std::vector<PageRun> log;
    MarkEveryPage(report, log);
    RecordingOutput out;
    report.DrawReport(out, 1);
    const RecordedDocument whole = out.TakeDocument();
    const std::vector<PageRun> wholeLog = log;
    ASSERT_EQ(whole.pages.size(), 15u);

    for (int n = 1; n <= 16; ++n) {
        SCOPED_TRACE(n);
        log.clear();
        report.DrawReport(out, 1, n);
        const RecordedDocument& one = out.Document();
        ASSERT_EQ(one.pages.size(), 1u);
        EXPECT_TRUE(one.ended);
        EXPECT_EQ(Texts(one.pages[0]), n <= 15 ? Texts(whole.pages[static_cast<std::size_t>(n - 1)])
                                               : std::vector<std::string>{});
        ASSERT_EQ(log.size(), wholeLog.size());
        for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i].page, wholeLog[i].page);
    }
    report.DrawReport(out, 1);
    for (std::size_t i = 0; i < whole.pages.size(); ++i)
        EXPECT_EQ(Texts(out.Document().pages[i]), Texts(whole.pages[i]));
}

std::string Placed(const std::vector<PlacedBlock>& blocks, bool drawnOnly) {
    std::string s;
    for (const PlacedBlock& b : blocks) {
        if (drawnOnly && !b.drawn) continue;
        s += (s.empty() ? "" : "; ") + std::to_string(b.page) + " " + b.form + " " +
             std::to_string(b.left) + "," + std::to_string(b.top);
    }
    return s;
}

// The short report's blocks, on a paper whose WidthRatio (1.2) differs from
// its HeightRatio (1.5): the lower blocks stand at CInt(1.2 × y), the first
// block of a page at the origin (Left 621 × 1.2, Top 421 × 1.5, rounded down).
TEST_F(Sequencer, ShortReportBlocks) {
    struct Case {
        Config setup;
        std::string blocks;
    };
    const std::string hyouDokei = "; 1 InsOryuokuDokei 745,11760; 1 InsKekkaHyouDokei 745,13800";
    const std::string hyouIkei = "; 1 InsOryuokuIkei 745,11760; 1 InsKekkaHyouIkei 745,13800";
    const Case cases[] = {
        {{.workType = 0},
         "1 InsHoukaiHyou 745,631" + hyouDokei +
             "; 2 InsHoukaiKusabi 745,631; 2 InsAncBarKento 745,9960"},
        {{.workType = 1, .sameSection = 0},
         "1 InsHoukaiHyou 745,631" + hyouIkei +
             "; 2 InsHoukaiEnko 745,631; 2 InsAncBarKento 745,9960"},
        {{.workType = 2, .sameSection = 0},
         "1 InsHoukaiHyou 745,631" + hyouDokei + "; 2 InsAncBarKento 745,631"},
        {{.workType = 4, .sameSection = 0},
         "1 InsHeiyouHyou 745,631" + hyouIkei + "; 2 InsAnchorKento 745,631"},
        {{.workType = 3}, "1 InsHeiyouHyou 745,631" + hyouDokei + "; 2 InsRockKento 745,631"},
        {{.workType = 3, .ptDirect = 1}, "1 InsHeiyouHyou 745,631" + hyouDokei},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blocks);
        Apply(c.setup);
        ChapterReport report(ChapterOf(Design.WorkType));
        RecordingOutput out(kDesignPageWidth * 1.2, kDesignPageHeight * 1.5, 1, 1);
        report.DrawReport(out, 0);
        EXPECT_EQ(Placed(report.Blocks(), false), c.blocks);
        EXPECT_EQ(Placed(report.Blocks(), true), c.blocks);
    }

    // The wedge's second page alone: every block still placed, only that
    // page's drawn, and its drawing is the whole document's second page.
    Apply({.workType = 0});
    ChapterReport report(ChapterKind::Wedge);
    RecordingOutput out;
    report.DrawReport(out, 0);
    const RecordedDocument whole = out.TakeDocument();
    ASSERT_EQ(whole.pages.size(), 2u);
    EXPECT_FALSE(whole.pages[1].ops.empty());
    report.DrawReport(out, 0, 2);
    EXPECT_EQ(report.Blocks().size(), 5u);
    EXPECT_EQ(Placed(report.Blocks(), true),
              "2 InsHoukaiKusabi 757,505; 2 InsAncBarKento 757,10147");
    ASSERT_EQ(out.Document().pages.size(), 1u);
    EXPECT_EQ(out.Document().pages[0].ops.size(), whole.pages[1].ops.size());
    EXPECT_EQ(Texts(out.Document().pages[0]), Texts(whole.pages[1]));
}

// A page that draws nothing (one anchor along the vertical frame, no
// overhang: no moment page for that frame) is still a page of the report,
// counted and started.
TEST_F(Sequencer, FullReportKeepsEmptyPages) {
    Apply({.workType = 4});
    Design.AnchorCountY = "1";
    Design.AnchorOverhangUpper = "0";
    Design.AnchorOverhangLower = "0";
    ChapterReport report(ChapterKind::Anchor);
    RecordingOutput out;
    report.DrawReport(out, 1);
    ASSERT_EQ(out.Document().pages.size(), 13u);
    const auto onPage = [&](int page) {
        int n = 0;
        for (const PlacedBlock& b : report.Blocks()) n += b.page == page;
        return n;
    };
    EXPECT_EQ(onPage(7), 0);  // PrnMmtSdrTate
    EXPECT_TRUE(out.Document().pages[6].ops.empty());
    EXPECT_GT(onPage(6), 0);  // PrnToubunpu
    EXPECT_GT(onPage(8), 0);  // PrnMmtSdrYoko
}

// A failing page ends the build there: no later page runs, the document is
// not ended.
TEST_F(Sequencer, FailureEndsTheBuild) {
    Apply({.workType = 0});
    ChapterReport report(ChapterKind::Wedge);
    std::vector<PageRun> log;
    MarkEveryPage(report, log);
    report.SetPageProc(PageId::PrnKusabiKajyuu,
                       [](PageContext&) { throw std::runtime_error("filler"); });
    RecordingOutput out;
    EXPECT_THROW(report.DrawReport(out, 1), std::runtime_error);
    EXPECT_EQ(Joined(log), "HoukaiHyou HoukaiKusabi KusabiJyuuryo");
    EXPECT_EQ(out.Document().pages.size(), 4u);
    EXPECT_FALSE(out.Document().ended);
}

}  // namespace
}  // namespace talvo::report
