// The message box of the program, over QMessageBox: the sink that the
// message interface (shell/message.h) sends every message to.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "shell/message.h"

namespace talvo {

// Shows each message modally over `parent` (the active window when none):
// the given title ("Talvo-SI" unless the caller gives another), the icon, the
// buttons with the default one, and a "\r" or "\r\n" line break as a line break.
class QtMessageSink : public MessageSink {
public:
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MsgResult Show(const MessageRequest& request) override;

    // The box as Show would present it, not yet shown (the caller owns it).
    static QMessageBox* Build(const MessageRequest& request, QWidget* parent);

private:
    QPointer<QWidget> parent_;
};

// A message text with the program's "\r" and "\r\n" line breaks as "\n".
QString MessageText(const std::string& text);

}  // namespace talvo
