// Synthetic moon data for the tests: records with regular event cycles, written to
// temporary Moon.dat files.
#pragma once
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/moon_record.h"
#include "core/bytes.h"

namespace tw::test {

// A fresh empty directory; its path ends with the separator, as the data directory does.
inline std::string MakeTempDir(const std::string& tag) {
  namespace fs = std::filesystem;
  static int counter = 0;
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path p = fs::temp_directory_path() /
               ("tw_" + tag + "_" + std::to_string(stamp) + "_" + std::to_string(++counter));
  fs::create_directories(p);
  std::string s = p.string();
  s += static_cast<char>(fs::path::preferred_separator);
  return s;
}

// Record of day `first + i` with regular cycles: new moon every 30 days (full moon 15
// days later), lowest point every 27 days (highest 13 later), perigee every 28 (apogee 14
// later), kind-1 node every 27 from day 5 (kind 0 13 later). Bytes 8..11 are overwritten
// with the day number when `tagDay` is set, so a test can tell which record it got.
inline MoonDayRecord SyntheticRecord(DayNumber day, bool tagDay) {
  int i = day - kFirstMoonDay;
  MoonDayRecord r = EmptyMoonRecord();
  int p = i % 30;
  r.SetWaxing(p == 0 || p < 15);
  if (p == 0 || p == 15) r.SetEventTime(MoonEvent::Phase, (i * 37) % 1440);
  else r.SetIllumination(p < 15 ? p * 100 / 15 : (30 - p) * 100 / 15);
  int h = i % 27;
  r.SetAscending(h == 0 || h < 13);
  if (h == 0 || h == 13) r.SetEventTime(MoonEvent::Height, (i * 11) % 1440);
  else r.SetHeight(h < 13 ? h * 100 / 13 : (27 - h) * 100 / 14);
  int q = i % 28;
  r.SetApproaching(q >= 14);
  if (q == 0 || q == 14) r.SetEventTime(MoonEvent::Distance, (i * 53) % 1440);
  else r.SetDistance(q < 14 ? q * 100 / 14 : (28 - q) * 100 / 14);
  int n = (i + 22) % 27;
  if (n == 0 || n == 13) {
    r.SetNodeKind(n == 0 ? 1 : 0);
    r.SetEventTime(MoonEvent::Node, (i * 7) % 1440);
  }
  r.SetSunSign((i / 30) % 12);
  r.SetSunConstellation((i / 30 + 1) % 12);
  r.SetMoonSign((i / 2) % 12);
  r.SetMoonConstellation((i / 2 + 11) % 12);
  if (tagDay) PutLE32(&r.bytes[8], static_cast<uint32_t>(day));
  return r;
}

inline std::vector<MoonDayRecord> SyntheticRecords(DayNumber first, int count, bool tagDay) {
  std::vector<MoonDayRecord> v;
  v.reserve(count);
  for (int i = 0; i < count; ++i) v.push_back(SyntheticRecord(first + i, tagDay));
  return v;
}

// Writes `count` records starting at 1 January 1950 to dir + "Moon.dat".
inline bool WriteMoonFile(const std::string& dir, int count, bool tagDay) {
  std::FILE* f = std::fopen((dir + "Moon.dat").c_str(), "wb");
  if (!f) return false;
  bool ok = true;
  for (int i = 0; i < count && ok; ++i) {
    MoonDayRecord r = SyntheticRecord(kFirstMoonDay + i, tagDay);
    ok = std::fwrite(r.bytes.data(), 1, r.bytes.size(), f) == r.bytes.size();
  }
  return std::fclose(f) == 0 && ok;
}

inline DayNumber TaggedDay(const MoonDayRecord& r) { return GetLE32s(&r.bytes[8]); }

}  // namespace tw::test
