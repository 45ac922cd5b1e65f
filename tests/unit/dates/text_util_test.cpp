#include <gtest/gtest.h>

#include <cstring>

#include "core/text_util.h"

namespace tw {
namespace {

TEST(TextUtil, SkipTokenMovesOverFieldAndSpacesOnly) {
  std::string_view line = "A F  2512\tO";
  size_t p = SkipToken(line, 0);
  EXPECT_EQ(p, 2u);
  p = SkipToken(line, p);
  EXPECT_EQ(p, 5u);  // both blanks skipped
  p = SkipToken(line, p);
  EXPECT_EQ(line.size(), p);  // a tab is no blank: "2512\tO" is one field
  EXPECT_EQ(SkipToken(line, p), line.size());
  EXPECT_EQ(SkipToken(line, 100), 100u);  // a position past the end reads nothing
}

TEST(TextUtil, ReadersStopAtTheViewEndAndAtNul) {
  // The view ends inside the buffer: nothing behind it may be read.
  const char buffer[] = "12345 -7";
  std::string_view shortView(buffer, 3);
  size_t next = 0;
  EXPECT_EQ(ReadNumber(shortView, 0, &next), 123);
  EXPECT_EQ(next, 3u);
  EXPECT_EQ(SkipToken(shortView, 0), 3u);

  // A NUL ends the text even when the view is longer.
  const char withNul[] = {'4', '2', 0, '9', ' ', '1'};
  std::string_view nulView(withNul, sizeof withNul);
  EXPECT_EQ(ReadNumber(nulView, 0), 42);
  EXPECT_EQ(SkipToken(nulView, 0), 2u);
  char field[8];
  EXPECT_EQ(TakeDigitField(nulView, 0, field, sizeof field), 2u);
  EXPECT_STREQ(field, "42");

  // A fixed-size field without NUL.
  const char fixed[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(BoundedText(fixed, sizeof fixed).size(), 4u);
  EXPECT_EQ(BoundedText("ab\0cd", 5).size(), 2u);
  EXPECT_TRUE(BoundedText(nullptr, 9).empty());
}

TEST(TextUtil, ReadNumberSignsEmptyFieldsAndSaturation) {
  EXPECT_EQ(ReadNumber("-46 x", 0), -46);
  EXPECT_EQ(ReadNumber("12abc", 0), 12);
  EXPECT_EQ(ReadNumber("abc", 0), 0);
  EXPECT_EQ(ReadNumber("", 0), 0);
  EXPECT_EQ(ReadNumber("-", 0), 0);
  EXPECT_EQ(ReadNumber(" 5", 0), 0);  // no blanks are skipped
  EXPECT_EQ(ReadNumber("99999999999999999999", 0), INT32_MAX);
  EXPECT_EQ(ReadNumber("-99999999999999999999", 0), INT32_MIN);
  EXPECT_EQ(ReadNumber("-2147483648", 0), INT32_MIN);
}

TEST(TextUtil, TakeDigitFieldCopiesRunAndSkipsSeparators) {
  std::string_view text = "31.12./2000";
  char field[8];
  size_t p = TakeDigitField(text, 0, field, sizeof field);
  EXPECT_STREQ(field, "31");
  EXPECT_EQ(p, 3u);
  p = TakeDigitField(text, p, field, sizeof field);
  EXPECT_STREQ(field, "12");
  EXPECT_EQ(p, 7u);
  p = TakeDigitField(text, p, field, sizeof field);
  EXPECT_STREQ(field, "2000");
  EXPECT_EQ(p, text.size());
  p = TakeDigitField(text, p, field, sizeof field);
  EXPECT_STREQ(field, "");

  // A run longer than the field is cut, never written past it.
  char small[4];
  std::memset(small, 'x', sizeof small);
  EXPECT_EQ(TakeDigitField("1234567 8", 0, small, sizeof small), 8u);
  EXPECT_STREQ(small, "123");
}

TEST(TextUtil, UpperAsciiChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperAscii('a'), 'A');
  EXPECT_EQ(UpperAscii('z'), 'Z');
  EXPECT_EQ(UpperAscii('A'), 'A');
  EXPECT_EQ(UpperAscii('1'), '1');
  EXPECT_EQ(UpperAscii('{'), '{');
  EXPECT_EQ(UpperAscii('\xE4'), '\xE4');  // ä stays
}

}  // namespace
}  // namespace tw
