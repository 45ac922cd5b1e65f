// Options, curve search page: the eight named conditions as a grid of boxes (a column per
// rhythm, a row per criterion) and the last day a forward search examines. The page edits
// its own copy of the conditions; apply makes them the program's and stores them.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <array>
#include <cstdlib>
#include <string>

#include "app/app.h"
#include "app/child_window.h"
#include "app/documents.h"
#include "app/frame.h"
#include "app/options_pages.h"
#include "app/property_sheet.h"
#include "bio/curve_criteria.h"
#include "bio/search_conditions.h"
#include "calendar/date_parse.h"
#include "calendar/date_step.h"
#include "core/spin_logic.h"
#include "dialogs/options_ids.h"
#include "doc/document_ui.h"

namespace tw {

namespace {

constexpr int kGridRows = 1 + kCriterionFieldCount;  // "Keine Suche", then the seven fields
constexpr int kDateChars = 10;

struct SearchPage {
  SearchConditions work;  // what the page shows and edits
  std::array<ConditionWords, kConditionCount> kept{};  // the words when the page was made
  int shown = 0;          // the condition on the page, 0..7
  bool filling = false;   // the page sets its own fields: no edits to take from them
};

SearchPage* StateOf(HWND page) { return reinterpret_cast<SearchPage*>(GetWindowLongPtrA(page, DWLP_USER)); }

int GridId(int row, int rhythm) { return IDC_SEARCH_GRID_FIRST + kRhythmCount * row + rhythm; }

// The program's conditions as the settings values hold them.
SearchConditions CurrentConditions() {
  const SettingsValues& s = TheApp().settings;
  SearchConditions c;
  for (int i = 0; i < kConditionCount; ++i) {
    c.conditions[i].SetName(s.conditionNames[i]);
    for (int r = 0; r < kRhythmCount; ++r)
      c.conditions[i].words[r] = static_cast<CurveCriteria>(s.conditionWords[i * kRhythmCount + r]);
  }
  c.current = s.cond;
  c.searchEnd = s.searchEnd;
  return c;
}

void PutConditions(const SearchConditions& c) {
  SettingsValues& s = TheApp().settings;
  for (int i = 0; i < kConditionCount; ++i) {
    s.conditionNames[i] = c.conditions[i].name;
    for (int r = 0; r < kRhythmCount; ++r)
      s.conditionWords[i * kRhythmCount + r] = static_cast<int32_t>(c.conditions[i].words[r]);
  }
  s.cond = c.current;
}

// Checked for 01, cleared for 10, grey for 00 (either).
UINT BoxState(int state) {
  return state == 1 ? BST_CHECKED : state == 2 ? BST_UNCHECKED : BST_INDETERMINATE;
}

void ShowColumn(HWND page, const SearchPage& s, int rhythm) {
  const CurveCriteria w = s.work.conditions[s.shown].words[rhythm];
  CheckDlgButton(page, GridId(0, rhythm), w == kNoSearch ? BST_CHECKED : BST_UNCHECKED);
  for (int f = 0; f < kCriterionFieldCount; ++f)
    CheckDlgButton(page, GridId(1 + f, rhythm), BoxState(CriterionState(w, f)));
  EnableWindow(GetDlgItem(page, GridId(1 + kFieldMandatory, rhythm)), MandatoryEnabled(w));
}

void ShowCondition(HWND page, SearchPage& s) {
  s.filling = true;
  SetDlgItemInt(page, IDC_SEARCH_NUMBER, static_cast<UINT>(s.shown + 1), FALSE);
  SetDlgItemTextA(page, IDC_SEARCH_NAME, s.work.conditions[s.shown].name);
  for (int r = 0; r < kRhythmCount; ++r) ShowColumn(page, s, r);
  s.filling = false;
}

void ShowSearchEnd(HWND page, SearchPage& s) {
  s.filling = true;
  SetDlgItemTextA(page, IDC_SEARCH_END, FormatDefaultDate(TheApp().settings.searchEnd).c_str());
  s.filling = false;
}

std::string FieldText(HWND page, int id, int chars) {
  std::string text(static_cast<size_t>(chars) + 1, '\0');
  text.resize(static_cast<size_t>(GetDlgItemTextA(page, id, text.data(), chars + 1)));
  return text;
}

// The typed date becomes the search end at once, as the search reads it.
void CommitSearchEnd(HWND page, SearchPage& s) {
  TheApp().settings.searchEnd = ParseDate(FieldText(page, IDC_SEARCH_END, kDateChars), TheApp().locale);
  ShowSearchEnd(page, s);
}

void OnNumberTyped(HWND page, SearchPage& s) {
  const std::string text = FieldText(page, IDC_SEARCH_NUMBER, 2);
  if (text.empty()) return;  // the user is about to type the number
  const int index = ConditionIndexFromNumber(std::atoi(text.c_str()));
  if (index != s.shown || text != std::to_string(index + 1)) {
    s.shown = index;
    ShowCondition(page, s);
  }
}

void OnSpin(HWND page, SearchPage& s, int id, int step) {
  if (step == 0) return;
  if (id == IDC_SEARCH_NUMBER_SPIN) {
    s.shown = ConditionIndexFromNumber(s.shown + 1 + step);
    ShowCondition(page, s);
    return;
  }
  const int field = id - IDC_SEARCH_END_SPIN_FIRST;
  if (field < 0 || field > 2) return;
  SetFocus(GetDlgItem(page, IDC_SEARCH_END));
  App& app = TheApp();
  const DayNumber typed = ParseDate(FieldText(page, IDC_SEARCH_END, kDateChars), app.locale);
  app.settings.searchEnd = StepDay(typed, DateFieldUnit(app.locale.dateOrder, field), step);
  ShowSearchEnd(page, s);
}

void OnGridClick(HWND page, SearchPage& s, int id) {
  const int cell = id - IDC_SEARCH_GRID_FIRST;
  const int row = cell / kRhythmCount, rhythm = cell % kRhythmCount;
  CurveCriteria& w = s.work.conditions[s.shown].words[rhythm];
  w = row == 0 ? kNoSearch : CycleCriterion(w, row - 1);
  ShowColumn(page, s, rhythm);
}

void OnCommand(HWND page, SearchPage& s, int id, int code) {
  if (s.filling) return;
  if (id >= IDC_SEARCH_GRID_FIRST && id < IDC_SEARCH_GRID_FIRST + kGridRows * kRhythmCount) {
    if (code != BN_CLICKED) return;
    OnGridClick(page, s, id);
  } else if (id == IDC_SEARCH_NAME && code == EN_CHANGE) {
    s.work.conditions[s.shown].SetName(FieldText(page, IDC_SEARCH_NAME, kConditionNameMax));
  } else if (id == IDC_SEARCH_NUMBER && code == EN_CHANGE) {
    OnNumberTyped(page, s);
    return;
  } else if (id == IDC_SEARCH_END && code == EN_KILLFOCUS) {
    CommitSearchEnd(page, s);
    return;
  } else {
    return;
  }
  Changed(page);
}

void OnInit(HWND page, SearchPage& s) {
  s.work = CurrentConditions();
  for (int i = 0; i < kConditionCount; ++i) s.kept[i] = s.work.conditions[i].words;
  s.shown = s.work.current;
  const RhythmLabels& labels = CurrentRhythmLabels();
  for (int r = 0; r < kRhythmCount; ++r) SetDlgItemTextA(page, IDC_SEARCH_HEADING_FIRST + r, labels[r].text);
  SendDlgItemMessageA(page, IDC_SEARCH_NUMBER, EM_LIMITTEXT, 1, 0);
  SendDlgItemMessageA(page, IDC_SEARCH_NAME, EM_LIMITTEXT, kConditionNameMax, 0);
  SendDlgItemMessageA(page, IDC_SEARCH_END, EM_LIMITTEXT, kDateChars, 0);
  ShowCondition(page, s);
  ShowSearchEnd(page, s);
}

// The page's condition becomes the current one; the combo lists the new names.
void OnApply(HWND page) {
  SearchPage& s = *StateOf(page);
  App& app = TheApp();
  s.work.current = s.shown;
  PutConditions(s.work);
  SaveSearchConditions(app.profile, s.work);
  for (int i = 0; i < kConditionCount; ++i) s.kept[i] = s.work.conditions[i].words;
  LoadConditionCombo(false);
  UpdateToolbarStates();
}

// Cancel: the words as they were when the page was made, the names as stored.
void OnReset(HWND page) {
  SearchPage& s = *StateOf(page);
  App& app = TheApp();
  const SearchConditions stored = LoadSearchConditions(app.profile);
  for (int i = 0; i < kConditionCount; ++i) {
    s.work.conditions[i].words = s.kept[i];
    s.work.conditions[i].SetName(stored.conditions[i].name);
  }
  s.work.current = app.settings.cond;
  PutConditions(s.work);
}

}  // namespace

INT_PTR CALLBACK SearchPageProc(HWND page, UINT msg, WPARAM wp, LPARAM lp) {
  SearchPage* s = StateOf(page);
  switch (msg) {
    case WM_INITDIALOG: {
      AttachWork(page, lp);
      s = new SearchPage;
      SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(s));
      OnInit(page, *s);
      return TRUE;
    }
    case WM_COMMAND:
      if (s) OnCommand(page, *s, LOWORD(wp), HIWORD(wp));
      return TRUE;
    case WM_VSCROLL:
      if (s && lp)
        OnSpin(page, *s, GetDlgCtrlID(reinterpret_cast<HWND>(lp)),
               SpinStep(LOWORD(wp), static_cast<int16_t>(HIWORD(wp))));
      return TRUE;
    case WM_NOTIFY: {
      const NMHDR* n = reinterpret_cast<NMHDR*>(lp);
      if (n->code == PSN_KILLACTIVE && s) CommitSearchEnd(page, *s);
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
