#include "shell/numtext.h"

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>

#include "shell/message.h"

namespace talvo {

namespace {

// Significant digits kept of every double: beyond these the digits are the
// noise of the binary form, which must not decide a rounding.
constexpr int kSignificant = 15;

// Plain text switches to exponent form from this decimal exponent upwards
// (1E+15) and below its negative (1E-16); in between there is room for all
// fifteen digits without a mess of zeros on either side.
constexpr int kExponentFrom = 15;

using u128 = unsigned __int128;

constexpr std::uint64_t kPow10[20] = {1ULL,
                                      10ULL,
                                      100ULL,
                                      1000ULL,
                                      10000ULL,
                                      100000ULL,
                                      1000000ULL,
                                      10000000ULL,
                                      100000000ULL,
                                      1000000000ULL,
                                      10000000000ULL,
                                      100000000000ULL,
                                      1000000000000ULL,
                                      10000000000000ULL,
                                      100000000000000ULL,
                                      1000000000000000ULL,
                                      10000000000000000ULL,
                                      100000000000000000ULL,
                                      1000000000000000000ULL,
                                      10000000000000000000ULL};

// The powers of ten a double holds exactly.
constexpr double kExactPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The 15-digit coefficients lie in [kCoefLow, kCoefHigh).
constexpr std::uint64_t kCoefLow = kPow10[kSignificant - 1];
constexpr std::uint64_t kCoefHigh = kPow10[kSignificant];

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decimal digits of v (1 for 0): the bit width gives the count or one less.
int DigitCount(std::uint64_t v) {
    v |= 1;  // no power of ten is odd, so the count stays
    int guess = (std::bit_width(v) * 1233) >> 12;
    return guess + (v >= kPow10[guess] ? 1 : 0);
}

// "00" to "99", to write two digits per division.
constexpr struct DigitPairs {
    char text[200];
    constexpr DigitPairs() : text() {
        for (int k = 0; k < 100; ++k) {
            text[2 * k] = static_cast<char>('0' + k / 10);
            text[2 * k + 1] = static_cast<char>('0' + k % 10);
        }
    }
} kPairs;

// Writes the digits of v so that they end just before `end`; nothing for 0.
void WriteBack(char* end, std::uint64_t v) {
    while (v >= 100) {
        std::uint64_t q = v / 100;
        end -= 2;
        std::memcpy(end, kPairs.text + 2 * (v - q * 100), 2);
        v = q;
    }
    if (v >= 10) {
        std::memcpy(end - 2, kPairs.text + 2 * v, 2);
    } else if (v > 0) {
        end[-1] = static_cast<char>('0' + v);
    }
}

// A value as coef × 10^exp with coef free of trailing zeros (0 for a zero
// value). All rounding happens on this form: whole-number arithmetic on at
// most sixteen digits, where a digit string would allocate at every step.
struct Decimal {
    bool negative = false;
    std::uint64_t coef = 0;
    int exp = 0;

