#include "core/settings_values.h"

#include "core/settings.h"

namespace tw {
namespace {

int32_t Number(const Profile& p, int id) { return GetSettingNumber(p, id, SettingKeyAt(id).defaultNumber); }

std::string TextOf(const Profile& p, int id) {
  return GetSettingString(p, id, SettingKeyAt(id).defaultText);
}

bool Within(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

int32_t Checked(int32_t v, int32_t lo, int32_t hi, int32_t otherwise) {
  return Within(v, lo, hi) ? v : otherwise;
}

void ReadPair(const Profile& p, int id, int32_t& size, int32_t& weight) {
  int32_t pair[2];
  GetSettingNumberList(p, id, pair, 2);
  size = pair[0];
  weight = pair[1];
}

}  // namespace

int32_t DateColumnWidth(bool showDayOfWeek, bool showYear, bool twoDigitYear) {
  int32_t w = !showYear ? 122 : twoDigitYear ? 158 : 178;
  return showDayOfWeek ? w : w - 20;
}

int32_t NextSaveAfter(int32_t n) { return n >= 1 && n < 4 ? n + 1 : 1; }

void AdvanceNextSave(Profile& profile, SettingsValues& values) {
  values.nextSave = NextSaveAfter(values.nextSave);
  SetSettingNumber(profile, kSetNextSave, values.nextSave);
}

void LoadStartValues(const Profile& p, const LocaleValues& locale, const ScreenMetrics& screen,
                     bool hasWaveOut, SettingsValues& v) {
  v.dataPath = TextOf(p, kSetPath);
  // An empty path stays empty: a lone "\" would move the data files to the drive's root.
  if (!v.dataPath.empty() && v.dataPath.back() != '\\') v.dataPath += '\\';

  v.posX = Checked(Number(p, kSetPosX), -20, screen.width, 0);
  v.posY = Checked(Number(p, kSetPosY), -20, screen.height, 0);
  v.width = Checked(Number(p, kSetWidth), 0, screen.width, 0);
  v.height = Checked(Number(p, kSetHeight), 0, screen.height, 0);
  v.infoWidth = Checked(Number(p, kSetInfoWidth), 0, screen.width, 256);
  v.infoHeight = Checked(Number(p, kSetInfoHeight), 0, screen.height, 76);
  v.legendHeight = Checked(Number(p, kSetLegendHeight), 0, screen.height, 76);
  v.conditionHeight = Checked(Number(p, kSetConditionHeight), 0, screen.height, 76);

  v.preference = Number(p, kSetPreference) & ~1;
  // Day sizes index the chart's width steps; anything else would step outside them.
  v.daySize = Checked(Number(p, kSetDaySize), 1, 4, 2);
  v.sound = hasWaveOut ? Number(p, kSetSound) : 0;
  v.newVersion = Number(p, kSetNewVersion);
  v.liste = Number(p, kSetListe);
  v.oskelin = Number(p, kSetOskelin);
  v.sternbild = Number(p, kSetSternbild);
  v.data = Number(p, kSetData);
  v.showDayOfWeek = Number(p, kSetShowDayOfWeek);
  v.showYear = Number(p, kSetShowYear);
  v.show2DigitYear = GetSettingNumber(p, kSetShow2DigitYear, locale.centuryFlag == 0 ? 1 : 0);
  v.showDate2Lines = Number(p, kSetShowDate2Lines);
  v.showHoliday = Number(p, kSetShowHoliday);
  v.showNameday = Number(p, kSetShowNameday);
  v.showBirthday = Number(p, kSetShowBirthday);
  v.startLastFile = Number(p, kSetStartLastFile);
  v.showHidden = Number(p, kSetShowHidden);
  v.applyToAllWindows = Number(p, kSetApplyToAllWindows);
  // Slots are 0..767: slot 768 would be looked up one byte past the 96-byte slot maps.
  v.lastReco = Checked(Number(p, kSetLastReco), 0, 767, 0);
  v.tipOnStart = Number(p, kSetTipOnStart);
  v.testYear = Checked(Number(p, kSetTestYear), 1600, 2050, 1997);
  v.numberOfTestYears = Number(p, kSetNumberofTestYears);
  v.numberOfTestYearsAllTests = Number(p, kSetNumberofTestYearsAllTests);
  v.helpFile = TextOf(p, kSetHelpFile);
  v.nextSave = Number(p, kSetNextSave);
  GetSettingNumberList(p, kSetSaveWidths, v.saveWidths, kColumnCount);
  // Widths are multiplied by the average character width and summed: a damaged value
  // falls back to its default rather than overflowing (and being written back at exit).
  const SettingsValues defaults;
  for (int i = 0; i < kColumnCount; ++i)
    v.saveWidths[i] = Checked(v.saveWidths[i], 0, kMaxSaveWidth, defaults.saveWidths[i]);
  v.saveWidths[1] = DateColumnWidth(v.showDayOfWeek != 0, v.showYear != 0, v.show2DigitYear != 0);
  v.test = Number(p, kSetTest);

  v.font = TextOf(p, kSetFont);
  ReadPair(p, kSetFontSize, v.fontSize, v.fontWeight);
  v.printFont = TextOf(p, kSetPrintFont);
  ReadPair(p, kSetPrintFontSize, v.printFontSize, v.printFontWeight);
  // Sizes are multiplied by the device resolution and doubled for rich text.
  v.fontSize = Checked(v.fontSize, 0, kMaxFontTenths, defaults.fontSize);
  v.printFontSize = Checked(v.printFontSize, 0, kMaxFontTenths, defaults.printFontSize);

  v.colours = DefaultColourTable();
  LoadColourTable(p, v.colours);

  GetSettingNumberList(p, kSetMargins, v.margins, kMarginCount);
  if (v.margins[5] < 1) v.margins[5] = 1;
  v.margins[6] = Checked(v.margins[6], 0, 3, 0);
  for (int i = 0; i < kPrintSizeCount; ++i) {
    int32_t portrait = SettingKeyAt(kSetSizeElement + i).defaultNumber;
    int32_t landscape = SettingKeyAt(kSetQSizeElement + i).defaultNumber;
    if (locale.measurement == 1) {
      portrait = portrait * 1000 / 254;
      landscape = landscape * 1000 / 254;
    }
    v.printSizes[i] = GetSettingNumber(p, kSetSizeElement + i, portrait);
    v.printSizesLandscape[i] = GetSettingNumber(p, kSetQSizeElement + i, landscape);
  }

  // Cond picks one of the eight condition names; outside them it would read past the list.
  v.cond = Checked(Number(p, kSetCond), 0, 7, 0);
  for (int i = 0; i < 4; ++i)
    GetSettingNumberList(p, kSetCond1 + i, v.conditionWords + 14 * i, 14);
  for (int i = 0; i < 8; ++i) v.conditionNames[i] = TextOf(p, kSetCText1 + i);
  // The selection table has entries 0..127; a stored 128 would index one past it.
  v.lastRecoSel = Checked(Number(p, kSetLastRecoSel), 0, 127, 0);
  v.searchEnd = Number(p, kSetSearchEnd);
  if (v.searchEnd == 0 || v.searchEnd > kLastCalendarDay) v.searchEnd = kLastCalendarDay;

  for (int i = 0; i < 7; ++i) v.rhythmTexts[i] = TextOf(p, kSetC1 + i);
  for (int i = 0; i < 5; ++i) v.markTexts[i] = TextOf(p, kSetTextRed + i);
  for (int i = 0; i < 8; ++i) v.recentFiles[i] = TextOf(p, kSetFile1 + i);
}

void WriteExitValues(Profile& p, const SettingsValues& v) {
  SetSettingNumber(p, kSetPosX, v.posX);
  SetSettingNumber(p, kSetPosY, v.posY);
  SetSettingNumber(p, kSetWidth, v.width);
  SetSettingNumber(p, kSetHeight, v.height);
  SetSettingNumber(p, kSetInfoWidth, v.infoWidth);
  SetSettingNumber(p, kSetInfoHeight, v.infoHeight);
  SetSettingNumber(p, kSetLegendHeight, v.legendHeight);
  SetSettingNumber(p, kSetConditionHeight, v.conditionHeight);
  SetSettingNumber(p, kSetSound, v.sound);
  SetSettingNumber(p, kSetSternbild, v.sternbild);
  SetSettingNumber(p, kSetListe, v.liste);
  SetSettingNumber(p, kSetData, v.data);
  SetSettingNumber(p, kSetSearchEnd, v.searchEnd);
  SetSettingNumber(p, kSetCond, v.cond);
  SetSettingNumber(p, kSetLastRecoSel, v.lastRecoSel);
  SetSettingNumber(p, kSetLastReco, v.lastReco);
  SetSettingNumber(p, kSetShowDayOfWeek, v.showDayOfWeek);
  SetSettingNumber(p, kSetShowYear, v.showYear);
  SetSettingNumber(p, kSetShow2DigitYear, v.show2DigitYear);
  SetSettingNumber(p, kSetShowDate2Lines, v.showDate2Lines);
  SetSettingNumber(p, kSetStartLastFile, v.startLastFile);
  SetSettingNumber(p, kSetApplyToAllWindows, v.applyToAllWindows);
  SetSettingNumber(p, kSetShowHoliday, v.showHoliday);
  SetSettingNumber(p, kSetShowNameday, v.showNameday);
  SetSettingNumber(p, kSetShowBirthday, v.showBirthday);
  SetSettingNumber(p, kSetTestYear, v.testYear);
  SetSettingNumber(p, kSetNumberofTestYears, v.numberOfTestYears);
  SetSettingNumber(p, kSetNumberofTestYearsAllTests, v.numberOfTestYearsAllTests);
  SetSettingNumberList(p, kSetSaveWidths, v.saveWidths, kColumnCount);
}

void WriteScreenFont(Profile& profile, const SettingsValues& v) {
  SetSettingText(profile, kSetFont, v.font.c_str());
  const int32_t pair[2] = {v.fontSize, v.fontWeight};
  SetSettingNumberList(profile, kSetFontSize, pair, 2);
}

void WritePrintFont(Profile& profile, const SettingsValues& v) {
  SetSettingText(profile, kSetPrintFont, v.printFont.c_str());
  const int32_t pair[2] = {v.printFontSize, v.printFontWeight};
  SetSettingNumberList(profile, kSetPrintFontSize, pair, 2);
}

void WriteMargins(Profile& profile, const SettingsValues& v) {
  SetSettingNumberList(profile, kSetMargins, v.margins, kMarginCount);
}

}  // namespace tw
