// The biorhythm chart in a person window and the partner comparison. The chart is read
// back from the screen at the places the portable layout predicts for the window's real
// size and font; the searches land where the core's searches land for the same input.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

#include "bio/curve_search.h"
#include "bio/rhythm.h"
#include "calendar/moon_data.h"
#include "core/colour_table.h"
#include "core/daynumber.h"
#include "core/platform.h"
#include "doc/person_file.h"
#include "e2e.h"
#include "reco/reco_record.h"
#include "reco/reco_report.h"
#include "reco/reco_tables.h"
#include "remote_win.h"
#include "tw_ids.h"
#include "views/chart_layout.h"

namespace {

using namespace e2e;

constexpr int kPartner = 7203, kToolbar = 2043;
constexpr int kName1 = 2101, kName2 = 2103, kHigher = 2123, kFirstValue = 2105, kAverage = 2119;

// `marks` lists (day offset from today, MarkCommand) pairs.
std::string MakePerson(const std::string& work, const char* file, const char* name, int month, int day,
                       const std::vector<std::pair<int, int>>& marks = {}) {
  tw::PersonDocument doc;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, tw::DocumentDefaults{});
  doc.header.SetName(name);
  doc.header.SetBirthday(tw::DayFromDate(1980, month, day));
  SYSTEMTIME now;
  GetLocalTime(&now);
  const tw::DayNumber today = tw::DayFromDate(now.wYear, now.wMonth, now.wDay);
  doc.header.SetNotesStart(today - 100);
  for (const auto& [offset, command] : marks) tw::SetDayEntryFor(doc, today + offset, command, nullptr);
  tw::RecordingSink sink;
  const std::string path = work + "\\" + file;
  Check(tw::SavePersonFile(doc, path, sink), "person file written");
  return path;
}

bool Answers(HWND w) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &r) != 0;
}

bool OpenPerson(FrameSession& s, const std::string& path, size_t windowsAfter) {
  return s.OpenFile(path) && WaitFor([&] { return s.PersonWindows().size() == windowsAfter; }, 15000);
}

// Person windows as charts, no start-up tip, version note or last file.
constexpr char kChartIni[] = "Liste=0\r\nTipOnStart=0\r\nStartLastFile=0\r\nNewVersion=0\r\n";

bool PartnerEnabled(HWND frame) {
  DWORD_PTR r = 0;
  SendMessageTimeoutA(GetDlgItem(frame, kToolbar), TB_ISBUTTONENABLED, kPartner, 0, SMTO_ABORTIFHUNG, 5000, &r);
  return r != 0;
}

