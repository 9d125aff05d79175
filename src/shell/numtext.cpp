#include "shell/numtext.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
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

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value as decimal digits: intPart without leading zeros (empty for 0),
// frac without trailing zeros. All rounding happens on this form.
struct Decimal {
    bool negative = false;
    std::string intPart;
    std::string frac;

    bool IsZero() const { return intPart.empty() && frac.empty(); }
};

// The value at 15 significant digits as "d.dddddddddddddde±x". to_chars is
// exact and ignores the C locale, which the windows may set to one with a
// decimal comma.
Decimal ToDecimal(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0.0) return d;
    d.negative = value < 0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                             kSignificant - 1);
    std::string text(buf, res.ptr);
    std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i) {
        if (IsDigit(text[i])) digits += text[i];
    }
    int exp = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exp);
    if (exp >= 0) {
        std::size_t intLen = static_cast<std::size_t>(exp) + 1;
        if (intLen >= digits.size()) {
            d.intPart = digits + std::string(intLen - digits.size(), '0');
        } else {
            d.intPart = digits.substr(0, intLen);
            d.frac = digits.substr(intLen);
        }
    } else {
        d.frac = std::string(static_cast<std::size_t>(-exp - 1), '0') + digits;
    }
    while (!d.frac.empty() && d.frac.back() == '0') d.frac.pop_back();
    return d;
}

// Adds one unit of the last fraction place kept (frac has `places` digits).
void IncrementLast(Decimal& d, std::size_t places) {
    d.frac.resize(places, '0');
    std::string all = d.intPart + d.frac;
    std::size_t i = all.size();
    while (i > 0) {
        --i;
        if (all[i] == '9') {
            all[i] = '0';
        } else {
            ++all[i];
            break;
        }
        if (i == 0) {
            all.insert(all.begin(), '1');
            break;
        }
    }
    if (all.empty()) all = "1";
    d.intPart = all.substr(0, all.size() - places);
    d.frac = all.substr(all.size() - places);
}

void Normalise(Decimal& d) {
    std::size_t nz = d.intPart.find_first_not_of('0');
    d.intPart = nz == std::string::npos ? std::string() : d.intPart.substr(nz);
    while (!d.frac.empty() && d.frac.back() == '0') d.frac.pop_back();
    if (d.IsZero()) d.negative = false;
}

// Rounds to `places` decimals, halves away from zero.
void RoundHalfAway(Decimal& d, std::size_t places) {
    if (d.frac.size() <= places) return;
    bool up = d.frac[places] >= '5';
    d.frac.resize(places);
    if (up) IncrementLast(d, places);
    Normalise(d);
}

// Plain decimal text of a Decimal: no exponent, no trailing zeros.
std::string FixedText(const Decimal& d) {
    if (d.IsZero()) return "0";
    std::string s = d.negative ? "-" : "";
    s += d.intPart.empty() ? "0" : d.intPart;
    if (!d.frac.empty()) s += "." + d.frac;
    return s;
}

std::size_t CharCount(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

// Reads one UTF-8 character at s[i]; returns its code point and advances i.
// A malformed byte comes back as 0xFFFD, which no check accepts.
char32_t NextChar(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80             ? 1
              : (c & 0xE0) == 0xC0 ? 2
              : (c & 0xF0) == 0xE0 ? 3
              : (c & 0xF8) == 0xF0 ? 4
                                   : 0;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < len; ++k) {
        unsigned char cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    i += len;
    return cp;
}

std::string DecimalsPattern(int decimals) {
    if (decimals <= 0) return "0";
    return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

}  // namespace

double NumVal(std::string_view text) {
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

std::string NumStr(double value) {
    // Infinities and NaN have no number text; they would read back as 0.
    if (!std::isfinite(value) || value == 0.0) return "0";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                             kSignificant - 1);
    std::string text(buf, res.ptr);
    std::size_t e = text.find('e');
    int exp = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exp);
    if (exp >= kExponentFrom || exp < -kExponentFrom) {
        std::string mant = text.substr(0, e);
        while (mant.back() == '0') mant.pop_back();
        if (mant.back() == '.') mant.pop_back();
        std::string s = value < 0 ? "-" : "";
        s += mant;
        s += exp < 0 ? "E-" : "E+";
        s += std::to_string(exp < 0 ? -exp : exp);
        return s;
    }
    return FixedText(ToDecimal(value));
}

