#include "views/child_layout.h"

#include <algorithm>

#include "bio/percent_text.h"
#include "bio/rhythm.h"
#include "calendar/date_parse.h"
#include "calendar/date_step.h"

namespace tw {

DateBarLayout ComputeDateBarLayout(int charW, int charH) {
  DateBarLayout l;
  const int btnW = std::max(charW, 10);
  l.height = 2 * charH + 21;
  l.dateEdit = {charW, 5, 12 * charW, charH + 5};
  for (int i = 0; i < 3; ++i) l.spin[i] = {13 * charW + i * btnW, 5, btnW, charH + 5};
  l.scrollBar = {13 * charW + 4 * btnW, 6, 8 * charW, charH + 3};
  l.valueLine = {22 * charW + 4 * btnW, 5, 40 * charW, 2 * (charH + 5)};
  l.rhythmCombo = {charW, charH + 12, 15 * charW, 10 * (charH + 5)};
  return l;
}

int WidthForText(int layoutWidth, int textWidth, int chrome) {
  return std::max(layoutWidth, std::max(0, textWidth) + std::max(0, chrome));
}

Band PlaceDateBarBand(int clientHeight, int fullHeight, bool moonList) {
  Band b;
  b.height = moonList ? fullHeight / 2 : fullHeight;
  b.top = clientHeight - b.height;
  return b;
}

std::array<bool, 10> ListColumnsShown(ViewFlags flags) {
  const bool three = (flags & kViewRecoThreeColumns) != 0;
  return {(flags & kViewColumnElement) != 0,
          true,
          true,
          (flags & kViewColumnSun) != 0,
          (flags & kViewColumnPlanting) != 0,
          !three,
          three,
          three,
          three,
          (flags & kViewColumnNotes) != 0};
}

ListColumns ComputeListColumns(ViewFlags flags, const int32_t saveWidths[10], int avgCharWidth, int clientWidth,
                               const int32_t* kept) {
  ListColumns c;
  c.shown = ListColumnsShown(flags);
  const int avg = std::max(avgCharWidth, 1);
  for (int i = 0; i < 10; ++i) c.width[i] = std::max<int32_t>(0, saveWidths[i]) * avg / 10;
  if (kept)
    for (int i = 0; i < 4; ++i) c.width[i] = std::max<int32_t>(0, kept[i]);
  c.width[4] = std::max<int32_t>(c.width[4], kMinListColumnWidth);

  int32_t used = 0;
  for (int i = 0; i < 5; ++i)
    if (c.shown[i]) used += c.width[i];
  const int32_t rest = clientWidth - used;
  const bool notes = c.shown[9];
  const int32_t notesWidth = notes ? c.width[9] : 0;

  if (!(flags & kViewRecoThreeColumns)) {
    int32_t w = rest - notesWidth;
    if (notes && w < kMinListColumnWidth) {
      c.width[9] = kMinListColumnWidth;
      w = rest - kMinListColumnWidth;
    }
    c.width[5] = std::max<int32_t>(w, kMinListColumnWidth);
  } else {
    int32_t each = (rest - notesWidth) / 3;
    if (notes && each < kMinListColumnWidth) {
      c.width[9] = kMinListColumnWidth;
      each = (rest - kMinListColumnWidth) / 3;
    }
    each = std::max<int32_t>(each, kMinListColumnWidth);
    c.width[6] = c.width[7] = c.width[8] = each;
  }
  return c;
}

int32_t SaveWidthFromPixels(int pixels, int avgCharWidth) {
  return std::max(pixels, 0) * 10 / std::max(avgCharWidth, 1);
}

std::vector<ValueLineEntry> BuildValueLine(DayNumber birthday, DayNumber day, ViewFlags flags,
                                           const RhythmLabels& labels, const std::string& averageFormat) {
  const bool higher = (flags & kViewHigherCurves) != 0;
  const bool sawtooth = (flags & kViewSawtooth) != 0;
  std::vector<ValueLineEntry> out;
  out.push_back({-1, FormatPercentMessage(averageFormat, DayAverage(birthday, day, higher, sawtooth))});
  for (int r = 0; r < ShownRhythmCount(higher); ++r)
    out.push_back({r, PercentText(labels[r].Letter(), RhythmDayValue(r, birthday, day, sawtooth))});
  return out;
}

std::vector<TextPoint> LayoutValueLine(const std::vector<int>& widths, int lineHeight) {
  std::vector<TextPoint> pos;
  int x = 2, y = 1;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (i == 4) {  // the average and three rhythms fill the first line
      x = 2;
      y = 1 + lineHeight + 4;
    }
    pos.push_back({x, y});
    x += widths[i] + 8;
  }
  return pos;
}

DayNumber ClampSelectedDay(DayNumber day, DayNumber birthday) {
  return std::clamp(day, std::min(std::max(birthday, kFirstCalendarDay), kLastCalendarDay), kLastCalendarDay);
}

DayNumber MoveTarget(MoveCode code, DayNumber selected, DayNumber given, DayNumber birthday, DayNumber today,
                     int visible) {
  const int page = std::max(visible, 1);
  DayNumber day = selected;
  switch (code) {
    case kMoveToday: day = today; break;
    case kMoveBirthday: day = birthday; break;
    case kMoveGiven: day = given; break;
    case kMovePageBack: day = selected - page; break;
    case kMovePageForward: day = selected + page; break;
    case kMoveDayForward: day = selected + 1; break;
    case kMoveDayBack: day = selected - 1; break;
  }
  return ClampSelectedDay(day, birthday);
}

