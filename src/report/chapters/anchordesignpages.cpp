// The design pages of the anchored chapters: the ground anchor's tendon and
// lengths, the rock bolt's steel and lengths, and the ground anchor's
// bearing-pressure and plate pages.

#include "report/chapters/pageprocs.h"
#include "report/pages/anchordesign.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo::report {

namespace {

// Design tops of the lower blocks, twips.
constexpr int kAnchorLengthTop = 5700;
constexpr int kTotalBelowBondLengths = 10100;
constexpr int kTotalBelowRule = 10400;
constexpr int kRockTotalTop = 9000;
constexpr double kMinimumAnchorage = 3.0;  // m

// Tendon, then the anchorage length from the bond lengths or, when both are
// short and the anchorage length keeps to the 3 m rule, by that rule; then
// the total length when both free and anchorage length are given.
void PrnAnchorKouzai(PageContext& page) {
    const DesignData& d = Design;
    page.DrawFirst(FilledForm("InsAnchorKouzai", SetInsAnchorKouzai));
    int totalTop = kTotalBelowBondLengths;
    if (NumVal(d.BondLa1Up) >= kMinimumAnchorage || NumVal(d.BondLa2Up) >= kMinimumAnchorage ||
        NumVal(d.AnchorLa) < kMinimumAnchorage) {
        page.DrawAt(FilledForm("InsAnchorTyou", SetInsAnchorTyou), kAnchorLengthTop);
    } else {
        page.DrawAt(FilledForm("InsAnchorTeityaku", SetInsAnchorTeityaku), kAnchorLengthTop);
        totalTop = kTotalBelowRule;
    }
    if (NumVal(d.AnchorLa) != 0 && NumVal(d.AnchorLf) != 0) {
        page.DrawAt(FilledForm("InsAnchorNagasa", SetInsAnchorNagasa), totalTop);
    }
}

void PrnRockTyou(PageContext& page) {
    const DesignData& d = Design;
    page.DrawFirst(FilledForm("InsRockTyou", SetInsRockTyou));
    if (NumVal(d.RockLa) != 0 && NumVal(d.RockLf) != 0) {
        page.DrawAt(FilledForm("InsRockNagasa", SetInsRockNagasa), kRockTotalTop);
    }
}

void PrnSiatu(PageContext& page) {
    page.DrawFirst(FilledForm("InsSiatu", SetInsSiatu));
}

void PrnPrate(PageContext& page) {
    page.DrawFirst(FilledForm("InsPrate", SetInsPrate));
}

}  // namespace

PageProc AnchorDesignPageProc(PageId id) {
    switch (id) {
        case PageId::PrnAnchorKouzai:
            return PrnAnchorKouzai;
        case PageId::PrnRockTyou:
            return PrnRockTyou;
        case PageId::PrnSiatu:
            return PrnSiatu;
        case PageId::PrnPrate:
            return PrnPrate;
        default:
            return {};
    }
}

}  // namespace talvo::report
