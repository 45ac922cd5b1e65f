// Draws the chart that chart_layout computes; every coordinate comes from there, this file
// only turns the layout into GDI calls and asks the print job's cancel check.
#include "views/painters.h"

#include <vector>

#include "bio/rhythm.h"

namespace tw {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Colour table entries as the device wants them: palette indices on palette devices.
class Colours {
 public:
  Colours(const ColourTable& table, bool palette) : table_(table), palette_(palette) {}
  COLORREF operator[](int entry) const {
    return palette_ ? PALETTEINDEX(entry) : static_cast<COLORREF>(table_.entry[entry]);
  }

 private:
  const ColourTable& table_;
  bool palette_;
};

// Selects a GDI object for its lifetime and deletes it afterwards.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj, bool own = true) : dc_(dc), obj_(obj), own_(own) {
    old_ = obj ? SelectObject(dc, obj) : nullptr;
  }
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
    if (own_ && obj_) DeleteObject(obj_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ obj_, old_;
  bool own_;
};

HPEN MakePen(int style, int width, COLORREF c) { return CreatePen(style, width, c); }

int PenStyle(RhythmPen::Style s) {
  switch (s) {
    case RhythmPen::Dash:
      return PS_DASH;
    case RhythmPen::Dot:
      return PS_DOT;
    case RhythmPen::DashDot:
      return PS_DASHDOT;
    case RhythmPen::DashDotDot:
      return PS_DASHDOTDOT;
    case RhythmPen::Solid:
      break;
  }
  return PS_SOLID;
}

RECT ToRect(const ChartRect& r) { return {r.left, r.top, r.right, r.bottom}; }

