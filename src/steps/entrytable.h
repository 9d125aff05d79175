// What the numeric entries of the steps are: for every entry box of a step
// window, the design field it fills, the name the results line and the
// report pages give it, its range, decimals and integer places, the
// recalculation flags a change raises, the rule it keeps with another entry,
// and when the calculations of the design's chain read it. The step windows
// build their boxes from these tables and add only their places on screen;
// the same rows judge a text typed into a box and a text read from a file,
// and say which entries a design still lacks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/design.h"

namespace talvo {

// One numeric entry box of a step.
struct StepEntry {
    const char* box;   // object name of its box, "txtSpanNum(0)"
    const char* name;  // as the line and the pages name it, "ℓy"
    std::string& (*field)(DesignData&);
    double min = 0.0;  // both bounds belong to the range
    double max = 0.0;
    int decimals = 0;
    int places = 0;                    // integer places of FormatNum
    std::vector<std::int16_t*> flags;  // raised with DataChanged on a change
    // When the calculations of the chain read the value, for a design whose
    // chain holds the step (null: always).
    bool (*read)(const DesignData&) = nullptr;
    // The rule the value keeps with another entry: the message that refuses
    // `text` (the box's own value, in the normal form CheckValue gives it)
    // against the design as stored, "" when it stands (null: no rule).
    std::string (*pair)(const DesignData&, const std::string& text) = nullptr;
    // Only a check beside the results compares the value, and that check
    // already fails, with its own line, while the value is empty: the value
    // is never required.
    bool checkOnly = false;

    const std::string& Value(const DesignData& d) const {
        return field(const_cast<DesignData&>(d));
    }
};

// The entries of the step window `step` ("N3supan"), in the order of their
// boxes; none for a step without numeric entries.
const std::vector<StepEntry>& StepEntries(const std::string& step);

// The entry of `step` whose box is called `box`; null when there is none.
const StepEntry* FindStepEntry(const std::string& step, const std::string& box);

// How a text stands against its entry.
enum class EntryState {
    Given,       // a number the box would take
    Missing,     // empty, or not a number at all
    OutOfRange,  // a number the box would refuse: out of range, too many
                 // decimals, or breaking the rule with its pair
};

// Judges a stored text of `entry` in the design `d`, as its box judges a
// typed one (CheckValue, then the pair rule), with no message. A text that
// is not a number (blanks about it aside) was never entered; zeros closing
// its decimals are not counted as decimals.
EntryState JudgeStoredEntry(const StepEntry& entry, const DesignData& d);

// One entry of a step in the design's chain, with its step.
struct ChainEntry {
    const char* step;
    const StepEntry* entry;
};

// Every entry of the steps of the design's chain, in the order of the chain
// and of the boxes.
std::vector<ChainEntry> ChainEntries(const DesignData& d);

}  // namespace talvo
