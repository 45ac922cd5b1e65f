// Geometry of the biorhythm chart: one column per day, the curves of the shown rhythms
// around a zero line above, and below it the date strip of three rows (DayMarks and
// Sundays, day numbers and the element band, month names and moon marks). Everything the
// painter draws and a window hit-tests is computed here from integers, so screen, printer
// and the tests agree on every pixel.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "calendar/moon_data.h"
#include "core/daynumber.h"
#include "doc/day_mark.h"
#include "doc/view_flags.h"

namespace tw {

constexpr DayNumber kMoonTickEpoch = 136799;  // 19 July 1974, a mark of kind B
constexpr double kMoonTickStep = 14.7653;     // half a synodic month in days
constexpr int kValueDivisor = 2010;           // not 2000: -1000 stays just inside the band
constexpr int kElementBandHeight = 10;
constexpr int kOskelinBandOffset = 6;         // the second band covers the band's last 4 pixels

// Colour table entries the chart uses.
constexpr int kChartSundayColour = 1;      // blue
constexpr int kChartYellowColour = 2;      // moon kind A, positive ranges, yellow flag
constexpr int kChartMoonOutlineColour = 3;
constexpr int kChartGreyColour = 5;        // moon kind B, negative ranges
constexpr int kChartRedFlagColour = 0;

// HighlightChoice: 0 none, 1..7 one rhythm, 8 average of the shown ones, 9 of rhythms 1 and 2.
constexpr int32_t kHighlightNone = 0;
constexpr int32_t kHighlightAverage = 8;
constexpr int32_t kHighlightAverage12 = 9;

struct ChartPoint {
  int x = 0, y = 0;
  bool operator==(const ChartPoint&) const = default;
};
struct ChartRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ChartRect&) const = default;
  bool Empty() const { return right <= left || bottom <= top; }
};

// The options of the target (screen or printer), taken from the document's flags.
struct ChartOptions {
  bool print = false;
  bool specialRanges = false;
  bool markRow = false;
  bool higherCurves = false;
  bool sawtooth = false;
  bool grid = false;  // print only
  int32_t daySize = 2;
  int32_t highlight = kHighlightNone;
};
ChartOptions ChartOptionsFrom(ViewFlags flags, bool print, int32_t daySize, int32_t highlight, bool grid);

// What the device reports: the size of "Ag" in the chart's font and its resolution.
struct ChartDevice {
  int agWidth = 0, agHeight = 0;
  int dpiX = 96, dpiY = 96;
  bool twoColour = false;  // a printer with two colours draws styles instead of colours
};

// cx * daySize / 4 rounded up to a multiple of 4 (at least 4, so a day never vanishes).
int ChartDayWidth(int agWidth, int32_t daySize);
// 1 on the screen; when printing 1 up to 300 dpi, 2 below 1000, 4 from 1000.
int ChartPenWidth(bool print, int dpiX);
// Thickness of a highlighted curve: dpiY / 75 copies, at least 3.
int HighlightCopies(int dpiY);
// First day after recentring on `selected`: half a chart width before it, never before
// the birthday.
DayNumber RecentredFirstDay(DayNumber selected, DayNumber birthday, int right, int dayWidth);

// Vertical and horizontal frame of one paint.
struct ChartFrame {
  int left = 0, top = 0, right = 0;  // right before the curves' extension by one day
  int rowHeight = 0;                 // h = "Ag" height + 2
  int stripTop = 0;                  // the date strip starts here; the curve area ends
  int stripBottom = 0;               // stripTop + 3h + 10
  int y0 = 0;                        // zero line
  int bandTop = 0, amplitude = 0;
  int dayWidth = 0;
  int daysShown = 0;                 // whole days that fit
  // y of a value in thousandths.
  int ValueY(int32_t v) const { return bandTop + static_cast<int>((1000 - v) * static_cast<int64_t>(amplitude) / kValueDivisor); }
  int Quarter() const { return dayWidth / 4; }
};
ChartFrame LayOutChartFrame(const ChartRect& target, const ChartDevice& device, int32_t daySize);

// What a window needs of the last paint to hit-test without painting.
struct ChartGeometry {
  DayNumber firstDay = 0;
  int daysShown = 0;
  int pixelsPerDay = 0;
  int selectedIndex = 0;          // selected day - first day
  int chartTop = 0, chartBottom = 0;  // the curve area
  int rowHeight = 0;
  int stripTop = 0, stripSecondRow = 0, stripBottom = 0;
  int markRowTop = 0, markRowBottom = 0;  // the DayMark row (the strip's first row)
  ChartRect chart;                // the target rectangle
};
// child_layout's ChartDayAt and StartsMarkDrag hit-test with these fields.
// The selected day's column and its strip cell, inverted on the screen; empty when the
// day is not shown.
struct SelectionMarker {
  ChartRect column, stripCell;
};
SelectionMarker ChartSelectionMarker(const ChartGeometry& g, DayNumber selected);

