// Column placement, glyphs per line, row heights, rows under a point and navigation.
#include <gtest/gtest.h>

#include <algorithm>

#include "views/calendar_layout.h"

namespace tw {
namespace {

TEST(CalendarColumns, HiddenColumnsTakeNoRoomAndShownOnesFollowEachOther) {
  std::array<bool, 10> shown = {true, true, true, false, true, true, false, false, false, true};
  std::array<int, 10> widths = {22, 178, 134, 30, 34, 480, 250, 250, 250, 200};
  const auto s = LayoutCalendarColumns(shown, widths, 5);
  EXPECT_EQ(s[0].left, 5);
  EXPECT_EQ(s[0].right, 27);
  EXPECT_EQ(s[1].left, 27);
  EXPECT_EQ(s[2].right, 27 + 178 + 134);
  EXPECT_FALSE(s[3].shown);
  EXPECT_EQ(s[3].width(), 0);
  EXPECT_EQ(s[4].left, s[2].right);  // the hidden Sonne column leaves no gap
  EXPECT_EQ(s[5].left, s[4].right);
  EXPECT_EQ(s[9].left, s[5].right);
  EXPECT_EQ(s[9].right, s[5].right + 200);
  widths[5] = -40;  // a header item dragged to nothing never runs backwards
  EXPECT_EQ(LayoutCalendarColumns(shown, widths, 0)[5].width(), 0);
}

TEST(CalendarColumns, GlyphsPerLineCountTheTabStopsThatFit) {
  // Screen stops at 5.2, 7.8, 10.4, 13.0 and 15.6 average characters.
  EXPECT_EQ(MoonTabPositions(10, false), (std::array<int, 5>{52, 78, 104, 130, 156}));
  EXPECT_EQ(MoonGlyphsPerLine(51, 10, false), 0);
  EXPECT_EQ(MoonGlyphsPerLine(52, 10, false), 1);
  EXPECT_EQ(MoonGlyphsPerLine(129, 10, false), 3);
  EXPECT_EQ(MoonGlyphsPerLine(156, 10, false), 5);
  EXPECT_EQ(MoonGlyphsPerLine(1000, 10, false), 5);
  // Print stops are wider: the times stand beside their glyphs.
  EXPECT_EQ(MoonTabPositions(10, true)[0], 106);
  EXPECT_EQ(MoonGlyphsPerLine(181, 10, true), 1);
  EXPECT_EQ(MoonGlyphsPerLine(182, 10, true), 2);
  EXPECT_EQ(MoonGlyphsPerLine(500, 0, false), 0);
  // The default Mond column (134 px) with a 7 px average character holds five glyphs.
  EXPECT_EQ(MoonGlyphsPerLine(134, 7, false), 5);
}

TEST(CalendarRowsHeight, GlyphCellsKeepWholeTextLinesAndRowsHaveAMinimum) {
  EXPECT_EQ(CountedCellHeight(50, 20, true), 60);
  EXPECT_EQ(CountedCellHeight(40, 20, true), 60);
  EXPECT_EQ(CountedCellHeight(15, 20, true), 15);
  EXPECT_EQ(CountedCellHeight(50, 0, true), 50);
  EXPECT_EQ(CountedCellHeight(50, 20, false), 50);
  EXPECT_EQ(RowHeight(20, 1, 0), 22);   // 20 px of text and two margins
  EXPECT_EQ(RowHeight(20, 1, 25), 25);  // never below the header's height
  const CellBox first = CellTextBox({true, 100, 200}, 30, 1, true, false, 15);
  EXPECT_EQ(first.left, 102);
  EXPECT_EQ(first.right, 199);
  EXPECT_EQ(first.top, 31);
  const CellBox glyphs = CellTextBox({true, 100, 200}, 30, 1, false, true, 15);
  EXPECT_EQ(glyphs.top, 35);  // one more after the first row, a fifth of the font lower
}

CalendarRows ThreeRows() {
  CalendarRows r;
  r.top = 30;
  r.days = {1000, 1001, 1005};
  r.heights = {20, 40, 20};
  return r;
}

TEST(CalendarRowsHit, PointsMapToRowsAndOutsidePointsToTheNearestRow) {
  const CalendarRows r = ThreeRows();
  EXPECT_EQ(r.bottom(), 110);
  EXPECT_EQ(r.RowAt(10), 0);
  EXPECT_EQ(r.RowAt(49), 0);
  EXPECT_EQ(r.RowAt(50), 1);
  EXPECT_EQ(r.RowAt(89), 1);
  EXPECT_EQ(r.RowAt(90), 2);
  EXPECT_EQ(r.RowAt(5000), 2);  // past the last row counts as the last
  EXPECT_EQ(r.RowTop(2), 90);
  EXPECT_EQ(RowToDay(r, 1000, 95), 5);
  EXPECT_EQ(RowToFilteredDay(r, 60, -1), 1001);
  const CalendarRows none;
  EXPECT_EQ(none.RowAt(40), -1);
  EXPECT_EQ(RowToDay(none, 1000, 40), 0);
  EXPECT_EQ(RowToFilteredDay(none, 40, 777), 777);
}

TEST(CalendarRowsHit, NextListedDaySkipsDaysWithoutRowsAndStopsAtTheEnds) {
  auto even = [](DayNumber d) { return d % 2 == 0; };
  EXPECT_EQ(NextListedDay(11, 1, 10, even), 12);
  EXPECT_EQ(NextListedDay(11, -1, 10, even), 10);
  EXPECT_EQ(NextListedDay(11, 1, 1, even), std::nullopt);
  EXPECT_EQ(NextListedDay(kLastCalendarDay, 1, 10, [](DayNumber) { return false; }), std::nullopt);
  EXPECT_EQ(NextListedDay(kLastCalendarDay + 1, 1, 10, even), std::nullopt);
}

CalendarRows TenDays(DayNumber first) {
  CalendarRows r;
  for (int i = 0; i < 10; ++i) {
    r.days.push_back(first + i);
    r.heights.push_back(20);
  }
  return r;
}

CalendarNavigation Nav(const CalendarRows& rows, DayNumber selected) {
  CalendarNavigation n;
  n.rows = &rows;
  n.selected = selected;
  n.first = rows.days.empty() ? selected : rows.days.front();
  n.birthday = 50;
  n.today = 5000;
  return n;
}

TEST(CalendarNavigationMoves, InsideTheRowsOnlyTheHighlightMoves) {
  const CalendarRows rows = TenDays(100);
  ListMove m = MoveSelection(Nav(rows, 105), kMoveDayForward, 0);
  EXPECT_EQ(m.selected, 106);
  EXPECT_FALSE(m.scrolled);
  m = MoveSelection(Nav(rows, 105), kMoveDayBack, 0);
  EXPECT_EQ(m.selected, 104);
  EXPECT_EQ(m.first, 100);
  m = MoveSelection(Nav(rows, 105), kMoveGiven, 109);
  EXPECT_EQ(m.selected, 109);
  EXPECT_FALSE(m.scrolled);
}

TEST(CalendarNavigationMoves, LeavingTheRowsScrollsSoTheDayStaysInView) {
  const CalendarRows rows = TenDays(100);
  ListMove m = MoveSelection(Nav(rows, 100), kMoveDayBack, 0);
  EXPECT_EQ(m.selected, 99);
  EXPECT_EQ(m.first, 99);
  EXPECT_TRUE(m.scrolled);
  m = MoveSelection(Nav(rows, 109), kMoveDayForward, 0);
  EXPECT_EQ(m.selected, 110);
  EXPECT_EQ(m.first, 101);  // the new day is the last row
  // A page is the rows drawn less one, so the old last row stays visible.
  m = MoveSelection(Nav(rows, 105), kMovePageForward, 0);
  EXPECT_EQ(m.selected, 114);
  EXPECT_EQ(m.first, 105);
  m = MoveSelection(Nav(rows, 105), kMovePageBack, 0);
  EXPECT_EQ(m.selected, 96);
  EXPECT_EQ(m.first, 96);
  m = MoveSelection(Nav(rows, 105), kMoveToday, 0);
  EXPECT_EQ(m.selected, 5000);
  EXPECT_EQ(m.first, 4991);
  m = MoveSelection(Nav(rows, 105), kMoveBirthday, 0);
  EXPECT_EQ(m.selected, 50);
  EXPECT_EQ(m.first, 50);
}

TEST(CalendarNavigationMoves, TheSelectionStaysBetweenBirthdayAndTheLastDay) {
  const CalendarRows rows = TenDays(52);
  ListMove m = MoveSelection(Nav(rows, 55), kMovePageBack, 0);
  EXPECT_EQ(m.selected, 50);
  m = MoveSelection(Nav(rows, 55), kMoveGiven, kLastCalendarDay + 40);
  EXPECT_EQ(m.selected, kLastCalendarDay);
  const CalendarRows none;
  m = MoveSelection(Nav(none, 55), kMoveDayForward, 0);
  EXPECT_EQ(m.selected, 56);
  EXPECT_EQ(m.first, 56);
  EXPECT_TRUE(m.scrolled);  // nothing drawn yet: the list starts at the day
}

TEST(CalendarNavigationMoves, TheFilteredListSearchesPastItsRows) {
  CalendarRows rows;
  rows.days = {100, 115, 130};
  rows.heights = {20, 20, 20};
  std::vector<std::pair<DayNumber, int>> asked;
  CalendarNavigation n = Nav(rows, 115);
  n.filtered = true;
  n.findMatching = [&](DayNumber start, int step) -> std::optional<DayNumber> {
    asked.push_back({start, step});
    if (step > 0 && start < 200) return start + 12;
    if (step < 0 && start > 80) return start - 7;
    return std::nullopt;
  };
  ListMove m = MoveSelection(n, kMoveDayForward, 0);
  EXPECT_EQ(m.selected, 130);
  EXPECT_FALSE(m.scrolled);
  EXPECT_TRUE(asked.empty());

  n.selected = 130;
  m = MoveSelection(n, kMoveDayForward, 0);
  EXPECT_EQ(m.selected, 142);
  EXPECT_EQ(m.first, 115);  // the list moves up by one row
  EXPECT_TRUE(m.scrolled);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], (std::pair<DayNumber, int>{130, 1}));