// Chooses line `index` of a person list as a user would, with the change notification.
void Choose(HWND dlg, int list, int index) {
  HWND combo = GetDlgItem(dlg, list);
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::vector<std::string> Values(HWND dlg) {
  std::vector<std::string> v;
  for (int r = 0; r < 7; ++r) v.push_back(WindowText(GetDlgItem(dlg, kFirstValue + 2 * r)));
  v.push_back(WindowText(GetDlgItem(dlg, kAverage)));
  return v;
}

// The dialog as the screen shows it, as a 24-bit BMP next to the program.
bool SaveWindowPicture(HWND w, const std::string& file) {
  RECT r;
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top, stride = (width * 3 + 3) & ~3;
  std::vector<char> out(14 + 40 + static_cast<size_t>(stride) * height);
  BITMAPINFOHEADER* bih = reinterpret_cast<BITMAPINFOHEADER*>(out.data() + 14);
  *bih = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  const int rows = GetDIBits(mem, bmp, 0, height, out.data() + 54, reinterpret_cast<BITMAPINFO*>(bih), DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  const BITMAPFILEHEADER fh = {0x4D42, static_cast<DWORD>(out.size()), 0, 0, 54};
  memcpy(out.data(), &fh, sizeof fh);
  std::ofstream(file, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
  return rows == height;
}

int PartnerDialog(const Context& ctx) {
  FrameSession s;
  s.Prepare(ctx, kChartIni);
  const std::string anna = MakePerson(s.work, "anna.twd", "Anna", 3, 14);
  const std::string berta = MakePerson(s.work, "berta.twd", "Berta", 3, 15);
  const std::string clara = MakePerson(s.work, "clara.twd", "Clara", 3, 14);
  Check(s.Launch(ctx, anna) && s.WaitPerson(ID_DATE_EDIT), "first person window");
  if (!s.frame) return 1;
  HWND frame = s.frame;
  Answers(frame);
  Check(!PartnerEnabled(frame), "comparison disabled with one person");
  Check(OpenPerson(s, berta, 2), "second person opens");
  Check(OpenPerson(s, clara, 3), "third person opens");
  Answers(frame);
  Check(WaitFor([&] { return PartnerEnabled(frame); }, 3000), "comparison enabled with two persons and more");

  HWND dlg = s.Open(kPartner, kName1);
  Check(dlg != nullptr, "partner dialog opens");
  if (!dlg) return 1;
  Check(WindowText(dlg) == "Biorhythmus - Übereinstimmung", "dialog title");
  Check(WindowText(GetDlgItem(dlg, 2104)) == "Körper:", "first rhythm's name");
  // Sorted lists: Anna, Berta, Clara; the first and the second line are compared.
  std::vector<std::string> v = Values(dlg);
  Check(v[0] == "91 %", "one day apart: K 91 %");
  Check(v[1] == "93 %", "one day apart: S 93 %");  // 28 days: 100 - (714 + 50) / 100
  // The preference's higher curves are on by default: all seven compared.
  Check(IsDlgButtonChecked(dlg, kHigher) == BST_CHECKED, "Höhere Kurven follows the preference");
  Check(v[6] != "---" && !v[6].empty(), "seventh rhythm compared");
  PostMessageA(GetDlgItem(dlg, kHigher), BM_CLICK, 0, 0);
  Answers(dlg);
  v = Values(dlg);
  Check(v[3] == "---" && v[6] == "---", "without higher curves rhythms 4..7 read ---");
  Check(v[7] == "92 %", "average over three rhythms");  // (91 + 93 + 94) / 3
  std::printf("three rhythms: %s %s %s, average %s\n", v[0].c_str(), v[1].c_str(), v[2].c_str(), v[7].c_str());

  Choose(dlg, kName2, 2);  // Clara, born the same day as Anna
  v = Values(dlg);
  Check(v[0] == "100 %" && v[1] == "100 %" && v[2] == "100 %" && v[7] == "100 %", "same birthday: 100 %");
  Choose(dlg, kName1, 1);  // Berta against Clara: a day apart again
  Check(Values(dlg)[0] == "91 %", "the first list chooses as well");
  const std::string dir = ctx.exe.substr(0, ctx.exe.find_last_of('\\') + 1);
  Choose(dlg, kName1, 0);
  Choose(dlg, kName2, 1);
  Check(SaveWindowPicture(dlg, dir + "partner_dialog.bmp"), "screenshot saved");
  PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
  Check(WaitFor([&] { return !IsWindow(dlg); }, 5000), "Schließen ends the dialog");
  Check(s.Close(), "program ends");
  return 0;
}

// A maximised chart with seven rhythms, special ranges (both on by default), DayMarks and
// the average highlighted, for people to look at.
int ChartPicture(const Context& ctx) {
  FrameSession s;
  s.Prepare(ctx, kChartIni);
  const std::string erika = MakePerson(s.work, "erika.twd", "Erika", 4, 20,
                                       {{-3, 0x10}, {-2, 0x40}, {-1, 0x10}, {-1, 0x40}, {1, 1}, {2, 2}, {3, 3},
                                        {4, 0x10}, {4, 2}, {6, 0x40}, {6, 1}, {8, 0x40}});
  HWND child = s.Launch(ctx, erika) ? s.WaitPerson(ID_DATE_EDIT) : nullptr;
  Check(child != nullptr, "person window");
  if (!child) return 1;
  HWND frame = s.frame;
  ShowWindow(frame, SW_MAXIMIZE);
  SendMessageA(GetParent(child), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  HWND bar = FindWindowExA(child, nullptr, "OrvStatus", nullptr);
  HWND combo = bar ? GetDlgItem(bar, 2061) : nullptr;
  Check(combo != nullptr, "rhythm combo");
  SendMessageA(combo, CB_SETCURSEL, 8, 0);  // the average of the shown rhythms
  SendMessageA(bar, WM_COMMAND, MAKEWPARAM(2061, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  Answers(child);
  WaitFor([] { return false; }, 1000);
  const std::string dir = ctx.exe.substr(0, ctx.exe.find_last_of('\\') + 1);
  Check(SaveWindowPicture(GetDesktopWindow(), dir + "chart_maximised.bmp"), "screenshot saved");
  Check(s.Close(), "program ends");
  return 0;
}


// ---- The chart on the screen ----

constexpr int kDateEdit = ID_DATE_EDIT;
constexpr tw::ViewFlags kMarkRowAndRanges = 0x30;  // 0x10 special ranges, 0x20 the DayMark row
constexpr tw::ViewFlags kSevenRhythms = 0x40, kSawtoothShape = 0x100;

std::string MakeDatedPerson(const std::string& work, tw::DayNumber birthday, tw::DayNumber notesStart) {
  tw::PersonDocument doc;
  tw::InitNewPersonDocument(doc, tw::CivilDate{2024, 1, 1}, tw::DocumentDefaults{});
  doc.header.SetName("Erika");
  doc.header.SetBirthday(birthday);
  doc.header.SetNotesStart(notesStart);
  tw::RecordingSink sink;
  const std::string path = work + "\\erika.twd";
  Check(tw::SavePersonFile(doc, path, sink), "person file written");
  return path;
}

const tw::DayNumber kBirthday = tw::DayFromDate(1980, 4, 20);

tw::DayNumber ParseDateText(const std::string& text) {
  int d = 0, m = 0, y = 0;
  std::sscanf(text.c_str(), "%d.%d.%d", &d, &m, &y);
  return tw::DayFromDate(y, m, d);
}

struct ChartWindow : FrameSession {
  HWND child = nullptr, bar = nullptr, date = nullptr;

  // Erika, born on 20 April 1980 with notes from 2024, in the program started on a fresh
  // copy of the data with these settings; `prepare` may change the copy first.
  bool Start(const Context& ctx, const std::string& general, const std::string& conditions = "",
             const std::function<void(const std::string&)>& prepare = {}) {
    Prepare(ctx, "TipOnStart=0\r\nStartLastFile=0\r\nNewVersion=0\r\n" + general +
                     (conditions.empty() ? "" : "[TidewellConditions]\r\n" + conditions),
            prepare);
    const bool open = Launch(ctx, MakeDatedPerson(work, kBirthday, tw::DayFromDate(2024, 1, 1))) &&
                      (child = WaitPerson(kDateEdit)) != nullptr;
    bar = FindWindowExA(child, nullptr, "OrvStatus", nullptr);
    date = DateBarItem(child, kDateEdit);
    Check(open, "person window");
    return open;
  }
  // Types a date and commits it with Enter, as a user would.
  void GoTo(tw::DayNumber d) {
    const std::string text = DateText(d);
    SendMessageA(date, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    PostMessageA(date, WM_CHAR, 13, 0);
    Answers(child);
    Check(WaitFor([&] { return WindowText(date) == text; }, 5000), "the typed day is selected");
  }
  void Maximise() {
    ShowWindow(frame, SW_MAXIMIZE);
    SendMessageA(GetParent(child), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Settle();
  }
  // The program has handled what was posted, and the paint after it is on the screen.
  void Settle() {
    Answers(frame);
    Answers(child);
    Sleep(400);
    Answers(child);
  }
  void Command(int id) {
    FrameSession::Command(id);
    Settle();
  }
  // The client area less the DateBar: where the chart is painted.
  RECT Area() const {
    RECT r, b;
    GetClientRect(child, &r);
    GetWindowRect(bar, &b);
    MapWindowPoints(nullptr, child, reinterpret_cast<POINT*>(&b), 2);
    r.bottom = b.top;
    return r;
  }
  bool Close() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    // A changed person asks to be saved: no.
    if (HWND box = WaitDialogWith(program, kMessageText, 3000)) Press(box, IDNO);
    DWORD code = 1;
    return program.WaitExit(30000, &code);
  }
};

// The client area of a window as the screen shows it.
struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> px;  // 0x00RRGGBB, top-down
  COLORREF At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    const uint32_t v = px[static_cast<size_t>(y) * width + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
};

Capture Grab(HWND w) {
  Capture c;
  RECT r;
  GetClientRect(w, &r);
  POINT origin = {0, 0};
  ClientToScreen(w, &origin);
  c.width = r.right;
  c.height = r.bottom;
  c.px.resize(static_cast<size_t>(c.width) * c.height);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, c.width, c.height);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, c.width, c.height, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(mem, old);
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), c.width, -c.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(mem, bmp, 0, c.height, c.px.data(), &bi, DIB_RGB_COLORS);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return c;
}

COLORREF TableColour(int entry) { return static_cast<COLORREF>(tw::DefaultColourTable().entry[entry]); }

// Width and height of `text` in the display font the program makes from the same
// settings (Arial, 10 points).
SIZE DisplayTextSize(const char* text) {
  HDC screen = GetDC(nullptr);
  LOGFONTA lf = {};
  lf.lfHeight = -(100 * GetDeviceCaps(screen, LOGPIXELSY) / 720);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
  lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ old = SelectObject(screen, font);
  SIZE size = {0, 0};
  GetTextExtentPoint32A(screen, text, static_cast<int>(std::strlen(text)), &size);
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return size;
}

// What the program's chart lays out in `area`: the same layout function, fed with the
// window's size and the display font's measure.
tw::ChartLayout PredictChart(const RECT& area, tw::ViewFlags flags, tw::DayNumber birthday, tw::DayNumber selected,
                             tw::DayNumber first, bool recentre) {
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const SIZE ag = DisplayTextSize("Ag");
  tw::ChartInput in;
  in.target = {area.left, area.top, area.right, area.bottom};
  in.device = {ag.cx, ag.cy, dpiX, dpiY, false};
  in.options = tw::ChartOptionsFrom(flags, false, 2, tw::kHighlightNone, false);
  in.content.birthday = birthday;
  in.content.selectedDay = selected;
  in.content.firstDay = first;
  in.content.recentre = recentre;
  in.content.dayMark = [](tw::DayNumber) { return -1; };
  return tw::LayOutChart(in);
}

// Whether rhythm `r`'s vertex in sample row `k` is its own pixel: no other curve and not
// the zero line within two pixels, judged over the neighbouring rows as well.
bool CurveClear(const tw::ChartLayout& L, int k, int r) {
  if (k < 1 || k + 1 >= L.rows.count) return false;
  const int y = L.rows.At(k, r);
  if (std::abs(y - L.frame.y0) < 3) return false;
  for (int o = 0; o < L.rows.shown; ++o) {
    if (o == r) continue;
    int lo = L.rows.At(k, o), hi = lo;
    for (int j = k - 1; j <= k + 1; ++j) {
      lo = std::min(lo, L.rows.At(j, o));
      hi = std::max(hi, L.rows.At(j, o));
    }
    if (y >= lo - 2 && y <= hi + 2) return false;
  }
  return true;
}

// No curve within two pixels of the zero line around row `k`.
bool ZeroLineClear(const tw::ChartLayout& L, int k) {
  if (k < 1 || k + 1 >= L.rows.count) return false;
  for (int o = 0; o < L.rows.shown; ++o)
    for (int j = k - 1; j <= k + 1; ++j)
      if (std::abs(L.rows.At(j, o) - L.frame.y0) < 3) return false;
  return true;
}

int DayIndexOfRow(const tw::ChartLayout& L, int k) { return (tw::SampleRowX(L.frame, k) - L.frame.left) / L.frame.dayWidth; }

// A person born on 20 April 1980 with the 12 June 2024 selected in a maximised window:
// rhythm 1 on a known day, a moon mark of each kind, a Sunday cell and the zero line stand
// where the layout puts them; a red flag with "+" set through the popup shows in the
// DayMark row; the sawtooth shape moves rhythm 1 where the shapes differ.
int ChartPixels(const Context& ctx) {
  const tw::DayNumber birthday = kBirthday, selected = tw::DayFromDate(2024, 6, 12);
  ChartWindow s;
  if (!s.Start(ctx, "Liste=0\r\nPreference=48\r\n")) return 1;  // special ranges, DayMark row, three rhythms
  s.GoTo(selected);
  s.Maximise();  // the size change centres the chart on the selected day
  const RECT area = s.Area();
  const tw::ChartLayout L = PredictChart(area, kMarkRowAndRanges, birthday, selected, 0, true);
  const tw::ChartFrame& f = L.frame;
  const int w = f.dayWidth, h = f.rowHeight;
  const tw::DayNumber first = L.geometry.firstDay;
  std::printf("area %ldx%ld, day width %d, row height %d, %d days from %s\n", area.right, area.bottom, w, h,
              f.daysShown, DateText(first).c_str());
  Check(f.daysShown > 40 && first < selected && selected < first + f.daysShown, "a maximised chart around the day");
  const Capture before = Grab(s.child);
  auto column = [&](tw::DayNumber d) { return f.left + (d - first) * w; };
  auto awayFrom = [&](int x, tw::DayNumber d) { return x < column(d) - 2 || x > column(d) + w + 2; };

  // Rhythm 1 at the middle of a day's column: the day's own sample of the 23-day table.
  int k1 = -1;
  for (int k = 6; k < L.rows.count - 4 && k1 < 0; k += 4)
    if (CurveClear(L, k, 0) && awayFrom(tw::SampleRowX(f, k), selected)) k1 = k;
  Check(k1 >= 0, "a day where rhythm 1 stands alone");
  if (k1 >= 0) {
    const tw::DayNumber day = first + DayIndexOfRow(L, k1);
    const int32_t sample = tw::GetCurveTables().Of(0, false)[4 * ((day - birthday) % 23)];
    const int x = tw::SampleRowX(f, k1), y = f.ValueY(sample);
    std::printf("rhythm 1 on %s: value %d at (%d, %d)\n", DateText(day).c_str(), sample, x, y);
    Check(x == column(day) + w / 2 && L.rows.At(k1, 0) == y, "the day's sample sits at the middle of its column");
    Check(before.At(x, y) == TableColour(tw::kRhythmColourFirst), "rhythm 1's colour at its value on that day");
  }

  // A moon mark of each kind, away from the month lines and names in the same row.
  static const char* const kMonths[] = {"Januar", "Februar", "März",     "April",   "Mai",      "Juni",
                                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  auto nearMonthStart = [&](int x) {
    for (const tw::StripDay& d : L.days)
      if (d.monthStart && x > d.x - 8 && x < d.x + 2 + DisplayTextSize(kMonths[d.month - 1]).cx + 8) return true;
    return false;
  };
  for (tw::MoonMarkKind kind : {tw::MoonMarkKind::A, tw::MoonMarkKind::B}) {
    const tw::MoonMark* mark = nullptr;
    for (const tw::MoonMark& m : L.moonMarks)
      if (!mark && m.kind == kind && !nearMonthStart(m.x)) mark = &m;
    const bool a = kind == tw::MoonMarkKind::A;
    Check(mark != nullptr, a ? "a moon mark of kind A is shown" : "a moon mark of kind B is shown");
    if (mark)
      Check(before.At(mark->x, L.moonCentreY) == TableColour(a ? tw::kChartYellowColour : tw::kChartGreyColour),
            a ? "moon mark A filled yellow at its place" : "moon mark B filled grey at its place");
  }

  // A Sunday's cell in the DayMark row is blue.
  const tw::StripDay* sunday = nullptr;
  for (const tw::StripDay& d : L.days)
    if (!sunday && d.sunday && d.day != selected) sunday = &d;
  Check(sunday != nullptr, "a Sunday is shown");
  if (sunday) Check(before.At(sunday->x + w / 2, f.stripTop + h / 2) == TableColour(tw::kChartSundayColour),
                    "the Sunday cell is blue");

  // The zero line, where no curve comes near it.
  int k0 = -1;
  for (int k = 4; k < L.rows.count - 4 && k0 < 0; ++k)
    if (ZeroLineClear(L, k) && awayFrom(tw::SampleRowX(f, k), selected)) k0 = k;
  Check(k0 >= 0 && before.At(tw::SampleRowX(f, k0), f.y0) == RGB(0, 0, 0), "the zero line is black");

  // The rhythm combo's "average" draws it at once as a thick black curve.
  HWND combo = GetDlgItem(s.bar, ID_RHYTHM_COMBO);
  auto highlight = [&](int choice) {
    SendMessageA(combo, CB_SETCURSEL, choice, 0);
    SendMessageA(s.bar, WM_COMMAND, MAKEWPARAM(ID_RHYTHM_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    s.Settle();
  };
  highlight(tw::kHighlightAverage);
  const Capture thick = Grab(s.child);
  const std::vector<tw::ChartPoint> average = tw::AveragePolyline(f, L.rows, tw::kHighlightAverage);
  int ka = -1;
  for (int k = 4; k < L.rows.count - 4 && ka < 0; ++k)
    if (std::abs(average[k].y - f.y0) > 3 && awayFrom(average[k].x, selected)) ka = k;
  Check(ka >= 0, "a place where the average is off the zero line");
  if (ka >= 0) {
    const int x = average[ka].x, y = average[ka].y;
    Check(before.At(x, y) != RGB(0, 0, 0), "no black curve there before");
    Check(thick.At(x, y - 1) == RGB(0, 0, 0) && thick.At(x, y) == RGB(0, 0, 0) && thick.At(x, y + 1) == RGB(0, 0, 0),
          "the average is drawn three pixels thick");
  }
  highlight(tw::kHighlightNone);

  // A red flag and "+" through the popup of a right click in the DayMark row.
  tw::DayNumber marked = selected + 3;
  if (tw::WeekdaySunday(marked) == 0) ++marked;  // not on the blue Sunday cell
  const int mx = column(marked);
  PostMessageA(s.child, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(mx + w / 2, f.stripTop + h / 2));
  HWND popup = WaitDialogWith(s.program, ID_MARK_RED, 10000);
  Check(popup != nullptr, "a right click in the DayMark row opens the popup");
  if (popup) {
    Check(WindowText(popup).find(DateText(marked)) != std::string::npos, "the popup is titled with the clicked day");
    SendMessageA(GetDlgItem(popup, ID_MARK_RED), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(GetDlgItem(popup, ID_MARK_SYMBOL_NONE), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(GetDlgItem(popup, ID_MARK_SYMBOL_FIRST), BM_SETCHECK, BST_CHECKED, 0);
    Press(popup, IDOK);
    WaitFor([&] { return !IsWindow(popup); }, 5000);
  }
  s.Settle();
  Check(WindowText(s.date) == DateText(marked), "the right click selected the day");
  const Capture marks = Grab(s.child);
  const tw::DayMarkCell cell = tw::LayOutDayMarkCell(mx, f.stripTop, w, h, tw::kMarkRed | 1, false);
  const tw::ChartRect& a = cell.symbolArea;
  Check(marks.At((cell.redRect.left + cell.redRect.right) / 2 + 1, (cell.redRect.top + cell.redRect.bottom) / 2) ==
            TableColour(tw::kChartRedFlagColour),
        "the red flag fills the upper half of the day's cell");
  Check(marks.At((a.left + a.right) / 2, (a.top + a.bottom) / 2) == RGB(0, 0, 0), "the plus is drawn below it");
  Check(marks.At(column(marked - 1) + w / 2, (cell.redRect.top + cell.redRect.bottom) / 2) !=
            TableColour(tw::kChartRedFlagColour),
        "the day before has no flag");

  // Sawtooth: rhythm 1 leaves the sine's place where the two shapes differ.
  s.Command(IDM_VIEW_SAWTOOTH);
  const Capture saw = Grab(s.child);
  const tw::ChartLayout S = PredictChart(area, kMarkRowAndRanges | kSawtoothShape, birthday, marked, first, false);
  int ks = -1;
  for (int k = 6; k < L.rows.count - 4 && ks < 0; ++k) {
    const int x = tw::SampleRowX(f, k), ySine = L.rows.At(k, 0);
    bool apart = true;  // the sawtooth's rhythm 1 stays clear of the sine's pixel
    for (int j = k - 1; j <= k + 1; ++j) apart = apart && std::abs(S.rows.At(j, 0) - ySine) > 3;
    if (apart && CurveClear(L, k, 0) && CurveClear(S, k, 0) && awayFrom(x, selected) && awayFrom(x, marked)) ks = k;
  }
  Check(ks >= 0, "a place where sine and sawtooth differ");
  if (ks >= 0) {
    const int x = tw::SampleRowX(f, ks);
    std::printf("sawtooth at x %d: sine y %d, sawtooth y %d\n", x, L.rows.At(ks, 0), S.rows.At(ks, 0));
    const COLORREF red = TableColour(tw::kRhythmColourFirst);
    Check(before.At(x, L.rows.At(ks, 0)) == red, "the sine drew rhythm 1 there");
    Check(saw.At(x, L.rows.At(ks, 0)) != red, "the sawtooth leaves the sine's place");
    Check(saw.At(x, S.rows.At(ks, 0)) == red, "the sawtooth draws rhythm 1 at its own value");
  }

  // A click in the curves selects the day under it; an arrow key moves the inverted column
  // to the next day and gives the previous one back its pixels.
  const tw::DayNumber clicked = marked - 5, right = clicked + 1;
  auto mouse = [&](UINT msg, WPARAM keys, tw::DayNumber d, int y) {
    PostMessageA(s.child, msg, keys, MAKELPARAM(column(d) + w / 2, y));
  };
  mouse(WM_LBUTTONDOWN, MK_LBUTTON, clicked, f.y0 - 20);
  mouse(WM_LBUTTONUP, 0, clicked, f.y0 - 20);
  s.Settle();
  Check(WindowText(s.date) == DateText(clicked), "a click selects the day under it");
  PostMessageA(s.child, WM_KEYDOWN, VK_RIGHT, 0);
  s.Settle();
  Check(WindowText(s.date) == DateText(right), "the right arrow selects the next day");
  const Capture moved = Grab(s.child);
  const int xl = column(clicked) + w / 2, xr = column(right) + w / 2;
  int white = -1;  // a height where both columns were white before either was selected
  for (int y = f.stripTop - 3; y > 2 && white < 0; --y)
    if (saw.At(xl, y) == RGB(255, 255, 255) && saw.At(xr, y) == RGB(255, 255, 255)) white = y;
  Check(white > 0 && moved.At(xr, white) == RGB(0, 0, 0) && moved.At(xl, white) == RGB(255, 255, 255),
        "the inverted column moved with the selection");

  // Shift held at the button in the DayMark row: yellow on every day the drag reaches.
  const tw::DayNumber dragFrom = right - 12;
  const int markY = f.stripTop + h / 2;
  mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, dragFrom, markY);
  mouse(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, dragFrom + 1, markY);
  mouse(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, dragFrom + 2, markY);
  mouse(WM_LBUTTONUP, MK_SHIFT, dragFrom + 2, markY);
  s.Settle();
  Check(WindowText(s.date) == DateText(dragFrom + 2), "the drag ends on the day under the mouse");
  const Capture dragged = Grab(s.child);
  auto yellowAt = [&](tw::DayNumber d) {
    const tw::DayMarkCell c = tw::LayOutDayMarkCell(column(d), f.stripTop, w, h, tw::kMarkYellow, false);
    return dragged.At((c.yellowRect.left + c.yellowRect.right) / 2 + 1, c.yellowRect.top + 2) ==
           TableColour(tw::kChartYellowColour);
  };
  Check(yellowAt(dragFrom) && yellowAt(dragFrom + 1) && yellowAt(dragFrom + 2), "the dragged days are yellow");
  Check(!yellowAt(dragFrom - 1) && !yellowAt(dragFrom + 3), "the days beside the drag are not");

  // Page Down moves by the days the chart shows.
  PostMessageA(s.child, WM_KEYDOWN, VK_NEXT, 0);
  s.Settle();
  Check(WindowText(s.date) == DateText(dragFrom + 2 + f.daysShown), "Page Down moves by the days shown");

  // Held past the right edge, a drag scrolls by half the days shown every 500 ms.
  const int y = f.y0 - 20;
  PostMessageA(s.child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.right / 2, y));
  s.Settle();
  const tw::DayNumber pressed = ParseDateText(WindowText(s.date));
  PostMessageA(s.child, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(area.right + 1, y));
  Sleep(1300);
  const tw::DayNumber scrolled = ParseDateText(WindowText(s.date));
  PostMessageA(s.child, WM_LBUTTONUP, 0, MAKELPARAM(area.right + 1, y));
  s.Settle();
  std::printf("drag past the right edge: %s to %s in 1.3 s\n", DateText(pressed).c_str(), DateText(scrolled).c_str());
  Check(scrolled - pressed >= f.daysShown / 2 && scrolled - pressed <= 3 * (f.daysShown / 2),
        "the drag scrolled by half the days shown per tick");
  Check(s.Close(), "program ends");
  return 0;
}

// F3 and Shift+F3 in a chart window: the curve search of the ConditionCombo's condition
// (condition 1: rhythm 1 crosses zero) lands where the core's search does, also though
// SearchEnd still holds its default of 2009; at the end of the calendar and at the
// birthday the message 3010 shows and the day stays.
int ChartSearch(const Context& ctx) {
  const tw::DayNumber birthday = kBirthday, start = tw::DayFromDate(2024, 6, 12);
  ChartWindow s;
  if (!s.Start(ctx, "Liste=0\r\nPreference=48\r\n",
               "CText1=Nulldurchgang K\r\nCond=0\r\nCond1=1 0 0 0 0 0 0 0 0 0 0 0 0 0 \r\n"))
    return 1;
  s.GoTo(start);

  // The input of `twcal search 1980-04-20 2024-06-12 --cond "1,0,0,0,0,0,0"`.
  tw::ConditionWords words{};
  words[0] = 1;
  tw::CurveSearchRequest request;
  request.selectedDay = start;
  request.birthday = birthday;
  tw::RecordingSink quiet;
  const tw::DayNumber next = tw::CurveSearch(request, words, quiet);
  request.selectedDay = next;
  request.direction = -1;
  const tw::DayNumber back = tw::CurveSearch(request, words, quiet);
  std::printf("zero crossing of K after %s: %s, before that: %s\n", DateText(start).c_str(), DateText(next).c_str(),
              DateText(back).c_str());
  Check(next > start + 1 && back < next, "the core finds days on both sides");

  PostMessageA(s.child, WM_KEYDOWN, VK_F3, 0);
  PostMessageA(s.child, WM_KEYUP, VK_F3, 0xC0000001);
  s.Settle();
  Check(WaitFor([&] { return WindowText(s.date) == DateText(next); }, 5000), "F3 lands on the next matching day");
  s.Command(IDM_PREV_MATCH);  // Shift+F3's command
  Check(WaitFor([&] { return WindowText(s.date) == DateText(back); }, 5000),
        "Shift+F3 lands on the previous matching day");

  auto noHitAt = [&](tw::DayNumber d, int command, const char* what) {
    s.GoTo(d);
    PostMessageA(s.frame, WM_COMMAND, command, 0);
    HWND box = WaitDialogWith(s.program, kMessageText, 10000);
    Check(box != nullptr, what);
    if (box) Press(box, IDOK);
    s.Settle();
    Check(WindowText(s.date) == DateText(d), "the selected day stays");
  };
  noHitAt(tw::kLastCalendarDay, IDM_NEXT_MATCH, "3010 at the search end");
  noHitAt(birthday, IDM_PREV_MATCH, "3010 at the birthday");
  Check(s.Close(), "program ends");
  return 0;
}

// Adds selection `index` without members to a RecoSel.dat: nothing is ever recommended
// for it, so a search for it runs to its limit.
bool AddEmptySelection(const std::string& file, int index, const char* name) {
  std::fstream f(file, std::ios::binary | std::ios::in | std::ios::out);
  tw::RecoSelEntry e;
  e.inUse = 1;
  e.SetName(name);
  uint8_t bytes[tw::kRecoSelEntrySize] = {};
  e.ToBytes(bytes);
  f.seekp(static_cast<std::streamoff>(index) * tw::kRecoSelEntrySize);
  f.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
  return f.good();
}

// F3 and Shift+F3 in a moon calendar window: the day of the next and the previous
// recommendation of the selection "Garten" is the one the core's search finds in the same
// data; for a selection without members Escape ends the search and leaves the day, and
// without Escape the search runs to its end (SearchEnd's 2009 stands for 2049) and shows
// 3010.
int CalendarSearch(const Context& ctx) {
  constexpr int kGarden = 2, kEmpty = 7;
  const std::string data = ctx.data + "\\";

  // What `twcal find DAY --selection 2` and `--back` from its result give, from the first
  // day after 11 June 2024 whose next garden day lies more than two days ahead (a search
  // that only stepped a day could not pass).
  tw::RecordingSink quiet;
  tw::RecoTables tables;
  tw::MoonData moon(quiet);
  std::string error;
  Check(tw::LoadRecoTablesForReport(data, tables, quiet, &error) && moon.Open(data),
        "the core reads the recommendations and the moon data");
  tw::DayNumber start = tw::DayFromDate(2024, 6, 12), next = 0, back = 0;
  for (int tries = 0; tries < 366; ++tries, ++start)
    if (tw::FindRecommendedDay(tables, moon, start, 1, kGarden, false, &next) && next > start + 2) break;
  Check(next > start + 2 && tw::FindRecommendedDay(tables, moon, next, -1, kGarden, false, &back),
        "the core finds days of the selection");
  std::printf("Garten after %s: %s, before that: %s\n", DateText(start).c_str(), DateText(next).c_str(),
              DateText(back).c_str());

  ChartWindow s;
  auto addEmpty = [&](const std::string& work) {
    Check(AddEmptySelection(work + "\\RecoSel.dat", kEmpty, "Leer"), "an empty selection added");
  };
  if (!s.Start(ctx, "Liste=1\r\nPreference=48\r\n", "LastRecoSel=2\r\n", addEmpty)) return 1;
  s.GoTo(start);
  PostMessageA(s.child, WM_KEYDOWN, VK_F3, 0);
  PostMessageA(s.child, WM_KEYUP, VK_F3, 0xC0000001);
  s.Settle();
  Check(WaitFor([&] { return WindowText(s.date) == DateText(next); }, 5000), "F3 lands on the next recommended day");
  s.Command(IDM_PREV_MATCH);
  Check(WaitFor([&] { return WindowText(s.date) == DateText(back); }, 5000),
        "Shift+F3 lands on the previous recommended day");

  Check(ChooseSelection(s.frame, kEmpty), "the empty selection is chosen");
  s.Settle();
  s.GoTo(start);
  // Escape waits behind the command: the search sees it at its first look at the keys.
  PostMessageA(s.frame, WM_COMMAND, IDM_NEXT_MATCH, 0);
  PostMessageA(s.child, WM_KEYDOWN, VK_ESCAPE, 0);
  s.Settle();
  Check(WaitDialogWith(s.program, kMessageText, 1500) == nullptr, "Escape ends the search without a message");
  Check(WindowText(s.date) == DateText(start), "Escape leaves the selected day");

  const DWORD t0 = GetTickCount();
  PostMessageA(s.frame, WM_COMMAND, IDM_NEXT_MATCH, 0);
  HWND box = WaitDialogWith(s.program, kMessageText, 30000);
  Check(box != nullptr, "3010 when the search reaches its end");
  std::printf("search to the end of 2049: %lu ms, message: %s\n", static_cast<unsigned long>(GetTickCount() - t0),
              box ? MessageText(box).c_str() : "");
  if (box) Press(box, IDOK);
  s.Settle();
  Check(WindowText(s.date) == DateText(start), "the day stays after 3010");
  Check(s.Close(), "program ends");
  return 0;
}

// Prints how long a full repaint of a maximised chart with seven rhythms and special
// ranges takes (no assertion on it).
int ChartRepaintTiming(const Context& ctx) {
  ChartWindow s;
  if (!s.Start(ctx, "Liste=0\r\nPreference=112\r\n")) return 1;  // special ranges, DayMark row, seven rhythms
  s.GoTo(tw::DayFromDate(2024, 6, 12));
  s.Maximise();
  const RECT area = s.Area();
  constexpr int kRounds = 50;
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  for (int i = 0; i < kRounds; ++i) {
    RedrawWindow(s.child, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Answers(s.child);
  }
  QueryPerformanceCounter(&t1);
  const double ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
  std::printf("chart repaint, area %ldx%ld, seven rhythms and special ranges: %.1f ms per repaint\n", area.right,
              area.bottom, ms / kRounds);
  Check(s.Close(), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("chart-partner", PartnerDialog);
TW_E2E_CASE("chart-picture", ChartPicture);
TW_E2E_CASE("chart-pixels", ChartPixels);
TW_E2E_CASE("chart-search", ChartSearch);
TW_E2E_CASE("calendar-search", CalendarSearch);
TW_E2E_CASE("chart-repaint-timing", ChartRepaintTiming);
