// "Optionen" (command 7204): the program-wide preferences as a property sheet. Each page
// reads the current values when it is created, edits them in its controls and commits
// them on apply; Cancel leaves the settings as the last apply left them. The sheet opens
// on the page that was active when it was last closed.
//
// Pages built so far: the info panel, the recommendations and the biorhythm page.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <array>
#include <string>

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/help.h"
#include "app/side_panel.h"
#include "core/settings.h"
#include "dialogs/options_ids.h"
#include "doc/view_flags.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kDataBits = 10;
constexpr int32_t kRecommendationLine = 0x200;  // "Emp&fehlung": ShowHidden needs it
constexpr int kDaySizes = 4;
constexpr int kMarkTexts = 5;
constexpr int kMarkTextMax = 15;
constexpr int kHelpInfo = 8006, kHelpReco = 8008, kHelpBio = 8009;
constexpr int32_t kGroupCommas = 0x4000, kAllCommas = 0x8000;
constexpr int kPageInfo = 0, kPageReco = 1, kPageBio = 2, kPageCount = 3;

struct BioFlag {
  int control;
  ViewFlags bit;
};
constexpr BioFlag kBioFlags[] = {{IDC_OPT_SAWTOOTH, kViewSawtooth},
                                 {IDC_OPT_SPECIAL_RANGES, kViewSpecialRanges},
                                 {IDC_OPT_HIGHER_CURVES, kViewHigherCurves},
                                 {IDC_OPT_MARK_ROW, kViewMarkRow}};
constexpr int kMarkSettings[kMarkTexts] = {kSetTextRed, kSetTextYellow, kSetTextPlus, kSetTextX, kSetTextMinus};

int g_startPage = 0;  // the page active when the sheet last closed

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Check(HWND page, int id, bool on) { CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED); }

// Pushes the preferences and day size to the open windows and keeps them as current.
void ApplyPreferences() {
  App& app = TheApp();
  std::array<std::string, kMarkTexts> labels;
  for (int i = 0; i < kMarkTexts; ++i) labels[i] = app.settings.markTexts[i];
  ApplyViewOptions(static_cast<ViewFlags>(app.settings.preference), app.settings.daySize, labels);
}

// Notes common to every page: the start page, the changed flag, help.
LRESULT OnPageNotify(HWND page, int index, const NMHDR* n, void (*apply)(HWND), int helpTopic) {
  switch (n->code) {
    case PSN_SETACTIVE:
      g_startPage = index;
      return 0;
    case PSN_APPLY:
      apply(page);
      return PSNRET_NOERROR;
    case PSN_HELP:
      OpenHelp(HelpRequest::Context, helpTopic);
      return 0;
  }
  return 0;
}

void Changed(HWND page) { PropSheet_Changed(GetParent(page), page); }

// ---- info panel ----

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

INT_PTR CALLBACK InfoPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      InfoInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        InfoEnable(page);
        Changed(page);
      }
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrA(page, DWLP_MSGRESULT, OnPageNotify(page, kPageInfo, reinterpret_cast<NMHDR*>(lp), InfoApply, kHelpInfo));
      return TRUE;
  }
  return FALSE;
}

// ---- recommendations ----

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
  const int layout = (s.preference & kAllCommas) ? IDC_OPT_RECO_ALL_COMMAS
                     : (s.preference & kGroupCommas) ? IDC_OPT_RECO_GROUP_COMMAS
                                                     : IDC_OPT_RECO_PER_LINE;
  CheckRadioButton(page, IDC_OPT_RECO_PER_LINE, IDC_OPT_RECO_ALL_COMMAS, layout);
  for (const ShowChoice& c : kShowChoices) Check(page, c.control, s.*c.value != 0);
}

void RecoApply(HWND page) {
  App& app = TheApp();
  SettingsValues& s = app.settings;
  s.preference &= ~(kGroupCommas | kAllCommas);
  if (Checked(page, IDC_OPT_RECO_GROUP_COMMAS)) s.preference |= kGroupCommas;
  if (Checked(page, IDC_OPT_RECO_ALL_COMMAS)) s.preference |= kAllCommas;
  SetSettingNumber(app.profile, kSetPreference, s.preference);
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
  ApplyPreferences();
}

