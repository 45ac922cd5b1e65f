#include <gtest/gtest.h>

#include "calendar/date_parse.h"

namespace tw {
namespace {

LocaleValues Order(int order) {
  LocaleValues loc;
  loc.dateOrder = order;
  return loc;
}

TEST(ParseDate, ClampsEveryFieldAndToleratesSeparatorsAndGaps) {
  const LocaleValues de = Order(1);
  const struct {
    const char* text;
    DayNumber day;
  } rows[] = {
      {"1.2.3", DayFromDate(1903, 2, 1)},
      {"05.3.05", DayFromDate(1905, 3, 5)},
      {"31.2.2000", DayFromDate(2000, 2, 29)},
      {"31.2.2001", DayFromDate(2001, 2, 28)},
      {"31.4.2001", DayFromDate(2001, 4, 30)},
      {"15.13.1999", DayFromDate(1999, 12, 15)},
      {"0.0.1999", DayFromDate(1999, 1, 1)},
      {"1.1.2100", kLastCalendarDay},
      {"1.1.2050", kLastCalendarDay},
      {"31.12.2049", kLastCalendarDay},
      {"1.1.1500", DayFromDate(1600, 1, 1)},
      {"29.2.1600", DayFromDate(1600, 2, 29)},
      {"24 / 12 - 1999", DayFromDate(1999, 12, 24)},
      {"  24.12.1999  ", DayFromDate(1999, 12, 24)},
      // A missing year reads as 0, which is 1900.
      {"24.12", DayFromDate(1900, 12, 24)},
      {"", DayFromDate(1900, 1, 1)},
      {"abc", DayFromDate(1900, 1, 1)},
      // Absurdly long digit runs neither overflow nor run past the field.
      {"1.1.99999999999999999999999", kLastCalendarDay},
      {"99999999999999.1.2000", DayFromDate(2000, 1, 31)},
  };
  for (const auto& r : rows) EXPECT_EQ(ParseDate(r.text, de), r.day) << r.text;
}

TEST(ParseDate, ShortTextIsNotReadPastItsEnd) {
  const LocaleValues de = Order(1);
  const char text[] = "3.4.2005";
  // Only "3.4.2" belongs to the text handed over.
  EXPECT_EQ(ParseDate(std::string_view(text, 5), de), DayFromDate(1902, 4, 3));
}

TEST(ParseDate, OtherOrders) {
  EXPECT_EQ(ParseDate("12/24/1999", Order(0)), DayFromDate(1999, 12, 24));
  EXPECT_EQ(ParseDate("2/30/2004", Order(0)), DayFromDate(2004, 2, 29));
  EXPECT_EQ(ParseDate("1999-12-24", Order(2)), DayFromDate(1999, 12, 24));
  EXPECT_EQ(ParseDate("99-1-2", Order(2)), DayFromDate(1999, 1, 2));
}

TEST(ParseDayMonth, FebruaryAlways29AndClamps) {
  const LocaleValues de = Order(1);
  EXPECT_EQ(ParseDayMonth("30.2", de), 2902);
  EXPECT_EQ(ParseDayMonth("29.2", de), 2902);
  EXPECT_EQ(ParseDayMonth("0.0", de), 101);
  EXPECT_EQ(ParseDayMonth("25.12", de), 2512);
  EXPECT_EQ(ParseDayMonth("31.4", de), 3004);
  EXPECT_EQ(ParseDayMonth("40.13", de), 3112);
  EXPECT_EQ(ParseDayMonth("", de), 101);
  EXPECT_EQ(ParseDayMonth("12/25", Order(0)), 2512);
  EXPECT_EQ(ParseDayMonth("12-25", Order(2)), 2512);
}

}  // namespace
}  // namespace tw
