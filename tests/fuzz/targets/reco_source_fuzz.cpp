// The readable recommendations source compiled by recoc: parse, and on success write
// the tables back as the export listing.
#include "reco/reco_export.h"
#include "reco/reco_report.h"
#include "reco/reco_source.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tw::RecoTables tables;
  tw::RecoSourceError error;
  if (tw::ParseRecoSource({reinterpret_cast<const char*>(data), size}, &tables, &error))
    tw::RecoExportText(tables, tw::RecoCategoryLabels());
  return 0;
}
