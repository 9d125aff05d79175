// Placing the controls of the input steps: every position and size is given
// in twips and converted once through the screen's twips per pixel, so the
// windows keep their proportions at any DPI.
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "platform/mdichild.h"

namespace talvo::input {

// Text colours of the entry boxes: a contradicting pair of inputs is red.
inline const QColor kRedText{255, 0, 0};
inline const QColor kBlackText{0, 0, 0};

inline void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(TwipsToPixels(left, top, width, height));
}

// A static text; `text` may carry <sub>…</sub> for an index ("b<sub>y</sub>").
inline QLabel* Text(QWidget* parent, const QString& text, int left, int top, int width, int height,
                    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(parent);
    if (text.contains(QLatin1Char('<'))) {
        l->setTextFormat(Qt::RichText);
    } else {
        l->setTextFormat(Qt::PlainText);
    }
    l->setText(text);
    l->setAlignment(align);
    Place(l, left, top, width, height);
    return l;
}

// A framed panel with its caption.
inline QGroupBox* Panel(QWidget* parent, const QString& caption, int left, int top, int width,
                        int height) {
    auto* g = new QGroupBox(caption, parent);
    Place(g, left, top, width, height);
    return g;
}

// An entry box, named as the window calls it ("txtWidth(0)").
inline QLineEdit* Box(QWidget* parent, const QString& name, int left, int top, int width,
                      int height) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(name);
    b->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Place(b, left, top, width, height);
    return b;
}

// Fore colour of a box's text.
inline void SetForeColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::All, QPalette::Text, c);
    w->setPalette(p);
}
inline QColor ForeColor(const QWidget* w) {
    return w->palette().color(QPalette::Text);
}

}  // namespace talvo::input
