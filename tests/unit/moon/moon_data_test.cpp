#include <gtest/gtest.h>

#include <filesystem>

#include "calendar/moon_data.h"
#include "calendar/moon_messages.h"
#include "moon_test_files.h"

namespace tw {
namespace {

using test::MakeTempDir;
using test::TaggedDay;
using test::WriteMoonFile;

// One full-size file shared by the tests that only read it.
class MoonDataFull : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new std::string(MakeTempDir("moonfull"));
    ASSERT_TRUE(WriteMoonFile(*dir_, kMoonFileRecords, true));
  }
  static void TearDownTestSuite() {
    std::filesystem::remove_all(*dir_);
    delete dir_;
  }
  static std::string* dir_;
  RecordingSink sink;
  MoonData moon{sink};
};
std::string* MoonDataFull::dir_ = nullptr;

TEST_F(MoonDataFull, DaysOutsideTheDataHaveNoRecordAndNoMessage) {
  ASSERT_TRUE(moon.Open(*dir_));
  EXPECT_EQ(moon.Fetch(kFirstMoonDay - 1), nullptr);  // 31 December 1949
  EXPECT_EQ(moon.Fetch(kLastMoonDay + 1), nullptr);
  EXPECT_EQ(moon.Fetch(-5), nullptr);
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_EQ(moon.windowFirst(), -1);  // nothing was read for them
  EXPECT_EQ(moon.LastFetched(), -1);
  EXPECT_TRUE(moon.IsOpen());
}

TEST_F(MoonDataFull, WindowIsClampedAtBothEndsOfTheData) {
  ASSERT_TRUE(moon.Open(*dir_));
  const MoonDayRecord* r = moon.Fetch(kFirstMoonDay);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(TaggedDay(*r), kFirstMoonDay);
  EXPECT_EQ(moon.windowFirst(), 127834);
  EXPECT_EQ(moon.windowLast(), 131929);

  r = moon.Fetch(kLastMoonDay);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(TaggedDay(*r), kLastMoonDay);
  EXPECT_EQ(moon.windowFirst(), 160263);
  EXPECT_EQ(moon.windowLast(), 164358);

  // Days whose centred window would just leave the data are clamped; their
  // neighbours inwards are centred.
  ASSERT_NE(moon.Fetch(kFirstMoonDay + 2047), nullptr);
  EXPECT_EQ(moon.windowFirst(), kFirstMoonDay);
  ASSERT_NE(moon.Fetch(kLastMoonDay - 2046), nullptr);
  EXPECT_EQ(moon.windowFirst(), 160263);
  ASSERT_NE(moon.Fetch(kLastMoonDay - 4096), nullptr);
  EXPECT_EQ(moon.windowFirst(), kLastMoonDay - 4096 - 2048);
  EXPECT_EQ(moon.windowLast(), kLastMoonDay - 4096 + 2047);
  EXPECT_TRUE(sink.entries.empty());
}

TEST_F(MoonDataFull, WindowIsCentredOnTheRequestedDay) {
  ASSERT_TRUE(moon.Open(*dir_));
  DayNumber d = DayFromDate(2000, 6, 15);
  const MoonDayRecord* r = moon.Fetch(d);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(TaggedDay(*r), d);
  EXPECT_EQ(moon.windowFirst(), d - 2048);
  EXPECT_EQ(moon.windowLast(), d + 2047);

  // Days inside the window are served from it, in place.
  const MoonDayRecord* first = moon.Fetch(d - 2048);
  const MoonDayRecord* last = moon.Fetch(d + 2047);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last - first, 4095);
  EXPECT_EQ(TaggedDay(*first), d - 2048);
  EXPECT_EQ(TaggedDay(*last), d + 2047);
  EXPECT_EQ(moon.windowFirst(), d - 2048);

  // One past the window refills it around the new day.
  r = moon.Fetch(d + 2048);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(TaggedDay(*r), d + 2048);
  EXPECT_EQ(moon.windowFirst(), d);
}

TEST_F(MoonDataFull, EveryDayReadsItsOwnRecordAcrossRefills) {
  ASSERT_TRUE(moon.Open(*dir_));
  for (DayNumber d = kFirstMoonDay; d <= kLastMoonDay; d += 97) {
    const MoonDayRecord* r = moon.Fetch(d);
    ASSERT_NE(r, nullptr) << d;
    ASSERT_EQ(TaggedDay(*r), d);
  }
  // Backwards too, so windows are left on both sides.
  for (DayNumber d = kLastMoonDay; d >= kFirstMoonDay; d -= 1013) {
    const MoonDayRecord* r = moon.Fetch(d);
    ASSERT_NE(r, nullptr) << d;
    ASSERT_EQ(TaggedDay(*r), d);
  }
  MoonDayRecord expect = test::SyntheticRecord(DayFromDate(1987, 3, 1), true);
  EXPECT_EQ(moon.Fetch(DayFromDate(1987, 3, 1))->bytes, expect.bytes);
}