    bool IsZero() const { return coef == 0; }
};

void Normalise(Decimal& d) {
    if (d.coef == 0) {
        d.exp = 0;
        d.negative = false;
        return;
    }
    // At most 15 trailing zeros: eight at a time, then four, two and one.
    while (d.coef % 100000000 == 0) {
        d.coef /= 100000000;
        d.exp += 8;
    }
    if (d.coef % 10000 == 0) {
        d.coef /= 10000;
        d.exp += 4;
    }
    if (d.coef % 100 == 0) {
        d.coef /= 100;
        d.exp += 2;
    }
    if (d.coef % 10 == 0) {
        d.coef /= 10;
        d.exp += 1;
    }
}

// floor(m × 2^q × 10^t) and where the rest lies against one half (<0 below,
// 0 exactly on it, >0 above). The caller keeps the operands within 128 bits.
struct Scaled {
    std::uint64_t floor;
    int half;
    bool exact;  // nothing left over
};

u128 WidePow10(int t) {
    return t < 20 ? u128(kPow10[t]) : u128(kPow10[19]) * kPow10[t - 19];
}

Scaled Scale(std::uint64_t m, int q, int t) {
    u128 num = m;
    if (q > 0) num <<= q;
    if (t > 0) num *= WidePow10(t);
    int shift = q < 0 ? -q : 0;
    if (t >= 0) {
        if (shift == 0) return {static_cast<std::uint64_t>(num), -1, true};
        u128 rest = num & ((u128(1) << shift) - 1);
        u128 half = u128(1) << (shift - 1);
        return {static_cast<std::uint64_t>(num >> shift),
                rest < half    ? -1
                : rest == half ? 0
                               : 1,
                rest == 0};
    }
    u128 den = u128(kPow10[-t]) << shift;
    u128 rest = num % den;
    return {static_cast<std::uint64_t>(num / den),
            2 * rest < den    ? -1
            : 2 * rest == den ? 0
                              : 1,
            rest == 0};
}

// The positive finite value a as coef × 10^(exp − 14), coef of exactly 15
// digits, rounded correctly with ties to even as to_chars rounds. The
// magnitudes of a design are done in whole-number arithmetic; to_chars with a
// precision costs several hundred instructions and every stored number passes
// here several times.
void FifteenDigits(double a, std::uint64_t& coef, int& exp) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
    int biased = static_cast<int>(bits >> 52);
    int p2 = biased - 1023;  // floor(log2 a) for a normal value
    // From 2^-24 the products stay below 2^128; up to 2^63 the value as a
    // whole number fits 64 bits.
    if (biased != 0 && p2 >= -24 && p2 <= 62) {
        std::uint64_t m = (bits & ((1ULL << 52) - 1)) | (1ULL << 52);
        int q = p2 - 52;
        // floor(p2 × log10 2): the decimal exponent is this or one more.
        int e = (p2 * 78913) >> 18;
        Scaled s = Scale(m, q, kSignificant - 1 - e);
        if (s.floor >= kCoefHigh) {
            // One digit too many: the last one and what lay beyond it decide.
            ++e;
            std::uint64_t last = s.floor % 10;
            s = {s.floor / 10, last < 5 ? -1 : last > 5 || !s.exact ? 1 : 0, last == 0 && s.exact};
        }
        if (s.floor >= kCoefLow && s.floor < kCoefHigh) {
            std::uint64_t c = s.floor;
            if (s.half > 0 || (s.half == 0 && (c & 1) != 0)) ++c;
            if (c == kCoefHigh) {
                c = kCoefLow;
                ++e;
            }
            coef = c;
            exp = e;
            return;
        }
    }
    // "d.dddddddddddddde±x"; to_chars is exact and ignores the C locale, which
    // the windows may set to one with a decimal comma.
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, kSignificant - 1);
    const char* p = buf;
    std::uint64_t c = 0;
    for (; *p != 'e'; ++p) {
        if (IsDigit(*p)) c = c * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    ++p;
    if (*p == '+') ++p;
    int x = 0;
    std::from_chars(p, res.ptr, x);
    coef = c;
    exp = x;
}

Decimal ToDecimal(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0.0) return d;
    d.negative = value < 0;
    int e = 0;
    FifteenDigits(std::fabs(value), d.coef, e);
    d.exp = e - (kSignificant - 1);
    Normalise(d);
    return d;
}

// The decimal exponent of the leading digit.
int LeadExponent(const Decimal& d) {
    return d.exp + DigitCount(d.coef) - 1;
}

// Rounds to `places` decimals, halves away from zero.
void RoundHalfAway(Decimal& d, long long places) {
    if (d.IsZero() || -static_cast<long long>(d.exp) <= places) return;
    long long drop = -static_cast<long long>(d.exp) - places;
    // coef has at most 16 digits: dropping 20 or more leaves nothing and a
    // leading zero decides.
    std::uint64_t kept = 0;
    std::uint64_t next = 0;
    if (drop < 20) {
        kept = d.coef / kPow10[drop];
        next = d.coef / kPow10[drop - 1] % 10;
    }
    d.coef = kept + (next >= 5 ? 1 : 0);
    d.exp = static_cast<int>(-places);
    Normalise(d);
}

