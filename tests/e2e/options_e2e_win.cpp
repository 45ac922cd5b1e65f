// Options sheet: what a page changes shows where the user looks (info panel lines, the
// settings file, the page after a restart); Cancel changes nothing.
#include <fstream>

#include "core/daynumber.h"
#include "doc/person_file.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kOptions = 7204;
constexpr int kPhase = 2155, kDistance = 2156, kHeight = 2157, kSawtooth = 2170, kVeryWide = 2177;
constexpr int kShowNameday = 2194;
constexpr int kSummary = 2301;

std::string IniValue(const char* key) {
  char buf[64];
  GetPrivateProfileStringA("TidewellGeneral", key, "<absent>", buf, sizeof buf, IniPath().c_str());
  return buf;
}

std::string MakeDocument(const std::string& work) {
  tw::PersonDocument doc;
  tw::DocumentDefaults defaults;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, defaults);
  doc.header.SetName("Erika Muster");
  doc.header.SetBirthday(tw::DayFromDate(1980, 5, 5));
  tw::RecordingSink sink;
  const std::string path = work + "\\erika.twd";
  tw::SavePersonFile(doc, path, sink);
  return path;
}

HWND FindSummary(HWND frame) {
  for (HWND w = GetWindow(frame, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (HWND s = GetDlgItem(w, kSummary)) return s;
  return nullptr;
}

HWND FindDateEdit(HWND frame) {
  HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
  HWND child = client ? FindWindowExA(client, nullptr, "TwChild", nullptr) : nullptr;
  HWND bar = child ? FindWindowExA(child, nullptr, "OrvStatus", nullptr) : nullptr;
  return bar ? GetDlgItem(bar, 2071) : nullptr;
}

HWND WaitSheet(Program& p) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND d : Dialogs(p.pi.dwProcessId))
          if (WindowText(d) == "Optionen") found = d;
        return found != nullptr;
      },
      15000);
  return found;
}

void Click(HWND dlg, int id) {
  SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0);
}

// The page holding `control`, made the current one.
HWND Page(HWND sheet, int control) {
  for (int index = 0; SendMessageA(sheet, PSM_SETCURSEL, index, 0); ++index) {
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (page && GetDlgItem(page, control)) return page;
  }
  return nullptr;
}

// Ok on the sheet; true once it has closed.
bool Ok(HWND sheet) {
  Click(sheet, IDOK);
  return WaitFor([&] { return !IsWindow(sheet); }, 5000);
}

// The whole screen once the sheet has painted, for people to look at.
void Picture(HWND sheet, const char* path) {
  RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(400);
  SaveScreen(path);
}

bool Has(HWND w, const char* part) { return WindowText(w).find(part) != std::string::npos; }

int OptionsPages(const Context& ctx) {
  std::string work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  {
    std::ofstream ini(IniPath(), std::ios::binary | std::ios::trunc);
    ini << "[TidewellGeneral]\r\nListe=1\r\nTipOnStart=0\r\nNewVersion=0\r\nStartLastFile=0\r\nData=1023\r\n"
           "DaySize=2\r\nPreference=46448\r\n";
  }
  const std::string doc = MakeDocument(work);
  Program p;
  Check(p.Start(ctx.exe, work, doc), "program started");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  HWND summary = nullptr;
  WaitFor([&] { return frame && (summary = FindSummary(frame)) != nullptr && Has(summary, "Mond"); }, 20000);
  HWND date = frame ? FindDateEdit(frame) : nullptr;
  Check(date != nullptr, "date edit of the person window");
  if (!date) return 1;
  SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("24.03.2024"));
  PostMessageA(date, WM_CHAR, 13, 0);
  Check(WaitFor([&] { return Has(summary, "24.03.2024"); }, 10000), "summary of 24 March 2024");
  Check(summary && (Has(summary, "nehmender Mond")), "summary shows the phase line");

  // Info panel: phase, distance and height off; the panel loses that line.
  PostMessageA(frame, WM_COMMAND, kOptions, 0);
  HWND sheet = WaitSheet(p);
  Check(sheet != nullptr, "Optionen opens");
  if (!sheet) return 1;
  HWND info = Page(sheet, kPhase);
  Click(info, kPhase);
  Click(info, kDistance);
  Click(info, kHeight);
  Picture(sheet, "Z:\\tmp\\tw-options-info.bmp");
  Check(Ok(sheet), "Ok closes the sheet");
  Check(WaitFor([&] { return !Has(summary, "nehmender Mond") && !Has(summary, "steigender Mond"); }, 5000),
        "the panel loses the phase line");
  std::printf("summary after apply:\n%s\n", WindowText(summary).c_str());
  Check(IniValue("Data") == "799", "Data written without the three bits");

  // Recommendations: name days on; the summary of 24 March names Katharina.
  PostMessageA(frame, WM_COMMAND, kOptions, 0);
  sheet = WaitSheet(p);
  HWND reco = sheet ? Page(sheet, kShowNameday) : nullptr;
  Check(!Has(summary, "Katharina"), "no name day before");
  Click(reco, kShowNameday);
  Picture(sheet, "Z:\\tmp\\tw-options-reco.bmp");
  Check(Ok(sheet), "Ok closes the sheet");
  Check(WaitFor([&] { return Has(summary, "Katharina"); }, 5000), "name day of 24 March in the panel");
  Check(IniValue("ShowNameday") == "1", "ShowNameday written");

  // Biorhythm: "Sehr weit" and Ok writes DaySize.
  PostMessageA(frame, WM_COMMAND, kOptions, 0);
  sheet = WaitSheet(p);
  HWND bio = sheet ? Page(sheet, kVeryWide) : nullptr;
  Click(bio, kVeryWide);
  Picture(sheet, "Z:\\tmp\\tw-options-bio.bmp");
  Check(Ok(sheet), "Ok closes the sheet");
  Check(IniValue("DaySize") == "4", "DaySize 4 written");

  // Cancel: a changed box changes nothing; the sheet reopens on the biorhythm page.
  PostMessageA(frame, WM_COMMAND, kOptions, 0);
  sheet = WaitSheet(p);
  HWND page = sheet ? reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)) : nullptr;
  Check(page && GetDlgItem(page, kVeryWide), "sheet reopens on the page it closed on");
  const std::string preference = IniValue("Preference");
  if (page) Click(page, kSawtooth);
  if (sheet) Click(sheet, IDCANCEL);
  WaitFor([&] { return !IsWindow(sheet); }, 5000);
  Check(IniValue("Preference") == preference, "Cancel leaves Preference alone");

  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(p.WaitExit(30000, &code), "program closes");

  // DaySize survives the restart: the page shows "Sehr weit".
  Program q;
  Check(q.Start(ctx.exe, work), "program starts again");
  frame = q.WaitWindow("TwFrame", 30000);
  PostMessageA(frame, WM_COMMAND, kOptions, 0);
  sheet = WaitSheet(q);
  bio = sheet ? Page(sheet, kVeryWide) : nullptr;
  Check(bio && IsDlgButtonChecked(bio, kVeryWide) == BST_CHECKED, "Sehr weit still chosen after a restart");
  if (sheet) Click(sheet, IDCANCEL);
  WaitFor([&] { return !IsWindow(sheet); }, 5000);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  Check(q.WaitExit(30000, &code), "program closes again");
  return 0;
}

}  // namespace

TW_E2E_CASE("options-pages", OptionsPages);
