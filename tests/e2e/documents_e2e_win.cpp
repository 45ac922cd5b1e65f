// Person documents: new person through the dialog, save as, reopen from the recent files,
// passwords, a second read-only window, the save question, bad files and a second instance.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "dialogs/document_dialog_ids.h"
#include "e2e.h"
#include "remote_win.h"
#include "tw_ids.h"

namespace {

using namespace e2e;

constexpr int kNew = IDM_FILE_NEW, kOpen = IDM_FILE_OPEN, kSave = IDM_FILE_SAVE, kSaveAs = IDM_FILE_SAVE_AS,
              kRecent1 = IDM_FILE_RECENT_FIRST, kOpenNamed = IDM_FILE_OPEN_NAMED, kPersonData = IDM_PERSON_DATA;
constexpr int kName = IDC_PERSON_NAME, kBirthday = IDC_PERSON_BIRTHDAY, kPassword = IDC_PASSWORD,
              kFileLabel = IDC_PASSWORD_FILE, kNote = IDC_PASSWORD_NOTE, kNotesYear = IDC_PERSON_NOTES_YEAR;
constexpr int kMessageText = 0xFFFF;

std::string IniValue(const char* section, const char* key) {
  char buf[300] = {};
  GetPrivateProfileStringA(section, key, "", buf, sizeof buf, IniPath().c_str());
  return buf;
}

std::string MakeDocument(const std::string& path, const char* name, const char* password,
                         tw::DayNumber birthday = tw::DayFromDate(1980, 5, 5)) {
  tw::PersonDocument doc;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, tw::DocumentDefaults{});
  doc.header.SetName(name);
  doc.header.SetBirthday(birthday);
  doc.header.SetPassword(password);
  tw::RecordingSink sink;
  Check(tw::SavePersonFile(doc, path, sink), "test document written");
  return path;
}

// The header as the file holds it now (empty when it cannot be read).
tw::PersonHeader ReadHeader(const std::string& path) {
  tw::PersonHeader h;
  std::ifstream f(path, std::ios::binary);
  f.read(reinterpret_cast<char*>(h.bytes.data()), static_cast<std::streamsize>(h.bytes.size()));
  return h;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << bytes;
  return static_cast<bool>(f);
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool NoDialogWith(Program& p, int id) {
  for (HWND d : Dialogs(p.pi.dwProcessId))
    if (GetDlgItem(d, id)) return false;
  return true;
}

// For a failed wait: what dialogs the program shows, with their controls.
void DumpDialogs(Program& p) {
  std::vector<HWND> all;
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, nullptr, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == p.pi.dwProcessId) all.push_back(w);
  }
  for (HWND d : all) {
    char dc[64] = {};
    GetClassNameA(d, dc, sizeof dc);
    std::printf("[%s%s] ", dc, IsWindowVisible(d) ? "" : " hidden");
    std::printf("dialog \"%s\":", WindowText(d).c_str());
    for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[64] = {};
      GetClassNameA(c, cls, sizeof cls);
      std::printf(" %s#%x", cls, GetDlgCtrlID(c));
    }
    std::printf("\n");
  }
}

void SetText(HWND dlg, int id, const std::string& text) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(dlg, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      5000, &r);
}

