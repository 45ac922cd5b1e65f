#include "views/print_geometry.h"

#include <algorithm>

namespace tw {

int UnitToPixels(int value, int dpi, bool metric) {
  return metric ? value * dpi * 10 / 254 : value * dpi / 100;
}

int PixelsToUnit(int pixels, int dpi, bool metric) {
  if (dpi <= 0) return 0;
  return metric ? pixels * 254 / (dpi * 10) : pixels * 100 / dpi;
}

PrintMargins RotateMargins(const PrintMargins& m, bool toLandscape) {
  if (toLandscape) return {m.top, m.right, m.bottom, m.left};
  return {m.bottom, m.left, m.top, m.right};
}

namespace {
int Inset(int value, int dpi, bool metric, int unprintable) {
  return std::max(0, UnitToPixels(value, dpi, metric) - unprintable);
}
}  // namespace

PageRect PagePixels(const DevicePage& dev, const PrintMargins& m, bool metric, int lineHeight, bool chart) {
  const int physX = dev.physicalX > 0 ? dev.physicalX : dev.pixelsX;
  const int physY = dev.physicalY > 0 ? dev.physicalY : dev.pixelsY;
  PageRect p;
  p.left = Inset(m.left, dev.dpiX, metric, dev.offsetX);
  p.top = Inset(m.top, dev.dpiY, metric, dev.offsetY);
  p.right = dev.pixelsX - Inset(m.right, dev.dpiX, metric, std::max(0, physX - dev.pixelsX - dev.offsetX));
  p.bottom = dev.pixelsY - Inset(m.bottom, dev.dpiY, metric, std::max(0, physY - dev.pixelsY - dev.offsetY));
  p.headerBottom = p.top + lineHeight * (chart ? 9 : 7) / 2;
  return p;
}

PrintBand ChartBand(const PageRect& page, int lineHeight, int rows, int r) {
  rows = std::clamp(rows, 1, 8);
  const int area = page.bottom - page.headerBottom;
  const int height = rows == 1 ? area : (area - lineHeight * (rows - 1)) / rows;
  PrintBand b;
  b.top = page.headerBottom + r * (height + lineHeight);
  b.bottom = b.top + height;
  return b;
}

int CutToWholeDays(int left, int right, int dayWidth) {
  if (dayWidth <= 0 || right <= left) return right;
  return left + ((right - left) / dayWidth) * dayWidth + 1;
}

int CalendarPageCount(PrintDaysPerPage mode, DayNumber from, DayNumber to) {
  const int days = std::max(1, to - from + 1);
  switch (mode) {
    case PrintDaysPerPage::kVariable: return 0;
    case PrintDaysPerPage::kDay: return days;
    case PrintDaysPerPage::kWeek: return (days - 1) / 7 + 1;
    case PrintDaysPerPage::kMonth: {
      if (to < from) return 1;
      int y1, m1, d1, y2, m2, d2;
      DateFromDay(from, &y1, &m1, &d1);
      DateFromDay(to, &y2, &m2, &d2);
      return (y2 - y1) * 12 + (m2 - m1) + 1;
    }
  }
  return 1;
}

int ChartPageCount(DayNumber from, DayNumber to, int daysPerBand, int rowsPerPage) {
  const int days = std::max(1, to - from + 1);
  const int bands = (days + std::max(1, daysPerBand) - 1) / std::max(1, daysPerBand);
  const int rows = std::clamp(rowsPerPage, 1, 8);
  return (bands + rows - 1) / rows;
}

int ClampMargin(int value, int minimum, int sheet) {
  const int maximum = std::max(minimum, sheet / 3);
  return std::clamp(value, minimum, maximum);
}

std::array<int, 10> OptimalWidths(const OptimalWidthInput& in) {
  std::array<int, 10> w{};
  const auto& p = in.printed;
  const int k = in.twoLineDates ? 2
                : in.daysPerPage == PrintDaysPerPage::kWeek  ? 2
                : in.daysPerPage == PrintDaysPerPage::kMonth ? 4
                                                             : 3;
  if (p[kColDate]) w[kColDate] = in.dateWidth;
  if (p[kColMoon]) w[kColMoon] = in.moonUnit * k + in.moonUnit * 2 / 5;
  if (p[kColSun]) w[kColSun] = in.moonUnit;
  if (p[kColElement]) w[kColElement] = in.metric ? 4 : 15;
  if (p[kColPlanting]) w[kColPlanting] = in.metric ? 5 : 20;
  if (p[kColNotes]) w[kColNotes] = in.metric ? 60 : 240;
  int s = 0;
  for (int c : {kColDate, kColMoon, kColSun, kColElement, kColPlanting, kColNotes}) s += w[c];

  if (p[kColReco]) {
    w[kColReco] = std::max(0, in.available - s);
    if (p[kColNotes] && w[kColNotes] > w[kColReco] * 2 / 3) {
      const int notes = w[kColReco] * 2 / 3;
      w[kColReco] += w[kColNotes] - notes;
      w[kColNotes] = notes;
    }
  } else if (p[kColPlants] || p[kColHealth] || p[kColCommon]) {
    int rest = std::max(0, in.available - s);
    if (p[kColNotes] && w[kColNotes] > 2 * rest / 9) {
      w[kColNotes] = 2 * rest / 9;
      s = 0;
      for (int c : {kColDate, kColMoon, kColSun, kColElement, kColPlanting, kColNotes}) s += w[c];
      rest = std::max(0, in.available - s);
    }
    for (int c : {kColPlants, kColHealth, kColCommon}) w[c] = rest / 3;
    if (p[kColNotes]) w[kColNotes] += rest % 3;
  }

  // Balance against the available width.
  int sum = 0;
  for (int c = 0; c < 10; ++c)
    if (p[c]) sum += w[c];
  if (sum < in.available) {
    const int c = p[kColPlanting] ? kColPlanting : p[kColSun] ? kColSun : kColDate;
    w[c] += in.available - sum;
  } else if (sum > in.available) {
    const int excess = sum - in.available;
    if (p[kColNotes] && w[kColNotes] >= excess) w[kColNotes] -= excess;
    else if (w[kColDate] >= excess) w[kColDate] -= excess;
  }
  return w;
}

std::array<int, 10> WidenDateColumn(std::array<int, 10> w, const std::array<bool, 10>& printed, int dateWidth) {
  if (!printed[kColDate] || w[kColDate] >= dateWidth) return w;
  int widest = -1;
  for (int c : {kColReco, kColPlants, kColHealth, kColCommon, kColNotes})
    if (printed[c] && (widest < 0 || w[c] > w[widest])) widest = c;
  const int need = dateWidth - w[kColDate];
  if (widest >= 0) w[widest] -= std::min(need, w[widest]);
  w[kColDate] = dateWidth;
  return w;
}

}  // namespace tw