// Cuts to `places` decimals and, when `away`, adds one unit of the last place
// kept (the part cut off is never zero, coef having no trailing zeros).
void RoundDirected(Decimal& d, long long places, bool mode1) {
    if (d.IsZero() || -static_cast<long long>(d.exp) <= places) return;
    long long drop = -static_cast<long long>(d.exp) - places;
    std::uint64_t kept = drop < 20 ? d.coef / kPow10[drop] : 0;
    // Up means toward plus infinity: away from zero for a positive value;
    // down is away from zero for a negative one.
    bool away = mode1 != d.negative;
    d.coef = kept + (away ? 1 : 0);
    d.exp = static_cast<int>(-places);
    Normalise(d);
}

// Writes the digits of a non-zero d into a field already filled with "0"s
// whose point belongs at `point` (where the integer places end).
void PutDigits(char* point, const Decimal& d) {
    if (d.exp >= 0) {
        WriteBack(point - d.exp, d.coef);
        return;
    }
    int fracLen = -d.exp;
    // coef has at most 16 digits, so from 20 decimals on all of it is fraction.
    std::uint64_t high = fracLen < 20 ? d.coef / kPow10[fracLen] : 0;
    std::uint64_t low = fracLen < 20 ? d.coef - high * kPow10[fracLen] : d.coef;
    WriteBack(point + 1 + fracLen, low);
    WriteBack(point, high);
}

