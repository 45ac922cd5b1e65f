#include <gtest/gtest.h>

#include <string>

#include "calendar/date_format.h"

namespace tw {
namespace {

DateSettings German() {
  DateSettings s;
  s.locale.dateOrder = 1;
  s.locale.dateSeparator = '.';
  s.locale.dayLeadingZero = 1;
  s.locale.monthLeadingZero = 1;
  s.display = DateDisplay{true, true, true, false};
  return s;
}

std::string Date(const DateSettings& s, int y, int m, int d, bool calendar, bool showYear,
                 bool twoLines, bool rich) {
  char buf[64];
  char* end = FormatDate(buf, buf + sizeof buf, s, y, m, d, calendar, showYear, twoLines, rich);
  EXPECT_EQ(*end, 0);
  return std::string(buf, end);
}

TEST(FormatDate, CalendarStyleShortYearAndTwoLines) {
  DateSettings s = German();
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, false, false), "05.03.04");
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, true, true), "05.03\\par 04");
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, true, false), "05.03\r\n04");
  EXPECT_EQ(Date(s, 2004, 3, 5, true, false, true, false), "05.03");  // no year at all
  EXPECT_EQ(Date(s, 2000, 1, 1, true, true, false, false), "01.01.00");
  s.display.show2DigitYear = false;
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, false, false), "05.03.2004");
}

TEST(FormatDate, WithoutCalendarStyleAlwaysFullDate) {
  DateSettings s = German();
  // None of the year flags matter outside calendar style.
  EXPECT_EQ(Date(s, 2004, 3, 5, false, false, true, true), "05.03.2004");
  EXPECT_EQ(Date(s, 1700, 12, 31, false, true, false, false), "31.12.1700");
  s.locale.dateOrder = 2;
  EXPECT_EQ(Date(s, 2004, 3, 5, false, false, true, false), "2004.03.05");
}

TEST(FormatDate, DateOrdersAndLeadingZeros) {
  DateSettings s = German();
  s.locale.dayLeadingZero = 0;
  s.locale.monthLeadingZero = 0;
  s.locale.dateSeparator = '/';
  s.locale.dateOrder = 0;
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, false, false), "3/5/04");
  EXPECT_EQ(Date(s, 2004, 11, 25, true, true, true, true), "11/25\\par 04");
  s.locale.dateOrder = 1;
  EXPECT_EQ(Date(s, 2004, 3, 5, false, true, false, false), "5/3/2004");
  s.locale.dateOrder = 2;
  s.locale.dateSeparator = '-';
  s.locale.dayLeadingZero = 1;
  s.locale.monthLeadingZero = 1;
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, false, false), "04-03-05");
  EXPECT_EQ(Date(s, 2004, 3, 5, true, true, true, true), "04\\par 03-05");
  EXPECT_EQ(Date(s, 2004, 3, 5, true, false, true, true), "03-05");
}

TEST(FormatDate, RichSeparatorThatIsRtfSyntaxIsEscaped) {
  DateSettings s = German();
  s.locale.dateSeparator = '\\';
  EXPECT_EQ(Date(s, 2004, 3, 5, false, true, false, true), "05\\\\03\\\\2004");
  EXPECT_EQ(Date(s, 2004, 3, 5, false, true, false, false), "05\\03\\2004");
}

TEST(FormatDate, TooSmallBufferWritesNothing) {
  DateSettings s = German();
  char buf[6] = "xxxxx";
  char* end = FormatDate(buf, buf + sizeof buf, s, 2004, 3, 5, false, true, false, false);
  EXPECT_EQ(end, buf);
  EXPECT_EQ(buf[0], 0);
  // Appending continues at the returned end.
  char big[32];
  char* p = FormatDate(big, big + sizeof big, s, 2004, 3, 5, true, true, false, false);
  p = FormatTime(p, big + sizeof big, s.locale, 605);
  EXPECT_STREQ(big, "05.03.0410:05");
}

TEST(FormatDay, UsesShowYearAndTwoLinesSettings) {
  DateSettings s = German();
  char buf[32];
  DayNumber n = DayFromDate(2004, 3, 5);
  FormatDay(buf, buf + sizeof buf, s, n, true, true);
  EXPECT_STREQ(buf, "05.03.04");
  s.display.showDate2Lines = true;
  FormatDay(buf, buf + sizeof buf, s, n, true, true);
  EXPECT_STREQ(buf, "05.03\\par 04");
  s.display.showYear = false;
  FormatDay(buf, buf + sizeof buf, s, n, true, true);
  EXPECT_STREQ(buf, "05.03");
  FormatDay(buf, buf + sizeof buf, s, DayFromDate(1601, 1, 1), false, false);
  EXPECT_STREQ(buf, "01.01.1601");
}

TEST(FormatTime, HourLeadingZeroFollowsLocale) {
  LocaleValues loc;
  char buf[16];
  loc.timeLeadingZero = 1;
  FormatTime(buf, buf + sizeof buf, loc, 5);
  EXPECT_STREQ(buf, "00:05");
  FormatTime(buf, buf + sizeof buf, loc, 1439);
  EXPECT_STREQ(buf, "23:59");
  loc.timeLeadingZero = 0;
  FormatTime(buf, buf + sizeof buf, loc, 9 * 60 + 7);
  EXPECT_STREQ(buf, "9:07");
}

TEST(DateDisplay, TwoDigitYearDefaultFollowsCenturyFlag) {
  LocaleValues loc;
  loc.centuryFlag = 0;
  DateDisplay d = DefaultDateDisplay(loc);
  EXPECT_TRUE(d.show2DigitYear);
  EXPECT_TRUE(d.showDayOfWeek);
  EXPECT_TRUE(d.showYear);
  EXPECT_FALSE(d.showDate2Lines);
  loc.centuryFlag = 1;
  EXPECT_FALSE(DefaultDateDisplay(loc).show2DigitYear);
}

}  // namespace
}  // namespace tw
