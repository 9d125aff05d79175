// The design weights of the anchored reports: frame, infill and snow over one
// horizontal span and the whole frame length.
#pragma once

#include "report/engine/layoutform.h"

namespace talvo::report {

// Frame and infill weights with the vertical frame running through the
// crossings (InsSekkeiJyuuryo) or the horizontal one (InsSekkeiJyuuryoY).
void SetInsSekkeiJyuuryo(LayoutForm& form);
void SetInsSekkeiJyuuryoY(LayoutForm& form);
// The snow weight over the frame length at the gradient's share and the
// design weight W (InsSekkeiYukiKouryo).
void SetInsSekkeiYukiKouryo(LayoutForm& form);

}  // namespace talvo::report
