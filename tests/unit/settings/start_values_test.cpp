#include <gtest/gtest.h>

#include <string>

#include "core/settings.h"
#include "core/settings_values.h"
#include "settings_test_util.h"

namespace tw {
namespace {

constexpr ScreenMetrics kScreen{1280, 1024};

SettingsValues Load(const Profile& p, LocaleValues locale = {}, bool wave = true) {
  SettingsValues v;
  // Start from values that differ from every default, so a field that loading forgets
  // shows up.
  v.infoWidth = v.infoHeight = v.legendHeight = v.conditionHeight = -5;
  v.preference = v.daySize = v.lastReco = v.testYear = v.cond = v.lastRecoSel = -5;
  LoadStartValues(p, locale, kScreen, wave, v);
  return v;
}

TEST(StartValues, MissingFileGivesTheDefaults) {
  MemoryProfile p;
  SettingsValues v = Load(p);
  EXPECT_EQ(v.dataPath, "");
  EXPECT_EQ(v.posX, 0);
  EXPECT_EQ(v.width, 0);
  EXPECT_EQ(v.infoWidth, 256);
  EXPECT_EQ(v.infoHeight, 76);
  EXPECT_EQ(v.legendHeight, 0);
  EXPECT_EQ(v.conditionHeight, 0);
  EXPECT_EQ(v.preference, 46448);
  EXPECT_EQ(v.daySize, 2);
  EXPECT_EQ(v.newVersion, 1);
  EXPECT_EQ(v.liste, 1);
  EXPECT_EQ(v.data, 255);
  EXPECT_EQ(v.show2DigitYear, 0);
  EXPECT_EQ(v.showHoliday, 1);
  EXPECT_EQ(v.showNameday, 0);
  EXPECT_EQ(v.lastReco, 0);  // the default 32000 is out of range
  EXPECT_EQ(v.testYear, 1997);
  EXPECT_EQ(v.numberOfTestYearsAllTests, 10);
  EXPECT_EQ(v.helpFile, "tw-d.hlp");
  EXPECT_EQ(v.nextSave, 1);
  EXPECT_EQ(v.saveWidths[0], 22);
  EXPECT_EQ(v.saveWidths[1], 178);
  EXPECT_EQ(v.saveWidths[9], 200);
  EXPECT_EQ(v.font, "Arial");
  EXPECT_EQ(v.fontSize, 100);
  EXPECT_EQ(v.fontWeight, 400);
  EXPECT_EQ(v.printFontSize, 110);
  EXPECT_EQ(v.margins[0], 10);
  EXPECT_EQ(v.margins[5], 3);
  EXPECT_EQ(v.margins[10], 0);
  EXPECT_EQ(v.printSizes[5], 90);
  EXPECT_EQ(v.printSizesLandscape[5], 156);
  EXPECT_EQ(v.cond, 0);
  EXPECT_EQ(v.lastRecoSel, 0);
  EXPECT_EQ(v.searchEnd, 149747);
  EXPECT_EQ(v.rhythmTexts[0], "");  // absent: the built-in label stays
  EXPECT_EQ(v.rhythmTexts[6], "");
  EXPECT_EQ(v.markTexts[0], "");
  EXPECT_EQ(v.recentFiles[0], "");
  EXPECT_EQ(v.conditionWords[55], 0);
  EXPECT_EQ(v.colours.entry[9], 0xffu);
  EXPECT_EQ(v.colours.entry[19], 0x4000c0u);
}

// Every stored number that loading range-checks, one key at a time on an otherwise empty
// file: the stored value and what loading makes of it.
TEST(StartValues, RangeChecksPerKey) {
  struct Row {
    int key;
    int32_t stored;
    int32_t SettingsValues::*field;
    int32_t expected;
  } rows[] = {
      {kSetInfoWidth, -1, &SettingsValues::infoWidth, 256},
      {kSetInfoWidth, 0, &SettingsValues::infoWidth, 0},
      {kSetInfoWidth, 1280, &SettingsValues::infoWidth, 1280},
      {kSetInfoWidth, 1281, &SettingsValues::infoWidth, 256},
      {kSetInfoHeight, 1024, &SettingsValues::infoHeight, 1024},
      {kSetInfoHeight, 1025, &SettingsValues::infoHeight, 76},
      {kSetLegendHeight, -1, &SettingsValues::legendHeight, 76},
      {kSetLegendHeight, 0, &SettingsValues::legendHeight, 0},
      {kSetConditionHeight, 1024, &SettingsValues::conditionHeight, 1024},
      {kSetConditionHeight, 2000, &SettingsValues::conditionHeight, 76},
      {kSetPosX, -20, &SettingsValues::posX, -20},
      {kSetPosX, -21, &SettingsValues::posX, 0},
      {kSetPosY, -21, &SettingsValues::posY, 0},
      {kSetPosY, 1024, &SettingsValues::posY, 1024},
      {kSetWidth, -1, &SettingsValues::width, 0},
      {kSetWidth, 1280, &SettingsValues::width, 1280},
      {kSetHeight, 1025, &SettingsValues::height, 0},
      {kSetTestYear, 1599, &SettingsValues::testYear, 1997},
      {kSetTestYear, 1600, &SettingsValues::testYear, 1600},
      {kSetTestYear, 2050, &SettingsValues::testYear, 2050},
      {kSetTestYear, 2051, &SettingsValues::testYear, 1997},
      {kSetLastReco, -1, &SettingsValues::lastReco, 0},
      {kSetLastReco, 767, &SettingsValues::lastReco, 767},
      {kSetLastReco, 768, &SettingsValues::lastReco, 0},  // one past the last slot
      {kSetLastRecoSel, -1, &SettingsValues::lastRecoSel, 0},
      {kSetLastRecoSel, 127, &SettingsValues::lastRecoSel, 127},
      {kSetLastRecoSel, 128, &SettingsValues::lastRecoSel, 0},
      {kSetSearchEnd, 0, &SettingsValues::searchEnd, kLastCalendarDay},
      {kSetSearchEnd, 130000, &SettingsValues::searchEnd, 130000},
      {kSetSearchEnd, kLastCalendarDay, &SettingsValues::searchEnd, kLastCalendarDay},
      {kSetSearchEnd, kLastCalendarDay + 1, &SettingsValues::searchEnd, kLastCalendarDay},
      {kSetPreference, 0x1ff71, &SettingsValues::preference, 0x1ff70},  // bit 0 is dropped
      {kSetPreference, -1, &SettingsValues::preference, -2},
      {kSetDaySize, 0, &SettingsValues::daySize, 2},
      {kSetDaySize, 4, &SettingsValues::daySize, 4},
      {kSetDaySize, 5, &SettingsValues::daySize, 2},
      {kSetCond, -1, &SettingsValues::cond, 0},
      {kSetCond, 7, &SettingsValues::cond, 7},
      {kSetCond, 8, &SettingsValues::cond, 0},
  };
  for (const Row& r : rows) {
    MemoryProfile p;
    SetSettingNumber(p, r.key, r.stored);
    EXPECT_EQ(Load(p).*r.field, r.expected) << SettingKeyAt(r.key).name << " = " << r.stored;
  }
  EXPECT_EQ(kLastCalendarDay, DayFromDate(2049, 12, 31));
}

TEST(StartValues, SoundNeedsAWaveDevice) {
  MemoryProfile p;
  SetSettingNumber(p, kSetSound, 1);
  EXPECT_EQ(Load(p, {}, true).sound, 1);
  EXPECT_EQ(Load(p, {}, false).sound, 0);
}

TEST(StartValues, TwoDigitYearDefaultFollowsTheLocale) {
  MemoryProfile p;
  LocaleValues twoDigit;
  twoDigit.centuryFlag = 0;
  SettingsValues v = Load(p, twoDigit);
  EXPECT_EQ(v.show2DigitYear, 1);
  EXPECT_EQ(v.saveWidths[1], 158);
  SetSettingNumber(p, kSetShow2DigitYear, 0);
  EXPECT_EQ(Load(p, twoDigit).show2DigitYear, 0);
}

TEST(StartValues, DateColumnWidthReplacesTheStoredOne) {
  EXPECT_EQ(DateColumnWidth(true, true, false), 178);
  EXPECT_EQ(DateColumnWidth(true, true, true), 158);
  EXPECT_EQ(DateColumnWidth(true, false, true), 122);
  EXPECT_EQ(DateColumnWidth(false, true, false), 158);
  EXPECT_EQ(DateColumnWidth(false, true, true), 138);
  EXPECT_EQ(DateColumnWidth(false, false, false), 102);

  MemoryProfile p;
  SetSettingText(p, kSetSaveWidths, "1 2 3 4 5 6 7 8 9 10");
  SetSettingNumber(p, kSetShowYear, 0);
  SetSettingNumber(p, kSetShowDayOfWeek, 0);
  SettingsValues v = Load(p);
  EXPECT_EQ(v.saveWidths[0], 1);
  EXPECT_EQ(v.saveWidths[1], 102);
  EXPECT_EQ(v.saveWidths[2], 3);
  EXPECT_EQ(v.saveWidths[9], 10);
}

TEST(StartValues, MarginChecks) {
  MemoryProfile p;
  SetSettingText(p, kSetMargins, "5 6 7 8 0 0 4 1 1 1 1");
  SettingsValues v = Load(p);
  EXPECT_EQ(v.margins[0], 5);
  EXPECT_EQ(v.margins[5], 1);
  EXPECT_EQ(v.margins[6], 0);
  EXPECT_EQ(v.margins[10], 1);
  SetSettingText(p, kSetMargins, "5 6 7 8 0 -3 3");
  v = Load(p);
  EXPECT_EQ(v.margins[5], 1);
  EXPECT_EQ(v.margins[6], 3);
  EXPECT_EQ(v.margins[7], 0);  // missing numbers read 0
  SetSettingText(p, kSetMargins, "5 6 7 8 0 2 -1");
  EXPECT_EQ(Load(p).margins[6], 0);
}

TEST(StartValues, PrintSizeDefaultsInInches) {
  MemoryProfile p;
  LocaleValues us;
  us.measurement = 1;
  SetSettingNumber(p, kSetSizeDate, 50);
  SettingsValues v = Load(p, us);
  EXPECT_EQ(v.printSizes[0], 4 * 1000 / 254);
  EXPECT_EQ(v.printSizes[1], 50);  // a stored value is not converted
  EXPECT_EQ(v.printSizes[5], 354);
  EXPECT_EQ(v.printSizesLandscape[5], 614);
  EXPECT_EQ(v.printSizesLandscape[9], 141);
}

TEST(StartValues, FontsAndTexts) {
  MemoryProfile p;
  SetSettingText(p, kSetFontSize, "0 700");
  SetSettingText(p, kSetPrintFont, "Times New Roman");
  SetSettingText(p, kSetC1, "");
  SetSettingText(p, kSetC2, "Q Quer");
  SetSettingText(p, kSetPath, "D:\\Daten");
  SetSettingText(p, kSetTextRed, "rot");
  SetSettingText(p, kSetTextMinus, "minus");
  SetSettingText(p, kSetFile3, "C:\\a.twd");
  SetSettingText(p, kSetCond3, "1 2 3 4 5 6 7 8 9 10 11 12 13 14");
  SetSettingText(p, kSetCText8, "Hoch");
  SettingsValues v = Load(p);
  EXPECT_EQ(v.fontSize, 0);
  EXPECT_EQ(EffectiveFontSize(v.fontSize), 120);
  EXPECT_EQ(FontHeight(96, v.fontSize), -16);  // 12 pt at 96 dpi
  EXPECT_EQ(FontHeight(120, 100), -16);        // 10 pt at 120 dpi
  EXPECT_EQ(FontHeight(96, 110), -14);
  EXPECT_EQ(v.fontWeight, 700);
  EXPECT_EQ(v.printFont, "Times New Roman");
  EXPECT_EQ(v.rhythmTexts[0], "");  // present but empty: the built-in label stays
  EXPECT_EQ(v.rhythmTexts[1], "Q Quer");
  EXPECT_EQ(v.rhythmTexts[2], "");  // absent: the built-in label stays too
  EXPECT_EQ(v.dataPath, "D:\\Daten\\");
  EXPECT_EQ(v.markTexts[0], "rot");
  EXPECT_EQ(v.markTexts[4], "minus");
  EXPECT_EQ(v.recentFiles[2], "C:\\a.twd");
  EXPECT_EQ(v.conditionWords[13], 0);
  EXPECT_EQ(v.conditionWords[14], 1);
  EXPECT_EQ(v.conditionWords[27], 14);
  EXPECT_EQ(v.conditionWords[28], 0);
  EXPECT_EQ(v.conditionNames[7], "Hoch");

  SetSettingText(p, kSetPath, "D:\\Daten\\");
  EXPECT_EQ(Load(p).dataPath, "D:\\Daten\\");
}

TEST(ExitValues, WritesTheRunningKeysAndNothingElse) {
  MemoryProfile p;
  SettingsValues v = Load(p);
  v.posX = 10;
  v.infoWidth = 300;
  v.sternbild = 1;
  v.searchEnd = 150000;
  v.lastReco = 12;
  v.numberOfTestYearsAllTests = 3;
  v.saveWidths[4] = 99;
  v.preference = 0x10;  // written by the options pages, not at exit
  v.daySize = 4;
  WriteExitValues(p, v);
  EXPECT_EQ(Stored(p, "TidewellGeneral", "PosX"), "10");
  EXPECT_EQ(Stored(p, "TidewellGeneral", "SaveWidths"), "22 178 134 30 99 480 250 250 250 200");
  EXPECT_EQ(Stored(p, "TidewellConditions", "SearchEnd"), "150000");
  EXPECT_NE(Stored(p, "TidewellConditions", "LastRecoSel"), "<absent>");
  EXPECT_NE(Stored(p, "TidewellConditions", "Cond"), "<absent>");
  for (const char* key : {"Preference", "DaySize", "Path", "Oskelin", "NewVersion"})
    EXPECT_EQ(Stored(p, "TidewellGeneral", key), "<absent>") << key;

  SettingsValues back = Load(p);
  EXPECT_EQ(back.posX, 10);
  EXPECT_EQ(back.infoWidth, 300);
  EXPECT_EQ(back.sternbild, 1);
  EXPECT_EQ(back.searchEnd, 150000);
  EXPECT_EQ(back.lastReco, 12);
  EXPECT_EQ(back.numberOfTestYearsAllTests, 3);
  EXPECT_EQ(back.saveWidths[4], 99);
  EXPECT_EQ(p.sections["TidewellGeneral"].size(), 26u);
  EXPECT_EQ(p.sections["TidewellConditions"].size(), 3u);
}

TEST(ExitValues, NextSaveCyclesOneToFour) {
  EXPECT_EQ(NextSaveAfter(1), 2);
  EXPECT_EQ(NextSaveAfter(3), 4);
  EXPECT_EQ(NextSaveAfter(4), 1);
  EXPECT_EQ(NextSaveAfter(0), 1);
  EXPECT_EQ(NextSaveAfter(9), 1);
  MemoryProfile p;
  SettingsValues v;
  v.nextSave = 4;
  AdvanceNextSave(p, v);
  EXPECT_EQ(v.nextSave, 1);
  EXPECT_EQ(GetSettingNumber(p, kSetNextSave, 0), 1);
}

TEST(ExitValues, FontAndMarginWriters) {
  MemoryProfile p;
  SettingsValues v;
  v.font = "Verdana";
  v.fontSize = 0;
  v.fontWeight = 700;
  v.printFontSize = 90;
  v.margins[10] = 1;
  WriteScreenFont(p, v);
  WritePrintFont(p, v);
  WriteMargins(p, v);
  EXPECT_EQ(Stored(p, "TidewellFonts", "FontSize"), "0 700");
  EXPECT_EQ(Stored(p, "TidewellFonts", "PrintFontSize"), "90 400");
  EXPECT_EQ(Stored(p, "TidewellPrint", "Margins"), "10 8 10 8 1 3 2 1 1 0 1");
  EXPECT_EQ(Load(p).font, "Verdana");
}

}  // namespace
}  // namespace tw
