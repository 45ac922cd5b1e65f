// The print setup sheet: range and paper, content, margins and (moon calendar) column
// widths, with the live preview `TwPreview` beside the pages. Pages edit a working copy
// of the job; OK hands it to the job and writes the settings, Cancel leaves both as they
// were, so no page needs a reset of its own.
#include "app/app.h"

#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>

#include "app/child_window.h"
#include "app/print.h"
#include "app/property_sheet.h"
#include "calendar/date_format.h"
#include "calendar/date_parse.h"
#include "calendar/date_step.h"
#include "core/settings.h"
#include "core/spin_logic.h"
#include "dialogs/print_dialog_ids.h"
#include "tw_ids.h"
#include "views/child_layout.h"

namespace tw {

namespace {

constexpr int kPreviewGap = 6;
constexpr int kSheetGrowth = 4;

// Print bits of the moon calendar's content page (the screen's bits 14 places higher).
constexpr ViewFlags kPrintElement = 0x1000000, kPrintNotes = 0x2000000, kPrintSun = 0x4000000,
                    kPrintPlanting = 0x8000000, kPrintReco3 = 0x800000, kPrintGroupCommas = 0x10000000,
                    kPrintAllCommas = 0x20000000, kPrintRecoOnly = 0x40000000;

struct SheetState {
  PrintJob work;            // what the pages edit; OK hands it over
  HWND preview = nullptr;
  bool loading = false;     // pages fill their fields: no "changed"
};

SheetState& StateOf(HWND page) { return *reinterpret_cast<SheetState*>(GetWindowLongPtrA(page, DWLP_USER)); }

void Changed(HWND page) {
  SheetState& s = StateOf(page);
  if (s.loading) return;
  PropSheet_Changed(SheetOf(page), page);
  if (s.preview) InvalidateRect(s.preview, nullptr, FALSE);
}

void SetChecked(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void SetFlag(ViewFlags& flags, ViewFlags bit, bool on) { flags = on ? (flags | bit) : (flags & ~bit); }
int SpinOf(WPARAM wp) { return SpinStep(LOWORD(wp), static_cast<int16_t>(HIWORD(wp))); }

std::string DayText(DayNumber d) {
  DateSettings ds;
  ds.locale = TheApp().locale;
  ds.display = DefaultDateDisplay(ds.locale);
  char buf[64];
  *FormatDay(buf, buf + sizeof buf - 1, ds, d, false, false) = 0;
  return buf;
}

std::string UnitName(const PrintJob& w) { return LoadLibString(w.metric ? TWM_UNIT_METRIC : TWM_UNIT_INCH); }

// The preview: 6 pixels right of the page, square with the page's client height.
void MakePreview(HWND page, SheetState& s) {
  if (s.preview) return;
  HWND sheet = SheetOf(page);
  RECT pr, sr;
  GetClientRect(page, &pr);
  GetWindowRect(sheet, &sr);
  const int side = pr.bottom - pr.top;
  int x = sr.left, width = sr.right - sr.left + side + kSheetGrowth;
  if (x + width > GetSystemMetrics(SM_CXSCREEN)) x = std::max(0, GetSystemMetrics(SM_CXSCREEN) - width);
  SetWindowPos(sheet, nullptr, x, sr.top, width, sr.bottom - sr.top, SWP_NOZORDER | SWP_NOACTIVATE);
  POINT topRight = {pr.right, pr.top};
  MapWindowPoints(page, sheet, &topRight, 1);
  s.preview = CreateWindowExA(WS_EX_CLIENTEDGE, kPreviewClass, "", WS_CHILD | WS_VISIBLE, topRight.x + kPreviewGap,
                              topRight.y, side, side, sheet, reinterpret_cast<HMENU>(IDC_PRINT_PREVIEW),
                              TheApp().instance, nullptr);
  SetPreviewJob(&s.work);
}

// Every page: its state on WM_INITDIALOG, the preview when it first becomes active, and
// no objection to the sheet's OK.
bool CommonPageMessage(HWND page, UINT msg, LPARAM lp, INT_PTR& result) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(page, DWLP_USER, lp);
    return false;
  }
  if (msg == WM_NOTIFY) {
    const NMHDR* n = reinterpret_cast<NMHDR*>(lp);
    if (n->code == PSN_SETACTIVE) MakePreview(page, StateOf(page));
    if (n->code == PSN_APPLY) SetPageResult(page, PSNRET_NOERROR);
    result = TRUE;
    return n->code != PSN_SETACTIVE;
  }
  return false;
}

// ---- range and paper (57, 60) ----

void SwitchOrientation(SheetState& s, bool landscape) {
  PrintJob& w = s.work;
  if (landscape == w.settings.landscape) return;
  if (w.devMode) {
    if (auto* dm = static_cast<DEVMODEA*>(GlobalLock(w.devMode))) {
      dm->dmFields |= DM_ORIENTATION;
      dm->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
      ResetDCA(w.dc, dm);
      GlobalUnlock(w.devMode);
    }
  }
  w.settings.margins = RotateMargins(w.settings.margins, landscape);
  w.settings.landscape = landscape;
  MeasureColumnUnits(w);
  TakeTableWidths(w);
}

void ShowFontSample(HWND page, const PrintJob& w) {
  char text[160];
  std::snprintf(text, sizeof text, LoadLibString(TWM_FONT_SAMPLE).c_str(), w.fontSize / 10, w.fontSize % 10,
                w.font.lfFaceName);
  SetDlgItemTextA(page, IDC_PRINT_FONT_SAMPLE, text);
  // The sample in its own face, at the dialog's size.
  HWND sample = GetDlgItem(page, IDC_PRINT_FONT_SAMPLE);
  LOGFONTA lf = w.font;
  HDC screen = GetDC(nullptr);
  lf.lfHeight = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontIndirectA(&lf);
  HFONT old = reinterpret_cast<HFONT>(GetPropA(sample, "TwFont"));
  SendMessageA(sample, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SetPropA(sample, "TwFont", font);
  if (old) DeleteObject(old);
}

void ShowPageCount(HWND page, const PrintJob& w) {
  const int pages = w.chart ? 0 : CalendarPageCount(w.settings.daysPerPage, w.from, w.to);
  char text[160];
  if (pages > 0) std::snprintf(text, sizeof text, LoadLibString(TWM_PAGE_COUNT).c_str(), pages);
  else std::snprintf(text, sizeof text, "%s", LoadLibString(TWM_PAGE_COUNT_OPEN).c_str());
  SetDlgItemTextA(page, IDC_PRINT_PAGE_COUNT, text);
}

void LoadRange(HWND page, SheetState& s) {
  s.loading = true;
  const PrintJob& w = s.work;
  SetDlgItemTextA(page, IDC_PRINT_FROM, DayText(w.from).c_str());
  SetDlgItemTextA(page, IDC_PRINT_TO, DayText(w.to).c_str());
  SetChecked(page, IDC_PRINT_LANDSCAPE, w.settings.landscape);
  if (w.chart) {
    SetDlgItemInt(page, IDC_PRINT_ROWS, w.settings.rowsPerPage, FALSE);
    ShowWindow(GetDlgItem(page, IDC_PRINT_FILL_LAST), SW_HIDE);
  } else {
    CheckRadioButton(page, IDC_PRINT_DAYS_VARIABLE, IDC_PRINT_DAYS_MONTH,
                     IDC_PRINT_DAYS_VARIABLE + static_cast<int>(w.settings.daysPerPage));
    SetChecked(page, IDC_PRINT_FILL_LAST, w.settings.fillCalendar);
    EnableWindow(GetDlgItem(page, IDC_PRINT_FILL_LAST), w.settings.daysPerPage != PrintDaysPerPage::kDay);
    const bool variable = w.settings.daysPerPage == PrintDaysPerPage::kVariable;
    SetChecked(page, IDC_PRINT_RECO_ONLY, variable && (w.flags & kPrintRecoOnly));
    EnableWindow(GetDlgItem(page, IDC_PRINT_RECO_ONLY), variable);
    ShowPageCount(page, w);
  }
  ShowFontSample(page, w);
  s.loading = false;
}

void ReadDate(HWND page, int id, DayNumber& out) {
  char text[64];
  GetDlgItemTextA(page, id, text, sizeof text);
  const DayNumber d = ParseDate(text, TheApp().locale);
  if (d > 0) out = d;
}

void ChooseFont(HWND page, SheetState& s) {
  PrintJob& w = s.work;
  LOGFONTA lf = w.font;
  lf.lfHeight = FontHeight(GetDeviceCaps(w.dc, LOGPIXELSY), w.fontSize);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = page;
  cf.hDC = w.dc;
  cf.lpLogFont = &lf;
  cf.Flags = CF_PRINTERFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&cf)) {
    const DWORD error = CommDlgExtendedError();
    if (error) ShowMessage(MB_ICONHAND, TWM_DIALOG_ERROR, {static_cast<int>(error)});
    return;
  }
  w.font = lf;
  w.fontSize = cf.iPointSize;
  w.fontChanged = true;
  MeasureColumnUnits(w);
  ShowFontSample(page, w);
  Changed(page);
}