void Fill(HDC dc, const ChartRect& r, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  RECT rc = ToRect(r);
  FillRect(dc, &rc, b);
  DeleteObject(b);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void Text(HDC dc, int x, int y, const std::string& s) { TextOutA(dc, x, y, s.data(), static_cast<int>(s.size())); }

void Polyline(HDC dc, const std::vector<ChartPoint>& pts, int dy = 0) {
  if (pts.size() < 2) return;
  std::vector<POINT> p(pts.size());
  for (size_t i = 0; i < pts.size(); ++i) p[i] = {pts[i].x, pts[i].y + dy};
  ::Polyline(dc, p.data(), static_cast<int>(p.size()));
}

void DrawMoonMarks(HDC dc, const ChartLayout& L, const Colours& col) {
  Selected pen(dc, MakePen(PS_SOLID, L.penWidth, col[kChartMoonOutlineColour]));
  HBRUSH yellow = CreateSolidBrush(col[kChartYellowColour]);
  HBRUSH grey = CreateSolidBrush(col[kChartGreyColour]);
  const int r = L.moonRadius, cy = L.moonCentreY;
  for (const MoonMark& m : L.moonMarks) {
    HBRUSH b = m.kind == MoonMarkKind::A ? yellow : grey;
    if (L.twoColour) b = m.kind == MoonMarkKind::A ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : yellow;
    HGDIOBJ old = SelectObject(dc, b);
    Ellipse(dc, m.x - r, cy - r, m.x + r + 1, cy + r + 1);
    SelectObject(dc, old);
  }
  DeleteObject(yellow);
  DeleteObject(grey);
}

void DrawMarkSymbol(HDC dc, const DayMarkCell& c) {
  if (c.symbol == MarkSymbol::None) return;
  Selected pen(dc, MakePen(PS_SOLID, 1, c.whitePen ? kWhite : kBlack));
  const ChartRect& a = c.symbolArea;
  const int midX = (a.left + a.right) / 2, midY = (a.top + a.bottom) / 2;
  switch (c.symbol) {
    case MarkSymbol::Plus:
      Line(dc, a.left, midY, a.right, midY);
      Line(dc, midX, a.top, midX, a.bottom);
      break;
    case MarkSymbol::Cross:
      Line(dc, a.left, a.top, a.right, a.bottom);
      Line(dc, a.left, a.bottom - 1, a.right, a.top - 1);
      break;
    case MarkSymbol::Minus:
      Line(dc, a.left, midY, a.right, midY);
      break;
    case MarkSymbol::None:
      break;
  }
}

void DrawDateStrip(HDC dc, const ChartPaintInput& in, const ChartLayout& L, const Colours& col) {
  const ChartFrame& f = L.frame;
  const int h = f.rowHeight;
  Selected pen(dc, MakePen(PS_SOLID, L.penWidth, kBlack));
  for (const StripDay& d : L.days) {
    if (d.sunday) Fill(dc, {d.x, f.stripTop, d.x + f.dayWidth + 1, f.stripTop + h + 1}, col[kChartSundayColour]);
    Line(dc, d.x, f.stripTop, d.x, d.tickBottom);
    if (d.sunday) Text(dc, d.x + 2, f.stripTop + h + 2, std::to_string(d.dayOfMonth));
    if (d.monthStart) {
      Line(dc, d.x, f.stripTop + 2 * h + kElementBandHeight, d.x, f.stripTop + 3 * h + kElementBandHeight);
      std::string name = in.monthNames[d.month - 1];
      if (d.nameWithYear) name += " " + std::to_string(d.year);
      Text(dc, d.x + 2, f.stripTop + 2 * h + 12, name);
    }
    if (d.hasMark) {
      if (d.mark.yellow) Fill(dc, d.mark.yellowRect, col[kChartYellowColour]);
      if (d.mark.red) Fill(dc, d.mark.redRect, col[kChartRedFlagColour]);
      DrawMarkSymbol(dc, d.mark);
    }
  }
  for (const ElementSpan& e : L.elements) Fill(dc, e.rect, col[kElementColourFirst + e.element]);
}

void DrawRanges(HDC dc, const ChartLayout& L, const Colours& col) {
  for (const RangePolygon& r : L.ranges) {
    const COLORREF c = col[r.positive ? kChartYellowColour : kChartGreyColour];
    Selected pen(dc, MakePen(PS_SOLID, 1, c));
    Selected brush(dc, CreateSolidBrush(c));
    std::vector<POINT> p(r.points.size());
    for (size_t i = 0; i < p.size(); ++i) p[i] = {r.points[i].x, r.points[i].y};
    Polygon(dc, p.data(), static_cast<int>(p.size()));
  }
}

void DrawCurves(HDC dc, const ChartLayout& L, const Colours& col) {
  const ChartFrame& f = L.frame;
  auto rhythmPen = [&](int r) {
    const RhythmPen p = RhythmPenFor(r, L.twoColour, L.penWidth);
    return MakePen(PenStyle(p.style), p.width, p.black ? kBlack : col[kRhythmColourFirst + r]);
  };
  for (int r = 0; r < L.shown; ++r) {
    if (r == L.highlightRhythm) continue;
    Selected pen(dc, rhythmPen(r));
    Polyline(dc, CurvePolyline(f, L.rows, r));
  }
  const std::vector<int> offsets = HighlightOffsets(L.highlightCopies);
  if (L.highlightRhythm >= 0) {
    Selected pen(dc, rhythmPen(L.highlightRhythm));
    const std::vector<ChartPoint> pts = CurvePolyline(f, L.rows, L.highlightRhythm);
    for (int dy : offsets) Polyline(dc, pts, dy);
  } else if (!L.highlightAverage.empty()) {
    Selected pen(dc, MakePen(PS_SOLID, 1, kBlack));
    for (int dy : offsets) Polyline(dc, L.highlightAverage, dy);
  }
  Selected pen(dc, MakePen(PS_SOLID, L.penWidth, kBlack));
  Line(dc, f.left, f.y0, f.right, f.y0);
}

void DrawGridAndFrame(HDC dc, const ChartLayout& L) {
  for (const ChartLine& l : L.grid) {
    Selected pen(dc, MakePen(l.dotted ? PS_DOT : PS_SOLID, 1, kBlack));
    Line(dc, l.from.x, l.from.y, l.to.x, l.to.y);
  }
  if (L.printFrame.Empty()) return;
  Selected pen(dc, MakePen(PS_SOLID, L.penWidth, kBlack));
  Selected brush(dc, GetStockObject(NULL_BRUSH), false);
  const ChartRect& r = L.printFrame;
  Rectangle(dc, r.left, r.top, r.right + 1, r.bottom + 1);
}

ChartInput LayoutInput(HDC dc, const ChartPaintInput& in) {
  ChartInput li;
  li.target = {in.target.left, in.target.top, in.target.right, in.target.bottom};
  SIZE ag = {0, 0};
  GetTextExtentPoint32A(dc, "Ag", 2, &ag);
  li.device.agWidth = ag.cx;
  li.device.agHeight = ag.cy;
  li.device.dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  li.device.dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  li.device.twoColour = GetDeviceCaps(dc, NUMCOLORS) == 2;
  li.options = ChartOptionsFrom(in.viewFlags, in.print, in.daySize, in.highlight, in.grid);
  li.content = in.content;
  return li;
}

}  // namespace

