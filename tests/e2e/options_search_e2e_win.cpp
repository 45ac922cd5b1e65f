// Options sheet, curve search and rhythm pages: a condition edited on the page is the one
// F3 searches with (landing where `twcal search` lands), the names, letters and colours of
// the rhythms show in the chart's combo and ValueLine and in the settings file, and Cancel
// leaves everything as it was.
#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bio/curve_search.h"
#include "bio/rhythm_label.h"
#include "calendar/day_report.h"
#include "core/daynumber.h"
#include "core/platform.h"
#include "dialogs/options_ids.h"
#include "doc/view_flags.h"
#include "remote_win.h"
#include "tw_ids.h"
#include "views/child_layout.h"

namespace {

using namespace e2e;

constexpr int kOptions = 7204, kToolbar = 2043, kDateEdit = 2071, kValueLine = 2070, kRhythmCombo = 2061;
constexpr uint32_t kChartFlags = 0x30;  // special ranges and day marks, no moon calendar
const tw::DayNumber kBirthday = tw::DayFromDate(1980, 5, 5);  // WriteErikaDocument's

std::string Ini(const char* section, const char* key) {
  char buf[128];
  GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, IniPath().c_str());
  return buf;
}

// The settings file holds the line `line` of a number list; the blank that ends such a
// list stays on Windows, Wine's profile writer drops it.
bool IniHasLine(const std::string& line) {
  std::string text;
  if (FILE* f = std::fopen(IniPath().c_str(), "rb")) {
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    std::fclose(f);
  }
  return text.find("\n" + line + "\r\n") != std::string::npos || text.find("\n" + line + " \r\n") != std::string::npos;
}

bool Answers(HWND w) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &r) != 0;
}

// Erika's chart in the program started on fresh data with `extra` settings sections.
struct Chart {
  FrameSession s;
  HWND child = nullptr, bar = nullptr, date = nullptr;

  bool Start(const Context& ctx, const std::string& extra) {
    s.Prepare(ctx, "Liste=0\r\nTipOnStart=0\r\nNewVersion=0\r\nStartLastFile=0\r\nPreference=48\r\n" + extra);
    const std::string doc = WriteErikaDocument(s.work, &kChartFlags);
    if (!s.Launch(ctx, doc)) return false;
    WaitFor(
        [&] {
          child = FindWindowExA(FindWindowExA(s.frame, nullptr, "MDIClient", nullptr), nullptr, "TwChild", nullptr);
          bar = child ? FindWindowExA(child, nullptr, "OrvStatus", nullptr) : nullptr;
          date = bar ? GetDlgItem(bar, kDateEdit) : nullptr;
          return date != nullptr;
        },
        20000);
    return date && Answers(child);
  }
  void GoTo(tw::DayNumber d) {
    const std::string text = DateText(d);
    SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PostMessageA(date, WM_CHAR, 13, 0);
    Check(WaitFor([&] { return WindowText(date) == text; }, 5000), "the typed day is selected");
  }
  void Settle() {
    Answers(s.frame);
    Answers(child);
    Sleep(400);
    Answers(child);
  }
  // The options sheet, on the page that has `control`.
  HWND Sheet(HWND* page, int control) {
    PostMessageA(s.frame, WM_COMMAND, kOptions, 0);
    HWND sheet = nullptr;
    WaitFor(
        [&] {
          for (HWND d : Dialogs(s.program.pi.dwProcessId))
            if (WindowText(d) == "Optionen") sheet = d;
          return sheet != nullptr;
        },
        15000);
    *page = nullptr;
    for (int i = 0; sheet && SendMessageA(sheet, PSM_SETCURSEL, i, 0); ++i) {
      HWND p = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      if (p && GetDlgItem(p, control)) {
        *page = p;
        break;
      }
    }
    Check(*page != nullptr, "the sheet shows the page");
    return sheet;
  }
  bool Close(HWND sheet, int button) {
    SendMessageA(GetDlgItem(sheet, button), BM_CLICK, 0, 0);
    const bool closed = WaitFor([&] { return !IsWindow(sheet); }, 5000);
    Settle();
    return closed;
  }
};