void OnRangeSpin(HWND page, SheetState& s, int id, int step) {
  PrintJob& w = s.work;
  if (id == IDC_PRINT_ROWS_SPIN) {
    w.settings.rowsPerPage = SpinApply(w.settings.rowsPerPage, step, 1, 8);
  } else {
    const bool from = id < IDC_PRINT_TO_SPIN;
    const int button = id - (from ? IDC_PRINT_FROM_SPIN : IDC_PRINT_TO_SPIN);
    if (button < 0 || button > 2) return;
    DayNumber& d = from ? w.from : w.to;
    d = std::clamp(StepDay(d, SpinStepUnit(TheApp().locale.dateOrder, button), step), kFirstMoonDay, kLastCalendarDay);
  }
  LoadRange(page, s);
  Changed(page);
}

INT_PTR CALLBACK RangePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  if (CommonPageMessage(page, msg, lp, result)) return result;
  switch (msg) {
    case WM_INITDIALOG:
      LoadRange(page, StateOf(page));
      return TRUE;
    case WM_VSCROLL:
      if (lp) OnRangeSpin(page, StateOf(page), GetDlgCtrlID(reinterpret_cast<HWND>(lp)), SpinOf(wp));
      return TRUE;
    case WM_DESTROY:
      if (HFONT f = reinterpret_cast<HFONT>(RemovePropA(GetDlgItem(page, IDC_PRINT_FONT_SAMPLE), "TwFont"))) DeleteObject(f);
      return FALSE;
    case WM_COMMAND: {
      SheetState& s = StateOf(page);
      PrintJob& w = s.work;
      const int id = LOWORD(wp), code = HIWORD(wp);
      if ((id == IDC_PRINT_FROM || id == IDC_PRINT_TO) && code == EN_KILLFOCUS) {
        ReadDate(page, id, id == IDC_PRINT_FROM ? w.from : w.to);
        LoadRange(page, s);
      } else if ((id == IDC_PRINT_FROM || id == IDC_PRINT_TO || id == IDC_PRINT_ROWS) && code == EN_CHANGE) {
        if (s.loading) return TRUE;
        if (id == IDC_PRINT_ROWS) {
          BOOL ok = FALSE;
          const int rows = static_cast<int>(GetDlgItemInt(page, IDC_PRINT_ROWS, &ok, FALSE));
          w.settings.rowsPerPage = std::clamp(ok ? rows : 1, 1, 8);
        } else {
          ReadDate(page, id, id == IDC_PRINT_FROM ? w.from : w.to);
          if (!w.chart) ShowPageCount(page, w);
        }
        Changed(page);
      } else if (id == IDC_PRINT_ROWS && code == EN_KILLFOCUS) {
        SetDlgItemInt(page, IDC_PRINT_ROWS, w.settings.rowsPerPage, FALSE);
      } else if (id == IDC_PRINT_LANDSCAPE && code == BN_CLICKED) {
        SwitchOrientation(s, Checked(page, IDC_PRINT_LANDSCAPE));
        Changed(page);
      } else if (id >= IDC_PRINT_DAYS_VARIABLE && id <= IDC_PRINT_DAYS_MONTH && code == BN_CLICKED) {
        w.settings.daysPerPage = static_cast<PrintDaysPerPage>(id - IDC_PRINT_DAYS_VARIABLE);
        if (w.settings.daysPerPage != PrintDaysPerPage::kVariable) w.flags &= ~kPrintRecoOnly;
        if (w.settings.daysPerPage == PrintDaysPerPage::kDay) w.to = w.from;
        LoadRange(page, s);
        Changed(page);
      } else if (id == IDC_PRINT_FILL_LAST && code == BN_CLICKED) {
        w.settings.fillCalendar = Checked(page, id);
        Changed(page);
      } else if (id == IDC_PRINT_RECO_ONLY && code == BN_CLICKED) {
        SetFlag(w.flags, kPrintRecoOnly, Checked(page, id));
        Changed(page);
      } else if (id == IDC_PRINT_FONT && code == BN_CLICKED) {
        ChooseFont(page, s);
      }
      return TRUE;
    }
  }
  return FALSE;
}

