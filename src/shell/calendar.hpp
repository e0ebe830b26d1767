// Calendar arithmetic shared by the adjust tool, the converters and talvo61.
//
// A year is a leap year when it is divisible by 4; century years are no exception
// (1900 and 2100 count as leap years).
#pragma once
#include <array>
#include <string>

namespace vm {

inline bool leapYear(int year) { return year % 4 == 0; }

// Entry m (index m-1) is the number of days of the year before month m; entry 13 (index 12)
// is the length of the year.
const std::array<int, 13>& daysBeforeMonth(int year);

// Month and day of a day of the year. Months are tried in order and the last one whose
// days-before-month count is below `dayofyear` wins, so day 366 of a common year is
// December 32. A day of 0 or less leaves `month` and `day` as they were.
void getmonthday(int dayofyear, int year, int& month, int& day);

// Shifts a date and hour by `shift` hours (negative moves back), carrying across day,
// month and year ends. The length of February is taken once, from the year passed in.
// Minutes and seconds are not touched. A month outside 1 to 12 is a fatal error when a
// day has to be carried.
void tzconvert(int& year, int& month, int& day, int& hour, int shift);

// The Gregorian calendar of the comparison and of today's downloads (years divisible by 100
// are leap years only when divisible by 400), counted in whole seconds since 1970-01-01
// 00:00:00 (negative before).
using Seconds = long long;

struct CalendarTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// False unless month 1-12, day within the month, hour 0-23, minute and second 0-59.
bool validDateTime(const CalendarTime& d);
Seconds toSeconds(const CalendarTime& d);
CalendarTime fromSeconds(Seconds s);
// "YYYY-MM-DD hh:mm:ss"
std::string formatTime(Seconds s);

}  // namespace vm
