#include <gtest/gtest.h>

#include <cstdint>

#include "core/settings.h"

namespace tw {
namespace {

TEST(SettingNumber, ReadsUpToTheFirstNonDigit) {
  EXPECT_EQ(ParseSettingNumber("12abc"), 12);
  EXPECT_EQ(ParseSettingNumber("-40"), -40);
  EXPECT_EQ(ParseSettingNumber("abc"), 0);
  EXPECT_EQ(ParseSettingNumber("-"), 0);
  EXPECT_EQ(ParseSettingNumber("+5"), 0);
  EXPECT_EQ(ParseSettingNumber(" 5"), 0);
  EXPECT_EQ(ParseSettingNumber("7 8"), 7);
  EXPECT_EQ(ParseSettingNumber("0x10"), 0);
  EXPECT_EQ(ParseSettingNumber(""), 0);
  EXPECT_EQ(ParseSettingNumber(nullptr), 0);
}

TEST(SettingNumber, OnlyFifteenCharactersCount) {
  // The sixteenth character is never looked at.
  EXPECT_EQ(ParseSettingNumber("0000000000000123"), 12);
  EXPECT_EQ(ParseSettingNumber("-0000000000001234"), -12);
  EXPECT_EQ(ParseSettingNumber("000000000000009"), 9);
}

TEST(SettingNumber, ValuesBeyondThirtyTwoBitsAreClamped) {
  EXPECT_EQ(ParseSettingNumber("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseSettingNumber("2147483648"), INT32_MAX);
  EXPECT_EQ(ParseSettingNumber("999999999999999"), INT32_MAX);
  EXPECT_EQ(ParseSettingNumber("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseSettingNumber("-99999999999999"), INT32_MIN);
}

TEST(NumberList, BlankSeparatedWithMissingNumbersZero) {
  int32_t v[5] = {9, 9, 9, 9, 9};
  ParseNumberList("100 400", v, 5);
  EXPECT_EQ(v[0], 100);
  EXPECT_EQ(v[1], 400);
  EXPECT_EQ(v[2], 0);
  EXPECT_EQ(v[4], 0);

  ParseNumberList("1   2\t3", v, 3);
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[1], 2);
  EXPECT_EQ(v[2], 3);

  // A word without leading digits reads 0 and still takes its place.
  ParseNumberList("5 x7 -3 12abc 8", v, 5);
  EXPECT_EQ(v[0], 5);
  EXPECT_EQ(v[1], 0);
  EXPECT_EQ(v[2], -3);
  EXPECT_EQ(v[3], 12);
  EXPECT_EQ(v[4], 8);

  ParseNumberList("", v, 2);
  EXPECT_EQ(v[0], 0);
  EXPECT_EQ(v[1], 0);
}

TEST(NumberList, FormatsWithSingleBlanks) {
  const int32_t v[3] = {22, -1, 0};
  EXPECT_EQ(FormatNumberList(v, 3), "22 -1 0");
  EXPECT_EQ(FormatNumberList(v, 0), "");
  int32_t back[3];
  ParseNumberList(FormatNumberList(v, 3).c_str(), back, 3);
  EXPECT_EQ(back[1], -1);
}

TEST(ColourFormat, LeadingZeroBytesAreLeftOut) {
  EXPECT_EQ(FormatColour(0x0000ff), "ff");
  EXPECT_EQ(FormatColour(0xff0000), "ff0000");
  EXPECT_EQ(FormatColour(0x008000), "8000");
  EXPECT_EQ(FormatColour(0x000000), "00");
  EXPECT_EQ(FormatColour(0x000001), "01");
  EXPECT_EQ(FormatColour(0x000100), "0100");
  EXPECT_EQ(FormatColour(0x010000), "010000");  // green zero but written: blue is not
  EXPECT_EQ(FormatColour(0x0a000b), "0a000b");
  EXPECT_EQ(FormatColour(0xffffffff), "ffffff");
  const uint32_t list[3] = {0xff, 0, 0x4000c0};
  EXPECT_EQ(FormatColourList(list, 3), "ff,00,4000c0");
}

TEST(ColourParse, HexDigitsEitherCase) {
  uint32_t c[2] = {7, 7};
  ParseColourList("ff,ff0000", c, 2);
  EXPECT_EQ(c[0], 0xffu);
  EXPECT_EQ(c[1], 0xff0000u);
  ParseColourList("A9F5EE,daa556", c, 2);
  EXPECT_EQ(c[0], 0xa9f5eeu);
  EXPECT_EQ(c[1], 0xdaa556u);
}

TEST(ColourParse, MissingEntriesKeepTheirSlots) {
  uint32_t c[4] = {1, 2, 3, 4};
  ParseColourList("ff", c, 4);
  EXPECT_EQ(c[0], 0xffu);
  EXPECT_EQ(c[1], 2u);
  EXPECT_EQ(c[3], 4u);

  uint32_t d[4] = {1, 2, 3, 4};
  ParseColourList("10,", d, 4);  // nothing after the last comma
  EXPECT_EQ(d[0], 0x10u);
  EXPECT_EQ(d[1], 2u);

  uint32_t e[4] = {1, 2, 3, 4};
  ParseColourList("10,,20", e, 4);  // an empty entry between commas is present: it reads 0
  EXPECT_EQ(e[0], 0x10u);
  EXPECT_EQ(e[1], 0u);
  EXPECT_EQ(e[2], 0x20u);
  EXPECT_EQ(e[3], 4u);

  uint32_t f[2] = {1, 2};
  ParseColourList("", f, 2);
  EXPECT_EQ(f[0], 1u);
  EXPECT_EQ(f[1], 2u);

  uint32_t g[2] = {1, 2};
  ParseColourList("5,6,7,8", g, 2);  // extra entries are ignored
  EXPECT_EQ(g[0], 5u);
  EXPECT_EQ(g[1], 6u);
}

TEST(ColourParse, NonHexCharactersFollowTheDigitRule) {
  uint32_t c[1] = {0};
  // 'G' is 'G' - '0' - 7 = 16; "1G" = 1 * 16 + 16.
  ParseColourList("1G", c, 1);
  EXPECT_EQ(c[0], 32u);
  // Overlong values keep only the three colour bytes.
  ParseColourList("12345678", c, 1);
  EXPECT_EQ(c[0], 0x345678u);
}

TEST(ColourParse, RoundTripsEveryByteShape) {
  const uint32_t samples[] = {0, 1, 0xff, 0x100, 0x10000, 0x10001, 0xabcdef, 0xffffff, 0x00ff00};
  for (uint32_t s : samples) {
    uint32_t back[1] = {0xdead};
    ParseColourList(FormatColour(s).c_str(), back, 1);
    EXPECT_EQ(back[0], s) << FormatColour(s);
  }
}

}  // namespace
}  // namespace tw
