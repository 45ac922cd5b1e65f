#include "core/daynumber.h"

namespace tw {

namespace {
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Day number of 3 January 1700, a Sunday, mod 7: fixes which remainder is Sunday.
constexpr int kSundayOffset = 36526 % 7;
}  // namespace

bool IsLeapYear(int year) { return (year % 400 == 0) || (year % 4 == 0 && year % 100 != 0); }

int FebruaryLength(int year) { return IsLeapYear(year) ? 29 : 28; }

int MonthLength(int year, int month) { return month == 2 ? FebruaryLength(year) : kMonthDays[month - 1]; }

int32_t LeapCount(int32_t j) { return j / 4 - j / 100 + (j / 100) / 4; }

DayNumber DayFromDate(int year, int month, int day) {
  if (year < 1600) return 0;
  int32_t k = year - 1600;
  int32_t j = year > 1600 ? k - 1 : 0;
  int32_t n = 365 * k + LeapCount(j);
  for (int m = 1; m < month; ++m) n += MonthLength(year, m);
  return n + day - 1;
}

void DateFromDay(DayNumber n, int* year, int* month, int* day) {
  int32_t y = n / 365;
  int32_t r = n - 365 * y;
  int32_t l = LeapCount(y - 1);
  if (l > r) {
    --y;
    r = n - 365 * y;
    l = LeapCount(y - 1);
  }
  int32_t rest = r - l;
  int fullYear = static_cast<int>(y + 1600);
  int m = 0;
  while (m < 11 && rest >= MonthLength(fullYear, m + 1)) {
    rest -= MonthLength(fullYear, m + 1);
    ++m;
  }
  if (year) *year = fullYear;
  if (month) *month = m + 1;
  if (day) *day = static_cast<int>(rest) + 1;
}

int WeekdaySunday(DayNumber n) { return static_cast<int>(((n - kSundayOffset) % 7 + 7) % 7); }

int WeekdayMonday(DayNumber n) {
  int w = WeekdaySunday(n);
  if (w == 0) w = 7;
  return w - 1;
}

int WeekdayIso(DayNumber n) { return WeekdayMonday(n) + 1; }

}  // namespace tw
