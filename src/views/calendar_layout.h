// Geometry and navigation of the moon calendar list that need no window: where each
// column lies, how many moon glyphs fit on a line, how tall a row is, which row lies under
// a point and where the list goes when the selected day moves.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "doc/view_flags.h"

namespace tw {

constexpr int kCalendarColumns = 10;
enum CalendarColumn : int {
  kColElement = 0,
  kColDate = 1,
  kColMoon = 2,
  kColSun = 3,
  kColPlanting = 4,
  kColReco = 5,
  kColPlants = 6,
  kColHealth = 7,
  kColCommon = 8,
  kColNotes = 9,
};

struct ColumnSpan {
  bool shown = false;
  int left = 0, right = 0;  // right is exclusive
  int width() const { return right - left; }
};
using CalendarColumnSpans = std::array<ColumnSpan, kCalendarColumns>;

// Places the shown columns side by side from `left`; `widths` is indexed by column and
// only read for shown columns (a negative width counts as 0).
CalendarColumnSpans LayoutCalendarColumns(const std::array<bool, kCalendarColumns>& shown,
                                          const std::array<int, kCalendarColumns>& widths, int left);

// The five tab stops of the Mond column, in tenths of an average character.
constexpr std::array<int, 5> kMoonTabsScreen = {52, 26, 26, 26, 26};
constexpr std::array<int, 5> kMoonTabsPrint = {106, 76, 76, 76, 76};

// Positions of the Mond column's tab stops from the cell's left edge, in pixels.
std::array<int, 5> MoonTabPositions(int avgCharWidth, bool printing);
// How many of those stops fit into a column of `columnWidth` pixels: the glyphs per line.
// 0 means not even the first stop fits, and the glyphs follow each other without tabs.
int MoonGlyphsPerLine(int columnWidth, int avgCharWidth, bool printing);

// Where a cell's text is laid out, in pixels, for a row starting at `rowTop`.
struct CellBox {
  int left = 0, top = 0, right = 0;
};
CellBox CellTextBox(const ColumnSpan& column, int rowTop, int margin, bool firstRow, bool glyphCell,
                    int fontHeight);

// The height a cell of height `h` counts with when the tallest cell so far is `tallest`:
// a Mond or Sonne cell that runs taller than the text cells keeps whole text lines.
int CountedCellHeight(int h, int tallest, bool glyphCell);
// Row height from the tallest cell and the margins above and below it, at least `minimum`.
int RowHeight(int tallest, int margin, int minimum);

inline int PixelsToTwips(int pixels, int dpi) { return dpi > 0 ? pixels * 1440 / dpi : 0; }

// The rows of the last screen paint.
struct CalendarRows {
  int top = 0;                   // y of the first row
  std::vector<DayNumber> days;   // day of each row
  std::vector<int> heights;      // height of each row in pixels
  int count() const { return static_cast<int>(days.size()); }
  int bottom() const;
  // Row index containing y; rows above the first count as the first, rows past the last
  // as the last. -1 when nothing was drawn.
  int RowAt(int y) const;
  // Index of the row showing `day`, or -1.
  int RowOf(DayNumber day) const;
  int RowTop(int row) const;
};

// A y position in the list as a day offset from the first visible day (0 without rows).
int RowToDay(const CalendarRows& rows, DayNumber firstDay, int y);
// A y position in the list as the day number of its row, in the only-days-with-
// recommendations list; `fallback` when nothing was drawn.
DayNumber RowToFilteredDay(const CalendarRows& rows, int y, DayNumber fallback);

// The next day from `from` on (inclusive, stepping by `step`) that the list shows, or
// nullopt when it leaves 0 .. kLastCalendarDay or `maxSteps` days were looked at. `shown`
// says whether a day gets a row (it has moon data, and matches in the filtered list).
std::optional<DayNumber> NextListedDay(DayNumber from, int step, int maxSteps,
                                       const std::function<bool(DayNumber)>& shown);

// How the selected day moves: keys, the date bar and the commands ask for these.
enum MoveCode : int {
  kMoveToday = 0,
  kMoveBirthday = 1,
  kMoveGiven = 2,
  kMovePageBack = 3,
  kMovePageForward = 4,
  kMoveDayForward = 5,
  kMoveDayBack = 6,
};

// What the list needs to follow a move of the selected day.
struct CalendarNavigation {
  DayNumber selected = 0;
  DayNumber first = 0;
  DayNumber birthday = 0;
  DayNumber today = 0;
  bool filtered = false;  // only days with recommendations
  const CalendarRows* rows = nullptr;
  // Filtered list: the next (+1) or previous (-1) matching day after `start`, nullopt when
  // there is none within the data.
  std::function<std::optional<DayNumber>(DayNumber start, int step)> findMatching;
};

struct ListMove {
  DayNumber selected = 0;
  DayNumber first = 0;
  bool scrolled = false;  // the first day changed: the list is painted again
};

// Moves the selection by a navigation code. A page is the rows drawn less one.
ListMove MoveSelection(const CalendarNavigation& nav, MoveCode code, DayNumber given);

// ---- The printed page ----------------------------------------------------------------

enum class PrintDaysPerPage { kVariable, kDay, kWeek, kMonth };

// Rows a page holds from `first`: 0 for as many as fit, else one day, seven, or the days
// left in the first day's month.
int PrintRowsPerPage(PrintDaysPerPage mode, DayNumber first);
// The fixed row height of a page of `height` pixels: a seventh or a 31st of it; 0 when
// the rows take their cells' height.
int PrintFixedRowHeight(PrintDaysPerPage mode, int height);

// Picture of "Ell.bmp" for a cell: the element, +4 on planting days, +8 on two-colour
// printers; 16 and 17 are the backgrounds of planting days.
int PrintPictureIndex(int element, bool planting, bool twoColours);
constexpr int kPrintBackgroundColour = 17, kPrintBackgroundOther = 16;

struct LegendLine {
  std::string glyph;  // symbol font
  std::string text;
};

// Four or six legend columns: six when a column of the widths of messages 3563 (`w1`)
// and 3512 (`w2`) is narrower than a seventh of the page.
int PrintLegendColumns(int w1, int w2, int pageWidth);
// The entries of the 23-entry legend cell by cell, row after row; -1 for an empty cell.
std::vector<int> PrintLegendOrder(int columns);

struct PrintLegendBox {
  int top = 0, bottom = 0;          // from the bottom of the page
  int columns = 4;
  std::vector<int> glyphX, textX;   // per column, from the page's left edge
  int lineHeight = 0;
};
// The box is 13/2 lines high for four columns, 9/2 for six; its columns divide four
// fifths of the page width, each a glyph stop (a fifth of the column) and a text stop.
PrintLegendBox LayoutPrintLegend(int left, int right, int bottom, int lineHeight, int columns);

// Where a list paint starts: the first day shown, or the selected day when the layout is
// recomputed and the selected day is not among the rows; the filtered list starts no
// later than the selected day.
DayNumber ChooseListStart(const CalendarRows& rows, DayNumber first, DayNumber selected, bool recompute,
                          bool filteredList);
// The first day after the selected day moved to `day` by the mouse or the date bar: the
// list keeps its rows while the day is among them; before them the day becomes the first,
// after them the last row (the filtered list cannot count rows back, it starts there).
DayNumber FollowListSelection(const CalendarRows& rows, DayNumber first, DayNumber day, bool filtered);


}  // namespace tw
