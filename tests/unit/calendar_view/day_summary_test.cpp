// The side panel's summary, legend and geometry.
#include <gtest/gtest.h>

#include "calendar/moon_derived.h"
#include "views/day_summary.h"
#include "view_test_util.h"

namespace tw {
namespace {

using viewtest::Day;
using viewtest::Plain;
using viewtest::Shipped;

std::string Summary(DayNumber d, DayNumber birthday, int mask, RecoEvaluator* eval = nullptr,
                    bool sternbild = false) {
  CellContext ctx = viewtest::ScreenContext();
  ctx.sternbild = sternbild;
  SummaryRequest q;
  q.day = d;
  q.birthday = birthday;
  q.dataMask = mask;
  return Plain(BuildDaySummary(Shipped().moon, eval, q, ctx));
}

TEST(DaySummary, DefaultLinesOnADayWithASignChange) {
  const DayNumber d = Day(2024, 1, 12);
  EXPECT_EQ(Summary(d, d, 0xFF),
            "Freitag, 12.01.2024, Alter: 1 Tag\n"
            "Sonne: Steinbock\n"
            "Mond: Steinbock, Wassermann um 04:01 (Erde/Luft)\n"
            "Zunehmender Mond, Aufsteigender Mond, Mond nähert sich\n");
}

TEST(DaySummary, EventsCarryTheirTimes) {
  // New moon at 12:57.
  EXPECT_EQ(Summary(Day(2024, 1, 11), 0, 32), "Neumond um 12:57, ");
  // Spring starts at 04:06 when the sun enters Aries; falling moon without node: planting.
  EXPECT_EQ(Summary(Day(2024, 3, 20), 0, 4 | 8 | 16),
            "Frühlingsanfang um 04:06\n"
            "Sonne: Widder um 04:06 \n"
            "Mond: Löwe (Feuer - Pflanzzeit)\n");
  // Perigee on 13 January 2024 at 11:36.
  EXPECT_EQ(Summary(Day(2024, 1, 13), 0, 64), "Erdnähe um 11:36\n");
  EXPECT_EQ(Summary(Day(2024, 12, 25), 0, 16), "Mond: Waage, Skorpion um 09:06 (Luft/Wasser - Pflanzzeit)\n");
}

TEST(DaySummary, SingleLinesAndTheirSeparators) {
  const DayNumber d = Day(2024, 1, 12);
  EXPECT_EQ(Summary(d, d, 32), "Zunehmender Mond, ");
  EXPECT_EQ(Summary(d, d, 8), "Sonne: Steinbock\n\n");  // a sun line without moon line
  EXPECT_EQ(Summary(d, d - 10, 2), "Alter: 11 Tage\n");
  EXPECT_EQ(Summary(d, d, 1), "Freitag, 12.01.2024\n");
  EXPECT_EQ(Summary(d, d, 0), "");
  // The constellation reckoning names other signs and times.
  EXPECT_EQ(Summary(d, d, 16, nullptr, true), "Mond: Schütze, Steinbock um 04:00 (Feuer/Erde)\n");
}

TEST(DaySummary, NodeLineOnlyWithItsBitAndOnNodeDays) {
  DayNumber node = 0;
  for (DayNumber d = Day(2024, 1, 1); d < Day(2024, 2, 1) && !node; ++d)
    if (Shipped().moon.Fetch(d)->HasEvent(MoonEvent::Node)) node = d;
  ASSERT_NE(node, 0);
  const MoonDayRecord r = *Shipped().moon.Fetch(node);
  const std::string line = Summary(node, 0, 256);
  char expected[32];
  std::snprintf(expected, sizeof expected, "%c %02d:%02d\n", r.nodeKind() ? 'n' : 'o', r.nodeTime() / 60,
                r.nodeTime() % 60);
  EXPECT_EQ(line, expected);
  EXPECT_EQ(Summary(node, 0, 0xFF).find(expected), std::string::npos);
  EXPECT_EQ(Summary(node + 3, 0, 256), "");
}

TEST(DaySummary, DaysWithoutMoonDataShowOnlyDateAndAge) {
  const DayNumber d = Day(1949, 12, 31);
  EXPECT_EQ(Summary(d, d - 1, 0x3FF), "Samstag, 31.12.1949, Alter: 2 Tage\n");
}

TEST(DaySummary, RecommendationsFollowUnderTheirHeading) {
  const DayNumber d = Day(2024, 12, 25);
  const std::string s = Summary(d, 0, 0x3FF, Shipped().eval.get());
  // The day's special days come first, then the recommendations under their heading.
  const size_t base = Summary(d, 0, 0x1FF).size();
  EXPECT_EQ(s.find("1. Weihnachtstag\n"), base) << s;
  const size_t heading = s.find("Empfehlungen:\n");
  ASSERT_NE(heading, std::string::npos) << s;
  EXPECT_GT(heading, base);
  EXPECT_GT(s.size(), heading + 15);
  // With the window's empty selection only the special days remain.
  CellContext ctx = viewtest::ScreenContext();
  SummaryRequest q;
  q.day = d;
  q.dataMask = 512;
  q.showAllRecommendations = false;
  q.selection = 1;
  EXPECT_EQ(Plain(BuildDaySummary(Shipped().moon, Shipped().eval.get(), q, ctx)), "1. Weihnachtstag\n");
}

TEST(DaySummary, TimesFollowTheLocaleAndCutThePrefix) {
  EXPECT_EQ(SummaryTime(65, "um ", true), " um 01:05");
  EXPECT_EQ(SummaryTime(65, "um ", false), " um 1:05");
  EXPECT_EQ(SummaryTime(1439, "", true), " 23:59");
  EXPECT_EQ(SummaryTime(0, "abcdefghij", true), " abcdefg00:00");
}

TEST(GlyphLegend, TwentyThreeGlyphsThenTheRhythms) {
  const std::string legend = BuildGlyphLegend(BuiltInRhythmLabels(), viewtest::ScreenContext());
  const std::string plain = Plain(legend);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t nl; (nl = plain.find('\n', start)) != std::string::npos; start = nl + 1)
    lines.push_back(plain.substr(start, nl - start));
  ASSERT_EQ(lines.size(), 1u + 23u + 1u + 7u + 1u);
  EXPECT_EQ(lines[0], "Zeichenerklärung");
  EXPECT_EQ(lines[1], "P\tWidder");
  EXPECT_EQ(lines[13], "\xAF\tNeumond");
  EXPECT_EQ(lines[21], "u\tErdnähe");
  EXPECT_EQ(lines[23], "n o\tMondknoten");
  EXPECT_EQ(lines[24], "");
  EXPECT_EQ(lines[25][0], BuiltInRhythmLabels()[0].Letter());
  EXPECT_EQ(lines[25].substr(2), BuiltInRhythmLabels()[0].Name());
  EXPECT_EQ(viewtest::SymbolRuns(legend).substr(0, 3), "PQR");
  // The rhythm letters are magenta (colour table index 6).
  EXPECT_NE(legend.find("\\cf6 "), std::string::npos);
}

TEST(SidePanelGeometry, DefaultHeightsFillTheColumnWithoutGaps) {
  const SidePanelLayout l = LayoutSidePanel(256, 700, 80, 24, 4, 76, 0);
  EXPECT_EQ(l.picture.cy, 200);  // at most 200 pixels
  EXPECT_EQ(l.button.x, 88);
  EXPECT_EQ(l.button.y, 674);
  EXPECT_EQ(l.summary.y, 204);
  EXPECT_EQ(l.note.cy, 76);
  EXPECT_EQ(l.note.y + l.note.cy, l.button.y - 2);
  EXPECT_EQ(l.legend.cy, 0);
  EXPECT_EQ(l.splitter1, l.summary.y + l.summary.cy);
  EXPECT_EQ(l.legend.y, l.splitter1 + 4 + 1);
  EXPECT_EQ(l.splitter2 + 4 + 1, l.note.y);
  EXPECT_EQ(l.dragHigh, 672 - 32 - 4);
}

TEST(SidePanelGeometry, HeightsAreClampedSoTheSummaryKeepsAFifth) {
  // A = 672 - 204 - 2 - 8 = 458, a fifth is 91.
  SidePanelLayout l = LayoutSidePanel(256, 700, 80, 24, 4, 1000, 0);
  EXPECT_EQ(l.noteHeight, 364);
  EXPECT_EQ(l.summary.cy, 94);
  l = LayoutSidePanel(256, 700, 80, 24, 4, 10, 0);
  EXPECT_EQ(l.noteHeight, 32);
  l = LayoutSidePanel(256, 700, 80, 24, 4, 76, 1000);
  EXPECT_EQ(l.summary.cy, 91);
  EXPECT_EQ(l.legendHeight, 458 - 76 - 91);
  l = LayoutSidePanel(256, 700, 80, 24, 4, 0, 0);  // 0 stands for all the room there is
  EXPECT_EQ(l.noteHeight, 364);
  // A narrow panel keeps its picture at 5/4 of the width.
  EXPECT_EQ(LayoutSidePanel(100, 700, 80, 24, 0, 76, 0).picture.cy, 125);
  // A tiny panel never gets negative heights.
  l = LayoutSidePanel(60, 60, 50, 24, 4, 76, 50);
  EXPECT_GE(l.summary.cy, 0);
  EXPECT_GE(l.note.cy, 0);
  EXPECT_GE(l.legendHeight, 0);
}

TEST(MoonPictureGeometry, PositionsFollowHeightDistanceAndEvents) {
  MoonDayRecord r = EmptyMoonRecord();
  r.SetWaxing(true);
  r.SetIllumination(50);
  r.SetHeight(100);
  r.SetDistance(100);
  r.SetMoonSign(4);
  r.SetAscending(true);
  MoonPictureLayout m = LayoutMoonPicture(r, 50, false, 252, 200, 45, 130, 96, 16);
  EXPECT_EQ(m.stripX, 205);
  EXPECT_EQ(m.stripY, 68);
  EXPECT_EQ(m.moonBitmap, 107);
  EXPECT_EQ(m.moonSize, 48);  // farthest: half size
  EXPECT_EQ(m.moonY, 2);      // highest: at the top
  EXPECT_EQ(m.moonX, (205 - 48) / 2);
  EXPECT_EQ(m.signBitmap, 143);
  EXPECT_EQ(m.elementIndex, kElementFire);
  EXPECT_EQ(m.heightBitmap, 152);
  EXPECT_EQ(m.heightY + 16, 68 + 69 - 50);  // a rising arrow ends at the level
  EXPECT_EQ(m.distanceBitmap, 154);
  EXPECT_EQ(m.nodeBitmap, 0);
  r.SetHeight(0);
  r.SetDistance(0);
  m = LayoutMoonPicture(r, 50, false, 252, 200, 45, 130, 96, 16);
  EXPECT_EQ(m.moonSize, 96);
  EXPECT_EQ(m.moonY + m.moonSize, 198);  // lowest: at the bottom, inside the control
  // A lowest point is drawn just below the previous day's height.
  r.SetEventTime(MoonEvent::Height, 300);
  r.SetEventTime(MoonEvent::Node, 300);
  r.SetEventTime(MoonEvent::Season, 300);
  r.SetSunSign(2);
  m = LayoutMoonPicture(r, 50, false, 252, 200, 45, 130, 96, 16);
  const MoonPictureLayout at48 = [&] {
    MoonDayRecord q = EmptyMoonRecord();
    q.SetHeight(48);
    q.SetDistance(0);
    return LayoutMoonPicture(q, 0, false, 252, 200, 45, 130, 96, 16);
  }();
  EXPECT_EQ(m.moonY, at48.moonY);
  EXPECT_EQ(m.heightBitmap, 90);
  EXPECT_EQ(m.heightY, 68 + 73);
  EXPECT_EQ(m.nodeBitmap, 97);
  EXPECT_EQ(m.seasonBitmap, 157);
  // Without the previous day a lowest point lies at the bottom.
  EXPECT_EQ(LayoutMoonPicture(r, -1, false, 252, 200, 45, 130, 96, 16).moonY, 200 - 96 - 2);
}

}  // namespace
}  // namespace tw