  // A page back from the first row looks for two more days before it.
  n.selected = 100;
  m = MoveSelection(n, kMovePageBack, 0);
  EXPECT_EQ(m.selected, 86);
  EXPECT_EQ(m.first, 86);

  // Nothing before the birthday: the selection stays on the first row.
  n.birthday = 99;
  m = MoveSelection(n, kMoveDayBack, 0);
  EXPECT_EQ(m.selected, 100);
  EXPECT_FALSE(m.scrolled);

  // A given day outside the rows starts the list there.
  m = MoveSelection(n, kMoveGiven, 300);
  EXPECT_EQ(m.selected, 300);
  EXPECT_EQ(m.first, 300);
  EXPECT_TRUE(m.scrolled);
}

}  // namespace
TEST(CalendarNavigationMoves, EveryStepIsSafeForABirthdayAfterTheLastDay) {
  // A birthday past 2049 leaves no day to select: every move ends on the last day.
  const DayNumber late = DayFromDate(2051, 3, 1);
  CalendarRows rows;
  CalendarNavigation nav;
  nav.selected = kLastCalendarDay;
  nav.first = kLastCalendarDay;
  nav.birthday = late;
  nav.today = DayFromDate(2024, 1, 1);
  nav.rows = &rows;
  for (MoveCode code : {kMoveToday, kMoveBirthday, kMoveGiven, kMovePageBack, kMovePageForward, kMoveDayForward,
                        kMoveDayBack}) {
    const ListMove m = MoveSelection(nav, code, DayFromDate(2030, 1, 1));
    EXPECT_LE(m.selected, kLastCalendarDay) << code;
    EXPECT_LE(m.first, kLastCalendarDay) << code;
  }
}

