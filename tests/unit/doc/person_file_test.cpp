#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>

#include "doc/doc_messages.h"
#include "doc/file_replace.h"
#include "doc/person_file.h"
#include "doc_test_util.h"

namespace tw {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

DocumentDefaults Defaults() {
  DocumentDefaults d;
  d.preference = 46448 | kViewModified;
  d.daySize = 3;
  d.lastRecoSel = 5;
  d.markLabels = {"Rot", "Gelb", "Plus", "Kreuz", "Minus"};
  return d;
}

std::unique_ptr<PersonDocument> SampleDoc() {
  auto doc = std::make_unique<PersonDocument>();
  InitNewPersonDocument(*doc, CivilDate{2003, 4, 9}, Defaults());
  doc->header.SetName("Anna Müller");
  doc->header.SetDescription("Zeile\r\nZwei");
  for (size_t i = 79; i < 138; ++i) doc->header.bytes[i] = static_cast<uint8_t>(i);  // unused area
  for (size_t i = 833; i < 1860; ++i) doc->header.bytes[i] = static_cast<uint8_t>(i * 3);
  const DayNumber s = doc->header.NotesStart();
  SetDayEntryFor(*doc, s, kMarkSetRed, "Erster");
  SetDayEntryFor(*doc, s + 2, 3, nullptr);
  SetDayEntryFor(*doc, s + 7319, kMarkNoChange, "Ende");
  return doc;
}

TEST(NewDocument, StartsTodayWithTheDefaults) {
  PersonDocument doc;
  InitNewPersonDocument(doc, CivilDate{2003, 4, 9}, Defaults());
  EXPECT_EQ(doc.header.Birthday(), DayFromDate(2003, 4, 9));
  EXPECT_EQ(doc.header.NotesStart(), DayFromDate(2003, 1, 1));
  EXPECT_TRUE(doc.header.HasMagic());
  EXPECT_FALSE(doc.header.HasPassword());
  EXPECT_EQ(doc.viewFlags, 46448u | kViewRecompute);  // never modified when new
  EXPECT_EQ(doc.notes.capacity(), kNotesGrowStep);
  EXPECT_EQ(doc.notes.used, 0u);
  for (int32_t off : doc.dayIndex) EXPECT_EQ(off, -1);
}

TEST(PersonFileFormat, LayoutOfTheDayEntries) {
  auto doc = SampleDoc();
  const std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  ASSERT_EQ(bytes.size(), 1860u + (2 + 6) + 2 + 2 + 7316u * 2 + (2 + 4));
  EXPECT_EQ(std::memcmp(bytes.data(), doc->header.bytes.data(), 1860), 0);
  const uint8_t* e = bytes.data() + 1860;
  EXPECT_EQ(e[0], kMarkRed);
  EXPECT_EQ(std::memcmp(e + 1, "Erster", 7), 0);
  EXPECT_EQ(e[8], 0);  // day 1: no entry
  EXPECT_EQ(e[9], 0);
  EXPECT_EQ(e[10], 3);  // day 2: symbol "-", empty text
  EXPECT_EQ(e[11], 0);
  EXPECT_EQ(std::memcmp(bytes.data() + bytes.size() - 6, "\0Ende\0", 6), 0);
}

TEST(PersonFileFormat, RoundTripKeepsEveryByte) {
  auto doc = SampleDoc();
  const std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  PersonDocument back;
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_EQ(back.header.bytes, doc->header.bytes);
  EXPECT_EQ(back.header.Name(), "Anna Müller");
  EXPECT_STREQ(GetDayEntry(back, back.header.NotesStart()).text, "Erster");
  EXPECT_EQ(GetDayMarkOf(back, back.header.NotesStart() + 2), 3);
  // Days written as two zero bytes come back as (empty) entries; the file is unchanged.
  EXPECT_EQ(SerializePersonDocument(back), bytes);
  EXPECT_EQ(back.notes.capacity(), back.notes.used + kNotesGrowStep);
  testing::ExpectIndexValid(back);
}

TEST(PersonFileFormat, BrokenIndexEntriesAreWrittenAsEmptyDays) {
  auto doc = SampleDoc();
  const size_t before = SerializePersonDocument(*doc).size();
  doc->dayIndex[1] = static_cast<int32_t>(doc->notes.used) + 100;  // past what is in use
  const std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  EXPECT_EQ(bytes.size(), before);
  PersonDocument back;
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_STREQ(GetDayEntry(back, back.header.NotesStart() + 7319).text, "Ende");
}

TEST(PersonFileFormat, RewrittenEntriesLeaveNoDeadSpace) {
  auto doc = SampleDoc();
  const DayNumber s = doc->header.NotesStart();
  std::string text;
  for (int i = 0; i < 300; ++i) {
    text += 'a';
    SetDayEntryFor(*doc, s + 1, kMarkNoChange, text.c_str());
  }
  SetDayEntryFor(*doc, s + 1, kMarkNoChange, "kurz");
  const std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  EXPECT_EQ(bytes.size(), 1860u + 8 + (2 + 4) + 2 + 7316u * 2 + 6);
  PersonDocument back;
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_EQ(back.notes.used, bytes.size() - 1860);
}

TEST(PersonFileFormat, OldEntriesWithTheBlockRoundTrip) {
  auto doc = SampleDoc();
  std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  // Replace day 1 (two zero bytes at 1860 + 8) by an entry with the block.
  std::vector<uint8_t> entry{kMarkYellow, 0xFF};
  for (int i = 1; i < 97; ++i) entry.push_back(static_cast<uint8_t>(200 + i % 50));
  for (char c : std::string("Notiz")) entry.push_back(static_cast<uint8_t>(c));
  entry.push_back(0);
  bytes.erase(bytes.begin() + 1868, bytes.begin() + 1870);
  bytes.insert(bytes.begin() + 1868, entry.begin(), entry.end());
  PersonDocument back;
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  DayEntryView v = GetDayEntry(back, back.header.NotesStart() + 1);
  EXPECT_TRUE(v.hasBlock);
  EXPECT_STREQ(v.text, "Notiz");
  EXPECT_STREQ(GetDayEntry(back, back.header.NotesStart() + 7319).text, "Ende");
  EXPECT_EQ(SerializePersonDocument(back), bytes);
}

TEST(PersonFileFormat, TruncatedNotesStopAtTheEndOfTheData) {
  auto doc = SampleDoc();
  std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  // Keep day 0 complete and half of day 1's two bytes.
  bytes.resize(1860 + 8 + 1);
  PersonDocument back;
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_STREQ(GetDayEntry(back, back.header.NotesStart()).text, "Erster");
  for (int i = 1; i < kNoteDays; ++i) EXPECT_EQ(back.dayIndex[i], -1) << i;
  EXPECT_EQ(back.notes.used, 8u);
  // A text without its NUL at the very end is no entry either.
  bytes.resize(1860 + 5);
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_EQ(back.dayIndex[0], -1);
  EXPECT_EQ(back.notes.used, 0u);
  // Bytes after the last of the 7320 entries are not read as entries.
  bytes = SerializePersonDocument(*doc);
  bytes.insert(bytes.end(), {1, 'x', 0});
  ASSERT_EQ(ParsePersonFile(back, bytes.data(), bytes.size()), ParseResult::kOk);
  EXPECT_EQ(back.notes.used, bytes.size() - 1860 - 3);
}

class PersonFileIo : public ::testing::Test {
 protected:
  TempDir dir;
  RecordingSink sink;
  int prompts = 0;
  bool answer = true;
  PasswordPrompt Prompt() {
    return [this](const PersonDocument&) {
      ++prompts;
      return answer;
    };
  }
};

TEST_F(PersonFileIo, SaveAndLoad) {
  auto doc = SampleDoc();
  doc->viewFlags |= kViewModified;
  const std::string path = dir.File("anna.twd");
  ASSERT_TRUE(SavePersonFile(*doc, path, sink));
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(doc->path, path);
  EXPECT_EQ(ReadBytes(path), SerializePersonDocument(*doc));

  PersonDocument back;
  ASSERT_EQ(LoadPersonFile(path, back, Defaults(), Prompt(), sink), LoadStatus::kOk);
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_EQ(prompts, 0);
  EXPECT_EQ(back.path, path);
  EXPECT_EQ(back.viewFlags, 46448u | kViewRecompute);  // never modified after a load
  EXPECT_EQ(back.daySize, 3);
  EXPECT_EQ(back.secondDaySize, 3);
  EXPECT_EQ(back.selection, 5);
  EXPECT_EQ(back.header.bytes, doc->header.bytes);
  EXPECT_STREQ(GetDayEntry(back, back.header.NotesStart() + 7319).text, "Ende");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(PersonFileIo, SaveLeavesExactlyTheBytesWritten) {
  const std::string path = dir.File("kurz.twd");
  WriteBytes(path, std::vector<uint8_t>(40000, 0xAB));  // an older, longer file
  auto doc = SampleDoc();
  ASSERT_TRUE(SavePersonFile(*doc, path, sink));
  EXPECT_EQ(ReadBytes(path), SerializePersonDocument(*doc));
}

TEST_F(PersonFileIo, FailedSaveKeepsTheOldFileAndTheChanges) {
  const std::string path = dir.File("alt.twd");
  const std::vector<uint8_t> old(5000, 0x5A);
  WriteBytes(path, old);
  auto doc = SampleDoc();
  doc->viewFlags |= kViewModified;
  doc->path = dir.File("vorher.twd");
  SetReplaceStep([](const std::string&, const std::string&) { return false; });  // the swap fails
  const bool saved = SavePersonFile(*doc, path, sink);
  SetReplaceStep(nullptr);
  EXPECT_FALSE(saved);
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgFileSaveFailed);
  EXPECT_EQ(sink.entries[0].args, std::vector<std::string>{path});
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(doc->path, dir.File("vorher.twd"));
}

TEST_F(PersonFileIo, SaveIntoAMissingFolderFails) {
  auto doc = SampleDoc();
  const std::string path = dir.File("fehlt/anna.twd");
  EXPECT_FALSE(SavePersonFile(*doc, path, sink));
  EXPECT_TRUE(sink.Has(kMsgFileSaveFailed));
}

TEST_F(PersonFileIo, FilesThatAreNoDocumentsGiveMessage3016) {
  auto doc = SampleDoc();
  const std::vector<uint8_t> good = SerializePersonDocument(*doc);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"leer.twd", {}});
  cases.push_back({"kurz.twd", std::vector<uint8_t>(good.begin(), good.begin() + 1859)});
  std::vector<uint8_t> noNul = good;
  noNul[20] = '1';
  cases.push_back({"ohnenul.twd", noNul});
  std::vector<uint8_t> other = good;
  other[15] = '3';  // another version
  cases.push_back({"version.twd", other});
  for (const Case& c : cases) {
    const std::string path = dir.File(c.name);
    WriteBytes(path, c.bytes);
    RecordingSink s;
    PersonDocument back;
    EXPECT_EQ(LoadPersonFile(path, back, Defaults(), Prompt(), s), LoadStatus::kFailed) << c.name;
    ASSERT_EQ(s.entries.size(), 1u) << c.name;
    EXPECT_EQ(s.entries[0].id, kMsgFileOpenFailed);
    EXPECT_EQ(s.entries[0].args, std::vector<std::string>{path});
  }
  RecordingSink s;
  PersonDocument back;
  EXPECT_EQ(LoadPersonFile(dir.File("gibtsnicht.twd"), back, Defaults(), Prompt(), s), LoadStatus::kFailed);
  EXPECT_TRUE(s.Has(kMsgFileOpenFailed));
  EXPECT_EQ(prompts, 0);
}

