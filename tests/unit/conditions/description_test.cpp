#include <gtest/gtest.h>

#include <string>

#include "condition_test_util.h"
#include "reco/condition_clicks.h"
#include "reco/condition_description.h"

namespace tw {
namespace {

// The description with every control word removed, so tests read the words in order.
std::string Words(const std::string& rtf) {
  std::string out;
  size_t body = rtf.find("\\pard");
  for (size_t i = body; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '\\') {
      if (i + 1 < rtf.size() && (rtf[i + 1] == '\\' || rtf[i + 1] == '{' || rtf[i + 1] == '}')) {
        out += rtf[++i];
        continue;
      }
      const bool par = rtf.compare(i, 5, "\\par ") == 0;
      while (i + 1 < rtf.size() && rtf[i + 1] != ' ' && rtf[i + 1] != '\\') ++i;
      if (i + 1 < rtf.size() && rtf[i + 1] == ' ') ++i;
      if (par) out += '|';
      continue;
    }
    if (c == '{' || c == '}') continue;
    out += c;
  }
  return out;
}

std::string Describe(const ConditionState& st) {
  FakeConditionTexts texts;
  std::string out;
  EXPECT_TRUE(DescribeConditions(st, texts, RtfStyle{}, out));
  return out;
}

TEST(ConditionDescription, NothingSetShowsTheNoConditionsText) {
  ConditionState st;
  const std::string rtf = Describe(st);
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_EQ(rtf.back(), '}');
  EXPECT_NE(rtf.find("\\fs16 "), std::string::npos) << "8 points";
  EXPECT_EQ(Words(rtf), "M4434|");
  // Required values among any values restrict nothing and are not listed either.
  st.SetLeaf(kMonth0 + 1, kCondRequired);
  st.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(st)), "M4434|");
}

TEST(ConditionDescription, ListsTheSmallerSide) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 5);  // one allowed, eleven excluded
  EXPECT_EQ(Words(Describe(st)), "M3664|");
  ClickCondition(st, kMonth0 + 6);
  ClickCondition(st, kMonth0 + 6);
  EXPECT_EQ(Words(Describe(st)), "M3664 M4238 M3665|");

  ConditionState ex;
  ex.SetLeaf(kWeekday0 + 5, kCondExcluded);
  ex.SetLeaf(kWeekday0 + 6, kCondExcluded);
  ex.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(ex)), "M4236 M3677 M4237 M4236 M3678|");
  // Equal sides list the allowed ones.
  ConditionState half;
  for (int s = 0; s < 2; ++s) half.SetLeaf(115 + s, kCondExcluded);
  half.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(half)), "M3630 M4238 M3631|");
}

TEST(ConditionDescription, ConnectingWordsAreRedAndCategoriesJoinInBlue) {
  ConditionState st;
  ClickCondition(st, kMonth0 + 5);
  ClickCondition(st, kMonth0 + 6);
  ClickCondition(st, kMonth0 + 6);
  st.SetLeaf(kWeekday0, kCondExcluded);
  st.ComputeNodeStates();
  const std::string rtf = Describe(st);
  EXPECT_EQ(Words(rtf), "M3664 M4238 M3665|M4237|M4236 M3672|");
  EXPECT_NE(rtf.find("\\cf2 M4238\\cf1 "), std::string::npos);
  EXPECT_NE(rtf.find("\\cf4 M4237\\cf1 "), std::string::npos);
  EXPECT_NE(rtf.find("\\cf2 M4236\\cf1 "), std::string::npos);
  EXPECT_NE(rtf.find("\\li"), std::string::npos) << "indented paragraphs";
}

TEST(ConditionDescription, MixedSubgroupOpensABracket) {
  ConditionState st;
  ClickCondition(st, 8);  // waxing phase slot 5 required, every other phase excluded
  ClickCondition(st, 9);
  ClickCondition(st, 9);  // slot 6 back to any
  const std::string words = Words(Describe(st));
  EXPECT_EQ(words, "M3524 M4241 M3555 M4238 M3556 M4242|");
  EXPECT_NE(Describe(st).find("\\cf4 M4241"), std::string::npos);
}

TEST(ConditionDescription, SubgroupAsAWholeAndWholeCategoryExcluded) {
  ConditionState st;
  ClickCondition(st, 18);  // waning required, the rest excluded
  EXPECT_EQ(Words(Describe(st)), "M3526|");
  ClickCondition(st, kCondPhaseCategory);  // mixed -> required
  ClickCondition(st, kCondPhaseCategory);  // excluded: never holds, must not read as nothing
  EXPECT_EQ(Words(Describe(st)),
            "M4236 M3523 M4237 M4236 M3524 M4237 M4236 M3525 M4237 M4236 M3526|");
}

