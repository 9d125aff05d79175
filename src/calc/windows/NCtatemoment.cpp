#include "calc/windows/NCtatemoment.h"

#include <QFontMetrics>

#include "calc/calcfield.h"
#include "calc/recalc.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;
constexpr int kTitleLeft = 480;
constexpr int kSymbolLeft = 5100;
constexpr int kValueLeft = 6000;

const bool kRegistered = [] {
    RegisterStepWindow("NCtatemoment", [] { return new NCtatemoment; });
    return true;
}();

}  // namespace

NCtatemoment::NCtatemoment(QWidget* parent) : StepForm("NCtatemoment", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NCtatemoment");

    AddLabel(this, "すべりに対してのり枠で増加させる安全率", kTitleLeft, 300, 4400, kRowHeight);
    AddLabel(this, "ΔＦs  =", kSymbolLeft, 300, 900, kRowHeight);
    const std::vector<NumEntry> table = {
        PlaceEntry("NCtatemoment", "Text1", kValueLeft, 300, 1100, kRowHeight),
    };
    Text1 = Entries()->AddNumbers(this, table)[0];
    Text1->setAlignment(Qt::AlignRight);
    // A new ΔFs changes the loads at once, whatever RecalcLoad says.
    Entries()->Rule(Text1)->onChanged = [this] {
        RunFailureLoadCalculation();
        ShowMmax();
    };

    Frame1 = AddPanel(this, QString(), 360, 800, 8600, 1980);
    Frame1->setObjectName("Frame1");
    constexpr int kMarkLeft = 240;
    constexpr int kMarkWidth = 1700;
    constexpr int kNoteLeft = 1980;
    constexpr int kNoteWidth = 6400;
    constexpr int kLine = 300;
    AddLabel(Frame1, "ΔＦs = 1.0 ：", kMarkLeft, 300, kMarkWidth, kLine);
    AddLabel(Frame1, "すべり面でのすべり抵抗を考慮せず崩壊土塊の", kNoteLeft, 300, kNoteWidth,
             kLine);
    AddLabel(Frame1, "全荷重をのり枠で抑止しようとする場合", kNoteLeft, 630, kNoteWidth, kLine);
    QLabel* mark3 = AddLabel(Frame1, "ΔＦs = 0.2 ：", kMarkLeft, 1110, kMarkWidth, kLine);
    AddLabel(Frame1, "すべり面でのすべり抵抗を考慮して崩壊土塊の", kNoteLeft, 1110, kNoteWidth,
             kLine);
    QLabel* half = AddLabel(Frame1, "(0.5)", kMarkLeft, 1440, kMarkWidth, kLine);
    AddLabel(Frame1, "全荷重の２割（５割）をのり枠で抑止しようとする場合", kNoteLeft, 1440,
             kNoteWidth, kLine);
    // "(0.5)" stands centred under the "0.2" of the line above it.
    const QFontMetrics fm(mark3->font());
    const int centre =
        mark3->x() + fm.horizontalAdvance("ΔＦs = ") + fm.horizontalAdvance("0.2") / 2;
    const int halfWidth = fm.horizontalAdvance("(0.5)");
    half->setGeometry(centre - halfWidth / 2, half->y(), halfWidth + 4, half->height());

    AddLabel(this, "最大曲げモーメント", kTitleLeft, 3140, 4400, kRowHeight);
    AddLabel(this, "Ｍmax  =", kSymbolLeft, 3140, 900, kRowHeight);
    lblMmax = AddValueLabel(this, "lblMmax", kValueLeft, 3140, 1400, kRowHeight);
    AddLabel(this, "(kN･m)", kValueLeft + 1500, 3140, 1000, kRowHeight);

    UseFocusSink("Text2");
    Text2 = FocusSink;
    // Reached with the Tab key, the sink hands the focus on to the ΔFs box.
    SetTabWrapTarget(Text1);
    setTabOrder(Text1, cmdBegin);
}

void NCtatemoment::OnLoad() {
    Entries()->ShowStored(Text1);
}

void NCtatemoment::OnActivate() {
    RunLoadOnActivation();
    ShowMmax();
}

void NCtatemoment::ShowMmax() {
    // Shown only: Mmax stays as the failure load stored it.
    if (const std::string* field = calcfield::OfWorkType(Design.TateMmax))
        lblMmax->setText(NumText(*field, 5, 2));
}

}  // namespace talvo
