#include "reco/reco_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "reco/reco_messages.h"
#include "reco_test_util.h"

namespace tw {
namespace {

namespace fs = std::filesystem;
using testing::MakeReco;
using testing::ReadAll;
using testing::TempDir;
using testing::WriteAll;

TEST(RecoFiles, MissingFilesAreCreatedEmptyAndLoadAsFreeTables) {
  TempDir dir("missing");
  RecoTables t;
  RecordingSink sink;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), t, sink));
  ASSERT_TRUE(LoadRecoSelTable(dir.dir(), t, sink));
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_TRUE(fs::exists(dir.path("Reco.dat")));
  EXPECT_EQ(fs::file_size(dir.path("Reco.dat")), 0u);
  EXPECT_TRUE(fs::exists(dir.path("RecoSel.dat")));
  EXPECT_EQ(t.FirstFreeSlot(), 0);
  EXPECT_TRUE(t.selections[0].members.Get(767));
}

TEST(RecoFiles, ShortFilesLeaveTheRestZeroAndLongFilesAreCut) {
  TempDir dir("short");
  // One and a half records: slot 0 complete, slot 1 cut in the middle of its name.
  std::vector<uint8_t> bytes(kRecoRecordSize + 160, 0);
  bytes[kOffCategory] = 1;
  bytes[kOffName] = 'A';
  bytes[kRecoRecordSize + kOffName] = 'B';
  bytes[kRecoRecordSize + kOffName + 1] = 'C';
  WriteAll(dir.path("Reco.dat"), bytes);
  std::vector<uint8_t> sel(kRecoSelTableSize + 500, 0x01);
  WriteAll(dir.path("RecoSel.dat"), sel);

  RecoTables t;
  RecordingSink sink;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), t, sink));
  ASSERT_TRUE(LoadRecoSelTable(dir.dir(), t, sink));
  EXPECT_TRUE(t.used.Get(0));
  EXPECT_FALSE(t.used.Get(1));
  EXPECT_STREQ(t.records[1].name, "BC");  // the name bytes read, then zeros
  EXPECT_EQ(t.records[1].category, 0);
  EXPECT_EQ(t.selections[127].inUse, 1);
}

TEST(RecoFiles, UnopenableAndUncreatableFileReports3019WithPath) {
  TempDir dir("nodir");
  RecoTables t;
  RecordingSink sink;
  const std::string missingDir = dir.dir() + "nicht/da/";
  EXPECT_FALSE(LoadRecoTable(missingDir, t, sink));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgRecoCannotCreate);
  EXPECT_EQ(sink.entries[0].args[0], missingDir + "Reco.dat");
}

TEST(RecoFiles, SaveRoundTripsAndKeepsThePreviousFileAsBackup) {
  TempDir dir("roundtrip");
  RecordingSink sink;
  RecoTables t;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), t, sink));
  ASSERT_TRUE(LoadRecoSelTable(dir.dir(), t, sink));
  t.Occupy(0, MakeReco("Erste", 1));
  t.records[0].monthCond = 0x555955;
  t.selections[2].inUse = 1;
  t.selections[2].SetName("Garten");
  t.selections[2].members.Set(0, true);
  t.selDirty = true;
  ASSERT_TRUE(SaveRecoTable(dir.dir(), 3, t, sink));
  ASSERT_TRUE(SaveRecoSelTable(dir.dir(), 3, t, sink));
  EXPECT_FALSE(t.recoDirty);
  EXPECT_FALSE(t.selDirty);
  EXPECT_EQ(fs::file_size(dir.path("Reco.dat")), static_cast<uintmax_t>(kRecoTableSize));
  EXPECT_EQ(fs::file_size(dir.path("RecoSel.dat")), static_cast<uintmax_t>(kRecoSelTableSize));
  EXPECT_EQ(fs::file_size(dir.path("Reco.sv3")), 0u);  // the empty file created at load
  EXPECT_FALSE(fs::exists(dir.path("Reco.tmp")));

  RecoTables back;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), back, sink));
  ASSERT_TRUE(LoadRecoSelTable(dir.dir(), back, sink));
  EXPECT_STREQ(back.records[0].name, "Erste");
  EXPECT_EQ(back.records[0].monthCond, 0x555955u);
  EXPECT_TRUE(back.selections[2].members.Get(0));
  EXPECT_STREQ(back.selections[2].name, "Garten");

  // A second save into the same backup number replaces that backup.
  back.records[0].SetName("Zweite");
  back.recoDirty = true;
  ASSERT_TRUE(SaveRecoTable(dir.dir(), 3, back, sink));
  std::vector<uint8_t> backup = ReadAll(dir.path("Reco.sv3"));
  ASSERT_EQ(backup.size(), static_cast<size_t>(kRecoTableSize));
  EXPECT_EQ(backup[kOffName], 'E');
  EXPECT_TRUE(sink.entries.empty());
}

TEST(RecoFiles, CleanTablesAreNotWritten) {
  TempDir dir("clean");
  RecordingSink sink;
  RecoTables t;
  EXPECT_TRUE(SaveRecoTable(dir.dir(), 1, t, sink));
  EXPECT_TRUE(SaveRecoSelTable(dir.dir(), 1, t, sink));
  EXPECT_FALSE(fs::exists(dir.path("Reco.dat")));
  EXPECT_FALSE(fs::exists(dir.path("Reco.sv1")));
}

