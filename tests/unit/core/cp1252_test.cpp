#include <gtest/gtest.h>

#include "core/cp1252.h"

namespace tw {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  std::string back;
  // The five unassigned bytes become C1 code points, which 1252 cannot store again.
  ASSERT_FALSE(Utf8ToCp1252(Cp1252ToUtf8(all), &back));
  std::string assigned;
  for (int c = 1; c < 256; ++c)
    if (c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) assigned += static_cast<char>(c);
  ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(assigned), &back));
  EXPECT_EQ(back, assigned);
}

TEST(Cp1252, KnownCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\xE4"), "\xC3\xA4");      // ä
  EXPECT_EQ(Cp1252ToUtf8("\x84"), "\xE2\x80\x9E");  // low double quote
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");      // unassigned: kept as C1
  EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
  EXPECT_EQ(Cp1252ToUtf8("ü"), "\xC3\xBC");  // literals of the core are CP1252 in every build
  std::string out;
  ASSERT_TRUE(Utf8ToCp1252("\xEF\xBB\xBF" "K\xC3\xB6rper \xE2\x80\x93 \xE2\x82\xAC", &out));
  EXPECT_EQ(out, "K\xF6rper \x96 \x80");
}

TEST(Cp1252, RejectsWhatItCannotStoreAndSaysWhere) {
  std::string out;
  size_t bad = 0;
  EXPECT_FALSE(Utf8ToCp1252("ab\xE2\x88\x9E", &out, &bad));  // infinity sign
  EXPECT_EQ(bad, 2u);
  EXPECT_FALSE(Utf8ToCp1252("a\xC3", &out, &bad));  // cut-off sequence
  EXPECT_EQ(bad, 1u);
  EXPECT_FALSE(Utf8ToCp1252("\xC1\x81", &out, &bad));  // overlong "A"
  EXPECT_FALSE(Utf8ToCp1252("\x80", &out, &bad));      // stray continuation byte
}

}  // namespace
}  // namespace tw
