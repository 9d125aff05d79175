// The up-down control: two small arrow buttons stacked beside a box. The
// windows use only its two click events, one per click, and that it can take
// the focus; it holds no value of its own (the window steps its own index).
// With the focus it shows a band of the selection colour round both arrows.
#pragma once

#include <QWidget>

class QToolButton;

namespace talvo {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

signals:
    void UpClick();
    void DownClick();

protected:
    // With the focus, the Up and Down arrow keys click as the buttons do.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QWidget* frame_;
};

}  // namespace talvo
