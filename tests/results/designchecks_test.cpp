// The one line beside the results grid: the required entries left empty
// first, then the failed checks, as the results window and the short
// report show it.
#include "results/designchecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "results/checked_designs.h"
#include "results/rebuild.h"
#include "shell/design.h"
#include "shell/globals.h"

namespace talvo::test {
namespace {

TEST(FailedChecksLine, NamesTheMissingEntriesBeforeTheFailedChecks) {
    struct Case {
        const char* name;
        std::function<void()> change;
        const char* line;
    };
    const Case cases[] = {
        {"everything given and holding", [] {}, ""},
        {"no ΔFs", [] { Design.DeltaFs = ""; }, "未入力：ΔFs"},
        // In the order of the chain, whatever order they were emptied in.
        {"no σsa, no ΔFs, no L1",
         [] {
             Design.SigmaSa = "";
             Design.DeltaFs = "   ";
             Design.KusabiL1 = "";
         },
         "未入力：L1、ΔFs、σsa"},
        {"τs over τsa", [] { Design.AncBarTauSa = "   20"; }, "ＯＵＴ：主アンカーの検討"},
        // No Fs leaves τs uncomputed: the entry and the check it breaks.
        {"no Fs",
         [] {
             Design.AncBarFs = "";
             RecalcAnchorBar = 1;
             RunResultsActivation();
         },
         "未入力：Fs　ＯＵＴ：主アンカーの検討"},
        // An overhang holds 0: left empty it reads as 0, as it always has.
        {"no overhang", [] { Design.OverhangLower = ""; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PassingDesign(0);
        c.change();
        EXPECT_EQ(FailedChecksLine(), c.line);
        EXPECT_EQ(DesignChecksFail(), *c.line != '\0');
    }
}

}  // namespace
}  // namespace talvo::test
