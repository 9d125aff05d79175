// スターラップの設定: the initial stirrup settings of the results window. The
// bar is chosen from the deformed-bar table with the up-down control or the
// arrow keys; its box cannot be typed into.
#include <QKeyEvent>

#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "shell/tables.h"
#include "standards/settingtables.h"
#include "standards/windows/SettingsDialogs.h"

namespace talvo {

using namespace standards;

FStarrap::FStarrap(QWidget* parent)
    : GridDialog("FStarrap", QStr("スターラップの設定"), 6000, 5000, parent) {
    auto* frame = AddPanel(this, QStr("スターラップの初期設定"), 120, 60, 5760, 4150);
    frame->setObjectName("Label21");
    AddLabel(this, QStr("使用鉄筋"), 400, 450, 1100, 300);
    Text7 = AddEntryBox(this, "Text7", 1600, 450, 900, 300);
    UpDown1 = new UpDown(this);
    UpDown1->setObjectName("UpDown1");
    PlaceTwips(UpDown1, 2500, 450, 255, 300);
    AddLabel(this, QStr("本 数"), 400, 870, 1100, 300);
    Text4 = AddEntryBox(this, "Text4", 1600, 870, 900, 300);
    AddLabel(this, QStr("(本)"), 2580, 870, 600, 300);
    AddLabel(this, QStr("最小間隔"), 400, 1290, 1100, 300);
    Text1 = AddEntryBox(this, "Text1", 1600, 1290, 900, 300);
    AddLabel(this, QStr("(mm)"), 2580, 1290, 600, 300);
    AddLabel(this, QStr("最大間隔"), 400, 1710, 1100, 300);
    Text2 = AddEntryBox(this, "Text2", 1600, 1710, 900, 300);
    AddLabel(this, QStr("(mm)"), 2580, 1710, 600, 300);
    AddLabel(this, QStr("丸 め"), 400, 2130, 1100, 300);
    Text3 = AddEntryBox(this, "Text3", 1600, 2130, 900, 300);
    AddLabel(this, QStr("(mm)"), 2580, 2130, 600, 300);
    Check1 = new QCheckBox(QStr("最大間隔を枠有効高の1/2とする"), this);
    Check1->setObjectName("Check1");
    PlaceTwips(Check1, 400, 2580, 5200, 300);
    auto* Label1 =
        AddLabel(this, QStr("コンクリートが受けるせん断力 Sc の算出式"), 400, 3030, 5200, 300);
    Label1->setObjectName("Label1");
    Option1 = new QRadioButton(QStr("（τca・ｂ・ｄ・ｊ）／２"), this);
    Option1->setObjectName("Option1");
    PlaceTwips(Option1, 700, 3400, 4500, 300);
    Option2 = new QRadioButton(QStr("（τca・ｂ・ｄ）／２"), this);
    Option2->setObjectName("Option2");
    PlaceTwips(Option2, 700, 3760, 4500, 300);
    AddOkCancel(1500, 3200, 4420, 1300, 420);
    SetTabChain(
        {Text7, UpDown1, Text4, Text1, Text2, Text3, Check1, Option1, Option2, cmdOK, cmdCancel});

    // Working copy order: minimum, maximum, rounding, count.
    const auto texts = StirrupTexts();
    QLineEdit* boxes[4] = {Text1, Text2, Text3, Text4};
    for (int b = 0; b < 4; ++b)
        Load(AddBoxField(boxes[b], StirrupSpec(b)), texts[static_cast<std::size_t>(b)]);
    const auto order = [this](bool minimumEdited) {
        std::string minimum = Working(0), maximum = Working(1);
        const int changed = OrderStirrupSpacing(minimum, maximum, minimumEdited);
        if (changed == 1) Put(1, maximum);
        if (changed == 0) Put(0, minimum);
    };
    SetRule(0, [order] { order(true); });
    SetRule(1, [order] { order(false); });

    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) formula_ = 0;
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) formula_ = 1;
    });
    (StirrupDefaults.ScFormula != 0 ? Option2 : Option1)->setChecked(true);
    Check1->setChecked(StirrupDefaults.MaxHalfDepth != 0);

    Text7->setReadOnly(true);
    Text7->installEventFilter(this);
    barIndex_ = StirrupBarIndex();
    ShowBar();
    connect(UpDown1, &UpDown::UpClick, this, [this] {
        StepBar(1);
        UpDown1->setFocus();
    });
    connect(UpDown1, &UpDown::DownClick, this, [this] {
        StepBar(-1);
        UpDown1->setFocus();
    });
}

void FStarrap::ShowBar() {
    Text7->setText(QStr("   " + RebarSpecTable[static_cast<std::size_t>(barIndex_)].Name));
}

void FStarrap::StepBar(int delta) {
    const int next = barIndex_ + delta;
    if (next < 0 || next > 11) return;
    barIndex_ = next;
    ShowBar();
}

bool FStarrap::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text7 && event->type() == QEvent::KeyPress) {
        // The arrow keys step the bar; every key is swallowed.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) StepBar(1);
        if (key == Qt::Key_Down) StepBar(-1);
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape ||
            key == Qt::Key_Return || key == Qt::Key_Enter)
            return GridDialog::eventFilter(watched, event);  // moving on and the dialog's keys
        return true;
    }
    return GridDialog::eventFilter(watched, event);
}

void FStarrap::Commit() {
    CommitStirrups({Working(0), Working(1), Working(2), Working(3)}, Check1->isChecked(), formula_,
                   barIndex_);
}

}  // namespace talvo
