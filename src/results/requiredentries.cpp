#include "results/requiredentries.h"

#include <algorithm>

namespace talvo {

namespace {

std::vector<std::string> NamesIn(EntryState state) {
    std::vector<std::string> names;
    for (const ChainEntry& c : RequiredEntries()) {
        if (JudgeStoredEntry(*c.entry, Design) != state) continue;
        if (std::find(names.begin(), names.end(), c.entry->name) == names.end())
            names.push_back(c.entry->name);
    }
    return names;
}

}  // namespace

std::vector<ChainEntry> RequiredEntries() {
    const DesignData& d = Design;
    std::vector<ChainEntry> required;
    for (const ChainEntry& c : ChainEntries(d)) {
        const StepEntry& e = *c.entry;
        if (e.checkOnly || (e.read && !e.read(d))) continue;
        required.push_back(c);
    }
    return required;
}

std::vector<std::string> MissingEntryNames() {
    return NamesIn(EntryState::Missing);
}

std::vector<std::string> OutOfRangeEntryNames() {
    return NamesIn(EntryState::OutOfRange);
}

}  // namespace talvo
