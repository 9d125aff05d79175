#include "companion/ui/referenceDialog.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

#include "companion/study.h"
#include "companion/ui/dialogKit.h"
#include "platform/desktop.h"

namespace talvo::companion {

ReferenceDialog::ReferenceDialog(FrmCondition* condition, QWidget* parent)
    : QDialog(parent), condition_(condition) {}

QHBoxLayout* ReferenceDialog::AddButtons() {
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = Button(QStringLiteral("キャンセル"), this);
    cmdHelp = Button(QStringLiteral("ヘルプ(&H)"), this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(cmdHelp, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
    return ButtonRow({cmdOK, cmdCancel, cmdHelp});
}

void ReferenceDialog::PickOnEnter(QWidget* w) {
    enterPicks_.push_back(w);
    w->installEventFilter(this);
}

void ReferenceDialog::PickOnDoubleClick(QAbstractButton* choice) {
    doubleClickPicks_.push_back(choice);
    choice->installEventFilter(this);
}

bool ReferenceDialog::eventFilter(QObject* watched, QEvent* event) {
    auto among = [watched](const auto& list) {
        return std::find(list.begin(), list.end(), watched) != list.end();
    };
    if (event->type() == QEvent::KeyPress && among(enterPicks_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OkClick();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && among(doubleClickPicks_)) {
        static_cast<QAbstractButton*>(watched)->setChecked(true);
        OkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ReferenceDialog::keyPressEvent(QKeyEvent* event) {
    if (!DropEscape(event)) QDialog::keyPressEvent(event);
}

}  // namespace talvo::companion
