#include "steps/windows/NMsiatu.h"

#include <QLabel>
#include <QLineEdit>
#include <string>

#include "calc/anchorage.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/message.h"
#include "shell/windows/StepManager.h"
#include "steps/plate.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NMsiatu", [] { return new NMsiatu; });
    return true;
}();

// Geometry, twips. The six rows of the bearing area under the first band:
// caption, symbol, "=", value, unit.
constexpr int kBandLeft = 240;
constexpr int kBandWidth = 8835;
constexpr int kBandHeight = 300;
constexpr int kRowHeight = 300;
constexpr int kRowTop = 480;
constexpr int kRowStep = 330;
constexpr int kCaptionLeft = 600;
constexpr int kCaptionWidth = 3000;
constexpr int kSymbolLeft = 3660;
constexpr int kSymbolWidth = 600;
constexpr int kEqualLeft = 4320;
constexpr int kValueLeft = 4620;
constexpr int kValueWidth = 1200;
constexpr int kUnitLeft = 5900;
constexpr int kUnitWidth = 1100;
// The check line under the second band: the fraction Pt/Ap around the line
// on which the values stand.
constexpr int kCheckBandTop = kRowTop + 6 * kRowStep + 120;
constexpr int kFractionTop = kCheckBandTop + kBandHeight + 150;
constexpr int kFractionLine = 270;
constexpr int kCheckTop = kFractionTop + kFractionLine + 15 - kRowHeight / 2;

constexpr int RowTop(int i) {
    return kRowTop + i * kRowStep;
}

const char* const kStressUnit = "(N/mm<sup>2</sup>)";
const char* const kAreaUnit = "(mm<sup>2</sup>)";

}  // namespace

