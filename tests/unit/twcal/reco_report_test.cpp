#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "calendar/moon_record.h"
#include "reco/reco_eval.h"
#include "reco/reco_report.h"

namespace tw {
namespace {

RecoRecord Reco(const char* name, int category, int groupLink = 0) {
  RecoRecord r;
  r.SetName(name);
  r.category = static_cast<uint8_t>(category);
  r.groupLink = static_cast<int16_t>(groupLink);
  return r;
}

void Select(RecoTables& t, int entry, std::initializer_list<int> slots) {
  t.selections[entry].inUse = 1;
  for (int s : slots) t.selections[entry].members.Set(s, true);
}

// December 2000 and January 2001 without moon events; 24 December 2000 is a Sunday.
class RecoReport : public ::testing::Test {
 protected:
  static constexpr int kAlways = 0, kHeader = 1, kChristmasEve = 2, kFree = 3, kSundays = 5;
  const DayNumber kFirst = DayFromDate(2000, 11, 20);
  const DayNumber kEve = DayFromDate(2000, 12, 24);

  RecoReport() : moon(kFirst, std::vector<MoonDayRecord>(80, EmptyMoonRecord())) {
    tables.Occupy(kAlways, Reco("Immer", 1));
    tables.Occupy(kHeader, Reco("Kopf", 2, -12));  // no conditions: would hold every day
    RecoRecord eve = Reco("Heiligabend", 2, 12);
    eve.fixedDays[0] = MakeFixedDay(2412, kCondRequired);
    eve.otherDays = static_cast<uint16_t>(kCondExcluded << 14);
    tables.Occupy(kChristmasEve, eve);
    RecoRecord free = Reco("Frei", 1);
    free.category = 0;
    tables.records[kFree] = free;
    RecoRecord sundays = Reco("Sonntags", 3);
    for (int wd = 0; wd < 6; ++wd) sundays.weekdayCond = WithCond(sundays.weekdayCond, wd, kCondExcluded);
    tables.Occupy(kSundays, sundays);
    Select(tables, 2, {kAlways, kSundays, kHeader, kFree});
    Select(tables, 3, {kChristmasEve});
    Select(tables, 4, {kSundays});
  }

  std::vector<std::string> Hits(DayNumber d, int selection) {
    RecoDay day;
    EXPECT_TRUE(PrepareRecoDay(moon, d, false, &day));
    std::vector<std::string> names;
    for (const HoldingRecommendation& h : HoldingRecommendations(tables, day, selection)) {
      EXPECT_EQ(h.category, tables.records[h.slot].category);
      names.push_back(h.name);
    }
    return names;
  }

