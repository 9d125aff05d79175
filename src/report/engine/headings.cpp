#include "report/engine/headings.h"

#include <cmath>
#include <cstdlib>

#include "shell/numtext.h"

namespace talvo::report {

namespace {
int g_chapterNo = 0;
int g_sectionNo = 0;
}  // namespace

int ChapterNo() {
    return g_chapterNo;
}
int SectionNo() {
    return g_sectionNo;
}

void ResetHeadingNumbers() {
    g_chapterNo = 0;
    g_sectionNo = 0;
}

std::string ChapterTitle(std::string_view title) {
    ++g_chapterNo;
    g_sectionNo = 0;
    return ZenkakuNum(g_chapterNo) + " " + std::string(title);
}

std::string SectionTitle(std::string_view title) {
    ++g_sectionNo;
    return ZenkakuNum(g_chapterNo) + "." + ZenkakuNum(g_sectionNo) + " " + std::string(title);
}

std::string ZenkakuNum(int n) {
    static const char* const kDigits[] = {"０", "１", "２", "３", "４",
                                          "５", "６", "７", "８", "９"};
    std::string out = n < 0 ? "－" : "";
    for (char c : std::to_string(std::abs(static_cast<long>(n)))) out += kDigits[c - '0'];
    return out;
}

std::string NumToFixStr(double value, double emptyValue, int signCol, int width, int decimals) {
    if (value == emptyValue) return "";
    const bool negative = value < 0;
    const double scale = std::pow(10.0, decimals);
    std::string text = NumStr(std::nearbyint(std::fabs(value) * scale) / scale);

    std::size_t point = text.find('.');
    if (decimals > 0) {
        if (point == std::string::npos) {
            point = text.size();
            text += '.';
        }
        const std::size_t have = text.size() - point - 1;
        if (have < static_cast<std::size_t>(decimals)) text.append(decimals - have, '0');
    } else if (point == std::string::npos) {
        point = text.size();
    }

    bool signed_ = false;
    const int p = static_cast<int>(point) + 1;
    for (int i = p; i <= width; ++i) {
        if (negative && !signed_ && i - 1 >= signCol) {
            text.insert(text.begin(), '-');
            signed_ = true;
        } else {
            text.insert(text.begin(), ' ');
        }
    }
    if (negative && !signed_) text.insert(text.begin(), '-');
    return text;
}

std::string CenterStr(std::string_view text, int n) {
    // Columns as the text's 16-bit form counts them: two per UTF-16 unit.
    int units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte
        units += c >= 0xF0 ? 2 : 1;        // beyond the basic plane: a surrogate pair
    }
    const int k = static_cast<int>(std::floor((n - 2.0 * units) / 2));
    return std::string(k > 0 ? k : 0, ' ') + std::string(text);
}

}  // namespace talvo::report
