// Where the conditions editor gets its words: labels and connecting words are messages of
// the resource library, fixed dates are the user's short day-and-month form.
#pragma once
#include <string>

#include "calendar/date_format.h"

namespace tw {

class ConditionTexts {
 public:
  virtual ~ConditionTexts() = default;
  // Message `id` of the resource library; empty when it is missing.
  virtual std::string Message(int id) const = 0;
  // Short day-and-month text of a fixed date (no year).
  virtual std::string DayMonth(int day, int month) const = 0;
};

// The day-and-month text under the user's date order, separator and leading zeros.
std::string ShortDayMonth(const DateSettings& settings, int day, int month);

// The day a fixed-day code names: a date, a movable day's message, "?" for none.
std::string FixedDayText(const ConditionTexts& texts, int code);

// Substitutes `arg` for the first "%s" of a resource text and turns "%%" into "%". Any
// other conversion is copied literally, so a damaged resource text cannot read arguments
// that were never passed.
std::string FormatWithText(const std::string& format, const std::string& arg);

}  // namespace tw
