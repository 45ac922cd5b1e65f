// Previous and next matching day (7206, 7207): in a chart window the curve search of the
// ConditionCombo's condition, in a moon calendar window the search for a day with a
// recommendation of the window's selection. The found day becomes the selected day.
#include "app/app.h"
#include "app/calendar_screen.h"
#include "app/child.h"
#include "app/child_window.h"
#include "app/commands.h"
#include "bio/curve_search.h"
#include "bio/search_conditions.h"
#include "calendar/date_step.h"
#include "reco/reco_eval.h"
#include "tw_ids.h"

namespace tw {

namespace {

bool ChartMode(const PersonDocument& doc) { return (doc.viewFlags & kViewMoonList) == 0; }

DayNumber SearchEndFromToday() { return EffectiveSearchEnd(TheApp().settings.searchEnd, Today(SystemClock())); }

ConditionWords CurrentConditionWords() {
  const SettingsValues& s = TheApp().settings;
  ConditionWords words{};
  for (int r = 0; r < kRhythmCount; ++r) words[r] = static_cast<CurveCriteria>(s.conditionWords[s.cond * kRhythmCount + r]);
  return words;
}

// The wait cursor while the days are tested; an Escape typed meanwhile ends the search
// and leaves the selection where it was.
class EscapeCancels : public SearchProgress {
 public:
  void Begin() override { old_ = SetCursor(TheApp().waitCursor); }
  bool Continue() override {
    MSG m;
    if (!PeekMessageA(&m, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE | PM_NOYIELD) || m.wParam != VK_ESCAPE)
      return true;
    PeekMessageA(&m, m.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
    return false;
  }
  void End() override { SetCursor(old_); }

 private:
  HCURSOR old_ = nullptr;
};

DayNumber RecommendedDayFrom(const PersonDocument& doc, int step) {
  App& app = TheApp();
  RecoEvaluator eval(app.reco, app.moon, app.sink);
  SetupEvaluator(eval);
  eval.settings.searchEnd = SearchEndFromToday();
  EscapeCancels progress;
  return eval.FindDay(doc.selectedDay, step, true, doc.selection, doc.header.Birthday(), &progress);
}

DayNumber CurveDayFrom(const PersonDocument& doc, int step) {
  App& app = TheApp();
  CurveSearchRequest request;
  request.selectedDay = doc.selectedDay;
  request.birthday = doc.header.Birthday();
  request.higherCurves = (doc.viewFlags & kViewHigherCurves) != 0;
  request.sawtooth = (doc.viewFlags & kViewSawtooth) != 0;
  request.direction = step;
  request.searchEnd = SearchEndFromToday();
  HCURSOR old = SetCursor(app.waitCursor);
  const DayNumber found = CurveSearch(request, CurrentConditionWords(), app.sink);
  SetCursor(old);
  return found;
}

void RunSearch(int id) {
  HWND child = ActiveChild();
  PersonDocument* doc = ChildDocument(child);
  if (!doc) {
    if (child) ShowMessage(MB_ICONHAND, TWM_NO_MEMORY);
    return;
  }
  const int step = id == IDM_PREV_MATCH ? -1 : 1;
  const DayNumber found = ChartMode(*doc) ? CurveDayFrom(*doc, step) : RecommendedDayFrom(*doc, step);
  if (found != doc->selectedDay) MoveSelection(child, kMoveGiven, found);
}

bool SearchEnabled(int) {
  App& app = TheApp();
  const PersonDocument* doc = ActiveDocument();
  if (!doc || !app.conditionCombo || SendMessageA(app.conditionCombo, CB_GETCURSEL, 0, 0) < 0) return false;
  if (ChartMode(*doc)) return !app.settings.conditionNames[app.settings.cond].empty();
  return app.settings.lastRecoSel != 1;
}

CommandRegistrar g_searchCommands({IDM_PREV_MATCH, IDM_NEXT_MATCH, RunSearch, SearchEnabled, nullptr});

}  // namespace

}  // namespace tw
