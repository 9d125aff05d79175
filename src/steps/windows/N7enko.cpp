#include "steps/windows/N7enko.h"

#include <QLabel>
#include <QLineEdit>
#include <string>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/arcfailure.h"
#include "steps/windows/DerivedForm.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N7enko", [] { return new N7enko; });
    return true;
}();

const char* const kShapeMessage = "崩壊の形状がのり長を超えています。";
const char* const kDepthMessage = "崩壊の深さが円弧の半径を超えています。";

constexpr int kBoxWidth = 900;
constexpr int kRowHeight = 330;

// Where the dimensions stand on the figure: "Ｌn =" from (left, top), then
// the box and "m".
struct LengthRow {
    int index;
    int left;
    int top;
};
constexpr LengthRow kL1Row{1, 2760, 1050};
constexpr LengthRow kL2Row{2, 4680, 3100};
constexpr LengthRow kL3Row{3, 4500, 180};

constexpr int BoxLeft(const LengthRow& row) {
    return row.left + 630;
}

}  // namespace

N7enko::N7enko(QWidget* parent) : StepForm(QStringLiteral("N7enko"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(ArcPicture());

    picEnko = new ArcFailureFigure(this);
    PlaceTwips(picEnko, 240, 120, 8835, 3960);
    lblTitle = AddLabel(picEnko, QStringLiteral("のり中間からの崩壊方法"), 180, 120, 3600, 330);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);

    for (const LengthRow& row : {kL3Row, kL1Row, kL2Row}) {
        AddLabel(picEnko, QStringLiteral("Ｌ<sub>%1</sub> =").arg(row.index), row.left, row.top,
                 600, kRowHeight, Qt::AlignRight | Qt::AlignVCenter);
        AddLabel(picEnko, QStringLiteral("m"), BoxLeft(row) + kBoxWidth + 30, row.top, 240,
                 kRowHeight);
    }
    // The checks warn on every accepted exit, changed or not.
    const std::vector<NumEntry> table = {
        PlaceEntry("N7enko", "txtL1", BoxLeft(kL1Row), kL1Row.top, kBoxWidth, kRowHeight),
        PlaceEntry("N7enko", "txtL2", BoxLeft(kL2Row), kL2Row.top, kBoxWidth, kRowHeight),
        PlaceEntry("N7enko", "txtL3", BoxLeft(kL3Row), kL3Row.top, kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(picEnko, table);
    txtL1 = boxes[0];
    txtL2 = boxes[1];
    txtL3 = boxes[2];
    Entries()->Rule(txtL1)->onAccepted = [this] {
        CheckShape(true, true);
        CheckDepth(true);
    };
    Entries()->Rule(txtL2)->onAccepted = [this] { CheckDepth(true); };
    Entries()->Rule(txtL3)->onAccepted = [this] { CheckShape(false, true); };

    AddLabel(picEnko, QStringLiteral("θ<sub>0</sub> ="), 2340, 3300, 600, kRowHeight,
             Qt::AlignRight | Qt::AlignVCenter);
    lblSita0 = AddValueLabel(picEnko, QStringLiteral("lblSita0"), 2970, 3300, kBoxWidth, kRowHeight,
                             ValueLook::Sunken);

    SetTabChain({txtL1, txtL2, txtL3, cmdBegin, cmdBack, cmdIndicate, cmdNext, cmdResult});
    UseFocusSink(QStringLiteral("Text4"));
    QWidget::setTabOrder(cmdResult, FocusSink);
    SetTabWrapTarget(txtL1);
}

void N7enko::OnLoad() {
    // The stored texts as they stand.
    txtL1->setText(QStr(Design.EnkoL1));
    txtL2->setText(QStr(Design.EnkoL2));
    txtL3->setText(QStr(Design.EnkoL3));
}

void N7enko::OnActivate() {
    lblSita0->setText(QStr(Design.SlopeAngle));
    CheckShape(true, false);
    CheckDepth(false);
}

bool N7enko::CheckShape(bool needL1, bool warn) {
    const bool fails = ArcPastToe(Design.TotalLengthY, Design.EnkoL1, Design.EnkoL3, needL1);
    const QColor& c = fails ? kRedText : kBlackText;
    SetForeColor(txtL1, c);
    SetForeColor(txtL3, c);
    if (fails && warn) MsgBox(kShapeMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    return fails;
}

bool N7enko::CheckDepth(bool warn) {
    const bool fails = ArcTooDeep(Design.EnkoL1, Design.EnkoL2);
    SetForeColor(txtL2, fails ? kRedText : kBlackText);
    if (fails && warn) MsgBox(kDepthMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    return fails;
}

}  // namespace talvo