// ---- chart content (58) ----

void LoadChartContent(HWND page, SheetState& s) {
  s.loading = true;
  PrintJob& w = s.work;
  // Special ranges are polygons; a printer without them cannot have them.
  if (GetDeviceCaps(w.dc, POLYGONALCAPS) == PC_NONE) {
    w.flags &= ~kPrintSpecialRanges;
    EnableWindow(GetDlgItem(page, IDC_PRINT_SPECIAL), FALSE);
  }
  SetChecked(page, IDC_PRINT_NOTES_ROW, w.flags & kPrintMarkRow);
  SetChecked(page, IDC_PRINT_SPECIAL, w.flags & kPrintSpecialRanges);
  SetChecked(page, IDC_PRINT_HIGHER, w.flags & kPrintHigherCurves);
  SetChecked(page, IDC_PRINT_GRID, w.settings.grid);
  CheckRadioButton(page, IDC_PRINT_DAY_NARROW, IDC_PRINT_DAY_NARROW + 3, IDC_PRINT_DAY_NARROW + std::clamp(w.daySize, 1, 4) - 1);
  HWND list = GetDlgItem(page, IDC_PRINT_HIGHLIGHT);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  const RhythmLabels& labels = CurrentRhythmLabels();
  const std::string average = LoadLibString(TWM_HIGHLIGHT_AVERAGE);
  char pair[64];
  std::snprintf(pair, sizeof pair, " %c-%c", labels[0].Letter(), labels[1].Letter());
  std::vector<std::string> entries = {LoadLibString(TWM_HIGHLIGHT_NONE)};
  for (const RhythmLabel& l : labels) entries.push_back(l.Name());
  entries.push_back(average);
  entries.push_back(average + pair);
  for (const std::string& e : entries) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
  SendMessageA(list, CB_SETCURSEL, std::clamp(w.highlight, 0, static_cast<int>(entries.size()) - 1), 0);
  s.loading = false;
}

