#include "shell/filedialog.h"

#include <filesystem>
#include <system_error>

namespace talvo {

namespace {
FileDialogSink* g_fileSink = nullptr;
}

FileDialogSink* SetFileDialogSink(FileDialogSink* sink) {
    FileDialogSink* old = g_fileSink;
    g_fileSink = sink;
    return old;
}

void CommonDialog::SetAction(int action) {
    cancelled_ = true;
    if (action != 1 && action != 2) return;
    FileDialogRequest request;
    request.action = action;
    request.fileName = FileName;
    request.defaultExt = DefaultExt;
    request.filter = Filter;
    request.filterIndex = FilterIndex;
    request.flags = Flags;
    request.title = DialogTitle;
    std::error_code ec;
    request.folder = std::filesystem::current_path(ec).string();

    std::optional<std::string> chosen;
    if (g_fileSink) chosen = g_fileSink->Show(request);
    if (!chosen || chosen->empty()) return;

    cancelled_ = false;
    FileName = *chosen;
    // The dialog leaves the chosen file's folder as the current folder.
    std::filesystem::path folder = std::filesystem::path(FileName).parent_path();
    if (!folder.empty()) std::filesystem::current_path(folder, ec);
}

}  // namespace talvo
