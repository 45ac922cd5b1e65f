// The partner comparison: three persons open, two born a day apart and two on the same
// day; the dialog shows what the core computes, and its own "Höhere Kurven" box.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <vector>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "e2e.h"

namespace {

using namespace e2e;

constexpr int kOpen = 7101, kPartner = 7203, kToolbar = 2043, kFileNameCombo = 1148, kFileNameEdit = 1152;
constexpr int kName1 = 2101, kName2 = 2103, kHigher = 2123, kFirstValue = 2105, kAverage = 2119;

// `marks` lists (day offset from today, MarkCommand) pairs.
std::string MakePerson(const std::string& work, const char* file, const char* name, int month, int day,
                       const std::vector<std::pair<int, int>>& marks = {}) {
  tw::PersonDocument doc;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, tw::DocumentDefaults{});
  doc.header.SetName(name);
  doc.header.SetBirthday(tw::DayFromDate(1980, month, day));
  SYSTEMTIME now;
  GetLocalTime(&now);
  const tw::DayNumber today = tw::DayFromDate(now.wYear, now.wMonth, now.wDay);
  doc.header.SetNotesStart(today - 100);
  for (const auto& [offset, command] : marks) tw::SetDayEntryFor(doc, today + offset, command, nullptr);
  tw::RecordingSink sink;
  const std::string path = work + "\\" + file;
  Check(tw::SavePersonFile(doc, path, sink), "person file written");
  return path;
}

bool Answers(HWND w) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &r) != 0;
}

HWND FirstPersonWindow(HWND frame) {
  return FindWindowExA(FindWindowExA(frame, nullptr, "MDIClient", nullptr), nullptr, "TwChild", nullptr);
}

int CountPersonWindows(HWND frame) {
  int n = 0;
  for (HWND w = FirstPersonWindow(frame); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    n += std::strcmp(cls, "TwChild") == 0;
  }
  return n;
}

// A visible dialog of the program with control `id`.
HWND FindDialog(const Program& p, int id) {
  for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w; w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == p.pi.dwProcessId && IsWindowVisible(w) && GetDlgItem(w, id)) return w;
  }
  return nullptr;
}

bool OpenPerson(Program& p, HWND frame, const std::string& path, int windowsAfter) {
  PostMessageA(frame, WM_COMMAND, kOpen, 0);
  HWND dlg = nullptr;
  WaitFor([&] { return (dlg = FindDialog(p, kFileNameCombo)) || (dlg = FindDialog(p, kFileNameEdit)); }, 10000);
  if (!dlg) return false;
  HWND name = GetDlgItem(dlg, kFileNameCombo) ? GetDlgItem(dlg, kFileNameCombo) : GetDlgItem(dlg, kFileNameEdit);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dlg, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return CountPersonWindows(frame) == windowsAfter; }, 15000);
}

bool PartnerEnabled(HWND frame) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(frame, kToolbar), TB_ISBUTTONENABLED, kPartner, 0, SMTO_ABORTIFHUNG, 5000, &r);
  return r != 0;
}