CalendarRows RowsOf(std::vector<DayNumber> days) {
  CalendarRows rows;
  rows.heights.assign(days.size(), 20);
  rows.days = std::move(days);
  return rows;
}

TEST(CalendarListFollow, TheFilteredListKeepsItsRowsWhileTheDayIsAmongThem) {
  // Four rows that span thirty days: a click on the third keeps the list where it is.
  const CalendarRows rows = RowsOf({100, 105, 113, 130});
  EXPECT_EQ(FollowListSelection(rows, 100, 113, true), 100);
  EXPECT_EQ(FollowListSelection(rows, 100, 130, true), 100);
  // Past the rows the filtered list starts at the day; before them too.
  EXPECT_EQ(FollowListSelection(rows, 100, 140, true), 140);
  EXPECT_EQ(FollowListSelection(rows, 100, 90, true), 90);
  // Every day listed: a later day becomes the last row.
  const CalendarRows all = RowsOf({100, 101, 102, 103});
  EXPECT_EQ(FollowListSelection(all, 100, 102, false), 100);
  EXPECT_EQ(FollowListSelection(all, 100, 110, false), 107);
  EXPECT_EQ(FollowListSelection(all, 100, 95, false), 95);
  EXPECT_EQ(FollowListSelection(CalendarRows(), 100, 95, false), 95);
}

