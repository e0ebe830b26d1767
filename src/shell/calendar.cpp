#include "shell/calendar.hpp"

#include <algorithm>
#include <climits>
#include <string>

#include "core/error.hpp"

namespace vm {

namespace {

constexpr std::array<int, 13> kDaysBeforeCommon = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
constexpr std::array<int, 13> kDaysBeforeLeap = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool isLeap(long long year) { return year % 4 == 0; }

int toInt(long long v, const char* what) {
  if (v < INT_MIN || v > INT_MAX) fail(std::string("the shifted ") + what + " is out of range");
  return static_cast<int>(v);
}

}  // namespace

const std::array<int, 13>& daysBeforeMonth(int year) { return isLeap(year) ? kDaysBeforeLeap : kDaysBeforeCommon; }

void getmonthday(int dayofyear, int year, int& month, int& day) {
  const std::array<int, 13>& before = daysBeforeMonth(year);
  for (size_t m = 1; m <= 12; ++m) {
    if (before[m - 1] < dayofyear) {
      month = static_cast<int>(m);
      day = dayofyear - before[m - 1];
    }
  }
}

void tzconvert(int& year, int& month, int& day, int& hour, int shift) {
  const bool leap = isLeap(year);
  const long long yearLength = leap ? 366 : 365;
  auto length = [leap](long long m) {
    if (m < 1 || m > 12) fail("month " + std::to_string(m) + " is outside 1 to 12; the date cannot be shifted");
    return m == 2 && leap ? 29 : kMonthLength[m - 1];
  };
  long long y = year, mo = month, d = day, h = static_cast<long long>(hour) + shift;
  // Whole days to carry; the hour ends up from 0 to 23.
  long long days = 0;
  if (h > 23) {
    days = h / 24;
    h %= 24;
  } else if (h < 0) {
    days = -((23 - h) / 24);
    h -= days * 24;
  }
  // Day by day, as a clock would be turned, but a month at a time: every step forward looks
  // at the month's length (so a bad month fails at once), and a day outside the month runs
  // to its end or start without a carry. Once on a real date, a whole year of days comes
  // back to the same date (February keeps the length of the year passed in), so whole years
  // are carried at once: an absurd hour costs no more than a small one.
  while (days > 0) {
    const long long len = length(mo);
    if (d < len) {
      const long long k = std::min(days, d < 1 ? 1 - d : len - d);
      d += k;
      days -= k;
      continue;
    }
    d = 1;
    if (++mo > 12) {
      mo = 1;
      ++y;
    }
    --days;
    y += days / yearLength;
    days %= yearLength;
  }
  // Backwards a day of 0 or less never reaches the carry at day 0 again.
  for (long long back = -days; back > 0;) {
    if (d < 1) {
      d -= back;
      break;
    }
    if (d > 1) {
      const long long k = std::min(back, d - 1);
      d -= k;
      back -= k;
      continue;
    }
    if (mo == 1) {
      mo = 12;
      d = 31;
      --y;
    } else {
      --mo;
      d = length(mo);
    }
    --back;
    y -= back / yearLength;
    back %= yearLength;
  }
  year = toInt(y, "year");
  month = toInt(mo, "month");
  day = toInt(d, "day");
  hour = static_cast<int>(h);
}

}  // namespace vm