TEST_F(PersonFileIo, HeaderOnlyFileOpensWithoutEntries) {
  auto doc = SampleDoc();
  const std::string path = dir.File("nurkopf.twd");
  WriteBytes(path, std::vector<uint8_t>(doc->header.bytes.begin(), doc->header.bytes.end()));
  PersonDocument back;
  ASSERT_EQ(LoadPersonFile(path, back, Defaults(), Prompt(), sink), LoadStatus::kOk);
  EXPECT_EQ(back.notes.used, 0u);
  EXPECT_EQ(back.notes.capacity(), kNotesGrowStep);
  for (int32_t off : back.dayIndex) EXPECT_EQ(off, -1);
}

TEST_F(PersonFileIo, ProtectedFilesAskForThePassword) {
  auto doc = SampleDoc();
  doc->header.SetPassword("Mond");
  const std::string path = dir.File("geheim.twd");
  ASSERT_TRUE(SavePersonFile(*doc, path, sink));
  PersonDocument back;
  answer = false;
  EXPECT_EQ(LoadPersonFile(path, back, Defaults(), Prompt(), sink), LoadStatus::kCancelled);
  EXPECT_EQ(prompts, 1);
  EXPECT_TRUE(sink.entries.empty());  // the prompt speaks for itself
  answer = true;
  EXPECT_EQ(LoadPersonFile(path, back, Defaults(), Prompt(), sink), LoadStatus::kOk);
  EXPECT_EQ(prompts, 2);
  EXPECT_TRUE(back.header.PasswordMatches("Mond"));
  // Without a prompt a protected file does not open.
  EXPECT_EQ(LoadPersonFile(path, back, Defaults(), nullptr, sink), LoadStatus::kCancelled);
}

TEST(OpenDocuments, SecondWindowOfAFileIsReadOnly) {
  PersonDocument first, readOnly;
  first.path = "C:\\Daten\\anna.twd";
  readOnly.path = "C:\\Daten\\bert.twd";
  readOnly.viewFlags = kViewReadOnly;
  const std::vector<const PersonDocument*> open{&first, &readOnly};
  EXPECT_TRUE(OpensReadOnly("C:\\Daten\\anna.twd", open));
  EXPECT_FALSE(OpensReadOnly("C:\\Daten\\bert.twd", open));  // only a read-only copy is open
  EXPECT_FALSE(OpensReadOnly("C:\\Daten\\carl.twd", open));
  EXPECT_FALSE(OpensReadOnly("", {}));
}

TEST(OpenDocuments, SuggestedSaveName) {
  EXPECT_EQ(SuggestedFileName("Anna Maria Müller", false), "Anna Maria Müller.twd");
  EXPECT_EQ(SuggestedFileName("Anna Maria Müller", true), "AnnaMari.twd");
  EXPECT_EQ(SuggestedFileName("Bo", true), "Bo.twd");
}

}  // namespace
}  // namespace tw
