// The cells of the moon calendar built for known days of the shipped moon data.
#include <gtest/gtest.h>

#include "calendar/moon_derived.h"
#include "doc/person_edit.h"
#include "view_test_util.h"

namespace tw {
namespace {

using viewtest::Day;
using viewtest::Plain;
using viewtest::Shipped;
using viewtest::SymbolRuns;

MoonDayRecord RecordOf(DayNumber d) {
  const MoonDayRecord* r = Shipped().moon.Fetch(d);
  EXPECT_NE(r, nullptr);
  return r ? *r : MoonDayRecord{};
}

std::string Texts(const std::vector<MoonGlyph>& glyphs) {
  std::string s;
  for (const MoonGlyph& g : glyphs) s += g.text + "|";
  return s;
}

TEST(MoonCell, NewMoonDayShowsTheNewMoonGlyphAndNoSignChange) {
  // 11 January 2024: new moon at 12:57, moon in Capricorn all day, rising.
  const auto g = MoonGlyphs(RecordOf(Day(2024, 1, 11)), false);
  EXPECT_EQ(Texts(g), "Y|\xAF|q|");
  EXPECT_EQ(g[1].time, 12 * 60 + 57);
}

TEST(MoonCell, SignChangeDuringTheDayShowsBothSigns) {
  // 12 January 2024: the moon enters Aquarius at 04:01 (constellation Capricornus at 04:00).
  const MoonDayRecord r = RecordOf(Day(2024, 1, 12));
  auto g = MoonGlyphs(r, false);
  EXPECT_EQ(g[0].text, "Y-Z");
  EXPECT_EQ(g[0].time, 4 * 60 + 1);
  g = MoonGlyphs(r, true);
  EXPECT_EQ(g[0].text, "X-Y");
  // 25 January 2024: full moon, the moon enters Leo at 08:37.
  g = MoonGlyphs(RecordOf(Day(2024, 1, 25)), false);
  EXPECT_EQ(Texts(g), "S-T|\x9B|s|");
}

TEST(MoonCell, ChangeAtMidnightShowsOnlyTheNewSign) {
  MoonDayRecord r = EmptyMoonRecord();
  r.SetMoonSign(1);
  r.SetEventTime(MoonEvent::MoonSign, 0);
  r.SetWaxing(true);
  r.SetIllumination(50);
  EXPECT_EQ(MoonGlyphs(r, false)[0].text, "Q");
  EXPECT_EQ(MoonGlyphs(r, false)[1].text, "\x91");  // waxing half moon
}

TEST(MoonCell, EventGlyphsAppearOnlyOnTheirDaysAndTheNodeIsRed) {
  MoonDayRecord r = EmptyMoonRecord();
  r.SetAscending(true);
  r.SetEventTime(MoonEvent::Height, 600);
  r.SetApproaching(true);
  r.SetEventTime(MoonEvent::Distance, 61);
  r.SetNodeKind(0);
  r.SetEventTime(MoonEvent::Node, 1439);
  const auto g = MoonGlyphs(r, false);
  ASSERT_EQ(g.size(), 5u);
  EXPECT_EQ(g[2].text, "p");
  EXPECT_EQ(g[3].text, "t");
  EXPECT_EQ(g[4].text, "o");
  EXPECT_TRUE(g[4].red);
  EXPECT_FALSE(g[3].red);
  r.SetAscending(false);
  r.SetApproaching(false);
  r.SetNodeKind(1);
  const auto h = MoonGlyphs(r, false);
  EXPECT_EQ(h[2].text, "r");
  EXPECT_EQ(h[3].text, "u");
  EXPECT_EQ(h[4].text, "n");

  const CellContext ctx = viewtest::ScreenContext();
  const std::string rtf = MoonCellRtf(r, 5, ctx);
  // The node glyph alone is switched to red and back.
  EXPECT_NE(rtf.find("\\cf2 n\\cf1 "), std::string::npos) << rtf;
}

TEST(MoonCell, GlyphsAreSeparatedByTabsAndBrokenIntoLines) {
  const MoonDayRecord r = RecordOf(Day(2024, 1, 12));
  const CellContext ctx = viewtest::ScreenContext();
  EXPECT_EQ(Plain(MoonCellRtf(r, 5, ctx)), "Y-Z\t\xAF\tq");
  EXPECT_EQ(Plain(MoonCellRtf(r, 2, ctx)), "Y-Z\t\xAF\nq");
  EXPECT_EQ(Plain(MoonCellRtf(r, 0, ctx)), "Y-Z\xAFq");
  EXPECT_EQ(SymbolRuns(MoonCellRtf(r, 5, ctx)), "Y-Z\t\xAF\tq");
  const std::string tabs = MoonCellRtf(r, 5, ctx, {780, 1170});
  EXPECT_NE(tabs.find("\\tx780 \\tx1170 \\f2"), std::string::npos) << tabs;
  // No times on screen; in print the time follows its glyph, and the glyphs go on in
  // the symbol font.
  EXPECT_EQ(Plain(MoonCellRtf(r, 5, ctx)).find(':'), std::string::npos);
  CellContext print = ctx;
  print.printing = true;
  print.fontChoice = kRtfPrintFont;
  const std::string p = MoonCellRtf(r, 5, print);
  EXPECT_EQ(Plain(p), "Y-Z 04:01\t\xAF\tq");
  EXPECT_EQ(SymbolRuns(p), "Y-Z\t\xAF\tq");
}

TEST(SunCell, CentredSignGlyphWithTheTimeOnlyInPrint) {
  // 20 January 2024: the sun enters Aquarius at 15:07.
  const MoonDayRecord r = RecordOf(Day(2024, 1, 20));
  CellContext ctx = viewtest::ScreenContext();
  const std::string s = SunCellRtf(r, ctx);
  EXPECT_NE(s.find("\\qc "), std::string::npos);
  EXPECT_EQ(SymbolRuns(s), "Z");
  ctx.printing = true;
  ctx.fontChoice = kRtfPrintFont;
  EXPECT_EQ(Plain(SunCellRtf(r, ctx)), "Z 15:07");
  ctx.sternbild = true;  // the sun stands in Capricornus until 14:47
  EXPECT_EQ(Plain(SunCellRtf(r, ctx)), "Y 14:47");
}

TEST(DateCell, SundaysAndOfficialHolidaysAreRedOnColourDevices) {
  CellContext ctx = viewtest::ScreenContext();
  const std::string friday = DateCellRtf(Day(2024, 1, 12), 0, ctx);
  EXPECT_EQ(Plain(friday), "Fr.\t12.01.24");
  EXPECT_EQ(friday.find("\\cf2 "), std::string::npos);
  const std::string sunday = DateCellRtf(Day(2024, 1, 14), 0, ctx);
  EXPECT_NE(sunday.find("\\cf2 "), std::string::npos);
  // 25 December 2024 is a Wednesday and an official holiday of the shipped table.
  const DayNumber christmas = Day(2024, 12, 25);
  YearTable year;
  const int holiday = HolidayTest(christmas, Shipped().special, year);
  EXPECT_EQ(holiday, 2);
  EXPECT_NE(DateCellRtf(christmas, holiday, ctx).find("\\cf2 "), std::string::npos);
  EXPECT_EQ(DateCellRtf(christmas, 1, ctx).find("\\cf2 "), std::string::npos);
  ctx.twoColours = true;
  EXPECT_EQ(DateCellRtf(christmas, holiday, ctx).find("\\cf2 "), std::string::npos);
  EXPECT_EQ(DateCellRtf(Day(2024, 1, 14), 0, ctx).find("\\cf2 "), std::string::npos);
}

TEST(DateCell, DateSettingsShapeTheCell) {
  CellContext ctx = viewtest::ScreenContext();
  ctx.dates.display.showDayOfWeek = false;
  ctx.dates.display.show2DigitYear = false;
  EXPECT_EQ(Plain(DateCellRtf(Day(2024, 1, 12), 0, ctx)), "12.01.2024");
  ctx.dates.display.showDate2Lines = true;
  EXPECT_EQ(Plain(DateCellRtf(Day(2024, 1, 12), 0, ctx)), "12.01\n2024");
  ctx.dates.display.showYear = false;
  ctx.dates.display.showDayOfWeek = true;
  EXPECT_EQ(Plain(DateCellRtf(Day(2024, 1, 8), 0, ctx)), "Mo.\t08.01");
}

PersonDocument NotesDocument() {
  PersonDocument doc;
  doc.header.SetBirthday(Day(1980, 5, 5));
  doc.header.SetNotesStart(Day(2024, 1, 1));
  return doc;
}

TEST(NotesCell, MarkLabelsThenTheNote) {
  PersonDocument doc = NotesDocument();
  const CellContext ctx = viewtest::ScreenContext();
  const DayNumber d = Day(2024, 1, 12);
  EXPECT_EQ(NotesCellRtf(doc, d, ctx), "");
  ASSERT_TRUE(SetDayEntryFor(doc, d, kMarkSetRed, nullptr).applied);
  ASSERT_TRUE(SetDayEntryFor(doc, d, 2, "Zahnarzt\r\num 9 {Praxis}").applied);
  // Labels the person has not named come from the library.
  EXPECT_EQ(Plain(NotesCellRtf(doc, d, ctx)), "Rot, Kreuz, Zahnarzt\num 9 {Praxis}");
  doc.header.SetMarkLabel(0, "Wichtig");
  doc.header.SetMarkLabel(3, "Erledigt");
  ASSERT_TRUE(SetDayEntryFor(doc, d, kMarkSetYellow, nullptr).applied);
  EXPECT_EQ(MarkLabels(doc, GetDayMarkOf(doc, d), ctx.message), "Wichtig, Gelb, Erledigt");
  // A note alone, and marks alone.
  const DayNumber e = Day(2024, 2, 1);
  ASSERT_TRUE(SetDayEntryFor(doc, e, -1, "nur Text").applied);
  EXPECT_EQ(Plain(NotesCellRtf(doc, e, ctx)), "nur Text");
  ASSERT_TRUE(SetDayEntryFor(doc, e, 3, "").applied);
  EXPECT_EQ(Plain(NotesCellRtf(doc, e, ctx)), "Minus");
  // Before the notes block there is nothing to show.
  EXPECT_EQ(NotesCellRtf(doc, Day(2023, 12, 31), ctx), "");
}

TEST(RecoCell, SpecialDaysLeadTheAllAndGeneralColumnsOnly) {
  const CellContext ctx = viewtest::ScreenContext();
  RecoEvaluator& eval = *Shipped().eval;
  const DayNumber christmas = Day(2024, 12, 25);
  const std::string all = Plain(RecoCellRtf(eval, christmas, 5, 0, 0, ctx));
  EXPECT_EQ(all.rfind("1. Weihnachtstag\n", 0), 0u) << all;
  const std::string general = Plain(RecoCellRtf(eval, christmas, 8, 0, 0, ctx));
  EXPECT_EQ(general.rfind("1. Weihnachtstag\n", 0), 0u) << general;
  const std::string plants = Plain(RecoCellRtf(eval, christmas, 6, 0, 0, ctx));
  EXPECT_EQ(plants.find("Weihnachtstag"), std::string::npos);
  // Every hit of a category column is also in the all column.
  size_t start = 0;
  int lines = 0;
  for (size_t nl; (nl = plants.find('\n', start)) != std::string::npos; start = nl + 1, ++lines)
    EXPECT_NE(all.find(plants.substr(start, nl - start)), std::string::npos);
  EXPECT_GT(lines, 0) << "the shipped recommendations should hold something on a waning moon";
  // The empty selection leaves the category columns empty.
  EXPECT_EQ(RecoCellRtf(eval, christmas, 6, 1, 0, ctx), "");
  // Joining all hits puts them on one line.
  const std::string joined = Plain(RecoCellRtf(eval, christmas, 6, 0, 2, ctx));
  EXPECT_EQ(std::count(joined.begin(), joined.end(), '\n'), 1);
}

TEST(PlantingAndElements, PlantingTimeAndTheSplitElementBar) {
  // 25 December 2024: falling moon without node passage, Libra to Scorpio at 09:06.
  const MoonDayRecord r = RecordOf(Day(2024, 12, 25));
  EXPECT_TRUE(IsPlantingTime(r));
  EXPECT_FALSE(IsPlantingTime(RecordOf(Day(2024, 1, 12))));  // rising
  MoonDayRecord node = r;
  node.SetEventTime(MoonEvent::Node, 100);
  EXPECT_FALSE(IsPlantingTime(node));

  const ElementBar bar = MoonElementBar(r, false);
  EXPECT_EQ(bar.element, kElementWater);
  EXPECT_EQ(bar.previousElement, kElementAir);
  EXPECT_EQ(bar.SplitAt(1440), 9 * 60 + 6);
  MoonDayRecord aries = EmptyMoonRecord();
  aries.SetMoonSign(1);
  aries.SetEventTime(MoonEvent::MoonSign, 360);  // Aries to Taurus at 06:00
  const ElementBar q = MoonElementBar(aries, false);
  EXPECT_EQ(q.previousElement, kElementFire);
  EXPECT_EQ(q.element, kElementEarth);
  EXPECT_EQ(q.SplitAt(40), 10);  // the top quarter
  EXPECT_EQ(MoonElementBar(RecordOf(Day(2024, 12, 24)), false).SplitAt(40), 0);

  EXPECT_EQ(SecondBarOffset(22, false), 17);
  EXPECT_EQ(SecondBarOffset(8, false), 3);  // too narrow: half of the column
  EXPECT_EQ(SecondBarOffset(40, true), 30);
}

}  // namespace
}  // namespace tw
