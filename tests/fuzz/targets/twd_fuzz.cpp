// .twd person documents: the header, the notes block and day index, then what opening a
// person computes from them (rhythm values and compatibility from the birthday, day marks).
#include <cstdint>

#include "bio/bio_report.h"
#include "bio/rhythm_label.h"
#include "doc/document_ui.h"
#include "doc/person_document.h"
#include "doc/person_edit.h"
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
  // The notes start is any 32-bit value the file holds: step around it in 64 bits.
  const tw::DayNumber first = doc.header.NotesStart();
  for (int64_t d = int64_t{first} - 2; d < int64_t{first} + 40; ++d) {
    if (d < INT32_MIN || d > INT32_MAX) continue;
    tw::GetDayEntry(doc, static_cast<tw::DayNumber>(d));
    tw::GetDayMarkOf(doc, static_cast<tw::DayNumber>(d));
  }
  // What the person dialog does with it: shows its year, reads the year box back (empty:
  // the year shown) and moves the start there.
  int year = 0;
  tw::DateFromDay(first, &year);
  tw::PersonDocument moved = doc;
  const int typed = tw::NotesYearFromText(size % 2 ? "" : "2000", year);
  tw::MoveNotesStart(moved, tw::ComputeNotesStart(typed, birthday, doc.HasNoteData(), first));
  const std::vector<uint8_t> again = tw::SerializePersonDocument(doc);
  tw::PersonDocument copy;
  if (tw::ParsePersonFile(copy, again.data(), again.size()) != tw::ParseResult::kOk) __builtin_trap();
  return 0;
}
