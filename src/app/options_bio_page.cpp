// Options, biorhythm page: chart flags, the width of a day and the five day-mark texts.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/app.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "core/settings.h"
#include "dialogs/options_ids.h"
#include "doc/view_flags.h"

namespace tw {

namespace {

constexpr int kDaySizes = 4;
constexpr int kMarkTexts = 5;
constexpr int kMarkTextMax = 15;

struct BioFlag {
  int control;
  ViewFlags bit;
};
constexpr BioFlag kBioFlags[] = {{IDC_OPT_SAWTOOTH, kViewSawtooth},
                                 {IDC_OPT_SPECIAL_RANGES, kViewSpecialRanges},
                                 {IDC_OPT_HIGHER_CURVES, kViewHigherCurves},
                                 {IDC_OPT_MARK_ROW, kViewMarkRow}};
constexpr int kMarkSettings[kMarkTexts] = {kSetTextRed, kSetTextYellow, kSetTextPlus, kSetTextX, kSetTextMinus};

void BioInit(HWND page) {
  const OptionsWork& w = WorkOf(page);
  for (const BioFlag& f : kBioFlags) Check(page, f.control, (w.preference & f.bit) != 0);
  const int size = w.daySize >= 1 && w.daySize <= kDaySizes ? w.daySize : 2;
  CheckRadioButton(page, IDC_OPT_DAY_SIZE_FIRST, IDC_OPT_DAY_SIZE_FIRST + kDaySizes - 1,
                   IDC_OPT_DAY_SIZE_FIRST + size - 1);
  for (int i = 0; i < kMarkTexts; ++i) {
    SendDlgItemMessageA(page, IDC_OPT_MARK_TEXT_FIRST + i, EM_LIMITTEXT, kMarkTextMax, 0);
    SetDlgItemTextA(page, IDC_OPT_MARK_TEXT_FIRST + i, w.markTexts[i].c_str());
  }
}

void BioApply(HWND page) {
  App& app = TheApp();
  OptionsWork& w = WorkOf(page);
  for (const BioFlag& f : kBioFlags) {
    if (Checked(page, f.control))
      w.preference |= static_cast<int32_t>(f.bit);
    else
      w.preference &= ~static_cast<int32_t>(f.bit);
  }
  for (int i = 0; i < kDaySizes; ++i)
    if (Checked(page, IDC_OPT_DAY_SIZE_FIRST + i)) w.daySize = i + 1;
  SetSettingNumber(app.profile, kSetPreference, w.preference);
  SetSettingNumber(app.profile, kSetDaySize, w.daySize);
  for (int i = 0; i < kMarkTexts; ++i) {
    char text[kMarkTextMax + 1] = {};
    GetDlgItemTextA(page, IDC_OPT_MARK_TEXT_FIRST + i, text, sizeof text);
    w.markTexts[i] = text;
    app.settings.markTexts[i] = text;
    SetSettingText(app.profile, kMarkSettings[i], text);
  }
  ApplyPreferences(w);
}

}  // namespace

INT_PTR CALLBACK BioPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachWork(page, lp);
      BioInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == EN_CHANGE) Changed(page);
      return TRUE;
    case WM_NOTIFY:
      SetPageResult(page, OnPageNotify(page, reinterpret_cast<NMHDR*>(lp), BioApply));
      return TRUE;
  }
  return FALSE;
}

}  // namespace tw
