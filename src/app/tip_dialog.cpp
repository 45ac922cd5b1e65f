// "Tip des Tages" (template 83): one hint of TwTips.dat at a time, the first one chosen at
// random, the next ones in file order with wrap-around. The file is read once when the
// dialog opens; a missing or empty file leaves the box empty and the button disabled.
#include <windows.h>
#include <richedit.h>

#include <memory>
#include <new>
#include <string>

#include "app/app.h"
#include "app/commands.h"
#include "app/help.h"
#include "core/rtf_builder.h"
#include "core/settings.h"
#include "core/tip_file.h"
#include "dialogs/special_days_ids.h"
#include "views/rtf_builder_win.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kTipPointTenths = 100;   // the tip text in the screen font at 10 points
constexpr size_t kHeadingMax = 63;
constexpr size_t kDocumentBytes = kTipLineMax + 1024;  // the tip and its frame

struct TipState {
  std::unique_ptr<TipFile> file;  // nullptr: no tips to show
};

std::string ReadTipBytes(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (bytes.size() < kTipMaxBytes && ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(f);
  return bytes;
}

void ShowTip(HWND dlg, TipFile& file) {
  RtfStyle style = RtfStyleFrom(TheApp().settings, TheApp().locale);
  style.screenFontSize = kTipPointTenths;
  std::string heading = LoadLibString(TWM_TIP_HEADING);
  if (heading.size() > kHeadingMax) heading.resize(kHeadingMax);
  const std::string tip = file.Next();
  std::unique_ptr<char[]> buffer(new (std::nothrow) char[kDocumentBytes]);
  if (!buffer) {
    ShowMessage(kMsgError, 3007);
    return;
  }
  RtfWriter w(buffer.get(), kDocumentBytes, style);
  w.Controls(kRtfHeader | kRtfLarge | kRtfBold | kRtfForeColour | RtfFore(kRtfMagenta))
      .Text(heading.c_str())
      .LineBreak()
      .Controls(kRtfPard | kRtfNormal)
      .LineBreak()
      .LineBreak()
      .Raw(tip.c_str())
      .LineBreak()
      .Controls(kRtfNormal);
  HWND box = GetDlgItem(dlg, IDC_TIP_TEXT);
  SetWindowTextA(box, "");
  RtfStreamIn(box, w.c_str());
}

void OnInit(HWND dlg, TipState& s) {
  App& app = TheApp();
  CheckDlgButton(dlg, IDC_TIP_ON_START, app.settings.tipOnStart ? BST_CHECKED : BST_UNCHECKED);
  auto file = std::make_unique<TipFile>(ReadTipBytes(app.dataDir + "TwTips.dat"));
  const int n = file->Count();
  if (n <= 0) {
    EnableWindow(GetDlgItem(dlg, IDC_TIP_NEXT), FALSE);
    return;
  }
  file->Skip(static_cast<int>(GetTickCount() % static_cast<DWORD>(n)));
  ShowTip(dlg, *file);
  if (n < 2) EnableWindow(GetDlgItem(dlg, IDC_TIP_NEXT), FALSE);
  s.file = std::move(file);
}

void OnClose(HWND dlg) {
  App& app = TheApp();
  app.settings.tipOnStart = IsDlgButtonChecked(dlg, IDC_TIP_ON_START) == BST_CHECKED ? 1 : 0;
  SetSettingNumber(app.profile, kSetTipOnStart, app.settings.tipOnStart);
  EndDialog(dlg, 1);
}

// Picture 188 centred at the top of its box.
void OnDrawPicture(const DRAWITEMSTRUCT& d) {
  FillRect(d.hDC, &d.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  HBITMAP picture = LoadBitmapA(TheApp().instance, MAKEINTRESOURCEA(IDB_TIP));
  if (!picture) return;
  BITMAP info{};
  GetObjectA(picture, sizeof info, &info);
  HDC mem = CreateCompatibleDC(d.hDC);
  HGDIOBJ old = SelectObject(mem, picture);
  const int x = d.rcItem.left + (d.rcItem.right - d.rcItem.left - info.bmWidth) / 2;
  BitBlt(d.hDC, x, d.rcItem.top, info.bmWidth, info.bmHeight, mem, 0, 0, SRCCOPY);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(picture);
}

INT_PTR CALLBACK TipProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<TipState*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dlg, DWLP_USER, lp);
      OnInit(dlg, *reinterpret_cast<TipState*>(lp));
      return TRUE;
    case WM_DRAWITEM:
      if (wp == IDC_TIP_PICTURE) {
        OnDrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wp) == IDC_TIP_NEXT && s && s->file) {
        ShowTip(dlg, *s->file);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) {
        OnClose(dlg);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

void RunTipDialog(int) {
  App& app = TheApp();
  TipState state;
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_TIP), app.frame, TipProc, reinterpret_cast<LPARAM>(&state));
}

CommandRegistrar g_tipCommand({IDM_TIP_OF_THE_DAY, IDM_TIP_OF_THE_DAY, RunTipDialog, nullptr, nullptr});

}  // namespace

}  // namespace tw
