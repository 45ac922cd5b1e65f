#include "app/startup.h"
#include "app/print.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include "app/frame.h"
#include "app/help.h"
#include "core/data_location.h"
#include "core/frame_layout.h"
#include "core/settings.h"
#include "tw_ids.h"

namespace tw {

std::vector<ExtraClass> ExtraWindowClasses() {
  return {
      {kDateBarClass, DateBarWndProc, CS_DBLCLKS, sizeof(LONG_PTR), true, true},
      {kValueLineClass, ValueLineWndProc, CS_DBLCLKS, sizeof(LONG_PTR), true, true},
      {kSplitterClass, SplitterWndProc, 0, 3 * sizeof(LONG_PTR), true, true},
      {kSpinClass, SpinWndProc, 0, sizeof(LONG_PTR), false, false},
      {kPreviewClass, PreviewWndProc, 0, sizeof(LONG_PTR), false, false},
  };
}

namespace {

constexpr int kGermany = 49;          // country code when the locale gives none
constexpr int kSmallImage = 12;       // pixels of the state and special day images
constexpr int kTreeImage = 18;        // of the recommendation tree images
constexpr COLORREF kMaskColour = RGB(255, 0, 255);  // transparent in every bitmap
constexpr int kTenthsPerInch = 720;   // font sizes are in tenths of a point
constexpr int kSmallFontTenths = 90;  // the small screen font: 9 point Arial

int LocaleNumber(LCTYPE type, int def) {
  char buf[16];
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf) <= 0) return def;
  return atoi(buf);
}

char LocaleChar(LCTYPE type, char def) {
  char buf[16];
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf) <= 0 || !buf[0]) return def;
  return buf[0];
}

HFONT MakeFont(const char* face, int height, int weight, BYTE charset) {
  LOGFONTA lf = {};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

HPALETTE MakePalette(const ColourTable& colours) {
  struct {
    WORD version, count;
    PALETTEENTRY entries[kColourCount];
  } pal = {0x300, kColourCount, {}};
  for (int i = 0; i < kColourCount; ++i) {
    uint32_t c = colours.entry[i];
    pal.entries[i] = {static_cast<BYTE>(c & 0xFF), static_cast<BYTE>((c >> 8) & 0xFF),
                      static_cast<BYTE>((c >> 16) & 0xFF), 0};
  }
  return CreatePalette(reinterpret_cast<LOGPALETTE*>(&pal));
}

HIMAGELIST MakeImageList(HINSTANCE inst, int size, int first, int last) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, last - first + 1, 0);
  for (int id = first; id <= last; ++id) {
    HBITMAP bmp = LoadBitmapA(inst, MAKEINTRESOURCEA(id));
    if (!bmp) continue;
    ImageList_AddMasked(list, bmp, kMaskColour);
    DeleteObject(bmp);
  }
  return list;
}

class WinFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) const override {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool MakeFolder(const std::string& path) override {
    CreateDirectoryA(path.c_str(), nullptr);
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool Copy(const std::string& from, const std::string& to) override {
    if (!CopyFileA(from.c_str(), to.c_str(), TRUE)) return false;
    // An installed default is read-only; the user's copy must not be.
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    return true;
  }
};

std::string ShellFolder(int csidl) {
  char path[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, 0, path)) || !path[0]) return "";
  return path;
}

// %APPDATA%\Tidewell\, or empty when the system names no such folder.
std::string UserFolder() {
  std::string base = ShellFolder(CSIDL_APPDATA);
  return base.empty() ? base : base + "\\" + kUserFolderName + "\\";
}

// Where a bare "ORV.INI" of an earlier version may lie: its virtualized copy first, which is
// what that version saw, then the Windows directory itself.
std::vector<std::string> OldSettingsFiles() {
  char win[MAX_PATH];
  UINT n = GetWindowsDirectoryA(win, sizeof win);
  if (n == 0 || n >= sizeof win) return {};
  std::string windows = win;
  std::vector<std::string> files;
  std::string local = ShellFolder(CSIDL_LOCAL_APPDATA);
  if (!local.empty() && windows.size() > 2 && windows[1] == ':')
    files.push_back(local + "\\VirtualStore" + windows.substr(2) + "\\" + kSettingsFileName);
  files.push_back(windows + "\\" + kSettingsFileName);
  return files;
}

