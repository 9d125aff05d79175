// The arc failure against the slope: past the toe (L < L1 + L3) and deeper
// than the radius allows (L1 < 2·L2), compared in whole thousandths.
#include "steps/arcfailure.h"

#include <gtest/gtest.h>

#include <string>

namespace talvo {
namespace {

TEST(ArcFailure, TheTwoChecks) {
    struct Case {
        const char* l;  // slope length
        const char* l1;
        const char* l2;
        const char* l3;
        bool pastToe;  // with L1 needed, as at activation and after L1
        bool tooDeep;
    };
    const Case cases[] = {
        {" 9.000", "6.000", "3.000", "3.000", false, false},  // both ties pass
        {" 9.000", "6.000", "3.000", "3.001", true, false},
        {" 9.000", "5.999", "3.000", "3.000", false, true},
        {" 9.000", "9.500", "5.000", "", true, true},         // L1 alone is too long
        {" 0.300", "0.100", "0.050", "0.200", false, false},  // 0.1 + 0.2 ends at the toe
        {"", "99.000", "60.000", "99.000", false, true},      // without L nothing is past the toe
        {" 9.000", "", "5.000", "20.000", false, false},      // L1 needed
        {" 9.000", "6.000", "", "1.000", false, false},       // the depth needs L2
        // A damaged file's huge numbers still compare.
        {"1e300", "9.000", "1e300", "1.000", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.l) + "/" + c.l1 + "/" + c.l2 + "/" + c.l3);
        EXPECT_EQ(ArcPastToe(c.l, c.l1, c.l3, true), c.pastToe);
        EXPECT_EQ(ArcTooDeep(c.l1, c.l2), c.tooDeep);
    }
    // After an entry of L3 the test needs L alone; an L1 not entered reads 0.
    EXPECT_TRUE(ArcPastToe(" 9.000", "", "9.001", false));
    EXPECT_FALSE(ArcPastToe(" 9.000", "", "9.000", false));
    EXPECT_FALSE(ArcPastToe("", "6.000", "9.001", false));
}

}  // namespace
}  // namespace talvo
