// The file dialog, as its callers see it (the design-file commands and the
// preview's PDF save): the members of the common file dialog they set up,
// and one sink that shows it. The program installs a Qt sink
// (platform/qtfiledialog.h); tests install a scripted one that returns a
// path or cancels.
#pragma once

#include <optional>
#include <string>

namespace talvo {

// What the sink is asked to show.
struct FileDialogRequest {
    int action = 1;          // 1 open, 2 save
    std::string fileName;    // proposed name ("" for none)
    std::string defaultExt;  // "kvd": added by the dialog to a name typed without one
    std::string filter;      // "Description|pattern|Description|pattern|"
    int filterIndex = 1;     // 1-based filter shown first
    int flags = 0;           // see CommonDialog::Flags
    std::string folder;      // the folder the dialog opens in (the current folder)
    std::string title;       // the dialog's caption ("" for the toolkit's own)
};

class FileDialogSink {
public:
    virtual ~FileDialogSink() = default;
    // The chosen path, as the dialog gives it (with the default extension
    // already added to a name typed without one), or nothing when cancelled.
    virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

// Installs the sink that shows every file dialog; returns the previous one.
// With no sink installed every dialog counts as cancelled.
FileDialogSink* SetFileDialogSink(FileDialogSink* sink);

// The common file dialog with the members its callers use.
class CommonDialog {
public:
    // Flag bits of Flags, as the common dialog defines them.
    static constexpr int kOverwritePrompt = 0x2;   // the save dialog asks before replacing a file
    static constexpr int kHideReadOnly = 0x4;      // no read-only check box
    static constexpr int kPathMustExist = 0x800;   // the chosen folder must exist
    static constexpr int kFileMustExist = 0x1000;  // the open dialog takes existing files only

    std::string DialogTitle;  // the caption; "" for the toolkit's own
    std::string FileName;     // in: proposed name; out: the chosen path
    std::string DefaultExt;   // without its dot
    std::string Filter;       // "Description|pattern|..." pairs
    int FilterIndex = 1;
    int Flags = 0;
    // Kept for the callers that set it; a cancelled dialog never raises an
    // error here, it is reported by Cancelled() instead.
    bool CancelError = false;

    // Setting Action shows the dialog: 1 the open dialog, 2 the save dialog.
    // Any other value shows nothing and counts as cancelled. A good choice
    // sets FileName to the path and makes its folder the current folder.
    void SetAction(int action);
    void ShowOpen() { SetAction(1); }
    void ShowSave() { SetAction(2); }

    // True when the dialog last shown was cancelled.
    bool Cancelled() const { return cancelled_; }

private:
    bool cancelled_ = false;
};

}  // namespace talvo
