// The load pages: the weights and loads of the vertical frame in the wedge
// and arc reports, the horizontal frame's weights with the snow block and its
// load, and the design weights of the anchored reports.

#include <memory>
#include <string_view>

#include "report/chapters/pageprocs.h"
#include "report/pages/designloads.h"
#include "report/pages/loads.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

// The snow block of the failure-load reports' horizontal-frame page.
constexpr int kYokoSnowTop = 5600;

std::unique_ptr<LayoutForm> Form(std::string_view name, void (*fill)(LayoutForm&)) {
    return FilledForm(name, fill);
}

// The horizontal frame is the higher section: it runs through the crossings.
bool HorizontalFrameHigher() {
    return NumVal(Design.SectionHx) > NumVal(Design.SectionHy);
}

enum class SnowCase {
    NotConsidered,  // snow off
    NoShare,        // snow on, the gradient's percentage is 0
    Share,          // snow on at the gradient's percentage
};

SnowCase SnowCaseOf() {
    if (Design.UseSnow == 0) return SnowCase::NotConsidered;
    return NumVal(SnowPercentText()) != 0 ? SnowCase::Share : SnowCase::NoShare;
}

void PrnKusabiJyuuryo(PageContext& p) {
    p.DrawFirst(HorizontalFrameHigher() ? Form("InsKusabiJyuuryoY", SetInsKusabiJyuuryoY)
                                        : Form("InsKusabiJyuuryo", SetInsKusabiJyuuryo));
}

void PrnEnkoJyuuryo(PageContext& p) {
    p.DrawFirst(Form("InsEnkoJyuuryo", SetInsEnkoJyuuryo));
}

void PrnKusabiKajyuu(PageContext& p) {
    p.DrawFirst(Form("InsKusabiKajyuu", SetInsKusabiKajyuu));
}

void PrnEnkoKajyuu(PageContext& p) {
    p.DrawFirst(Form("InsEnkoKajyuu", SetInsEnkoKajyuu));
}

// The load block's top under each snow block: the wedge, arc and
// horizontal-frame-only reports each keep their own.
int LoadBlockTop(ChapterKind chapter, SnowCase snow) {
    struct Tops {
        int wedge, arc, frameSide;
    };
    constexpr Tops kNotConsidered{7000, 6860, 7000};
    constexpr Tops kNoShare{8000, 7800, 8000};
    constexpr Tops kShare{9200, 9060, 9260};
    const Tops& tops = snow == SnowCase::NotConsidered ? kNotConsidered
                       : snow == SnowCase::NoShare     ? kNoShare
                                                       : kShare;
    switch (chapter) {
        case ChapterKind::Arc:
            return tops.arc;
        case ChapterKind::FrameSide:
            return tops.frameSide;
        default:
            return tops.wedge;
    }
}

void PrnYokoJyuuryo(PageContext& p) {
    p.DrawFirst(Form("InsYokoJyuuryo", SetInsYokoJyuuryo));
    const SnowCase snow = SnowCaseOf();
    switch (snow) {
        case SnowCase::NotConsidered:
            p.DrawAt(Form("InsYokoSouJyuuryo", SetInsYokoSouJyuuryoHoukai), kYokoSnowTop);
            break;
        case SnowCase::NoShare:
            p.DrawAt(Form("InsYokoYukiNasi", SetInsYokoYukiNasiHoukai), kYokoSnowTop);
            break;
        case SnowCase::Share:
            p.DrawAt(Form("InsYokoYukiKouryo", SetInsYokoYukiKouryo), kYokoSnowTop);
            break;
    }
    p.DrawAt(Form("InsYokoKajyuu", SetInsYokoKajyuu), LoadBlockTop(p.Chapter(), snow));
}

void PrnSekkeiJyuuryo(PageContext& p) {
    p.DrawFirst(HorizontalFrameHigher() ? Form("InsSekkeiJyuuryoY", SetInsSekkeiJyuuryoY)
                                        : Form("InsSekkeiJyuuryo", SetInsSekkeiJyuuryo));
    const int snowTop = p.Chapter() == ChapterKind::Rockbolt ? 8700 : 8800;
    switch (SnowCaseOf()) {
        case SnowCase::NotConsidered:
            p.DrawAt(Form("InsYokoSouJyuuryo", SetInsYokoSouJyuuryo), snowTop);
            break;
        case SnowCase::NoShare:
            p.DrawAt(Form("InsYokoYukiNasi", SetInsYokoYukiNasi), snowTop);
            break;
        case SnowCase::Share:
            p.DrawAt(Form("InsSekkeiYukiKouryo", SetInsSekkeiYukiKouryo), snowTop);
            break;
    }
}

}  // namespace

PageProc LoadPageProc(PageId id) {
    switch (id) {
        case PageId::PrnKusabiJyuuryo:
            return PrnKusabiJyuuryo;
        case PageId::PrnEnkoJyuuryo:
            return PrnEnkoJyuuryo;
        case PageId::PrnKusabiKajyuu:
            return PrnKusabiKajyuu;
        case PageId::PrnEnkoKajyuu:
            return PrnEnkoKajyuu;
        case PageId::PrnYokoJyuuryo:
            return PrnYokoJyuuryo;
        case PageId::PrnSekkeiJyuuryo:
            return PrnSekkeiJyuuryo;
        default:
            return {};
    }
}

}  // namespace talvo::report
