#include "shell/calendar.hpp"

#include <cstddef>

namespace vm {

namespace {

constexpr std::array<int, 13> kCommon = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
constexpr std::array<int, 13> kLeap = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

const std::array<int, 13>& daysBeforeMonth(int year) { return leapYear(year) ? kLeap : kCommon; }

int monthLength(int month, int year) {
  if (month == 2 && leapYear(year)) return 29;
  if (month < 1 || month > 12) return 31;
  return kLengths[static_cast<std::size_t>(month - 1)];
}

void getmonthday(int& dayofyear, int& year, int& month, int& day) {
  const std::array<int, 13>& before = daysBeforeMonth(year);
  for (int m = 1; m <= 12; ++m) {
    if (before[static_cast<std::size_t>(m - 1)] < dayofyear) {
      month = m;
      day = dayofyear - before[static_cast<std::size_t>(m - 1)];
    }
  }
}

void tzconvert(int& year, int& month, int& day, int& hour, int& shift) {
  std::array<int, 12> len = kLengths;
  if (leapYear(year)) len[1] = 29;
  // A month outside 1..12 has no length; such a date is left to carry as a 31-day month.
  auto length = [&](int m) { return m >= 1 && m <= 12 ? len[static_cast<std::size_t>(m - 1)] : 31; };
  hour += shift;
  while (hour > 23) {
    hour -= 24;
    ++day;
    if (day > length(month)) {
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
        day = length(month);
      }
    }
  }
}

}  // namespace vm