// Integer places of a Decimal written without exponent (0 below 1).
std::size_t IntPlaces(const Decimal& d) {
    if (d.IsZero()) return 0;
    int n = DigitCount(d.coef) + d.exp;
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

// Plain decimal text of a Decimal: no exponent, no trailing zeros.
std::string FixedText(const Decimal& d) {
    if (d.IsZero()) return "0";
    std::size_t intLen = IntPlaces(d);
    std::size_t fracLen = d.exp < 0 ? static_cast<std::size_t>(-d.exp) : 0;
    std::size_t lead = d.negative ? 1 : 0;
    std::size_t intPlaces = intLen > 0 ? intLen : 1;
    std::string s(lead + intPlaces + (fracLen > 0 ? 1 + fracLen : 0), '0');
    if (d.negative) s[0] = '-';
    char* point = s.data() + lead + intPlaces;
    if (fracLen > 0) *point = '.';
    PutDigits(point, d);
    return s;
}

// The plain number text of a Decimal holding at most 15 digits.
std::string PlainText(const Decimal& d) {
    if (d.IsZero()) return "0";
    int count = DigitCount(d.coef);
    int lead = d.exp + count - 1;
    if (lead < kExponentFrom && lead >= -kExponentFrom) return FixedText(d);
    char buf[48];
    char* p = buf;
    if (d.negative) *p++ = '-';
    char digits[20];
    WriteBack(digits + count, d.coef);
    *p++ = digits[0];
    if (count > 1) {
        *p++ = '.';
        std::memcpy(p, digits + 1, static_cast<std::size_t>(count - 1));
        p += count - 1;
    }
    *p++ = 'E';
    *p++ = lead < 0 ? '-' : '+';
    p = std::to_chars(p, buf + sizeof buf, lead < 0 ? -lead : lead).ptr;
    return std::string(buf, p);
}

// Pattern text: prefix, minus unless zero, the integer places padded with
// zeros to minInt, then the point and exactly `places` decimals when the
// pattern has a point (d is already rounded to `places`).
std::string PatternText(std::string_view prefix, const Decimal& d, std::size_t minInt,
                        bool afterPoint, std::size_t places) {
    std::size_t intLen = IntPlaces(d);
    std::size_t intPlaces = intLen < minInt ? minInt : intLen;
    bool minus = d.negative && !d.IsZero();
    std::size_t lead = prefix.size() + (minus ? 1 : 0);
    std::string s(lead + intPlaces + (afterPoint ? 1 + places : 0), '0');
    char* p = s.data();
    if (!prefix.empty()) std::memcpy(p, prefix.data(), prefix.size());
    if (minus) p[prefix.size()] = '-';
    char* point = p + lead + intPlaces;
    if (afterPoint) *point = '.';
    // Without a point there are no decimals left after the rounding, so the
    // digits end before `point`.
    if (!d.IsZero()) PutDigits(point, d);
    return s;
}

std::size_t CharCount(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string DecimalsPattern(int decimals) {
    if (decimals <= 0) return "0";
    return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The general reading, for what the quick one below cannot decide exactly.
double NumValGeneral(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;

    // Collect the number into a clean buffer: from_chars takes no "+" and
    // ignores the locale, which is what a stored text needs.
    std::string num;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') num += '-';
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    int leadExp = 0;  // rough decimal magnitude, to tell overflow from underflow
    bool seenNonZero = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != '0') seenNonZero = true;
            if (!point && seenNonZero) ++leadExp;
            if (point && !seenNonZero) --leadExp;
            num += c;
        } else if (c == '.' && !point) {
            point = true;
            num += c;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    if (!seenNonZero) return num[0] == '-' ? -0.0 : 0.0;

    // Exponent: only when the letter is followed by an (optionally signed)
    // integer; "12E" reads as 12.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exp;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            if (text[j] == '-') exp += '-';
            ++j;
        }
        std::size_t digitsFrom = j;
        while (j < text.size() && IsDigit(text[j])) exp += text[j++];
        if (j > digitsFrom) {
            // A long exponent cannot be anything but out of range; keep it
            // short enough for an int while keeping its sign.
            std::size_t sig = exp[0] == '-' ? 1 : 0;
            std::size_t nz = exp.find_first_not_of('0', sig);
            std::string mag = nz == std::string::npos ? "0" : exp.substr(nz);
            if (mag.size() > 6) mag = "999999";
            int e = 0;
            std::from_chars(mag.data(), mag.data() + mag.size(), e);
            if (sig) e = -e;
            leadExp += e;
            num += 'e';
            num += std::to_string(e);
        }
    }

    double value = 0.0;
    auto res = std::from_chars(num.data(), num.data() + num.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large gives the largest double rather than an infinity that
        // would poison every later sum; too small is zero.
        bool neg = num[0] == '-';
        if (leadExp > 0) return neg ? -DBL_MAX : DBL_MAX;
        return neg ? -0.0 : 0.0;
    }
    return value;
}

}  // namespace

bool HoldsNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return false;
    if (text[i] == '+' || text[i] == '-') ++i;
    if (i < text.size() && text[i] == '.') ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

double NumVal(std::string_view text) {
    // Most texts are short decimals: read their digits into a whole number
    // and scale by an exact power of ten. With both exact, the one division
    // or multiplication rounds correctly, just as from_chars would.
    const char* s = text.data();
    std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    // Up to 19 digits the whole number fits 64 bits, leading zeros and all;
    // a longer one goes the general way.
    std::uint64_t mant = 0;
    std::size_t intFrom = i;
    for (; i < n && IsDigit(s[i]); ++i) mant = mant * 10 + static_cast<std::uint64_t>(s[i] - '0');
    std::size_t digitCount = i - intFrom;
    int scale = 0;
    if (i < n && s[i] == '.') {
        std::size_t fracFrom = ++i;
        for (; i < n && IsDigit(s[i]); ++i)
            mant = mant * 10 + static_cast<std::uint64_t>(s[i] - '0');
        digitCount += i - fracFrom;
        scale = -static_cast<int>(i - fracFrom);
    }
    if (digitCount == 0) return 0.0;
    if (digitCount > 19) return NumValGeneral(text);
    if (mant == 0) return negative ? -0.0 : 0.0;

    int exp10 = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        int e = 0;
        std::size_t digitsFrom = j;
        for (; j < n && IsDigit(s[j]); ++j) {
            if (e < 100000) e = e * 10 + (s[j] - '0');
        }
        if (j > digitsFrom) exp10 = expNegative ? -e : e;
    }
    int total = scale + exp10;
    if (mant <= (1ULL << 53) && total >= -22 && total <= 22) {
        double v = static_cast<double>(mant);
        v = total >= 0 ? v * kExactPow10[total] : v / kExactPow10[-total];
        return negative ? -v : v;
    }
    return NumValGeneral(text);
}

