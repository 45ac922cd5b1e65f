#include <gtest/gtest.h>

#include "bio/percent_text.h"
#include "bio/rhythm.h"
#include "bio/rhythm_label.h"

namespace tw {
namespace {

TEST(PercentText, GermanCommaTruncationAndSmallNegatives) {
  const struct {
    char letter;
    int32_t value;
    const char* text;
  } rows[] = {
      {'K', 681, "K: 68,1%"},    {'S', 0, "S: 0,0%"},      {'G', 1000, "G: 100,0%"},
      {'G', -1000, "G: -100,0%"}, {'W', -681, "W: -68,1%"}, {'W', -10, "W: -1,0%"},
      {'W', 9, "W: 0,9%"},       {'K', -5, "K: -0,5%"},    {'K', -1, "K: -0,1%"},
      {'K', -9, "K: -0,9%"},
  };
  for (const auto& r : rows) EXPECT_EQ(PercentText(r.letter, r.value), r.text);
  PercentParts p = SplitPercent(-5);
  EXPECT_EQ(p.whole, 0);
  EXPECT_EQ(p.tenths, 5);
  EXPECT_TRUE(p.negative);
}

TEST(PercentText, MessageFormatGetsWholeAndTenths) {
  EXPECT_EQ(FormatPercentMessage("Durchschnitt: %d,%d%%", 681), "Durchschnitt: 68,1%");
  EXPECT_EQ(FormatPercentMessage("Durchschnitt: %d,%d%%", -5), "Durchschnitt: -0,5%");
  EXPECT_EQ(FormatPercentMessage("%ld,%ld %%", -123), "-12,3 %");
  // A third number has no value to take; it is left as written.
  EXPECT_EQ(FormatPercentMessage("%d,%d %d", 11), "1,1 %d");
}

TEST(DayAverage, OverTheShownRhythmsTruncatingTowardZero) {
  const DayNumber b = 140000;
  EXPECT_EQ(DayAverage(b, b, false, false), 0);
  EXPECT_EQ(DayAverage(b, b, true, true), 0);
  int checkedNegative = 0;
  for (int n = 1; n < 400; ++n) {
    for (bool higher : {false, true}) {
      const int count = higher ? 7 : 3;
      int32_t sum = 0;
      for (int r = 0; r < count; ++r) sum += RhythmDayValue(r, b, b + n, false);
      const int32_t avg = DayAverage(b, b + n, higher, false);
      EXPECT_EQ(avg, sum / count);
      if (sum < 0 && sum % count != 0) {
        // Truncation toward zero, never floor.
        EXPECT_GT(avg * count, sum);
        ++checkedNegative;
      }
    }
  }
  EXPECT_GT(checkedNegative, 0);
}

TEST(RhythmLabels, BuiltInSlotsSplitLetterAndName) {
  RhythmLabels l = BuiltInRhythmLabels();
  EXPECT_EQ(l[0].Letter(), 'K');
  EXPECT_STREQ(l[0].Name(), "Körper");
  EXPECT_EQ(static_cast<unsigned char>(l[0].Name()[1]), 0xF6);  // CP1252 ö
  EXPECT_STREQ(l[0].text, "K");
  EXPECT_EQ(l[6].Letter(), 'W');
  EXPECT_STREQ(l[6].Name(), "Wille");
  EXPECT_EQ(l[3].SettingText(), "I Intuition");
}

TEST(RhythmLabels, SettingsReplaceSlotsUnlessEmpty) {
  MemoryProfile p;
  p.Set("TidewellText", "C1", "");
  p.Set("TidewellText", "C2", "A Anders");
  p.Set("TidewellText", "C3", "Z Ein sehr langer Name der nicht passt");
  for (int r = 4; r < 7; ++r) p.Set("TidewellText", "C" + std::to_string(r + 1), "Q Quer");
  RhythmLabels l = LoadRhythmLabels(p);
  EXPECT_EQ(l[3].SettingText(), "I Intuition") << "an absent key keeps the built-in label";
  EXPECT_EQ(l[0].Letter(), 'K');
  EXPECT_STREQ(l[0].Name(), "Körper");
  EXPECT_EQ(l[1].Letter(), 'A');
  EXPECT_STREQ(l[1].Name(), "Anders");
  EXPECT_EQ(l[2].Letter(), 'Z');
  EXPECT_EQ(std::string(l[2].Name()), std::string("Ein sehr langer Name der nicht passt").substr(0, 30));
  EXPECT_STREQ(l[6].Name(), "Quer");
}

TEST(RhythmLabels, SaveWritesLetterBlankNameAndReadsBack) {
  RhythmLabels l = BuiltInRhythmLabels();
  l[4].Set('N', "Neu");
  MemoryProfile p;
  SaveRhythmLabels(p, l);
  std::string s;
  ASSERT_TRUE(p.Get("TidewellText", "C5", s));
  EXPECT_EQ(s, "N Neu");
  ASSERT_TRUE(p.Get("TidewellText", "C1", s));
  EXPECT_EQ(s, "K Körper");
  RhythmLabels back = LoadRhythmLabels(p);
  for (int r = 0; r < kRhythmCount; ++r) EXPECT_EQ(back[r].SettingText(), l[r].SettingText());
}

TEST(RhythmLabels, EntryRulesOfTheRhythmPage) {
  const struct {
    int rhythm;
    const char *letter, *name, *setting;
  } rows[] = {
      {0, "T", "Tatkraft", "T Tatkraft"},
      {1, "", "Seele", "S Seele"},              // no letter: the name's first one
      {2, "x", "", "3 Rhythmus 3"},             // no name: number, word, number
      {6, "", "", "7 Rhythmus 7"},
      {3, "I", "Ein Name von mehr als dreißig Zeichen", "I Ein Name von mehr als dreißig "},
  };
  for (const auto& r : rows) {
    const RhythmLabel l = LabelFromEntry(r.rhythm, r.letter, r.name, "Rhythmus");
    EXPECT_EQ(l.SettingText(), r.setting);
    EXPECT_EQ(l.text[1], 0) << "letter and name read as two strings";
  }
  // An overlong word still leaves a terminated slot of at most 32 stored characters.
  const RhythmLabel l = LabelFromEntry(4, "", "", std::string(60, 'R'));
  EXPECT_EQ(l.Letter(), '5');
  EXPECT_EQ(std::string(l.Name()), std::string(30, 'R'));
}

}  // namespace
}  // namespace tw
