// The one line beside the results grid: the required entries left empty
// first, then the failed checks, as the results window and the short
// report show it.
#include "results/designchecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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
        // 0 is an entry, an empty overhang is not: every overhang is read.
        {"no overhang", [] { Design.OverhangLower = ""; }, "未入力：ℓd"},
        {"an overhang of 0", [] { Design.OverhangLower = "0.000"; }, ""},
        // A number the box would refuse comes after the missing ones,
        // before the failed checks.
        {"no ΔFs, a σsa of decimals, τs over τsa",
         [] {
             Design.DeltaFs = "";
             Design.SigmaSa = "160.5";
             Design.AncBarTauSa = "   20";
         },
         "未入力：ΔFs　範囲外：σsa　ＯＵＴ：主アンカーの検討"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PassingDesign(0);
        c.change();
        EXPECT_EQ(FailedChecksLine(), c.line);
        EXPECT_EQ(DesignChecksFail(), *c.line != '\0');
    }
}

// Broken for a narrow width, the line keeps every name whole: a piece ends
// after a "、" or after the blank before "ＯＵＴ：", holds as many names as
// its columns allow (a full-width character two, a half-width one), and a
// name too wide for any piece stands alone rather than being cut.
TEST(FailedChecksLine, BreaksBetweenNamesOnly) {
    using Pieces = std::vector<std::string>;
    struct Case {
        const char* line;
        int columns;
        Pieces pieces;
    };
    const Case cases[] = {
        {"", 20, {}},
        {"未入力：by、hy", 20, {"未入力：by、hy"}},
        // 未入力：by、 is 12 columns, with hy、 16, with ℓpy、 22.
        {"未入力：by、hy、ℓpy、bx", 16, {"未入力：by、hy、", "ℓpy、bx"}},
        {"未入力：by、hy、ℓpy、bx", 15, {"未入力：by、", "hy、ℓpy、bx"}},
        // Half-width katakana take one column each.
        {"未入力：ｽﾊﾟﾝ、by", 15, {"未入力：ｽﾊﾟﾝ、", "by"}},
        {"未入力：Fs　ＯＵＴ：主アンカーの検討", 14, {"未入力：Fs　", "ＯＵＴ：主アンカーの検討"}},
        {"ＯＵＴ：テンドンの選定、アンカー長", 8, {"ＯＵＴ：テンドンの選定、", "アンカー長"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(BreakChecksLine(c.line, c.columns), c.pieces);
    }
}

}  // namespace
}  // namespace talvo::test
