#include "report/printcommand.h"

#include "results/printrows.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"

namespace talvo {

bool PreparePrint() {
    if (!PrintRowsComplete()) {
        MsgBox("印刷箇所を指定してください。", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    if (Ins_Aka_Check() != 0) return false;
    PrintCaseTate = static_cast<std::int16_t>(Design.KekkaPrintRow[0] - 1);
    PrintCaseYoko = static_cast<std::int16_t>(Design.KekkaPrintRow[1] + 5);
    return true;
}

}  // namespace talvo
