// Degrees and radians. Both programs convert in one fixed order, angle · π /
// 180 and angle · 180 / π, because the converted value feeds stored
// roundings and another order can differ in the last bit. The design program
// uses its π = 4·atan(1); the companion passes its own.
#pragma once

#include "shell/globals.h"

namespace talvo {

inline double Radians(double degrees, double pi = Pi) {
    return degrees * pi / 180;
}

inline double Degrees(double radians, double pi = Pi) {
    return radians * 180 / pi;
}

}  // namespace talvo
