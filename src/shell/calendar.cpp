#include "shell/calendar.hpp"

#include <string>

#include "core/error.hpp"

namespace vm {

namespace {

constexpr int kDaysBefore[2][13] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366},
};

bool leap(int year) { return year % 4 == 0; }

// Length of a month; a month outside 1 to 12 cannot be carried across.
int monthLength(int month, bool leapYear) {
  static constexpr int kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) fail("cannot carry a date across month " + std::to_string(month));
  return month == 2 && leapYear ? 29 : kLength[month - 1];
}

}  // namespace

void getmonthday(int dayofyear, int year, int& month, int& day) {
  const int* before = kDaysBefore[leap(year) ? 1 : 0];
  for (int m = 1; m <= 12; ++m) {
    if (before[m - 1] < dayofyear) {
      month = m;
      day = dayofyear - before[m - 1];
    }
  }
}

void tzconvert(int& year, int& month, int& day, int& hour, int shift) {
  const bool leapYear = leap(year);  // decided once, from the year passed in
  hour += shift;
  while (hour > 23) {
    hour -= 24;
    ++day;
    if (day > monthLength(month, leapYear)) {
      day = 1;
      ++month;
      if (month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  while (hour < 0) {
    hour += 24;
    --day;
    if (day == 0) {
      if (month == 1) {
        month = 12;
        day = 31;
        --year;
      } else {
        --month;
        day = monthLength(month, leapYear);
      }
    }
  }
}

}  // namespace vm
