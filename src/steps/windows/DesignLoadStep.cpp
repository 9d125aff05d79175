#include "steps/windows/DesignLoadStep.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "calc/recalc.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

// Rows of the formulas inside the design-load panel, twips: one text line,
// a fraction's numerator on the line above its bar.
constexpr int kLine = 300;
// Where the "=", the value and its unit stand on every formula line.
constexpr int kEqualLeft = 5040;
constexpr int kValueLeft = 5340;
constexpr int kValueWidth = 1260;
constexpr int kUnitLeft = 6660;
// The restraint term under the bar is as wide as its longest caption.
constexpr int kTermWidth = 3000;

// A formula line whose fraction has its numerator at `top`: the texts that
// stand beside the bar are centred on it.
constexpr int BesideBar(int top) {
    return top + kLine - kLine / 2 + 15;
}

}  // namespace

DesignLoadStep::DesignLoadStep(const QString& className, DesignLoadKind kind, QWidget* parent)
    : StepForm(className, kNavAll, parent), kind_(kind) {
    const bool rock = kind == DesignLoadKind::RockBolt;
    SetPicture(AnchorPicture());
    Text1 = FocusSink;

    // The restraint effect: three options, one below the other.
    fraRestraint = AddPanel(
        this,
        rock ? QStringLiteral("ロックボルトの抑止効果") : QStringLiteral("アンカーの抑止効果"), 240,
        60, 4200, 1560);
    fraRestraint->setObjectName(QStringLiteral("fraRestraint"));
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    const QString captions[3] = {QStringLiteral("締め付け"), QStringLiteral("引き止め"),
                                 QStringLiteral("締め付け＋引き止め")};
    for (int i = 0; i < 3; ++i) {
        SSOption1[i] = new QRadioButton(captions[i], fraRestraint);
        SSOption1[i]->setObjectName(QStringLiteral("SSOption1(%1)").arg(i));
        PlaceTwips(SSOption1[i], 360, 360 + i * 380, 3600, kLine);
        options_->addButton(SSOption1[i], i);
    }
    // Only a click changes the choice: the load selects without one.
    connect(options_, &QButtonGroup::idClicked, this, &DesignLoadStep::OptionClick);

    QGroupBox* fraPlanFs = AddPanel(this, QStringLiteral("計画安全率の考慮"), 4560, 60, 4515, 720);
    fraPlanFs->setObjectName(QStringLiteral("fraPlanFs"));
    Check1 = new QCheckBox(QStringLiteral("計画安全率を考慮する"), fraPlanFs);
    Check1->setObjectName(QStringLiteral("Check1"));
    PlaceTwips(Check1, 360, 330, 3600, kLine);
    connect(Check1, &QCheckBox::clicked, this, &DesignLoadStep::CheckClick);

    QGroupBox* fraDeltaPr =
        AddPanel(this, QStringLiteral("必要抑止力の増分"), 4560, 900, 4515, 720);
    fraDeltaPr->setObjectName(QStringLiteral("fraDeltaPr"));
    AddLabel(fraDeltaPr, QStringLiteral("ΔＰr = "), 240, 330, 840, kLine,
             Qt::AlignRight | Qt::AlignVCenter);
    Label16 = AddValueLabel(fraDeltaPr, QStringLiteral("Label16"), 1110, 330, 1140, kLine);
    DeltaPrUnit = AddLabel(fraDeltaPr, QStringLiteral("(kN/m)"), 2310, 330, 2040, kLine);
    DeltaPrUnit->setObjectName(rock ? QStringLiteral("Label14") : QStringLiteral("Label2"));
    (rock ? Label14 : Label2) = DeltaPrUnit;
    // The note of a negative ΔPr holds angle brackets: it is never markup.
    DeltaPrUnit->setTextFormat(Qt::PlainText);

    // The design load as a formula.
    QGroupBox* fraLoad = AddPanel(this,
                                  rock ? QStringLiteral("ロックボルト１本当たりの設計荷重")
                                       : QStringLiteral("アンカー1本当たりの設計荷重"),
                                  240, 1740, 8835, 2340);
    fraLoad->setObjectName(QStringLiteral("fraLoad"));
    const auto valueRow = [&](int top, const char* name) {
        AddLabel(fraLoad, QStringLiteral("="), kEqualLeft, top, 240, kLine, Qt::AlignCenter);
        QLabel* value =
            AddValueLabel(fraLoad, QString::fromLatin1(name), kValueLeft, top, kValueWidth, kLine);
        AddLabel(fraLoad, QStringLiteral("(kN/本)"), kUnitLeft, top, 1000, kLine);
        return value;
    };
    if (rock) {
        // S = (Pr + ΔPr)·＠ / n, then Pt = S / c.
        const int top1 = 420;
        AddLabel(fraLoad, QStringLiteral("せん断力 Ｓ = "), 240, BesideBar(top1), 1500, kLine,
                 Qt::AlignRight | Qt::AlignVCenter);
        AddLabel(fraLoad, QStringLiteral(" (Ｐr＋ΔＰr)・"), 1770, BesideBar(top1), 1560, kLine);
        AddFraction(fraLoad, QStringLiteral("＠"), QStringLiteral("n"), 3360, top1, 360, kLine);
        Label3 = valueRow(BesideBar(top1), "Label3");

        const int top2 = 1260;
        AddLabel(fraLoad, QStringLiteral("引張力　Ｐt ="), 240, BesideBar(top2), 1500, kLine,
                 Qt::AlignRight | Qt::AlignVCenter);
        Fraction f =
            AddFraction(fraLoad, QStringLiteral("Ｓ"), QString(), 1800, top2, kTermWidth, kLine);
        Label19 = f.den;
        Label21 = valueRow(BesideBar(top2), "Label21");
    } else {
        // Pt = (Pr + ΔPr) / c · ＠ / n.
        const int top = 780;
        AddLabel(fraLoad, QStringLiteral("Ｐt ="), 240, BesideBar(top), 660, kLine,
                 Qt::AlignRight | Qt::AlignVCenter);
        Fraction f = AddFraction(fraLoad, QStringLiteral("Ｐr＋ΔＰr"), QString(), 960, top,
                                 kTermWidth, kLine);
        Label19 = f.den;
        AddLabel(fraLoad, QStringLiteral("・"), 4020, BesideBar(top), 240, kLine, Qt::AlignCenter);
        AddFraction(fraLoad, QStringLiteral("＠"), QStringLiteral("ｎ"), 4320, top, 360, kLine);
        Label21 = valueRow(BesideBar(top), "Label21");
    }
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setTextFormat(Qt::PlainText);

    // Keyboard order: the options (one stop; the arrow keys choose), the
    // check box, the five buttons, the sink (which keeps the focus).
    OneTabStop({SSOption1[0], SSOption1[1], SSOption1[2]});
    SetTabChain({SSOption1[0], SSOption1[1], SSOption1[2], Check1, cmdBegin, cmdBack, cmdIndicate,
                 cmdNext, cmdResult, FocusSink});
}

