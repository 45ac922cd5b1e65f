// The conditions editor and the test over years, driven as a user would: clicks on the
// tree's nodes (Space, the keyboard's click on a node's image), "Fixtagauswahl", the warning on Ok, the saved record against what the
// core makes of the same clicks, the calendar showing it on the core's days, the single
// test and the test of all against the core's counts, stopping a run, the settings clamps,
// and the figures of a full table.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>

#include <colordlg.h>

#include "core/daynumber.h"
#include "core/platform.h"
#include "dialogs/conditions_dialog_ids.h"
#include "dialogs/reco_dialog_ids.h"
#include "doc/person_file.h"
#include "reco/condition_editor.h"
#include "reco/reco_eval.h"
#include "reco/reco_files.h"
#include "reco/reco_yeartest.h"
#include "remote_win.h"
#include "tw_ids.h"

namespace {

using namespace e2e;

constexpr char kName[] = "Stier ohne Sonntag";
// Catalogue entries the cases click: the moon sign Taurus, the weekdays Monday .. Sunday.
constexpr int kTaurus = 73, kMonday = 133, kSunday = 139;

bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != 0; }

bool WaitGone(HWND dlg) { return WaitFor([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); }, 15000); }

using Session = ListSession;

int SlotNamed(const tw::RecoTables& t, const char* name) {
  for (int n = 0; n < tw::kRecoSlots; ++n)
    if (t.records[n].occupied() && std::strcmp(t.records[n].name, name) == 0) return n;
  return -1;
}

class NoTexts : public tw::ConditionTexts {
 public:
  std::string Message(int) const override { return "x"; }
  std::string DayMonth(int, int) const override { return "x"; }
};

// What the core makes of the clicks the editor case does: Taurus required; Sunday clicked
// twice (required, which excludes the other days, then excluded); Monday .. Saturday
// clicked once more, back to any.
tw::RecoRecord CoreRecordForClicks(const tw::RecoRecord& start) {
  tw::RecoRecord r = start;
  tw::ConditionEditor editor(r);
  editor.Click(kTaurus);
  editor.Click(kSunday);
  editor.Click(kSunday);
  for (int d = kMonday; d < kSunday; ++d) editor.Click(d);
  tw::RecordingSink sink;
  editor.Ok(r, kName, sink, NoTexts());
  return r;
}

// Every field a catalogue entry stores, with the look of the text.
bool SameConditions(const tw::RecoRecord& a, const tw::RecoRecord& b) {
  for (int i = 1; i < tw::kCondEntryCount; ++i) {
    const int off = tw::kConditionCatalogue[i].offset;
    if (a.FieldAt(off) != b.FieldAt(off)) return false;
  }
  return a.signsEither == b.signsEither && a.colorIndex == b.colorIndex && a.styleIndex == b.styleIndex &&
         a.otherDays == b.otherDays;
}

// A node of the conditions tree by its labels from the root down.
HTREEITEM FindNode(Remote& remote, HWND tree, std::initializer_list<const char*> path) {
  HTREEITEM item = TVI_ROOT;
  for (const char* label : path) {
    item = remote.FindTreeItem(tree, item, label);
    if (!item) return nullptr;
  }
  return item;
}

void Select(HWND tree, HTREEITEM item) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item), SMTO_ABORTIFHUNG, 5000, &r);
}

// Space on the selected node: the keyboard's click on its image.
void SpaceOn(HWND tree, HTREEITEM item) {
  Select(tree, item);
  // Sent, not posted: the click is done when the call returns, so the next one cannot
  // overtake it on a busy machine.
  DWORD_PTR r = 0;
  SendMessageTimeoutA(tree, WM_KEYDOWN, VK_SPACE, 0x00390001, SMTO_ABORTIFHUNG, 10000, &r);
  SendMessageTimeoutA(tree, WM_KEYUP, VK_SPACE, 0xC0390001, SMTO_ABORTIFHUNG, 10000, &r);
}

std::string DateText(tw::DayNumber d) {
  int y = 0, m = 0, day = 0;
  tw::DateFromDay(d, &y, &m, &day);
  char text[16];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, m, y);
  return text;
}

HTREEITEM FirstChild(HWND tree, HTREEITEM item) { return TreeNext(tree, item, TVGN_CHILD); }

