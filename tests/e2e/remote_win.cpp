#include "remote_win.h"

#include <cstring>
#include <fstream>

#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "reco/reco_files.h"
#include "tw_ids.h"

namespace e2e {

namespace {
constexpr size_t kBlock = 4096;
constexpr size_t kTextOffset = 1024;
constexpr int kTextMax = 1000;

LRESULT SendWait(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(w, msg, wp, lp, SMTO_ABORTIFHUNG, 10000, &r);
  return static_cast<LRESULT>(r);
}
}  // namespace

std::vector<HWND> Dialogs(DWORD pid) {
  std::vector<HWND> out;
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) out.push_back(w);
  }
  return out;
}

HWND WaitDialogWith(Program& p, int id, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        for (HWND d : Dialogs(p.pi.dwProcessId))
          if (GetDlgItem(d, id)) {
            found = d;
            return true;
          }
        return false;
      },
      timeoutMs);
  return found;
}

std::string MessageText(HWND box) { return box ? WindowText(GetDlgItem(box, kMessageText)) : ""; }

void Press(HWND dlg, int id) {
  if (HWND b = GetDlgItem(dlg, id)) PostMessageA(b, BM_CLICK, 0, 0);
  if (GetDlgItem(dlg, kMessageText)) WaitFor([&] { return !IsWindow(dlg); }, 10000);
}

bool SaveScreen(const std::string& path) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>(((w * 3 + 3) / 4) * 4) * static_cast<DWORD>(h);
  BITMAPFILEHEADER fh = {};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
  fh.bfSize = fh.bfOffBits + size;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
  out.write(static_cast<const char*>(bits), size);
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return static_cast<bool>(out);
}

