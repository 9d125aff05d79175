#include "companion/intake.h"

#include "companion/checks.h"
#include "shell/tables.h"

namespace talvo::companion {
namespace {

// The bar names are shown in the pattern grid and the report without the
// blanks the design program may keep around them.
void TrimBarNames() {
    for (auto& bar : RebarSpecTable) bar.Name = Trim(bar.Name);
}

}  // namespace

SettingsStatus ReadCompanionSettings(const std::string& programFolder) {
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