// The recommendations dialog with the item of `name` selected (a category item for null).
HWND OpenRecommendations(Session& s, Remote& remote, const char* name, int category = 3) {
  HWND dlg = s.Open(IDM_RECOMMENDATIONS, IDC_RECO_NEW);
  if (!dlg) return nullptr;
  HWND tree = GetDlgItem(dlg, IDC_RECO_TREE);
  HTREEITEM c = FirstChild(tree, TreeNext(tree, nullptr, TVGN_ROOT));
  for (int k = 1; k < category; ++k) c = TreeNext(tree, c, TVGN_NEXT);
  if (!name) {
    Select(tree, c);
    return dlg;
  }
  for (HTREEITEM cat = FirstChild(tree, TreeNext(tree, nullptr, TVGN_ROOT)); cat; cat = TreeNext(tree, cat, TVGN_NEXT))
    if (HTREEITEM item = remote.FindTreeItem(tree, cat, name)) {
      Select(tree, item);
      return dlg;
    }
  return dlg;
}

std::string MakeDocument(const std::string& work) {
  static const uint32_t kListPreference = 46448u | 0x800u;  // moon calendar with the notes column
  return WriteErikaDocument(work, &kListPreference);
}

// ---- the editor ----

int EditAndSave(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "Data=1023\r\nShowHidden=0\r\nConditionHeight=0\r\n"), "program started");
  if (!s.frame) return 1;
  Remote remote(s.program.pi.hProcess);
  HWND reco = OpenRecommendations(s, remote, nullptr);
  Check(reco != nullptr, "recommendations dialog opens");
  if (!reco) return 1;
  Check(Enabled(reco, IDC_RECO_TEST), "the test over years is there");
  // A new recommendation opens the editor at once, its name "?" ready to be typed over.
  Press(reco, IDC_RECO_NEW);
  HWND dlg = WaitDialogWith(s.program, IDC_COND_TREE);
  Check(dlg != nullptr, "the conditions editor opens on the new recommendation");
  if (!dlg) return 1;
  HWND tree = GetDlgItem(dlg, IDC_COND_TREE);
  HWND name = GetDlgItem(dlg, IDC_COND_NAME);
  Check(WindowText(name) == "?", "name edit shows \"?\"");
  Check(!Enabled(dlg, IDC_COND_OK), "Ok disabled until something changes");
  Check(LongText(GetDlgItem(dlg, IDC_COND_DESCRIPTION)).find("Keine Bedingung") != std::string::npos,
        "description of a record without conditions");

  HTREEITEM taurus = FindNode(remote, tree, {"Alle Bedingungen", "Tierkreis", "Mondzeichen", "Stier"});
  HTREEITEM sunday = FindNode(remote, tree, {"Alle Bedingungen", "Wochentag", "Sonntag"});
  Check(taurus && sunday, "tree holds Mondzeichen Stier and Wochentag Sonntag");
  if (!taurus || !sunday) return 1;
  SpaceOn(tree, taurus);
  Check(WaitFor([&] { return Enabled(dlg, IDC_COND_OK); }, 3000), "a click enables Ok");
  SpaceOn(tree, sunday);
  Check(WaitFor([&] { return LongText(GetDlgItem(dlg, IDC_COND_DESCRIPTION)).find("Sonntag") != std::string::npos; }, 3000),
        "requiring Sunday excludes the other days: the description names Sunday");
  SpaceOn(tree, sunday);
  for (HTREEITEM d = FirstChild(tree, TreeNext(tree, sunday, TVGN_PARENT)); d && d != sunday; d = TreeNext(tree, d, TVGN_NEXT))
    SpaceOn(tree, d);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kName));
  Sleep(300);
  const std::string described = LongText(GetDlgItem(dlg, IDC_COND_DESCRIPTION));
  std::printf("description: %s\n", described.c_str());
  Check(described.find("Mond: ") != std::string::npos && described.find("nicht") != std::string::npos &&
            described.find("Sonntag") != std::string::npos && described.find("Montag") == std::string::npos,
        "description: the moon sign, and Sunday as the one day excluded");
  SaveScreen("Z:\\tmp\\tw-conditions-editor.bmp");
  Press(dlg, IDC_COND_OK);
  Check(WaitGone(dlg), "Ok closes the editor");
  Check(WaitFor([&] { return LongText(GetDlgItem(reco, IDC_RECO_DESCRIPTION)) == described; }, 5000),
        "the recommendations dialog describes the saved conditions alike");
  HWND recoTree = GetDlgItem(reco, IDC_RECO_TREE);
  HTREEITEM general = FirstChild(recoTree, TreeNext(recoTree, nullptr, TVGN_ROOT));
  general = TreeNext(recoTree, TreeNext(recoTree, general, TVGN_NEXT), TVGN_NEXT);
  Check(remote.FindTreeItem(recoTree, general, kName) != nullptr, "the tree shows the new name in its category");
  Press(reco, IDC_RECO_CLOSE);
  Check(WaitGone(reco), "recommendations dialog closed and saved");

  const tw::RecoTables saved = ReadTables(s.work);
  const int slot = SlotNamed(saved, kName);
  Check(slot >= 0, "Reco.dat holds the new recommendation");
  if (slot < 0) return 1;
  tw::RecoRecord fresh;
  fresh.category = 3;
  fresh.SetName("?");
  const tw::RecoRecord expected = CoreRecordForClicks(fresh);
  Check(SameConditions(saved.records[slot], expected), "saved condition bits equal the core's for the same clicks");
  Check(saved.records[slot].weekdayCond == 0x1000u, "only Sunday excluded (slot 6 = 1)");
  Check(s.Close(), "program closed");

  // The calendar's side panel names the recommendation exactly on the days the core finds.
  const std::string doc = MakeDocument(s.work);
  Check(s.Launch(ctx, "\"" + doc + "\""), "program started with a person");
  HWND panel = nullptr, date = nullptr;
  WaitFor([&] {
    HWND client = FindWindowExA(s.frame, nullptr, "MDIClient", nullptr);
    HWND child = client ? FindWindowExA(client, nullptr, "TwChild", nullptr) : nullptr;
    HWND bar = child ? FindWindowExA(child, nullptr, "OrvStatus", nullptr) : nullptr;
    date = bar ? GetDlgItem(bar, ID_DATE_EDIT) : nullptr;
    for (HWND w = GetWindow(s.frame, GW_CHILD); w && !panel; w = GetWindow(w, GW_HWNDNEXT))
      if (GetDlgItem(w, ID_PANEL_SUMMARY)) panel = GetDlgItem(w, ID_PANEL_SUMMARY);
    return panel && date;
  }, 20000);
  Check(panel && date, "person window with side panel");
  if (!panel || !date) return 1;
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  moon.Open(s.work + "\\");
  int hits = 0, misses = 0, agree = 0;
  for (tw::DayNumber d = tw::DayFromDate(2024, 1, 14); d <= tw::DayFromDate(2024, 1, 24); ++d) {
    tw::RecoDay day;
    if (!tw::PrepareRecoDay(moon, d, false, &day)) continue;
    const bool holds = tw::Holds(saved.records[slot], day);
    (holds ? hits : misses)++;
    const std::string text = DateText(d);
    SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PostMessageA(date, WM_CHAR, 13, 0);
    WaitFor([&] { return LongText(panel).find(text) != std::string::npos; }, 5000);
    Sleep(100);
    const bool shown = LongText(panel).find(kName) != std::string::npos;
    if (shown == holds) ++agree;
    else std::printf("disagree on %s: core %d, panel %d\n", text.c_str(), holds, shown);
  }
  Check(hits > 0 && misses > 0, "the days tried hold some hits and some misses");
  Check(agree == hits + misses, "the panel shows the recommendation exactly on the core's days");
  Check(s.Close(), "program closed");
  return 0;
}

