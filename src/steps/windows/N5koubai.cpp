#include "steps/windows/N5koubai.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <string>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/gradient.h"
#include "steps/windows/DerivedForm.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N5koubai", [] { return new N5koubai; });
    return true;
}();

// Size of the value labels and the entry boxes over them, twips.
constexpr int kValueWidth = 855;
constexpr int kValueHeight = 330;

}  // namespace

N5koubai::N5koubai(QWidget* parent) : StepForm(QStringLiteral("N5koubai"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(GradientPicture());

    // ---- The input mode ----
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(Frame1, 300, 240, 2760, 1560);
    lblHeader = AddHeaderLabel(Frame1, QStringLiteral("のり勾配の指定方法"), 120, 240, 2520, 330);
    lblHeader->setObjectName(QStringLiteral("lblHeader"));
    Option3D1 = new QRadioButton(QStringLiteral("比率入力"), Frame1);
    Option3D1->setObjectName(QStringLiteral("Option3D1"));
    PlaceTwips(Option3D1, 480, 690, 1800, 300);
    Option3D2 = new QRadioButton(QStringLiteral("角度入力"), Frame1);
    Option3D2->setObjectName(QStringLiteral("Option3D2"));
    PlaceTwips(Option3D2, 480, 1050, 1800, 300);
    // The engineer's choice arrives as a click of the group, after the
    // press has taken the focus from the box being edited: a refused entry
    // keeps its box and its mode, and the option in force stays.
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    options_->addButton(Option3D1, 1);
    options_->addButton(Option3D2, 0);
    connect(options_, &QButtonGroup::idClicked, this, [this](int mode) {
        if (!Entries()->CommitPending(options_->button(mode))) {
            KeepModeInForce();
            return;
        }
        if (mode == Design.SlopeInputMode) return;
        if (mode == 1)
            RatioClick();
        else
            AngleClick();
    });

    // ---- The triangle 1 : n ----
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    PlaceTwips(Frame2, 300, 1815, 2760, 2040);
    Triangle = new GradientTriangle(Frame2);
    PlaceTwips(Triangle, 0, 0, 2760, 2040);
    AddLabel(Frame2, QStringLiteral("1"), 2250, 800, 300, 300)
        ->setObjectName(QStringLiteral("Label2"));
    Label9 = AddValueLabel(Frame2, QStringLiteral("Label9"), 930, 1635, kValueWidth, kValueHeight,
                           ValueLook::Sunken);
    const std::vector<NumEntry> ratioTable = {
        PlaceEntry("N5koubai", "Text9", 930, 1635, kValueWidth, kValueHeight),
    };
    Text9 = Entries()->AddNumbers(Frame2, ratioTable)[0];

    // ---- The slope section ----
    Picture1 = new SlopeSectionFigure(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    // The picture holds the focus while the step is shown, so that no key
    // but Tab moves on: it takes it from the window and a click, never as a
    // stop of the Tab key, and it shows no mark of it.
    Picture1->setFocusPolicy(Qt::ClickFocus);
    PlaceTwips(Picture1, 3240, 330, 5340, 3525);
    AddLabel(Picture1, QStringLiteral("のり長"), 1335, 1140, kValueWidth, 300);
    Label1 = AddValueLabel(Picture1, QStringLiteral("Label1"), 1335, 1440, kValueWidth,
                           kValueHeight, ValueLook::Sunken);
    AddLabel(Picture1, QStringLiteral("m"), 2220, 1440, 240, kValueHeight);
    AddLabel(Picture1, QStringLiteral("のり高"), 3555, 1800, kValueWidth, 300);
    Label3 = AddValueLabel(Picture1, QStringLiteral("Label3"), 3555, 2100, kValueWidth,
                           kValueHeight, ValueLook::Sunken);
    AddLabel(Picture1, QStringLiteral("m"), 4440, 2100, 240, kValueHeight);
    AddLabel(Picture1, QStringLiteral("θ<sub>0</sub> ="), 1725, 3000, 630, kValueHeight,
             Qt::AlignRight | Qt::AlignVCenter);
    Label6 = AddValueLabel(Picture1, QStringLiteral("Label6"), 2385, 3000, kValueWidth,
                           kValueHeight, ValueLook::Sunken);
    const std::vector<NumEntry> angleTable = {
        PlaceEntry("N5koubai", "Text6", 2385, 3000, kValueWidth, kValueHeight),
    };
    Text6 = Entries()->AddNumbers(Picture1, angleTable)[0];
    AddLabel(Picture1, QStringLiteral("°"), 3270, 3000, 240, kValueHeight);

    // Only the box of the current mode shows, over its label.
    Text9->hide();
    Text6->hide();
    Text9->raise();
    Text6->raise();

    // Focus: the options (one stop; the arrow keys choose), the box of the
    // mode, the buttons, then the sink, which sends the Tab key round to the
    // options. The picture stands before the boxes: the first Tab from it
    // reaches the box of the mode.
    OneTabStop({Option3D1, Option3D2});
    SetTabChain({Option3D1, Option3D2, Picture1, Text9, Text6, cmdBegin, cmdBack, cmdIndicate,
                 cmdNext, cmdResult});
    UseFocusSink(QStringLiteral("Text1"), 5790);
    QWidget::setTabOrder(cmdResult, FocusSink);
    SetTabWrapTarget(Option3D1);

    NumBox* ratio = Entries()->Rule(Text9);
    ratio->onChanged = [this] { RatioChanged(); };
    ratio->onAccepted = [this] { Label9->setText(Text9->text()); };
    // A refused entry selects its mode again, which shows its label's value.
    ratio->onRefused = [this] { SelectMode(1); };
    NumBox* angle = Entries()->Rule(Text6);
    angle->onChanged = [this] { AngleChanged(); };
    angle->onAccepted = [this] { Label6->setText(Text6->text()); };
    angle->onRefused = [this] { SelectMode(0); };
}

void N5koubai::OnLoad() {
    Label6->setText(QStr(Design.SlopeAngle));
    Label9->setText(QStr(Design.SlopeN));
    // Selecting an option runs its click handling as the engineer's click.
    if (Design.SlopeInputMode == 0 || Design.SlopeInputMode == 1) SelectMode(Design.SlopeInputMode);
}

void N5koubai::KeepModeInForce() {
    if (Design.SlopeInputMode == 0 || Design.SlopeInputMode == 1) {
        options_->button(Design.SlopeInputMode)->setChecked(true);
        return;
    }
    // No mode chosen yet: neither option shows as chosen.
    options_->setExclusive(false);
    Option3D1->setChecked(false);
    Option3D2->setChecked(false);
    options_->setExclusive(true);
}

void N5koubai::SelectMode(int mode) {
    (mode == 1 ? Option3D1 : Option3D2)->setChecked(true);
    if (mode == 1)
        RatioClick();
    else
        AngleClick();
}

void N5koubai::RatioClick() {
    if (Design.SlopeInputMode == 0) DataChanged = 1;
    Design.SlopeInputMode = 1;
    Text9->show();
    Text6->hide();
    Text9->setText(Label9->text());
    Design.SlopeN = StdStr(Label9->text());
}

void N5koubai::AngleClick() {
    if (Design.SlopeInputMode == 1) DataChanged = 1;
    Design.SlopeInputMode = 0;
    Text6->show();
    Text9->hide();
    Text6->setText(Label6->text());
    Design.SlopeAngle = StdStr(Label6->text());
}

void N5koubai::RatioChanged() {
    Label9->setText(Text9->text());
    Design.SlopeN = StdStr(Label9->text());
    // Derived from the shown ratio (2 decimals), not from the typed one.
    GradientEntered(ShowDerivedForm(Label9, Label6, Design.SlopeAngle,
                                    [](const std::string& n) { return SlopeAngleOfRatio(n, Pi); }));
}

void N5koubai::AngleChanged() {
    Label6->setText(Text6->text());
    Design.SlopeAngle = StdStr(Label6->text());
    GradientEntered(ShowDerivedForm(Label6, Label9, Design.SlopeN,
                                    [](const std::string& a) { return SlopeRatioOfAngle(a, Pi); }));
}

void N5koubai::GradientEntered(bool derived) {
    GradientChanged(Design.WorkType);
    // Without a slope length the height stays as it was.
    if (!derived)
        SetHeight(QString());
    else if (!Label1->text().isEmpty())
        ShowHeight();
}

void N5koubai::ShowHeight() {
    SetHeight(QStr(SlopeHeight(Design.TotalLengthY, Design.SlopeAngle)));
}

void N5koubai::SetHeight(const QString& caption) {
    if (Label3->text() == caption) return;
    Label3->setText(caption);
    Design.SlopeHeight = StdStr(caption);
}

void N5koubai::OnActivate() {
    Label1->setText(NumText(Design.TotalLengthY, 3, 3));
    // From the slope length and the gradient as stored, not as shown.
    UpdateSlopeHeight();
    Label3->setText(QStr(Design.SlopeHeight));
    // No entry box holds the focus when the step is shown, and no button,
    // which Space or Return would press: the picture takes it.
    if (QWidget* on = OpeningFocus()) on->setFocus(Qt::OtherFocusReason);
}

QWidget* N5koubai::OpeningFocus() const {
    return Picture1;
}

}  // namespace talvo
