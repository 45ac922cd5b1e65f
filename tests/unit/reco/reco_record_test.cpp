#include "reco/reco_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace tw {
namespace {

std::array<uint8_t, kRecoRecordSize> PatternBytes() {
  std::array<uint8_t, kRecoRecordSize> b{};
  for (int i = 0; i < kRecoRecordSize; ++i) b[i] = static_cast<uint8_t>(i * 7 + 3);
  return b;
}

TEST(RecoRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
  std::array<uint8_t, kRecoRecordSize> b{};
  b[0] = 0x11; b[3] = 0x44; b[4] = 0x55; b[7] = 0x88;  // phase low and high halves
  b[8] = 0x01; b[12] = 0x02; b[16] = 0x03; b[20] = 0x04; b[24] = 0x05;
  b[28] = 0x06; b[32] = 0x07;
  b[36] = 0x6C; b[37] = 0x89;  // fixedDays[0] = 0x896C: code 2412, mode 2
  b[96] = 0x01; b[97] = 0x40;  // fixedDays[30]
  b[98] = 0x00; b[99] = 0x40;  // otherDays mode 1
  b[102] = 0xAA; b[103] = 3;
  b[136] = 9; b[140] = 10;
  b[148] = 2; b[149] = 3;
  b[150] = 0xF4; b[151] = 0xFF;  // groupLink -12
  std::memcpy(&b[152], "Bohnen s\xE4" "en", 11);
  b[253] = 200;
  RecoRecord r = RecoRecord::FromBytes(b.data());
  EXPECT_EQ(r.phaseCond, 0x8800005544000011ull);
  EXPECT_EQ(r.heightCond, 1u);
  EXPECT_EQ(r.distanceCond, 2u);
  EXPECT_EQ(r.nodeCond, 3u);
  EXPECT_EQ(r.moonSignCond, 4u);
  EXPECT_EQ(r.sunSignCond, 5u);
  EXPECT_EQ(r.monthCond, 6u);
  EXPECT_EQ(r.weekdayCond, 7u);
  EXPECT_EQ(FixedDayCode(r.fixedDays[0]), 2412);
  EXPECT_EQ(FixedDayMode(r.fixedDays[0]), kCondRequired);
  EXPECT_EQ(FixedDayCode(r.fixedDays[30]), 1);
  EXPECT_EQ(FixedDayMode(r.fixedDays[30]), kCondExcluded);
  EXPECT_EQ(r.otherDaysMode(), kCondExcluded);
  EXPECT_EQ(r.seasonCond, 0xAA);
  EXPECT_EQ(r.signsEither, 3);
  EXPECT_EQ(r.listItem, 9u);
  EXPECT_EQ(r.selItem, 10u);
  EXPECT_EQ(r.colorIndex, 2);
  EXPECT_EQ(r.styleIndex, 3);
  EXPECT_EQ(r.groupLink, -12);
  EXPECT_TRUE(r.isHeader());
  EXPECT_STREQ(r.name, "Bohnen s\xE4" "en");
  EXPECT_EQ(r.category, 200);
  EXPECT_TRUE(r.occupied());
}

TEST(RecoRecordLayout, AnyPatternWritesBackByteForByteExceptTheNameTerminator) {
  auto in = PatternBytes();
  in[kOffName + kRecoNameSize - 1] = 0;  // a well-formed name keeps every byte
  RecoRecord r = RecoRecord::FromBytes(in.data());
  std::array<uint8_t, kRecoRecordSize> out{};
  out.fill(0xEE);
  r.ToBytes(out.data());
  EXPECT_EQ(in, out);
}

TEST(RecoRecordLayout, NameWithoutTerminatorIsCutNotOverrun) {
  std::array<uint8_t, kRecoRecordSize> b{};
  std::memset(&b[kOffName], 'x', kRecoNameSize);
  b[252] = 'y';  // the byte after the name field must not leak into it
  b[253] = 1;
  RecoRecord r = RecoRecord::FromBytes(b.data());
  EXPECT_EQ(std::strlen(r.name), static_cast<size_t>(kRecoNameSize - 1));
  EXPECT_EQ(r.category, 1);
}

TEST(RecoRecordLayout, SetNameKeepsAtMost99Characters) {
  RecoRecord r;
  std::string longName(150, 'a');
  r.SetName(longName.c_str());
  EXPECT_EQ(std::strlen(r.name), 99u);
  r.SetName("kurz");
  EXPECT_STREQ(r.name, "kurz");
  EXPECT_EQ(r.name[5], 0);  // the earlier long name leaves nothing behind
  r.SetName(nullptr);
  EXPECT_STREQ(r.name, "");
}

TEST(RecoRecordFields, ConditionSlotsAreTwoBitsEach) {
  uint32_t month = 0;
  for (int s = 0; s < 12; ++s) month = WithCond(month, s, kCondExcluded);
  month = WithCond(month, 5, kCondRequired);
  EXPECT_EQ(month, 0x555955u);
  EXPECT_EQ(GetCond(month, 5), kCondRequired);
  EXPECT_EQ(GetCond(month, 4), kCondExcluded);
  EXPECT_EQ(GetCond(month, 12), kCondAny);

  uint64_t phase = 0;
  phase = WithCond64(phase, 29, kCondRequired);
  phase = WithCond64(phase, 0, kCondExcluded);
  EXPECT_EQ(phase, (uint64_t{2} << 58) | 1u);
  EXPECT_EQ(GetCond(phase, 29), kCondRequired);
}

TEST(RecoRecordFields, OffsetAccessReachesEveryConditionField) {
  RecoRecord r;
  const int offsets[] = {kOffPhaseCond, kOffPhaseCondHigh, kOffHeightCond, kOffDistanceCond,
                         kOffNodeCond, kOffMoonSignCond, kOffSunSignCond, kOffMonthCond,
                         kOffWeekdayCond};
  uint32_t v = 0x10;
  for (int off : offsets) r.SetFieldAt(off, v++);
  r.SetFieldAt(kOffSeasonCond, 0x1FF);  // one byte wide
  r.SetFieldAt(kOffSignsEither, 3);
  r.SetFieldAt(kOffFixedDays + 2 * 4, MakeFixedDay(3803, kCondRequired));
  r.SetFieldAt(kOffOtherDays, 1u << 14);

  std::array<uint8_t, kRecoRecordSize> b{};
  r.ToBytes(b.data());
  v = 0x10;
  for (int off : offsets) {
    EXPECT_EQ(b[off], v) << off;
    EXPECT_EQ(r.FieldAt(off), v) << off;
    ++v;
  }
  EXPECT_EQ(b[kOffSeasonCond], 0xFF);
  EXPECT_EQ(r.FieldAt(kOffSeasonCond), 0xFFu);
  EXPECT_EQ(b[kOffSignsEither], 3);
  EXPECT_EQ(FixedDayCode(r.fixedDays[4]), 3803);
  EXPECT_EQ(r.FieldAt(kOffFixedDays + 8), r.fixedDays[4]);
  EXPECT_EQ(r.otherDaysMode(), kCondExcluded);
  EXPECT_EQ(r.FieldAt(kOffName), 0u);  // not a condition field
}

TEST(SlotMap, BitNLivesInByteNDiv8UnderMostSignificantBitFirst) {
  SlotMap m;
  m.Set(0, true);
  EXPECT_EQ(m.bytes[0], 0x80);
  m.Set(9, true);
  EXPECT_EQ(m.bytes[1], 0x40);
  m.Set(767, true);
  EXPECT_EQ(m.bytes[95], 0x01);
  EXPECT_TRUE(m.Get(767));
  EXPECT_FALSE(m.Get(766));
  m.Set(0, false);
  EXPECT_EQ(m.bytes[0], 0x00);
  m.Fill(true);
  for (int n = 0; n < kRecoSlots; ++n) ASSERT_TRUE(m.Get(n));
}

TEST(RecoSelEntryLayout, RoundTripAndBoundedName) {
  std::array<uint8_t, kRecoSelEntrySize> b{};
  for (int i = 0; i < kRecoSelEntrySize; ++i) b[i] = static_cast<uint8_t>(i + 1);
  b[31] = 0;  // a terminated name
  RecoSelEntry e = RecoSelEntry::FromBytes(b.data());
  EXPECT_EQ(e.inUse, 1);
  EXPECT_EQ(std::strlen(e.name), 30u);
  EXPECT_EQ(e.members.bytes[0], 33);
  std::array<uint8_t, kRecoSelEntrySize> out{};
  e.ToBytes(out.data());
  EXPECT_EQ(b, out);

  e.SetName("Ein sehr langer Auswahlname, viel zu lang");
  EXPECT_EQ(std::strlen(e.name), 29u);
}

}  // namespace
}  // namespace tw
