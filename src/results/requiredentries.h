// The entries a design cannot go without. An entry box that accepts no 0 (its
// range starts above 0) and whose value the calculations of the chain read is
// required: an empty text there was never entered, and the calculations would
// read it as a 0 that the box itself refuses. Entries whose range holds 0 (an
// overhang, a span count down the slope, a slip-surface gradient) read as 0
// when empty, as they always have.
//
// The design strength σck counts in every work type, although only the
// bearing stress of a ground anchor computes with it: every report's
// condition table prints it beside the allowable stresses taken for it.
// The entries that only a check beside the results compares (τsa of the main
// anchor bar and of the bolt steel, σsa of the bolt steel, the adopted plate
// thickness t) are not listed: their check already fails on an empty text.
#pragma once

#include <string>
#include <vector>

#include "shell/design.h"

namespace talvo {

// One required entry of a step: the name its step shows it by ("ΔFs", "φ"),
// its field, and when the design reads it (null: always, in its chain).
struct RequiredEntry {
    const char* name;
    std::string DesignData::*field;
    bool (*read)(const DesignData&);
};

// The required entries of the design's work type, in the order of its chain
// of steps (the short chains of a Pt entered directly leave out the steps
// they skip) and within a step in the order of its boxes; only those the
// design reads with its options and input modes as they stand. None for a
// work type outside 0 to 4.
std::vector<RequiredEntry> RequiredEntries();

// The names of the required entries whose text is empty, each once, in the
// order of RequiredEntries.
std::vector<std::string> MissingEntryNames();

}  // namespace talvo
