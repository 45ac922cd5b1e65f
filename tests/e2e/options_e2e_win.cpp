// Options sheet: what a page changes shows where the user looks (info panel lines, the
// settings file, the page after a restart); Cancel changes nothing.
#include <windows.h>
#include <colordlg.h>
#include <dlgs.h>
#include <mmsystem.h>

#include <fstream>
#include <vector>

#include "core/daynumber.h"
#include "doc/person_file.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kOptions = 7204;
constexpr int kPhase = 2155, kDistance = 2156, kHeight = 2157, kSawtooth = 2170, kVeryWide = 2177;
constexpr int kShowNameday = 2194;
constexpr int kSummary = 2301;

std::string IniValue(const char* key, const char* section = "TidewellGeneral") {
  char buf[64];
  GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, IniPath().c_str());
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


// General and moon calendar pages, seen where they act: the panel names the sun's
// constellation, the font dialog's choice lands in the settings, a column leaves the
// calendar header, an element colour and the date column width are stored as written.
constexpr int kConstellations = 2143, kSound = 2146, kFont = 2214, kFontSample = 2237;
constexpr int kColumnSun = 2162, kColumnNotes = 2165, kFireColour = 2166;
constexpr int kShowWeekday = 2185, kShowYear = 2186, kTwoDigitYear = 2187, kTwoLines = 2188;

bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

HWND FindListHeader(HWND frame) {
  HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
  HWND child = client ? FindWindowExA(client, nullptr, "TwChild", nullptr) : nullptr;
  return child ? FindWindowExA(child, nullptr, WC_HEADERA, nullptr) : nullptr;
}

// Picks the first of `faces` the font dialog offers, at 12 points; returns the face.
std::string ChooseInFontDialog(HWND dlg) {
  HWND faces = GetDlgItem(dlg, cmb1), sizes = GetDlgItem(dlg, cmb3);
  for (const char* face : {"Courier New", "Times New Roman", "Tahoma", "DejaVu Serif"}) {
    if (SendMessageA(faces, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face)) == CB_ERR) continue;
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
    SendMessageA(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("12"));
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    return face;
  }
  return "";
}