std::string ProgramFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) return "";
  std::string p(path, n);
  size_t slash = p.find_last_of("\\/");
  return slash == std::string::npos ? "" : p.substr(0, slash + 1);
}

}  // namespace

void ReadLocaleValues(App& app) {
  LocaleValues& l = app.locale;
  l.dateOrder = LocaleNumber(LOCALE_IDATE, 1);
  l.dateSeparator = LocaleChar(LOCALE_SDATE, '.');
  l.centuryFlag = LocaleNumber(LOCALE_ICENTURY, 1);
  l.dayLeadingZero = LocaleNumber(LOCALE_IDAYLZERO, 1);
  l.monthLeadingZero = LocaleNumber(LOCALE_IMONLZERO, 1);
  l.timeLeadingZero = LocaleNumber(LOCALE_ITLZERO, 1);
  l.measurement = LocaleNumber(LOCALE_IMEASURE, 0);
  l.country = LocaleNumber(LOCALE_ICOUNTRY, kGermany);
  if (l.country == 0) l.country = kGermany;
  app.decimalSeparator = LocaleChar(LOCALE_SDECIMAL, ',');
}

void LoadCursors(App& app) {
  app.waitCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT));
  for (int i = 0; i < kAppCursorCount; ++i)
    app.cursors[i] = LoadCursorA(app.instance, MAKEINTRESOURCEA(kFirstAppCursor + i));
}

bool ReadEarlySettings(App& app) {
  HDC screen = GetDC(nullptr);
  app.screen.width = GetDeviceCaps(screen, HORZRES);
  app.screen.height = GetDeviceCaps(screen, VERTRES);
  app.logPixelsX = GetDeviceCaps(screen, LOGPIXELSX);
  app.logPixelsY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  WinFileSystem fs;
  const std::string userFolder = UserFolder();
  app.profile.SetFile(ChooseSettingsFile(userFolder, OldSettingsFiles(), fs).file);
  LoadStartValues(app.profile, app.locale, app.screen, waveOutGetNumDevs() > 0, app.settings);
  DataFolders folders = ChooseDataFolders(app.settings.dataPath, ProgramFolder(), userFolder, fs);
  app.dataDir = folders.program;
  app.userDataDir = folders.user;
  app.recoRotation.nextSave = app.settings.nextSave;
  app.accelerators = LoadAcceleratorsA(app.instance, MAKEINTRESOURCEA(IDA_ACCELERATORS));

  app.smallFont = MakeFont("Arial", -(app.logPixelsY * kSmallFontTenths / kTenthsPerInch), FW_NORMAL, ANSI_CHARSET);
  int size = EffectiveFontSize(app.settings.fontSize);
  app.displayFont = MakeFont(app.settings.font.c_str(), -(size * app.logPixelsY / kTenthsPerInch),
                             app.settings.fontWeight, DEFAULT_CHARSET);
  if (!app.smallFont || !app.displayFont) return false;

  // The glyph font ships in the data folder; make it available to this process only, so
  // the program works without installing it.
  app.fontFile = app.dataDir + "Astrological.ttf";
  AddFontResourceExA(app.fontFile.c_str(), FR_PRIVATE, nullptr);
  app.symbolFont = MakeFont("Astrological", -(size * app.logPixelsY / kTenthsPerInch), FW_NORMAL, SYMBOL_CHARSET);
  app.dialogBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  return true;
}

void ReleaseEarly(App& app) {
  if (app.dialogBrush) DeleteObject(app.dialogBrush);
  if (app.smallFont) DeleteObject(app.smallFont);
  if (app.displayFont) DeleteObject(app.displayFont);
  if (app.symbolFont) DeleteObject(app.symbolFont);
  if (!app.fontFile.empty()) RemoveFontResourceExA(app.fontFile.c_str(), FR_PRIVATE, nullptr);
  if (app.richEdit) FreeLibrary(app.richEdit);
  if (app.library) FreeLibrary(app.library);
  app.dialogBrush = nullptr;
  app.smallFont = app.displayFont = app.symbolFont = nullptr;
  app.fontFile.clear();
  app.richEdit = nullptr;
  app.library = nullptr;
}

