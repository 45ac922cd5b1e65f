#include <gtest/gtest.h>

#include "bio/rhythm.h"
#include "calendar/date_step.h"
#include "views/child_layout.h"

namespace tw {
namespace {

constexpr int32_t kDefaultWidths[10] = {22, 178, 134, 30, 34, 480, 250, 250, 250, 200};

TEST(DateBar, ControlsSitInTwoRowsAndButtonsAreAtLeastTenWide) {
  DateBarLayout l = ComputeDateBarLayout(7, 16);
  EXPECT_EQ(l.height, 53);
  EXPECT_EQ(l.spin[0].x, 91);
  EXPECT_EQ(l.spin[1].x - l.spin[0].x, 10);  // a 7-pixel digit still gives 10-pixel buttons
  EXPECT_EQ(l.scrollBar.x, 91 + 40);
  EXPECT_EQ(l.valueLine.x, 22 * 7 + 40);
  // The spin buttons end where the scroll bar leaves a button's gap.
  EXPECT_EQ(l.spin[2].x + l.spin[2].cx + 10, l.scrollBar.x);
  // The rhythm combo starts in the lower half, which the moon calendar hides.
  EXPECT_GE(l.rhythmCombo.y, l.height / 2 - 1);
  EXPECT_LE(l.dateEdit.y + l.dateEdit.cy, l.height / 2 + 1);
  // Both rows of the ValueLine fit into the bar.
  EXPECT_LE(l.valueLine.y + l.valueLine.cy, l.height);

  DateBarLayout wide = ComputeDateBarLayout(12, 20);
  EXPECT_EQ(wide.spin[1].x - wide.spin[0].x, 12);
}

TEST(DateBar, HalfHeightInMoonCalendarMode) {
  Band chart = PlaceDateBarBand(400, 53, false);
  EXPECT_EQ(chart.top, 347);
  EXPECT_EQ(chart.height, 53);
  Band list = PlaceDateBarBand(400, 53, true);
  EXPECT_EQ(list.height, 26);
  EXPECT_EQ(list.top + list.height, 400);
}

TEST(ListHeader, ShownColumnsFollowTheFlags) {
  auto shown = ListColumnsShown(0);
  EXPECT_FALSE(shown[0]);
  EXPECT_TRUE(shown[1] && shown[2] && shown[5]);
  EXPECT_FALSE(shown[3] || shown[4] || shown[6] || shown[7] || shown[8] || shown[9]);
  shown = ListColumnsShown(kViewRecoThreeColumns | kViewColumnElement | kViewColumnNotes | kViewColumnSun |
                           kViewColumnPlanting);
  EXPECT_TRUE(shown[0] && shown[3] && shown[4] && shown[6] && shown[7] && shown[8] && shown[9]);
  EXPECT_FALSE(shown[5]);
}

TEST(ListHeader, OneRecommendationColumnTakesTheRestBesideTheNotes) {
  const ViewFlags f = kViewColumnElement | kViewColumnNotes | kViewColumnSun | kViewColumnPlanting;
  ListColumns c = ComputeListColumns(f, kDefaultWidths, 10, 1000);
  EXPECT_EQ(c.width[1], 178);
  EXPECT_EQ(c.width[0] + c.width[1] + c.width[2] + c.width[3] + c.width[4], 398);
  EXPECT_EQ(c.width[9], 200);
  EXPECT_EQ(c.width[5], 1000 - 398 - 200);
  int total = 0;
  for (int i = 0; i < 10; ++i)
    if (c.shown[i]) total += c.width[i];
  EXPECT_EQ(total, 1000);

  // Without notes the recommendations take all that is left.
  c = ComputeListColumns(f & ~kViewColumnNotes, kDefaultWidths, 10, 1000);
  EXPECT_EQ(c.width[5], 602);
}

TEST(ListHeader, NarrowWindowsShrinkTheNotesToEighteen) {
  const ViewFlags f = kViewColumnNotes;
  // 178 + 134 = 312 before; 100 left cannot hold 200 of notes.
  ListColumns c = ComputeListColumns(f, kDefaultWidths, 10, 412);
  EXPECT_EQ(c.width[9], kMinListColumnWidth);
  EXPECT_EQ(c.width[5], 100 - kMinListColumnWidth);

  c = ComputeListColumns(f | kViewRecoThreeColumns, kDefaultWidths, 10, 412);
  EXPECT_EQ(c.width[9], kMinListColumnWidth);
  EXPECT_EQ(c.width[6], (100 - kMinListColumnWidth) / 3);
  EXPECT_EQ(c.width[7], c.width[6]);
  EXPECT_EQ(c.width[8], c.width[6]);

  // Wide enough: each of the three gets a third after the notes.
  c = ComputeListColumns(f | kViewRecoThreeColumns, kDefaultWidths, 10, 812);
  EXPECT_EQ(c.width[9], 200);
  EXPECT_EQ(c.width[6], 100);

  // A window narrower than the fixed columns never yields a negative width.
  c = ComputeListColumns(f, kDefaultWidths, 10, 100);
  EXPECT_GE(c.width[5], kMinListColumnWidth);
}

TEST(ListHeader, RebuildKeepsTheFirstFourColumnsAndPlantingIsAtLeastEighteen) {
  int32_t widths[10];
  std::copy(std::begin(kDefaultWidths), std::end(kDefaultWidths), widths);
  widths[4] = 5;
  const int32_t kept[4] = {30, 150, 99, 44};
  const ViewFlags f = kViewColumnElement | kViewColumnSun | kViewColumnPlanting;
  ListColumns c = ComputeListColumns(f, widths, 8, 900, kept);
  EXPECT_EQ(c.width[0], 30);
  EXPECT_EQ(c.width[1], 150);
  EXPECT_EQ(c.width[2], 99);
  EXPECT_EQ(c.width[3], 44);
  EXPECT_EQ(c.width[4], kMinListColumnWidth);
  EXPECT_EQ(c.width[5], 900 - 30 - 150 - 99 - 44 - 18);
}

TEST(ListHeader, StoredWidthRoundTripsThroughPixels) {
  EXPECT_EQ(SaveWidthFromPixels(178, 10), 178);
  EXPECT_EQ(SaveWidthFromPixels(89, 5), 178);
  EXPECT_EQ(SaveWidthFromPixels(50, 0), 500);  // a font without width does not divide by zero
  EXPECT_EQ(SaveWidthFromPixels(-4, 7), 0);
  EXPECT_FALSE(ColumnMayBeResized(0));
  EXPECT_FALSE(ColumnMayBeResized(4));
  EXPECT_TRUE(ColumnMayBeResized(1));
  EXPECT_TRUE(ColumnMayBeResized(9));
}

TEST(ValueLine, BirthdayShowsZeroForEveryShownRhythm) {
  const RhythmLabels labels = BuiltInRhythmLabels();
  const DayNumber birth = DayFromDate(1970, 5, 17);
  auto line = BuildValueLine(birth, birth, 0, labels, "Mittel: %d,%d%%");
  ASSERT_EQ(line.size(), 4u);
  EXPECT_EQ(line[0].rhythm, -1);
  EXPECT_EQ(line[0].text, "Mittel: 0,0%");
  EXPECT_EQ(line[1].text, "K: 0,0%");
  EXPECT_EQ(line[2].text, "S: 0,0%");
  EXPECT_EQ(line[3].text, "G: 0,0%");
  EXPECT_EQ(BuildValueLine(birth, birth, kViewHigherCurves, labels, "%d,%d").size(), 8u);
}

TEST(ValueLine, ValuesAndAverageFollowTheShapeAndTheShownRhythms) {
  const RhythmLabels labels = BuiltInRhythmLabels();
  const DayNumber birth = DayFromDate(1980, 1, 1);
  const DayNumber day = birth + 1000;
  for (ViewFlags f : {ViewFlags(0), kViewSawtooth, kViewHigherCurves, kViewHigherCurves | kViewSawtooth}) {
    const bool saw = (f & kViewSawtooth) != 0;
    const int n = (f & kViewHigherCurves) ? 7 : 3;
    auto line = BuildValueLine(birth, day, f, labels, "%d,%d");
    ASSERT_EQ(line.size(), static_cast<size_t>(n + 1));
    int32_t sum = 0;
    for (int r = 0; r < n; ++r) {
      const int32_t v = RhythmDayValue(r, birth, day, saw);
      sum += v;
      EXPECT_EQ(line[r + 1].rhythm, r);
      EXPECT_EQ(line[r + 1].text[0], labels[r].Letter());
    }
    const int32_t avg = sum / n;
    char expect[32];
    std::snprintf(expect, sizeof expect, "%s%d,%d", (avg < 0 && avg > -10) ? "-" : "", avg / 10,
                  (avg < 0 ? -avg : avg) % 10);
    EXPECT_EQ(line[0].text, expect) << f;
  }
  // Sine rhythm 1 on day 6 after the birthday: sample 24 of 92.
  auto line = BuildValueLine(birth, birth + 6, 0, labels, "%d,%d");
  EXPECT_EQ(line[1].text, "K: 99,8%");
}

TEST(ValueLine, SecondLineStartsAfterTheThirdRhythm) {
  std::vector<int> widths = {60, 40, 40, 40, 41, 42, 43, 44};
  auto pos = LayoutValueLine(widths, 14);
  ASSERT_EQ(pos.size(), widths.size());
  EXPECT_EQ(pos[0].x, 2);
  EXPECT_EQ(pos[0].y, 1);
  EXPECT_EQ(pos[1].x, 2 + 60 + 8);
  EXPECT_EQ(pos[3].x, 2 + 60 + 8 + 40 + 8 + 40 + 8);
  EXPECT_EQ(pos[3].y, 1);
  EXPECT_EQ(pos[4].x, 2);
  EXPECT_EQ(pos[4].y, 1 + 14 + 4);
  EXPECT_EQ(pos[5].x, 2 + 41 + 8);
  EXPECT_EQ(pos[7].y, pos[4].y);
  EXPECT_EQ(LayoutValueLine({60, 40, 40, 40}, 14).back().y, 1);
}

TEST(Selection, MovesStayBetweenBirthdayAndTheLastCalendarDay) {
  const DayNumber birth = DayFromDate(1990, 6, 1);
  const DayNumber today = DayFromDate(2026, 12, 6);
  EXPECT_EQ(MoveTarget(kMoveToday, birth + 5, 0, birth, today, 30), today);
  EXPECT_EQ(MoveTarget(kMoveBirthday, today, 0, birth, today, 30), birth);
  EXPECT_EQ(MoveTarget(kMoveGiven, today, birth - 100, birth, today, 30), birth);
  EXPECT_EQ(MoveTarget(kMovePageBack, birth + 10, 0, birth, today, 30), birth);
  EXPECT_EQ(MoveTarget(kMovePageForward, today, 0, birth, today, 30), today + 30);
  EXPECT_EQ(MoveTarget(kMovePageForward, today, 0, birth, today, 0), today + 1);  // not laid out yet
  EXPECT_EQ(MoveTarget(kMoveDayForward, kLastCalendarDay, 0, birth, today, 30), kLastCalendarDay);
  EXPECT_EQ(MoveTarget(kMoveDayBack, birth, 0, birth, today, 30), birth);
  EXPECT_EQ(MoveTarget(kMoveDayBack, today, 0, birth, today, 30), today - 1);
  // A person born "after" the calendar's end still gets a day inside it.
  EXPECT_EQ(ClampSelectedDay(5, kLastCalendarDay + 10), kLastCalendarDay);
}

TEST(Selection, ViewFollowsOnlyWhenTheDayLeavesIt) {
  const DayNumber birth = 1000;
  ViewPosition p = FollowSelection(5010, 5000, 20, birth);
  EXPECT_FALSE(p.scrolled);
  EXPECT_EQ(p.first, 5000);
  p = FollowSelection(5019, 5000, 20, birth);
  EXPECT_FALSE(p.scrolled);
  p = FollowSelection(5020, 5000, 20, birth);
  EXPECT_TRUE(p.scrolled);
  EXPECT_EQ(p.first, 5001);  // the new day is the last one shown, still in view
  p = FollowSelection(4999, 5000, 20, birth);
  EXPECT_TRUE(p.scrolled);
  EXPECT_EQ(p.first, 4999);
  // Never before the birthday.
  p = FollowSelection(990, 5000, 20, birth);
  EXPECT_EQ(p.selected, birth);
  EXPECT_EQ(p.first, birth);
}

TEST(Selection, TypedDateBeforeTheBirthdaySelectsTheBirthday) {
  LocaleValues de;
  const DayNumber birth = DayFromDate(1975, 3, 12);
  EXPECT_EQ(CommitTypedDate("1.1.1970", de, birth), birth);
  EXPECT_EQ(CommitTypedDate("24.12.2000", de, birth), DayFromDate(2000, 12, 24));
  // Only 57 characters are read: a date after them does not count.
  std::string text(57, ' ');
  text += "24.12.2000";
  EXPECT_EQ(CommitTypedDate(text, de, birth), CommitTypedDate(std::string(57, ' '), de, birth));
}

TEST(Selection, SpinButtonsChangeTheFieldTheyStandFor) {
  EXPECT_EQ(SpinStepUnit(1, 0), kStepDays);
  EXPECT_EQ(SpinStepUnit(1, 1), kStepMonths);
  EXPECT_EQ(SpinStepUnit(1, 2), kStepYears);
  EXPECT_EQ(SpinStepUnit(0, 0), kStepMonths);
  EXPECT_EQ(SpinStepUnit(0, 1), kStepDays);
  EXPECT_EQ(SpinStepUnit(2, 0), kStepYears);
  EXPECT_EQ(SpinStepUnit(2, 2), kStepDays);
  EXPECT_EQ(SpinStepAmount(0, 0), 1);
  EXPECT_EQ(SpinStepAmount(2, 0), 1);
  EXPECT_EQ(SpinStepAmount(1, 0), -1);
  EXPECT_EQ(SpinStepAmount(3, 0), -1);
  EXPECT_EQ(SpinStepAmount(4, -5), -5);
  EXPECT_EQ(SpinStepAmount(8, 3), 0);  // SB_ENDSCROLL
  // Day-month-year, second button up on 31 January 2001 steps the month.
  EXPECT_EQ(StepDay(DayFromDate(2001, 1, 31), SpinStepUnit(1, 1), SpinStepAmount(0, 0)), DayFromDate(2001, 3, 3));
}

TEST(Selection, TheThumbSelectsTodayAndTogglesBelongToTheirMode) {
  EXPECT_EQ(ScrollBarMoveCode(4), kMoveToday);  // SB_THUMBPOSITION
  EXPECT_FALSE(ScrollBarMoveCode(8));           // SB_ENDSCROLL moves nothing
  EXPECT_TRUE(ViewToggleEnabled(kViewMoonList, kToggleOnlyReco));
  EXPECT_FALSE(ViewToggleEnabled(0, kToggleOnlyReco));
  for (int id : {kToggleSawtooth, kToggleSpecialRanges, kToggleHigherCurves}) {
    EXPECT_TRUE(ViewToggleEnabled(0, id));
    EXPECT_FALSE(ViewToggleEnabled(kViewMoonList, id));
  }
}

TEST(ViewMode, SwitchNeedsTheHeaderAndKeepsOtherBits) {
  ViewFlags f = kViewModified | kViewHigherCurves;
  ViewFlags g = SwitchViewMode(f, true);
  EXPECT_TRUE(g & kViewMoonList);
  EXPECT_TRUE(g & kViewRecompute);
  EXPECT_TRUE(g & kViewModified);
  EXPECT_TRUE(g & kViewHigherCurves);
  EXPECT_FALSE(SwitchViewMode(g, true) & kViewMoonList);
  EXPECT_FALSE(SwitchViewMode(f, false) & kViewMoonList);
  EXPECT_FALSE(SwitchViewMode(g, false) & kViewMoonList);  // leaving always works
}

TEST(ViewMode, OptionsChangeOnlyWhatTheSheetOwns) {
  const ViewFlags f = kViewModified | kViewMoonList | kViewHigherCurves | kViewColumnNotes;
  EXPECT_FALSE(ViewOptionsDiffer(f, 2, f & ~kViewModified, 2));
  EXPECT_FALSE(ViewOptionsDiffer(f, 2, f | kViewReadOnly | kViewMarkDrag, 2));
  EXPECT_TRUE(ViewOptionsDiffer(f, 2, f, 3));
  EXPECT_TRUE(ViewOptionsDiffer(f, 2, f | kViewSawtooth, 2));
  EXPECT_TRUE(ListColumnsChanged(f, f & ~kViewColumnNotes));
  EXPECT_TRUE(ListColumnsChanged(f, f | kViewRecoThreeColumns));
  EXPECT_TRUE(ListColumnsChanged(f, f | kViewFilteredList));
  EXPECT_FALSE(ListColumnsChanged(f, f | kViewSawtooth | kViewSpecialRanges));
}

TEST(Drag, LeavingTheAreaScrollsByHalfThePageOrOneDayWhileMarking) {
  EXPECT_EQ(ClassifyDragPosition(10, 0, 100), DragSide::kInside);
  EXPECT_EQ(ClassifyDragPosition(-1, 0, 100), DragSide::kBefore);
  EXPECT_EQ(ClassifyDragPosition(100, 0, 100), DragSide::kAfter);
  EXPECT_EQ(DragScrollStep(40, false, DragSide::kAfter), 20);
  EXPECT_EQ(DragScrollStep(40, false, DragSide::kBefore), -20);
  EXPECT_EQ(DragScrollStep(1, false, DragSide::kAfter), 1);  // a tiny window still moves
  EXPECT_EQ(DragScrollStep(40, true, DragSide::kAfter), 1);
  EXPECT_EQ(DragScrollStep(40, true, DragSide::kBefore), -1);
  EXPECT_EQ(DragScrollStep(40, false, DragSide::kInside), 0);
}

TEST(Drag, ChartHitTestAndMarkDragStart) {
  EXPECT_EQ(ChartDayAt(7000, 0, 12), 7000);
  EXPECT_EQ(ChartDayAt(7000, 11, 12), 7000);
  EXPECT_EQ(ChartDayAt(7000, 12, 12), 7001);
  EXPECT_EQ(ChartDayAt(7000, 50, 0), 7000);  // before the first paint
  const ViewFlags f = kViewMarkRow;
  EXPECT_TRUE(StartsMarkDrag(f, 300, 300, 316, 0));
  EXPECT_TRUE(StartsMarkDrag(f, 315, 300, 316, 7319));
  EXPECT_FALSE(StartsMarkDrag(f, 316, 300, 316, 5));
  EXPECT_FALSE(StartsMarkDrag(f, 299, 300, 316, 5));
  EXPECT_FALSE(StartsMarkDrag(f, 305, 300, 316, -1));
  EXPECT_FALSE(StartsMarkDrag(f, 305, 300, 316, 7320));
  EXPECT_FALSE(StartsMarkDrag(f | kViewReadOnly, 305, 300, 316, 5));
  EXPECT_FALSE(StartsMarkDrag(f | kViewMoonList, 305, 300, 316, 5));
  EXPECT_FALSE(StartsMarkDrag(0, 305, 300, 316, 5));
}

}  // namespace
TEST(ViewMode, MarkLabelsChangeOnlyAWritableWindow) {
  PersonHeader header;
  const std::array<std::string, kMarkLabelCount> labels = {"Arzt", "", "gut", "", "schlecht"};
  // A read-only window keeps its labels and is not modified, so it closes without asking.
  EXPECT_FALSE(ApplyMarkLabels(header, kViewReadOnly | kViewMoonList, labels));
  EXPECT_EQ(header.MarkLabel(0), "");
  EXPECT_TRUE(ApplyMarkLabels(header, kViewMoonList, labels));
  EXPECT_EQ(header.MarkLabel(0), "Arzt");
  EXPECT_EQ(header.MarkLabel(4), "schlecht");
  EXPECT_FALSE(ApplyMarkLabels(header, kViewMoonList, labels));
}

}  // namespace tw
