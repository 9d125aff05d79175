// The text rules of the design-file commands: captions, file names, the
// recent list. The commands themselves touch the main window and are
// declared in windows/FileCommands.h.
#pragma once

#include <cstdint>
#include <string>

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

// Puts `path` at the top of RecentFile[1..4]: an entry with exactly the same
// text moves up, a new one pushes the oldest out of a full list. A path that
// code page 932 cannot hold exactly (the settings file's form) is left out.
void PushRecentFile(const std::string& path);
// RecentCount bounded to 0..4 (a damaged settings file may hold anything).
int RecentEntries();
// Caption of recent-file tool n: "&n path".
std::string RecentCaption(int n, const std::string& path);

}  // namespace talvo