HWND WaitChildTitled(const FrameSession& s, const std::string& title, DWORD timeoutMs = 15000) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND c : s.PersonWindows())
          if (WindowText(c) == title) {
            found = c;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

struct Session : FrameSession {
  void Prepare(const Context& ctx) {
    FrameSession::Prepare(ctx, "Liste=0\r\nTipOnStart=0\r\nNewVersion=0\r\nStartLastFile=0\r\n");
  }
  bool Start(const Context& ctx, const std::string& args = "") {
    Prepare(ctx);
    return Launch(ctx, args);
  }
};

// The password repetition (the prompt for a file's password has the file's name as well).
HWND WaitRepetition(Session& s) {
  HWND rep = nullptr;
  WaitFor([&] { return (rep = WaitDialogWith(s.program, kNote, 100)) != nullptr && !GetDlgItem(rep, kFileLabel); }, 10000);
  return rep;
}

// The save dialog of the common dialogs: type the full name and confirm.
bool SaveThroughDialog(Session& s, const std::string& path, std::string* suggested) {
  HWND dlg = nullptr;
  WaitFor(
      [&] {
        for (HWND d : Dialogs(s.program.pi.dwProcessId))
          if (GetDlgItem(d, 0x480) || GetDlgItem(d, 0x47C)) {
            dlg = d;
            return true;
          }
        return false;
      },
      15000);
  if (!dlg) {
    DumpDialogs(s.program);
    return false;
  }
  HWND edit = GetDlgItem(dlg, 0x480);
  // The name field is an edit, or an edit inside the combo box of a ComboBoxEx.
  for (HWND w = GetDlgItem(dlg, 0x47C); w && !edit; w = FindWindowExA(w, nullptr, nullptr, nullptr)) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Edit") == 0) edit = w;
  }
  if (!edit) {
    DumpDialogs(s.program);
    return false;
  }
  if (suggested) *suggested = WindowText(edit);
  DWORD_PTR r = 0;
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000, &r);
  PostMessageA(dlg, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return !IsWindow(dlg); }, 15000);
}

int NewSaveReopen(const Context& ctx) {
  Session s;
  Check(s.Start(ctx), "program started");
  if (!s.frame) return 1;
  HWND dlg = s.Open(kNew, kName);
  Check(dlg != nullptr, "person dialog opens for a new person");
  if (!dlg) return 1;
  Check(WindowText(dlg) == "Tidewell - Notizbuch", "person dialog title");
  Check(!IsWindowEnabled(GetDlgItem(dlg, IDOK)), "OK disabled while the name is empty");
  SetText(dlg, kName, "A");
  Check(IsWindowEnabled(GetDlgItem(dlg, IDOK)), "one character enables OK");
  SetText(dlg, kName, "");
  Check(!IsWindowEnabled(GetDlgItem(dlg, IDOK)), "clearing the name disables OK again");
  SetText(dlg, kName, "Anna Probe");
  SetText(dlg, kBirthday, "5.5.1980");
  // The three spin buttons change day, month and year in the locale's order (day first here).
  HWND birthday = GetDlgItem(dlg, kBirthday);
  PostMessageA(dlg, WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_BIRTHDAY_SPIN_FIRST)));
  Check(WaitFor([&] { return WindowText(birthday) == "06.05.1980"; }, 5000), "first spin button: next day");
  PostMessageA(dlg, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_BIRTHDAY_SPIN_LAST)));
  Check(WaitFor([&] { return WindowText(birthday) == "06.05.1979"; }, 5000), "third spin button: year back");
  PostMessageA(dlg, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(-2)),
               reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_BIRTHDAY_SPIN_SECOND)));
  Check(WaitFor([&] { return WindowText(birthday) == "06.03.1979"; }, 5000), "second spin dragged: two months back");
  SetText(dlg, kNotesYear, "1970");  // before the birth year: the notes start at the birthday
  Press(dlg, IDOK);
  HWND child = WaitChildTitled(s, "Anna Probe - 06.03.1979");
  Check(child != nullptr, "new person window titled with name and birthday");

  const std::string path = s.work + "\\anna.twd";
  s.Command(kSaveAs);
  std::string suggested;
  Check(SaveThroughDialog(s, path, &suggested), "save dialog answered");
  Check(suggested == "Anna Probe.twd", "save dialog suggests the name plus .twd");
  Check(WaitFor([&] { return Exists(path); }, 10000), "file written");
  Check(WaitFor([&] { return IniValue("TidewellRecentFileList", "File1") == path; }, 5000),
        "saved name is the first recent file");
  Responds(s.frame);

  // The saved file holds what the dialog took.
  {
    tw::PersonDocument doc;
    tw::RecordingSink sink;
    Check(tw::LoadPersonFile(path, doc, tw::DocumentDefaults{}, nullptr, sink) == tw::LoadStatus::kOk, "file reads back");
    Check(doc.header.Name() == "Anna Probe", "name stored");
    Check(doc.header.Birthday() == tw::DayFromDate(1979, 3, 6), "birthday stored");
    Check(doc.header.NotesStart() == tw::DayFromDate(1979, 3, 6), "notes year before birth starts at the birthday");
  }

  // Not modified after saving: closing asks nothing.
  PostMessageA(child, WM_CLOSE, 0, 0);
  Check(WaitFor([&] { return s.PersonWindows().empty(); }, 10000), "saved person closes without a question");
  s.Command(kRecent1);
  Check(WaitChildTitled(s, "Anna Probe - 06.03.1979") != nullptr, "recent file 1 reopens the person");
  Check(s.PersonWindows().size() == 1, "exactly one window");
  Check(s.Close(), "program ends");
  return 0;
}

