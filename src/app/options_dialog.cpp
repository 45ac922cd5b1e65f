// "Optionen" (command 7204): the program-wide preferences as a property sheet. Each page
// reads the current values when it is created, edits them in its controls and commits
// them on apply; Cancel leaves the settings as they were. The sheet opens on the page that
// was active when it was last closed.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "app/side_panel.h"
#include "dialogs/options_ids.h"
#include "doc/person_document.h"
#include "doc/view_flags.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int32_t kSheetFlagMask = 0x1fff0;  // the preference bits a window's flags carry

int g_startPage = 0;  // the page active when the sheet last closed

// The sheet starts from the active person's view when there is one, so the pages show
// what the user is looking at; otherwise from the defaults new windows take.
OptionsWork StartingWork() {
  const App& app = TheApp();
  OptionsWork w;
  w.preference = app.settings.preference;
  w.daySize = app.settings.daySize;
  for (size_t i = 0; i < w.markTexts.size(); ++i) w.markTexts[i] = app.settings.markTexts[i];
  if (const PersonDocument* doc = ActiveDocument()) {
    w.preference = static_cast<int32_t>(doc->viewFlags & kSheetFlagMask);
    w.daySize = doc->daySize;
    for (size_t i = 0; i < w.markTexts.size(); ++i) w.markTexts[i] = doc->header.MarkLabel(static_cast<int>(i));
  }
  return w;
}

void RunOptionsDialog(int) {
  OptionsWork work = StartingWork();
  const LPARAM param = reinterpret_cast<LPARAM>(&work);
  const PropertyPageSpec pages[] = {
      {IDD_OPTIONS_GENERAL, TWM_PAGE_GENERAL, GeneralPageProc, param, HID_OPTIONS_GENERAL},
      {IDD_OPTIONS_INFO, TWM_PAGE_INFO_PANEL, InfoPageProc, param, HID_OPTIONS_INFO},
      {IDD_OPTIONS_CALENDAR, TWM_PAGE_MOON_CALENDAR, CalendarPageProc, param, HID_OPTIONS_CALENDAR},
      {IDD_OPTIONS_RECO, TWM_PAGE_RECOMMENDATIONS, RecoPageProc, param, HID_OPTIONS_RECO},
      {IDD_OPTIONS_BIO, TWM_PAGE_BIORHYTHM, BioPageProc, param, HID_OPTIONS_BIO},
      {IDD_OPTIONS_SEARCH, TWM_PAGE_CURVE_SEARCH, SearchPageProc, param, HID_OPTIONS_SEARCH},
      {IDD_OPTIONS_RHYTHMS, TWM_PAGE_RHYTHMS, RhythmPageProc, param, HID_OPTIONS_RHYTHMS},
  };
  PropertySheetSpec sheet;
  sheet.captionMessage = TWM_OPTIONS_TITLE;
  sheet.pages = pages;
  sheet.pageCount = static_cast<int>(sizeof pages / sizeof pages[0]);
  sheet.startPage = &g_startPage;
  RunPropertySheet(TheApp().frame, sheet);
  RebuildSidePanelSummary();
}

CommandRegistrar g_optionsCommand({IDM_OPTIONS, IDM_OPTIONS, RunOptionsDialog, nullptr, nullptr});

}  // namespace

// GWLP_USERDATA, so a page's own state can still live behind DWLP_USER.
OptionsWork& WorkOf(HWND page) { return *reinterpret_cast<OptionsWork*>(GetWindowLongPtrA(page, GWLP_USERDATA)); }

void AttachWork(HWND page, LPARAM param) { SetWindowLongPtrA(page, GWLP_USERDATA, param); }

void Changed(HWND page) { PropSheet_Changed(SheetOf(page), page); }

void ApplyPreferences(const OptionsWork& work) {
  ApplyViewOptions(static_cast<ViewFlags>(work.preference), work.daySize, work.markTexts);
}

void UseColourEntries(int first, int count) {
  App& app = TheApp();
  for (int i = first; i < first + count; ++i) {
    const uint32_t c = app.settings.colours.entry[i];
    const PALETTEENTRY entry = {static_cast<BYTE>(c & 0xFF), static_cast<BYTE>((c >> 8) & 0xFF),
                                static_cast<BYTE>((c >> 16) & 0xFF), 0};
    if (app.palette) SetPaletteEntries(app.palette, static_cast<UINT>(i), 1, &entry);
    if (i >= kBrushColours) continue;
    for (int k : {i, kBrushColours + i}) {
      if (app.brushes[k]) DeleteObject(app.brushes[k]);
      app.brushes[k] = CreateSolidBrush(k == i ? PALETTEINDEX(i) : static_cast<COLORREF>(c));
    }
  }
}

INT_PTR OnPageNotify(HWND page, const NMHDR* n, void (*apply)(HWND page), void (*reset)(HWND page)) {
  if (n->code == PSN_RESET && reset) reset(page);
  if (n->code != PSN_APPLY) return 0;
  apply(page);
  return PSNRET_NOERROR;
}

}  // namespace tw