INT_PTR CALLBACK RecoPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      RecoInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) Changed(page);
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrA(page, DWLP_MSGRESULT, OnPageNotify(page, kPageReco, reinterpret_cast<NMHDR*>(lp), RecoApply, kHelpReco));
      return TRUE;
  }
  return FALSE;
}

// ---- biorhythm ----

void BioInit(HWND page) {
  const SettingsValues& s = TheApp().settings;
  for (const BioFlag& f : kBioFlags) Check(page, f.control, (s.preference & f.bit) != 0);
  const int size = s.daySize >= 1 && s.daySize <= kDaySizes ? s.daySize : 2;
  CheckRadioButton(page, IDC_OPT_DAY_SIZE_FIRST, IDC_OPT_DAY_SIZE_FIRST + kDaySizes - 1,
                   IDC_OPT_DAY_SIZE_FIRST + size - 1);
  for (int i = 0; i < kMarkTexts; ++i) {
    SendDlgItemMessageA(page, IDC_OPT_MARK_TEXT_FIRST + i, EM_LIMITTEXT, kMarkTextMax, 0);
    SetDlgItemTextA(page, IDC_OPT_MARK_TEXT_FIRST + i, s.markTexts[i].c_str());
  }
}

void BioApply(HWND page) {
  App& app = TheApp();
  SettingsValues& s = app.settings;
  for (const BioFlag& f : kBioFlags) {
    if (Checked(page, f.control))
      s.preference |= static_cast<int32_t>(f.bit);
    else
      s.preference &= ~static_cast<int32_t>(f.bit);
  }
  for (int i = 0; i < kDaySizes; ++i)
    if (Checked(page, IDC_OPT_DAY_SIZE_FIRST + i)) s.daySize = i + 1;
  SetSettingNumber(app.profile, kSetPreference, s.preference);
  SetSettingNumber(app.profile, kSetDaySize, s.daySize);
  for (int i = 0; i < kMarkTexts; ++i) {
    char text[kMarkTextMax + 1] = {};
    GetDlgItemTextA(page, IDC_OPT_MARK_TEXT_FIRST + i, text, sizeof text);
    s.markTexts[i] = text;
    SetSettingText(app.profile, kMarkSettings[i], text);
  }
  ApplyPreferences();
}

INT_PTR CALLBACK BioPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      BioInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == EN_CHANGE) Changed(page);
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrA(page, DWLP_MSGRESULT, OnPageNotify(page, kPageBio, reinterpret_cast<NMHDR*>(lp), BioApply, kHelpBio));
      return TRUE;
  }
  return FALSE;
}

void RunOptionsDialog(int) {
  App& app = TheApp();
  struct PageDef {
    int templ;
    DLGPROC proc;
  };
  const PageDef defs[kPageCount] = {
      {IDD_OPTIONS_INFO, InfoPageProc}, {IDD_OPTIONS_RECO, RecoPageProc}, {IDD_OPTIONS_BIO, BioPageProc}};
  PROPSHEETPAGEA pages[kPageCount] = {};
  for (int i = 0; i < kPageCount; ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].dwFlags = PSP_HASHELP;
    pages[i].hInstance = app.instance;
    pages[i].pszTemplate = MAKEINTRESOURCEA(defs[i].templ);
    pages[i].pfnDlgProc = defs[i].proc;
  }
  PROPSHEETHEADERA sheet = {};
  sheet.dwSize = sizeof sheet;
  sheet.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOCONTEXTHELP;
  sheet.hwndParent = app.frame;
  sheet.hInstance = app.instance;
  sheet.pszCaption = "Optionen";
  sheet.nPages = kPageCount;
  sheet.nStartPage = g_startPage >= 0 && g_startPage < kPageCount ? g_startPage : 0;
  sheet.ppsp = pages;
  PropertySheetA(&sheet);
}

CommandRegistrar g_optionsCommand({IDM_OPTIONS, IDM_OPTIONS, RunOptionsDialog, nullptr, nullptr});

}  // namespace

}  // namespace tw
