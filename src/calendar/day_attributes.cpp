#include "calendar/day_attributes.h"

#include "calendar/moon_derived.h"

namespace tw {

namespace {

constexpr int kScanDays = 8;
constexpr int kNone = 99;  // no event of that kind seen

// Signed distance in days to the last event of each kind seen: positive in the past,
// negative in the future.
struct EventOffsets {
  int newMoon = kNone, fullMoon = kNone;
  int lowest = kNone, highest = kNone;
  int perigee = kNone, apogee = kNone;
  int node1 = kNone, node0 = kNone;
};

void NoteEvents(const MoonDayRecord& r, int j, EventOffsets& o) {
  if (r.HasEvent(MoonEvent::Phase)) (r.waxing() ? o.newMoon : o.fullMoon) = j;
  if (r.HasEvent(MoonEvent::Height)) (r.ascending() ? o.lowest : o.highest) = j;
  if (r.HasEvent(MoonEvent::Distance)) (r.approaching() ? o.apogee : o.perigee) = j;
  if (r.HasEvent(MoonEvent::Node)) (r.nodeKind() ? o.node1 : o.node0) = j;
}

// One row of a classification table: offsets a..b map to indices from `first` on.
// Rows are applied in table order, so a later match wins.
void Row(int offset, int a, int b, int first, int& index, bool& matched) {
  if (offset >= a && offset <= b) {
    index = first + (offset - a);
    matched = true;
  }
}

int PhaseIndex(const MoonDayRecord& r, const EventOffsets& o) {
  if (r.HasEvent(MoonEvent::Phase)) return r.waxing() ? 0 : 16;
  int index = 0;
  bool matched = false;
  Row(o.newMoon, 1, 6, 1, index, matched);
  Row(o.newMoon, -6, -1, 24, index, matched);
  Row(o.fullMoon, 1, 6, 17, index, matched);
  Row(o.fullMoon, -6, -1, 8, index, matched);
  if (matched) return index;
  return r.waxing() ? 7 : 23;
}

int HeightIndex(const MoonDayRecord& r, const EventOffsets& o) {
  if (r.HasEvent(MoonEvent::Height)) return r.ascending() ? 0 : 8;
  int index = 0;
  bool matched = false;
  Row(o.lowest, 1, 3, 1, index, matched);
  Row(o.lowest, -3, -1, 13, index, matched);
  Row(o.highest, 1, 3, 9, index, matched);
  Row(o.highest, -3, -1, 5, index, matched);
  if (matched) return index;
  return r.ascending() ? 4 : 12;
}

int DistanceIndex(const MoonDayRecord& r, const EventOffsets& o) {
  if (r.HasEvent(MoonEvent::Distance)) return r.approaching() ? 8 : 0;
  int index = 0;
  bool matched = false;
  Row(o.perigee, 1, 3, 1, index, matched);
  Row(o.perigee, -3, -1, 13, index, matched);
  Row(o.apogee, 1, 3, 9, index, matched);
  Row(o.apogee, -3, -1, 5, index, matched);
  if (matched) return index;
  return r.approaching() ? 12 : 4;
}

int NodeIndex(const MoonDayRecord& r, const EventOffsets& o) {
  if (r.HasEvent(MoonEvent::Node)) return r.nodeKind() ? 3 : 10;
  int index = 14;
  bool matched = false;
  Row(o.node1, -3, -1, 0, index, matched);
  Row(o.node1, 1, 3, 4, index, matched);
  Row(o.node0, -3, -1, 7, index, matched);
  Row(o.node0, 1, 3, 11, index, matched);
  return index;
}

}  // namespace

bool ComputeDayAttributes(MoonRecordSource& moon, DayNumber d, int monthIndex, int weekday,
                          bool sternbild, DayAttributes* out) {
  EventOffsets offsets;
  for (int j = kScanDays; j >= -kScanDays; --j) {
    const MoonDayRecord* r = moon.Fetch(d - j);
    if (!r) {
      // Days before the first record are skipped, so the first week of the data still
      // sees the events that follow it; the first missing day after d ends the scan.
      if (j > 0) continue;
      break;
    }
    NoteEvents(*r, j, offsets);
  }
  const MoonDayRecord* r = moon.Fetch(d);
  if (!r) return false;
  DayAttributes a;
  a.phase = PhaseIndex(*r, offsets);
  a.height = HeightIndex(*r, offsets);
  a.distance = DistanceIndex(*r, offsets);
  a.node = NodeIndex(*r, offsets);
  a.sunSign = NoonSign(SunPosition(*r, sternbild));
  a.moonSign = NoonSign(MoonPosition(*r, sternbild));
  a.month = monthIndex;
  a.weekday = weekday;
  a.season = SeasonOfDay(*r);
  *out = a;
  return true;
}

bool ComputeDayAttributes(MoonRecordSource& moon, DayNumber d, bool sternbild, DayAttributes* out) {
  int year = 0, month = 1;
  DateFromDay(d, &year, &month);
  return ComputeDayAttributes(moon, d, month - 1, WeekdayMonday(d), sternbild, out);
}

}  // namespace tw
