// Calendar arithmetic shared by the adjust tool, the converters and talvo61.
//
// A year is a leap year when it is divisible by 4; century years are no exception.
#pragma once

namespace vm {

// Month and day of month of a day of the year (1 is 1 January). A day of the year of 0 or
// less leaves month and day as they were; one past the year's end runs on in December.
void getmonthday(int dayofyear, int year, int& month, int& day);

// Moves a date and hour by `shift` hours (negative moves back), carrying into day, month
// and year. February's length is taken from the year passed in.
void tzconvert(int& year, int& month, int& day, int& hour, int shift);

}  // namespace vm
