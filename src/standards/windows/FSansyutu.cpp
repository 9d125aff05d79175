// 最大曲げモーメント・最大せん断力の算出式: the fractions of w·L² (Mmax) and
// w·L (Smax) for a cantilever, one to three spans and four or more spans.
// Each numerator and denominator is a whole number from 1 to 99.
#include <QFrame>

#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "standards/settingtables.h"
#include "standards/windows/DialogGrid.h"
#include "standards/windows/SettingsDialogs.h"

namespace talvo {

using namespace standards;

namespace {

// The line of a fraction between its numerator and denominator boxes.
void AddFractionLine(QWidget* parent, int left, int top, int width) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    PlaceTwips(line, left, top, width, 30);
}

}  // namespace

FSansyutu::FSansyutu(QWidget* parent)
    : GridDialog("FSansyutu", QStr("最大曲げモーメント・最大せん断力の算出式"), 7700, 5300,
                 parent) {
    constexpr int kRowHeight = 760;
    constexpr int kTop = 120;
    constexpr int kHead = 380;
    vaSpread1[0] = AddDialogGrid(this, "vaSpread1(0)", 1, 3, 120, kTop, {1500, 3000, 2800}, kHead);
    vaSpread1[0]->SetText(1, 1, QStr("スパン数"));
    vaSpread1[0]->SetText(2, 1, QStr("Mmax 算出式"));
    vaSpread1[0]->SetText(3, 1, QStr("Smax 算出式"));
    vaSpread1[1] = AddDialogGrid(this, "vaSpread1(1)", 5, 1, 120, kTop + kHead, {1500}, kRowHeight);
    // The row headings, written as the grid keeps them.
    const char* headings[5] = {"0 スパン\r\n片持梁", "1 スパン", "2 スパン", "3 スパン",
                               "4 スパン\r\n以上"};
    for (int i = 0; i < 5; ++i) vaSpread1[1]->SetText(1, i + 1, QStr(headings[i]));
    for (Grid* g : vaSpread1) {
        MakeDisplayOnly(g);
        AlignCells(g, Qt::AlignCenter);
    }

    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int y = kTop + kHead + i * kRowHeight + 80;
        const char* length = i == 0 ? "×w×(張出し長)" : "×w×(スパン長)";
        Text1[k] = AddEntryBox(this, QString("Text1(%1)").arg(i), 1900, y, 450, 280);
        AddFractionLine(this, 1880, y + 295, 490);
        Text2[k] = AddEntryBox(this, QString("Text2(%1)").arg(i), 1900, y + 340, 450, 280);
        auto* l4 = AddLabel(this, QStr(length), 2420, y + 170, 1700, 300);
        l4->setObjectName(QString("Label4(%1)").arg(i));
        auto* l5 = AddSmallLabel(this, QStr("2"), 3760, y + 110, 200, 200);
        l5->setObjectName(QString("Label5(%1)").arg(i));
        Text3[k] = AddEntryBox(this, QString("Text3(%1)").arg(i), 4900, y, 450, 280);
        AddFractionLine(this, 4880, y + 295, 490);
        Text4[k] = AddEntryBox(this, QString("Text4(%1)").arg(i), 4900, y + 340, 450, 280);
        auto* l9 = AddLabel(this, QStr(length), 5420, y + 170, 1700, 300);
        l9->setObjectName(QString("Label4(%1)").arg(i + 5));
        for (QLineEdit* b : {Text1[k], Text2[k], Text3[k], Text4[k]})
            b->setAlignment(Qt::AlignRight);
    }
    AddOkCancel(2300, 4100, 4550, 1300, 420);

    // Working copy: row by row, Mmax numerator and denominator, Smax numerator
    // and denominator.
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto texts = SpanRowTexts(i);
        QLineEdit* boxes[4] = {Text1[k], Text2[k], Text3[k], Text4[k]};
        for (int n = 0; n < 4; ++n)
            Load(AddBoxField(boxes[n], SpanCoefficientSpec()), texts[static_cast<std::size_t>(n)]);
    }
}

void FSansyutu::Commit() {
    std::array<std::array<std::string, 4>, 5> rows;
    for (int i = 0; i < 5; ++i)
        for (int n = 0; n < 4; ++n)
            rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(n)] = Working(i * 4 + n);
    CommitSpanCoefficients(rows);
}

}  // namespace talvo
