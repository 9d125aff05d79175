// Feeds arbitrary bytes to the settings reader. Whatever it makes of them
// must leave tables the calculations can use, and the file written from
// that state must read back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/globals.h"
#include "shell/settings.h"
#include "shell/tables.h"

namespace {

bool Usable() {
    using namespace talvo;
    if (RecentCount < 0 || RecentCount > 4 || WinWidth <= 0 || WinHeight <= 0) return false;
    for (int n = 1; n <= RecentCount; ++n)
        if (RecentFile[n].empty()) return false;
    for (const auto& bar : RebarSpecTable)
        if (!(bar.Area > 0 && bar.Diameter > 0 && bar.UnitMass > 0 && bar.Perimeter > 0))
            return false;
    for (int i = 0; i < 5; ++i)
        if (SpanCoefficients.MmaxDen[i] < 1 || SpanCoefficients.SmaxDen[i] < 1) return false;
    return StirrupDefaults.BarIndex >= 0 && StirrupDefaults.BarIndex <= 11 &&
           StirrupDefaults.SpacingStep >= 1 &&
           StirrupDefaults.MinSpacing <= StirrupDefaults.MaxSpacing;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Inputs that begin with the signature line reach the table readers.
    const std::string head = '"' + talvo::kSettingsSignature + "\"\r\n";
    for (const std::string& input : {std::string(bytes), head + std::string(bytes)}) {
        talvo::LoadSettingsFromBytes(input, 19200, 14400);
        if (!Usable()) std::abort();
        const std::string once = talvo::SerializeSettings();
        if (talvo::LoadSettingsFromBytes(once, 19200, 14400) != talvo::SettingsStatus::Loaded)
            std::abort();
        if (talvo::SerializeSettings() != once) std::abort();
    }
    return 0;
}
