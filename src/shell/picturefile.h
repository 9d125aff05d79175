// The pictures read from the program folder ("L-prn.bmp" of the report
// formulas, "くさびBU.BMP" and "円弧BU.BMP" of the companion) are Windows
// bitmaps. Their bytes are checked here, without Qt, before any decoder sees
// them: a file of another format under one of those names, or a bitmap whose
// header does not fit its bytes, is no picture, and the caller draws its
// built-in one instead.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace talvo {

// The pictures of the installation are 68 x 93 and 240 x 150 pixels; a
// header that claims a side beyond this is damaged or hostile, and decoding
// it would cost memory and time.
inline constexpr int kMaxPictureSide = 1024;
// A picture file larger than this is refused by its size, without reading it.
inline constexpr std::size_t kMaxPictureFileBytes = 4u << 20;

struct BmpSize {
    int width = 0;
    int height = 0;
};

// The size of the picture when `bytes` are a bitmap file the program reads:
// "BM", a core (12 bytes) or info header (40, 52, 56, 108 or 124 bytes) of one
// plane, 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed (plain, or with
// bit fields of 16 or 32 bits), sides of 1 to kMaxPictureSide, its colour
// table and every pixel row within the bytes. nullopt for anything else: a
// run-length encoded bitmap costs far more to decode than its bytes tell, and
// no picture of the installation is one.
std::optional<BmpSize> CheckBmp(std::string_view bytes);

}  // namespace talvo
