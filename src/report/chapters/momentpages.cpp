// The moment and shear pages: the vertical frame in the failure part (wedge
// and arc reports), the horizontal frame of the failure-load reports, and
// both frames of the anchored reports. A span block opens the page; an
// overhang block follows it lower down, or stands alone at the top when the
// frame has a single anchor.

#include <memory>
#include <string>

#include "report/chapters/pageprocs.h"
#include "report/pages/moments.h"
#include "shell/design.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::report {

namespace {

// Design top of the overhang block under a span block.
constexpr int kOverhangTop = 5600;

// The overhang block: without the shear fraction when the overhang's shear
// coefficient is 1.
bool OverhangShearIsOne() {
    return SpanCoefficients.SmaxNum[0] == SpanCoefficients.SmaxDen[0];
}

void PrnKusabiMmaxSmax(PageContext& p) {
    p.DrawFirst(FilledForm("InsKusabiMmaxSmax", SetInsKusabiMmaxSmax));
}

void PrnEnkoMmaxSmax(PageContext& p) {
    p.DrawFirst(FilledForm("InsEnkoMmaxSmax", SetInsEnkoMmaxSmax));
}

// The horizontal frame of the failure-load reports.
void PrnMmtSdr(PageContext& p) {
    const DesignData& d = Design;
    const double spans = NumVal(d.SpanCountX);
    const double a = NumVal(d.OverhangLeft);
    const double b = NumVal(d.OverhangRight);
    const bool overhang = a != 0 || b != 0;

    if (spans == 1 && overhang) {
        if (b == a) {
            p.DrawFirst(FilledForm("InsMmtSdrOne", SetInsMmtSdrOneHoukai));
        } else {
            p.DrawFirst(FilledForm("InsMmtSdrOneHari", SetInsMmtSdrOneHariHoukai));
        }
    } else {
        p.DrawFirst(FilledForm("InsMmtSdrSupan", SetInsMmtSdrSupanHoukai));
    }
    if (!overhang) return;
    if (OverhangShearIsOne()) {
        p.DrawAt(FilledForm("InsMmtSdrNasi", SetInsMmtSdrNasiHoukai), kOverhangTop);
    } else {
        p.DrawAt(FilledForm("InsMmtSdrHari", SetInsMmtSdrHariHoukai), kOverhangTop);
    }
}

std::unique_ptr<LayoutForm> AnchoredOverhang(int direction) {
    if (OverhangShearIsOne())
        return FilledForm("InsMmtSdrNasi",
                          [direction](LayoutForm& f) { SetInsMmtSdrNasi(f, direction); });
    return FilledForm("InsMmtSdrHari",
                      [direction](LayoutForm& f) { SetInsMmtSdrHari(f, direction); });
}

// One frame of the anchored reports: direction 0 vertical, 1 horizontal.
void AnchoredMmtSdr(PageContext& p, int direction) {
    const DesignData& d = Design;
    const bool vertical = direction == 0;
    const double anchors = NumVal(vertical ? d.AnchorCountY : d.AnchorCountX);
    const double p1 = NumVal(vertical ? d.AnchorOverhangUpper : d.AnchorOverhangLeft);
    const double p2 = NumVal(vertical ? d.AnchorOverhangLower : d.AnchorOverhangRight);
    const bool overhang = p1 != 0 || p2 != 0;

    if (anchors == 1) {
        // A single anchor has no span: the overhang alone, or an empty page.
        if (overhang) p.DrawFirst(AnchoredOverhang(direction));
        return;
    }
    if (anchors == 2 && overhang) {
        if (p2 == p1) {
            p.DrawFirst(FilledForm("InsMmtSdrOne",
                                   [direction](LayoutForm& f) { SetInsMmtSdrOne(f, direction); }));
        } else {
            p.DrawFirst(FilledForm("InsMmtSdrOneHari", [direction](LayoutForm& f) {
                SetInsMmtSdrOneHari(f, direction);
            }));
        }
    } else {
        p.DrawFirst(FilledForm("InsMmtSdrSupan",
                               [direction](LayoutForm& f) { SetInsMmtSdrSupan(f, direction); }));
    }
    if (overhang) p.DrawAt(AnchoredOverhang(direction), kOverhangTop);
}

void PrnMmtSdrTate(PageContext& p) {
    AnchoredMmtSdr(p, 0);
}

void PrnMmtSdrYoko(PageContext& p) {
    AnchoredMmtSdr(p, 1);
}

}  // namespace

PageProc MomentPageProc(PageId id) {
    switch (id) {
        case PageId::PrnKusabiMmaxSmax:
            return PrnKusabiMmaxSmax;
        case PageId::PrnEnkoMmaxSmax:
            return PrnEnkoMmaxSmax;
        case PageId::PrnMmtSdr:
            return PrnMmtSdr;
        case PageId::PrnMmtSdrTate:
            return PrnMmtSdrTate;
        case PageId::PrnMmtSdrYoko:
            return PrnMmtSdrYoko;
        default:
            return {};
    }
}

}  // namespace talvo::report
