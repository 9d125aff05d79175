#include "companion/ui/frmDeltaFs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "companion/checks.h"
#include "companion/study.h"
#include "companion/ui/frmCondition.h"
#include "platform/formkit.h"

namespace talvo::companion {

FrmDeltaFs::FrmDeltaFs(FrmCondition* condition, QWidget* parent)
    : ReferenceDialog(condition, parent) {
    setObjectName(QStringLiteral("frmDeltaFs"));
    setWindowTitle(QStringLiteral("増加させる安全率"));
    optFs[0] = new QRadioButton(QStringLiteral("ΔFs=1.0"), this);
    optFs[1] = new QRadioButton(QStringLiteral("ΔFs=0.2"), this);
    optFs[2] = new QRadioButton(QStringLiteral("ΔFs=0.5"), this);
    optFs[0]->setChecked(true);
    auto* g = new QGridLayout;
    g->addWidget(optFs[0], 0, 0);
    g->addWidget(new QLabel(QStringLiteral("：すべり面でのすべり抵抗を考慮せず崩壊土塊の全荷重")),
                 0, 1);
    g->addWidget(new QLabel(QStringLiteral("をのり枠で抑止しようとする場合")), 1, 1);
    g->addWidget(optFs[1], 2, 0);
    g->addWidget(new QLabel(QStringLiteral("：すべり面でのすべり抵抗を考慮して崩壊土塊の全荷重")),
                 2, 1);
    g->addWidget(optFs[2], 3, 0);
    g->addWidget(new QLabel(QStringLiteral("の２割（５割）をのり枠で抑止しようとする場合")), 3, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(g);
    all->addLayout(AddButtons());
    for (auto* o : optFs) PickOnDoubleClick(o);
}

void FrmDeltaFs::OkClick() {
    const char* value = optFs[0]->isChecked() ? "1.00" : optFs[1]->isChecked() ? "0.20" : "0.50";
    EditDeltaFs = FormatKeta(value, 6, 2);
    if (condition_) condition_->box[FrmCondition::Safety]->setText(QStr(EditDeltaFs));
    accept();
}

}  // namespace talvo::companion
