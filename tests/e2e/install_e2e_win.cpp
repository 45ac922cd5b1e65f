// The installed program, driven by tests/wine/install-test after msiexec put it into a fresh
// prefix: the first start from the Start menu shortcut's target seeds the user's folder, a
// changed recommendation lands there and leaves the installed default alone, the settings go
// there too, Wine's save question is German; a person document opens through the .twd
// association's command line. Registered by hand, not with TW_E2E_CASE: they need the
// installed copy, not the build tree.
#include <cstdio>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <fstream>
#include <iterator>

#include "core/daynumber.h"
#include "core/platform.h"
#include "dialogs/document_dialog_ids.h"
#include "doc/person_file.h"
#include "remote_win.h"
#include "tw_ids.h"

namespace {

using namespace e2e;

constexpr int kRecoTree = 2600, kRecoClose = 2631;
constexpr char kEndingProperty[] = "TwEnding";  // the program's mark of a frame in its shutdown

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct Shortcut {
  std::string target, workDir;
};

Shortcut Resolve(const std::string& lnk) {
  Shortcut s;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t wide[MAX_PATH];
      MultiByteToWideChar(CP_ACP, 0, lnk.c_str(), -1, wide, MAX_PATH);
      char buf[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(wide, STGM_READ))) {
        if (SUCCEEDED(link->GetPath(buf, MAX_PATH, nullptr, 0))) s.target = buf;
        buf[0] = 0;
        if (SUCCEEDED(link->GetWorkingDirectory(buf, MAX_PATH))) s.workDir = buf;
      }
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return s;
}

std::string ClassesValue(const char* key) {
  char buf[512] = {};
  LONG size = sizeof buf;
  return RegQueryValueA(HKEY_CLASSES_ROOT, key, buf, &size) == ERROR_SUCCESS ? std::string(buf) : "";
}

bool Settled(HWND w) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r) != 0;
}

bool CloseProgram(Program& p, HWND frame) {
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  return p.WaitExit(30000, &code) && code == 0;
}

// Renames the first recommendation through the dialog's tree; closing the dialog saves.
bool ChangeFirstRecommendation(Program& p, HWND frame, const std::string& name) {
  PostMessageA(frame, WM_COMMAND, 7200, 0);
  HWND dlg = WaitDialogWith(p, kRecoClose);
  if (!dlg) return false;
  HWND tree = GetDlgItem(dlg, kRecoTree);
  HTREEITEM root = TreeNext(tree, nullptr, TVGN_ROOT);
  HTREEITEM first = TreeNext(tree, TreeNext(tree, root, TVGN_CHILD), TVGN_CHILD);
  DWORD_PTR r = 0;
  SendMessageTimeoutA(tree, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(first), SMTO_ABORTIFHUNG, 5000, &r);
  HWND edit = nullptr;
  WaitFor([&] { return (edit = reinterpret_cast<HWND>(SendMessageA(tree, TVM_GETEDITCONTROL, 0, 0))) != nullptr; }, 5000);
  if (!edit) return false;
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG, 5000, &r);
  SendMessageTimeoutA(tree, TVM_ENDEDITLABELNOW, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &r);
  Press(dlg, kRecoClose);
  return WaitFor([&] { return !IsWindow(dlg); }, 15000);
}

// A new person, then closing its window: Wine's own message box asks, in German.
void SaveQuestion(Program& p, HWND frame, const std::string& out) {
  PostMessageA(frame, WM_COMMAND, IDM_FILE_NEW, 0);
  HWND dlg = WaitDialogWith(p, IDC_PERSON_NAME);
  Check(dlg != nullptr, "person dialog opens");
  if (!dlg) return;
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(dlg, IDC_PERSON_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Dora"),
                      SMTO_ABORTIFHUNG, 5000, &r);
  Press(dlg, IDOK);
  HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
  HWND child = nullptr;
  WaitFor([&] { return (child = FindWindowExA(client, nullptr, "TwChild", nullptr)) != nullptr; }, 10000);
  Check(child != nullptr, "new person window");
  if (!child) return;
  Settled(child);
  PostMessageA(child, WM_CLOSE, 0, 0);
  HWND box = WaitDialogWith(p, kMessageText);
  Check(box != nullptr, "closing the changed person asks");
  if (!box) return;
  const std::string yes = WindowText(GetDlgItem(box, IDYES)), no = WindowText(GetDlgItem(box, IDNO)),
                    cancel = WindowText(GetDlgItem(box, IDCANCEL));
  std::printf("buttons: %s / %s / %s\n", yes.c_str(), no.c_str(), cancel.c_str());
  Check(yes.find("Ja") != std::string::npos && no.find("Nein") != std::string::npos &&
            cancel.find("Abbrechen") != std::string::npos,
        "the buttons read Ja / Nein / Abbrechen");
  Sleep(300);
  Check(SaveScreen(out + "\\save_question.bmp"), "screenshot of the question saved");
  Press(box, IDNO);
  Check(WaitFor([&] { return !IsWindow(child); }, 10000), "No closes the person without saving");
}

