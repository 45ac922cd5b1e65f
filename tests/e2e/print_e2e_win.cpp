// Printing to the real PDF queue: the command, the system print dialog, the setup sheet
// and the job. These cases print; tests/print/check-print-pdf checks what lands as PDF.
// Each prints "expect ..." lines the checker reads.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "e2e.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kPrint = 7104, kDateEdit = 2071;
constexpr int kPrinterCombo = 0x473;  // the print dialog's printer list (cmb4)
constexpr int kFrom = 2202, kTo = 2204, kLandscape = 2181, kRows = 2217, kWeek = 2235, kPageCount = 2238;
constexpr int kMarginLeft = 2207, kPreview = 2172, kProgressPage = 2171;
constexpr int kOptimal = 2180, kMonth = 2236, kWidthSum = 2261, kMoonUnit = 2182, kHighlight = 2061;

void WriteIni(bool calendar, const char* margins) {
  std::ofstream ini(IniPath(), std::ios::binary | std::ios::trunc);
  ini << "[TidewellGeneral]\r\nListe=" << (calendar ? 1 : 0) << "\r\nTipOnStart=0\r\nData=1023\r\n"
      << (margins ? std::string("[TidewellPrint]\r\nMargins=") + margins + "\r\n" : std::string());
}

std::string MakeDocument(const std::string& work, bool calendar) {
  tw::PersonDocument doc;
  tw::DocumentDefaults defaults;
  defaults.preference = 46448u;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2025, 1, 1}, defaults);
  doc.header.SetName("Erika Druckerin");
  doc.header.SetBirthday(tw::DayFromDate(1980, 5, 5));
  doc.header.SetNotesStart(tw::DayFromDate(2025, 1, 1));
  if (calendar) doc.viewFlags |= tw::kViewMoonList;
  else doc.viewFlags = (doc.viewFlags & ~tw::kViewMoonList) | tw::kViewHigherCurves;
  tw::RecordingSink sink;
  const std::string path = work + "\\druck.twd";
  Check(tw::SavePersonFile(doc, path, sink), "test document written");
  return path;
}

bool Responsive(HWND w) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 20000, &r) != 0;
}

// A page of the setup sheet: a dialog inside a visible top-level dialog with control `id`.
HWND FindSheetPage(Program& p, int id, HWND* sheet) {
  for (HWND d : Dialogs(p.pi.dwProcessId))
    for (HWND c = FindWindowExA(d, nullptr, "#32770", nullptr); c; c = FindWindowExA(d, c, "#32770", nullptr))
      if (IsWindowVisible(c) && GetDlgItem(c, id)) {
        *sheet = d;
        return c;
      }
  return nullptr;
}

struct PrintSession {
  Program program;
  HWND frame = nullptr, child = nullptr;

  bool Open(const Context& ctx, bool calendar, const char* margins) {
    const std::string work = MakeWorkFolder();
    Check(CopyFolder(ctx.data, work), "data folder copied");
    DeleteFileA(IniPath().c_str());
    WriteIni(calendar, margins);
    if (!program.Start(ctx.exe, work, MakeDocument(work, calendar))) return false;
    frame = program.WaitWindow("TwFrame", 30000);
    if (!frame) return false;
    // The person's window, active: the one whose title names the person.
    WaitFor(
        [&] {
          HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
          child = client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
          return child && WindowText(child).find("Druckerin") != std::string::npos;
        },
        20000);
    std::printf("person window: %s\n", child ? WindowText(child).c_str() : "-");
    return child && WindowText(child).find("Druckerin") != std::string::npos && Responsive(child);
  }

