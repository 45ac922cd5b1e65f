#include <gtest/gtest.h>

#include <cstring>

#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"

namespace tw {
namespace {

SpecialDay Entry(uint16_t flags, int16_t value) {
  SpecialDay e;
  e.flags = flags;
  e.value = value;
  e.day = 12345;  // anything but the answer
  return e;
}

DayNumber DateIn(int year, const SpecialDay& e) {
  YearTable t;
  t.Compute(DayFromDate(year, 6, 1));
  return t.EntryDate(e);
}

TEST(Easter, KnownSundays) {
  EXPECT_EQ(EasterSunday(1950), DayFromDate(1950, 4, 9));
  EXPECT_EQ(EasterSunday(2000), DayFromDate(2000, 4, 23));
  EXPECT_EQ(EasterSunday(2008), DayFromDate(2008, 3, 23));
  EXPECT_EQ(EasterSunday(2011), DayFromDate(2011, 4, 24));
  EXPECT_EQ(EasterSunday(2024), DayFromDate(2024, 3, 31));
  EXPECT_EQ(EasterSunday(2038), DayFromDate(2038, 4, 25));
  EXPECT_EQ(EasterSunday(1818), DayFromDate(1818, 3, 22));  // earliest possible date
  EXPECT_EQ(EasterSunday(1943), DayFromDate(1943, 4, 25));  // latest possible date
  EXPECT_EQ(EasterSunday(1954), DayFromDate(1954, 4, 18));  // epact 24 correction
  EXPECT_EQ(EasterSunday(1981), DayFromDate(1981, 4, 19));  // epact 25 correction
}

TEST(Easter, AlwaysASundayInMarchOrApril) {
  for (int y = 1601; y <= 2099; ++y) {
    DayNumber e = EasterSunday(y);
    EXPECT_EQ(WeekdaySunday(e), 0) << y;
    EXPECT_GE(e, DayFromDate(y, 3, 22)) << y;
    EXPECT_LE(e, DayFromDate(y, 4, 25)) << y;
  }
}

TEST(AdventBase, SundayOnOrBefore24thExceptSaturday) {
  EXPECT_EQ(AdventBase(2000), DayFromDate(2000, 12, 24));  // 24th is a Sunday
  EXPECT_EQ(AdventBase(2005), DayFromDate(2005, 12, 25));  // 24th is a Saturday
  EXPECT_EQ(AdventBase(2004), DayFromDate(2004, 12, 19));  // 24th is a Friday
  YearTable t;
  t.Compute(DayFromDate(2000, 3, 3));
  EXPECT_EQ(t.MovableDay(3809), DayFromDate(2000, 12, 3));
}

TEST(MovableDays, CodesCountFromEasterOrAdvent) {
  YearTable t;
  t.Compute(DayFromDate(2000, 1, 1));
  EXPECT_EQ(t.year, 2000);
  const DayNumber easter = DayFromDate(2000, 4, 23);
  EXPECT_EQ(t.easter, easter);
  EXPECT_EQ(t.MovableDay(3800), easter - 46);  // Ash Wednesday, 8 March
  EXPECT_EQ(t.MovableDay(3800), DayFromDate(2000, 3, 8));
  EXPECT_EQ(t.MovableDay(3801), easter - 2);
  EXPECT_EQ(t.MovableDay(3802), easter - 1);
  EXPECT_EQ(t.MovableDay(3803), easter);
  EXPECT_EQ(t.MovableDay(3804), easter + 1);
  EXPECT_EQ(t.MovableDay(3805), easter + 39);
  EXPECT_EQ(t.MovableDay(3806), easter + 49);
  EXPECT_EQ(t.MovableDay(3807), easter + 50);
  EXPECT_EQ(t.MovableDay(3808), easter + 60);
  EXPECT_EQ(t.MovableDay(3810), t.adventBase - 14);
  EXPECT_EQ(t.MovableDay(3811), t.adventBase - 7);
  EXPECT_EQ(t.MovableDay(3812), t.adventBase);
  EXPECT_EQ(t.MovableDay(3799), kNoMovableDay);
  EXPECT_EQ(t.MovableDay(3813), kNoMovableDay);
  EXPECT_EQ(t.MovableDay(2512), kNoMovableDay);
}

TEST(EntryDate, WeekdayInMonthRules) {
  const uint16_t on = kSpecialActive;
  // Last Sunday of December 2005 stays in December.
  EXPECT_EQ(DateIn(2005, Entry(on | 0, 12)), DayFromDate(2005, 12, 25));
  EXPECT_EQ(DateIn(2000, Entry(on | 0, 3)), DayFromDate(2000, 3, 26));
  EXPECT_EQ(DateIn(2000, Entry(on | 0, 205)), DayFromDate(2000, 5, 14));
  // Second Monday of May; last Sunday of October.
  EXPECT_EQ(DateIn(2000, Entry(on | 1, 205)), DayFromDate(2000, 5, 8));
  EXPECT_EQ(DateIn(2000, Entry(on | 0, 10)), DayFromDate(2000, 10, 29));
  // The 1st itself is the weekday asked for (1 October 2000 is a Sunday).
  EXPECT_EQ(DateIn(2000, Entry(on | 0, 110)), DayFromDate(2000, 10, 1));
  // A month with five Sundays: last is the fifth (October 2000: 1, 8, 15, 22, 29).
  EXPECT_EQ(DateIn(2000, Entry(on | 0, 410)), DayFromDate(2000, 10, 22));
  // Last Saturday of February in a leap year whose 29th is that Saturday (2020).
  EXPECT_EQ(DateIn(2020, Entry(on | 6, 2)), DayFromDate(2020, 2, 29));
  EXPECT_EQ(DateIn(2021, Entry(on | 6, 2)), DayFromDate(2021, 2, 27));
  // A week number beyond the month is not checked against its end.
  EXPECT_EQ(DateIn(2000, Entry(on | 0, 610)), DayFromDate(2000, 11, 5));
}

TEST(EntryDate, FixedNameDayBirthdayAndLeapDay) {
  const uint16_t on = kSpecialActive;
  EXPECT_EQ(DateIn(2001, Entry(on | kSpecialKindFixed, 2902)), kNoSpecialDay);
  EXPECT_EQ(DateIn(2004, Entry(on | kSpecialKindFixed, 2902)), DayFromDate(2004, 2, 29));
  EXPECT_EQ(DateIn(2001, Entry(on | kSpecialNameDay | kSpecialKindFixed, 2902)), kNoSpecialDay);
  EXPECT_EQ(DateIn(2001, Entry(on | kSpecialBirthday | kSpecialKindFixed, 2902)),
            DayFromDate(2001, 3, 1));
  EXPECT_EQ(DateIn(2004, Entry(on | kSpecialBirthday | kSpecialKindFixed, 2902)),
            DayFromDate(2004, 2, 29));
  EXPECT_EQ(DateIn(2001, Entry(on | kSpecialKindFixed, 2512)), DayFromDate(2001, 12, 25));
  // Name days and birthdays are fixed dates whatever their kind bits say.
  EXPECT_EQ(DateIn(2001, Entry(on | kSpecialNameDay | kSpecialKindEaster, 2512)),
            DayFromDate(2001, 12, 25));
}

TEST(EntryDate, OffsetsAndInactiveAndInvalidMonths) {
  const uint16_t on = kSpecialActive;
  EXPECT_EQ(DateIn(2000, Entry(on | kSpecialKindEaster, -2)), DayFromDate(2000, 4, 21));
  EXPECT_EQ(DateIn(2000, Entry(on | kSpecialKindEaster, 39)), DayFromDate(2000, 6, 1));
  EXPECT_EQ(DateIn(2000, Entry(on | kSpecialKindAdvent, -21)), DayFromDate(2000, 12, 3));
  for (uint16_t kind = 0; kind <= 9; ++kind)
    EXPECT_EQ(DateIn(2000, Entry(kind, 2512)), kNoSpecialDay) << kind;
  EXPECT_EQ(DateIn(2000, Entry(kSpecialBirthday | kSpecialKindFixed, 101)), kNoSpecialDay);
  // Months that are no month give no date instead of reading past the month table.
  EXPECT_EQ(DateIn(2000, Entry(on | kSpecialKindFixed, 3113)), kNoSpecialDay);
  EXPECT_EQ(DateIn(2000, Entry(on | kSpecialKindFixed, 2500)), kNoSpecialDay);
  EXPECT_EQ(DateIn(2000, Entry(on | kSpecialNameDay | kSpecialKindFixed, -101)), kNoSpecialDay);
  EXPECT_EQ(DateIn(2000, Entry(on | 3, 199)), kNoSpecialDay);
  EXPECT_EQ(DateIn(2000, Entry(on | 3, -5)), kNoSpecialDay);
}

TEST(YearTableCompute, FillsEveryEntryAndRecomputesEachCall) {
  SpecialDayTable table;
  table.entries.push_back(Entry(kSpecialActive | kSpecialKindFixed, 2512));
  table.entries.push_back(Entry(kSpecialKindFixed, 2512));
  table.entries.push_back(Entry(kSpecialActive | kSpecialKindEaster, 0));
  YearTable t;
  t.Compute(DayFromDate(2004, 12, 31), &table);
  EXPECT_EQ(table.entries[0].day, DayFromDate(2004, 12, 25));
  EXPECT_EQ(table.entries[1].day, kNoSpecialDay);
  EXPECT_EQ(table.entries[2].day, DayFromDate(2004, 4, 11));
  // Same year again after the table changed: no stale cache.
  table.entries[1].flags |= kSpecialActive;
  t.Compute(DayFromDate(2004, 1, 1), &table);
  EXPECT_EQ(table.entries[1].day, DayFromDate(2004, 12, 25));
  t.Compute(DayFromDate(2005, 1, 1), &table);
  EXPECT_EQ(table.entries[0].day, DayFromDate(2005, 12, 25));
  EXPECT_EQ(t.year, 2005);
  // An empty table still gets the year's Easter and Advent.
  SpecialDayTable empty;
  t.Compute(DayFromDate(2011, 5, 5), &empty);
  EXPECT_EQ(t.easter, DayFromDate(2011, 4, 24));
}

TEST(YearTableCompute, FetchesTheDayLast) {
  std::vector<MoonDayRecord> records(400);
  const DayNumber first = DayFromDate(2000, 1, 1);
  MemoryMoonData moon(first, records);
  moon.Fetch(first + 10);
  YearTable t;
  t.Compute(first + 200, nullptr, &moon);
  EXPECT_EQ(moon.LastFetched(), first + 200);
}

}  // namespace
}  // namespace tw