// PROGRAM: the Start menu shortcut; DATADIR: where screenshots go.
int InstalledFirstStart(const Context& ctx) {
  const Shortcut link = Resolve(ctx.exe);
  std::printf("shortcut: %s (in %s)\n", link.target.c_str(), link.workDir.c_str());
  Check(link.target.size() > 22 && link.target.find("\\Tidewell\\tidewell.exe") == link.target.size() - 22,
        "the shortcut points at the installed tidewell.exe");
  if (link.target.empty()) return 1;
  const std::string installed = link.target.substr(0, link.target.size() - 12);  // with its "\"
  const std::string user = UserFolder() + "\\";
  const std::string defaultReco = Slurp(installed + "Reco.dat");
  Check(!Exists(user + "ORV.INI") && !Exists(user + "Reco.dat"), "a new user has no files yet");

  Program p;
  Check(p.Start(link.target, link.workDir), "installed program started");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr && Settled(frame), "frame appears");
  if (!frame) return 1;
  for (const char* f : {"Reco.dat", "RecoSel.dat", "TwHd.dat", "TwNd.dat", "TwBd.dat"})
    Check(Slurp(user + f) == Slurp(installed + f), (std::string("seeded from the installed default: ") + f).c_str());
  Check(!Exists(user + "Moon.dat"), "the moon data stays with the program");

  Check(ChangeFirstRecommendation(p, frame, "Im Benutzerordner gespeichert"), "recommendation renamed and saved");
  const std::string saved = Slurp(user + "Reco.dat");
  Check(saved != defaultReco && saved.find("Im Benutzerordner gespeichert") != std::string::npos,
        "the change lands in the user's Reco.dat");
  Check(Exists(user + "Reco.sv0"), "its backup beside it");
  Check(Slurp(installed + "Reco.dat") == defaultReco, "the installed default is unchanged");

  SaveQuestion(p, frame, ctx.data);
  Sleep(500);
  Check(SaveScreen(ctx.data + "\\installed.bmp"), "screenshot of the installed program saved");
  Check(CloseProgram(p, frame), "program ends");
  char width[16] = {};
  GetPrivateProfileStringA("TidewellGeneral", "InfoWidth", "", width, sizeof width, (user + "ORV.INI").c_str());
  Check(width[0] != 0, "settings written at exit are in the user's ORV.INI");
  char win[MAX_PATH];
  GetWindowsDirectoryA(win, MAX_PATH);
  Check(!Exists(std::string(win) + "\\ORV.INI"), "nothing written to the Windows directory");
  return 0;
}

// Starts the association's command line in `dir` the way the shell does.
bool Launch(Program& p, std::string command, const std::string& dir) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &p.pi) != 0;
}

// The title of the person window the started program opens, empty when none opens in 30 s.
std::string OpenedPerson(Program& p, HWND* frame) {
  *frame = p.WaitWindow("TwFrame", 30000);
  if (!*frame) return "";
  // The frame is listed from its creation on, before its WM_CREATE made the MDI client: look
  // the client up on every poll, not once.
  HWND child = nullptr;
  WaitFor([&] {
    HWND client = FindWindowExA(*frame, nullptr, "MDIClient", nullptr);
    return client && (child = FindWindowExA(client, nullptr, "TwChild", nullptr)) != nullptr;
  }, 30000);
  const std::string title = child ? WindowText(child) : "";
  std::printf("window: %s\n", title.c_str());
  return title;
}

// DATADIR: a folder with a blank in its name that gets a person document.
int InstalledAssociation(const Context& ctx) {
  Check(ClassesValue(".twd") == "Tidewell.Person", ".twd is registered");
  const std::string icon = ClassesValue("Tidewell.Person\\DefaultIcon");
  Check(icon.size() > 3 && icon.compare(icon.size() - 3, 3, ",-2") == 0, "its icon is the program's icon 2");
  std::string command = ClassesValue("Tidewell.Person\\shell\\open\\command");
  std::printf("open command: %s\n", command.c_str());
  const size_t arg = command.find("%1");
  Check(arg != std::string::npos, "the open command takes the file");
  if (arg == std::string::npos) return 1;

  tw::PersonDocument doc;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2026, 1, 1}, tw::DocumentDefaults{});
  doc.header.SetName("Erika Muster");
  doc.header.SetBirthday(tw::DayFromDate(1985, 3, 14));
  tw::RecordingSink sink;
  const std::string path = ctx.data + "\\Erika Muster.twd";
  Check(tw::SavePersonFile(doc, path, sink), "person document written");
  command.replace(arg, 2, path);

  // The tip of the day opens modally at start on fresh settings; this case is about the
  // double click, so the tip stays off.
  WritePrivateProfileStringA("TidewellGeneral", "TipOnStart", "0", IniPath().c_str());
  auto isPerson = [](const std::string& title) { return title.rfind("Erika Muster", 0) == 0; };
  Program p;
  HWND frame = nullptr;
  Check(Launch(p, command, ctx.data), "the association's command line starts the program");
  Check(isPerson(OpenedPerson(p, &frame)), "the double-clicked person opens");
  if (!frame) return 1;

  // Double-clicked again while the first instance still saves at exit (marked as the program
  // marks itself then): the new start waits for it to end, then opens the person.
  SetPropA(frame, kEndingProperty, reinterpret_cast<HANDLE>(1));
  Program second;
  HWND secondFrame = nullptr;
  Check(Launch(second, command, ctx.data), "started again");
  Sleep(1500);
  Check(WaitForSingleObject(second.pi.hProcess, 0) == WAIT_TIMEOUT, "the new start waits for the ending one");
  Check(CloseProgram(p, frame), "the first instance ends");
  Check(isPerson(OpenedPerson(second, &secondFrame)), "after it ended the person opens");
  Check(secondFrame && CloseProgram(second, secondFrame), "program ends");
  return 0;
}

CaseRegistrar g_first("installed-first-start", InstalledFirstStart);
CaseRegistrar g_association("installed-association", InstalledAssociation);

}  // namespace