  void GoTo(const char* date) {
    HWND bar = FindWindowExA(child, nullptr, "OrvStatus", nullptr);
    HWND edit = bar ? GetDlgItem(bar, kDateEdit) : nullptr;
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(date));
    PostMessageA(edit, WM_CHAR, 13, 0);
    Responsive(child);
  }

  // 7104, then OK in the system print dialog; returns the sheet's first page.
  HWND StartPrint(HWND* sheet) {
    PostMessageA(frame, WM_COMMAND, kPrint, 0);
    HWND dlg = WaitDialogWith(program, kPrinterCombo, 20000);
    Check(dlg != nullptr, "the system print dialog opens");
    if (!dlg) return nullptr;
    std::printf("printer: %s\n", WindowText(GetDlgItem(dlg, kPrinterCombo)).c_str());
    Press(dlg, IDOK);
    HWND page = nullptr;
    WaitFor([&] { return (page = FindSheetPage(program, kFrom, sheet)) != nullptr; }, 20000);
    Check(page != nullptr, "the setup sheet opens on the range page");
    return page;
  }

  void SetField(HWND page, int id, const char* text) {
    SendMessageA(GetDlgItem(page, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
  }

  // Waits until the job has ended: the frame takes input again and no progress box shows.
  bool WaitJobEnd(DWORD timeoutMs) {
    WaitDialogWith(program, kProgressPage, 10000);  // the job has begun
    return WaitFor([&] { return IsWindowEnabled(frame) && !WaitDialogWith(program, kProgressPage, 0); }, timeoutMs);
  }

  // No message box or other dialog is left open; names what is.
  bool NoDialogs() {
    bool none = true;
    for (HWND d : Dialogs(program.pi.dwProcessId)) {
      if (WindowText(d).empty() && MessageText(d).empty()) continue;  // the frame's side panel host
      std::printf("open dialog: %s / %s\n", WindowText(d).c_str(), MessageText(d).c_str());
      none = false;
    }
    return none;
  }

  bool Close() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    return program.WaitExit(30000, &code);
  }
};

int PrintCalendarMonth(const Context& ctx) {
  PrintSession s;
  Check(s.Open(ctx, true, nullptr), "person window opens as a moon calendar");
  if (!s.child) return 1;
  s.GoTo("01.03.2025");
  HWND sheet = nullptr;
  HWND page = s.StartPrint(&sheet);
  if (!page) return 1;
  Check(IsDlgButtonChecked(page, kWeek) == BST_CHECKED, "a week per page, as stored");
  s.SetField(page, kTo, "31.03.2025");
  const std::string count = WindowText(GetDlgItem(page, kPageCount));
  std::printf("page count field: %s\n", count.c_str());
  Check(count.find('5') != std::string::npos, "the sheet predicts five pages");
  std::printf("expect pages=5\nexpect portrait\nexpect text=Erika Druckerin\nexpect text=Tidewell\nexpect date=2025-03-01\nexpect date=2025-03-31\nexpect reco=2025-03-10\n");
  Check(GetDlgItem(sheet, kPreview) != nullptr, "the preview stands beside the pages");
  // The optimal widths fill the paper between the margins: "Summe N von N mm".
  SendMessageA(sheet, PSM_SETCURSEL, 3, 0);
  HWND widths = nullptr;
  WaitFor([&] { return (widths = FindSheetPage(s.program, kWidthSum, &sheet)) != nullptr; }, 5000);
  Check(widths != nullptr, "the column widths page opens");
  if (widths) {
    SendMessageA(widths, WM_COMMAND, MAKEWPARAM(kOptimal, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(widths, kOptimal)));
    int sum = 0, available = -1;
    const std::string text = WindowText(GetDlgItem(widths, kWidthSum));
    std::sscanf(text.c_str(), "Summe %d von %d", &sum, &available);
    std::printf("after the optimal widths: %s\n", text.c_str());
    Check(sum == available && sum > 150, "the optimal widths sum to the available width");
    Responsive(sheet);
    Sleep(500);
    SaveScreen("Z:\\tmp\\tw-print-sheet-calendar.bmp");
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
  }
  Press(sheet, IDOK);
  Check(s.WaitJobEnd(60000), "the job ends");
  Sleep(500);  // a failed job's message box follows the frame's enabling
  Check(s.NoDialogs(), "no error message after the job");
  Check(s.Close(), "the program closes");
  return Failures() ? 1 : 0;
}

