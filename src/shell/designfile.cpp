#include "shell/designfile.h"

#include <cstdint>

#include "shell/codec.h"
#include "shell/fileio.h"
#include "shell/storedfields.h"

namespace talvo {
namespace {

constexpr char kSignatureText[] =
    "Talvo-SI FILE  slope frame design data                                  ";
static_assert(sizeof kSignatureText - 1 == 72, "the signature is exactly 72 characters");

constexpr std::int16_t kTextTag = 8;
constexpr std::size_t kHeaderSize = 4 + 72;
constexpr std::size_t kMaxTextBytes = 32767;

// Counts the bytes of the longest file: every value as VisitStored stores it,
// each text at the longest length the writer lets through.
struct Bound {
    std::size_t bytes = kHeaderSize;

    void Int(std::int16_t, int, int, const StoredName&) { bytes += 2; }
    void Text(const std::string&, const StoredName&) { bytes += 2 + kMaxTextBytes; }
};

void PutInt16(std::string& out, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

std::int16_t GetInt16(std::string_view bytes, std::size_t pos) {
    const auto lo = static_cast<unsigned char>(bytes[pos]);
    const auto hi = static_cast<unsigned char>(bytes[pos + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

// The signature item: the text tag, the length 72 and the signature.
const std::string& Header() {
    static const std::string header = [] {
        std::string h;
        PutInt16(h, kTextTag);
        PutInt16(h, 72);
        h.append(kSignatureText, 72);
        return h;
    }();
    return header;
}

struct Writer {
    std::string out;
    bool fits = true;

    void Int(std::int16_t v, int, int, const StoredName&) { PutInt16(out, v); }
    void Text(const std::string& text, const StoredName&) {
        const std::string bytes = cp932::FromUtf8(text);
        if (bytes.size() > kMaxTextBytes) {
            fits = false;
            return;
        }
        PutInt16(out, static_cast<std::int16_t>(bytes.size()));
        out += bytes;
    }
};

struct Reader {
    std::string_view bytes;
    std::size_t pos = kHeaderSize;
    bool stopped = false;  // the file ended, or a count was damaged
    bool damaged = false;  // what the file holds cannot all be read

    // Whether the next value starts here. A file that ends between two
    // values is whole as far as it goes; one that ends inside a value was
    // cut or its count is wrong.
    bool Starts(std::size_t n) {
        if (stopped) return false;
        const std::size_t left = bytes.size() - pos;
        if (left >= n) return true;
        stopped = true;
        damaged = left != 0;
        return false;
    }
    void Int(std::int16_t& field, int lo, int hi, const StoredName&) {
        if (!Starts(2)) return;
        const std::int16_t v = GetInt16(bytes, pos);
        pos += 2;
        // Out of range: no value the program writes, so the file is damaged.
        // The field keeps the new-design value it was reset to, and the
        // reading goes on: the value's two bytes are where they should be.
        if (v >= lo && v <= hi) {
            field = v;
        } else {
            damaged = true;
        }
    }
    void Text(std::string& field, const StoredName&) {
        if (!Starts(2)) return;
        const std::int16_t n = GetInt16(bytes, pos);
        pos += 2;
        // A count that is negative or runs past the end cannot be trusted,
        // nor can anything after it: every later value would be read from
        // the wrong bytes.
        if (n < 0 || bytes.size() - pos < static_cast<std::size_t>(n)) {
            stopped = true;
            damaged = true;
            return;
        }
        // As stored: blanks are part of the display text. Bytes that are no
        // code page 932 are damage too, but the count holds, so the values
        // after this one are still read.
        std::size_t undecodable = 0;
        field = cp932::ToUtf8(bytes.substr(pos, static_cast<std::size_t>(n)), &undecodable);
        if (undecodable != 0) damaged = true;
        pos += static_cast<std::size_t>(n);
    }
};

}  // namespace

const std::string kDesignSignature(kSignatureText, 72);

std::size_t MaxDesignFileBytes() {
    // From the one list of the stored values, so that a value added to the
    // file raises the bound with it.
    static const std::size_t bytes = [] {
        Bound bound;
        const DesignData design{};
        VisitStored(design, bound);
        return bound.bytes;
    }();
    return bytes;
}

std::string SerializeDesign(const DesignData& design) {
    Writer w;
    w.out.reserve(1024);
    w.out += Header();
    VisitStored(design, w);
    if (!w.fits) return std::string();
    return std::move(w.out);
}

DesignReadStatus ParseDesignBytes(std::string_view bytes, DesignData& design) {
    if (bytes.size() < kHeaderSize || bytes.substr(0, kHeaderSize) != Header()) {
        return DesignReadStatus::Foreign;
    }
    design = DesignData{};
    Reader r{bytes};
    VisitStored(design, r);
    return r.damaged ? DesignReadStatus::Damaged : DesignReadStatus::Ok;
}

DesignReadStatus ReadDesignFile(const std::string& path, DesignData& design, std::string* reason) {
    const FileReadResult file = ReadFileBounded(path, MaxDesignFileBytes());
    if (reason) reason->clear();
    switch (file.status) {
        case FileReadStatus::Missing:
            return DesignReadStatus::Missing;
        case FileReadStatus::NotAFile:
            return DesignReadStatus::NotAFile;
        case FileReadStatus::CannotOpen:
            if (reason) *reason = file.error;
            return DesignReadStatus::Unopenable;
        case FileReadStatus::ReadError: {
            // A read that fails before the first byte means the file cannot
            // be opened. A later failure leaves the bytes before it, read as
            // far as they go; what the rest held is unknown, so the file
            // counts as damaged even when those bytes end between two values.
            if (file.bytes.empty()) {
                if (reason) *reason = file.error;
                return DesignReadStatus::Unopenable;
            }
            const DesignReadStatus status = ParseDesignBytes(file.bytes, design);
            return status == DesignReadStatus::Ok ? DesignReadStatus::Damaged : status;
        }
        case FileReadStatus::Ok:
        case FileReadStatus::TooLarge:
            // Nothing past MaxDesignFileBytes can belong to a design, so the
            // first MaxDesignFileBytes give the same record as the whole file.
            break;
    }
    return ParseDesignBytes(file.bytes, design);
}

DesignWriteResult WriteDesignFile(const std::string& path, const DesignData& design) {
    DesignWriteResult result;
    const std::string bytes = SerializeDesign(design);
    if (bytes.empty()) {
        result.error = CannotWriteMessage(path, "32767 バイトを超える文字列は保存できません。");
        return result;
    }
    result.error = ReplaceFile(path, bytes);
    result.ok = result.error.empty();
    if (result.ok) result.stamp = StampOfWritten(path, bytes);
    return result;
}

}  // namespace talvo
