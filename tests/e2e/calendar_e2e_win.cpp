// Moon calendar window and side panel: the summary of known days, keyboard navigation,
// assigning a note that survives save and reopen, the filtered list, repaint timing.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "e2e.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kSummary = 2301, kNote = 2302, kAssign = 2304, kDateEdit = 2071, kDateScroll = 2075;
constexpr int kSave = 7102, kOnlyReco = 7219;

bool TextHas(HWND w, const std::string& part) { return WindowText(w).find(part) != std::string::npos; }

// Erika in a moon calendar window with the notes column and, when asked, three
// recommendation columns; every summary line including recommendations.
struct Session : FrameSession {
  HWND child = nullptr, date = nullptr, summary = nullptr;
  std::string doc;

  bool Start(const Context& ctx, bool threeColumns) {
    const unsigned preference = 46448u | 0x800u | (threeColumns ? 0x200u : 0u);
    Prepare(ctx, "Liste=1\r\nTipOnStart=0\r\nData=1023\r\nLegendHeight=150\r\nPreference=" +
                     std::to_string(preference) + "\r\n");
    const uint32_t docPreference = 46448u | 0x800u;
    doc = WriteErikaDocument(work, &docPreference, true);
    return Reopen(ctx);
  }

  // Starts the program on the document as it is now.
  bool Reopen(const Context& ctx) {
    if (!Launch(ctx, doc) || !(child = WaitPerson(kDateEdit))) return false;
    date = DateBarItem(child, kDateEdit);
    return WaitFor([&] { return (summary = PanelItem(kSummary)) != nullptr; }, 5000);
  }

