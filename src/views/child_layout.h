// Geometry and rules of the person window that do not need a window: the DateBar's
// controls, the list header's columns, the ValueLine's texts, how the selected day moves
// and how a drag scrolls.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bio/rhythm_label.h"
#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_header.h"
#include "doc/view_flags.h"
#include "views/calendar_layout.h"

namespace tw {

// ---- DateBar -------------------------------------------------------------------------

struct ControlRect {
  int x = 0, y = 0, cx = 0, cy = 0;
};

struct DateBarLayout {
  int height = 0;  // full height; the moon calendar shows the upper half only
  ControlRect dateEdit;
  std::array<ControlRect, 3> spin;
  ControlRect scrollBar;
  ControlRect valueLine;
  ControlRect rhythmCombo;  // cy is the dropped-down height
};

// From the display font's "9" width and "9g" height.
DateBarLayout ComputeDateBarLayout(int charW, int charH);

// Width of a control that shows a text of `textWidth` pixels beside `chrome` pixels of its
// own (borders, the drop-down button): at least the layout's width, wider when the text
// needs it, so that no entry is cut.
int WidthForText(int layoutWidth, int textWidth, int chrome);

struct Band {
  int top = 0, height = 0;
};
// Where the DateBar sits in a client area of `clientHeight`: at the bottom, full height in
// chart mode, half of it in moon calendar mode.
Band PlaceDateBarBand(int clientHeight, int fullHeight, bool moonList);

// ---- List header ---------------------------------------------------------------------

constexpr int kMinListColumnWidth = 18;

struct ListColumns {
  std::array<bool, 10> shown{};
  std::array<int32_t, 10> width{};  // pixels; meaningful for shown columns
};

// Column titles of the header (resource library ids), 0 for none.
constexpr std::array<int, 10> kListColumnTitles = {0, 2680, 4001, 4002, 0, 4003, 4004, 4005, 4006, 4007};

// Which columns `flags` show.
std::array<bool, 10> ListColumnsShown(ViewFlags flags);

// Pixel widths from the stored widths (tenths of an average character). `kept`, when
// given, holds the pixel widths of columns 1 to 4 (indices 0..3) that a rebuilt header
// keeps. The recommendation columns share what is left of `clientWidth`.
ListColumns ComputeListColumns(ViewFlags flags, const int32_t saveWidths[10], int avgCharWidth, int clientWidth,
                               const int32_t* kept = nullptr);

// The stored width of a column the user dragged to `pixels`.
int32_t SaveWidthFromPixels(int pixels, int avgCharWidth);

// The dividers of the element bar and the planting time have fixed widths.
inline bool ColumnMayBeResized(int column) { return column != 0 && column != 4; }

// ---- ValueLine -----------------------------------------------------------------------

struct ValueLineEntry {
  int rhythm = -1;  // -1 for the average
  std::string text;
};

// The average (message 3040 used as `averageFormat`) and then each shown rhythm as
// "K: 68,1%"; three rhythms, or seven with the higher curves, sawtooth values with 0x100.
std::vector<ValueLineEntry> BuildValueLine(DayNumber birthday, DayNumber day, ViewFlags flags,
                                           const RhythmLabels& labels, const std::string& averageFormat);

struct TextPoint {
  int x = 0, y = 0;
};
// Positions of the entries of width `widths` (the average first): one line from (2, 1),
// 8 pixels apart; after the third rhythm a second line 4 pixels below the first.
std::vector<TextPoint> LayoutValueLine(const std::vector<int>& widths, int lineHeight);

// ---- Selection -----------------------------------------------------------------------

// The selected day stays between the birthday and the last calendar day.
DayNumber ClampSelectedDay(DayNumber day, DayNumber birthday);

// The day a move asks for, before the window follows it; `visible` days make a page.
DayNumber MoveTarget(MoveCode code, DayNumber selected, DayNumber given, DayNumber birthday, DayNumber today,
                     int visible);

struct ViewPosition {
  DayNumber selected = 0;
  DayNumber first = 0;
  bool scrolled = false;  // the first day changed: the whole view is painted again
};

// Lets the shown days follow a new selected day: inside them only the highlight moves;
// before them the day becomes the first one, after them the last one.
ViewPosition FollowSelection(DayNumber day, DayNumber first, int visible, DayNumber birthday);

// A typed date (at most 57 characters read) never selects a day before the birthday.
DayNumber CommitTypedDate(std::string_view text, const LocaleValues& locale, DayNumber birthday);

// Spin buttons beside the date: the unit of button 0..2 follows the locale's date order,
// so each button changes the date field it stands for.
int SpinStepUnit(int dateOrder, int button);
// +1 for line/page up, -1 for line/page down, the signed distance for a thumb drag.
int SpinStepAmount(int scrollCode, int thumbPosition);
// The move a code of the DateBar's scroll bar asks for, if any.
std::optional<MoveCode> ScrollBarMoveCode(int scrollCode);

// The view toggle commands (the frame's menu ids; the app checks they agree).
constexpr int kToggleSawtooth = 7211, kToggleSpecialRanges = 7212, kToggleHigherCurves = 7213,
              kToggleOnlyReco = 7219;
// The view bit a toggle command flips; 0 for other ids.
ViewFlags ViewToggleBit(int command);
// "only days with recommendations" only in moon calendar mode, the three chart options only
// in chart mode.
bool ViewToggleEnabled(ViewFlags flags, int command);

// Command 7210: the moon calendar needs a list header; the layout is recomputed.
ViewFlags SwitchViewMode(ViewFlags flags, bool hasListHeader);

// Whether the options sheet's values change a window at all.
bool ViewOptionsDiffer(ViewFlags flags, int32_t daySize, ViewFlags newFlags, int32_t newDaySize);
// The options sheet's DayMark labels for the active window. A read-only window keeps its
// own: its file cannot be saved from it, so a change would only block closing it. True
// when the labels changed (the document is then modified).
bool ApplyMarkLabels(PersonHeader& header, ViewFlags flags, const std::array<std::string, kMarkLabelCount>& labels);
// Whether the list header must be built again for the new options.
bool ListColumnsChanged(ViewFlags flags, ViewFlags newFlags);

// ---- Mouse ---------------------------------------------------------------------------

enum class DragSide { kInside, kBefore, kAfter };
// Where `pos` lies against the area lo..hi (hi exclusive) along the moving axis.
DragSide ClassifyDragPosition(int pos, int lo, int hi);

// Timer interval and step of the auto-scroll while a drag is outside its area: half the
// visible days every 500 ms, one day every 166 ms while marking days.
int DragTimerInterval(bool markDrag);
int DragScrollStep(int visible, bool markDrag, DragSide side);

// The chart day under x; the first day while the chart has not been laid out yet.
DayNumber ChartDayAt(DayNumber first, int x, int pixelsPerDay);

// A left button in the chart's DayMark row of a writable document, on a day of the notes,
// starts marking days.
bool StartsMarkDrag(ViewFlags flags, int y, int markTop, int markBottom, int noteDayOffset);

}  // namespace tw
