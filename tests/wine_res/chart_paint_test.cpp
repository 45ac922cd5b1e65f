// The chart painter on a memory bitmap: the pixels where the geometry puts rhythm 1's
// samples, the moon marks, a Sunday, the zero line and DayMarks carry the right colours,
// the sawtooth moves them, and each print cancel point stops the paint.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "bio/rhythm.h"
#include "views/painters.h"

namespace tw {
namespace {

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kYellow = 0xFFFF00, kGrey = 0x808080;
constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;

const DayNumber kBirthday = DayFromDate(1980, 1, 1);
const DayNumber kFirst = DayFromDate(2024, 1, 1);

// A top-down 32-bit bitmap selected into a memory DC.
class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h) {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bmp_);
    RECT all = {0, 0, w, h};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bmp_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  uint32_t At(int x, int y) const {
    GdiFlush();
    return bits_[static_cast<size_t>(y) * w_ + x] & 0xFFFFFF;
  }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
  uint32_t* bits_ = nullptr;
};

ChartPaintInput Input() {
  ChartPaintInput in;
  in.target = {0, 0, 800, 600};
  in.content.birthday = kBirthday;
  in.content.selectedDay = kFirst;
  in.content.firstDay = kFirst;
  in.daySize = 4;
  for (int m = 0; m < 12; ++m) in.monthNames[m] = "M";
  return in;
}

// Rhythm 1's day value at the middle of each day's column, where rhythms 2 and 3 and the
// zero line stay at least 3 pixels away; returns how many days were checked.
int CheckRhythmOne(const Canvas& c, const ChartLayout& L, bool sawtooth) {
  const ChartFrame& f = L.frame;
  int checked = 0;
  for (int i = 1; i + 1 < f.daysShown; ++i) {
    const DayNumber day = kFirst + i;
    const int x = f.left + i * f.dayWidth + f.dayWidth / 2;
    const int y = f.ValueY(RhythmDayValue(0, kBirthday, day, sawtooth));
    bool clear = std::abs(y - f.y0) > 3;
    for (int r = 1; r < 3; ++r)
      for (int d = -1; d <= 1; ++d)
        clear = clear && std::abs(f.ValueY(RhythmDayValue(r, kBirthday, day + d, sawtooth)) - y) > 3 * f.dayWidth;
    if (!clear) continue;
    EXPECT_EQ(c.At(x, y), kRed) << "day " << i << (sawtooth ? " sawtooth" : " sine");
    ++checked;
  }
  return checked;
}

TEST(ChartPaint, CurvesZeroLineAndStrip) {
  Canvas c(800, 600);
  ChartPaintInput in = Input();
  in.viewFlags = kViewMarkRow;
  const DayNumber redPlus = DayFromDate(2024, 1, 10), both = DayFromDate(2024, 1, 11);
  in.content.dayMark = [&](DayNumber d) { return d == redPlus ? int(kMarkRed | 1) : d == both ? int(kMarkRed | kMarkYellow) : -1; };
  const ChartPaintResult res = DrawChart(c.dc(), in);
  const ChartLayout& L = res.layout;
  const ChartFrame& f = L.frame;
  ASSERT_GE(f.dayWidth, 8);
  EXPECT_EQ(res.DaysDrawn(), f.daysShown);
  EXPECT_GE(CheckRhythmOne(c, L, false), 8);

  // The zero line is drawn last, across the whole width.
  for (int x : {3, 250, 799}) EXPECT_EQ(c.At(x, f.y0), kBlack) << x;
  // The chart covers its rectangle: nothing of the grey canvas is left.
  EXPECT_EQ(c.At(799, 1), kWhite);

  // 7 January 2024 was a Sunday: its cell in the first strip row is blue, Monday's white.
  const int sunday = f.left + 6 * f.dayWidth, h = f.rowHeight;
  EXPECT_EQ(c.At(sunday + f.dayWidth / 2, f.stripTop + h / 2), kBlue);
  EXPECT_EQ(c.At(sunday + f.dayWidth + f.dayWidth / 2, f.stripTop + h / 2), kWhite);

  // DayMarks: the red flag over the upper half with a black plus below; red and yellow
  // side by side.
  const int xm = f.left + (redPlus - kFirst) * f.dayWidth;
  EXPECT_EQ(c.At(xm + f.dayWidth / 2, f.stripTop + 2), kRed);
  const DayMarkCell plus = L.days[redPlus - kFirst].mark;
  EXPECT_EQ(c.At(plus.symbolArea.left + 1, (plus.symbolArea.top + plus.symbolArea.bottom) / 2), kBlack);
  const int xb = f.left + (both - kFirst) * f.dayWidth;
  EXPECT_EQ(c.At(xb + 2, f.stripTop + 2), kRed);
  EXPECT_EQ(c.At(xb + f.dayWidth - 2, f.stripTop + 2), kYellow);
  EXPECT_EQ(c.At(xb + f.dayWidth - 2, f.stripTop + h - 2), kYellow);
  EXPECT_EQ(c.At(xb + 2, f.stripTop + h - 2), kWhite);

  // Moon marks: A yellow, B grey at their centres (clear of the month names).
  bool seen[2] = {false, false};
  for (const MoonMark& m : L.moonMarks) {
    bool nearName = false;
    for (const StripDay& d : L.days) nearName = nearName || (d.monthStart && m.x >= d.x && m.x < d.x + 40);
    if (nearName || m.x < 2) continue;
    EXPECT_EQ(c.At(m.x, L.moonCentreY), m.kind == MoonMarkKind::A ? kYellow : kGrey) << m.x;
    seen[m.kind == MoonMarkKind::A ? 0 : 1] = true;
  }
  EXPECT_TRUE(seen[0] && seen[1]);
}

