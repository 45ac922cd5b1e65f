#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/settings.h"

namespace tw {
namespace {

TEST(KeyTable, SectionsAndFileNames) {
  EXPECT_STREQ(SectionName(0), "General");
  EXPECT_STREQ(SectionName(6), "RecentFileList");
  EXPECT_EQ(SectionName(7), nullptr);
  EXPECT_EQ(SectionName(-1), nullptr);
  EXPECT_EQ(FileSectionName(kSectionGeneral), "TidewellGeneral");
  EXPECT_EQ(FileSectionName(kSectionFonts), "TidewellFonts");
  EXPECT_EQ(FileSectionName(kSectionColors), "TidewellColors");
  EXPECT_EQ(FileSectionName(kSectionPrint), "TidewellPrint");
  EXPECT_EQ(FileSectionName(kSectionConditions), "TidewellConditions");
  EXPECT_EQ(FileSectionName(kSectionText), "TidewellText");
  EXPECT_EQ(FileSectionName(kSectionRecentFileList), "TidewellRecentFileList");
}

TEST(KeyTable, PositionsOfKeysAcrossTheTable) {
  // Fixed positions: a key added or dropped anywhere before them moves these.
  EXPECT_EQ(kSettingCount, 98);
  EXPECT_EQ(FindSetting("Path"), 0);
  EXPECT_EQ(FindSetting("Height"), 4);
  EXPECT_EQ(FindSetting("Preference"), 8);
  EXPECT_EQ(FindSetting("Show2DigitYear"), 18);
  EXPECT_EQ(FindSetting("LastReco"), 27);
  EXPECT_EQ(FindSetting("HelpFile"), 32);
  EXPECT_EQ(FindSetting("Test"), 35);
  EXPECT_EQ(FindSetting("Font"), 36);
  EXPECT_EQ(FindSetting("ElementColor"), 41);
  EXPECT_EQ(FindSetting("Margins"), 42);
  EXPECT_EQ(FindSetting("SizeNote"), 52);
  EXPECT_EQ(FindSetting("QSizeElement"), 53);
  EXPECT_EQ(FindSetting("QSizeNote"), 62);
  EXPECT_EQ(FindSetting("Cond"), 63);
  EXPECT_EQ(FindSetting("Cond7"), 67);
  EXPECT_EQ(FindSetting("CText8"), 75);
  EXPECT_EQ(FindSetting("SearchEnd"), 77);
  EXPECT_EQ(FindSetting("C1"), 78);
  EXPECT_EQ(FindSetting("Text-"), 89);
  EXPECT_EQ(FindSetting("File8"), 97);
  EXPECT_EQ(FindSetting("cText3"), FindSetting("CText3"));
  EXPECT_EQ(FindSetting("Nope"), -1);
  EXPECT_EQ(FindSetting(nullptr), -1);
}

TEST(KeyTable, EnumAndNamesAgree) {
  struct {
    int id;
    const char* name;
  } pairs[] = {{kSetPath, "Path"},           {kSetInfoWidth, "InfoWidth"},
               {kSetSound, "Sound"},         {kSetNewVersion, "NewVersion"},
               {kSetOskelin, "Oskelin"},     {kSetShowHidden, "ShowHidden"},
               {kSetNextSave, "NextSave"},   {kSetSaveWidths, "SaveWidths"},
               {kSetPrintFontSize, "PrintFontSize"}, {kSetColor, "Color"},
               {kSetSizeEmpf, "SizeEmpf"},   {kSetQSizePflanz, "QSizePflanz"},
               {kSetCond1, "Cond1"},         {kSetCond3, "Cond3"},
               {kSetCText1, "CText1"},       {kSetLastRecoSel, "LastRecoSel"},
               {kSetC7, "C7"},               {kSetTextRed, "TextRed"},
               {kSetTextPlus, "Text+"},      {kSetTextX, "Textx"},
               {kSetFile1, "File1"},         {kSetNumberofTestYearsAllTests, "NumberofTestYearsAllTests"}};
  for (const auto& p : pairs) EXPECT_STREQ(SettingKeyAt(p.id).name, p.name) << p.id;
}

TEST(KeyTable, EveryKeyUniqueWithinItsSectionAndSectionsInOrder) {
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
  }
  EXPECT_EQ(SettingKeyAt(kSetFile8).section, kSectionRecentFileList);
  EXPECT_EQ(SettingKeyAt(kSetSearchEnd).section, kSectionConditions);
  EXPECT_EQ(SettingKeyAt(kSetMargins).section, kSectionPrint);
  EXPECT_EQ(SettingKeyAt(kSetTest).section, kSectionGeneral);
  EXPECT_EQ(SettingKeyAt(kSetFont).section, kSectionFonts);
}

TEST(KeyTable, DefaultsAndTypes) {
  // Loading checks most defaults; these are the ones loading replaces or never reads.
  EXPECT_EQ(SettingKeyAt(kSetLastReco).defaultNumber, 32000);
  EXPECT_EQ(SettingKeyAt(kSetSearchEnd).defaultNumber, 149747);
  EXPECT_EQ(SettingKeyAt(kSetPath).size, 126);
  EXPECT_EQ(SettingKeyAt(kSetHelpFile).size, 255);
  EXPECT_EQ(SettingKeyAt(kSetC1).size, 32);
  EXPECT_EQ(SettingKeyAt(kSetTextMinus).size, 15);
  EXPECT_EQ(SettingKeyAt(kSetCText5).size, 31);
  EXPECT_EQ(SettingKeyAt(kSetMargins).size, 11);
  EXPECT_EQ(SettingKeyAt(kSetCond5).size, 14);
  EXPECT_EQ(SettingKeyAt(kSetSaveWidths).type, kSettingNumberList);
  EXPECT_EQ(SettingKeyAt(kSetColor).type, kSettingColourList);
  const int portrait[] = {4, 26, 39, 10, 6, 90, 30, 30, 30, 24};
  const int landscape[] = {4, 26, 39, 10, 6, 156, 52, 52, 52, 36};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(SettingKeyAt(kSetSizeElement + i).defaultNumber, portrait[i]) << i;
    EXPECT_EQ(SettingKeyAt(kSetQSizeElement + i).defaultNumber, landscape[i]) << i;
    EXPECT_EQ(std::string("Q") + SettingKeyAt(kSetSizeElement + i).name,
              SettingKeyAt(kSetQSizeElement + i).name);
  }
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
  std::string raw;
  ASSERT_TRUE(p.Get("TidewellConditions", "SearchEnd", raw));
  EXPECT_EQ(raw, "-12");
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
  std::string raw;
  ASSERT_TRUE(p.Get("TidewellFonts", "FontSize", raw));
  EXPECT_EQ(raw, "1 2");
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