std::string NumStr(double value) {
    // Infinities and NaN have no number text; they would read back as 0.
    return PlainText(ToDecimal(value));
}

std::string FormatPattern(double value, std::string_view pattern) {
    // Split the pattern: literal text in front, the integer placeholders, and
    // the decimals after the point.
    std::size_t first = 0;
    while (first < pattern.size() && pattern[first] != '#' && pattern[first] != '0' &&
           pattern[first] != '.') {
        ++first;
    }
    if (first == pattern.size()) first = std::string_view::npos;
    std::string_view prefix =
        pattern.substr(0, first == std::string_view::npos ? pattern.size() : first);
    std::size_t minInt = 0;
    std::size_t places = 0;
    bool afterPoint = false;
    bool zeroSeen = false;
    if (first != std::string_view::npos) {
        for (char c : pattern.substr(first)) {
            if (c == '.') {
                afterPoint = true;
            } else if (c == '0') {
                if (afterPoint) {
                    ++places;
                } else {
                    zeroSeen = true;
                }
            }
            // Every integer placeholder from the first "0" on prints a digit.
            if (!afterPoint && zeroSeen && (c == '0' || c == '#')) ++minInt;
        }
    }

    Decimal d = ToDecimal(value);
    RoundHalfAway(d, static_cast<long long>(places));
    // A value that rounds to zero prints no minus.
    return PatternText(prefix, d, minInt, afterPoint, places);
}

std::string FormatPattern(std::string_view text, std::string_view pattern) {
    return FormatPattern(NumVal(text), pattern);
}

std::string TrimBlanks(std::string_view text) {
    return std::string(TrimmedView(text, " "));
}

std::string_view TrimmedView(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

char ReadHalfWidth(std::string_view text, std::size_t& at) {
    // "０" to "９" are EF BC 90 to EF BC 99 in UTF-8, "．" is EF BC 8E.
    if (at + 2 < text.size() && static_cast<unsigned char>(text[at]) == 0xEF &&
        static_cast<unsigned char>(text[at + 1]) == 0xBC) {
        const auto c = static_cast<unsigned char>(text[at + 2]);
        if (c >= 0x90 && c <= 0x99) {
            at += 3;
            return static_cast<char>('0' + (c - 0x90));
        }
        if (c == 0x8E) {
            at += 3;
            return '.';
        }
    }
    return text[at++];
}

std::string HalfWidthDigits(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) out += ReadHalfWidth(text, i);
    return out;
}

ValueFault CheckValueQuiet(std::string& text, double min, double max, int decimals) {
    if (text.empty()) return ValueFault::None;

    std::string converted;
    bool point = false;
    bool ok = true;
    std::size_t i = 0;
    for (std::size_t pos = 0; i < text.size(); ++pos) {
        std::size_t start = i;
        const char c = ReadHalfWidth(text, i);
        if (IsDigit(c)) {
            converted += c;
        } else if (c == '.' && !point) {
            point = true;
            converted += '.';
        } else if (c == '-' && pos == 0) {
            converted += '-';
        } else {
            // Leave the characters not yet examined as they were.
            converted.append(text, start, std::string::npos);
            ok = false;
            break;
        }
    }
    text = converted;
    if (!ok) return ValueFault::Characters;

    if (decimals < 0) decimals = 0;
    // "-", "." and "-." pass the characters and read as 0.
    double value = NumVal(text);
    if (!(min <= value && value <= max)) return ValueFault::Range;

    std::size_t at = text.find('.');
    if (at != std::string::npos) {
        if (decimals == 0) return ValueFault::Precision;
        if (text.size() - at - 1 > static_cast<std::size_t>(decimals)) return ValueFault::Precision;
    }

    text = FormatPattern(value, DecimalsPattern(decimals));
    return ValueFault::None;
}

