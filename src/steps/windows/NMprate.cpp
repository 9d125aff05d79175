#include "steps/windows/NMprate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <string>

#include "calc/anchorage.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/Catalogues.h"
#include "steps/plate.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NMprate", [] { return new NMprate; });
    return true;
}();

// Geometry, twips. Each row: its caption, then the symbol or formula, which
// ends at the "=" column, the value and its unit.
constexpr int kBandLeft = 240;
constexpr int kBandWidth = 8835;
constexpr int kBandHeight = 300;
constexpr int kRowHeight = 300;
constexpr int kCaptionLeft = 480;
constexpr int kCaptionWidth = 2640;
constexpr int kFormulaLeft = 3180;
constexpr int kEqualLeft = 5400;
constexpr int kValueLeft = 5700;
constexpr int kValueWidth = 1200;
constexpr int kUnitLeft = 6960;
constexpr int kUnitWidth = 960;
constexpr int kReferLeft = 7980;
constexpr int kReferWidth = 1020;
// The plate: three rows under the first band.
constexpr int kPlateRows[3] = {480, 810, 1140};
// The check: the moment and the required thickness are fractions (the
// second one under a root sign), each centred on its value's row.
constexpr int kCheckBandTop = 1560;
constexpr int kFractionLine = 270;
constexpr int kMomentFraction = 1920;
constexpr int kRootFraction = 2640;
constexpr int kThickTop = 3390;

// The row whose middle lies on the bar of a fraction that starts at `top`.
constexpr int OnBar(int top) {
    return top + kFractionLine + 15 - kRowHeight / 2;
}

// A root sign drawn with lines over the whole widget: the hook at the left,
// then the bar over what stands under it.
class RootSign : public QWidget {
public:
    RootSign(QWidget* parent, int hookTwips) : QWidget(parent), hookTwips_(hookTwips) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1.2));
        const double hook = hookTwips_ / TwipsPerPixelX();
        const double h = height() - 1.5;
        const double w = width() - 1.0;
        const QPointF points[] = {
            {0.5, h * 0.62}, {hook * 0.3, h * 0.52}, {hook * 0.62, h}, {hook, 1.0}, {w, 1.0}};
        p.drawPolyline(points, 5);
    }

private:
    int hookTwips_;
};

const char* const kStressUnit = "(N/mm<sup>2</sup>)";

}  // namespace

