// The chapter sequencers: one report per work type, each a fixed order of
// page procedures that DrawReport runs for the short or the full report.
//
// A page procedure fills the blocks of one printed page and hands them to
// the renderer; the sequencer counts the page and starts it before the
// procedure runs. Procedures are looked up by page id, apart from the order:
// a page runs its built-in procedure (BuiltInPageProc) unless the report was
// given another for it (SetPageProc). When a single page is output every
// procedure still runs and the renderer's page filter keeps all but that
// page's blocks off the paper, so the page keeps the heading numbers it has
// in the whole report.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "report/engine/layoutform.h"
#include "report/engine/pageoutput.h"
#include "report/engine/renderer.h"

namespace talvo {
struct DesignData;
}

namespace talvo::report {

// Every page procedure of the five chapters.
#define TALVO_REPORT_PAGES(X) \
    X(PrnHoukaiHyou)          \
    X(PrnHeiyouHyou)          \
    X(PrnHoukaiKusabi)        \
    X(PrnHoukaiEnko)          \
    X(PrnAncBarKento)         \
    X(PrnAnchorKento)         \
    X(PrnRockKento)           \
    X(PrnKusabiJyuuryo)       \
    X(PrnKusabiKajyuu)        \
    X(PrnKusabiMmaxSmax)      \
    X(PrnEnkoJyuuryo)         \
    X(PrnEnkoKajyuu)          \
    X(PrnEnkoMmaxSmax)        \
    X(PrnYokoJyuuryo)         \
    X(PrnMmtSdr)              \
    X(PrnSekkeiJyuuryo)       \
    X(PrnSekkeiAnc)           \
    X(PrnSekkeiRock)          \
    X(PrnAnchorKouzai)        \
    X(PrnRockTyou)            \
    X(PrnToubunpu)            \
    X(PrnToubunpuPt)          \
    X(PrnMmtSdrTate)          \
    X(PrnMmtSdrYoko)          \
    X(PrnMmtSdrHyou)          \
    X(PrnTekkinRyoTate)       \
    X(PrnOrkHippariTate)      \
    X(PrnOrkStarLapTate)      \
    X(PrnTekkinRyoYoko)       \
    X(PrnOrkHippariYoko)      \
    X(PrnOrkStarLapYoko)      \
    X(PrnSyuAncBar)           \
    X(PrnSiatu)               \
    X(PrnPrate)

enum class PageId {
#define TALVO_PAGE_ENUM(name) name,
    TALVO_REPORT_PAGES(TALVO_PAGE_ENUM)
#undef TALVO_PAGE_ENUM
};
inline constexpr int kPageIdCount = 0
#define TALVO_PAGE_COUNT(name) +1
    TALVO_REPORT_PAGES(TALVO_PAGE_COUNT)
#undef TALVO_PAGE_COUNT
    ;

// The procedure's name ("PrnHoukaiHyou").
std::string_view PageName(PageId id);

// The report of a work type.
enum class ChapterKind {
    Wedge,      // CPrnWedge: 0, wedge failure from the slope shoulder
    Arc,        // CPrnArc: 1, circular failure in mid-slope
    FrameSide,  // CPrnFrameSide: 2, greening foundation (horizontal frames only)
    Rockbolt,   // CPrnRockbolt: 3, frame with rock bolts
    Anchor,     // CPrnAnchor: 4 and every other value (5: no work type chosen yet)
};

ChapterKind ChapterOf(int workType);
// "CPrnWedge", "CPrnArc", ...
std::string_view ChapterName(ChapterKind kind);

// What the choice of pages depends on besides the chapter.
struct PageConditions {
    bool full = false;              // the full report (a non-zero report kind)
    bool separateSections = false;  // DesignData.SameSection = 0
    bool stirrupsTate = false;      // the vertical frame's print row needs stirrups
    bool stirrupsYoko = false;      // the horizontal frame's print row needs stirrups
    bool ptDirect = false;          // DesignData.PtDirect <> 0
    bool ptGiven = false;           // DesignData.Pt holds a number
    bool overhang = false;          // a horizontal-frame overhang is not 0
};

// The conditions of a design; `stirrups` is laid out as `StirrupNeeded`
// (direction, row 0 to 5 of the set), the print row r (1 to 6) reading
// element r - 1 and no print row (0) needing none.
PageConditions ConditionsOf(const DesignData& design,
                            const std::array<std::array<bool, 6>, 2>& stirrups,
                            std::int16_t insFlg);
// The same for the open design (`Design`, `StirrupNeeded`).
PageConditions CurrentConditions(std::int16_t insFlg);

// The page procedures that DrawReport runs, in order.
std::vector<PageId> PageOrder(ChapterKind kind, const PageConditions& conditions);

// One block handed to the renderer: where, and whether it reached the paper.
struct PlacedBlock {
    int page = 0;  // CurPage when it was drawn
    std::string form;
    int left = 0;
    int top = 0;
    bool drawn = false;
};

// What a page procedure works with: the output, the scales and counters of
// the build, and the chapter it runs in.
class PageContext {
public:
    PageContext(PageOutput& out, ReportPrint& print, ChapterKind chapter, PageId page,
                std::vector<PlacedBlock>& placed, bool full = false)
        : out_(out), print_(print), chapter_(chapter), page_(page), placed_(placed), full_(full) {}

    PageOutput& Out() const { return out_; }
    const ReportPrint& Print() const { return print_; }
    ChapterKind Chapter() const { return chapter_; }
    PageId Page() const { return page_; }
    // The page belongs to the full report, not to the short one.
    bool Full() const { return full_; }
    // This page reaches the output (every page, or the one page asked for).
    bool Shown() const { return print_.PageShown(); }

    // The page's first block, at the page origin (Left, Top).
    void DrawFirst(std::unique_ptr<LayoutForm> form) const;
    // A lower block at its design top in twips: (Left, CInt(WidthRatio × y)).
    void DrawAt(std::unique_ptr<LayoutForm> form, int designTop) const;

private:
    void Draw(std::unique_ptr<LayoutForm> form, int top) const;

    PageOutput& out_;
    ReportPrint& print_;
    ChapterKind chapter_;
    PageId page_;
    std::vector<PlacedBlock>& placed_;
    bool full_;
};

using PageProc = std::function<void(PageContext&)>;

// The procedure that a page runs unless one was set on the report: the
// short report's pages in pages.cpp, the others from their chapter groups
// (pageprocs.h). Every page has one.
PageProc BuiltInPageProc(PageId id);

// The report object of one work type (CurReport of the report start).
class ChapterReport {
public:
    explicit ChapterReport(ChapterKind kind);

    ChapterKind Kind() const { return kind_; }
    const ReportPrint& Print() const { return print_; }

    // Replaces the procedure of one page for this report.
    void SetPageProc(PageId id, PageProc proc);

    // Builds the report into `out`: insFlg 0 the short report, any other
    // value the full one; intPage 0 every page, n only page n (drawn on the
    // document's one page). A failure of a page ends the build where it
    // happens: later pages are not run and the document is not ended.
    void DrawReport(PageOutput& out, std::int16_t insFlg, int intPage = 0);

    // The blocks of the last build, in drawing order, those filtered out too.
    const std::vector<PlacedBlock>& Blocks() const { return placed_; }

private:
    ChapterKind kind_;
    ReportPrint print_;
    std::array<PageProc, kPageIdCount> procs_;
    std::vector<PlacedBlock> placed_;
};

// The report of the design's work type.
std::unique_ptr<ChapterReport> MakeChapterReport(int workType);

}  // namespace talvo::report
