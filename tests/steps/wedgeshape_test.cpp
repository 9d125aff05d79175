// The wedge patterns (which pair each enters, which it derives) and the
// marks of a failure longer than the slope or not flatter than it.
#include "steps/wedgeshape.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

using V = WedgeValue;

TEST(WedgePatterns, EachEntersAPairAndDerivesTheOtherTwo) {
    struct Case {
        int pattern;
        V first, second;
    };
    const Case cases[] = {{0, V::L1, V::L2},
                          {1, V::L1, V::Alpha},
                          {2, V::H, V::L2},
                          {3, V::H, V::Alpha},
                          {4, V::Alpha, V::L2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        const auto pair = EnteredPair(c.pattern);
        EXPECT_EQ(pair[0], c.first);
        EXPECT_EQ(pair[1], c.second);
        int derived = 0;
        for (V v : {V::L1, V::L2, V::H, V::Alpha}) {
            const bool entered = v == c.first || v == c.second;
            EXPECT_EQ(WedgeDerived(c.pattern, v), !entered);
            derived += WedgeDerived(c.pattern, v) ? 1 : 0;
        }
        EXPECT_EQ(derived, 2);
        EXPECT_EQ(WedgePattern(c.pattern), c.pattern);
    }
    // A stored pattern out of range (a damaged file) loads as the first and
    // derives nothing where it stands.
    for (int bad : {-1, 5, 32767}) {
        EXPECT_EQ(WedgePattern(bad), 0);
        for (V v : {V::L1, V::L2, V::H, V::Alpha}) EXPECT_FALSE(WedgeDerived(bad, v)) << bad;
    }
}

TEST(WedgeMarks, LongerThanTheSlopeOrNotFlatter) {
    struct Case {
        const char* value;
        const char* slope;
        bool red;
    };
    // L1 against the slope length.
    for (Case c :
         {Case{"  9.000", " 9.000", false}, Case{"  9.500", " 9.000", true},
          Case{"  9.500", "", false}, Case{"", " 9.000", false}, Case{"  9.500", "   ", false}})
        EXPECT_EQ(WedgeLongerThanSlope(c.value, c.slope), c.red) << c.value << " / " << c.slope;
    // α against θ0: equal is not flatter.
    for (Case c :
         {Case{"  45.00", "45.00", true}, Case{"  44.99", "45.00", false},
          Case{"  60.00", "45.00", true}, Case{"  50.00", "", false}, Case{"   ", "45.00", false}})
        EXPECT_EQ(SlipNotFlatterThanSlope(c.value, c.slope), c.red) << c.value << " / " << c.slope;
}

}  // namespace
}  // namespace talvo
