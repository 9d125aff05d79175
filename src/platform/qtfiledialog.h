// The file dialog of the program, over QFileDialog: the sink that the common
// file dialog (shell/filedialog.h) shows every dialog through; and the one
// place where a program installs its message box and file dialogs.
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "platform/qtmessagebox.h"
#include "shell/filedialog.h"

namespace talvo {

class QtFileDialogSink : public FileDialogSink {
public:
    explicit QtFileDialogSink(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> Show(const FileDialogRequest& request) override;

    // The dialog as Show would present it, not yet shown (the caller owns it).
    static QFileDialog* Build(const FileDialogRequest& request, QWidget* parent);

private:
    QPointer<QWidget> parent_;
};

// The message box and the file dialog of a program, shown over Qt for as long
// as it lives. Both programs' main() hold one, so that neither of them can run
// with a file dialog that counts every choice as cancelled. The previous sinks
// come back when it ends.
class ProgramDialogs {
public:
    ProgramDialogs();
    ~ProgramDialogs();
    ProgramDialogs(const ProgramDialogs&) = delete;
    ProgramDialogs& operator=(const ProgramDialogs&) = delete;

    // The window the boxes and dialogs stand over (the active window when none).
    void SetParent(QWidget* parent);

private:
    QtMessageSink messages_;
    QtFileDialogSink files_;
    MessageSink* previousMessages_ = nullptr;
    FileDialogSink* previousFiles_ = nullptr;
};

// The "Description|pattern|..." filter as Qt name filters:
// "Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|" gives
// "Talvo-SI FILE (*.kvd)" and "All Files (*)"; "*.*" matches every name here,
// as it does on the desktop the files come from.
QStringList QtNameFilters(const std::string& filter);

}  // namespace talvo
