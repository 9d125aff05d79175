// Degrees and radians. Both programs convert in one fixed order, angle · π /
// 180 and angle · 180 / π, because the converted value feeds stored
// roundings and another order can differ in the last bit. The two programs
// have π of their own (the design program 4·atan(1), the companion a shorter
// literal), so every call names the one it means: there is no default that a
// companion call could fall back on unnoticed.
#pragma once

namespace talvo {

inline double Radians(double degrees, double pi) {
    return degrees * pi / 180;
}

inline double Degrees(double radians, double pi) {
    return radians * 180 / pi;
}

}  // namespace talvo