  void Maximise() {
    ShowWindow(frame, SW_MAXIMIZE);
    SendMessageA(MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Responds(child);
  }

  // Types a date into the date bar and commits it with Enter.
  void GoTo(const char* text) {
    SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageA(date, WM_CHAR, 13, 0);
    Responds(child);
  }

  void Key(UINT vk) {
    PostMessageA(child, WM_KEYDOWN, vk, 0);
    PostMessageA(child, WM_KEYUP, vk, 0xC0000001);
    Responds(child);
  }
};

int CalendarPanel(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, false), "person window, side panel and date edit appear");
  if (!s.summary) return 1;
  HWND summary = s.summary;

  // 12 January 2024: the moon enters Aquarius at 04:01.
  s.GoTo("12.01.2024");
  Check(WaitFor([&] { return TextHas(summary, "Freitag, 12.01.2024"); }, 10000), "summary shows 12 January 2024");
  // The hour has a leading zero only when the locale asks for one.
  Check(TextHas(summary, "Mond: Steinbock, Wassermann um ") && TextHas(summary, "4:01 (Erde/Luft)"),
        "moon line with the sign change");
  Check(TextHas(summary, "Zunehmender Mond, Aufsteigender Mond, Mond nähert sich"), "phase, height, distance line");
  Check(TextHas(summary, "Alter: 15958 Tage"), "age counted from the birthday");
  std::printf("summary 2024-01-12:\n%s\n", WindowText(summary).c_str());
  s.Maximise();

  s.Key(VK_DOWN);
  Check(WaitFor([&] { return WindowText(s.date) == "13.01.2024"; }, 5000), "arrow down selects the next day");
  Check(WaitFor([&] { return TextHas(summary, "Erdnähe um 11:36"); }, 5000), "summary follows: perigee at 11:36");
  s.Key(VK_UP);
  s.Key(VK_LEFT);
  Check(WaitFor([&] { return WindowText(s.date) == "11.01.2024"; }, 5000), "up and left go back two days");
  Check(WaitFor([&] { return TextHas(summary, "Neumond um 12:57"); }, 5000), "new moon day in the summary");
  s.Key(VK_NEXT);
  Check(WaitFor([&] { return WindowText(s.date) != "11.01.2024"; }, 5000), "page down moves on");
  const tw::DayNumber paged = [&] {
    int d = 0, m = 0, y = 0;
    std::sscanf(WindowText(s.date).c_str(), "%d.%d.%d", &d, &m, &y);
    return tw::DayFromDate(y, m, d);
  }();
  // Long recommendation cells in a small window leave few rows: a page is at least a day.
  Check(paged > tw::DayFromDate(2024, 1, 11) && paged < tw::DayFromDate(2024, 3, 1),
        "page down moves forward by the rows shown less one");
  s.Key(VK_PRIOR);
  Check(WaitFor([&] { return WindowText(s.date) == "11.01.2024"; }, 5000), "page up comes back");
  s.Key(VK_HOME);
  SYSTEMTIME now;
  GetSystemTime(&now);
  char today[16];
  std::snprintf(today, sizeof today, "%02d.%02d.%04d", now.wDay, now.wMonth, now.wYear);
  Check(WaitFor([&] { return WindowText(s.date) == today; }, 5000), "Home selects today");

  // A note for 25 December 2024, a holiday.
  s.GoTo("25.12.2024");
  Check(WaitFor([&] { return TextHas(summary, "Mittwoch, 25.12.2024"); }, 5000), "summary shows Christmas");
  Check(TextHas(summary, "1. Weihnachtstag"), "the holiday is listed in the summary");
  HWND note = s.PanelItem(kNote);
  HWND assign = s.PanelItem(kAssign);
  Check(IsWindowEnabled(note) != 0, "note field open within the notes");
  Check(!IsWindowEnabled(assign), "Zuweisen waits for an edit");
  SendMessageA(note, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Gans bestellen"));
  Check(WaitFor([&] { return IsWindowEnabled(assign) != 0; }, 5000), "an edit enables Zuweisen");
  PostMessageA(assign, BM_CLICK, 0, 0);
  Check(WaitFor([&] { return !IsWindowEnabled(assign); }, 5000), "Zuweisen stores the note and disables itself");
  s.Key(VK_DOWN);
  Check(WaitFor([&] { return WindowText(note).empty(); }, 5000), "the next day has no note");
  s.Key(VK_UP);
  Check(WaitFor([&] { return WindowText(note) == "Gans bestellen"; }, 5000), "the note is back on its day");
  Responds(s.child);
  SaveScreen("Z:\\tmp\\tw-calendar-panel.bmp");
  s.Command(kSave);
  Responds(s.frame);

  // Only days with recommendations: the list still navigates and shows matching days.
  s.Command(kOnlyReco);
  Check(Responds(s.child), "the filtered list paints");
  s.Key(VK_DOWN);
  Check(Responds(s.child), "the filtered list navigates");
  Check(WaitFor([&] { return TextHas(summary, "Empfehlungen:"); }, 5000),
        "the selected row of the filtered list has recommendations");
  s.Command(kOnlyReco);
  Check(Responds(s.child), "back to every day");
  Check(s.Close(), "program ends");

  tw::PersonDocument reread;
  tw::RecordingSink sink;
  Check(tw::LoadPersonFile(s.doc, reread, tw::DocumentDefaults{}, nullptr, sink) == tw::LoadStatus::kOk,
        "saved document reads back");
  Check(std::string(tw::GetDayEntry(reread, tw::DayFromDate(2024, 12, 25)).text) == "Gans bestellen",
        "the note was saved on its day");

  Check(s.Reopen(ctx), "document opens again");
  if (!s.summary) return 1;
  s.GoTo("25.12.2024");
  Check(WaitFor([&] { return WindowText(s.PanelItem(kNote)) == "Gans bestellen"; }, 5000),
        "the note shows after reopening");
  Check(s.Close(), "program ends again");
  return 0;
}

// A person with three recommendation columns in a maximised moon calendar window.
bool OpenMaximised(const Context& ctx, Session& s) {
  const bool open = s.Start(ctx, true);
  Check(open, "person window appears");
  if (open) s.Maximise();
  return open;
}

