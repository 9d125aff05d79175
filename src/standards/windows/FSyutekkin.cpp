// 主鉄筋本数の算出条件: the frame-width classes with their upper bounds (text
// boxes over the width grid) and, per class, the box-out diameters, the clear
// spacing of the bars and the cover (a grid). The bounds of classes 0 to 4
// are kept increasing; the last class always ends at 1000.
#include <QFrame>

#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "shell/numtext.h"
#include "standards/settingtables.h"
#include "standards/windows/DialogGrid.h"
#include "standards/windows/SettingsDialogs.h"

namespace talvo {

using namespace standards;

FSyutekkin::FSyutekkin(QWidget* parent)
    : GridDialog("FSyutekkin", QStr("主鉄筋本数の算出条件"), 8400, 5600, parent) {
    // The count formula.
    AddLabel(this, QStr("最大本数 ="), 200, 260, 1200, 300)->setObjectName("Label1(2)");
    AddLabel(this, QStr("(枠幅－箱抜き径)×1／2－最小かぶり－鉄筋径"), 1400, 100, 4600, 280,
             Qt::AlignCenter)
        ->setObjectName("Label8");
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    PlaceTwips(line, 1400, 390, 4600, 30);
    AddLabel(this, QStr("鉄筋径＋水平のあき"), 1400, 430, 4600, 280, Qt::AlignCenter)
        ->setObjectName("Label3(4)");
    AddLabel(this, QStr("＋1"), 6050, 260, 500, 300)->setObjectName("Label1(1)");
    AddLabel(this, QStr("× 2"), 6600, 260, 600, 300)->setObjectName("Label1(3)");
    AddLabel(this, QStr("※のり枠工のみの場合は、箱抜き径を鉄筋の水平のあきとして算出"), 200, 850,
             8000, 300)
        ->setObjectName("Label9");
    AddLabel(this, QStr(" 単位 (mm)"), 6900, 1250, 1300, 300)->setObjectName("Label3(0)");

    constexpr int kTop = 1580;
    constexpr int kHead = 330;
    constexpr int kRow = 340;
    // The width classes: a heading over two header lines, then one row per class.
    sprWidth = AddDialogGrid(this, "sprWidth", 7, 1, 200, kTop, {2000}, kRow);
    sprWidth->setRowHeight(0, TwipsToPixelsY(2 * kHead));
    sprWidth->setFixedHeight(sprWidth->height() + TwipsToPixelsY(2 * kHead - kRow));
    const char* widths[7] = {"のり枠幅", " 100 ～", " 200 ～",     " 300 ～",
                             " 400 ～",  " 500 ～", " 600 ～ 1000"};
    for (int r = 0; r < 7; ++r) sprWidth->SetText(1, r + 1, QStr(widths[r]));
    MakeDisplayOnly(sprWidth);
    sprWidth->item(0, 0)->setTextAlignment(Qt::AlignCenter);

    vaSpread1[0] = AddDialogGrid(this, "vaSpread1(0)", 1, 1, 2200, kTop, {3000}, kHead);
    vaSpread1[0]->SetText(1, 1, QStr("箱抜き径"));
    vaSpread1[2] =
        AddDialogGrid(this, "vaSpread1(2)", 1, 2, 2200, kTop + kHead, {1500, 1500}, kHead);
    vaSpread1[2]->SetText(1, 1, QStr("ロックボルト工"));
    vaSpread1[2]->SetText(2, 1, QStr("ｸﾞﾗｳﾝﾄﾞｱﾝｶｰ工"));
    vaSpread1[1] = AddDialogGrid(this, "vaSpread1(1)", 1, 2, 5200, kTop, {1400, 1400}, 2 * kHead);
    vaSpread1[1]->SetText(1, 1, QStr("  鉄筋の　　　 水平のあき"));
    vaSpread1[1]->SetText(2, 1, QStr("  鉄筋の　　　     最小かぶり"));
    for (Grid* g : vaSpread1) {
        MakeDisplayOnly(g);
        AlignCells(g, Qt::AlignCenter);
    }

    sprCondition = AddDialogGrid(this, "sprCondition", 6, 4, 2200, kTop + 2 * kHead,
                                 {1500, 1500, 1400, 1400}, kRow);
    GridLock(sprCondition, true);

    // The bound boxes over the right part of their class's row.
    for (int c = 0; c < 6; ++c) {
        Text4[static_cast<std::size_t>(c)] =
            AddEntryBox(this, QString("Text4(%1)").arg(c), 900, kTop + 2 * kHead + c * kRow + 20,
                        1280, kRow - 20);
        Text4[static_cast<std::size_t>(c)]->setAlignment(Qt::AlignRight);
    }
    AddOkCancel(2600, 4400, 4850, 1300, 420);
    SetTabChain({Text4[0], Text4[1], Text4[2], Text4[3], Text4[4], Text4[5], sprCondition, cmdOK,
                 cmdCancel});

    // Working copy: per class the bound, then its four conditions.
    for (int c = 0; c < 6; ++c) {
        const auto texts = CountRuleTexts(c);
        const int bound = AddBoxField(Text4[static_cast<std::size_t>(c)], WidthBoundSpec(c));
        SetRule(bound, [this, c] { BoundEntered(c); });
        Load(bound, texts[0]);
        for (int col = 1; col <= 4; ++col)
            Load(AddCellField(sprCondition, col, c + 1, ConditionSpec()),
                 texts[static_cast<std::size_t>(col)]);
        if (c < 5) sprWidth->SetText(1, c + 3, QStr(NextClassText(texts[0])));
    }
}

void FSyutekkin::ShowBound(int c, const std::string& bound) {
    Put(BoundField(c), FormatNum(bound, 4, 0));
    if (c < 5) sprWidth->SetText(1, c + 3, QStr(NextClassText(bound)));
}

void FSyutekkin::BoundEntered(int i) {
    std::array<std::string, 6> bounds;
    for (int c = 0; c < 6; ++c)
        bounds[static_cast<std::size_t>(c)] = TrimBlanks(Working(BoundField(c)));
    if (i < 5)
        sprWidth->SetText(1, i + 3, QStr(NextClassText(bounds[static_cast<std::size_t>(i)])));
    for (int moved : CascadeWidthBounds(bounds, i))
        ShowBound(moved, bounds[static_cast<std::size_t>(moved)]);
}

void FSyutekkin::Commit() {
    std::array<std::array<std::string, 5>, 6> rows;
    for (int c = 0; c < 6; ++c)
        for (int k = 0; k < 5; ++k)
            rows[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)] = Working(c * 5 + k);
    CommitRebarCountRule(rows);
}

}  // namespace talvo