void Picture(HWND sheet, const char* path) {
  RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(400);
  SaveScreen(path);
}

void Type(HWND page, int id, const char* text) {
  SendMessageA(GetDlgItem(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void Click(HWND page, int id, int times = 1) {
  for (int i = 0; i < times; ++i) SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

int Grid(int row, int rhythm) { return IDC_SEARCH_GRID_FIRST + 7 * row + rhythm; }
constexpr int kNoSearchRow = 0, kZeroRow = 1, kRisingRow = 4, kMandatoryRow = 7;

UINT Box(HWND page, int row, int rhythm) { return IsDlgButtonChecked(page, Grid(row, rhythm)); }

// What `twcal search` prints for the same input, run from the native build beside the
// data folder; when that build or Wine's start of a Unix program is missing, the core's
// search that twcal wraps stands in (and says so).
tw::DayNumber TwcalSearch(const Context& ctx, const std::string& cond, tw::DayNumber from,
                          const tw::ConditionWords& words) {
  tw::CurveSearchRequest request;
  request.selectedDay = from;
  request.birthday = kBirthday;
  request.searchEnd = tw::kLastCalendarDay;
  tw::RecordingSink quiet;
  const tw::DayNumber core = tw::CurveSearch(request, words, quiet);

  // Wine starts a program that is not a Windows one as a Unix process with the standard
  // handles it was given.
  const std::string top = ctx.data.substr(0, ctx.data.find_last_of("\\/"));
  const std::string out = MakeWorkFolder() + "\\twcal.txt";
  std::string command = "\"" + top + "\\build\\native\\twcal\" search 1980-05-05 " + tw::IsoDate(from) +
                        " --cond " + cond;
  SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
  HANDLE file = CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = si.hStdError = file;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION pi = {};
  tw::DayNumber found = 0;
  if (file != INVALID_HANDLE_VALUE &&
      CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    char text[32] = {};
    if (FILE* f = std::fopen(out.c_str(), "rb")) {
      const size_t n = std::fread(text, 1, sizeof text - 1, f);
      text[n] = 0;
      std::fclose(f);
      int y = 0, m = 0, d = 0;
      if (std::sscanf(text, "%d-%d-%d", &y, &m, &d) == 3) found = tw::DayFromDate(y, m, d);
    }
  }
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (found) {
    std::printf("twcal search from %s --cond %s: %s\n", DateText(from).c_str(), cond.c_str(), DateText(found).c_str());
    Check(found == core, "twcal and the core agree");
    return found;
  }
  std::printf("twcal could not be run from here; the core's search gives %s\n", DateText(core).c_str());
  return core;
}

// The conditions page edits condition 3 (K must cross zero, S must rise), Ok stores it, the
// toolbar's combo lists it, and F3 lands where twcal's search does; the "Unbedingt" rule
// and the clamped number show on the page; Cancel leaves settings and page as they were.
int SearchPage(const Context& ctx) {
  Chart c;
  if (!c.Start(ctx, "[TidewellConditions]\r\nCText1=Null K\r\nCond=0\r\nCond1=1 0 0 0 0 0 0 0 0 0 0 0 0 0 \r\n")) {
    Check(false, "person window");
    return 1;
  }
  const tw::DayNumber start = tw::DayFromDate(2024, 6, 12);
  c.GoTo(start);

  HWND page = nullptr;
  HWND sheet = c.Sheet(&page, IDC_SEARCH_NUMBER);
  if (!page) return 1;
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_HEADING_FIRST)) == "K" &&
            WindowText(GetDlgItem(page, IDC_SEARCH_HEADING_FIRST + 6)) == "W",
        "the columns are headed by the rhythm letters");
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_NUMBER)) == "1" &&
            WindowText(GetDlgItem(page, IDC_SEARCH_NAME)) == "Null K",
        "the page opens on the current condition");
  Check(Box(page, kZeroRow, 0) == BST_CHECKED && Box(page, kRisingRow, 0) == BST_INDETERMINATE &&
            Box(page, kNoSearchRow, 1) == BST_CHECKED,
        "its words show as checked, grey and no search");
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_END)) == "30.12.2009", "Suche bis shows the default end");

  Type(page, IDC_SEARCH_NUMBER, "9");
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_NUMBER)) == "8", "a number above 8 becomes 8");
  Type(page, IDC_SEARCH_NUMBER, "3");
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_NAME)).empty() && Box(page, kZeroRow, 0) == BST_INDETERMINATE,
        "condition 3 shows, still empty");
  Check(!IsWindowEnabled(GetDlgItem(page, Grid(kMandatoryRow, 0))), "Unbedingt is off while a rhythm takes no part");
  Type(page, IDC_SEARCH_NAME, "K null, S steigt");
  Click(page, Grid(kRisingRow, 0));
  Check(Box(page, kRisingRow, 0) == BST_UNCHECKED && Box(page, kNoSearchRow, 0) == BST_UNCHECKED &&
            IsWindowEnabled(GetDlgItem(page, Grid(kMandatoryRow, 0))),
        "one click: cleared (falls), the rhythm takes part");
  Click(page, Grid(kRisingRow, 0));
  Check(Box(page, kRisingRow, 0) == BST_CHECKED, "two clicks: checked (rises)");
  Click(page, Grid(kRisingRow, 0));
  Check(Box(page, kRisingRow, 0) == BST_INDETERMINATE && Box(page, kNoSearchRow, 0) == BST_CHECKED,
        "three clicks: grey again, the rhythm left out");
  // K must cross zero, S must rise.
  Click(page, Grid(kZeroRow, 0), 2);
  Click(page, Grid(kMandatoryRow, 0), 2);
  Click(page, Grid(kRisingRow, 1), 2);
  Click(page, Grid(kMandatoryRow, 1));
  Check(Box(page, kMandatoryRow, 1) == BST_UNCHECKED, "one click on Unbedingt: an alternative");
  Click(page, Grid(kMandatoryRow, 1));
  Check(Box(page, kMandatoryRow, 0) == BST_CHECKED && Box(page, kMandatoryRow, 1) == BST_CHECKED,
        "two: mandatory");
  // G: a test and "Unbedingt", then the test taken back: nothing of G is left.
  Click(page, Grid(kZeroRow, 2));
  Click(page, Grid(kMandatoryRow, 2));
  Click(page, Grid(kZeroRow, 2), 2);
  Check(Box(page, kNoSearchRow, 2) == BST_CHECKED && Box(page, kMandatoryRow, 2) == BST_INDETERMINATE &&
            !IsWindowEnabled(GetDlgItem(page, Grid(kMandatoryRow, 2))),
        "Unbedingt alone is dropped with the last test");
  // I: "Keine Suche" clears a rhythm at once.
  Click(page, Grid(kZeroRow, 3));
  Click(page, Grid(kNoSearchRow, 3));
  Check(Box(page, kZeroRow, 3) == BST_INDETERMINATE && Box(page, kNoSearchRow, 3) == BST_CHECKED,
        "Keine Suche clears the rhythm");
  // The third spin of "Suche bis" steps the year (day, month, year order).
  SendMessageA(page, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_SEARCH_END_SPIN_FIRST + 2)));
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_END)) == "30.12.2010", "the year spin moves the search end a year on");
  Picture(sheet, "Z:\\tmp\\tw-options-search.bmp");
  Check(c.Close(sheet, IDOK), "Ok closes the sheet");

  Check(Ini("TidewellConditions", "CText3") == "K null, S steigt", "CText3 written");
  Check(Ini("TidewellConditions", "Cond") == "2", "condition 3 becomes the current one");
  Check(IniHasLine("Cond3=4097 4160 0 0 0 0 0 0 0 0 0 0 0 0"), "Cond3 holds conditions 3 and 4");
  Check(IniHasLine("Cond1=1 0 0 0 0 0 0 0 0 0 0 0 0 0"), "Cond1 unchanged");
  HWND combo = GetDlgItem(GetDlgItem(c.s.frame, kToolbar), IDC_CONDITION_COMBO);
  Check(WindowText(combo) == "K null, S steigt", "the combo lists and selects the new condition");
  Check(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Null K")) >= 0,
        "and keeps the others");

  tw::ConditionWords words{};
  words[0] = 0x1 | 0x1000;
  words[1] = 0x40 | 0x1000;
  const tw::DayNumber expected = TwcalSearch(ctx, "4097,4160,0,0,0,0,0", start, words);
  Check(expected > start, "a day after the start matches");
  PostMessageA(c.child, WM_KEYDOWN, VK_F3, 0);
  PostMessageA(c.child, WM_KEYUP, VK_F3, 0xC0000001);
  c.Settle();
  Check(WaitFor([&] { return WindowText(c.date) == DateText(expected); }, 5000), "F3 lands on twcal's day");
  std::printf("F3 from %s: %s\n", DateText(start).c_str(), WindowText(c.date).c_str());

  // Cancel: the sheet reopens on this page; edits there change nothing.
  sheet = c.Sheet(&page, IDC_SEARCH_NUMBER);
  if (!page) return 1;
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_NUMBER)) == "3", "the page shows the current condition 3");
  Type(page, IDC_SEARCH_NAME, "weg");
  Click(page, Grid(kNoSearchRow, 0));
  Check(c.Close(sheet, IDCANCEL), "Cancel closes the sheet");
  Check(Ini("TidewellConditions", "CText3") == "K null, S steigt" &&
            IniHasLine("Cond3=4097 4160 0 0 0 0 0 0 0 0 0 0 0 0"),
        "Cancel writes nothing");
  Check(WindowText(combo) == "K null, S steigt", "the combo keeps the name");
  sheet = c.Sheet(&page, IDC_SEARCH_NUMBER);
  if (!page) return 1;
  Check(WindowText(GetDlgItem(page, IDC_SEARCH_NAME)) == "K null, S steigt" && Box(page, kZeroRow, 0) == BST_CHECKED,
        "the page shows the condition as it was");
  c.Close(sheet, IDCANCEL);
  Check(c.s.Close(), "program ends");
  Check(Ini("TidewellConditions", "SearchEnd") == std::to_string(tw::DayFromDate(2010, 12, 30)),
        "the search end set by the spin is kept at exit");
  return 0;
}