INT_PTR CALLBACK ChartContentPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  if (CommonPageMessage(page, msg, lp, result)) return result;
  if (msg == WM_INITDIALOG) {
    LoadChartContent(page, StateOf(page));
    return TRUE;
  }
  if (msg != WM_COMMAND) return FALSE;
  SheetState& s = StateOf(page);
  PrintJob& w = s.work;
  const int id = LOWORD(wp), code = HIWORD(wp);
  if (s.loading) return TRUE;
  if (code == BN_CLICKED) {
    if (id == IDC_PRINT_NOTES_ROW) SetFlag(w.flags, kPrintMarkRow, Checked(page, id));
    else if (id == IDC_PRINT_SPECIAL) SetFlag(w.flags, kPrintSpecialRanges, Checked(page, id));
    else if (id == IDC_PRINT_HIGHER) SetFlag(w.flags, kPrintHigherCurves, Checked(page, id));
    else if (id == IDC_PRINT_GRID) w.settings.grid = Checked(page, id);
    else if (id >= IDC_PRINT_DAY_NARROW && id <= IDC_PRINT_DAY_NARROW + 3) w.daySize = id - IDC_PRINT_DAY_NARROW + 1;
    else return TRUE;
    Changed(page);
  } else if (id == IDC_PRINT_HIGHLIGHT && code == CBN_SELCHANGE) {
    const LRESULT sel = SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0);
    if (sel >= 0) w.highlight = static_cast<int>(sel);
    Changed(page);
  }
  return TRUE;
}