// Prints how long a full repaint of a maximised moon calendar takes (no assertion on it).
int CalendarRepaintTiming(const Context& ctx) {
  Session s;
  if (!OpenMaximised(ctx, s)) return 1;
  s.GoTo("10.01.2024");
  Check(WaitFor([&] { return WindowText(s.date) == "10.01.2024"; }, 5000), "day selected");
  RECT rc;
  GetClientRect(s.child, &rc);
  constexpr int kRounds = 10;
  RedrawWindow(s.child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const DWORD start = GetTickCount();
  for (int i = 0; i < kRounds; ++i) {
    RedrawWindow(s.child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Responds(s.child);
  }
  const DWORD ms = GetTickCount() - start;
  SaveScreen("Z:\\tmp\\tw-calendar-window.bmp");
  std::printf("moon calendar repaint, client %ldx%ld, three recommendation columns: %.1f ms per repaint\n",
              rc.right, rc.bottom, ms / static_cast<double>(kRounds));
  Check(s.Close(), "program ends");
  return 0;
}

// CPU time in clock ticks that the program whose command line names `marker` used so far,
// from Linux's /proc through Wine's drive Z: (Wine keeps no times of other processes).
// -1 when no such process is found.
long long CpuTicksOf(const std::string& marker) {
  WIN32_FIND_DATAA fd;
  HANDLE find = FindFirstFileA("Z:\\proc\\*", &fd);
  if (find == INVALID_HANDLE_VALUE) return -1;
  long long ticks = -1;
  do {
    if (fd.cFileName[0] < '0' || fd.cFileName[0] > '9') continue;
    const std::string dir = std::string("Z:\\proc\\") + fd.cFileName;
    std::ifstream cmd(dir + "\\cmdline", std::ios::binary);
    const std::string line((std::istreambuf_iterator<char>(cmd)), std::istreambuf_iterator<char>());
    if (line.find("tidewell.exe") == std::string::npos || line.find(marker) == std::string::npos) continue;
    std::ifstream statFile(dir + "\\stat");
    std::string stat;
    std::getline(statFile, stat);
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int k = 3; fields >> field; ++k) {
      if (k == 14) utime = std::stoll(field);
      if (k == 15) {
        stime = std::stoll(field);
        break;
      }
    }
    ticks = utime + stime;
  } while (FindNextFileA(find, &fd));
  FindClose(find);
  return ticks;
}

// While the date bar's scroll thumb is held, the list gives way to the user: it paints
// again once after a pause instead of over and over, so the program stays idle.
int CalendarBusyPaintIdles(const Context& ctx) {
  Session s;
  if (!OpenMaximised(ctx, s)) return 1;
  const std::string marker = s.work.substr(s.work.find_last_of('\\') + 1);
  Check(CpuTicksOf(marker) >= 0, "the program's CPU time can be read");

  HWND scroll = DateBarItem(s.child, kDateScroll);
  RECT sr{};
  GetClientRect(scroll, &sr);
  const LPARAM thumb = MAKELPARAM(sr.right / 2, sr.bottom / 2);
  PostMessageA(scroll, WM_LBUTTONDOWN, MK_LBUTTON, thumb);
  GUITHREADINFO gui = {};
  gui.cbSize = sizeof gui;
  Check(WaitFor(
            [&] {
              return GetGUIThreadInfo(GetWindowThreadProcessId(s.child, nullptr), &gui) && gui.hwndCapture &&
                     IsChild(s.child, gui.hwndCapture);
            },
            3000),
        "a control of the person window holds the mouse");
  Sleep(300);
  const long long before = CpuTicksOf(marker);
  const DWORD start = GetTickCount();
  for (int i = 0; i < 15; ++i) {
    InvalidateRect(s.child, nullptr, FALSE);
    Sleep(100);
  }
  const long long used = CpuTicksOf(marker) - before;
  const DWORD wall = GetTickCount() - start;
  PostMessageA(scroll, WM_LBUTTONUP, 0, thumb);
  std::printf("CPU while the thumb is held: %lld ticks in %lu ms\n", used, static_cast<unsigned long>(wall));
  // 100 ticks a second. A paint loop keeps the program (and the Wine server) busy, about a
  // third of the ticks here; paints that wait for the thumb use next to none.
  Check(used * 100 < static_cast<long long>(wall), "the held thumb leaves the program idle (under 10 % CPU)");
  Check(Responds(s.child), "the list paints after the thumb is let go");
  Check(s.Close(), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("calendar-panel", CalendarPanel);
TW_E2E_CASE("calendar-repaint-timing", CalendarRepaintTiming);
TW_E2E_CASE("calendar-busy-paint-idles", CalendarBusyPaintIdles);
