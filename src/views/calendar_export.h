// The moon calendar of a period as CSV (one row per day) or iCalendar (events in UTC,
// holidays and recommendation days as all-day events), for other calendar programs.
// Both writers produce UTF-8; the moon data's times are MEZ (UTC+1 all year).
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "calendar/moon_data.h"
#include "calendar/moon_record.h"
#include "calendar/year_table.h"
#include "core/daynumber.h"
#include "reco/reco_report.h"

namespace tw {

class SpecialDayTable;
struct RecoTables;

// What one day contributes to an export. Texts are CP1252 like the rest of the core.
struct ExportDay {
  DayNumber day = 0;
  MoonDayRecord record;
  std::vector<std::string> holidays, nameDays, birthdays;
  std::vector<HoldingRecommendation> recommendations;
};

// Gathers the days of a period in order. The special days table and the recommendation
// tables may be null; the year table is computed once per year, not once per day.
class ExportCollector {
 public:
  ExportCollector(MoonRecordSource& moon, SpecialDayTable* special, const RecoTables* reco,
                  int selection, bool sternbild)
      : moon_(moon), special_(special), reco_(reco), selection_(selection), sternbild_(sternbild) {}
  // False when d has no moon record.
  bool Collect(DayNumber d, ExportDay* out);

 private:
  MoonRecordSource& moon_;
  SpecialDayTable* special_;
  const RecoTables* reco_;
  int selection_;
  bool sternbild_;
  YearTable year_;
};

// --- CSV (RFC 4180: CRLF line ends, fields quoted when they hold , " CR or LF) -----------

std::string CsvField(std::string_view utf8);
std::string CsvHeader(bool sternbild);
std::string CsvRow(const ExportDay& day, bool sternbild);

// --- iCalendar (RFC 5545) --------------------------------------------------------------

// Minutes after midnight MEZ on day d as a UTC date-time "YYYYMMDDTHHMM00Z"; 00:xx MEZ
// is the previous day in UTC.
std::string MezToUtcStamp(DayNumber d, int minutes);
// TEXT value escaping: backslash, semicolon, comma and line breaks.
std::string IcsText(std::string_view utf8);
// One content line (without line end) folded at 75 octets, every line ending in CRLF.
// Folds never split a UTF-8 sequence.
std::string IcsFold(std::string_view line);

// `stamp` is the DTSTAMP of every event, a UTC date-time; `selection` names the
// recommendation selection in the UIDs, so exports of different selections do not
// replace each other's days.
std::string IcsBegin();
std::string IcsDay(const ExportDay& day, bool sternbild, int selection, std::string_view stamp);
std::string IcsEnd();

}  // namespace tw
