// Feeds arbitrary bytes to the design-file reader; anything it accepts must
// be writable and read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/designfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    talvo::DesignData design;
    if (talvo::ParseDesignBytes(bytes, design) != talvo::DesignReadStatus::Ok) return 0;
    const std::string once = talvo::SerializeDesign(design);
    talvo::DesignData again;
    if (talvo::ParseDesignBytes(once, again) != talvo::DesignReadStatus::Ok) std::abort();
    if (talvo::SerializeDesign(again) != once) std::abort();
    return 0;
}
