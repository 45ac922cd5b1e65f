// "Spezielle Tage" (template 82): the three lists of holidays, name days and birthdays and
// the controls of the selected row's date rule. Rows carry (flags, value) in their
// parameter; the lists are the whole edit state until "Ok" writes them through the special
// days writer, which also replaces the table the calendar reads.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/help.h"
#include "app/side_panel.h"
#include "app/state_dialog.h"
#include "calendar/date_parse.h"
#include "calendar/special_day_rule.h"
#include "core/spin_logic.h"
#include "dialogs/special_days_ids.h"
#include "reco/condition_texts.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kHelpTopic = 8018;
constexpr int kLists = 3;
constexpr int kLabelMax = 64;
constexpr int kSpecialImages = 0;  // the shell's special-days image list
constexpr uint16_t kCategories[kLists] = {kSpecialHoliday, kSpecialNameDay, kSpecialBirthday};

const DWORD kPopups[] = {IDC_SD_LIST_CHOICE, kHelpTopic, IDC_SD_HOLIDAYS, kHelpTopic, IDC_SD_NAMEDAYS, kHelpTopic,
                         IDC_SD_BIRTHDAYS, kHelpTopic, IDC_SD_TYPE, kHelpTopic, IDC_SD_DATE, kHelpTopic,
                         IDC_SD_OFFSET, kHelpTopic, IDC_SD_OFFICIAL, kHelpTopic, 0, 0};
const DialogHelpTable kHelp{kHelpTopic, kPopups};

struct SpecialDaysState {
  static constexpr int kHelpTopic = tw::kHelpTopic;
  HWND dlg = nullptr;
  int current = 0;
  int selected[kLists] = {0, 0, 0};
  bool modified = false;
  bool showing = false;  // controls being filled: their change notes are not edits
};

HWND List(const SpecialDaysState& s, int i) { return GetDlgItem(s.dlg, IDC_SD_HOLIDAYS + i); }
HWND CurrentList(const SpecialDaysState& s) { return List(s, s.current); }

std::string DayMonthText(int day, int month) {
  DateSettings settings;
  settings.locale = TheApp().locale;
  settings.display = DateDisplay{false, false, false, false};
  return ShortDayMonth(settings, day, month);
}

SpecialRuleWords Words() { return {[](int id) { return LoadLibString(id); }, DayMonthText}; }

int RowCount(HWND list) { return ListView_GetItemCount(list); }
int TotalRows(const SpecialDaysState& s) {
  int n = 0;
  for (int i = 0; i < kLists; ++i) n += RowCount(List(s, i));
  return n;
}
int SelectedRow(HWND list) { return ListView_GetNextItem(list, -1, LVNI_SELECTED); }

uint32_t RowParam(HWND list, int row) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  ListView_GetItem(list, &item);
  return static_cast<uint32_t>(item.lParam);
}

std::string RowText(HWND list, int row, int column) {
  char buf[kLabelMax + 8] = {};
  ListView_GetItemText(list, row, column, buf, sizeof buf);
  return buf;
}

// The parameter, image and the two derived columns of a row.
void SetRow(HWND list, int row, uint32_t param) {
  const uint16_t flags = RowFlags(param);
  LVITEMA item{};
  item.mask = LVIF_PARAM | LVIF_IMAGE;
  item.iItem = row;
  item.lParam = static_cast<LPARAM>(param);
  item.iImage = SpecialRowImage(flags);
  ListView_SetItem(list, &item);
  std::string official = (flags & kSpecialOfficial) ? "X" : "";
  ListView_SetItemText(list, row, 1, official.data());
  std::string rule = (flags & kSpecialCategoryMask) == kSpecialHoliday
                         ? SpecialRuleText(flags, RowValue(param), Words())
                         : DayMonthText(RowValue(param) / 100, RowValue(param) % 100);
  ListView_SetItemText(list, row, 2, rule.data());
}

void InsertRow(HWND list, int row, const std::string& text, uint32_t param) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  std::string label = text.substr(0, kLabelMax);
  item.pszText = label.data();
  ListView_InsertItem(list, &item);
  SetRow(list, row, param);
}

void SelectRow(HWND list, int row) {
  if (row < 0 || row >= RowCount(list)) return;
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list, row, FALSE);
}

void AddColumn(HWND list, int index, int messageId, int width, int format) {
  std::string title = messageId ? LoadLibString(messageId) : std::string();
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  col.fmt = format;
  col.cx = width;
  col.pszText = title.data();
  ListView_InsertColumn(list, index, &col);
}

