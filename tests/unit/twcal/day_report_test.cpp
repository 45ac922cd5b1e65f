#include <gtest/gtest.h>

#include <cstring>

#include "calendar/day_report.h"
#include "calendar/special_days.h"

namespace tw {
namespace {

TEST(IsoDates, ParseAcceptsExactlyExistingDatesOfTheCalendar) {
  DayNumber d = -1;
  ASSERT_TRUE(ParseIsoDate("1950-01-01", &d));
  EXPECT_EQ(d, kFirstMoonDay);
  ASSERT_TRUE(ParseIsoDate("2049-12-31", &d));
  EXPECT_EQ(d, kLastMoonDay);
  ASSERT_TRUE(ParseIsoDate("1600-01-01", &d));
  EXPECT_EQ(d, 0);
  ASSERT_TRUE(ParseIsoDate("2000-02-29", &d));
  EXPECT_EQ(d, DayFromDate(2000, 2, 29));

  d = 12345;
  for (const char* bad : {"2001-02-29", "1900-02-29", "2000-13-01", "2000-00-10", "2000-04-31",
                          "2000-01-00", "1599-12-31", "2050-01-01", "2000-1-01", "2000-01-1",
                          "2000/01/01", "20000-01-01", " 2000-01-01", "2000-01-01x", "",
                          "2000-0a-01", "-200-01-01"}) {
    EXPECT_FALSE(ParseIsoDate(bad, &d)) << bad;
  }
  EXPECT_EQ(d, 12345);  // untouched on failure
}

TEST(IsoDates, FormatAndEventClock) {
  EXPECT_EQ(IsoDate(365), "1601-01-01");
  EXPECT_EQ(IsoDate(364), "1600-12-30");
  EXPECT_EQ(IsoDate(kLastMoonDay), "2049-12-31");
  for (DayNumber d : {kFirstMoonDay, DayFromDate(1996, 2, 29), DayFromDate(2024, 12, 31)}) {
    DayNumber back = -1;
    ASSERT_TRUE(ParseIsoDate(IsoDate(d), &back));
    EXPECT_EQ(back, d);
  }
  EXPECT_EQ(EventClock(0), "00:00");
  EXPECT_EQ(EventClock(1324), "22:04");
  EXPECT_EQ(EventClock(1439), "23:59");
}

SpecialDay Entry(uint16_t flags, int16_t value, const char* name) {
  SpecialDay e;
  e.flags = flags;
  e.value = value;
  e.SetName(name);
  return e;
}

// Braces and brackets outside strings balance, and no string is left open.
void ExpectBalancedJson(const std::string& j) {
  int depth = 0;
  bool inString = false;
  for (size_t i = 0; i < j.size(); ++i) {
    if (inString) {
      if (j[i] == '\\') ++i;
      else if (j[i] == '"') inString = false;
    } else if (j[i] == '"') {
      inString = true;
    } else if (j[i] == '{' || j[i] == '[') {
      ++depth;
    } else if (j[i] == '}' || j[i] == ']') {
      ASSERT_GT(depth, 0) << j;
      --depth;
    }
  }
  EXPECT_EQ(depth, 0) << j;
  EXPECT_FALSE(inString) << j;
}

// A few days around 1 January 2000 with a full moon at 05:00 on the 1st.
class Report : public ::testing::Test {
 protected:
  static constexpr DayNumber kDay = 146096;  // 1 January 2000, a Saturday
  Report() : moon(kDay - 10, std::vector<MoonDayRecord>(21, EmptyMoonRecord())) {
    MoonDayRecord& r = moon.records()[10];
    r.SetEventTime(MoonEvent::Phase, 300);
    r.SetWaxing(false);
    r.SetHeight(42);
    r.SetDistance(100);
    r.SetSunSign(9);
    r.SetSunConstellation(8);
    r.SetMoonSign(3);
    r.SetMoonConstellation(4);
    r.SetEventTime(MoonEvent::MoonSign, 721);
    moon.records()[12].SetEventTime(MoonEvent::Height, 60);  // highest point 2 days ahead
  }
  MemoryMoonData moon;
};

TEST_F(Report, GathersRecordAttributesAndSpecialDays) {
  SpecialDayTable table;
  table.entries.push_back(Entry(kSpecialActive | kSpecialOfficial | kSpecialKindFixed, 101, "Neujahr"));
  table.entries.push_back(Entry(kSpecialActive | kSpecialKindFixed, 101, "Zweiter \"Feiertag\""));
  table.entries.push_back(Entry(kSpecialKindFixed | kSpecialNameDay, 101, "Inaktiv"));
  table.entries.push_back(Entry(kSpecialActive | kSpecialKindFixed | kSpecialNameDay, 101, "Björn"));
  DayReport r;
  ASSERT_TRUE(BuildDayReport(moon, &table, kDay, false, &r));
  EXPECT_EQ(moon.LastFetched(), kDay);
  EXPECT_EQ(r.year * 10000 + r.month * 100 + r.dayOfMonth, 20000101);
  EXPECT_EQ(r.holiday, 2);
  EXPECT_EQ(r.specialDays, "Neujahr, Bj\xF6rn");
  EXPECT_EQ(r.attributes.phase, 16);
  EXPECT_EQ(r.attributes.height, 6);
  EXPECT_EQ(r.attributes.moonSign, 2);  // noon rule
  EXPECT_EQ(r.attributes.month, 0);
  EXPECT_EQ(r.attributes.weekday, 5);
  EXPECT_EQ(r.record.phaseTime(), 300);

  DayReport none;
  EXPECT_FALSE(BuildDayReport(moon, &table, kDay + 11, false, &none));
  DayReport noTable;
  ASSERT_TRUE(BuildDayReport(moon, nullptr, kDay, true, &noTable));
  EXPECT_EQ(noTable.holiday, 0);
  EXPECT_EQ(noTable.specialDays, "");
  EXPECT_EQ(noTable.attributes.sunSign, 8);  // constellation
  EXPECT_EQ(noTable.attributes.moonSign, 4);
}

TEST_F(Report, JsonNamesEveryFieldAndNullsWhatTheDayLacks) {
  SpecialDayTable table;
  table.entries.push_back(Entry(kSpecialActive | kSpecialKindFixed, 101, "Tag \"X\" \\ M\xE4rz"));
  DayReport r;
  ASSERT_TRUE(BuildDayReport(moon, &table, kDay, false, &r));
  std::string j = DayReportJson(r);
  for (const char* part :
       {"\"date\": \"2000-01-01\"", "\"dayNumber\": 146096", "\"waxing\": 0", "\"ascending\": 0",
        "\"approaching\": 0", "\"nodeKind\": 0", "\"sunSign\": 9", "\"sunConstellation\": 8",
        "\"moonSign\": 3", "\"moonConstellation\": 4", "\"seasonTime\": null",
        "\"sunSignTime\": null", "\"sunConstellationTime\": null", "\"moonSignTime\": \"12:01\"",
        "\"moonConstellationTime\": null", "\"phaseTime\": \"05:00\"", "\"heightTime\": null",
        "\"distanceTime\": null", "\"nodeTime\": null", "\"illumination\": null",
        "\"height\": 42", "\"distance\": 100", "\"phase\": 16", "\"height\": 6",
        "\"distance\": 4", "\"node\": 14", "\"moonSign\": 2", "\"month\": 0", "\"weekday\": 5",
        "\"season\": 3", "\"holiday\": 1", "\"phasePicture\": 20", "\"moonSize\": 50",
        "\"specialDays\": \"Tag \\\"X\\\" \\\\ M\xC3\xA4rz\""}) {
    EXPECT_NE(j.find(part), std::string::npos) << part << "\n" << j;
  }
  ExpectBalancedJson(j);
  EXPECT_EQ(j.substr(j.size() - 2), "}\n");

  // Control characters in names are escaped, never written raw.
  r.specialDays = "a\tb";
  EXPECT_NE(DayReportJson(r).find("\"a\\u0009b\""), std::string::npos);
}

TEST_F(Report, TextNamesSignsInGermanAndMarksMissingValues) {
  DayReport r;
  ASSERT_TRUE(BuildDayReport(moon, nullptr, kDay, false, &r));
  std::string t = DayReportText(r);
  EXPECT_NE(t.find("2000-01-01 Samstag\n"), std::string::npos) << t;
  EXPECT_NE(t.find("  phaseTime             05:00\n"), std::string::npos) << t;
  EXPECT_NE(t.find("  illumination          -\n"), std::string::npos) << t;
  EXPECT_NE(t.find("  sunConstellation      8 Sch\xFCtze\n"), std::string::npos) << t;
  EXPECT_NE(t.find("specialDays             -\n"), std::string::npos) << t;
  // A damaged sign nibble still names a sign instead of reading past the table.
  r.record.SetMoonSign(15);
  EXPECT_NE(DayReportText(r).find("  moonSign              15 Krebs\n"), std::string::npos);
}

TEST_F(Report, RecommendationsOnlyWhenASelectionWasEvaluated) {
  DayReport r;
  ASSERT_TRUE(BuildDayReport(moon, nullptr, kDay, false, &r));
  EXPECT_EQ(DayReportJson(r).find("recommendations"), std::string::npos);
  EXPECT_EQ(DayReportText(r).find("recommendations"), std::string::npos);

  r.recoSelection = 4;
  EXPECT_NE(DayReportJson(r).find("\"selection\": 4,\n  \"recommendations\": []\n}\n"), std::string::npos)
      << DayReportJson(r);
  EXPECT_NE(DayReportText(r).find("selection               4\nrecommendations         -\n"),
            std::string::npos)
      << DayReportText(r);

  r.recommendations.push_back({1, "Pflanzen/Tiere", "Obstb\xE4ume schneiden"});
  r.recommendations.push_back({3, "Allgemein", "Zitat \"a\\b\""});
  const std::string j = DayReportJson(r);
  EXPECT_NE(j.find("\"recommendations\": [\n"
                   "    {\"category\": 1, \"name\": \"Obstb\xC3\xA4ume schneiden\"},\n"
                   "    {\"category\": 3, \"name\": \"Zitat \\\"a\\\\b\\\"\"}\n"
                   "  ]\n}\n"),
            std::string::npos)
      << j;
  ExpectBalancedJson(j);

  const std::string t = DayReportText(r);
  EXPECT_NE(t.find("recommendations\n"
                   "  Pflanzen/Tiere        Obstb\xE4ume schneiden\n"
                   "  Allgemein             Zitat \"a\\b\"\n"),
            std::string::npos)
      << t;
}

}  // namespace
}  // namespace tw
