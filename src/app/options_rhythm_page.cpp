// Options, rhythm page: letter, name and colour of each of the seven rhythms. A chosen
// colour goes into the colour table at once, so its button shows it; Cancel puts the
// colours back.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <array>
#include <string>

#include "app/app.h"
#include "app/child.h"
#include "app/child_window.h"
#include "app/colour_button.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "bio/rhythm_label.h"
#include "core/colour_table.h"
#include "dialogs/options_ids.h"

namespace tw {

namespace {

constexpr int kNameChars = 30;

struct RhythmPage {
  std::array<uint32_t, kRhythmColourCount> kept{};  // the colours when the page was made
};

RhythmPage* StateOf(HWND page) { return reinterpret_cast<RhythmPage*>(GetWindowLongPtrA(page, DWLP_USER)); }

uint32_t& RhythmColour(int rhythm) { return TheApp().settings.colours.entry[kRhythmColourFirst + rhythm]; }

std::string FieldText(HWND page, int id, int chars) {
  std::string text(static_cast<size_t>(chars) + 1, '\0');
  text.resize(static_cast<size_t>(GetDlgItemTextA(page, id, text.data(), chars + 1)));
  return text;
}

void OnInit(HWND page, RhythmPage& s) {
  const RhythmLabels& labels = CurrentRhythmLabels();
  for (int r = 0; r < kRhythmCount; ++r) {
    s.kept[r] = RhythmColour(r);
    SendDlgItemMessageA(page, IDC_RHYTHM_NAME_FIRST + r, EM_LIMITTEXT, kNameChars, 0);
    SendDlgItemMessageA(page, IDC_RHYTHM_LETTER_FIRST + r, EM_LIMITTEXT, 1, 0);
    SetDlgItemTextA(page, IDC_RHYTHM_NAME_FIRST + r, labels[r].Name());
    SetDlgItemTextA(page, IDC_RHYTHM_LETTER_FIRST + r, labels[r].text);
  }
}

void OnColourButton(HWND page, int rhythm) {
  COLORREF colour = static_cast<COLORREF>(RhythmColour(rhythm));
  if (!RunColourDialog(page, colour)) return;
  RhythmColour(rhythm) = static_cast<uint32_t>(colour) & 0x00FFFFFF;
  InvalidateRect(GetDlgItem(page, IDC_RHYTHM_COLOUR_FIRST + rhythm), nullptr, TRUE);
  Changed(page);
}

void OnApply(HWND page) {
  RhythmPage& s = *StateOf(page);
  App& app = TheApp();
  const std::string word = LoadLibString(TWM_RHYTHM_WORD);
  RhythmLabels labels;
  for (int r = 0; r < kRhythmCount; ++r) {
    labels[r] = LabelFromEntry(r, FieldText(page, IDC_RHYTHM_LETTER_FIRST + r, 1),
                               FieldText(page, IDC_RHYTHM_NAME_FIRST + r, kNameChars), word);
    app.settings.rhythmTexts[r] = labels[r].SettingText();
  }
  SaveRhythmLabels(app.profile, labels);
  // The combos and ValueLines read the labels from the settings again.
  ReloadRhythmCombos();
  bool coloursChanged = false;
  for (int r = 0; r < kRhythmCount; ++r) coloursChanged = coloursChanged || RhythmColour(r) != s.kept[r];
  if (coloursChanged) {
    WriteRhythmColours(app.profile, app.settings.colours);
    UseColourEntries(kRhythmColourFirst, kRhythmColourCount);
    for (int r = 0; r < kRhythmCount; ++r) s.kept[r] = RhythmColour(r);
  }
  RepaintChildWindows();
}

void OnReset(HWND page) {
  const RhythmPage& s = *StateOf(page);
  for (int r = 0; r < kRhythmCount; ++r) RhythmColour(r) = s.kept[r];
}

}  // namespace

INT_PTR CALLBACK RhythmPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  RhythmPage* s = StateOf(page);
  switch (msg) {
    case WM_INITDIALOG:
      AttachWork(page, lp);
      s = new RhythmPage;
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
      OnInit(page, *s);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (id >= IDC_RHYTHM_COLOUR_FIRST && id < IDC_RHYTHM_COLOUR_FIRST + kRhythmCount) {
        if (HIWORD(wp) == BN_CLICKED) OnColourButton(page, id - IDC_RHYTHM_COLOUR_FIRST);
      } else if (HIWORD(wp) == EN_CHANGE) {
        Changed(page);
      }
      return TRUE;
    }
    case WM_DRAWITEM:
      DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* n = reinterpret_cast<NMHDR*>(lp);
      if (s) SetPageResult(page, OnPageNotify(page, n, OnApply, OnReset));
      return TRUE;
    }
    case WM_DESTROY:
      delete s;
      SetWindowLongPtrA(page, DWLP_USER, 0);
      return FALSE;
  }
  return FALSE;
}

}  // namespace tw
