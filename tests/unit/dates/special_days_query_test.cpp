#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/special_days.h"
#include "calendar/year_table.h"

namespace tw {
namespace {

SpecialDay Line(const char* text, int category) { return ParseSpecialDayLine(text, category); }

class SpecialDayQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    table_.entries = {
        Line("A F 2512 I R Heiligabend-Test", kSpecialHoliday),  // not official, first
        Line("A F 2512 O B Weihnachten", kSpecialHoliday),       // same day, official
        Line("I F 101 O R Neujahr aus", kSpecialHoliday),
        Line("A O -2 O S Karfreitag", kSpecialHoliday),
        Line("A 2512 G Anastasia", kSpecialNameDay),
        Line("A 2512 S Eugenia", kSpecialNameDay),
        Line("I 2512 S Inaktiv", kSpecialNameDay),
        Line("A 2512 B Oma {Berta}", kSpecialBirthday),
    };
  }
  std::string Text(DayNumber d, SpecialTextOptions o) {
    char buf[1024];
    buf[0] = 0;
    char* end = SpecialDaysText(buf, buf + sizeof buf, d, o, table_, year_, style_);
    EXPECT_EQ(*end, 0);
    return std::string(buf, end);
  }
  SpecialDayTable table_;
  YearTable year_;
  RtfStyle style_;
};

TEST_F(SpecialDayQueries, HolidayTestAnswersFromFirstEntry) {
  EXPECT_EQ(HolidayTest(DayFromDate(2004, 12, 25), table_, year_), 1);
  EXPECT_EQ(HolidayTest(DayFromDate(2004, 4, 9), table_, year_), 2);  // Good Friday 2004
  EXPECT_EQ(HolidayTest(DayFromDate(2005, 3, 25), table_, year_), 2);  // Good Friday 2005
  EXPECT_EQ(HolidayTest(DayFromDate(2005, 1, 1), table_, year_), 0);  // inactive
  EXPECT_EQ(HolidayTest(DayFromDate(2005, 1, 2), table_, year_), 0);
  table_.entries.erase(table_.entries.begin());
  EXPECT_EQ(HolidayTest(DayFromDate(2004, 12, 25), table_, year_), 2);
  // Name days and birthdays are no holidays.
  table_.entries.erase(table_.entries.begin());
  EXPECT_EQ(HolidayTest(DayFromDate(2004, 12, 25), table_, year_), 0);
  SpecialDayTable empty;
  EXPECT_EQ(HolidayTest(DayFromDate(2004, 12, 25), empty, year_), 0);
}

TEST_F(SpecialDayQueries, PlainTextOnlyFirstHolidayThenWantedCategories) {
  const DayNumber xmas = DayFromDate(2004, 12, 25);
  SpecialTextOptions o;
  EXPECT_EQ(Text(xmas, o), "Heiligabend-Test\r\n");
  o.nameDays = true;
  EXPECT_EQ(Text(xmas, o), "Heiligabend-Test\r\nAnastasia\r\nEugenia\r\n");
  o.holidays = false;
  o.birthdays = true;
  EXPECT_EQ(Text(xmas, o), "Anastasia\r\nEugenia\r\nOma {Berta}\r\n");
  o.noBreak = true;
  EXPECT_EQ(Text(xmas, o), "AnastasiaEugeniaOma {Berta}");
  o = SpecialTextOptions{};
  o.holidays = o.nameDays = o.birthdays = false;
  EXPECT_EQ(Text(xmas, o), "");
  o.holidays = true;
  EXPECT_EQ(Text(DayFromDate(2004, 12, 26), o), "");
}

TEST_F(SpecialDayQueries, OneLineSeparatesWithCommas) {
  const DayNumber xmas = DayFromDate(2004, 12, 25);
  SpecialTextOptions o;
  o.oneLine = true;
  o.nameDays = true;
  EXPECT_EQ(Text(xmas, o), "Heiligabend-Test, Anastasia, Eugenia\r\n");
  o.nameDays = false;
  EXPECT_EQ(Text(xmas, o), "Heiligabend-Test\r\n");
  o.noBreak = true;
  o.birthdays = true;
  EXPECT_EQ(Text(xmas, o), "Heiligabend-Test, Oma {Berta}");
  o.rich = true;
  o.noBreak = false;
  EXPECT_EQ(Text(xmas, o),
            "\\cf2 Heiligabend-Test\\cf1 , \\cf4 Oma \\{Berta\\}\\cf1 \\par ");
}

TEST_F(SpecialDayQueries, RichTextColoursAndEscapes) {
  const DayNumber xmas = DayFromDate(2004, 12, 25);
  SpecialTextOptions o;
  o.rich = true;
  o.holidays = false;
  o.nameDays = true;
  o.birthdays = true;
  EXPECT_EQ(Text(xmas, o),
            "\\cf3 Anastasia\\cf1 \\par \\cf1 Eugenia\\cf1 \\par \\cf4 Oma \\{Berta\\}\\cf1 \\par ");
  // Monochrome output writes no colour controls.
  o.fontChoice = kRtfPrintMono;
  EXPECT_EQ(Text(xmas, o), "Anastasia\\par Eugenia\\par Oma \\{Berta\\}\\par ");
}

TEST_F(SpecialDayQueries, FullBufferNeverOverflows) {
  const DayNumber xmas = DayFromDate(2004, 12, 25);
  SpecialTextOptions o;
  o.oneLine = true;
  o.nameDays = true;
  o.birthdays = true;
  for (size_t size = 0; size < 60; ++size) {
    std::string buf(size + 8, '#');
    char* begin = buf.data();
    char* end = SpecialDaysText(begin, begin + size, xmas, o, table_, year_, style_);
    ASSERT_LE(end, begin + size);
    if (size > 0) {
      ASSERT_LT(end, begin + size);
      EXPECT_EQ(*end, 0);
    }
    for (size_t i = size; i < buf.size(); ++i) ASSERT_EQ(buf[i], '#') << size;
    // Never a dangling separator at the end of what fitted.
    std::string text(begin, end);
    EXPECT_FALSE(text.size() >= 2 && text.compare(text.size() - 2, 2, ", ") == 0) << text;
    EXPECT_EQ(text.find(", , "), std::string::npos) << text;
  }
}

TEST_F(SpecialDayQueries, NameFillingTheWholeFieldIsNotReadPast) {
  SpecialDay e = Line("A F 101 O R x", kSpecialHoliday);
  std::memset(e.name, 'z', sizeof e.name);  // no terminator anywhere
  table_.entries = {e};
  SpecialTextOptions o;
  o.noBreak = true;
  EXPECT_EQ(Text(DayFromDate(2004, 1, 1), o), std::string(sizeof e.name, 'z'));
}

TEST_F(SpecialDayQueries, TextComputesTheDaysYear) {
  SpecialTextOptions o;
  EXPECT_EQ(Text(DayFromDate(2005, 3, 25), o), "Karfreitag\r\n");
  EXPECT_EQ(year_.year, 2005);
  EXPECT_EQ(Text(DayFromDate(2004, 4, 9), o), "Karfreitag\r\n");
  EXPECT_EQ(year_.year, 2004);
}

}  // namespace
}  // namespace tw