int PasswordProtect(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string path = MakeDocument(s.work + "\\bert.twd", "Bert", "");
  Check(s.Launch(ctx, path), "program started with the file");
  HWND child = WaitChildTitled(s, "Bert - 05.05.1980");
  Check(child != nullptr, "unprotected file opens without a prompt");
  if (!child) return 1;

  // A new password needs the repetition; a wrong repetition keeps the old (none).
  HWND dlg = s.Open(kPersonData, kName);
  Check(dlg != nullptr, "person dialog for the person data");
  if (!dlg) return 1;
  SetText(dlg, kPassword, "geheim7");
  SetText(dlg, IDC_PERSON_DESCRIPTION, "mit Beschreibung");
  SetText(dlg, kName, "Berta");
  Press(dlg, IDOK);
  HWND rep = WaitRepetition(s);
  Check(rep != nullptr && WindowText(rep) == "Kennwort wiederholen", "repetition dialog appears");
  if (!rep) return 1;
  SetText(rep, kPassword, "geheimX");
  Press(rep, IDOK);
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find("stimmen nicht") != std::string::npos, "mismatch message 3025");
  Press(box, IDOK);
  Check(WaitFor([&] { return NoDialogWith(s.program, kName); }, 10000), "person dialog closed");
  s.Command(kSave);
  tw::PersonHeader saved;
  Check(WaitFor([&] { return (saved = ReadHeader(path)).Description() == "mit Beschreibung"; }, 10000),
        "the other changes are kept and saved");
  Check(!saved.HasPassword(), "a mistyped repetition keeps the file unprotected");
  Check(WindowText(child) == "Berta - 05.05.1980", "window title follows the new name");

  // Now with the right repetition.
  dlg = s.Open(kPersonData, kName);
  if (!dlg) return 1;
  SetText(dlg, kPassword, "geheim7");
  Press(dlg, IDOK);
  rep = WaitRepetition(s);
  if (!rep) return 1;
  SetText(rep, kPassword, "geheim7");
  Press(rep, IDOK);
  // The save is posted only once the repetition has ended: its modal loop would otherwise
  // run the save before the new password reaches the document.
  Check(WaitFor([&] { return !IsWindow(rep) && NoDialogWith(s.program, kName); }, 10000), "person dialog closed");
  s.Command(kSave);
  Check(WaitFor([&] { return ReadHeader(path).Password() == "geheim7"; }, 10000), "the repeated password is saved");
  PostMessageA(child, WM_CLOSE, 0, 0);
  Check(WaitFor([&] { return s.PersonWindows().empty(); }, 10000), "window closed after saving");

  // Wrong password: message 3011 and nothing opens.
  HWND prompt = s.Open(kRecent1, kFileLabel);
  Check(prompt != nullptr, "password prompt appears");
  if (!prompt) return 1;
  Check(WindowText(GetDlgItem(prompt, kFileLabel)) == path, "prompt names the file");
  SetText(prompt, kPassword, "GEHEIM7");
  Press(prompt, IDOK);
  box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find("Kennwort ist nicht richtig") != std::string::npos, "wrong password gives message 3011");
  Press(box, IDOK);
  Responds(s.frame);
  Check(s.PersonWindows().empty(), "a wrong password opens nothing");
  Check(IniValue("TidewellRecentFileList", "File1") == path, "the recent entry stays after a refused password");

  // Right password, typed with an eighth character that does not count.
  prompt = s.Open(kRecent1, kFileLabel);
  if (!prompt) return 1;
  SetText(prompt, kPassword, "geheim7Z");
  Press(prompt, IDOK);
  Check(WaitChildTitled(s, "Berta - 05.05.1980") != nullptr, "the right password opens the person");

  // Removing the password needs no repetition.
  dlg = s.Open(kPersonData, kName);
  if (!dlg) return 1;
  Check(WindowText(GetDlgItem(dlg, kPassword)) == "geheim7", "the dialog shows the stored password");
  SetText(dlg, kPassword, "");
  Press(dlg, IDOK);
  Check(WaitFor([&] { return NoDialogWith(s.program, kName); }, 10000), "person dialog closes without a repetition");
  Check(NoDialogWith(s.program, kNote), "no repetition dialog");
  s.Command(kSave);
  Check(WaitFor([&] { return !ReadHeader(path).HasPassword(); }, 10000), "the file is unprotected again");
  Check(s.Close(), "program ends");
  return 0;
}