void FinishStart(App& app, int show, const char* commandLine) {
  app.specialDays.Load(app.userDataDir);
  app.palette = MakePalette(app.settings.colours);
  app.imageLists[0] = MakeImageList(app.instance, kSmallImage, IDB_SPECIAL12_FIRST, IDB_SPECIAL12_LAST);
  app.imageLists[1] = MakeImageList(app.instance, kSmallImage, IDB_SMALL12_FIRST, IDB_SMALL12_LAST);
  app.imageLists[2] = MakeImageList(app.instance, kTreeImage, IDB_TREE18_FIRST, IDB_TREE18_LAST);
  DragAcceptFiles(app.frame, TRUE);
  LoadDefaultPrinter();

  const SettingsValues& s = app.settings;
  FramePlacement place = CheckFramePlacement(s.posX, s.posY, s.width, s.height, app.screen.width,
                                             app.screen.height);
  if (!place.maximize) {
    MoveWindow(app.frame, place.x, place.y, place.width, place.height, TRUE);
    ShowWindow(app.frame, show);
  } else {
    ShowWindow(app.frame, SW_MAXIMIZE);
  }
  UpdateWindow(app.frame);

  if (app.settings.newVersion) {
    app.settings.newVersion = 0;
    SetSettingNumber(app.profile, kSetNewVersion, 0);
    OpenHelp(HelpRequest::Contents, 0);
  }

  bool loaded = app.moon.Open(app.dataDir) && LoadRecoTable(app.userDataDir, app.reco, app.sink) &&
                LoadRecoSelTable(app.userDataDir, app.reco, app.sink);
  if (!loaded) {
    SendMessageA(app.frame, WM_CLOSE, 0, 0);
    return;
  }
  app.recoLoaded = true;
  app.reco.lastReco = app.settings.lastReco;
  LoadConditionCombo(false);

  if (commandLine[0]) {
    lstrcpynA(app.fileName, commandLine, sizeof app.fileName);
    PostMessageA(app.frame, WM_COMMAND, IDM_FILE_OPEN_NAMED, 0);
  } else if (app.settings.startLastFile) {
    PostMessageA(app.frame, WM_COMMAND, IDM_FILE_RECENT_FIRST, 0);
  }
  if (app.settings.tipOnStart) PostMessageA(app.frame, WM_COMMAND, IDM_TIP_OF_THE_DAY, 0);
}

bool WaitForEndingInstance(HWND other) {
  constexpr DWORD kEndingWaitMs = 15000;  // saving the data files and settings at exit
  if (!GetPropA(other, kEndingProperty)) return false;
  DWORD pid = 0;
  GetWindowThreadProcessId(other, &pid);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!process) return !IsWindow(other);
  const bool ended = WaitForSingleObject(process, kEndingWaitMs) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

void Shutdown(App& app) {
  SetPropA(app.frame, kEndingProperty, reinterpret_cast<HANDLE>(1));
  if (app.recoLoaded && SaveAtExit(app.userDataDir, app.reco, app.recoRotation, app.sink)) {
    app.settings.nextSave = app.recoRotation.nextSave;
    SetSettingNumber(app.profile, kSetNextSave, app.settings.nextSave);
  }
  if (app.settings.sound) sndPlaySoundA(nullptr, 0);

  FreeDefaultPrinter();
  if (app.palette) DeleteObject(app.palette);
  app.palette = nullptr;
  for (HBRUSH& b : app.brushes) {
    if (b) DeleteObject(b);
    b = nullptr;
  }
  app.moon.Close();

  // An empty rectangle makes the next start maximize.
  RECT r = {};
  if (!IsZoomed(app.frame) && !IsIconic(app.frame)) GetWindowRect(app.frame, &r);
  app.settings.posX = r.left;
  app.settings.posY = r.top;
  app.settings.width = r.right - r.left;
  app.settings.height = r.bottom - r.top;
  app.settings.lastReco = app.reco.lastReco;
  WriteExitValues(app.profile, app.settings);

  SetMenu(app.frame, nullptr);
  if (app.mainMenu) DestroyMenu(app.mainMenu);
  app.mainMenu = nullptr;
  CloseHelp();
  RemovePropA(app.frame, kEndingProperty);
  DestroyWindow(app.frame);
}

void ReleaseAfterLoop(App& app) {
  for (HIMAGELIST& l : app.imageLists) {
    if (l) ImageList_Destroy(l);
    l = nullptr;
  }
  app.moon.Close();
  ReleaseEarly(app);
}

}  // namespace tw