NMsiatu::NMsiatu(QWidget* parent) : StepForm(QStringLiteral("NMsiatu"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    AddTitleBar(this, QStringLiteral("支圧応力度"), kBandLeft, 90, kBandWidth, kBandHeight);
    struct Row {
        const char* caption;
        const char* symbol;
        const char* unit;
        const char* value;  // the value label's name; none for the entry row
    };
    const Row rows[6] = {
        {"コンクリートの設計基準強度", "σ<sub>ck</sub>", kStressUnit, "Label3"},
        {"プレートの幅", "u", "(mm)", nullptr},
        {"アンカーの箱抜き径", "D", "(mm)", "Label4"},
        {"枠　幅", "b", "(mm)", "Label5"},
        {"コンクリートの全面積", "A", kAreaUnit, "Label6"},
        {"プレートの有効面積", "A<sub>p</sub>", kAreaUnit, "Label7"},
    };
    QLabel* values[6] = {};
    for (int i = 0; i < 6; ++i) {
        const Row& r = rows[i];
        const int top = RowTop(i);
        AddLabel(this, QString::fromUtf8(r.caption), kCaptionLeft, top, kCaptionWidth, kRowHeight);
        AddLabel(this, QString::fromUtf8(r.symbol), kSymbolLeft, top, kSymbolWidth, kRowHeight,
                 Qt::AlignCenter);
        AddLabel(this, QStringLiteral("="), kEqualLeft, top, 240, kRowHeight, Qt::AlignCenter);
        AddLabel(this, QString::fromUtf8(r.unit), kUnitLeft, top, kUnitWidth, kRowHeight);
        if (r.value)
            values[i] = AddValueLabel(this, QString::fromUtf8(r.value), kValueLeft, top,
                                      kValueWidth, kRowHeight);
    }
    Label3 = values[0];
    Label4 = values[2];
    Label5 = values[3];
    Label6 = values[4];
    Label7 = values[5];

    // The plate width: no flag, the results window reruns the bearing check
    // on its own activation.
    const std::vector<NumEntry> table = {
        PlaceEntry("NMsiatu", "Text1", kValueLeft, RowTop(1), kValueWidth, kRowHeight),
    };
    Text1 = Entries()->AddNumbers(this, table)[0];
    Text1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    NumBox* rule = Entries()->Rule(Text1);
    rule->onChanged = [this] { PlateWidthChanged(); };
    rule->onAccepted = [this] { PlateWidthAccepted(); };

    // σb = Pt/Ap = Label8 (N/mm²)  Label22  σba = Label9  Label20
    AddTitleBar(this, QStringLiteral("支圧応力度の照査"), kBandLeft, kCheckBandTop, kBandWidth,
                kBandHeight);
    int x = kCaptionLeft;
    AddLabel(this, QStringLiteral("σ<sub>b</sub> ="), x, kCheckTop, 560, kRowHeight);
    x += 600;
    AddFraction(this, QStringLiteral("Ｐ<sub>t</sub>"), QStringLiteral("Ａ<sub>p</sub>"), x,
                kFractionTop, 480, kFractionLine);
    x += 540;
    AddLabel(this, QStringLiteral("="), x, kCheckTop, 240, kRowHeight, Qt::AlignCenter);
    x += 300;
    Label8 = AddValueLabel(this, QStringLiteral("Label8"), x, kCheckTop, kValueWidth, kRowHeight);
    x += kValueWidth + 60;
    AddLabel(this, QString::fromUtf8(kStressUnit), x, kCheckTop, 1020, kRowHeight);
    x += 1080;
    Label22 = AddLabel(this, QString(), x, kCheckTop, 300, kRowHeight, Qt::AlignCenter);
    Label22->setObjectName(QStringLiteral("Label22"));
    x += 360;
    AddLabel(this, QStringLiteral("σ<sub>ba</sub> ="), x, kCheckTop, 660, kRowHeight);
    x += 700;
    Label9 = AddValueLabel(this, QStringLiteral("Label9"), x, kCheckTop, kValueWidth, kRowHeight);
    x += kValueWidth + 60;
    Label20 = AddLabel(this, QStringLiteral("･･･"), x, kCheckTop, 1000, kRowHeight);
    Label20->setObjectName(QStringLiteral("Label20"));

    Text2 = FocusSink;
    SetTabChainFromFirst({Text1, cmdBegin, cmdBack, cmdIndicate, cmdNext, cmdResult, Text2});
}

void NMsiatu::OnActivate() {
    RunBearingOnActivation();
    Label3->setText(NumText(Design.SigmaCk, 7, 0));
    // A box being edited keeps what is typed in it: its own check follows.
    if (!Text1->hasFocus()) Entries()->ShowStored(Text1);
    Label4->setText(NumText(Design.BoxOutD, 7, 0));
    Label5->setText(NumText(Design.SiatuFrameB, 7, 0));
    Label6->setText(NumText(Design.SiatuA, 7, 0));
    ShowCheck();
    ColorPlateWidth();
}

void NMsiatu::ShowCheck() {
    Label7->setText(NumText(Design.Ap, 7, 0));
    Label9->setText(NumText(Design.SigmaBa, 5, 2));
    Label8->setText(NumText(Design.SigmaB, 5, 2));
    ShowVerdict();
}

void NMsiatu::ShowVerdict() {
    const BearingVerdict v = JudgeBearing(StdStr(Label8->text()), StdStr(Label9->text()));
    Label22->setText(QStr(v.sign));
    Label20->setText(QStr(v.mark));
    SetLabelForeColor(Label20, v.out ? kRedText : kBlackText);
}

PlateWidthFault NMsiatu::ColorPlateWidth() {
    const PlateWidthFault fault =
        JudgePlateWidth(Design.PlateU, Design.BoxOutD, Design.SiatuFrameB);
    SetForeColor(Text1, fault == PlateWidthFault::None ? kBlackText : kRedText);
    return fault;
}

void NMsiatu::PlateWidthChanged() {
    CalcSiatu();
    ShowCheck();
}

void NMsiatu::PlateWidthAccepted() {
    // Warned after every accepted entry, also an unchanged one: the width
    // stays stored as entered.
    const PlateWidthFault fault = ColorPlateWidth();
    if (fault != PlateWidthFault::None)
        MsgBox(PlateWidthWarning(fault), MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace talvo
