// Options, moon calendar page: the columns of the list, the four element colours, how the
// date column shows a date, and whether printing keeps only days with recommendations.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include "app/app.h"
#include "app/child.h"
#include "app/colour_button.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "app/side_panel.h"
#include "core/colour_table.h"
#include "core/settings.h"
#include "dialogs/options_ids.h"
#include "doc/view_flags.h"

namespace tw {

namespace {

constexpr int32_t kPrintRecoDaysOnly = 0x10000;

struct PageBit {
  int control;
  int32_t bit;
};
constexpr PageBit kPageBits[] = {{IDC_OPT_COLUMN_ELEMENT, static_cast<int32_t>(kViewColumnElement)},
                                 {IDC_OPT_COLUMN_SUN, static_cast<int32_t>(kViewColumnSun)},
                                 {IDC_OPT_COLUMN_PLANTING, static_cast<int32_t>(kViewColumnPlanting)},
                                 {IDC_OPT_COLUMN_RECO3, static_cast<int32_t>(kViewRecoThreeColumns)},
                                 {IDC_OPT_COLUMN_NOTES, static_cast<int32_t>(kViewColumnNotes)},
                                 {IDC_OPT_PRINT_RECO_DAYS, kPrintRecoDaysOnly}};

struct DateChoice {
  int control;
  int setting;
  int32_t SettingsValues::*value;
};
constexpr DateChoice kDateChoices[] = {
    {IDC_OPT_SHOW_WEEKDAY, kSetShowDayOfWeek, &SettingsValues::showDayOfWeek},
    {IDC_OPT_SHOW_YEAR, kSetShowYear, &SettingsValues::showYear},
    {IDC_OPT_TWO_DIGIT_YEAR, kSetShow2DigitYear, &SettingsValues::show2DigitYear},
    {IDC_OPT_DATE_TWO_LINES, kSetShowDate2Lines, &SettingsValues::showDate2Lines}};

// The colour buttons draw from the program's colour table, so a chosen colour goes there at
// once; the element colours as they were when the page was made bring Cancel back.
struct CalendarState {
  uint32_t elements[kElementColourCount] = {};
};

CalendarState& StateOf(HWND page) { return *reinterpret_cast<CalendarState*>(GetWindowLongPtrA(page, DWLP_USER)); }

uint32_t* ElementColours() { return TheApp().settings.colours.entry + kElementColourFirst; }

void CalendarEnable(HWND page) {
  const bool year = Checked(page, IDC_OPT_SHOW_YEAR);
  EnableWindow(GetDlgItem(page, IDC_OPT_TWO_DIGIT_YEAR), year);
  EnableWindow(GetDlgItem(page, IDC_OPT_DATE_TWO_LINES), year && Checked(page, IDC_OPT_SHOW_WEEKDAY));
}

void CalendarInit(HWND page) {
  auto* st = new CalendarState;
  SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(st));
  for (int i = 0; i < kElementColourCount; ++i) st->elements[i] = ElementColours()[i];
  const int32_t preference = WorkOf(page).preference;
  for (const PageBit& b : kPageBits) Check(page, b.control, (preference & b.bit) != 0);
  const SettingsValues& s = TheApp().settings;
  for (const DateChoice& c : kDateChoices) Check(page, c.control, s.*c.value != 0);
  CalendarEnable(page);
}

void ChooseElementColour(HWND page, int control) {
  static COLORREF custom[16] = {};
  uint32_t& entry = ElementColours()[control - IDC_OPT_ELEMENT_COLOUR_FIRST];
  COLORREF colour = entry;
  if (!RunColourDialog(page, colour, custom)) return;
  entry = colour & 0xffffff;
  InvalidateRect(GetDlgItem(page, control), nullptr, FALSE);
  Changed(page);
}

void RepaintAll() {
  RepaintChildWindows();
  if (HWND panel = TheApp().sidePanel) RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CalendarApply(HWND page) {
  App& app = TheApp();
  SettingsValues& s = app.settings;
  CalendarState& st = StateOf(page);
  OptionsWork& w = WorkOf(page);
  for (const PageBit& b : kPageBits) {
    if (Checked(page, b.control))
      w.preference |= b.bit;
    else
      w.preference &= ~b.bit;
  }
  SetSettingNumber(app.profile, kSetPreference, w.preference);

  bool repaint = false;
  bool coloursChanged = false;
  for (int i = 0; i < kElementColourCount; ++i) coloursChanged |= st.elements[i] != ElementColours()[i];
  if (coloursChanged) {
    WriteElementColours(app.profile, s.colours);
    UseColourEntries(kElementColourFirst, kElementColourCount);
    for (int i = 0; i < kElementColourCount; ++i) st.elements[i] = ElementColours()[i];
    repaint = true;
  }

  bool datesChanged = false;
  for (const DateChoice& c : kDateChoices) datesChanged |= (s.*c.value != 0) != Checked(page, c.control);
  if (datesChanged) {
    for (const DateChoice& c : kDateChoices) s.*c.value = Checked(page, c.control) ? 1 : 0;
    s.saveWidths[1] = DateColumnWidth(s.showDayOfWeek != 0, s.showYear != 0, s.show2DigitYear != 0);
    repaint = true;
  }
  if (repaint) RepaintAll();
  ApplyPreferences(w);
}

// Cancel: the colour table gets back the element colours the page started with; a window
// painted meanwhile may show a chosen one, so they paint again.
void CalendarReset(HWND page) {
  const CalendarState& st = StateOf(page);
  bool chosen = false;
  for (int i = 0; i < kElementColourCount; ++i) {
    chosen |= ElementColours()[i] != st.elements[i];
    ElementColours()[i] = st.elements[i];
  }
  if (chosen) RepaintAll();
}

bool IsColourButton(int id) {
  return id >= IDC_OPT_ELEMENT_COLOUR_FIRST && id < IDC_OPT_ELEMENT_COLOUR_FIRST + kElementColourCount;
}

}  // namespace

INT_PTR CALLBACK CalendarPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      AttachWork(page, lp);
      CalendarInit(page);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) != BN_CLICKED) return TRUE;
      if (IsColourButton(LOWORD(wp))) {
        ChooseElementColour(page, LOWORD(wp));
      } else {
        CalendarEnable(page);
        Changed(page);
      }
      return TRUE;
    case WM_DRAWITEM:
      if (!IsColourButton(static_cast<int>(wp))) return FALSE;
      DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lp);
      SetPageResult(page, OnPageNotify(page, n, CalendarApply, CalendarReset));
      return TRUE;
    }
    case WM_DESTROY:
      delete reinterpret_cast<CalendarState*>(GetWindowLongPtrA(page, DWLP_USER));
      SetWindowLongPtrA(page, DWLP_USER, 0);
      return FALSE;
  }
  return FALSE;
}

}  // namespace tw
