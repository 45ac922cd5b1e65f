#include <gtest/gtest.h>

#include <filesystem>

#include "calendar/day_attributes.h"
#include "moon_test_files.h"

namespace tw {
namespace {

// Forty quiet days around a centre day; events are placed by their offset from it
// (positive = days ago, negative = days ahead).
class Days {
 public:
  static constexpr DayNumber kCentre = 146096 + 20;  // 21 January 2000
  Days() : moon_(kCentre - 20, std::vector<MoonDayRecord>(41, EmptyMoonRecord())) {}

  MoonDayRecord& At(int offset) { return moon_.records()[20 - offset]; }
  void Phase(int offset, bool newMoon, int time = 300) {
    At(offset).SetEventTime(MoonEvent::Phase, time);
    At(offset).SetWaxing(newMoon);
  }
  void Height(int offset, bool lowest) {
    At(offset).SetEventTime(MoonEvent::Height, 60);
    At(offset).SetAscending(lowest);
  }
  void Distance(int offset, bool apogee) {
    At(offset).SetEventTime(MoonEvent::Distance, 60);
    At(offset).SetApproaching(apogee);
  }
  void Node(int offset, int kind) {
    At(offset).SetEventTime(MoonEvent::Node, 60);
    At(offset).SetNodeKind(kind);
  }
  DayAttributes Compute(bool sternbild = false) {
    DayAttributes a;
    EXPECT_TRUE(ComputeDayAttributes(moon_, kCentre, sternbild, &a));
    return a;
  }
  MemoryMoonData& moon() { return moon_; }

