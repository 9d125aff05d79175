// The rules of the anchor-plate steps of the ground anchors (work type 4):
// the bearing check under the plate with its verdict, the plate width held
// against the box-out and the beam, and the plate thickness held against the
// thickness it needs. The numbers themselves come from CalcSiatu and
// CalcPrate (calc/anchorage.h).
#pragma once

#include <string>

namespace talvo {

// ---- Bearing pressure ----

// What the bearing step shows on activation: the anchor load brought up to
// date (RunRockOnActivation while RecalcLoad is raised), then the bearing
// check of the plate as stored (CalcSiatu).
void RunBearingOnActivation();

// The verdict of the bearing stress σb against its allowable σba, on the
// texts the step shows: the relation sign and the mark after it. A tie
// passes. Without either value there is nothing to judge: no sign, "･･･".
struct BearingVerdict {
    std::string sign;  // "≦", "＞" or ""
    std::string mark;  // "･･･ok", "･･･out" or "･･･"
    bool out = false;  // the mark is red
};
BearingVerdict JudgeBearing(const std::string& sigmaB, const std::string& sigmaBa);

// What is wrong with an entered plate width u: a plate narrower than the
// box-out D of the anchor head covers no concrete; one wider than the beam b
// under it overhangs the frame. An empty width, or a value that is missing,
// is not judged. A width equal to D or to b is no fault.
enum class PlateWidthFault { None, UnderBoxOut, OverFrame };
PlateWidthFault JudgePlateWidth(const std::string& plateU, const std::string& boxOutD,
                                const std::string& frameB);
// The warning of a fault; empty for None.
std::string PlateWidthWarning(PlateWidthFault fault);

// ---- Plate thickness ----

// What the plate-thickness step shows on activation: the anchor load brought
// up to date as in the bearing step, then the plate (CalcPrate).
void RunPlateOnActivation();

// The thickness t is short of the required thickness. Both must be given: a
// thickness not entered yet, or no required thickness (no plate width or no
// allowable stress), is not judged.
bool PlateTooThin(const std::string& required, const std::string& thickness);

// The warning of a thickness that is short of the required one.
inline constexpr const char* kPlateTooThinWarning = "プレートの必要厚さを下回っています。";

}  // namespace talvo
