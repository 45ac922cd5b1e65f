// Commands of the person window: chart / moon calendar, the view toggles, the day size
// and today.
#include "app/app.h"
#include "app/child.h"
#include "app/child_window.h"
#include "app/commands.h"
#include "app/frame.h"
#include "tw_ids.h"
#include "views/child_layout.h"

namespace tw {

namespace {

// The active window's state; message 3007 when a window exists but its document does not.
ChildWindow* ActiveWindowState() {
  HWND child = ActiveChild();
  if (!child) return nullptr;
  ChildWindow* cw = ChildOf(child);
  if (!cw || !cw->doc) {
    ShowMessage(MB_ICONHAND, TWM_NO_MEMORY);
    return nullptr;
  }
  return cw;
}

bool HasChild(int) { return ActiveChild() != nullptr; }

void RunSwitch(int) {
  ChildWindow* cw = ActiveWindowState();
  if (!cw) return;
  PersonDocument& doc = *cw->doc;
  doc.viewFlags = SwitchViewMode(doc.viewFlags, cw->listHeader != nullptr);
  ShowModeControls(*cw);
  PlaceDateBar(cw->window);
  LoadConditionCombo(false);
  InvalidateRect(cw->window, nullptr, TRUE);
}

bool SwitchChecked(int) { return ActiveChildShowsCalendar(); }

static_assert(kToggleSawtooth == IDM_VIEW_SAWTOOTH && kToggleSpecialRanges == IDM_VIEW_SPECIAL_RANGES &&
              kToggleHigherCurves == IDM_VIEW_HIGHER_CURVES && kToggleOnlyReco == IDM_VIEW_ONLY_RECO);

void RunToggle(int id) {
  ChildWindow* cw = ActiveWindowState();
  if (!cw) return;
  PersonDocument& doc = *cw->doc;
  doc.viewFlags ^= ViewToggleBit(id);
  if (id == IDM_VIEW_HIGHER_CURVES && cw->valueLine) InvalidateRect(cw->valueLine, nullptr, TRUE);
  if (id == IDM_VIEW_ONLY_RECO) {
    doc.viewFlags |= kViewRecompute;
    doc.listPosition = 0;
    cw->view.filteredDays.clear();
  }
  InvalidateRect(cw->window, nullptr, TRUE);
}

bool ToggleEnabled(int id) {
  PersonDocument* doc = ActiveDocument();
  return doc && ViewToggleEnabled(doc->viewFlags, id);
}

bool ToggleChecked(int id) {
  PersonDocument* doc = ActiveDocument();
  return doc && (doc->viewFlags & ViewToggleBit(id));
}

void RunDaySize(int id) {
  ChildWindow* cw = ActiveWindowState();
  if (!cw) return;
  cw->doc->daySize = cw->doc->secondDaySize = id - IDM_DAY_SIZE_FIRST + 1;
  cw->doc->viewFlags |= kViewRecompute;  // the chart centres the selected day again
  InvalidateRect(cw->window, nullptr, TRUE);
}

bool DaySizeChecked(int id) {
  PersonDocument* doc = ActiveDocument();
  return doc && doc->daySize == id - IDM_DAY_SIZE_FIRST + 1;
}

void RunToday(int) {
  if (ChildWindow* cw = ActiveWindowState()) MoveSelection(cw->window, kMoveToday);
}

CommandRegistrar g_childCommands[] = {
    CommandRegistrar({IDM_VIEW_SWITCH, IDM_VIEW_SWITCH, RunSwitch, HasChild, SwitchChecked}),
    CommandRegistrar({IDM_VIEW_SAWTOOTH, IDM_VIEW_HIGHER_CURVES, RunToggle, ToggleEnabled, ToggleChecked}),
    CommandRegistrar({IDM_VIEW_ONLY_RECO, IDM_VIEW_ONLY_RECO, RunToggle, ToggleEnabled, ToggleChecked}),
    CommandRegistrar({IDM_DAY_SIZE_FIRST, IDM_DAY_SIZE_LAST, RunDaySize, HasChild, DaySizeChecked}),
    CommandRegistrar({IDM_GO_TODAY, IDM_GO_TODAY, RunToday, HasChild, nullptr}),
};

}  // namespace

}  // namespace tw