 private:
  MemoryMoonData moon_;
};

TEST(DayAttributesPhase, CasesAroundNewAndFullMoon) {
  {
    Days days;  // 3 days after new moon, 11 before full moon
    days.Phase(3, true);
    days.Phase(-11, false);
    days.At(0).SetWaxing(true);
    EXPECT_EQ(days.Compute().phase, 3);
  }
  {
    Days days;  // new moon on the day itself, whatever the neighbours say
    days.Phase(0, true, 5 * 60);
    days.Phase(1, false);
    days.Phase(-2, false);
    EXPECT_EQ(days.Compute().phase, 0);
  }
  {
    Days days;
    days.Phase(0, false, 1439);
    days.Phase(-1, true);
    EXPECT_EQ(days.Compute().phase, 16);
  }
  {
    Days days;  // waning, 7 after full moon and 8 before new moon
    days.Phase(7, false);
    days.Phase(-8, true);
    days.At(0).SetWaxing(false);
    EXPECT_EQ(days.Compute().phase, 23);
  }
  {
    Days days;  // waxing with nothing within six days
    days.Phase(8, true);
    days.At(0).SetWaxing(true);
    EXPECT_EQ(days.Compute().phase, 7);
  }
}

TEST(DayAttributesPhase, EveryOffsetMapsToItsIndex) {
  for (int o = 1; o <= 6; ++o) {
    Days a, b, c, d;
    a.Phase(o, true);
    b.Phase(-o, true);
    c.Phase(o, false);
    d.Phase(-o, false);
    EXPECT_EQ(a.Compute().phase, o) << o;
    EXPECT_EQ(b.Compute().phase, 30 - o) << o;
    EXPECT_EQ(c.Compute().phase, 16 + o) << o;
    EXPECT_EQ(d.Compute().phase, 14 - o) << o;
  }
}

TEST(DayAttributesPhase, LaterTableRowWinsAndLaterEventOverwrites) {
  {
    Days days;  // new moon 2 days ago and full moon 5 days ahead: the full moon row wins
    days.Phase(2, true);
    days.Phase(-5, false);
    EXPECT_EQ(days.Compute().phase, 9);
  }
  {
    Days days;  // two new moons seen: the more future one counts
    days.Phase(5, true);
    days.Phase(-2, true);
    EXPECT_EQ(days.Compute().phase, 28);
  }
  {
    Days days;  // an event beyond the eight scanned days is not seen
    days.Phase(-9, true);
    days.At(0).SetWaxing(false);
    EXPECT_EQ(days.Compute().phase, 23);
  }
}

TEST(DayAttributesHeightDistance, TablesAndFallbacks) {
  for (int o = 1; o <= 3; ++o) {
    Days lowPast, lowAhead, highPast, highAhead;
    lowPast.Height(o, true);
    lowAhead.Height(-o, true);
    highPast.Height(o, false);
    highAhead.Height(-o, false);
    EXPECT_EQ(lowPast.Compute().height, o);
    EXPECT_EQ(lowAhead.Compute().height, 16 - o);
    EXPECT_EQ(highPast.Compute().height, 8 + o);
    EXPECT_EQ(highAhead.Compute().height, 8 - o);

    Days periPast, periAhead, apoPast, apoAhead;
    periPast.Distance(o, false);
    periAhead.Distance(-o, false);
    apoPast.Distance(o, true);
    apoAhead.Distance(-o, true);
    EXPECT_EQ(periPast.Compute().distance, o);
    EXPECT_EQ(periAhead.Compute().distance, 16 - o);
    EXPECT_EQ(apoPast.Compute().distance, 8 + o);
    EXPECT_EQ(apoAhead.Compute().distance, 8 - o);
  }
  Days onDay;
  onDay.Height(0, true);
  onDay.Distance(0, true);
  DayAttributes a = onDay.Compute();
  EXPECT_EQ(a.height, 0);
  EXPECT_EQ(a.distance, 8);
  Days onDay2;
  onDay2.Height(0, false);
  onDay2.Distance(0, false);
  a = onDay2.Compute();
  EXPECT_EQ(a.height, 8);
  EXPECT_EQ(a.distance, 0);

  Days steady;
  steady.Height(4, true);  // four days is too far for height and distance
  steady.Distance(-4, false);
  steady.At(0).SetAscending(true);
  steady.At(0).SetApproaching(true);
  a = steady.Compute();
  EXPECT_EQ(a.height, 4);
  EXPECT_EQ(a.distance, 12);
  steady.At(0).SetAscending(false);
  steady.At(0).SetApproaching(false);
  a = steady.Compute();
  EXPECT_EQ(a.height, 12);
  EXPECT_EQ(a.distance, 4);
}

TEST(DayAttributesNode, TableOnDayAndFallback) {
  for (int o = 1; o <= 3; ++o) {
    Days k1Ahead, k1Past, k0Ahead, k0Past;
    k1Ahead.Node(-o, 1);
    k1Past.Node(o, 1);
    k0Ahead.Node(-o, 0);
    k0Past.Node(o, 0);
    EXPECT_EQ(k1Ahead.Compute().node, 3 - o);
    EXPECT_EQ(k1Past.Compute().node, 3 + o);
    EXPECT_EQ(k0Ahead.Compute().node, 10 - o);
    EXPECT_EQ(k0Past.Compute().node, 10 + o);
  }
  Days on1, on0, none;
  on1.Node(0, 1);
  on1.Node(-1, 0);
  on0.Node(0, 0);
  none.Node(4, 1);
  none.Node(-5, 0);
  EXPECT_EQ(on1.Compute().node, 3);
  EXPECT_EQ(on0.Compute().node, 10);
  EXPECT_EQ(none.Compute().node, 14);
  Days both;  // kind 1 two days ago, kind 0 one day ahead: the kind-0 row wins
  both.Node(2, 1);
  both.Node(-1, 0);
  EXPECT_EQ(both.Compute().node, 9);
}

TEST(DayAttributesSigns, NoonRuleAndSternbild) {
  Days days;
  MoonDayRecord& r = days.At(0);
  r.SetMoonSign(1);  // enters Taurus at 12:00
  r.SetEventTime(MoonEvent::MoonSign, 720);
  r.SetSunSign(0);  // enters Aries at 18:00
  r.SetEventTime(MoonEvent::SunSign, 18 * 60);
  DayAttributes a = days.Compute();
  EXPECT_EQ(a.moonSign, 1);
  EXPECT_EQ(a.sunSign, 11);
  EXPECT_EQ(a.season, 0);  // the season takes the sun sign as it stands
  r.SetEventTime(MoonEvent::MoonSign, 721);
  EXPECT_EQ(days.Compute().moonSign, 0);

  r.SetSunConstellation(10);
  r.SetMoonConstellation(4);
  r.SetEventTime(MoonEvent::MoonConstellation, 800);
  a = days.Compute(true);
  EXPECT_EQ(a.sunSign, 10);   // no constellation change today; the sign change is ignored
  EXPECT_EQ(a.moonSign, 3);   // constellation change after noon
  EXPECT_EQ(a.season, 0);     // still from the sun sign, not the constellation
}

TEST(DayAttributesCalendar, MonthAndWeekdayOfTheDay) {
  Days days;
  DayAttributes a = days.Compute();
  EXPECT_EQ(a.month, 0);    // January
  EXPECT_EQ(a.weekday, 4);  // 21 January 2000 is a Friday
  // The explicit form passes them through unchanged.
  ASSERT_TRUE(ComputeDayAttributes(days.moon(), Days::kCentre, 6, 2, false, &a));
  EXPECT_EQ(a.month, 6);
  EXPECT_EQ(a.weekday, 2);
}

TEST(DayAttributesScan, CentreDayIsFetchedLastAndMustHaveARecord) {
  Days days;
  DayAttributes a;
  ASSERT_TRUE(ComputeDayAttributes(days.moon(), Days::kCentre, false, &a));
  EXPECT_EQ(days.moon().LastFetched(), Days::kCentre);
  DayAttributes untouched;
  untouched.phase = 99;
  EXPECT_FALSE(ComputeDayAttributes(days.moon(), Days::kCentre + 21, false, &untouched));
  EXPECT_EQ(untouched.phase, 99);
}

TEST(DayAttributesScan, EdgesOfTheData) {
  // Data starting at the centre's second day before: events after the centre still count.
  {
    std::vector<MoonDayRecord> recs(12, EmptyMoonRecord());
    recs[2 + 3].SetEventTime(MoonEvent::Phase, 100);  // full moon 3 days ahead
    recs[2 + 3].SetWaxing(false);
    recs[0].SetEventTime(MoonEvent::Height, 100);  // lowest point 2 days ago
    recs[0].SetAscending(true);
    MemoryMoonData moon(kFirstMoonDay, recs);
    DayAttributes a;
    ASSERT_TRUE(ComputeDayAttributes(moon, kFirstMoonDay + 2, false, &a));
    EXPECT_EQ(a.phase, 11);
    EXPECT_EQ(a.height, 2);
  }
  // Data ending two days after the centre: a perigee 1 day ahead is seen; on the last
  // day of the data the scan ends after it and the perigee one day ago still counts.
  {
    std::vector<MoonDayRecord> recs(12, EmptyMoonRecord());
    recs[10].SetEventTime(MoonEvent::Distance, 100);  // 30 December 2049
    recs[10].SetApproaching(false);
    recs[4].SetEventTime(MoonEvent::Node, 100);  // kind-1 node 4 days before the first centre
    recs[4].SetNodeKind(1);
    MemoryMoonData moon(kLastMoonDay - 11, recs);
    DayAttributes a;
    ASSERT_TRUE(ComputeDayAttributes(moon, kLastMoonDay - 2, false, &a));
    EXPECT_EQ(a.distance, 15);
    EXPECT_EQ(a.node, 14);
    ASSERT_TRUE(ComputeDayAttributes(moon, kLastMoonDay, false, &a));  // 31 December 2049
    EXPECT_EQ(a.distance, 1);
  }
}

// The file reader refills its window in the middle of a scan near window edges; the
// attributes must come out as from records held in memory.
TEST(DayAttributesScan, FileReaderAgreesWithMemoryAcrossWindowRefills) {
  std::string dir = test::MakeTempDir("attrfile");
  ASSERT_TRUE(test::WriteMoonFile(dir, kMoonFileRecords, false));
  RecordingSink sink;
  MoonData file(sink);
  ASSERT_TRUE(file.Open(dir));
  MemoryMoonData memory(kFirstMoonDay, test::SyntheticRecords(kFirstMoonDay, kMoonFileRecords, false));
  int seen[30] = {};
  for (DayNumber d = kFirstMoonDay; d <= kLastMoonDay; d += (d % 4096 < 40 ? 1 : 331)) {
    DayAttributes fromFile, fromMemory;
    ASSERT_TRUE(ComputeDayAttributes(file, d, false, &fromFile)) << d;
    ASSERT_TRUE(ComputeDayAttributes(memory, d, false, &fromMemory)) << d;
    ASSERT_EQ(fromFile, fromMemory) << d;
    ++seen[fromFile.phase];
  }
  // A stretch of consecutive days walks through the whole phase cycle.
  DayNumber from = DayFromDate(1990, 5, 1);
  for (DayNumber d = from; d < from + 30; ++d) {
    DayAttributes a;
    ASSERT_TRUE(ComputeDayAttributes(file, d, false, &a));
    ++seen[a.phase];
  }
  for (int p = 0; p < 30; ++p) {
    if (p == 14 || p == 15) EXPECT_EQ(seen[p], 0);
    else EXPECT_GT(seen[p], 0) << p;
  }
  EXPECT_TRUE(sink.entries.empty());
  file.Close();  // Windows deletes no open file
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tw
