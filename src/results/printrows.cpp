#include "results/printrows.h"

#include <cstddef>

#include "results/designchecks.h"
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

std::int16_t Ins_Aka_Check() {
    if (!PrintRowsHoldOut() && !DesignChecksFail()) return 0;
    const MsgResult answer =
        MsgBox("印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？",
               MsgButtons::YesNo, MsgIcon::Exclamation, 1);
    return answer == MsgResult::Yes ? 0 : -1;
}

}  // namespace talvo
