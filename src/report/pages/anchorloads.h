// The design-load and uniform-load pages of the anchored reports (rock bolts,
// work type 3; ground anchors, work type 4).
//
// The design-load block shows the increase ΔＰr of the restraining force from
// the frame's own weight, ΔＰr = ＰＦs・(Ｗ/ℓx)・sinθ − (Ｗ/ℓx)・cosθ・tanφ,
// notes when it is negative and therefore ignored, and announces the design
// load with β = θ＋α; the rock-bolt forms add the shear force per bolt. The
// uniform-load blocks show how Ｐt becomes a uniform load ｗ on the frames:
// the share length of each frame direction and the load pattern. The fillers
// print the stored values of the design through PadDecimal and compute
// nothing but β and the wider frame width b.
#pragma once

#include <cstdint>
#include <memory>

#include "report/engine/layoutform.h"

namespace talvo::report {

// Design-load blocks; each opens the chapter "アンカーの設計荷重" or
// "ロックボルトの設計荷重". Fai: φ as an angle, Tan: the value of tan φ.
void SetInsSekkeiAncFai(LayoutForm& form);
void SetInsSekkeiAncTan(LayoutForm& form);
void SetInsSekkeiRockFai(LayoutForm& form);
void SetInsSekkeiRockTan(LayoutForm& form);

// The share-length block of one frame direction (0 the vertical frame, any
// other value the horizontal one): InsToubunpuPitti when that direction's
// share mode is not 0 (the pitch), else InsToubunpuZennaga (frame length over
// the count). Loads and fills the form it chooses; numbers no heading.
std::unique_ptr<LayoutForm> SetInsToubunpu(std::int16_t direction);

// The pattern blocks of DesignData.ToubunpuMode 0 to 3; each opens the
// chapter "等分布荷重".
void SetInsToubunpuCross(LayoutForm& form);
void SetInsToubunpuCrossB(LayoutForm& form);
void SetInsToubunpuLine(LayoutForm& form);
void SetInsToubunpuLineHalf(LayoutForm& form);

// The design load entered directly: opens the design-load chapter of work
// type 3 or 4 (no chapter for any other work type) and prints Ｐt.
void SetInsToubunpuPt(LayoutForm& form);

}  // namespace talvo::report
