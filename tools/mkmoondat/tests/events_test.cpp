// The event finder against the quantities themselves: each event sits where its quantity
// crosses or turns, and a dense independent scan finds no event the finder missed.
#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"

namespace tw::moondat::test {
namespace {

TEST(Zodiac, SignsAndConstellationArcs) {
  EXPECT_EQ(SignOf(0.0), 0);
  EXPECT_EQ(SignOf(29.9999), 0);
  EXPECT_EQ(SignOf(30.0), 1);
  EXPECT_EQ(SignOf(359.9999), 11);
  EXPECT_EQ(SignOf(-0.1), 11);
  EXPECT_EQ(SignOf(720.5), 0);
  EXPECT_EQ(ConstellationOf(28.688), 11);  // the part of Pisces past 0 degrees
  EXPECT_EQ(ConstellationOf(28.689), 0);
  EXPECT_EQ(ConstellationOf(0.0), 11);
  EXPECT_EQ(ConstellationOf(351.652), 10);
  EXPECT_EQ(ConstellationOf(351.653), 11);
  EXPECT_EQ(ConstellationOf(250.0), 7);  // Ophiuchus' stretch counts as Scorpius
  EXPECT_EQ(ConstellationOf(266.238), 7);
  EXPECT_EQ(ConstellationOf(266.239), 8);
  EXPECT_EQ(ConstellationOf(-5.0), 11);
  EXPECT_EQ(ConstellationOf(-10.0), 10);
}

double Norm360(double a) {
  a = std::fmod(a, 360.0);
  return a < 0 ? a + 360 : a;
}

struct State {
  int moonSign, moonConstellation, sunSign, sunConstellation, phaseHalf;
  bool decRising, distGrowing, north;
};

State StateAt(Ephemeris& eph, double jd) {
  State s;
  s.moonSign = SignOf(eph.MoonLongitude(jd));
  s.moonConstellation = ConstellationOf(eph.MoonLongitudeJ2000(jd));
  s.sunSign = SignOf(eph.SunLongitude(jd));
  s.sunConstellation = ConstellationOf(eph.SunLongitudeJ2000(jd));
  s.phaseHalf = Norm360(eph.MoonLongitude(jd) - eph.SunLongitude(jd)) < 180 ? 0 : 1;
  double v;
  eph.MoonDeclination(jd, &v);
  s.decRising = v > 0;
  eph.MoonDistance(jd, &v);
  s.distGrowing = v > 0;
  s.north = eph.MoonLatitude(jd) > 0;
  return s;
}

void CheckPeriod(double from, double days) {
  Ephemeris& eph = SharedEphemeris();
  EventLists events;
  std::string error;
  ASSERT_TRUE(FindEvents(eph, from, from + days, &events, &error)) << error;

  // Count the changes on an hourly lattice offset from the finder's own.
  int changes[kEventKindCount] = {};
  State prev = StateAt(eph, from);
  for (int h = 1; h <= days * 24; ++h) {
    State cur = StateAt(eph, from + h / 24.0);
    changes[0] += cur.moonSign != prev.moonSign;
    changes[1] += cur.moonConstellation != prev.moonConstellation;
    changes[2] += cur.sunSign != prev.sunSign;
    changes[3] += cur.sunConstellation != prev.sunConstellation;
    changes[4] += cur.phaseHalf != prev.phaseHalf;
    changes[5] += cur.decRising != prev.decRising;
    changes[6] += cur.distGrowing != prev.distGrowing;
    changes[7] += cur.north != prev.north;
    prev = cur;
  }
  for (int k = 0; k < kEventKindCount; ++k) {
    EXPECT_EQ(static_cast<int>(events[k].size()), changes[k]) << "kind " << k;
    ASSERT_FALSE(events[k].empty()) << "kind " << k;
    for (size_t i = 1; i < events[k].size(); ++i) {
      EXPECT_LT(events[k][i - 1].jd, events[k][i].jd);
      if (k < 4) {
        EXPECT_EQ(events[k][i].value, (events[k][i - 1].value + 1) % 12) << "kind " << k;
      } else {
        EXPECT_NE(events[k][i].value, events[k][i - 1].value) << "kind " << k;
      }
    }
  }

  // Just before and after each event its quantity is on either side of the change.
  const double eps = 2.0 / 86400;  // 2 s, well above the finder's 0.1 s
  const double turn = 120.0 / 86400;
  for (const Event& e : events[0]) {
    EXPECT_EQ(SignOf(eph.MoonLongitude(e.jd - eps)), (e.value + 11) % 12);
    EXPECT_EQ(SignOf(eph.MoonLongitude(e.jd + eps)), e.value);
  }
  for (const Event& e : events[1]) {
    EXPECT_EQ(ConstellationOf(eph.MoonLongitudeJ2000(e.jd - eps)), (e.value + 11) % 12);
    EXPECT_EQ(ConstellationOf(eph.MoonLongitudeJ2000(e.jd + eps)), e.value);
  }
  for (const Event& e : events[2]) {
    EXPECT_EQ(SignOf(eph.SunLongitude(e.jd - eps)), (e.value + 11) % 12);
    EXPECT_EQ(SignOf(eph.SunLongitude(e.jd + eps)), e.value);
  }
  for (const Event& e : events[3]) {
    EXPECT_EQ(ConstellationOf(eph.SunLongitudeJ2000(e.jd - eps)), (e.value + 11) % 12);
    EXPECT_EQ(ConstellationOf(eph.SunLongitudeJ2000(e.jd + eps)), e.value);
  }
  for (const Event& e : events[4]) {
    double target = e.value == 1 ? 0.0 : 180.0;
    double before = Norm360(eph.MoonLongitude(e.jd - eps) - eph.SunLongitude(e.jd - eps) - target);
    double after = Norm360(eph.MoonLongitude(e.jd + eps) - eph.SunLongitude(e.jd + eps) - target);
    EXPECT_GT(before, 359.99);
    EXPECT_LT(after, 0.01);
  }
  for (const Event& e : events[5]) {
    double at = eph.MoonDeclination(e.jd);
    EXPECT_DOUBLE_EQ(e.level, at);
    for (double t : {e.jd - turn, e.jd + turn}) {
      if (e.value == 1) {
        EXPECT_GT(eph.MoonDeclination(t), at);
      } else {
        EXPECT_LT(eph.MoonDeclination(t), at);
      }
    }
  }
  for (const Event& e : events[6]) {
    double at = eph.MoonDistance(e.jd);
    EXPECT_DOUBLE_EQ(e.level, at);
    for (double t : {e.jd - turn, e.jd + turn}) {
      if (e.value == 1) {
        EXPECT_LT(eph.MoonDistance(t), at) << "apogee";
      } else {
        EXPECT_GT(eph.MoonDistance(t), at) << "perigee";
      }
    }
  }
  for (const Event& e : events[7]) {
    EXPECT_EQ(eph.MoonLatitude(e.jd - eps) > 0, e.value == 0);
    EXPECT_EQ(eph.MoonLatitude(e.jd + eps) > 0, e.value == 1);
  }
}

TEST(FindEvents, MatchesTheQuantitiesAroundTheDataStart) { CheckPeriod(JulianDay(1949, 11, 1, 3.3), 120); }

TEST(FindEvents, MatchesTheQuantitiesAroundTheDataEnd) { CheckPeriod(JulianDay(2049, 10, 1, 17.7), 120); }

TEST(FindEvents, MatchesTheQuantitiesInTheMiddle) { CheckPeriod(JulianDay(1999, 12, 1, 9.1), 120); }

}  // namespace
}  // namespace tw::moondat::test

