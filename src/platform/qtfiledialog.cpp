#include "platform/qtfiledialog.h"

#include <QApplication>
#include <QDir>

namespace talvo {

QStringList QtNameFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty()) continue;
        // The description shows its patterns in brackets already; Qt reads the
        // patterns from the last bracket, so it is rebuilt from the pattern part.
        int open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : list) {
            p = p.trimmed();
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        }
        result << description + QStringLiteral(" (") + list.join(QLatin1Char(' ')) +
                      QStringLiteral(")");
    }
    return result;
}

QFileDialog* QtFileDialogSink::Build(const FileDialogRequest& request, QWidget* parent) {
    auto* dialog = new QFileDialog(parent, QString::fromStdString(request.title),
                                   QString::fromStdString(request.folder));
    const bool save = request.action == 2;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Without the must-exist flag the open dialog takes any name typed in;
    // the reader then reports a missing file itself.
    if (save || !(request.flags & CommonDialog::kFileMustExist))
        dialog->setFileMode(QFileDialog::AnyFile);
    else
        dialog->setFileMode(QFileDialog::ExistingFile);
    // The save dialog asks before replacing a file only when told to.
    dialog->setOption(QFileDialog::DontConfirmOverwrite,
                      !(request.flags & CommonDialog::kOverwritePrompt));
    QStringList filters = QtNameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        int index = request.filterIndex - 1;
        if (index < 0 || index >= filters.size()) index = 0;
        dialog->selectNameFilter(filters[index]);
    }
    dialog->setDefaultSuffix(QString::fromStdString(request.defaultExt));
    if (!request.fileName.empty()) dialog->selectFile(QString::fromStdString(request.fileName));
    return dialog;
}

ProgramDialogs::ProgramDialogs()
    : previousMessages_(SetMessageSink(&messages_)), previousFiles_(SetFileDialogSink(&files_)) {}

ProgramDialogs::~ProgramDialogs() {
    SetFileDialogSink(previousFiles_);
    SetMessageSink(previousMessages_);
}

void ProgramDialogs::SetParent(QWidget* parent) {
    messages_.SetParent(parent);
    files_.SetParent(parent);
}

std::optional<std::string> QtFileDialogSink::Show(const FileDialogRequest& request) {
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    QFileDialog* dialog = Build(request, parent);
    std::optional<std::string> chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
        chosen = QDir::cleanPath(dialog->selectedFiles().first()).toStdString();
    delete dialog;
    return chosen;
}

}  // namespace talvo
