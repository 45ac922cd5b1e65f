// The settings values the program keeps in memory: read once at start, range-checked,
// and (for the keys that the program owns while running) written back at exit.
#pragma once
#include <cstdint>
#include <string>

#include "core/daynumber.h"
#include "core/colour_table.h"
#include "core/platform.h"

namespace tw {

struct ScreenMetrics {
  int width = 1024;  // pixels
  int height = 768;
};

constexpr int kColumnCount = 10;
constexpr int kMarginCount = 11;
constexpr int kPrintSizeCount = 10;
constexpr int kConditionWordCount = 56;
constexpr int32_t kMaxSaveWidth = 10000;   // tenths of a character: 1000 characters
constexpr int32_t kMaxFontTenths = 16380;  // the largest size the font dialog accepts

struct SettingsValues {
  // General
  std::string dataPath;  // empty (current directory) or ending in "\"
  int32_t posX = 0, posY = 0, width = 0, height = 0;
  int32_t infoWidth = 256, infoHeight = 76, legendHeight = 0, conditionHeight = 0;
  int32_t preference = 46448;
  int32_t daySize = 2;
  int32_t sound = 0;
  int32_t newVersion = 1;
  int32_t liste = 1;
  int32_t oskelin = 0;
  int32_t sternbild = 0;
  int32_t data = 255;
  int32_t showDayOfWeek = 1, showYear = 1, show2DigitYear = 0, showDate2Lines = 0;
  int32_t showHoliday = 1, showNameday = 0, showBirthday = 0;
  int32_t startLastFile = 1, showHidden = 1, applyToAllWindows = 1;
  int32_t lastReco = 0;
  int32_t tipOnStart = 1;
  int32_t testYear = 1997, numberOfTestYears = 1, numberOfTestYearsAllTests = 10;
  std::string helpFile = "tw-d.hlp";
  int32_t nextSave = 1;
  int32_t saveWidths[kColumnCount] = {22, 178, 134, 30, 34, 480, 250, 250, 250, 200};
  int32_t test = 0;
  // Fonts: sizes in tenths of a point as stored (0 stands for 120)
  std::string font = "Arial";
  int32_t fontSize = 100, fontWeight = 400;
  std::string printFont = "Arial";
  int32_t printFontSize = 110, printFontWeight = 400;
  // Colors
  ColourTable colours = DefaultColourTable();
  // Print
  int32_t margins[kMarginCount] = {10, 8, 10, 8, 1, 3, 2, 1, 1, 0, 0};
  int32_t printSizes[kPrintSizeCount] = {4, 26, 39, 10, 6, 90, 30, 30, 30, 24};
  int32_t printSizesLandscape[kPrintSizeCount] = {4, 26, 39, 10, 6, 156, 52, 52, 52, 36};
  // Conditions
  int32_t cond = 0;
  int32_t conditionWords[kConditionWordCount] = {};
  std::string conditionNames[8];
  int32_t lastRecoSel = 0;
  DayNumber searchEnd = 149747;
  // Text: an empty rhythm text keeps the built-in label
  std::string rhythmTexts[7];
  std::string markTexts[5];  // red, yellow, "+", "x", "-"
  // RecentFileList, File1 the most recent
  std::string recentFiles[8];
};

// Reads every key with its range checks. `hasWaveOut` false forces sounds off.
void LoadStartValues(const Profile& profile, const LocaleValues& locale,
                     const ScreenMetrics& screen, bool hasWaveOut, SettingsValues& out);

// Writes the frame rectangle and the keys the program keeps while running, in the
// program's fixed order (the options and print pages write their own keys on apply).
void WriteExitValues(Profile& profile, const SettingsValues& values);

// Width of the calendar's date column in tenths of an average character.
int32_t DateColumnWidth(bool showDayOfWeek, bool showYear, bool twoDigitYear);

// A stored font size of 0 stands for 12 points.
inline int32_t EffectiveFontSize(int32_t tenths) { return tenths == 0 ? 120 : tenths; }
// Logical font height (negative: character height) for a size in tenths of a point.
inline int32_t FontHeight(int32_t logPixelsY, int32_t tenths) {
  return -(logPixelsY * EffectiveFontSize(tenths) / 720);
}

// The backup number after `n`: 1, 2, 3, 4, then 1 again.
int32_t NextSaveAfter(int32_t n);
// Advances NextSave after a save of changed recommendation files and stores it.
void AdvanceNextSave(Profile& profile, SettingsValues& values);

// Font and size writers of the options and print setup pages ("%d %d").
void WriteScreenFont(Profile& profile, const SettingsValues& values);
void WritePrintFont(Profile& profile, const SettingsValues& values);
void WriteMargins(Profile& profile, const SettingsValues& values);

}  // namespace tw
