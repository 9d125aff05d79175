#include "steps/windows/N8yokusi.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
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

std::string Str(const QString& s) {
    return s.toStdString();
}
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* ValueLabel(QWidget* parent, const QString& name, int left, int top) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    l->setPalette(pal);
    Place(l, left, top, kBoxWidth, kRowHeight);
    return l;
}

// A length in whole millimetres, kept inside what the count holds.
long long Millimetres(const std::string& text) {
    return std::llround(std::clamp(NumVal(text) * 1000.0, -1e15, 1e15));
}

std::string HalfPitch() {
    return FormatNum(NumStr(NumVal(Design.PitchX) / 2), 5, 3);
}

}  // namespace

N8yokusi::N8yokusi(QWidget* parent) : StepForm(QStringLiteral("N8yokusi"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());

    fraMain = new QGroupBox(QStringLiteral("設計荷重の算出条件"), this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    Place(fraMain, 240, 60, 8835, 4080);

    picTidori = new StaggerPicture(fraMain);
    Place(picTidori, 180, 330, 2880, 3420);
    chkBard = new QCheckBox(QStringLiteral(" 千鳥配置"), picTidori);
    chkBard->setObjectName(QStringLiteral("chkBard"));
    Place(chkBard, 300, 90, 2100, 300);
    chkBard->setAutoFillBackground(true);
    connect(chkBard, &QCheckBox::toggled, this, &N8yokusi::BardClick);

    // One row: caption, symbol, "=", the box or label, the unit.
    auto row = [this](int i, const QString& caption, const QString& symbol, const QString& unit) {
        const int top = kRowTop + i * kRowStep;
        QLabel* c = Text(fraMain, caption, kCaptionLeft, top, kCaptionWidth, kRowHeight);
        Text(fraMain, symbol, kSymbolLeft, top, kSymbolWidth, kRowHeight, Qt::AlignCenter);
        Text(fraMain, QStringLiteral("="), kEqualLeft, top, 240, kRowHeight, Qt::AlignCenter);
        if (!unit.isEmpty()) Text(fraMain, unit, kUnitLeft, top, 900, kRowHeight);
        return c;
    };
    auto box = [this](const char* name, int i) {
        return input::Box(fraMain, QString::fromUtf8(name), kBoxLeft, kRowTop + i * kRowStep,
                          kBoxWidth, kRowHeight);
    };
    row(0, QStringLiteral("のり面の計画安全率"), QStringLiteral("ＰＦs"), QString());
    txtSafety = box("txtSafety", 0);
    row(1, QStringLiteral("必要抑止力"), QStringLiteral("Ｐｒ"), QStringLiteral("(kN/m)"));
    txtDeter = box("txtDeter", 1);
    row(2, QStringLiteral("すべり面勾配"), QStringLiteral("θ"), QStringLiteral("(°)"));
    txtSlope = box("txtSlope", 2);
    lblKind[0] =
        row(3, QString::fromUtf8(kKindCaptions[0][0]), QStringLiteral("＠"), QStringLiteral("(m)"));
    lblLevel = ValueLabel(fraMain, QStringLiteral("lblLevel"), kBoxLeft, kRowTop + 3 * kRowStep);
    lblKind[1] =
        row(4, QString::fromUtf8(kKindCaptions[0][1]), QStringLiteral("n"), QStringLiteral("(段)"));
    txtStep = box("txtStep", 4);
    lblKind[3] = row(5, QString::fromUtf8(kKindCaptions[0][3]), QStringLiteral("n<sub>y</sub>"),
                     QStringLiteral("）"));
    lblRockboltNum =
        ValueLabel(fraMain, QStringLiteral("lblRockboltNum"), kBoxLeft, kRowTop + 5 * kRowStep);
    lblKind[2] =
        row(6, QString::fromUtf8(kKindCaptions[0][2]), QStringLiteral("α"), QStringLiteral("(°)"));
    txtRockboltAngle = box("txtRockboltAngle", 6);
    const char* const kindNames[4] = {"lblLevelCaption", "lblStepCaption", "lblAngleCaption",
                                      "lblCountCaption"};
    for (int i = 0; i < 4; ++i) lblKind[static_cast<std::size_t>(i)]->setObjectName(kindNames[i]);

    // The friction of the surface layer: entered as φ or as tan φ.
    const int fTop = kRowTop + 7 * kRowStep + 90;
    Text(fraMain, QStringLiteral("表層部の内部摩擦角"), kCaptionLeft, fTop, kCaptionWidth,
         kRowHeight);
    optAngle = new QRadioButton(QStringLiteral("角度入力"), fraMain);
    optAngle->setObjectName(QStringLiteral("optAngle"));
    Place(optAngle, kSymbolLeft, fTop, 1260, kRowHeight);
    optTanFai = new QRadioButton(QStringLiteral("tanφ入力"), fraMain);
    optTanFai->setObjectName(QStringLiteral("optTanFai"));
    Place(optTanFai, kSymbolLeft + 1320, fTop, 1500, kRowHeight);
    connect(optAngle, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !inOption_) AngleOptionClick();
    });
    connect(optTanFai, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !inOption_) TanFaiOptionClick();
    });
    const int phiTop = fTop + kRowStep + 30;
    const int tanTop = phiTop + kRowStep;
    auto frictionRow = [this](int top, const QString& symbol, const QString& unit) {
        Text(fraMain, symbol, kSymbolLeft, top, kSymbolWidth, kRowHeight, Qt::AlignCenter);
        Text(fraMain, QStringLiteral("="), kEqualLeft, top, 240, kRowHeight, Qt::AlignCenter);
        if (!unit.isEmpty()) Text(fraMain, unit, kUnitLeft, top, 900, kRowHeight);
    };
    frictionRow(phiTop, QStringLiteral("φ"), QStringLiteral("(°)"));
    lblAngle = ValueLabel(fraMain, QStringLiteral("lblAngle"), kBoxLeft, phiTop);
    txtAngle =
        input::Box(fraMain, QStringLiteral("txtAngle"), kBoxLeft, phiTop, kBoxWidth, kRowHeight);
    frictionRow(tanTop, QStringLiteral("tanφ"), QString());
    lblTanFai = ValueLabel(fraMain, QStringLiteral("lblTanFai"), kBoxLeft, tanTop);
    txtTanFai =
        input::Box(fraMain, QStringLiteral("txtTanFai"), kBoxLeft, tanTop, kBoxWidth, kRowHeight);
    // The chosen mode's box covers its label; the other label shows the
    // derived value.
    txtAngle->hide();
    txtTanFai->hide();
    txtAngle->raise();
    txtTanFai->raise();

    // Tab order: the five boxes, the buttons, the sink (which sends the focus
    // back to txtSafety); the check box, the friction boxes and the options
    // lie behind the sink, so the Tab key never reaches them.
    QWidget* order[] = {txtSafety, txtDeter, txtSlope,    txtStep, txtRockboltAngle,
                        cmdBegin,  cmdBack,  cmdIndicate, cmdNext, cmdResult};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    UseFocusSink(QStringLiteral("Text9"));
    QWidget::setTabOrder(cmdResult, FocusSink);
    QWidget::setTabOrder(FocusSink, chkBard);
    QWidget::setTabOrder(chkBard, txtAngle);
    QWidget::setTabOrder(txtAngle, txtTanFai);
    QWidget::setTabOrder(txtTanFai, optAngle);
    QWidget::setTabOrder(optAngle, optTanFai);
    SetTabWrapTarget(txtSafety);

    auto number = [](double min, double max, int decimals, std::string* field) {
        NumBox b;
        b.min = min;
        b.max = max;
        b.decimals = decimals;
        b.places = 5;
        b.field = field;
        b.flags = {&RecalcLoad};
        return b;
    };
    Entries()->AddNumber(txtSafety, number(0.01, 9.99, 2, &Design.PlanFs));
    Entries()->AddNumber(txtDeter, number(0.1, 9999.9, 1, &Design.Pr));
    Entries()->AddNumber(txtSlope, number(-90, 90, 2, &Design.SlipAngle));
    NumBox rows = number(1, 99, 0, &Design.RowCount);
    rows.onAccepted = [this] { RowsCheck(); };
    Entries()->AddNumber(txtStep, rows);
    NumBox angle = number(0.01, 89.99, 2, &Design.InstallAngle);
    angle.onChanged = [this] { AngleCheck(); };
    Entries()->AddNumber(txtRockboltAngle, angle);
    NumBox phi = number(0.01, 89.99, 2, &Design.FrictionAngle);
    phi.onChanged = [this] { AngleChanged(); };
    phi.onAccepted = [this] { lblAngle->setText(txtAngle->text()); };
    Entries()->AddNumber(txtAngle, phi);
    NumBox tan = number(0.001, 9.99999, 5, &Design.TanPhi);
    tan.onChanged = [this] { TanFaiChanged(); };
    tan.onAccepted = [this] { lblTanFai->setText(txtTanFai->text()); };
    Entries()->AddNumber(txtTanFai, tan);
}

