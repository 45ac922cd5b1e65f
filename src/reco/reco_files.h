// Reco.dat and RecoSel.dat: loading at start, saving with rotating backups.
#pragma once
#include <string>

#include "core/platform.h"
#include "reco/reco_tables.h"

namespace tw {

// File names; `dataDir` ends with its separator (or is empty for the current directory).
std::string RecoFilePath(const std::string& dataDir);
std::string RecoSelFilePath(const std::string& dataDir);
std::string RecoBackupPath(const std::string& dataDir, int number);     // "%sReco.sv%d"
std::string RecoSelBackupPath(const std::string& dataDir, int number);  // "%sRecoSel.sv%d"

// Reads the table, accepting any content and any length: a missing file is created empty, a
// short one leaves the rest of the table zero, a long one is read up to the table size.
// Shows 3019 (path) when the file can neither be opened nor created, 3007 without memory.
bool LoadRecoTable(const std::string& dataDir, RecoTables& tables, MessageSink& sink);
bool LoadRecoSelTable(const std::string& dataDir, RecoTables& tables, MessageSink& sink);

// Saves a dirty table and keeps the file it replaces as backup `backupNumber`. Succeeds at
// once when the table is not dirty. The new image is written to a temporary file first and
// only a complete one takes the data file's place, so a failed save (3019 when it cannot be
// created, 3018 when it was written short) leaves the data file and every backup untouched;
// the dirty flag then stays set so the next occasion tries again.
bool SaveRecoTable(const std::string& dataDir, int backupNumber, RecoTables& tables,
                   MessageSink& sink);
bool SaveRecoSelTable(const std::string& dataDir, int backupNumber, RecoTables& tables,
                      MessageSink& sink);

// Which backup numbers the saves use: 0 once for the first save of a run (it keeps the state
// the files had at start), then NextSave 1..4 in rotation.
struct RecoSaveRotation {
  int nextSave = 1;        // settings key NextSave
  bool firstSave = true;   // cleared by the first save when the recommendations dialog closes
  void Advance() { nextSave = (nextSave >= 1 && nextSave < 4) ? nextSave + 1 : 1; }
};

// Closing the recommendations dialog: when the record table is dirty the selection table is
// marked dirty too and both are compacted in display order (the returned vector maps old to
// new slots; empty when nothing was compacted); then both are saved. Returns true when
// `nextSave` changed and must be stored in the settings.
bool SaveOnRecoDialogClose(const std::string& dataDir, RecoTables& tables,
                           RecoSaveRotation& rotation, MessageSink& sink,
                           std::vector<int>* newSlots = nullptr);
// Program exit: both tables with NextSave, which advances when either was dirty. Returns
// true when `nextSave` changed.
bool SaveAtExit(const std::string& dataDir, RecoTables& tables, RecoSaveRotation& rotation,
                MessageSink& sink);
// Closing the selection dialog: the selection table with the current NextSave, no advance.
bool SaveOnSelectionDialogClose(const std::string& dataDir, RecoTables& tables,
                                const RecoSaveRotation& rotation, MessageSink& sink);

}  // namespace tw
