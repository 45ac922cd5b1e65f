#include <gtest/gtest.h>

#include "calendar/date_parse.h"

namespace tw {
namespace {

LocaleValues Order(int order) {
  LocaleValues loc;
  loc.dateOrder = order;
  return loc;
}

TEST(ParseDate, DayMonthYearClampsEveryField) {
  const LocaleValues de = Order(1);
  EXPECT_EQ(ParseDate("1.2.3", de), DayFromDate(1903, 2, 1));
  EXPECT_EQ(ParseDate("05.3.05", de), DayFromDate(1905, 3, 5));
  EXPECT_EQ(ParseDate("31.2.2000", de), DayFromDate(2000, 2, 29));
  EXPECT_EQ(ParseDate("31.2.2001", de), DayFromDate(2001, 2, 28));
  EXPECT_EQ(ParseDate("31.4.2001", de), DayFromDate(2001, 4, 30));
  EXPECT_EQ(ParseDate("15.13.1999", de), DayFromDate(1999, 12, 15));
  EXPECT_EQ(ParseDate("0.0.1999", de), DayFromDate(1999, 1, 1));
  EXPECT_EQ(ParseDate("1.1.2100", de), kLastCalendarDay);
  EXPECT_EQ(ParseDate("1.1.2050", de), kLastCalendarDay);
  EXPECT_EQ(ParseDate("31.12.2049", de), kLastCalendarDay);
  EXPECT_EQ(ParseDate("1.1.1500", de), DayFromDate(1600, 1, 1));
  EXPECT_EQ(ParseDate("29.2.1600", de), DayFromDate(1600, 2, 29));
}

TEST(ParseDate, SeparatorsAndMissingFields) {
  const LocaleValues de = Order(1);
  EXPECT_EQ(ParseDate("24 / 12 - 1999", de), DayFromDate(1999, 12, 24));
  EXPECT_EQ(ParseDate("  24.12.1999  ", de), DayFromDate(1999, 12, 24));
  // Missing year reads as 0, which is 1900.
  EXPECT_EQ(ParseDate("24.12", de), DayFromDate(1900, 12, 24));
  EXPECT_EQ(ParseDate("", de), DayFromDate(1900, 1, 1));
  EXPECT_EQ(ParseDate("abc", de), DayFromDate(1900, 1, 1));
  // Absurdly long digit runs neither overflow nor run past the field.
  EXPECT_EQ(ParseDate("1.1.99999999999999999999999", de), kLastCalendarDay);
  EXPECT_EQ(ParseDate("99999999999999.1.2000", de), DayFromDate(2000, 1, 31));
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
