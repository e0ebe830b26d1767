#include "shell/calendar.hpp"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <climits>
#include <utility>

#include "core/error.hpp"

namespace {

using Date = std::array<int, 4>;  // year, month, day, hour

Date shifted(Date d, int shift) {
  vm::tzconvert(d[0], d[1], d[2], d[3], shift);
  return d;
}

using MonthDay = std::pair<int, int>;

MonthDay monthDay(int dayofyear, int year, int month = 0, int day = 0) {
  vm::getmonthday(dayofyear, year, month, day);
  return {month, day};
}

TEST(GetMonthDay, DayOfYearInCommonAndLeapYears) {
  EXPECT_EQ(monthDay(60, 2009), MonthDay(3, 1));
  EXPECT_EQ(monthDay(60, 2008), MonthDay(2, 29));
  EXPECT_EQ(monthDay(60, 1900), MonthDay(2, 29));  // century years are leap years
  EXPECT_EQ(monthDay(1, 2009), MonthDay(1, 1));
  EXPECT_EQ(monthDay(365, 2009), MonthDay(12, 31));
  EXPECT_EQ(monthDay(366, 2009), MonthDay(12, 32));  // no check against the year length
  EXPECT_EQ(monthDay(0, 2009, 7, 9), MonthDay(7, 9));  // day 0 or below leaves month and day
  EXPECT_EQ(monthDay(-5, 2009, 7, 9), MonthDay(7, 9));
}

TEST(TzConvert, CarriesAcrossYearsAndLeapDays) {
  EXPECT_EQ(shifted({2008, 12, 31, 20}, 6), (Date{2009, 1, 1, 2}));
  EXPECT_EQ(shifted({2008, 3, 1, 3}, -5), (Date{2008, 2, 29, 22}));
  EXPECT_EQ(shifted({2009, 3, 1, 3}, -5), (Date{2009, 2, 28, 22}));
  EXPECT_EQ(shifted({2009, 1, 1, 0}, -1), (Date{2008, 12, 31, 23}));
  EXPECT_EQ(shifted({1900, 2, 28, 23}, 1), (Date{1900, 2, 29, 0}));
  EXPECT_EQ(shifted({2008, 2, 28, 23}, 1), (Date{2008, 2, 29, 0}));
  EXPECT_EQ(shifted({2008, 2, 29, 23}, 1), (Date{2008, 3, 1, 0}));
  EXPECT_EQ(shifted({2009, 4, 30, 23}, 1), (Date{2009, 5, 1, 0}));
  EXPECT_EQ(shifted({2009, 5, 1, 0}, -1), (Date{2009, 4, 30, 23}));
}

TEST(TzConvert, WholeDaysAndZeroShift) {
  EXPECT_EQ(shifted({2009, 6, 10, 7}, 48), (Date{2009, 6, 12, 7}));
  EXPECT_EQ(shifted({2009, 6, 10, 7}, -48), (Date{2009, 6, 8, 7}));
  for (int h = 0; h <= 23; ++h) EXPECT_EQ(shifted({2009, 6, 10, h}, 0), (Date{2009, 6, 10, h}));
  // A year of hours forward from 1 January of a common year.
  EXPECT_EQ(shifted({2009, 1, 1, 5}, 365 * 24), (Date{2010, 1, 1, 5}));
}

TEST(TzConvert, FebruaryLengthIsFixedByTheStartingYear) {
  // Starting in 2007 (common), February 2008 is taken as 28 days long.
  EXPECT_EQ(shifted({2007, 12, 31, 0}, 60 * 24), (Date{2008, 3, 1, 0}));
  // Starting in 2008 (leap), February 2009 is taken as 29 days long.
  EXPECT_EQ(shifted({2008, 12, 31, 0}, 60 * 24), (Date{2009, 2, 29, 0}));
}

TEST(TzConvert, HoursOfAnySizeCarryLikeSmallOnes) {
  // A raw hour field may hold ten digits; the carry must neither take a day per step nor
  // differ from the small shifts (results checked against the day-by-day carry).
  EXPECT_EQ(shifted({2009, 1, 1, 5}, 365 * 24 * 1000), (Date{3009, 1, 1, 5}));
  EXPECT_EQ(shifted({2009, 1, 1, INT_MAX}, 0), (Date{247155, 7, 15, 7}));
  EXPECT_EQ(shifted({2008, 2, 29, INT_MAX}, 5), (Date{246484, 11, 24, 12}));
  EXPECT_EQ(shifted({2008, 3, 1, INT_MIN}, -5), (Date{-242469, 6, 5, 11}));
  // Days outside the month: forward they carry at once, backward below 1 they never do.
  EXPECT_EQ(shifted({2009, 6, 40, INT_MAX}, 0), (Date{247156, 1, 11, 7}));
  EXPECT_EQ(shifted({2009, 6, -50, INT_MAX}, 0), (Date{247155, 10, 23, 7}));
  EXPECT_EQ(shifted({2009, 6, 50, INT_MIN}, 0), (Date{-243137, 1, 5, 16}));
  EXPECT_EQ(shifted({2009, 6, -40, INT_MIN}, 0), (Date{2009, 6, -89478526, 16}));
  Date far{INT_MAX - 100000, 6, 1, INT_MAX};
  EXPECT_THROW(vm::tzconvert(far[0], far[1], far[2], far[3], 0), vm::Failure);
  // A raw file of such lines: carried a day per step this took minutes.
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < 1000; ++k) shifted({2009, 1, 1, INT_MAX - k}, 5);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(TzConvert, BadMonthIsAnErrorOnlyWhenADayCarries) {
  EXPECT_EQ(shifted({2009, 13, 5, 10}, 2), (Date{2009, 13, 5, 12}));
  Date d{2009, 13, 5, 23};
  EXPECT_THROW(vm::tzconvert(d[0], d[1], d[2], d[3], 1), vm::Failure);
  Date e{2009, 0, 1, 0};
  EXPECT_THROW(vm::tzconvert(e[0], e[1], e[2], e[3], -1), vm::Failure);
}

}  // namespace