// Chooses line `index` of a person list as a user would, with the change notification.
void Choose(HWND dlg, int list, int index) {
  HWND combo = GetDlgItem(dlg, list);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> Values(HWND dlg) {
  std::vector<std::string> v;
  for (int r = 0; r < 7; ++r) v.push_back(WindowText(GetDlgItem(dlg, kFirstValue + 2 * r)));
  v.push_back(WindowText(GetDlgItem(dlg, kAverage)));
  return v;
}

// The dialog as the screen shows it, as a 24-bit BMP next to the program.
bool SaveWindowPicture(HWND w, const std::string& file) {
  RECT r;
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top, stride = (width * 3 + 3) & ~3;
  std::vector<char> out(14 + 40 + static_cast<size_t>(stride) * height);
  BITMAPINFOHEADER* bih = reinterpret_cast<BITMAPINFOHEADER*>(out.data() + 14);
  *bih = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  const int rows = GetDIBits(mem, bmp, 0, height, out.data() + 54, reinterpret_cast<BITMAPINFO*>(bih), DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  const BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(out.size()), 0, 0, 54};
  memcpy(out.data(), &fh, sizeof fh);
  std::ofstream(file, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  return rows == height;
}

int PartnerDialog(const Context& ctx) {
  const std::string work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  {
    std::ofstream ini(IniPath(), std::ios::binary | std::ios::trunc);
    ini << "[TidewellGeneral]\r\nListe=0\r\nTipOnStart=0\r\nStartLastFile=0\r\nNewVersion=0\r\n";
  }
  const std::string anna = MakePerson(work, "anna.twd", "Anna", 3, 14);
  const std::string berta = MakePerson(work, "berta.twd", "Berta", 3, 15);
  const std::string clara = MakePerson(work, "clara.twd", "Clara", 3, 14);
  Program p;
  Check(p.Start(ctx.exe, work, anna), "program starts");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame && WaitFor([&] { return CountPersonWindows(frame) == 1; }, 20000), "first person window");
  if (!frame) return 1;
  Answers(frame);
  Check(!PartnerEnabled(frame), "comparison disabled with one person");
  Check(OpenPerson(p, frame, berta, 2), "second person opens");
  Check(OpenPerson(p, frame, clara, 3), "third person opens");
  Answers(frame);
  Check(WaitFor([&] { return PartnerEnabled(frame); }, 3000), "comparison enabled with two persons and more");

  PostMessageA(frame, WM_COMMAND, kPartner, 0);
  HWND dlg = nullptr;
  WaitFor([&] { return (dlg = FindDialog(p, kName1)) != nullptr; }, 10000);
  Check(dlg != nullptr, "partner dialog opens");
  if (!dlg) return 1;
  Check(WindowText(dlg) == "Biorhythmus - Übereinstimmung", "dialog title");
  Check(WindowText(GetDlgItem(dlg, 2104)) == "Körper:", "first rhythm's name");
  // Sorted lists: Anna, Berta, Clara; the first and the second line are compared.
  std::vector<std::string> v = Values(dlg);
  Check(v[0] == "91 %", "one day apart: K 91 %");
  Check(v[1] == "93 %", "one day apart: S 93 %");  // 28 days: 100 - (714 + 50) / 100
  // The preference's higher curves are on by default: all seven compared.
  Check(IsDlgButtonChecked(dlg, kHigher) == BST_CHECKED, "Höhere Kurven follows the preference");
  Check(v[6] != "---" && !v[6].empty(), "seventh rhythm compared");
  PostMessageA(GetDlgItem(dlg, kHigher), BM_CLICK, 0, 0);
  Answers(dlg);
  v = Values(dlg);
  Check(v[3] == "---" && v[6] == "---", "without higher curves rhythms 4..7 read ---");
  Check(v[7] == "92 %", "average over three rhythms");  // (91 + 93 + 94) / 3
  std::printf("three rhythms: %s %s %s, average %s\n", v[0].c_str(), v[1].c_str(), v[2].c_str(), v[7].c_str());

  Choose(dlg, kName2, 2);  // Clara, born the same day as Anna
  v = Values(dlg);
  Check(v[0] == "100 %" && v[1] == "100 %" && v[2] == "100 %" && v[7] == "100 %", "same birthday: 100 %");
  Choose(dlg, kName1, 1);  // Berta against Clara: a day apart again
  Check(Values(dlg)[0] == "91 %", "the first list chooses as well");
  const std::string dir = ctx.exe.substr(0, ctx.exe.find_last_of('\\') + 1);
  Choose(dlg, kName1, 0);
  Choose(dlg, kName2, 1);
  Check(SaveWindowPicture(dlg, dir + "partner_dialog.bmp"), "screenshot saved");
  PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 5000), "Schließen ends the dialog");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(p.WaitExit(30000, &code), "program ends");
  return 0;
}

// A maximised chart with seven rhythms, special ranges (both on by default), DayMarks and
// the average highlighted, for people to look at.
int ChartPicture(const Context& ctx) {
  const std::string work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  {
    std::ofstream ini(IniPath(), std::ios::binary | std::ios::trunc);
    ini << "[TidewellGeneral]\r\nListe=0\r\nTipOnStart=0\r\nStartLastFile=0\r\nNewVersion=0\r\n";
  }
  const std::string erika = MakePerson(work, "erika.twd", "Erika", 4, 20,
                                       {{-3, 0x10}, {-2, 0x40}, {-1, 0x10}, {-1, 0x40}, {1, 1}, {2, 2}, {3, 3},
                                        {4, 0x10}, {4, 2}, {6, 0x40}, {6, 1}, {8, 0x40}});
  Program p;
  Check(p.Start(ctx.exe, work, erika), "program starts");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame && WaitFor([&] { return CountPersonWindows(frame) == 1; }, 20000), "person window");
  if (!frame) return 1;
  HWND child = FirstPersonWindow(frame);
  ShowWindow(frame, SW_MAXIMIZE);
  SendMessageA(GetParent(child), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  HWND bar = FindWindowExA(child, nullptr, "OrvStatus", nullptr);
  HWND combo = bar ? GetDlgItem(bar, 2061) : nullptr;
  Check(combo != nullptr, "rhythm combo");
  SendMessageA(combo, CB_SETCURSEL, 8, 0);  // the average of the shown rhythms
  SendMessageA(bar, WM_COMMAND, MAKEWPARAM(2061, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Answers(child);
  WaitFor([] { return false; }, 1000);
  const std::string dir = ctx.exe.substr(0, ctx.exe.find_last_of('\\') + 1);
  Check(SaveWindowPicture(GetDesktopWindow(), dir + "chart_maximised.bmp"), "screenshot saved");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(p.WaitExit(30000, &code), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("chart-partner", PartnerDialog);
TW_E2E_CASE("chart-picture", ChartPicture);
