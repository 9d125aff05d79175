// The load pages of the frames: the weights on one vertical frame and the
// loads P and Pr of the wedge and arc reports, the weights of one horizontal
// span with the snow blocks, and the load Q with its uniform load w.
#pragma once

#include <string>
#include <string_view>

#include "report/engine/layoutform.h"

namespace talvo::report {

// A length entered in millimetres as metres, "0.000"; an empty text stays
// empty.
std::string MetreText(std::string_view millimetres);
// The snow percentage of the design's gradient class as stored; empty when
// the class lies outside the table.
std::string SnowPercentText();
// That percentage as a share, "0.00" (50 gives "0.50").
std::string SnowShareText();

// Vertical frame, wedge failure: the frame, infill and moving-soil weights
// with the vertical frame running through the crossings (InsKusabiJyuuryo)
// or the horizontal one (InsKusabiJyuuryoY).
void SetInsKusabiJyuuryo(LayoutForm& form);
void SetInsKusabiJyuuryoY(LayoutForm& form);
// Wedge failure: P = ΔFs·W·sin α and Pr = P·sin(θ0 − α) (InsKusabiKajyuu).
void SetInsKusabiKajyuu(LayoutForm& form);
// Vertical frame, circular failure: infill and the soil of the circular
// sector (InsEnkoJyuuryo).
void SetInsEnkoJyuuryo(LayoutForm& form);
// Circular failure: P = ΔFs·W·sin θ0 and Pr = P·cos((180 − α)/2)
// (InsEnkoKajyuu).
void SetInsEnkoKajyuu(LayoutForm& form);

// Horizontal frame: frame and infill weights of one span (InsYokoJyuuryo).
void SetInsYokoJyuuryo(LayoutForm& form);
// The total weight without snow (InsYokoSouJyuuryo): per span in the
// failure-load reports, the design weights in the anchored ones.
void SetInsYokoSouJyuuryoHoukai(LayoutForm& form);
void SetInsYokoSouJyuuryo(LayoutForm& form);
// Snow considered but not at this gradient (InsYokoYukiNasi), per span or
// with the design weights.
void SetInsYokoYukiNasiHoukai(LayoutForm& form);
void SetInsYokoYukiNasi(LayoutForm& form);
// The snow weight of one span at the gradient's share (InsYokoYukiKouryo).
void SetInsYokoYukiKouryo(LayoutForm& form);
// Q = W·sin θ0 and w = Q / ℓx (InsYokoKajyuu).
void SetInsYokoKajyuu(LayoutForm& form);

}  // namespace talvo::report