// All seven days excluded: Ok warns with 3698 naming the weekdays; "Abbrechen" keeps the
// dialog, "Ok" clears them. A fixed day through "Fixtagauswahl" is stored with its code.
int WarningAndFixedDay(const Context& ctx) {
  Session s;
  Check(s.Start(ctx), "program started");
  if (!s.frame) return 1;
  Remote remote(s.program.pi.hProcess);
  HWND reco = OpenRecommendations(s, remote, nullptr);
  if (!reco) return 1;
  Press(reco, IDC_RECO_NEW);
  HWND dlg = WaitDialogWith(s.program, IDC_COND_TREE);
  if (!dlg) return 1;
  HWND tree = GetDlgItem(dlg, IDC_COND_TREE);
  SendMessageA(GetDlgItem(dlg, IDC_COND_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Heiligabend"));
  HTREEITEM sunday = FindNode(remote, tree, {"Alle Bedingungen", "Wochentag", "Sonntag"});
  Check(sunday != nullptr, "Sonntag found");
  if (!sunday) return 1;
  SpaceOn(tree, sunday);
  SpaceOn(tree, sunday);
  Press(dlg, IDC_COND_OK);
  HWND box = WaitDialogWith(s.program, kMessageText);
  const std::string warning = MessageText(box);
  std::printf("warning: %s\n", warning.c_str());
  Check(warning.find("Wochentag") != std::string::npos, "message 3698 names the weekday category");
  Press(box, IDCANCEL);
  Check(IsWindowVisible(dlg) && Responds(dlg), "Abbrechen keeps the editor open");

  // 24 December through "Fixtagauswahl", then required: only that day remains.
  HTREEITEM empty = FindNode(remote, tree, {"Alle Bedingungen", "Bestimmte Tage", "Tag: ?"});
  Check(empty != nullptr, "one empty fixed-day leaf");
  if (!empty) return 1;
  Select(tree, empty);
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(empty));
  const RECT r = remote.TreeItemRect(tree, empty, true);
  PostMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2));
  HWND fixed = WaitDialogWith(s.program, IDC_FIXED_CHOICE);
  Check(fixed != nullptr, "double click opens Fixtagauswahl");
  if (!fixed) return 1;
  HWND choice = GetDlgItem(fixed, IDC_FIXED_CHOICE);
  Check(SendMessageA(choice, CB_GETCOUNT, 0, 0) == 15, "15 choices: none, a date, 13 movable days");
  Check(Enabled(fixed, IDC_FIXED_DAY_EDIT), "a new leaf starts on the date entry");
  SendMessageA(GetDlgItem(fixed, IDC_FIXED_DAY_EDIT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("23.12"));
  // The spin for the day (the first field in day-month order) moves it one up.
  PostMessageA(fixed, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(fixed, IDC_FIXED_SPIN_FIRST)));
  Check(WaitFor([&] { return WindowText(GetDlgItem(fixed, IDC_FIXED_DAY_EDIT)).rfind("24.12", 0) == 0; }, 5000),
        "the spin moves the day to 24.12");
  SaveScreen("Z:\\tmp\\tw-fixed-day.bmp");
  Press(fixed, IDOK);
  Check(WaitGone(fixed), "Fixtagauswahl closed");
  HTREEITEM days = FindNode(remote, tree, {"Alle Bedingungen", "Bestimmte Tage"});
  HTREEITEM first = days ? FirstChild(tree, days) : nullptr;
  Check(first && remote.TreeText(tree, first).find("24.12") != std::string::npos, "the leaf shows 24.12");
  HTREEITEM next = first ? TreeNext(tree, first, TVGN_NEXT) : nullptr;
  Check(next && remote.TreeText(tree, next) == "Tag: ?", "a new empty leaf below it");
  SpaceOn(tree, first);  // required: every other day excluded
  // Sunday back to any so only the fixed day decides.
  SpaceOn(tree, sunday);
  // Painting by drag: January required, then dragged over February and March.
  HTREEITEM january = FindNode(remote, tree, {"Alle Bedingungen", "Monat", "Januar"});
  Check(january != nullptr, "Januar found");
  if (!january) return 1;
  SpaceOn(tree, january);
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(TreeNext(tree, TreeNext(tree, january, TVGN_NEXT), TVGN_NEXT)));
  auto centre = [&](HTREEITEM item, HWND to) {
    const RECT r = remote.TreeItemRect(tree, item, true);
    POINT pt = {r.left + 5, (r.top + r.bottom) / 2};
    MapWindowPoints(tree, to, &pt, 1);
    return MAKELPARAM(pt.x, pt.y);
  };
  HTREEITEM february = TreeNext(tree, january, TVGN_NEXT), march = TreeNext(tree, february, TVGN_NEXT);
  // The tree starts the drag once the mouse leaves the place it was pressed at.
  PostMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON, centre(january, tree));
  PostMessageA(tree, WM_MOUSEMOVE, MK_LBUTTON, centre(february, tree));
  Sleep(200);
  PostMessageA(dlg, WM_MOUSEMOVE, MK_LBUTTON, centre(february, dlg));
  PostMessageA(dlg, WM_MOUSEMOVE, MK_LBUTTON, centre(march, dlg));
  PostMessageA(dlg, WM_LBUTTONUP, 0, centre(march, dlg));
  Sleep(200);
  Responds(dlg);

  // The colour button opens the colour dialog; pure red typed there makes the text red.
  Press(dlg, IDC_COND_COLOUR);
  HWND colour = WaitDialogWith(s.program, COLOR_RAINBOW);
  Check(colour != nullptr, "the colour dialog opens on template 84");
  if (!colour) return 1;
  Check(FindWindowExA(colour, nullptr, "TwScroll", nullptr) != nullptr, "with spins beside its number fields");
  SendMessageA(GetDlgItem(colour, COLOR_RED), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("250"));
  SendMessageA(GetDlgItem(colour, COLOR_GREEN), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
  SendMessageA(GetDlgItem(colour, COLOR_BLUE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0"));
  PostMessageA(colour, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(colour, IDC_COLOUR_SPIN_FIRST + 3)));
  Check(WaitFor([&] { return WindowText(GetDlgItem(colour, COLOR_RED)) == "251"; }, 3000), "the red spin adds one");
  Sleep(300);
  SaveScreen("Z:\\tmp\\tw-colour-dialog.bmp");
  Press(colour, IDOK);
  Check(WaitGone(colour), "colour dialog closed");
  Check(WaitFor([&] { return WindowText(GetDlgItem(dlg, IDC_COND_COLOUR)) == "1"; }, 3000), "the button shows colour 1 (red)");
  Press(dlg, IDC_COND_OK);
  box = WaitDialogWith(s.program, kMessageText, 3000);
  if (box && box != dlg && GetDlgItem(box, kMessageText)) Press(box, IDOK);
  Check(WaitGone(dlg), "Ok closes the editor");
  Press(reco, IDC_RECO_CLOSE);
  WaitGone(reco);
  const tw::RecoTables saved = ReadTables(s.work);
  const int slot = SlotNamed(saved, "Heiligabend");
  Check(slot >= 0, "saved");
  if (slot < 0) return 1;
  const tw::RecoRecord& rec = saved.records[slot];
  Check((rec.fixedDays[0] & 0x3FFF) == 2412 && (rec.fixedDays[0] >> 14) == 2, "DayCode 2412, required");
  Check((rec.otherDays >> 14) == 1, "all other days excluded");
  Check(rec.colorIndex == 1, "the text's colour is stored as red");
  Check(rec.monthCond == 0x55556Au, "painting stored January to March required, the other months excluded");
  Check(s.Close(), "program closed");
  return 0;
}

// ---- the test over years ----

// Writes the "Stier ohne Sonntag" record into the folder's Reco.dat as the core makes it.
void AddTestRecord(const std::string& work) {
  tw::RecoTables t;
  tw::RecordingSink sink;
  tw::LoadRecoTable(work + "\\", t, sink);
  tw::RecoRecord r;
  r.category = 3;
  r.SetName("?");
  r = CoreRecordForClicks(r);
  for (int n = 0; n < tw::kRecoSlots; ++n)
    if (!t.records[n].occupied()) {
      t.Occupy(n, r);
      break;
    }
  t.recoDirty = true;
  tw::SaveRecoTable(work + "\\", 0, t, sink);
  DeleteFileA((work + "\\Reco.sv0").c_str());
}

HWND FindSheet(Session& s) {
  HWND sheet = nullptr;
  WaitFor([&] {
    for (HWND d : Dialogs(s.program.pi.dwProcessId))
      if (WindowText(d) == "Empfehlungen testen") sheet = d;
    return sheet != nullptr;
  }, 15000);
  return sheet;
}

HWND Page(HWND sheet, int control) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w = FindWindowExA(sheet, nullptr, "#32770", nullptr); w; w = FindWindowExA(sheet, w, "#32770", nullptr))
      if (GetDlgItem(w, control) && IsWindowVisible(w)) found = w;
    return found != nullptr;
  }, 10000);
  return found;
}