void FillCombo(HWND dlg, int id, int first, int last) {
  for (int m = first; m <= last; ++m) SendDlgItemMessageA(dlg, id, CB_ADDSTRING, 0, (LPARAM)LoadLibString(m).c_str());
  SendDlgItemMessageA(dlg, id, CB_SETCURSEL, 0, 0);
}

int ComboIndex(HWND dlg, int id) {
  const LRESULT i = SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? 0 : static_cast<int>(i);
}

void ShowControls(HWND dlg, const int* ids, size_t n, bool show) {
  for (size_t i = 0; i < n; ++i) ShowWindow(GetDlgItem(dlg, ids[i]), show ? SW_SHOW : SW_HIDE);
}

// Shows only the controls of the rule type (and of the list: no type for name days).
void ShowRuleControls(SpecialDaysState& s, int type) {
  const bool holiday = s.current == 0;
  if (!holiday) type = kRuleFixed;
  static const int kType[] = {IDC_SD_TYPE_LABEL, IDC_SD_TYPE, IDC_SD_OFFICIAL};
  static const int kDate[] = {IDC_SD_DATE_LABEL, IDC_SD_DATE, IDC_SD_DATE_SPIN_FIRST, IDC_SD_DATE_SPIN_SECOND};
  static const int kOffset[] = {IDC_SD_OFFSET_LABEL, IDC_SD_OFFSET, IDC_SD_OFFSET_SPIN};
  static const int kWeekday[] = {IDC_SD_ORDINAL, IDC_SD_WEEKDAY, IDC_SD_IN, IDC_SD_MONTH};
  ShowControls(s.dlg, kType, 3, holiday);
  ShowControls(s.dlg, kDate, 4, type == kRuleFixed);
  ShowControls(s.dlg, kOffset, 3, type == kRuleEaster || type == kRuleAdvent);
  ShowControls(s.dlg, kWeekday, 4, type == kRuleWeekday);
}

