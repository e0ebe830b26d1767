#include "shell/calendar.hpp"

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
  auto length = [leap](long long m) {
    if (m < 1 || m > 12) fail("month " + std::to_string(m) + " is outside 1 to 12; the date cannot be shifted");
    return m == 2 && leap ? 29 : kMonthLength[m - 1];
  };
  long long y = year, mo = month, d = day, h = static_cast<long long>(hour) + shift;
  while (h > 23) {
    h -= 24;
    ++d;
    if (d > length(mo)) {
      d = 1;
      ++mo;
      if (mo > 12) {
        mo = 1;
        ++y;
      }
    }
  }
  while (h < 0) {
    h += 24;
    --d;
    if (d == 0) {
      if (mo == 1) {
        mo = 12;
        d = 31;
        --y;
      } else {
        --mo;
        d = length(mo);
      }
    }
  }
  year = toInt(y, "year");
  month = toInt(mo, "month");
  day = toInt(d, "day");
  hour = static_cast<int>(h);
}

}  // namespace vm
