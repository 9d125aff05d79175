// The design data file (.kvd): a 76-byte signature item, then the input
// fields of the design record in a fixed order. Little-endian; Integers as
// 2 bytes; texts as a 16-bit byte count and that many code-page-932 bytes.
//
// This is the file layer only: it neither shows messages nor touches the
// windows, the caption or the recent-file list.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "shell/design.h"
#include "shell/fileio.h"

namespace talvo {

// The signature: 72 ASCII characters, never to change.
extern const std::string kDesignSignature;

// The bytes of the longest design file: the signature item and every stored
// value, each text at 32,767 bytes. Nothing beyond them can belong to a
// design, so the reader never loads more.
std::size_t MaxDesignFileBytes();

enum class DesignReadStatus {
    Ok,          // signature accepted; every value the file holds was read
    Damaged,     // signature accepted, but not everything the file holds can be read
    Missing,     // nothing at the path
    NotAFile,    // something at the path that is no ordinary file (a folder, a pipe, a
                 // socket, a device, a loop of symbolic links); the record is untouched
    Unopenable,  // an ordinary file that cannot be opened
    Foreign,     // no signature; the record is untouched
};

// Reads `path` into `design`. On Ok and Damaged the record first gets its
// new-design values (DesignData{}; the result colours and recalculation flags
// are the caller's), then every value the file holds. Texts are taken as they
// stand, blanks included.
//
// A file that ends between two values, or has bytes after the last one, is
// read whole (Ok): the values it does not hold keep their new-design values.
// It is Damaged when it ends inside a value, when a byte count is negative or
// runs past the end of the file (the reading stops there: that value and
// every later one keep their new-design values), when a text holds bytes
// that are no code page 932 (the text gets U+FFFD for them, and the reading
// goes on), or when an Integer lies outside the range of its field (the
// field keeps its new-design value, and the reading goes on). Whatever
// WriteDesignFile writes of a record whose Integers lie in their ranges
// reads back Ok.
// `reason`, when given, receives the system's reason why an Unopenable file
// could not be opened or read (empty when it gave none).
DesignReadStatus ReadDesignFile(const std::string& path, DesignData& design,
                                std::string* reason = nullptr);
// The same on bytes in memory (Missing/Unopenable are never returned).
DesignReadStatus ParseDesignBytes(std::string_view bytes, DesignData& design);

struct DesignWriteResult {
    bool ok = false;
    std::string error;  // the reason, for the message box, when not ok
    // When ok: the stamp of the very bytes written (StampOfWritten), what the
    // program knows of the file from now on.
    FileStamp stamp;
};

// Writes `design` to `path` through a temporary file in the same folder that
// is flushed to disk and renamed over the target; on failure the temporary is
// removed, the old file stays whole and `error` holds the message that names
// the file and the reason (CannotWriteMessage). A text of more than 32,767
// bytes in code page 932 fails the same way.
DesignWriteResult WriteDesignFile(const std::string& path, const DesignData& design);
// The bytes that WriteDesignFile writes; empty when a text is too long to be
// stored (a file is never empty: it holds at least the 76-byte signature item).
std::string SerializeDesign(const DesignData& design);

}  // namespace talvo
