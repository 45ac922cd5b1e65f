// The chart's geometry, checked against numbers worked out here from the rectangle, the
// calendar and the sine itself.
#include <gtest/gtest.h>

#include <cmath>

#include "views/chart_layout.h"
#include "views/child_layout.h"

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A 800 x 600 chart with "Ag" 14 x 16: h = 18, the strip takes 3h + 10 = 64 pixels.
ChartInput BasicInput(DayNumber birthday, DayNumber first) {
  ChartInput in;
  in.target = {0, 0, 800, 600};
  in.device = {14, 16, 96, 96, false};
  in.options = ChartOptionsFrom(0, false, 2, kHighlightNone, false);
  in.content.birthday = birthday;
  in.content.firstDay = first;
  in.content.selectedDay = first;
  return in;
}

// The y where a value of `v` thousandths lands in that chart.
int ExpectedY(double v) {
  const int bottom = 600 - 64, margin = bottom / 50, amplitude = bottom - 2 * margin;
  return margin + static_cast<int>((1000 - v) * amplitude / 2010);
}

TEST(ChartLayout, FrameAndZeroLine) {
  const ChartLayout L = LayOutChart(BasicInput(DayFromDate(1980, 1, 1), DayFromDate(2024, 1, 1)));
  EXPECT_EQ(L.frame.dayWidth, 8);
  EXPECT_EQ(L.frame.daysShown, 100);
  EXPECT_EQ(L.frame.stripTop, 536);
  EXPECT_EQ(L.frame.y0, 268);
  EXPECT_EQ(L.frame.ValueY(0), ExpectedY(0));
  EXPECT_GT(L.frame.ValueY(-1000), L.frame.y0);
  EXPECT_LT(L.frame.ValueY(-1000), L.frame.stripTop - 1);  // the divisor keeps it inside
  EXPECT_GT(L.frame.ValueY(1000), 0);
}

TEST(ChartLayout, RhythmOneSitsOnItsSineAtTheMiddleOfEachDay) {
  const DayNumber birthday = DayFromDate(1980, 1, 1), first = DayFromDate(2024, 3, 1);
  for (bool sawtooth : {false, true}) {
    ChartInput in = BasicInput(birthday, first);
    in.options.sawtooth = sawtooth;
    const ChartLayout L = LayOutChart(in);
    for (int index : {0, 5, 17, 60}) {
      const DayNumber day = first + index;
      const int n = (day - birthday) % 23;
      // The middle of the day: row 2 + 4 * index, at x = index * w + w / 2.
      const int row = 2 + 4 * index;
      EXPECT_EQ(SampleRowX(L.frame, row), index * 8 + 4);
      double v = std::sin(2 * kPi * n / 23);
      if (sawtooth) {
        const int k = 4 * n;  // rise over 41 quarters, fall in five, mirrored
        v = k <= 41 ? std::sin(kPi * k / 83) : k <= 46 ? (1000 - 200 * (k - 41)) / 1000.0
            : k <= 87 ? -std::sin(kPi * (k - 46) / 83) : (-800 + 200 * (k - 88)) / 1000.0;
      }
      EXPECT_EQ(L.rows.At(row, 0), ExpectedY(std::lround(1000 * v))) << sawtooth << " day " << index;
    }
  }
}

TEST(ChartLayout, ChartStartingOnTheBirthdayStartsOnTheZeroLine) {
  const DayNumber birthday = DayFromDate(1990, 6, 15);
  ChartInput in = BasicInput(birthday, birthday);
  in.options.higherCurves = true;
  const ChartLayout L = LayOutChart(in);
  ASSERT_EQ(L.shown, 7);
  for (int r = 0; r < 7; ++r) {
    EXPECT_EQ(L.rows.At(0, r), L.frame.y0) << r;
    EXPECT_EQ(L.rows.At(1, r), L.frame.y0) << r;
    EXPECT_EQ(L.rows.At(2, r), ExpectedY(0)) << r;  // the birthday's own value, 0
  }
  EXPECT_LT(L.rows.At(3, 0), ExpectedY(0));  // rising after the birth
}