HTREEITEM TreeNext(HWND tree, HTREEITEM item, UINT code) {
  return reinterpret_cast<HTREEITEM>(SendWait(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

Remote::Remote(HANDLE process) : process_(process) {
  block_ = static_cast<char*>(VirtualAllocEx(process, nullptr, kBlock, MEM_COMMIT, PAGE_READWRITE));
}

Remote::~Remote() {
  if (block_) VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
}

void* Remote::Put(const void* data, size_t size, size_t offset) {
  SIZE_T n = 0;
  WriteProcessMemory(process_, block_ + offset, data, size, &n);
  return block_ + offset;
}

void Remote::Get(void* data, size_t size, size_t offset) {
  SIZE_T n = 0;
  ReadProcessMemory(process_, block_ + offset, data, size, &n);
}

std::string Remote::TreeText(HWND tree, HTREEITEM item) {
  TVITEMA it = {};
  it.mask = TVIF_TEXT;
  it.hItem = item;
  it.pszText = block_ + kTextOffset;
  it.cchTextMax = kTextMax;
  const char zero = 0;
  Put(&zero, 1, kTextOffset);
  SendWait(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(Put(&it, sizeof it)));
  char text[kTextMax + 1] = {};
  Get(text, kTextMax, kTextOffset);
  return text;
}

LPARAM Remote::TreeParam(HWND tree, HTREEITEM item) {
  TVITEMA it = {};
  it.mask = TVIF_PARAM;
  it.hItem = item;
  SendWait(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(Put(&it, sizeof it)));
  Get(&it, sizeof it);
  return it.lParam;
}

std::vector<std::string> Remote::TreeLines(HWND tree) {
  std::vector<std::string> lines;
  struct Walk {
    Remote& r;
    HWND tree;
    std::vector<std::string>& out;
    void Level(HTREEITEM first, int depth) {
      for (HTREEITEM i = first; i; i = TreeNext(tree, i, TVGN_NEXT)) {
        out.push_back(std::string(2 * depth, ' ') + r.TreeText(tree, i));
        Level(TreeNext(tree, i, TVGN_CHILD), depth + 1);
      }
    }
  } walk{*this, tree, lines};
  walk.Level(TreeNext(tree, nullptr, TVGN_ROOT), 0);
  return lines;
}

HTREEITEM Remote::FindTreeItem(HWND tree, HTREEITEM parent, const std::string& prefix) {
  HTREEITEM first = parent == TVI_ROOT ? TreeNext(tree, nullptr, TVGN_ROOT) : TreeNext(tree, parent, TVGN_CHILD);
  for (HTREEITEM i = first; i; i = TreeNext(tree, i, TVGN_NEXT))
    if (TreeText(tree, i).rfind(prefix, 0) == 0) return i;
  return nullptr;
}

RECT Remote::TreeItemRect(HWND tree, HTREEITEM item, bool label) {
  RECT r = {};
  std::memcpy(&r, &item, sizeof item);  // TVM_GETITEMRECT takes the item in the rectangle
  SendWait(tree, TVM_GETITEMRECT, label, reinterpret_cast<LPARAM>(Put(&r, sizeof r)));
  Get(&r, sizeof r);
  return r;
}

std::string Remote::ListText(HWND list, int index, int column) {
  LVITEMA it = {};
  it.iSubItem = column;
  it.pszText = block_ + kTextOffset;
  it.cchTextMax = kTextMax;
  SendWait(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(Put(&it, sizeof it)));
  char text[kTextMax + 1] = {};
  Get(text, kTextMax, kTextOffset);
  return text;
}

std::vector<std::string> Remote::HeaderTexts(HWND header) {
  std::vector<std::string> texts;
  const int count = static_cast<int>(SendWait(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    HDITEMA it = {};
    it.mask = HDI_TEXT;
    it.pszText = block_ + kTextOffset;
    it.cchTextMax = kTextMax;
    char text[kTextMax + 1] = {};
    Put(text, sizeof text, kTextOffset);
    SendWait(header, HDM_GETITEMA, i, reinterpret_cast<LPARAM>(Put(&it, sizeof it)));
    Get(text, kTextMax, kTextOffset);
    texts.push_back(text);
  }
  return texts;
}

LVITEMA Remote::ListItem(HWND list, int index, UINT mask) {
  LVITEMA it = {};
  it.mask = mask;
  it.iItem = index;
  SendWait(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(Put(&it, sizeof it)));
  Get(&it, sizeof it);
  return it;
}

LPARAM Remote::ListParam(HWND list, int index) { return ListItem(list, index, LVIF_PARAM).lParam; }

int Remote::ListImage(HWND list, int index) { return ListItem(list, index, LVIF_IMAGE).iImage; }

void Remote::SelectListItem(HWND list, int index) {
  LVITEMA it = {};
  it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  it.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendWait(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(Put(&it, sizeof it)));
}

void FrameSession::Prepare(const Context& ctx, const std::string& ini,
                           const std::function<void(const std::string&)>& prepare) {
  work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  if (prepare) prepare(work);
  std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
  out << "[TidewellGeneral]\r\n" << ini;
}

bool FrameSession::StartWith(const Context& ctx, const std::string& ini, const std::string& args,
                             const std::function<void(const std::string&)>& prepare) {
  Prepare(ctx, ini, prepare);
  return Launch(ctx, args);
}

bool FrameSession::Launch(const Context& ctx, const std::string& args) {
  program = Program();
  if (!program.Start(ctx.exe, work, args)) return false;
  frame = program.WaitWindow("TwFrame", 30000);
  return frame != nullptr;
}

HWND FrameSession::Open(int command, int control) {
  PostMessageA(frame, WM_COMMAND, command, 0);
  return WaitDialogWith(program, control);
}

bool FrameSession::OpenFile(const std::string& path) {
  Command(IDM_FILE_OPEN);
  // The about box is a dialog too: look for the one with a file name field (the combo of
  // the explorer-style dialog, or the edit of the old one).
  HWND dlg = nullptr, name = nullptr;
  WaitFor(
      [&] {
        for (HWND w : Dialogs(program.pi.dwProcessId))
          if ((name = GetDlgItem(w, 1148)) || (name = GetDlgItem(w, 1152))) {
            dlg = w;
            return true;
          }
        return false;
      },
      10000);
  if (!dlg) return false;
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dlg, WM_COMMAND, IDOK, 0);
  return true;
}

bool FrameSession::Close(bool clean) {
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  return program.WaitExit(30000, &code) && (!clean || code == 0);
}

std::vector<HWND> FrameSession::PersonWindows() const {
  std::vector<HWND> out;
  HWND client = MdiClient();
  HWND w = nullptr;
  while (client && (w = FindWindowExA(client, w, "TwChild", nullptr)) != nullptr) out.push_back(w);
  return out;
}

HWND FrameSession::WaitPerson(int dateBarItem, DWORD timeoutMs) const {
  HWND child = nullptr;
  WaitFor(
      [&] {
        const std::vector<HWND> all = PersonWindows();
        child = all.empty() ? nullptr : all.front();
        return child && DateBarItem(child, dateBarItem);
      },
      timeoutMs);
  return child && DateBarItem(child, dateBarItem) && Responds(child) ? child : nullptr;
}

HWND FrameSession::PanelItem(int id) const {
  for (HWND w = GetWindow(frame, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (HWND item = GetDlgItem(w, id)) return item;
  return nullptr;
}

bool Responds(HWND w, DWORD timeoutMs) {
  DWORD_PTR r = 0;
  return w && SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &r) != 0;
}

HWND DateBarItem(HWND child, int id) {
  HWND bar = child ? FindWindowExA(child, nullptr, "OrvStatus", nullptr) : nullptr;
  return bar ? GetDlgItem(bar, id) : nullptr;
}

std::string LongText(HWND w) {
  std::string buf(16384, '\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG, 5000, &got);
  buf.resize(std::strlen(buf.c_str()));
  return buf;
}

bool ChooseSelection(HWND frame, int index) {
  constexpr int kToolbar = 2043;
  HWND combo = GetDlgItem(GetDlgItem(frame, kToolbar), IDC_CONDITION_COMBO);
  const int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i)
    if (SendMessageA(combo, CB_GETITEMDATA, i, 0) == -(index + 1)) {
      SendMessageA(combo, CB_SETCURSEL, i, 0);
      SendMessageA(frame, WM_COMMAND, MAKEWPARAM(IDC_CONDITION_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
      return true;
    }
  return false;
}

tw::RecoTables ReadTables(const std::string& work) {
  tw::RecoTables t;
  tw::RecordingSink sink;
  tw::LoadRecoTable(work + "\\", t, sink);
  tw::LoadRecoSelTable(work + "\\", t, sink);
  return t;
}

std::string WriteErikaDocument(const std::string& work, const uint32_t* preference, bool notes) {
  tw::PersonDocument doc;
  tw::DocumentDefaults defaults;
  if (preference) defaults.preference = *preference;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, defaults);
  doc.header.SetName("Erika Muster");
  doc.header.SetBirthday(tw::DayFromDate(1980, 5, 5));
  if (notes) doc.header.SetNotesStart(tw::DayFromDate(2024, 1, 1));
  tw::RecordingSink sink;
  const std::string path = work + "\\erika.twd";
  Check(tw::SavePersonFile(doc, path, sink), "test document written");
  return path;
}

std::string DateText(int32_t d) {
  int y = 0, m = 0, day = 0;
  tw::DateFromDay(d, &y, &m, &day);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, m, y);
  return buf;
}

}  // namespace e2e
