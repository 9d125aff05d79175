#include "standards/fields.h"

#include "shell/message.h"
#include "shell/numtext.h"

namespace talvo::standards {

FieldSpec ValueSpec(double min, double max, int decimals, int places) {
    FieldSpec spec;
    spec.check = FieldCheck::Value;
    spec.min = min;
    spec.max = max;
    spec.decimals = decimals;
    spec.places = places;
    return spec;
}

std::string TrimBlanks(std::string_view text) {
    const std::size_t a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return "";
    const std::size_t b = text.find_last_not_of(' ');
    return std::string(text.substr(a, b - a + 1));
}

std::string HalfWidthDigits(std::string_view text) {
    // "０" to "９" are EF BC 90 to EF BC 99 in UTF-8, "．" is EF BC 8E.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 2 < text.size() && static_cast<unsigned char>(text[i]) == 0xEF &&
            static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const auto c = static_cast<unsigned char>(text[i + 2]);
            if (c >= 0x90 && c <= 0x99) {
                out += static_cast<char>('0' + (c - 0x90));
                i += 2;
                continue;
            }
            if (c == 0x8E) {
                out += '.';
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

static int DecimalsOf(const FieldSpec& spec, double value) {
    return spec.decimalsFor ? spec.decimalsFor(value) : spec.decimals;
}

std::string DisplayText(std::string_view stored, const FieldSpec& spec) {
    if (stored.empty()) return "";
    return FormatNum(stored, spec.places, DecimalsOf(spec, NumVal(stored)));
}

EntryOutcome CheckEntry(std::string_view typed, const FieldSpec& spec, std::string* shown) {
    std::string text = TrimBlanks(typed);
    if (spec.check == FieldCheck::Value) {
        if (!CheckValue(text, spec.min, spec.max, spec.decimals)) return EntryOutcome::Refused;
    } else {
        text = HalfWidthDigits(text);
        const double value = NumVal(text);
        if (!text.empty() && !(spec.min <= value && value <= spec.max)) {
            MsgBox(spec.rangeMessage, MsgButtons::Ok, MsgIcon::Exclamation);
            return EntryOutcome::Refused;
        }
    }
    if (text.empty()) {
        if (shown) shown->clear();
        return EntryOutcome::Emptied;
    }
    if (shown) *shown = DisplayText(text, spec);
    return EntryOutcome::Accepted;
}

int FirstEmpty(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (texts[i].empty()) return static_cast<int>(i);
    return -1;
}

bool WarnIfIncomplete(bool incomplete) {
    if (!incomplete) return true;
    MsgBox(kIncompleteMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

}  // namespace talvo::standards
