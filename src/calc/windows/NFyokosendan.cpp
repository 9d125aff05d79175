#include "calc/windows/NFyokosendan.h"

#include "calc/calcfield.h"
#include "calc/forceparts.h"
#include "calc/recalc.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/tables.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;

const bool kRegistered = [] {
    RegisterStepWindow("NFyokosendan", [] { return new NFyokosendan; });
    return true;
}();

}  // namespace

NFyokosendan::NFyokosendan(QWidget* parent) : StepForm("NFyokosendan", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NFyokosendan");

    // ---- Check position ----
    Frame1 = AddPanel(this, "せん断力の照査位置", 120, 30, 9100, 2250);
    Frame1->setObjectName("Frame1");
    ShearPositionLayout layout;
    layout.rowTop = {420, 1080, 1740};
    layout.areaHeight = 630;
    layout.focusFrameHeight = 570;
    layout.figure = QRect(4500, 300, 4480, 1860);
    layout.areaNames = {"Label7", "Label10", "Label11"};
    Rows = new ShearPositionRows(
        Frame1, Entries(), layout, ShearPositionRows::ClickOrder::SelectThenFocus,
        ShearPositionRows::Reclick::Ignored, [this](int m) { PositionClick(m); });
    Text1 = Rows->Text1;
    NumBox* x = Entries()->Rule(Text1);
    // A refused x gets the stored value back, but the focus goes where the
    // engineer sent it.
    x->refocusOnRefusal = false;
    x->onChanged = [this] {
        RunShearCalculation(ShearBeams::Horizontal);
        ShowSmax();
        MarkMax();
    };
    x->onRefused = [this] { MarkMax(); };

    // ---- The Smax formula ----
    Frame2 = AddPanel(this, QString(), 120, 2330, 9100, 1820);
    Frame2->setObjectName("Frame2");
    AddTitleBar(Frame2, "最大せん断力Ｓmax(kN)の算出式", 120, 210, 8860, kRowHeight);
    Parts = new PartChoice(Frame2, 300, 750, 540, [this](int part) { PartClick(part); });
    SSOption1 = Parts->SSOption1;
    SSOption2 = Parts->SSOption2;
    SSPanel1 = Parts->SSPanel1;
    SSPanel2 = Parts->SSPanel2;
    constexpr int kLine = 870;
    AddLabel(Frame2, "Ｓmax = ", 2500, kLine, 950, kRowHeight);
    const Fraction coefficient = AddFraction(Frame2, QString(), QString(), 3450, 640, 450, 300);
    Label6 = coefficient.num;
    Label6->setObjectName("Label6");
    Label5 = coefficient.den;
    Label5->setObjectName("Label5");
    AddLabel(Frame2, "・w・", 3950, kLine, 600, kRowHeight, Qt::AlignCenter);
    Label21 = AddLabel(Frame2, QString(), 4550, kLine, 900, kRowHeight, Qt::AlignCenter);
    Label21->setObjectName("Label21");
    AddLabel(Frame2, "- w・x ", 5450, kLine, 850, kRowHeight, Qt::AlignCenter);
    AddLabel(Frame2, "=", 6300, kLine, 200, kRowHeight);
    Label12 = AddValueLabel(Frame2, "Label12", 6550, kLine, 1300, kRowHeight);
    AddLabel(Frame2, "(kN)", 7950, kLine, 700, kRowHeight);

    UseFocusSink("Text2");
    Text2 = FocusSink;
    // Reached with the Tab key, the sink hands the focus round to the first
    // choice.
    const std::array<QRadioButton*, 3>& positions = Rows->Options;
    SetTabWrapTarget(positions[0]);
    setTabOrder(positions[0], Text1);
    setTabOrder(Text1, positions[1]);
    setTabOrder(positions[1], positions[2]);
    setTabOrder(positions[2], SSOption1);
    setTabOrder(SSOption1, SSOption2);
    setTabOrder(SSOption2, cmdBegin);
}

void NFyokosendan::OnLoad() {
    Entries()->ShowStored(Text1);
    const std::int16_t* mode = calcfield::OfWorkType(Design.ShearXMode);
    if (mode && *mode >= 0 && *mode <= 2) Rows->Select(*mode);
}

void NFyokosendan::OnActivate() {
    RunForceOnActivation();
    Parts->ChooseOnActivation(FrameWidthOffered(), Design.Smax[1][0], Design.Smax[1][1], [this] {
        Label6->clear();
        Label5->clear();
        Label12->clear();
    });
}

void NFyokosendan::PartClick(int part) {
    shownPart_ = part;
    const int row = FrameCoefficientRow(part);
    Label21->setText(part == 0 ? "スパン長" : "張出し長");
    Label6->setText(NumText(std::to_string(SpanCoefficients.SmaxNum[row]), 2, 0));
    Label5->setText(NumText(std::to_string(SpanCoefficients.SmaxDen[row]), 2, 0));
    ShowSmax();
}

void NFyokosendan::ShowSmax() {
    Label12->setText(NumText(Design.Smax[1][static_cast<std::size_t>(shownPart_)], 5, 2));
}

void NFyokosendan::MarkMax() {
    Parts->MarkMax(FrameWidthOffered(), Design.Smax[1][0], Design.Smax[1][1]);
}

void NFyokosendan::PositionClick(int m) {
    if (ChangeShearPosition(ShearBeams::Horizontal, m)) ShowSmax();
    Rows->ShowPosition(m);
    MarkMax();
}

}  // namespace talvo
