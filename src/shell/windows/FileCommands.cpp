// The design-file commands and the window side of reading and writing a
// design file. Every message goes through the message interface; the file
// dialog is the main window's CMDialog1.
#include "shell/windows/FileCommands.h"

#include <optional>

#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/toolids.h"
#include "shell/windows/MainWindow.h"

namespace talvo {

namespace {

const char* const kFileTools[] = {kToolClose, kToolSave, kToolSaveAs, kToolArrangeIcons};

MainFrame* Main() {
    return MainFrame::Instance();
}

void SetCaption(const std::string& caption) {
    if (Main()) Main()->SetCaption(caption);
}

bool HasOwnFile() {
    return CurrentFile != kUntitled && CurrentFile != kNoFile;
}

// Writes the open design to `path`; `ownFile`: over the design's own file,
// which asks first when another program (or another window of this one) has
// written there since this program last read or wrote it, or is saving it at
// this moment. No, the default, writes nothing, so that the design can still
// be saved under another name. Returns false (after its message) when the
// file was not written.
bool WriteDesignTo(const std::string& path, bool ownFile) {
    std::optional<MainFrame::Hourglass> busy;
    busy.emplace();
    GuardedDesignWrite write = WriteDesignGuarded(path, Design, ownFile);
    if (write.askFirst) {
        // The lock is let go of while the question stands: the other
        // program's save must not wait for this engineer's answer.
        busy.reset();
        if (MsgBox(ChangedFileQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation, 1) !=
            MsgResult::Yes) {
            return false;
        }
        busy.emplace();
        write = WriteDesignGuarded(path, Design, false);
    }
    const DesignWriteResult& result = write.result;
    if (!result.ok) {
        // Nothing of the design's name, caption or recent list moves: the
        // design still differs from every file it could belong to.
        busy.reset();
        MsgBox(result.error.empty() ? path + " に書き込めません。" : result.error, MsgButtons::Ok,
               MsgIcon::Exclamation);
        return false;
    }
    CurrentFile = path;
    AddRecentFile();
    SetCaption(StepMode == 0 ? PlainCaption(CurrentFile)
                             : ChainCaption(Design.WorkType, CurrentFile));
    busy.reset();
    DataChanged = 0;
    return true;
}

// The save question. `keptName`, when given, receives the name the design
// had just before the question gave it up, so that a command that goes on to
// a dialog the engineer cancels can give the design its name back.
bool ConfirmSaveKeeping(std::string* keptName) {
    if (keptName) *keptName = CurrentFile;
    if (DataChanged == 0) {
        CurrentFile = kNoFile;
        return true;
    }
    const MsgResult answer = MsgBox("データに変更があります。\r" + CurrentFile + "を保存しますか？",
                                    MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    SaveAnswer = answer == MsgResult::Yes ? 6 : answer == MsgResult::No ? 7 : 2;
    if (answer == MsgResult::Cancel) return false;
    if (answer == MsgResult::Yes) {
        DlgAction = 2;
        const bool ownFile = HasOwnFile();
        if (ownFile) {
            TargetFile = CurrentFile;
        } else {
            AskFileName();
            if (DlgCancelled != 0) return false;
        }
        // A design that could not be written must not be given up.
        if (!WriteDesignTo(TargetFile, ownFile)) return false;
        if (keptName) *keptName = CurrentFile;
    }
    CurrentFile = kNoFile;
    return true;
}

}  // namespace

std::string OpenFailureMessage(DesignReadStatus status, const std::string& path,
                               const std::string& reason) {
    switch (status) {
        case DesignReadStatus::Missing:
            return path + " ファイルが存在しません。";
        case DesignReadStatus::NotAFile:
            return path + " は、通常のファイルではありません。";
        case DesignReadStatus::Unopenable:
            return path + " ファイルが開けません。" + (reason.empty() ? "" : "\r" + reason);
        case DesignReadStatus::Foreign:
            return path + " は、Talvo-SI FILE ではありません。";
        case DesignReadStatus::Ok:
        case DesignReadStatus::Damaged:
            break;
    }
    return std::string();
}

std::string DamagedFileQuestion(const std::string& path) {
    return path + " は、壊れています。\r読み取れた部分を「" + std::string(kUntitled) +
           "」として開きますか？";
}

void AddRecentFile() {
    PushRecentFile(CurrentFile);
    if (Main()) Main()->ShowRecentTools();
}

void CloseDesign() {
    MainFrame::Hourglass busy;
    if (Main()) {
        if (StepMode == 0) {
            Main()->UnloadSelectStep();
        } else if (StepMode == 1) {
            Main()->CloseStepChain();
        }
        for (const char* id : kFileTools) Main()->SetToolEnabled(id, false);
    }
    InitDesignData();
    SetCaption(PlainCaption(CurrentFile));
    busy.Release();
    DataChanged = 0;
}

void ShowSelect() {
    if (Main()) Main()->ShowSelectStep();
    DataChanged = 0;
}

void AskFileName() {
    if (!Main()) {
        DlgCancelled = 1;
        return;
    }
    const FileChoice choice = Main()->RunFileDialog(DlgAction);
    if (!choice.chosen) {
        // A failing dialog counts as a cancelled one: the command that asked
        // must not go on with an earlier target.
        DlgCancelled = 1;
        return;
    }
    DlgCancelled = 0;
    if (FileNameRefused(choice.path)) {
        MsgBox("ファイル名が正しくありません。", MsgButtons::Ok, MsgIcon::None);
        DlgCancelled = 1;
        return;
    }
    TargetFile = choice.path;
}

bool ConfirmSave() {
    return ConfirmSaveKeeping(nullptr);
}

bool ReadDesign() {
    // The new file is read and checked before anything of the open design
    // goes: a file that cannot be opened leaves that design as it was.
    DesignData read;
    std::string reason;
    DesignReadStatus status;
    FileStamp stamp;
    {
        MainFrame::Hourglass busy;
        // Taken before the reading: should another program write in between,
        // the stamp is of the older bytes and the next save asks, where a
        // stamp taken after would vouch for bytes that were never read.
        stamp = TakeFileStamp(TargetFile);
        status = ReadDesignFile(TargetFile, read, &reason);
    }
    if (status != DesignReadStatus::Ok && status != DesignReadStatus::Damaged) {
        MsgBox(OpenFailureMessage(status, TargetFile, reason), MsgButtons::Ok,
               MsgIcon::Exclamation);
        return false;
    }
    // A damaged file is opened only when the engineer wants what can be
    // read of it, and then without its name: saving must not go over the
    // file, whose unread part may still be rescued, unless the engineer
    // chooses that name. No, the default, keeps the open design.
    const bool damaged = status == DesignReadStatus::Damaged;
    if (damaged && MsgBox(DamagedFileQuestion(TargetFile), MsgButtons::YesNo, MsgIcon::Exclamation,
                          1) != MsgResult::Yes) {
        return false;
    }
    MainFrame::Hourglass busy;
    CloseDesign();
    Design = read;
    SetAllRecalc(true);
    if (Main()) Main()->UnloadSelectStep();
    if (damaged) {
        CurrentFile = kUntitled;
    } else {
        CurrentFile = TargetFile;
        DesignFileStamp = stamp;
        AddRecentFile();
    }
    SetCaption(PlainCaption(CurrentFile));
    StepMode = 1;
    if (Main()) Main()->ShowSelectStep();
    // What was rescued of a damaged file is in no file yet: closing it asks.
    DataChanged = damaged ? 1 : 0;
    return true;
}

bool WriteDesign(const std::string& path) {
    return WriteDesignTo(path, false);
}

void NewDesign() {
    MainFrame::Hourglass busy;
    if (Main()) Main()->SetToolEnabled(kToolNew, false);
    if (ConfirmSave()) {
        CloseDesign();
        RecalcKusabi = RecalcLoad = RecalcForce = RecalcAnchorBar = 0;
        DataChanged = 0;
        StandardTab = 0;
        if (Main()) Main()->ResetStepPosition();
        CurrentFile = kUntitled;
        SetCaption(PlainCaption(CurrentFile));
        ShowSelect();
    }
    if (Main()) Main()->SetToolEnabled(kToolNew, true);
}

void OpenDesign() {
    DlgCancelled = 0;
    std::string kept;
    if (!ConfirmSaveKeeping(&kept)) return;
    DlgAction = 1;
    AskFileName();
    // A cancelled dialog or a file that does not open leaves the design
    // open: it keeps its name as well.
    if (DlgCancelled != 0 || !ReadDesign()) CurrentFile = kept;
}

void CloseCommand() {
    if (ConfirmSave()) CloseDesign();
}

void SaveDesign() {
    MainFrame::Hourglass busy;
    if (Main()) Main()->SetToolEnabled(kToolSave, false);
    DlgCancelled = 0;
    DlgAction = 2;
    if (HasOwnFile()) {
        TargetFile = CurrentFile;
        WriteDesignTo(TargetFile, true);
    } else {
        AskFileName();
        if (DlgCancelled == 0) WriteDesign(TargetFile);
    }
    if (Main()) Main()->SetToolEnabled(kToolSave, true);
}

void SaveDesignAs() {
    DlgAction = 2;
    AskFileName();
    if (DlgCancelled == 0) WriteDesign(TargetFile);
}

void OpenRecentFile(int n) {
    if (n < 1 || n > RecentEntries()) return;
    DlgCancelled = 0;
    std::string kept;
    if (!ConfirmSaveKeeping(&kept)) return;
    DlgAction = 1;
    TargetFile = RecentFile[n];
    if (!ReadDesign()) CurrentFile = kept;
}

}  // namespace talvo