void ShowControlsOf(SpecialDaysState& s, const SpecialRuleControls& c) {
  s.showing = true;
  SendDlgItemMessageA(s.dlg, IDC_SD_TYPE, CB_SETCURSEL, c.type, 0);
  CheckDlgButton(s.dlg, IDC_SD_OFFICIAL, c.official ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemTextA(s.dlg, IDC_SD_DATE, DayMonthText(c.date / 100, c.date % 100).c_str());
  SetDlgItemInt(s.dlg, IDC_SD_OFFSET, c.offset, TRUE);
  SendDlgItemMessageA(s.dlg, IDC_SD_ORDINAL, CB_SETCURSEL, c.ordinal, 0);
  SendDlgItemMessageA(s.dlg, IDC_SD_WEEKDAY, CB_SETCURSEL, c.weekday, 0);
  SendDlgItemMessageA(s.dlg, IDC_SD_MONTH, CB_SETCURSEL, c.month, 0);
  ShowRuleControls(s, c.type);
  s.showing = false;
}

int32_t ParsedDate(HWND dlg) {
  char text[32] = {};
  GetDlgItemTextA(dlg, IDC_SD_DATE, text, sizeof text);
  return ParseDayMonth(text, TheApp().locale);
}

int ParsedOffset(HWND dlg) {
  BOOL ok = FALSE;
  const int v = static_cast<int>(GetDlgItemInt(dlg, IDC_SD_OFFSET, &ok, TRUE));
  return ClampSpecialOffset(ok ? v : 0);
}

SpecialRuleControls ReadControls(const SpecialDaysState& s) {
  SpecialRuleControls c;
  c.type = s.current == 0 ? ComboIndex(s.dlg, IDC_SD_TYPE) : kRuleFixed;
  c.official = IsDlgButtonChecked(s.dlg, IDC_SD_OFFICIAL) == BST_CHECKED;
  c.date = ParsedDate(s.dlg);
  c.offset = ParsedOffset(s.dlg);
  c.ordinal = ComboIndex(s.dlg, IDC_SD_ORDINAL);
  c.weekday = ComboIndex(s.dlg, IDC_SD_WEEKDAY);
  c.month = ComboIndex(s.dlg, IDC_SD_MONTH);
  return c;
}

void EnableButtons(SpecialDaysState& s) {
  const HWND list = CurrentList(s);
  const int rows = RowCount(list);
  const bool any = SelectedRow(list) >= 0;
  EnableWindow(GetDlgItem(s.dlg, IDC_SD_NEW), TotalRows(s) < static_cast<int>(kMaxSpecialDays));
  EnableWindow(GetDlgItem(s.dlg, IDC_SD_DELETE), any);
  EnableWindow(GetDlgItem(s.dlg, IDC_SD_UP), any && rows > 1);
  EnableWindow(GetDlgItem(s.dlg, IDC_SD_DOWN), any && rows > 1);
}

void ShowSelected(SpecialDaysState& s) {
  const HWND list = CurrentList(s);
  const int row = SelectedRow(list);
  if (row >= 0) {
    const uint32_t p = RowParam(list, row);
    ShowControlsOf(s, RuleControlsOf(RowFlags(p), RowValue(p)));
  } else {
    ShowRuleControls(s, ComboIndex(s.dlg, IDC_SD_TYPE));
  }
  EnableWindow(GetDlgItem(s.dlg, IDC_SD_CHANGE), FALSE);
  EnableButtons(s);
}

void Modified(SpecialDaysState& s) { s.modified = true; }

void OnInit(SpecialDaysState& s) {
  LocalizeDialogButtons(s.dlg);
  App& app = TheApp();
  FillCombo(s.dlg, IDC_SD_LIST_CHOICE, TWM_SD_LIST_FIRST, TWM_SD_LIST_LAST);
  FillCombo(s.dlg, IDC_SD_TYPE, TWM_SD_KIND_FIRST, TWM_SD_KIND_LAST);
  FillCombo(s.dlg, IDC_SD_ORDINAL, TWM_SD_ORDINAL_FIRST, TWM_SD_ORDINAL_LASTWEEK);
  FillCombo(s.dlg, IDC_SD_WEEKDAY, TWM_WEEKDAY_FIRST, TWM_WEEKDAY_LAST);
  FillCombo(s.dlg, IDC_SD_MONTH, TWM_MONTH_FIRST, TWM_MONTH_LAST);
  SendDlgItemMessageA(s.dlg, IDC_SD_DATE, EM_LIMITTEXT, 10, 0);
  SendDlgItemMessageA(s.dlg, IDC_SD_OFFSET, EM_LIMITTEXT, 4, 0);

  const int titles[kLists] = {TWM_SD_COL_HOLIDAY, TWM_SD_COL_NAMEDAY, TWM_SD_COL_BIRTHDAY};
  for (int i = 0; i < kLists; ++i) {
    HWND list = List(s, i);
    RECT r;
    GetClientRect(list, &r);
    const int w = r.right - GetSystemMetrics(SM_CXVSCROLL);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    ListView_SetImageList(list, app.imageLists[kSpecialImages], LVSIL_SMALL);
    SendMessageA(list, LVM_SETCALLBACKMASK, 0, 0);
    if (i == 0) {
      AddColumn(list, 0, titles[i], w * 2 / 6, LVCFMT_LEFT);
      AddColumn(list, 1, TWM_SD_COL_OFFICIAL, w / 6, LVCFMT_CENTER);
      AddColumn(list, 2, TWM_SD_COL_RULE, w * 3 / 6, LVCFMT_LEFT);
    } else {
      AddColumn(list, 0, titles[i], w * 3 / 4, LVCFMT_LEFT);
      AddColumn(list, 1, 0, 0, LVCFMT_LEFT);
      AddColumn(list, 2, TWM_SD_COL_DATE, w / 4, LVCFMT_LEFT);
    }
  }
  int rows[kLists] = {0, 0, 0};
  for (const SpecialDay& e : app.specialDays.entries) {
    const int i = e.category() == kSpecialBirthday ? 2 : e.category() == kSpecialNameDay ? 1 : 0;
    InsertRow(List(s, i), rows[i]++, e.name, PackSpecialRow(e.flags, e.value));
  }
  for (int i = 0; i < kLists; ++i) SelectRow(List(s, i), 0);
  ShowSelected(s);
}

void SwitchList(SpecialDaysState& s, int next) {
  if (next == s.current || next < 0 || next >= kLists) return;
  s.selected[s.current] = SelectedRow(CurrentList(s));
  ShowWindow(CurrentList(s), SW_HIDE);
  EnableWindow(CurrentList(s), FALSE);
  s.current = next;
  HWND list = CurrentList(s);
  EnableWindow(list, TRUE);
  ShowWindow(list, SW_SHOW);
  // The lists share one place: the header of the shown one is drawn anew over the other.
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  SelectRow(list, s.selected[next]);
  ShowSelected(s);
}

void OnNew(SpecialDaysState& s) {
  if (TotalRows(s) >= static_cast<int>(kMaxSpecialDays)) return;
  HWND list = CurrentList(s);
  const int sel = SelectedRow(list);
  uint16_t flags = kSpecialActive;
  int16_t value = 0;
  if (sel >= 0) flags = RowFlags(RowParam(list, sel)) & (kSpecialActive | kSpecialColourMask);
  ApplyRuleControls(ReadControls(s), kCategories[s.current], flags, value);
  const int row = sel >= 0 ? sel + 1 : 0;
  InsertRow(list, row, "?", PackSpecialRow(flags, value));
  SelectRow(list, row);
  Modified(s);
  EnableButtons(s);
  SetFocus(list);
  ListView_EditLabel(list, row);
}

void OnChange(SpecialDaysState& s) {
  HWND list = CurrentList(s);
  const int row = SelectedRow(list);
  if (row < 0) return;
  const uint32_t p = RowParam(list, row);
  uint16_t flags = RowFlags(p);
  int16_t value = RowValue(p);
  ApplyRuleControls(ReadControls(s), kCategories[s.current], flags, value);
  SetRow(list, row, PackSpecialRow(flags, value));
  EnableWindow(GetDlgItem(s.dlg, IDC_SD_CHANGE), FALSE);
  Modified(s);
}

void OnDelete(SpecialDaysState& s) {
  HWND list = CurrentList(s);
  const int row = SelectedRow(list);
  if (row < 0) return;
  ListView_DeleteItem(list, row);
  SelectRow(list, row > 0 ? row - 1 : 0);
  Modified(s);
  ShowSelected(s);
}

// Swaps the texts and parameters of two rows; the file order is the list order.
void OnMove(SpecialDaysState& s, int step) {
  HWND list = CurrentList(s);
  const int row = SelectedRow(list);
  const int other = row + step;
  if (row < 0 || other < 0 || other >= RowCount(list)) return;
  const std::string a = RowText(list, row, 0), b = RowText(list, other, 0);
  const uint32_t pa = RowParam(list, row), pb = RowParam(list, other);
  std::string ta = b, tb = a;
  ListView_SetItemText(list, row, 0, ta.data());
  ListView_SetItemText(list, other, 0, tb.data());
  SetRow(list, row, pb);
  SetRow(list, other, pa);
  SelectRow(list, other);
  Modified(s);
}

void ChangeRowFlags(SpecialDaysState& s, int row, uint16_t flags) {
  HWND list = CurrentList(s);
  SetRow(list, row, PackSpecialRow(flags, RowValue(RowParam(list, row))));
  Modified(s);
}

// Only the list on show has the menu.
bool OnContextMenu(SpecialDaysState& s, HWND from, int x, int y) {
  HWND list = CurrentList(s);
  if (from != list) return false;
  const int row = SelectedRow(list);
  HMENU menu = LoadMenuA(TheApp().library, MAKEINTRESOURCEA(IDR_SPECIAL_DAYS_MENU));
  if (!menu) return true;
  HMENU popup = GetSubMenu(menu, 0);
  const uint16_t flags = row >= 0 ? RowFlags(RowParam(list, row)) : 0;
  for (int id = IDM_SD_ACTIVE; id <= IDM_SD_COLOR_LAST; ++id) {
    bool enabled = row >= 0 && (id != IDM_SD_OFFICIAL || s.current == 0);
    bool checked = row >= 0 && (id == IDM_SD_ACTIVE     ? (flags & kSpecialActive) != 0
                                : id == IDM_SD_OFFICIAL ? (flags & kSpecialOfficial) != 0
                                                        : id - IDM_SD_COLOR_FIRST == SpecialRowImage(flags) % 4);
    EnableMenuItem(popup, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(popup, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  if (x == -1 && y == -1) {
    POINT p{0, 0};
    ClientToScreen(list, &p);
    x = p.x;
    y = p.y;
  }
  const int cmd = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, s.dlg, nullptr);
  DestroyMenu(menu);
  if (cmd == 0 || row < 0) return true;
  if (cmd == IDM_SD_ACTIVE)
    ChangeRowFlags(s, row, flags ^ kSpecialActive);
  else if (cmd == IDM_SD_OFFICIAL && s.current == 0) {
    ChangeRowFlags(s, row, flags ^ kSpecialOfficial);
    ShowSelected(s);
  } else if (cmd >= IDM_SD_COLOR_FIRST && cmd <= IDM_SD_COLOR_LAST)
    ChangeRowFlags(s, row, WithSpecialColour(flags, cmd - IDM_SD_COLOR_FIRST));
  return true;
}

void ToggleRow(SpecialDaysState& s, int row) {
  if (row < 0) return;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  ChangeRowFlags(s, row, ToggleSpecialRow(RowFlags(RowParam(CurrentList(s), row)), shift));
}

LRESULT OnNotify(SpecialDaysState& s, NMHDR* n) {
  if (n->idFrom != static_cast<UINT_PTR>(IDC_SD_HOLIDAYS + s.current)) return 0;
  switch (n->code) {
    case LVN_ITEMCHANGED: {
      auto* nv = reinterpret_cast<NMLISTVIEW*>(n);
      if ((nv->uChanged & LVIF_STATE) && (nv->uNewState & LVIS_SELECTED) && !(nv->uOldState & LVIS_SELECTED))
        ShowSelected(s);
      return 0;
    }
    case LVN_BEGINLABELEDITA: {
      HWND edit = ListView_GetEditControl(n->hwndFrom);
      if (edit) SendMessageA(edit, EM_LIMITTEXT, kLabelMax, 0);
      return FALSE;
    }
    case LVN_ENDLABELEDITA: {
      auto* d = reinterpret_cast<NMLVDISPINFOA*>(n);
      if (!d->item.pszText) return FALSE;  // editing cancelled
      std::string text(d->item.pszText, strnlen(d->item.pszText, kLabelMax));
      if (text.empty()) text.assign(1, '?');
      ListView_SetItemText(n->hwndFrom, d->item.iItem, 0, text.data());
      Modified(s);
      return FALSE;  // the text is already set
    }
    case NM_CLICK: {
      LVHITTESTINFO hit{};
      GetCursorPos(&hit.pt);
      ScreenToClient(n->hwndFrom, &hit.pt);
      if (ListView_SubItemHitTest(n->hwndFrom, &hit) >= 0 && (hit.flags & LVHT_ONITEMICON) && hit.iSubItem == 0)
        ToggleRow(s, hit.iItem);
      return 0;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<NMLVKEYDOWN*>(n)->wVKey == VK_SPACE) ToggleRow(s, SelectedRow(n->hwndFrom));
      return 0;
  }
  return 0;
}

void OnSpin(SpecialDaysState& s, int id, int step) {
  if (id == IDC_SD_OFFSET_SPIN) {
    SetDlgItemInt(s.dlg, IDC_SD_OFFSET, SpinApply(ParsedOffset(s.dlg), step, kSpecialOffsetMin, kSpecialOffsetMax),
                  TRUE);
  } else if (id == IDC_SD_DATE_SPIN_FIRST || id == IDC_SD_DATE_SPIN_SECOND) {
    // The first spin moves the first field of the text: the day in day-month order.
    const bool firstMovesDay = TheApp().locale.dateOrder == 1;
    const bool month = (id == IDC_SD_DATE_SPIN_FIRST) != firstMovesDay;
    const int32_t code = ParsedDate(s.dlg);
    const int d = month ? code / 100 : SpinApply(code / 100, step, 1, 31);
    const int m = month ? SpinApply(code % 100, step, 1, 12) : code % 100;
    SetDlgItemTextA(s.dlg, IDC_SD_DATE, DayMonthText(d, m).c_str());
  }
}

bool SaveLists(const SpecialDaysState& s) {
  App& app = TheApp();
  std::vector<SpecialDay> lists[kLists];
  for (int i = 0; i < kLists; ++i) {
    HWND list = List(s, i);
    for (int row = 0; row < RowCount(list); ++row) {
      const uint32_t p = RowParam(list, row);
      SpecialDay e;
      e.flags = static_cast<uint16_t>((RowFlags(p) & ~kSpecialCategoryMask) | kCategories[i]);
      if (i != 0) e.flags = static_cast<uint16_t>((e.flags & ~(kSpecialKindMask | kSpecialOfficial)) | kSpecialKindFixed);
      e.value = RowValue(p);
      e.SetName(RowText(list, row, 0).c_str());
      lists[i].push_back(e);
    }
  }
  return app.specialDays.Save(app.userDataDir, lists[0], lists[1], lists[2], app.locale.country, app.sink);
}

void OnCommand(SpecialDaysState& s, int id, int code = BN_CLICKED) {
  switch (id) {
    case IDC_SD_LIST_CHOICE:
      if (code == CBN_SELCHANGE) SwitchList(s, ComboIndex(s.dlg, id));
      return;
    case IDC_SD_TYPE:
      if (code == CBN_SELCHANGE && !s.showing) {
        SpecialRuleControls c = DefaultRuleControls(ComboIndex(s.dlg, id));
        c.official = IsDlgButtonChecked(s.dlg, IDC_SD_OFFICIAL) == BST_CHECKED;
        ShowControlsOf(s, c);
        EnableWindow(GetDlgItem(s.dlg, IDC_SD_CHANGE), SelectedRow(CurrentList(s)) >= 0);
      }
      return;
    case IDC_SD_ORDINAL:
    case IDC_SD_WEEKDAY:
    case IDC_SD_MONTH:
      if (code == CBN_SELCHANGE && !s.showing) EnableWindow(GetDlgItem(s.dlg, IDC_SD_CHANGE), SelectedRow(CurrentList(s)) >= 0);
      return;
    case IDC_SD_DATE:
    case IDC_SD_OFFSET:
      if (code == EN_CHANGE && !s.showing) EnableWindow(GetDlgItem(s.dlg, IDC_SD_CHANGE), SelectedRow(CurrentList(s)) >= 0);
      if (code == EN_KILLFOCUS) {
        s.showing = true;
        if (id == IDC_SD_DATE) {
          const int32_t d = ParsedDate(s.dlg);
          SetDlgItemTextA(s.dlg, IDC_SD_DATE, DayMonthText(d / 100, d % 100).c_str());
        } else {
          SetDlgItemInt(s.dlg, IDC_SD_OFFSET, ParsedOffset(s.dlg), TRUE);
        }
        s.showing = false;
      }
      return;
    case IDC_SD_OFFICIAL:
      if (code == BN_CLICKED) EnableWindow(GetDlgItem(s.dlg, IDC_SD_CHANGE), SelectedRow(CurrentList(s)) >= 0);
      return;
    case IDC_SD_NEW: OnNew(s); return;
    case IDC_SD_CHANGE: OnChange(s); return;
    case IDC_SD_DELETE: OnDelete(s); return;
    case IDC_SD_UP: OnMove(s, -1); return;
    case IDC_SD_DOWN: OnMove(s, +1); return;
    case IDOK: {
      if (s.modified) {
        SaveLists(s);
        RepaintChildWindows();
        RebuildSidePanelSummary();
      }
      EndDialog(s.dlg, 1);
      return;
    }
  }
}

// Spins, commands with their notification codes and per-control help are this dialog's
// own; the rest is the shared procedure's.
INT_PTR CALLBACK SpecialDaysProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  auto* s = reinterpret_cast<SpecialDaysState*>(GetWindowLongPtrA(dlg, DWLP_USER));
  switch (msg) {
    case WM_VSCROLL:
      if (s && lp) OnSpin(*s, GetDlgCtrlID(reinterpret_cast<HWND>(lp)), SpinStep(LOWORD(wp), static_cast<int16_t>(HIWORD(wp))));
      return TRUE;
    case WM_COMMAND:
      if (s && LOWORD(wp) != IDCANCEL && LOWORD(wp) != IDC_SD_HELP) {
        OnCommand(*s, LOWORD(wp), HIWORD(wp));
        return TRUE;
      }
      return DialogTail(dlg, msg, wp, lp, kHelp);
    case WM_HELP:
      return DialogTail(dlg, msg, wp, lp, kHelp);
  }
  return StateDialogProc<SpecialDaysState>(dlg, msg, wp, lp);
}

void RunSpecialDaysDialog(int) {
  App& app = TheApp();
  SpecialDaysState state;
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_SPECIAL_DAYS), app.frame, SpecialDaysProc,
                  reinterpret_cast<LPARAM>(&state));
}

CommandRegistrar g_specialDaysCommand({IDM_SPECIAL_DAYS, IDM_SPECIAL_DAYS, RunSpecialDaysDialog, nullptr, nullptr});

}  // namespace

}  // namespace tw