TEST(RecoFiles, FailedSaveKeepsDataFileAndBackupsAndStaysDirty) {
  TempDir dir("failed");
  RecordingSink sink;
  std::vector<uint8_t> good(kRecoTableSize, 0);
  good[kOffCategory] = 1;
  good[kOffName] = 'G';
  WriteAll(dir.path("Reco.dat"), good);
  WriteAll(dir.path("Reco.sv2"), std::vector<uint8_t>(10, 7));
  // A directory in the temporary file's place makes the write fail.
  fs::create_directory(dir.path("Reco.tmp"));
  RecoTables t;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), t, sink));
  t.records[0].SetName("Neu");
  t.recoDirty = true;
  EXPECT_FALSE(SaveRecoTable(dir.dir(), 2, t, sink));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgRecoCannotCreate);
  EXPECT_EQ(sink.entries[0].args[0], dir.dir() + "Reco.dat");
  EXPECT_TRUE(t.recoDirty);
  EXPECT_EQ(ReadAll(dir.path("Reco.dat")), good);
  EXPECT_EQ(ReadAll(dir.path("Reco.sv2")).size(), 10u);
}

TEST(RecoFiles, FixedSelectionMapsAreForcedOnSave) {
  TempDir dir("fixed");
  RecordingSink sink;
  RecoTables t;
  t.selections[0].members.Fill(false);
  t.selections[1].members.Fill(true);
  t.selDirty = true;
  ASSERT_TRUE(SaveRecoSelTable(dir.dir(), 1, t, sink));
  std::vector<uint8_t> bytes = ReadAll(dir.path("RecoSel.dat"));
  ASSERT_EQ(bytes.size(), static_cast<size_t>(kRecoSelTableSize));
  for (int i = 0; i < kSlotMapBytes; ++i) {
    ASSERT_EQ(bytes[32 + i], 0xFF);
    ASSERT_EQ(bytes[128 + 32 + i], 0x00);
  }
}

TEST(RecoBackupRotation, FirstDialogCloseWritesBackupZeroThenNextSaveAdvances) {
  TempDir dir("rotation");
  RecordingSink sink;
  RecoTables t;
  ASSERT_TRUE(LoadRecoTable(dir.dir(), t, sink));
  ASSERT_TRUE(LoadRecoSelTable(dir.dir(), t, sink));
  RecoSaveRotation rot;
  rot.nextSave = 4;

  t.Occupy(7, MakeReco("Eins", 1));
  std::vector<int> moved;
  EXPECT_FALSE(SaveOnRecoDialogClose(dir.dir(), t, rot, sink, &moved));
  EXPECT_TRUE(fs::exists(dir.path("Reco.sv0")));
  EXPECT_TRUE(fs::exists(dir.path("RecoSel.sv0")));  // the selections were saved too
  EXPECT_EQ(rot.nextSave, 4);
  EXPECT_FALSE(rot.firstSave);
  ASSERT_EQ(moved.size(), static_cast<size_t>(kRecoSlots));
  EXPECT_EQ(moved[7], 0);  // compacted
  EXPECT_STREQ(t.records[0].name, "Eins");

  t.records[0].SetName("Zwei");
  t.recoDirty = true;
  EXPECT_TRUE(SaveOnRecoDialogClose(dir.dir(), t, rot, sink, &moved));
  EXPECT_TRUE(fs::exists(dir.path("Reco.sv4")));
  EXPECT_EQ(rot.nextSave, 1);  // wrapped

  // Nothing dirty: nothing written, nothing advanced.
  EXPECT_FALSE(SaveOnRecoDialogClose(dir.dir(), t, rot, sink, &moved));
  EXPECT_TRUE(moved.empty());
  EXPECT_FALSE(fs::exists(dir.path("Reco.sv1")));
  EXPECT_EQ(rot.nextSave, 1);

  // Only the selections dirty: no compaction, both "saved" (the clean one does nothing).
  t.selDirty = true;
  EXPECT_TRUE(SaveOnRecoDialogClose(dir.dir(), t, rot, sink, &moved));
  EXPECT_TRUE(moved.empty());
  EXPECT_TRUE(fs::exists(dir.path("RecoSel.sv1")));
  EXPECT_FALSE(fs::exists(dir.path("Reco.sv1")));
  EXPECT_EQ(rot.nextSave, 2);
  EXPECT_TRUE(sink.entries.empty());
}

TEST(RecoBackupRotation, ExitAdvancesOnlyAfterChangesAndSelectionDialogNever) {
  TempDir dir("exit");
  RecordingSink sink;
  RecoTables t;
  RecoSaveRotation rot;
  rot.nextSave = 2;
  EXPECT_FALSE(SaveAtExit(dir.dir(), t, rot, sink));
  EXPECT_EQ(rot.nextSave, 2);
  t.selDirty = true;
  EXPECT_TRUE(SaveOnSelectionDialogClose(dir.dir(), t, rot, sink));
  EXPECT_TRUE(fs::exists(dir.path("RecoSel.dat")));
  EXPECT_EQ(rot.nextSave, 2);
  t.recoDirty = true;
  EXPECT_TRUE(SaveAtExit(dir.dir(), t, rot, sink));
  EXPECT_EQ(rot.nextSave, 3);
  EXPECT_TRUE(fs::exists(dir.path("Reco.dat")));

  RecoSaveRotation odd;
  odd.nextSave = 9;  // a damaged setting wraps into range
  odd.Advance();
  EXPECT_EQ(odd.nextSave, 1);
}

}  // namespace
}  // namespace tw
