// Options, recommendations page: the layout of the recommendations in a cell and the
// special days shown with them.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/app.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "core/settings.h"
#include "dialogs/options_ids.h"
#include "app/child.h"
#include "app/side_panel.h"

namespace tw {

namespace {

constexpr int32_t kGroupCommas = 0x4000, kAllCommas = 0x8000;

struct ShowChoice {
  int control;
  int setting;
  int32_t SettingsValues::*value;
};
constexpr ShowChoice kShowChoices[] = {{IDC_OPT_SHOW_HOLIDAY, kSetShowHoliday, &SettingsValues::showHoliday},
                                       {IDC_OPT_SHOW_NAMEDAY, kSetShowNameday, &SettingsValues::showNameday},
                                       {IDC_OPT_SHOW_BIRTHDAY, kSetShowBirthday, &SettingsValues::showBirthday}};

void RecoInit(HWND page) {
  const SettingsValues& s = TheApp().settings;
  const int32_t preference = WorkOf(page).preference;
  const int layout = (preference & kAllCommas) ? IDC_OPT_RECO_ALL_COMMAS
                     : (preference & kGroupCommas) ? IDC_OPT_RECO_GROUP_COMMAS
                                                     : IDC_OPT_RECO_PER_LINE;
  CheckRadioButton(page, IDC_OPT_RECO_PER_LINE, IDC_OPT_RECO_ALL_COMMAS, layout);
  for (const ShowChoice& c : kShowChoices) Check(page, c.control, s.*c.value != 0);
}

void RecoApply(HWND page) {
  App& app = TheApp();
  SettingsValues& s = app.settings;
  OptionsWork& w = WorkOf(page);
  w.preference &= ~(kGroupCommas | kAllCommas);
  if (Checked(page, IDC_OPT_RECO_GROUP_COMMAS)) w.preference |= kGroupCommas;
  if (Checked(page, IDC_OPT_RECO_ALL_COMMAS)) w.preference |= kAllCommas;
  SetSettingNumber(app.profile, kSetPreference, w.preference);
  bool changed = false;
  for (const ShowChoice& c : kShowChoices) {
    const int32_t v = Checked(page, c.control) ? 1 : 0;
    if (s.*c.value == v) continue;
    s.*c.value = v;
    SetSettingNumber(app.profile, c.setting, v);
    changed = true;
  }
  if (changed) {
    RepaintChildWindows();
    RebuildSidePanelSummary();
  }
  ApplyPreferences(w);
}

}  // namespace

INT_PTR CALLBACK RecoPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachWork(page, lp);
      RecoInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) Changed(page);
      return TRUE;
    case WM_NOTIFY:
      SetPageResult(page, OnPageNotify(page, reinterpret_cast<NMHDR*>(lp), RecoApply));
      return TRUE;
  }
  return FALSE;
}

}  // namespace tw
