// Page geometry of print jobs: what lands where on paper, and how many pages a range takes.
#include "views/print_geometry.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(PrintGeometry, UnitConversionTruncatesBothWays) {
  EXPECT_EQ(UnitToPixels(10, 300, true), 118);   // 10 mm at 300 dpi
  EXPECT_EQ(UnitToPixels(100, 600, false), 600); // an inch
  EXPECT_EQ(PixelsToUnit(118, 300, true), 9);
  EXPECT_EQ(PixelsToUnit(600, 600, false), 100);
  EXPECT_EQ(PixelsToUnit(5, 0, true), 0);
}

TEST(PrintGeometry, MarginsRotateWithThePaperAndBack) {
  const PrintMargins portrait{10, 8, 12, 6};
  const PrintMargins landscape = RotateMargins(portrait, true);
  EXPECT_EQ(landscape, (PrintMargins{8, 12, 6, 10}));
  EXPECT_EQ(RotateMargins(landscape, false), portrait);
}

TEST(PrintGeometry, PageLosesTheUnprintableBorderOnEachSide) {
  // A4 at 300 dpi with a 50-pixel border all round.
  DevicePage dev{2380, 3408, 300, 300, 2480, 3508, 50, 50};
  const PageRect p = PagePixels(dev, {10, 8, 10, 8}, true, 40, true);
  EXPECT_EQ(p.left, 118 - 50);
  EXPECT_EQ(p.top, 94 - 50);
  EXPECT_EQ(p.right, 2380 - (118 - 50));
  EXPECT_EQ(p.bottom, 3408 - (94 - 50));
  EXPECT_EQ(p.headerBottom, p.top + 180);
  // A margin inside the border is no margin at all; the calendar's header is shorter.
  const PageRect q = PagePixels(dev, {2, 2, 2, 2}, true, 40, false);
  EXPECT_EQ(q.left, 0);
  EXPECT_EQ(q.right, 2380);
  EXPECT_EQ(q.headerBottom, q.top + 140);
}

TEST(PrintGeometry, ThreeBandsAreSeparatedByOneLine) {
  PageRect page;
  page.headerBottom = 100;
  page.bottom = 1000;
  const PrintBand b0 = ChartBand(page, 30, 3, 0), b1 = ChartBand(page, 30, 3, 1), b2 = ChartBand(page, 30, 3, 2);
  EXPECT_EQ(b0.top, 100);
  EXPECT_EQ(b0.bottom - b0.top, (900 - 60) / 3);
  EXPECT_EQ(b1.top, b0.bottom + 30);
  EXPECT_EQ(b2.top, b1.bottom + 30);
  EXPECT_LE(b2.bottom, 1000);
  EXPECT_EQ(ChartBand(page, 30, 1, 0).bottom, 1000);
  EXPECT_EQ(CutToWholeDays(100, 1000, 25), 100 + 36 * 25 + 1);
}

TEST(PrintGeometry, PageCounts) {
  const DayNumber jan1 = DayFromDate(2025, 1, 1);
  struct Row {
    PrintDaysPerPage mode;
    DayNumber from, to;
    int pages;
  } rows[] = {
      {PrintDaysPerPage::kDay, jan1, jan1 + 9, 10},
      {PrintDaysPerPage::kWeek, jan1, jan1 + 6, 1},
      {PrintDaysPerPage::kWeek, jan1, jan1 + 7, 2},
      {PrintDaysPerPage::kMonth, jan1, DayFromDate(2025, 12, 31), 12},
      {PrintDaysPerPage::kMonth, DayFromDate(2025, 1, 31), DayFromDate(2025, 2, 1), 2},
      {PrintDaysPerPage::kMonth, jan1, jan1 - 5, 1},
      {PrintDaysPerPage::kVariable, jan1, jan1 + 40, 0},
  };
  for (const Row& r : rows) EXPECT_EQ(CalendarPageCount(r.mode, r.from, r.to), r.pages) << r.to - r.from;
  EXPECT_EQ(ChartPageCount(jan1, jan1 + 59, 60, 1), 1);
  EXPECT_EQ(ChartPageCount(jan1, jan1 + 364, 40, 3), 4);  // 10 bands
  EXPECT_EQ(ClampMargin(0, 4, 210), 4);
  EXPECT_EQ(ClampMargin(90, 4, 210), 70);
}

TEST(PrintGeometry, OptimalWidthsFillTheAvailableWidth) {
  OptimalWidthInput in;
  in.available = 190;
  in.moonUnit = 10;
  in.dateWidth = 25;
  in.printed[kColDate] = in.printed[kColMoon] = in.printed[kColReco] = true;
  auto w = OptimalWidths(in);
  // Only date, moon and one recommendations column: the rest goes to the recommendations.
  EXPECT_EQ(w[kColMoon], 24);
  EXPECT_EQ(w[kColReco], 190 - 25 - 24);

  in.printed[kColNotes] = true;
  in.daysPerPage = PrintDaysPerPage::kMonth;
  w = OptimalWidths(in);
  EXPECT_EQ(w[kColMoon], 44);
  // Notes would take 60 of 121: capped at two thirds of the recommendations.
  EXPECT_EQ(w[kColNotes] + w[kColReco], 190 - 25 - 44);
  EXPECT_LE(w[kColNotes], w[kColReco] * 2 / 3 + 1);

  in.printed[kColReco] = false;
  in.printed[kColPlants] = in.printed[kColHealth] = in.printed[kColCommon] = in.printed[kColPlanting] = true;
  w = OptimalWidths(in);
  int sum = 0;
  for (int c = 0; c < 10; ++c) sum += in.printed[c] ? w[c] : 0;
  EXPECT_EQ(sum, 190);
  EXPECT_EQ(w[kColPlants], w[kColHealth]);
  EXPECT_EQ(w[kColPlants], w[kColCommon]);
}

// The stored default (26 mm) is narrower than "Mi. 30.09.2049" in a 12 point font.
TEST(PrintGeometry, DateColumnTakesItsRoomFromTheWidestTextColumn) {
  std::array<bool, 10> printed{};
  printed[kColDate] = printed[kColMoon] = printed[kColReco] = printed[kColNotes] = true;
  const std::array<int, 10> stored = {4, 26, 39, 10, 6, 90, 30, 30, 30, 24};
  auto w = WidenDateColumn(stored, printed, 33);
  EXPECT_EQ(w[kColDate], 33);
  EXPECT_EQ(w[kColReco], 83);
  EXPECT_EQ(w[kColNotes], 24);
  EXPECT_EQ(WidenDateColumn(stored, printed, 20), stored);  // wide enough: untouched
  printed[kColReco] = printed[kColNotes] = false;
  w = WidenDateColumn(stored, printed, 33);  // nothing to take from: the page grows
  EXPECT_EQ(w[kColDate], 33);
  EXPECT_EQ(w[kColMoon], 39);
}

}  // namespace
}  // namespace tw