TEST(ChartLayout, RecentringNeverShowsDaysBeforeTheBirthday) {
  const DayNumber birthday = DayFromDate(2000, 1, 1);
  ChartInput in = BasicInput(birthday, 0);
  in.content.recentre = true;
  in.content.selectedDay = birthday + 10;
  EXPECT_EQ(LayOutChart(in).geometry.firstDay, birthday);
  in.content.selectedDay = birthday + 1000;
  const ChartLayout L = LayOutChart(in);
  EXPECT_EQ(L.geometry.firstDay, birthday + 1000 - 50);  // 100 days shown, half before
  EXPECT_EQ(L.geometry.selectedIndex, 50);
}

TEST(ChartLayout, MoonMarksFallOnNewAndFullMoons) {
  // New moon 11 January 2024, full moon 25 January, new moon 9 February (MEZ).
  const DayNumber first = DayFromDate(2024, 1, 1);
  const std::vector<MoonMark> marks = MoonMarks(first, 0, 800, 8);
  ASSERT_GE(marks.size(), 6u);
  auto dayOf = [&](const MoonMark& m) { return first + m.x / 8; };
  EXPECT_NEAR(dayOf(marks[0]), DayFromDate(2024, 1, 11), 1);
  EXPECT_EQ(marks[0].kind, MoonMarkKind::B);
  EXPECT_NEAR(dayOf(marks[1]), DayFromDate(2024, 1, 25), 1);
  EXPECT_EQ(marks[1].kind, MoonMarkKind::A);
  EXPECT_NEAR(dayOf(marks[2]), DayFromDate(2024, 2, 9), 1);
  for (size_t i = 1; i < marks.size(); ++i) {
    EXPECT_NE(marks[i].kind, marks[i - 1].kind);
    EXPECT_NEAR(marks[i].x - marks[i - 1].x, 14.7653 * 8, 1.0);
  }
  EXPECT_LT(marks.back().x, 800);
  // The epoch itself carries a mark of kind B at a quarter of its column.
  const std::vector<MoonMark> atEpoch = MoonMarks(kMoonTickEpoch - 1, 0, 200, 8);
  ASSERT_FALSE(atEpoch.empty());
  EXPECT_EQ(atEpoch[0].x, 8 + 2);
  EXPECT_EQ(atEpoch[0].kind, MoonMarkKind::B);
  // Before the epoch the kinds keep alternating the same way.
  const std::vector<MoonMark> before = MoonMarks(DayFromDate(1960, 1, 1), 0, 2000, 4);
  const DayNumber firstMark = DayFromDate(1960, 1, 1) + before[0].x / 4;
  const double index = (firstMark - kMoonTickEpoch) / 14.7653;
  EXPECT_EQ(before[0].kind, (static_cast<long>(std::lround(index)) % 2 == 0) ? MoonMarkKind::B : MoonMarkKind::A);
}

TEST(ChartLayout, DateStripSundaysMonthsAndYears) {
  ChartInput in = BasicInput(DayFromDate(1980, 1, 1), DayFromDate(2024, 1, 1));
  ChartLayout L = LayOutChart(in);
  const int h = 18, top = L.frame.stripTop;
  ASSERT_EQ(L.days.size(), 100u);
  // 7 January 2024 was a Sunday, so was 31 March.
  for (const StripDay& d : L.days) {
    const bool sunday = (d.day - DayFromDate(2024, 1, 7)) % 7 == 0;
    EXPECT_EQ(d.sunday, sunday) << d.day;
    EXPECT_EQ(d.tickBottom, top + (sunday ? 2 * h : h));
  }
  EXPECT_EQ(L.days[6].dayOfMonth, 7);
  EXPECT_EQ(L.days[90].dayOfMonth, 31);
  EXPECT_EQ(L.days[90].month, 3);
  // Month starts: 1 January, 1 February (day 31), 1 March (day 60, a leap year), 1 April.
  std::vector<int> starts;
  for (size_t i = 0; i < L.days.size(); ++i)
    if (L.days[i].monthStart) starts.push_back(static_cast<int>(i));
  EXPECT_EQ(starts, (std::vector<int>{0, 31, 60, 91}));
  EXPECT_FALSE(L.days[0].nameWithYear);  // only in print
  in.options = ChartOptionsFrom(0, true, 2, kHighlightNone, false);
  in.content.printFrom = DayFromDate(2024, 1, 1);
  L = LayOutChart(in);
  EXPECT_TRUE(L.days[0].nameWithYear);    // January 2024
  EXPECT_FALSE(L.days[31].nameWithYear);  // February
  EXPECT_TRUE(L.days[60].nameWithYear);   // March 2024
  EXPECT_EQ(L.days[60].year, 2024);
}

