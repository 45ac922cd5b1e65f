#include <gtest/gtest.h>

#include "bio/search_conditions.h"

namespace tw {
namespace {

TEST(SearchConditions, DefaultsWithoutSettings) {
  MemoryProfile p;
  SearchConditions c = LoadSearchConditions(p);
  EXPECT_EQ(c.current, 0);
  EXPECT_EQ(c.searchEnd, 149747);
  EXPECT_EQ(DayFromDate(2009, 12, 30), 149747);
  for (const auto& cond : c.conditions) {
    EXPECT_STREQ(cond.name, "");
    for (CurveCriteria w : cond.words) EXPECT_EQ(w, 0u);
  }
  EXPECT_EQ(ConditionListName(c.conditions[0], "(ohne Namen)"), "(ohne Namen)");
}

TEST(SearchConditions, SearchEndAndCurrentAreNormalized) {
  const struct {
    const char* key;
    const char* stored;
    int32_t SearchConditions::*field;
    int32_t expected;
  } rows[] = {
      {"SearchEnd", "0", &SearchConditions::searchEnd, kLastCalendarDay},
      {"SearchEnd", "164359", &SearchConditions::searchEnd, kLastCalendarDay},
      {"SearchEnd", "150000xyz", &SearchConditions::searchEnd, 150000},
      {"SearchEnd", "", &SearchConditions::searchEnd, 149747},
      {"Cond", "8", &SearchConditions::current, 0},  // outside the eight: the first
      {"Cond", "-1", &SearchConditions::current, 0},
  };
  for (const auto& r : rows) {
    MemoryProfile p;
    p.Set("TidewellConditions", r.key, r.stored);
    EXPECT_EQ(LoadSearchConditions(p).*r.field, r.expected) << r.key << "=" << r.stored;
  }
}

TEST(SearchConditions, SearchEndBeforeTodayReachesTheLastCalendarDay) {
  const DayNumber today = kLastCalendarDay - 4000;  // a day in 2038
  struct Case {
    DayNumber stored, expected;
  } cases[] = {
      {kDefaultSearchEnd, kLastCalendarDay},  // 30 December 2009
      {today - 1, kLastCalendarDay},
      {today, today},                // a forward search from today stops at once, as asked
      {today + 30, today + 30},
      {kLastCalendarDay, kLastCalendarDay},
  };
  for (const Case& c : cases) EXPECT_EQ(EffectiveSearchEnd(c.stored, today), c.expected) << c.stored;
}

TEST(SearchConditions, WordListsFillOddThenEvenCondition) {
  MemoryProfile p;
  p.Set("TidewellConditions", "Cond3", "5 0 0 0 0 0 64 4097 8194");
  p.Set("TidewellConditions", "Cond7", "1  2 x3 7");
  p.Set("TidewellConditions", "Cond", "5");
  p.Set("TidewellConditions", "CText4", "Gipfel");
  SearchConditions c = LoadSearchConditions(p);
  EXPECT_EQ(c.current, 5);
  EXPECT_EQ(c.conditions[2].words[0], 5u);
  EXPECT_EQ(c.conditions[2].words[6], 64u);
  EXPECT_EQ(c.conditions[3].words[0], 4097u);
  EXPECT_EQ(c.conditions[3].words[1], 8194u);
  EXPECT_EQ(c.conditions[3].words[2], 0u);
  EXPECT_STREQ(c.conditions[3].name, "Gipfel");
  // Past the blanks after each number; a field without digits reads 0.
  EXPECT_EQ(c.conditions[6].words[0], 1u);
  EXPECT_EQ(c.conditions[6].words[1], 2u);
  EXPECT_EQ(c.conditions[6].words[2], 0u);
  EXPECT_EQ(c.conditions[6].words[3], 7u);
}

TEST(SearchConditions, SaveWritesFourteenWordsPerKeyAndReadsBack) {
  SearchConditions c;
  c.conditions[0].words = {kCritZeroYes | kCritMandatory, 0, kCritRising, 0, 0, 0, 0};
  c.conditions[1].words = {0, 0, 0, 0, 0, 0, kCritHigh};
  c.conditions[7].words[3] = kCritCross47 | kCritAlternative;
  c.conditions[0].SetName("Ein Name, der länger als einunddreißig Zeichen ist");
  c.current = 7;
  MemoryProfile p;
  SaveSearchConditions(p, c);
  std::string s;
  ASSERT_TRUE(p.Get("TidewellConditions", "Cond1", s));
  EXPECT_EQ(s, "4097 0 64 0 0 0 0 0 0 0 0 0 0 4 ");
  ASSERT_TRUE(p.Get("TidewellConditions", "CText1", s));
  EXPECT_EQ(s.size(), 31u);
  SearchConditions back = LoadSearchConditions(p);
  EXPECT_EQ(back.current, 7);
  for (int i = 0; i < kConditionCount; ++i) {
    EXPECT_EQ(back.conditions[i].words, c.conditions[i].words) << i;
    EXPECT_STREQ(back.conditions[i].name, c.conditions[i].name);
  }
  SaveSearchEnd(p, 150001);
  EXPECT_EQ(LoadSearchConditions(p).searchEnd, 150001);
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

TEST(SearchConditions, TypedNumbersAreClampedAndNamesEnableTheSearch) {
  EXPECT_EQ(ConditionIndexFromNumber(1), 0);
  EXPECT_EQ(ConditionIndexFromNumber(8), 7);
  EXPECT_EQ(ConditionIndexFromNumber(0), 0);
  EXPECT_EQ(ConditionIndexFromNumber(12), 7);
  EXPECT_EQ(ConditionIndexFromNumber(-3), 0);
  SearchCondition c;
  EXPECT_FALSE(c.HasName());
  c.SetName("Hoch");
  EXPECT_TRUE(c.HasName());
  EXPECT_EQ(ConditionListName(c, "(ohne Namen)"), "Hoch");
}

}  // namespace
}  // namespace tw