int ReadOnlySecondWindow(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string path = MakeDocument(s.work + "\\carla.twd", "Carla", "");
  Check(s.Launch(ctx, path), "program started with the file");
  Check(WaitChildTitled(s, "Carla - 05.05.1980") != nullptr, "first window writable");
  s.Command(kOpenNamed);  // the shared name still holds the file
  HWND second = WaitChildTitled(s, "Carla - 05.05.1980 (schreibgeschützt)");
  Check(second != nullptr, "second window of the same file is read-only (title shows message 3059)");
  Check(s.PersonWindows().size() == 2, "two windows");
  Check(s.Close(), "program ends");
  return 0;
}

std::string ReadText(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

int CloseAsks(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string helpLog = s.work + "\\help.log";
  SetEnvironmentVariableA("TW_HELP_LOG", helpLog.c_str());
  Check(s.Launch(ctx), "program started");
  if (!s.frame) return 1;
  HWND dlg = s.Open(kNew, kName);
  if (!dlg) return 1;
  Press(dlg, IDC_DIALOG_HELP);
  Check(WaitFor([&] { return ReadText(helpLog).find("context 8001") != std::string::npos; }, 5000),
        "the dialog's help button opens topic 8001");
  SetText(dlg, kName, "Dora");
  Press(dlg, IDOK);
  HWND child = nullptr;
  WaitFor([&] { return s.PersonWindows().size() == 1 && (child = s.PersonWindows()[0]) != nullptr; }, 10000);
  Check(child != nullptr, "new person window");
  if (!child) return 1;
  PostMessageA(child, WM_CLOSE, 0, 0);
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find("Die Angaben zu Dora wurden ge") == 0, "closing a modified person asks 3021 with the name");
  Press(box, IDCANCEL);
  Responds(s.frame);
  Check(s.PersonWindows().size() == 1 && IsWindow(child), "Cancel keeps the window");
  PostMessageA(child, WM_CLOSE, 0, 0);
  box = WaitDialogWith(s.program, kMessageText);
  Check(box != nullptr && GetDlgItem(box, IDNO) != nullptr, "the question again, with a No button");
  std::printf("question: %s\n", MessageText(box).c_str());
  Press(box, IDNO);
  Check(WaitFor([&] { return s.PersonWindows().empty(); }, 10000), "No closes without saving");
  Check(s.Close(), "program ends without a further question");
  return 0;
}

