// RecoSel.dat: the selection table image over a fixed record table, then what the
// selection dialogs and the calendar ask of it.
#include <cstring>
#include <vector>

#include "reco/reco_report.h"
#include "reco/reco_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::vector<uint8_t> image(tw::kRecoSelTableSize);
  std::fill(image.begin(), image.end(), 0);
  std::memcpy(image.data(), data, std::min<size_t>(size, image.size()));
  // Only the selections change from run to run and decoding replaces all of them, so one
  // table (its 768 empty records are most of the cost of making one) serves every run.
  static tw::RecoTables tables;
  tables.DecodeSelections(image.data());
  tables.ForceFixedSelections();
  tables.SelectionsFull();
  tables.FirstFreeSelection();
  for (int e = 0; e < tw::kRecoSelEntries; ++e) {
    tw::SelectionUsable(tables, e);
    const tw::SlotMap& m = tables.SelectionMap(e);
    for (int s = 0; s < tw::kRecoSlots; s += 97) m.Get(s);
  }
  tables.RemoveFromSelections(size % tw::kRecoSlots);
  std::vector<uint8_t> again(tw::kRecoSelTableSize);
  tables.EncodeSelections(again.data());
  return 0;
}
