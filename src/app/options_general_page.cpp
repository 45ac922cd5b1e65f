// Options, general page: the mode of new windows, signs or constellations, the last file at
// start, where applying reaches, sounds and the display font.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <prsht.h>

#include <cstdio>

#include "app/app.h"
#include "app/child.h"
#include "app/frame.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "app/side_panel.h"
#include "core/settings.h"
#include "dialogs/options_ids.h"

namespace tw {

namespace {

// The font the user chose on this page; the display font changes only on apply.
struct GeneralState {
  LOGFONTA font{};
  int32_t size = 100;  // tenths of a point
  bool fontChanged = false;
  HFONT sample = nullptr;  // the sample field's font, owned by the page
};

GeneralState& StateOf(HWND page) { return *reinterpret_cast<GeneralState*>(GetWindowLongPtrA(page, DWLP_USER)); }

LOGFONTA CurrentFont() {
  const App& app = TheApp();
  LOGFONTA lf{};
  if (app.displayFont) GetObjectA(app.displayFont, sizeof lf, &lf);
  lstrcpynA(lf.lfFaceName, app.settings.font.c_str(), LF_FACESIZE);
  lf.lfHeight = FontHeight(app.logPixelsY, app.settings.fontSize);
  lf.lfWeight = app.settings.fontWeight;
  return lf;
}

void ShowFontSample(HWND page, GeneralState& st) {
  const int32_t size = EffectiveFontSize(st.size);
  char text[160];
  std::snprintf(text, sizeof text, LoadLibString(TWM_FONT_SAMPLE).c_str(), size / 10, size % 10, st.font.lfFaceName);
  HFONT sample = CreateFontIndirectA(&st.font);
  HWND field = GetDlgItem(page, IDC_OPT_FONT_SAMPLE);
  if (sample) {
    SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(sample), FALSE);
    if (st.sample) DeleteObject(st.sample);
    st.sample = sample;
  }
  SetWindowTextA(field, text);
}

void GeneralInit(HWND page) {
  const SettingsValues& s = TheApp().settings;
  auto* st = new GeneralState;
  SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(st));
  CheckRadioButton(page, IDC_OPT_NEW_CHART, IDC_OPT_NEW_CALENDAR, s.liste ? IDC_OPT_NEW_CALENDAR : IDC_OPT_NEW_CHART);
  CheckRadioButton(page, IDC_OPT_SIGNS, IDC_OPT_CONSTELLATIONS, s.sternbild ? IDC_OPT_CONSTELLATIONS : IDC_OPT_SIGNS);
  Check(page, IDC_OPT_START_LAST_FILE, s.startLastFile != 0);
  Check(page, IDC_OPT_APPLY_TO_ALL, s.applyToAllWindows != 0);
  Check(page, IDC_OPT_SOUND, s.sound != 0);
  EnableWindow(GetDlgItem(page, IDC_OPT_SOUND), waveOutGetNumDevs() > 0);
  st->font = CurrentFont();
  st->size = s.fontSize;
  ShowFontSample(page, *st);
}

void ChooseScreenFont(HWND page) {
  GeneralState& st = StateOf(page);
  LOGFONTA lf = st.font;
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = page;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&cf)) {
    const DWORD error = CommDlgExtendedError();
    if (error) ShowMessage(MB_ICONHAND, TWM_DIALOG_ERROR, {static_cast<int>(error)});
    return;
  }
  st.font = lf;
  st.size = cf.iPointSize;
  st.fontChanged = true;
  ShowFontSample(page, st);
  Changed(page);
}

// The person windows' controls hold the display font, so they go before the old font is
// deleted and come back with the new one. False (and nothing changed) when the font
// cannot be made.
bool ChangeDisplayFont(const GeneralState& st) {
  App& app = TheApp();
  LOGFONTA lf = st.font;
  lf.lfHeight = FontHeight(app.logPixelsY, st.size);
  HFONT font = CreateFontIndirectA(&lf);
  if (!font) {
    ShowMessage(MB_ICONHAND, TWM_FONT_FAILED);
    return false;
  }
  SettingsValues& s = app.settings;
  s.font = lf.lfFaceName;
  s.fontSize = st.size;
  s.fontWeight = lf.lfWeight;
  WriteScreenFont(app.profile, s);
  RebuildChildControls(false);
  HFONT old = app.displayFont;
  app.displayFont = font;
  SetSidePanelFont(font);
  if (old) DeleteObject(old);
  RebuildChildControls(true);
  return true;
}

void GeneralApply(HWND page) {
  SettingsValues& s = TheApp().settings;
  GeneralState& st = StateOf(page);
  const int32_t liste = Checked(page, IDC_OPT_NEW_CALENDAR) ? 1 : 0;
  const bool listeChanged = liste != s.liste;
  s.liste = liste;
  // Without a person window the combo offers what a new window's mode needs.
  if (listeChanged && !ActiveDocument()) LoadConditionCombo(false);
  const int32_t sternbild = Checked(page, IDC_OPT_CONSTELLATIONS) ? 1 : 0;
  bool repaint = sternbild != s.sternbild;
  s.sternbild = sternbild;
  s.startLastFile = Checked(page, IDC_OPT_START_LAST_FILE) ? 1 : 0;
  s.applyToAllWindows = Checked(page, IDC_OPT_APPLY_TO_ALL) ? 1 : 0;
  const int32_t sound = IsWindowEnabled(GetDlgItem(page, IDC_OPT_SOUND)) && Checked(page, IDC_OPT_SOUND) ? 1 : 0;
  if (s.sound && !sound) sndPlaySoundA(nullptr, 0);
  s.sound = sound;
  if (st.fontChanged) {
    st.fontChanged = false;
    if (ChangeDisplayFont(st)) repaint = true;
  }
  if (repaint) {
    RepaintChildWindows();
    RebuildSidePanel();
  }
}

}  // namespace

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachWork(page, lp);
      GeneralInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) != BN_CLICKED) return TRUE;
      if (LOWORD(wp) == IDC_OPT_FONT)
        ChooseScreenFont(page);
      else
        Changed(page);
      return TRUE;
    case WM_NOTIFY:
      SetPageResult(page, OnPageNotify(page, reinterpret_cast<NMHDR*>(lp), GeneralApply));
      return TRUE;
    case WM_DESTROY:
      if (auto* st = reinterpret_cast<GeneralState*>(GetWindowLongPtrA(page, DWLP_USER))) {
        if (st->sample) DeleteObject(st->sample);
        delete st;
        SetWindowLongPtrA(page, DWLP_USER, 0);
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace tw
