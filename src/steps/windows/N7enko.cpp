#include "steps/windows/N7enko.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/windows/InputPlacing.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

using input::Place;
using input::Text;

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N7enko", [] { return new N7enko; });
    return true;
}();

const char* const kShapeMessage = "崩壊の形状がのり長を超えています。";
const char* const kDepthMessage = "崩壊の深さが円弧の半径を超えています。";

constexpr int kBoxWidth = 900;
constexpr int kRowHeight = 330;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A stored length in whole thousandths of a metre. The lengths carry three
// decimals; comparing them so keeps a failure that ends exactly at the toe
// (0.1 + 0.2 against 0.3) from reading as too long.
// A damaged file may hold any number: it is kept inside what the count holds.
long long Thousandths(const std::string& text) {
    const double v = std::clamp(NumVal(text) * 1000.0, -1e15, 1e15);
    return std::llround(v);
}

// One dimension on the figure: "Ｌ" with its index and "=", the box, "m".
QLineEdit* LengthRow(QWidget* figure, int index, int left, int top) {
    Text(figure, QStringLiteral("Ｌ<sub>%1</sub> =").arg(index), left, top, 600, kRowHeight,
         Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* box = input::Box(figure, QStringLiteral("txtL%1").arg(index), left + 630, top,
                                kBoxWidth, kRowHeight);
    Text(figure, QStringLiteral("m"), left + 630 + kBoxWidth + 30, top, 240, kRowHeight);
    return box;
}

}  // namespace

N7enko::N7enko(QWidget* parent) : StepForm(QStringLiteral("N7enko"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(ArcPicture());

    picEnko = new ArcFailureFigure(this);
    Place(picEnko, 240, 120, 8835, 3960);
    lblTitle = Text(picEnko, QStringLiteral("のり中間からの崩壊方法"), 180, 120, 3600, 330);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);

    txtL3 = LengthRow(picEnko, 3, 4500, 180);
    txtL1 = LengthRow(picEnko, 1, 2760, 1050);
    txtL2 = LengthRow(picEnko, 2, 4680, 3100);

    Text(picEnko, QStringLiteral("θ<sub>0</sub> ="), 2340, 3300, 600, kRowHeight,
         Qt::AlignRight | Qt::AlignVCenter);
    lblSita0 = new QLabel(picEnko);
    lblSita0->setObjectName(QStringLiteral("lblSita0"));
    lblSita0->setTextFormat(Qt::PlainText);
    lblSita0->setFrameShape(QFrame::Panel);
    lblSita0->setFrameShadow(QFrame::Sunken);
    lblSita0->setAutoFillBackground(true);
    {
        QPalette pal = lblSita0->palette();
        pal.setColor(QPalette::Window, Qt::white);
        lblSita0->setPalette(pal);
    }
    Place(lblSita0, 2970, 3300, kBoxWidth, kRowHeight);

    QWidget::setTabOrder(txtL1, txtL2);
    QWidget::setTabOrder(txtL2, txtL3);
    QWidget::setTabOrder(txtL3, cmdBegin);
    QWidget::setTabOrder(cmdBegin, cmdBack);
    QWidget::setTabOrder(cmdBack, cmdIndicate);
    QWidget::setTabOrder(cmdIndicate, cmdNext);
    QWidget::setTabOrder(cmdNext, cmdResult);
    UseFocusSink(QStringLiteral("Text4"));
    QWidget::setTabOrder(cmdResult, FocusSink);
    SetTabWrapTarget(txtL1);

    auto length = [](double min, std::string* field, std::function<void()> checks) {
        NumBox b;
        b.min = min;
        b.max = 99.999;
        b.decimals = 3;
        b.places = 3;
        b.field = field;
        b.flags = {&RecalcLoad};
        // The checks warn on every accepted exit, changed or not.
        b.onAccepted = std::move(checks);
        return b;
    };
    Entries()->AddNumber(txtL1, length(0.001, &Design.EnkoL1, [this] {
                             CheckShape(true, true);
                             CheckDepth(true);
                         }));
    Entries()->AddNumber(txtL2, length(0.001, &Design.EnkoL2, [this] { CheckDepth(true); }));
    Entries()->AddNumber(txtL3, length(0.0, &Design.EnkoL3, [this] { CheckShape(false, true); }));
}

void N7enko::OnLoad() {
    // The stored texts as they stand.
    txtL1->setText(Q(Design.EnkoL1));
    txtL2->setText(Q(Design.EnkoL2));
    txtL3->setText(Q(Design.EnkoL3));
}

void N7enko::OnActivate() {
    lblSita0->setText(Q(Design.SlopeAngle));
    CheckShape(true, false);
    CheckDepth(false);
}

bool N7enko::CheckShape(bool needL1, bool warn) {
    const std::string& l = Design.TotalLengthY;
    const std::string& l1 = Design.EnkoL1;
    const bool fails = !l.empty() && (!needL1 || !l1.empty()) &&
                       Thousandths(l) < Thousandths(l1) + Thousandths(Design.EnkoL3);
    const QColor& c = fails ? input::kRedText : input::kBlackText;
    input::SetForeColor(txtL1, c);
    input::SetForeColor(txtL3, c);
    if (fails && warn) MsgBox(kShapeMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    return fails;
}

bool N7enko::CheckDepth(bool warn) {
    const std::string& l1 = Design.EnkoL1;
    const std::string& l2 = Design.EnkoL2;
    const bool fails = !l1.empty() && !l2.empty() && Thousandths(l1) < 2 * Thousandths(l2);
    input::SetForeColor(txtL2, fails ? input::kRedText : input::kBlackText);
    if (fails && warn) MsgBox(kDepthMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    return fails;
}

}  // namespace talvo