// ---- moon calendar content (61) ----

constexpr struct {
  int id;
  ViewFlags bit;
} kColumnBoxes[] = {{IDC_PRINT_COL_ELEMENT, kPrintElement}, {IDC_PRINT_COL_SUN, kPrintSun},
                    {IDC_PRINT_COL_PLANTING, kPrintPlanting}, {IDC_PRINT_COL_RECO3, kPrintReco3},
                    {IDC_PRINT_COL_NOTES, kPrintNotes}, {IDC_PRINT_LEGEND, 0}};

// Columns that stop being printed lose their width; those that start being printed with
// none take it from the table of the paper's orientation.
void RecomputeColumns(PrintJob& w) {
  App& app = TheApp();
  const int32_t* table = w.settings.landscape ? app.settings.printSizesLandscape : app.settings.printSizes;
  const auto printed = PrintedColumns(w.flags);
  for (int i = 0; i < kCalendarColumns; ++i) {
    if (!printed[i]) w.widths[i] = 0;
    else if (w.widths[i] == 0) w.widths[i] = table[i];
  }
}

INT_PTR CALLBACK CalendarContentPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  if (CommonPageMessage(page, msg, lp, result)) return result;
  SheetState* s = msg == WM_INITDIALOG || msg == WM_COMMAND ? &StateOf(page) : nullptr;
  if (msg == WM_INITDIALOG) {
    s->loading = true;
    const PrintJob& w = s->work;
    for (const auto& b : kColumnBoxes) SetChecked(page, b.id, b.bit ? (w.flags & b.bit) != 0 : w.settings.legend);
    const int style = (w.flags & kPrintAllCommas) ? 2 : (w.flags & kPrintGroupCommas) ? 1 : 0;
    CheckRadioButton(page, IDC_PRINT_RECO_LINES, IDC_PRINT_RECO_ALL, IDC_PRINT_RECO_LINES + style);
    s->loading = false;
    return TRUE;
  }
  if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED || s->loading) return FALSE;
  PrintJob& w = s->work;
  const int id = LOWORD(wp);
  if (id == IDC_PRINT_LEGEND) {
    w.settings.legend = Checked(page, id);
  } else if (id >= IDC_PRINT_RECO_LINES && id <= IDC_PRINT_RECO_ALL) {
    SetFlag(w.flags, kPrintGroupCommas, id == IDC_PRINT_RECO_GROUPS);
    SetFlag(w.flags, kPrintAllCommas, id == IDC_PRINT_RECO_ALL);
  } else {
    for (const auto& b : kColumnBoxes)
      if (b.id == id && b.bit) SetFlag(w.flags, b.bit, Checked(page, id));
    RecomputeColumns(w);
  }
  Changed(page);
  return TRUE;
}

