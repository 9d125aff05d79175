#include "calc/windows/NEyokomoment.h"

#include <QFontMetrics>

#include "calc/yoko.h"
#include "platform/mdichild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "shell/windows/StepManager.h"

namespace talvo {

void RunForceOnActivation() {
    if (RecalcForce != 1) return;
    CalcYokoMmax();
    CalcYokoSmax();
    RecalcForce = 0;
    RecalcResult = 1;
}

bool FrameWidthOffered() {
    return NumVal(Design.TotalLengthX) != 0;
}

namespace {

constexpr int kRowHeight = 330;

const bool kRegistered = [] {
    RegisterStepWindow("NEyokomoment", [] { return new NEyokomoment; });
    return true;
}();

}  // namespace

NEyokomoment::NEyokomoment(QWidget* parent) : StepForm("NEyokomoment", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NEyokomoment");

    // ---- Loads on one span ----
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    PlaceTwips(Frame1, 120, 60, 9100, 1840);
    constexpr int kSymbol = 4300;
    constexpr int kValue = 6000;
    constexpr int kUnit = 7400;
    AddText(Frame1, "横枠１スパンにかかる重量", 240, 270, 4000, kRowHeight);
    AddText(Frame1, "W =", kSymbol, 270, 500, kRowHeight);
    Label13 = AddValue(Frame1, "Label13", kValue, 270, 1300, kRowHeight);
    AddText(Frame1, "(kN)", kUnit, 270, 1000, kRowHeight);

    AddText(Frame1, "横枠１スパンののり面方向に作用する荷重", 240, 760, 4000, kRowHeight);
    AddText(Frame1, "Q =", kSymbol, 760, 500, kRowHeight);
    QLabel* sine = AddText(Frame1, "W･sinθ", kSymbol + 500, 760, 760, kRowHeight);
    QLabel* index = AddSmallText(Frame1, "0", kSymbol + 1250, 900, 200, 240);
    // The index follows the θ closely, whatever the font.
    index->move(sine->x() + QFontMetrics(sine->font()).horizontalAdvance(sine->text()) + 1,
                index->y());
    AddText(Frame1, "=", kValue - 260, 760, 200, kRowHeight);
    Label5 = AddValue(Frame1, "Label5", kValue, 760, 1300, kRowHeight);
    AddText(Frame1, "(kN)", kUnit, 760, 1000, kRowHeight);

    AddText(Frame1, "横枠への等分布荷重", 240, 1300, 4000, kRowHeight);
    AddText(Frame1, "w =", kSymbol, 1300, 500, kRowHeight);
    AddFraction(Frame1, "Q", "x", kSymbol + 500, 1150, 300, 270);
    AddText(Frame1, "=", kValue - 260, 1300, 200, kRowHeight);
    Label10 = AddValue(Frame1, "Label10", kValue, 1300, 1300, kRowHeight);
    AddText(Frame1, "(kN/m)", kUnit, 1300, 1000, kRowHeight);

    // ---- The Mmax formula ----
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    PlaceTwips(Frame2, 120, 1980, 9100, 2120);
    AddTitleBar(Frame2, "最大曲げモーメントＭmax(kN･m)の算出式", 120, 240, 8860, kRowHeight);
    Parts = new PartChoice(Frame2, 300, 870, 600, [this](int part) { PartClick(part); });
    SSOption1 = Parts->SSOption1;
    SSOption2 = Parts->SSOption2;
    SSPanel1 = Parts->SSPanel1;
    SSPanel2 = Parts->SSPanel2;
    constexpr int kLine = 1020;  // the formula's text line
    AddText(Frame2, "Ｍmax = ", 2700, kLine, 1000, kRowHeight);
    const Fraction coefficient = AddFraction(Frame2, QString(), QString(), 3700, 790, 450, 300);
    Label9 = coefficient.num;
    Label9->setObjectName("Label9");
    Label8 = coefficient.den;
    Label8->setObjectName("Label8");
    AddText(Frame2, "・w・", 4200, kLine, 600, kRowHeight, Qt::AlignCenter);
    Label24 = AddText(Frame2, QString(), 4800, kLine, 1250, kRowHeight, Qt::AlignCenter);
    Label24->setObjectName("Label24");
    AddSmallText(Frame2, "2", 6050, kLine - 60, 200, 240);
    AddText(Frame2, "=", 6300, kLine, 200, kRowHeight);
    Label12 = AddValue(Frame2, "Label12", 6550, kLine, 1300, kRowHeight);
    AddText(Frame2, "(kN･m)", 7950, kLine, 1000, kRowHeight);

    setTabOrder(SSOption2, cmdBegin);
}

void NEyokomoment::PartClick(int part) {
    const int row = part == 0 ? SpanRow(Design.SpanCountX) : 0;
    Label24->setText(part == 0 ? "(スパン長)" : "(張出し長)");
    Label9->setText(NumText(std::to_string(SpanCoefficients.MmaxNum[row]), 2, 0));
    Label8->setText(NumText(std::to_string(SpanCoefficients.MmaxDen[row]), 2, 0));
    Label12->setText(NumText(Design.Mmax[1][part], 5, 2));
}

void NEyokomoment::OnActivate() {
    RunForceOnActivation();
    Label13->setText(NumText(Design.YokoW, 5, 2));
    Label5->setText(NumText(Design.YokoQ, 5, 2));
    Label10->setText(NumText(Design.YokoLoadW, 5, 2));
    Parts->ChooseOnActivation(FrameWidthOffered(), Design.Mmax[1][0], Design.Mmax[1][1], [this] {
        Label9->clear();
        Label8->clear();
        Label12->clear();
    });
}

}  // namespace talvo
