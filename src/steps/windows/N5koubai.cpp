#include "steps/windows/N5koubai.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>
#include <string>

#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/windows/InputPlacing.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

using input::Place;
using input::Text;

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N5koubai", [] { return new N5koubai; });
    return true;
}();

// Size of the value labels and the entry boxes over them, twips.
constexpr int kValueWidth = 855;
constexpr int kValueHeight = 330;

std::string Str(const QString& s) {
    return s.toStdString();
}
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A bordered label that looks like a box; it shows a value.
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
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Place(l, left, top, kValueWidth, kValueHeight);
    return l;
}

}  // namespace

N5koubai::N5koubai(QWidget* parent) : StepForm(QStringLiteral("N5koubai"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(GradientPicture());

    // ---- The input mode ----
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Place(Frame1, 300, 240, 2760, 1560);
    lblHeader =
        Text(Frame1, QStringLiteral("のり勾配の指定方法"), 120, 240, 2520, 330, Qt::AlignCenter);
    lblHeader->setObjectName(QStringLiteral("lblHeader"));
    lblHeader->setAutoFillBackground(true);
    {
        QPalette pal = lblHeader->palette();
        pal.setColor(QPalette::Window, QColor(128, 128, 255));
        pal.setColor(QPalette::WindowText, Qt::white);
        lblHeader->setPalette(pal);
        QFont f = lblHeader->font();
        f.setBold(true);
        lblHeader->setFont(f);
    }
    Option3D1 = new QRadioButton(QStringLiteral("比率入力"), Frame1);
    Option3D1->setObjectName(QStringLiteral("Option3D1"));
    Place(Option3D1, 480, 690, 1800, 300);
    Option3D2 = new QRadioButton(QStringLiteral("角度入力"), Frame1);
    Option3D2->setObjectName(QStringLiteral("Option3D2"));
    Place(Option3D2, 480, 1050, 1800, 300);
    connect(Option3D1, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !inOption_) RatioClick();
    });
    connect(Option3D2, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !inOption_) AngleClick();
    });

    // ---- The triangle 1 : n ----
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Place(Frame2, 300, 1815, 2760, 2040);
    Triangle = new GradientTriangle(Frame2);
    Place(Triangle, 0, 0, 2760, 2040);
    Text(Frame2, QStringLiteral("1"), 2250, 800, 300, 300)->setObjectName(QStringLiteral("Label2"));
    Label9 = ValueLabel(Frame2, QStringLiteral("Label9"), 930, 1635);
    Text9 = input::Box(Frame2, QStringLiteral("Text9"), 930, 1635, kValueWidth, kValueHeight);

    // ---- The slope section ----
    Picture1 = new SlopeSectionFigure(this);
    Place(Picture1, 3240, 330, 5340, 3525);
    Text(Picture1, QStringLiteral("のり長"), 1335, 1140, kValueWidth, 300);
    Label1 = ValueLabel(Picture1, QStringLiteral("Label1"), 1335, 1440);
    Text(Picture1, QStringLiteral("m"), 2220, 1440, 240, kValueHeight);
    Text(Picture1, QStringLiteral("のり高"), 3555, 1800, kValueWidth, 300);
    Label3 = ValueLabel(Picture1, QStringLiteral("Label3"), 3555, 2100);
    Text(Picture1, QStringLiteral("m"), 4440, 2100, 240, kValueHeight);
    Text(Picture1, QStringLiteral("θ<sub>0</sub> ="), 1725, 3000, 630, kValueHeight,
         Qt::AlignRight | Qt::AlignVCenter);
    Label6 = ValueLabel(Picture1, QStringLiteral("Label6"), 2385, 3000);
    Text6 = input::Box(Picture1, QStringLiteral("Text6"), 2385, 3000, kValueWidth, kValueHeight);
    Text(Picture1, QStringLiteral("°"), 3270, 3000, 240, kValueHeight);

    // Only the box of the current mode shows, over its label.
    Text9->hide();
    Text6->hide();
    Text9->raise();
    Text6->raise();

    // Focus: the options, the two boxes, the buttons, then the sink, which
    // sends the Tab key on to cmdBegin.
    QWidget::setTabOrder(Option3D1, Option3D2);
    QWidget::setTabOrder(Option3D2, Text9);
    QWidget::setTabOrder(Text9, Text6);
    QWidget::setTabOrder(Text6, cmdBegin);
    QWidget::setTabOrder(cmdBegin, cmdBack);
    QWidget::setTabOrder(cmdBack, cmdIndicate);
    QWidget::setTabOrder(cmdIndicate, cmdNext);
    QWidget::setTabOrder(cmdNext, cmdResult);
    UseFocusSink(QStringLiteral("Text1"), 5790);
    QWidget::setTabOrder(cmdResult, FocusSink);
    SetTabWrapTarget(cmdBegin);

    NumBox ratio;
    ratio.min = 0.01;
    ratio.max = 9.99;
    ratio.decimals = 2;
    ratio.places = 3;
    ratio.field = &Design.SlopeN;
    ratio.flags = {&RecalcLoad, &RecalcForce, &RecalcAnchorBar};
    ratio.onChanged = [this] { RatioChanged(); };
    ratio.onAccepted = [this] { Label9->setText(Text9->text()); };
    ratio.onRefused = [this] {
        // The ratio mode is selected again, which shows its label's value.
        inOption_ = true;
        Option3D1->setChecked(true);
        inOption_ = false;
        RatioClick();
    };
    Entries()->AddNumber(Text9, ratio);

    NumBox angle;
    angle.min = 0.01;
    angle.max = 89.99;
    angle.decimals = 2;
    angle.places = 3;
    angle.field = &Design.SlopeAngle;
    angle.flags = {&RecalcLoad, &RecalcForce, &RecalcAnchorBar};
    angle.onChanged = [this] { AngleChanged(); };
    angle.onAccepted = [this] { Label6->setText(Text6->text()); };
    angle.onRefused = [this] {
        inOption_ = true;
        Option3D2->setChecked(true);
        inOption_ = false;
        AngleClick();
    };
    Entries()->AddNumber(Text6, angle);
}

