#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/settings.h"
#include "settings_test_util.h"

namespace tw {
namespace {

TEST(KeyTable, LookupIsCaseBlindAndBounded) {
  EXPECT_EQ(SectionName(7), nullptr);
  EXPECT_EQ(SectionName(-1), nullptr);
  EXPECT_EQ(FileSectionName(kSectionRecentFileList), "TidewellRecentFileList");
  EXPECT_EQ(FindSetting("cText3"), FindSetting("CText3"));
  EXPECT_EQ(FindSetting("Nope"), -1);
  EXPECT_EQ(FindSetting(nullptr), -1);
}

TEST(KeyTable, EveryKeyUniqueSectionsInOrderAndPrintSizesPaired) {
  std::set<std::string> seen;
  int lastSection = 0;
  for (int i = 0; i < kSettingCount; ++i) {
    const SettingKey& k = SettingKeyAt(i);
    EXPECT_TRUE(seen.insert(k.name).second) << k.name;
    EXPECT_GE(k.section, lastSection) << k.name;
    lastSection = k.section;
    if (k.type != kSettingNumber) {
      EXPECT_NE(k.defaultText, nullptr) << k.name;
    }
    EXPECT_EQ(FindSetting(k.name), i) << k.name;
  }
  // Each landscape print size is its portrait key with a "Q" in front.
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(std::string("Q") + SettingKeyAt(kSetSizeElement + i).name,
              SettingKeyAt(kSetQSizeElement + i).name);
}

TEST(TypedAccess, NumbersUseTheKeysSectionAndFallBackOnEmpty) {
  MemoryProfile p;
  EXPECT_EQ(GetSettingNumber(p, kSetTestYear, 1997), 1997);
  p.Set("TidewellGeneral", "TestYear", "");
  EXPECT_EQ(GetSettingNumber(p, kSetTestYear, 1997), 1997);
  p.Set("TidewellGeneral", "TestYear", "2001x");
  EXPECT_EQ(GetSettingNumber(p, kSetTestYear, 1997), 2001);
  p.Set("TidewellGeneral", "TestYear", "x");
  EXPECT_EQ(GetSettingNumber(p, kSetTestYear, 1997), 0);
  // Same key name in the wrong section is not seen.
  p.Set("TidewellPrint", "Cond", "5");
  EXPECT_EQ(GetSettingNumber(p, kSetCond, 3), 3);

  SetSettingNumber(p, kSetSearchEnd, -12);
  EXPECT_EQ(Stored(p, "TidewellConditions", "SearchEnd"), "-12");
  SetSettingNumber(p, kSetLastReco, INT32_MIN);
  EXPECT_EQ(GetSettingNumber(p, kSetLastReco, 0), INT32_MIN);
}

TEST(TypedAccess, TextHonoursBufferAndKeyLimits) {
  MemoryProfile p;
  char buf[64];
  EXPECT_EQ(GetSettingText(p, kSetFont, buf, sizeof buf, "Arial"), 5u);
  EXPECT_STREQ(buf, "Arial");
  p.Set("TidewellFonts", "Font", "");
  EXPECT_EQ(GetSettingText(p, kSetFont, buf, sizeof buf, "Arial"), 0u);  // present: no default
  EXPECT_STREQ(buf, "");

  SetSettingText(p, kSetTextRed, "Ein sehr langer Text");
  EXPECT_EQ(GetSettingText(p, kSetTextRed, buf, sizeof buf, ""), 15u);
  EXPECT_STREQ(buf, "Ein sehr langer");
  EXPECT_EQ(GetSettingString(p, kSetTextRed, ""), "Ein sehr langer");

  char small[4];
  std::memset(small, '#', sizeof small);
  EXPECT_EQ(GetSettingText(p, kSetTextRed, small, sizeof small, ""), 3u);
  EXPECT_STREQ(small, "Ein");
  EXPECT_EQ(GetSettingText(p, kSetTextRed, small, 0, ""), 0u);
  EXPECT_EQ(small[0], 'E');  // a zero-size buffer is not touched

  SetSettingText(p, kSetC1, "K Körper");
  EXPECT_EQ(GetSettingString(p, kSetC1, "X X"), "K K\xF6rper");
}

TEST(TypedAccess, ListsReadTheirTableDefaultWhenAbsent) {
  MemoryProfile p;
  int32_t w[10];
  GetSettingNumberList(p, kSetSaveWidths, w, 10);
  EXPECT_EQ(w[0], 22);
  EXPECT_EQ(w[5], 480);
  EXPECT_EQ(w[9], 200);
  const int32_t m[3] = {1, 2, 3};
  SetSettingNumberList(p, kSetFontSize, m, 2);
  EXPECT_EQ(Stored(p, "TidewellFonts", "FontSize"), "1 2");
}

TEST(TypedAccess, TextByFullSectionName) {
  MemoryProfile p;
  p.Set("AboutWave", "Sound", "C:\\Klang.wav");
  p.Set("Show", "File", "notepad.exe");
  char buf[8];
  EXPECT_EQ(GetProfileTextByName(p, "AboutWave", "Sound", buf, sizeof buf, ""), 7u);
  EXPECT_STREQ(buf, "C:\\Klan");
  char big[64];
  GetProfileTextByName(p, "Show", "File", big, sizeof big, "");
  EXPECT_STREQ(big, "notepad.exe");
  GetProfileTextByName(p, "Show", "Missing", big, sizeof big, "dflt");
  EXPECT_STREQ(big, "dflt");
  // No "Tidewell" prefix is added for these sections.
  p.Set("TidewellShow", "Other", "x");
  GetProfileTextByName(p, "Show", "Other", big, sizeof big, "none");
  EXPECT_STREQ(big, "none");
}

}  // namespace
}  // namespace tw
