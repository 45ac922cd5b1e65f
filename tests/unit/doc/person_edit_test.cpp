#include <gtest/gtest.h>

#include <memory>

#include "doc/person_edit.h"
#include "doc/person_file.h"

namespace tw {
namespace {

TEST(NotesStart, FirstOfJanuaryNotBeforeTheBirthday) {
  const DayNumber birthday = DayFromDate(1985, 8, 20);
  EXPECT_EQ(ComputeNotesStart(1990, birthday, false, 0), DayFromDate(1990, 1, 1));
  EXPECT_EQ(ComputeNotesStart(1985, birthday, false, 0), birthday);
  EXPECT_EQ(ComputeNotesStart(1970, birthday, false, 0), birthday);
  // With note data the start never moves earlier.
  const DayNumber current = DayFromDate(1995, 1, 1);
  EXPECT_EQ(ComputeNotesStart(1990, birthday, true, current), current);
  EXPECT_EQ(ComputeNotesStart(1990, birthday, false, current), DayFromDate(1990, 1, 1));
  EXPECT_EQ(ComputeNotesStart(1997, birthday, true, current), DayFromDate(1997, 1, 1));
  // A birthday after the current start wins over both.
  EXPECT_EQ(ComputeNotesStart(1990, DayFromDate(1996, 3, 3), true, current), DayFromDate(1996, 3, 3));
}

std::unique_ptr<PersonDocument> DocWithNotes() {
  auto doc = std::make_unique<PersonDocument>();
  InitNewPersonDocument(*doc, CivilDate{1990, 5, 5}, DocumentDefaults{});
  doc->header.SetBirthday(DayFromDate(1960, 1, 1));
  doc->header.SetNotesStart(DayFromDate(1990, 1, 1));
  const DayNumber s = doc->header.NotesStart();
  SetDayEntryFor(*doc, s + 0, kMarkNoChange, "Tag 0");
  SetDayEntryFor(*doc, s + 400, kMarkNoChange, "Tag 400");
  SetDayEntryFor(*doc, s + 7319, kMarkNoChange, "letzter Tag");
  return doc;
}

TEST(NotesStart, MovingTheStartShiftsTheNotes) {
  auto doc = DocWithNotes();
  const DayNumber oldStart = doc->header.NotesStart();
  const DayNumber newStart = ComputeNotesStart(1991, doc->header.Birthday(), doc->HasNoteData(), oldStart);
  ASSERT_EQ(newStart - oldStart, 365);
  ASSERT_TRUE(MoveNotesStart(*doc, newStart));
  EXPECT_EQ(doc->header.NotesStart(), newStart);
  // Every note stays on its calendar day; days before the new start are gone.
  EXPECT_STREQ(GetDayEntry(*doc, oldStart + 400).text, "Tag 400");
  EXPECT_STREQ(GetDayEntry(*doc, oldStart + 7319).text, "letzter Tag");
  EXPECT_FALSE(GetDayEntry(*doc, oldStart).exists);
  for (int i = kNoteDays - 365; i < kNoteDays; ++i) EXPECT_EQ(doc->dayIndex[i], -1) << i;
  // The saved file holds the shifted days.
  PersonDocument back;
  std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_STREQ(GetDayEntry(back, oldStart + 400).text, "Tag 400");
}

TEST(NotesStart, MovingFarDropsEverything) {
  auto doc = DocWithNotes();
  ASSERT_TRUE(MoveNotesStart(*doc, doc->header.NotesStart() + 8000));
  for (int32_t off : doc->dayIndex) EXPECT_EQ(off, -1);
}

TEST(NotesStart, WithoutNotesTheStartMovesFreely) {
  auto doc = std::make_unique<PersonDocument>();
  InitNewPersonDocument(*doc, CivilDate{1990, 5, 5}, DocumentDefaults{});
  const DayNumber s = doc->header.NotesStart();
  EXPECT_TRUE(MoveNotesStart(*doc, s - 1000));
  EXPECT_EQ(doc->header.NotesStart(), s - 1000);
  auto withNotes = DocWithNotes();
  const DayNumber before = withNotes->header.NotesStart();
  EXPECT_FALSE(MoveNotesStart(*withNotes, before - 1));  // would misplace every note
  EXPECT_EQ(withNotes->header.NotesStart(), before);
  EXPECT_STREQ(GetDayEntry(*withNotes, before).text, "Tag 0");
}

TEST(PasswordChange, NewPasswordsNeedRepetition) {
  EXPECT_EQ(DecidePassword("", "neu"), PasswordDecision::kAskRepetition);
  EXPECT_EQ(DecidePassword("alt", "neu"), PasswordDecision::kAskRepetition);
  EXPECT_EQ(DecidePassword("alt", ""), PasswordDecision::kReplace);  // removing needs none
  EXPECT_EQ(DecidePassword("alt", "alt"), PasswordDecision::kReplace);
  EXPECT_EQ(DecidePassword("abcdefg", "abcdefgh"), PasswordDecision::kReplace);
}

}  // namespace
}  // namespace tw
