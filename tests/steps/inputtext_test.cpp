// Reading stored texts in the input steps' rules: blanks, and lengths in
// whole thousandths.
#include "steps/inputtext.h"

#include <gtest/gtest.h>

#include "shell/numtext.h"

namespace talvo {
namespace {

TEST(InputText, BlanksAndTrimming) {
    EXPECT_TRUE(NotBlank(" 0"));
    EXPECT_TRUE(NotBlank("x"));
    EXPECT_FALSE(NotBlank(""));
    EXPECT_FALSE(NotBlank("   "));
    EXPECT_EQ(TrimBlanks("  2.000 "), "2.000");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("1 2"), "1 2");
}

TEST(InputText, LengthsInWholeThousandths) {
    // Three decimals compare exactly where the doubles do not.
    EXPECT_EQ(Thousandths("0.100") + Thousandths("0.200"), Thousandths("0.300"));
    EXPECT_EQ(Thousandths(" 9.001"), 9001);
    EXPECT_EQ(Thousandths("-2.5"), -2500);
    EXPECT_EQ(Thousandths("0.0006"), 1);
    EXPECT_EQ(Thousandths(""), 0);
    // A damaged file's number is kept inside what the count holds.
    EXPECT_EQ(Thousandths("1e300"), 1'000'000'000'000'000);
    EXPECT_EQ(Thousandths("-1e300"), -1'000'000'000'000'000);
}

}  // namespace
}  // namespace talvo
