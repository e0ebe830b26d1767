#include <gtest/gtest.h>

#include "core/fmt.hpp"

namespace {

// The exponent must come from the value just converted, whatever a longer conversion
// left behind in the scratch buffer before.
TEST(ExponentForm, ExponentDoesNotDependOnEarlierConversions) {
  for (int round = 0; round < 3; ++round) {
    std::string s;
    vm::putE(s, 1.2345678901234567e-100, 60, 40);
    s.clear();
    vm::putE(s, 0.62928, 12, 5);
    EXPECT_EQ(s, " 0.62928E+00");
    s.clear();
    vm::putE(s, 1.2345678901234567e-100, 60, 40);
    vm::putFreeReal(s, 1.0e-5);
    s.clear();
    vm::putFreeReal(s, 2.5e20);
    EXPECT_EQ(s, "  2.5000000000000000E+020");
  }
}

}  // namespace
