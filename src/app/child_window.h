// What a person window keeps beside its document: the handles of its controls and the
// state of a running drag. The window words of the person window, its DateBar and its
// ValueLine point here.
#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "bio/rhythm_label.h"
#include "doc/person_document.h"

namespace tw {

constexpr int kDateBarHeightUnknown = 0;
constexpr int kValueLineId = 2070;
constexpr int kDateEditId = 2071;
constexpr int kFirstSpinId = 2072;
constexpr int kDateScrollId = 2075;
constexpr int kRhythmComboId = 2061;
constexpr int kListHeaderId = 2062;
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT_PTR kPaintTimer = 3;

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
  int dateBarHeight = 0;
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
// The DayMark popup (template 75) for the selected day; true when marks were applied.
bool ShowDayMarkPopup(HWND child, PersonDocument& doc);

}  // namespace tw