TEST(ChartLayout, DayMarkCells) {
  struct Case {
    DayMark mark;
    bool sunday;
    ChartRect red, yellow;
  };
  // A 12 x 18 cell at (100, 500): halves of 6 and 9 pixels.
  const Case cases[] = {
      {kMarkRed, false, {100, 500, 112, 509}, {}},
      {kMarkYellow, false, {}, {100, 500, 112, 518}},
      {kMarkYellow, true, {}, {100, 500, 112, 509}},
      {kMarkRed | kMarkYellow, false, {100, 500, 106, 509}, {106, 500, 112, 518}},
      {kMarkRed | kMarkYellow, true, {100, 500, 106, 509}, {106, 500, 112, 509}},
  };
  for (const Case& c : cases) {
    const DayMarkCell cell = LayOutDayMarkCell(100, 500, 12, 18, c.mark, c.sunday);
    if (cell.red) {
      EXPECT_EQ(cell.redRect, c.red) << int(c.mark);
    }
    if (cell.yellow) {
      EXPECT_EQ(cell.yellowRect, c.yellow) << int(c.mark);
    }
    EXPECT_EQ(cell.red, (c.mark & kMarkRed) != 0);
    EXPECT_EQ(cell.yellow, (c.mark & kMarkYellow) != 0);
    EXPECT_EQ(cell.whitePen, c.sunday);
  }
  const DayMarkCell plus = LayOutDayMarkCell(100, 500, 12, 18, 1, false);
  EXPECT_EQ(plus.symbol, MarkSymbol::Plus);
  EXPECT_EQ(plus.symbolArea, (ChartRect{101, 510, 111, 517}));  // shrunk: 12 wide, half 9
  const DayMarkCell narrow = LayOutDayMarkCell(100, 500, 4, 18, 3, false);
  EXPECT_EQ(narrow.symbol, MarkSymbol::Minus);
  EXPECT_EQ(narrow.symbolArea, (ChartRect{100, 509, 104, 518}));
  EXPECT_EQ(LayOutDayMarkCell(0, 0, 12, 18, 2, false).symbol, MarkSymbol::Cross);
}

TEST(ChartLayout, DayMarksOnlyWithTheRowAndOnDaysThatHaveOne) {
  ChartInput in = BasicInput(DayFromDate(1980, 1, 1), DayFromDate(2024, 1, 1));
  const DayNumber marked = DayFromDate(2024, 1, 10);
  in.content.dayMark = [&](DayNumber d) { return d == marked ? int(kMarkRed | 1) : -1; };
  for (const StripDay& d : LayOutChart(in).days) EXPECT_FALSE(d.hasMark);
  in.options.markRow = true;
  const ChartLayout L = LayOutChart(in);
  for (const StripDay& d : L.days) EXPECT_EQ(d.hasMark, d.day == marked);
  EXPECT_EQ(L.days[9].mark.redRect.left, 9 * 8);
  EXPECT_EQ(L.days[9].mark.redRect.top, L.geometry.markRowTop);
}

