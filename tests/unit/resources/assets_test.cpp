// The bundled data files and pictures, read the way the program reads them.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "rc_reader.h"

namespace tw::test {
namespace {

const std::string kRoot = TW_SOURCE_DIR;
const int kDaysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Lines of a CRLF file; a bare LF or a missing final CRLF is reported.
std::vector<std::string> crlfLines(const std::string& bytes, std::vector<std::string>& errors) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t lf = bytes.find('\n', start);
    if (lf == std::string::npos) {
      errors.push_back("last line has no line end");
      lines.push_back(bytes.substr(start));
      break;
    }
    if (lf == start || bytes[lf - 1] != '\r') errors.push_back("line without CR before LF");
    size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
    lines.push_back(bytes.substr(start, end - start));
    start = lf + 1;
  }
  return lines;
}

bool validDayCode(int v) {
  int d = v / 100, m = v % 100;
  return m >= 1 && m <= 12 && d >= 1 && d <= kDaysInMonth[m - 1];
}

// UTF-8 lead bytes of Latin letters would show up as 0xC2/0xC3 in a file meant to be
// CP1252; no German text has these characters.
bool looksLikeCp1252(const std::string& s) {
  for (unsigned char c : s)
    if (c == 0xC2 || c == 0xC3 || c < 0x20) return false;
  return true;
}

struct Holiday {
  char state, kind;
  int value;
  char official, colour;
  std::string name;
};

std::vector<Holiday> readHolidays(std::vector<std::string>& errors) {
  std::vector<Holiday> out;
  for (const std::string& line : crlfLines(readFile(kRoot + "/data/TwHd.dat"), errors)) {
    std::istringstream in(line);
    Holiday h{};
    std::string state, kind, official, colour;
    in >> state >> kind >> h.value >> official >> colour;
    std::getline(in, h.name);
    if (!h.name.empty() && h.name[0] == ' ') h.name.erase(0, 1);
    if (state.size() != 1 || kind.size() != 1 || official.size() != 1 || colour.size() != 1 ||
        h.name.empty()) {
      errors.push_back("malformed holiday line: " + line);
      continue;
    }
    h.state = state[0];
    h.kind = kind[0];
    h.official = official[0];
    h.colour = colour[0];
    out.push_back(h);
  }
  return out;
}

TEST(HolidayFile, LinesFollowTheFormat) {
  std::vector<std::string> errors;
  auto holidays = readHolidays(errors);
  for (const auto& e : errors) ADD_FAILURE() << e;
  ASSERT_GE(holidays.size(), 30u);
  for (const Holiday& h : holidays) {
    EXPECT_TRUE(h.state == 'A' || h.state == 'I') << h.name;
    EXPECT_TRUE(h.official == 'O' || h.official == 'I') << h.name;
    // The German convention: O for Easter offsets, S for no colour.
    EXPECT_NE(std::string("RGBS").find(h.colour), std::string::npos) << h.name;
    EXPECT_NE(std::string("FOA0123456").find(h.kind), std::string::npos) << h.name;
    EXPECT_LE(h.name.size(), 63u);
    EXPECT_TRUE(looksLikeCp1252(h.name)) << h.name;
    if (h.kind == 'F') {
      EXPECT_TRUE(validDayCode(h.value)) << h.name << " " << h.value;
    }
    if (h.kind >= '0' && h.kind <= '6') {
      EXPECT_TRUE(h.value / 100 <= 4 && h.value % 100 >= 1 && h.value % 100 <= 12) << h.name;
    }
  }
}

