// Reading and driving the program's dialogs from the driver: top-level dialogs and message
// boxes, tree and list items through memory in the program's process, screenshots.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "e2e.h"

namespace tw {
class RecoTables;
}

namespace e2e {

constexpr int kMessageText = 0xFFFF;  // the text of a message box

// Visible top-level dialogs ("#32770") of the process, message boxes included.
std::vector<HWND> Dialogs(DWORD pid);
// A visible dialog of the program that has control `id`; nullptr after the timeout.
HWND WaitDialogWith(Program& p, int id, DWORD timeoutMs = 15000);
std::string MessageText(HWND box);
// Posts a button click (a sent click would wait for any dialog it opens); for a message
// box waits until it is gone, so the next wait cannot find it again.
void Press(HWND dlg, int id);
// Saves the whole screen as a 24-bit BMP for people to look at.
bool SaveScreen(const std::string& path);

// Items of a tree view or list view in another process, read through a block of memory
// allocated there.
class Remote {
 public:
  explicit Remote(HANDLE process);
  ~Remote();
  Remote(const Remote&) = delete;
  Remote& operator=(const Remote&) = delete;

  std::string TreeText(HWND tree, HTREEITEM item);
  LPARAM TreeParam(HWND tree, HTREEITEM item);
  // Depth-first lines "text" indented by two blanks per level, from the root items.
  std::vector<std::string> TreeLines(HWND tree);
  // The first item below `parent` (TVI_ROOT for the top) whose text starts with `prefix`.
  HTREEITEM FindTreeItem(HWND tree, HTREEITEM parent, const std::string& prefix);
  std::string ListText(HWND list, int index, int column = 0);
  // The item's rectangle in the tree's client coordinates (its label only with `label`).
  RECT TreeItemRect(HWND tree, HTREEITEM item, bool label);
  LPARAM ListParam(HWND list, int index);
  int ListImage(HWND list, int index);
  void SelectListItem(HWND list, int index);
  // The titles of a header control's items, left to right.
  std::vector<std::string> HeaderTexts(HWND header);

 private:
  LVITEMA ListItem(HWND list, int index, UINT mask);
  void* Put(const void* data, size_t size, size_t offset = 0);
  void Get(void* data, size_t size, size_t offset = 0);
  HANDLE process_;
  char* block_ = nullptr;
};

HTREEITEM TreeNext(HWND tree, HTREEITEM item, UINT code);

// Writes "Erika Muster", born 05.05.1980, made on 01.01.2024 with the view flags
// `preference` (nullptr: the program's default), as work\\erika.twd; returns its path.
// With `notes` the notes begin on 01.01.2024.
std::string WriteErikaDocument(const std::string& work, const uint32_t* preference = nullptr, bool notes = false);

// Sends a null message: true once the window has handled what was posted before it.
bool Responds(HWND w, DWORD timeoutMs = 20000);
// A control of a person window's date bar.
HWND DateBarItem(HWND child, int id);
// The whole text of a control (WindowText stops at 511 characters).
std::string LongText(HWND w);
// Chooses the selection `index` in the toolbar's ConditionCombo as a user would.
bool ChooseSelection(HWND frame, int index);
// The recommendation and selection tables as the core reads them from the work folder.
tw::RecoTables ReadTables(const std::string& work);

// A program started on a fresh copy of the data folder with fresh settings, driven
// through its frame.
struct FrameSession {
  Program program;
  HWND frame = nullptr;
  std::string work;

  // Copies the data folder, lets `prepare` change the copy and writes settings of
  // [TidewellGeneral] made of `ini`; StartWith then starts the program with `args`.
  void Prepare(const Context& ctx, const std::string& ini, const std::function<void(const std::string&)>& prepare = {});
  bool StartWith(const Context& ctx, const std::string& ini, const std::string& args = "",
                 const std::function<void(const std::string&)>& prepare = {});
  bool Launch(const Context& ctx, const std::string& args = "");
  std::string Path(const char* name) const { return work + "\\" + name; }
  void Command(int id) const { PostMessageA(frame, WM_COMMAND, id, 0); }
  // Posts a command to the frame and waits for the dialog that has `control`.
  HWND Open(int command, int control);
  // Types `path` into the file open dialog and confirms it; false when the dialog does not show.
  bool OpenFile(const std::string& path);
  // Closes the frame; true once the program has ended, with exit code 0 when `clean`.
  bool Close(bool clean = false);

  HWND MdiClient() const { return FindWindowExA(frame, nullptr, "MDIClient", nullptr); }
  std::vector<HWND> PersonWindows() const;
  // The first person window once its date bar holds `dateBarItem`; nullptr after the timeout.
  HWND WaitPerson(int dateBarItem, DWORD timeoutMs = 20000) const;
  // A control of the side panel.
  HWND PanelItem(int id) const;
};

// Moon calendar windows for new persons, no start-up tip, version note or last file.
struct ListSession : FrameSession {
  bool Start(const Context& ctx, const std::string& ini = "",
             const std::function<void(const std::string&)>& prepare = {}) {
    return StartWith(ctx, "Liste=1\r\nTipOnStart=0\r\nNewVersion=0\r\nStartLastFile=0\r\n" + ini, "", prepare);
  }
};

// A day as the date field shows it: "dd.mm.yyyy".
std::string DateText(int32_t day);

}  // namespace e2e