std::string FormatPattern(double value, std::string_view pattern) {
    // Split the pattern: literal text in front, the integer placeholders, and
    // the decimals after the point.
    std::size_t first = pattern.find_first_of("#0.");
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
    RoundHalfAway(d, places);

    std::string digits = d.intPart;
    if (digits.size() < minInt) digits.insert(0, minInt - digits.size(), '0');
    std::string s(prefix);
    // A value that rounds to zero prints no minus.
    if (d.negative && !d.IsZero()) s += '-';
    s += digits;
    if (afterPoint) {
        std::string frac = d.frac;
        frac.resize(places, '0');
        s += '.';
        s += frac;
    }
    return s;
}

std::string FormatPattern(std::string_view text, std::string_view pattern) {
    return FormatPattern(NumVal(text), pattern);
}

bool CheckValue(std::string& text, double min, double max, int decimals) {
    if (text.empty()) return true;

    std::string converted;
    bool point = false;
    bool ok = true;
    std::size_t i = 0;
    for (std::size_t pos = 0; i < text.size(); ++pos) {
        std::size_t start = i;
        char32_t c = NextChar(text, i);
        if (c >= U'0' && c <= U'9') {
            converted += static_cast<char>(c);
        } else if (c >= U'\uFF10' && c <= U'\uFF19') {
            converted += static_cast<char>('0' + (c - U'\uFF10'));
        } else if ((c == U'.' || c == U'\uFF0E') && !point) {
            point = true;
            converted += '.';
        } else if (c == U'-' && pos == 0) {
            converted += '-';
        } else {
            // Leave the characters not yet examined as they were.
            converted.append(text, start, std::string::npos);
            ok = false;
            break;
        }
    }
    text = converted;
    if (!ok) {
        MsgBox("値が正しくありません。", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }

    if (decimals < 0) decimals = 0;
    std::string pattern = DecimalsPattern(decimals);

    // "-", "." and "-." pass the characters and read as 0.
    double value = NumVal(text);
    if (!(min <= value && value <= max)) {
        MsgBox("値が有効範囲にありません。\r有効範囲（" + FormatPattern(min, pattern) + "～" +
                   FormatPattern(max, pattern) + "）",
               MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }

    std::size_t at = text.find('.');
    if (at != std::string::npos) {
        if (decimals == 0) {
            MsgBox("入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。",
                   MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        }
        if (text.size() - at - 1 > static_cast<std::size_t>(decimals)) {
            MsgBox("入力値が有効精度を超えています。\r有効精度内（小数第" +
                       std::to_string(decimals) + "位）に変更してください。",
                   MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        }
    }

    text = FormatPattern(value, pattern);
    return true;
}

std::string RoundValue(double value, int digits, int mode) {
    if (digits < 0) digits = 0;
    // The 15-digit text drops the representation noise of computed values
    // (0.1 + 0.2 is 0.3 here), and working on its digits keeps a value that
    // is already on the grid where it is.
    Decimal d = ToDecimal(NumVal(NumStr(value)));
    std::size_t places = static_cast<std::size_t>(digits);
    if (d.frac.size() > places) {
        d.frac.resize(places);
        // Up means toward plus infinity: away from zero for a positive value;
        // down is away from zero for a negative one.
        bool away = (mode == 1) != d.negative;
        if (away) IncrementLast(d, places);
        Normalise(d);
    }
    return NumStr(NumVal(FixedText(d)));
}

std::string RoundValue(std::string_view text, int digits, int mode) {
    return RoundValue(NumVal(text), digits, mode);
}

std::string FormatNum(std::string_view text, int intDigits, int decDigits) {
    if (text.empty()) return "";
    double value = NumVal(text);
    if (value < 0) return " " + FormatPattern(value, "0.00");

    // The blanks come from the integer digits of the unrounded value, so a
    // rounding that carries makes the field one place wider.
    Decimal d = ToDecimal(value);
    int n = d.intPart.empty() ? 1 : static_cast<int>(d.intPart.size());
    std::string pattern;
    for (int j = 1; j <= intDigits - 1; ++j) pattern += j <= intDigits - n ? ' ' : '#';
    pattern += DecimalsPattern(decDigits);
    return FormatPattern(value, pattern);
}

std::string PadDecimal(std::string_view text, int width) {
    std::size_t from = text.find_first_not_of(' ');
    std::string s(from == std::string_view::npos ? std::string_view() : text.substr(from));
    std::size_t at = s.rfind('.');
    std::size_t len = CharCount(at == std::string::npos ? std::string_view(s)
                                                        : std::string_view(s).substr(0, at));
    if (width > 0 && len < static_cast<std::size_t>(width)) {
        s.insert(0, static_cast<std::size_t>(width) - len, ' ');
    }
    return s;
}

std::string PadDecimal(double value, int width) {
    return PadDecimal(NumStr(value), width);
}

}  // namespace talvo
