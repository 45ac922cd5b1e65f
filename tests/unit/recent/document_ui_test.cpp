#include <gtest/gtest.h>

#include <cstdint>

#include "calendar/date_step.h"
#include "core/daynumber.h"
#include "doc/document_ui.h"

namespace tw {
namespace {

TEST(FileFilter, LastCharacterIsTheSeparator) {
  const std::string f = FileDialogFilter("Personen (*.twd)|*.twd|Alle (*.*)|*.*|");
  const std::string want("Personen (*.twd)\0*.twd\0Alle (*.*)\0*.*\0", 38);
  EXPECT_EQ(f, want);
  // c_str() then ends in two NULs, as the open dialog needs.
  EXPECT_EQ(f.c_str()[f.size()], '\0');
  EXPECT_EQ(f.back(), '\0');
  // Another separator character works the same way; "|" is then ordinary text.
  EXPECT_EQ(FileDialogFilter("A|B#*.b#"), std::string("A|B\0*.b\0", 8));
  EXPECT_EQ(FileDialogFilter(""), std::string(1, '\0'));
}

TEST(DateFields, SpinButtonsFollowTheLocaleOrder) {
  EXPECT_EQ(DateFieldUnit(1, 0), kStepDays);
  EXPECT_EQ(DateFieldUnit(1, 1), kStepMonths);
  EXPECT_EQ(DateFieldUnit(1, 2), kStepYears);
  EXPECT_EQ(DateFieldUnit(0, 0), kStepMonths);
  EXPECT_EQ(DateFieldUnit(0, 1), kStepDays);
  EXPECT_EQ(DateFieldUnit(0, 2), kStepYears);
  EXPECT_EQ(DateFieldUnit(2, 0), kStepYears);
  EXPECT_EQ(DateFieldUnit(2, 1), kStepMonths);
  EXPECT_EQ(DateFieldUnit(2, 2), kStepDays);
  // The button for the day field of 31 January moves it to 1 February.
  const DayNumber jan31 = DayFromDate(2001, 1, 31);
  EXPECT_EQ(StepDay(jan31, DateFieldUnit(1, 0), 1), DayFromDate(2001, 2, 1));
}

TEST(NotesYear, DigitsWithinTheCalendarYears) {
  EXPECT_EQ(NotesYearFromText("1999", 2000), 1999);
  EXPECT_EQ(NotesYearFromText(" 2005", 2000), 2005);
  EXPECT_EQ(NotesYearFromText("", 2000), 2000);
  EXPECT_EQ(NotesYearFromText("abc", 2000), 2000);
  EXPECT_EQ(NotesYearFromText("12", 2000), 1600);
  EXPECT_EQ(NotesYearFromText("9999", 2000), 2049);
  EXPECT_EQ(NotesYearFromText("2010x", 2000), 2010);
  // An empty box falls back to the stored start's year; a file may hold any start, and the
  // year of the last day number is far beyond what a day number can count from again.
  int storedYear = 0;
  DateFromDay(INT32_MAX, &storedYear);
  EXPECT_EQ(NotesYearFromText("", storedYear), 2049);
  EXPECT_EQ(NotesYearFromText("", 1200), 1600);
}

TEST(SuggestedName, CharactersAFileNameCannotHoldAreReplaced) {
  EXPECT_EQ(FileNameSafe("Anna M\xfcller.twd"), "Anna M\xfcller.twd");
  EXPECT_EQ(FileNameSafe("A/B\\C:D*E?F\"G<H>I|J\tK.twd"), "A_B_C_D_E_F_G_H_I_J_K.twd");
  EXPECT_EQ(FileNameSafe(""), "");
}

}  // namespace
}  // namespace tw
