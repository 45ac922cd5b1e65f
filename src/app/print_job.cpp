// The print command (7104): the system print dialog, the setup sheet, then the job, page
// after page, with the progress box "Druck" whose "Abbrechen" cancels it. The pages are
// drawn by the views' own painters with the print flag.
#include "app/app.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/calendar_screen.h"
#include "app/child_window.h"
#include "app/commands.h"
#include "app/print.h"
#include "bio/rhythm.h"
#include "calendar/date_format.h"
#include "core/settings.h"
#include "dialogs/print_dialog_ids.h"
#include "reco/reco_eval.h"
#include "tw_ids.h"
#include "views/child_layout.h"
#include "views/day_summary.h"
#include "views/painters.h"

namespace tw {

namespace {

// Result codes of a job; 0 is success or a sheet closed without printing.
enum PrintCode {
  kPrintOk = 0, kNoDevice = 1, kPageFailed = 2, kHeaderFailed = 3, kEmptyBand = 4,
  kCancelledBetweenBands = 5, kDocFailed = 6, kCancelledAtStart = 7, kAbandoned = 8, kEndFailed = 9
};

constexpr ViewFlags kScreenOptionBits = 0x1fff0;   // screen bits that have a print twin
constexpr ViewFlags kPrintOptionBits = kScreenOptionBits << 14;
constexpr int kPrintBitShift = 14;

bool g_cancel = false;
HWND g_progress = nullptr;
HGLOBAL g_devMode = nullptr, g_devNames = nullptr;  // the printer the next job starts with

INT_PTR CALLBACK ProgressProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && LOWORD(wp) == IDCANCEL) {
    g_cancel = true;
    DestroyWindow(dlg);
    g_progress = nullptr;
    return TRUE;
  }
  return FALSE;
}

BOOL CALLBACK AbortProc(HDC, int) { return !PrintCancelled(); }

int PenStyleOf(RhythmPen::Style style) {
  switch (style) {
    case RhythmPen::Dash: return PS_DASH;
    case RhythmPen::Dot: return PS_DOT;
    case RhythmPen::DashDot: return PS_DASHDOT;
    case RhythmPen::DashDotDot: return PS_DASHDOTDOT;
    case RhythmPen::Solid: break;
  }
  return PS_SOLID;
}

std::string DeviceNamePart(HGLOBAL devNames, bool port) {
  std::string out = "?";
  if (!devNames) return out;
  auto* dn = static_cast<DEVNAMES*>(GlobalLock(devNames));
  if (dn) {
    const char* s = reinterpret_cast<const char*>(dn) + (port ? dn->wOutputOffset : dn->wDeviceOffset);
    if (*s) out = s;
    GlobalUnlock(devNames);
  }
  return out;
}

