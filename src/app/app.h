// Process-wide state of the program: created at start, released at shutdown, and handed
// to the window and dialog procedures through TheApp().
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "calendar/year_table.h"
#include "core/platform.h"
#include "core/settings_values.h"
#include "reco/reco_files.h"
#include "reco/reco_tables.h"
#include "tw_ids.h"

namespace tw {

// Settings over "ORV.INI" through the profile functions; start-up points it at the user's
// folder before the first read.
class IniProfile : public Profile {
 public:
  explicit IniProfile(std::string file = "ORV.INI") : file_(std::move(file)) {}
  void SetFile(std::string file) { file_ = std::move(file); }
  const std::string& File() const { return file_; }
  bool Get(const std::string& section, const std::string& key, std::string& out) const override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::string file_;
};

// Numbered messages of the resource library in a message box owned by the frame.
class WinMessageSink : public MessageSink {
 public:
  int Show(int type, int id, const std::vector<MessageArg>& args) override;
};

constexpr int kFirstAppCursor = IDC_HELP_MODE;  // cursors of the program's resources, in id order
constexpr int kAppCursorCount = IDC_DRAG_NO - IDC_HELP_MODE + 1;
constexpr int kMaxChildren = 8;
constexpr int kBrushColours = 13;  // one brush per palette index and one per settings colour
constexpr int kBrushCount = 2 * kBrushColours;

struct App {
  HINSTANCE instance = nullptr;
  HMODULE library = nullptr;  // Tw-L.dll
  char productTitle[16] = "Tidewell";
  DWORD startTick = 0;

  LocaleValues locale;
  char decimalSeparator = ',';
  ScreenMetrics screen;
  int logPixelsX = 96, logPixelsY = 96;

  IniProfile profile;
  WinMessageSink sink;
  SettingsValues settings;
  std::string dataDir;      // read-only data: moon data, font, pictures, tips, help; empty or ending in "\"
  std::string userDataDir;  // the files the user changes (recommendations, special days)

  MoonData moon{sink};
  SpecialDayTable specialDays;
  YearTable yearTable;
  RecoTables reco;
  RecoSaveRotation recoRotation;
  bool recoLoaded = false;

  HFONT smallFont = nullptr;
  HFONT displayFont = nullptr;
  HFONT symbolFont = nullptr;
  HBRUSH dialogBrush = nullptr;
  HCURSOR waitCursor = nullptr;
  HCURSOR cursors[kAppCursorCount] = {};
  HMENU mainMenu = nullptr;
  HACCEL accelerators = nullptr;
  HIMAGELIST imageLists[3] = {};
  HPALETTE palette = nullptr;
  HMODULE richEdit = nullptr;

  // Frame-wide state
  HWND frame = nullptr, mdiClient = nullptr, toolbar = nullptr, conditionCombo = nullptr;
  HWND splitter = nullptr, sidePanel = nullptr, propertySheet = nullptr;
  HWND activeChild = nullptr;
  bool closing = false;
  bool helpMode = false;
  char fileName[256] = {};  // the file the next open or save uses
  DWORD newWindowStyle = 0;
  HBRUSH brushes[kBrushCount] = {};
  std::string fontFile;  // private copy of the glyph font added at start
  bool aboutAsStartPicture = false;
};

App& TheApp();

// Loads string `id` of the resource library; a missing string is empty.
std::string LoadLibString(int id);
int LoadLibString(int id, char* buf, int size);
// Message box with message `id` formatted by wvsprintf; the frame owns it.
int ShowMessage(int type, int id, std::initializer_list<MessageArg> args = {});
// Table of (control id, string id) pairs; the first pair is (flag, title id), flag -1
// keeps the title; a string id of -1 ends the table.
void LocalizeDialog(HWND dialog, const int* table);

// Window classes
constexpr char kFrameClass[] = "TwFrame";
constexpr char kChildClass[] = "TwChild";
constexpr char kDateBarClass[] = "OrvStatus";
constexpr char kValueLineClass[] = "OrvStatusText";
constexpr char kSplitterClass[] = "OrvResize";
constexpr char kSpinClass[] = "TwScroll";
constexpr char kPreviewClass[] = "TwPreview";

LRESULT CALLBACK FrameWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ChildWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK DateBarWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK ValueLineWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK SplitterWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK SpinWndProc(HWND, UINT, WPARAM, LPARAM);
LRESULT CALLBACK PreviewWndProc(HWND, UINT, WPARAM, LPARAM);

}  // namespace tw