TEST(HolidayFile, PublicHolidaysAndObservances) {
  std::vector<std::string> errors;
  std::map<std::string, Holiday> byName;
  for (const Holiday& h : readHolidays(errors)) {
    EXPECT_TRUE(byName.emplace(h.name, h).second) << h.name << " twice";
  }
  struct Want {
    const char* name;
    char state, kind;
    int value;
    char official;
  };
  const Want wants[] = {
      {"Neujahr", 'A', 'F', 101, 'O'},
      {"Karfreitag", 'A', 'O', -2, 'O'},
      {"Ostermontag", 'A', 'O', 1, 'O'},
      {"Tag der Arbeit", 'A', 'F', 105, 'O'},
      {"Christi Himmelfahrt", 'A', 'O', 39, 'O'},
      {"Pfingstmontag", 'A', 'O', 50, 'O'},
      {"Tag der Deutschen Einheit", 'A', 'F', 310, 'O'},
      {"1. Weihnachtstag", 'A', 'F', 2512, 'O'},
      {"2. Weihnachtstag", 'A', 'F', 2612, 'O'},
      {"Fronleichnam", 'I', 'O', 60, 'O'},
      {"Heilige Drei K\xf6nige", 'I', 'F', 601, 'O'},
      {"Reformationstag", 'I', 'F', 3110, 'O'},
      {"Allerheiligen", 'I', 'F', 111, 'O'},
      {"Bu\xdf- und Bettag", 'I', 'A', -32, 'O'},
      {"Muttertag", 'A', '0', 205, 'I'},
      {"Erntedankfest", 'A', '0', 110, 'I'},
      {"Volkstrauertag", 'A', 'A', -35, 'I'},
      {"Totensonntag", 'A', 'A', -28, 'I'},
      {"1. Advent", 'A', 'A', -21, 'I'},
      {"4. Advent", 'A', 'A', 0, 'I'},
      {"Heiligabend", 'A', 'F', 2412, 'I'},
  };
  for (const Want& w : wants) {
    auto it = byName.find(w.name);
    ASSERT_NE(it, byName.end()) << w.name;
    const Holiday& h = it->second;
    EXPECT_EQ(h.state, w.state) << w.name;
    EXPECT_EQ(h.kind, w.kind) << w.name;
    EXPECT_EQ(h.value, w.value) << w.name;
    EXPECT_EQ(h.official, w.official) << w.name;
  }
}

// Easter Sunday and the Advent base are Sundays, so an offset fixes the weekday; a
// wrong offset shows up as the wrong weekday for the day's name.
TEST(HolidayFile, MovableDaysFallOnTheirWeekday) {
  const std::map<std::string, int> weekday = {  // 0 Sunday .. 6 Saturday
      {"Weiberfastnacht", 4}, {"Rosenmontag", 1}, {"Fastnacht", 2}, {"Aschermittwoch", 3},
      {"Palmsonntag", 0}, {"Gr\xfcndonnerstag", 4}, {"Karfreitag", 5}, {"Karsamstag", 6},
      {"Ostersonntag", 0}, {"Ostermontag", 1}, {"Christi Himmelfahrt", 4},
      {"Pfingstsonntag", 0}, {"Pfingstmontag", 1}, {"Dreifaltigkeitssonntag", 0},
      {"Fronleichnam", 4}, {"Bu\xdf- und Bettag", 3}, {"Volkstrauertag", 0},
      {"Totensonntag", 0}, {"1. Advent", 0}, {"2. Advent", 0}, {"3. Advent", 0},
      {"4. Advent", 0}};
  std::vector<std::string> errors;
  for (const Holiday& h : readHolidays(errors)) {
    if (h.kind != 'O' && h.kind != 'A') continue;
    auto it = weekday.find(h.name);
    ASSERT_NE(it, weekday.end()) << "no expected weekday for " << h.name;
    EXPECT_EQ(((h.value % 7) + 7) % 7, it->second) << h.name;
  }
  // Weekday rules name their weekday in the kind: Muttertag and Erntedank are Sundays.
  for (const Holiday& h : readHolidays(errors)) {
    if (h.name == "Muttertag" || h.name == "Erntedankfest") {
      EXPECT_EQ(h.kind, '0');
    }
  }
}