  MemoryMoonData moon;
  RecoTables tables;
};

using Names = std::vector<std::string>;

TEST_F(RecoReport, ListsTheSelectionsHitsInSlotOrderWithoutHeadersOrFreeSlots) {
  EXPECT_EQ(Hits(kEve, 0), (Names{"Immer", "Heiligabend", "Sonntags"}));
  EXPECT_EQ(Hits(kEve, 2), (Names{"Immer", "Sonntags"}));
  EXPECT_EQ(Hits(kEve, 1), Names{});
  EXPECT_EQ(Hits(kEve - 1, 0), Names{"Immer"});  // a Saturday
  EXPECT_EQ(Hits(kEve + 7, 4), Names{"Sonntags"});
  EXPECT_EQ(Hits(kEve + 6, 3), Names{});
}

TEST_F(RecoReport, AgreesWithThePlainDayText) {
  RecordingSink sink;
  RecoEvaluator eval(tables, moon, sink);
  for (DayNumber d : {kEve - 1, kEve, kEve + 7}) {
    for (int selection : {0, 2, 3}) {
      RecoDayTextOptions options;
      options.selection = selection;
      char buffer[1024];
      eval.DayText(d, buffer, buffer + sizeof buffer, options);
      std::string joined;
      for (const std::string& name : Hits(d, selection)) joined += name + "\r\n";
      EXPECT_EQ(joined, buffer) << d << " selection " << selection;
    }
  }
}

TEST_F(RecoReport, FindsTheNextAndPreviousDayOrReportsNone) {
  DayNumber found = 0;
  ASSERT_TRUE(FindRecommendedDay(tables, moon, kEve - 14, 1, 3, false, &found));
  EXPECT_EQ(found, kEve);
  ASSERT_TRUE(FindRecommendedDay(tables, moon, kEve + 30, -1, 3, false, &found));
  EXPECT_EQ(found, kEve);
  // The start day itself never counts; the data ends before the next Christmas Eve.
  found = 4711;
  EXPECT_FALSE(FindRecommendedDay(tables, moon, kEve, 1, 3, false, &found));
  EXPECT_FALSE(FindRecommendedDay(tables, moon, kEve, -1, 3, false, &found));
  EXPECT_EQ(found, 4711);
  // A neighbouring day is found in either direction.
  ASSERT_TRUE(FindRecommendedDay(tables, moon, kEve, 1, 2, false, &found));
  EXPECT_EQ(found, kEve + 1);
  ASSERT_TRUE(FindRecommendedDay(tables, moon, kEve, -1, 2, false, &found));
  EXPECT_EQ(found, kEve - 1);
  ASSERT_TRUE(FindRecommendedDay(tables, moon, kEve + 1, 1, 4, false, &found));
  EXPECT_EQ(found, kEve + 7);
  // The header alone would hold every day, but a header is never a hit.
  Select(tables, 5, {kHeader, kFree});
  EXPECT_FALSE(FindRecommendedDay(tables, moon, kEve, 1, 5, false, &found));
  EXPECT_FALSE(FindRecommendedDay(tables, moon, kEve, 1, 1, false, &found));
}

TEST(RecoReportSelections, FixedEntriesAlwaysUserEntriesWhileInUse) {
  RecoTables t;
  EXPECT_TRUE(SelectionUsable(t, 0));
  EXPECT_TRUE(SelectionUsable(t, 1));
  EXPECT_FALSE(SelectionUsable(t, 2));
  EXPECT_FALSE(SelectionUsable(t, 127));
  t.selections[127].inUse = 1;
  EXPECT_TRUE(SelectionUsable(t, 127));
  EXPECT_FALSE(SelectionUsable(t, -1));
  EXPECT_FALSE(SelectionUsable(t, 128));
}

class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            (std::string("tw_twcal_") + info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string dir() const { return path_.string() + "/"; }
  void Write(const char* name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  size_t Files() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(path_)) ++n;
    return n;
  }

 private:
  std::filesystem::path path_;
};

TEST(RecoReportFiles, ReadsWithoutCreatingAnything) {
  ScratchDir scratch;
  RecordingSink sink;
  RecoTables t;
  std::string error;
  EXPECT_FALSE(LoadRecoTablesForReport(scratch.dir(), t, sink, &error));
  EXPECT_NE(error.find("Reco.dat"), std::string::npos) << error;
  EXPECT_EQ(scratch.Files(), 0u);

  RecoTables source;
  source.Occupy(7, Reco("Sieben", 3));
  std::vector<uint8_t> image(kRecoTableSize);
  source.EncodeRecords(image.data());
  scratch.Write("Reco.dat", image);
  error.clear();
  ASSERT_TRUE(LoadRecoTablesForReport(scratch.dir(), t, sink, &error)) << error;
  EXPECT_STREQ(t.records[7].name, "Sieben");
  EXPECT_TRUE(t.used.Get(7));
  EXPECT_TRUE(t.SelectionMap(0).Get(7));  // the fixed entries exist without RecoSel.dat
  EXPECT_FALSE(SelectionUsable(t, 2));
  EXPECT_EQ(scratch.Files(), 1u);

  Select(source, 2, {7});
  std::vector<uint8_t> sel(kRecoSelTableSize);
  source.EncodeSelections(sel.data());
  scratch.Write("RecoSel.dat", sel);
  RecoTables again;
  ASSERT_TRUE(LoadRecoTablesForReport(scratch.dir(), again, sink, &error)) << error;
  EXPECT_TRUE(SelectionUsable(again, 2));
  EXPECT_TRUE(again.SelectionMap(2).Get(7));
  EXPECT_TRUE(sink.entries.empty());
}

}  // namespace
}  // namespace tw
