// Damaged files and garbage text: any byte pattern must load, evaluate, print and compact
// without reading or writing outside its buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "reco/reco_compact.h"
#include "reco/reco_eval.h"
#include "reco/reco_export.h"
#include "reco/reco_source.h"

namespace tw {
namespace {

std::vector<uint8_t> RandomBytes(std::mt19937& rng, size_t n) {
  std::vector<uint8_t> b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

TEST(RecoRobustness, RandomTablesEvaluatePrintAndCompact) {
  std::mt19937 rng(12345);
  std::vector<MoonDayRecord> days;
  for (int i = 0; i < 60; ++i) {
    auto raw = RandomBytes(rng, kMoonRecordSize);
    days.push_back(MoonDayRecord::FromBytes(raw.data()));
  }
  MemoryMoonData moon(DayFromDate(2000, 1, 1), days);
  for (int round = 0; round < 4; ++round) {
    RecoTables t;
    auto image = RandomBytes(rng, kRecoTableSize);
    auto sel = RandomBytes(rng, kRecoSelTableSize);
    t.DecodeRecords(image.data());
    t.DecodeSelections(sel.data());
    for (const RecoRecord& r : t.records) ASSERT_LT(std::strlen(r.name), static_cast<size_t>(kRecoNameSize));

    RecordingSink sink;
    RecoEvaluator eval(t, moon, sink);
    for (int d = 0; d < 60; d += 7) {
      for (bool rich : {false, true}) {
        char buf[300];
        std::memset(buf, 'Z', sizeof buf);
        RecoDayTextOptions o;
        o.formatted = rich;
        o.separators = d % 4;
        o.selection = d % 130;  // some out of range
        char* end = eval.DayText(DayFromDate(2000, 1, 1) + d, buf, buf + 256, o);
        ASSERT_LT(end, buf + 256);
        ASSERT_EQ(*end, 0);
        for (int i = 256; i < 300; ++i) ASSERT_EQ(buf[i], 'Z');
      }
    }
    eval.FindDay(DayFromDate(2000, 1, 1), 1, false, 0, DayFromDate(2000, 1, 1));

    const std::string listing = RecoExportText(t, {"a", "b", "c"});
    ASSERT_FALSE(listing.empty());
    std::vector<int> moved = CompactInDisplayOrder(t);
    int occupied = 0;
    for (int n = 0; n < kRecoSlots; ++n) occupied += t.used.Get(n);
    for (int n = 0; n < kRecoSlots; ++n) ASSERT_EQ(t.used.Get(n), n < occupied);
  }
}

TEST(RecoRobustness, GarbageSourceTextIsRejectedOrAcceptedButNeverOverruns) {
  std::mt19937 rng(777);
  const std::string alphabet = "Kategorie: 1\nEmpfehlung Phase Monat nicht , . : \xE4\xFC 0123456789 \r\n";
  for (int round = 0; round < 200; ++round) {
    std::string text;
    const size_t n = rng() % 400;
    for (size_t i = 0; i < n; ++i) {
      if (rng() % 5 == 0)
        text += static_cast<char>(rng());
      else
        text += alphabet[rng() % alphabet.size()];
    }
    RecoTables t;
    RecoSourceError err;
    if (!ParseRecoSource(text, &t, &err)) {
      ASSERT_GE(err.line, 1);
      ASSERT_FALSE(err.message.empty());
    }
  }
}

}  // namespace
}  // namespace tw
