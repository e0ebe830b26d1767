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

TEST(Calendar, DayOfYearToMonthAndDay) {
  int month = -1, day = -1;
  vm::getmonthday(60, 2009, month, day);
  EXPECT_EQ(month, 3);
  EXPECT_EQ(day, 1);
  vm::getmonthday(60, 2008, month, day);
  EXPECT_EQ(month, 2);
  EXPECT_EQ(day, 29);
  vm::getmonthday(1, 1900, month, day);  // every fourth year is a leap year, 1900 included
  EXPECT_EQ(month, 1);
  EXPECT_EQ(day, 1);
  vm::getmonthday(366, 1900, month, day);
  EXPECT_EQ(month, 12);
  EXPECT_EQ(day, 31);
  vm::getmonthday(366, 2009, month, day);  // no check against the year's length
  EXPECT_EQ(month, 12);
  EXPECT_EQ(day, 32);
  month = 7;
  day = 9;
  vm::getmonthday(0, 2009, month, day);  // nothing matches: left as they were
  EXPECT_EQ(month, 7);
  EXPECT_EQ(day, 9);
}

TEST(Calendar, ShiftCarriesAcrossDaysMonthsAndYears) {
  EXPECT_EQ(shifted({2008, 12, 31, 20}, 6), (Date{2009, 1, 1, 2}));
  EXPECT_EQ(shifted({2008, 3, 1, 3}, -5), (Date{2008, 2, 29, 22}));
  EXPECT_EQ(shifted({2009, 3, 1, 3}, -5), (Date{2009, 2, 28, 22}));
  EXPECT_EQ(shifted({2009, 1, 1, 0}, -1), (Date{2008, 12, 31, 23}));
  EXPECT_EQ(shifted({1900, 2, 28, 23}, 1), (Date{1900, 2, 29, 0}));
  EXPECT_EQ(shifted({2009, 4, 30, 23}, 1), (Date{2009, 5, 1, 0}));
  EXPECT_EQ(shifted({2009, 5, 1, 0}, -1), (Date{2009, 4, 30, 23}));
  EXPECT_EQ(shifted({2009, 6, 15, 7}, 48), (Date{2009, 6, 17, 7}));
  EXPECT_EQ(shifted({2009, 6, 15, 7}, -72), (Date{2009, 6, 12, 7}));
  for (int h = 0; h < 24; ++h) EXPECT_EQ(shifted({2009, 6, 15, h}, 0), (Date{2009, 6, 15, h}));
}

TEST(Calendar, FebruaryLengthComesFromTheStartingYear) {
  // A shift over a year end keeps the first year's February for the whole move: from
  // 2007 the 29th of February 2008 is stepped over.
  EXPECT_EQ(shifted({2007, 12, 31, 0}, 24 * 59), (Date{2008, 2, 28, 0}));
  EXPECT_EQ(shifted({2007, 12, 31, 0}, 24 * 60), (Date{2008, 3, 1, 0}));
}

TEST(Calendar, MonthOutsideTheYearCannotBeCarried) {
  EXPECT_THROW(shifted({2009, 13, 31, 23}, 1), vm::Failure);
  EXPECT_THROW(shifted({2009, 0, 1, 0}, -1), vm::Failure);
  // A shift that stays inside the day never looks at the month.
  EXPECT_EQ(shifted({2009, 13, 5, 3}, 2), (Date{2009, 13, 5, 5}));
}

}  // namespace