TEST(ChartLayout, ElementBandSplitsAtTheChangeAndOskelinAddsTheOtherReckoning) {
  const DayNumber first = DayFromDate(2024, 1, 1);
  std::vector<MoonDayRecord> recs(2, EmptyMoonRecord());
  recs[0].SetMoonSign(4);           // Leo, fire all day
  recs[0].SetMoonConstellation(3);  // Cancer, water
  recs[1].SetMoonSign(5);           // Virgo (earth) from 06:00
  recs[1].SetEventTime(MoonEvent::MoonSign, 360);
  recs[1].SetMoonConstellation(3);
  MemoryMoonData moon(first, recs);
  ChartInput in = BasicInput(DayFromDate(1980, 1, 1), first);
  in.target.right = 96;    // six days, four of them without records
  in.device.agWidth = 32;  // 16-pixel days
  in.content.moon = &moon;
  ChartLayout L = LayOutChart(in);
  const int top = L.frame.stripTop + 36;
  ASSERT_EQ(L.elements.size(), 3u);
  EXPECT_EQ(L.elements[0].rect, (ChartRect{0, top, 16, top + 10}));
  EXPECT_EQ(L.elements[0].element, 0);
  EXPECT_EQ(L.elements[1].rect, (ChartRect{16, top, 20, top + 10}));  // a quarter of the day
  EXPECT_EQ(L.elements[1].element, 0);                                 // the previous element
  EXPECT_EQ(L.elements[2].rect, (ChartRect{20, top, 32, top + 10}));
  EXPECT_EQ(L.elements[2].element, 1);
  in.content.oskelin = true;
  L = LayOutChart(in);
  ASSERT_EQ(L.elements.size(), 5u);
  EXPECT_EQ(L.elements[1].rect, (ChartRect{0, top + 6, 16, top + 10}));
  EXPECT_EQ(L.elements[1].element, 3);  // Cancer: water
  in.content.sternbild = true;  // constellations above, signs below
  L = LayOutChart(in);
  EXPECT_EQ(L.elements[0].element, 3);
  EXPECT_EQ(L.elements[1].element, 0);
  in.options.print = true;  // the band is the screen's only
  EXPECT_TRUE(LayOutChart(in).elements.empty());
}

TEST(ChartLayout, SpecialRangesFollowTheCurveNearerToZero) {
  // Ranges are judged against the drawn zero line; with the divisor 2010 the value 0 lies
  // two pixels above it, so a range starts with the birth and lasts until a curve has
  // sunk to the line. Quarter k from the birthday lies in row k + 2.
  const DayNumber birthday = DayFromDate(2000, 1, 1);
  ChartInput in = BasicInput(birthday, birthday);
  in.options.specialRanges = true;
  const ChartLayout L = LayOutChart(in);
  const int q = 2, y0 = L.frame.y0;
  auto y = [](int period, int k) { return ExpectedY(std::lround(1000 * std::sin(2 * kPi * k / (4.0 * period)))); };
  int posEnd = 1, negStart = 0, negEnd = 0;
  while (y(23, posEnd) < y0 && y(28, posEnd) < y0) ++posEnd;
  for (negStart = posEnd; !(y(23, negStart) > y0 && y(28, negStart) > y0);) ++negStart;
  for (negEnd = negStart; y(23, negEnd) > y0 && y(28, negEnd) > y0;) ++negEnd;
  ASSERT_GE(L.ranges.size(), 2u);
  const RangePolygon& pos = L.ranges[0];
  EXPECT_TRUE(pos.positive);
  EXPECT_EQ(pos.points.front(), (ChartPoint{1 * q, y0}));  // the row before quarter 0
  EXPECT_EQ(pos.points.back(), (ChartPoint{(posEnd + 2) * q, y0}));
  EXPECT_GT(posEnd, 46);  // rhythm 1's zero at day 11.5 still counts as above
  const RangePolygon& neg = L.ranges[1];
  EXPECT_FALSE(neg.positive);
  EXPECT_EQ(neg.points.front(), (ChartPoint{(negStart + 1) * q, y0}));
  EXPECT_EQ(neg.points.back(), (ChartPoint{(negEnd + 2) * q, y0}));
  for (const RangePolygon& r : {pos, neg})
    for (size_t i = 1; i + 1 < r.points.size(); ++i) {
      const int row = r.points[i].x / q;
      const int a = L.rows.At(row, 0), b = L.rows.At(row, 1);
      EXPECT_EQ(r.points[i].y, r.positive ? std::max(a, b) : std::min(a, b));
      EXPECT_TRUE(r.positive ? r.points[i].y < y0 : r.points[i].y > y0);
    }
}