// A month per page with the legend: one page, each day on one line of its own, the date
// in full beside its weekday and the legend's 23 names below.
int PrintCalendarMonthPage(const Context& ctx) {
  PrintSession s;
  Check(s.Open(ctx, true, "10 8 10 8 1 3 3 1 1 1 0"), "person window opens as a moon calendar");
  if (!s.child) return 1;
  s.GoTo("01.03.2025");
  HWND sheet = nullptr;
  HWND page = s.StartPrint(&sheet);
  if (!page) return 1;
  Check(IsDlgButtonChecked(page, kMonth) == BST_CHECKED, "a month per page, as stored");
  s.SetField(page, kTo, "31.03.2025");
  const std::string count = WindowText(GetDlgItem(page, kPageCount));
  Check(count.find('1') != std::string::npos, "the sheet predicts one page");
  std::printf("expect pages=1\nexpect portrait\nexpect date=2025-03-01\nexpect date=2025-03-19\nexpect date=2025-03-31\n"
              "expect absent=(Mo|Di|Mi|Do|Fr|Sa|So)\\.\xE2\x80\xA6\nexpect text=Widder\nexpect text=Erdferne\nexpect text=Mondknoten\n");
  // The column widths page shows the sum of the widths against the paper's.
  SendMessageA(sheet, PSM_SETCURSEL, 3, 0);
  HWND widths = nullptr;
  WaitFor([&] { return (widths = FindSheetPage(s.program, kWidthSum, &sheet)) != nullptr; }, 5000);
  Check(widths != nullptr, "the column widths page opens");
  if (widths) {
    std::printf("widths: %s / %s\n", WindowText(GetDlgItem(widths, kWidthSum)).c_str(),
                WindowText(GetDlgItem(widths, kMoonUnit)).c_str());
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    Responsive(sheet);
    Sleep(500);
    SaveScreen("Z:\\tmp\\tw-print-sheet-range.bmp");
  }
  Press(sheet, IDOK);
  Check(s.WaitJobEnd(60000), "the job ends");
  Sleep(500);
  Check(s.NoDialogs(), "no error message after the job");
  Check(s.Close(), "the program closes");
  return Failures() ? 1 : 0;
}

