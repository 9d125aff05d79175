#include "calc/windows/NLrocksendan.h"

#include <QPalette>

#include "calc/calcfield.h"
#include "calc/recalc.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

// Grey of the frame around the position row whose option has the focus.
const QColor kRowFrameColor{128, 128, 128};

const bool kRegistered = [] {
    RegisterStepWindow("NLrocksendan", [] { return new NLrocksendan; });
    return true;
}();

}  // namespace

NLrocksendan::NLrocksendan(QWidget* parent) : StepForm("NLrocksendan", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NLrocksendan");

    // ---- Check position ----
    Frame1 = AddPanel(this, QString(), 120, 0, 9100, 1860);
    Frame1->setObjectName("Frame1");
    ShearPositionLayout layout;
    layout.rowTop = {210, 770, 1330};
    layout.areaHeight = 600;
    layout.focusFrameHeight = 560;
    layout.focusFrameColor = kRowFrameColor;
    layout.figure = QRect(4500, 150, 4480, 1620);
    // One pixel short of the beam's top edge, which stays drawn whole.
    layout.maskBottomTrim = 1;
    // The first patch starts in the button-face colour.
    layout.firstMaskColor = palette().color(QPalette::Button);
    layout.areaNames = {"Label8", "Label20", "Label21"};
    layout.caption = "Label1";
    layout.xMark = "Label29";
    layout.unit = "Label30";
    layout.figureName = "picPos";
    Rows = new ShearPositionRows(
        Frame1, Entries(), layout, ShearPositionRows::ClickOrder::FocusThenSelect,
        ShearPositionRows::Reclick::ChoosesAgain, [this](int m) { PositionClick(m); });
    Text1 = Rows->Text1;
    // A new x changes the shears at once; the marks follow at the next choice.
    Entries()->Rule(Text1)->onChanged = [this] {
        RunShearCalculation(ShearBeams::Anchored);
        RefreshValues();
    };

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
    const std::array<QRadioButton*, 3>& positions = Rows->Options;
    setTabOrder(positions[0], Text1);
    setTabOrder(Text1, positions[1]);
    setTabOrder(positions[1], positions[2]);
    setTabOrder(positions[2], Tate->SpanOption);
    setTabOrder(Tate->SpanOption, Tate->OverhangOption);
    setTabOrder(Tate->OverhangOption, Yoko->SpanOption);
    setTabOrder(Yoko->SpanOption, Yoko->OverhangOption);
    setTabOrder(Yoko->OverhangOption, cmdBegin);
    // The sink sends the Tab key round to the first choice.
    SetTabWrapTarget(positions[0]);
}

int NLrocksendan::SelectedPart(int direction) const {
    return (direction == 0 ? Tate : Yoko)->ShownPart();
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
    Entries()->ShowStored(Text1);
    const std::int16_t* mode = calcfield::OfWorkType(Design.ShearXMode);
    if (mode && *mode >= 0 && *mode <= 2) Rows->Select(*mode);
}

void NLrocksendan::OnActivate() {
    RunRockOnActivation();
    Tate->Activate(false);
    Yoko->Activate(true);
}

void NLrocksendan::PositionClick(int m) {
    if (ChangeShearPosition(ShearBeams::Anchored, m)) RefreshValues();
    Rows->ShowPosition(m);
    MarkMaxTate();
    MarkMaxYoko();
}

}  // namespace talvo
