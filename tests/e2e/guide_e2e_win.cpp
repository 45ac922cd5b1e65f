// The README's first five minutes, done by the program: a new person, its moon calendar, the
// chart, the next day of a recommendation, the print set-up. Each step is checked and saved as
// a screenshot into TW_GUIDE_SHOTS (scripts/make-guide-shots sets it to docs/) or, without
// it, into the case's work folder, so ./test keeps the walk-through working and writes
// nothing into the tree.
#include "dialogs/document_dialog_ids.h"
#include "remote_win.h"
#include "tw_ids.h"

namespace {

using namespace e2e;

constexpr int kDateEdit = 2071;
constexpr int kPrinterCombo = 0x473;  // the system print dialog's printer list
constexpr int kPrintFrom = 2202;      // the first page of the print set-up sheet
constexpr int kGarden = 2;            // the bundled selection "Garten"

struct Guide {
  FrameSession s;
  std::string out;
  HWND child = nullptr;

  void Settle() {
    Responds(s.frame);
    Responds(child);
    Sleep(500);  // the paint after it reaches the screen
  }
  void Shot(const char* name) {
    Settle();
    Check(SaveScreen(out + "\\" + name + ".bmp"), name);
  }
  std::string Date() const {
    return WindowText(DateBarItem(child, kDateEdit));
  }
  bool ListShown() const {
    HWND header = FindWindowExA(child, nullptr, WC_HEADERA, nullptr);
    return header && IsWindowVisible(header);
  }
};

int GuideShots(const Context& ctx) {
  Guide g;
  // Maximised (no stored size), the moon calendar for new persons, no tip or help window.
  if (!g.s.StartWith(ctx, "NewVersion=0\r\nTipOnStart=0\r\nListe=1\r\nWidth=0\r\n")) return 1;
  char dir[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("TW_GUIDE_SHOTS", dir, sizeof dir);
  g.out = n > 0 && n < sizeof dir ? dir : g.s.work;
  std::printf("screenshots in %s\n", g.out.c_str());
  g.Settle();
  Sleep(4000);  // the start picture closes by itself

  // 1. Datei > Neu: name and birthday.
  HWND dlg = g.s.Open(IDM_FILE_NEW, IDC_PERSON_NAME);
  Check(dlg != nullptr, "Neu opens the person dialog");
  if (!dlg) return 1;
  SendMessageA(GetDlgItem(dlg, IDC_PERSON_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Anna Beispiel"));
  SendMessageA(GetDlgItem(dlg, IDC_PERSON_BIRTHDAY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("14.03.1985"));
  g.Shot("guide-1-person");
  Press(dlg, IDOK);
  HWND client = FindWindowExA(g.s.frame, nullptr, "MDIClient", nullptr);
  WaitFor([&] { return (g.child = FindWindowExA(client, nullptr, "TwChild", nullptr)) != nullptr; }, 15000);
  Check(g.child && WaitFor([&] { return WindowText(g.child) == "Anna Beispiel - 14.03.1985"; }, 5000),
        "the new person's window opens");
  if (!g.child) return 1;
  SendMessageA(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(g.child), 0);

  // 2. The moon calendar.
  Check(g.ListShown(), "it shows the moon calendar");
  g.Shot("guide-2-calendar");

  // 3. Bearbeiten > Biorhythmus / Mondkalender.
  PostMessageA(g.s.frame, WM_COMMAND, IDM_VIEW_SWITCH, 0);
  g.Settle();
  Check(!g.ListShown(), "the switch shows the chart");
  g.Shot("guide-3-chart");
  PostMessageA(g.s.frame, WM_COMMAND, IDM_VIEW_SWITCH, 0);
  g.Settle();
  Check(g.ListShown(), "and back to the moon calendar");

  // 4. A selection in the toolbar, then F3 (Bearbeiten > Nächster passender Tag).
  const std::string before = g.Date();
  Check(ChooseSelection(g.s.frame, kGarden), "the selection Garten is chosen");
  PostMessageA(g.s.frame, WM_COMMAND, IDM_NEXT_MATCH, 0);
  Check(WaitFor([&] { return g.Date() != before; }, 15000), "F3 moves to the next recommended day");
  std::printf("next day for Garten after %s: %s\n", before.c_str(), g.Date().c_str());
  g.Shot("guide-4-next-day");

  // 5. Datei > Drucken: the system print dialog, then the set-up sheet with its preview.
  PostMessageA(g.s.frame, WM_COMMAND, IDM_FILE_PRINT, 0);
  HWND print = WaitDialogWith(g.s.program, kPrinterCombo, 20000);
  Check(print != nullptr, "Drucken opens the print dialog");
  if (print) {
    Press(print, IDOK);
    HWND sheet = nullptr;
    WaitFor([&] {
      for (HWND d : Dialogs(g.s.program.pi.dwProcessId))
        for (HWND c = FindWindowExA(d, nullptr, "#32770", nullptr); c; c = FindWindowExA(d, c, "#32770", nullptr))
          if (IsWindowVisible(c) && GetDlgItem(c, kPrintFrom)) return (sheet = d) != nullptr;
      return false;
    }, 20000);
    Check(sheet != nullptr, "then the print set-up");
    if (sheet) {
      g.Shot("guide-5-print");
      Press(sheet, IDCANCEL);
      Check(WaitFor([&] { return !IsWindow(sheet); }, 10000), "Abbrechen closes it");
    }
  }

  // The new person is not kept.
  PostMessageA(g.child, WM_CLOSE, 0, 0);
  if (HWND box = WaitDialogWith(g.s.program, kMessageText)) Press(box, IDNO);
  Check(g.s.Close(), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("guide-shots", GuideShots);
