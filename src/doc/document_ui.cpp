#include "doc/document_ui.h"

#include <string_view>

#include "calendar/date_step.h"

namespace tw {

std::string FileDialogFilter(const std::string& text) {
  std::string out = text;
  if (out.empty()) return std::string(1, '\0');
  const char sep = out.back();
  for (char& c : out)
    if (c == sep) c = '\0';
  return out;
}

int DateFieldUnit(int dateOrder, int field) {
  static const int kUnits[3][3] = {
      {kStepMonths, kStepDays, kStepYears},  // month-day-year
      {kStepDays, kStepMonths, kStepYears},  // day-month-year
      {kStepYears, kStepMonths, kStepDays},  // year-month-day
  };
  if (dateOrder < 0 || dateOrder > 2) dateOrder = 1;
  if (field < 0 || field > 2) field = 2;
  return kUnits[dateOrder][field];
}

int NotesYearFromText(const std::string& text, int fallbackYear) {
  int year = 0;
  bool any = false;
  size_t i = text.find_first_not_of(' ');
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') break;
    year = year * 10 + (c - '0');
    any = true;
    if (year > 99999) break;
  }
  // The fallback is the year of the stored start, which a file can put anywhere.
  if (!any) year = fallbackYear;
  if (year < 1600) year = 1600;
  if (year > 2049) year = 2049;
  return year;
}

std::string FileNameSafe(const std::string& name) {
  std::string out = name;
  for (char& c : out) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) c = '_';
  }
  return out;
}

}  // namespace tw
