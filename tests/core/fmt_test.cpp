// Format behaviour beyond single edit descriptors: reversion, records, blanks.
#include <gtest/gtest.h>

#include <string>

#include "core/fmt.hpp"

namespace {

TEST(Format, RevertsToTheLastGroupWhenValuesRemain) {
  EXPECT_EQ(vm::Format("(2i5)").line(1, 2, 3, 4, 5), "    1    2\n    3    4\n    5\n");
  EXPECT_EQ(vm::Format("(i3,2(i2))").line(1, 2, 3, 4, 5), "  1 2 3\n 4 5\n");
}

TEST(Format, LiteralsSlashesAndTrailingBlanks) {
  EXPECT_EQ(vm::Format("(//)").line(), "\n\n\n");
  EXPECT_EQ(vm::Format("('Node ',i5,' depth ',f10.4)").line(7, 2.5), "Node     7 depth     2.5000\n");
  EXPECT_EQ(vm::Format("(a,3x)").line("end"), "end\n");  // a trailing x writes nothing
  EXPECT_EQ(vm::Format("(a,3x,a)").line("a", "b"), "a   b\n");
  EXPECT_EQ(vm::Format("(i10,1x,a)").line(1, "no valid values"), "         1 no valid values\n");
}

TEST(Format, StopsAtTheFirstDataDescriptorWithoutAValue) {
  EXPECT_EQ(vm::Format("(6i7,f14.4)").line(2001, 1), "   2001      1\n");
  EXPECT_EQ(vm::Format("(i3,' x ',i3)").line(5), "  5 x \n");
}

TEST(Format, WrongValueKindsAreProgrammingErrors) {
  EXPECT_THROW(vm::Format("(i5)").line(1.5), std::logic_error);
  EXPECT_THROW(vm::Format("(f5.1)").line(1), std::logic_error);
  EXPECT_THROW(vm::Format("(i5"), std::logic_error);
  EXPECT_THROW(vm::Format("(q5)"), std::logic_error);
}

TEST(FreeLine, TextAndNumberSeparators) {
  EXPECT_EQ(vm::FreeLine().str(), " ");
  EXPECT_EQ(vm::FreeLine().t("a").t("b").i(1).t("c").str(), " ab           1 c");
  EXPECT_EQ(vm::FreeLine().i(3).i(-4).str(), "           3          -4");
}

}  // namespace
