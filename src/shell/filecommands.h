// The text rules of the design-file commands: captions, file names, the
// recent list. The commands themselves touch the main window and are
// declared in windows/FileCommands.h.
#pragma once

#include <cstdint>
#include <string>

#include "shell/design.h"
#include "shell/designfile.h"
#include "shell/fileio.h"

namespace talvo {

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

// Puts `path` at the top of RecentFile[1..4], absolute and without "." or
// ".." steps: an entry naming the same file (compared through links and ".."
// steps; the case of letters counts) moves up, a new one pushes the oldest
// out of a full list. A path that code page 932 cannot hold exactly (the
// settings file's form) is left out.
void PushRecentFile(const std::string& path);
// RecentCount bounded to 0..4 (a damaged settings file may hold anything).
int RecentEntries();
// Caption of recent-file tool n: "&n path".
std::string RecentCaption(int n, const std::string& path);

// Whether writing the open design over its own file `path` must ask first:
// DesignFileStamp is of that file, and another program has changed it since
// this program last read or wrote it (its size, time or bytes differ). A file
// removed since is written without a question, as is one never stamped or
// something that is no ordinary file now (the write says what it meets).
bool ChangedByAnotherWriter(const std::string& path);
// The question before such a file is written over: the path, a line break and
// whether to write over it.
std::string ChangedFileQuestion(const std::string& path);
// A write of the design under the save lock of its file.
struct GuardedDesignWrite {
    // Nothing was written: another program has changed the file since
    // (ChangedByAnotherWriter), or held its save lock for the whole wait.
    bool askFirst = false;
    DesignWriteResult result;  // the write, when there was one
};
// Writes `design` to `path` while holding the file's SaveLock, from the look
// at the file (when `checkFirst`) to the end of the write, so that two saves
// of one file at the same moment cannot both find it unchanged. A write that
// succeeds makes its stamp DesignFileStamp. Without `checkFirst` the write
// goes on even when the lock stays held (the engineer chose to write over).
GuardedDesignWrite WriteDesignGuarded(const std::string& path, const DesignData& design,
                                      bool checkFirst, int waitMs = kSaveLockWaitMs);

}  // namespace talvo