HWND ShowPage(HWND sheet, int index, int control) {
  PostMessageA(sheet, PSM_SETCURSEL, index, 0);
  return Page(sheet, control);
}

// The days the core's search walks to from 31 December 2023 with the record alone in a
// selection, up to the end of 2024.
std::vector<tw::DayNumber> CoreFindDays(const std::string& work, const char* name) {
  tw::RecoTables t = ReadTables(work);
  const int slot = SlotNamed(t, name);
  std::vector<tw::DayNumber> days;
  if (slot < 0) return days;
  t.selections[2].inUse = 1;
  t.selections[2].members = tw::SlotMap();
  t.selections[2].members.Set(slot, true);
  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  moon.Open(work + "\\");
  tw::RecoEvaluator eval(t, moon, sink);
  const tw::DayNumber end = tw::DayFromDate(2024, 12, 31);
  for (tw::DayNumber d = tw::DayFromDate(2023, 12, 31);;) {
    const tw::DayNumber next = eval.FindDay(d, 1, false, 2, 0);
    if (next <= d || next > end) break;
    days.push_back(next);
    d = next;
  }
  return days;
}

std::string ButtonText(HWND page) { return WindowText(GetDlgItem(page, IDC_TEST_RUN)); }

int YearTest(const Context& ctx) {
  Session s;
  Check(s.Start(ctx, "TestYear=2024\r\nNumberofTestYears=1\r\nNumberofTestYearsAllTests=10\r\n", AddTestRecord),
        "program started");
  if (!s.frame) return 1;
  Remote remote(s.program.pi.hProcess);
  HWND reco = OpenRecommendations(s, remote, kName);
  if (!reco) return 1;
  Press(reco, IDC_RECO_TEST);
  HWND sheet = FindSheet(s);
  Check(sheet != nullptr, "the sheet \"Empfehlungen testen\" opens");
  if (!sheet) return 1;
  Check(GetDlgItem(sheet, 0x3021) == nullptr || !IsWindowVisible(GetDlgItem(sheet, 0x3021)), "no Apply button");

  // Settings: clamps on leaving a field.
  HWND settings = ShowPage(sheet, 2, IDC_TEST_YEAR);
  Check(settings != nullptr, "settings page");
  if (!settings) return 1;
  auto typeInto = [&](int id, const char* text) {
    HWND edit = GetDlgItem(settings, id);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(settings, WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
  };
  typeInto(IDC_TEST_YEAR, "1599");
  Check(WindowText(GetDlgItem(settings, IDC_TEST_YEAR)) == "1600", "year 1599 becomes 1600");
  typeInto(IDC_TEST_YEAR, "2045");
  Check(WindowText(GetDlgItem(settings, IDC_TEST_ALL_YEARS)) == "5", "10 years from 2045 are cut to 5");
  PostMessageA(settings, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(GetDlgItem(settings, IDC_TEST_YEAR_SPIN)));
  Check(WaitFor([&] { return WindowText(GetDlgItem(settings, IDC_TEST_YEAR)) == "2046"; }, 3000) &&
            WindowText(GetDlgItem(settings, IDC_TEST_ALL_YEARS)) == "4",
        "the year's spin moves it to 2046 and cuts the count to 4");
  typeInto(IDC_TEST_YEAR, "2024");
  typeInto(IDC_TEST_ALL_YEARS, "10");
  typeInto(IDC_TEST_SINGLE_YEARS, "1");
  SaveScreen("Z:\\tmp\\tw-test-settings.bmp");

  // Single test over 2024 against the core's search.
  HWND single = ShowPage(sheet, 1, IDC_TEST_LIST);
  Check(single != nullptr, "single test page");
  if (!single) return 1;
  Check(WindowText(GetDlgItem(single, IDC_TEST_NAME)) == kName, "the page names the recommendation under test");
  Press(single, IDC_TEST_RUN);
  Check(WaitFor([&] { return !WindowText(GetDlgItem(single, IDC_TEST_COUNT)).empty() && ButtonText(single) == "&Testen"; }, 60000),
        "the single test ends");
  const std::vector<tw::DayNumber> core = CoreFindDays(s.work, kName);
  HWND list = GetDlgItem(single, IDC_TEST_LIST);
  const int rows = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  Check(rows == std::min<int>(90, static_cast<int>(core.size())), "one row per day found, at most 90");
  Check(WindowText(GetDlgItem(single, IDC_TEST_COUNT)) == "Gefundene Tage: " + std::to_string(core.size()),
        "the count line reports the core's number of days");
  int same = 0;
  for (int i = 0; i < rows && i < static_cast<int>(core.size()); ++i) {
    const std::string text = DateText(core[i]);
    if (remote.ListText(list, i, 1).rfind(text, 0) == 0) ++same;
    else std::printf("row %d: %s, core %s\n", i, remote.ListText(list, i, 1).c_str(), text.c_str());
  }
  Check(rows > 0 && same == rows, "every row's date is a day the core's search walks to, in order");
  Check(remote.ListText(list, 0, 0).size() == 3, "weekday column: two letters and a full stop");
  std::printf("single test: %d days, first %s | %s\n", static_cast<int>(core.size()), remote.ListText(list, 0, 1).c_str(),
              remote.ListText(list, 0, 2).c_str());
  Sleep(300);
  SaveScreen("Z:\\tmp\\tw-test-single.bmp");

  // Test of all over ten years against the core's counters.
  HWND all = ShowPage(sheet, 0, IDC_TEST_TREE);
  Check(all != nullptr, "test of all page");
  if (!all) return 1;
  HWND tree = GetDlgItem(all, IDC_TEST_TREE);
  const std::vector<std::string> before = remote.TreeLines(tree);
  // Stopped halfway through 99 years, the labels stay.
  settings = ShowPage(sheet, 2, IDC_TEST_YEAR);
  typeInto(IDC_TEST_YEAR, "1951");
  typeInto(IDC_TEST_ALL_YEARS, "99");
  all = ShowPage(sheet, 0, IDC_TEST_TREE);
  Press(all, IDC_TEST_RUN);
  Check(WaitFor([&] { return !WindowText(GetDlgItem(all, IDC_TEST_DAY)).empty(); }, 10000), "the run shows the day tested");
  Check(!Enabled(sheet, IDOK), "OK disabled while running");
  PostMessageA(sheet, PSM_SETCURSEL, 2, 0);
  Sleep(100);
  Check(IsWindowVisible(all) != 0, "the sheet keeps the page while running");
  Press(sheet, IDCANCEL);
  Sleep(100);
  Check(IsWindowVisible(sheet) != 0, "the sheet refuses to close while running");
  Press(all, IDC_TEST_RUN);
  Check(WaitFor([&] { return ButtonText(all) == "&Testen"; }, 10000), "the same button stops the run");
  Check(remote.TreeLines(tree) == before, "a stopped run leaves the labels");
  Check(Enabled(sheet, IDOK), "OK enabled again");
  settings = ShowPage(sheet, 2, IDC_TEST_YEAR);
  typeInto(IDC_TEST_YEAR, "2024");
  typeInto(IDC_TEST_ALL_YEARS, "10");
  all = ShowPage(sheet, 0, IDC_TEST_TREE);

  tw::RecordingSink sink;
  tw::MoonData moon(sink);
  moon.Open(s.work + "\\");
  const tw::RecoTables tables = ReadTables(s.work);
  std::vector<int> counters;
  tw::RunTestAll(moon, tables, 2024, 10, false, nullptr, &counters);
  const DWORD t0 = GetTickCount();
  Press(all, IDC_TEST_RUN);
  Check(WaitFor([&] { return ButtonText(all) != "&Testen"; }, 5000), "run started");
  Check(WaitFor([&] { return ButtonText(all) == "&Testen"; }, 60000), "the test of all ends");
  std::printf("figure: test of all, %d years, shipped table: %lu ms\n", 10, static_cast<unsigned long>(GetTickCount() - t0));
  int checked = 0, wrong = 0;
  const std::vector<std::string> lines = remote.TreeLines(tree);
  for (int n = 0; n < tw::kRecoSlots; ++n) {
    const tw::RecoRecord& r = tables.records[n];
    if (!r.occupied() || r.isHeader()) continue;
    const std::string label = tw::AverageLabel(r.name, counters[n], 10);
    if (checked == 0) std::printf("first expected label: %s\n", label.c_str());
    ++checked;
    if (std::none_of(lines.begin(), lines.end(), [&](const std::string& l) {
          return l.size() >= label.size() && l.compare(l.size() - label.size(), label.size(), label) == 0;
        }))
      ++wrong;
  }
  Check(checked > 0 && wrong == 0, "labels \"(ø ...)\" equal the core's averages");
  SaveScreen("Z:\\tmp\\tw-test-all.bmp");
  Press(sheet, IDOK);
  Check(WaitGone(sheet), "the sheet closes when idle");
  Press(reco, IDC_RECO_CLOSE);
  WaitGone(reco);
  Check(s.Close(), "program closed");
  char year[16] = {}, count[16] = {};
  GetPrivateProfileStringA("TidewellGeneral", "TestYear", "", year, sizeof year, IniPath().c_str());
  GetPrivateProfileStringA("TidewellGeneral", "NumberofTestYearsAllTests", "", count, sizeof count, IniPath().c_str());
  Check(std::string(year) == "2024" && std::string(count) == "10", "the settings are stored at exit");
  return 0;
}

// ---- figures ----

// Polls every millisecond: the figures want more than the 20 ms of WaitFor.
template <class F>
DWORD Timed(F cond, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!cond()) {
    if (GetTickCount() - start >= timeoutMs) return timeoutMs;
    Sleep(1);
  }
  return GetTickCount() - start;
}

