// The biorhythm chart painter: draws one chart into any device context (window, memory
// bitmap, printer band, preview) from one input struct and returns what it laid out.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "calendar/moon_data.h"
#include "core/colour_table.h"
#include "doc/person_document.h"
#include "views/chart_layout.h"

namespace tw {

// Where a print job may stop the paint.
enum class ChartCancelPoint { AfterMoonMarks, BeforeDateStrip, BeforeCurves };

struct ChartPaintInput {
  RECT target = {0, 0, 0, 0};
  bool print = false;
  bool grid = false;  // print option "Raster"
  ChartContent content;      // days, DayMarks, moon data (recentre: ViewFlags 0x4)
  ViewFlags viewFlags = 0;   // the screen or print bits are picked by `print`
  int32_t daySize = 2;       // the screen's or the print's day size
  int32_t highlight = kHighlightNone;  // the rhythm choice or the print rhythm choice
  ColourTable colours = DefaultColourTable();
  HPALETTE palette = nullptr;  // used on palette devices
  HFONT font = nullptr;        // nullptr: the device context's font
  std::array<std::string, 12> monthNames;  // messages 3045..3056
  // Asked at the three cancel points while printing; true ends the paint.
  std::function<bool(ChartCancelPoint)> cancel;
};

struct ChartPaintResult {
  ChartLayout layout;
  bool cancelled = false;
  // Whole days drawn, what a print job advances by; 0 after a cancel.
  int DaysDrawn() const { return cancelled ? 0 : layout.frame.daysShown; }
};

ChartPaintResult DrawChart(HDC dc, const ChartPaintInput& in);

// The document's part of the input: days, flags, the screen's day size and highlight, and
// its DayMarks (the accessor reads `doc`, which must outlive the paint). The caller adds
// fonts, colours, the moon data and the month names; a print job also sets daySize,
// highlight, printFrom and grid from its own settings.
ChartPaintInput ChartInputFromDocument(const PersonDocument& doc, const RECT& target, bool print);

// Inverts the selected day's column and its strip cell (the screen's selection marker).
void InvertChartSelection(HDC dc, const ChartGeometry& g, DayNumber selected);

}  // namespace tw
