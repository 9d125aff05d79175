// Feeds arbitrary bytes to the companion's settings intake. Whatever it
// makes of them must leave the tables the study reads usable: every bar
// named without surrounding blanks, with a diameter and an area above 0, and
// every width class with numbers for its clear spacing, cover and bound; the
// bar check and the section capacity of a pattern then run on them.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "companion/checks.h"
#include "companion/intake.h"
#include "companion/search.h"
#include "companion/study.h"
#include "shell/numtext.h"
#include "shell/tables.h"

namespace {

bool IsNumber(const std::string& text) {
    const std::string t = talvo::TrimBlanks(text);
    if (t.empty()) return false;
    return std::isfinite(talvo::NumVal(t));
}

bool Usable() {
    using namespace talvo;
    for (const auto& bar : RebarSpecTable) {
        if (bar.Name != TrimBlanks(bar.Name)) return false;
        if (!(bar.Diameter > 0 && bar.Area > 0)) return false;
    }
    for (int c = 0; c < 6; ++c) {
        if (!IsNumber(RebarCountRule.ClearSpacing[c]) || !IsNumber(RebarCountRule.Cover[c]) ||
            !IsNumber(RebarCountRule.WidthClassMax[c])) {
            return false;
        }
    }
    return true;
}

// What the patterns below read of the tables: the bars' diameters and areas
// and the width classes' clear spacings, covers and bounds.
std::string PatternTables() {
    std::string key;
    for (const auto& bar : talvo::RebarSpecTable) {
        key.append(reinterpret_cast<const char*>(&bar.Diameter), sizeof bar.Diameter);
        key.append(reinterpret_cast<const char*>(&bar.Area), sizeof bar.Area);
    }
    for (int c = 0; c < 6; ++c) {
        for (const std::string* text :
             {&talvo::RebarCountRule.ClearSpacing[c], &talvo::RebarCountRule.Cover[c],
              &talvo::RebarCountRule.WidthClassMax[c]}) {
            key += *text;
            key += '\0';
        }
    }
    return key;
}

// A pattern the study would take, at every bar size and at widths on both
// sides of every class bound of the file. The patterns depend on nothing
// but those tables, so tables they already ran on (most inputs leave them
// as an earlier one did: a foreign file, or a damaged table, gives the
// defaults) are not run again.
void RunPatterns() {
    using namespace talvo::companion;
    static std::unordered_set<std::string> done;
    std::string key = PatternTables();
    if (done.count(key) != 0) return;
    if (done.size() >= 4096) done.clear();
    done.insert(std::move(key));
    SigmaCa = "7";
    SigmaSa = "180";
    for (int c = 0; c < 6; ++c) {
        const double bound = talvo::NumVal(talvo::RebarCountRule.WidthClassMax[c]);
        for (const double width : {bound, bound + 1}) {
            if (!(width >= 100 && width <= 1000)) continue;
            PatWidth[0] = std::to_string(static_cast<int>(width));
            PatHeight[0] = "1000";
            PatEffHeight[0] = "500";
            PatBarCount[0] = "2";
            for (int bar = 0; bar < 12; ++bar) {
                PatBarIndex[0] = static_cast<std::int16_t>(bar);
                TekkinCheck(0);
                CalcBarArea(0);
                CalcRatioP(0);
                CalcRatioK(0);
                CalcRatioJ(0);
                CalcTeikouMoment(0);
            }
        }
    }
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
        talvo::companion::TakeCompanionSettings(input);
        if (!Usable()) std::abort();
        talvo::companion::InitCompanion();
        RunPatterns();
    }
    return 0;
}
