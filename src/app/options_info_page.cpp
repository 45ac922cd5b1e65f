// Options, info panel page: which lines the side panel shows.
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

constexpr int kDataBits = 10;
constexpr int32_t kRecommendationLine = 0x200;  // "Emp&fehlung": ShowHidden needs it

void InfoEnable(HWND page) {
  int recommendationBit = 0;
  while ((1 << recommendationBit) != kRecommendationLine) ++recommendationBit;
  EnableWindow(GetDlgItem(page, IDC_OPT_SHOW_HIDDEN), Checked(page, IDC_OPT_DATA_FIRST + recommendationBit));
}

void InfoInit(HWND page) {
  const SettingsValues& s = TheApp().settings;
  for (int b = 0; b < kDataBits; ++b) Check(page, IDC_OPT_DATA_FIRST + b, (s.data >> b) & 1);
  Check(page, IDC_OPT_SHOW_HIDDEN, s.showHidden != 0);
  InfoEnable(page);
}

void InfoApply(HWND page) {
  App& app = TheApp();
  int32_t data = 0;
  for (int b = 0; b < kDataBits; ++b)
    if (Checked(page, IDC_OPT_DATA_FIRST + b)) data |= 1 << b;
  app.settings.data = data;
  app.settings.showHidden = Checked(page, IDC_OPT_SHOW_HIDDEN) ? 1 : 0;
  SetSettingNumber(app.profile, kSetData, data);
  SetSettingNumber(app.profile, kSetShowHidden, app.settings.showHidden);
  RebuildSidePanelSummary();
  RepaintChildWindows();
}

}  // namespace

INT_PTR CALLBACK InfoPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachWork(page, lp);
      InfoInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        InfoEnable(page);
        Changed(page);
      }
      return TRUE;
    case WM_NOTIFY:
      SetPageResult(page, OnPageNotify(page, reinterpret_cast<NMHDR*>(lp), InfoApply));
      return TRUE;
  }
  return FALSE;
}

}  // namespace tw
