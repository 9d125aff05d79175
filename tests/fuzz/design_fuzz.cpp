// Feeds arbitrary bytes to the design-file reader. Whatever it reads, of a
// whole or a damaged file, is what the program would save: written, it must
// read back whole, never damaged, and give the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/designfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using talvo::DesignReadStatus;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The reader resets the record it reads into: two records serve every run.
    static talvo::DesignData design, again;
    const DesignReadStatus status = talvo::ParseDesignBytes(bytes, design);
    if (status == DesignReadStatus::Foreign) return 0;
    if (status != DesignReadStatus::Ok && status != DesignReadStatus::Damaged) std::abort();
    // No text the reader takes is too long to be written back.
    const std::string once = talvo::SerializeDesign(design);
    if (once.empty()) std::abort();
    if (talvo::ParseDesignBytes(once, again) != DesignReadStatus::Ok) std::abort();
    // The same record gives the same bytes; only a record that came back
    // otherwise (U+FFFD written as "?") needs writing again.
    if (!(again == design) && talvo::SerializeDesign(again) != once) std::abort();
    return 0;
}
