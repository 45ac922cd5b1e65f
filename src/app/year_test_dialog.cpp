// The test over years: a property sheet with the test of all recommendations (template 70),
// the single test (69) and its settings (71). A running test dispatches the waiting messages
// after every day, so the same "&Testen" button can stop it; meanwhile the sheet refuses to
// close or to change pages and its OK button is disabled.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/conditions_dialogs.h"
#include "app/property_sheet.h"
#include "app/reco_dialogs.h"
#include "app/reco_tree_view.h"
#include "calendar/date_format.h"
#include "calendar/special_days.h"
#include "core/rtf_builder.h"
#include "core/spin_logic.h"
#include "dialogs/conditions_dialog_ids.h"
#include "reco/reco_yeartest.h"

namespace tw {

namespace {

constexpr int kPixelsRight = 2;   // a cell's text starts this far right of its left edge
constexpr int kPixelsDown = 1;    // and this far below its top

struct YearTest {
  int item = kNoRecoItem;       // the item under test
  int shownItem = kNoRecoItem;  // what the single page showed last
  bool running = false;
  bool stop = false;
};

App& A() { return TheApp(); }

bool Sternbild() { return A().settings.sternbild != 0; }

YearTestSettings CurrentSettings() {
  const SettingsValues& v = A().settings;
  YearTestSettings s;
  s.testYear = v.testYear;
  s.singleYears = v.numberOfTestYears;
  s.allYears = v.numberOfTestYearsAllTests;
  s.Clamp();
  return s;
}

std::string DateText(DayNumber d) {
  DateSettings ds;
  ds.locale = A().locale;
  char text[64] = {};
  FormatDay(text, text + sizeof text, ds, d, false, false);
  return text;
}

// Shows the day in the page's static 2615 and keeps the sheet alive; false stops the run.
class PumpingObserver : public YearRunObserver {
 public:
  PumpingObserver(YearTest& test, HWND page, std::function<void()> beforeDay = {})
      : test_(test), page_(page), prefix_(LoadLibString(TWM_TEST_CURRENT_DAY)), beforeDay_(std::move(beforeDay)) {}
  bool Continue(DayNumber day) override {
    if (beforeDay_) beforeDay_();
    if (!PumpSheetMessages(SheetOf(page_))) test_.stop = true;
    if (test_.stop) return false;
    // Painting the day costs more than testing it: the text follows at most 25 times a
    // second, which the eye cannot tell from every day.
    const DWORD now = GetTickCount();
    if (!shown_ || now - lastShown_ >= kShowEveryMs) {
      SetDlgItemTextA(page_, IDC_TEST_DAY, (prefix_ + DateText(day)).c_str());
      lastShown_ = now;
      shown_ = true;
    }
    return true;
  }

