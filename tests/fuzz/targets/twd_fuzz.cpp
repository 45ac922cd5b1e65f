// .twd person documents: the header, the notes block and day index, then what opening a
// person computes from them (rhythm values and compatibility from the birthday, day marks).
#include "bio/bio_report.h"
#include "bio/rhythm_label.h"
#include "doc/person_document.h"
#include "doc/person_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tw::PersonDocument doc;
  if (tw::ParsePersonFile(doc, data, size) != tw::ParseResult::kOk) return 0;
  const tw::DayNumber birthday = doc.header.Birthday();
  for (tw::DayNumber day : {birthday, tw::kLastCalendarDay, tw::DayNumber{149000}}) {
    if (day < birthday) continue;
    tw::BioReportLines(birthday, day, true, true, tw::BuiltInRhythmLabels());
  }
  tw::CompatReportLines(birthday, tw::DayNumber{140000}, true, tw::BuiltInRhythmLabels());
  const tw::DayNumber first = doc.header.NotesStart();
  for (tw::DayNumber d = first - 2; d < first + 40; ++d) {
    tw::GetDayEntry(doc, d);
    tw::GetDayMarkOf(doc, d);
  }
  const std::vector<uint8_t> again = tw::SerializePersonDocument(doc);
  tw::PersonDocument copy;
  if (tw::ParsePersonFile(copy, again.data(), again.size()) != tw::ParseResult::kOk) __builtin_trap();
  return 0;
}
