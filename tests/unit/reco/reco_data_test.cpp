// The shipped recommendations: the committed files equal their compiled source, and every
// recommendation in them is usable.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "reco/reco_compact.h"
#include "reco/reco_eval.h"
#include "reco/reco_files.h"
#include "reco/reco_order.h"
#include "reco/reco_source.h"
#include "reco/reco_vocabulary.h"

namespace tw {
namespace {

const std::string kData = std::string(TW_SOURCE_DIR) + "/data/";

RecoTables CompileSource() {
  std::ifstream in(std::string(TW_SOURCE_DIR) + "/tools/recoc/default_reco.txt", std::ios::binary);
  const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string text;
  EXPECT_TRUE(RecoTextFromUtf8(utf8, &text));
  RecoTables t;
  RecoSourceError err;
  EXPECT_TRUE(ParseRecoSource(text, &t, &err)) << err.line << ": " << err.message;
  CompactInDisplayOrder(t);
  return t;
}

RecoTables LoadShipped() {
  RecoTables t;
  RecordingSink sink;
  EXPECT_TRUE(LoadRecoTable(kData, t, sink));
  EXPECT_TRUE(LoadRecoSelTable(kData, t, sink));
  return t;
}

TEST(ShippedReco, FilesEqualTheCompiledSource) {
  RecoTables compiled = CompileSource();
  std::vector<uint8_t> a(kRecoTableSize), b(kRecoSelTableSize);
  compiled.EncodeRecords(a.data());
  compiled.EncodeSelections(b.data());
  std::ifstream reco(kData + "Reco.dat", std::ios::binary);
  std::ifstream sel(kData + "RecoSel.dat", std::ios::binary);
  std::vector<uint8_t> fa((std::istreambuf_iterator<char>(reco)), std::istreambuf_iterator<char>());
  std::vector<uint8_t> fb((std::istreambuf_iterator<char>(sel)), std::istreambuf_iterator<char>());
  EXPECT_EQ(fa, a);
  EXPECT_EQ(fb, b);
}

TEST(ShippedReco, AStarterSetInAllThreeCategoriesWithNamedSelections) {
  RecoTables t = LoadShipped();
  int perCategory[4] = {};
  int headers = 0;
  for (const RecoRecord& r : t.records) {
    if (!r.occupied()) continue;
    ASSERT_GE(r.category, 1);
    ASSERT_LE(r.category, 3);
    if (r.isHeader()) ++headers;
    else ++perCategory[r.category];
  }
  EXPECT_GE(perCategory[1] + perCategory[2] + perCategory[3], 60);
  for (int c = 1; c <= 3; ++c) EXPECT_GE(perCategory[c], 10) << c;
  EXPECT_GE(headers, 6);
  for (const char* name : {"Garten", "Gesundheit", "Haushalt"}) {
    bool found = false;
    for (int k = kFirstUserSelection; k < kRecoSelEntries; ++k) {
      const RecoSelEntry& e = t.selections[k];
      if (e.inUse && std::strcmp(e.name, name) == 0) {
        found = true;
        int members = 0;
        for (int n = 0; n < kRecoSlots; ++n) members += e.members.Get(n);
        EXPECT_GE(members, 5) << name;
      }
    }
    EXPECT_TRUE(found) << name;
  }
  EXPECT_STREQ(t.selections[0].name, "Alle Empfehlungen");
}

TEST(ShippedReco, IsAlreadyInTheCompactedDisplayOrder) {
  RecoTables t = LoadShipped();
  std::vector<uint8_t> before(kRecoTableSize), after(kRecoTableSize);
  t.EncodeRecords(before.data());
  CompactInDisplayOrder(t);
  t.EncodeRecords(after.data());
  EXPECT_EQ(before, after);
  // Every member has its header: nothing would be lost or hidden.
  RecoDisplayOrder order = BuildDisplayOrder(t);
  int shown = 0;
  for (const auto& items : order.categories)
    for (const RecoTreeItem& item : items) shown += 1 + static_cast<int>(item.members.size());
  int occupied = 0;
  for (const RecoRecord& r : t.records) occupied += r.occupied();
  EXPECT_EQ(shown, occupied);
}

TEST(ShippedReco, EveryRecommendationHoldsSometimesButNotAlwaysOverTenYears) {
  RecordingSink sink;
  MoonData moon(sink);
  if (!std::filesystem::exists(kData + "Moon.dat") || !moon.Open(kData))
    GTEST_SKIP() << "data/Moon.dat not available";
  RecoTables t = LoadShipped();
  std::vector<int> hits(kRecoSlots, 0);
  const DayNumber first = DayFromDate(2000, 1, 1), last = DayFromDate(2009, 12, 31);
  RecoDay day;
  for (DayNumber d = first; d <= last; ++d) {
    ASSERT_TRUE(PrepareRecoDay(moon, d, false, &day));
    for (int n = 0; n < kRecoSlots; ++n) {
      const RecoRecord& r = t.records[n];
      if (r.occupied() && !r.isHeader() && Holds(r, day)) ++hits[n];
    }
  }
  const int days = last - first + 1;
  for (int n = 0; n < kRecoSlots; ++n) {
    const RecoRecord& r = t.records[n];
    if (!r.occupied() || r.isHeader()) continue;
    EXPECT_GE(hits[n], 10) << RecoTextToUtf8(r.name);
    EXPECT_LT(hits[n], days) << RecoTextToUtf8(r.name);
  }
}

}  // namespace
}  // namespace tw
