// The design-file commands of the main window: new, open, close, save, save
// as, the recent files and the save question, with the window side of reading
// and writing a design file (messages, caption, hourglass, recent list).
// Their text rules are core (shell/filecommands.h).
#pragma once

#include <string>

#include "shell/designfile.h"
#include "shell/filecommands.h"

namespace talvo {

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
// the caller stops (Cancel, a cancelled or refused save dialog, No to writing
// over a file that another program has changed, a failed write).
bool ConfirmSave();
// Reads TargetFile and, when it is a design file, closes the open design,
// takes the read one into the record and shows the selection step for it.
// A file that cannot be read is reported and leaves the open design, its
// steps and its name as they were (false). Of a damaged file the engineer is
// asked first whether to open what can be read: Yes opens it untitled and
// changed, No is a failed open.
bool ReadDesign();
// The message of a design file that could not be opened (any status but Ok
// and Damaged): the path, then what was found there; `reason` is the
// system's reason for an ordinary file that could not be opened.
std::string OpenFailureMessage(DesignReadStatus status, const std::string& path,
                               const std::string& reason);
// The question before what can be read of a damaged design file is opened.
std::string DamagedFileQuestion(const std::string& path);
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
