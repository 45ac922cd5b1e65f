// The print setup sheet: range and paper, margins, with the live preview `TwPreview`
// beside the pages. Pages edit a working copy of the job; OK hands it to the job and
// writes the settings.
#include "app/app.h"

#include <commctrl.h>
#include <commdlg.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>

#include "app/child_window.h"
#include "app/print.h"
#include "calendar/date_format.h"
#include "calendar/date_parse.h"
#include "core/settings.h"
#include "dialogs/print_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kPreviewGap = 6;
constexpr int kSheetGrowth = 4;

struct SheetState {
  PrintJob* job = nullptr;  // what OK hands over
  PrintJob work;            // what the pages edit
  HWND sheet = nullptr;
  HWND preview = nullptr;
  bool loading = false;     // pages fill their fields: no "changed"
};

SheetState& StateOf(HWND page) { return *reinterpret_cast<SheetState*>(GetWindowLongPtrA(page, DWLP_USER)); }

void Changed(HWND page) {
  SheetState& s = StateOf(page);
  if (s.loading) return;
  PropSheet_Changed(GetParent(page), page);
  if (s.preview) InvalidateRect(s.preview, nullptr, FALSE);
}

std::string DayText(DayNumber d) {
  DateSettings ds;
  ds.locale = TheApp().locale;
  ds.display = DefaultDateDisplay(ds.locale);
  char buf[64];
  *FormatDay(buf, buf + sizeof buf - 1, ds, d, false, false) = 0;
  return buf;
}

// The preview: 6 pixels right of the page, square with the page's client height.
void MakePreview(HWND page, SheetState& s) {
  if (s.preview) return;
  HWND sheet = GetParent(page);
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
  App& app = TheApp();
  const int32_t* table = landscape ? app.settings.printSizesLandscape : app.settings.printSizes;
  const auto printed = PrintedColumns(w.flags);
  for (int i = 0; i < 10; ++i) w.widths[i] = printed[i] ? table[i] : 0;
}

void ShowFontSample(HWND page, const PrintJob& w) {
  char text[160];
  std::snprintf(text, sizeof text, LoadLibString(TWM_FONT_SAMPLE).c_str(), w.fontSize / 10, w.fontSize % 10, w.font.lfFaceName);
  SetDlgItemTextA(page, IDC_PRINT_FONT_SAMPLE, text);
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
  CheckDlgButton(page, IDC_PRINT_LANDSCAPE, w.settings.landscape ? BST_CHECKED : BST_UNCHECKED);
  if (w.chart) {
    SetDlgItemInt(page, IDC_PRINT_ROWS, w.settings.rowsPerPage, FALSE);
    ShowWindow(GetDlgItem(page, IDC_PRINT_FILL_LAST), SW_HIDE);
  } else {
    CheckRadioButton(page, IDC_PRINT_DAYS_VARIABLE, IDC_PRINT_DAYS_MONTH,
                     IDC_PRINT_DAYS_VARIABLE + static_cast<int>(w.settings.daysPerPage));
    CheckDlgButton(page, IDC_PRINT_FILL_LAST, w.settings.fillCalendar ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(page, IDC_PRINT_FILL_LAST), w.settings.daysPerPage != PrintDaysPerPage::kDay);
    const bool variable = w.settings.daysPerPage == PrintDaysPerPage::kVariable;
    CheckDlgButton(page, IDC_PRINT_RECO_ONLY, variable && (w.flags & 0x40000000u) ? BST_CHECKED : BST_UNCHECKED);
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
  ShowFontSample(page, w);
  Changed(page);
}

INT_PTR CALLBACK RangePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* sp = reinterpret_cast<PROPSHEETPAGEA*>(lp);
      SetWindowLongPtrA(page, DWLP_USER, sp->lParam);
      LoadRange(page, StateOf(page));
      return TRUE;
    }
    case WM_COMMAND: {
      SheetState& s = StateOf(page);
      PrintJob& w = s.work;
      const int id = LOWORD(wp), code = HIWORD(wp);
      if ((id == IDC_PRINT_FROM || id == IDC_PRINT_TO) && code == EN_KILLFOCUS) {
        ReadDate(page, id, id == IDC_PRINT_FROM ? w.from : w.to);
        LoadRange(page, s);
      } else if ((id == IDC_PRINT_FROM || id == IDC_PRINT_TO || id == IDC_PRINT_ROWS) && code == EN_CHANGE) {
        if (id == IDC_PRINT_ROWS && !s.loading) {
          BOOL ok = FALSE;
          const int rows = static_cast<int>(GetDlgItemInt(page, IDC_PRINT_ROWS, &ok, FALSE));
          w.settings.rowsPerPage = std::clamp(ok ? rows : 1, 1, 8);
        } else if (!s.loading) {
          ReadDate(page, id, id == IDC_PRINT_FROM ? w.from : w.to);
          if (!w.chart) ShowPageCount(page, w);
        }
        Changed(page);
      } else if (id == IDC_PRINT_ROWS && code == EN_KILLFOCUS) {
        SetDlgItemInt(page, IDC_PRINT_ROWS, w.settings.rowsPerPage, FALSE);
      } else if (id == IDC_PRINT_LANDSCAPE && code == BN_CLICKED) {
        SwitchOrientation(s, IsDlgButtonChecked(page, IDC_PRINT_LANDSCAPE) == BST_CHECKED);
        Changed(page);
      } else if (id >= IDC_PRINT_DAYS_VARIABLE && id <= IDC_PRINT_DAYS_MONTH && code == BN_CLICKED) {
        w.settings.daysPerPage = static_cast<PrintDaysPerPage>(id - IDC_PRINT_DAYS_VARIABLE);
        if (w.settings.daysPerPage != PrintDaysPerPage::kVariable) w.flags &= ~0x40000000u;
        if (w.settings.daysPerPage == PrintDaysPerPage::kDay) w.to = w.from;
        LoadRange(page, s);
        Changed(page);
      } else if (id == IDC_PRINT_FILL_LAST && code == BN_CLICKED) {
        w.settings.fillCalendar = IsDlgButtonChecked(page, id) == BST_CHECKED;
        Changed(page);
      } else if (id == IDC_PRINT_RECO_ONLY && code == BN_CLICKED) {
        w.flags = IsDlgButtonChecked(page, id) == BST_CHECKED ? (w.flags | 0x40000000u) : (w.flags & ~0x40000000u);
        Changed(page);
      } else if (id == IDC_PRINT_FONT && code == BN_CLICKED) {
        ChooseFont(page, s);
      }
      return TRUE;
    }
    case WM_NOTIFY: {
      const NMHDR* n = reinterpret_cast<NMHDR*>(lp);
      if (n->code == PSN_SETACTIVE) MakePreview(page, StateOf(page));
      if (n->code == PSN_APPLY) SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
      return TRUE;
    }
  }
  return FALSE;
}

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

