#include <gtest/gtest.h>

#include "calendar/moon_record.h"

namespace tw {
namespace {

TEST(MoonRecord, SplitSeasonTimeDecodes) {
  MoonDayRecord r = EmptyMoonRecord();
  // high bits 0b101: bit 2 from byte 5 bit 6, bits 0..1 from byte 6 bits 6..7 = 01
  r.bytes[5] = static_cast<uint8_t>((r.bytes[5] & ~0x40) | 0x40);
  r.bytes[6] = static_cast<uint8_t>((r.bytes[6] & ~0xC0) | 0x40);
  r.bytes[7] = 0x2C;
  EXPECT_EQ(r.seasonTime(), 1324);
}

TEST(MoonRecord, EveryEventRoundTripsWithoutDisturbingOthers) {
  for (int e = 0; e < kMoonEventCount; ++e) {
    for (int t : {0, 255, 256, 1023, 1324, 1439}) {
      MoonDayRecord r = EmptyMoonRecord();
      r.SetSunSign(11);
      r.SetMoonConstellation(7);
      r.SetWaxing(true);
      r.SetEventTime(static_cast<MoonEvent>(e), t);
      for (int o = 0; o < kMoonEventCount; ++o) {
        int got = r.EventTime(static_cast<MoonEvent>(o));
        EXPECT_EQ(got, o == e ? t : kNoEvent) << "event " << e << " other " << o << " t " << t;
      }
      EXPECT_EQ(r.sunSign(), 11);
      EXPECT_EQ(r.moonConstellation(), 7);
      EXPECT_TRUE(r.waxing());
    }
  }
}

TEST(MoonRecord, MagnitudesShareLowBytesWhenNoEvent) {
  MoonDayRecord r = EmptyMoonRecord();
  r.SetIllumination(50);
  r.SetHeight(100);
  r.SetDistance(3);
  EXPECT_EQ(r.illumination(), 50);
  EXPECT_EQ(r.height(), 100);
  EXPECT_EQ(r.distance(), 3);
  EXPECT_FALSE(r.HasEvent(MoonEvent::Phase));
}

}  // namespace
}  // namespace tw
