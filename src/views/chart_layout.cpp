#include "views/chart_layout.h"

#include <algorithm>
#include <cmath>

#include "bio/rhythm.h"

namespace tw {

ChartOptions ChartOptionsFrom(ViewFlags flags, bool print, int32_t daySize, int32_t highlight, bool grid) {
  ChartOptions o;
  o.print = print;
  o.specialRanges = (flags & (print ? kPrintSpecialRanges : kViewSpecialRanges)) != 0;
  o.markRow = (flags & (print ? kPrintMarkRow : kViewMarkRow)) != 0;
  o.higherCurves = (flags & (print ? kPrintHigherCurves : kViewHigherCurves)) != 0;
  o.sawtooth = (flags & (print ? kPrintSawtooth : kViewSawtooth)) != 0;
  o.grid = print && grid;
  o.daySize = std::clamp<int32_t>(daySize, 1, 4);
  o.highlight = highlight;
  return o;
}

int ChartDayWidth(int agWidth, int32_t daySize) {
  const int w = ((agWidth * daySize) / 4 + 3) & ~3;
  return std::max(w, 4);
}

int ChartPenWidth(bool print, int dpiX) {
  if (!print || dpiX <= 300) return 1;
  return dpiX < 1000 ? 2 : 4;
}

int HighlightCopies(int dpiY) { return std::max(dpiY / 75, 3); }

DayNumber RecentredFirstDay(DayNumber selected, DayNumber birthday, int right, int dayWidth) {
  const DayNumber first = selected - (right / dayWidth) / 2;
  return std::max(first, birthday);
}

ChartFrame LayOutChartFrame(const ChartRect& target, const ChartDevice& device, int32_t daySize) {
  ChartFrame f;
  f.left = target.left;
  f.top = target.top;
  f.right = target.right;
  f.dayWidth = ChartDayWidth(device.agWidth, daySize);
  f.rowHeight = device.agHeight + 2;
  const int bottom = target.bottom - (3 * f.rowHeight + kElementBandHeight);
  f.stripTop = bottom;
  f.stripBottom = target.bottom;
  f.y0 = f.top + (bottom - f.top) / 2;
  const int margin = std::max((bottom - f.top) / 50, 2);
  f.amplitude = bottom - f.top - 2 * margin;
  f.bandTop = f.top + margin;
  f.daysShown = std::max(0, (f.right - f.left) / f.dayWidth);
  return f;
}

SelectionMarker ChartSelectionMarker(const ChartGeometry& g, DayNumber selected) {
  SelectionMarker m;
  const int index = selected - g.firstDay;
  if (index < 0 || index > g.daysShown || g.pixelsPerDay <= 0) return m;
  const int x = g.chart.left + index * g.pixelsPerDay;
  m.column = {x, g.chartTop, x + g.pixelsPerDay, g.chartBottom};
  m.stripCell = {x, g.stripSecondRow, x + g.pixelsPerDay, g.stripSecondRow + g.rowHeight};
  return m;
}

std::vector<MoonMark> MoonMarks(DayNumber first, int left, int right, int dayWidth) {
  std::vector<MoonMark> marks;
  const double d = first - kMoonTickEpoch;
  const double k = std::floor(d / kMoonTickStep);
  double t = (k + 1) * kMoonTickStep - d;
  // An even k puts a mark of kind B at the start of the interval, so the next is A.
  MoonMarkKind kind = std::fmod(k, 2.0) == 0 ? MoonMarkKind::A : MoonMarkKind::B;
  for (;;) {
    const int x = left + static_cast<int>(dayWidth * t + dayWidth / 4 + 0.5);
    if (x >= right) break;
    marks.push_back({x, kind});
    t += kMoonTickStep;
    kind = kind == MoonMarkKind::A ? MoonMarkKind::B : MoonMarkKind::A;
  }
  return marks;
}

int MoonMarkCentreY(int stripTop, int rowHeight) { return stripTop + 2 * rowHeight + rowHeight / 2 + 11; }
int MoonMarkRadius(int rowHeight) { return rowHeight / 3; }

DayMarkCell LayOutDayMarkCell(int x, int top, int w, int h, DayMark mark, bool sunday) {
  DayMarkCell c;
  c.red = (mark & kMarkRed) != 0;
  c.yellow = (mark & kMarkYellow) != 0;
  const int half = h / 2;
  const int midX = x + w / 2;
  c.redRect = {x, top, c.yellow ? midX : x + w, top + half};
  c.yellowRect = {c.red ? midX : x, top, x + w, sunday ? top + half : top + h};
  c.symbol = static_cast<MarkSymbol>(mark & kMarkSymbolMask);
  c.symbolArea = {x, top + half, x + w, top + h};
  if (w >= 7 && half >= 7) c.symbolArea = {x + 1, top + half + 1, x + w - 1, top + h - 1};
  c.whitePen = sunday;
  return c;
}

void AppendElementSpans(int x, int w, int top, int bottom, int sign, int changeMinutes,
                        std::vector<ElementSpan>& out) {
  const int e = sign % 4;
  if (changeMinutes != kNoEvent && changeMinutes >= 0) {
    const int split = x + w * changeMinutes / 1440;
    if (split > x) out.push_back({{x, top, split, bottom}, (e + 3) % 4});
    out.push_back({{split, top, x + w, bottom}, e});
  } else {
    out.push_back({{x, top, x + w, bottom}, e});
  }
}

RhythmPen RhythmPenFor(int rhythm, bool twoColour, int penWidth) {
  if (!twoColour) return {RhythmPen::Solid, penWidth, false};
  static constexpr RhythmPen::Style kStyles[kRhythmCount] = {RhythmPen::Dot,      RhythmPen::Solid,      RhythmPen::DashDot,
                                                             RhythmPen::Dash,     RhythmPen::DashDotDot, RhythmPen::Dot,
                                                             RhythmPen::Dash};
  const RhythmPen::Style s = kStyles[rhythm];
  return {s, s == RhythmPen::Solid ? penWidth : 1, true};
}

int SampleRowX(const ChartFrame& f, int row) { return f.left + row * f.Quarter(); }

SampleRows ComputeSampleRows(const ChartFrame& f, DayNumber first, DayNumber birthday, int shown, bool sawtooth) {
  SampleRows rows;
  rows.shown = shown;
  const int q = f.Quarter();
  // Rows 0 and 1 lie before the loop's first x; the curves run one day past the right edge.
  const int extendedRight = f.right + f.dayWidth;
  int loopRows = 0;
  for (int x = f.left + q; x < extendedRight; x += q) ++loopRows;
  rows.count = 2 + loopRows;
  rows.y.assign(static_cast<size_t>(rows.count) * shown, f.y0);
  const CurveTables& tables = GetCurveTables();
  for (int r = 0; r < shown; ++r) {
    const SampleTable& t = tables.Of(r, sawtooth);
    const int32_t cycle = 4 * RhythmPeriods[r];
    int32_t i = 4 * RhythmPhase(r, first - birthday);
    if (first != birthday) {
      i = DayStartSample(r, first - birthday);
      rows.y[r] = f.ValueY(t[i]);
      rows.y[shown + r] = f.ValueY(t[i + 1]);
      i = (i + 2) % cycle;
    }
    for (int row = 2; row < rows.count; ++row) {
      rows.y[static_cast<size_t>(row) * shown + r] = f.ValueY(t[i]);
      i = NextQuarterSample(r, i);
    }
  }
  return rows;
}

std::vector<RangePolygon> SpecialRanges(const ChartFrame& f, const SampleRows& rows) {
  std::vector<RangePolygon> out;
  if (rows.shown < 2) return out;
  const int q = f.Quarter();
  RangePolygon current;
  bool open = false;
  auto close = [&](int x) {
    current.points.push_back({x, f.y0});
    out.push_back(std::move(current));
    current = RangePolygon();
    open = false;
  };
  for (int row = 0; row < rows.count; ++row) {
    const int x = SampleRowX(f, row);
    const int a = rows.At(row, 0), b = rows.At(row, 1);
    const bool positive = a < f.y0 && b < f.y0;
    const bool negative = a > f.y0 && b > f.y0;
    if (open && !(current.positive ? positive : negative)) close(x);
    if (!positive && !negative) continue;
    if (!open) {
      current.positive = positive;
      current.points.push_back({std::max(x - q, f.left), f.y0});
      open = true;
    }
    current.points.push_back({x, positive ? std::max(a, b) : std::min(a, b)});
  }
  if (open) close(SampleRowX(f, rows.count));
  return out;
}

std::vector<ChartPoint> CurvePolyline(const ChartFrame& f, const SampleRows& rows, int rhythm) {
  std::vector<ChartPoint> pts(static_cast<size_t>(rows.count));
  for (int row = 0; row < rows.count; ++row) pts[row] = {SampleRowX(f, row), rows.At(row, rhythm)};
  return pts;
}

std::vector<ChartPoint> AveragePolyline(const ChartFrame& f, const SampleRows& rows, int32_t choice) {
  const int n = choice == kHighlightAverage12 ? std::min(2, rows.shown) : rows.shown;
  std::vector<ChartPoint> pts(static_cast<size_t>(rows.count));
  for (int row = 0; row < rows.count; ++row) {
    int sum = 0;
    for (int r = 0; r < n; ++r) sum += rows.At(row, r) - f.y0;
    pts[row] = {SampleRowX(f, row), (n ? sum / n : 0) + f.y0};
  }
  return pts;
}

std::vector<int> HighlightOffsets(int copies) {
  std::vector<int> v;
  for (int o = -(copies / 2); o <= copies - 1 - copies / 2; ++o) v.push_back(o);
  return v;
}

std::vector<ChartLine> PrintGrid(const ChartFrame& f, const std::vector<StripDay>& days) {
  std::vector<ChartLine> lines;
  for (int v : {-750, -500, -250, 250, 500, 750}) {
    const int y = f.ValueY(v);
    lines.push_back({{f.left, y}, {f.right, y}, true});
  }
  for (const StripDay& d : days) {
    if (d.monthStart) {
      lines.push_back({{d.x, f.top}, {d.x, f.stripTop}, true});
    } else {
      const int half = f.amplitude / (d.sunday ? 24 : 32);
      lines.push_back({{d.x, f.y0 - half}, {d.x, f.y0 + half}, false});
    }
  }
  return lines;
}

namespace {

std::vector<StripDay> LayOutStripDays(const ChartInput& in, const ChartFrame& f, DayNumber first) {
  std::vector<StripDay> days;
  const int h = f.rowHeight;
  int year = 0, month = 0, dom = 0;
  DateFromDay(first, &year, &month, &dom);
  DayNumber day = first;
  for (int x = f.left; x < f.right; x += f.dayWidth, ++day) {
    StripDay s;
    s.day = day;
    s.x = x;
    // Walking the date along keeps the loop free of a full conversion per day.
    if (day != first) {
      if (++dom > MonthLength(year, month)) {
        dom = 1;
        if (++month > 12) {
          month = 1;
          ++year;
        }
      }
    }
    s.dayOfMonth = dom;
    s.month = month;
    s.year = year;
    s.sunday = WeekdaySunday(day) == 0;
    s.tickBottom = f.stripTop + (s.sunday ? 2 * h : h);
    s.monthStart = dom == 1;
    s.nameWithYear = in.options.print && month % 2 == 1;
    if (in.options.markRow && in.content.dayMark) {
      const int mark = in.content.dayMark(day);
      if (mark >= 0) {
        s.hasMark = true;
        s.mark = LayOutDayMarkCell(x, f.stripTop, f.dayWidth, h, static_cast<DayMark>(mark & kMarkBits), s.sunday);
      }
    }
    days.push_back(s);
  }
  return days;
}

// The band of signs (or constellations) and, with Oskelin, the other reckoning below it.
std::vector<ElementSpan> LayOutElements(const ChartInput& in, const ChartFrame& f, const std::vector<StripDay>& days) {
  std::vector<ElementSpan> spans;
  const ChartContent& c = in.content;
  if (!c.moon || in.options.print) return spans;
  const int top = f.stripTop + 2 * f.rowHeight;
  for (const StripDay& d : days) {
    const MoonDayRecord* rec = c.moon->Fetch(d.day);
    if (!rec) continue;
    const bool constellations = c.sternbild;
    const int sign = constellations ? rec->moonConstellation() : rec->moonSign();
    const int time = constellations ? rec->moonConstellationTime() : rec->moonSignTime();
    AppendElementSpans(d.x, f.dayWidth, top, top + kElementBandHeight, sign, time, spans);
    if (c.oskelin) {
      const int other = constellations ? rec->moonSign() : rec->moonConstellation();
      const int otherTime = constellations ? rec->moonSignTime() : rec->moonConstellationTime();
      AppendElementSpans(d.x, f.dayWidth, top + kOskelinBandOffset, top + kElementBandHeight, other, otherTime, spans);
    }
  }
  return spans;
}

}  // namespace

ChartLayout LayOutChart(const ChartInput& in) {
  ChartLayout L;
  L.options = in.options;
  L.frame = LayOutChartFrame(in.target, in.device, in.options.daySize);
  const ChartFrame& f = L.frame;
  L.shown = ShownRhythmCount(in.options.higherCurves);
  L.penWidth = ChartPenWidth(in.options.print, in.device.dpiX);
  L.highlightCopies = HighlightCopies(in.device.dpiY);
  L.twoColour = in.options.print && in.device.twoColour;

  const ChartContent& c = in.content;
  DayNumber first = c.firstDay;
  if (in.options.print)
    first = c.printFrom;
  else if (c.recentre)
    first = RecentredFirstDay(c.selectedDay, c.birthday, f.right, f.dayWidth);
  first = std::clamp(first, kFirstCalendarDay, kLastCalendarDay);

  ChartGeometry& g = L.geometry;
  g.firstDay = first;
  g.daysShown = f.daysShown;
  g.pixelsPerDay = f.dayWidth;
  g.selectedIndex = c.selectedDay - first;
  g.chartTop = f.top;
  g.chartBottom = f.stripTop;
  g.rowHeight = f.rowHeight;
  g.stripTop = f.stripTop;
  g.stripSecondRow = f.stripTop + f.rowHeight;
  g.stripBottom = f.stripBottom;
  g.markRowTop = f.stripTop;
  g.markRowBottom = f.stripTop + f.rowHeight;
  g.chart = in.target;

  L.moonMarks = MoonMarks(first, f.left, f.right, f.dayWidth);
  L.moonCentreY = MoonMarkCentreY(f.stripTop, f.rowHeight);
  L.moonRadius = MoonMarkRadius(f.rowHeight);
  L.days = LayOutStripDays(in, f, first);
  L.elements = LayOutElements(in, f, L.days);

  L.rows = ComputeSampleRows(f, first, c.birthday, L.shown, in.options.sawtooth);
  if (in.options.specialRanges) L.ranges = SpecialRanges(f, L.rows);
  const int32_t h = in.options.highlight;
  if (h >= 1 && h <= L.shown) L.highlightRhythm = h - 1;
  if (h == kHighlightAverage || h == kHighlightAverage12) L.highlightAverage = AveragePolyline(f, L.rows, h);
  if (in.options.grid) L.grid = PrintGrid(f, L.days);
  if (in.options.print) L.printFrame = {f.left, f.top, f.right - 1, f.stripTop};
  return L;
}

}  // namespace tw
