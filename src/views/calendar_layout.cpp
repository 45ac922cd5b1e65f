#include "views/calendar_layout.h"

#include <algorithm>
#include <cstdlib>

namespace tw {

CalendarColumnSpans LayoutCalendarColumns(const std::array<bool, kCalendarColumns>& shown,
                                          const std::array<int, kCalendarColumns>& widths, int left) {
  CalendarColumnSpans spans{};
  int x = left;
  for (int i = 0; i < kCalendarColumns; ++i) {
    spans[i].left = spans[i].right = x;
    if (!shown[i]) continue;
    spans[i].shown = true;
    x += std::max(0, widths[i]);
    spans[i].right = x;
  }
  return spans;
}

std::array<int, 5> MoonTabPositions(int avgCharWidth, bool printing) {
  const auto& tabs = printing ? kMoonTabsPrint : kMoonTabsScreen;
  std::array<int, 5> pos{};
  int tenths = 0;
  for (size_t i = 0; i < tabs.size(); ++i) {
    tenths += tabs[i];
    pos[i] = tenths * avgCharWidth / 10;
  }
  return pos;
}

int MoonGlyphsPerLine(int columnWidth, int avgCharWidth, bool printing) {
  if (avgCharWidth <= 0) return 0;
  const auto pos = MoonTabPositions(avgCharWidth, printing);
  int n = 0;
  while (n < static_cast<int>(pos.size()) && pos[n] <= columnWidth) ++n;
  return n;
}

CellBox CellTextBox(const ColumnSpan& column, int rowTop, int margin, bool firstRow, bool glyphCell,
                    int fontHeight) {
  CellBox box;
  box.left = column.left + 2 * margin;
  box.right = std::max(box.left, column.right - margin);
  box.top = rowTop + margin + (firstRow ? 0 : 1);
  // Glyphs sit high in their line: starting them lower lines them up with the date.
  if (glyphCell) box.top += fontHeight / 5;
  return box;
}

int CountedCellHeight(int h, int tallest, bool glyphCell) {
  if (glyphCell && tallest > 0 && h > tallest) return (h / tallest + 1) * tallest;
  return h;
}

int RowHeight(int tallest, int margin, int minimum) { return std::max(minimum, tallest + 2 * margin); }

int CalendarRows::bottom() const {
  int y = top;
  for (int h : heights) y += h;
  return y;
}

int CalendarRows::RowAt(int y) const {
  if (days.empty()) return -1;
  int rowTop = top;
  for (int i = 0; i < count(); ++i) {
    rowTop += heights[i];
    if (y < rowTop) return i;
  }
  return count() - 1;
}

int CalendarRows::RowOf(DayNumber day) const {
  for (int i = 0; i < count(); ++i)
    if (days[i] == day) return i;
  return -1;
}

int CalendarRows::RowTop(int row) const {
  int y = top;
  for (int i = 0; i < row && i < count(); ++i) y += heights[i];
  return y;
}

int RowToDay(const CalendarRows& rows, DayNumber firstDay, int y) {
  const int row = rows.RowAt(y);
  return row < 0 ? 0 : rows.days[row] - firstDay;
}

DayNumber RowToFilteredDay(const CalendarRows& rows, int y, DayNumber fallback) {
  const int row = rows.RowAt(y);
  return row < 0 ? fallback : rows.days[row];
}

std::optional<DayNumber> NextListedDay(DayNumber from, int step, int maxSteps,
                                       const std::function<bool(DayNumber)>& shown) {
  for (int i = 0; i < maxSteps; ++i, from += step) {
    if (from < kFirstCalendarDay || from > kLastCalendarDay) return std::nullopt;
    if (shown(from)) return from;
  }
  return std::nullopt;
}

namespace {

// A birthday after the last day leaves only the last day.
DayNumber Clamp(DayNumber day, DayNumber birthday) {
  const DayNumber lo = std::min(std::max<DayNumber>(birthday, kFirstCalendarDay), kLastCalendarDay);
  return std::clamp(day, lo, kLastCalendarDay);
}

// Steps of a relative move (day or page), 0 for the absolute ones.
int RelativeSteps(MoveCode code, int page) {
  switch (code) {
    case kMovePageBack: return -page;
    case kMovePageForward: return page;
    case kMoveDayForward: return 1;
    case kMoveDayBack: return -1;
    default: return 0;
  }
}

ListMove MoveFiltered(const CalendarNavigation& nav, int steps) {
  const CalendarRows empty;
  const CalendarRows& rows = nav.rows ? *nav.rows : empty;
  const int n = rows.count();
  ListMove m{nav.selected, nav.first, false};
  const int at = rows.RowOf(nav.selected);
  if (at >= 0 && at + steps >= 0 && at + steps < n) {
    m.selected = rows.days[at + steps];
    return m;
  }
  // Past the rows: search on from the edge of the list for the days still to go.
  const int sign = steps > 0 ? 1 : -1;
  DayNumber cur = nav.selected;
  int remaining = std::abs(steps);
  if (at >= 0) {
    cur = sign > 0 ? rows.days[n - 1] : rows.days[0];
    remaining = sign > 0 ? at + steps - (n - 1) : -(at + steps);
  }
  std::vector<DayNumber> found;
  while (remaining-- > 0 && nav.findMatching) {
    const std::optional<DayNumber> next = nav.findMatching(cur, sign);
    if (!next || *next < nav.birthday || *next > kLastCalendarDay) break;
    cur = *next;
    found.push_back(cur);
  }
  if (found.empty()) {
    // Nothing further: the selection stops at the list's edge.
    if (n > 0) m.selected = sign > 0 ? rows.days[n - 1] : rows.days[0];
    return m;
  }
  m.selected = cur;
  if (sign < 0) {
    m.first = cur;
  } else {
    // Keep the list filled: the new day becomes the last of as many rows as were drawn.
    std::vector<DayNumber> seq(rows.days.begin(), rows.days.end());
    seq.insert(seq.end(), found.begin(), found.end());
    const size_t keep = static_cast<size_t>(std::max(1, n));
    m.first = seq[seq.size() > keep ? seq.size() - keep : 0];
  }
  m.scrolled = m.first != nav.first;
  return m;
}

}  // namespace

ListMove MoveSelection(const CalendarNavigation& nav, MoveCode code, DayNumber given) {
  const CalendarRows empty;
  const CalendarRows& rows = nav.rows ? *nav.rows : empty;
  const int n = rows.count();
  const int page = std::max(1, n - 1);
  const int steps = RelativeSteps(code, page);
  if (nav.filtered && steps != 0) return MoveFiltered(nav, steps);

  DayNumber target = nav.selected + steps;
  if (code == kMoveToday) target = nav.today;
  if (code == kMoveBirthday) target = nav.birthday;
  if (code == kMoveGiven) target = given;
  target = Clamp(target, nav.birthday);

  ListMove m{target, nav.first, false};
  if (n > 0 && rows.RowOf(target) >= 0) return m;
  if (nav.filtered || n == 0 || target < nav.first) {
    m.first = target;
  } else {
    // Moving forward: the new day becomes the last row, so it stays in view.
    m.first = std::max<DayNumber>(kFirstCalendarDay, target - (n - 1));
  }
  m.scrolled = m.first != nav.first || n == 0;
  return m;
}

DayNumber ChooseListStart(const CalendarRows& rows, DayNumber first, DayNumber selected, bool recompute,
                          bool filteredList) {
  if (recompute && rows.RowOf(selected) < 0) first = selected;
  if (filteredList) first = std::min(first, selected);
  return first;
}

DayNumber FollowListSelection(const CalendarRows& rows, DayNumber first, DayNumber day, bool filtered) {
  const int n = rows.count();
  if (n == 0 || rows.RowOf(day) >= 0) return n == 0 ? day : first;
  if (day < rows.days.front() || filtered) return day;
  if (day <= rows.days.back()) return first;  // a day the filtered rows skip: stays in place
  return std::max<DayNumber>(kFirstCalendarDay, day - (n - 1));
}

// ---- The printed page ----

int PrintRowsPerPage(PrintDaysPerPage mode, DayNumber first) {
  switch (mode) {
    case PrintDaysPerPage::kVariable: return 0;
    case PrintDaysPerPage::kDay: return 1;
    case PrintDaysPerPage::kWeek: return 7;
    case PrintDaysPerPage::kMonth: {
      int y, m, d;
      DateFromDay(first, &y, &m, &d);
      const DayNumber next = m == 12 ? DayFromDate(y + 1, 1, 1) : DayFromDate(y, m + 1, 1);
      return next - first;
    }
  }
  return 0;
}

int PrintFixedRowHeight(PrintDaysPerPage mode, int height) {
  switch (mode) {
    case PrintDaysPerPage::kWeek: return std::max(1, height / 7);
    case PrintDaysPerPage::kMonth: return std::max(1, height / 31);
    default: return 0;
  }
}

int PrintPictureIndex(int element, bool planting, bool twoColours) {
  return (element & 3) + (planting ? 4 : 0) + (twoColours ? 8 : 0);
}

int PrintLegendColumns(int w1, int w2, int pageWidth) {
  const int column = (w2 + w1 + 2 * (w1 / 5)) / 2;
  return column < pageWidth / 7 ? 6 : 4;
}

std::vector<int> PrintLegendOrder(int columns) {
  if (columns == 6)
    return {0, 4, 8, 12, 20, 16, 1, 5, 9, 13, 21, 17, 2, 6, 10, 14, 22, 18, 3, 7, 11, 15, -1, 19};
  return {0, 6, 12, 16, 1, 7, 13, 17, 2, 8, 14, 18, 3, 9, 15, 19, 4, 10, 20, 22, 5, 11, 21};
}

PrintLegendBox LayoutPrintLegend(int left, int right, int bottom, int lineHeight, int columns) {
  PrintLegendBox box;
  box.columns = columns == 6 ? 6 : 4;
  box.lineHeight = lineHeight;
  box.bottom = bottom;
  box.top = bottom - lineHeight * (box.columns == 4 ? 13 : 9) / 2;
  const int width = std::max(0, right - left);
  const int used = width * 4 / 5;
  const int column = used / box.columns;
  const int start = left + (width - used) / 2;
  for (int c = 0; c < box.columns; ++c) {
    box.glyphX.push_back(start + c * column);
    box.textX.push_back(start + c * column + column / 5);
  }
  return box;
}

}  // namespace tw
