// Start-up of the companion without windows: the standard tables it needs
// from the design program's settings file, and the texts of its help warning.
#pragma once

#include <string>
#include <string_view>

#include "shell/settings.h"

namespace talvo::companion {

inline constexpr const char* kHelpFileName = "Talvo1SI.HLP";
// The warning shown when the help file is found nowhere; it names the file
// that was sought.
inline constexpr const char* kHelpMissingText =
    "PATH 環境変数で指定されたディレクトリには Talvo1SI.HLP が見つかりません。\r\n"
    "ヘルプ機能は利用できません。";
inline constexpr const char* kHelpMissingTitle = "ミルダ－ＳＩ ヘルプが見つかりません。";

// Reads the settings file of the program folder (its name matched without
// regard to case), read-only, as the design program reads it (a UTF-8
// byte-order mark before the signature included). A missing or foreign file
// gives the built-in tables; in a file of the design program every value is
// validated and a table with a missing or bad value gets its defaults, so no
// bar has a zero area and no width class an empty bound. Bar names lose their
// surrounding blanks. A standards table built from defaults takes the
// companion's own names, the two reference standards without the "(参考)" that
// the design program gives them; names read from the file stay as they are.
SettingsStatus ReadCompanionSettings(const std::string& programFolder);
// The same on the bytes of a settings file in memory (never Missing).
SettingsStatus TakeCompanionSettings(std::string_view bytes);

}  // namespace talvo::companion