TEST(NameDayFile, ManyValidEntries) {
  std::vector<std::string> errors;
  auto lines = crlfLines(readFile(kRoot + "/data/TwNd.dat"), errors);
  for (const auto& e : errors) ADD_FAILURE() << e;
  EXPECT_GE(lines.size(), 300u);
  std::set<int> days;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::string state, colour, name;
    int value = 0;
    in >> state >> value >> colour;
    std::getline(in, name);
    ASSERT_EQ(state, "A") << line;
    EXPECT_EQ(colour, "S") << line;
    EXPECT_TRUE(validDayCode(value)) << line;
    ASSERT_GE(name.size(), 2u) << line;
    EXPECT_LE(name.size() - 1, 63u);
    EXPECT_TRUE(looksLikeCp1252(name)) << line;
    days.insert(value);
  }
  // A name for nearly every day of the year.
  EXPECT_GE(days.size(), 360u);
}

TEST(BirthdayFile, ShipsEmpty) {
  EXPECT_TRUE(readFile(kRoot + "/data/TwBd.dat").empty());
}

TEST(TipsFile, CountAndRichTextFragments) {
  std::string bytes = readFile(kRoot + "/data/TwTips.dat");
  ASSERT_GE(bytes.size(), 6u);
  // Only the first six bytes give the count.
  int count = std::atoi(bytes.substr(0, 6).c_str());
  EXPECT_GE(count, 25);
  std::vector<std::string> errors;
  auto lines = crlfLines(bytes, errors);
  for (const auto& e : errors) ADD_FAILURE() << e;
  ASSERT_EQ(static_cast<int>(lines.size()), count + 1);
  EXPECT_EQ(lines[0].size(), 4u);
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string& tip = lines[i];
    ASSERT_FALSE(tip.empty());
    EXPECT_NE(static_cast<unsigned char>(tip[0]), 0x1A);
    EXPECT_TRUE(looksLikeCp1252(tip)) << tip;
    int depth = 0, bold = 0, italic = 0;
    for (size_t k = 0; k < tip.size(); ++k) {
      char c = tip[k];
      if (c == '{') ++depth;
      if (c == '}') --depth;
      EXPECT_GE(depth, 0) << tip;
      if (c != '\\') continue;
      ASSERT_LT(k + 1, tip.size()) << tip;
      char n = tip[k + 1];
      ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(n)) || n == '\\' || n == '{' || n == '}')
          << "stray backslash in: " << tip;
      if (tip.compare(k, 3, "\\b ") == 0) ++bold;
      if (tip.compare(k, 3, "\\b0") == 0) --bold;
      if (tip.compare(k, 3, "\\i ") == 0) ++italic;
      if (tip.compare(k, 3, "\\i0") == 0) --italic;
    }
    EXPECT_EQ(depth, 0) << tip;
    // Bold or italics left switched on would run into the next paragraph.
    EXPECT_EQ(bold, 0) << tip;
    EXPECT_EQ(italic, 0) << tip;
  }
}

// Reads a BMP the way the about box and the print path do: "BM", a 40-byte info header,
// a colour table of 2, 16 or 256 entries for 1, 4 or 8 bits.
struct Bmp {
  bool ok = false;
  int32_t width = 0, height = 0;
  uint16_t bits = 0;
  uint32_t compression = 0, dataOffset = 0, fileSize = 0;
};

Bmp readBmp(const std::string& path) {
  std::string b = readFile(path);
  Bmp out;
  auto u32 = [&](size_t o) {
    return uint32_t(uint8_t(b[o])) | uint32_t(uint8_t(b[o + 1])) << 8 |
           uint32_t(uint8_t(b[o + 2])) << 16 | uint32_t(uint8_t(b[o + 3])) << 24;
  };
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || u32(14) != 40) return out;
  out.fileSize = static_cast<uint32_t>(b.size());
  out.dataOffset = u32(10);
  out.width = static_cast<int32_t>(u32(18));
  out.height = static_cast<int32_t>(u32(22));
  out.bits = uint16_t(uint8_t(b[28]) | uint8_t(b[29]) << 8);
  out.compression = u32(30);
  uint32_t table = out.bits == 1 ? 2 : out.bits == 4 ? 16 : out.bits == 8 ? 256 : 0;
  uint32_t rowBytes = ((static_cast<uint32_t>(out.width) * out.bits + 31) / 32) * 4;
  out.ok = out.dataOffset >= 54 + 4 * table &&
           out.dataOffset + rowBytes * static_cast<uint32_t>(out.height) <= out.fileSize;
  return out;
}

