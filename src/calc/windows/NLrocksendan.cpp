#include "calc/windows/NLrocksendan.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPalette>
#include <algorithm>

#include "calc/anchorload.h"
#include "calc/windows/ForceFormula.h"
#include "calc/windows/NKrockmoment.h"
#include "platform/mdichild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;
// Grey of the frame around the position row whose option has the focus.
const QColor kRowFrameColor{128, 128, 128};

const bool kRegistered = [] {
    RegisterStepWindow("NLrocksendan", [] { return new NLrocksendan; });
    return true;
}();

void SetBackColor(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
}

}  // namespace

NLrocksendan::NLrocksendan(QWidget* parent) : StepForm("NLrocksendan", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NLrocksendan");

    // ---- Check position ----
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    PlaceTwips(Frame1, 120, 0, 9100, 1860);
    const std::array<int, 3> rowTop = {210, 770, 1330};
    const char* const kAreaNames[3] = {"Label8", "Label20", "Label21"};
    for (std::size_t m = 0; m < 3; ++m) {
        const int top = rowTop[m];
        RowArea[m] = AddText(Frame1, QString(), 90, top - 150, 4300, 600);
        RowArea[m]->setObjectName(kAreaNames[m]);
        Shape[m] = new QFrame(Frame1);
        Shape[m]->setObjectName(QString("Shape%1").arg(12 + m));
        Shape[m]->setFrameShape(QFrame::Box);
        Shape[m]->setFrameShadow(QFrame::Plain);
        QPalette pal = Shape[m]->palette();
        pal.setColor(QPalette::WindowText, kRowFrameColor);
        Shape[m]->setPalette(pal);
        Shape[m]->setAttribute(Qt::WA_TransparentForMouseEvents);
        PlaceTwips(Shape[m], 120, top - 120, 4240, 560);
        Shape[m]->hide();
        Option3D[m] = new QRadioButton(Frame1);
        Option3D[m]->setObjectName(QString("Option3D%1").arg(m + 1));
        PlaceTwips(Option3D[m], 210, top, 300, kRowHeight);
    }

    const ShearPositionParts parts =
        AddShearPositionRows(Frame1, rowTop, kRowHeight, QRect(4500, 150, 4480, 1620),
                             {"Label1", "Label29", "Label30", "picPos"}, Label19, Label16);
    Text1 = parts.text1;
    picPos = parts.figure;
    Patch = parts.masks;
    // The first patch starts in the button-face colour and takes the figure's
    // colour once another position is chosen; the two others carry it from the
    // start.
    for (std::size_t m = 0; m < 3; ++m)
        SetBackColor(Patch[m], m == 0 ? palette().color(QPalette::Button) : kFigureBackColor);
    PlacePatches();
    connect(picPos, &ShearPositionFigure::resized, this, [this] { PlacePatches(); });

    for (QLabel* area : RowArea) area->lower();
    for (QLabel* l : RowArea) l->installEventFilter(this);
    for (QLabel* l : Label19) l->installEventFilter(this);
    for (QLabel* l : Label16) l->installEventFilter(this);
    for (QLabel* l : Patch) l->installEventFilter(this);
    for (int m = 0; m < 3; ++m) {
        QRadioButton* option = Option3D[static_cast<std::size_t>(m)];
        option->installEventFilter(this);
        connect(option, &QRadioButton::toggled, this, [this, m](bool on) {
            if (!on) return;
            toggled_ = true;
            PositionClick(m);
        });
        // A click on the option already chosen changes nothing in the record
        // but still sets the box, the patches and the marks again.
        connect(option, &QRadioButton::clicked, this, [this, m] {
            if (!toggled_) PositionClick(m);
            toggled_ = false;
        });
    }

    // ---- The Smax formulas ----
    Label2 = AddTitleBar(this, "最大せん断力Ｓmax(kN)の算出式", 240, 1920, 8835, 300);
    Label2->setObjectName("Label2");
    Tate = new RockForceBlock(this, true, 0,
                              {"SSOption1", "SSOption2", "SSPanel1", "SSPanel2", "Label12",
                               "Label13", "Label34", "Label6"},
                              240, 2240, 8835, 940);
    Yoko = new RockForceBlock(this, true, 1,
                              {"SSOption3", "SSOption4", "SSPanel5", "SSPanel6", "Label14",
                               "Label15", "Label38", "Label7"},
                              240, 3200, 8835, 940);

    Text2 = FocusSink;
    setTabOrder(Option3D[0], Text1);
    setTabOrder(Text1, Option3D[1]);
    setTabOrder(Option3D[1], Option3D[2]);
    setTabOrder(Option3D[2], Tate->SpanOption);
    setTabOrder(Tate->SpanOption, Tate->OverhangOption);
    setTabOrder(Tate->OverhangOption, Yoko->SpanOption);
    setTabOrder(Yoko->SpanOption, Yoko->OverhangOption);
    setTabOrder(Yoko->OverhangOption, cmdBegin);
}