TEST(ChartLayout, HighlightAndAverages) {
  ChartInput in = BasicInput(DayFromDate(1980, 1, 1), DayFromDate(2024, 1, 1));
  in.options.highlight = 5;  // rhythm 5 with three rhythms shown: nothing thick
  ChartLayout L = LayOutChart(in);
  EXPECT_EQ(L.highlightRhythm, -1);
  EXPECT_TRUE(L.highlightAverage.empty());
  in.options.highlight = 2;
  EXPECT_EQ(LayOutChart(in).highlightRhythm, 1);
  in.options.highlight = kHighlightAverage12;
  L = LayOutChart(in);
  const int row = 2 + 4 * 10;
  const int v1 = RhythmDayValue(0, in.content.birthday, in.content.firstDay + 10, false);
  const int v2 = RhythmDayValue(1, in.content.birthday, in.content.firstDay + 10, false);
  const int y0 = L.frame.y0;
  EXPECT_EQ(L.highlightAverage[row].y, y0 + ((ExpectedY(v1) - y0) + (ExpectedY(v2) - y0)) / 2);
  in.options.highlight = kHighlightAverage;
  L = LayOutChart(in);
  const int v3 = RhythmDayValue(2, in.content.birthday, in.content.firstDay + 10, false);
  EXPECT_EQ(L.highlightAverage[row].y,
            y0 + ((ExpectedY(v1) - y0) + (ExpectedY(v2) - y0) + (ExpectedY(v3) - y0)) / 3);
}

TEST(ChartLayout, PrintGridAndFrame) {
  ChartInput in = BasicInput(DayFromDate(1980, 1, 1), 0);
  in.options = ChartOptionsFrom(kPrintHigherCurves | kViewSawtooth, true, 2, kHighlightNone, true);
  in.content.printFrom = DayFromDate(2024, 1, 25);
  EXPECT_TRUE(in.options.higherCurves);
  EXPECT_FALSE(in.options.sawtooth);  // the screen's bit does not print
  const ChartLayout L = LayOutChart(in);
  EXPECT_EQ(L.geometry.firstDay, in.content.printFrom);
  EXPECT_EQ(L.printFrame, (ChartRect{0, 0, 799, 536}));
  ASSERT_EQ(L.grid.size(), 6u + 100u);
  EXPECT_EQ(L.grid[0].from.y, ExpectedY(-750));
  EXPECT_EQ(L.grid[5].from.y, ExpectedY(750));
  const ChartLine& february = L.grid[6 + 7];  // 1 February
  EXPECT_TRUE(february.dotted);
  EXPECT_EQ(february.from, (ChartPoint{7 * 8, 0}));
  EXPECT_EQ(february.to.y, L.frame.stripTop);
  const int a = L.frame.amplitude;
  EXPECT_EQ(L.grid[6].to.y - L.grid[6].from.y, 2 * (a / 32));
  EXPECT_EQ(L.grid[6 + 3].to.y - L.grid[6 + 3].from.y, 2 * (a / 24));  // 28 January, a Sunday
}

TEST(ChartLayout, HitTestGeometry) {
  ChartInput in = BasicInput(DayFromDate(1980, 1, 1), DayFromDate(2024, 1, 1));
  in.content.selectedDay = DayFromDate(2024, 1, 5);
  const ChartGeometry g = LayOutChart(in).geometry;
  EXPECT_EQ(ChartDayAt(g.firstDay, 8 * 4 + 7, g.pixelsPerDay), DayFromDate(2024, 1, 5));
  // The DayMark row is the strip's first row, 18 pixels from the strip's top at 536.
  EXPECT_EQ(g.markRowTop, 536);
  EXPECT_EQ(g.markRowBottom, 554);
  EXPECT_EQ(g.chartBottom, 536);
  const SelectionMarker m = ChartSelectionMarker(g, in.content.selectedDay);
  EXPECT_EQ(m.column, (ChartRect{32, 0, 40, 536}));
  EXPECT_EQ(m.stripCell, (ChartRect{32, 554, 40, 572}));
  EXPECT_TRUE(ChartSelectionMarker(g, DayFromDate(2023, 1, 1)).column.Empty());
}

}  // namespace
}  // namespace tw
