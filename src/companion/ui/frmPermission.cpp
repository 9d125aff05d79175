#include "companion/ui/frmPermission.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "companion/checks.h"
#include "companion/study.h"
#include "companion/ui/dialogKit.h"
#include "companion/ui/frmCondition.h"
#include "platform/formkit.h"
#include "platform/grid.h"
#include "shell/tables.h"

namespace talvo::companion {

FrmPermission::FrmPermission(FrmCondition* condition, QWidget* parent)
    : ReferenceDialog(condition, parent) {
    setObjectName(QStringLiteral("frmPermission"));
    setWindowTitle(QStringLiteral("設計基準強度および許容応力度"));
    cmbAssociation = new QComboBox(this);
    auto* head = new QGridLayout;
    head->setSpacing(0);
    auto cell = [&](const QString& t, int r, int c, int rs = 1, int cs = 1) {
        auto* l = new QLabel(t, this);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setMinimumWidth(70 * cs);
        head->addWidget(l, r, c, rs, cs);
    };
    cell(QStringLiteral("コンクリート"), 0, 0, 1, 4);
    cell(QStringLiteral("鉄筋"), 0, 4);
    cell(QStringLiteral("設計基準強度"), 1, 0, 2, 1);
    cell(QStringLiteral("許容応力度"), 1, 1, 1, 3);
    cell(QStringLiteral("許容応力度"), 1, 4);
    cell(QStringLiteral("圧縮"), 2, 1);
    cell(QStringLiteral("せん断"), 2, 2);
    cell(QStringLiteral("付着"), 2, 3);
    cell(QStringLiteral("引張"), 2, 4);
    const char* syms[] = {"σｃｋ", "σｃａ", "τｃａ", "τｏａ", "σｓａ"};
    for (int c = 0; c < 5; ++c) cell(QString::fromUtf8(syms[c]), 3, c);
    sprStress = new Grid(5, 5, this);
    sprStress->setObjectName(QStringLiteral("sprStress"));
    sprStress->horizontalHeader()->setVisible(false);
    sprStress->verticalHeader()->setVisible(false);
    for (int c = 0; c < 5; ++c) sprStress->setColumnWidth(c, 70);
    sprStress->setFixedSize(352, 5 * 30 + 2);
    // One Tab stop whose row is chosen by the arrow keys.
    sprStress->setTabKeyNavigation(false);
    PickOnEnter(sprStress);
    auto* all = new QVBoxLayout(this);
    all->addWidget(cmbAssociation);
    all->addLayout(head);
    all->addWidget(sprStress);
    all->addWidget(UnitLabel(QStringLiteral("(単位 N/mm<sup>2</sup>)"), this));
    all->addLayout(AddButtons());
    for (int s = 0; s < 4; ++s) cmbAssociation->addItem(QStr(StandardName[s]));
    connect(cmbAssociation, &QComboBox::currentIndexChanged, this,
            [this](int s) { SelectStandard(s); });
    // The dialog opens on the standard and row of the stresses the
    // conditions hold, when a row holds them; else on the first standard.
    const std::string sigmaCa =
        condition_ ? condition_->box[FrmCondition::Concrete]->text().toStdString() : EditSigmaCa;
    const std::string sigmaSa =
        condition_ ? condition_->box[FrmCondition::Iron]->text().toStdString() : EditSigmaSa;
    const int standard = StressStandardOf(StandardChoice, sigmaCa, sigmaSa);
    const int row = StressRowOf(standard, sigmaCa, sigmaSa);
    {
        const QSignalBlocker quiet(cmbAssociation);
        cmbAssociation->setCurrentIndex(row > 0 ? standard : 0);
    }
    SelectStandard(cmbAssociation->currentIndex());
    sprStress->setCurrentCell(row > 0 ? row - 1 : 0, 0);
    sprStress->setFocus(Qt::OtherFocusReason);
    connect(sprStress, &QTableWidget::cellDoubleClicked, this, [this] { OkClick(); });
}

void FrmPermission::SelectStandard(int s) {
    if (s < 0 || s > 3) return;
    for (int r = 0; r < 5; ++r) {
        const StressSet& row = AllowableStressTable[s][r];
        sprStress->SetText(1, r + 1, QStr(FormatKeta(row.SigmaCk, 8, 0)));
        sprStress->SetText(2, r + 1, QStr(FormatKeta(row.SigmaCa, 6, 1)));
        sprStress->SetText(3, r + 1, QStr(FormatKeta(row.TauCa, 6, 2)));
        sprStress->SetText(4, r + 1, QStr(FormatKeta(row.TauOa, 6, 1)));
        sprStress->SetText(5, r + 1, QStr(FormatKeta(row.SigmaSa, 8, 0)));
    }
    StandardChoice = static_cast<std::int16_t>(s);
}

void FrmPermission::OkClick() {
    const int r = std::max(0, sprStress->currentRow());
    const StressSet& row = AllowableStressTable[StandardChoice][std::min(r, 4)];
    EditSigmaCa = row.SigmaCa;
    EditSigmaSa = row.SigmaSa;
    if (condition_) {
        condition_->box[FrmCondition::Concrete]->setText(QStr(FormatKeta(row.SigmaCa, 6, 1)));
        condition_->box[FrmCondition::Iron]->setText(QStr(FormatKeta(row.SigmaSa, 6, 0)));
    }
    accept();
}

}  // namespace talvo::companion
