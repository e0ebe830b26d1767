// Calendar arithmetic shared by the adjust tool, the converters and talvo61.
//
// A year is a leap year when it is divisible by 4; century years are no exception
// (1900 and 2100 count as leap years).
#pragma once
#include <array>

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

}  // namespace vm