 private:
  static constexpr DWORD kShowEveryMs = 40;
  bool shown_ = false;
  DWORD lastShown_ = 0;
  YearTest& test_;
  HWND page_;
  std::string prefix_;
  std::function<void()> beforeDay_;
};

// Start and end of a run: the button turns into the stop button and back, OK is disabled.
void BeginRun(YearTest& t, HWND page) {
  t.running = true;
  t.stop = false;
  SetDlgItemTextA(page, IDC_TEST_RUN, LoadLibString(TWM_TEST_STOP).c_str());
  EnableWindow(GetDlgItem(SheetOf(page), IDOK), FALSE);
  SetCursor(A().waitCursor);
}

void EndRun(YearTest& t, HWND page) {
  t.running = false;
  t.stop = false;
  SetDlgItemTextA(page, IDC_TEST_DAY, "");
  SetDlgItemTextA(page, IDC_TEST_RUN, LoadLibString(TWM_TEST_START).c_str());
  EnableWindow(GetDlgItem(SheetOf(page), IDOK), TRUE);
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

// What every page answers while a test runs: no closing, no other page.
bool RefusedWhileRunning(const YearTest& t, HWND page, const NMHDR* nm) {
  if ((nm->code == PSN_QUERYCANCEL || nm->code == PSN_KILLACTIVE) && t.running) {
    SetPageResult(page, TRUE);
    return true;
  }
  return false;
}

YearTest* TestOf(HWND page) { return reinterpret_cast<YearTest*>(GetWindowLongPtrA(page, DWLP_USER)); }

YearTest* Attach(HWND page, LPARAM lp) {
  SetWindowLongPtrA(page, DWLP_USER, lp);
  return reinterpret_cast<YearTest*>(lp);
}

// ---- test of all (template 70) ----

struct AllPage {
  RecoTreeView view;
};

AllPage& AllOf() {
  static AllPage all;  // one sheet at a time: the sheet is modal
  return all;
}

void OnAllInit(HWND page, YearTest& t) {
  AllPage& p = AllOf();
  p.view = RecoTreeView();
  p.view.tree = GetDlgItem(page, IDC_TEST_TREE);
  p.view.mode = RecoTreeMode::Test;
  BuildRecoTree(p.view, A().reco);
  SelectRecoItem(p.view, RecoItemHandle(p.view, t.item));
  SetDlgItemTextA(page, IDC_TEST_DAY, "");
}

void OnAllRun(HWND page, YearTest& t) {
  if (t.running) {
    t.stop = true;
    return;
  }
  std::vector<int> counters;
  const YearTestSettings s = CurrentSettings();
  AllPage& p = AllOf();
  BeginRun(t, page);
  PumpingObserver observer(t, page);
  const YearRunResult r = RunTestAll(A().moon, A().reco, s.testYear, s.allYears, Sternbild(), &observer, &counters);
  if (!r.stopped) {
    const RecoTables& tables = A().reco;
    // A visible tree re-measures itself on every label (seconds for 768 under Wine); a hidden
    // one does it once when shown again.
    SendMessageA(p.view.tree, WM_SETREDRAW, FALSE, 0);
    ShowWindow(p.view.tree, SW_HIDE);
    std::vector<HTREEITEM> rare;
    for (int n = 0; n < kRecoSlots; ++n) {
      const RecoRecord& rec = tables.records[n];
      HTREEITEM item = p.view.items[n];
      if (!item || !rec.occupied() || rec.isHeader()) continue;
      SetRecoItemLabel(p.view.tree, item, AverageLabel(rec.name, counters[n], s.allYears).c_str());
      if (AverageBelowOne(counters[n], s.allYears)) rare.push_back(item);
    }
    // Expanding their category and group brings the rarely holding ones into view.
    for (HTREEITEM item : rare) SendMessageA(p.view.tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    ShowWindow(p.view.tree, SW_SHOW);
    SendMessageA(p.view.tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(p.view.tree, nullptr, TRUE);
  }
  EndRun(t, page);
}

INT_PTR CALLBACK AllPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  YearTest* t = TestOf(page);
  switch (msg) {
    case WM_INITDIALOG:
      t = Attach(page, lp);
      OnAllInit(page, *t);
      return TRUE;
    case WM_COMMAND:
      if (t && LOWORD(wp) == IDC_TEST_RUN && HIWORD(wp) == BN_CLICKED) OnAllRun(page, *t);
      return TRUE;
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (!t) return FALSE;
      if (RefusedWhileRunning(*t, page, nm)) return TRUE;
      if (nm->code == PSN_KILLACTIVE) {
        const int item = SelectedRecoItem(AllOf().view);
        if (item != kNoRecoItem) t->item = item;
        SetPageResult(page, FALSE);
        return TRUE;
      }
      return FALSE;
    }
  }
  return FALSE;
}

// ---- single test (template 69) ----

struct SingleRow {
  std::string columns[3];
};

struct SinglePage {
  std::vector<SingleRow> rows;
  HFONT symbolFont = nullptr;
};

SinglePage& SingleOf() {
  static SinglePage single;  // one sheet at a time: the sheet is modal
  return single;
}

void AddColumn(HWND list, int index, int text, int width) {
  std::string title = text ? LoadLibString(text) : std::string();
  LVCOLUMNA c = {};
  c.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  c.cx = width;
  c.pszText = const_cast<char*>(title.c_str());
  c.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&c));
}

void OnSingleInit(HWND page) {
  HWND list = GetDlgItem(page, IDC_TEST_LIST);
  RECT r;
  GetClientRect(list, &r);
  const int w = r.right - r.left - GetSystemMetrics(SM_CXVSCROLL);
  AddColumn(list, 0, 0, w / 12);
  AddColumn(list, 1, TWM_COL_DATE, w / 4);
  AddColumn(list, 2, TWM_COL_SYMBOLS, w * 2 / 3 - 5);
  SinglePage& p = SingleOf();
  p.rows.clear();
  LOGFONTA lf = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), sizeof lf, &lf);
  lstrcpynA(lf.lfFaceName, "Astrological", LF_FACESIZE);
  lf.lfCharSet = SYMBOL_CHARSET;
  p.symbolFont = CreateFontIndirectA(&lf);
  SetDlgItemTextA(page, IDC_TEST_DAY, "");
}

