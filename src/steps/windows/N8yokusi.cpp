#include "steps/windows/N8yokusi.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "calc/anchorload.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/loadconditions.h"
#include "steps/windows/DerivedForm.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N8yokusi", [] { return new N8yokusi; });
    return true;
}();

const char* const kAngleMessage = "標準の入力範囲は、10～45です。";

// The captions of the rows that name the kind, rock bolts then ground anchors.
const char* const kKindCaptions[2][4] = {
    {"ロックボルト水平間隔", "ロックボルト施工段数", "ロックボルト打設傾角",
     "（縦枠ロックボルト数"},
    {"アンカー水平間隔", "アンカー施工段数", "アンカー打設傾角", "（縦枠アンカー数"}};

// Columns of the rows, twips inside the frame.
constexpr int kCaptionLeft = 3240;
constexpr int kCaptionWidth = 2280;
constexpr int kSymbolLeft = 5580;
constexpr int kSymbolWidth = 570;
constexpr int kEqualLeft = 6180;
constexpr int kBoxLeft = 6450;
constexpr int kBoxWidth = 1140;
constexpr int kUnitLeft = 7650;
constexpr int kRowTop = 300;
constexpr int kRowStep = 330;
constexpr int kRowHeight = 300;
// The rows of the friction, below the seven rows and their option buttons.
constexpr int kFrictionTop = kRowTop + 7 * kRowStep + 90;
constexpr int kPhiTop = kFrictionTop + kRowStep + 30;
constexpr int kTanTop = kPhiTop + kRowStep;

constexpr int RowTop(int i) {
    return kRowTop + i * kRowStep;
}

}  // namespace

