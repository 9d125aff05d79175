// Feeds arbitrary bytes to the settings reader. Whatever it makes of them
// must leave tables the calculations can use, and the file written from
// that state must read back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

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

// Whether the written file reads back to itself. What the reader makes of a
// file depends on its bytes alone, so a file already seen to come back whole
// is not read again: most inputs leave the tables as an earlier one did (a
// foreign file, or a damaged table, gives the defaults).
void CheckRoundTrip() {
    static std::unordered_set<std::string> whole;
    const std::string once = talvo::SerializeSettings();
    if (whole.count(once) != 0) return;
    if (talvo::LoadSettingsFromBytes(once, 19200, 14400) != talvo::SettingsStatus::Loaded)
        std::abort();
    if (talvo::SerializeSettings() != once) std::abort();
    if (whole.size() >= 4096) whole.clear();
    whole.insert(once);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Every input is read as it is. One that does not begin with the
    // signature line is read once more after it, so that it reaches the
    // table readers too; one that begins with it reaches them already.
    const std::string head = '"' + talvo::kSettingsSignature + "\"\r\n";
    std::vector<std::string> inputs{std::string(bytes)};
    if (!bytes.starts_with(head)) inputs.push_back(head + std::string(bytes));
    for (const std::string& input : inputs) {
        talvo::LoadSettingsFromBytes(input, 19200, 14400);
        if (!Usable()) std::abort();
        CheckRoundTrip();
    }
    return 0;
}
