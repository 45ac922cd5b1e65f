// About box (template IDD_ABOUT), which also serves as the start picture: the picture
// "Tidewell.bmp" of the data folder with four lines of text over its lower edge. It
// closes itself after 4 s as start picture and after 40 s otherwise, or on a click.
//
// As start picture it is modeless: a modal box would run its own message loop inside the
// start-up, and a message posted to the frame meanwhile (a close, a dropped file, a
// command) would be carried out before the data files are loaded. Opened by the command
// it is modal.
#include "app/app.h"

#include <mmsystem.h>

#include <vector>

#include "app/commands.h"
#include "core/dib_file.h"
#include "core/settings.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT kStartPictureMs = 4000;
constexpr UINT kAboutMs = 40000;
constexpr int kNoPictureWidth = 300, kNoPictureHeight = 400;
constexpr size_t kMaxPictureBytes = 32u << 20;

// The fourth line keeps the template's text.
constexpr int kLocalize[] = {-1, 0, IDC_ABOUT_LINE1, TWM_ABOUT_LINE1, IDC_ABOUT_LINE2, TWM_ABOUT_LINE2,
                             IDC_ABOUT_LINE3, TWM_ABOUT_LINE3, 0, -1};
constexpr int kLineMargin = 16;   // pixels left and right of the lines
constexpr int kBottomMargin = 11; // below the last line
constexpr int kLineGap = 2;
// Bounds of the template copy the start picture is made from.
constexpr DWORD kMinTemplateBytes = 16, kMaxTemplateBytes = 65536;

struct AboutState {
  bool startPicture = false;
  bool modeless = false;
  bool havePicture = false;
  DibPicture picture;
  HPALETTE palette = nullptr;
};

HWND g_startPicture = nullptr;  // the modeless box while it shows
AboutState g_startState;        // its state; a modal box keeps its own on the stack

bool ReadPicture(const std::string& path, DibPicture& out) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  DWORD size = GetFileSize(f, nullptr);
  bool ok = false;
  if (size != INVALID_FILE_SIZE && size <= kMaxPictureBytes) {
    std::vector<uint8_t> bytes(size);
    DWORD got = 0;
    if (ReadFile(f, bytes.data(), size, &got, nullptr) && got == size) ok = ParseDibFile(bytes.data(), size, out);
  }
  CloseHandle(f);
  return ok;
}

HPALETTE MakePicturePalette(const DibPicture& p) {
  if (p.colourCount <= 0) return nullptr;
  std::vector<uint8_t> block(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * p.colourCount);
  auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = static_cast<WORD>(p.colourCount);
  for (int i = 0; i < p.colourCount; ++i) {
    uint32_t c = p.Colour(i);
    lp->palPalEntry[i] = {static_cast<BYTE>(c >> 16), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c), 0};
  }
  return CreatePalette(lp);
}