// ---- margins (59) ----

constexpr int kMarginIds[4] = {IDC_PRINT_MARGIN_LEFT, IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_RIGHT, IDC_PRINT_MARGIN_BOTTOM};

int& MarginOf(PrintMargins& m, int i) { return i == 0 ? m.left : i == 1 ? m.top : i == 2 ? m.right : m.bottom; }

// The least a margin may be (the printer's unprintable border) and the sheet length it is
// a third of, in the unit.
void MarginBounds(const PrintJob& w, int i, int& minimum, int& sheet) {
  const DevicePage d = DevicePageOf(w.dc);
  const int physX = d.physicalX > 0 ? d.physicalX : d.pixelsX, physY = d.physicalY > 0 ? d.physicalY : d.pixelsY;
  const int borders[4] = {d.offsetX, d.offsetY, physX - d.pixelsX - d.offsetX, physY - d.pixelsY - d.offsetY};
  const bool horizontal = i == 0 || i == 2;
  minimum = PixelsToUnit(std::max(0, borders[i]), horizontal ? d.dpiX : d.dpiY, w.metric);
  sheet = PixelsToUnit(horizontal ? d.pixelsX : d.pixelsY, horizontal ? d.dpiX : d.dpiY, w.metric);
}

void ShowMargin(HWND page, SheetState& s, int i) {
  s.loading = true;
  SetDlgItemInt(page, kMarginIds[i], MarginOf(s.work.settings.margins, i), FALSE);
  s.loading = false;
}

INT_PTR CALLBACK MarginsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  const bool common = CommonPageMessage(page, msg, lp, result);
  SheetState& s = StateOf(page);
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == PSN_SETACTIVE)
    for (int i = 0; i < 4; ++i) ShowMargin(page, s, i);
  if (common) return result;
  switch (msg) {
    case WM_INITDIALOG: {
      char group[128];
      std::snprintf(group, sizeof group, LoadLibString(TWM_MARGINS_GROUP).c_str(), UnitName(s.work).c_str());
      SetDlgItemTextA(page, IDC_PRINT_MARGIN_GROUP, group);
      return TRUE;
    }
    case WM_VSCROLL: {
      const int i = static_cast<int>(std::find(kMarginIds, kMarginIds + 4, GetDlgCtrlID(reinterpret_cast<HWND>(lp)) - 1) - kMarginIds);
      if (!lp || i >= 4) return TRUE;
      int minimum = 0, sheet = 0;
      MarginBounds(s.work, i, minimum, sheet);
      int& m = MarginOf(s.work.settings.margins, i);
      m = SpinApply(m, SpinOf(wp), minimum, std::max(minimum, sheet / 3));
      ShowMargin(page, s, i);
      Changed(page);
      return TRUE;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp), code = HIWORD(wp);
      for (int i = 0; i < 4; ++i) {
        if (id != kMarginIds[i] || s.loading) continue;
        int minimum = 0, sheet = 0;
        MarginBounds(s.work, i, minimum, sheet);
        int& m = MarginOf(s.work.settings.margins, i);
        if (code == EN_CHANGE) {
          BOOL ok = FALSE;
          const int v = static_cast<int>(GetDlgItemInt(page, id, &ok, FALSE));
          if (ok) m = v;
          Changed(page);
        } else if (code == EN_KILLFOCUS) {
          m = ClampMargin(m, minimum, sheet);
          ShowMargin(page, s, i);
          Changed(page);
        }
      }
      return TRUE;
    }
  }
  return FALSE;
}

// ---- column widths (62) ----

int WidthField(int column) { return IDC_PRINT_WIDTH_FIRST + 2 * column; }

