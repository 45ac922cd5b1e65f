// Reco.dat: the records of the table image (a short file leaves the rest zero, as the
// loader does, and only the records the input reaches are decoded, to keep runs fast),
// then one consumer per run, picked by the input's length (the condition test on a few days,
// the export listing or the group checks), and the records written back (those the input
// reached: encoding all 768 each run would be most of the time).
#include <cstring>

#include "reco/reco_eval.h"
#include "reco/reco_export.h"
#include "reco/reco_report.h"
#include "reco/reco_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One table for every run: the records a run fills are emptied again at its end, so each
  // run starts from the state a fresh table has (making one is a fixed cost per run).
  static tw::RecoTables tables;
  uint8_t record[tw::kRecoRecordSize];
  size_t reached = 0;
  for (size_t s = 0; s < tw::kRecoSlots && s * tw::kRecoRecordSize < size; ++s, ++reached) {
    const size_t at = s * tw::kRecoRecordSize;
    std::memset(record, 0, sizeof record);
    std::memcpy(record, data + at, std::min<size_t>(size - at, sizeof record));
    tables.records[s] = tw::RecoRecord::FromBytes(record);
  }
  tables.RebuildUsedMap();
  switch (size % 3) {
    case 0: {
      tw::RecoDay day;
      for (tw::DayNumber d : {tw::DayNumber{149000}, tw::DayNumber{149100}, tw::DayNumber{tw::kLastMoonDay}}) {
        day.day = d;
        day.year.Compute(d);
        day.MatchMovableDays();
        tw::HoldingRecommendations(tables, day, 0);
      }
      break;
    }
    case 1:
      tw::RecoExportText(tables, tw::RecoCategoryLabels());
      break;
    default:
      tables.FirstFreeSlot();
      for (int s = 0; s < tw::kRecoSlots; ++s)
        if (tables.records[s].occupied() && tables.records[s].isHeader())
          tables.GroupHasSeveralMembers(-tables.records[s].groupLink);
  }
  for (size_t s = 0; s < reached; ++s) {
    tables.records[s].ToBytes(record);
    tables.records[s] = tw::RecoRecord();
  }
  return 0;
}