// The four lines stand over the picture's lower edge, the last one lowest.
void LayOut(HWND dlg, int width, int height) {
  int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(dlg, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  int lineY = height - kBottomMargin;
  for (int id : {IDC_ABOUT_LINE4, IDC_ABOUT_LINE3, IDC_ABOUT_LINE2, IDC_ABOUT_LINE1}) {
    HWND line = GetDlgItem(dlg, id);
    if (!line) continue;
    RECT r;
    GetWindowRect(line, &r);
    int h = r.bottom - r.top;
    MoveWindow(line, kLineMargin, lineY - h, width - 2 * kLineMargin, h, FALSE);
    lineY -= h + kLineGap;
  }
}

void PlaySoundIfOn() {
  App& app = TheApp();
  if (!app.settings.sound) return;
  char wave[256];
  GetProfileTextByName(app.profile, "AboutWave", "Sound", wave, sizeof wave, "");
  if (wave[0]) sndPlaySoundA(wave, SND_ASYNC | SND_NODEFAULT);
}

void Close(HWND dlg, AboutState* s) {
  KillTimer(dlg, kCloseTimer);
  if (s && s->modeless)
    DestroyWindow(dlg);
  else
    EndDialog(dlg, 1);
}

void OnPaint(HWND dlg, AboutState* s) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(dlg, &ps);
  RECT c;
  GetClientRect(dlg, &c);
  if (s && s->havePicture) {
    HPALETTE old = nullptr;
    if (s->palette) {
      old = SelectPalette(dc, s->palette, FALSE);
      RealizePalette(dc);
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(s->picture.info.data());
    StretchDIBits(dc, 0, 0, c.right, c.bottom, 0, 0, s->picture.width, s->picture.height,
                  s->picture.pixels.data(), info, DIB_RGB_COLORS, SRCCOPY);
    if (old) SelectPalette(dc, old, FALSE);
  } else {
    FillRect(dc, &c, GetSysColorBrush(COLOR_BTNFACE));
  }
  EndPaint(dlg, &ps);
}

void OnInitDialog(HWND dlg, AboutState* s) {
  LocalizeDialog(dlg, kLocalize);
  App& app = TheApp();
  s->havePicture = ReadPicture(app.dataDir + "Tidewell.bmp", s->picture);
  if (s->havePicture) s->palette = MakePicturePalette(s->picture);
  LayOut(dlg, s->havePicture ? s->picture.width : kNoPictureWidth,
         s->havePicture ? s->picture.height : kNoPictureHeight);
  SetTimer(dlg, kCloseTimer, s->startPicture ? kStartPictureMs : kAboutMs, nullptr);
  PlaySoundIfOn();
}

INT_PTR OnCtlColor(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
}

void OnDestroy(HWND dlg, AboutState* s) {
  KillTimer(dlg, kCloseTimer);
  if (s) {
    if (s->palette) DeleteObject(s->palette);
    s->palette = nullptr;
    s->picture = DibPicture();
    s->havePicture = false;
    if (s->modeless) g_startPicture = nullptr;
  }
  SetWindowLongPtrA(dlg, DWLP_USER, 0);
}

INT_PTR CALLBACK AboutDlgProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<AboutState*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      OnInitDialog(dlg, reinterpret_cast<AboutState*>(lp));
      return TRUE;
    case WM_PAINT:
      OnPaint(dlg, s);
      return TRUE;
    case WM_ERASEBKGND:
      return TRUE;  // the picture covers everything
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return OnCtlColor(reinterpret_cast<HDC>(wp));
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
      if (msg == WM_PALETTECHANGED && reinterpret_cast<HWND>(wp) == dlg) return FALSE;
      InvalidateRect(dlg, nullptr, FALSE);
      return TRUE;
    case WM_TIMER:
      if (wp == kCloseTimer) Close(dlg, s);
      return TRUE;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      Close(dlg, s);
      return TRUE;
    case WM_KEYDOWN:
      // The modeless start picture gets no dialog keys from the main loop.
      if (wp == VK_ESCAPE || wp == VK_RETURN) Close(dlg, s);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) Close(dlg, s);
      return TRUE;
    case WM_DESTROY:
      OnDestroy(dlg, s);
      return TRUE;
  }
  return FALSE;
}

// The start picture from a copy of the template without WS_VISIBLE, so that it can be
// shown without taking the activation: the frame and the windows the start opens keep
// the keyboard, and closing the picture moves no focus.
HWND CreateStartPicture(HWND owner, AboutState* state) {
  App& app = TheApp();
  HRSRC res = FindResourceA(app.instance, MAKEINTRESOURCEA(IDD_ABOUT), reinterpret_cast<LPCSTR>(RT_DIALOG));
  HGLOBAL block = res ? LoadResource(app.instance, res) : nullptr;
  const void* data = block ? LockResource(block) : nullptr;
  DWORD size = res ? SizeofResource(app.instance, res) : 0;
  if (!data || size < kMinTemplateBytes || size > kMaxTemplateBytes) return nullptr;
  std::vector<DWORD> copy((size + 3) / 4);
  CopyMemory(copy.data(), data, size);
  auto* bytes = reinterpret_cast<BYTE*>(copy.data());
  // DLGTEMPLATEEX (signature 0xFFFF) keeps the style after version, signature, help id and
  // extended style; the plain template starts with it.
  DWORD styleOffset = (bytes[2] == 0xFF && bytes[3] == 0xFF) ? 12 : 0;
  DWORD style;
  CopyMemory(&style, bytes + styleOffset, 4);
  style &= ~WS_VISIBLE;
  CopyMemory(bytes + styleOffset, &style, 4);
  return CreateDialogIndirectParamA(app.instance, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), owner, AboutDlgProc,
                                    reinterpret_cast<LPARAM>(state));
}

void RunAboutDialog(int) {
  App& app = TheApp();
  bool start = app.aboutAsStartPicture;
  app.aboutAsStartPicture = false;  // from now on the long display time
  if (g_startPicture) {
    SetForegroundWindow(g_startPicture);
    return;
  }
  if (start) {
    g_startState = AboutState();
    g_startState.startPicture = true;
    g_startState.modeless = true;
    HWND dlg = CreateStartPicture(app.frame, &g_startState);
    if (!dlg) return;
    g_startPicture = dlg;
    ShowWindow(dlg, SW_SHOWNOACTIVATE);
    UpdateWindow(dlg);
    return;
  }
  AboutState state;
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_ABOUT), app.frame, AboutDlgProc,
                  reinterpret_cast<LPARAM>(&state));
}

CommandRegistrar g_aboutCommand({IDM_ABOUT, IDM_ABOUT, RunAboutDialog, nullptr, nullptr});

}  // namespace

}  // namespace tw