void N5koubai::OnLoad() {
    Label6->setText(Q(Design.SlopeAngle));
    Label9->setText(Q(Design.SlopeN));
    // Selecting an option runs its click handling as the engineer's click.
    if (Design.SlopeInputMode == 0) {
        inOption_ = true;
        Option3D2->setChecked(true);
        inOption_ = false;
        AngleClick();
    } else if (Design.SlopeInputMode == 1) {
        inOption_ = true;
        Option3D1->setChecked(true);
        inOption_ = false;
        RatioClick();
    }
}

void N5koubai::RatioClick() {
    if (Design.SlopeInputMode == 0) DataChanged = 1;
    Design.SlopeInputMode = 1;
    Text9->show();
    Text6->hide();
    Text9->setText(Label9->text());
    Design.SlopeN = Str(Label9->text());
}

void N5koubai::AngleClick() {
    if (Design.SlopeInputMode == 1) DataChanged = 1;
    Design.SlopeInputMode = 0;
    Text6->show();
    Text9->hide();
    Text6->setText(Label6->text());
    Design.SlopeAngle = Str(Label6->text());
}

void N5koubai::RaiseFlags() {
    // The wedge of work type 0 is shaped by the slope angle.
    if (Design.WorkType == 0) RecalcKusabi = 1;
}

void N5koubai::RatioChanged() {
    RaiseFlags();
    Label9->setText(Text9->text());
    Design.SlopeN = Str(Label9->text());
    if (!Text9->text().isEmpty()) {
        // Derived from the shown ratio (2 decimals), not from the typed one.
        const double n = NumVal(Str(Label9->text()));
        const std::string theta = FormatPattern(std::atan(1.0 / n) * 180.0 / Pi, "0.00");
        Label6->setText(Q(FormatNum(theta, 3, 2)));
        Design.SlopeAngle = Str(Label6->text());
        if (!Label1->text().isEmpty()) ComputeHeight();
    } else {
        Label6->setText(QString());
        Design.SlopeAngle.clear();
        SetHeight(QString());
    }
}

void N5koubai::AngleChanged() {
    RaiseFlags();
    Label6->setText(Text6->text());
    Design.SlopeAngle = Str(Label6->text());
    if (!Text6->text().isEmpty()) {
        const double theta = NumVal(Str(Label6->text()));
        const std::string n = FormatPattern(1.0 / std::tan(theta * Pi / 180.0), "0.00");
        Label9->setText(Q(FormatNum(n, 3, 2)));
        Design.SlopeN = Str(Label9->text());
        if (!Label1->text().isEmpty()) ComputeHeight();
    } else {
        Label9->setText(QString());
        Design.SlopeN.clear();
        SetHeight(QString());
    }
}

void N5koubai::ComputeHeight() {
    const double l = NumVal(Str(Label1->text()));
    const double theta = NumVal(Str(Label6->text()));
    const std::string h = FormatPattern(l * std::sin(theta * Pi / 180.0), "0.000");
    SetHeight(Q(FormatNum(h, 3, 3)));
}

void N5koubai::SetHeight(const QString& caption) {
    if (Label3->text() == caption) return;
    Label3->setText(caption);
    Design.SlopeHeight = Str(caption);
}

void N5koubai::OnActivate() {
    Label1->setText(Q(FormatNum(Design.TotalLengthY, 3, 3)));
    if (NumVal(Str(Label1->text())) != 0 && !Label9->text().isEmpty())
        ComputeHeight();
    else
        SetHeight(QString());
    Design.SlopeHeight = Str(Label3->text());
    // No entry box holds the focus when the step is shown.
    Picture1->setFocus(Qt::OtherFocusReason);
}

}  // namespace talvo
