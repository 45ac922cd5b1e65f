// What the person dialog decides when it is confirmed: the first notes day, the shift of
// the existing notes, and whether a new password must be repeated first.
#pragma once
#include <string>

#include "doc/person_document.h"

namespace tw {

// 1 January of `year`; with note data not before the current start; never before the
// birthday (an earlier start becomes the birthday itself).
DayNumber ComputeNotesStart(int year, DayNumber birthday, bool hasNoteData, DayNumber currentStart);

// Sets NotesStart; when the document has note data and the start moved later by d days,
// entry i takes entry i + d and the last d days become empty (days before the new start
// are dropped). A start that moved earlier cannot keep the notes' days and is refused
// when note data exists: false then, and nothing changes.
bool MoveNotesStart(PersonDocument& doc, DayNumber newStart);

enum class PasswordDecision { kReplace, kAskRepetition };
// The typed password (its first 7 characters) replaces the stored one directly when it is
// the same or empty (which removes the protection); a new one must be repeated first.
PasswordDecision DecidePassword(const std::string& stored, const std::string& typed);

}  // namespace tw
