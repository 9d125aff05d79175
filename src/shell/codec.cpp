#include "shell/codec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace talvo::cp932 {
namespace {

// One pair of conversion handles per thread, opened on first use and kept:
// opening a handle costs far more than converting a name, and the design file
// converts dozens of texts per save.
class Handles {
public:
    Handles() : toCp_(iconv_open("CP932", "UTF-8")), fromCp_(iconv_open("UTF-8", "CP932")) {}
    ~Handles() {
        if (toCp_ != Bad()) iconv_close(toCp_);
        if (fromCp_ != Bad()) iconv_close(fromCp_);
    }
    Handles(const Handles&) = delete;
    Handles& operator=(const Handles&) = delete;

    iconv_t ToCp() const { return toCp_; }
    iconv_t FromCp() const { return fromCp_; }
    static iconv_t Bad() { return reinterpret_cast<iconv_t>(-1); }

private:
    iconv_t toCp_;
    iconv_t fromCp_;
};

Handles& TheHandles() {
    static thread_local Handles handles;
    return handles;
}

// Length of the well-formed UTF-8 sequence at s[0], or 0 when it is not one
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut).
std::size_t Utf8SequenceLength(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return 1;
    std::size_t n;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    char32_t cp = b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

// Bytes to step over at s[0] when they are not a well-formed sequence: a lead
// byte with the continuation bytes that follow it (a cut character is one bad
// character), or a single stray byte.
std::size_t BadLength(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    const std::size_t want = b0 >= 0xC2 && b0 <= 0xDF   ? 2
                             : b0 >= 0xE0 && b0 <= 0xEF ? 3
                             : b0 >= 0xF0 && b0 <= 0xF4 ? 4
                                                        : 1;
    std::size_t n = 1;
    while (n < want && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
    return n;
}

// Length of the character at s[0]: the well-formed sequence, or the bad bytes.
std::size_t CharLength(std::string_view s) {
    const std::size_t n = Utf8SequenceLength(s);
    return n ? n : BadLength(s);
}

// Characters that Japanese users type interchangeably with the ones code page
// 932 holds: the JIS wave dash and double bar, the mathematical minus and the
// Latin-1 cent, pound and not signs. They are written as the code-page-932
// character they look like, whatever the installed converter does with them.
struct Alias {
    std::string_view from;
    std::string_view to;
};
constexpr Alias kAliases[] = {
    {"\xE3\x80\x9C", "\x81\x60"},  // U+301C wave dash
    {"\xE2\x80\x96", "\x81\x61"},  // U+2016 double vertical line
    {"\xE2\x88\x92", "\x81\x7C"},  // U+2212 minus sign
    {"\xC2\xA2", "\x81\x91"},      // U+00A2 cent sign
    {"\xC2\xA3", "\x81\x92"},      // U+00A3 pound sign
    {"\xC2\xAC", "\x81\xCA"},      // U+00AC not sign
};

const Alias* AliasAt(std::string_view s) {
    const auto b = static_cast<unsigned char>(s[0]);
    if ((b != 0xC2 && b != 0xE2 && b != 0xE3) || s.size() < 2) return nullptr;
    for (const Alias& a : kAliases) {
        // The first two bytes tell most characters of the same lead apart.
        if (a.from[1] == s[1] && s.substr(0, a.from.size()) == a.from) return &a;
    }
    return nullptr;
}

// Converts the run [in, in+len) with iconv, appending to out. Stops at the
// first character the converter refuses and returns how many input bytes were
// consumed.
std::size_t ConvertRun(iconv_t cd, const char* in, std::size_t len, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    std::size_t srcLeft = len;
    char buf[1024];
    while (srcLeft > 0) {
        char* dst = buf;
        std::size_t dstLeft = sizeof buf;
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return len - srcLeft;
}

bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(unsigned char b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Eight bytes at a time: the design file converts over a hundred texts on
// every read and save, most of them plain ASCII numbers.
bool IsAscii(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080u) return false;
    }
    for (; i < s.size(); ++i) {
        if (static_cast<unsigned char>(s[i]) >= 0x80) return false;
    }
    return true;
}

// Where the next alias character may begin, at or after `from`: every alias
// begins with one of three lead bytes.
std::size_t NextAliasLead(std::string_view s, std::size_t from) {
    std::size_t next = s.size();
    for (const char lead : {'\xC2', '\xE2', '\xE3'}) {
        const void* at = std::memchr(s.data() + from, lead, next - from);
        if (at != nullptr) next = static_cast<std::size_t>(static_cast<const char*>(at) - s.data());
    }
    return next;
}

}  // namespace

std::string FromUtf8(std::string_view utf8, std::size_t* replaced) {
    std::size_t count = 0;
    std::string out;
    if (IsAscii(utf8)) {
        out.assign(utf8);
    } else {
        out.reserve(utf8.size());
        const iconv_t cd = TheHandles().ToCp();
        std::size_t pos = 0;
        while (pos < utf8.size()) {
            // Convert up to the next alias character in one call.
            std::size_t end = NextAliasLead(utf8, pos);
            while (end < utf8.size() && !AliasAt(utf8.substr(end))) {
                end = NextAliasLead(utf8, end + 1);
            }
            if (end > pos) {
                if (cd == Handles::Bad()) {
                    // No converter: keep ASCII, mark everything else.
                    const auto b = static_cast<unsigned char>(utf8[pos]);
                    if (b < 0x80) {
                        out += utf8[pos];
                        ++pos;
                    } else {
                        out += '?';
                        ++count;
                        pos += CharLength(utf8.substr(pos));
                    }
                    continue;
                }
                pos += ConvertRun(cd, utf8.data() + pos, end - pos, out);
                if (pos < end) {
                    // Refused: a character without a code-page-932 form, or
                    // bytes that are not UTF-8 at all.
                    out += '?';
                    ++count;
                    pos += CharLength(utf8.substr(pos));
                }
                continue;
            }
            const Alias* a = AliasAt(utf8.substr(pos));
            out += a->to;
            pos += a->from.size();
        }
    }
    if (replaced) *replaced = count;
    return out;
}

std::string ToUtf8(std::string_view bytes, std::size_t* undecodable) {
    if (undecodable) *undecodable = 0;
    if (IsAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const iconv_t cd = TheHandles().FromCp();
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (cd != Handles::Bad()) {
            pos += ConvertRun(cd, bytes.data() + pos, bytes.size() - pos, out);
            if (pos >= bytes.size()) break;
        } else if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            out += bytes[pos++];
            continue;
        }
        // An undefined byte or pair. A lead byte with a proper trail byte is
        // taken as one unknown character; otherwise only the one byte goes, so
        // an ASCII character after a stray lead byte is kept.
        out += "\xEF\xBF\xBD";
        if (undecodable) ++*undecodable;
        const auto b = static_cast<unsigned char>(bytes[pos]);
        if (IsLeadByte(b) && pos + 1 < bytes.size() &&
            IsTrailByte(static_cast<unsigned char>(bytes[pos + 1])) &&
            static_cast<unsigned char>(bytes[pos + 1]) >= 0x80) {
            pos += 2;
        } else {
            pos += 1;
        }
    }
    return out;
}

