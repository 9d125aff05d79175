#include "shell/picturefile.h"

#include <cstdint>
#include <cstdlib>

namespace talvo {
namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // OS/2 1.x: 16-bit sides, no compression
constexpr std::uint32_t kInfoHeader = 40;

enum Compression : std::uint32_t { kRgb = 0, kBitFields = 3 };

std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

std::int32_t I32(std::string_view b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

}  // namespace

std::optional<BmpSize> CheckBmp(std::string_view bytes) {
    if (bytes.size() < kFileHeader + 4 || bytes.substr(0, 2) != "BM") return std::nullopt;
    const std::uint32_t pixelsAt = U32(bytes, 10);
    const std::uint32_t headerSize = U32(bytes, kFileHeader);
    switch (headerSize) {
        case kCoreHeader:
        case kInfoHeader:
        case 52:   // with the colour masks
        case 56:   // with the colour and alpha masks
        case 108:  // version 4
        case 124:  // version 5
            break;
        default:
            return std::nullopt;
    }
    if (bytes.size() < kFileHeader + headerSize) return std::nullopt;
    const std::size_t h = kFileHeader;

    std::int64_t width, height;
    std::uint32_t planes, bits, compression = kRgb, colours = 0;
    if (headerSize == kCoreHeader) {
        width = U16(bytes, h + 4);
        height = U16(bytes, h + 6);
        planes = U16(bytes, h + 8);
        bits = U16(bytes, h + 10);
        if (bits != 1 && bits != 4 && bits != 8 && bits != 24) return std::nullopt;
    } else {
        width = I32(bytes, h + 4);
        height = I32(bytes, h + 8);
        planes = U16(bytes, h + 12);
        bits = U16(bytes, h + 14);
        compression = U32(bytes, h + 16);
        colours = U32(bytes, h + 32);
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return std::nullopt;
    }
    // A negative height is a picture stored top row first.
    height = std::llabs(height);
    if (planes != 1 || width < 1 || height < 1 || width > kMaxPictureSide ||
        height > kMaxPictureSide) {
        return std::nullopt;
    }
    switch (compression) {
        case kRgb:
            break;
        case kBitFields:
            if (bits != 16 && bits != 32) return std::nullopt;
            break;
        default:  // run lengths, a JPEG or PNG inside, or a compression nobody writes
            return std::nullopt;
    }

    // The colour table follows the header (and, after an info header of 40
    // bytes, the three colour masks); the pixels follow it.
    std::uint64_t tableAt = kFileHeader + headerSize;
    if (compression == kBitFields && headerSize == kInfoHeader) tableAt += 12;
    std::uint64_t entries = 0;
    if (bits <= 8) {
        const std::uint32_t most = 1u << bits;
        if (colours > most) return std::nullopt;
        entries = colours != 0 ? colours : most;
    }
    const std::uint64_t tableEnd = tableAt + entries * (headerSize == kCoreHeader ? 3 : 4);
    if (pixelsAt < tableEnd || pixelsAt >= bytes.size()) return std::nullopt;
    // Rows are padded to whole 32-bit words.
    const std::uint64_t row = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    if (row * static_cast<std::uint64_t>(height) > bytes.size() - pixelsAt) return std::nullopt;
    return BmpSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace talvo