TEST(CalendarListFollow, APaintStartsAtTheSelectedDayOnlyWhenItIsNotShown) {
  const CalendarRows rows = RowsOf({100, 105, 113});
  EXPECT_EQ(ChooseListStart(rows, 100, 105, true, false), 100);
  EXPECT_EQ(ChooseListStart(rows, 100, 200, true, false), 200);
  EXPECT_EQ(ChooseListStart(rows, 100, 200, false, false), 100);
  EXPECT_EQ(ChooseListStart(rows, 100, 90, false, true), 90);
}

TEST(CalendarPrintPage, RowsPerPageAndFixedHeights) {
  EXPECT_EQ(PrintRowsPerPage(PrintDaysPerPage::kVariable, DayFromDate(2024, 2, 10)), 0);
  EXPECT_EQ(PrintRowsPerPage(PrintDaysPerPage::kDay, DayFromDate(2024, 2, 10)), 1);
  EXPECT_EQ(PrintRowsPerPage(PrintDaysPerPage::kWeek, DayFromDate(2024, 2, 10)), 7);
  EXPECT_EQ(PrintRowsPerPage(PrintDaysPerPage::kMonth, DayFromDate(2024, 2, 1)), 29);  // leap year
  EXPECT_EQ(PrintRowsPerPage(PrintDaysPerPage::kMonth, DayFromDate(2023, 12, 20)), 12);
  EXPECT_EQ(PrintFixedRowHeight(PrintDaysPerPage::kWeek, 700), 100);
  EXPECT_EQ(PrintFixedRowHeight(PrintDaysPerPage::kMonth, 620), 20);
  EXPECT_EQ(PrintFixedRowHeight(PrintDaysPerPage::kVariable, 700), 0);
  EXPECT_EQ(PrintPictureIndex(2, false, false), 2);
  EXPECT_EQ(PrintPictureIndex(3, true, false), 7);
  EXPECT_EQ(PrintPictureIndex(1, true, true), 13);
}

TEST(CalendarPrintPage, LegendColumnsOrderAndBox) {
  // Column (w2 + w1 + 2 * (w1 / 5)) / 2 against a seventh of the page.
  EXPECT_EQ(PrintLegendColumns(100, 80, 1400), 6);  // 110 < 200
  EXPECT_EQ(PrintLegendColumns(300, 200, 1400), 4);  // 310
  // Every entry appears once; six columns leave one empty cell.
  for (int columns : {4, 6}) {
    std::vector<int> order = PrintLegendOrder(columns);
    std::vector<int> seen;
    for (int e : order)
      if (e >= 0) seen.push_back(e);
    std::sort(seen.begin(), seen.end());
    ASSERT_EQ(seen.size(), 23u) << columns;
    for (int i = 0; i < 23; ++i) EXPECT_EQ(seen[i], i);
  }
  EXPECT_EQ(PrintLegendOrder(6)[22], -1);
  const PrintLegendBox four = LayoutPrintLegend(100, 1100, 2000, 40, 4);
  EXPECT_EQ(four.top, 2000 - 260);  // 13/2 lines
  EXPECT_EQ(four.glyphX, (std::vector<int>{200, 400, 600, 800}));
  EXPECT_EQ(four.textX[1], 440);
  const PrintLegendBox six = LayoutPrintLegend(100, 1100, 2000, 40, 6);
  EXPECT_EQ(six.top, 2000 - 180);  // 9/2 lines
  EXPECT_EQ(six.glyphX.size(), 6u);
}

}  // namespace tw
