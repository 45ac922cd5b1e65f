#include "reco/reco_export.h"

#include <cstdio>

#include "reco/reco_order.h"

namespace tw {

std::string RecoExportText(const RecoTables& tables,
                           const std::array<std::string, kRecoCategories>& categoryLabels) {
  const RecoDisplayOrder order = BuildDisplayOrder(tables);
  std::string out;
  for (int c = 0; c < kRecoCategories; ++c) {
    out += categoryLabels[c].substr(0, kRecoCategoryLabelMax);
    out += "\r\n";
    for (const RecoTreeItem& item : order.categories[c]) {
      out += "   ";
      out += tables.records[item.slot].name;
      out += "\r\n";
      for (int member : item.members) {
        out += "      ";
        out += tables.records[member].name;
        out += "\r\n";
      }
    }
  }
  return out;
}

bool ExportRecoTxt(const std::string& path, const RecoTables& tables,
                   const std::array<std::string, kRecoCategories>& categoryLabels) {
  const std::string text = RecoExportText(tables, categoryLabels);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace tw
