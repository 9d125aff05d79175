#include "steps/loadsharing.h"

#include <cstdint>

#include "calc/anchorload.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"

namespace talvo {

namespace {

std::int16_t& StoredField(ShareChoice choice) {
    switch (choice) {
        case ShareChoice::TateLength:
            return Design.TateShareMode;
        case ShareChoice::YokoLength:
            return Design.YokoShareMode;
        default:
            return Design.ToubunpuMode;
    }
}

}  // namespace

ShareOptionTexts ShareOptionTextsFor(int workType) {
    if (workType == 4) {
        return {{"= 縦枠の全長÷アンカー数", "= アンカー縦ピッチ"},
                {"= 横枠の全長÷アンカー数", "= アンカー横ピッチ"}};
    }
    return {{"= 縦枠の全長÷ロックボルト数", "= ロックボルト縦ピッチ"},
            {"= 横枠の全長÷ロックボルト数", "= ロックボルト横ピッチ"}};
}

int StoredShareOption(ShareChoice choice) {
    return StoredField(choice);
}

bool ChooseShareOption(ShareChoice choice, int index) {
    std::int16_t& stored = StoredField(choice);
    if (index == stored) return false;
    stored = static_cast<std::int16_t>(index);
    DataChanged = 1;
    RecalcResult = 1;
    RecalcRock();
    return true;
}

bool SingleAnchorRow(const std::string& anchorCountY) {
    return NumVal(anchorCountY) == 1;
}

bool ApplySingleRowRule() {
    if (!SingleAnchorRow(Design.AnchorCountY)) return false;
    ChooseShareOption(ShareChoice::TateLength, 0);
    return true;
}

std::string ShareLoadText(const std::string& stored) {
    return FormatNum(stored, 5, 1);
}

}  // namespace talvo