// ---- ValueLine pixels ----

struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Capture Grab(HDC source, int x, int y, int w, int h) {
  Capture c;
  c.width = w;
  c.height = h;
  c.pixels.resize(static_cast<size_t>(w) * h);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC mem = CreateCompatibleDC(source);
  HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, source, x, y, SRCCOPY);
  GdiFlush();
  std::memcpy(c.pixels.data(), bits, c.pixels.size() * 4);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return c;
}

// The client area of the ValueLine as it is on the screen.
Capture GrabValueLine(HWND line) {
  RECT r;
  GetClientRect(line, &r);
  POINT o = {0, 0};
  ClientToScreen(line, &o);
  HDC screen = GetDC(nullptr);
  Capture c = Grab(screen, o.x, o.y, r.right, r.bottom);
  ReleaseDC(nullptr, screen);
  return c;
}

HFONT DisplayFont() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTA lf = {};
  lf.lfHeight = -(100 * dpi / 720);  // FontSize 100 400 of a fresh settings file
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

// Of the pixels where either has ink, the share where both agree: the first rhythm's entry
// of the ValueLine against `labels` drawn as the program lays the line out.
double EntryMatch(const Capture& shot, tw::DayNumber day, const tw::RhythmLabels& labels) {
  auto entries = tw::BuildValueLine(kBirthday, day, kChartFlags, labels, "\xD8 %d,%d%%");
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, shot.width, shot.height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBmp = SelectObject(dc, bmp);
  HFONT font = DisplayFont();
  HGDIOBJ oldFont = SelectObject(dc, font);
  std::vector<int> widths;
  int lineHeight = 0;
  for (const auto& e : entries) {
    SIZE sz = {};
    GetTextExtentPoint32A(dc, e.text.c_str(), static_cast<int>(e.text.size()), &sz);
    widths.push_back(sz.cx);
    lineHeight = std::max<int>(lineHeight, sz.cy);
  }
  const auto pos = tw::LayoutValueLine(widths, lineHeight);
  RECT all = {0, 0, shot.width, shot.height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, pos[1].x, pos[1].y, entries[1].text.c_str(), static_cast<int>(entries[1].text.size()));
  const Capture drawn = Grab(dc, 0, 0, shot.width, shot.height);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBmp);
  DeleteObject(font);
  DeleteObject(bmp);
  DeleteDC(dc);
  const COLORREF f = GetSysColor(COLOR_BTNFACE);
  const uint32_t face = (GetRValue(f) << 16) | (GetGValue(f) << 8) | GetBValue(f);
  int ink = 0, agree = 0;
  const int right = std::min(shot.width, pos[1].x + widths[1]);
  for (int y = pos[1].y; y < std::min(shot.height, pos[1].y + lineHeight); ++y)
    for (int x = pos[1].x; x < right; ++x) {
      const bool a = (shot.At(x, y) & 0xFFFFFF) != face, b = (drawn.At(x, y) & 0xFFFFFF) != face;
      ink += a || b;
      agree += a && b;
    }
  return ink ? static_cast<double>(agree) / ink : 0.0;
}