int NLrocksendan::SelectedPart(int direction) const {
    return (direction == 0 ? Tate : Yoko)->ShownPart();
}

bool NLrocksendan::PatchOpaque(const QLabel* patch) {
    return patch->autoFillBackground();
}

void NLrocksendan::PlacePatches() {
    for (int m = 0; m < 3; ++m) {
        // One pixel short of the beam's top edge, which stays drawn whole.
        Patch[static_cast<std::size_t>(m)]->setGeometry(picPos->MarkRect(m).adjusted(0, 0, 0, -1));
    }
}

void NLrocksendan::MarkMaxTate() {
    Tate->MarkMax(false);
}

void NLrocksendan::MarkMaxYoko() {
    // The horizontal beam takes its overhang also when the span has no value.
    Yoko->MarkMax(true);
}

void NLrocksendan::RefreshValues() {
    Tate->RefreshValue();
    Yoko->RefreshValue();
}

void NLrocksendan::OnLoad() {
    Tate->ResetShownPart();
    Yoko->ResetShownPart();

    static std::string noField;  // a work type outside the arrays keeps nothing
    std::string* field = OfWorkType(Design.ShearXInput);
    NumBox rule;
    rule.min = 0;
    rule.max = 9.999;
    rule.decimals = 3;
    rule.places = 2;
    rule.field = field ? field : &noField;
    rule.flags = {&RecalcResult};
    rule.refocusOnRefusal = true;
    // A new x changes the shears at once; the marks follow at the next choice.
    rule.onChanged = [this] {
        CalcRockSmax();
        RefreshValues();
    };
    Entries()->AddNumber(Text1, rule);
    // Installed after the entry group's own watch, so it runs first: the
    // entered position is chosen before the text is selected.
    Text1->installEventFilter(this);
    Entries()->ShowStored(Text1);

    const std::int16_t* mode = OfWorkType(Design.ShearXMode);
    if (mode && *mode >= 0 && *mode <= 2) SelectPosition(*mode);
}

void NLrocksendan::OnActivate() {
    RunRockOnActivation();
    Tate->Activate(false);
    Yoko->Activate(true);
}

void NLrocksendan::SelectPosition(int m) {
    QRadioButton* option = Option3D[static_cast<std::size_t>(m)];
    if (option->isChecked())
        PositionClick(m);
    else
        option->setChecked(true);
    toggled_ = false;
}

void NLrocksendan::PositionClick(int m) {
    std::int16_t* mode = OfWorkType(Design.ShearXMode);
    if (mode && *mode != m) {
        DataChanged = 1;
        RecalcResult = 1;
        *mode = static_cast<std::int16_t>(m);
        CalcRockSmax();
        RefreshValues();
    }
    SetTextEnabled(Text1, m == 0);
    for (int i = 0; i < 3; ++i) {
        QLabel* patch = Patch[static_cast<std::size_t>(i)];
        patch->setAutoFillBackground(i != m);
        patch->update();
    }
    if (m == 1 || m == 2) SetBackColor(Patch[0], kFigureBackColor);
    MarkMaxTate();
    MarkMaxYoko();
}

bool NLrocksendan::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1 && type == QEvent::FocusIn) {
        // Typing an x means the entered position.
        SelectPosition(0);
        MarkMaxTate();
        MarkMaxYoko();
        return StepForm::eventFilter(watched, event);
    }
    for (std::size_t m = 0; m < 3; ++m) {
        if (watched == Option3D[m]) {
            if (type == QEvent::FocusIn) Shape[m]->show();
            if (type == QEvent::FocusOut) Shape[m]->hide();
            return StepForm::eventFilter(watched, event);
        }
    }
    if (type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label &&
            label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            int m = -1;
            bool focus = false;
            for (int i = 0; i < 3; ++i) {
                if (label == RowArea[static_cast<std::size_t>(i)]) {
                    m = i;
                    focus = true;
                }
                if (label == Patch[static_cast<std::size_t>(i)]) m = i;
            }
            if (std::find(Label19.begin(), Label19.end(), label) != Label19.end()) m = 1;
            if (std::find(Label16.begin(), Label16.end(), label) != Label16.end()) m = 2;
            if (m >= 0) {
                // The click areas give their option the focus first, then choose it.
                if (focus) Option3D[static_cast<std::size_t>(m)]->setFocus(Qt::MouseFocusReason);
                SelectPosition(m);
                return true;
            }
        }
    }
    return StepForm::eventFilter(watched, event);
}

}  // namespace talvo
