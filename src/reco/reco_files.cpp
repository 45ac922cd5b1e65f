#include "reco/reco_files.h"

#include <cstdio>
#include <memory>
#include <new>

#include "reco/reco_compact.h"
#include "reco/reco_messages.h"

namespace tw {

namespace {

std::string Numbered(const std::string& dataDir, const char* base, int number) {
  return dataDir + base + ".sv" + std::to_string(number);
}

std::unique_ptr<uint8_t[]> ZeroBlock(size_t size) {
  std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[size]);
  if (block) std::fill(block.get(), block.get() + size, uint8_t{0});
  return block;
}

// Reads up to `size` bytes of the file into a zero-filled block; a missing file is created
// (without ever truncating one that exists but cannot be read).
std::unique_ptr<uint8_t[]> ReadImage(const std::string& path, size_t size, MessageSink& sink) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    std::FILE* created = std::fopen(path.c_str(), "ab");
    if (!created) {
      sink.ShowMessage(kMsgError, kMsgRecoCannotCreate, {path});
      return nullptr;
    }
    std::fclose(created);
  }
  std::unique_ptr<uint8_t[]> block = ZeroBlock(size);
  if (!block) {
    if (f) std::fclose(f);
    sink.ShowMessage(kMsgError, kMsgRecoNoMemory);
    return nullptr;
  }
  if (f) {
    // The count is not checked: whatever was not read stays zero.
    (void)std::fread(block.get(), 1, size, f);
    std::fclose(f);
  }
  return block;
}

// Writes the image to a temporary file beside the data file, then rotates: the previous
// data file becomes the backup, the temporary file the data file.
bool WriteImage(const std::string& path, const std::string& tempPath,
                const std::string& backupPath, const uint8_t* image, size_t size,
                MessageSink& sink) {
  // The replace through a temporary file would pass over a data file the user made
  // read-only (renaming it is allowed); such a file is left as it is.
  if (std::FILE* existing = std::fopen(path.c_str(), "rb")) {
    std::fclose(existing);
    std::FILE* writable = std::fopen(path.c_str(), "r+b");
    if (!writable) {
      sink.ShowMessage(kMsgError, kMsgRecoShortWrite, {path});
      return false;
    }
    std::fclose(writable);
  }
  std::FILE* f = std::fopen(tempPath.c_str(), "wb");
  if (!f) {
    sink.ShowMessage(kMsgError, kMsgRecoCannotCreate, {path});
    return false;
  }
  const size_t written = std::fwrite(image, 1, size, f);
  const bool flushed = std::fflush(f) == 0;
  const bool closed = std::fclose(f) == 0;
  if (written != size || !flushed || !closed) {
    std::remove(tempPath.c_str());
    sink.ShowMessage(kMsgError, kMsgRecoShortWrite, {path});
    return false;
  }
  std::remove(backupPath.c_str());
  std::rename(path.c_str(), backupPath.c_str());
  if (std::rename(tempPath.c_str(), path.c_str()) != 0) {
    // Some platforms refuse to rename onto an existing file.
    std::remove(path.c_str());
    if (std::rename(tempPath.c_str(), path.c_str()) != 0) {
      std::remove(tempPath.c_str());
      std::FILE* probe = std::fopen(path.c_str(), "rb");
      if (probe)
        std::fclose(probe);
      else
        std::rename(backupPath.c_str(), path.c_str());  // put the previous file back
      sink.ShowMessage(kMsgError, kMsgRecoCannotCreate, {path});
      return false;
    }
  }
  return true;
}

}  // namespace

std::string RecoFilePath(const std::string& dataDir) { return dataDir + "Reco.dat"; }
std::string RecoSelFilePath(const std::string& dataDir) { return dataDir + "RecoSel.dat"; }
std::string RecoBackupPath(const std::string& dataDir, int number) {
  return Numbered(dataDir, "Reco", number);
}
std::string RecoSelBackupPath(const std::string& dataDir, int number) {
  return Numbered(dataDir, "RecoSel", number);
}

bool LoadRecoTable(const std::string& dataDir, RecoTables& tables, MessageSink& sink) {
  auto image = ReadImage(RecoFilePath(dataDir), kRecoTableSize, sink);
  if (!image) return false;
  tables.DecodeRecords(image.get());
  tables.recoDirty = false;
  return true;
}

bool LoadRecoSelTable(const std::string& dataDir, RecoTables& tables, MessageSink& sink) {
  auto image = ReadImage(RecoSelFilePath(dataDir), kRecoSelTableSize, sink);
  if (!image) return false;
  tables.DecodeSelections(image.get());
  tables.selDirty = false;
  return true;
}

bool SaveRecoTable(const std::string& dataDir, int backupNumber, RecoTables& tables,
                   MessageSink& sink) {
  if (!tables.recoDirty) return true;
  auto image = ZeroBlock(kRecoTableSize);
  if (!image) {
    sink.ShowMessage(kMsgError, kMsgRecoNoMemory);
    return false;
  }
  tables.EncodeRecords(image.get());
  if (!WriteImage(RecoFilePath(dataDir), dataDir + "Reco.tmp", RecoBackupPath(dataDir, backupNumber),
                  image.get(), kRecoTableSize, sink))
    return false;
  tables.recoDirty = false;
  return true;
}

bool SaveRecoSelTable(const std::string& dataDir, int backupNumber, RecoTables& tables,
                      MessageSink& sink) {
  if (!tables.selDirty) return true;
  auto image = ZeroBlock(kRecoSelTableSize);
  if (!image) {
    sink.ShowMessage(kMsgError, kMsgRecoNoMemory);
    return false;
  }
  tables.EncodeSelections(image.get());
  if (!WriteImage(RecoSelFilePath(dataDir), dataDir + "RecoSel.tmp",
                  RecoSelBackupPath(dataDir, backupNumber), image.get(), kRecoSelTableSize, sink))
    return false;
  tables.selDirty = false;
  return true;
}

bool SaveOnRecoDialogClose(const std::string& dataDir, RecoTables& tables,
                           RecoSaveRotation& rotation, MessageSink& sink,
                           std::vector<int>* newSlots) {
  if (newSlots) newSlots->clear();
  if (!tables.recoDirty && !tables.selDirty) return false;
  if (tables.recoDirty) {
    tables.selDirty = true;
    std::vector<int> moved = CompactInDisplayOrder(tables);
    if (newSlots) *newSlots = std::move(moved);
  }
  const int number = rotation.firstSave ? 0 : rotation.nextSave;
  const bool recoSaved = SaveRecoTable(dataDir, number, tables, sink);
  const bool selSaved = SaveRecoSelTable(dataDir, number, tables, sink);
  // After a failure the next close tries the same backup number again, so backup 0 still
  // keeps the state of the start and no generation is skipped.
  if (!recoSaved || !selSaved) return false;
  if (rotation.firstSave) {
    rotation.firstSave = false;
    return false;
  }
  rotation.Advance();
  return true;
}

bool SaveAtExit(const std::string& dataDir, RecoTables& tables, RecoSaveRotation& rotation,
                MessageSink& sink) {
  const bool dirty = tables.recoDirty || tables.selDirty;
  SaveRecoTable(dataDir, rotation.nextSave, tables, sink);
  SaveRecoSelTable(dataDir, rotation.nextSave, tables, sink);
  if (!dirty) return false;
  rotation.Advance();
  return true;
}

bool SaveOnSelectionDialogClose(const std::string& dataDir, RecoTables& tables,
                                const RecoSaveRotation& rotation, MessageSink& sink) {
  return SaveRecoSelTable(dataDir, rotation.nextSave, tables, sink);
}

}  // namespace tw
