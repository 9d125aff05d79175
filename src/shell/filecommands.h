// The design-file commands of the main window: new, open, close, save, save
// as, the recent files and the save question, with the window side of reading
// and writing a design file (messages, caption, hourglass, recent list).
//
// The small text rules live in the core (filecommands.cpp); the procedures
// that touch the main window are defined with it (windows/FileCommands.cpp)
// and are only linked into the programs that have windows.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// Which dialog AskFileName shows: 1 the open dialog, 2 the save dialog.
extern std::int16_t DlgAction;
// 1 when the dialog just shown was cancelled or its name refused, 0 after a good choice.
extern std::int16_t DlgCancelled;
// The answer to the last save question: 6 yes, 7 no, 2 cancel.
extern std::int16_t SaveAnswer;

inline constexpr const char* kDesignFilter = "Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|";
inline constexpr const char* kDesignExt = "kvd";

// "タルヴォ－ＳＩ  ［file］": no step chain open.
std::string PlainCaption(const std::string& file);
// "タルヴォ－ＳＩ（type）  ［file］": the step chain of `workType` is open.
std::string ChainCaption(int workType, const std::string& file);

// The bare file name of a chosen path (the part after its last "/").
std::string BareFileName(const std::string& path);
// A name without "." of more than 4 characters is refused by the file dialog.
bool FileNameRefused(const std::string& path);

// Puts `path` at the top of RecentFile[1..4]: an entry with exactly the same
// text moves up, a new one pushes the oldest out of a full list.
void PushRecentFile(const std::string& path);
// RecentCount bounded to 0..4 (a damaged settings file may hold anything).
int RecentEntries();
// Caption of recent-file tool n: "&n path".
std::string RecentCaption(int n, const std::string& path);

// ---- Procedures on the main window (windows/FileCommands.cpp) ----

// Closes the open design: the selection step or the step chain goes, the file
// tools are disabled, the record is reset; CurrentFile is left as it is.
void CloseDesign();
// Shows the work-type selection step and clears DataChanged.
void ShowSelect();
// Shows the open or save dialog as DlgAction says; sets DlgCancelled and, on
// a good choice, TargetFile.
void AskFileName();
// Puts CurrentFile at the top of the recent list and updates its tools.
void AddRecentFile();
// The save question. True: the caller may give up the open design; false:
// the caller stops (Cancel, a cancelled or refused save dialog, a failed write).
bool ConfirmSave();
// Reads TargetFile into the record and shows the selection step for it.
void ReadDesign();
// Writes the open design to `path`. Returns false (after its message) when
// the file was not written; the design then keeps its name and its changes.
bool WriteDesign(const std::string& path);

// The commands themselves, as the toolbar-menu runs them.
void NewDesign();
void OpenDesign();
void CloseCommand();
void SaveDesign();
void SaveDesignAs();
void OpenRecentFile(int n);

}  // namespace talvo