INT_PTR CALLBACK MarginsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* sp = reinterpret_cast<PROPSHEETPAGEA*>(lp);
      SetWindowLongPtrA(page, DWLP_USER, sp->lParam);
      SheetState& s = StateOf(page);
      char group[128];
      const std::string unit = LoadLibString(s.work.metric ? TWM_UNIT_METRIC : TWM_UNIT_INCH);
      std::snprintf(group, sizeof group, LoadLibString(TWM_MARGINS_GROUP).c_str(), unit.c_str());
      SetDlgItemTextA(page, IDC_PRINT_MARGIN_GROUP, group);
      return TRUE;
    }
    case WM_COMMAND: {
      SheetState& s = StateOf(page);
      const int id = LOWORD(wp), code = HIWORD(wp);
      for (int i = 0; i < 4; ++i) {
        if (id != kMarginIds[i] || s.loading) continue;
        int minimum = 0, sheet = 0;
        MarginBounds(s.work, i, minimum, sheet);
        if (code == EN_CHANGE) {
          BOOL ok = FALSE;
          const int v = static_cast<int>(GetDlgItemInt(page, id, &ok, FALSE));
          if (ok) MarginOf(s.work.settings.margins, i) = v;
          Changed(page);
        } else if (code == EN_KILLFOCUS) {
          int& m = MarginOf(s.work.settings.margins, i);
          m = ClampMargin(m, minimum, sheet);
          s.loading = true;
          SetDlgItemInt(page, id, m, FALSE);
          s.loading = false;
          Changed(page);
        }
      }
      return TRUE;
    }
    case WM_NOTIFY: {
      const NMHDR* n = reinterpret_cast<NMHDR*>(lp);
      SheetState& s = StateOf(page);
      if (n->code == PSN_SETACTIVE) {
        MakePreview(page, s);
        s.loading = true;
        for (int i = 0; i < 4; ++i) SetDlgItemInt(page, kMarginIds[i], MarginOf(s.work.settings.margins, i), FALSE);
        s.loading = false;
      }
      if (n->code == PSN_APPLY) SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

bool RunPrintSetupSheet(HWND owner, PrintJob& job) {
  App& app = TheApp();
  SheetState s;
  s.job = &job;
  s.work = job;
  const std::string titles[2] = {LoadLibString(3101), LoadLibString(TWM_PAGE_MARGINS)};
  PROPSHEETPAGEA pages[2] = {};
  const int templates[2] = {job.chart ? IDD_PRINT_RANGE_CHART : IDD_PRINT_RANGE_CALENDAR, IDD_PRINT_MARGINS};
  const DLGPROC procs[2] = {RangePageProc, MarginsPageProc};
  for (int i = 0; i < 2; ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].dwFlags = PSP_USETITLE;
    pages[i].hInstance = app.instance;
    pages[i].pszTemplate = MAKEINTRESOURCEA(templates[i]);
    pages[i].pfnDlgProc = procs[i];
    pages[i].pszTitle = titles[i].c_str();
    pages[i].lParam = reinterpret_cast<LPARAM>(&s);
  }
  const std::string caption = LoadLibString(TWM_PRINT_TITLE);
  PROPSHEETHEADERA h{};
  h.dwSize = sizeof h;
  h.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  h.hwndParent = owner;
  h.hInstance = app.instance;
  h.pszCaption = caption.c_str();
  h.nPages = 2;
  h.ppsp = pages;
  const INT_PTR r = PropertySheetA(&h);
  SetPreviewJob(nullptr);
  if (r <= 0) return false;
  const HDC dc = job.dc;
  job = s.work;
  job.dc = dc;
  StorePrintSettings(job.settings);
  if (job.fontChanged) {
    app.settings.printFont = job.font.lfFaceName;
    app.settings.printFontSize = job.fontSize;
    app.settings.printFontWeight = job.font.lfWeight;
    WritePrintFont(app.profile, app.settings);
  }
  return true;
}

}  // namespace tw
