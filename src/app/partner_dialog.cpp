// Partner comparison (template 48): two persons of the open windows and how closely each
// of their rhythms runs in step. It reads the documents once when it opens and changes no
// stored data; its "Höhere Kurven" box is its own.
#include <windows.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "app/child.h"
#include "app/commands.h"
#include "app/documents.h"
#include "app/frame.h"
#include "app/help.h"
#include "bio/compatibility.h"
#include "bio/rhythm_label.h"
#include "dialogs/partner_dialog_ids.h"
#include "tw_ids.h"

namespace tw {

namespace {

constexpr int kHelpTopic = 8003;
constexpr int kMinimumPersons = 2;

const DWORD kHelp[] = {IDC_PARTNER_NAME1_LABEL, kHelpTopic, IDC_PARTNER_NAME1, kHelpTopic,
                       IDC_PARTNER_NAME2_LABEL, kHelpTopic, IDC_PARTNER_NAME2, kHelpTopic,
                       IDC_PARTNER_HIGHER, kHelpTopic, IDC_PARTNER_AVERAGE_LABEL, kHelpTopic,
                       IDC_PARTNER_AVERAGE, kHelpTopic, IDCANCEL, 1901, IDC_PARTNER_HELP, 1903,
                       0, 0};

struct PartnerEntry {
  std::string text;  // "name - birthday"
  RhythmPhases phases;
};

struct PartnerState {
  std::vector<PartnerEntry> entries;
};

// The persons of the open windows in the frame's order.
std::vector<PartnerEntry> OpenPersons() {
  std::vector<PartnerEntry> out;
  for (HWND c = FirstChild(); c; c = NextChild(c)) {
    const PersonDocument* doc = ChildDocument(c);
    if (!doc) continue;
    const DayNumber birthday = doc->header.Birthday();
    out.push_back({doc->header.Name() + " - " + FormatDefaultDate(birthday), CompatibilityPhases(birthday)});
  }
  return out;
}

void CentreOnOwner(HWND dlg) {
  HWND owner = GetWindow(dlg, GW_OWNER);
  RECT o, d;
  if (!owner || !GetWindowRect(owner, &o)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &o, 0);
  GetWindowRect(dlg, &d);
  const int w = d.right - d.left, h = d.bottom - d.top;
  SetWindowPos(dlg, nullptr, o.left + (o.right - o.left - w) / 2, o.top + (o.bottom - o.top - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const PartnerEntry* Selected(HWND dlg, const PartnerState& s, int list) {
  const LRESULT sel = SendDlgItemMessageA(dlg, list, CB_GETCURSEL, 0, 0);
  if (sel == CB_ERR) return nullptr;
  const LRESULT index = SendDlgItemMessageA(dlg, list, CB_GETITEMDATA, sel, 0);
  if (index < 0 || static_cast<size_t>(index) >= s.entries.size()) return nullptr;
  return &s.entries[index];
}

void Compute(HWND dlg, const PartnerState& s) {
  const PartnerEntry* a = Selected(dlg, s, IDC_PARTNER_NAME1);
  const PartnerEntry* b = Selected(dlg, s, IDC_PARTNER_NAME2);
  if (!a || !b) {
    for (int r = 0; r < kRhythmCount; ++r) SetDlgItemTextA(dlg, IDC_PARTNER_VALUE_FIRST + 2 * r, "");
    SetDlgItemTextA(dlg, IDC_PARTNER_AVERAGE, "");
    return;
  }
  const bool all = IsDlgButtonChecked(dlg, IDC_PARTNER_HIGHER) == BST_CHECKED;
  const CompatibilityResult res = CompareRhythms(a->phases, b->phases, all);
  for (int r = 0; r < kRhythmCount; ++r)
    SetDlgItemTextA(dlg, IDC_PARTNER_VALUE_FIRST + 2 * r, CompatibilityText(res.percent[r]).c_str());
  SetDlgItemTextA(dlg, IDC_PARTNER_AVERAGE, CompatibilityText(res.average).c_str());
}

void OnInitDialog(HWND dlg, PartnerState& s) {
  CentreOnOwner(dlg);
  const bool higher = (static_cast<ViewFlags>(TheApp().settings.preference) & kViewHigherCurves) != 0;
  CheckDlgButton(dlg, IDC_PARTNER_HIGHER, higher ? BST_CHECKED : BST_UNCHECKED);
  const RhythmLabels labels = LoadRhythmLabels(TheApp().profile);
  for (int r = 0; r < kRhythmCount; ++r)
    SetDlgItemTextA(dlg, IDC_PARTNER_LABEL_FIRST + 2 * r, (std::string(labels[r].Name()) + ":").c_str());
  for (size_t i = 0; i < s.entries.size(); ++i)
    for (int list : {IDC_PARTNER_NAME1, IDC_PARTNER_NAME2}) {
      const LRESULT pos = SendDlgItemMessageA(dlg, list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.entries[i].text.c_str()));
      if (pos >= 0) SendDlgItemMessageA(dlg, list, CB_SETITEMDATA, pos, static_cast<LPARAM>(i));
    }
  SendDlgItemMessageA(dlg, IDC_PARTNER_NAME1, CB_SETCURSEL, 0, 0);
  if (s.entries.size() > 1) SendDlgItemMessageA(dlg, IDC_PARTNER_NAME2, CB_SETCURSEL, 1, 0);
  Compute(dlg, s);
}

void OnCommand(HWND dlg, PartnerState& s, int id, int code) {
  if (id == IDC_PARTNER_HIGHER || ((id == IDC_PARTNER_NAME1 || id == IDC_PARTNER_NAME2) && code == CBN_SELCHANGE))
    Compute(dlg, s);
  else if (id == IDCANCEL)
    EndDialog(dlg, 0);
  else if (id == IDC_PARTNER_HELP)
    OpenHelp(HelpRequest::Context, kHelpTopic);
}

INT_PTR CALLBACK PartnerDialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(dlg, DWLP_USER, lp);
    OnInitDialog(dlg, *reinterpret_cast<PartnerState*>(lp));
    return TRUE;
  }
  auto* s = reinterpret_cast<PartnerState*>(GetWindowLongPtrA(dlg, DWLP_USER));
  if (!s) return FALSE;
  if (msg == WM_COMMAND) {
    OnCommand(dlg, *s, LOWORD(wp), HIWORD(wp));
    return TRUE;
  }
  if (msg == WM_HELP) {
    DialogHelp(reinterpret_cast<const HELPINFO*>(lp), kHelp);
    return TRUE;
  }
  return FALSE;
}

void RunPartnerDialog() {
  App& app = TheApp();
  PartnerState state{OpenPersons()};
  DialogBoxParamA(app.instance, MAKEINTRESOURCEA(IDD_PARTNER), app.frame, PartnerDialogProc,
                  reinterpret_cast<LPARAM>(&state));
}

void RunPartner(int) { RunPartnerDialog(); }
bool PartnerEnabled(int) { return CountChildren() >= kMinimumPersons; }

CommandRegistrar g_partnerCommand({IDM_PARTNER, IDM_PARTNER, RunPartner, PartnerEnabled, nullptr});

}  // namespace

}  // namespace tw
