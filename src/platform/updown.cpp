#include "platform/updown.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

namespace talvo {

namespace {

QToolButton* ArrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(arrow);
    b->setAutoRepeat(false);
    // A click leaves the focus where it is; the window moves it where it
    // wants it.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// Over both arrows, the frame that shows the control has the focus: a band
// of the selection colour all round, as plain to see as the marked cell of a
// grid beside it (a style's dotted focus rectangle is lost on two arrows this
// small, and some styles draw it only after a key moved the focus). It lets
// every click through to the arrows beneath, and is shown only with the
// focus.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(UpDown* control) : QWidget(control), control_(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!control_->hasFocus()) return;
        const QColor band = control_->palette().color(QPalette::Active, QPalette::Highlight);
        const int w = width(), h = height(), t = std::min(kBand, std::min(w, h) / 2);
        QPainter painter(this);
        painter.fillRect(0, 0, w, t, band);
        painter.fillRect(0, h - t, w, t, band);
        painter.fillRect(0, 0, t, h, band);
        painter.fillRect(w - t, 0, t, h, band);
    }

private:
    static constexpr int kBand = 2;  // pixels
    UpDown* control_;
};

}  // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
    // Reached with the Tab key or given the focus by the window; a click
    // does not take it.
    setFocusPolicy(Qt::TabFocus);
    up_ = ArrowButton(this, Qt::UpArrow, "Up");
    down_ = ArrowButton(this, Qt::DownArrow, "Down");
    connect(up_, &QToolButton::clicked, this, &UpDown::UpClick);
    connect(down_, &QToolButton::clicked, this, &UpDown::DownClick);
    frame_ = new FocusFrame(this);
    frame_->hide();
}

void UpDown::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    frame_->show();
    frame_->raise();
}

void UpDown::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    frame_->hide();
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        emit UpClick();
    } else if (event->key() == Qt::Key_Down) {
        emit DownClick();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
    frame_->setGeometry(rect());
    frame_->raise();
}

}  // namespace talvo