TEST(ChartPaint, SawtoothMovesTheCurves) {
  Canvas sine(800, 600), saw(800, 600);
  ChartPaintInput in = Input();
  const ChartLayout L = DrawChart(sine.dc(), in).layout;
  in.viewFlags = kViewSawtooth;
  const ChartLayout S = DrawChart(saw.dc(), in).layout;
  EXPECT_GE(CheckRhythmOne(saw, S, true), 8);
  // Where the two shapes lie far apart, the sine's pixel is gone in the sawtooth chart.
  int moved = 0;
  for (int i = 1; i + 1 < L.frame.daysShown; ++i) {
    const int x = L.frame.left + i * L.frame.dayWidth + L.frame.dayWidth / 2;
    const int ySine = L.frame.ValueY(RhythmDayValue(0, kBirthday, kFirst + i, false));
    const int ySaw = L.frame.ValueY(RhythmDayValue(0, kBirthday, kFirst + i, true));
    if (std::abs(ySine - ySaw) < 6 || sine.At(x, ySine) != kRed) continue;
    EXPECT_NE(saw.At(x, ySine), kRed) << i;
    ++moved;
  }
  EXPECT_GE(moved, 5);
}

TEST(ChartPaint, HighlightIsThickAndRangesAreFilled) {
  Canvas c(800, 600);
  ChartPaintInput in = Input();
  in.content.firstDay = kBirthday;  // both rhythms rise together: a positive range from the start
  in.viewFlags = kViewSpecialRanges;
  in.highlight = 1;
  const ChartLayout L = DrawChart(c.dc(), in).layout;
  const ChartFrame& f = L.frame;
  ASSERT_FALSE(L.ranges.empty());
  ASSERT_TRUE(L.ranges[0].positive);
  // Day 3: both curves are well above the zero line; the range below them is yellow.
  const int x = f.left + 3 * f.dayWidth + f.dayWidth / 2;
  EXPECT_EQ(c.At(x, f.y0 - 3), kYellow);
  const int y = f.ValueY(RhythmDayValue(0, kBirthday, kBirthday + 3, false));
  for (int dy = -1; dy <= 1; ++dy) EXPECT_EQ(c.At(x, y + dy), kRed) << dy;
}

TEST(ChartPaint, PrintDrawsGridAndFrameAndStopsAtEachCancelPoint) {
  ChartPaintInput in = Input();
  in.print = true;
  in.grid = true;
  in.content.printFrom = kFirst;
  in.content.firstDay = 0;  // the stored first day does not print
  {
    Canvas c(800, 600);
    int asked = 0;
    in.cancel = [&](ChartCancelPoint) { return ++asked, false; };
    const ChartPaintResult res = DrawChart(c.dc(), in);
    const ChartFrame& f = res.layout.frame;
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(res.layout.geometry.firstDay, kFirst);
    EXPECT_EQ(res.DaysDrawn(), f.daysShown);
    EXPECT_EQ(c.At(0, f.top + 5), kBlack);            // the frame
    EXPECT_EQ(c.At(799, f.top + 5), kBlack);
    EXPECT_EQ(c.At(400, f.stripTop), kBlack);
    int dots = 0;  // a dotted grid line at +500
    for (int x = 0; x < 800; ++x) dots += c.At(x, f.ValueY(500)) == kBlack;
    EXPECT_GT(dots, 100);
    EXPECT_LT(dots, 700);
  }
  const ChartCancelPoint points[] = {ChartCancelPoint::AfterMoonMarks, ChartCancelPoint::BeforeDateStrip,
                                     ChartCancelPoint::BeforeCurves};
  for (ChartCancelPoint stop : points) {
    Canvas c(800, 600);
    in.cancel = [&](ChartCancelPoint p) { return p == stop; };
    const ChartPaintResult res = DrawChart(c.dc(), in);
    const ChartFrame& f = res.layout.frame;
    EXPECT_TRUE(res.cancelled);
    EXPECT_EQ(res.DaysDrawn(), 0);
    const int sundayCell = c.At(f.left + 6 * f.dayWidth + f.dayWidth / 2, f.stripTop + f.rowHeight / 2);
    EXPECT_EQ(sundayCell, stop == ChartCancelPoint::BeforeCurves ? kBlue : kWhite) << int(stop);
    EXPECT_EQ(c.At(250, f.y0), kWhite) << int(stop);  // no zero line, no curves
  }
}

}  // namespace
}  // namespace tw
