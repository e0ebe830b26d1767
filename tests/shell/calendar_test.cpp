#include "shell/calendar.hpp"

#include <gtest/gtest.h>

#include <array>

namespace {

std::array<int, 2> monthDay(int doy, int year, int month = -1, int day = -1) {
  vm::getmonthday(doy, year, month, day);
  return {month, day};
}

std::array<int, 4> shifted(int y, int m, int d, int h, int shift) {
  vm::tzconvert(y, m, d, h, shift);
  return {y, m, d, h};
}

TEST(Calendar, DayOfYearToMonthAndDay) {
  EXPECT_EQ(monthDay(60, 2009), (std::array<int, 2>{3, 1}));
  EXPECT_EQ(monthDay(60, 2008), (std::array<int, 2>{2, 29}));
  EXPECT_EQ(monthDay(1, 2009), (std::array<int, 2>{1, 1}));
  EXPECT_EQ(monthDay(366, 2009), (std::array<int, 2>{12, 32}));
  EXPECT_EQ(monthDay(60, 1900), (std::array<int, 2>{2, 29}));  // century years are leap years
  EXPECT_EQ(monthDay(0, 2009, 7, 9), (std::array<int, 2>{7, 9}));
  EXPECT_EQ(monthDay(-3, 2009, 7, 9), (std::array<int, 2>{7, 9}));
}

TEST(Calendar, HourShiftsCarryAcrossDaysMonthsAndYears) {
  EXPECT_EQ(shifted(2008, 12, 31, 20, 6), (std::array<int, 4>{2009, 1, 1, 2}));
  EXPECT_EQ(shifted(2008, 3, 1, 3, -5), (std::array<int, 4>{2008, 2, 29, 22}));
  EXPECT_EQ(shifted(2009, 3, 1, 3, -5), (std::array<int, 4>{2009, 2, 28, 22}));
  EXPECT_EQ(shifted(2009, 1, 1, 0, -1), (std::array<int, 4>{2008, 12, 31, 23}));
  EXPECT_EQ(shifted(2009, 5, 30, 7, 48), (std::array<int, 4>{2009, 6, 1, 7}));
  EXPECT_EQ(shifted(2009, 5, 30, 0, 0), (std::array<int, 4>{2009, 5, 30, 0}));
  EXPECT_EQ(shifted(2009, 5, 30, 23, 0), (std::array<int, 4>{2009, 5, 30, 23}));
  EXPECT_EQ(shifted(1900, 2, 28, 23, 1), (std::array<int, 4>{1900, 2, 29, 0}));
  EXPECT_EQ(shifted(2100, 3, 1, 0, -1), (std::array<int, 4>{2100, 2, 29, 23}));
  // February's length comes from the year passed in: a shift from a leap year's December
  // across two months keeps 29 days for the next year's February.
  EXPECT_EQ(shifted(2008, 12, 31, 0, 24 * 59), (std::array<int, 4>{2009, 2, 28, 0}));
  EXPECT_EQ(shifted(2008, 12, 31, 0, 24 * 60), (std::array<int, 4>{2009, 2, 29, 0}));
}

}  // namespace
