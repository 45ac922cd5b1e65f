// Everything the calendar core knows about one day, gathered and written out as text or
// JSON for the command-line companion.
#pragma once
#include "core/cp1252.h"
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_attributes.h"
#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/moon_record.h"

namespace tw {

class SpecialDayTable;

struct DayReport {
  DayNumber day = 0;
  int year = 0, month = 0, dayOfMonth = 0;
  bool sternbild = false;
  MoonDayRecord record;
  DayAttributes attributes;
  int holiday = 0;          // 0 none, 1 holiday, 2 official holiday
  std::string specialDays;  // CP1252; names separated by ", "

  // Filled by the caller, which owns the recommendation tables; written out only when
  // `recoSelection` is a selection entry (>= 0).
  struct Recommendation {
    int category = 0;           // 1..3
    std::string categoryLabel;  // CP1252
    std::string name;           // CP1252
  };
  int recoSelection = -1;
  std::vector<Recommendation> recommendations;
};

// Fills `out` for day d. `table` may be null (no special days). Returns false when d has
// no moon record (outside the data, or the data could not be read).
bool BuildDayReport(MoonRecordSource& moon, SpecialDayTable* table, DayNumber d, bool sternbild,
                    DayReport* out);

// One JSON object, UTF-8, ending with a line feed.
std::string DayReportJson(const DayReport& r);
// Aligned "name value" lines, CP1252 like every text of the core, ending with a line feed.
std::string DayReportText(const DayReport& r);

// "YYYY-MM-DD".
std::string IsoDate(DayNumber d);
// Exactly "YYYY-MM-DD" naming an existing date from 1600 to 2049; false otherwise.
bool ParseIsoDate(std::string_view text, DayNumber* out);
// "HH:MM" of minutes after midnight.
std::string EventClock(int minutes);


}  // namespace tw
