// The file check behind --check: the committed file passes, and each kind of damage is
// reported. Also the listing of --dump.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "check.h"
#include "test_support.h"

namespace tw::moondat::test {
namespace {

std::vector<uint8_t> CommittedBytes() {
  std::ifstream in(TW_SOURCE_DIR "/data/Moon.dat", std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

size_t Offset(DayNumber day) { return static_cast<size_t>(day - kFirstMoonDay) * kMoonRecordSize; }

// Whether a check of the damaged bytes reports a problem mentioning `what`.
bool Reports(const std::vector<uint8_t>& bytes, const std::string& what) {
  std::vector<std::string> problems;
  FileCounts counts;
  if (CheckFile(bytes, &problems, &counts)) return false;
  for (const std::string& p : problems) {
    if (p.find(what) != std::string::npos) return true;
  }
  ADD_FAILURE() << "no problem mentions '" << what << "'; first: " << (problems.empty() ? "" : problems[0]);
  return false;
}

// The first day on or after `from` that has / lacks event `e`.
DayNumber FindDay(const std::vector<uint8_t>& bytes, DayNumber from, MoonEvent e, bool with) {
  for (DayNumber d = from; d <= kLastMoonDay; ++d) {
    if (MoonDayRecord::FromBytes(&bytes[Offset(d)]).HasEvent(e) == with) return d;
  }
  return kLastMoonDay;
}

TEST(CheckFile, CommittedFilePassesWithTheCenturysCounts) {
  std::vector<uint8_t> bytes = CommittedBytes();
  std::vector<std::string> problems;
  FileCounts n;
  EXPECT_TRUE(CheckFile(bytes, &problems, &n)) << (problems.empty() ? "" : problems[0]);
  EXPECT_EQ(n.newMoons, 1237);
  EXPECT_EQ(n.fullMoons, 1237);
  EXPECT_EQ(n.sunSignChanges, 1200);
  EXPECT_EQ(n.sunConstellationChanges, 1200);
  EXPECT_EQ(n.seasonStarts, 400);
}

TEST(CheckFile, ReportsEachKindOfDamage) {
  const std::vector<uint8_t> good = CommittedBytes();
  ASSERT_EQ(good.size(), kMoonFileSize);
  DayNumber mid = DayFromDate(2000, 6, 1);

  std::vector<uint8_t> bytes(good.begin(), good.end() - 16);
  EXPECT_TRUE(Reports(bytes, "not 584400"));

  // A moon sign that changes without a change time.
  bytes = good;
  DayNumber d = FindDay(bytes, mid, MoonEvent::MoonSign, false);
  MoonDayRecord r = MoonDayRecord::FromBytes(&bytes[Offset(d)]);
  r.SetMoonSign((r.moonSign() + 1) % 12);
  std::copy(r.bytes.begin(), r.bytes.end(), bytes.begin() + Offset(d));
  EXPECT_TRUE(Reports(bytes, "moon sign changes"));

  // A sun sign change that skips a sign.
  bytes = good;
  d = FindDay(bytes, mid, MoonEvent::SunSign, true);
  for (DayNumber x = d; x < FindDay(bytes, d + 1, MoonEvent::SunSign, true); ++x) {
    r = MoonDayRecord::FromBytes(&bytes[Offset(x)]);
    r.SetSunSign((r.sunSign() + 1) % 12);
    std::copy(r.bytes.begin(), r.bytes.end(), bytes.begin() + Offset(x));
  }
  EXPECT_TRUE(Reports(bytes, "sun sign jumps"));

  // A lost full moon: two new moons follow each other and the count is short.
  bytes = good;
  d = FindDay(bytes, mid, MoonEvent::Phase, true);
  r = MoonDayRecord::FromBytes(&bytes[Offset(d)]);
  r.SetEventTime(MoonEvent::Phase, kNoEvent);
  std::copy(r.bytes.begin(), r.bytes.end(), bytes.begin() + Offset(d));
  EXPECT_TRUE(Reports(bytes, "phase"));
  EXPECT_TRUE(Reports(bytes, "expected 1237"));

  // An event time past the end of the day (high part 5, low byte 0xFF = 1535).
  bytes = good;
  d = FindDay(bytes, mid, MoonEvent::Node, true);
  bytes[Offset(d) + 5] = static_cast<uint8_t>((bytes[Offset(d) + 5] & ~7) | 5);
  bytes[Offset(d) + 13] = 0xFF;
  EXPECT_TRUE(Reports(bytes, "past the day's end"));

  // A season start without the sun's sign change.
  bytes = good;
  d = FindDay(bytes, mid, MoonEvent::Season, false);
  r = MoonDayRecord::FromBytes(&bytes[Offset(d)]);
  r.SetEventTime(MoonEvent::Season, 600);
  std::copy(r.bytes.begin(), r.bytes.end(), bytes.begin() + Offset(d));
  EXPECT_TRUE(Reports(bytes, "season start"));

  // A height magnitude over 100, and a state bit that flips without an event.
  bytes = good;
  d = FindDay(bytes, mid, MoonEvent::Height, false);
  bytes[Offset(d) + 14] = 101;
  EXPECT_TRUE(Reports(bytes, "height 101"));
  bytes = good;
  d = FindDay(bytes, FindDay(bytes, mid, MoonEvent::Distance, true) + 1, MoonEvent::Distance, false);
  bytes[Offset(d)] ^= 0x04;
  EXPECT_TRUE(Reports(bytes, "distance state bit"));
}

TEST(DumpDays, ListsEventsAndMagnitudes) {
  DayNumber day = DayFromDate(2024, 3, 20);
  std::vector<DayValues> days(Day(day), Day(day) + 1);
  char buf[4096] = {};
  std::FILE* f = fmemopen(buf, sizeof buf - 1, "w");
  ASSERT_NE(f, nullptr);
  DumpDays(f, day, days);
  std::fclose(f);
  std::string text(buf);
  // March equinox 2024-03-20 03:06 UT.
  EXPECT_NE(text.find("2024-03-20  04:06   Ari 04:06"), std::string::npos) << text;
  EXPECT_NE(text.find("waxing  80%"), std::string::npos) << text;
}

}  // namespace
}  // namespace tw::moondat::test