void DesignLoadStep::OnLoad() {
    // Showing the stored choices is no choice of the engineer: no click runs.
    Check1->setChecked(Design.UsePlanFs != 0);
    if (Design.RestraintMode >= 0 && Design.RestraintMode < 3)
        SSOption1[Design.RestraintMode]->setChecked(true);
    ShowRestraintTerm();
}

void DesignLoadStep::OnActivate() {
    RunRockOnActivation();
    DeltaPrUnit->setText(QStr(DeltaPrUnitNote(Design.DeltaPrCalc)));
    ShowValues();
}

void DesignLoadStep::OptionClick(int mode) {
    if (!ChooseRestraintMode(mode)) return;
    ShowRestraintTerm();
    ShowValues();
}

void DesignLoadStep::CheckClick(bool checked) {
    if (!ChoosePlanFs(checked)) return;
    ShowRestraintTerm();
    ShowValues();
}

void DesignLoadStep::ShowRestraintTerm() {
    Label19->setText(QStr(RestraintTermCaption(Design.RestraintMode, Design.UsePlanFs, kind_)));
    Check1->setEnabled(PlanFsOptionOpen(Design.RestraintMode));
}

void DesignLoadStep::ShowValues() {
    if (Label3) Label3->setText(QStr(LoadValueText(Design.RockS)));
    Label16->setText(QStr(LoadValueText(Design.DeltaPr)));
    Label21->setText(QStr(LoadValueText(Design.Pt)));
}

}  // namespace talvo
