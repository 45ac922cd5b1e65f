// Turning the events into the day records of the moon data file: local time, minute
// rounding, one event of a kind per day, state bits, signs at the end of the day and the
// noon magnitudes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "calendar/moon_record.h"
#include "events.h"

namespace tw::moondat {

// Everything one record says, unpacked. Event times are local minutes 0..1439 or
// kNoEvent, indexed by MoonEvent.
struct DayValues {
  bool waxing = false;
  bool ascending = false;
  bool approaching = false;
  int nodeKind = 0;
  int sunSign = 0;
  int sunConstellation = 0;
  int moonSign = 0;
  int moonConstellation = 0;
  std::array<int, kMoonEventCount> times{kNoEvent, kNoEvent, kNoEvent, kNoEvent, kNoEvent,
                                         kNoEvent, kNoEvent, kNoEvent, kNoEvent};
  int illumination = 0;  // stored only without a phase event
  int height = 0;        // only without a height event
  int distance = 0;      // only without a distance event

  int time(MoonEvent e) const { return times[static_cast<int>(e)]; }
  bool operator==(const DayValues&) const = default;
};

MoonDayRecord EncodeDay(const DayValues& v);
DayValues DecodeDay(const MoonDayRecord& r);

struct GenerateOptions {
  int utcOffsetMinutes = 60;  // MEZ all year
  std::string ephePath = kDefaultEphePath;
  int threads = 1;  // for finding events; the output is the same for any number
};

// Local time is counted in whole minutes from the local midnight that starts 1 January 1950.
class LocalClock {
 public:
  explicit LocalClock(int utcOffsetMinutes);
  // UT Julian day of local midnight starting `day`.
  double Midnight(DayNumber day) const;
  // The event's minute, rounded to the nearest (half a minute goes up).
  int64_t RoundedMinute(double jd) const;
  // Day and minute of the day of a rounded minute.
  static DayNumber DayOf(int64_t minute);
  static int MinuteOfDay(int64_t minute);

 private:
  double base_;
};

// Days the scan reaches beyond the requested range: long enough to hold an event of every
// kind before the first day (the sun's widest constellation takes 45 days) and the
// height and distance extremes on either side.
constexpr double kScanMargin = 60.0;

// Builds the day values for first..last from events that cover the range with the margin.
// Fails (with a reason) when a day would need two events of one kind or an event is missing.
bool BuildDays(Ephemeris& eph, const EventLists& events, const LocalClock& clock, DayNumber first,
               DayNumber last, std::vector<DayValues>* out, std::string* error);

// Scans and builds first..last in one go.
bool GenerateDays(Ephemeris& eph, const GenerateOptions& options, DayNumber first, DayNumber last,
                  std::vector<DayValues>* out, std::string* error);

// The whole file's bytes, 1950-01-01 .. 2049-12-31.
bool GenerateFile(Ephemeris& eph, const GenerateOptions& options, std::vector<uint8_t>* bytes,
                  std::string* error);

}  // namespace tw::moondat