std::size_t ByteCount(std::string_view utf8) {
    return FromUtf8(utf8).size();
}

bool IsUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) return true;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t n = Utf8SequenceLength(bytes.substr(pos));
        if (n == 0) return false;
        pos += n;
    }
    return true;
}

bool Representable(std::string_view utf8) {
    std::size_t replaced = 0;
    FromUtf8(utf8, &replaced);
    return replaced == 0;
}

std::string AsStored(std::string_view utf8) {
    return ToUtf8(FromUtf8(utf8));
}

std::string Sanitize(std::string_view utf8) {
    std::size_t replaced = 0;
    std::string cp = FromUtf8(utf8, &replaced);
    if (replaced == 0) return std::string(utf8);
    // Replace character by character so that every character that can be
    // held keeps its own UTF-8 form (a round trip through the code page would
    // turn a wave dash into a full-width tilde).
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t n = Utf8SequenceLength(utf8.substr(pos));
        const std::string_view ch = utf8.substr(pos, n ? n : BadLength(utf8.substr(pos)));
        if (n == 1 || (n > 1 && Representable(ch))) {
            out += ch;
        } else {
            out += '?';
        }
        pos += ch.size();
    }
    return out;
}

std::string CutToBytes(std::string_view utf8, std::size_t maxBytes) {
    std::size_t pos = 0;
    std::size_t bytes = 0;
    while (pos < utf8.size()) {
        const std::size_t n = Utf8SequenceLength(utf8.substr(pos));
        const std::size_t len = n ? n : BadLength(utf8.substr(pos));
        const std::size_t width = n == 1 ? 1 : ByteCount(utf8.substr(pos, len));
        if (bytes + width > maxBytes) break;
        bytes += width;
        pos += len;
    }
    return std::string(utf8.substr(0, pos));
}

}  // namespace talvo::cp932
