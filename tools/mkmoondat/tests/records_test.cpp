// Day records from events: encoding through the shared codec, local minutes and day
// assignment, one event of a kind per day, noon magnitudes, and agreement with the
// committed data file.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>

#include "test_support.h"

namespace tw::moondat::test {
namespace {

TEST(DayEncoding, GeneratedYearDecodesToWhatWasGenerated) {
  const auto& days = YearDays(2024);
  ASSERT_EQ(days.size(), 366u);
  std::set<int> seasonHighParts;
  int eventDays[kMoonEventCount] = {};
  for (const DayValues& v : days) {
    MoonDayRecord r = EncodeDay(v);
    EXPECT_EQ(DecodeDay(r), v);
    for (int e = 0; e < kMoonEventCount; ++e) eventDays[e] += v.times[e] != kNoEvent;
    if (r.HasEvent(MoonEvent::Season)) seasonHighParts.insert(r.EventHigh(MoonEvent::Season));
  }
  for (int e = 0; e < kMoonEventCount; ++e) EXPECT_GT(eventDays[e], 0) << "event " << e;
  EXPECT_EQ(eventDays[static_cast<int>(MoonEvent::Season)], 4);
  // 2024's June solstice at 21:51 MEZ needs the season's split high bit 2.
  EXPECT_TRUE(seasonHighParts.count(5)) << "no season start late enough to use the split bits";
}

TEST(DayEncoding, ExtremeValuesSurviveAndLandInTheirBytes) {
  DayValues v;
  v.waxing = v.ascending = v.approaching = true;
  v.nodeKind = 1;
  v.sunSign = 11, v.sunConstellation = 10, v.moonSign = 9, v.moonConstellation = 8;
  for (int e = 0; e < kMoonEventCount; ++e) v.times[e] = 1439 - e;
  MoonDayRecord r = EncodeDay(v);
  EXPECT_EQ(DecodeDay(r), v);
  EXPECT_EQ(r.bytes[0], 0x0F);
  EXPECT_EQ(r.bytes[1], 0xBA);
  EXPECT_EQ(r.bytes[2], 0x98);
  EXPECT_EQ(r.bytes[7], 1439 % 256);   // season low byte
  EXPECT_EQ(r.bytes[12], 1434 % 256);  // phase low byte

  DayValues quiet;
  quiet.times[static_cast<int>(MoonEvent::Season)] = 1324;  // 22:04
  quiet.illumination = 100, quiet.height = 0, quiet.distance = 57;
  r = EncodeDay(quiet);
  EXPECT_EQ(DecodeDay(r), quiet);
  EXPECT_EQ(r.bytes[5] & 0x40, 0x40);
  EXPECT_EQ(r.bytes[6] & 0xC0, 0x40);
  EXPECT_EQ(r.bytes[7], 0x2C);
  EXPECT_EQ(r.bytes[12], 100);
  EXPECT_EQ(r.bytes[14], 0);
  EXPECT_EQ(r.bytes[15], 57);
  for (MoonEvent e : {MoonEvent::Phase, MoonEvent::Height, MoonEvent::Distance, MoonEvent::Node})
    EXPECT_FALSE(r.HasEvent(e));
}

TEST(LocalClock, RoundsToTheMinuteBeforeChoosingTheDay) {
  LocalClock clock(60);
  DayNumber day = DayFromDate(2024, 1, 31);
  double midnight = clock.Midnight(day);
  auto at = [&](int h, int m, double s) { return midnight + (h * 3600 + m * 60 + s) / 86400.0; };

  int64_t m = clock.RoundedMinute(at(23, 59, 40));
  EXPECT_EQ(LocalClock::DayOf(m), day + 1);
  EXPECT_EQ(LocalClock::MinuteOfDay(m), 0);
  m = clock.RoundedMinute(at(23, 59, 29));
  EXPECT_EQ(LocalClock::DayOf(m), day);
  EXPECT_EQ(LocalClock::MinuteOfDay(m), 1439);
  m = clock.RoundedMinute(at(0, 0, 29));
  EXPECT_EQ(LocalClock::DayOf(m), day);
  EXPECT_EQ(LocalClock::MinuteOfDay(m), 0);
  m = clock.RoundedMinute(at(0, 0, -31));
  EXPECT_EQ(LocalClock::DayOf(m), day - 1);
  EXPECT_EQ(LocalClock::MinuteOfDay(m), 1439);
  // Days before the data's first day count backwards without a break.
  m = LocalClock(60).RoundedMinute(LocalClock(60).Midnight(kFirstMoonDay) - 0.75);
  EXPECT_EQ(LocalClock::DayOf(m), kFirstMoonDay - 1);
  EXPECT_EQ(LocalClock::MinuteOfDay(m), 360);
}

TEST(LocalClock, OffsetMovesLocalMidnightAndEventTimes) {
  DayNumber day = DayFromDate(2024, 1, 11);
  EXPECT_NEAR(LocalClock(0).Midnight(day) - LocalClock(60).Midnight(day), 1.0 / 24, 1e-9);
  // New moon 2024-01-11 11:57 UT.
  GenerateOptions utc;
  utc.utcOffsetMinutes = 0;
  std::vector<DayValues> days;
  std::string error;
  ASSERT_TRUE(GenerateDays(SharedEphemeris(), utc, day, day, &days, &error)) << error;
  EXPECT_EQ(days[0].time(MoonEvent::Phase), 11 * 60 + 57);
  EXPECT_EQ(Day(day)->time(MoonEvent::Phase), 12 * 60 + 57);
  // New moon 2024-05-08 03:22 UT is 7 May at 23:22 in UTC-4.
  GenerateOptions west;
  west.utcOffsetMinutes = -240;
  DayNumber may7 = DayFromDate(2024, 5, 7);
  ASSERT_TRUE(GenerateDays(SharedEphemeris(), west, may7, may7 + 1, &days, &error)) << error;
  EXPECT_EQ(days[0].time(MoonEvent::Phase), 23 * 60 + 22);
  EXPECT_TRUE(days[0].waxing);
  EXPECT_EQ(days[1].time(MoonEvent::Phase), kNoEvent);
}

// Events of every kind long before `first`, and height and distance extremes around it.
EventLists QuietEvents(const LocalClock& clock, DayNumber first) {
  EventLists ev;
  double before = clock.Midnight(first) - 5, after = clock.Midnight(first) + 6;
  for (int k = 0; k < kEventKindCount; ++k) ev[k].push_back({static_cast<EventKind>(k), before, 0, 0});
  ev[static_cast<int>(EventKind::Height)] = {{EventKind::Height, before, 1, -30.0},
                                             {EventKind::Height, after, 0, 30.0}};
  ev[static_cast<int>(EventKind::Distance)] = {{EventKind::Distance, before, 0, 0.0023},
                                               {EventKind::Distance, after, 1, 0.0028}};
  return ev;
}

TEST(BuildDays, OneEventOfAKindPerDayOrFailure) {
  LocalClock clock(60);
  DayNumber day = DayFromDate(2024, 1, 10);
  EventLists ev = QuietEvents(clock, day);
  auto& phases = ev[static_cast<int>(EventKind::Phase)];
  phases.push_back({EventKind::Phase, clock.Midnight(day) + 10.0 / 24, 1, 0});
  std::vector<DayValues> days;
  std::string error;
  ASSERT_TRUE(BuildDays(SharedEphemeris(), ev, clock, day, day + 1, &days, &error)) << error;
  EXPECT_EQ(days[0].time(MoonEvent::Phase), 600);
  EXPECT_TRUE(days[0].waxing);
  EXPECT_TRUE(days[1].waxing) << "state carries over from the last event";
  EXPECT_EQ(days[1].time(MoonEvent::Phase), kNoEvent);

  phases.push_back({EventKind::Phase, clock.Midnight(day) + 20.0 / 24, 0, 0});
  EXPECT_FALSE(BuildDays(SharedEphemeris(), ev, clock, day, day + 1, &days, &error));
  EXPECT_NE(error.find("two phase events on 2024-01-10"), std::string::npos) << error;

  // Two events that only the rounding puts on one day fail as well.
  phases.back().jd = clock.Midnight(day + 1) - 20.0 / 86400;
  phases.push_back({EventKind::Phase, clock.Midnight(day + 1) + 10.0 / 24, 1, 0});
  EXPECT_FALSE(BuildDays(SharedEphemeris(), ev, clock, day, day + 1, &days, &error));
  EXPECT_NE(error.find("two phase events on 2024-01-11"), std::string::npos) << error;
}

TEST(BuildDays, FailsWithoutAnEarlierEventOrSurroundingExtremes) {
  LocalClock clock(60);
  DayNumber day = DayFromDate(2024, 1, 10);
  std::vector<DayValues> days;
  std::string error;
  EventLists ev = QuietEvents(clock, day);
  ev[static_cast<int>(EventKind::Node)].clear();
  EXPECT_FALSE(BuildDays(SharedEphemeris(), ev, clock, day, day, &days, &error));
  EXPECT_NE(error.find("no node event before"), std::string::npos) << error;

  ev = QuietEvents(clock, day);
  ev[static_cast<int>(EventKind::Distance)].pop_back();
  EXPECT_FALSE(BuildDays(SharedEphemeris(), ev, clock, day, day, &days, &error));
  EXPECT_NE(error.find("no distance extremes"), std::string::npos) << error;
}

TEST(BuildDays, NoonMagnitudesScaleBetweenTheSurroundingExtremes) {
  LocalClock clock(60);
  Ephemeris& eph = SharedEphemeris();
  DayNumber day = DayFromDate(2024, 1, 10);
  double noon = clock.Midnight(day) + 0.5;
  EventLists ev = QuietEvents(clock, day);
  std::vector<DayValues> days;
  std::string error;
  ASSERT_TRUE(BuildDays(eph, ev, clock, day, day, &days, &error)) << error;
  double dec = eph.MoonDeclination(noon);
  EXPECT_EQ(days[0].height, static_cast<int>(std::floor((dec + 30.0) / 60.0 * 100 + 0.5)));
  EXPECT_EQ(days[0].distance,
            static_cast<int>(std::floor((eph.MoonDistance(noon) - 0.0023) / 0.0005 * 100 + 0.5)));
  EXPECT_EQ(days[0].illumination, static_cast<int>(std::floor(eph.MoonIlluminatedFraction(noon) * 100 + 0.5)));

  // Extremes the noon value lies outside of clamp to 0 and 100.
  ev[static_cast<int>(EventKind::Height)][0].level = dec + 1;
  ev[static_cast<int>(EventKind::Height)][1].level = dec + 2;
  ev[static_cast<int>(EventKind::Distance)][1].level = 0.0023 + 1e-9;
  ASSERT_TRUE(BuildDays(eph, ev, clock, day, day, &days, &error)) << error;
  EXPECT_EQ(days[0].height, 0);
  EXPECT_EQ(days[0].distance, 100);
}

TEST(BuildDays, RealYearHasMagnitudesWithinTheirRangeAndFullSwings) {
  int minHeight = 100, maxHeight = 0, minDistance = 100, maxDistance = 0;
  for (const DayValues& v : YearDays(2024)) {
    if (v.time(MoonEvent::Height) == kNoEvent) {
      minHeight = std::min(minHeight, v.height), maxHeight = std::max(maxHeight, v.height);
    }
    if (v.time(MoonEvent::Distance) == kNoEvent) {
      minDistance = std::min(minDistance, v.distance), maxDistance = std::max(maxDistance, v.distance);
    }
    EXPECT_LE(v.illumination, 100);
  }
  EXPECT_LE(minHeight, 3);
  EXPECT_GE(maxHeight, 97);
  EXPECT_LE(minDistance, 3);
  EXPECT_GE(maxDistance, 97);
}

// The committed file must be what this generator makes; generating single years also shows
// that the anchored sample lattice gives a part of the century exactly as the whole.
TEST(CommittedFile, EqualsGeneratedYears) {
  std::ifstream in(TW_SOURCE_DIR "/data/Moon.dat", std::ios::binary);
  ASSERT_TRUE(in) << "data/Moon.dat missing";
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 584400u);
  for (int year : {1950, 2024, 2049}) {
    const auto& days = YearDays(year);
    DayNumber first = DayFromDate(year, 1, 1);
    for (size_t i = 0; i < days.size(); ++i) {
      size_t at = static_cast<size_t>(first - kFirstMoonDay + static_cast<DayNumber>(i)) * kMoonRecordSize;
      MoonDayRecord r = EncodeDay(days[i]);
      ASSERT_TRUE(std::equal(r.bytes.begin(), r.bytes.end(), bytes.begin() + at))
          << "record of " << year << " day " << i << " differs";
    }
  }
}

}  // namespace
}  // namespace tw::moondat::test
