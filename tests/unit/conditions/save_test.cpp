#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "condition_test_util.h"
#include "reco/condition_clicks.h"
#include "reco/condition_save.h"

namespace tw {
namespace {

TEST(ConditionSave, RequiredMonthSlotFiveStores0x555955) {
  RecoRecord r;
  ConditionState st;
  st.Load(r);
  ClickCondition(st, kMonth0 + 5);
  EXPECT_EQ(SaveConditions(st, r, "", 0, 0), 1);
  EXPECT_EQ(r.monthCond, 0x555955u);
  EXPECT_EQ(r.weekdayCond, 0u);
  EXPECT_EQ(r.phaseCond, 0u);
}

TEST(ConditionSave, LeavesBitsNoLeafOwnsAsTheyWere) {
  RecoRecord r;
  r.phaseCond = (uint64_t{3} << 28) | (uint64_t{3} << 30) | (uint64_t{3} << 60);  // slots 14, 15, 30
  r.nodeCond = 3u << 30;                                                            // slot 15
  r.weekdayCond = 0xC000u;  // slot 7
  r.reserved104[3] = 0x5A;
  r.groupLink = 7;
  r.category = 2;
  ConditionState st;
  st.Load(r);
  ClickCondition(st, 2);  // new moon required, the other phases excluded
  SaveConditions(st, r, nullptr, 0, 0);
  EXPECT_EQ(r.phaseCond & ((uint64_t{0xF} << 28) | (uint64_t{3} << 60)),
            (uint64_t{0xF} << 28) | (uint64_t{3} << 60));
  EXPECT_EQ(r.phaseCond & 3u, 2u);
  EXPECT_EQ((r.phaseCond >> 32) & 3u, 1u) << "full moon excluded";
  EXPECT_EQ(r.nodeCond, 3u << 30);
  EXPECT_EQ(r.weekdayCond, 0xC000u);
  EXPECT_EQ(r.reserved104[3], 0x5A);
  EXPECT_EQ(r.groupLink, 7);
  EXPECT_EQ(r.category, 2);
}

TEST(ConditionSave, LoadThenSaveReproducesTheConditions) {
  RecoRecord r;
  r.phaseCond = 0x0000000100000004ull;  // slot 1 excluded, slot 16 excluded
  r.heightCond = 0x5556;
  r.distanceCond = 0x80000000;
  r.nodeCond = 0x15555555;
  r.moonSignCond = 0x00000900;
  r.sunSignCond = 0x00555565;
  r.monthCond = 0x00AAAAAA;
  r.weekdayCond = 0x1001;
  r.seasonCond = 0x41;
  r.signsEither = 3;
  r.fixedDays[0] = MakeFixedDay(2412, kCondRequired);
  r.fixedDays[1] = MakeFixedDay(3800, kCondExcluded);
  r.otherDays = 1 << 14;
  RecoRecord saved = r;
  ConditionState st;
  st.Load(r);
  SaveConditions(st, saved, nullptr, 0, 0);
  uint8_t a[kRecoRecordSize], b[kRecoRecordSize];
  r.ToBytes(a);
  saved.ToBytes(b);
  EXPECT_EQ(std::memcmp(a, b, kRecoRecordSize), 0);
}

TEST(ConditionSave, FixedDaysAndOtherDaysWords) {
  RecoRecord r;
  r.fixedDays[3] = MakeFixedDay(101, kCondAny);
  r.otherDays = 0x3FFF;  // stray low bits are not kept
  ConditionState st;
  st.Load(r);
  st.SetFixedDay(kCondFirstFixedDay + 1, 2412);
  ClickCondition(st, kCondFirstFixedDay + 1);  // 24.12 required, the rest excluded
  SaveConditions(st, r, nullptr, 0, 0);
  EXPECT_EQ(r.fixedDays[0], MakeFixedDay(101, kCondExcluded));
  EXPECT_EQ(r.fixedDays[1], MakeFixedDay(2412, kCondRequired));
  EXPECT_EQ(r.fixedDays[1] & 0x3FFF, 2412);
  for (int k = 2; k < kFixedDayEntries; ++k) EXPECT_EQ(r.fixedDays[k], 0) << k;
  EXPECT_EQ(r.otherDays, 1 << 14);
}

TEST(ConditionSave, SwitchAndLooksAreStored) {
  RecoRecord r;
  ConditionState st;
  st.Load(r);
  ClickCondition(st, kCondSignSwitch);
  SaveConditions(st, r, nullptr, 3, 2);
  EXPECT_EQ(r.signsEither, 3);
  EXPECT_EQ(r.colorIndex, 3);
  EXPECT_EQ(r.styleIndex, 2);
  r.signsEither = 1;  // any non-zero value loads as "either" and saves as 3
  st.Load(r);
  ClickCondition(st, kCondSignSwitch);
  SaveConditions(st, r, nullptr, 0, 0);
  EXPECT_EQ(r.signsEither, 0);
}

TEST(ConditionSave, NameChangesOnlyWhenGivenAndDifferent) {
  RecoRecord r;
  r.SetName("Bohnen");
  ConditionState st;
  st.Load(r);
  EXPECT_EQ(SaveConditions(st, r, "", 0, 0), 1);
  EXPECT_STREQ(r.name, "Bohnen");
  EXPECT_EQ(SaveConditions(st, r, "Bohnen", 0, 0), 1);
  EXPECT_EQ(SaveConditions(st, r, "Bohnen säen", 0, 0), 2);
  EXPECT_STREQ(r.name, "Bohnen säen");
  const std::string longName(150, 'x');
  EXPECT_EQ(SaveConditions(st, r, longName.c_str(), 0, 0), 2);
  EXPECT_EQ(std::strlen(r.name), 99u);
  EXPECT_EQ(SaveConditions(st, r, longName.c_str(), 0, 0), 1) << "same after the cut";
}

TEST(ConditionWarning, AllWeekdaysExcludedAsksAndConfirmingClearsThem) {
  RecoRecord r;
  ConditionState st;
  st.Load(r);
  for (int d = 0; d < 7; ++d) st.SetLeaf(kWeekday0 + d, kCondExcluded);
  ClickCondition(st, kMonth0 + 5);  // a sound condition elsewhere is not named
  FakeConditionTexts texts;
  RecordingSink sink;
  sink.answer = kAnswerOk;
  EXPECT_EQ(ConditionWarningNodes(st), std::vector<int>{kCondWeekdayCategory});
  EXPECT_TRUE(ConfirmConditions(st, sink, texts));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, 3698);
  EXPECT_EQ(sink.entries[0].type, 49);
  EXPECT_EQ(sink.entries[0].args, std::vector<std::string>{"M3671"});
  SaveConditions(st, r, nullptr, 0, 0);
  EXPECT_EQ(r.weekdayCond, 0u);
  EXPECT_EQ(r.monthCond, 0x555955u);
}

TEST(ConditionWarning, CancelKeepsEveryEdit) {
  ConditionState st;
  ClickCondition(st, kCondWeekdayCategory);  // all required: always true
  ClickCondition(st, kCondSeasonCategory);
  ClickCondition(st, kCondSeasonCategory);   // all excluded: never true
  FakeConditionTexts texts;
  RecordingSink sink;
  sink.answer = kAnswerCancel;
  EXPECT_FALSE(ConfirmConditions(st, sink, texts));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].args, std::vector<std::string>{"M3627, M3671"});
  EXPECT_EQ(st.State(kCondWeekdayCategory), kCondRequired);
  EXPECT_EQ(st.State(kCondSeasonCategory), kCondExcluded);
}