// A checksum of the preview's pixels as the screen shows them.
unsigned PreviewPixels(HWND preview) {
  RECT r;
  GetWindowRect(preview, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  unsigned sum = 0;
  for (int y = 0; y < h; y += 2)
    for (int x = 0; x < w; x += 2) sum = sum * 31 + GetPixel(mem, x, y);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return sum;
}

void Click(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }

int PrintChart60(const Context& ctx) {
  PrintSession s;
  Check(s.Open(ctx, false, nullptr), "person window opens as a chart");
  if (!s.child) return 1;
  s.GoTo("01.03.2025");
  HWND sheet = nullptr;
  HWND page = s.StartPrint(&sheet);
  if (!page) return 1;
  s.SetField(page, kTo, "29.04.2025");
  Click(page, kLandscape);
  Check(IsDlgButtonChecked(page, kLandscape) == BST_CHECKED, "landscape is chosen");
  // The rows' spin button stops at eight.
  for (int i = 0; i < 10; ++i)
    SendMessageA(page, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(page, kRows + 1)));
  Check(WindowText(GetDlgItem(page, kRows)) == "8", "the spin button raises the rows to eight, not beyond");
  s.SetField(page, kRows, "1");
  // The margins page: a wider left margin moves the preview's page content.
  HWND preview = GetDlgItem(sheet, kPreview);
  Check(preview != nullptr, "the preview stands beside the pages");
  if (preview) {
    Responsive(sheet);
    const unsigned before = PreviewPixels(preview);
    SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    HWND margins = nullptr;
    WaitFor([&] { return (margins = FindSheetPage(s.program, kMarginLeft, &sheet)) != nullptr; }, 5000);
    Check(margins != nullptr, "the margins page opens");
    if (margins) SendMessageA(GetDlgItem(margins, kMarginLeft), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("40"));
    Responsive(sheet);
    Sleep(200);
    Check(PreviewPixels(preview) != before, "the preview changes with the left margin");
    if (margins) {
      SendMessageA(GetDlgItem(margins, kMarginLeft), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("10"));
      for (int i = 0; i < 3; ++i)
        SendMessageA(margins, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(margins, kMarginLeft + 1)));
      Check(WindowText(GetDlgItem(margins, kMarginLeft)) == "13", "the margin's spin button steps by one");
    }
  }
  // The content page: the average of rhythms 1 and 2 highlighted gets its legend item.
  SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
  HWND content = nullptr;
  WaitFor([&] { return (content = FindSheetPage(s.program, kHighlight, &sheet)) != nullptr; }, 5000);
  Check(content != nullptr, "the content page opens");
  if (content) {
    HWND list = GetDlgItem(content, kHighlight);
    Check(SendMessageA(list, CB_GETCOUNT, 0, 0) == 10, "the highlight list has ten entries");
    SendMessageA(list, CB_SETCURSEL, 9, 0);
    SendMessageA(content, WM_COMMAND, MAKEWPARAM(kHighlight, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }
  std::printf("expect landscape\nexpect text=Erika Druckerin\nexpect text=05.05.1980\nexpect text=Tidewell\nexpect ink=1,30,85\n"
              "expect text=Durchschnitt\n");
  Responsive(sheet);
  Sleep(500);
  SaveScreen("Z:\\tmp\\tw-print-sheet-chart.bmp");
  Press(sheet, IDOK);
  Check(s.WaitJobEnd(60000), "the job ends");
  Check(s.NoDialogs(), "no error message after the job");
  Check(s.Close(), "the program closes");
  return Failures() ? 1 : 0;
}

// A long job cancelled from the progress box ends with message 3253 and leaves no PDF.
int PrintCancel(const Context& ctx) {
  PrintSession s;
  Check(s.Open(ctx, false, "10 8 10 8 1 3 2 1 1 0 0"), "person window opens as a chart");
  if (!s.child) return 1;
  s.GoTo("01.01.2025");
  HWND sheet = nullptr;
  HWND page = s.StartPrint(&sheet);
  if (!page) return 1;
  s.SetField(page, kTo, "31.12.2034");
  Press(sheet, IDOK);
  HWND progress = WaitDialogWith(s.program, kProgressPage, 20000);
  Check(progress != nullptr, "the progress box \"Druck\" shows");
  if (progress) {
    Check(WindowText(progress) == "Druck", "its title is Druck");
    Check(WindowText(GetDlgItem(progress, IDCANCEL)) == "Abbrechen", "its button is Abbrechen");
    PostMessageA(progress, WM_COMMAND, IDCANCEL, 0);
  }
  HWND box = WaitDialogWith(s.program, kMessageText, 20000);
  const std::string text = MessageText(box);
  std::printf("message: %s\n", text.c_str());
  // Code 5 when the cancel is seen between bands, 7 right after the document started, 6 when
  // the abort procedure already sees it while the document starts: on a busy machine the
  // click may reach the job that early.
  Check(text.find("abgebrochen") != std::string::npos &&
            (text.find("Code 5") != std::string::npos || text.find("Code 6") != std::string::npos ||
             text.find("Code 7") != std::string::npos),
        "message 3253 with a cancel code (5, 6 or 7)");
  if (box) Press(box, IDOK);
  Check(s.WaitJobEnd(20000), "the frame takes input again");
  std::printf("expect nofile\n");
  Check(s.Close(), "the program closes");
  return Failures() ? 1 : 0;
}

// Figures, not a test: a year of moon calendar (a month per page) and a year of chart
// (three rows per page), timed from OK in the sheet until the job is spooled.
int PrintYearFigures(const Context& ctx) {
  for (int calendar = 1; calendar >= 0; --calendar) {
    PrintSession s;
    Check(s.Open(ctx, calendar != 0, calendar ? "10 8 10 8 1 3 3 1 1 0 0" : "10 8 10 8 1 3 2 1 1 0 0"), "person window opens");
    if (!s.child) return 1;
    s.GoTo("01.01.2025");
    HWND sheet = nullptr;
    HWND page = s.StartPrint(&sheet);
    if (!page) return 1;
    s.SetField(page, kTo, "31.12.2025");
    const DWORD start = GetTickCount();
    Press(sheet, IDOK);
    Check(s.WaitJobEnd(120000), "the job ends");
    std::printf("figure: a year of %s from OK to the spooled job: %lu ms\n", calendar ? "moon calendar" : "chart",
                static_cast<unsigned long>(GetTickCount() - start));
    Check(s.Close(), "the program closes");
  }
  return Failures() ? 1 : 0;
}

// Indented: these run through tests/print/check-print-pdf, which first makes the PDF
// queue and then checks the file, not as plain end-to-end cases.
 TW_E2E_CASE("print-calendar-month", PrintCalendarMonth);
 TW_E2E_CASE("print-calendar-monthpage", PrintCalendarMonthPage);
 TW_E2E_CASE("print-chart-60", PrintChart60);
 TW_E2E_CASE("print-cancel", PrintCancel);
 TW_E2E_CASE("print-year-figures", PrintYearFigures);

}  // namespace
