// Whether a recommendation holds on a day, and the services built on it: the day text of a
// selection, the any-holds mark of the moon calendar and the search for the next day.
#pragma once
#include <cstddef>
#include <cstdint>

#include "calendar/day_attributes.h"
#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/year_table.h"
#include "core/platform.h"
#include "reco/reco_tables.h"
#include "core/rtf_builder.h"

namespace tw {

class SpecialDayTable;

// Everything the test of one record needs about a day, computed once per day.
struct RecoDay {
  DayNumber day = 0;
  DayCode dateCode = 0;  // day of the month × 100 + month
  DayAttributes attr;
  YearTable year;  // Easter Sunday and Advent base of the day's year
  uint16_t movableHits = 0;  // bit c - 3800 set: movable code c falls on this day

  // Sets `movableHits` from `year` and `day`; call after changing either.
  void MatchMovableDays();
};

// The condition test. The record must be occupied and not a group header. Pure: no files,
// no allocation.
bool Holds(const RecoRecord& record, const RecoDay& day);

// Fills `day` for d: date, year table, attributes. False when d has no moon record.
bool PrepareRecoDay(MoonRecordSource& moon, DayNumber d, bool sternbild, RecoDay* day);

// Settings the services read; the caller fills them from the settings store.
struct RecoEvalSettings {
  bool sternbild = false;     // Sternbild
  bool showHoliday = true;    // ShowHoliday
  bool showNameday = false;   // ShowNameday
  bool showBirthday = false;  // ShowBirthday
  DayNumber searchEnd = kLastMoonDay;  // SearchEnd, the upper limit of interactive searches
};

// The interactive side of a day search: the Win32 side shows the wait cursor in Begin,
// restores it in End, and may pump messages in Continue (called every few dozen days);
// returning false there cancels the search.
class SearchProgress {
 public:
  virtual ~SearchProgress() = default;
  virtual void Begin() {}
  virtual bool Continue() { return true; }
  virtual void End() {}
};

struct RecoDayTextOptions {
  int categoryFilter = 0;       // 0 all, 1..3 one category
  bool heading = false;         // a heading line before the first hit
  const char* headingText = "";  // message 4003; at most 31 characters are used
  bool formatted = false;       // rich text instead of plain lines
  int printMode = kRtfScreenFont;  // font choice handed to the rich-text builder
  int separators = 0;           // bit 0 join hits of one group, bit 1 join all hits
  int selection = 0;            // selection entry 0..127
  size_t maxLength = SIZE_MAX;  // the walk stops once the text is longer than this
};

constexpr size_t kRecoHeadingMax = 31;

// Print callers pack the separator flags into bits 14 and up of their flags argument.
constexpr int SeparatorsFromPrintFlags(uint32_t flags) { return static_cast<int>((flags >> 14) & 3); }
constexpr int kSearchProgressInterval = 64;  // days between two SearchProgress::Continue

class RecoEvaluator {
 public:
  RecoEvaluator(const RecoTables& tables, MoonRecordSource& moon, MessageSink& sink)
      : tables_(tables), moon_(moon), sink_(sink) {}

  RecoEvalSettings settings;
  SpecialDayTable* specialDays = nullptr;  // special days written before general hits
  RtfStyle style;

  // Prepares d; false when it has no moon record.
  bool PrepareDay(DayNumber d);
  const RecoDay& day() const { return day_; }

  // True when a recommendation of `selection` holds on d.
  bool AnyHolds(DayNumber d, int selection);

  // The next (step +1) or previous (step -1) day after `start` on which a recommendation of
  // `selection` holds, between `lowerLimit` and the upper limit (SearchEnd when interactive,
  // else the last day of the moon data). Without a hit: interactive searches show 3010 and
  // return `start`; others return the limit they ran into (lower for a backward search,
  // upper for a forward one). A cancelled search returns `start` silently.
  DayNumber FindDay(DayNumber start, int step, bool interactive, int selection,
                    DayNumber lowerLimit, SearchProgress* progress = nullptr);

  // Writes the recommendations of the selection that hold on d (after the special days when
  // general recommendations are asked for) from `pos` on, never past `end`; returns the end
  // of the text, which is NUL-terminated.
  char* DayText(DayNumber d, char* pos, const char* end, const RecoDayTextOptions& options);

 private:
  bool AnyHoldsPrepared(const SlotMap& members) const;

  const RecoTables& tables_;
  MoonRecordSource& moon_;
  MessageSink& sink_;
  RecoDay day_;
};

}  // namespace tw
