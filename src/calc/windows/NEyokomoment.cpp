#include "calc/windows/NEyokomoment.h"

#include <QFontMetrics>

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
    RegisterStepWindow("NEyokomoment", [] { return new NEyokomoment; });
    return true;
}();

}  // namespace

NEyokomoment::NEyokomoment(QWidget* parent) : StepForm("NEyokomoment", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NEyokomoment");

    // ---- Loads on one span ----
    Frame1 = AddPanel(this, QString(), 120, 60, 9100, 1840);
    Frame1->setObjectName("Frame1");
    constexpr int kSymbol = 4300;
    constexpr int kValue = 6000;
    constexpr int kUnit = 7400;
    AddLabel(Frame1, "横枠１スパンにかかる重量", 240, 270, 4000, kRowHeight);
    AddLabel(Frame1, "W =", kSymbol, 270, 500, kRowHeight);
    Label13 = AddValueLabel(Frame1, "Label13", kValue, 270, 1300, kRowHeight);
    AddLabel(Frame1, "(kN)", kUnit, 270, 1000, kRowHeight);

    AddLabel(Frame1, "横枠１スパンののり面方向に作用する荷重", 240, 760, 4000, kRowHeight);
    AddLabel(Frame1, "Q =", kSymbol, 760, 500, kRowHeight);
    QLabel* sine = AddLabel(Frame1, "W･sinθ", kSymbol + 500, 760, 760, kRowHeight);
    QLabel* index = AddSmallLabel(Frame1, "0", kSymbol + 1250, 900, 200, 240);
    // The index follows the θ closely, whatever the font.
    index->move(sine->x() + QFontMetrics(sine->font()).horizontalAdvance(sine->text()) + 1,
                index->y());
    AddLabel(Frame1, "=", kValue - 260, 760, 200, kRowHeight);
    Label5 = AddValueLabel(Frame1, "Label5", kValue, 760, 1300, kRowHeight);
    AddLabel(Frame1, "(kN)", kUnit, 760, 1000, kRowHeight);

    AddLabel(Frame1, "横枠への等分布荷重", 240, 1300, 4000, kRowHeight);
    AddLabel(Frame1, "w =", kSymbol, 1300, 500, kRowHeight);
    AddFraction(Frame1, "Q", "x", kSymbol + 500, 1150, 300, 270);
    AddLabel(Frame1, "=", kValue - 260, 1300, 200, kRowHeight);
    Label10 = AddValueLabel(Frame1, "Label10", kValue, 1300, 1300, kRowHeight);
    AddLabel(Frame1, "(kN/m)", kUnit, 1300, 1000, kRowHeight);

    // ---- The Mmax formula ----
    Frame2 = AddPanel(this, QString(), 120, 1980, 9100, 2120);
    Frame2->setObjectName("Frame2");
    AddTitleBar(Frame2, "最大曲げモーメントＭmax(kN･m)の算出式", 120, 240, 8860, kRowHeight);
    Parts = new PartChoice(Frame2, 300, 870, 600, [this](int part) { PartClick(part); });
    SSOption1 = Parts->SSOption1;
    SSOption2 = Parts->SSOption2;
    SSPanel1 = Parts->SSPanel1;
    SSPanel2 = Parts->SSPanel2;
    constexpr int kLine = 1020;  // the formula's text line
    AddLabel(Frame2, "Ｍmax = ", 2700, kLine, 1000, kRowHeight);
    const Fraction coefficient = AddFraction(Frame2, QString(), QString(), 3700, 790, 450, 300);
    Label9 = coefficient.num;
    Label9->setObjectName("Label9");
    Label8 = coefficient.den;
    Label8->setObjectName("Label8");
    AddLabel(Frame2, "・w・", 4200, kLine, 600, kRowHeight, Qt::AlignCenter);
    Label24 = AddLabel(Frame2, QString(), 4800, kLine, 1250, kRowHeight, Qt::AlignCenter);
    Label24->setObjectName("Label24");
    AddSmallLabel(Frame2, "2", 6050, kLine - 60, 200, 240);
    AddLabel(Frame2, "=", 6300, kLine, 200, kRowHeight);
    Label12 = AddValueLabel(Frame2, "Label12", 6550, kLine, 1300, kRowHeight);
    AddLabel(Frame2, "(kN･m)", 7950, kLine, 1000, kRowHeight);

    setTabOrder(SSOption2, cmdBegin);
}

void NEyokomoment::PartClick(int part) {
    const int row = FrameCoefficientRow(part);
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
