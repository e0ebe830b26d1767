// Calendar arithmetic shared by the tools that build or shift dates.
//
// A year is a leap year when it is divisible by 4 (century years included: 1900 and 2100
// are leap years here, as everywhere in the toolkit).
#pragma once
#include <array>

namespace vm {

inline bool leapYear(int year) { return year % 4 == 0; }

// Entry m (0-based index m-1) is the number of days of the year before month m; entry 13
// (index 12) is the length of the year.
const std::array<int, 13>& daysBeforeMonth(int year);

// Length of month 1..12 in the given year.
int monthLength(int month, int year);

// Month and day of a day of the year. A day of 0 or less leaves month and day as they were;
// a day past the year's end is counted on in December (day 366 of a common year is
// December 32).
void getmonthday(int& dayofyear, int& year, int& month, int& day);

// Shifts a date and hour by `shift` hours, carrying across days, months and years. The
// length of February is taken once, from the year passed in.
void tzconvert(int& year, int& month, int& day, int& hour, int& shift);

}  // namespace vm