void N8yokusi::OnLoad() {
    txtSafety->setText(Q(FormatNum(Design.PlanFs, 5, 2)));
    txtDeter->setText(Q(FormatNum(Design.Pr, 5, 1)));
    txtSlope->setText(Q(FormatNum(Design.SlipAngle, 5, 2)));
    txtStep->setText(Q(FormatNum(Design.RowCount, 5, 0)));
    txtRockboltAngle->setText(Q(Design.InstallAngle));
    lblAngle->setText(Q(FormatNum(Design.FrictionAngle, 5, 2)));
    lblTanFai->setText(Q(FormatNum(Design.TanPhi, 5, 5)));
    SelectFriction(Design.FrictionInputMode);
    // Checking the box runs its click handling, as the engineer's click does.
    chkBard->setChecked(Design.Staggered == 1);

    const int kind = Design.WorkType == 4 ? 1 : 0;
    for (std::size_t i = 0; i < 4; ++i)
        lblKind[i]->setText(QString::fromUtf8(kKindCaptions[kind][i]));
    if (Design.WorkType == 4) {
        const std::string& a = Design.InstallAngle;
        const double v = NumVal(a);
        input::SetForeColor(txtRockboltAngle, a.empty() || (v >= 10 && v <= 45) ? input::kBlackText
                                                                                : input::kRedText);
    }
}

