// The settings store: one fixed table of keys, each bound to a section of the
// initialization file, with typed access by the key's position in the table.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/platform.h"

namespace tw {

enum SettingSection : int {
  kSectionGeneral = 0,
  kSectionFonts = 1,
  kSectionColors = 2,
  kSectionPrint = 3,
  kSectionConditions = 4,
  kSectionText = 5,
  kSectionRecentFileList = 6,
  kSectionCount = 7,
};

enum SettingType : uint8_t {
  kSettingNumber,
  kSettingText,
  kSettingNumberList,
  kSettingColourList,
};

// Positions in the key table. The order is part of the program's contract: code refers
// to keys by these numbers.
enum SettingId : int {
  // General
  kSetPath, kSetPosX, kSetPosY, kSetWidth, kSetHeight, kSetInfoWidth, kSetInfoHeight,
  kSetLegendHeight, kSetPreference, kSetDaySize, kSetSound, kSetNewVersion, kSetListe,
  kSetOskelin, kSetSternbild, kSetData, kSetShowDayOfWeek, kSetShowYear, kSetShow2DigitYear,
  kSetShowDate2Lines, kSetShowHoliday, kSetShowNameday, kSetShowBirthday, kSetStartLastFile,
  kSetShowHidden, kSetApplyToAllWindows, kSetConditionHeight, kSetLastReco, kSetTipOnStart,
  kSetTestYear, kSetNumberofTestYears, kSetNumberofTestYearsAllTests, kSetHelpFile,
  kSetNextSave, kSetSaveWidths, kSetTest,
  // Fonts
  kSetFont, kSetFontSize, kSetPrintFont, kSetPrintFontSize,
  // Colors
  kSetColor, kSetElementColor,
  // Print: margins, then the ten portrait sizes and the ten landscape sizes
  kSetMargins,
  kSetSizeElement, kSetSizeDate, kSetSizeMoon, kSetSizeSun, kSetSizePflanz, kSetSizeEmpf,
  kSetSizePlAni, kSetSizeHealth, kSetSizeCommon, kSetSizeNote,
  kSetQSizeElement, kSetQSizeDate, kSetQSizeMoon, kSetQSizeSun, kSetQSizePflanz,
  kSetQSizeEmpf, kSetQSizePlAni, kSetQSizeHealth, kSetQSizeCommon, kSetQSizeNote,
  // Conditions
  kSetCond, kSetCond1, kSetCond3, kSetCond5, kSetCond7,
  kSetCText1, kSetCText2, kSetCText3, kSetCText4, kSetCText5, kSetCText6, kSetCText7, kSetCText8,
  kSetLastRecoSel, kSetSearchEnd,
  // Text
  kSetC1, kSetC2, kSetC3, kSetC4, kSetC5, kSetC6, kSetC7,
  kSetTextRed, kSetTextYellow, kSetTextPlus, kSetTextX, kSetTextMinus,
  // RecentFileList
  kSetFile1, kSetFile2, kSetFile3, kSetFile4, kSetFile5, kSetFile6, kSetFile7, kSetFile8,
  kSettingCount
};

struct SettingKey {
  const char* name;
  int section;
  SettingType type;
  int32_t defaultNumber;    // numbers
  const char* defaultText;  // texts and lists
  int size;                 // texts: most characters; lists: count of entries
};

// The table entry of `id`; the table has kSettingCount entries in SettingId order.
const SettingKey& SettingKeyAt(int id);
// Position of the key called `name` (case-insensitive), or -1.
int FindSetting(const char* name);
// "General" .. "RecentFileList"; nullptr outside 0..6.
const char* SectionName(int section);
// The file's section: "Tidewell" directly followed by the section name.
std::string FileSectionName(int section);

// --- Value encodings -----------------------------------------------------------------

// Optional "-", then digits up to the first other character, of at most the first 15
// characters; no leading digits reads 0. Clamped to the 32-bit range.
int32_t ParseSettingNumber(const char* text);
// Numbers separated by blanks; missing numbers read as 0.
void ParseNumberList(const char* text, int32_t* out, int count);
// "%d" numbers joined by single blanks.
std::string FormatNumberList(const int32_t* values, int count);
// Colours separated by ","; a slot whose entry is present is reset and re-read, slots
// beyond the list keep their value. Values are 0x00BBGGRR.
void ParseColourList(const char* text, uint32_t* slots, int count);
// Lower-case hex without leading zero bytes: "ff" red, "ff0000" blue, "00" black.
std::string FormatColour(uint32_t colour);
std::string FormatColourList(const uint32_t* colours, int count);

// --- Typed access by key position -----------------------------------------------------
// Nothing is reported: an unreadable key yields the default, a failed write is ignored.

// Absent or empty yields `def`.
int32_t GetSettingNumber(const Profile& profile, int id, int32_t def);
// Copies at most size - 1 characters and the NUL into `buf` (the key's own limit applies
// too); absent yields `def`. Returns the length copied.
size_t GetSettingText(const Profile& profile, int id, char* buf, size_t size, const char* def);
// The same into a string, limited by the key's own size.
std::string GetSettingString(const Profile& profile, int id, const char* def);
void SetSettingNumber(Profile& profile, int id, int32_t value);
void SetSettingText(Profile& profile, int id, const char* text);
// A number or colour list key read with the table default when absent.
void GetSettingNumberList(const Profile& profile, int id, int32_t* out, int count);
void SetSettingNumberList(Profile& profile, int id, const int32_t* values, int count);

// Untyped access to a section outside the table, named in full ("AboutWave", "Show").
size_t GetProfileTextByName(const Profile& profile, const char* section, const char* key,
                            char* buf, size_t size, const char* def);

}  // namespace tw
