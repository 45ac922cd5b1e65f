#include <gtest/gtest.h>

#include <cstdint>

#include "core/settings.h"

namespace tw {
namespace {

// Digits up to the first other character, only the first fifteen characters looked at,
// clamped to 32 bits.
TEST(SettingNumber, ParsesLikeTheStoredFilesExpect) {
  const struct {
    const char* text;
    int32_t value;
  } rows[] = {
      {"12abc", 12},        {"-40", -40},      {"abc", 0},           {"-", 0},
      {"+5", 0},            {" 5", 0},         {"7 8", 7},           {"0x10", 0},
      {"", 0},              {nullptr, 0},
      {"0000000000000123", 12},  // the sixteenth character is never looked at
      {"-0000000000001234", -12}, {"000000000000009", 9},
      {"2147483647", INT32_MAX},  {"2147483648", INT32_MAX}, {"999999999999999", INT32_MAX},
      {"-2147483648", INT32_MIN}, {"-99999999999999", INT32_MIN},
  };
  for (const auto& r : rows)
    EXPECT_EQ(ParseSettingNumber(r.text), r.value) << (r.text ? r.text : "(null)");
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
  const struct {
    uint32_t colour;
    const char* text;
  } rows[] = {
      {0x0000ff, "ff"},     {0xff0000, "ff0000"}, {0x008000, "8000"},   {0x000000, "00"},
      {0x000001, "01"},     {0x000100, "0100"},
      {0x010000, "010000"},  // green zero but written: blue is not
      {0x0a000b, "0a000b"}, {0xffffffff, "ffffff"},
  };
  for (const auto& r : rows) EXPECT_EQ(FormatColour(r.colour), r.text) << r.text;
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
