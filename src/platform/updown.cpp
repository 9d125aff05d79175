#include "platform/updown.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

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

// Over both arrows, the frame that shows the control has the focus, drawn as
// the style draws it round a focused button or check box. It lets every
// click through to the arrows beneath, and is shown only with the focus.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(UpDown* control) : QWidget(control), control_(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!control_->hasFocus()) return;
        QStyleOptionFocusRect option;
        option.initFrom(control_);
        option.rect = rect();
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, control_);
    }

private:
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