int Figures(const Context& ctx) {
  Session s;
  auto full = [](const std::string& work) {
    tw::RecoTables t;
    for (int n = 0; n < tw::kRecoSlots; ++n) {
      tw::RecoRecord r;
      r.category = static_cast<uint8_t>(1 + n % 3);
      r.SetName(("Empfehlung " + std::to_string(n)).c_str());
      // A spread of conditions: every record asks for one moon sign and one weekday.
      r.moonSignCond = 0x555555u & ~(3u << (2 * (n % 12)));
      r.moonSignCond |= 2u << (2 * (n % 12));
      r.weekdayCond = 1u << (2 * (n % 7));
      t.Occupy(n, r);
    }
    tw::RecordingSink sink;
    t.recoDirty = true;
    tw::SaveRecoTable(work + "\\", 0, t, sink);
    DeleteFileA((work + "\\Reco.sv0").c_str());
  };
  Check(s.Start(ctx, "TestYear=2014\r\nNumberofTestYearsAllTests=10\r\n", full), "program started with 768 recommendations");
  if (!s.frame) return 1;
  Remote remote(s.program.pi.hProcess);
  HWND reco = OpenRecommendations(s, remote, "Empfehlung 5", 3);
  if (!reco) return 1;
  DWORD editorMs[5] = {};
  for (DWORD& ms : editorMs) {
    Press(reco, IDC_RECO_CONDITIONS);
    HWND dlg = nullptr;
    ms = Timed([&] { return (dlg = WaitDialogWith(s.program, IDC_COND_TREE, 1)) != nullptr && IsWindowVisible(dlg); }, 10000);
    Responds(dlg);
    Press(dlg, IDCANCEL);
    WaitGone(dlg);
  }
  std::sort(std::begin(editorMs), std::end(editorMs));
  Press(reco, IDC_RECO_TEST);
  HWND sheet = FindSheet(s);
  HWND all = sheet ? Page(sheet, IDC_TEST_TREE) : nullptr;
  Check(all != nullptr, "test sheet open");
  if (!all) return 1;
  DWORD runMs[3] = {};
  for (DWORD& ms : runMs) {
    // A sent click returns when the button's handler, and so the whole run, has ended.
    DWORD_PTR r = 0;
    const DWORD start = GetTickCount();
    SendMessageTimeoutA(GetDlgItem(all, IDC_TEST_RUN), BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &r);
    ms = GetTickCount() - start;
  }
  std::sort(std::begin(runMs), std::end(runMs));
  HWND tree = GetDlgItem(all, IDC_TEST_TREE);
  const std::vector<std::string> lines = remote.TreeLines(tree);
  Check(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.find("(\xC3\xB8 ") != std::string::npos || l.find("(\xF8 ") != std::string::npos; }) == 768,
        "all 768 recommendations labelled");
  std::printf("figure: conditions editor opens in %lu ms (median of 5, target < 150)\n",
              static_cast<unsigned long>(editorMs[2]));
  std::printf("figure: test of all 768 recommendations over 10 years, pumping after every day: %lu ms (median of 3, "
              "target < 1000)\n",
              static_cast<unsigned long>(runMs[1]));
  Press(sheet, IDOK);
  WaitGone(sheet);
  Press(reco, IDC_RECO_CLOSE);
  WaitGone(reco);
  Check(s.Close(), "program closed");
  return 0;
}

}  // namespace

TW_E2E_CASE("conditions-edit-save", EditAndSave);
TW_E2E_CASE("conditions-warning-fixed-day", WarningAndFixedDay);
TW_E2E_CASE("conditions-year-test", YearTest);
TW_E2E_CASE("conditions-figures", Figures);
