// Recommendations and selections dialogs: creating, renaming and deleting in the tree, the
// save on closing with its backups, the files read back by the core, the calendar and the
// ConditionCombo following, bad and read-only files, and the figures of a full table.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "reco/reco_files.h"
#include "reco/reco_order.h"
#include "remote_win.h"

namespace {

using namespace e2e;

constexpr int kRecommendations = 7200, kSelections = 7201;
constexpr int kTree = 2600, kNewSel = 2605, kNew = 2606, kNewGroup = 2607, kApply = 2608, kDelete = 2610;
constexpr int kSelList = 2630, kClose = 2631, kExport = 2641;
constexpr int kCombo = 2061, kSummary = 2301;

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct Session : FrameSession {
  bool Start(const Context& ctx, const std::string& ini = "") {
    return StartWith(ctx, "Liste=1\r\nTipOnStart=0\r\nNewVersion=0\r\nStartLastFile=0\r\n" + ini);
  }
};

// The tables as the core reads them from the work folder.
tw::RecoTables ReadTables(const std::string& work) {
  tw::RecoTables t;
  tw::RecordingSink sink;
  tw::LoadRecoTable(work + "\\", t, sink);
  tw::LoadRecoSelTable(work + "\\", t, sink);
  return t;
}

// The tree's record lines (without root and category labels) as the core orders the file.
std::vector<std::string> ExpectedRecordLines(const tw::RecoTables& t) {
  std::vector<std::string> lines;
  const tw::RecoDisplayOrder order = tw::BuildDisplayOrder(t);
  for (const auto& category : order.categories)
    for (const tw::RecoTreeItem& top : category) {
      lines.push_back(std::string("    ") + t.records[top.slot].name);
      for (int m : top.members) lines.push_back(std::string("      ") + t.records[m].name);
    }
  return lines;
}

std::vector<std::string> RecordLines(const std::vector<std::string>& tree) {
  std::vector<std::string> out;
  for (const std::string& l : tree)
    if (l.rfind("    ", 0) == 0) out.push_back(l);
  return out;
}

// Edits the label of `item` in place and confirms it.
bool Rename(HWND tree, HTREEITEM item, const std::string& text) {
  DWORD_PTR r = 0;
  if (item) SendMessageTimeoutA(tree, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, 5000, &r);
  HWND edit = nullptr;
  WaitFor([&] { return (edit = reinterpret_cast<HWND>(SendMessageA(tree, TVM_GETEDITCONTROL, 0, 0))) != nullptr; }, 5000);
  if (!edit) return false;
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &r);
  SendMessageTimeoutA(tree, TVM_ENDEDITLABELNOW, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &r);
  return true;
}

// Names a new recommendation in the conditions editor that opens for it, and saves.
bool NameInEditor(Program& p, const char* name) {
  HWND editor = WaitDialogWith(p, 2603);
  if (!editor) return false;
  SendMessageA(GetDlgItem(editor, 2634), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  Press(editor, 2608);
  return WaitFor([&] { return !IsWindow(editor); }, 10000);
}

void Select(HWND tree, HTREEITEM item) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, 5000, &r);
}

bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != 0; }

// The first group header of the tree: a category's child that has children.
HTREEITEM FirstHeader(HWND tree) {
  HTREEITEM root = TreeNext(tree, nullptr, TVGN_ROOT);
  for (HTREEITEM c = TreeNext(tree, root, TVGN_CHILD); c; c = TreeNext(tree, c, TVGN_NEXT))
    for (HTREEITEM i = TreeNext(tree, c, TVGN_CHILD); i; i = TreeNext(tree, i, TVGN_NEXT))
      if (TreeNext(tree, i, TVGN_CHILD)) return i;
  return nullptr;
}

bool WaitGone(HWND dlg) { return WaitFor([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); }, 15000); }

