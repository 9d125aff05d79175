#include "companion/ui/dialogKit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/formkit.h"

namespace talvo::companion {

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

QLabel* UnitLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    EnlargeSmallLetterUnit(label);
    return label;
}

bool DropEscape(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return false;
    event->accept();
    return true;
}

}  // namespace talvo::companion
