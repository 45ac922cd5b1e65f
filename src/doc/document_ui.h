// Small rules behind the document dialogs, kept apart from the dialog code so they can be
// checked without a window.
#pragma once
#include <string>

#include "core/daynumber.h"

namespace tw {

// A common-dialog filter from a library text such as "Texts (*.txt)|*.txt|": the text's
// last character is the separator, and every occurrence of it becomes a NUL. The result
// ends in two NULs (its own last character and the string terminator).
std::string FileDialogFilter(const std::string& text);

// The step unit of date field `field` (0..2, as the three spin buttons beside a date stand
// for them) in the locale's date order (0 month-day-year, 1 day-month-year, 2 year-month-day).
// Values are those of StepDay: 1 months, 2 days, 3 years.
int DateFieldUnit(int dateOrder, int field);

// The year typed as first notes year, read as digits and kept within the calendar's years:
// a start beyond the last year would leave no day to note and, with notes, drop them all.
int NotesYearFromText(const std::string& text, int fallbackYear);

// A person's name made usable as a file name: characters that a file name cannot hold
// (path separators, wildcards, quotes, control characters) become "_", so the save dialog
// does not refuse the suggestion.
std::string FileNameSafe(const std::string& name);

}  // namespace tw