int CreateRenameDelete(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "Oskelin=1\r\n"), "program started");
  if (!s.frame) return 1;
  HWND dlg = s.Open(kRecommendations, kNew);
  Check(dlg != nullptr, "recommendations dialog opens");
  if (!dlg) return 1;
  HWND tree = GetDlgItem(dlg, kTree);
  Remote remote(s.program.pi.hProcess);
  const tw::RecoTables before = ReadTables(s.work);
  const std::vector<std::string> opened = remote.TreeLines(tree);
  Check(RecordLines(opened) == ExpectedRecordLines(before), "tree in the order of the core's comparator");
  Check(!opened.empty() && opened[0].rfind("Empfehlungen (", 0) == 0, "root label counts the recommendations");
  Check(IsWindowVisible(GetDlgItem(dlg, kExport)) != 0, "export button shown with Oskelin");
  Check(Enabled(dlg, 2616), "the test over years is there");

  HTREEITEM root = TreeNext(tree, nullptr, TVGN_ROOT);
  Select(tree, root);
  Check(!Enabled(dlg, kNew) && !Enabled(dlg, kDelete), "root: no new record, nothing to delete");
  HTREEITEM plants = TreeNext(tree, root, TVGN_CHILD);
  Select(tree, plants);
  Check(Enabled(dlg, kNew) && Enabled(dlg, kNewGroup) && !Enabled(dlg, kDelete), "category: new enabled, delete not");

  // A new group: its header is named in place, then its first member.
  Press(dlg, kNewGroup);
  Check(Rename(tree, nullptr, "Gärten & Beete"), "new group's label edited at once");
  HTREEITEM header = remote.FindTreeItem(tree, plants, "Gärten & Beete");
  Check(header != nullptr, "group header shows its name");
  HTREEITEM member = header ? TreeNext(tree, header, TVGN_CHILD) : nullptr;
  Check(member && remote.TreeText(tree, member) == "?", "its first member is \"?\"");
  Check(Rename(tree, member, "Möhren säen über Nacht"), "member renamed in place");
  Check(remote.TreeText(tree, member) == "Möhren säen über Nacht", "label shows the umlauts");
  Select(tree, member);
  Check(Enabled(dlg, kDelete) && Enabled(dlg, 2628), "recommendation: delete and selections enabled");
  // A second member, named in the conditions editor that opens at once, sorts before the first.
  Press(dlg, kNew);
  Check(NameInEditor(s.program, "Äpfel ernten"), "second member named in the conditions editor");
  Check(remote.TreeText(tree, TreeNext(tree, header, TVGN_CHILD)) == "Äpfel ernten", "members sorted with Ä as A");

  // Delete an existing group after its question.
  HTREEITEM victim = nullptr;
  for (HTREEITEM h = FirstHeader(tree); h; h = TreeNext(tree, h, TVGN_NEXT))
    if (h != header && TreeNext(tree, h, TVGN_CHILD)) {
      victim = h;
      break;
    }
  Check(victim != nullptr, "a shipped group to delete");
  if (!victim) return 1;
  const std::string victimName = remote.TreeText(tree, victim);
  Select(tree, victim);
  Press(dlg, kDelete);
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find(victimName) != std::string::npos, "message 3022 names the group");
  Press(box, IDYES);
  const std::vector<std::string> edited = remote.TreeLines(tree);
  Check(std::none_of(edited.begin(), edited.end(),
                     [&](const std::string& l) { return l == "    " + victimName; }),
        "group gone from the tree");
  Press(dlg, kExport);
  Check(WaitFor([&] { return ReadFile(s.Path("Reco.txt")).find("      Möhren säen über Nacht\r\n") != std::string::npos; }, 5000),
        "Reco.txt lists the new member with six blanks");
  Select(tree, TreeNext(tree, plants, TVGN_CHILD));
  Check(!WindowText(GetDlgItem(dlg, 2632)).empty(), "the selected recommendation's conditions described");
  Sleep(500);  // let the tree and the description repaint
  SaveScreen("Z:\\tmp\\tw-reco-dialog.bmp");
  Press(dlg, kClose);
  Check(WaitGone(dlg), "dialog closed");

  const tw::RecoTables saved = ReadTables(s.work);
  const std::vector<std::string> savedLines = ExpectedRecordLines(saved);
  Check(RecordLines(edited) == savedLines, "Reco.dat read by the core holds what the tree showed");
  Check(Exists(s.Path("Reco.sv0")) && ReadFile(s.Path("Reco.sv0")) == ReadFile(ctx.data + "\\Reco.dat"),
        "backup 0 keeps the file of the start");
  Check(s.Close(), "program closed");

  Check(s.Launch(ctx), "program started again");
  dlg = s.Open(kRecommendations, kNew);
  if (!dlg) return 1;
  Remote again(s.program.pi.hProcess);
  const std::vector<std::string> reopened = again.TreeLines(GetDlgItem(dlg, kTree));
  Check(reopened == edited, "after a restart the tree shows the same");
  const std::string bytes = ReadFile(s.Path("Reco.dat"));
  Press(dlg, kClose);
  Check(WaitGone(dlg), "dialog closed without changes");
  Check(ReadFile(s.Path("Reco.dat")) == bytes && !Exists(s.Path("Reco.sv1")), "closing without changes writes nothing");
  Check(s.Close(), "program closed");
  return 0;
}