// ---- Moon marks ----
enum class MoonMarkKind { A, B };  // A filled yellow (hollow on two colours), B grey
struct MoonMark {
  int x = 0;
  MoonMarkKind kind = MoonMarkKind::A;
};
// Marks every 14.7653 days from the epoch, kinds alternating, between left and right.
std::vector<MoonMark> MoonMarks(DayNumber first, int left, int right, int dayWidth);
int MoonMarkCentreY(int stripTop, int rowHeight);
int MoonMarkRadius(int rowHeight);

// ---- Date strip ----
enum class MarkSymbol { None, Plus, Cross, Minus };
struct DayMarkCell {
  bool red = false, yellow = false;
  ChartRect redRect, yellowRect;
  MarkSymbol symbol = MarkSymbol::None;
  ChartRect symbolArea;  // the symbol's lines run within it
  bool whitePen = false;  // on the blue Sunday cell
};
DayMarkCell LayOutDayMarkCell(int x, int top, int w, int h, DayMark mark, bool sunday);

// One band piece in the colour of an element (0 fire, 1 earth, 2 air, 3 water).
struct ElementSpan {
  ChartRect rect;
  int element = 0;
};
// The cell of one day: split at the change time (minutes, kNoEvent when none) with the
// previous element on the left. Appends one or two spans.
void AppendElementSpans(int x, int w, int top, int bottom, int sign, int changeMinutes,
                        std::vector<ElementSpan>& out);

struct StripDay {
  DayNumber day = 0;
  int x = 0;
  int dayOfMonth = 0, month = 0, year = 0;
  bool sunday = false;
  int tickBottom = 0;             // the tick runs from stripTop to here
  bool monthStart = false;        // the month line and name follow
  bool nameWithYear = false;      // print: odd months carry the year
  bool hasMark = false;
  DayMarkCell mark;
};

// ---- Curves ----
struct RhythmPen {
  enum Style { Solid, Dash, Dot, DashDot, DashDotDot } style = Solid;
  int width = 1;
  bool black = false;
};
// Colour pens of width pw; on two-colour printers black with a style per rhythm.
RhythmPen RhythmPenFor(int rhythm, bool twoColour, int penWidth);

struct RangePolygon {
  bool positive = false;
  std::vector<ChartPoint> points;
};

// One y per shown rhythm per quarter day; row k lies at left + k * w/4.
struct SampleRows {
  int shown = 0;
  int count = 0;
  std::vector<int> y;  // count * shown
  int At(int row, int rhythm) const { return y[static_cast<size_t>(row) * shown + rhythm]; }
};
SampleRows ComputeSampleRows(const ChartFrame& f, DayNumber first, DayNumber birthday, int shown, bool sawtooth);
int SampleRowX(const ChartFrame& f, int row);
// Polygons between the zero line and the curve nearer to it where rhythms 1 and 2 have
// the same sign.
std::vector<RangePolygon> SpecialRanges(const ChartFrame& f, const SampleRows& rows);
// The polyline of one rhythm, or of an average (kHighlightAverage / kHighlightAverage12).
std::vector<ChartPoint> CurvePolyline(const ChartFrame& f, const SampleRows& rows, int rhythm);
std::vector<ChartPoint> AveragePolyline(const ChartFrame& f, const SampleRows& rows, int32_t choice);
// Vertical offsets of the highlight's copies: -(s/2) .. s - 1 - s/2.
std::vector<int> HighlightOffsets(int copies);

struct ChartLine {
  ChartPoint from, to;
  bool dotted = false;
};
// Print grid: dotted lines at +-250, 500, 750; per day a dotted line at a month's first
// day, otherwise a tick across the zero line (longer on Sundays).
std::vector<ChartLine> PrintGrid(const ChartFrame& f, const std::vector<StripDay>& days);

// ---- The whole chart ----
// What the chart shows, whatever the device.
struct ChartContent {
  DayNumber birthday = 0;
  DayNumber selectedDay = 0;
  DayNumber firstDay = 0;  // the stored first day
  bool recentre = false;   // screen: recentre on the selected day
  DayNumber printFrom = 0;
  // DayMark of a day, or -1 when the day has no entry or lies outside the notes.
  std::function<int(DayNumber)> dayMark;
  MoonRecordSource* moon = nullptr;  // no element band without it
  bool sternbild = false;            // the band shows constellations
  bool oskelin = false;              // a second band from the other reckoning
};

struct ChartInput {
  ChartRect target;
  ChartDevice device;
  ChartOptions options;
  ChartContent content;
};

struct ChartLayout {
  ChartFrame frame;
  ChartGeometry geometry;
  ChartOptions options;
  int shown = 3;
  int penWidth = 1;
  int highlightCopies = 3;
  bool twoColour = false;
  std::vector<MoonMark> moonMarks;
  int moonCentreY = 0, moonRadius = 0;
  std::vector<StripDay> days;
  std::vector<ElementSpan> elements;
  SampleRows rows;
  std::vector<RangePolygon> ranges;
  int highlightRhythm = -1;  // 0..6 drawn thick, -1 none
  std::vector<ChartPoint> highlightAverage;  // the thick average curve, empty when none
  std::vector<ChartLine> grid;
  ChartRect printFrame;      // empty on the screen
};
ChartLayout LayOutChart(const ChartInput& in);

}  // namespace tw
