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
// values (DesignData{}; the result colours and recalculation flags are the
// caller's), then every value the file holds; a damaged count stops the
// reading, and a value outside its range keeps its new-design value. Texts
// are taken as they stand, blanks included.
DesignReadStatus ReadDesignFile(const std::string& path, DesignData& design);
// The same on bytes in memory (Missing/Unopenable are never returned).
DesignReadStatus ParseDesignBytes(std::string_view bytes, DesignData& design);

struct DesignWriteResult {
    bool ok = false;
    std::string error;  // the reason, for the message box, when not ok
};

// Writes `design` to `path` through a temporary file in the same folder that
// is flushed to disk and renamed over the target; on failure the temporary is
// removed, the old file stays whole and `error` holds
// "ファイルに書き込めません。", a line break and the reason. A text of more
// than 32,767 bytes in code page 932 fails the same way.
DesignWriteResult WriteDesignFile(const std::string& path, const DesignData& design);
// The bytes that WriteDesignFile writes; empty when a text is too long to be
// stored (a file is never empty: it holds at least the 76-byte signature item).
std::string SerializeDesign(const DesignData& design);

}  // namespace talvo