// Six saves: backup 0 once, then 1..4 in rotation, so the sixth overwrites backup 1.
int BackupsRotate(const Context& ctx) {
  Session s;
  Check(s.Start(ctx), "program started");
  if (!s.frame) return 1;
  std::vector<std::string> states = {ReadFile(s.Path("Reco.dat"))};
  for (int k = 1; k <= 6; ++k) {
    HWND dlg = s.Open(kRecommendations, kNew);
    if (!dlg) return 1;
    HWND tree = GetDlgItem(dlg, kTree);
    HTREEITEM root = TreeNext(tree, nullptr, TVGN_ROOT);
    HTREEITEM first = TreeNext(tree, TreeNext(tree, root, TVGN_CHILD), TVGN_CHILD);
    Rename(tree, first, "Runde " + std::to_string(k));
    Press(dlg, kClose);
    WaitGone(dlg);
    states.push_back(ReadFile(s.Path("Reco.dat")));
  }
  Check(states[6] != states[5], "every save writes the file");
  Check(ReadFile(s.Path("Reco.sv0")) == states[0], "backup 0: the state of the start");
  Check(ReadFile(s.Path("Reco.sv1")) == states[5], "backup 1: written again by the sixth save");
  Check(ReadFile(s.Path("Reco.sv2")) == states[2], "backup 2: before the third save");
  Check(ReadFile(s.Path("Reco.sv3")) == states[3], "backup 3: before the fourth save");
  Check(ReadFile(s.Path("Reco.sv4")) == states[4], "backup 4: before the fifth save");
  Check(Exists(s.Path("RecoSel.sv4")), "the selections rotate with them");
  char next[16] = {};
  GetPrivateProfileStringA("TidewellGeneral", "NextSave", "", next, sizeof next, IniPath().c_str());
  Check(std::string(next) == "2", "NextSave stored as 2");
  Check(s.Close(), "program closed");
  return 0;
}

std::string MakeDocument(const std::string& work) {
  static const uint32_t kListPreference = 46448u | 0x800u;  // moon calendar with the notes column
  return WriteErikaDocument(work, &kListPreference);
}

// The whole text of a control (WindowText stops at 511 characters).
std::string LongText(HWND w) {
  std::string buf(16384, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG, 5000, &got);
  buf.resize(std::strlen(buf.c_str()));
  return buf;
}

HWND SummaryBox(HWND frame) {
  for (HWND w = FindWindowExA(frame, nullptr, "#32770", nullptr); w; w = FindWindowExA(frame, w, "#32770", nullptr))
    if (HWND box = GetDlgItem(w, kSummary)) return box;
  return nullptr;
}

// Chooses the ConditionCombo entry named `name` as the user would.
bool ChooseInCombo(HWND frame, const std::string& name) {
  HWND toolbar = FindWindowExA(frame, nullptr, TOOLBARCLASSNAMEA, nullptr);
  HWND combo = toolbar ? GetDlgItem(toolbar, kCombo) : nullptr;
  if (!combo) return false;
  const int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    // Across processes the text arrives as UTF-16 whichever call asks.
    wchar_t wide[64] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= 64) continue;
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[128] = {};
    WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    if (name == text) {
      SendMessageA(combo, CB_SETCURSEL, i, 0);
      PostMessageA(frame, WM_COMMAND, MAKEWPARAM(kCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
      return true;
    }
  }
  return false;
}