ChartPaintResult DrawChart(HDC dc, const ChartPaintInput& in) {
  ChartPaintResult result;
  const int saved = SaveDC(dc);
  const bool palette = in.palette && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
  if (palette) {
    SelectPalette(dc, in.palette, FALSE);
    RealizePalette(dc);
  }
  const Colours col(in.colours, palette);
  IntersectClipRect(dc, in.target.left, in.target.top, in.target.right, in.target.bottom);
  FillRect(dc, &in.target, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (in.font) SelectObject(dc, in.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kBlack);

  result.layout = LayOutChart(LayoutInput(dc, in));
  const ChartLayout& L = result.layout;
  const ChartFrame& f = L.frame;
  auto cancelled = [&](ChartCancelPoint p) {
    result.cancelled = in.print && in.cancel && in.cancel(p);
    return result.cancelled;
  };

  {
    Selected pen(dc, MakePen(PS_SOLID, L.penWidth, kBlack));
    Line(dc, f.left, f.stripTop, in.target.right, f.stripTop);
    Line(dc, f.left, f.stripTop + f.rowHeight, in.target.right, f.stripTop + f.rowHeight);
  }
  DrawMoonMarks(dc, L, col);
  if (!cancelled(ChartCancelPoint::AfterMoonMarks) && !cancelled(ChartCancelPoint::BeforeDateStrip)) {
    DrawDateStrip(dc, in, L, col);
    DrawRanges(dc, L, col);
    if (!cancelled(ChartCancelPoint::BeforeCurves)) {
      DrawCurves(dc, L, col);
      DrawGridAndFrame(dc, L);
    }
  }
  RestoreDC(dc, saved);
  return result;
}

ChartPaintInput ChartInputFromDocument(const PersonDocument& doc, DayNumber firstDay, const RECT& target, bool print) {
  ChartPaintInput in;
  in.target = target;
  in.print = print;
  in.viewFlags = doc.viewFlags;
  in.daySize = doc.daySize;
  in.highlight = doc.highlightChoice;
  ChartContent& c = in.content;
  c.birthday = doc.header.Birthday();
  c.selectedDay = doc.selectedDay;
  c.firstDay = firstDay;
  c.recentre = !print && (doc.viewFlags & kViewRecompute) != 0;
  const PersonDocument* d = &doc;
  c.dayMark = [d](DayNumber day) {
    const DayEntryView e = GetDayEntry(*d, day);
    return e.exists ? static_cast<int>(e.mark) : -1;
  };
  return in;
}

void InvertChartSelection(HDC dc, const ChartGeometry& g, DayNumber selected) {
  const SelectionMarker m = ChartSelectionMarker(g, selected);
  if (m.column.Empty()) return;
  RECT column = ToRect(m.column), cell = ToRect(m.stripCell);
  InvertRect(dc, &column);
  InvertRect(dc, &cell);
}

}  // namespace tw
