#include "check.h"

#include <cstdarg>

namespace tw::moondat {

namespace {

constexpr const char* kSignAbbrev[12] = {"Ari", "Tau", "Gem", "Cnc", "Leo", "Vir",
                                         "Lib", "Sco", "Sgr", "Cap", "Aqr", "Psc"};

struct Collector {
  std::vector<std::string>* problems;
  size_t max;
  size_t count = 0;
  void Add(DayNumber day, const char* fmt, ...) {
    ++count;
    if (!problems || problems->size() >= max) return;
    int y, m, d;
    DateFromDay(day, &y, &m, &d);
    char head[32], body[200];
    std::snprintf(head, sizeof head, "%04d-%02d-%02d: ", y % 10000, m % 100, d % 100);
    va_list ap;
    va_start(ap, fmt);
    std::vsnprintf(body, sizeof body, fmt, ap);
    va_end(ap);
    problems->push_back(std::string(head) + body);
  }
};

std::string Time(int t) {
  if (t == kNoEvent) return "--:--";
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d:%02d", (t / 60) % 100, t % 60);
  return buf;
}

}  // namespace

bool CheckFile(const std::vector<uint8_t>& bytes, std::vector<std::string>* problems, FileCounts* counts,
               size_t maxProblems) {
  Collector c{problems, maxProblems};
  FileCounts n;
  if (bytes.size() != kMoonFileSize) {
    c.Add(kFirstMoonDay, "file holds %zu bytes, not %zu", bytes.size(), kMoonFileSize);
    if (counts) *counts = n;
    return false;
  }
  struct Nibble {
    MoonEvent event;
    int (MoonDayRecord::*get)() const;
    const char* name;
    int* count;
  };
  const Nibble nibbles[4] = {
      {MoonEvent::SunSign, &MoonDayRecord::sunSign, "sun sign", &n.sunSignChanges},
      {MoonEvent::SunConstellation, &MoonDayRecord::sunConstellation, "sun constellation",
       &n.sunConstellationChanges},
      {MoonEvent::MoonSign, &MoonDayRecord::moonSign, "moon sign", &n.moonSignChanges},
      {MoonEvent::MoonConstellation, &MoonDayRecord::moonConstellation, "moon constellation",
       &n.moonConstellationChanges},
  };
  struct Cycle {
    MoonEvent event;
    bool (MoonDayRecord::*state)() const;
    const char* name;
    int last = -1;  // state set by the last event seen
  };
  auto nodeState = [](const MoonDayRecord& r) { return r.nodeKind() != 0; };
  Cycle cycles[3] = {{MoonEvent::Phase, &MoonDayRecord::waxing, "phase"},
                     {MoonEvent::Height, &MoonDayRecord::ascending, "height"},
                     {MoonEvent::Distance, &MoonDayRecord::approaching, "distance"}};
  int lastNode = -1;

  MoonDayRecord prev;
  for (DayNumber day = kFirstMoonDay; day <= kLastMoonDay; ++day) {
    MoonDayRecord r = MoonDayRecord::FromBytes(&bytes[static_cast<size_t>(day - kFirstMoonDay) * kMoonRecordSize]);
    for (int e = 0; e < kMoonEventCount; ++e) {
      int h = r.EventHigh(static_cast<MoonEvent>(e));
      int t = r.EventTime(static_cast<MoonEvent>(e));
      if (h != 7 && t > 1439) c.Add(day, "event %d at minute %d, past the day's end", e, t);
    }
    for (const Nibble& nb : nibbles) {
      int v = (r.*nb.get)();
      if (v > 11) c.Add(day, "%s %d out of range", nb.name, v);
      if (r.HasEvent(nb.event)) ++*nb.count;
      if (day == kFirstMoonDay) continue;
      int before = (prev.*nb.get)();
      if ((v != before) != r.HasEvent(nb.event)) {
        c.Add(day, "%s changes from %d to %d but the change time says %s", nb.name, before, v,
              r.HasEvent(nb.event) ? "it changes" : "it does not");
      } else if (v != before && v != (before + 1) % 12) {
        c.Add(day, "%s jumps from %d to %d", nb.name, before, v);
      }
    }
    bool seasonDue = r.HasEvent(MoonEvent::SunSign) && r.sunSign() % 3 == 0;
    if (r.HasEvent(MoonEvent::Season)) ++n.seasonStarts;
    if (seasonDue != r.HasEvent(MoonEvent::Season) ||
        (seasonDue && r.seasonTime() != r.sunSignTime())) {
      c.Add(day, "season start does not match the sun's sign change");
    }
    for (Cycle& cy : cycles) {
      int state = (r.*cy.state)() ? 1 : 0;
      if (r.HasEvent(cy.event)) {
        if (state == cy.last) c.Add(day, "two %s events of the same kind in a row", cy.name);
        cy.last = state;
      } else if (cy.last >= 0 && state != cy.last) {
        c.Add(day, "%s state bit differs from the last event's", cy.name);
      }
    }
    if (!r.HasEvent(MoonEvent::Phase) && r.illumination() > 100) c.Add(day, "illumination %d", r.illumination());
    if (!r.HasEvent(MoonEvent::Height) && r.height() > 100) c.Add(day, "height %d", r.height());
    if (!r.HasEvent(MoonEvent::Distance) && r.distance() > 100) c.Add(day, "distance %d", r.distance());
    if (r.HasEvent(MoonEvent::Phase)) ++(r.waxing() ? n.newMoons : n.fullMoons);
    if (r.HasEvent(MoonEvent::Height)) ++n.heightEvents;
    if (r.HasEvent(MoonEvent::Distance)) ++n.distanceEvents;
    if (r.HasEvent(MoonEvent::Node)) {
      ++n.nodeEvents;
      int kind = nodeState(r) ? 1 : 0;
      if (kind == lastNode) c.Add(day, "two node passages of the same kind in a row");
      lastNode = kind;
    }
    prev = r;
  }
  if (n.newMoons != 1237) c.Add(kLastMoonDay, "%d new moons in the century, expected 1237", n.newMoons);
  if (n.fullMoons != 1237) c.Add(kLastMoonDay, "%d full moons in the century, expected 1237", n.fullMoons);
  if (n.sunSignChanges != 1200) c.Add(kLastMoonDay, "%d sun sign changes, expected 1200", n.sunSignChanges);
  if (n.seasonStarts != 400) c.Add(kLastMoonDay, "%d season starts, expected 400", n.seasonStarts);
  if (counts) *counts = n;
  return c.count == 0;
}

void DumpDays(std::FILE* out, DayNumber first, const std::vector<DayValues>& days) {
  std::fprintf(out,
               "date        season  sun sign   sun const  moon sign  moon const phase            "
               "height         distance        node\n");
  for (size_t i = 0; i < days.size(); ++i) {
    const DayValues& v = days[i];
    int y, m, d;
    DateFromDay(first + static_cast<DayNumber>(i), &y, &m, &d);
    auto sign = [&](int s, MoonEvent e) {
      return std::string(kSignAbbrev[s % 12]) + " " + Time(v.time(e));
    };
    char phase[24], height[24], distance[24], node[24];
    if (v.time(MoonEvent::Phase) != kNoEvent)
      std::snprintf(phase, sizeof phase, "%s %s", v.waxing ? "new " : "full", Time(v.time(MoonEvent::Phase)).c_str());
    else
      std::snprintf(phase, sizeof phase, "%s %3d%%", v.waxing ? "waxing" : "waning", v.illumination);
    if (v.time(MoonEvent::Height) != kNoEvent)
      std::snprintf(height, sizeof height, "%s %s", v.ascending ? "lowest " : "highest",
                    Time(v.time(MoonEvent::Height)).c_str());
    else
      std::snprintf(height, sizeof height, "%s %3d", v.ascending ? "rising " : "falling", v.height);
    if (v.time(MoonEvent::Distance) != kNoEvent)
      std::snprintf(distance, sizeof distance, "%s %s", v.approaching ? "apogee " : "perigee",
                    Time(v.time(MoonEvent::Distance)).c_str());
    else
      std::snprintf(distance, sizeof distance, "%s %3d", v.approaching ? "nearing" : "leaving", v.distance);
    if (v.time(MoonEvent::Node) != kNoEvent)
      std::snprintf(node, sizeof node, "%s %s", v.nodeKind ? "asc " : "desc", Time(v.time(MoonEvent::Node)).c_str());
    else
      std::snprintf(node, sizeof node, "-");
    std::fprintf(out, "%04d-%02d-%02d  %-6s  %-9s  %-9s  %-9s  %-9s  %-15s  %-13s  %-14s  %s\n", y % 10000,
                 m % 100, d % 100, Time(v.time(MoonEvent::Season)).c_str(),
                 sign(v.sunSign, MoonEvent::SunSign).c_str(),
                 sign(v.sunConstellation, MoonEvent::SunConstellation).c_str(),
                 sign(v.moonSign, MoonEvent::MoonSign).c_str(),
                 sign(v.moonConstellation, MoonEvent::MoonConstellation).c_str(), phase, height, distance,
                 node);
  }
}

}  // namespace tw::moondat