bool CheckValue(std::string& text, double min, double max, int decimals) {
    if (decimals < 0) decimals = 0;
    const std::string pattern = DecimalsPattern(decimals);
    switch (CheckValueQuiet(text, min, max, decimals)) {
        case ValueFault::None:
            return true;
        case ValueFault::Characters:
            MsgBox("値が正しくありません。", MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        case ValueFault::Range:
            MsgBox("値が有効範囲にありません。\r有効範囲（" + FormatPattern(min, pattern) + "～" +
                       FormatPattern(max, pattern) + "）",
                   MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        case ValueFault::Precision:
            if (decimals == 0) {
                MsgBox("入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。",
                       MsgButtons::Ok, MsgIcon::Exclamation);
            } else {
                MsgBox("入力値が有効精度を超えています。\r有効精度内（小数第" +
                           std::to_string(decimals) + "位）に変更してください。",
                       MsgButtons::Ok, MsgIcon::Exclamation);
            }
            return false;
    }
    return false;
}

std::string RoundValue(double value, int digits, int mode) {
    if (digits < 0) digits = 0;
    // The 15-digit text drops the representation noise of computed values
    // (0.1 + 0.2 is 0.3 here), and working on its digits keeps a value that
    // is already on the grid where it is.
    //
    // For a normal double the 15 digits read back give a double with the same
    // 15 digits, so the value's own digits serve; only near the ends of the
    // range, where reading may overflow or lose digits, the text is really
    // written and read.
    double magnitude = std::fabs(value);
    bool inner = magnitude >= 1e-290 && magnitude <= 1e290;
    Decimal d = ToDecimal(inner || !std::isfinite(value) ? value : NumVal(NumStr(value)));
    RoundDirected(d, digits, mode == 1);
    if (d.IsZero()) return "0";
    int lead = LeadExponent(d);
    if (lead >= -290 && lead <= 290) return PlainText(d);
    return NumStr(NumVal(FixedText(d)));
}

std::string RoundValue(std::string_view text, int digits, int mode) {
    return RoundValue(NumVal(text), digits, mode);
}

std::string FormatNum(std::string_view text, int intDigits, int decDigits) {
    if (text.empty()) return "";
    double value = NumVal(text);
    if (value < 0) {
        Decimal d = ToDecimal(value);
        RoundHalfAway(d, 2);
        return PatternText(" ", d, 1, true, 2);
    }

    // The blanks come from the integer digits of the unrounded value, so a
    // rounding that carries makes the field one place wider. Written as the
    // pattern of blanks, "#"s and "0" or "0.00…" with the decimals.
    Decimal d = ToDecimal(value);
    int n = d.IsZero() ? 1 : LeadExponent(d) + 1;
    if (n < 1) n = 1;
    std::size_t blanks = intDigits > n ? static_cast<std::size_t>(intDigits - n) : 0;
    std::size_t places = decDigits > 0 ? static_cast<std::size_t>(decDigits) : 0;
    RoundHalfAway(d, static_cast<long long>(places));
    return PatternText(std::string(blanks, ' '), d, 1, decDigits > 0, places);
}

std::string PadDecimal(std::string_view text, int width) {
    std::size_t from = text.find_first_not_of(' ');
    std::string_view s = from == std::string_view::npos ? std::string_view() : text.substr(from);
    std::size_t at = s.rfind('.');
    std::size_t len = CharCount(at == std::string_view::npos ? s : s.substr(0, at));
    std::size_t pad = width > 0 && len < static_cast<std::size_t>(width)
                          ? static_cast<std::size_t>(width) - len
                          : 0;
    std::string out;
    out.reserve(pad + s.size());
    out.append(pad, ' ');
    out.append(s);
    return out;
}

std::string PadDecimal(double value, int width) {
    return PadDecimal(NumStr(value), width);
}

}  // namespace talvo
