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

// No side of a picture of the installation comes near this; a header that
// claims more is damaged or hostile, and decoding it would cost memory.
inline constexpr int kMaxPictureSide = 4096;
// A picture file is never read beyond this many bytes.
inline constexpr std::size_t kMaxPictureFileBytes = 64u << 20;

struct BmpSize {
    int width = 0;
    int height = 0;
};

// The size of the picture when `bytes` are a bitmap file the program reads:
// "BM", a core (12 bytes) or info header (40, 52, 56, 108 or 124 bytes) of one
// plane, 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed, run-length
// encoded (8 or 4 bits, bottom-up) or with bit fields (16 or 32 bits), sides
// of 1 to kMaxPictureSide, its colour table and (uncompressed) every pixel
// row within the bytes. nullopt for anything else.
std::optional<BmpSize> CheckBmp(std::string_view bytes);

}  // namespace talvo
