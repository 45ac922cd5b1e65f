// Holidays, name days and birthdays: the three text files TwHd.dat, TwNd.dat and TwBd.dat,
// the one in-memory table of their rules, and the queries the views ask of it.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "core/platform.h"
#include "core/rtf_builder.h"

namespace tw {

// SpecialDay::flags bits.
constexpr uint16_t kSpecialKindMask = 0x000F;  // 0..6 weekday rule with that weekday
constexpr uint16_t kSpecialKindFixed = 7;
constexpr uint16_t kSpecialKindEaster = 8;
constexpr uint16_t kSpecialKindAdvent = 9;
constexpr uint16_t kSpecialCategoryMask = 0x0030;
constexpr uint16_t kSpecialHoliday = 0;
constexpr uint16_t kSpecialNameDay = 16;
constexpr uint16_t kSpecialBirthday = 32;
constexpr uint16_t kSpecialActive = 64;
constexpr uint16_t kSpecialOfficial = 128;
constexpr int kSpecialColourShift = 8;  // bits 8..9: 0 none, 1 red, 2 green, 3 blue
constexpr uint16_t kSpecialColourMask = 0x0300;

constexpr int32_t kNoSpecialDay = -32000;  // `day` of an entry without a date this year
constexpr size_t kMaxSpecialDays = 2048;
constexpr size_t kSpecialNameSize = 68;
constexpr size_t kSpecialNameMax = 63;  // longer names are cut on reading
constexpr size_t kSpecialLineMax = 512;

struct SpecialDay {
  uint16_t flags = 0;
  int16_t value = 0;  // DayCode, offset in days, or week × 100 + month
  int32_t day = kNoSpecialDay;  // date in the year last computed by the year table
  char name[kSpecialNameSize] = {};

  int kind() const { return flags & kSpecialKindMask; }
  int category() const { return flags & kSpecialCategoryMask; }
  bool active() const { return (flags & kSpecialActive) != 0; }
  bool official() const { return (flags & kSpecialOfficial) != 0; }
  int colour() const { return (flags & kSpecialColourMask) >> kSpecialColourShift; }
  void SetName(const char* text);  // cut to kSpecialNameMax
};

// Country codes whose files use "O" for Easter and "S" for no colour; others "E" and "K".
bool UsesGermanLetters(int country);

class SpecialDayTable {
 public:
  // First all holidays, then all name days, then all birthdays, each in file order.
  std::vector<SpecialDay> entries;

  // Reads the three files of `dataDir` (ending with its separator) into a fresh table. A
  // file that cannot be opened leaves its category empty. Returns the number of entries.
  size_t Load(const std::string& dataDir);

  // Writes the three lists, each file after moving the previous one to its ".bak" name,
  // and then replaces the table with the written entries. When a file cannot be written,
  // shows message 3019 with its path, stops and returns false; the table stays unchanged.
  bool Save(const std::string& dataDir, std::span<const SpecialDay> holidays,
            std::span<const SpecialDay> nameDays, std::span<const SpecialDay> birthdays,
            int country, MessageSink& sink);

  static std::string FileName(const std::string& dataDir, int category, bool backup);
};

// One line of a special days file, without its line end.
std::string FormatSpecialDayLine(const SpecialDay& entry, int category, int country);
// Parses one line of the file of `category`; the entry's day is kNoSpecialDay.
SpecialDay ParseSpecialDayLine(std::string_view line, int category);

}  // namespace tw

namespace tw {

class YearTable;

// 0 no holiday, 1 holiday, 2 official holiday: the first active holiday of the table on d.
// Computes d's year into `year` (and the table's dates) first.
int HolidayTest(DayNumber d, SpecialDayTable& table, YearTable& year);

struct SpecialTextOptions {
  bool rich = false;
  int fontChoice = kRtfScreenFont;  // only colours matter here; 2 writes none
  bool oneLine = false;             // names separated by ", " instead of line breaks
  bool holidays = true;
  bool nameDays = false;
  bool birthdays = false;
  bool noBreak = false;             // no line break after the names
};

// Appends the names of the special days on d (only the first holiday), each in its
// colour in rich text; names are escaped by the rich-text builder. Computes d's year first.
char* SpecialDaysText(char* pos, const char* end, DayNumber d, const SpecialTextOptions& options,
                      SpecialDayTable& table, YearTable& year, const RtfStyle& style);

}  // namespace tw