ViewPosition FollowSelection(DayNumber day, DayNumber first, int visible, DayNumber birthday) {
  ViewPosition p;
  p.selected = ClampSelectedDay(day, birthday);
  const int shown = std::max(visible, 1);
  p.first = first;
  if (p.selected < first)
    p.first = p.selected;
  else if (p.selected >= first + shown)
    // The new day becomes the last one shown, so that it stays in view.
    p.first = p.selected - shown + 1;
  p.first = std::max({p.first, birthday, kFirstCalendarDay});
  p.first = std::min(p.first, p.selected);
  p.scrolled = p.first != first;
  return p;
}

DayNumber CommitTypedDate(std::string_view text, const LocaleValues& locale, DayNumber birthday) {
  if (text.size() > 57) text = text.substr(0, 57);
  return std::max(ParseDate(text, locale), birthday);
}

int SpinStepUnit(int dateOrder, int button) {
  static constexpr int kUnits[3][3] = {
      {kStepMonths, kStepDays, kStepYears},   // month-day-year
      {kStepDays, kStepMonths, kStepYears},   // day-month-year
      {kStepYears, kStepMonths, kStepDays},   // year-month-day
  };
  const int order = dateOrder >= 0 && dateOrder <= 2 ? dateOrder : 1;
  return kUnits[order][std::clamp(button, 0, 2)];
}

int SpinStepAmount(int scrollCode, int thumbPosition) {
  switch (scrollCode) {
    case 0:  // SB_LINEUP
    case 2:  // SB_PAGEUP
      return 1;
    case 1:  // SB_LINEDOWN
    case 3:  // SB_PAGEDOWN
      return -1;
    case 4:  // SB_THUMBPOSITION
      return thumbPosition;
  }
  return 0;
}

std::optional<MoveCode> ScrollBarMoveCode(int scrollCode) {
  switch (scrollCode) {
    case 0: return kMoveDayBack;       // SB_LINELEFT
    case 1: return kMoveDayForward;    // SB_LINERIGHT
    case 2: return kMovePageBack;      // SB_PAGELEFT
    case 3: return kMovePageForward;   // SB_PAGERIGHT
    case 4: return kMoveToday;         // SB_THUMBPOSITION
  }
  return std::nullopt;
}

ViewFlags ViewToggleBit(int command) {
  switch (command) {
    case kToggleSawtooth: return kViewSawtooth;
    case kToggleSpecialRanges: return kViewSpecialRanges;
    case kToggleHigherCurves: return kViewHigherCurves;
    case kToggleOnlyReco: return kViewFilteredList;
  }
  return 0;
}

bool ViewToggleEnabled(ViewFlags flags, int command) {
  const bool list = (flags & kViewMoonList) != 0;
  if (command == kToggleOnlyReco) return list;
  if (command >= kToggleSawtooth && command <= kToggleHigherCurves) return !list;
  return false;
}

ViewFlags SwitchViewMode(ViewFlags flags, bool hasListHeader) {
  flags ^= kViewMoonList;
  if ((flags & kViewMoonList) && !hasListHeader) flags &= ~kViewMoonList;
  return flags | kViewRecompute;
}

bool ViewOptionsDiffer(ViewFlags flags, int32_t daySize, ViewFlags newFlags, int32_t newDaySize) {
  return (flags & kViewOptionMask) != (newFlags & kViewOptionMask) || daySize != newDaySize;
}

bool ApplyMarkLabels(PersonHeader& header, ViewFlags flags, const std::array<std::string, kMarkLabelCount>& labels) {
  if (flags & kViewReadOnly) return false;
  bool changed = false;
  for (int i = 0; i < kMarkLabelCount; ++i) {
    if (header.MarkLabel(i) == labels[i]) continue;
    header.SetMarkLabel(i, labels[i]);
    changed = true;
  }
  return changed;
}

bool ListColumnsChanged(ViewFlags flags, ViewFlags newFlags) {
  return ((flags ^ newFlags) & kViewColumnMask) != 0;
}

DragSide ClassifyDragPosition(int pos, int lo, int hi) {
  if (pos < lo) return DragSide::kBefore;
  if (pos >= hi) return DragSide::kAfter;
  return DragSide::kInside;
}

int DragTimerInterval(bool markDrag) { return markDrag ? 166 : 500; }

int DragScrollStep(int visible, bool markDrag, DragSide side) {
  if (side == DragSide::kInside) return 0;
  const int step = markDrag ? 1 : std::max(visible / 2, 1);
  return side == DragSide::kBefore ? -step : step;
}

DayNumber ChartDayAt(DayNumber first, int x, int pixelsPerDay) {
  if (pixelsPerDay <= 0 || x < 0) return first;
  return first + x / pixelsPerDay;
}

bool StartsMarkDrag(ViewFlags flags, int y, int markTop, int markBottom, int noteDayOffset) {
  if (flags & (kViewReadOnly | kViewMoonList)) return false;
  if (!(flags & kViewMarkRow)) return false;
  if (y < markTop || y >= markBottom) return false;
  return noteDayOffset >= 0 && noteDayOffset < 7320;
}

}  // namespace tw
