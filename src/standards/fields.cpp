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