void ClearSingle(HWND page) {
  SingleOf().rows.clear();
  SendDlgItemMessageA(page, IDC_TEST_LIST, LVM_DELETEALLITEMS, 0, 0);
  SetDlgItemTextA(page, IDC_TEST_COUNT, "");
}

void OnSingleActive(HWND page, YearTest& t) {
  const RecoTables& tables = A().reco;
  std::string name;
  const RecoRecord* described = nullptr;
  bool testable = false;
  if (t.item == kRecoRootItem) {
    name = LoadLibString(TWM_RECOMMENDATIONS);
  } else if (t.item <= -1 && t.item >= -kRecoCategories) {
    name = LoadLibString(TWM_CATEGORY_FIRST - 1 - t.item);
  } else if (tables.ValidSlot(t.item) && tables.records[t.item].occupied()) {
    const RecoRecord& r = tables.records[t.item];
    name = r.name;
    testable = !r.isHeader();
    if (testable) described = &r;
  }
  SetDlgItemTextA(page, IDC_TEST_NAME, name.c_str());
  ShowRecoDescription(GetDlgItem(page, IDC_TEST_DESCRIPTION), described);
  EnableWindow(GetDlgItem(page, IDC_TEST_RUN), testable);
  if (t.item != t.shownItem) ClearSingle(page);
  t.shownItem = t.item;
}

SingleRow MakeRow(DayNumber d) {
  App& app = A();
  SingleRow row;
  const std::string weekday = LoadLibString(TWM_WEEKDAY_FIRST + WeekdayMonday(d));
  row.columns[0] = weekday.substr(0, 2) + ".";
  char holiday[256] = {};
  SpecialTextOptions o;
  o.noBreak = true;
  SpecialDaysText(holiday, holiday + sizeof holiday, d, o, app.specialDays, app.yearTable,
                  RtfStyleFrom(app.settings, app.locale));
  row.columns[1] = DateText(d) + "  " + holiday;
  if (const MoonDayRecord* rec = app.moon.Fetch(d)) row.columns[2] = DaySymbolText(*rec, Sternbild());
  return row;
}

void AddRow(HWND list, int index, const SingleRow& row) {
  LVITEMA it = {};
  it.mask = LVIF_TEXT;
  it.iItem = index;
  it.pszText = const_cast<char*>(row.columns[0].c_str());
  SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
  for (int c = 1; c < 3; ++c) {
    it.iSubItem = c;
    it.pszText = const_cast<char*>(row.columns[c].c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&it));
  }
}

