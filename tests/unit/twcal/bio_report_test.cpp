#include <gtest/gtest.h>

#include "bio/bio_report.h"
#include "core/daynumber.h"

namespace tw {
namespace {

using Lines = std::vector<std::string>;

const DayNumber kBirthday = DayFromDate(1970, 5, 17);

TEST(BioReport, RhythmLinesThenAverageOfTheShownRhythms) {
  const RhythmLabels labels = BuiltInRhythmLabels();
  EXPECT_EQ(BioReportLines(kBirthday, kBirthday, false, false, labels),
            (Lines{"K: 0,0%", "S: 0,0%", "G: 0,0%", "\xD8: 0,0%"}));
  // 19587 days on: phases 14, 15, 18 of the sine rhythms.
  EXPECT_EQ(BioReportLines(kBirthday, DayFromDate(2024, 1, 1), false, false, labels),
            (Lines{"K: -63,1%", "S: -22,3%", "G: -28,2%", "\xD8: -37,8%"}));
  // Sawtooth and all seven; the average divides by seven.
  EXPECT_EQ(BioReportLines(kBirthday, DayFromDate(2024, 1, 1), true, true, labels),
            (Lines{"K: -37,0%", "S: -12,2%", "G: -15,3%", "I: 99,7%", "M: -3,9%", "L: 20,5%",
                   "W: -21,5%", "\xD8: 4,3%"}));
}

TEST(BioReport, AverageBetweenMinusOneAndZeroKeepsItsSign) {
  // Day 43: -731, -223 and 945 average to -3.
  const Lines lines = BioReportLines(kBirthday, kBirthday + 43, false, false, BuiltInRhythmLabels());
  EXPECT_EQ(lines, (Lines{"K: -73,1%", "S: -22,3%", "G: 94,5%", "\xD8: -0,3%"}));
}

TEST(BioReport, LettersComeFromTheLabels) {
  RhythmLabels labels = BuiltInRhythmLabels();
  labels[1].Set('Z', "Zweite");
  const Lines lines = BioReportLines(kBirthday, kBirthday, false, false, labels);
  EXPECT_EQ(lines[1], "Z: 0,0%");
}

TEST(CompatReport, WholePercentPerRhythmDashesForTheOnesNotCompared) {
  const RhythmLabels labels = BuiltInRhythmLabels();
  EXPECT_EQ(CompatReportLines(kBirthday, kBirthday, false, labels),
            (Lines{"K: 100 %", "S: 100 %", "G: 100 %", "I: ---", "M: ---", "L: ---", "W: ---",
                   "\xD8: 100 %"}));
  EXPECT_EQ(CompatReportLines(kBirthday, kBirthday + 1, false, labels),
            (Lines{"K: 91 %", "S: 93 %", "G: 94 %", "I: ---", "M: ---", "L: ---", "W: ---",
                   "\xD8: 92 %"}));
  const Lines seven{"K: 39 %", "S: 50 %", "G: 9 %",  "I: 21 %",
                    "M: 7 %",  "L: 88 %", "W: 92 %", "\xD8: 43 %"};
  const DayNumber other = DayFromDate(1980, 2, 3);
  EXPECT_EQ(CompatReportLines(kBirthday, other, true, labels), seven);
  EXPECT_EQ(CompatReportLines(other, kBirthday, true, labels), seven);  // order does not matter
}

TEST(ConditionWords, SevenNumbersDecimalOrHex) {
  ConditionWords w{};
  std::string error;
  ASSERT_TRUE(ParseConditionWords("1,0,0,0,0,0,0", &w, &error)) << error;
  EXPECT_EQ(w, (ConditionWords{1, 0, 0, 0, 0, 0, 0}));
  ASSERT_TRUE(ParseConditionWords(" 0x1041 , 8,0X2000 ,0x2010,4096, 0,  0x10 ", &w, &error)) << error;
  // 0x2000 and 4096 keep only the "Unbedingt" field and become 0, as the page stores them.
  EXPECT_EQ(w, (ConditionWords{0x1041, 8, 0, 0x2010, 0, 0, 0x10}));
  ASSERT_TRUE(ParseConditionWords("0x2AAA,0x1555,0,0,0,0,0", &w, &error)) << error;
  EXPECT_EQ(w[0], 0x2AAAu);
  EXPECT_EQ(w[1], 0x1555u);
}

TEST(ConditionWords, RejectsWhatNoConditionCanHold) {
  const ConditionWords before{7, 7, 7, 7, 7, 7, 7};
  for (const char* bad : {"", "1,0,0,0,0,0", "1,0,0,0,0,0,0,0", "1,0,0,0,0,0,0,", ",1,0,0,0,0,0",
                          "1,0,0,,0,0,0", "x,0,0,0,0,0,0", "-1,0,0,0,0,0,0", "0x,0,0,0,0,0,0",
                          "1 2,0,0,0,0,0,0", "0x4000,0,0,0,0,0,0", "16384,0,0,0,0,0,0",
                          "99999999999,0,0,0,0,0,0", "3,0,0,0,0,0,0", "0,0xC,0,0,0,0,0",
                          "0,0,0,0,0,0,0xC00", "0x3001,0,0,0,0,0,0", "1;0;0;0;0;0;0"}) {
    ConditionWords w = before;
    std::string error;
    EXPECT_FALSE(ParseConditionWords(bad, &w, &error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
    EXPECT_EQ(w, before) << bad;
  }
}

}  // namespace
}  // namespace tw
