// The file dialog of the program, over QFileDialog: the sink that the common
// file dialog (shell/filedialog.h) shows every dialog through.
#pragma once

#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <QWidget>

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

// The "Description|pattern|..." filter as Qt name filters:
// "Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|" gives
// "Talvo-SI FILE (*.kvd)" and "All Files (*)"; "*.*" matches every name here,
// as it does on the desktop the files come from.
QStringList QtNameFilters(const std::string& filter);

}  // namespace talvo
