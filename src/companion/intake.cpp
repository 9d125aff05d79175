#include "companion/intake.h"

namespace talvo::companion {

SettingsStatus ReadCompanionSettings(const std::string& programFolder) {
    // The window rectangle of the file belongs to the design program; the
    // screen size only matters to it.
    return LoadSettings(FindSettingsFile(programFolder), 0, 0);
}

}  // namespace talvo::companion