NMprate::NMprate(QWidget* parent) : StepForm(QStringLiteral("NMprate"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    auto caption = [this](const char* text, int top) {
        AddLabel(this, QString::fromUtf8(text), kCaptionLeft, top, kCaptionWidth, kRowHeight);
    };
    // The symbol of a row stands right before its "=".
    auto symbol = [this](const QString& text, int top) {
        AddLabel(this, text, kFormulaLeft, top, kEqualLeft - kFormulaLeft - 60, kRowHeight,
                 Qt::AlignRight | Qt::AlignVCenter);
    };
    auto equal = [this](int top) {
        AddLabel(this, QStringLiteral("="), kEqualLeft, top, 240, kRowHeight, Qt::AlignCenter);
    };
    auto unit = [this](const char* text, int top) {
        AddLabel(this, QString::fromUtf8(text), kUnitLeft, top, kUnitWidth, kRowHeight);
    };
    auto value = [this](const char* name, int top) {
        return AddValueLabel(this, QString::fromUtf8(name), kValueLeft, top, kValueWidth,
                             kRowHeight);
    };

    AddTitleBar(this, QStringLiteral("アンカープレート"), kBandLeft, 90, kBandWidth, kBandHeight);
    caption("プレートの許容曲げ応力度", kPlateRows[0]);
    symbol(QStringLiteral("σ<sub>pa</sub>"), kPlateRows[0]);
    equal(kPlateRows[0]);
    unit(kStressUnit, kPlateRows[0]);
    cmdRefer = new QPushButton(QStringLiteral("参考値..."), this);
    cmdRefer->setObjectName(QStringLiteral("cmdRefer"));
    cmdRefer->setAutoDefault(false);
    PlaceTwips(cmdRefer, kReferLeft, kPlateRows[0] - 38, kReferWidth, 375);
    cmdRefer->setEnabled(false);
    connect(cmdRefer, &QPushButton::clicked, this, [this] { ReferClicked(); });

    caption("プレートの幅", kPlateRows[1]);
    symbol(QStringLiteral("u"), kPlateRows[1]);
    equal(kPlateRows[1]);
    lblPlateWidth = value("lblPlateWidth", kPlateRows[1]);
    unit("(mm)", kPlateRows[1]);

    caption("アンカーの箱抜き径", kPlateRows[2]);
    symbol(QStringLiteral("D"), kPlateRows[2]);
    equal(kPlateRows[2]);
    lblDiameter = value("lblDiameter", kPlateRows[2]);
    unit("(mm)", kPlateRows[2]);

    AddTitleBar(this, QStringLiteral("プレートの検討"), kBandLeft, kCheckBandTop, kBandWidth,
                kBandHeight);
    // M = ((Pt/2)·D)/4
    const int momentRow = OnBar(kMomentFraction);
    caption("曲げモーメント", momentRow);
    AddLabel(this, QStringLiteral("Ｍ ="), kFormulaLeft, momentRow, 480, kRowHeight);
    AddFraction(this, QStringLiteral("(Ｐ<sub>t</sub>／２)・Ｄ"), QStringLiteral("４"),
                kFormulaLeft + 540, kMomentFraction, 1500, kFractionLine);
    equal(momentRow);
    lblMoment = value("lblMoment", momentRow);
    unit("(N･mm)", momentRow);

    // t ≧ √(6·M/(u·σpa))
    const int rootRow = OnBar(kRootFraction);
    caption("プレートの必要厚さ", rootRow);
    AddLabel(this, QStringLiteral("ｔ ≧"), kFormulaLeft, rootRow, 480, kRowHeight);
    constexpr int kRootLeft = kFormulaLeft + 540;
    constexpr int kHook = 240;
    auto* root = new RootSign(this, kHook);
    root->setObjectName(QStringLiteral("RootSign"));
    PlaceTwips(root, kRootLeft, kRootFraction - 75, 1600, 2 * kFractionLine + 45 + 75 + 30);
    AddFraction(this, QStringLiteral("６・Ｍ"), QStringLiteral("ｕ・σ<sub>pa</sub>"),
                kRootLeft + kHook + 60, kRootFraction, 1240, kFractionLine);
    equal(rootRow);
    lblThick = value("lblThick", rootRow);
    unit("(mm)", rootRow);

    caption("プレートの厚さ", kThickTop);
    symbol(QStringLiteral("ｔ"), kThickTop);
    equal(kThickTop);
    unit("(mm)", kThickTop);

    // The two entries; neither raises a flag: the results window reruns the
    // plate on its own activation.
    const std::vector<NumEntry> table = {
        PlaceEntry("NMprate", "txtStress", kValueLeft, kPlateRows[0], kValueWidth, kRowHeight),
        PlaceEntry("NMprate", "txtPlateThick", kValueLeft, kThickTop, kValueWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(this, table);
    txtStress = boxes[0];
    txtPlateThick = boxes[1];
    for (QLineEdit* box : boxes) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A refused value comes back, and the focus goes on where it was sent.
        Entries()->Rule(box)->refocusOnRefusal = false;
    }
    Entries()->Rule(txtStress)->onChanged = [this] { StressChanged(); };
    Entries()->Rule(txtStress)->onAccepted = [this] { ColorThickness(); };
    Entries()->Rule(txtPlateThick)->onAccepted = [this] { ThicknessAccepted(); };

    Text3 = FocusSink;
    SetTabChainFromFirst({txtStress, cmdRefer, txtPlateThick, cmdBegin, cmdBack, cmdIndicate,
                          cmdNext, cmdResult, Text3});
}

void NMprate::SetReferEnabled(bool on) {
    cmdRefer->setEnabled(on);
}

void NMprate::OnActivate() {
    SetReferEnabled(true);
    RunPlateOnActivation();
    // A box being edited keeps what is typed in it: its own check follows.
    if (!txtStress->hasFocus()) Entries()->ShowStored(txtStress);
    if (!txtPlateThick->hasFocus()) Entries()->ShowStored(txtPlateThick);
    ColorThickness();
    lblPlateWidth->setText(NumText(Design.PlateU, 6, 0));
    lblDiameter->setText(NumText(Design.BoxOutD, 6, 0));
    lblMoment->setText(NumText(Design.PlateM, 8, 0));
    lblThick->setText(NumText(Design.PlateTReq, 8, 1));
}

void NMprate::OnDeactivate() {
    SetReferEnabled(false);
}

void NMprate::OnResized(bool minimised) {
    SetReferEnabled(!minimised);
}

void NMprate::ReferClicked() {
    // A picked stress goes into txtStress; the box's own check then stores
    // it like a typed one. After a cancel the same check finds nothing
    // changed.
    Fmage dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        txtStress->setText(QStr(FormatNum(dialog.PickedCell(2), 7, 0)));
    if (!Entries()->CheckBox(txtStress)) return;
    cmdRefer->setFocus(Qt::OtherFocusReason);
}

void NMprate::StressChanged() {
    CalcPrate();
    lblThick->setText(NumText(Design.PlateTReq, 8, 1));
    if (!txtPlateThick->hasFocus()) Entries()->ShowStored(txtPlateThick);
}

bool NMprate::ColorThickness() {
    const bool thin = PlateTooThin(Design.PlateTReq, Design.PlateT);
    SetForeColor(txtPlateThick, thin ? kRedText : kBlackText);
    return thin;
}

void NMprate::ThicknessAccepted() {
    // Warned each time the box is left, changed or not; the thickness stays.
    if (ColorThickness()) MsgBox(kPlateTooThinWarning, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace talvo
