// 設計積雪深の設定: the share of the design snow depth taken as load below the
// first gradient limit, between the limits and from the second one up. The
// two limits are kept strictly increasing; a refused entry keeps the focus.
#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "standards/settingtables.h"
#include "standards/windows/SettingsDialogs.h"

namespace talvo {

using namespace standards;

FSekisetu::FSekisetu(QWidget* parent)
    : GridDialog("FSekisetu", QStr("設計積雪深の設定"), 6600, 3100, parent) {
    auto* frame = AddPanel(this, QStr("のり勾配に応じた積雪荷重"), 120, 60, 6360, 2150);
    frame->setObjectName("Label21");
    const int rows[3] = {480, 1030, 1580};
    // Line 1: 1 : [limit 0] 未満 ・・・ 積雪深 [percent 0] ％ 考慮
    AddLabel(this, QStr("1 : "), 300, rows[0], 400, 300);
    Text1[0] = AddEntryBox(this, "Text1(0)", 700, rows[0], 700, 300);
    AddLabel(this, QStr("未満"), 1480, rows[0], 500, 300);
    AddLabel(this, QStr("・・・・・・・・・・"), 2000, rows[0], 1900, 300);
    // Line 2: 1 : [limit 0] 以上～ [limit 1] 未満 ・・・・ 積雪深 [percent 1] ％ 考慮
    AddLabel(this, QStr("1 : "), 300, rows[1], 400, 300);
    Label3[0] = AddValueLabel(this, "Label3(0)", 700, rows[1], 700, 300, ValueLook::Sunken);
    AddLabel(this, QStr("以上～"), 1480, rows[1], 700, 300);
    Label3[1] = AddValueLabel(this, "Label3(1)", 2200, rows[1], 700, 300, ValueLook::Sunken);
    AddLabel(this, QStr("未満"), 2980, rows[1], 500, 300);
    AddLabel(this, QStr("・・・・"), 3500, rows[1], 400, 300);
    // Line 3: 1 : [limit 1] 以上 ・・・ 積雪深 [percent 2] ％ 考慮
    AddLabel(this, QStr("1 :"), 300, rows[2], 400, 300);
    Text1[1] = AddEntryBox(this, "Text1(1)", 700, rows[2], 700, 300);
    AddLabel(this, QStr("以上"), 1480, rows[2], 500, 300);
    AddLabel(this, QStr("・・・・・・・・・・"), 2000, rows[2], 1900, 300);
    for (int i = 0; i < 3; ++i) {
        AddLabel(this, QStr("積雪深"), 3950, rows[i], 700, 300);
        Text2[static_cast<std::size_t>(i)] =
            AddEntryBox(this, QString("Text2(%1)").arg(i), 4650, rows[i], 800, 300);
        AddLabel(this, QStr("％ 考慮"), 5520, rows[i], 900, 300);
    }
    for (QLabel* l : Label3) l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    AddOkCancel(1700, 3500, 2430, 1300, 420);
    SetTabChain({Text1[0], Text1[1], Text2[0], Text2[1], Text2[2], cmdOK, cmdCancel});

    const auto texts = SnowTexts();
    for (int i = 0; i < 2; ++i) {
        const int id = AddBoxField(Text1[static_cast<std::size_t>(i)], SnowLimitSpec(i));
        SetRule(id, [this, i] { LimitEntered(i); });
    }
    for (int i = 0; i < 3; ++i) AddBoxField(Text2[static_cast<std::size_t>(i)], SnowPercentSpec());
    for (int id = 0; id < 5; ++id) Load(id, texts[static_cast<std::size_t>(id)]);
    Label3[0]->setText(QStr(Working(0)));
    Label3[1]->setText(QStr(Working(1)));
}

void FSekisetu::LimitEntered(int i) {
    Label3[static_cast<std::size_t>(i)]->setText(QStr(Working(i)));
    std::array<std::string, 2> limits{Working(0), Working(1)};
    const int moved = OrderSnowLimits(limits, i);
    if (moved < 0) return;
    Put(moved, limits[static_cast<std::size_t>(moved)]);
    Label3[static_cast<std::size_t>(moved)]->setText(QStr(Working(moved)));
}

void FSekisetu::Commit() {
    CommitSnowRule({Working(0), Working(1), Working(2), Working(3), Working(4)});
}

}  // namespace talvo
