// Moon.dat records: every field decoded, the attributes from the neighbouring days, the
// day report, and the recommendation day, over records the input supplies.
#include <algorithm>
#include <vector>

#include "calendar/day_attributes.h"
#include "calendar/day_report.h"
#include "calendar/moon_data.h"
#include "calendar/moon_derived.h"
#include "fuzz_input.h"
#include "reco/reco_eval.h"
#include "views/calendar_cells.h"
#include "views/calendar_export.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const bool sternbild = in.Byte() & 1;
  // Start near either end of the data as well as in the middle; one consumer of the
  // records per run keeps runs short.
  const int choice = in.Byte();
  const int where = choice % 3;
  const int consumer = choice / 3 % 4;
  std::vector<tw::MoonDayRecord> records;
  while (in.size() >= tw::kMoonRecordSize) {
    records.push_back(tw::MoonDayRecord::FromBytes(in.data()));
    for (int i = 0; i < tw::kMoonRecordSize; ++i) in.Byte();
  }
  if (records.empty()) return 0;
  const int n = static_cast<int>(records.size());
  const tw::DayNumber first = where == 0 ? tw::kFirstMoonDay : where == 1 ? tw::kLastMoonDay - n + 1 : 150000;
  tw::MemoryMoonData moon(first, records);
  // The attributes look eight days either way: the middle days see all of the input.
  for (tw::DayNumber d = first + std::max(0, n / 2 - 4); d < first + std::min(n, n / 2 + 4); ++d) {
    tw::DayReport report;
    if (!tw::BuildDayReport(moon, nullptr, d, sternbild, &report)) continue;
    const tw::MoonDayRecord& r = report.record;
    tw::ExportDay e;
    e.day = d;
    e.record = r;
    switch (consumer) {
      case 0:
        tw::DayReportJson(report);
        tw::DayReportText(report);
        break;
      case 1: {
        tw::RecoDay day;
        tw::PrepareRecoDay(moon, d, sternbild, &day);
        tw::PhasePicture(r);
        tw::MoonSizePercent(r);
        tw::NoonSign(tw::MoonPosition(r, sternbild));
        break;
      }
      case 2:
        tw::CsvRow(e, sternbild);
        break;
      default:
        tw::IcsDay(e, sternbild, 0, "20240101T000000Z");
    }
  }
  return 0;
}
