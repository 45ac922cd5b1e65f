#include "reco/reco_report.h"

#include <cstdio>

#include "reco/reco_files.h"

namespace tw {

namespace {

bool FileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

}  // namespace

const std::array<std::string, kRecoCategories>& RecoCategoryLabels() {
  static const std::array<std::string, kRecoCategories> labels = {"Pflanzen/Tiere", "Gesundheit",
                                                                  "Allgemein"};
  return labels;
}

std::vector<HoldingRecommendation> HoldingRecommendations(const RecoTables& tables,
                                                          const RecoDay& day, int selection) {
  std::vector<HoldingRecommendation> out;
  const SlotMap& members = tables.SelectionMap(selection);
  for (int n = 0; n < kRecoSlots; ++n) {
    if (!members.Get(n)) continue;
    const RecoRecord& r = tables.records[n];
    if (!r.occupied() || r.isHeader()) continue;
    if (Holds(r, day)) out.push_back({n, r.category, r.name});
  }
  return out;
}

bool SelectionUsable(const RecoTables& tables, int selection) {
  if (selection < 0 || selection >= kRecoSelEntries) return false;
  return selection < kFirstUserSelection || tables.selections[selection].inUse != 0;
}

bool LoadRecoTablesForReport(const std::string& dataDir, RecoTables& tables, MessageSink& sink,
                             std::string* error) {
  // The loaders create a missing file, as the program's start must; a report must not
  // leave files behind in a directory it only reads.
  const std::string reco = RecoFilePath(dataDir);
  if (!FileExists(reco)) {
    *error = "no recommendations file " + reco;
    return false;
  }
  if (!LoadRecoTable(dataDir, tables, sink)) {
    *error = "cannot read " + reco;
    return false;
  }
  const std::string sel = RecoSelFilePath(dataDir);
  if (FileExists(sel) && !LoadRecoSelTable(dataDir, tables, sink)) {
    *error = "cannot read " + sel;
    return false;
  }
  return true;
}

bool FindRecommendedDay(const RecoTables& tables, MoonRecordSource& moon, DayNumber start,
                        int step, int selection, bool sternbild, DayNumber* found) {
  // The interactive form returns the start day when nothing is found; the other form
  // returns a limit, which a hit on that very day could not be told apart from.
  RecordingSink quiet;
  RecoEvaluator eval(tables, moon, quiet);
  eval.settings.sternbild = sternbild;
  eval.settings.searchEnd = kLastMoonDay;
  const DayNumber d = eval.FindDay(start, step, true, selection, kFirstMoonDay);
  if (d == start) return false;
  *found = d;
  return true;
}

}  // namespace tw