// Entry `index` of a drop-down list as it shows when chosen; the choice is put back.
std::string ComboEntry(HWND combo, int index) {
  const LRESULT old = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  const std::string text = WindowText(combo);
  SendMessageA(combo, CB_SETCURSEL, old, 0);
  return text;
}

int CountColour(const Capture& c, uint32_t rgb) {
  int n = 0;
  for (uint32_t p : c.pixels) n += (p & 0xFFFFFF) == rgb;
  return n;
}

// Names, letters and colours of the rhythms: a new name and letter show in the combo and
// the ValueLine, empty names become "Rhythmus n" with the digit, an empty letter takes the
// name's first one, black for rhythm 1 is written 00 and paints the ValueLine's entry black;
// Cancel puts a chosen colour back.
int RhythmPage(const Context& ctx) {
  Chart c;
  if (!c.Start(ctx, "")) {
    Check(false, "person window");
    return 1;
  }
  const tw::DayNumber day = tw::DayFromDate(2024, 6, 12);
  c.GoTo(day);
  c.Settle();
  HWND line = GetDlgItem(c.bar, kValueLine), combo = GetDlgItem(c.bar, kRhythmCombo);
  const Capture before = GrabValueLine(line);
  const int redBefore = CountColour(before, 0xFF0000);
  Check(redBefore > 0, "rhythm 1 shows red in the ValueLine");

  HWND page = nullptr;
  HWND sheet = c.Sheet(&page, IDC_RHYTHM_NAME_FIRST);
  if (!page) return 1;
  Check(WindowText(GetDlgItem(page, IDC_RHYTHM_NAME_FIRST)) == "K\xF6rper" &&
            WindowText(GetDlgItem(page, IDC_RHYTHM_LETTER_FIRST)) == "K",
        "the page shows the built-in name and letter");
  Picture(sheet, "Z:\\tmp\\tw-options-rhythms.bmp");
  Type(page, IDC_RHYTHM_NAME_FIRST, "Tatkraft");
  Type(page, IDC_RHYTHM_LETTER_FIRST, "T");
  Type(page, IDC_RHYTHM_NAME_FIRST + 1, "");
  Type(page, IDC_RHYTHM_NAME_FIRST + 2, "Verstand");
  Type(page, IDC_RHYTHM_LETTER_FIRST + 2, "");

  PostMessageA(GetDlgItem(page, IDC_RHYTHM_COLOUR_FIRST), BM_CLICK, 0, 0);
  HWND colour = WaitDialogWith(c.s.program, COLOR_RAINBOW);
  Check(colour != nullptr, "the colour button opens the colour dialog");
  if (!colour) return 1;
  for (int id : {COLOR_RED, COLOR_GREEN, COLOR_BLUE}) Type(colour, id, "0");
  Press(colour, IDOK);
  Check(WaitFor([&] { return !IsWindow(colour); }, 5000), "colour dialog closed");
  Picture(sheet, "Z:\\tmp\\tw-options-rhythms-edited.bmp");
  Check(c.Close(sheet, IDOK), "Ok closes the sheet");

  Check(Ini("TidewellText", "C1") == "T Tatkraft", "C1 holds letter and name");
  Check(Ini("TidewellText", "C2") == "2 Rhythmus 2", "an empty name becomes Rhythmus 2 with the digit");
  Check(Ini("TidewellText", "C3") == "V Verstand", "an empty letter is the name's first one");
  Check(Ini("TidewellColors", "Color") == "00,ff0000,ff00,80ff,ff00ff,ffff00,4000c0", "black is written 00");
  Check(ComboEntry(combo, 1) == "Tatkraft", "the rhythm combo lists the new name");
  Check(ComboEntry(combo, 2) == "Rhythmus 2", "and the made-up one");

  RedrawWindow(line, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  c.Settle();
  const Capture after = GrabValueLine(line);
  Check(CountColour(after, 0xFF0000) == 0, "no red left in the ValueLine");
  tw::RhythmLabels renamed = tw::BuiltInRhythmLabels(), old = renamed;
  renamed[0].Set('T', "Tatkraft");
  const double withT = EntryMatch(after, day, renamed), withK = EntryMatch(after, day, old);
  std::printf("ValueLine entry of rhythm 1 matches \"T:\" %.2f, \"K:\" %.2f\n", withT, withK);
  Check(withT > 0.9 && withT > withK + 0.05, "the ValueLine shows T: in black");
  SaveScreen("Z:\\tmp\\tw-options-rhythms-chart.bmp");

  // Cancel: a colour chosen and an edited name leave settings and screen as they were.
  sheet = c.Sheet(&page, IDC_RHYTHM_NAME_FIRST);
  if (!page) return 1;
  Check(WindowText(GetDlgItem(page, IDC_RHYTHM_NAME_FIRST + 1)) == "Rhythmus 2", "the page shows the stored names");
  Type(page, IDC_RHYTHM_NAME_FIRST, "Weg");
  PostMessageA(GetDlgItem(page, IDC_RHYTHM_COLOUR_FIRST), BM_CLICK, 0, 0);
  colour = WaitDialogWith(c.s.program, COLOR_RAINBOW);
  if (colour) {
    Type(colour, COLOR_RED, "255");
    Press(colour, IDOK);
    WaitFor([&] { return !IsWindow(colour); }, 5000);
  }
  Check(c.Close(sheet, IDCANCEL), "Cancel closes the sheet");
  Check(Ini("TidewellText", "C1") == "T Tatkraft" &&
            Ini("TidewellColors", "Color") == "00,ff0000,ff00,80ff,ff00ff,ffff00,4000c0",
        "Cancel writes nothing");
  RedrawWindow(line, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  c.Settle();
  Check(CountColour(GrabValueLine(line), 0xFF0000) == 0, "the cancelled colour does not paint");

  // Clearing every name gives Rhythmus 1..7 with the digits as letters.
  sheet = c.Sheet(&page, IDC_RHYTHM_NAME_FIRST);
  if (!page) return 1;
  for (int r = 0; r < 7; ++r) Type(page, IDC_RHYTHM_NAME_FIRST + r, "");
  Check(c.Close(sheet, IDOK), "Ok closes the sheet");
  bool all = true;
  for (int r = 0; r < 7; ++r) {
    const std::string key = "C" + std::to_string(r + 1);
    const std::string want = std::to_string(r + 1) + " Rhythmus " + std::to_string(r + 1);
    all = all && Ini("TidewellText", key.c_str()) == want;
  }
  Check(all, "all seven are Rhythmus n with the digit n");
  Check(ComboEntry(combo, 7) == "Rhythmus 7", "the combo lists Rhythmus 7");
  Check(c.s.Close(), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("options-search-page", SearchPage);
TW_E2E_CASE("options-rhythm-page", RhythmPage);
