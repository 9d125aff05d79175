#include "companion/ui/frmVolume.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "companion/checks.h"
#include "companion/study.h"
#include "companion/ui/frmCondition.h"
#include "platform/formkit.h"
#include "platform/grid.h"
#include "shell/tables.h"

namespace talvo::companion {

FrmVolume::FrmVolume(FrmCondition* condition, QWidget* parent)
    : ReferenceDialog(condition, parent) {
    setObjectName(QStringLiteral("frmVolume"));
    const int g = UnitWeightGroup;
    setWindowTitle(g == 0   ? QStringLiteral("のり枠の単位体積重量")
                   : g == 1 ? QStringLiteral("中詰め材の単位体積重量")
                   : g == 3 ? QStringLiteral("表層土塊の単位体積重量")
                            : QStringLiteral("参考値"));
    sprVolume = new Grid(5, 2, this);
    sprVolume->setObjectName(QStringLiteral("sprVolume"));
    sprVolume->setHorizontalHeaderLabels(
        {QStringLiteral("材料名"), QStringLiteral("単位体積重量\nkN/m3")});
    sprVolume->verticalHeader()->setVisible(false);
    sprVolume->setColumnWidth(0, 200);
    sprVolume->setColumnWidth(1, 120);
    sprVolume->setMinimumSize(330, 220);
    if (g >= 0 && g <= 3) {
        for (int r = 0; r < 5; ++r) {
            sprVolume->SetText(1, r + 1, QStr(UnitWeightTable[g][r].Name));
            sprVolume->SetText(2, r + 1, QStr(FormatKeta(UnitWeightTable[g][r].Value, 13, 1)));
            sprVolume->item(r, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // One Tab stop whose row is chosen by the arrow keys, opening on the row
    // of the weight the conditions hold (the first row when none holds it).
    sprVolume->setTabKeyNavigation(false);
    QLineEdit* inUse = nullptr;
    if (condition_)
        inUse = g == 0   ? condition_->box[FrmCondition::Frame]
                : g == 1 ? condition_->box[FrmCondition::Pack]
                : g == 3 ? condition_->box[FrmCondition::Mass]
                         : nullptr;
    const int row = inUse ? WeightRowOf(g, inUse->text().toStdString()) : 0;
    sprVolume->setCurrentCell(row > 0 ? row - 1 : 0, 0);
    sprVolume->setFocus(Qt::OtherFocusReason);
    PickOnEnter(sprVolume);
    auto* all = new QVBoxLayout(this);
    all->addWidget(sprVolume);
    all->addLayout(AddButtons());
    // A double-click on a data row picks it (the heading row is no row).
    connect(sprVolume, &QTableWidget::cellDoubleClicked, this, [this] { OkClick(); });
}

void FrmVolume::OkClick() {
    const int row = std::max(0, sprVolume->currentRow()) + 1;
    const std::string value = FormatKeta(sprVolume->TextAt(2, row).toStdString(), 6, 1);
    QLineEdit* target = nullptr;
    switch (UnitWeightGroup) {
        case 0:
            EditFrameWeight = value;
            if (condition_) target = condition_->box[FrmCondition::Frame];
            break;
        case 1:
            EditInfillWeight = value;
            if (condition_) target = condition_->box[FrmCondition::Pack];
            break;
        case 3:
            EditSoilWeight = value;
            if (condition_) target = condition_->box[FrmCondition::Mass];
            break;
        default:
            break;
    }
    if (target) target->setText(QStr(value));
    accept();
}

}  // namespace talvo::companion