TEST_F(MoonDataFull, DayFetchedLastFollowsSuccessfulFetchesOnly) {
  ASSERT_TRUE(moon.Open(*dir_));
  EXPECT_EQ(moon.LastFetched(), -1);
  moon.Fetch(140000);
  EXPECT_EQ(moon.LastFetched(), 140000);
  moon.Fetch(140001);  // inside the window
  EXPECT_EQ(moon.LastFetched(), 140001);
  moon.Fetch(kLastMoonDay + 1);
  EXPECT_EQ(moon.LastFetched(), 140001);
}

TEST_F(MoonDataFull, ClosedStoreFetchesNothingAndCanBeReopened) {
  EXPECT_EQ(moon.Fetch(140000), nullptr);  // never opened
  ASSERT_TRUE(moon.Open(*dir_));
  ASSERT_NE(moon.Fetch(140000), nullptr);
  moon.Close();
  EXPECT_FALSE(moon.IsOpen());
  EXPECT_EQ(moon.windowFirst(), -1);
  EXPECT_EQ(moon.Fetch(140000), nullptr);
  moon.Close();  // twice is harmless
  ASSERT_TRUE(moon.Open(*dir_));
  EXPECT_NE(moon.Fetch(140000), nullptr);
  EXPECT_TRUE(sink.entries.empty());
}

// A file of its own per test, `records` long (-1: none at all).
class MoonDataFile : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(dir); }
  bool Open(int records) {
    if (records >= 0 && !WriteMoonFile(dir, records, true)) return false;
    return moon.Open(dir);
  }
  std::string dir = MakeTempDir("moonfile");
  RecordingSink sink;
  MoonData moon{sink};
};

TEST_F(MoonDataFile, MissingFileShowsItsFullPath) {
  EXPECT_FALSE(Open(-1));
  EXPECT_FALSE(moon.IsOpen());
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgMoonFileMissing);
  EXPECT_EQ(sink.entries[0].type, kMsgError);
  ASSERT_EQ(sink.entries[0].args.size(), 1u);
  EXPECT_EQ(sink.entries[0].args[0], dir + "Moon.dat");
  EXPECT_EQ(moon.Fetch(140000), nullptr);
  EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_F(MoonDataFile, ShortFileFailsAtTheFirstWindowPastItsEndNotAtOpening) {
  ASSERT_TRUE(Open(5000));  // enough for the first window and a little more
  EXPECT_TRUE(sink.entries.empty());

  ASSERT_NE(moon.Fetch(kFirstMoonDay + 2047), nullptr);  // first window: days 0 .. 4095
  const MoonDayRecord* r = moon.Fetch(kFirstMoonDay + 4095);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(TaggedDay(*r), kFirstMoonDay + 4095);
  EXPECT_TRUE(sink.entries.empty());

  // Day 4100's window (2052 .. 6147) reaches past record 4999.
  EXPECT_EQ(moon.Fetch(kFirstMoonDay + 4100), nullptr);
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgMoonFileRead);
  EXPECT_EQ(sink.entries[0].type, kMsgError);
  ASSERT_EQ(sink.entries[0].args.size(), 1u);
  EXPECT_EQ(sink.entries[0].args[0], dir + "Moon.dat");
  EXPECT_EQ(moon.LastFetched(), kFirstMoonDay + 4095);

  // Closed for the rest of the run: even days the file holds, without a second message.
  EXPECT_FALSE(moon.IsOpen());
  EXPECT_EQ(moon.Fetch(kFirstMoonDay), nullptr);
  EXPECT_EQ(moon.Fetch(kFirstMoonDay + 4100), nullptr);
  EXPECT_EQ(sink.entries.size(), 1u);
}

TEST_F(MoonDataFile, FileOneRecordShortFailsOnlyForTheLastWindow) {
  ASSERT_TRUE(Open(kMoonFileRecords - 1));
  EXPECT_NE(moon.Fetch(kLastMoonDay - 5000), nullptr);
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_EQ(moon.Fetch(kLastMoonDay - 100), nullptr);  // clamped to the last window
  EXPECT_TRUE(sink.Has(kMsgMoonFileRead));
}

TEST_F(MoonDataFile, EmptyFileOpensAndFailsAtTheFirstFetch) {
  ASSERT_TRUE(Open(0));
  EXPECT_EQ(moon.Fetch(kFirstMoonDay), nullptr);
  EXPECT_TRUE(sink.Has(kMsgMoonFileRead));
}

TEST(MemoryMoonData, ServesItsRangeOnly) {
  MemoryMoonData m(1000, test::SyntheticRecords(1000, 3, true));
  EXPECT_EQ(m.Fetch(999), nullptr);
  EXPECT_EQ(m.Fetch(1003), nullptr);
  ASSERT_NE(m.Fetch(1002), nullptr);
  EXPECT_EQ(TaggedDay(*m.Fetch(1001)), 1001);
  EXPECT_EQ(m.LastFetched(), 1001);
}

}  // namespace
}  // namespace tw