void N8yokusi::SelectFriction(int mode) {
    QRadioButton* opt = mode == 0 ? optAngle : mode == 1 ? optTanFai : nullptr;
    if (!opt) return;
    inOption_ = true;
    opt->setChecked(true);
    inOption_ = false;
    if (mode == 0)
        AngleOptionClick();
    else
        TanFaiOptionClick();
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
    Design.HorizSpacing = checked ? HalfPitch() : FormatNum(Design.PitchX, 5, 3);
    lblLevel->setText(NumVal(Design.HorizSpacing) != 0 ? Q(Design.HorizSpacing) : QString());
    RecalcLoad = 1;
    DataChanged = 1;
}

void N8yokusi::AngleChanged() {
    lblAngle->setText(txtAngle->text());
    if (!lblAngle->text().isEmpty()) {
        const double phi = NumVal(Str(lblAngle->text()));
        const std::string t = FormatPattern(std::tan(phi * Pi / 180.0), "0.00000");
        lblTanFai->setText(Q(FormatNum(t, 5, 5)));
        Design.TanPhi = Str(lblTanFai->text());
    } else {
        lblTanFai->setText(QString());
        Design.TanPhi.clear();
    }
}

void N8yokusi::TanFaiChanged() {
    lblTanFai->setText(txtTanFai->text());
    if (!lblTanFai->text().isEmpty()) {
        const double t = NumVal(Str(lblTanFai->text()));
        const std::string phi = FormatPattern(std::atan(t) * 180.0 / Pi, "0.00");
        lblAngle->setText(Q(FormatNum(phi, 5, 2)));
        Design.FrictionAngle = Str(lblAngle->text());
    } else {
        lblAngle->setText(QString());
        Design.FrictionAngle.clear();
    }
}

bool N8yokusi::RowsShort() {
    return !Design.AnchorCountY.empty() && !Design.RowCount.empty() &&
           NumVal(Design.AnchorCountY) > NumVal(Design.RowCount);
}

void N8yokusi::RowsCheck() {
    if (RowsShort()) {
        input::SetForeColor(txtStep, input::kRedText);
        MsgBox(Design.WorkType == 4
                   ? "アンカー施工段数が縦枠のアンカー数を下回っています。"
                   : "ロックボルト施工段数が縦枠のロックボルト数を下回っています。",
               MsgButtons::Ok, MsgIcon::Exclamation);
    } else {
        input::SetForeColor(txtStep, input::kBlackText);
    }
}

void N8yokusi::AngleCheck() {
    const std::string& a = Design.InstallAngle;
    const double v = NumVal(a);
    if (Design.WorkType == 4 && !a.empty() && (v < 10 || v > 45)) {
        input::SetForeColor(txtRockboltAngle, input::kRedText);
        MsgBox(kAngleMessage, MsgButtons::Ok, MsgIcon::Exclamation);
    } else {
        input::SetForeColor(txtRockboltAngle, input::kBlackText);
    }
}

void N8yokusi::StaggerTest() {
    const DesignData& d = Design;
    if (d.SpanX.empty() || d.PitchX.empty()) {
        Design.HorizSpacing.clear();
        chkBard->setEnabled(false);
        return;
    }
    const std::string full = FormatNum(d.PitchX, 5, 3);
    bool possible = !d.SpanY.empty() && !d.PitchY.empty();
    if (possible) {
        const long long spanX = Millimetres(d.SpanX), spanY = Millimetres(d.SpanY);
        const long long pitchX = Millimetres(d.PitchX), pitchY = Millimetres(d.PitchY);
        // A span of zero (only a damaged file holds one) allows no staggering.
        possible = spanX != 0 && spanY != 0 && pitchX % spanX == 0 && pitchY % spanY == 0 &&
                   (pitchX / spanX) % 2 == 0 && (pitchY / spanY) % 2 == 0;
    }
    chkBard->setEnabled(possible);
    // A disabled box keeps its tick and the stored Staggered; only the
    // spacing ignores them.
    Design.HorizSpacing = possible && chkBard->isChecked() ? HalfPitch() : full;
}

void N8yokusi::OnActivate() {
    StaggerTest();
    lblLevel->setText(Q(Design.HorizSpacing));
    lblRockboltNum->setText(Q(FormatNum(Design.AnchorCountY, 5, 0)));
    input::SetForeColor(txtStep, RowsShort() ? input::kRedText : input::kBlackText);
}

}  // namespace talvo
