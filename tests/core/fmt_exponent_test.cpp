// Exponents written after a longer number: the digits of the earlier conversion must not
// run into the exponent of the next one.
#include "core/fmt.hpp"

#include <gtest/gtest.h>

namespace {

TEST(FmtExponent, EarlierLongerConversionsDoNotLeakIntoTheExponent) {
  for (int round = 0; round < 3; ++round) {
    std::string s;
    vm::putE(s, 1.2345678901234567e-5, 60, 40);
    s.clear();
    vm::putE(s, 3600.0, 15, 7, 3);
    EXPECT_EQ(s, " 0.3600000E+004");
    s.clear();
    vm::putE(s, 1.2345678901234567e-5, 60, 40);
    s.clear();
    vm::putE(s, 0.001, 22, 10, 3);
    EXPECT_EQ(s, "     0.1000000000E-002");
    s.clear();
    vm::putE(s, 1.2345678901234567e-5, 60, 40);
    s.clear();
    vm::putE(s, 1.5, 24, 10);
    EXPECT_EQ(s, "        0.1500000000E+01");
    s.clear();
    vm::putFreeReal(s, 1.2345678901234567e-250);
    s.clear();
    vm::putFreeReal(s, 1.25e20);
    EXPECT_EQ(s, "  1.2500000000000000E+020");
  }
}

}  // namespace
