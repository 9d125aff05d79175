// The settings file "Talvo-SI.ini": 148 positional lines of comma-separated
// items in code page 932, CR LF after every line. Holds the main window's
// rectangle, the recent-file list and every standard table.
#pragma once

#include <string>

namespace talvo {

// The settings file's first line (the design-file signature followed by "a").
extern const std::string kSettingsSignature;

inline constexpr const char* kSettingsFileName = "Talvo-SI.ini";

// The settings file of a program folder: an existing file whose name matches
// kSettingsFileName without regard to case, else folder + "/Talvo-SI.ini".
std::string FindSettingsFile(const std::string& folder);

enum class SettingsStatus { Loaded, Missing, Foreign };

// Reads the settings into the window geometry, the recent-file list and the
// tables. A missing or foreign file gives every table its defaults and the
// window a centred default size (screen size in twips). A table that is not
// read whole or holds values out of range gets its defaults.
SettingsStatus LoadSettings(const std::string& path, int screenWidthTwips, int screenHeightTwips);

// Writes all 148 lines through a temporary file renamed over `path`.
// Returns false with the reason in `error` when the file could not be written.
bool SaveSettings(const std::string& path, std::string* error = nullptr);

// The settings file's own number form: 0.56 as ".56", -0.5 as "-.5", 3.0 as "3".
std::string IniNumStr(double value);

}  // namespace talvo
