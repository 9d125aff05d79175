// Feeds arbitrary bytes to the reader of the pictures beside the program.
// Bytes it takes for a bitmap must decode to a picture of the size the
// header gives, or to none at all (the built-in picture is drawn then);
// anything that is no bitmap must give no picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/bmppicture.h"
#include "shell/picturefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto shape = talvo::CheckBmp(bytes);
    const QImage image = talvo::DecodeBmpPicture(bytes);
    if (!shape) {
        if (!image.isNull()) std::abort();
        return 0;
    }
    if (shape->width < 1 || shape->height < 1 || shape->width > talvo::kMaxPictureSide ||
        shape->height > talvo::kMaxPictureSide) {
        std::abort();
    }
    if (!image.isNull() && (image.width() != shape->width || image.height() != shape->height))
        std::abort();
    return 0;
}