// The paper's width in the unit less the left and right margins.
int AvailableWidth(const PrintJob& w) {
  const DevicePage d = DevicePageOf(w.dc);
  const int phys = d.physicalX > 0 ? d.physicalX : d.pixelsX;
  return std::max(0, PixelsToUnit(phys, d.dpiX, w.metric) - w.settings.margins.left - w.settings.margins.right);
}

int WidthSum(const PrintJob& w) {
  const auto printed = PrintedColumns(w.flags);
  int sum = 0;
  for (int i = 0; i < kCalendarColumns; ++i) sum += printed[i] ? w.widths[i] : 0;
  return sum;
}

void ShowWidthSum(HWND page, const PrintJob& w) {
  char text[160];
  std::snprintf(text, sizeof text, LoadLibString(TWM_WIDTHS_SUM).c_str(), WidthSum(w), AvailableWidth(w),
                UnitName(w).c_str());
  SetDlgItemTextA(page, IDC_PRINT_WIDTH_SUM, text);
}

void LoadWidths(HWND page, SheetState& s) {
  s.loading = true;
  const PrintJob& w = s.work;
  const std::string unit = UnitName(w);
  char text[160];
  std::snprintf(text, sizeof text, LoadLibString(TWM_WIDTHS_GROUP).c_str(), unit.c_str());
  SetDlgItemTextA(page, IDC_PRINT_WIDTH_GROUP, text);
  std::snprintf(text, sizeof text, LoadLibString(TWM_MOON_UNIT_WIDTH).c_str(), w.moonUnit, unit.c_str(),
                w.moonUnit * 2 / 5, unit.c_str());
  SetDlgItemTextA(page, IDC_PRINT_MOON_UNIT, text);
  const auto printed = PrintedColumns(w.flags);
  for (int i = 0; i < kCalendarColumns; ++i) {
    SetDlgItemInt(page, WidthField(i), printed[i] ? w.widths[i] : 0, FALSE);
    EnableWindow(GetDlgItem(page, WidthField(i)), printed[i]);
    EnableWindow(GetDlgItem(page, IDC_PRINT_WIDTH_SPIN_FIRST + i), printed[i]);
  }
  ShowWidthSum(page, w);
  s.loading = false;
}

void Optimal(SheetState& s) {
  PrintJob& w = s.work;
  OptimalWidthInput in;
  in.printed = PrintedColumns(w.flags);
  in.available = AvailableWidth(w);
  in.moonUnit = w.moonUnit;
  in.dateWidth = w.dateWidth;
  in.daysPerPage = w.settings.daysPerPage;
  in.twoLineDates = TheApp().settings.showDate2Lines != 0;
  in.metric = w.metric;
  w.widths = OptimalWidths(in);
}

INT_PTR CALLBACK WidthsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  const bool common = CommonPageMessage(page, msg, lp, result);
  SheetState& s = StateOf(page);
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == PSN_SETACTIVE) LoadWidths(page, s);
  if (common || msg == WM_INITDIALOG) return msg == WM_INITDIALOG ? TRUE : result;
  PrintJob& w = s.work;
  if (msg == WM_VSCROLL && lp) {
    const int i = GetDlgCtrlID(reinterpret_cast<HWND>(lp)) - IDC_PRINT_WIDTH_SPIN_FIRST;
    if (i < 0 || i >= kCalendarColumns) return TRUE;
    // A step up may only use the width still free.
    const int free = std::max(0, AvailableWidth(w) - WidthSum(w));
    w.widths[i] = SpinApply(w.widths[i], SpinOf(wp), 0, w.widths[i] + free);
    LoadWidths(page, s);
    Changed(page);
    return TRUE;
  }
  if (msg != WM_COMMAND || s.loading) return FALSE;
  const int id = LOWORD(wp), code = HIWORD(wp);
  if (id == IDC_PRINT_OPTIMAL && code == BN_CLICKED) {
    Optimal(s);
    LoadWidths(page, s);
    Changed(page);
    return TRUE;
  }
  const int i = (id - IDC_PRINT_WIDTH_FIRST) / 2;
  if (id < IDC_PRINT_WIDTH_FIRST || (id - IDC_PRINT_WIDTH_FIRST) % 2 || i >= kCalendarColumns) return FALSE;
  if (code == EN_CHANGE) {
    BOOL ok = FALSE;
    const int v = static_cast<int>(GetDlgItemInt(page, id, &ok, FALSE));
    w.widths[i] = ok ? v : 0;
    ShowWidthSum(page, w);
    Changed(page);
  } else if (code == EN_KILLFOCUS) {
    const int excess = WidthSum(w) - AvailableWidth(w);
    if (excess > 0) w.widths[i] = std::max(0, w.widths[i] - excess);
    LoadWidths(page, s);
    Changed(page);
  }
  return TRUE;
}

