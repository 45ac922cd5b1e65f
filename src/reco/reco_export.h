// The plain listing Reco.txt: category lines, then the top-level names indented by three
// blanks and group members by six, in display order.
#pragma once
#include <array>
#include <string>

#include "reco/reco_tables.h"

namespace tw {

constexpr const char* kRecoExportFile = "Reco.txt";  // relative to the current directory
constexpr size_t kRecoCategoryLabelMax = 41;

// The listing as text, lines ended by CR LF. `categoryLabels` are messages 4004..4006;
// each is cut to 41 characters.
std::string RecoExportText(const RecoTables& tables,
                           const std::array<std::string, kRecoCategories>& categoryLabels);

// Writes the listing to `path`, replacing what was there. False when the file cannot be
// written; the caller shows nothing then.
bool ExportRecoTxt(const std::string& path, const RecoTables& tables,
                   const std::array<std::string, kRecoCategories>& categoryLabels);

}  // namespace tw
