// What a person window keeps beside its document: the handles of its controls, what its
// view laid out and the state of a running drag. The window words of the person window,
// its DateBar and its ValueLine point here.
#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "bio/rhythm_label.h"
#include "doc/person_document.h"
#include "tw_ids.h"
#include "views/calendar_layout.h"
#include "views/chart_layout.h"

namespace tw {

constexpr int kValueLineId = ID_VALUE_LINE;
constexpr int kDateEditId = ID_DATE_EDIT;
constexpr int kFirstSpinId = ID_SPIN_FIRST;
constexpr int kDateScrollId = ID_DATE_SCROLL;
constexpr int kRhythmComboId = ID_RHYTHM_COMBO;
constexpr int kListHeaderId = ID_LIST_HEADER;
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT_PTR kPaintTimer = 3;
constexpr UINT kPaintLaterMs = 50;  // a paint that gave way to input tries again after this

// What the last finished paint laid out, and where the view starts. Only the window
// needs it: the document keeps what its file stores and the selected day.
struct ViewState {
  DayNumber firstDay = 0;
  int visibleDays = 0;        // days or rows shown; page moves and drag steps use it
  bool paintNow = false;      // navigation brings the view up to date: no giving way to input
  bool paintLater = false;    // a paint gave way to input; the paint timer runs
  // Moon calendar
  CalendarRows rows;          // rows of the last finished paint, in client coordinates
  RECT highlight = {0, 0, 0, 0};  // the inverted row, empty when none
  std::vector<DayNumber> filteredDays;  // the rows' days while only days with recommendations show
  // Chart
  ChartGeometry chart;        // of the last finished paint; pixelsPerDay 0 before it
  SelectionMarker marker;     // the inverted column and strip cell on the screen

  int rowsTop() const { return rows.top; }
  int rowsBottom() const { return rows.bottom(); }
};

struct ChildWindow {
  std::unique_ptr<PersonDocument> doc;
  HWND window = nullptr;
  HWND dateBar = nullptr;
  HWND dateEdit = nullptr;
  std::array<HWND, 3> spin{};
  HWND scrollBar = nullptr;
  HWND valueLine = nullptr;
  HWND rhythmCombo = nullptr;
  HWND listHeader = nullptr;
  WNDPROC editProc = nullptr;
  ViewState view;
  int dateBarHeight = 0;
  int rhythmComboDropped = 0;  // height of the rhythm combo with its list dropped down
  int avgCharWidth = 8;
  std::array<int, 10> columnOfItem{};  // header item -> list column
  int headerItems = 0;

  // Drag of the left button
  bool dragging = false;
  bool markDrag = false;
  int markCommand = -1;
  int scrollStep = 0;
  bool timerRunning = false;
  bool painting = false;
};

ChildWindow* ChildOf(HWND child);
// The person window state behind a DateBar or ValueLine.
ChildWindow* ChildOfDateBar(HWND dateBar);

// Rhythm letters and names as the settings name them; reloaded by ReloadRhythmCombos.
const RhythmLabels& CurrentRhythmLabels();
void FillRhythmCombo(ChildWindow& cw);
// The view area: the client area less the DateBar (and the header in moon calendar mode).
RECT ViewArea(const ChildWindow& cw);
// Builds the list header again, keeping columns 1 to 4 when `keep` is set.
bool MakeListHeader(ChildWindow& cw, bool keep);
void LayoutListHeader(ChildWindow& cw);
// Moon calendar: the header shows, the ValueLine and the rhythm combo hide; chart: reverse.
void ShowModeControls(ChildWindow& cw);
// Shows the selected day in the date edit in the default date format.
void ShowSelectedDate(ChildWindow& cw);
// The date edit's text becomes the selected day (not before the birthday).
void CommitDateEdit(ChildWindow& cw);
// Header notifications; true when handled with `result`.
bool HandleHeaderNotify(ChildWindow& cw, NMHDR* hdr, LRESULT* result);
// The DayMark popup (template 75) for the selected day, placed at the screen point `at`;
// true when marks were applied.
bool ShowDayMarkPopup(HWND child, PersonDocument& doc, POINT at);

}  // namespace tw
