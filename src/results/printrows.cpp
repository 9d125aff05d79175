#include "results/printrows.h"

#include <cstddef>
#include <string>

#include "results/designchecks.h"
#include "results/requiredentries.h"
#include "results/resulttable.h"
#include "shell/design.h"
#include "shell/message.h"

namespace talvo {

bool PrintRowsComplete() {
    return Design.KekkaPrintRow[1] != 0 && (Design.KekkaPrintRow[0] != 0 || SingleSetMode());
}

int PrintTableRow(int set) {
    if (set != 0 && set != 1) return -1;
    const int r = Design.KekkaPrintRow[static_cast<std::size_t>(set)];
    if (r < 1 || r > kRowsPerSet) return -1;
    return kRowsPerSet * set + r - 1;
}

namespace {

// The columns whose red stops a print: what the report must not show
// unasked. τc over its limit is answered by stirrups, and the required
// spacing is only a guide to the adopted one.
constexpr int kExamined[] = {ColBarCount, ColAs, ColSigmaS, ColSigmaC, ColTauO, ColPitch};

bool RowHoldsOut(int set) {
    const int row = PrintTableRow(set);
    if (row < 0) return false;
    for (int column : kExamined) {
        if (CellColor(set, column, row) == ColorOut) return true;
    }
    return false;
}

}  // namespace

bool PrintRowsHoldOut() {
    if (RowHoldsOut(1)) return true;
    return !SingleSetMode() && RowHoldsOut(0);
}

std::string PrintQuestion() {
    const bool missing = !MissingEntryNames().empty();
    const bool outOfRange = !OutOfRangeEntryNames().empty();
    const bool out = PrintRowsHoldOut() || !FailedCheckNames().empty();
    if (!missing && !outOfRange && !out) return "";
    std::string text;
    if (missing && outOfRange) {
        text += "未入力の項目と範囲外の項目があります。\r";
    } else if (missing) {
        text += "未入力の項目があります。\r";
    } else if (outOfRange) {
        text += "範囲外の項目があります。\r";
    }
    if (out) text += "印刷対象となっている結果にはｏｕｔとなる項目があります。\r";
    return text + "印刷しますか？";
}

std::int16_t Ins_Aka_Check() {
    const std::string question = PrintQuestion();
    if (question.empty()) return 0;
    const MsgResult answer = MsgBox(question, MsgButtons::YesNo, MsgIcon::Exclamation, 1);
    return answer == MsgResult::Yes ? 0 : -1;
}

}  // namespace talvo
