// The painters of the person window's two views. Each draws into any device context (a
// window's off-screen buffer, a printer page, the print preview) from one input struct,
// touches no window and no global, and returns what it laid out.
#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "core/colour_table.h"
#include "core/dib_file.h"
#include "doc/person_document.h"
#include "views/calendar_cells.h"
#include "views/calendar_layout.h"
#include "views/chart_layout.h"

namespace tw {

class RecoEvaluator;

// Asked before each row (and now and then while days are skipped): true stops the paint,
// which then reports that it has not finished. The screen asks whether the user is busy,
// the print job whether the job was cancelled.
using PaintCancel = std::function<bool()>;

// What a printed page adds around the rows.
struct CalendarPrintPage {
  std::array<std::string, kCalendarColumns> titles{};  // the title row; Sonne is the glyph
  PrintDaysPerPage daysPerPage = PrintDaysPerPage::kVariable;
  bool legend = false;                                 // the glyph legend box at the bottom
  std::vector<LegendLine> legendLines;                 // glyph and text, in the panel's order
  int legendGlyphWidth = 0;                            // widths of messages 3563 and 3512,
  int legendTextWidth = 0;                             // measured by the caller's print font
  const DibPicture* pictures = nullptr;                // "Ell.bmp"; null: the screen's tiles
  int colourMode = 0;                                  // the print job's colour mode
};

struct CalendarPaintInput {
  const PersonDocument* doc = nullptr;  // view flags, selection, notes
  MoonRecordSource* moon = nullptr;
  SpecialDayTable* specialDays = nullptr;
  YearTable* yearTable = nullptr;
  RecoEvaluator* eval = nullptr;        // the document's selection is evaluated by it
  CellContext cells;                    // text style, date display, message texts
  HFONT font = nullptr;                 // the text line and the glyph tab stops
  std::string textFont;                 // cell face when a document names none
  const ColourTable* colours = nullptr;
  bool showHoliday = false;
  bool oskelin = false;                 // the second element bar
  RECT rect{};                          // where the rows (and in print the page) go
  DayNumber firstDay = 0;
  std::array<int, kCalendarColumns> widths{};  // pixels, read for the shown columns
  int minRowHeight = 0;
  int margin = 1;
  HBITMAP elementTiles = nullptr;       // four element squares side by side
  bool printing = false;
  CalendarPrintPage print;              // read only when printing
  PaintCancel cancel;
};

struct CalendarPaintResult {
  bool finished = true;  // false: stopped by the cancel callback, nothing is kept
  CalendarRows rows;     // rows drawn and their heights (hit tests, highlight)
  DayNumber nextDay = 0; // the day after the last row: the print job goes on there
  RECT titleRow{};       // print: the title row, empty on the screen
  RECT legendBox{};      // print: the legend box, empty without it
};

CalendarPaintResult DrawCalendar(HDC dc, const CalendarPaintInput& in);

// Lays out a cell's rich text with the program's own layout and draws it into `box`;
// returns the height used in pixels. In `maxHeight` (0 for none) a text that runs
// longer ends in an ellipsis on its last line that fits.
int DrawRtfCell(HDC dc, const std::string& rtf, const RECT& box, const std::string& textFont, int maxHeight = 0);

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

// The document's part of the input: days (the first from the window's view state), flags, the screen's day size and highlight, and
// its DayMarks (the accessor reads `doc`, which must outlive the paint). The caller adds
// fonts, colours, the moon data and the month names; a print job also sets daySize,
// highlight, printFrom and grid from its own settings.
ChartPaintInput ChartInputFromDocument(const PersonDocument& doc, DayNumber firstDay, const RECT& target, bool print);

// Inverts the selected day's column and its strip cell (the screen's selection marker).
void InvertChartSelection(HDC dc, const ChartGeometry& g, DayNumber selected);

}  // namespace tw