// Each bad file gives message 3016 with its name and opens nothing.
int BadFiles(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  std::string header(1860, '\0');
  std::memcpy(&header[8], "TIDEWELL0200", 12);
  header[20] = 'X';  // the magic without its NUL
  const std::string truncated = s.work + "\\kurz.twd";
  const std::string noNul = s.work + "\\ohnenul.twd";
  const std::string text = s.work + "\\notiz.txt";
  WriteBytes(truncated, std::string("TIDEWELL0200", 12));
  WriteBytes(noNul, header);
  WriteBytes(text, "Nur ein Text\r\n");
  // A valid header whose notes break off inside the first entry still opens, without notes.
  const std::string cut = MakeDocument(s.work + "\\emil.twd", "Emil", "");
  {
    std::string bytes(1860, '\0');
    std::ifstream in(cut, std::ios::binary);
    in.read(bytes.data(), 1860);
    bytes += std::string("\x01" "abc", 4);
    WriteBytes(cut, bytes);
  }
  Check(s.Launch(ctx), "program started");
  if (!s.frame) return 1;
  for (const std::string& bad : {truncated, noNul, text}) {
    s.Command(kOpen);
    Check(SaveThroughDialog(s, bad, nullptr), "open dialog answered");
    HWND box = WaitDialogWith(s.program, kMessageText);
    const std::string want = "Die Datei " + bad + " l";
    Check(MessageText(box).rfind(want, 0) == 0, ("message 3016 names " + bad).c_str());
    Press(box, IDOK);
    Check(WaitFor([&] { return NoDialogWith(s.program, kMessageText); }, 10000), "message closed");
    Check(s.PersonWindows().empty(), "nothing opened");
  }
  Check(IniValue("TidewellRecentFileList", "File1").empty(), "failed files do not enter the recent list");
  s.Command(kOpen);
  Check(SaveThroughDialog(s, cut, nullptr), "open dialog answered");
  Check(WaitChildTitled(s, "Emil - 05.05.1980") != nullptr, "a cut-off notes area opens the person");
  Check(NoDialogWith(s.program, kMessageText), "without a message");
  Check(s.Close(), "program ends");
  return 0;
}

// A save that cannot write shows 3018, keeps the changes (the close still asks) and leaves
// the file as it was.
int SaveFails(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string dir = s.work + "\\sub", moved = s.work + "\\sub2";
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string path = MakeDocument(dir + "\\gustav.twd", "Gustav", "");
  Check(s.Launch(ctx, path), "program started with the file");
  HWND child = WaitChildTitled(s, "Gustav - 05.05.1980");
  Check(child != nullptr, "person opens");
  if (!child) return 1;
  // A file marked read-only is not replaced.
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HWND first = s.Open(kPersonData, kName);
  if (!first) return 1;
  SetText(first, 2055, "geschützt");
  Press(first, IDOK);
  Check(WaitFor([&] { return NoDialogWith(s.program, kName); }, 10000), "person dialog closed");
  HWND roBox = s.Open(kSave, kMessageText);
  Check(MessageText(roBox) == "Die Datei " + path + " lässt sich nicht schreiben.", "read-only file: message 3018");
  Press(roBox, IDOK);
  Check(ReadHeader(path).Description().empty(), "read-only file unchanged");
  Check(!Exists(path + ".old") && (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY),
        "no backup left beside it and still read-only");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

  Check(MoveFileA(dir.c_str(), moved.c_str()) != 0, "folder moved away under the open person");
  HWND dlg = s.Open(kPersonData, kName);
  if (!dlg) return 1;
  SetText(dlg, IDC_PERSON_DESCRIPTION, "neu");
  Press(dlg, IDOK);
  Check(WaitFor([&] { return NoDialogWith(s.program, kName); }, 10000), "person dialog closed");
  HWND box = s.Open(kSave, kMessageText);
  Check(MessageText(box) == "Die Datei " + path + " lässt sich nicht schreiben.", "message 3018 with the path");
  Press(box, IDOK);
  Check(ReadHeader(moved + "\\gustav.twd").Name() == "Gustav" &&
            ReadHeader(moved + "\\gustav.twd").Description().empty(),
        "the file keeps its previous content");
  PostMessageA(child, WM_CLOSE, 0, 0);
  box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find("Gustav") != std::string::npos, "the changes still count as unsaved");
  Press(box, IDNO);
  Check(WaitFor([&] { return s.PersonWindows().empty(); }, 10000), "No closes the window");
  Check(s.Close(), "program ends");
  return 0;
}

// A command line of 300 characters is cut to the shared buffer and fails with its message.
int LongCommandLine(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string name = "C:\\" + std::string(296, 'x');
  Check(s.Launch(ctx, name), "program started");
  HWND box = WaitDialogWith(s.program, kMessageText);
  const std::string text = MessageText(box);
  Check(text.rfind("Die Datei C:\\xxxx", 0) == 0, "message 3016 for the long name");
  std::printf("message: %zu characters\n", text.size());
  Press(box, IDOK);
  Responds(s.frame);
  Check(s.PersonWindows().empty(), "nothing opened");
  Check(s.Close(), "program ends");
  return 0;
}

