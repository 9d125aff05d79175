// The entries a design must have, found by what its calculations read: from
// each worked design of examples/ and variants of its options and input
// modes, every entry of every step of its chain is emptied in turn and the
// design recomputed as an open of its file does. Whatever the design then
// computes or judges differently, a stored value, a result row, a colour of
// the grid or a check beside it, was read from that entry: the entry must be
// named as missing. And a stored text its box would refuse is named too.
#include "results/requiredentries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "calc/recalc.h"
#include "results/designchecks.h"
#include "results/rebuild.h"
#include "results/snowbound_greening.h"
#include "shell/design.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/storedfields.h"
#include "shell/tables.h"
#include "steps/entrytable.h"
#include "support/filled_design.h"
#include "support/stored_record.h"

namespace talvo::test {
namespace {

// Everything the design computes or judges: the record as saved, the
// computed values kept beside it, the results grid with its colours, and the
// verdicts of the checks beside the grid.
NamedValues Computed(const DesignData& d) {
    NamedValues v = RecordAndComputed(d);
    for (std::size_t set = 0; set < 2; ++set)
        for (std::size_t column = 0; column < 11; ++column)
            for (std::size_t row = 0; row < 6; ++row)
                v.emplace_back("colour " + std::to_string(set) + "," + std::to_string(column + 1) +
                                   "," + std::to_string(row),
                               std::to_string(ResultColor[set][column][row]));
    std::string failed;
    for (const std::string& name : FailedCheckNames()) failed += name + " ";
    v.emplace_back("failed checks", failed);
    return v;
}

// The design `d` saved, opened again and taken to the results as an open
// does: every flag raised, then the results window's activation. Design is
// left holding it.
void OpenAsSaved(const DesignData& d) {
    DesignData opened;
    ASSERT_EQ(ParseDesignBytes(SerializeDesign(d), opened), DesignReadStatus::Ok);
    Design = opened;
    ResultColor = {};
    SetAllRecalc(true);
    RunResultsActivation();
}

bool Named(const std::vector<std::string>& names, const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// ---- The designs ----

struct Variant {
    const char* what;
    std::function<void(DesignData&)> change;
    bool (*applies)(const DesignData&);
};

bool Any(const DesignData&) {
    return true;
}
bool TwoSetTypes(const DesignData& d) {
    return d.WorkType != 2;
}
bool Wedge(const DesignData& d) {
    return d.WorkType == 0;
}
bool AnchoredType(const DesignData& d) {
    return d.WorkType == 3 || d.WorkType == 4;
}
bool FrameOnly(const DesignData& d) {
    return d.WorkType >= 0 && d.WorkType <= 2;
}

void Give(std::string& field, const char* value) {
    if (field.find_first_not_of(' ') == std::string::npos) field = value;
}

std::vector<Variant> Variants() {
    std::vector<Variant> v = {
        {"as worked", [](DesignData&) {}, Any},
        {"one section", [](DesignData& d) { d.SameSection = 1; }, TwoSetTypes},
        {"a section per frame", [](DesignData& d) { d.SameSection = 0; }, TwoSetTypes},
        {"slope by its ratio", [](DesignData& d) { d.SlopeInputMode = 1; }, Any},
        {"slope by its angle", [](DesignData& d) { d.SlopeInputMode = 0; }, Any},
        // No span down the slope: its box empties, the upper overhang stands
        // for it.
        {"no span down the slope",
         [](DesignData& d) {
             d.SpanCountY = "  0";
             d.SpanY = "";
             d.AllGridPoints = 0;
         },
         Any},
        {"snow",
         [](DesignData& d) {
             d.UseSnow = 1;
             Give(d.SnowGamma, " 3.0");
             Give(d.SnowDepth, "1.000");
         },
         Any},
        {"no snow", [](DesignData& d) { d.UseSnow = 0; }, Any},
        {"infill",
         [](DesignData& d) {
             d.UseInfill = 1;
             Give(d.InfillGamma, "18.0");
             Give(d.InfillThick, " 100");
         },
         Any},
        {"no infill", [](DesignData& d) { d.UseInfill = 0; }, Any},
        {"the shears at an entered x",
         [](DesignData& d) {
             d.ShearXMode = {0, 0, 0, 0, 0};
             for (std::string& x : d.ShearXInput) x = "0.300";
         },
         Any},
        {"φ entered", [](DesignData& d) { d.FrictionInputMode = 0; }, AnchoredType},
        {"tan φ entered", [](DesignData& d) { d.FrictionInputMode = 1; }, AnchoredType},
        {"Pt computed", [](DesignData& d) { d.PtDirect = 0; }, AnchoredType},
        {"Pt entered",
         [](DesignData& d) {
             d.PtDirect = 1;
             Give(d.PtInput, "   30.0");
         },
         AnchoredType},
    };
    for (std::int16_t p = 0; p < 5; ++p) {
        static const char* const kPatterns[5] = {"wedge by L1 and L2", "wedge by L1 and α",
                                                 "wedge by L2 and H", "wedge by H and α",
                                                 "wedge by L2 and α"};
        v.push_back({kPatterns[p], [p](DesignData& d) { d.KusabiInputMode = p; }, Wedge});
    }
    (void)FrameOnly;
    return v;
}

const char* const kExamples[] = {"sample.kvd",   "wedge.kvd",  "arc.kvd",          "greening.kvd",
                                 "rockbolt.kvd", "anchor.kvd", "anchor-direct.kvd"};

// Every entry of every step of the chain, emptied, changes nothing the
// design computes or judges unless it is named as missing.
TEST(RequiredEntries, AnEntryTheChainReadsIsNamedWhenEmpty) {
    ResetCalcState();
    for (const char* file : kExamples) {
        DesignData worked;
        ASSERT_EQ(ReadDesignFile((ExamplesFolder() / file).string(), worked), DesignReadStatus::Ok)
            << file;
        for (const Variant& variant : Variants()) {
            if (!variant.applies(worked)) continue;
            SCOPED_TRACE(std::string(file) + ", " + variant.what);
            DesignData start = worked;
            variant.change(start);
            OpenAsSaved(start);
            const DesignData base = Design;
            const NamedValues before = Computed(base);
            for (const ChainEntry& c : ChainEntries(base)) {
                const StepEntry& e = *c.entry;
                // The entries only a check beside the grid compares keep
                // that check's own line.
                if (e.checkOnly || TrimBlanks(e.Value(base)).empty()) continue;
                DesignData emptied = base;
                e.field(emptied) = "";
                OpenAsSaved(emptied);
                const std::vector<std::string> missing = MissingEntryNames();
                // The entry's own text aside, which a calculation may give
                // back (a derived value of the wedge).
                DesignData after = Design;
                if (TrimBlanks(e.Value(after)).empty()) e.field(after) = e.Value(base);
                const std::string changed = Differences(before, Computed(after), "emptied");
                if (!changed.empty()) {
                    EXPECT_TRUE(Named(missing, e.name)) << c.step << " " << e.box << " (" << e.name
                                                        << ") emptied is read, but not named:\n"
                                                        << changed;
                }
            }
        }
    }
}

// None of the worked designs lacks an entry or holds one out of range.
TEST(RequiredEntries, TheWorkedDesignsLackNothing) {
    ResetCalcState();
    for (const char* file : kExamples) {
        SCOPED_TRACE(file);
        ASSERT_EQ(ReadDesignFile((ExamplesFolder() / file).string(), Design), DesignReadStatus::Ok);
        EXPECT_EQ(MissingEntriesLine(), "");
        EXPECT_TRUE(MissingEntryNames().empty());
        EXPECT_TRUE(OutOfRangeEntryNames().empty());
    }
}

// A file's text is judged as the box judges a typed one: a text that is no
// number was never entered; a number the box would refuse (range, decimals,
// the yield load above the tensile one) is out of range. The file is read
// as it stands.
TEST(RequiredEntries, AStoredTextTheBoxWouldRefuseIsNamed) {
    ResetCalcState();
    struct Case {
        const char* what;
        const char* file;
        std::function<void(DesignData&)> change;
        const char* line;
    };
    const Case cases[] = {
        {"γs of a minus", "greening.kvd", [](DesignData& d) { d.SnowGamma = "-"; }, "未入力：γs"},
        {"γc of a point", "wedge.kvd", [](DesignData& d) { d.FrameGamma = "."; }, "未入力：γc"},
        {"γc of letters", "wedge.kvd", [](DesignData& d) { d.FrameGamma = "24.5kN"; },
         "未入力：γc"},
        {"Tys above Tus", "anchor.kvd",
         [](DesignData& d) {
             d.Tus = "   400";
             d.Tys = "   500";
         },
         "範囲外：Tus、Tys"},
        {"Tys equal to Tus", "anchor.kvd",
         [](DesignData& d) {
             d.Tus = "   400";
             d.Tys = "   400";
         },
         ""},
        {"Tus of a decimal in whole kN", "anchor.kvd",
         [](DesignData& d) {
             d.Tus = "  50.6";
             d.Tys = "  45";
         },
         "範囲外：Tus"},
        {"closing zeros are no decimals", "anchor.kvd", [](DesignData& d) { d.Tus = " 500.00"; },
         ""},
        {"above the range", "wedge.kvd", [](DesignData& d) { d.SpanX = "10.001"; }, "範囲外：ℓx"},
        {"below the range", "wedge.kvd", [](DesignData& d) { d.SpanCountX = "  0"; },
         "範囲外：横枠スパン数"},
        {"0 where 0 is an entry", "arc.kvd", [](DesignData& d) { d.EnkoL3 = "0.000"; }, ""},
        {"missing before out of range", "arc.kvd",
         [](DesignData& d) {
             d.DeltaFs = "1.5";
             d.EnkoL3 = "";
         },
         "未入力：L3　範囲外：ΔFs"},
        // An entry nothing reads is not judged.
        {"a snow depth with no snow", "wedge.kvd",
         [](DesignData& d) {
             d.UseSnow = 0;
             d.SnowDepth = "x";
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DesignData d;
        ASSERT_EQ(ReadDesignFile((ExamplesFolder() / c.file).string(), d), DesignReadStatus::Ok);
        c.change(d);
        // Through the file: the reader keeps every text as it stands.
        DesignData opened;
        ASSERT_EQ(ParseDesignBytes(SerializeDesign(d), opened), DesignReadStatus::Ok);
        Design = opened;
        EXPECT_EQ(MissingEntriesLine(), c.line);
    }
}

}  // namespace
}  // namespace talvo::test