// What OK keeps: the widths of the printed columns in the table of the paper's orientation.
void StoreWidths(const PrintJob& w) {
  App& app = TheApp();
  int32_t* table = w.settings.landscape ? app.settings.printSizesLandscape : app.settings.printSizes;
  const int first = w.settings.landscape ? kSetQSizeElement : kSetSizeElement;
  const auto printed = PrintedColumns(w.flags);
  for (int i = 0; i < kCalendarColumns; ++i) {
    if (!printed[i]) continue;
    table[i] = w.widths[i];
    SetSettingNumber(app.profile, first + i, w.widths[i]);
  }
}

int g_startPage[2];  // chart, moon calendar: the page the sheet opens on

}  // namespace

bool RunPrintSetupSheet(HWND owner, PrintJob& job) {
  App& app = TheApp();
  SheetState s;
  s.work = job;
  const LPARAM param = reinterpret_cast<LPARAM>(&s);
  const bool chart = job.chart;
  const PropertyPageSpec chartPages[] = {
      {IDD_PRINT_RANGE_CHART, TWM_PAGE_GENERAL, RangePageProc, param, HID_PRINT_RANGE_CHART},
      {IDD_PRINT_CONTENT_CHART, TWM_PAGE_PRINT_CONTENT, ChartContentPageProc, param, HID_PRINT_CONTENT_CHART},
      {IDD_PRINT_MARGINS, TWM_PAGE_MARGINS, MarginsPageProc, param, HID_PRINT_MARGINS_CHART},
  };
  const PropertyPageSpec calendarPages[] = {
      {IDD_PRINT_RANGE_CALENDAR, TWM_PAGE_GENERAL, RangePageProc, param, HID_PRINT_RANGE_CALENDAR},
      {IDD_PRINT_CONTENT_CALENDAR, TWM_PAGE_PRINT_CONTENT, CalendarContentPageProc, param, HID_PRINT_CONTENT_CALENDAR},
      {IDD_PRINT_MARGINS, TWM_PAGE_MARGINS, MarginsPageProc, param, HID_PRINT_MARGINS_CALENDAR},
      {IDD_PRINT_WIDTHS, TWM_PAGE_COLUMN_WIDTHS, WidthsPageProc, param, HID_PRINT_WIDTHS},
  };
  PropertySheetSpec sheet;
  sheet.captionMessage = TWM_PRINT_TITLE;
  sheet.pages = chart ? chartPages : calendarPages;
  sheet.pageCount = chart ? 3 : 4;
  sheet.startPage = &g_startPage[chart ? 0 : 1];
  const INT_PTR r = RunPropertySheet(owner, sheet);
  SetPreviewJob(nullptr);
  if (r <= 0) return false;
  const HDC dc = job.dc;
  job = s.work;
  job.dc = dc;
  StorePrintSettings(job.settings);
  if (!job.chart) StoreWidths(job);
  if (job.fontChanged) {
    app.settings.printFont = job.font.lfFaceName;
    app.settings.printFontSize = job.fontSize;
    app.settings.printFontWeight = job.font.lfWeight;
    WritePrintFont(app.profile, app.settings);
  }
  return true;
}

}  // namespace tw
