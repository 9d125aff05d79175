// Names of parameterised test cases made from a text of the case. A test
// name holds ASCII letters, digits and underscores only: the letters and
// digits of the text stand, every other character is spelled out as a word
// between underscores ("1.5" is 1_dot_5, "-2" minus_2, " 3" blank_3), a run of
// full-width ASCII characters is marked "wide" ("１２．５" is wide_12_dot_5),
// any other character is its code point ("u3042"), a byte that is no UTF-8 is
// its value ("xFF") and the empty text is "empty".
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace talvo::test {

inline std::string CaseName(std::string_view text) {
    if (text.empty()) return "empty";
    std::string name;
    bool word = false;  // the last part written was a word, not letters or digits
    auto part = [&](const std::string& w, bool isWord) {
        if (!name.empty() && (isWord || word)) name += '_';
        name += w;
        word = isWord;
    };
    auto ascii = [&](char c) {
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            part(std::string(1, c), false);
            return;
        }
        switch (c) {
            case '.':
                part("dot", true);
                return;
            case '-':
                part("minus", true);
                return;
            case '+':
                part("plus", true);
                return;
            case ',':
                part("comma", true);
                return;
            case ' ':
                part("blank", true);
                return;
            case '_':
                part("underscore", true);
                return;
            default: {
                char hex[8];
                std::snprintf(hex, sizeof hex, "x%02X", static_cast<unsigned char>(c));
                part(hex, true);
            }
        }
    };
    bool wide = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t cp = 0;
        std::size_t len = 0;
        if (b < 0x80) {
            cp = b, len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F, len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F, len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07, len = 4;
        }
        bool valid = len != 0 && i + len <= text.size();
        for (std::size_t k = 1; valid && k < len; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = cp << 6 | (c & 0x3F);
        }
        if (!valid) {
            wide = false;
            ascii(static_cast<char>(b));  // spelled as its byte, never a letter here
            ++i;
            continue;
        }
        i += len;
        const bool isWide = cp >= 0xFF01 && cp <= 0xFF5E;
        if (isWide && !wide) part("wide", true);
        wide = isWide;
        if (isWide) {
            ascii(static_cast<char>(cp - 0xFEE0));
        } else if (cp < 0x80) {
            ascii(static_cast<char>(cp));
        } else {
            char hex[16];
            std::snprintf(hex, sizeof hex, "u%04X", static_cast<unsigned>(cp));
            part(hex, true);
        }
    }
    return name;
}

}  // namespace talvo::test
