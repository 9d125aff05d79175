// Loads of the failing soil on one vertical beam and that beam's design
// moment and shear, for the two frame-only types that resist a local failure.
#pragma once

namespace talvo {

// Work type 0, wedge failure from the shoulder: HoukaiN, HoukaiWcy, HoukaiWcx,
// HoukaiWc, HoukaiWe, HoukaiWt, HoukaiW, HoukaiP, HoukaiPr, Mmax[0][0],
// Smax[0][0] and their copies TateMmax/TateSmax[WorkType].
void CalcHoukaiKusabi();

// Work type 1, circular-arc failure in mid-slope: HoukaiN, EnkoRadius,
// EnkoAngle, HoukaiWe, HoukaiWt, HoukaiW, HoukaiP, HoukaiPr, Mmax[0][0],
// Smax[0][0] and their copies TateMmax/TateSmax[WorkType].
void CalcHoukaiEnko();

}  // namespace talvo
