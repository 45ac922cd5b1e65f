// The toolbar's ConditionCombo: selections in moon calendar mode, curve conditions in
// chart mode.
#include <iterator>

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/frame.h"
#include "app/side_panel.h"
#include "tw_ids.h"

namespace tw {

namespace {

bool CalendarMode() {
  PersonDocument* d = ActiveDocument();
  if (d) return (d->viewFlags & kViewMoonList) != 0;
  return TheApp().settings.liste != 0;
}

void SelectByData(HWND combo, LRESULT data) {
  int n = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i)
    if (SendMessageA(combo, CB_GETITEMDATA, i, 0) == data) {
      SendMessageA(combo, CB_SETCURSEL, i, 0);
      return;
    }
}

}  // namespace

void LoadConditionCombo(bool pushSelection) {
  App& app = TheApp();
  HWND combo = app.conditionCombo;
  if (!combo || !app.recoLoaded) return;
  PersonDocument* doc = ActiveDocument();
  bool calendar = CalendarMode();
  if (calendar && doc) {
    if (pushSelection)
      doc->selection = app.settings.lastRecoSel;
    else
      app.settings.lastRecoSel = doc->selection;
    if (doc->viewFlags & kViewFilteredList) {
      doc->viewFlags |= kViewRecompute;
      doc->listPosition = 0;
    }
  }
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  if (calendar) {
    for (int i = 0; i < static_cast<int>(app.reco.selections.size()); ++i) {
      const RecoSelEntry& e = app.reco.selections[i];
      if (!e.inUse) continue;
      int pos = static_cast<int>(SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.name)));
      SendMessageA(combo, CB_SETITEMDATA, pos, -(i + 1));
    }
    SelectByData(combo, -(app.settings.lastRecoSel + 1));
  } else {
    for (int i = 0; i < static_cast<int>(std::size(app.settings.conditionNames)); ++i) {
      std::string name = app.settings.conditionNames[i];
      if (name.empty()) name = LoadLibString(TWM_UNNAMED_CONDITION);
      int pos = static_cast<int>(SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str())));
      SendMessageA(combo, CB_SETITEMDATA, pos, i);
    }
    SelectByData(combo, app.settings.cond);
  }
}

void ConditionComboChanged() {
  App& app = TheApp();
  int sel = static_cast<int>(SendMessageA(app.conditionCombo, CB_GETCURSEL, 0, 0));
  if (sel < 0) return;
  LRESULT data = SendMessageA(app.conditionCombo, CB_GETITEMDATA, sel, 0);
  if (data < 0) {
    app.settings.lastRecoSel = static_cast<int32_t>(-(data + 1));
    if (PersonDocument* doc = ActiveDocument()) {
      doc->selection = app.settings.lastRecoSel;
      if (doc->viewFlags & kViewFilteredList) {
        doc->viewFlags |= kViewRecompute;
        doc->listPosition = 0;
      }
    }
    if (HWND child = ActiveChild()) InvalidateRect(child, nullptr, TRUE);
    RefreshSidePanel();
  } else {
    app.settings.cond = static_cast<int32_t>(data);
  }
}

}  // namespace tw
