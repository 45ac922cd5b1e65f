#include "calendar/year_table.h"

#include "calendar/moon_data.h"
#include "calendar/special_days.h"

namespace tw {

namespace {

// Stored values of the movable codes 3800..3812: 501 and above count from the Advent base
// (value - 1000), smaller values from Easter Sunday.
constexpr int kMovableOffsets[13] = {-46, -2, -1, 0, 1, 39, 49, 50, 60, 979, 986, 993, 1000};

// A day × 100 + month code in `year`, or -32000 when its month is no month or when it is
// 29 February of a common year and `leapDayMovesOn` is off.
DayNumber FixedDate(int year, int value, bool leapDayMovesOn) {
  int month = value % 100;
  int day = value / 100;
  // Values come from hand-editable files; a month outside 1..12 has no date.
  if (month < 1 || month > 12) return kNoSpecialDay;
  if (month == 2 && day == 29 && !IsLeapYear(year) && !leapDayMovesOn) return kNoSpecialDay;
  return DayFromDate(year, month, day);
}

}  // namespace

DayNumber EasterSunday(int y) {
  int g = y % 19 + 1;
  int q = y / 100 + 1;
  int x = 3 * q / 4 - 12;
  int z = (8 * q + 5) / 25 - 5;
  int d = 5 * y / 4 - x - 10;
  int e = (11 * g + 20 + z - x) % 30;
  if ((e == 25 && g > 11) || e == 24) ++e;
  int n = 44 - e;
  if (n < 21) n += 30;
  n = n + 7 - (d + n) % 7;
  return n <= 31 ? DayFromDate(y, 3, n) : DayFromDate(y, 4, n - 31);
}

DayNumber AdventBase(int year) {
  DayNumber a = DayFromDate(year, 12, 24);
  int w = WeekdaySunday(a);
  return w == 6 ? a + 1 : a - w;
}

void YearTable::Compute(DayNumber d, SpecialDayTable* table, MoonRecordSource* moon) {
  DateFromDay(d, &year);
  easter = EasterSunday(year);
  adventBase = AdventBase(year);
  if (table)
    for (SpecialDay& entry : table->entries) entry.day = EntryDate(entry);
  if (moon) moon->Fetch(d);
}

DayNumber YearTable::MovableDay(DayCode code) const {
  if (code < kFirstMovableCode || code > kLastMovableCode) return kNoMovableDay;
  int value = kMovableOffsets[code - kFirstMovableCode];
  return value >= 501 ? adventBase + (value - 1000) : easter + value;
}

DayNumber YearTable::EntryDate(const SpecialDay& entry) const {
  if (!entry.active()) return kNoSpecialDay;
  const int category = entry.category();
  if (category == kSpecialNameDay) return FixedDate(year, entry.value, false);
  if (category == kSpecialBirthday) return FixedDate(year, entry.value, true);
  const int kind = entry.kind();
  if (kind == kSpecialKindFixed) return FixedDate(year, entry.value, false);
  if (kind == kSpecialKindEaster) return easter + entry.value;
  if (kind == kSpecialKindAdvent) return adventBase + entry.value;

  // Weekday in month: kind is the weekday, value is week × 100 + month (week 0 = last).
  int month = entry.value % 100;
  int week = entry.value / 100;
  if (month < 1 || month > 12) return kNoSpecialDay;
  DayNumber first = DayFromDate(year, month, 1);
  int s = WeekdaySunday(first);
  DayNumber day = first;
  if (s != kind) day += kind > s ? kind - s : kind - s + 7;
  if (week == 0) {
    day += 28;
    if (day > first + MonthLength(year, month) - 1) day -= 7;
  } else {
    day += 7 * (week - 1);
  }
  return day;
}

}  // namespace tw
