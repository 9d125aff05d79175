// The settings file "Talvo-SI.ini": 148 positional lines of comma-separated
// items in code page 932, CR LF after every line. Holds the main window's
// rectangle, the recent-file list and every standard table.
#pragma once

#include <string>
#include <string_view>

#include "shell/fileio.h"

namespace talvo {

// The settings file's first line (the design-file signature followed by "a").
extern const std::string kSettingsSignature;

inline constexpr const char* kSettingsFileName = "Talvo-SI.ini";

// The settings file of a program folder: an existing file whose name matches
// kSettingsFileName without regard to case, else folder + "/Talvo-SI.ini".
std::string FindSettingsFile(const std::string& folder);

enum class SettingsStatus { Loaded, Missing, Foreign };

// Reads the settings into the window geometry, the recent-file list and the
// tables. A missing or unreadable file gives every table its defaults and a
// centred window of 9600 x 6600 twips; a foreign first line the same with
// 9585 x 5910 (screen size in twips). Otherwise each table is checked as a
// whole: one that is not read completely, holds an item of the wrong type or
// a value outside the range its settings dialog allows gets its defaults, and
// no other table does. A file that ends early is read as far as it goes: the
// tables it holds whole keep their values, and a last line without its line
// break counts as cut. A damaged window rectangle gives the 9600 x 6600
// default; a damaged recent list an empty one. RecentCount is kept within 0 to
// 4 and ends before the first empty path. A UTF-8 byte-order mark before the
// signature (an editor's) is skipped, and the bytes after it are read as UTF-8
// when they are that.
// SettingsFileSeen is taken of the file before it is read.
SettingsStatus LoadSettings(const std::string& path, int screenWidthTwips, int screenHeightTwips);

// The same on the bytes of a settings file in memory (never Missing).
SettingsStatus LoadSettingsFromBytes(std::string_view bytes, int screenWidthTwips,
                                     int screenHeightTwips);

// Writes all 148 lines through a temporary file renamed over `path`, and
// takes SettingsFileSeen from the bytes written.
// Returns false when the file could not be written, with the message for the
// engineer in `error`: the path, " に設定を保存できません。", a line break, the
// step that failed and the reason. The old file then stays whole. What is no
// ordinary file (a pipe, a socket, a device, a link to one, a loop of links)
// is not written at all: the path, " に設定を保存できません。", a line break
// and "通常のファイルではありません。".
bool SaveSettings(const std::string& path, std::string* error = nullptr);
// The same, once it is known whether another program has written the file:
// Written, Failed (with `error` as SaveSettings gives it) or, when
// `checkFirst` and another run of the program has changed the file since
// this one read or wrote it (SettingsFileSeen; a file where there was none
// counts), or holds the save lock of the file for the whole wait, AskFirst:
// nothing is written. The look and the write run under the file's SaveLock.
enum class SettingsSave { Written, Failed, AskFirst };
SettingsSave SaveSettingsChecked(const std::string& path, bool checkFirst,
                                 std::string* error = nullptr, int waitMs = kSaveLockWaitMs);
// Whether the settings file at `path` is no longer what this program last
// read or wrote there (false for a path it never read nor wrote, and for a
// file removed since or that is no ordinary file now: the write says what
// it meets).
bool SettingsChangedByAnotherWriter(const std::string& path);
// The bytes that SaveSettings writes.
std::string SerializeSettings();

// What a text reads back as after a write and a read of the settings file.
// Texts are written between double quotes without escaping, so the writer
// replaces a double quote by the full-width "”" and every control character
// (line breaks included) by a blank; a character that code page 932 cannot
// hold comes back as "?". Commas are kept: the quotes hold them.
std::string IniTextForm(std::string_view text);

// The settings file's own number form: 0.56 as ".56", -0.5 as "-.5", 3.0 as "3".
std::string IniNumStr(double value);

}  // namespace talvo