N8yokusi::N8yokusi(QWidget* parent) : StepForm(QStringLiteral("N8yokusi"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    fraMain = new QGroupBox(QStringLiteral("設計荷重の算出条件"), this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    PlaceTwips(fraMain, 240, 60, 8835, 4080);

    picTidori = new StaggerPicture(fraMain);
    PlaceTwips(picTidori, 180, 330, 2880, 3420);
    chkBard = new QCheckBox(QStringLiteral(" 千鳥配置"), picTidori);
    chkBard->setObjectName(QStringLiteral("chkBard"));
    PlaceTwips(chkBard, 300, 90, 2100, 300);
    chkBard->setAutoFillBackground(true);
    connect(chkBard, &QCheckBox::toggled, this, &N8yokusi::BardClick);
    Entries()->HoldAfterRefusal(chkBard);

    // One row: its caption (none for a row of the friction), symbol, "=" and
    // unit around the box or label.
    auto row = [this](int top, const QString& caption, const QString& symbol, const QString& unit) {
        QLabel* c = caption.isEmpty()
                        ? nullptr
                        : AddLabel(fraMain, caption, kCaptionLeft, top, kCaptionWidth, kRowHeight);
        AddLabel(fraMain, symbol, kSymbolLeft, top, kSymbolWidth, kRowHeight, Qt::AlignCenter);
        AddLabel(fraMain, QStringLiteral("="), kEqualLeft, top, 240, kRowHeight, Qt::AlignCenter);
        if (!unit.isEmpty()) AddLabel(fraMain, unit, kUnitLeft, top, 900, kRowHeight);
        return c;
    };
    auto value = [this](const char* name, int top) {
        return AddValueLabel(fraMain, QString::fromUtf8(name), kBoxLeft, top, kBoxWidth, kRowHeight,
                             ValueLook::Sunken);
    };
    row(RowTop(0), QStringLiteral("のり面の計画安全率"), QStringLiteral("ＰＦs"), QString());
    row(RowTop(1), QStringLiteral("必要抑止力"), QStringLiteral("Ｐｒ"), QStringLiteral("(kN/m)"));
    row(RowTop(2), QStringLiteral("すべり面勾配"), QStringLiteral("θ"), QStringLiteral("(°)"));
    lblKind[0] = row(RowTop(3), QString::fromUtf8(kKindCaptions[0][0]), QStringLiteral("＠"),
                     QStringLiteral("(m)"));
    lblLevel = value("lblLevel", RowTop(3));
    lblKind[1] = row(RowTop(4), QString::fromUtf8(kKindCaptions[0][1]), QStringLiteral("n"),
                     QStringLiteral("(段)"));
    lblKind[3] = row(RowTop(5), QString::fromUtf8(kKindCaptions[0][3]),
                     QStringLiteral("n<sub>y</sub>"), QStringLiteral("）"));
    lblRockboltNum = value("lblRockboltNum", RowTop(5));
    lblKind[2] = row(RowTop(6), QString::fromUtf8(kKindCaptions[0][2]), QStringLiteral("α"),
                     QStringLiteral("(°)"));
    const char* const kindNames[4] = {"lblLevelCaption", "lblStepCaption", "lblAngleCaption",
                                      "lblCountCaption"};
    for (int i = 0; i < 4; ++i) lblKind[static_cast<std::size_t>(i)]->setObjectName(kindNames[i]);
    // The boxes are made after the check box and before the option buttons:
    // the first box then takes the focus when the step is shown.
    const std::vector<NumEntry> rowTable = {
        PlaceEntry("N8yokusi", "txtSafety", kBoxLeft, RowTop(0), kBoxWidth, kRowHeight),
        PlaceEntry("N8yokusi", "txtDeter", kBoxLeft, RowTop(1), kBoxWidth, kRowHeight),
        PlaceEntry("N8yokusi", "txtSlope", kBoxLeft, RowTop(2), kBoxWidth, kRowHeight),
        PlaceEntry("N8yokusi", "txtStep", kBoxLeft, RowTop(4), kBoxWidth, kRowHeight),
        PlaceEntry("N8yokusi", "txtRockboltAngle", kBoxLeft, RowTop(6), kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> rows = Entries()->AddNumbers(fraMain, rowTable);
    txtSafety = rows[0];
    txtDeter = rows[1];
    txtSlope = rows[2];
    txtStep = rows[3];
    txtRockboltAngle = rows[4];
    Entries()->Rule(txtStep)->onAccepted = [this] { RowsCheck(); };
    Entries()->Rule(txtRockboltAngle)->onChanged = [this] { AngleCheck(); };

    // The friction of the surface layer: entered as φ or as tan φ.
    AddLabel(fraMain, QStringLiteral("表層部の内部摩擦角"), kCaptionLeft, kFrictionTop,
             kCaptionWidth, kRowHeight);
    optAngle = new QRadioButton(QStringLiteral("角度入力"), fraMain);
    optAngle->setObjectName(QStringLiteral("optAngle"));
    PlaceTwips(optAngle, kSymbolLeft, kFrictionTop, 1260, kRowHeight);
    optTanFai = new QRadioButton(QStringLiteral("tanφ入力"), fraMain);
    optTanFai->setObjectName(QStringLiteral("optTanFai"));
    PlaceTwips(optTanFai, kSymbolLeft + 1320, kFrictionTop, 1500, kRowHeight);
    // The engineer's choice arrives as a click of the group, after the
    // press has taken the focus from the box being edited: a refused entry
    // keeps its box, and the option in force stays.
    frictionOptions_ = new QButtonGroup(this);
    frictionOptions_->setExclusive(true);
    frictionOptions_->addButton(optAngle, 0);
    frictionOptions_->addButton(optTanFai, 1);
    connect(frictionOptions_, &QButtonGroup::idClicked, this, [this](int mode) {
        if (!Entries()->CommitPending(frictionOptions_->button(mode))) {
            KeepFrictionInForce();
            return;
        }
        if (mode == Design.FrictionInputMode) return;
        if (mode == 0)
            AngleOptionClick();
        else
            TanFaiOptionClick();
    });
    row(kPhiTop, QString(), QStringLiteral("φ"), QStringLiteral("(°)"));
    lblAngle = value("lblAngle", kPhiTop);
    row(kTanTop, QString(), QStringLiteral("tanφ"), QString());
    lblTanFai = value("lblTanFai", kTanTop);
    const std::vector<NumEntry> frictionTable = {
        PlaceEntry("N8yokusi", "txtAngle", kBoxLeft, kPhiTop, kBoxWidth, kRowHeight),
        PlaceEntry("N8yokusi", "txtTanFai", kBoxLeft, kTanTop, kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> friction = Entries()->AddNumbers(fraMain, frictionTable);
    txtAngle = friction[0];
    txtTanFai = friction[1];
    NumBox* phi = Entries()->Rule(txtAngle);
    phi->onChanged = [this] { AngleChanged(); };
    phi->onAccepted = [this] { lblAngle->setText(txtAngle->text()); };
    NumBox* tan = Entries()->Rule(txtTanFai);
    tan->onChanged = [this] { TanFaiChanged(); };
    tan->onAccepted = [this] { lblTanFai->setText(txtTanFai->text()); };

    // The chosen mode's box covers its label; the other label shows the
    // derived value.
    txtAngle->hide();
    txtTanFai->hide();
    txtAngle->raise();
    txtTanFai->raise();

    // Tab order as the step reads: the stagger check box on the picture at
    // the left, the five boxes, the friction's mode (one stop) and its box,
    // the buttons, then the sink, which sends the focus round to the check
    // box. The step still opens in its first box.
    OneTabStop({optAngle, optTanFai});
    SetTabChainFromFirst({chkBard, txtSafety, txtDeter, txtSlope, txtStep, txtRockboltAngle,
                          optAngle, optTanFai, txtAngle, txtTanFai, cmdBegin, cmdBack, cmdIndicate,
                          cmdNext, cmdResult});
    UseFocusSink(QStringLiteral("Text9"));
    QWidget::setTabOrder(cmdResult, FocusSink);
    SetTabWrapTarget(chkBard);
}

void N8yokusi::OnLoad() {
    txtSafety->setText(NumText(Design.PlanFs, 5, 2));
    txtDeter->setText(NumText(Design.Pr, 5, 1));
    txtSlope->setText(NumText(Design.SlipAngle, 5, 2));
    txtStep->setText(NumText(Design.RowCount, 5, 0));
    txtRockboltAngle->setText(QStr(Design.InstallAngle));
    lblAngle->setText(NumText(Design.FrictionAngle, 5, 2));
    lblTanFai->setText(NumText(Design.TanPhi, 5, 5));
    SelectFriction(Design.FrictionInputMode);
    // Checking the box runs its click handling, as the engineer's click does.
    chkBard->setChecked(Design.Staggered == 1);

    const int kind = Design.WorkType == 4 ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i)
        lblKind[i]->setText(QString::fromUtf8(kKindCaptions[kind][i]));
    if (Design.WorkType == 4) ColorAngle();
}

void N8yokusi::SelectFriction(int mode) {
    QRadioButton* opt = mode == 0 ? optAngle : mode == 1 ? optTanFai : nullptr;
    if (!opt) return;
    opt->setChecked(true);
    if (mode == 0)
        AngleOptionClick();
    else
        TanFaiOptionClick();
}

void N8yokusi::KeepFrictionInForce() {
    if (Design.FrictionInputMode == 0 || Design.FrictionInputMode == 1) {
        frictionOptions_->button(Design.FrictionInputMode)->setChecked(true);
        return;
    }
    // No mode chosen yet: neither option shows as chosen.
    frictionOptions_->setExclusive(false);
    optAngle->setChecked(false);
    optTanFai->setChecked(false);
    frictionOptions_->setExclusive(true);
}

void N8yokusi::AngleOptionClick() {
    Design.FrictionInputMode = 0;
    txtAngle->show();
    txtTanFai->hide();
    txtAngle->setText(lblAngle->text());
}

void N8yokusi::TanFaiOptionClick() {
    Design.FrictionInputMode = 1;
    txtTanFai->show();
    txtAngle->hide();
    txtTanFai->setText(lblTanFai->text());
}

void N8yokusi::BardClick(bool checked) {
    Design.Staggered = checked ? 1 : 0;
    picTidori->SetShape19Visible(!checked);
    CalcHorizSpacing();
    lblLevel->setText(NumVal(Design.HorizSpacing) != 0 ? QStr(Design.HorizSpacing) : QString());
    RecalcLoad = 1;
    DataChanged = 1;
}

void N8yokusi::AngleChanged() {
    lblAngle->setText(txtAngle->text());
    ShowDerivedForm(lblAngle, lblTanFai, Design.TanPhi, TanPhiOfAngle);
}

void N8yokusi::TanFaiChanged() {
    lblTanFai->setText(txtTanFai->text());
    ShowDerivedForm(lblTanFai, lblAngle, Design.FrictionAngle, FrictionAngleOfTan);
}

bool N8yokusi::ColorRows() {
    const bool fewer = FewerRowsThanAnchors(Design.AnchorCountY, Design.RowCount);
    SetForeColor(txtStep, fewer ? kRedText : kBlackText);
    return fewer;
}

bool N8yokusi::ColorAngle() {
    const bool outside = InstallAngleOutsideStandard(Design.WorkType, Design.InstallAngle);
    SetForeColor(txtRockboltAngle, outside ? kRedText : kBlackText);
    return outside;
}

void N8yokusi::RowsCheck() {
    if (ColorRows())
        MsgBox(Design.WorkType == 4
                   ? "アンカー施工段数が縦枠のアンカー数を下回っています。"
                   : "ロックボルト施工段数が縦枠のロックボルト数を下回っています。",
               MsgButtons::Ok, MsgIcon::Exclamation);
}

void N8yokusi::AngleCheck() {
    if (ColorAngle()) MsgBox(kAngleMessage, MsgButtons::Ok, MsgIcon::Exclamation);
}

void N8yokusi::StaggerTest() {
    const Staggering test = TestStagger(Design, chkBard->isChecked());
    // A disabled box keeps its tick and the stored Staggered; only the
    // spacing ignores them. The spacing is the one the load calculation
    // stores, from the layout as stored.
    chkBard->setEnabled(test.possible);
    CalcHorizSpacing();
}

void N8yokusi::OnActivate() {
    StaggerTest();
    lblLevel->setText(QStr(Design.HorizSpacing));
    lblRockboltNum->setText(NumText(Design.AnchorCountY, 5, 0));
    ColorRows();
}

}  // namespace talvo
