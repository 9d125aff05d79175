// Base of the calculation tests: every test starts from a new design with
// the built-in tables, and fills it with FillDesign where it needs one.
#pragma once

#include <gtest/gtest.h>

#include "support/filled_design.h"

namespace talvo::test {

class CalcTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCalcState(); }
};

}  // namespace talvo::test
