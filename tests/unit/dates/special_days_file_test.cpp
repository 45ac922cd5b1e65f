#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <cstring>

#include "calendar/calendar_messages.h"
#include "calendar/special_days.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class SpecialDaysFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("tw_dates_" + std::to_string(rd()) + "_" +
                                        std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir_);
    dataDir_ = dir_.string() + "/";
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    fs::remove_all(dir_, ec);
  }
  void Write(const char* name, const std::string& bytes) {
    std::ofstream f(dir_ / name, std::ios::binary);
    f << bytes;
  }
  std::string Read(const char* name) {
    std::ifstream f(dir_ / name, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  fs::path dir_;
  std::string dataDir_;
};

TEST_F(SpecialDaysFiles, HolidayLineFields) {
  SpecialDay e = ParseSpecialDayLine("A F 2512 O R 1. Weihnachtstag", kSpecialHoliday);
  EXPECT_TRUE(e.active());
  EXPECT_TRUE(e.official());
  EXPECT_EQ(e.kind(), kSpecialKindFixed);
  EXPECT_EQ(e.category(), kSpecialHoliday);
  EXPECT_EQ(e.colour(), 1);
  EXPECT_EQ(e.value, 2512);
  EXPECT_EQ(e.day, kNoSpecialDay);
  EXPECT_STREQ(e.name, "1. Weihnachtstag");

  e = ParseSpecialDayLine("a o -2 i s Karfreitag", kSpecialHoliday);  // case-insensitive
  EXPECT_TRUE(e.active());
  EXPECT_FALSE(e.official());
  EXPECT_EQ(e.kind(), kSpecialKindEaster);
  EXPECT_EQ(e.value, -2);
  EXPECT_EQ(e.colour(), 0);
  EXPECT_EQ(ParseSpecialDayLine("A E 39 I B x", kSpecialHoliday).kind(), kSpecialKindEaster);
  EXPECT_EQ(ParseSpecialDayLine("A E 39 I B x", kSpecialHoliday).colour(), 3);
  EXPECT_EQ(ParseSpecialDayLine("X A -21 I G x", kSpecialHoliday).kind(), kSpecialKindAdvent);
  EXPECT_FALSE(ParseSpecialDayLine("X A -21 I G x", kSpecialHoliday).active());
  EXPECT_EQ(ParseSpecialDayLine("A A -21 I G x", kSpecialHoliday).colour(), 2);

  e = ParseSpecialDayLine("A 1 205 I S Muttertag", kSpecialHoliday);
  EXPECT_EQ(e.kind(), 1);
  EXPECT_EQ(e.value, 205);
  EXPECT_EQ(e.flags, kSpecialActive | 1);
  EXPECT_EQ(ParseSpecialDayLine("A 0 10 I S Zeitumstellung", kSpecialHoliday).kind(), 0);
  // Text with a space inside the name; the name keeps it.
  EXPECT_STREQ(ParseSpecialDayLine("A F 101 O K Neues  Jahr ", kSpecialHoliday).name, "Neues  Jahr ");
}

TEST_F(SpecialDaysFiles, StrayNumbersCannotSetOtherFlagBits) {
  // 255 as kind would otherwise make the entry an active, official name day.
  SpecialDay e = ParseSpecialDayLine("I 255 101 I S x", kSpecialHoliday);
  EXPECT_EQ(e.category(), kSpecialHoliday);
  EXPECT_FALSE(e.active());
  EXPECT_FALSE(e.official());
  EXPECT_EQ(e.colour(), 0);
  // Values beyond 16 bits saturate instead of wrapping to another sign.
  EXPECT_EQ(ParseSpecialDayLine("A O 99999 I S x", kSpecialHoliday).value, INT16_MAX);
  EXPECT_EQ(ParseSpecialDayLine("A O -99999 I S x", kSpecialHoliday).value, INT16_MIN);
}

TEST_F(SpecialDaysFiles, ShortLinesAreSafe) {
  // Every field missing after some point: nothing is read past the line.
  const char buf[] = "A F 2512 O R Name";
  for (size_t n = 1; n < sizeof buf - 1; ++n) {
    SpecialDay e = ParseSpecialDayLine(std::string_view(buf, n), kSpecialHoliday);
    EXPECT_LT(std::strlen(e.name), n) << n;
  }
  SpecialDay e = ParseSpecialDayLine(std::string_view(buf, 6), kSpecialHoliday);
  EXPECT_EQ(e.value, 25);
  EXPECT_STREQ(e.name, "");
  e = ParseSpecialDayLine("A", kSpecialNameDay);
  EXPECT_EQ(e.flags, kSpecialActive | kSpecialNameDay | kSpecialKindFixed);
  EXPECT_EQ(e.value, 0);
}

TEST_F(SpecialDaysFiles, NameDayAndBirthdayLines) {
  SpecialDay n = ParseSpecialDayLine("A 2402 G Matthias", kSpecialNameDay);
  EXPECT_EQ(n.flags, kSpecialActive | kSpecialNameDay | kSpecialKindFixed | (2 << 8));
  EXPECT_EQ(n.value, 2402);
  EXPECT_STREQ(n.name, "Matthias");
  SpecialDay b = ParseSpecialDayLine("I 2902 K Anna M\xFCller", kSpecialBirthday);
  EXPECT_EQ(b.flags, kSpecialBirthday | kSpecialKindFixed);
  EXPECT_STREQ(b.name, "Anna M\xFCller");
}

TEST_F(SpecialDaysFiles, LoadAllThreeInOrderWithLineEndRules) {
  Write("TwHd.dat", "A F 2512 O R Weihnachten\r\nA O -2 I S Karfreitag\r\n");
  Write("TwNd.dat", "A 2402 S Matthias\n");           // line feed alone is fine
  Write("TwBd.dat", "A 1503 B Oma\r\nI 101 S Opa");   // last line without line end
  SpecialDayTable t;
  EXPECT_EQ(t.Load(dataDir_), 5u);
  ASSERT_EQ(t.entries.size(), 5u);
  EXPECT_STREQ(t.entries[0].name, "Weihnachten");
  EXPECT_STREQ(t.entries[1].name, "Karfreitag");
  EXPECT_EQ(t.entries[2].category(), kSpecialNameDay);
  EXPECT_EQ(t.entries[3].category(), kSpecialBirthday);
  EXPECT_STREQ(t.entries[3].name, "Oma");
  EXPECT_STREQ(t.entries[4].name, "Opa");
  EXPECT_FALSE(t.entries[4].active());
  for (const SpecialDay& e : t.entries) EXPECT_EQ(e.day, kNoSpecialDay);
}

TEST_F(SpecialDaysFiles, EmptyLineAndEofMarkerEndTheFile) {
  Write("TwHd.dat", "A F 101 O R Neujahr\r\n\r\nA F 2512 O R Weihnachten\r\n");
  Write("TwNd.dat", "A 2402 S Matthias\r\n\x1A garbage\r\nA 101 S late\r\n");
  Write("TwBd.dat", "\r\nA 1503 B Oma\r\n");
  SpecialDayTable t;
  ASSERT_EQ(t.Load(dataDir_), 2u);
  EXPECT_STREQ(t.entries[0].name, "Neujahr");
  EXPECT_STREQ(t.entries[1].name, "Matthias");
}

TEST_F(SpecialDaysFiles, LongNamesAndLongLines) {
  std::string longName(70, 'n');
  std::string hugeName(600, 'h');
  Write("TwHd.dat", "A F 101 O R " + longName + "\r\nA F 102 O R " + hugeName +
                        "\r\nA F 103 O R third\r\n");
  // A name that runs to the end of the file without any line end.
  Write("TwNd.dat", "A 101 S " + longName);
  SpecialDayTable t;
  ASSERT_EQ(t.Load(dataDir_), 4u);
  EXPECT_EQ(std::string(t.entries[0].name), std::string(63, 'n'));
  EXPECT_EQ(std::string(t.entries[1].name), std::string(63, 'h'));
  // The tail of the 600-byte line does not become a rule of its own.
  EXPECT_STREQ(t.entries[2].name, "third");
  EXPECT_EQ(t.entries[2].value, 103);
  EXPECT_EQ(std::string(t.entries[3].name), std::string(63, 'n'));
  EXPECT_EQ(t.entries[3].category(), kSpecialNameDay);
}

TEST_F(SpecialDaysFiles, MissingFilesAndTheTableLimit) {
  SpecialDayTable t;
  t.entries.resize(3);
  EXPECT_EQ(t.Load(dataDir_), 0u);  // fresh table even when nothing is there
  EXPECT_TRUE(t.entries.empty());

  std::string many;
  for (int i = 0; i < 2000; ++i) many += "A F 101 I S h" + std::to_string(i) + "\r\n";
  Write("TwHd.dat", many);
  std::string names;
  for (int i = 0; i < 100; ++i) names += "A 101 S n" + std::to_string(i) + "\r\n";
  Write("TwNd.dat", names);
  Write("TwBd.dat", "A 101 S birthday\r\n");
  ASSERT_EQ(t.Load(dataDir_), kMaxSpecialDays);
  EXPECT_STREQ(t.entries[1999].name, "h1999");
  EXPECT_STREQ(t.entries[2047].name, "n47");  // birthdays are cut first
}

TEST_F(SpecialDaysFiles, WriterLettersDependOnCountry) {
  SpecialDay e = ParseSpecialDayLine("A O -2 I S Karfreitag", kSpecialHoliday);
  EXPECT_EQ(FormatSpecialDayLine(e, kSpecialHoliday, 49), "A O -2 I S Karfreitag");
  EXPECT_EQ(FormatSpecialDayLine(e, kSpecialHoliday, 0), "A O -2 I S Karfreitag");
  EXPECT_EQ(FormatSpecialDayLine(e, kSpecialHoliday, 43), "A O -2 I S Karfreitag");
  EXPECT_EQ(FormatSpecialDayLine(e, kSpecialHoliday, 41), "A O -2 I S Karfreitag");
  EXPECT_EQ(FormatSpecialDayLine(e, kSpecialHoliday, 1), "A E -2 I K Karfreitag");
  SpecialDay w = ParseSpecialDayLine("I 6 410 O G x", kSpecialHoliday);
  EXPECT_EQ(FormatSpecialDayLine(w, kSpecialHoliday, 49), "I 6 410 O G x");
  EXPECT_EQ(FormatSpecialDayLine(ParseSpecialDayLine("A a -7 I b y", kSpecialHoliday),
                                 kSpecialHoliday, 49),
            "A A -7 I B y");
  SpecialDay n = ParseSpecialDayLine("A 2402 R Matthias", kSpecialNameDay);
  EXPECT_EQ(FormatSpecialDayLine(n, kSpecialNameDay, 1), "A 2402 R Matthias");
  // A line end inside a name would split the rule.
  SpecialDay broken = n;
  std::strcpy(broken.name, "Mat\r\nA F 101 O R evil");
  EXPECT_EQ(FormatSpecialDayLine(broken, kSpecialNameDay, 49), "A 2402 R Mat");
}

TEST_F(SpecialDaysFiles, SaveRoundTripAndBackups) {
  Write("TwHd.dat", "A F 101 O R old\r\n");
  std::vector<SpecialDay> hd = {ParseSpecialDayLine("A O -2 I S Karfreitag", kSpecialHoliday),
                                ParseSpecialDayLine("I 0 10 O B Umstellung", kSpecialHoliday)};
  std::vector<SpecialDay> nd = {ParseSpecialDayLine("A 2402 G Matthias", kSpecialNameDay)};
  // A birthday entry whose flags claim a holiday is written as a birthday.
  SpecialDay bd = ParseSpecialDayLine("A F 1503 I B Oma", kSpecialHoliday);
  RecordingSink sink;
  SpecialDayTable t;
  ASSERT_TRUE(t.Save(dataDir_, hd, nd, std::span<const SpecialDay>(&bd, 1), 1, sink));
  EXPECT_TRUE(sink.entries.empty());
  EXPECT_EQ(Read("TwHd.dat"), "A E -2 I K Karfreitag\r\nI 0 10 O B Umstellung\r\n");
  EXPECT_EQ(Read("TwNd.dat"), "A 2402 G Matthias\r\n");
  EXPECT_EQ(Read("TwBd.dat"), "A 1503 B Oma\r\n");
  EXPECT_EQ(Read("TwHd.bak"), "A F 101 O R old\r\n");
  EXPECT_FALSE(fs::exists(dir_ / "TwNd.bak"));  // there was no previous name day file

  ASSERT_EQ(t.entries.size(), 4u);
  EXPECT_EQ(t.entries[3].category(), kSpecialBirthday);
  EXPECT_EQ(t.entries[3].kind(), kSpecialKindFixed);
  for (const SpecialDay& e : t.entries) EXPECT_EQ(e.day, kNoSpecialDay);

  // What the table holds is what a load reads back.
  SpecialDayTable loaded;
  ASSERT_EQ(loaded.Load(dataDir_), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(loaded.entries[i].flags, t.entries[i].flags) << i;
    EXPECT_EQ(loaded.entries[i].value, t.entries[i].value) << i;
    EXPECT_STREQ(loaded.entries[i].name, t.entries[i].name) << i;
  }

  // Saving again: the previous version becomes the backup, the one before is gone.
  std::vector<SpecialDay> hd2 = {ParseSpecialDayLine("A F 2512 O R Weihnachten", kSpecialHoliday)};
  ASSERT_TRUE(t.Save(dataDir_, hd2, {}, {}, 49, sink));
  EXPECT_EQ(Read("TwHd.dat"), "A F 2512 O R Weihnachten\r\n");
  EXPECT_EQ(Read("TwHd.bak"), "A E -2 I K Karfreitag\r\nI 0 10 O B Umstellung\r\n");
  EXPECT_EQ(Read("TwNd.bak"), "A 2402 G Matthias\r\n");
  EXPECT_EQ(Read("TwNd.dat"), "");
  EXPECT_EQ(t.entries.size(), 1u);
  // An empty file reads as an empty category.
  EXPECT_EQ(loaded.Load(dataDir_), 1u);
}

TEST_F(SpecialDaysFiles, SaveFailureShowsPathAndKeepsTable) {
  SpecialDayTable t;
  t.entries.push_back(ParseSpecialDayLine("A F 101 O R keep", kSpecialHoliday));
  std::vector<SpecialDay> hd = {ParseSpecialDayLine("A F 2512 O R new", kSpecialHoliday)};
  RecordingSink sink;
  // A directory in place of the name day file: it cannot be created.
  fs::create_directories(dir_ / "TwNd.dat" / "sub");
  fs::create_directories(dir_ / "TwNd.bak" / "sub");
  EXPECT_FALSE(t.Save(dataDir_, hd, hd, hd, 49, sink));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].id, kMsgSaveSpecialDaysFailed);
  EXPECT_EQ(sink.entries[0].type, kMsgError);
  ASSERT_EQ(sink.entries[0].args.size(), 1u);
  EXPECT_EQ(sink.entries[0].args[0], dataDir_ + "TwNd.dat");
  ASSERT_EQ(t.entries.size(), 1u);
  EXPECT_STREQ(t.entries[0].name, "keep");
  // The holidays written before the failure stay on disk; birthdays were not touched.
  EXPECT_EQ(Read("TwHd.dat"), "A F 2512 O R new\r\n");
  EXPECT_FALSE(fs::exists(dir_ / "TwBd.dat"));

  sink.entries.clear();
  EXPECT_FALSE(t.Save(dataDir_ + "no_such_dir/", hd, {}, {}, 49, sink));
  ASSERT_EQ(sink.entries.size(), 1u);
  EXPECT_EQ(sink.entries[0].args[0], dataDir_ + "no_such_dir/TwHd.dat");
}

}  // namespace
}  // namespace tw