namespace tw::moondat::test {
namespace {

bool SameEvents(const EventLists& a, const EventLists& b) {
  for (int k = 0; k < kEventKindCount; ++k) {
    if (a[k].size() != b[k].size()) return false;
    for (size_t i = 0; i < a[k].size(); ++i) {
      if (a[k][i].jd != b[k][i].jd || a[k][i].value != b[k][i].value || a[k][i].level != b[k][i].level)
        return false;
    }
  }
  return true;
}

// Three fixed chunks of the lattice, split among different numbers of threads.
TEST(FindEvents, ThreadCountDoesNotChangeTheEvents) {
  double from = JulianDay(1987, 3, 3, 5.5), to = from + 1100;
  EventLists serial, one, three;
  std::string error;
  ASSERT_TRUE(FindEvents(SharedEphemeris(), from, to, &serial, &error)) << error;
  ASSERT_TRUE(FindEventsInParallel(kDefaultEphePath, from, to, 1, &one, &error)) << error;
  ASSERT_TRUE(FindEventsInParallel(kDefaultEphePath, from, to, 3, &three, &error)) << error;
  EXPECT_GT(serial[static_cast<int>(EventKind::Phase)].size(), 70u);
  EXPECT_TRUE(SameEvents(serial, one));
  EXPECT_TRUE(SameEvents(serial, three));
  // The shared ephemeris of this thread still works after the workers closed theirs.
  EXPECT_GT(SharedEphemeris().MoonDistance(from), 0.0);
  EXPECT_FALSE(SharedEphemeris().failed());

  EXPECT_FALSE(FindEventsInParallel("/nonexistent", from, from + 10, 2, &one, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace tw::moondat::test
