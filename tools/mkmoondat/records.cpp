#include "records.h"

#include <cmath>
#include <cstdio>

namespace tw::moondat {

namespace {

constexpr MoonEvent kRecordField[kEventKindCount] = {
    MoonEvent::MoonSign, MoonEvent::MoonConstellation, MoonEvent::SunSign, MoonEvent::SunConstellation,
    MoonEvent::Phase,    MoonEvent::Height,            MoonEvent::Distance, MoonEvent::Node,
};

constexpr const char* kKindName[kEventKindCount] = {
    "moon sign", "moon constellation", "sun sign", "sun constellation",
    "phase",     "height",             "distance", "node",
};

int Percent(double fraction) {
  int v = static_cast<int>(std::floor(fraction * 100.0 + 0.5));
  return v < 0 ? 0 : (v > 100 ? 100 : v);
}

std::string DateText(DayNumber day) {
  int y, m, d;
  DateFromDay(day, &y, &m, &d);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y % 10000, m % 100, d % 100);
  return buf;
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Position of a magnitude between the extremes on either side of `jd`, 0 at the lower one.
bool Scaled(const std::vector<Event>& extremes, size_t* cursor, double jd, double value, int* out) {
  size_t& q = *cursor;
  while (q < extremes.size() && extremes[q].jd <= jd) ++q;
  if (q == 0 || q >= extremes.size()) return false;
  double a = extremes[q - 1].level, b = extremes[q].level;
  double lo = a < b ? a : b, hi = a < b ? b : a;
  *out = hi > lo ? Percent((value - lo) / (hi - lo)) : 0;
  return true;
}

}  // namespace

MoonDayRecord EncodeDay(const DayValues& v) {
  MoonDayRecord r = EmptyMoonRecord();
  r.SetWaxing(v.waxing);
  r.SetAscending(v.ascending);
  r.SetApproaching(v.approaching);
  r.SetNodeKind(v.nodeKind);
  r.SetSunSign(v.sunSign);
  r.SetSunConstellation(v.sunConstellation);
  r.SetMoonSign(v.moonSign);
  r.SetMoonConstellation(v.moonConstellation);
  for (int e = 0; e < kMoonEventCount; ++e) r.SetEventTime(static_cast<MoonEvent>(e), v.times[e]);
  // The magnitudes share their byte with the time of their event.
  if (v.time(MoonEvent::Phase) == kNoEvent) r.SetIllumination(v.illumination);
  if (v.time(MoonEvent::Height) == kNoEvent) r.SetHeight(v.height);
  if (v.time(MoonEvent::Distance) == kNoEvent) r.SetDistance(v.distance);
  return r;
}

DayValues DecodeDay(const MoonDayRecord& r) {
  DayValues v;
  v.waxing = r.waxing();
  v.ascending = r.ascending();
  v.approaching = r.approaching();
  v.nodeKind = r.nodeKind();
  v.sunSign = r.sunSign();
  v.sunConstellation = r.sunConstellation();
  v.moonSign = r.moonSign();
  v.moonConstellation = r.moonConstellation();
  for (int e = 0; e < kMoonEventCount; ++e) v.times[e] = r.EventTime(static_cast<MoonEvent>(e));
  v.illumination = r.HasEvent(MoonEvent::Phase) ? 0 : r.illumination();
  v.height = r.HasEvent(MoonEvent::Height) ? 0 : r.height();
  v.distance = r.HasEvent(MoonEvent::Distance) ? 0 : r.distance();
  return v;
}

LocalClock::LocalClock(int utcOffsetMinutes) : base_(kScanAnchor - utcOffsetMinutes / 1440.0) {}

double LocalClock::Midnight(DayNumber day) const { return base_ + (day - kFirstMoonDay); }

int64_t LocalClock::RoundedMinute(double jd) const {
  return static_cast<int64_t>(std::floor((jd - base_) * 1440.0 + 0.5));
}

DayNumber LocalClock::DayOf(int64_t minute) {
  return static_cast<DayNumber>(kFirstMoonDay + FloorDiv(minute, 1440));
}

int LocalClock::MinuteOfDay(int64_t minute) {
  return static_cast<int>(minute - FloorDiv(minute, 1440) * 1440);
}

bool BuildDays(Ephemeris& eph, const EventLists& events, const LocalClock& clock, DayNumber first,
               DayNumber last, std::vector<DayValues>* out, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  out->assign(static_cast<size_t>(last - first + 1), DayValues{});

  for (int k = 0; k < kEventKindCount; ++k) {
    const std::vector<Event>& list = events[k];
    int field = static_cast<int>(kRecordField[k]);
    size_t next = 0;
    int state = -1;
    for (DayNumber day = first; day <= last; ++day) {
      DayValues& v = (*out)[day - first];
      // Events up to the end of this day, in time order; the last one sets the state.
      while (next < list.size()) {
        int64_t minute = clock.RoundedMinute(list[next].jd);
        DayNumber evDay = LocalClock::DayOf(minute);
        if (evDay > day) break;
        if (evDay == day) {
          if (v.times[field] != kNoEvent) {
            return fail("two " + std::string(kKindName[k]) + " events on " + DateText(day) +
                        "; a day record holds only one");
          }
          v.times[field] = LocalClock::MinuteOfDay(minute);
          if (k == static_cast<int>(EventKind::SunSign) && list[next].value % 3 == 0) {
            v.times[static_cast<int>(MoonEvent::Season)] = v.times[field];
          }
        }
        state = list[next].value;
        ++next;
      }
      if (state < 0) {
        return fail("no " + std::string(kKindName[k]) + " event before " + DateText(day) +
                    ": the scan started too late");
      }
      switch (static_cast<EventKind>(k)) {
        case EventKind::MoonSign: v.moonSign = state; break;
        case EventKind::MoonConstellation: v.moonConstellation = state; break;
        case EventKind::SunSign: v.sunSign = state; break;
        case EventKind::SunConstellation: v.sunConstellation = state; break;
        case EventKind::Phase: v.waxing = state != 0; break;
        case EventKind::Height: v.ascending = state != 0; break;
        case EventKind::Distance: v.approaching = state != 0; break;
        case EventKind::Node: v.nodeKind = state; break;
      }
    }
  }

  size_t heightCursor = 0, distanceCursor = 0;
  const auto& heights = events[static_cast<int>(EventKind::Height)];
  const auto& distances = events[static_cast<int>(EventKind::Distance)];
  for (DayNumber day = first; day <= last; ++day) {
    DayValues& v = (*out)[day - first];
    double noon = clock.Midnight(day) + 0.5;
    if (v.time(MoonEvent::Phase) == kNoEvent) v.illumination = Percent(eph.MoonIlluminatedFraction(noon));
    if (v.time(MoonEvent::Height) == kNoEvent &&
        !Scaled(heights, &heightCursor, noon, eph.MoonDeclination(noon), &v.height)) {
      return fail("no height extremes around " + DateText(day));
    }
    if (v.time(MoonEvent::Distance) == kNoEvent &&
        !Scaled(distances, &distanceCursor, noon, eph.MoonDistance(noon), &v.distance)) {
      return fail("no distance extremes around " + DateText(day));
    }
  }
  if (eph.failed()) return fail(eph.error());
  return true;
}

bool GenerateDays(Ephemeris& eph, const GenerateOptions& options, DayNumber first, DayNumber last,
                  std::vector<DayValues>* out, std::string* error) {
  LocalClock clock(options.utcOffsetMinutes);
  EventLists events;
  double from = clock.Midnight(first) - kScanMargin, to = clock.Midnight(last + 1) + kScanMargin;
  bool found = options.threads > 1
                   ? FindEventsInParallel(options.ephePath, from, to, options.threads, &events, error)
                   : FindEvents(eph, from, to, &events, error);
  if (!found) {
    return false;
  }
  return BuildDays(eph, events, clock, first, last, out, error);
}

bool GenerateFile(Ephemeris& eph, const GenerateOptions& options, std::vector<uint8_t>* bytes,
                  std::string* error) {
  std::vector<DayValues> days;
  if (!GenerateDays(eph, options, kFirstMoonDay, kLastMoonDay, &days, error)) return false;
  bytes->clear();
  bytes->reserve(days.size() * kMoonRecordSize);
  for (const DayValues& v : days) {
    MoonDayRecord r = EncodeDay(v);
    bytes->insert(bytes->end(), r.bytes.begin(), r.bytes.end());
  }
  return true;
}

}  // namespace tw::moondat