int SecondInstance(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string path = MakeDocument(s.work + "\\fritz.twd", "Fritz", "");
  Check(s.Launch(ctx), "first instance started");
  if (!s.frame) return 1;
  Responds(s.frame);
  Program second;
  Check(second.Start(ctx.exe, s.work, path), "second instance started");
  DWORD code = 1;
  Check(second.WaitExit(30000, &code) && code == 0, "second instance ends at once with code 0");
  Responds(s.frame);
  Check(s.PersonWindows().empty(), "the first instance opened nothing");
  Check(s.Close(), "program ends");
  return 0;
}

// Starts the program with `path` and waits for its window titled `title`.
HWND LaunchWith(Session& s, const Context& ctx, const std::string& path, const std::string& title) {
  Check(s.Launch(ctx, path), "program started with the file");
  HWND child = WaitChildTitled(s, title);
  Check(child != nullptr, ("window " + title + " opens").c_str());
  return child;
}

// Saving over a file leaves the user's own x.twd.tmp and x.twd.old as they were, adds no
// file to the folder, and keeps the saved file's attributes.
int SaveKeepsNeighbours(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string path = MakeDocument(s.work + "\\carl.twd", "Carl", "");
  const std::string tmp = "eigene Datei, nicht anfassen", old = "auch meine";
  Check(WriteBytes(path + ".tmp", tmp) && WriteBytes(path + ".old", old), "the user's .tmp and .old written");
  Check(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE) != 0, "file made hidden");
  const bool hiddenKept = (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
  std::printf("the file system %s the hidden attribute\n", hiddenKept ? "keeps" : "does not keep");
  if (!LaunchWith(s, ctx, path, "Carl - 05.05.1980")) return 1;
  HWND dlg = s.Open(kPersonData, kName);
  if (!dlg) return Check(false, "person dialog"), 1;
  SetText(dlg, kName, "Carla");
  Press(dlg, IDOK);
  Check(WaitFor([&] { return NoDialogWith(s.program, kName); }, 10000), "person dialog closed");
  s.Command(kSave);
  Check(WaitFor([&] { return ReadHeader(path).Name() == "Carla"; }, 10000), "saved over the file");
  Check(ReadText(path + ".tmp") == tmp, "x.twd.tmp unchanged byte for byte");
  Check(ReadText(path + ".old") == old, "x.twd.old unchanged byte for byte");
  int files = 0;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((s.work + "\\carl.twd*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do ++files;
    while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  Check(files == 3, "no temporary file left beside them");
  if (hiddenKept) Check((GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0, "the saved file is still hidden");
  Check(s.Close(), "program ends");
  return 0;
}

// A birthday past the calendar's last day (a file written elsewhere) cannot be shown: the
// file is refused like any damaged one, and nothing opens.
int BirthdayAfterTheCalendar(const Context& ctx) {
  Session s;
  s.Prepare(ctx);
  const std::string path = MakeDocument(s.work + "\\dora.twd", "Dora", "", tw::DayFromDate(2051, 3, 5));
  Check(s.Launch(ctx), "program started");
  if (!s.frame) return 1;
  s.Command(kOpen);
  Check(SaveThroughDialog(s, path, nullptr), "open dialog answered");
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).rfind("Die Datei " + path + " l", 0) == 0, "message 3016 names the file");
  Press(box, IDOK);
  Check(WaitFor([&] { return NoDialogWith(s.program, kMessageText); }, 10000), "message closed");
  Check(s.PersonWindows().empty(), "nothing opened");
  Check(s.Close(), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("doc-new-save-reopen", NewSaveReopen);
TW_E2E_CASE("doc-password", PasswordProtect);
TW_E2E_CASE("doc-read-only-twice", ReadOnlySecondWindow);
TW_E2E_CASE("doc-close-asks", CloseAsks);
TW_E2E_CASE("doc-bad-files", BadFiles);
TW_E2E_CASE("doc-save-fails", SaveFails);
TW_E2E_CASE("doc-long-command-line", LongCommandLine);
TW_E2E_CASE("doc-second-instance", SecondInstance);
TW_E2E_CASE("doc-save-keeps-neighbours", SaveKeepsNeighbours);
TW_E2E_CASE("doc-birthday-after-calendar", BirthdayAfterTheCalendar);