int OptionsGeneralCalendar(const Context& ctx) {
  FrameSession s;
  std::string doc;
  s.Prepare(ctx,
            "Liste=1\r\nTipOnStart=0\r\nNewVersion=0\r\nStartLastFile=0\r\nData=1023\r\nSternbild=0\r\n"
            "ShowDayOfWeek=1\r\nShowYear=1\r\nShow2DigitYear=0\r\nShowDate2Lines=0\r\n",
            [&](const std::string& work) { doc = WriteErikaDocument(work); });
  Check(s.Launch(ctx, doc), "program started");
  HWND summary = nullptr;
  WaitFor([&] { return s.frame && (summary = FindSummary(s.frame)) != nullptr && Has(summary, "Mond"); }, 20000);
  HWND date = s.frame ? FindDateEdit(s.frame) : nullptr;
  Check(date != nullptr, "date edit of the person window");
  if (!date) return 1;
  SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("24.03.2024"));
  PostMessageA(date, WM_CHAR, 13, 0);
  Check(WaitFor([&] { return Has(summary, "24.03.2024"); }, 10000), "summary of 24 March 2024");
  Check(Has(summary, "Sonne: Widder"), "by signs the sun stands in Aries");

  // General: constellations, and 12 points of another face from the font dialog.
  PostMessageA(s.frame, WM_COMMAND, kOptions, 0);
  HWND sheet = WaitSheet(s.program);
  HWND general = sheet ? Page(sheet, kConstellations) : nullptr;
  Check(general != nullptr, "the general page");
  if (!general) return 1;
  Check(Enabled(general, kSound) == (waveOutGetNumDevs() > 0), "Musik enabled exactly when there is a wave device");
  Check(WindowText(GetDlgItem(general, kFontSample)) == "10,0 pt Arial", "the sample names the current font");
  Click(general, kConstellations);
  Press(general, kFont);
  HWND fontDialog = WaitDialogWith(s.program, cmb1);
  Check(fontDialog != nullptr, "Schrift opens the font dialog");
  if (!fontDialog) return 1;
  const std::string face = ChooseInFontDialog(fontDialog);
  Check(!face.empty(), "the font dialog offers a known face");
  Press(fontDialog, IDOK);
  WaitFor([&] { return !IsWindowVisible(fontDialog); }, 5000);
  Check(WaitFor([&] { return WindowText(GetDlgItem(general, kFontSample)) == "12,0 pt " + face; }, 5000),
        "the sample shows the chosen size and face");
  Picture(sheet, "Z:\\tmp\\tw-options-general.bmp");
  Check(Ok(sheet), "Ok closes the sheet");
  Check(IniValue("Font", "TidewellFonts") == face && IniValue("FontSize", "TidewellFonts") == "120 400",
        "Font and FontSize written");
  // A new display font makes the person window's controls anew, which selects today.
  date = FindDateEdit(s.frame);
  Check(date != nullptr, "the person window's controls are back in the new font");
  if (!date) return 1;
  SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("24.03.2024"));
  PostMessageA(date, WM_CHAR, 13, 0);
  Check(WaitFor([&] { return Has(summary, "24.03.2024") && Has(summary, "Sonne: Fische"); }, 10000),
        "by constellations the sun stands in Pisces");

  // Moon calendar: the enabling rules, two columns, the fire colour and a two-digit year.
  HWND header = FindListHeader(s.frame);
  Remote remote(s.program.pi.hProcess);
  const std::vector<std::string> before = header ? remote.HeaderTexts(header) : std::vector<std::string>();
  Check(before == std::vector<std::string>({"", "Datum", "Mond", "Sonne", "", "Empfehlungen"}), "header before");
  PostMessageA(s.frame, WM_COMMAND, kOptions, 0);
  sheet = WaitSheet(s.program);
  HWND calendar = sheet ? Page(sheet, kColumnSun) : nullptr;
  Check(calendar != nullptr, "the moon calendar page");
  if (!calendar) return 1;
  Check(Enabled(calendar, kTwoDigitYear) && Enabled(calendar, kTwoLines), "weekday and year: all choices open");
  Click(calendar, kShowYear);
  Check(!Enabled(calendar, kTwoDigitYear) && !Enabled(calendar, kTwoLines), "without the year neither year choice");
  Click(calendar, kShowYear);
  Click(calendar, kShowWeekday);
  Check(Enabled(calendar, kTwoDigitYear) && !Enabled(calendar, kTwoLines), "without the weekday no two lines");
  Click(calendar, kShowWeekday);
  Click(calendar, kTwoDigitYear);
  Click(calendar, kColumnSun);
  Click(calendar, kColumnNotes);
  Press(calendar, kFireColour);
  HWND colour = WaitDialogWith(s.program, COLOR_RAINBOW);
  Check(colour != nullptr, "the fire button opens the colour dialog");
  if (!colour) return 1;
  SendMessageA(GetDlgItem(colour, COLOR_RED), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
  SendMessageA(GetDlgItem(colour, COLOR_GREEN), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("128"));
  SendMessageA(GetDlgItem(colour, COLOR_BLUE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
  Press(colour, IDOK);
  WaitFor([&] { return !IsWindowVisible(colour); }, 5000);
  Picture(sheet, "Z:\\tmp\\tw-options-calendar.bmp");
  Check(Ok(sheet), "Ok closes the sheet");
  header = FindListHeader(s.frame);
  const std::vector<std::string> after = header ? remote.HeaderTexts(header) : std::vector<std::string>();
  Check(after == std::vector<std::string>({"", "Datum", "Mond", "", "Empfehlungen", "Notizen"}),
        "the sun column left the header, the notes came");
  Check(IniValue("ElementColor", "TidewellColors") == "8000,47a8,a9f5ee,daa556", "fire written as 8000");
  const int preference = std::atoi(IniValue("Preference").c_str());
  Check((preference & 0x1000) == 0 && (preference & 0x800) != 0, "Preference without sun, with notes");
  Check(s.Close(), "program closes");
  Check(IniValue("SaveWidths").rfind("22 158 ", 0) == 0, "date column 158 with a two-digit year");
  Check(IniValue("Show2DigitYear") == "1" && IniValue("ShowYear") == "1", "date choices stored");
  return 0;
}

}  // namespace

TW_E2E_CASE("options-pages", OptionsPages);
TW_E2E_CASE("options-general-calendar", OptionsGeneralCalendar);
