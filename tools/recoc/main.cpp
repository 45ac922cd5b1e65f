// recoc SOURCE OUTDIR: compiles a recommendations source (UTF-8 text) into OUTDIR/Reco.dat and
// OUTDIR/RecoSel.dat, exactly as the program would save the same recommendations.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "reco/reco_compact.h"
#include "reco/reco_source.h"
#include "reco/reco_vocabulary.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: recoc SOURCE OUTDIR\n");
    return 2;
  }
  const std::string source = argv[1];
  std::string outDir = argv[2];
  if (!outDir.empty() && outDir.back() != '/' && outDir.back() != '\\') outDir += '/';

  std::ifstream in(source, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "recoc: cannot read %s\n", source.c_str());
    return 1;
  }
  const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string text;
  size_t bad = 0;
  if (!tw::RecoTextFromUtf8(utf8, &text, &bad)) {
    int line = 1;
    for (size_t i = 0; i < bad; ++i) line += utf8[i] == '\n';
    std::fprintf(stderr, "%s:%d: not UTF-8 or not in code page 1252\n", source.c_str(), line);
    return 1;
  }

  tw::RecoTables tables;
  tw::RecoSourceError error;
  if (!tw::ParseRecoSource(text, &tables, &error)) {
    std::fprintf(stderr, "%s:%d: %s\n", source.c_str(), error.line,
                 tw::RecoTextToUtf8(error.message).c_str());
    return 1;
  }
  tw::CompactInDisplayOrder(tables);

  std::vector<uint8_t> reco(tw::kRecoTableSize), sel(tw::kRecoSelTableSize);
  tables.EncodeRecords(reco.data());
  tables.EncodeSelections(sel.data());
  if (!WriteFile(outDir + "Reco.dat", reco) || !WriteFile(outDir + "RecoSel.dat", sel)) {
    std::fprintf(stderr, "recoc: cannot write into %s\n", outDir.c_str());
    return 1;
  }
  int records = 0, selections = 0;
  for (int n = 0; n < tw::kRecoSlots; ++n) records += tables.used.Get(n);
  for (int k = tw::kFirstUserSelection; k < tw::kRecoSelEntries; ++k)
    selections += tables.selections[k].inUse != 0;
  std::printf("recoc: %d records, %d selections\n", records, selections);
  return 0;
}
