// The design data file (.kvd): a 76-byte signature item, then the input
// fields of the design record in a fixed order. Little-endian; Integers as
// 2 bytes; texts as a 16-bit byte count and that many code-page-932 bytes.
//
// This is the file layer only: it neither shows messages nor touches the
// windows, the caption or the recent-file list.
#pragma once

#include <string>
#include <string_view>

#include "shell/design.h"

namespace talvo {

// The signature: 72 ASCII characters, never to change.
extern const std::string kDesignSignature;

enum class DesignReadStatus {
    Ok,          // signature accepted; the record was reset and read as far as the file goes
    Missing,     // no ordinary file at the path
    Unopenable,  // exists but cannot be opened
    Foreign,     // no signature; the record is untouched
};

// Reads `path` into `design`. On Ok the record first gets its new-design
// values, then every value the file holds; a damaged count stops the reading,
// and a value outside its range keeps its new-design value.
DesignReadStatus ReadDesignFile(const std::string& path, DesignData& design);
// The same on bytes in memory (Missing/Unopenable are never returned).
DesignReadStatus ParseDesignBytes(std::string_view bytes, DesignData& design);

struct DesignWriteResult {
    bool ok = false;
    std::string error;  // the reason, for the message box, when not ok
};

// Writes `design` to `path` through a temporary file in the same folder that
// is renamed over the target; on failure the old file stays whole.
DesignWriteResult WriteDesignFile(const std::string& path, const DesignData& design);
// The bytes that WriteDesignFile writes.
std::string SerializeDesign(const DesignData& design);

}  // namespace talvo