void OnSingleRun(HWND page, YearTest& t) {
  if (t.running) {
    t.stop = true;
    return;
  }
  const RecoTables& tables = A().reco;
  if (!tables.ValidSlot(t.item) || !tables.records[t.item].occupied() || tables.records[t.item].isHeader()) return;
  ClearSingle(page);
  const YearTestSettings s = CurrentSettings();
  BeginRun(t, page);
  EnableWindow(GetDlgItem(page, IDC_TEST_NAME), FALSE);
  HWND list = GetDlgItem(page, IDC_TEST_LIST);
  SinglePage& p = SingleOf();
  std::vector<DayNumber> listed;
  // Before each day the rows of the days found so far are added, so they appear as the run
  // goes on.
  auto addRows = [&] {
    while (p.rows.size() < listed.size()) {
      p.rows.push_back(MakeRow(listed[p.rows.size()]));
      AddRow(list, static_cast<int>(p.rows.size()) - 1, p.rows.back());
    }
  };
  PumpingObserver observer(t, page, addRows);
  int count = 0;
  RunSingleTest(A().moon, tables.records[t.item], s.testYear, s.singleYears, Sternbild(), &observer, &count, &listed);
  addRows();
  // The count goes in at the "%d" of the library's text; nothing else of it is a format.
  std::string line = LoadLibString(TWM_TEST_DAYS_FOUND);
  const size_t at = line.find("%d");
  if (at == std::string::npos)
    line += " " + std::to_string(count);
  else
    line.replace(at, 2, std::to_string(count));
  SetDlgItemTextA(page, IDC_TEST_COUNT, line.c_str());
  EnableWindow(GetDlgItem(page, IDC_TEST_NAME), TRUE);
  EndRun(t, page);
}

// Text width on the device in its current font.
int TextWidth(HDC dc, const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void OnSingleDraw(HWND page, const DRAWITEMSTRUCT& di) {
  SinglePage& p = SingleOf();
  if (di.itemID >= p.rows.size()) return;
  HWND list = GetDlgItem(page, IDC_TEST_LIST);
  const bool selected = (di.itemState & ODS_SELECTED) != 0;
  HDC dc = di.hDC;
  SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  HFONT listFont = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, listFont);
  int left = di.rcItem.left;
  for (int c = 0; c < 3; ++c) {
    const int width = static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, c, 0));
    RECT cell = {left, di.rcItem.top, left + width, di.rcItem.bottom};
    SelectObject(dc, c == 2 && p.symbolFont ? p.symbolFont : listFont);
    const std::string text =
        FitWithEllipsis(p.rows[di.itemID].columns[c], width - 4, [dc](const std::string& t) { return TextWidth(dc, t); });
    ExtTextOutA(dc, cell.left + kPixelsRight, cell.top + kPixelsDown, ETO_CLIPPED | ETO_OPAQUE, &cell, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    left += width;
  }
  if (left < di.rcItem.right) {
    RECT rest = {left, di.rcItem.top, di.rcItem.right, di.rcItem.bottom};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rest, "", 0, nullptr);
  }
  SelectObject(dc, old);
  if (di.itemState & ODS_FOCUS) DrawFocusRect(dc, &di.rcItem);
}

INT_PTR CALLBACK SinglePageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  YearTest* t = TestOf(page);
  switch (msg) {
    case WM_INITDIALOG:
      t = Attach(page, lp);
      OnSingleInit(page);
      return TRUE;
    case WM_COMMAND:
      if (t && LOWORD(wp) == IDC_TEST_RUN && HIWORD(wp) == BN_CLICKED) OnSingleRun(page, *t);
      return TRUE;
    case WM_DRAWITEM:
      if (wp == IDC_TEST_LIST) {
        OnSingleDraw(page, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lp);
      if (!t) return FALSE;
      if (RefusedWhileRunning(*t, page, nm)) return TRUE;
      if (nm->code == PSN_SETACTIVE) {
        OnSingleActive(page, *t);
        SetPageResult(page, 0);
        return TRUE;
      }
      return FALSE;
    }
    case WM_DESTROY:
      if (SingleOf().symbolFont) DeleteObject(SingleOf().symbolFont);
      SingleOf().symbolFont = nullptr;
      break;
  }
  return FALSE;
}

