// The span and overhang parts of the member-force steps: the coefficient row
// a part takes, the governing part, and whether a beam offers any part.
#include "calc/forceparts.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/filled_design.h"

namespace talvo::test {
namespace {

TEST(ForcePartsTest, SpanRowIsTheRoundedSpanCountUpToFour) {
    // "2.5" and "3.5": halves go to the even neighbour.
    const std::pair<const char*, int> cases[] = {
        {" 3", 3}, {"1", 1}, {" 4", 4},  {" 5", 4},  {"99", 4},   {"", 0},
        {"-2", 0}, {"0", 0}, {"2.5", 2}, {"3.5", 4}, {"1.49", 1},
    };
    for (const auto& [count, row] : cases) EXPECT_EQ(SpanRow(count), row) << count;
}

TEST(ForcePartsTest, TheLargerMagnitudeGovernsAndATieMarksTheSpan) {
    struct Case {
        const char* span;
        const char* overhang;
        int part;
    };
    const Case cases[] = {
        {" 1.00", " 2.00", 1}, {" 2.00", " 1.00", 0}, {"-3.20", " 3.20", 0}, {" 1.00", "-2.00", 1},
        {"", " 0.00", 0},      {"", " 0.50", 1},      {" 0.50", "", 0},      {"", "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GoverningPart(c.span, c.overhang), c.part) << c.span << " | " << c.overhang;
}

TEST(ForcePartsTest, FrameOnlyHorizontalBeam) {
    FillDesign(2);
    EXPECT_TRUE(FrameWidthOffered());
    EXPECT_EQ(FrameCoefficientRow(0), 3);
    EXPECT_EQ(FrameCoefficientRow(1), 0);
    Design.SpanCountX = " 6";
    EXPECT_EQ(FrameCoefficientRow(0), 4);
    for (const char* width : {" 0.000", "", "0"}) {
        Design.TotalLengthX = width;
        EXPECT_FALSE(FrameWidthOffered()) << width;
    }
}

TEST(ForcePartsTest, AnchoredBeams) {
    // count − 1 spans between the anchors, four or more spans as the row of 4.
    const std::pair<const char*, int> rows[] = {
        {" 7", 4}, {" 5", 4}, {" 4", 3}, {" 3", 2}, {" 2", 1}, {" 1", 0}, {" 0", 0}, {"", 0},
    };
    for (const auto& [count, row] : rows) {
        SCOPED_TRACE(count);
        FillDesign(3);
        Design.AnchorCountY = count;
        EXPECT_EQ(AnchorCoefficientRow(0, 0), row);
        EXPECT_EQ(AnchorCoefficientRow(0, 1), 0);
        // The horizontal direction counts its own anchors.
        EXPECT_EQ(AnchorCoefficientRow(1, 0), 3);
    }

    struct Offer {
        const char* name;
        void (*adjust)();
        bool vertical, horizontal;
    };
    const Offer offers[] = {
        {"filled", [] {}, true, true},
        {"no anchors, overhangs only", [] { Design.AnchorCountY = Design.AnchorCountX = " 0"; },
         true, true},
        {"no vertical anchor nor overhang",
         [] {
             Design.AnchorCountY = "";
             Design.AnchorOverhangUpper = Design.AnchorOverhangLower = "0.000";
         },
         false, true},
        {"a lower overhang alone",
         [] {
             Design.AnchorCountY = " 0";
             Design.AnchorOverhangUpper = "";
         },
         true, true},
        {"no horizontal anchor nor overhang",
         [] {
             Design.AnchorCountX = "0";
             Design.AnchorOverhangLeft = Design.AnchorOverhangRight = "";
         },
         true, false},
    };
    for (const Offer& o : offers) {
        SCOPED_TRACE(o.name);
        FillDesign(3);
        o.adjust();
        EXPECT_EQ(HasAnchors(0), o.vertical);
        EXPECT_EQ(HasAnchors(1), o.horizontal);
    }
}

}  // namespace
}  // namespace talvo::test
