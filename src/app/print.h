// The print job's state, shared by the job, its setup sheet and the preview window.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "core/daynumber.h"
#include "doc/view_flags.h"
#include "views/calendar_layout.h"
#include "views/painters.h"
#include "views/print_geometry.h"

namespace tw {

struct ChildWindow;

// The global print settings of the `Margins` key, in the order it stores them.
struct PrintSettings {
  PrintMargins margins;
  bool grid = true;
  int rowsPerPage = 3;
  PrintDaysPerPage daysPerPage = PrintDaysPerPage::kWeek;
  bool fillChart = true, fillCalendar = true;
  bool legend = false;
  bool landscape = false;
};

struct PrintJob {
  ChildWindow* cw = nullptr;
  HDC dc = nullptr;
  HGLOBAL devMode = nullptr, devNames = nullptr;  // the program's printer choice, kept after the job
  bool chart = false;
  DayNumber from = 0, to = 0;
  ViewFlags flags = 0;      // the document's flags with the print bits set from the screen's
  int daySize = 2;          // chart: print day size 1..4
  int highlight = 0;        // chart: print rhythm choice
  PrintSettings settings;
  bool metric = true;
  std::array<int, 10> widths{};  // moon calendar columns, in the unit
  LOGFONTA font{};               // the print font; lfHeight is set when it is created
  int fontSize = 120;            // tenths of a point
  bool fontChanged = false;
  int moonUnit = 0, dateWidth = 0;  // moon calendar: from the print font, in the unit
};

PrintSettings LoadPrintSettings();
void StorePrintSettings(const PrintSettings& s);  // into the settings and the `Margins` key
// The printed-column choices of the moon calendar from the print bits.
std::array<bool, 10> PrintedColumns(ViewFlags flags);

// The device's page as the geometry sees it.
DevicePage DevicePageOf(HDC dc);
// The print font's line height ("Ag") on the device.
int PrintLineHeight(HDC dc, const LOGFONTA& font, int sizeTenths);
// The print font on `dc`; the caller deletes it.
HFONT CreatePrintFont(HDC dc, const LOGFONTA& font, int sizeTenths);

// The moon unit and the date width of `job` from its print font on its printer.
void MeasureColumnUnits(PrintJob& job);
// The printed columns' widths from the portrait or landscape table, the date column
// widened to the date's width.
void TakeTableWidths(PrintJob& job);

// What a chart band of `job` from `from` is painted with: the same for the page and the
// preview. `font` is the print font made for the target.
ChartPaintInput ChartPrintInput(const PrintJob& job, const RECT& band, DayNumber from, HFONT font);

// The setup sheet (template 57..62); true on OK. The preview follows its edits.
bool RunPrintSetupSheet(HWND owner, PrintJob& job);
// Paints the first page of `job` into `rect` of `dc`, scaled: the preview.
void PaintPagePreview(HDC dc, const RECT& client, const PrintJob& job);
// Points the preview at the job the sheet edits; null when the sheet is closed.
void SetPreviewJob(const PrintJob* job);

// The default printer's device mode and names, taken at start with the stored orientation
// (no printer installed is not an error) and handed to the print dialog; freed at shutdown.
void LoadDefaultPrinter();
void FreeDefaultPrinter();

// Cancel check of a running job (also its abort procedure): runs waiting messages and
// answers true when the user cancelled.
bool PrintCancelled();

}  // namespace tw
