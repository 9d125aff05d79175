#include "platform/qtmessagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <cmath>
#include <vector>

namespace talvo {

QString MessageText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

namespace {

std::vector<QMessageBox::StandardButton> ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return {QMessageBox::Ok};
        case MsgButtons::OkCancel:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case MsgButtons::YesNo:
            return {QMessageBox::Yes, QMessageBox::No};
        case MsgButtons::YesNoCancel:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok};
}

// The button texts of the Japanese desktop the program was made for.
QString ButtonText(QMessageBox::StandardButton b) {
    switch (b) {
        case QMessageBox::Ok:
            return QStringLiteral("OK");
        case QMessageBox::Cancel:
            return QStringLiteral("キャンセル");
        case QMessageBox::Yes:
            return QStringLiteral("はい(&Y)");
        case QMessageBox::No:
            return QStringLiteral("いいえ(&N)");
        case QMessageBox::Help:
            return QStringLiteral("ヘルプ(&H)");
        default:
            return QString();
    }
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::None:
            return QMessageBox::NoIcon;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// The longest line, in characters, that a box keeps on one line whatever its
// characters; a longer line wraps at the width of this many full-width ones.
constexpr int kWholeLineChars = 60;

// QMessageBox wraps its text at about half the screen, which breaks the
// program's longer one-line messages. This box is made wide enough for each
// of its lines up to kWholeLineChars characters, as far as the screen lets it.
class ProgramMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QLabel* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label) label->setMinimumWidth(WholeLinesWidth(*label));
        QMessageBox::showEvent(event);
        // Held to the screen's room: the label gives up what the box lacks,
        // and wraps there.
        if (!label || !layout()) return;
        const int excess = layout()->totalMinimumSize().width() - width();
        if (excess > 0) {
            label->setMinimumWidth(std::max(0, label->minimumWidth() - excess));
            setText(text());  // sizes the box again
        }
    }

private:
    // The width that keeps every line up to kWholeLineChars characters whole
    // at the label's font.
    static int WholeLinesWidth(const QLabel& label) {
        const QFontMetricsF fm(label.font());
        const qreal full = fm.horizontalAdvance(QString(kWholeLineChars, QChar(0x6F22)));
        qreal widest = 0;
        for (const QString& line : label.text().split(QLatin1Char('\n'))) {
            const qreal w = fm.horizontalAdvance(line);
            widest = std::max(widest, line.size() <= kWholeLineChars ? w : std::min(w, full));
        }
        return static_cast<int>(std::ceil(widest)) + 1;
    }
};

}  // namespace

QMessageBox* QtMessageSink::Build(const MessageRequest& request, QWidget* parent) {
    auto* box = new ProgramMessageBox(parent);
    box->setWindowTitle(QString::fromStdString(request.title.empty() ? kAppTitle : request.title));
    box->setTextFormat(Qt::PlainText);
    box->setText(MessageText(request.text));
    box->setIcon(IconOf(request.icon));
    std::vector<QMessageBox::StandardButton> buttons = ButtonsOf(request.buttons);
    for (QMessageBox::StandardButton b : buttons) {
        QAbstractButton* button = box->addButton(b);
        button->setText(ButtonText(b));
    }
    if (request.helpButton)
        box->addButton(QMessageBox::Help)->setText(ButtonText(QMessageBox::Help));
    int d = request.defaultButton;
    if (d < 0 || d >= static_cast<int>(buttons.size())) d = 0;
    box->setDefaultButton(buttons[static_cast<std::size_t>(d)]);
    if (request.buttons == MsgButtons::OkCancel || request.buttons == MsgButtons::YesNoCancel)
        box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

MsgResult QtMessageSink::Show(const MessageRequest& request) {
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QMessageBox* box = Build(request, parent);
    box->exec();
    QMessageBox::StandardButton b = box->standardButton(box->clickedButton());
    delete box;
    switch (b) {
        case QMessageBox::Yes:
            return MsgResult::Yes;
        case QMessageBox::No:
            return MsgResult::No;
        case QMessageBox::Cancel:
            return MsgResult::Cancel;
        case QMessageBox::Ok:
            return MsgResult::Ok;
        default:
            break;
    }
    // Closed without a button (only possible where no Cancel exists).
    switch (request.buttons) {
        case MsgButtons::YesNo:
            return MsgResult::No;
        case MsgButtons::Ok:
            return MsgResult::Ok;
        default:
            return MsgResult::Cancel;
    }
}

}  // namespace talvo
