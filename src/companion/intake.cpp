#include "companion/intake.h"

#include "companion/checks.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo::companion {
namespace {

// The bar names are shown in the pattern grid and the report without the
// blanks the design program may keep around them.
void TrimBarNames() {
    for (auto& bar : RebarSpecTable) bar.Name = TrimBlanks(bar.Name);
}

}  // namespace

SettingsStatus ReadCompanionSettings(const std::string& programFolder) {
    // Set before the read: a missing or foreign file, and a damaged standards
    // table in a good one, are built from these.
    DefaultStandardName = {"全国特定法面保護協会", "フリーフレーム協会", "土木学会",
                           "日本道路協会"};
    // The window rectangle of the file belongs to the design program; the
    // screen size only matters to it.
    const SettingsStatus status = LoadSettings(FindSettingsFile(programFolder), 0, 0);
    TrimBarNames();
    return status;
}

SettingsStatus TakeCompanionSettings(std::string_view bytes) {
    const SettingsStatus status = LoadSettingsFromBytes(bytes, 0, 0);
    TrimBarNames();
    return status;
}

}  // namespace talvo::companion
