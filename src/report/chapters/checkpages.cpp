// The member-check pages shared by the five chapters (maximum member forces,
// required rebar, stress checks, stirrups) and the main anchor bar check that
// closes the chapters without anchors.

#include <memory>
#include <string_view>

#include "report/chapters/pageprocs.h"
#include "report/pages/anchors.h"
#include "report/pages/checks.h"
#include "shell/design.h"

namespace talvo::report {

namespace {

// The design tops of the lower blocks, in twips.
constexpr int kDesignForcesTop = 3700;
constexpr int kRebarRatioTop = 4200;
constexpr int kCompressionTop = 3700;
constexpr int kCompressionTopArcTate = 3500;
constexpr int kShearTop = 5700;
constexpr int kBondTop = 7800;

constexpr int kTate = 0;
constexpr int kYoko = 1;

std::unique_ptr<LayoutForm> Form(std::string_view name, void (*fill)(LayoutForm&)) {
    return FilledForm(name, fill);
}

std::unique_ptr<LayoutForm> Form(std::string_view name, void (*fill)(LayoutForm&, int),
                                 int direction) {
    return FilledForm(name, [fill, direction](LayoutForm& form) { fill(form, direction); });
}

// The decision table, then one design pair for a shared section (always in
// the chapter with horizontal frames only) or a pair per frame.
void PrnMmtSdrHyou(PageContext& p) {
    p.DrawFirst(Form("InsMmtSdrHyou", SetInsMmtSdrHyou));
    if (p.Chapter() == ChapterKind::FrameSide || Design.SameSection == 1) {
        p.DrawAt(Form("InsMmaxSmax", SetInsMmaxSmax), kDesignForcesTop);
    } else {
        p.DrawAt(Form("InsMmaxSmax2", SetInsMmaxSmax2), kDesignForcesTop);
    }
}

// Required rebar, then the rebar ratio (its section heading follows the
// required rebar's, so that form is filled first).
void TekkinRyo(PageContext& p, int direction) {
    auto required = Form("InsTekkinRyo", SetInsTekkinRyo, direction);
    auto ratio = Form("InsTekkinHi", SetInsTekkinHi, direction);
    p.DrawFirst(std::move(required));
    p.DrawAt(std::move(ratio), kRebarRatioTop);
}

// Rebar tension, concrete compression, shear and bond on one page.
void OrkHippari(PageContext& p, int direction) {
    p.DrawFirst(Form("InsOrkHippari", SetInsOrkHippari, direction));
    const bool arcTate = p.Chapter() == ChapterKind::Arc && direction == kTate;
    p.DrawAt(Form("InsOrkAssyuku", SetInsOrkAssyuku, direction),
             arcTate ? kCompressionTopArcTate : kCompressionTop);
    if (Design.ShearStressMode != 0) {
        p.DrawAt(Form("InsOrkSendanX", SetInsOrkSendanX, direction), kShearTop);
    } else {
        p.DrawAt(Form("InsOrkSendan", SetInsOrkSendan, direction), kShearTop);
    }
    if (PrintRowNeedsStirrups(direction)) {
        p.DrawAt(Form("InsOrkFutyakuStar", SetInsOrkFutyakuStar, direction), kBondTop);
    } else {
        p.DrawAt(Form("InsOrkFutyaku", SetInsOrkFutyaku, direction), kBondTop);
    }
}

void OrkStarLap(PageContext& p, int direction) {
    p.DrawFirst(Form("InsOrkStarLap", SetInsOrkStarLap, direction));
}

void PrnSyuAncBar(PageContext& p) {
    p.DrawFirst(Form("InsSyuAncBar", SetInsSyuAncBar));
}

}  // namespace

PageProc CheckPageProc(PageId id) {
    switch (id) {
        case PageId::PrnMmtSdrHyou:
            return PrnMmtSdrHyou;
        case PageId::PrnTekkinRyoTate:
            return [](PageContext& p) { TekkinRyo(p, kTate); };
        case PageId::PrnTekkinRyoYoko:
            return [](PageContext& p) { TekkinRyo(p, kYoko); };
        case PageId::PrnOrkHippariTate:
            return [](PageContext& p) { OrkHippari(p, kTate); };
        case PageId::PrnOrkHippariYoko:
            return [](PageContext& p) { OrkHippari(p, kYoko); };
        case PageId::PrnOrkStarLapTate:
            return [](PageContext& p) { OrkStarLap(p, kTate); };
        case PageId::PrnOrkStarLapYoko:
            return [](PageContext& p) { OrkStarLap(p, kYoko); };
        case PageId::PrnSyuAncBar:
            return PrnSyuAncBar;
        default:
            return {};
    }
}

}  // namespace talvo::report
