// Shared pieces of the calendar view tests: the shipped data, the real message texts and
// a reader that turns a rich-text document back into the text it shows.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "core/daynumber.h"
#include "calendar/moon_data.h"
#include "calendar/special_days.h"
#include "reco/reco_eval.h"
#include "reco/reco_files.h"
#include "views/calendar_cells.h"

namespace tw::viewtest {

const std::string kData = std::string(TW_SOURCE_DIR) + "/data/";

// Messages of the resource library as the program loads them.
const std::map<int, std::string>& Messages();
MessageLookup Lookup();

// Context for screen cells with fixed German date settings (d.m.y, leading zeros).
CellContext ScreenContext();

// The shown text of an RTF document: "\par" becomes a line feed, "\tab" a tab, the font
// and colour tables and all other control words are dropped.
std::string Plain(const std::string& rtf);

// The text between "\f2" and the next font change, concatenated: what the symbol font shows.
std::string SymbolRuns(const std::string& rtf);

DayNumber Day(int y, int m, int d);

struct ShippedData {
  RecordingSink sink;
  MoonData moon{sink};
  SpecialDayTable special;
  RecoTables reco;
  std::unique_ptr<RecoEvaluator> eval;
  ShippedData();
};
ShippedData& Shipped();

}  // namespace tw::viewtest
