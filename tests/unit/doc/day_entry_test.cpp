#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "doc/person_file.h"
#include "doc_test_util.h"

namespace tw {
namespace {

constexpr DayNumber kStart = 146000;

std::unique_ptr<PersonDocument> NewDoc() {
  auto doc = std::make_unique<PersonDocument>();
  InitNewPersonDocument(*doc, CivilDate{2000, 6, 1}, DocumentDefaults{});
  doc->header.SetNotesStart(kStart);
  doc->header.SetBirthday(kStart - 1000);
  doc->viewFlags = 0;
  return doc;
}

TEST(DayEntries, OutsideTheNotesNothingHappens) {
  auto doc = NewDoc();
  for (DayNumber d : {kStart - 1, kStart + kNoteDays}) {
    doc->selectedDay = d;
    DayEntryChange c = SetDayEntry(*doc, kMarkSetRed, "Text");
    EXPECT_FALSE(c.applied);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(GetDayMark(*doc), 0);
  }
  EXPECT_EQ(doc->notes.used, 0u);
  doc->selectedDay = kStart + kNoteDays - 1;
  EXPECT_TRUE(SetDayEntry(*doc, kMarkSetRed, nullptr).applied);
  EXPECT_EQ(GetDayMark(*doc), kMarkRed);
}

TEST(DayEntries, GrowingNoteIsAppendedShrinkingStaysInPlace) {
  auto doc = NewDoc();
  doc->selectedDay = kStart + 10;
  SetDayEntry(*doc, kMarkNoChange, "abc");
  const int32_t first = doc->dayIndex[10];
  EXPECT_EQ(first, 0);
  EXPECT_EQ(doc->notes.used, 5u);
  SetDayEntry(*doc, kMarkNoChange, "abcd");
  EXPECT_EQ(doc->dayIndex[10], 5);
  EXPECT_EQ(doc->notes.used, 11u);
  SetDayEntry(*doc, kMarkNoChange, "x");
  EXPECT_EQ(doc->dayIndex[10], 5);
  EXPECT_EQ(doc->notes.used, 11u);
  EXPECT_STREQ(GetDayEntry(*doc, kStart + 10).text, "x");
  // The room an entry had is not remembered: growing again from one character moves it.
  SetDayEntry(*doc, kMarkNoChange, "wxyz");
  EXPECT_EQ(doc->dayIndex[10], 11);
  EXPECT_STREQ(GetDayEntry(*doc, kStart + 10).text, "wxyz");
}

TEST(DayEntries, MarkChangesKeepTheNoteAndNoteChangesKeepTheMark) {
  auto doc = NewDoc();
  doc->selectedDay = kStart + 3;
  SetDayEntry(*doc, kMarkNoChange, "Zahnarzt");
  SetDayEntry(*doc, kMarkSetYellow, nullptr);
  SetDayEntry(*doc, 2, nullptr);
  EXPECT_STREQ(GetDayEntry(*doc, kStart + 3).text, "Zahnarzt");
  EXPECT_EQ(GetDayMark(*doc), kMarkYellow | 2);
  SetDayEntry(*doc, kMarkNoChange, "Zahnarzt um 10 Uhr");  // grows: moved with its mark
  EXPECT_EQ(GetDayMark(*doc), kMarkYellow | 2);
  SetDayEntry(*doc, kMarkNoChange, "");
  EXPECT_EQ(GetDayMark(*doc), kMarkYellow | 2);
  EXPECT_STREQ(GetDayEntry(*doc, kStart + 3).text, "");
}

TEST(DayEntries, ModifiedOnlyByRealChanges) {
  auto doc = NewDoc();
  doc->selectedDay = kStart;
  DayEntryChange c = SetDayEntry(*doc, 0, nullptr);  // a new entry for a day without one
  EXPECT_TRUE(c.modified);
  EXPECT_FALSE(c.markChanged);
  EXPECT_TRUE(doc->IsModified());
  doc->viewFlags = 0;
  c = SetDayEntry(*doc, 0, nullptr);  // same symbol again
  EXPECT_FALSE(c.modified);
  EXPECT_FALSE(doc->IsModified());
  c = SetDayEntry(*doc, kMarkClearRed | kMarkClearYellow, nullptr);
  EXPECT_FALSE(c.modified);
  c = SetDayEntry(*doc, kMarkSetRed, nullptr);
  EXPECT_TRUE(c.markChanged);
  EXPECT_TRUE(c.modified);
  doc->viewFlags = 0;
  c = SetDayEntry(*doc, kMarkNoChange, "");  // a text given counts, even an empty one
  EXPECT_TRUE(c.modified);
  EXPECT_TRUE(doc->IsModified());
}

TEST(DayEntries, NotesAreCutTo511Characters) {
  auto doc = NewDoc();
  doc->selectedDay = kStart + 1;
  const std::string longText(700, 'n');
  SetDayEntry(*doc, kMarkNoChange, longText.c_str());
  EXPECT_EQ(std::strlen(GetDayEntry(*doc, kStart + 1).text), kMaxNoteLength);
}

TEST(DayEntries, NoteStartingWithTheBlockTagCannotSwallowLaterDays) {
  auto doc = NewDoc();
  SetDayEntryFor(*doc, kStart + 0, kMarkNoChange, "ÿber den Berg");
  SetDayEntryFor(*doc, kStart + 1, kMarkSetRed, "morgen");
  SetDayEntryFor(*doc, kStart + 60, kMarkNoChange, "später");
  EXPECT_STREQ(GetDayEntry(*doc, kStart).text, " ÿber den Berg");
  EXPECT_FALSE(GetDayEntry(*doc, kStart).hasBlock);
  const std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  PersonDocument back;
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_STREQ(GetDayEntry(back, kStart).text, " ÿber den Berg");
  EXPECT_STREQ(GetDayEntry(back, kStart + 1).text, "morgen");
  EXPECT_EQ(GetDayMarkOf(back, kStart + 1), kMarkRed);
  EXPECT_STREQ(GetDayEntry(back, kStart + 60).text, "später");
  // At full length the blank takes the place of the last character.
  const std::string full = "ÿ" + std::string(kMaxNoteLength - 1, 'z');
  SetDayEntryFor(*doc, kStart + 2, kMarkNoChange, full.c_str());
  const std::string stored = GetDayEntry(*doc, kStart + 2).text;
  EXPECT_EQ(stored.size(), kMaxNoteLength);
  EXPECT_EQ(stored, " " + full.substr(0, kMaxNoteLength - 1));
}

TEST(DayEntries, TextTakenFromTheBlockItselfSurvivesGrowth) {
  auto doc = NewDoc();
  const std::string big(500, 'q');
  // Fill the first step of the block almost completely.
  for (int i = 0; i < 32; ++i) SetDayEntryFor(*doc, kStart + i, kMarkNoChange, big.c_str());
  ASSERT_EQ(doc->notes.capacity(), kNotesGrowStep);
  const char* own = GetDayEntry(*doc, kStart + 5).text;
  SetDayEntryFor(*doc, kStart + 40, kMarkNoChange, own);  // forces the block to grow
  EXPECT_EQ(doc->notes.capacity(), 2 * kNotesGrowStep);
  EXPECT_EQ(std::string(GetDayEntry(*doc, kStart + 40).text), big);
  testing::ExpectIndexValid(*doc);
}

TEST(DayEntries, BlockGrowsInSteps) {
  auto doc = NewDoc();
  const std::string text(300, 't');
  for (int i = 0; i < 200; ++i) SetDayEntryFor(*doc, kStart + i, kMarkNoChange, text.c_str());
  EXPECT_EQ(doc->notes.used, 200u * 302u);
  EXPECT_EQ(doc->notes.capacity() % kNotesGrowStep, 0u);
  EXPECT_LT(doc->notes.capacity() - doc->notes.used, kNotesGrowStep);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(GetDayEntry(*doc, kStart + i).text, text);
  testing::ExpectIndexValid(*doc);
}

// An entry of the old kind: mark, the 97-byte block starting with 0xFF, then the text.
std::vector<uint8_t> BlockEntry(uint8_t mark, const std::string& text) {
  std::vector<uint8_t> e{mark, 0xFF};
  for (int i = 1; i < 97; ++i) e.push_back(static_cast<uint8_t>(i * 7));
  e.insert(e.end(), text.begin(), text.end());
  e.push_back(0);
  return e;
}

TEST(DayEntries, EntriesWithTheBlockKeepIt) {
  auto doc = NewDoc();
  const std::vector<uint8_t> e = BlockEntry(kMarkRed | 1, "alt");
  std::vector<uint8_t> notes = e;
  notes.push_back(0);
  notes.push_back(0);
  ASSERT_TRUE(BuildNotes(*doc, notes.data(), notes.size()));
  DayEntryView v = GetDayEntry(*doc, kStart);
  EXPECT_TRUE(v.hasBlock);
  EXPECT_STREQ(v.text, "alt");
  EXPECT_EQ(v.mark, kMarkRed | 1);

  doc->selectedDay = kStart;
  SetDayEntry(*doc, kMarkNoChange, "neu");  // same length: in place
  EXPECT_EQ(doc->dayIndex[0], 0);
  SetDayEntry(*doc, kMarkClearRed, "deutlich laenger");  // grows: moved with its block
  EXPECT_NE(doc->dayIndex[0], 0);
  v = GetDayEntry(*doc, kStart);
  EXPECT_TRUE(v.hasBlock);
  EXPECT_STREQ(v.text, "deutlich laenger");
  EXPECT_EQ(v.mark, 1);
  const uint8_t* moved = doc->notes.data.data() + doc->dayIndex[0];
  EXPECT_EQ(std::memcmp(moved + 1, e.data() + 1, 97), 0);
  EXPECT_EQ(DayEntryLength(moved, doc->notes.used - doc->dayIndex[0]), 99u + 16u);
}

}  // namespace
}  // namespace tw
