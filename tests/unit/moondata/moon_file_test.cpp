// Whole-century invariants of the bundled data/Moon.dat, read through the record codec.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/daynumber.h"
#include "calendar/moon_record.h"

namespace tw {
namespace {

constexpr int kDays = kLastMoonDay - kFirstMoonDay + 1;

class MoonFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream in(TW_SOURCE_DIR "/data/Moon.dat", std::ios::binary);
    bytes_ = new std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  static void TearDownTestSuite() {
    delete bytes_;
    bytes_ = nullptr;
  }
  void SetUp() override { ASSERT_EQ(bytes_->size(), static_cast<size_t>(kDays) * kMoonRecordSize); }

  static MoonDayRecord At(DayNumber day) {
    return MoonDayRecord::FromBytes(bytes_->data() + static_cast<size_t>(day - kFirstMoonDay) * kMoonRecordSize);
  }
  static std::string Date(DayNumber day) {
    int y, m, d;
    DateFromDay(day, &y, &m, &d);
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
  }

  static std::vector<uint8_t>* bytes_;
};
std::vector<uint8_t>* MoonFile::bytes_ = nullptr;

TEST_F(MoonFile, EveryTimeIsWithinItsDayAndEveryValueWithinItsRange) {
  for (DayNumber day = kFirstMoonDay; day <= kLastMoonDay; ++day) {
    MoonDayRecord r = At(day);
    for (int e = 0; e < kMoonEventCount; ++e) {
      MoonEvent ev = static_cast<MoonEvent>(e);
      if (r.HasEvent(ev)) {
        ASSERT_LE(r.EventTime(ev), 1439) << Date(day) << " event " << e;
      }
    }
    ASSERT_LE(r.sunSign(), 11) << Date(day);
    ASSERT_LE(r.sunConstellation(), 11) << Date(day);
    ASSERT_LE(r.moonSign(), 11) << Date(day);
    ASSERT_LE(r.moonConstellation(), 11) << Date(day);
    if (!r.HasEvent(MoonEvent::Phase)) {
      ASSERT_LE(r.illumination(), 100) << Date(day);
    }
    if (!r.HasEvent(MoonEvent::Height)) {
      ASSERT_LE(r.height(), 100) << Date(day);
    }
    if (!r.HasEvent(MoonEvent::Distance)) {
      ASSERT_LE(r.distance(), 100) << Date(day);
    }
    EXPECT_EQ(r.bytes[0] & 0xF0, 0) << Date(day);
  }
}

TEST_F(MoonFile, SignsChangeOnlyWithAChangeTimeAndToTheNextSign) {
  struct Nibble {
    MoonEvent event;
    int (MoonDayRecord::*get)() const;
    int changes = 0;
  } nibbles[] = {{MoonEvent::SunSign, &MoonDayRecord::sunSign},
                 {MoonEvent::SunConstellation, &MoonDayRecord::sunConstellation},
                 {MoonEvent::MoonSign, &MoonDayRecord::moonSign},
                 {MoonEvent::MoonConstellation, &MoonDayRecord::moonConstellation}};
  for (DayNumber day = kFirstMoonDay + 1; day <= kLastMoonDay; ++day) {
    MoonDayRecord prev = At(day - 1), r = At(day);
    for (Nibble& n : nibbles) {
      int before = (prev.*n.get)(), now = (r.*n.get)();
      ASSERT_EQ(now != before, r.HasEvent(n.event)) << Date(day) << " event " << static_cast<int>(n.event);
      if (now != before) {
        ASSERT_EQ(now, (before + 1) % 12) << Date(day);
        ++n.changes;
      }
    }
  }
  EXPECT_EQ(nibbles[0].changes, 1200);
  EXPECT_EQ(nibbles[1].changes, 1200);
  // About 13.37 sidereal months a year: 1336.8 passes of each of 12 arcs in the century.
  EXPECT_NEAR(nibbles[2].changes, 16042, 12);
  EXPECT_NEAR(nibbles[3].changes, 16042, 12);
}

TEST_F(MoonFile, SeasonsStartWithTheSunsSignChangeNearTheEquinoxesAndSolstices) {
  int seasons = 0, expectedSign = -1;
  for (DayNumber day = kFirstMoonDay; day <= kLastMoonDay; ++day) {
    MoonDayRecord r = At(day);
    bool due = r.HasEvent(MoonEvent::SunSign) && r.sunSign() % 3 == 0;
    ASSERT_EQ(r.HasEvent(MoonEvent::Season), due) << Date(day);
    if (!due) continue;
    ++seasons;
    EXPECT_EQ(r.seasonTime(), r.sunSignTime()) << Date(day);
    if (expectedSign >= 0) {
      EXPECT_EQ(r.sunSign(), expectedSign) << Date(day);
    }
    expectedSign = (r.sunSign() + 3) % 12;
    int y, m, d;
    DateFromDay(day, &y, &m, &d);
    EXPECT_EQ(m, 3 + r.sunSign()) << Date(day);  // March, June, September, December
    EXPECT_GE(d, 19) << Date(day);
    EXPECT_LE(d, 23) << Date(day);
  }
  EXPECT_EQ(seasons, 400);
}

// Phase, height, distance and node events alternate between their two kinds, and on days
// without an event the state bit stays what the last event made it.
TEST_F(MoonFile, CycleEventsAlternateAndStatesFollowThem) {
  struct Cycle {
    MoonEvent event;
    bool (MoonDayRecord::*state)() const;
    int count[2] = {};
    int last = -1;
    DayNumber lastDay = 0;
    int minGap = 99, maxGap = 0;
  } cycles[] = {{MoonEvent::Phase, &MoonDayRecord::waxing},
                {MoonEvent::Height, &MoonDayRecord::ascending},
                {MoonEvent::Distance, &MoonDayRecord::approaching}};
  int nodeLast = -1, nodes[2] = {};
  for (DayNumber day = kFirstMoonDay; day <= kLastMoonDay; ++day) {
    MoonDayRecord r = At(day);
    for (Cycle& c : cycles) {
      int s = (r.*c.state)() ? 1 : 0;
      if (r.HasEvent(c.event)) {
        ASSERT_NE(s, c.last) << Date(day) << " event " << static_cast<int>(c.event);
        if (c.last >= 0) {
          c.minGap = std::min(c.minGap, day - c.lastDay);
          c.maxGap = std::max(c.maxGap, day - c.lastDay);
        }
        c.last = s;
        c.lastDay = day;
        ++c.count[s];
      } else if (c.last >= 0) {
        ASSERT_EQ(s, c.last) << Date(day) << " event " << static_cast<int>(c.event);
      }
    }
    if (r.HasEvent(MoonEvent::Node)) {
      ASSERT_NE(r.nodeKind(), nodeLast) << Date(day);
      nodeLast = r.nodeKind();
      ++nodes[nodeLast];
    }
  }
  EXPECT_EQ(cycles[0].count[1], 1237) << "new moons";
  EXPECT_EQ(cycles[0].count[0], 1237) << "full moons";
  // New and full moon 13.8 .. 15.8 days apart; the other cycles roughly half a month.
  EXPECT_GE(cycles[0].minGap, 13);
  EXPECT_LE(cycles[0].maxGap, 16);
  for (int i = 1; i < 3; ++i) {
    EXPECT_GE(cycles[i].minGap, 9) << i;
    EXPECT_LE(cycles[i].maxGap, 18) << i;
    EXPECT_NEAR(cycles[i].count[0], cycles[i].count[1], 1) << i;
  }
  // 36525 days / 13.6 days per half draconic or tropical month.
  EXPECT_NEAR(cycles[1].count[0] + cycles[1].count[1], 2674, 5);
  EXPECT_NEAR(nodes[0] + nodes[1], 2684, 5);
  EXPECT_NEAR(nodes[0], nodes[1], 1);
}

// Between events the magnitudes move one way: the lit part grows while waxing, the
// height rises while ascending, the distance shrinks while approaching.
TEST_F(MoonFile, MagnitudesMoveWithTheirState) {
  int maxIllum = 0, minIllum = 100;
  for (DayNumber day = kFirstMoonDay + 1; day <= kLastMoonDay; ++day) {
    MoonDayRecord prev = At(day - 1), r = At(day);
    if (!r.HasEvent(MoonEvent::Phase) && !prev.HasEvent(MoonEvent::Phase) && r.waxing() == prev.waxing()) {
      if (r.waxing()) {
        ASSERT_GE(r.illumination(), prev.illumination()) << Date(day);
      } else {
        ASSERT_LE(r.illumination(), prev.illumination()) << Date(day);
      }
    }
    if (r.HasEvent(MoonEvent::Phase)) {
      // The day before a new moon is nearly dark, before a full moon nearly full.
      if (!prev.HasEvent(MoonEvent::Phase)) {
        if (r.waxing()) {
          EXPECT_LE(prev.illumination(), 8) << Date(day);
        } else {
          EXPECT_GE(prev.illumination(), 92) << Date(day);
        }
      }
    } else {
      maxIllum = std::max(maxIllum, r.illumination());
      minIllum = std::min(minIllum, r.illumination());
    }
    if (!r.HasEvent(MoonEvent::Height) && !prev.HasEvent(MoonEvent::Height)) {
      if (r.ascending()) {
        ASSERT_GE(r.height(), prev.height()) << Date(day);
      } else {
        ASSERT_LE(r.height(), prev.height()) << Date(day);
      }
    }
    if (!r.HasEvent(MoonEvent::Distance) && !prev.HasEvent(MoonEvent::Distance)) {
      if (r.approaching()) {
        ASSERT_LE(r.distance(), prev.distance()) << Date(day);
      } else {
        ASSERT_GE(r.distance(), prev.distance()) << Date(day);
      }
    }
  }
  EXPECT_EQ(maxIllum, 100);
  EXPECT_EQ(minIllum, 0);
}

}  // namespace
}  // namespace tw
