#include <gtest/gtest.h>

#include "condition_test_util.h"
#include "reco/condition_fixed_day.h"
#include "reco/condition_texts.h"

namespace tw {
namespace {

TEST(FixedDayChoice, CodesAndComboEntriesCorrespond) {
  EXPECT_EQ(FixedDayChoiceForCode(0), kFixedChoiceDate) << "a new day starts as a date";
  EXPECT_EQ(FixedDayChoiceForCode(2412), kFixedChoiceDate);
  EXPECT_EQ(FixedDayChoiceForCode(3800), 2);
  EXPECT_EQ(FixedDayChoiceForCode(3812), 14);
  for (int code = 3800; code <= 3812; ++code)
    EXPECT_EQ(FixedDayCodeForChoice(FixedDayChoiceForCode(code), 0), code);
  EXPECT_EQ(FixedDayCodeForChoice(kFixedChoiceNone, 2412), 0);
  EXPECT_EQ(FixedDayCodeForChoice(kFixedChoiceDate, 2412), 2412);
  EXPECT_EQ(FixedDayCodeForChoice(15, 0), -1);
  EXPECT_EQ(FixedDayCodeForChoice(-1, 0), -1);
}

TEST(FixedDayChoice, SpinsClampDayAndMonth) {
  EXPECT_EQ(StepDayMonth(3112, false, 1), 3112);
  EXPECT_EQ(StepDayMonth(3112, true, 1), 3112);
  EXPECT_EQ(StepDayMonth(101, false, -1), 101);
  EXPECT_EQ(StepDayMonth(101, true, -1), 101);
  EXPECT_EQ(StepDayMonth(2412, false, 1), 2512);
  EXPECT_EQ(StepDayMonth(2411, true, 1), 2412);
  EXPECT_TRUE(FirstSpinMovesDay(1));
  EXPECT_FALSE(FirstSpinMovesDay(0));
  EXPECT_FALSE(FirstSpinMovesDay(2));
}

TEST(ConditionTexts, FixedDayTextsByKind) {
  FakeConditionTexts texts;
  EXPECT_EQ(FixedDayText(texts, 0), "?");
  EXPECT_EQ(FixedDayText(texts, 2412), "24.12.");
  EXPECT_EQ(FixedDayText(texts, 3800), "M3685");
  EXPECT_EQ(FixedDayText(texts, 3812), "M3697");
}

TEST(ConditionTexts, ShortDayMonthFollowsTheLocale) {
  DateSettings settings;
  settings.locale.dateOrder = 1;
  settings.locale.dateSeparator = '.';
  EXPECT_EQ(ShortDayMonth(settings, 5, 3), "05.03");
  EXPECT_EQ(ShortDayMonth(settings, 29, 2), "29.02");
  settings.locale.dateOrder = 0;
  settings.locale.dateSeparator = '/';
  settings.locale.dayLeadingZero = 0;
  settings.locale.monthLeadingZero = 0;
  EXPECT_EQ(ShortDayMonth(settings, 24, 12), "12/24");
  settings.locale.dateOrder = 2;
  EXPECT_EQ(ShortDayMonth(settings, 5, 3), "3/5") << "no year even in year-first order";
}

TEST(ConditionTexts, FormatWithTextSubstitutesOnlyTheFirstString) {
  EXPECT_EQ(FormatWithText("Tag %s", "24.12."), "Tag 24.12.");
  EXPECT_EQ(FormatWithText("%s und %s", "a"), "a und %s");
  EXPECT_EQ(FormatWithText("100%% %d %s", "x"), "100% %d x");
  EXPECT_EQ(FormatWithText("ohne", "x"), "ohne");
  EXPECT_EQ(FormatWithText("am Ende %", "x"), "am Ende %");
}

}  // namespace
}  // namespace tw
