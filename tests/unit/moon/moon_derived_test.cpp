#include <gtest/gtest.h>

#include "calendar/moon_derived.h"

namespace tw {
namespace {

MoonDayRecord Quiet() { return EmptyMoonRecord(); }

TEST(MoonDerived, ElementAndSeason) {
  EXPECT_EQ(ElementOf(0), kElementFire);    // Aries
  EXPECT_EQ(ElementOf(5), kElementEarth);   // Virgo
  EXPECT_EQ(ElementOf(11), kElementWater);  // Pisces
  // The season of a day follows the sun sign, never the constellation; on a season-start
  // day the sign before a start already counts for the new season, and Pisces wraps.
  const struct {
    int sunSign, season, started;
  } rows[] = {{0, 0, 0}, {2, 0, 1}, {3, 1, 1}, {6, 2, 2}, {9, 3, 3}, {11, 3, 0}};
  for (const auto& r : rows) {
    MoonDayRecord m = Quiet();
    m.SetSunConstellation(6);
    m.SetSunSign(r.sunSign);
    EXPECT_EQ(SeasonOfDay(m), r.season) << r.sunSign;
    m.SetEventTime(MoonEvent::Season, 600);
    EXPECT_EQ(SeasonStarted(m), r.started) << r.sunSign;
  }
}

TEST(MoonDerived, PhasePictureWithoutEvent) {
  const struct {
    int illumination;
    bool waxing;
    int picture;
  } rows[] = {
      {50, true, 10}, {50, false, 30}, {0, false, 40},  {0, true, 40},   {100, true, 20},
      {4, true, 40},  // q = 0 waxing: the new moon picture, never 0
      {99, true, 19}, {99, false, 21},
  };
  for (const auto& r : rows) {
    MoonDayRecord m = Quiet();
    m.SetIllumination(r.illumination);
    m.SetWaxing(r.waxing);
    EXPECT_EQ(PhasePicture(m), r.picture) << r.illumination << (r.waxing ? " waxing" : " waning");
  }
}

TEST(MoonDerived, PhasePictureOnEventDaysAndDamagedValues) {
  MoonDayRecord r = Quiet();
  r.SetEventTime(MoonEvent::Phase, 0);  // low byte 0 must not read as illumination
  r.SetWaxing(true);
  EXPECT_EQ(PhasePicture(r), 40);
  r.SetWaxing(false);
  EXPECT_EQ(PhasePicture(r), 20);
  // An illumination beyond 100 from a damaged file still picks one of the 40 pictures.
  MoonDayRecord bad = Quiet();
  bad.SetIllumination(255);
  for (bool waxing : {true, false}) {
    bad.SetWaxing(waxing);
    EXPECT_GE(PhasePicture(bad), 1);
    EXPECT_LE(PhasePicture(bad), 40);
  }
}

TEST(MoonDerived, DrawnMoonSize) {
  MoonDayRecord r = Quiet();
  r.SetDistance(100);
  EXPECT_EQ(MoonSizePercent(r), 50);
  r.SetDistance(0);
  EXPECT_EQ(MoonSizePercent(r), 100);
  r.SetDistance(51);
  EXPECT_EQ(MoonSizePercent(r), 75);
  r.SetDistance(200);
  EXPECT_EQ(MoonSizePercent(r), 50);
  r.SetEventTime(MoonEvent::Distance, 1439);
  r.SetApproaching(true);  // apogee
  EXPECT_EQ(MoonSizePercent(r), 50);
  r.SetApproaching(false);  // perigee
  EXPECT_EQ(MoonSizePercent(r), 100);
}

TEST(MoonDerived, SternbildChoosesConstellationAndItsTime) {
  MoonDayRecord r = Quiet();
  r.SetSunSign(4);
  r.SetSunConstellation(5);
  r.SetMoonSign(7);
  r.SetMoonConstellation(8);
  r.SetEventTime(MoonEvent::SunSign, 100);
  r.SetEventTime(MoonEvent::MoonConstellation, 900);
  SkyPosition p = SunPosition(r, false);
  EXPECT_EQ(p.sign, 4);
  EXPECT_EQ(p.changeTime, 100);
  p = SunPosition(r, true);
  EXPECT_EQ(p.sign, 5);
  EXPECT_EQ(p.changeTime, kNoEvent);
  p = MoonPosition(r, false);
  EXPECT_EQ(p.sign, 7);
  EXPECT_EQ(p.changeTime, kNoEvent);
  p = MoonPosition(r, true);
  EXPECT_EQ(p.sign, 8);
  EXPECT_EQ(p.changeTime, 900);
}

TEST(MoonDerived, NoonRuleAndDamagedSignNibbles) {
  EXPECT_EQ(NoonSign({1, 720}), 1);
  EXPECT_EQ(NoonSign({1, 721}), 0);
  EXPECT_EQ(NoonSign({0, 1080}), 11);
  EXPECT_EQ(NoonSign({0, 0}), 0);
  EXPECT_EQ(NoonSign({5, kNoEvent}), 5);
  MoonDayRecord r = Quiet();
  r.SetSunSign(14);
  r.SetMoonConstellation(15);
  EXPECT_EQ(SunPosition(r, false).sign, 2);
  EXPECT_EQ(MoonPosition(r, true).sign, 3);
  EXPECT_EQ(SeasonOfDay(r), 0);
}

}  // namespace
}  // namespace tw