TEST(ConditionDescription, HeightExtremesUseTheirOwnTexts) {
  ConditionState st;
  st.SetLeaf(33, kCondExcluded);
  st.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(st)), "M4236 M3559|");
  st.SetLeaf(33, kCondAny);
  st.SetLeaf(42, kCondExcluded);
  st.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(st)), "M4236 M3560|");
  // Both extremes excluded: the two allowed subgroups are the smaller side.
  st.SetLeaf(33, kCondExcluded);
  st.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(st)), "M3562 M4238 M3564|");
}

TEST(ConditionDescription, SignsAreGlyphListsWithTheSwitchBetween) {
  ConditionState st;
  ClickCondition(st, kMoonSign0 + 0);
  ClickCondition(st, kMoonSign0 + 3);
  ClickCondition(st, kMoonSign0 + 3);
  ClickCondition(st, kMoonSign0 + 3);
  ClickCondition(st, kMoonSign0 + 3);  // Aries and Cancer allowed
  st.SetLeaf(kSunSign0 + 11, kCondExcluded);
  st.ComputeNodeStates();
  std::string rtf = Describe(st);
  EXPECT_EQ(Words(rtf), "M3501 P, S M4237 M3614 M4236 M4240 [|");
  EXPECT_NE(rtf.find("\\f2\\fs16 P\\f1\\fs16 "), std::string::npos) << "glyph in the symbol font";
  ClickCondition(st, kCondSignSwitch);
  EXPECT_EQ(Words(Describe(st)), "M3501 P, S M3613 M3614 M4236 M4240 [|");
  // A single list has no switch word; an all-excluded list still shows.
  ConditionState moon;
  for (int s = 0; s < 12; ++s) moon.SetLeaf(kMoonSign0 + s, kCondExcluded);
  moon.ComputeNodeStates();
  EXPECT_EQ(Words(Describe(moon)), "M3611 M4236 M4240 P, Q, R, S, T, U, V, W, X, Y, Z, [|");
}

TEST(ConditionDescription, FixedDaysAreAlwaysListedByTheirDay) {
  ConditionState st;
  st.SetFixedDay(kCondFirstFixedDay, 2412);
  st.SetFixedDay(kCondFirstFixedDay + 1, 3803);
  EXPECT_EQ(Words(Describe(st)), "24.12. M4238 M3688|");
  ClickCondition(st, kCondFirstFixedDay);  // 24.12 required, the rest excluded
  EXPECT_EQ(Words(Describe(st)), "24.12. M4237 M4236 M3688|");
  ConditionState other;
  other.SetFixedDay(kCondFirstFixedDay, 101);
  ClickCondition(other, kCondFirstFixedDay);
  ClickCondition(other, kCondFirstFixedDay);  // 1.1. excluded, other days excluded
  ClickCondition(other, kCondOtherDays);
  ClickCondition(other, kCondOtherDays);      // other days any
  EXPECT_EQ(Words(Describe(other)), "M4236 1.1. M4238 M3682|");
}

TEST(ConditionDescription, RecordTextsAreEscapedAndLongTextsStillComplete) {
  class LongTexts : public FakeConditionTexts {
   public:
    std::string Message(int id) const override {
      return "{" + std::string(200, 'a') + "\\" + std::to_string(id);
    }
  } texts;
  ConditionState st;
  for (int i = 0; i < kCondEntryCount; ++i)
    if (IsConditionLeaf(i) && i % 3 == 0) st.SetLeaf(i, kCondExcluded);
  for (int k = 0; k < kCondFixedDayCount; ++k) st.SetFixedDay(kCondFirstFixedDay + k, 101 + k);
  st.ComputeNodeStates();
  std::string out;
  ASSERT_TRUE(DescribeConditions(st, texts, RtfStyle{}, out));
  EXPECT_GT(out.size(), 8192u);
  EXPECT_EQ(out.back(), '}');
  size_t braces = 0;
  for (size_t at = out.find("{aaa"); at != std::string::npos; at = out.find("{aaa", at + 1)) {
    EXPECT_EQ(out[at - 1], '\\') << "a brace of a text is escaped";
    ++braces;
  }
  EXPECT_GT(braces, 50u);
  EXPECT_EQ(out.find("a\\1"), std::string::npos) << "a backslash of a text is doubled";
}

TEST(ConditionDescription, FromARecordLoadsAScratchCatalogue) {
  RecoRecord r;
  r.monthCond = 0x555955;
  FakeConditionTexts texts;
  std::string out;
  ASSERT_TRUE(DescribeRecordConditions(r, texts, RtfStyle{}, out));
  EXPECT_EQ(Words(out), "M3664|");
}

}  // namespace
}  // namespace tw
