#include "doc/person_edit.h"

namespace tw {

DayNumber ComputeNotesStart(int year, DayNumber birthday, bool hasNoteData, DayNumber currentStart) {
  DayNumber start = DayFromDate(year, 1, 1);
  if (hasNoteData && start < currentStart) start = currentStart;
  if (start < birthday) start = birthday;
  return start;
}

bool MoveNotesStart(PersonDocument& doc, DayNumber newStart) {
  const DayNumber oldStart = doc.header.NotesStart();
  if (doc.HasNoteData() && newStart != oldStart) {
    if (newStart < oldStart) return false;
    const int64_t d = static_cast<int64_t>(newStart) - oldStart;
    for (int i = 0; i < kNoteDays; ++i)
      doc.dayIndex[i] = i + d < kNoteDays ? doc.dayIndex[static_cast<size_t>(i + d)] : -1;
  }
  doc.header.SetNotesStart(newStart);
  return true;
}

PasswordDecision DecidePassword(const std::string& stored, const std::string& typed) {
  const std::string t = typed.substr(0, 7);
  return t.empty() || t == stored ? PasswordDecision::kReplace : PasswordDecision::kAskRepetition;
}

}  // namespace tw