// A new recommendation without conditions holds every day: the side panel shows it; a
// selection of it and one other shows only those two, and deleting it leaves the file free.
int CalendarAndSelections(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "Data=1023\r\nShowHidden=0\r\n"), "program started");
  if (!s.frame) return 1;
  const std::string doc = MakeDocument(s.work);
  s.Close();
  Check(s.Launch(ctx, "\"" + doc + "\""), "program started with a person");
  HWND summary = nullptr;
  // The panel shows today's summary once the window has taken its place.
  SYSTEMTIME now;
  GetSystemTime(&now);
  const std::string year = "." + std::to_string(now.wYear);
  WaitFor([&] { return (summary = SummaryBox(s.frame)) != nullptr && LongText(summary).find(year) != std::string::npos; },
          20000);
  Check(summary != nullptr, "side panel shows the day");
  if (!summary) return 1;
  const std::string allBefore = LongText(summary);

  HWND dlg = s.Open(kRecommendations, kNew);
  if (!dlg) return 1;
  HWND tree = GetDlgItem(dlg, kTree);
  Remote remote(s.program.pi.hProcess);
  HTREEITEM general = TreeNext(tree, TreeNext(tree, TreeNext(tree, TreeNext(tree, nullptr, TVGN_ROOT), TVGN_CHILD), TVGN_NEXT), TVGN_NEXT);
  Select(tree, general);
  Press(dlg, kNew);
  NameInEditor(s.program, "Täglich gießen");
  Press(dlg, kClose);
  WaitGone(dlg);
  Check(WaitFor([&] { return LongText(summary).find("Täglich gießen") != std::string::npos; }, 10000),
        "side panel shows the new recommendation at once");

  // The other recommendations the day shows under "all" must vanish under the new selection.
  const tw::RecoTables t = ReadTables(s.work);
  int daily = -1, other = -1;
  std::vector<std::string> shownOthers;
  for (int n = 0; n < tw::kRecoSlots; ++n) {
    const tw::RecoRecord& r = t.records[n];
    if (!r.occupied() || r.isHeader()) continue;
    if (std::string(r.name) == "Täglich gießen")
      daily = n;
    else if (std::strlen(r.name) > 6 && allBefore.find(r.name) != std::string::npos)
      shownOthers.push_back(r.name);
    else if (other < 0)
      other = n;
  }
  Check(daily >= 0 && other >= 0, "the new record and another found in Reco.dat");
  Check(!shownOthers.empty(), "under \"all\" the day shows other recommendations too");

  HWND sel = s.Open(kSelections, kNewSel);
  Check(sel != nullptr, "selection dialog opens");
  if (!sel) return 1;
  HWND list = GetDlgItem(sel, kSelList);
  HWND selTree = GetDlgItem(sel, kTree);
  Remote selRemote(s.program.pi.hProcess);
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    if (selRemote.ListParam(list, i) == 1) selRemote.SelectListItem(list, i);  // "none": an empty start
  Check(!Enabled(sel, kDelete), "the fixed selections cannot be deleted");
  for (int slot : {daily, other}) {
    HTREEITEM item = nullptr;
    // Find the item by its name below any category or header.
    std::vector<HTREEITEM> stack = {TreeNext(selTree, nullptr, TVGN_ROOT)};
    while (!stack.empty() && !item) {
      HTREEITEM i = stack.back();
      stack.pop_back();
      for (HTREEITEM c = TreeNext(selTree, i, TVGN_CHILD); c; c = TreeNext(selTree, c, TVGN_NEXT)) {
        if (selRemote.TreeParam(selTree, c) == slot) item = c;
        stack.push_back(c);
      }
    }
    Check(item != nullptr, "recommendation found in the selection tree");
    Select(selTree, item);
    PostMessageA(selTree, WM_KEYDOWN, VK_SPACE, 0);
    Sleep(200);
  }
  Press(sel, kNewSel);
  HWND edit = nullptr;
  WaitFor([&] { return (edit = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0))) != nullptr; }, 5000);
  Check(edit != nullptr, "new selection's label edited at once");
  if (!edit) return 1;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Zwei Stück"));
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
  WaitFor([&] { return !SendMessageA(list, LVM_GETEDITCONTROL, 0, 0); }, 5000);
  SaveScreen("Z:\\tmp\\tw-selection-dialog.bmp");
  Press(sel, kClose);
  WaitGone(sel);

  tw::RecoTables after = ReadTables(s.work);
  int entry = -1;
  for (int e = tw::kFirstUserSelection; e < tw::kRecoSelEntries; ++e)
    if (after.selections[e].inUse && std::string(after.selections[e].name) == "Zwei Stück") entry = e;
  Check(entry >= 0, "RecoSel.dat holds the new selection");
  if (entry < 0) return 1;
  int members = 0;
  for (int n = 0; n < tw::kRecoSlots; ++n) members += after.selections[entry].members.Get(n);
  Check(members == 2 && after.selections[entry].members.Get(daily) && after.selections[entry].members.Get(other),
        "exactly the two recommendations are members");

  Check(ChooseInCombo(s.frame, "Zwei Stück"), "selection chosen in the ConditionCombo");
  Check(WaitFor([&] {
          const std::string text = LongText(summary);
          return text.find("Täglich gießen") != std::string::npos &&
                 std::none_of(shownOthers.begin(), shownOthers.end(),
                              [&](const std::string& n) { return text.find(n) != std::string::npos; });
        }, 10000),
        "side panel shows only the selection's recommendations");

  sel = s.Open(kSelections, kNewSel);
  if (!sel) return 1;
  Check(Enabled(sel, kDelete), "the current user selection can be deleted");
  Press(sel, kDelete);
  Press(sel, kClose);
  WaitGone(sel);
  Check(!ReadTables(s.work).selections[entry].inUse, "deleted selection is free in RecoSel.dat");
  Check(s.Close(), "program closed");
  return 0;
}

