// Recommendations as the command-line companion reports them: which ones of a selection
// hold on a day, the day search, and the tables read from a data directory without
// creating anything there.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "core/platform.h"
#include "reco/reco_eval.h"
#include "reco/reco_tables.h"

namespace tw {

// Labels of the categories 1..3, the texts of messages 4004..4006.
const std::array<std::string, kRecoCategories>& RecoCategoryLabels();

struct HoldingRecommendation {
  int slot = 0;
  int category = 0;  // 1..3
  std::string name;  // CP1252
};

// The recommendations of `selection` that hold on the prepared day, in slot order as the
// day text lists them; group headers and free slots never appear.
std::vector<HoldingRecommendation> HoldingRecommendations(const RecoTables& tables,
                                                          const RecoDay& day, int selection);

// An entry the user may name: 0 (all) and 1 (none) always, 2..127 while in use.
bool SelectionUsable(const RecoTables& tables, int selection);

// Reads Reco.dat (required) and RecoSel.dat (optional: without it only the fixed
// selections exist) from `dataDir`, which ends with its separator. Unlike the program's
// start, a missing Reco.dat is an error and no file is ever created. `error` names the
// file that is missing; the loaders' own messages go to `sink`.
bool LoadRecoTablesForReport(const std::string& dataDir, RecoTables& tables, MessageSink& sink,
                             std::string* error);

// The day search without a person: from the day after (or before) `start` to the first
// (or last) day of the moon data. False when no day of the selection is found.
bool FindRecommendedDay(const RecoTables& tables, MoonRecordSource& moon, DayNumber start,
                        int step, int selection, bool sternbild, DayNumber* found);

}  // namespace tw
