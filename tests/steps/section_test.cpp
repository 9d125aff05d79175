// The beam cross-section rules: the standard sections as the boxes take
// them, and the red marks of a height not above the effective height at
// load and after an entry of h or d.
#include "steps/section.h"

#include <gtest/gtest.h>

#include <string>

namespace talvo {
namespace {

TEST(StandardSections, EachSizeAfterOneBlank) {
    struct Case {
        const char* item;
        SectionTexts sizes;
    };
    const Case cases[] = {
        {"150*150  d= 75", {" 150", " 150", "  75"}},
        {"200*200  d=155", {" 200", " 200", " 155"}},
        {"300*300  d=235", {" 300", " 300", " 235"}},
        {"400*400  d=315", {" 400", " 400", " 315"}},
        {"500*500  d=410", {" 500", " 500", " 410"}},
        {"600*600  d=510", {" 600", " 600", " 510"}},
        // A shorter text gives what it holds.
        {"300*3", {" 300", " 3", " "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const SectionTexts s = StandardSectionSizes(c.item);
        EXPECT_EQ(s.width, c.sizes.width);
        EXPECT_EQ(s.height, c.sizes.height);
        EXPECT_EQ(s.depth, c.sizes.depth);
    }
    // Every standard section has h > d.
    for (const char* item : kStandardSections)
        EXPECT_FALSE(DepthReachesHeight(StandardSectionSizes(item))) << item;
}

TEST(SectionMarks, TheTwoDirectionsDifferByValue) {
    EXPECT_TRUE(SectionsDiffer({" 300", " 300", " 235"}, {" 200", " 200", " 155"}));
    EXPECT_TRUE(SectionsDiffer({" 300", " 300", " 235"}, {" 300", " 300", " 230"}));
    EXPECT_FALSE(SectionsDiffer({" 300", " 300", " 235"}, {" 300", "300", "235"}));
    EXPECT_FALSE(SectionsDiffer({"", "", ""}, {"", "", ""}));
    EXPECT_FALSE(SectionsDiffer({"0", "", ""}, {"", "0", ""}));  // empty reads 0
}

TEST(SectionMarks, AtLoadBothValuesAreNeeded) {
    struct Case {
        const char* h;
        const char* d;
        bool red;
    };
    for (Case c : {Case{" 200", " 200", true}, Case{" 150", " 160", true},
                   Case{" 200", " 150", false}, Case{"", " 300", false}, Case{" 100", "", false},
                   // Blanks are no value, as the entry check reads them.
                   Case{"   ", " 300", false}, Case{" 100", "    ", false}})
        EXPECT_EQ(DepthReachesHeight({" 200", c.h, c.d}), c.red) << c.h << " / " << c.d;
}

// After an entry: the entered direction's mark (shown with the message) and
// the other direction's (from the entered value, before the copy).
TEST(SectionMarks, AfterAnEntryOfHOrD) {
    struct Case {
        const char* what;
        bool depth;  // d entered, else h
        int direction;
        SectionTexts entered;  // after the entry
        SectionTexts other;
        bool own;
        bool other_;
    };
    const Case cases[] = {
        {"h = d", false, 0, {"", " 150", " 150"}, {"", " 200", " 150"}, true, true},
        {"h < d", false, 1, {"", " 100", " 150"}, {"", " 200", " 150"}, true, true},
        {"h > d", false, 0, {"", " 201", " 200"}, {"", " 200", " 150"}, false, false},
        {"h with d empty", false, 0, {"", " 100", ""}, {"", " 200", " 150"}, false, true},
        {"good h", false, 1, {"", " 300", " 150"}, {"", " 200", " 150"}, false, false},
        // The other direction is tested only when it holds an h and a d.
        {"other without d", false, 0, {"", " 150", " 150"}, {"", " 200", ""}, true, false},
        {"other without h", false, 0, {"", " 150", " 150"}, {"", "", " 300"}, true, false},
        // An emptied h reads 0, below any d of the other direction.
        {"emptied h", false, 0, {"", "", " 250"}, {"", " 200", " 150"}, false, true},
        {"d = h", true, 1, {"", " 200", " 200"}, {"", " 200", " 150"}, true, true},
        {"d > h", true, 0, {"", " 200", " 300"}, {"", " 200", " 150"}, true, true},
        {"d < h", true, 0, {"", " 200", " 150"}, {"", " 200", " 150"}, false, false},
        {"d with h empty", true, 0, {"", "", " 900"}, {"", " 200", " 150"}, false, true},
        {"same: d copied", true, 1, {"", " 200", " 250"}, {"", " 200", " 150"}, true, true},
        // After d the other direction needs its h; after a horizontal d its d too.
        {"vertical d, other d empty", true, 0, {"", " 200", " 250"}, {"", " 200", ""}, true, true},
        {"horizontal d, other d empty",
         true,
         1,
         {"", " 200", " 250"},
         {"", " 200", ""},
         true,
         false},
        {"other h empty", true, 0, {"", " 200", " 250"}, {"", "", " 150"}, true, false},
        // An emptied d reads 0: only an h of 0 from a file is reached.
        {"emptied d", true, 0, {"", " 200", ""}, {"", " 200", " 150"}, false, false},
        {"emptied d on h 0", true, 0, {"", "0", ""}, {"", "0", " 150"}, true, true},
        // A text of blanks is no value, as an empty one is.
        {"h of blanks", false, 0, {"", "   ", " 250"}, {"", " 200", " 150"}, false, true},
        {"d under an h of blanks", true, 0, {"", "   ", " 300"}, {"", " 200", " 150"}, false, true},
        {"other h of blanks", false, 0, {"", " 150", " 150"}, {"", "  ", " 300"}, true, false},
        {"other d of blanks", true, 1, {"", " 200", " 250"}, {"", " 200", "   "}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DepthMarks m = c.depth ? MarksAfterDepth(c.direction, c.entered, c.other)
                                     : MarksAfterHeight(c.entered, c.other);
        EXPECT_EQ(m.entered, c.own);
        EXPECT_EQ(m.other, c.other_);
    }
}

}  // namespace
}  // namespace talvo