// Damaged files at start: a short or garbage Reco.dat is read as it is and not written
// until something changes; one that cannot be opened ends the start with message 3019.
int BadRecoFiles(const Context& ctx) {
  for (const std::string& content : {std::string(100, 'x'), std::string(5000, '\xA7')}) {
    Session s;
    Check(s.Start(ctx), "program started");
    if (!s.frame) return 1;
    s.Close();
    std::ofstream(s.Path("Reco.dat"), std::ios::binary | std::ios::trunc) << content;
    Check(s.Launch(ctx), "program starts with a damaged Reco.dat");
    HWND dlg = s.Open(kRecommendations, kNew);
    Check(dlg != nullptr, "dialog opens over the damaged table");
    if (dlg) {
      Press(dlg, kClose);
      WaitGone(dlg);
    }
    Check(s.Close(), "program closed");
    Check(ReadFile(s.Path("Reco.dat")) == content && !Exists(s.Path("Reco.sv0")), "damaged file left as it was");
  }
  Session s;
  Check(s.Start(ctx), "program started");
  s.Close();
  DeleteFileA(s.Path("Reco.dat").c_str());
  CreateDirectoryA(s.Path("Reco.dat").c_str(), nullptr);
  Check(s.program.Start(ctx.exe, s.work), "program started over an unreadable Reco.dat");
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find("Reco.dat") != std::string::npos, "message 3019 names the file");
  Press(box, IDOK);
  DWORD code = 0;
  Check(s.program.WaitExit(30000, &code), "program ends");
  return 0;
}

