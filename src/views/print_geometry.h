// Page geometry of a print job and of its preview: margins in the user's unit (millimetres,
// or hundredths of an inch where the measurement system is not metric), their rotation with
// the paper, the page's pixel rectangles, bands per page and page counts. Pure functions:
// the print job, the setup sheet and the preview all compute the same page.
#pragma once
#include <array>

#include "core/daynumber.h"
#include "views/calendar_layout.h"

namespace tw {

struct PrintMargins {
  int left = 10, top = 8, right = 10, bottom = 8;
  bool operator==(const PrintMargins&) const = default;
};

// unit -> pixels and back, truncating.
int UnitToPixels(int value, int dpi, bool metric);
int PixelsToUnit(int pixels, int dpi, bool metric);

// On turning to landscape the new left, top, right, bottom are the old top, right, bottom,
// left; turning back to portrait undoes it.
PrintMargins RotateMargins(const PrintMargins& m, bool toLandscape);

// What the printer tells about its page, in device pixels.
struct DevicePage {
  int pixelsX = 0, pixelsY = 0;        // printable area
  int dpiX = 300, dpiY = 300;
  int physicalX = 0, physicalY = 0;    // the whole sheet; 0: same as the printable area
  int offsetX = 0, offsetY = 0;        // unprintable border at the left and top
};

struct PageRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int headerBottom = 0;  // the page header runs from top to here
};

// The margins in device pixels, less what the printer cannot reach on each side (never
// below 0). The header takes 9/2 line heights on a chart page, 7/2 on a moon calendar.
PageRect PagePixels(const DevicePage& dev, const PrintMargins& m, bool metric, int lineHeight, bool chart);

// PrintBand r of `rows` below the header, bands separated by one line height.
struct PrintBand {
  int top = 0, bottom = 0;
};
PrintBand ChartBand(const PageRect& page, int lineHeight, int rows, int r);

// A chart's right edge cut to whole days of width `dayWidth`.
int CutToWholeDays(int left, int right, int dayWidth);

// Pages a moon calendar prints from `from` to `to` with a fixed days-per-page choice;
// 0 for "variable" (it depends on the cells).
int CalendarPageCount(PrintDaysPerPage mode, DayNumber from, DayNumber to);
// Pages a chart prints: each band shows `daysPerBand` days.
int ChartPageCount(DayNumber from, DayNumber to, int daysPerBand, int rowsPerPage);

// Margins are kept between the printer's unprintable border and a third of the sheet.
int ClampMargin(int value, int minimum, int sheet);

// Optimal widths of the printed moon calendar columns (in the unit), indexed as the
// calendar's ten columns. `moonUnit` and `dateWidth` come from the printer font.
struct OptimalWidthInput {
  std::array<bool, 10> printed{};
  int available = 0;
  int moonUnit = 0;
  int dateWidth = 0;
  PrintDaysPerPage daysPerPage = PrintDaysPerPage::kWeek;
  bool twoLineDates = false;
  bool metric = true;
};
std::array<int, 10> OptimalWidths(const OptimalWidthInput& in);

// A printed date column narrower than the date is widened to `dateWidth`, the room taken
// from the widest printed text column (recommendations or notes) as far as it has it: a
// fixed print row has one line, and a date cut after the weekday says nothing.
std::array<int, 10> WidenDateColumn(std::array<int, 10> widths, const std::array<bool, 10>& printed, int dateWidth);

}  // namespace tw