std::string FormatDayText(DayNumber d) {
  App& app = TheApp();
  DateSettings ds;
  ds.locale = app.locale;
  ds.display = DefaultDateDisplay(app.locale);
  char buf[64];
  char* end = FormatDay(buf, buf + sizeof buf - 1, ds, d, false, false);
  *end = 0;
  return buf;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Everything one job draws with, made once before the first page.
struct JobContext {
  explicit JobContext(PrintJob& j) : job(j) {}
  PrintJob& job;
  PageRect page;
  int line = 0;          // print line height L
  HFONT font = nullptr;
  bool twoColours = false;
  std::string docName;
  PersonDocument calendarDoc;  // the document with the print bits as its screen bits
  DibPicture pictures;
  bool havePictures = false;
  std::unique_ptr<RecoEvaluator> eval;
};

void Header(JobContext& c, int pageNo) {
  App& app = TheApp();
  HDC dc = c.job.dc;
  const PageRect& p = c.page;
  const int steps = c.job.chart ? 4 : 3;
  const int s = std::max(1, (p.headerBottom - p.top) / steps);
  HGDIOBJ oldFont = SelectObject(dc, c.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  const std::string program = LoadLibString(TWM_ABOUT_LINE1);
  TextOutA(dc, p.left, p.top, program.c_str(), static_cast<int>(program.size()));
  char text[256];
  std::snprintf(text, sizeof text, LoadLibString(TWM_PRINT_PAGE).c_str(), pageNo);
  SetTextAlign(dc, TA_RIGHT | TA_TOP);
  TextOutA(dc, p.right, p.top, text, static_cast<int>(strlen(text)));
  const PersonDocument& doc = *c.job.cw->doc;
  if (c.job.chart) {
    // Legend: the shown rhythms right to left, each a sample line and its name.
    SIZE four{};
    GetTextExtentPoint32A(dc, text, std::min<int>(4, static_cast<int>(strlen(text))), &four);
    const int u = std::max(8, static_cast<int>(four.cx));
    const int count = (c.job.flags & kPrintHigherCurves) ? kRhythmCount : kBasicRhythmCount;
    const RhythmLabels& labels = CurrentRhythmLabels();
    const int pw = ChartPenWidth(true, GetDeviceCaps(dc, LOGPIXELSX));
    const int copies = HighlightCopies(GetDeviceCaps(dc, LOGPIXELSY));
    int x = p.right;
    auto item = [&](int y, const std::string& label, HPEN pen, int thick) {
      HGDIOBJ oldPen = SelectObject(dc, pen);
      for (int k = 0; k < thick; ++k) {
        const int dy = k - thick / 2;
        MoveToEx(dc, x - u, y + s / 2 + dy, nullptr);
        LineTo(dc, x, y + s / 2 + dy);
      }
      SelectObject(dc, oldPen);
      DeleteObject(pen);
      TextOutA(dc, x - u - u / 8, y, label.c_str(), static_cast<int>(label.size()));
      SIZE sz{};
      GetTextExtentPoint32A(dc, label.c_str(), static_cast<int>(label.size()), &sz);
      x -= u + u / 8 + sz.cx + u / 4;
    };
    int y = p.top + 2 * s;
    for (int r = count - 1; r >= 0; --r) {
      if (count == kRhythmCount && r == 2) {  // rhythms 1..3 go on the line above
        x = p.right;
        y = p.top + s;
      }
      const RhythmPen rp = RhythmPenFor(r, c.twoColours, pw);
      const COLORREF colour = rp.black ? RGB(0, 0, 0) : app.settings.colours.rhythms()[r];
      item(y, std::string(labels[r].Name()) + ":", CreatePen(PenStyleOf(rp.style), rp.width, colour), 1);
    }
    if (c.job.highlight >= kHighlightAverage) {
      // The thick black average curve has its own item after the rhythms.
      std::string label = LoadLibString(TWM_HIGHLIGHT_AVERAGE);
      if (c.job.highlight > kHighlightAverage) {
        std::snprintf(text, sizeof text, " %c-%c", labels[0].Letter(), labels[1].Letter());
        label += text;
      }
      item(y, label + ":", CreatePen(PS_SOLID, 1, RGB(0, 0, 0)), copies);
    }
  }
  std::string title = doc.header.Name();
  title += " / ";
  if (c.job.chart) {
    title += FormatDayText(doc.header.Birthday());
  } else {
    char sel[128] = {};
    if (app.conditionCombo) GetWindowTextA(app.conditionCombo, sel, sizeof sel);
    title += sel;
    if (!app.settings.showYear) title += LoadLibString(TWM_FROM_DAY) + FormatDayText(c.job.from);
  }
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  TextOutA(dc, (p.left + p.right) / 2, p.top + (c.job.chart ? 3 : 2) * s, title.c_str(), static_cast<int>(title.size()));
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  SelectObject(dc, oldFont);
}

void SetProgress(int pageNo, DayNumber first, bool betweenBands) {
  if (!g_progress) return;
  char text[256];
  const std::string date = betweenBands ? LoadLibString(TWM_BETWEEN_BANDS) : FormatDayText(first);
  std::snprintf(text, sizeof text, LoadLibString(TWM_PRINT_PAGE_DATE).c_str(), pageNo, date.c_str());
  SetDlgItemTextA(g_progress, IDC_PRINT_PROGRESS_PAGE, text);
}

// One chart band from `from`; returns the days drawn (0 after a cancel).
int ChartBandPaint(JobContext& c, const RECT& band, DayNumber from) {
  ChartPaintInput in = ChartPrintInput(c.job, band, from, c.font);
  in.cancel = [](ChartCancelPoint) { return PrintCancelled(); };
  return DrawChart(c.job.dc, in).DaysDrawn();
}

std::string TitleRtf(const std::string& text, const std::string& face, int tenths, bool symbol) {
  char buf[512];
  // The glyph font is font 2, as in the cells.
  const int f = symbol ? 2 : 1;
  std::snprintf(buf, sizeof buf, "{\\rtf1{\\fonttbl{\\f%d%s %s;}}%s\\f%d\\b\\fs%d %s}", f, symbol ? "\\fcharset2" : "",
                face.c_str(), symbol ? "\\qc" : "", f, std::max(8, tenths / 5), text.c_str());
  return buf;
}

// One moon calendar page from `from`; returns the next day, or `from` when nothing fit.
DayNumber CalendarPagePaint(JobContext& c, const RECT& rect, DayNumber from) {
  App& app = TheApp();
  static HBITMAP elementTiles = LoadBitmapA(app.instance, MAKEINTRESOURCEA(IDB_ELEMENTS));
  CalendarPaintInput in;
  in.doc = &c.calendarDoc;
  in.moon = &app.moon;
  in.specialDays = &app.specialDays;
  in.yearTable = &app.yearTable;
  in.eval = c.eval.get();
  in.cells = ScreenCellContext();
  in.cells.fontChoice = c.twoColours ? kRtfPrintMono : kRtfPrintFont;
  in.font = c.font;
  in.textFont = c.job.font.lfFaceName;
  in.colours = &app.settings.colours;
  in.showHoliday = app.settings.showHoliday != 0;
  in.oskelin = app.settings.oskelin != 0;
  in.rect = rect;
  in.firstDay = from;
  const int dpiX = GetDeviceCaps(c.job.dc, LOGPIXELSX);
  const auto widths = WidenDateColumn(c.job.widths, PrintedColumns(c.job.flags), c.job.dateWidth);
  for (int i = 0; i < kCalendarColumns; ++i) in.widths[i] = UnitToPixels(widths[i], dpiX, c.job.metric);
  in.elementTiles = elementTiles;
  in.printing = true;
  for (int i = 0; i < kCalendarColumns; ++i)
    if (kListColumnTitles[i]) in.print.titles[i] = TitleRtf(CachedMessage(kListColumnTitles[i]), in.textFont, c.job.fontSize, false);
  in.print.titles[kColSun] = TitleRtf("a", "Astrological", c.job.fontSize, true);
  in.print.daysPerPage = c.job.settings.daysPerPage;
  in.print.legend = c.job.settings.legend;
  if (in.print.legend) {
    for (const LegendEntry& e : kGlyphLegend) in.print.legendLines.push_back({e.glyphs, CachedMessage(e.message)});
    HGDIOBJ old = SelectObject(c.job.dc, c.font);
    SIZE w1{}, w2{};
    const std::string t1 = CachedMessage(3563), t2 = CachedMessage(TWM_SIGN_LAST);
    GetTextExtentPoint32A(c.job.dc, t1.c_str(), static_cast<int>(t1.size()), &w1);
    GetTextExtentPoint32A(c.job.dc, t2.c_str(), static_cast<int>(t2.size()), &w2);
    SelectObject(c.job.dc, old);
    in.print.legendGlyphWidth = w1.cx;
    in.print.legendTextWidth = w2.cx;
  }
  in.print.pictures = c.havePictures ? &c.pictures : nullptr;
  in.print.colourMode = c.twoColours ? 1 : 0;
  // Only the flag inside a page: running the message loop here lets the screen's list
  // paint in the middle of the page, and the shared moon and recommendation caches with it.
  in.cancel = [] { return g_cancel; };
  const CalendarPaintResult r = DrawCalendar(c.job.dc, in);
  if (!r.finished) return from;
  return r.nextDay;
}

int PrintPages(PrintJob& job) {
  App& app = TheApp();
  HDC dc = job.dc;
  if (!dc) return kNoDevice;
  JobContext c(job);
  const PersonDocument& doc = *job.cw->doc;
  c.docName = std::string(app.productTitle) + " " + doc.header.Name();
  c.twoColours = GetDeviceCaps(dc, NUMCOLORS) == 2;
  c.font = CreatePrintFont(dc, job.font, job.fontSize);
  if (!c.font) {
    ShowMessage(MB_ICONHAND, TWM_FONT_FAILED);
    c.font = static_cast<HFONT>(GetStockObject(DEVICE_DEFAULT_FONT));
  }
  c.line = PrintLineHeight(dc, job.font, job.fontSize);
  c.page = PagePixels(DevicePageOf(dc), job.settings.margins, job.metric, c.line, job.chart);
  if (!job.chart) {
    c.calendarDoc = doc;
    c.calendarDoc.viewFlags = (job.flags & ~kScreenOptionBits) | ((job.flags & kPrintOptionBits) >> kPrintBitShift) | kViewMoonList;
    c.eval = std::make_unique<RecoEvaluator>(app.reco, app.moon, app.sink);
    SetupEvaluator(*c.eval);
    const std::vector<uint8_t> bytes = ReadWholeFile(app.dataDir + "Ell.bmp");
    c.havePictures = !bytes.empty() && ParseDibFile(bytes.data(), bytes.size(), c.pictures);
  } else {
    HGDIOBJ old = SelectObject(dc, c.font);
    SIZE ag{};
    GetTextExtentPoint32A(dc, "Ag", 2, &ag);
    SelectObject(dc, old);
    c.page.right = CutToWholeDays(c.page.left, c.page.right, ChartDayWidth(ag.cx, job.daySize));
  }

  g_cancel = false;
  g_progress = CreateDialogParamA(app.instance, MAKEINTRESOURCEA(IDD_PRINT_PROGRESS), app.frame, ProgressProc, 0);
  if (!g_progress) return kCancelledBetweenBands;
  {
    char line[512];
    std::snprintf(line, sizeof line, LoadLibString(TWM_PRINT_PROGRESS).c_str(), DeviceNamePart(job.devNames, false).c_str(),
                  DeviceNamePart(job.devNames, true).c_str());
    SetDlgItemTextA(g_progress, IDC_PRINT_PROGRESS_LINE, line);
  }
  SetAbortProc(dc, AbortProc);
  DOCINFOA di{};
  di.cbSize = sizeof di;
  di.lpszDocName = c.docName.c_str();
  int code = kPrintOk;
  EnableWindow(app.frame, FALSE);
  if (StartDocA(dc, &di) <= 0) {
    code = kDocFailed;
  } else if (PrintCancelled()) {
    code = kCancelledAtStart;
  }
  const int saved = SaveDC(dc);
  DayNumber from = job.from;
  const int rows = job.chart ? std::clamp(job.settings.rowsPerPage, 1, 8) : 1;
  const bool fill = job.chart ? job.settings.fillChart : job.settings.fillCalendar;
  for (int pageNo = 1; code == kPrintOk; ++pageNo) {
    SetProgress(pageNo, from, false);
    if (StartPage(dc) <= 0) {
      code = kPageFailed;
      break;
    }
    Header(c, pageNo);
    SaveDC(dc);
    IntersectClipRect(dc, c.page.left, c.page.top, c.page.right, c.page.bottom);
    for (int r = 0; r < rows && code == kPrintOk; ++r) {
      if (r > 0 && (from > job.to && !fill)) break;
      int advanced = 0;
      if (job.chart) {
        const PrintBand b = ChartBand(c.page, c.line, rows, r);
        advanced = ChartBandPaint(c, {c.page.left, b.top, c.page.right, b.bottom}, from);
      } else {
        const RECT rect = {c.page.left, c.page.headerBottom, c.page.right, c.page.bottom};
        advanced = CalendarPagePaint(c, rect, from) - from;
      }
      if (PrintCancelled()) code = kCancelledBetweenBands;
      else if (advanced <= 0) code = kEmptyBand;
      from += advanced;
      if (r + 1 < rows) SetProgress(pageNo, from, true);
    }
    RestoreDC(dc, -1);
    if (code != kPrintOk) break;  // a cancelled page is not ended: the job is aborted below
    if (EndPage(dc) <= 0) {
      code = kPageFailed;
      break;
    }
    if (from > job.to) break;
  }
  RestoreDC(dc, saved);
  EnableWindow(app.frame, TRUE);
  if (code == kPrintOk && EndDoc(dc) <= 0) {
    AbortDoc(dc);
    code = kEndFailed;
  } else if (code != kPrintOk && code != kDocFailed) {
    AbortDoc(dc);
  }
  if (g_progress) DestroyWindow(g_progress);
  g_progress = nullptr;
  if (c.font && c.font != GetStockObject(DEVICE_DEFAULT_FONT)) DeleteObject(c.font);
  return code;
}

// Preparation: the range, the print bits from the screen's, the orientation and the widths.
void PrepareJob(PrintJob& job, ChildWindow& cw) {
  App& app = TheApp();
  PersonDocument& doc = *cw.doc;
  job.cw = &cw;
  job.chart = (doc.viewFlags & kViewMoonList) == 0;
  job.from = job.to = doc.selectedDay;
  job.flags = (doc.viewFlags & ~kPrintOptionBits) | ((doc.viewFlags & kScreenOptionBits) << kPrintBitShift);
  job.daySize = std::clamp<int>(doc.daySize, 1, 4);
  job.highlight = doc.highlightChoice;
  job.settings = LoadPrintSettings();
  job.metric = app.locale.measurement == 0;
  const bool landscape = GetDeviceCaps(job.dc, HORZRES) > GetDeviceCaps(job.dc, VERTRES);
  if (landscape != job.settings.landscape) {
    job.settings.margins = RotateMargins(job.settings.margins, landscape);
    job.settings.landscape = landscape;
  }
  job.font = LOGFONTA{};
  std::snprintf(job.font.lfFaceName, LF_FACESIZE, "%s", app.settings.printFont.c_str());
  job.font.lfWeight = app.settings.printFontWeight;
  job.font.lfCharSet = DEFAULT_CHARSET;
  job.fontSize = EffectiveFontSize(app.settings.printFontSize);
  MeasureColumnUnits(job);
  TakeTableWidths(job);
}

void RunPrint(int) {
  App& app = TheApp();
  ChildWindow* cw = ChildOf(ActiveChild());
  if (!cw || !cw->doc) return;
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = app.frame;
  pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
  pd.nCopies = 1;
  pd.hDevMode = g_devMode;
  pd.hDevNames = g_devNames;
  const BOOL chosen = PrintDlgA(&pd);
  // The dialog may have replaced them; the choice holds for the next job too.
  g_devMode = pd.hDevMode;
  g_devNames = pd.hDevNames;
  if (!chosen) return;
  PrintJob job;
  job.dc = pd.hDC;
  job.devMode = pd.hDevMode;
  job.devNames = pd.hDevNames;
  int code = kNoDevice;
  if (job.dc) {
    PrepareJob(job, *cw);
    code = RunPrintSetupSheet(app.frame, job) ? PrintPages(job) : kPrintOk;
  }
  if (job.dc) DeleteDC(job.dc);
  if (code != kPrintOk) {
    const bool cancelled = code == kCancelledBetweenBands || code == kCancelledAtStart || g_cancel;
    ShowMessage(MB_ICONHAND, cancelled ? TWM_PRINT_CANCELLED : TWM_PRINT_ERROR, {code});
  }
}

bool PrintEnabled(int) { return ActiveChild() != nullptr; }

CommandRegistrar g_print({IDM_FILE_PRINT, IDM_FILE_PRINT, RunPrint, PrintEnabled, nullptr});

}  // namespace

bool PrintCancelled() {
  MSG msg;
  while (!g_cancel && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (g_progress && IsDialogMessageA(g_progress, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return g_cancel;
}

void LoadDefaultPrinter() {
  PRINTDLGA pd{};
  pd.lStructSize = sizeof pd;
  pd.Flags = PD_RETURNDEFAULT;
  if (!PrintDlgA(&pd)) return;  // no printer installed
  g_devMode = pd.hDevMode;
  g_devNames = pd.hDevNames;
  if (auto* dm = static_cast<DEVMODEA*>(g_devMode ? GlobalLock(g_devMode) : nullptr)) {
    dm->dmFields |= DM_ORIENTATION;
    dm->dmOrientation = TheApp().settings.margins[kMarginCount - 1] ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    GlobalUnlock(g_devMode);
  }
}

void FreeDefaultPrinter() {
  if (g_devMode) GlobalFree(g_devMode);
  if (g_devNames) GlobalFree(g_devNames);
  g_devMode = g_devNames = nullptr;
}

PrintSettings LoadPrintSettings() {
  const int32_t* m = TheApp().settings.margins;
  PrintSettings s;
  s.margins = {m[0], m[1], m[2], m[3]};
  s.grid = m[4] != 0;
  s.rowsPerPage = std::clamp<int>(m[5], 1, 8);
  s.daysPerPage = static_cast<PrintDaysPerPage>(std::clamp<int>(m[6], 0, 3));
  s.fillChart = m[7] != 0;
  s.fillCalendar = m[8] != 0;
  s.legend = m[9] != 0;
  s.landscape = m[10] != 0;
  return s;
}

void StorePrintSettings(const PrintSettings& s) {
  App& app = TheApp();
  int32_t* m = app.settings.margins;
  const int32_t values[kMarginCount] = {s.margins.left, s.margins.top, s.margins.right, s.margins.bottom, s.grid,
                                         s.rowsPerPage, static_cast<int32_t>(s.daysPerPage), s.fillChart,
                                         s.fillCalendar, s.legend, s.landscape};
  std::copy(std::begin(values), std::end(values), m);
  WriteMargins(app.profile, app.settings);
}

std::array<bool, 10> PrintedColumns(ViewFlags flags) {
  return ListColumnsShown(((flags & kPrintOptionBits) >> kPrintBitShift) | kViewMoonList);
}

DevicePage DevicePageOf(HDC dc) {
  DevicePage d;
  d.pixelsX = GetDeviceCaps(dc, HORZRES);
  d.pixelsY = GetDeviceCaps(dc, VERTRES);
  d.dpiX = std::max(1, GetDeviceCaps(dc, LOGPIXELSX));
  d.dpiY = std::max(1, GetDeviceCaps(dc, LOGPIXELSY));
  d.physicalX = GetDeviceCaps(dc, PHYSICALWIDTH);
  d.physicalY = GetDeviceCaps(dc, PHYSICALHEIGHT);
  d.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
  d.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
  return d;
}

ChartPaintInput ChartPrintInput(const PrintJob& job, const RECT& band, DayNumber from, HFONT font) {
  App& app = TheApp();
  ChartPaintInput in = ChartInputFromDocument(*job.cw->doc, from, band, true);
  in.content.printFrom = from;
  in.content.moon = app.moon.IsOpen() ? &app.moon : nullptr;
  in.content.sternbild = app.settings.sternbild != 0;
  in.content.oskelin = app.settings.oskelin != 0;
  in.viewFlags = job.flags;
  in.daySize = job.daySize;
  in.highlight = job.highlight;
  in.grid = job.settings.grid;
  in.colours = app.settings.colours;
  in.font = font;
  for (int m = 0; m < 12; ++m) in.monthNames[m] = CachedMessage(TWM_CHART_MONTH_FIRST + m);
  return in;
}

void MeasureColumnUnits(PrintJob& job) {
  HDC dc = job.dc;
  HFONT f = CreatePrintFont(dc, job.font, job.fontSize);
  HGDIOBJ old = SelectObject(dc, f ? f : GetStockObject(DEVICE_DEFAULT_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  const CellContext cells = ScreenCellContext();
  char sample[64];
  *FormatDay(sample, sample + sizeof sample - 1, cells.dates, DayFromDate(2049, 9, 30), true, false) = 0;
  const std::string wide = LoadLibString(TWM_DATE_WIDTH_SAMPLE);
  SIZE a{}, b{};
  GetTextExtentPoint32A(dc, sample, static_cast<int>(strlen(sample)), &a);
  GetTextExtentPoint32A(dc, wide.c_str(), static_cast<int>(wide.size()), &b);
  SelectObject(dc, old);
  if (f) DeleteObject(f);
  const int dpi = std::max(1, GetDeviceCaps(dc, LOGPIXELSX));
  const int avg = std::max<int>(1, tm.tmAveCharWidth);
  job.moonUnit = PixelsToUnit(avg * 82 / 10 + 1, dpi, job.metric);
  job.dateWidth = PixelsToUnit(std::max(a.cx, b.cx), dpi, job.metric) + (a.cx > b.cx ? 3 : 2);
  if (cells.dates.display.showDayOfWeek) job.dateWidth += PixelsToUnit(avg * 44 / 10 + 1, dpi, job.metric);
}

void TakeTableWidths(PrintJob& job) {
  App& app = TheApp();
  const int32_t* table = job.settings.landscape ? app.settings.printSizesLandscape : app.settings.printSizes;
  const auto printed = PrintedColumns(job.flags);
  for (int i = 0; i < 10; ++i) job.widths[i] = printed[i] ? table[i] : 0;
  job.widths = WidenDateColumn(job.widths, printed, job.dateWidth);
}

HFONT CreatePrintFont(HDC dc, const LOGFONTA& font, int sizeTenths) {
  LOGFONTA lf = font;
  lf.lfHeight = FontHeight(GetDeviceCaps(dc, LOGPIXELSY), sizeTenths);
  lf.lfWidth = 0;
  return CreateFontIndirectA(&lf);
}

int PrintLineHeight(HDC dc, const LOGFONTA& font, int sizeTenths) {
  HFONT f = CreatePrintFont(dc, font, sizeTenths);
  HGDIOBJ old = SelectObject(dc, f ? f : GetStockObject(DEVICE_DEFAULT_FONT));
  SIZE ag{};
  GetTextExtentPoint32A(dc, "Ag", 2, &ag);
  SelectObject(dc, old);
  if (f) DeleteObject(f);
  return std::max<int>(1, ag.cy);
}

}  // namespace tw
