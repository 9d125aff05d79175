// Reading the record: the element of a per-work-type array.
#include "calc/calcfield.h"

#include <gtest/gtest.h>

#include "support/filled_design.h"

namespace talvo::test {
namespace {

TEST(CalcFieldTest, OfWorkTypeIsTheCurrentTypesElementOrNone) {
    ResetCalcState();
    for (int type : {0, 2, 4}) {
        Design.WorkType = static_cast<std::int16_t>(type);
        EXPECT_EQ(calcfield::OfWorkType(Design.TateMmax), &Design.TateMmax[type]) << type;
        EXPECT_EQ(calcfield::OfWorkType(Design.ShearXMode), &Design.ShearXMode[type]) << type;
    }
    // No work type chosen (5) or none at all.
    for (int type : {5, -1}) {
        Design.WorkType = static_cast<std::int16_t>(type);
        EXPECT_EQ(calcfield::OfWorkType(Design.TateMmax), nullptr) << type;
        EXPECT_EQ(calcfield::OfWorkType(Design.ShearXMode), nullptr) << type;
    }
}

}  // namespace
}  // namespace talvo::test
