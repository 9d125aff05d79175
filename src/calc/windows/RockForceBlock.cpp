#include "calc/windows/RockForceBlock.h"

#include "calc/forceparts.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/tables.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 300;

}  // namespace

RockForceBlock::RockForceBlock(QWidget* parent, bool shear, int direction,
                               const RockBlockNames& names, int left, int top, int width,
                               int height)
    : QObject(parent), shear_(shear), direction_(direction) {
    Frame = AddPanel(parent, direction == 0 ? "縦枠" : "横枠", left, top, width, height);
    Frame->setObjectName(direction == 0 ? "fraTate" : "fraYoko");

    // The options' rows and the formula line, centred in the frame below its caption.
    const int rowTop = 200 + (height - 200 - 2 * kRowHeight - 30) / 2;
    const int rowGap = kRowHeight + 30;
    Parts = new PartChoice(Frame, 150, rowTop, rowGap, [this](int part) { ShowPart(part); });
    SpanOption = Parts->SSOption1;
    OverhangOption = Parts->SSOption2;
    SpanMark = Parts->SSPanel1;
    OverhangMark = Parts->SSPanel2;
    SpanOption->setObjectName(names.spanOption);
    OverhangOption->setObjectName(names.overhangOption);
    SpanMark->setObjectName(names.spanMark);
    OverhangMark->setObjectName(names.overhangMark);

    const int line = rowTop + rowGap / 2;
    int x = 2400;
    AddLabel(Frame, shear ? "Ｓmax =" : "Ｍmax =", x, line, 900, kRowHeight);
    x += 900;
    const Fraction f = AddFraction(Frame, QString(), QString(), x, line - 255, 420, 270);
    Numerator = f.num;
    Numerator->setObjectName(names.numerator);
    Denominator = f.den;
    Denominator->setObjectName(names.denominator);
    x += 420;
    QLabel* load = AddLabel(Frame, "・w・", x, line, 600, kRowHeight, Qt::AlignCenter);
    x += 600;
    const int lengthWidth = shear ? 900 : 1100;
    // The moment's square follows the length closely.
    Length = AddLabel(Frame, QString(), x, line, lengthWidth, kRowHeight,
                      shear ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    Length->setObjectName(names.length);
    x += lengthWidth;
    QLabel* tail = nullptr;
    if (shear) {
        tail = AddLabel(Frame, "- w・x ", x, line, 850, kRowHeight, Qt::AlignCenter);
        x += 850;
    } else {
        tail = AddSmallLabel(Frame, "2", x, line - 60, 200, 240);
        x += 200;
    }
    QLabel* equals = AddLabel(Frame, "=", x + 50, line, 200, kRowHeight);
    x += 300;
    Value = AddValueLabel(Frame, names.value, x, line, 1300, kRowHeight);
    x += 1400;
    AddLabel(Frame, shear ? "(kN)" : "(kN･m)", x, line, 900, kRowHeight);

    expression_ = {Numerator, f.bar, Denominator, load, Length, tail, equals};
    // Nothing is shown until the window has looked at the values.
    HideFormula();
}

const std::string& RockForceBlock::Stored(int part) const {
    const auto& values = shear_ ? Design.Smax : Design.Mmax;
    return values[static_cast<std::size_t>(direction_)][part == 1 ? 1 : 0];
}

void RockForceBlock::ShowPart(int part) {
    const int row = AnchorCoefficientRow(direction_, part);
    const std::size_t i = static_cast<std::size_t>(row);
    static const char* const kLength[2][2][2] = {
        {{"(縦ピッチ)", "(張出し長)"}, {"(横ピッチ)", "(張出し長)"}},
        {{"縦ピッチ", "張出し長"}, {"横ピッチ", "張出し長"}},
    };
    Length->setText(kLength[shear_ ? 1 : 0][direction_][part]);
    for (QWidget* w : expression_) w->show();
    const std::int16_t num = shear_ ? SpanCoefficients.SmaxNum[i] : SpanCoefficients.MmaxNum[i];
    const std::int16_t den = shear_ ? SpanCoefficients.SmaxDen[i] : SpanCoefficients.MmaxDen[i];
    Numerator->setText(NumText(std::to_string(num), 2, 0));
    Denominator->setText(NumText(std::to_string(den), 2, 0));
    shownPart_ = part;
    RefreshValue();
}

void RockForceBlock::RefreshValue() {
    // Without a part on show there is no formula for a value to finish.
    if (!FormulaShown()) return;
    Value->setText(NumText(Stored(shownPart_), 5, 2));
}

bool RockForceBlock::FormulaShown() const {
    return !Length->isHidden();
}

void RockForceBlock::HideFormula() {
    Value->clear();
    Numerator->clear();
    Denominator->clear();
    // The length keeps its text for the next part shown, but the operators
    // around it would read as a formula of nothing ("・w・²").
    for (QWidget* w : expression_) w->hide();
}

void RockForceBlock::Activate(bool overhangWhenSpanEmpty) {
    Parts->ChooseOnActivation(HasAnchors(direction_), Stored(0), Stored(1),
                              [this] { HideFormula(); });
    if (overhangWhenSpanEmpty && HasAnchors(direction_) && Parts->Selected() < 0 &&
        !SpanOption->isEnabled() && OverhangOption->isEnabled()) {
        Parts->Select(1);
        SpanMark->hide();
        OverhangMark->show();
    }
}

void RockForceBlock::MarkMax(bool overhangWhenSpanEmpty) {
    Parts->MarkMax(HasAnchors(direction_), Stored(0), Stored(1));
    if (overhangWhenSpanEmpty && HasAnchors(direction_) &&
        GoverningPart(Stored(0), Stored(1)) == 0 && !SpanOption->isEnabled() &&
        OverhangOption->isEnabled()) {
        SpanMark->hide();
        OverhangMark->show();
    }
}

}  // namespace talvo
