// Day text, any-holds and the day search over synthetic moon data.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "calendar/special_days.h"
#include "reco/reco_eval.h"
#include "reco/reco_messages.h"
#include "reco_test_util.h"

namespace tw {
namespace {

using testing::MakeReco;

const DayNumber kFirst = DayFromDate(2000, 1, 1);
constexpr int kDays = 731;  // 2000 and 2001

// Days without events whose moon sign runs 0, 1, ..., 11, 0, ... from 1 January 2000.
MemoryMoonData MakeMoon() {
  std::vector<MoonDayRecord> records;
  for (int i = 0; i < kDays; ++i) {
    MoonDayRecord r = EmptyMoonRecord();
    r.SetMoonSign(i % 12);
    r.SetSunSign(9);
    records.push_back(r);
  }
  return MemoryMoonData(kFirst, records);
}

uint32_t RequireOnly(int slots, int slot) {
  uint32_t f = 0;
  for (int s = 0; s < slots; ++s) f = WithCond(f, s, s == slot ? kCondRequired : kCondExcluded);
  return f;
}

RecoRecord OnMoonSign(const char* name, int category, int sign, int groupLink = 0) {
  RecoRecord r = MakeReco(name, category, groupLink);
  r.moonSignCond = RequireOnly(12, sign);
  return r;
}

struct Fixture {
  MemoryMoonData moon = MakeMoon();
  RecoTables tables;
  RecordingSink sink;
  RecoEvaluator eval{tables, moon, sink};
};

std::string PlainText(RecoEvaluator& eval, DayNumber d, RecoDayTextOptions o) {
  char buf[2048];
  char* end = eval.DayText(d, buf, buf + sizeof buf, o);
  EXPECT_EQ(*end, 0);
  return std::string(buf, end);
}

TEST(RecoAnyHolds, TakesOnlyOccupiedNonHeaderMembersOfTheSelection) {
  Fixture f;
  RecoRecord header = MakeReco("Kopf", 1, -12);  // no conditions: would hold every day
  f.tables.Occupy(0, header);
  f.tables.Occupy(1, OnMoonSign("Stier", 1, 1, 12));
  RecoRecord freed = MakeReco("frei", 0);
  f.tables.records[2] = freed;  // free slot with no conditions
  f.tables.selections[2].inUse = 1;
  f.tables.selections[2].members.Set(0, true);
  f.tables.selections[2].members.Set(2, true);

  const DayNumber taurusDay = kFirst + 1;
  EXPECT_TRUE(f.eval.AnyHolds(taurusDay, 0));
  EXPECT_FALSE(f.eval.AnyHolds(taurusDay + 1, 0));
  EXPECT_FALSE(f.eval.AnyHolds(taurusDay, 1));   // the empty selection
  EXPECT_FALSE(f.eval.AnyHolds(taurusDay, 2));   // only the header and a free slot
  EXPECT_FALSE(f.eval.AnyHolds(taurusDay, 500)); // out of range: nothing
  EXPECT_FALSE(f.eval.AnyHolds(kFirst - 1, 0));  // no moon data
  EXPECT_EQ(f.eval.day().attr.moonSign, 1);
}

TEST(RecoDayText, PlainLinesInSlotOrderWithCategoryFilterAndHeading) {
  Fixture f;
  f.tables.Occupy(5, OnMoonSign("Zwei", 2, 1));
  f.tables.Occupy(3, OnMoonSign("Eins", 1, 1));
  f.tables.Occupy(4, OnMoonSign("Nie", 1, 2));
  f.tables.Occupy(6, OnMoonSign("Drei", 3, 1));
  const DayNumber d = kFirst + 1;
  RecoDayTextOptions o;
  EXPECT_EQ(PlainText(f.eval, d, o), "Eins\r\nZwei\r\nDrei\r\n");
  o.categoryFilter = 2;
  EXPECT_EQ(PlainText(f.eval, d, o), "Zwei\r\n");
  o.categoryFilter = 0;
  o.heading = true;
  o.headingText = "Empfehlungen f\xFCr diesen Tag, ein sehr langer Titel";
  EXPECT_EQ(PlainText(f.eval, d, o),
            "Empfehlungen f\xFCr diesen Tag, ei:\r\nEins\r\nZwei\r\nDrei\r\n");
  // No hit: no heading either.
  EXPECT_EQ(PlainText(f.eval, d + 2, o), "");
}

TEST(RecoDayText, JoiningByGroupAndAll) {
  Fixture f;
  f.tables.Occupy(0, OnMoonSign("a", 1, 1));
  f.tables.Occupy(1, OnMoonSign("b", 1, 1));
  f.tables.Occupy(2, OnMoonSign("c", 1, 1));
  f.tables.Occupy(3, MakeReco("G", 1, -20));
  f.tables.Occupy(4, OnMoonSign("g1", 1, 1, 20));
  f.tables.Occupy(5, OnMoonSign("g2", 1, 1, 20));
  f.tables.Occupy(6, OnMoonSign("d", 1, 1));
  const DayNumber d = kFirst + 1;
  RecoDayTextOptions o;
  o.separators = 1;  // consecutive standalone hits join too: 0 counts as a group
  EXPECT_EQ(PlainText(f.eval, d, o), "a, b, c\r\ng1, g2\r\nd\r\n");
  o.separators = 2;
  EXPECT_EQ(PlainText(f.eval, d, o), "a, b, c, g1, g2, d\r\n");
}

TEST(RecoDayText, MaxLengthStopsAfterTheHitThatCrossesIt) {
  Fixture f;
  f.tables.Occupy(0, OnMoonSign("erste", 1, 1));
  f.tables.Occupy(1, OnMoonSign("zweite", 1, 1));
  f.tables.Occupy(2, OnMoonSign("dritte", 1, 1));
  RecoDayTextOptions o;
  o.maxLength = 8;  // "erste\r\n" is 7: not longer, so the second is written whole
  EXPECT_EQ(PlainText(f.eval, kFirst + 1, o), "erste\r\nzweite\r\n");
  o.maxLength = 3;
  EXPECT_EQ(PlainText(f.eval, kFirst + 1, o), "erste\r\n");
}

TEST(RecoDayText, SmallBufferNeverOverflows) {
  Fixture f;
  for (int n = 0; n < 20; ++n) f.tables.Occupy(n, OnMoonSign("Eine Empfehlung", 1, 1));
  for (bool rich : {false, true}) {
    char buf[64 + 8];
    std::memset(buf, 'Z', sizeof buf);
    RecoDayTextOptions o;
    o.formatted = rich;
    char* end = f.eval.DayText(kFirst + 1, buf, buf + 64, o);
    EXPECT_LE(end, buf + 63);
    EXPECT_EQ(*end, 0);
    for (int i = 64; i < 72; ++i) EXPECT_EQ(buf[i], 'Z');
  }
}

TEST(RecoDayText, RichParagraphsColoursStylesAndEscapedNames) {
  Fixture f;
  RecoRecord red = OnMoonSign("rot {fett}", 1, 1);
  red.colorIndex = 1;
  red.styleIndex = 1;
  RecoRecord plain = OnMoonSign("normal", 1, 1);
  RecoRecord italic = OnMoonSign("kursiv", 2, 1);
  italic.styleIndex = 2;
  f.tables.Occupy(0, red);
  f.tables.Occupy(1, plain);
  f.tables.Occupy(2, italic);
  RecoDayTextOptions o;
  o.formatted = true;
  o.heading = true;
  o.headingText = "Empfehlungen";
  char buf[2048];
  char* end = f.eval.DayText(kFirst + 1, buf, buf + sizeof buf, o);
  const std::string s(buf, end);
  EXPECT_EQ(s.rfind("\\pard\\plain \\f1\\fs20 \\b \\cf6 Empfehlungen:\\par ", 0), 0u) << s;
  EXPECT_NE(s.find("\\pard\\plain \\f1\\fs20 \\b \\cf2 rot \\{fett\\}\\b0 \\par "), std::string::npos) << s;
  EXPECT_NE(s.find("\\pard\\plain \\f1\\fs20 normal\\par "), std::string::npos) << s;
  EXPECT_NE(s.find("\\pard\\plain \\f1\\fs20 \\i kursiv\\i0 \\par "), std::string::npos) << s;
  EXPECT_EQ(s.substr(s.size() - 12), "\\pard\\plain ") << s;

  // Joined on one line, a default-coloured hit after a red one is black again.
  o.heading = false;
  o.separators = 2;
  end = f.eval.DayText(kFirst + 1, buf, buf + sizeof buf, o);
  const std::string j(buf, end);
  EXPECT_NE(j.find("\\b0 , \\cf1 normal, \\i \\cf1 kursiv\\i0 \\par "), std::string::npos) << j;
  EXPECT_EQ(j.find("\\par \\pard\\plain \\f1"), std::string::npos) << j;  // one paragraph
}

TEST(RecoDayText, SpecialDaysComeFirstForGeneralAndAll) {
  Fixture f;
  SpecialDayTable special;
  SpecialDay xmas;
  xmas.flags = kSpecialKindFixed | kSpecialActive;
  xmas.value = 2512;
  xmas.SetName("1. Weihnachtstag");
  special.entries.push_back(xmas);
  f.eval.specialDays = &special;
  RecoRecord all = MakeReco("immer", 1);
  f.tables.Occupy(0, all);
  const DayNumber d = DayFromDate(2000, 12, 25);
  RecoDayTextOptions o;
  EXPECT_EQ(PlainText(f.eval, d, o), "1. Weihnachtstag\r\nimmer\r\n");
  o.categoryFilter = 3;
  EXPECT_EQ(PlainText(f.eval, d, o), "1. Weihnachtstag\r\n");
  o.categoryFilter = 1;
  EXPECT_EQ(PlainText(f.eval, d, o), "immer\r\n");
  f.eval.settings.showHoliday = false;
  o.categoryFilter = 0;
  EXPECT_EQ(PlainText(f.eval, d, o), "immer\r\n");
}

class CountingProgress : public SearchProgress {
 public:
  int begun = 0, ended = 0, asked = 0;
  int cancelAfter = -1;
  void Begin() override { ++begun; }
  void End() override { ++ended; }
  bool Continue() override { return ++asked != cancelAfter; }
};

TEST(RecoFindDay, FindsNextAndPreviousHit) {
  Fixture f;
  f.tables.Occupy(0, OnMoonSign("Krebs", 1, 3));
  const DayNumber start = kFirst + 100;  // moon sign 100 % 12 = 4
  EXPECT_EQ(f.eval.FindDay(start, 1, false, 0, kFirst), kFirst + 111);
  EXPECT_EQ(f.eval.FindDay(start, -1, false, 0, kFirst), kFirst + 99);
  EXPECT_EQ(f.eval.FindDay(kFirst + 99, -1, false, 0, kFirst), kFirst + 87);  // not itself
  CountingProgress p;
  EXPECT_EQ(f.eval.FindDay(start, 1, true, 0, kFirst, &p), kFirst + 111);
  EXPECT_EQ(p.begun, 1);
  EXPECT_EQ(p.ended, 1);
  EXPECT_TRUE(f.sink.entries.empty());
}

TEST(RecoFindDay, WithoutHitReturnsStartOrTheLimitRunInto) {
  Fixture f;
  f.tables.Occupy(0, OnMoonSign("Krebs", 1, 3));
  f.tables.selections[2].inUse = 1;  // empty selection
  const DayNumber start = kFirst + 100;
  EXPECT_EQ(f.eval.FindDay(start, 1, true, 2, kFirst), start);
  ASSERT_EQ(f.sink.entries.size(), 1u);
  EXPECT_EQ(f.sink.entries[0].id, kMsgRecoNoDayFound);
  EXPECT_EQ(f.sink.entries[0].type, kMsgWarning);
  // Not interactive: the upper limit forward (the moon data ends before it here) ...
  EXPECT_EQ(f.eval.FindDay(start, 1, false, 2, kFirst), kLastMoonDay);
  // ... and the lower limit backward, also when the data begins after it.
  EXPECT_EQ(f.eval.FindDay(start, -1, false, 2, kFirst + 50), kFirst + 50);
  EXPECT_EQ(f.eval.FindDay(start, -1, false, 2, kFirst - 3000), kFirst - 3000);
  EXPECT_EQ(f.sink.entries.size(), 1u);
}

TEST(RecoFindDay, LimitsBoundTheSearch) {
  Fixture f;
  f.tables.Occupy(0, OnMoonSign("Krebs", 1, 3));
  const DayNumber start = kFirst + 100;
  // The next hit (day 111) lies beyond SearchEnd: interactive search finds nothing.
  f.eval.settings.searchEnd = kFirst + 110;
  EXPECT_EQ(f.eval.FindDay(start, 1, true, 0, kFirst), start);
  f.eval.settings.searchEnd = kFirst + 111;
  EXPECT_EQ(f.eval.FindDay(start, 1, true, 0, kFirst), kFirst + 111);
  // The previous hit (day 99) lies below the birthday.
  EXPECT_EQ(f.eval.FindDay(start, -1, false, 0, kFirst + 100), kFirst + 100);
}

TEST(RecoFindDay, ProgressCanCancelAnInteractiveSearch) {
  Fixture f;
  f.tables.selections[2].inUse = 1;
  CountingProgress p;
  p.cancelAfter = 2;
  const DayNumber start = kFirst + 10;
  EXPECT_EQ(f.eval.FindDay(start, 1, true, 2, kFirst, &p), start);
  EXPECT_EQ(p.asked, 2);
  EXPECT_EQ(p.ended, 1);
  EXPECT_TRUE(f.sink.entries.empty());  // a cancelled search reports nothing
}

}  // namespace
}  // namespace tw
