#include "shell/calendar.hpp"

#include <gtest/gtest.h>

#include <array>

#include "core/error.hpp"

namespace {

using Date = std::array<int, 4>;  // year, month, day, hour

Date shifted(Date d, int shift) {
  vm::tzconvert(d[0], d[1], d[2], d[3], shift);
  return d;
}

std::array<int, 2> monthDay(int dayofyear, int year, std::array<int, 2> before = {-1, -1}) {
  vm::getmonthday(dayofyear, year, before[0], before[1]);
  return before;
}

TEST(Calendar, DayOfYearToMonthAndDay) {
  EXPECT_EQ(monthDay(60, 2009), (std::array<int, 2>{3, 1}));
  EXPECT_EQ(monthDay(60, 2008), (std::array<int, 2>{2, 29}));
  EXPECT_EQ(monthDay(366, 1900), (std::array<int, 2>{12, 31}));  // every fourth year is a leap year
  EXPECT_EQ(monthDay(366, 2009), (std::array<int, 2>{12, 32}));  // no check against the year's length
  EXPECT_EQ(monthDay(0, 2009, {7, 9}), (std::array<int, 2>{7, 9}));  // nothing matches: left as they were
}

TEST(Calendar, ShiftCarriesAcrossDaysMonthsAndYears) {
  EXPECT_EQ(shifted({2008, 12, 31, 20}, 6), (Date{2009, 1, 1, 2}));
  EXPECT_EQ(shifted({2008, 3, 1, 3}, -5), (Date{2008, 2, 29, 22}));
  EXPECT_EQ(shifted({2009, 3, 1, 3}, -5), (Date{2009, 2, 28, 22}));
  EXPECT_EQ(shifted({2009, 1, 1, 0}, -1), (Date{2008, 12, 31, 23}));
  EXPECT_EQ(shifted({1900, 2, 28, 23}, 1), (Date{1900, 2, 29, 0}));
  EXPECT_EQ(shifted({2009, 4, 30, 23}, 1), (Date{2009, 5, 1, 0}));
  EXPECT_EQ(shifted({2009, 6, 15, 7}, 48), (Date{2009, 6, 17, 7}));
  EXPECT_EQ(shifted({2009, 6, 15, 7}, -72), (Date{2009, 6, 12, 7}));
  for (int h = 0; h < 24; ++h) EXPECT_EQ(shifted({2009, 6, 15, h}, 0), (Date{2009, 6, 15, h}));
  // February's length comes from the year passed in, for the whole move.
  EXPECT_EQ(shifted({2007, 12, 31, 0}, 24 * 60), (Date{2008, 3, 1, 0}));
}

TEST(Calendar, MonthOutsideTheYearCannotBeCarried) {
  EXPECT_THROW(shifted({2009, 13, 31, 23}, 1), vm::Failure);
  EXPECT_THROW(shifted({2009, 0, 1, 0}, -1), vm::Failure);
  EXPECT_EQ(shifted({2009, 13, 5, 3}, 2), (Date{2009, 13, 5, 5}));  // the month is not looked at
}

}  // namespace