TEST(DataPictures, ReadableByTheProgramsOwnReader) {
  Bmp ell = readBmp(kRoot + "/data/Ell.bmp");
  ASSERT_TRUE(ell.ok);
  EXPECT_EQ(ell.compression, 0u);
  EXPECT_EQ(ell.width, 18 * ell.height) << "18 square pictures side by side";
  Bmp about = readBmp(kRoot + "/data/Tidewell.bmp");
  ASSERT_TRUE(about.ok);
  EXPECT_EQ(about.compression, 0u);
  EXPECT_GE(about.width, 300);
  EXPECT_GE(about.height, 200);
}

TEST(ArtResources, EveryBitmapHasItsSize) {
  std::map<int, std::pair<int, int>> want = {{2042, {300, 20}}, {138, {72, 18}},
                                             {151, {45, 130}}, {188, {40, 40}}};
  for (int i = 98; i <= 137; ++i) want[i] = {96, 96};
  for (int i = 139; i <= 150; ++i) want[i] = {18, 18};
  for (int i : {96, 97, 156, 157, 158, 159}) want[i] = {18, 18};
  for (int i : {90, 91, 94, 95, 152, 153, 154, 155}) want[i] = {18, 16};
  for (int i = 161; i <= 177; ++i) want[i] = {12, 12};
  for (int i = 178; i <= 187; ++i) want[i] = {18, 18};

  std::istringstream rc(readFile(kRoot + "/resources/art.rc"));
  std::map<int, std::string> bitmaps;
  std::set<int> icons, cursors;
  std::string line;
  while (std::getline(rc, line)) {
    std::istringstream in(line);
    int id;
    std::string kind, file;
    if (!(in >> id >> kind >> file)) continue;
    file = file.substr(1, file.size() - 2);
    if (kind == "BITMAP") bitmaps[id] = file;
    if (kind == "ICON") icons.insert(id);
    if (kind == "CURSOR") cursors.insert(id);
  }
  for (const auto& [id, size] : want) {
    ASSERT_TRUE(bitmaps.count(id)) << "bitmap " << id << " not in art.rc";
    Bmp b = readBmp(kRoot + "/resources/" + bitmaps[id]);
    ASSERT_TRUE(b.ok) << bitmaps[id];
    EXPECT_EQ(b.width, size.first) << id;
    EXPECT_EQ(b.height, size.second) << id;
  }
  EXPECT_EQ(bitmaps.size(), want.size());
  EXPECT_EQ(icons, (std::set<int>{1, 2}));
  EXPECT_EQ(cursors, (std::set<int>{38, 39, 40, 41, 42, 43, 44, 45, 46}));
}

// Regenerating from the scripts gives the committed bytes, and the contact sheet's
// checks (every glyph draws, every picture has its size) pass. Needs Debian's python
// with fonttools and PIL; skipped where they are missing.
TEST(GeneratedAssets, ReproducibleAndContactSheetClean) {
  if (std::system("/usr/bin/python3 -c 'import fontTools, PIL' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "python3-fonttools or python3-pil not installed";
  std::string check = kRoot + "/tools/assets/check-reproducible >/dev/null";
  EXPECT_EQ(std::system(check.c_str()), 0) << "run tools/assets/check-reproducible";
  std::string sheet = "/usr/bin/python3 " + kRoot + "/tools/assets/contact_sheet.py " + kRoot +
                      " " + kRoot + "/build/contact-sheet.png";
  EXPECT_EQ(std::system(sheet.c_str()), 0);
}

}  // namespace
}  // namespace tw::test