// ---- settings (template 71) ----

constexpr int kSettingEdits[] = {IDC_TEST_YEAR, IDC_TEST_SINGLE_YEARS, IDC_TEST_ALL_YEARS};

void ShowSettings(HWND page, const YearTestSettings& s) {
  SetDlgItemInt(page, IDC_TEST_YEAR, static_cast<UINT>(s.testYear), FALSE);
  SetDlgItemInt(page, IDC_TEST_SINGLE_YEARS, static_cast<UINT>(s.singleYears), FALSE);
  SetDlgItemInt(page, IDC_TEST_ALL_YEARS, static_cast<UINT>(s.allYears), FALSE);
}

int Typed(HWND page, int id) { return static_cast<int>(GetDlgItemInt(page, id, nullptr, TRUE)); }

// Clamps what the page shows, shows it and stores it.
void StoreSettings(HWND page) {
  YearTestSettings s;
  s.testYear = Typed(page, IDC_TEST_YEAR);
  s.singleYears = Typed(page, IDC_TEST_SINGLE_YEARS);
  s.allYears = Typed(page, IDC_TEST_ALL_YEARS);
  s.Clamp();
  ShowSettings(page, s);
  SettingsValues& v = A().settings;
  v.testYear = s.testYear;
  v.numberOfTestYears = s.singleYears;
  v.numberOfTestYearsAllTests = s.allYears;
}

void OnSettingsSpin(HWND page, HWND spin, WPARAM wp) {
  const int edit = GetDlgCtrlID(spin) - 1;
  const int step = SpinStep(LOWORD(wp), static_cast<int16_t>(HIWORD(wp)));
  SetDlgItemInt(page, edit, static_cast<UINT>(Typed(page, edit) + step), TRUE);
  StoreSettings(page);
}

INT_PTR CALLBACK SettingsPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      Attach(page, lp);
      SendDlgItemMessageA(page, IDC_TEST_YEAR, EM_LIMITTEXT, 4, 0);
      SendDlgItemMessageA(page, IDC_TEST_SINGLE_YEARS, EM_LIMITTEXT, 2, 0);
      SendDlgItemMessageA(page, IDC_TEST_ALL_YEARS, EM_LIMITTEXT, 2, 0);
      ShowSettings(page, CurrentSettings());
      return TRUE;
    case WM_VSCROLL:
      if (lp) OnSettingsSpin(page, reinterpret_cast<HWND>(lp), wp);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == EN_KILLFOCUS)
        for (int id : kSettingEdits)
          if (LOWORD(wp) == id) StoreSettings(page);
      return TRUE;
    case WM_NOTIFY:
      if (reinterpret_cast<const NMHDR*>(lp)->code == PSN_KILLACTIVE) {
        StoreSettings(page);
        SetPageResult(page, FALSE);
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

// The recommendations dialog finds the test through its hooks.
struct HookRegistrar {
  HookRegistrar() { RecoHooks().test = RunYearTestSheet; }
} g_hook;

}  // namespace

void RunYearTestSheet(HWND owner, int item) {
  YearTest test;
  test.item = item;
  const LPARAM param = reinterpret_cast<LPARAM>(&test);
  const PropertyPageSpec pages[] = {
      {IDD_TEST_ALL, TWM_TEST_PAGE_ALL, AllPageProc, param, HID_TEST_ALL},
      {IDD_TEST_SINGLE, TWM_TEST_PAGE_SINGLE, SinglePageProc, param, HID_TEST_SINGLE},
      {IDD_TEST_SETTINGS, TWM_TEST_PAGE_SETTINGS, SettingsPageProc, param, HID_TEST_SETTINGS},
  };
  PropertySheetSpec sheet;
  sheet.captionMessage = TWM_TEST_TITLE;
  sheet.pages = pages;
  sheet.pageCount = 3;
  RunPropertySheet(owner, sheet);
}

}  // namespace tw