// A read-only Reco.dat: the save on closing shows message 3018 and leaves the file as it
// was; the edit stays in memory, so the save at exit tries again.
int ReadOnlyReco(const Context& ctx) {
  Session s;
  Check(s.Start(ctx), "program started");
  if (!s.frame) return 1;
  const std::string path = s.Path("Reco.dat");
  const std::string bytes = ReadFile(path);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HWND dlg = s.Open(kRecommendations, kNew);
  if (!dlg) return 1;
  HWND tree = GetDlgItem(dlg, kTree);
  HTREEITEM root = TreeNext(tree, nullptr, TVGN_ROOT);
  Rename(tree, TreeNext(tree, TreeNext(tree, root, TVGN_CHILD), TVGN_CHILD), "Geändert");
  Press(dlg, kClose);
  HWND box = WaitDialogWith(s.program, kMessageText);
  Check(MessageText(box).find(path.substr(path.rfind('\\') + 1)) != std::string::npos, "save failure names Reco.dat");
  Press(box, IDOK);
  WaitGone(dlg);
  Check(ReadFile(path) == bytes, "read-only file unchanged");
  Check(!Exists(s.Path("Reco.sv0")) && !Exists(s.Path("Reco.tmp")), "no backup taken, no temporary file left");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  PostMessageA(s.frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(s.program.WaitExit(30000, &code), "program closed");
  Check(ReadFile(path) != bytes && Exists(s.Path("Reco.sv1")), "the kept edit is saved at exit once writable");
  return 0;
}

// Figures: opening the dialog with 768 recommendations, closing with compaction and save.
int FullTableFigures(const Context& ctx) {
  Session s;
  Check(s.Start(ctx), "program started");
  if (!s.frame) return 1;
  s.Close();
  tw::RecoTables full;
  for (int n = 0; n < tw::kRecoSlots; ++n) {
    tw::RecoRecord r;
    const int group = n / 8;
    r.category = static_cast<uint8_t>(1 + group % 3);
    r.groupLink = static_cast<int16_t>(n % 8 == 0 ? -(group + 1) : group + 1);
    r.SetName(("Empfehlung " + std::to_string((n * 7919) % 1000)).c_str());
    full.Occupy(767 - n, r);
  }
  tw::RecordingSink sink;
  full.recoDirty = true;
  Check(tw::SaveRecoTable(s.work + "\\", 0, full, sink), "768 records written");
  DeleteFileA(s.Path("Reco.sv0").c_str());
  Check(s.Launch(ctx), "program started with a full table");
  DWORD t0 = GetTickCount();
  HWND dlg = s.Open(kRecommendations, kNew);
  Remote remote(s.program.pi.hProcess);
  HWND tree = dlg ? GetDlgItem(dlg, kTree) : nullptr;
  Check(tree && WaitFor([&] { return remote.TreeText(tree, TreeNext(tree, nullptr, TVGN_ROOT)) == "Empfehlungen (672)"; }, 20000),
        "dialog shows 672 recommendations in 96 groups");
  const DWORD openMs = GetTickCount() - t0;
  if (!tree) return 1;
  Check(!Enabled(dlg, kNew), "no free slot: new disabled");
  HTREEITEM root = TreeNext(tree, nullptr, TVGN_ROOT);
  Rename(tree, TreeNext(tree, TreeNext(tree, TreeNext(tree, root, TVGN_CHILD), TVGN_CHILD), TVGN_CHILD), "Zuerst");
  t0 = GetTickCount();
  Press(dlg, kClose);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 20000), "dialog closed");
  const DWORD closeMs = GetTickCount() - t0;
  std::printf("figure: open with 768 records %lu ms, close with compaction and save %lu ms (20 ms polling)\n",
              static_cast<unsigned long>(openMs), static_cast<unsigned long>(closeMs));
  const tw::RecoTables saved = ReadTables(s.work);
  Check(saved.records[0].groupLink == -12 && saved.records[1].groupLink == 12, "compacted: first group numbered 12");
  Check(s.Close(), "program closed");
  return 0;
}

}  // namespace

TW_E2E_CASE("reco-create-rename-delete", CreateRenameDelete);
TW_E2E_CASE("reco-backups-rotate", BackupsRotate);
TW_E2E_CASE("reco-calendar-selections", CalendarAndSelections);
TW_E2E_CASE("reco-bad-files", BadRecoFiles);
TW_E2E_CASE("reco-read-only", ReadOnlyReco);
TW_E2E_CASE("reco-full-table-figures", FullTableFigures);
