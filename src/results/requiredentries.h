// The entries a design cannot go without, derived from the entry tables of
// the steps of its chain (steps/entrytable.h): every entry that a
// calculation of the chain reads with the design's options and input modes
// as they stand must be entered. 0 is an entry; an empty text, or a text
// that is not a number, is not. An entry no calculation of the chain reads
// stays optional.
//
// The design strength σck counts in every work type, although only the
// bearing stress of a ground anchor computes with it: every report's
// condition table prints it beside the allowable stresses taken for it.
// The entries that only a check beside the results compares (τsa of the main
// anchor bar and of the bolt steel, σsa of the bolt steel, the adopted plate
// thickness t) are not listed: their check already fails on an empty text.
//
// A required entry holding a number its box would refuse (out of its range,
// with more decimals than the box takes, or breaking the rule it keeps with
// another entry) is out of range: named too, apart from the missing ones.
#pragma once

#include <string>
#include <vector>

#include "shell/design.h"
#include "steps/entrytable.h"

namespace talvo {

// The required entries of the design (Design), in the order of its chain of
// steps (the short chains of a Pt entered directly leave out the steps they
// skip) and within a step in the order of its boxes; only those the design
// reads with its options and input modes as they stand. None for a work type
// outside 0 to 4.
std::vector<ChainEntry> RequiredEntries();

// The names of the required entries never entered (empty, or not a number),
// each once, in the order of RequiredEntries.
std::vector<std::string> MissingEntryNames();

// The names of the required entries whose number their box would refuse,
// each once, in the order of RequiredEntries.
std::vector<std::string> OutOfRangeEntryNames();

}  // namespace talvo
