// Day numbers: the one date representation of the program, its files included.
// Day 0 is 1 January 1600. The leap day of 1600 is not counted in the offset of later
// years, so 31 December 1600 and 1 January 1601 share the number 365; stored files rely on
// exactly this numbering.
#pragma once
#include <cstdint>

namespace tw {

using DayNumber = int32_t;
// day × 100 + month of a fixed day of the year; 3800..3812 name the movable days.
using DayCode = int32_t;

constexpr DayNumber kFirstCalendarDay = 0;       // 1 January 1600
constexpr DayNumber kLastCalendarDay = 164358;   // 31 December 2049
constexpr DayNumber kFirstMoonDay = 127834;      // 1 January 1950
constexpr DayNumber kLastMoonDay = 164358;       // 31 December 2049
constexpr int kLastCalendarYear = 2049;

bool IsLeapYear(int year);
int MonthLength(int year, int month);  // month 1..12
int FebruaryLength(int year);

// Leap years 1601 .. 1600+j, as the numbering counts them (L(-1) = 0).
int32_t LeapCount(int32_t j);

// A year below 1600 gives 0; a day past its month's end runs on into the next month.
DayNumber DayFromDate(int year, int month, int day);
void DateFromDay(DayNumber n, int* year, int* month = nullptr, int* day = nullptr);

// 0 = Sunday .. 6 = Saturday (valid from 1601 on).
int WeekdaySunday(DayNumber n);
// 0 = Monday .. 6 = Sunday: the index the recommendation conditions use.
int WeekdayMonday(DayNumber n);
// 1 = Monday .. 7 = Sunday: picks the weekday name in the side panel.
int WeekdayIso(DayNumber n);

}  // namespace tw
