#include "report/pages/fill.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "report/pages/results.h"
#include "shell/design.h"
#include "shell/tables.h"

namespace talvo::report {
namespace {

TEST(FillHelpers, BarNamesOnlyIndicesInsideTheTable) {
    const int size = static_cast<int>(RebarSpecTable.size());
    struct Case {
        int index;
        const RebarSpec* bar;
    };
    const Case cases[] = {
        {-1, nullptr},
        {0, &RebarSpecTable[0]},
        {size - 1, &RebarSpecTable[static_cast<std::size_t>(size - 1)]},
        {size, nullptr},
        {99, nullptr},  // no stirrup
    };
    for (const Case& c : cases) EXPECT_EQ(Bar(c.index), c.bar) << c.index;
}

TEST(FillHelpers, UpToTwoDecimalsDropsOnlyFractionZeros) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {100, "100"},   {126.7, "126.7"}, {10.1, "10.1"}, {1.234, "1.23"},
        {2.01, "2.01"}, {0.5, "0.5"},     {0, "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(UpToTwoDecimals(c.value), c.text) << c.value;
}

TEST(FillHelpers, ByWorkTypeIsEmptyOutsideTheWorkTypes) {
    const std::int16_t saved = Design.WorkType;
    const std::array<std::string, 5> values = {"a", "b", "c", "d", "e"};
    struct Case {
        std::int16_t workType;
        const char* text;
    };
    const Case cases[] = {{-1, ""}, {0, "a"}, {4, "e"}, {5, ""}};
    for (const Case& c : cases) {
        Design.WorkType = c.workType;
        EXPECT_EQ(ByWorkType(values), c.text) << c.workType;
    }
    // The moment pages keep the address of the entry.
    Design.WorkType = 2;
    EXPECT_EQ(&ByWorkType(values), &values[2]);
    Design.WorkType = saved;
}

// The checked helpers throw on a missing item; the IfPresent ones, used by
// fillers whose forms may lack the item, leave it alone.
TEST(FillHelpers, MissingItemsThrowOrAreSkipped) {
    auto form = std::make_unique<LayoutForm>(
        ParseForm("form Tiny\nlabel Lab1 0 0 600 \"x\"\npic Pic_l(0) 0 300\n"));
    FormPicture* pic = form->Picture("Pic_l(0)");
    ASSERT_NE(pic, nullptr);

    PutNum(*form, "Lab1", "1.5", 3);
    EXPECT_EQ(Caption(*form, "Lab1"), "  1.5");
    SetColor(*form, "Lab1", true);
    EXPECT_EQ(Need(*form, "Lab1").foreColor, kVerdictRed);
    SetColorIfPresent(*form, "Lab1", false);
    EXPECT_EQ(Need(*form, "Lab1").foreColor, kVerdictBlack);

    try {
        Put(*form, "Lab2", "y");
        ADD_FAILURE() << "no throw";
    } catch (const FormError& e) {
        EXPECT_STREQ(e.what(), "Tiny: no label Lab2");
    }
    EXPECT_THROW(SetColor(*form, "Lab2", true), FormError);
    EXPECT_NO_THROW(SetColorIfPresent(*form, "Lab2", true));

    pic->picture.clear();
    EXPECT_NO_THROW(LoadScriptLIfPresent(*form, 2));
    EXPECT_EQ(pic->picture, kScriptLPicture);
    pic->picture.clear();
    try {
        LoadScriptL(*form, 2);
        ADD_FAILURE() << "no throw";
    } catch (const FormError& e) {
        EXPECT_STREQ(e.what(), "Tiny: no picture Pic_l(1)");
    }
    EXPECT_EQ(pic->picture, kScriptLPicture);
}

}  // namespace
}  // namespace talvo::report
