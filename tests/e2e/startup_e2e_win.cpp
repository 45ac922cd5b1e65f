// Start, clean exit and the settings the exit writes; garbage settings never stop a start;
// eight persons open at once, with the memory the idle program then holds.
#include <windows.h>
#include <psapi.h>

#include <fstream>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "e2e.h"
#include "remote_win.h"
#include "tw_ids.h"

namespace {

using namespace e2e;

std::string IniValue(const char* section, const char* key) {
  char buf[256];
  GetPrivateProfileStringA(section, key, "<absent>", buf, sizeof buf, IniPath().c_str());
  return buf;
}

// Starts the program on a fresh copy of the data, waits for the frame and closes it again.
bool StartAndClose(const Context& ctx, DWORD* millisToFrame) {
  std::string work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  Program p;
  DWORD t0 = GetTickCount();
  Check(p.Start(ctx.exe, work), "program started");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr, "frame window of class TwFrame appears");
  if (!frame) return false;
  // Painted: the frame answers messages once start-up has run through to the loop.
  DWORD_PTR r = 0;
  SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r);
  if (millisToFrame) *millisToFrame = GetTickCount() - t0;
  Check(WindowText(frame).rfind("Tidewell", 0) == 0, "frame title starts with Tidewell");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(p.WaitExit(30000, &code), "program ends after WM_CLOSE");
  Check(code == 0, "exit code 0");
  return true;
}

int StartClose(const Context& ctx) {
  DeleteFileA(IniPath().c_str());
  // No help pages or tip on this run: they would open windows of their own.
  WritePrivateProfileStringA("TidewellGeneral", "NewVersion", "0", IniPath().c_str());
  WritePrivateProfileStringA("TidewellGeneral", "TipOnStart", "0", IniPath().c_str());
  DWORD ms = 0;
  if (!StartAndClose(ctx, &ms)) return 1;
  std::printf("start to running frame: %lu ms\n", static_cast<unsigned long>(ms));
  Check(IniValue("TidewellGeneral", "InfoWidth") != "<absent>", "exit writes InfoWidth");
  Check(IniValue("TidewellGeneral", "Sternbild") == "0", "exit writes Sternbild");
  Check(IniValue("TidewellGeneral", "SaveWidths") != "<absent>", "exit writes SaveWidths");
  return 0;
}

int GarbageSettings(const Context& ctx) {
  DeleteFileA(IniPath().c_str());
  const char* keys[] = {"PosX",     "PosY",      "Width",       "Height",  "InfoWidth", "InfoHeight",
                        "DaySize",  "Preference", "Data",       "Liste",   "SaveWidths", "LastRecoSel",
                        "LastReco", "Cond",       "SearchEnd",  "TestYear"};
  for (const char* k : keys)
    WritePrivateProfileStringA("TidewellGeneral", k, "-99999999999x{}\\%s%n", IniPath().c_str());
  WritePrivateProfileStringA("TidewellGeneral", "NewVersion", "0", IniPath().c_str());
  WritePrivateProfileStringA("TidewellGeneral", "TipOnStart", "0", IniPath().c_str());
  WritePrivateProfileStringA("TidewellColors", "Color", "zz,,,-,ffffffffff", IniPath().c_str());
  WritePrivateProfileStringA("TidewellFonts", "FontSize", "99999999", IniPath().c_str());
  WritePrivateProfileStringA("TidewellRecentFileList", "File1", "Q:\\nirgends\\%s%s%s.twd", IniPath().c_str());
  StartAndClose(ctx, nullptr);
  return 0;
}

int SecondInstance(const Context& ctx) {
  FrameSession s;
  Check(s.StartWith(ctx, "NewVersion=0\r\nTipOnStart=0\r\n"), "first instance shows its frame");
  if (!s.frame) return 1;
  HWND frame = s.frame;
  Program second;
  Check(second.Start(ctx.exe, s.work, "5"), "second instance started");
  DWORD code = 1;
  Check(second.WaitExit(30000, &code), "second instance ends by itself");
  Check(code == 0, "second instance exits with 0");
  Check(IsWindow(frame) != 0, "first frame still there");
  Check(s.Close(true), "first instance closes cleanly");
  return 0;
}

std::string MakePerson(const std::string& work, int i) {
  tw::PersonDocument doc;
  tw::DocumentDefaults defaults;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2026, 12, 6}, defaults);
  char name[32];
  wsprintfA(name, "Person %d", i + 1);
  doc.header.SetName(name);
  doc.header.SetBirthday(tw::DayFromDate(1960 + 3 * i, 1 + i, 10 + i));
  tw::RecordingSink sink;
  std::string path = work + "\\person" + std::to_string(i + 1) + ".twd";
  tw::SavePersonFile(doc, path, sink);
  return path;
}

int EightPersons(const Context& ctx) {
  FrameSession s;
  s.Prepare(ctx, "NewVersion=0\r\nTipOnStart=0\r\nStartLastFile=0\r\nListe=1\r\n");
  {
    std::ofstream ini(IniPath(), std::ios::binary | std::ios::app);
    ini << "[TidewellRecentFileList]\r\n";
    for (int i = 0; i < 8; ++i) ini << "File" << (i + 1) << "=" << MakePerson(s.work, i) << "\r\n";
  }
  Check(s.Launch(ctx), "frame appears");
  if (!s.frame) return 1;
  HWND frame = s.frame;
  DWORD_PTR r = 0;
  SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r);
  // Each recent-file command opens its person and moves it to the top of the list, so the
  // eighth entry is always the one not yet opened.
  for (int i = 0; i < 8; ++i) {
    SendMessageTimeoutA(frame, WM_COMMAND, IDM_FILE_RECENT_LAST, 0, SMTO_NORMAL, 30000, &r);
  }
  Check(WaitFor([&] { return s.PersonWindows().size() == 8; }, 30000), "eight person windows open");
  SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r);
  PROCESS_MEMORY_COUNTERS_EX mem = {};
  mem.cb = sizeof mem;
  if (GetProcessMemoryInfo(s.program.pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&mem), sizeof mem))
    std::printf("idle with eight persons: working set %lu KiB, private %lu KiB\n",
                static_cast<unsigned long>(mem.WorkingSetSize / 1024),
                static_cast<unsigned long>(mem.PrivateUsage / 1024));
  Check(s.Close(true), "closes cleanly with eight persons");
  return 0;
}

}  // namespace

TW_E2E_CASE("start-close", StartClose);
TW_E2E_CASE("eight-persons", EightPersons);
TW_E2E_CASE("garbage-settings", GarbageSettings);
TW_E2E_CASE("second-instance", SecondInstance);
