// The help file, the help commands and opening a file or address with the
// desktop's default handler.
#pragma once

#include <QIcon>
#include <QUrl>
#include <functional>
#include <optional>
#include <string>

namespace talvo {

inline constexpr const char* kHelpFileName = "Talvo-SI.HLP";

// Looks for the help file: first in `programFolder`, then in each folder of
// `pathVariable` (split at ":", left to right; an empty entry stands for "/").
// The file name is matched without regard to case. Returns the full path of
// the first match, or nothing. Folders that cannot be read are passed over.
// The companion passes its own file name.
std::optional<std::string> FindHelpFileIn(const std::string& programFolder,
                                          const std::string& pathVariable,
                                          const std::string& fileName = kHelpFileName);

// The help commands: the contents and the keyword search both open the help
// file with the desktop's handler (the file holds its own contents and
// index). Nothing happens for an empty path. Returns whether it was opened.
bool ShowHelpContents(const std::string& helpPath);
bool ShowHelpKeywordSearch(const std::string& helpPath);

// Opens a file path or web address with the desktop's default handler. An
// empty address opens nothing. Returns whether the handler accepted it; the
// callers do not look at it.
bool OpenWebPage(const std::string& address);
bool OpenLocalFile(const std::string& path);

// Everything above opens through this one function, so that tests can see
// what would be opened without starting a program. Returns the previous one;
// an empty function restores the desktop's handler.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetUrlOpener(UrlOpener opener);

// Loads Qt's own Japanese texts (file dialogs, standard buttons, context
// menus) and makes Japanese the default locale, so that nothing the toolkit
// shows is in English. Returns whether the Japanese texts were found (the
// Debian package qt6-translations-l10n installs them).
bool InstallJapaneseTranslations();

// The program's own icon: a frame lattice cast on a cut slope.
QIcon ProgramIcon();

}  // namespace talvo
