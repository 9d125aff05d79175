// The worked greening design of examples/ under deep snow, its main anchor
// bar failing only while the whole snow depth counts: for the tests of what
// follows a change of the snow rule.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "support/filled_design.h"

namespace talvo::test {

// Made absolute as the tests start: the window tests' fixture moves into a
// temporary folder, and the source path may be relative.
inline const std::filesystem::path kExamplesFolder =
    std::filesystem::absolute(std::filesystem::path(__FILE__).parent_path() / "../../examples")
        .lexically_normal();

inline const std::filesystem::path& ExamplesFolder() {
    return kExamplesFolder;
}

// examples/greening.kvd (200 × 200 horizontal beams at 2.0 m on 1:1.2 under
// 0.50 m of snow, D19 main anchor bars) with the bar designed for Fs 3.0
// against τsa 100. On 1:1.2 the third snow class applies: at its 100 % of the
// depth τs = Q · 1000 / 286.5 · 3.0 is over τsa, at 0 % well under it; the
// beams pass either way. Read as the program opens a file (with the tables
// as built in) and taken to its results.
inline void SnowBoundGreening() {
    ResetCalcState();
    ASSERT_EQ(ReadDesignFile((ExamplesFolder() / "greening.kvd").string(), Design),
              DesignReadStatus::Ok);
    Design.AncBarFs = "  3.0";
    Design.AncBarTauSa = "  100";
    SetAllRecalc(true);
    RunResultsActivation();
}

}  // namespace talvo::test