TEST(ConditionWarning, RequiredAmongAnyIsNamedToo) {
  ConditionState st;
  st.SetLeaf(kMonth0 + 3, kCondRequired);  // has no effect without the others excluded
  st.ComputeNodeStates();
  EXPECT_EQ(ConditionWarningNodes(st), std::vector<int>{kCondMonthCategory});
}

TEST(ConditionWarning, NoWarningMeansNoQuestion) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 5);
  FakeConditionTexts texts;
  RecordingSink sink;
  EXPECT_TRUE(ConfirmConditions(st, sink, texts));
  EXPECT_TRUE(sink.entries.empty());
}

TEST(ConditionWarning, MoonSignGroupClearsToTheEndOfTheSignCategory) {
  ConditionState st;
  for (int s = 0; s < 12; ++s) st.SetLeaf(kMoonSign0 + s, kCondExcluded);
  ClickCondition(st, kSunSign0 + 2);
  ClickCondition(st, kCondSignSwitch);
  st.SetLeaf(kMonth0, kCondExcluded);  // January excluded only
  st.ComputeNodeStates();
  EXPECT_EQ(ConditionWarningNodes(st), std::vector<int>{kCondMoonSignGroup});
  FakeConditionTexts texts;
  RecordingSink sink;
  EXPECT_TRUE(ConfirmConditions(st, sink, texts));
  EXPECT_EQ(sink.entries[0].args, std::vector<std::string>{"M3611"});
  for (int s = 0; s < 12; ++s) {
    EXPECT_EQ(st.State(kMoonSign0 + s), 0);
    EXPECT_EQ(st.State(kSunSign0 + s), 0);
  }
  EXPECT_EQ(st.State(kCondSignSwitch), 0);
  EXPECT_EQ(st.node(kCondSignSwitch).label, kCondSwitchBothLabel);
  EXPECT_EQ(st.State(kMonth0), kCondExcluded) << "other categories keep their conditions";
}

TEST(ConditionWarning, SunSignGroupClearsOnlyItself) {
  ConditionState st;
  ClickCondition(st, kMoonSign0 + 1);
  ClickCondition(st, kCondSignSwitch);
  ClickCondition(st, kCondSunSignGroup);  // all sun signs required
  FakeConditionTexts texts;
  RecordingSink sink;
  EXPECT_TRUE(ConfirmConditions(st, sink, texts));
  EXPECT_EQ(sink.entries[0].args, std::vector<std::string>{"M3614"});
  EXPECT_EQ(st.State(kSunSign0 + 4), 0);
  EXPECT_EQ(st.State(kMoonSign0 + 1), kCondRequired);
  EXPECT_EQ(st.State(kCondSignSwitch), 3);
}

}  // namespace
}  // namespace tw
