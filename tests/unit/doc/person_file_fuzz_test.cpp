// Damaged files: every truncation and many random corruptions of a valid document must
// either load consistently or be refused, never read past the data.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "doc/person_file.h"
#include "doc_test_util.h"

namespace tw {
namespace {

std::vector<uint8_t> ValidFile() {
  auto doc = std::make_unique<PersonDocument>();
  InitNewPersonDocument(*doc, CivilDate{1999, 2, 3}, DocumentDefaults{});
  doc->header.SetName("Fuzz");
  const DayNumber s = doc->header.NotesStart();
  for (int i = 0; i < 40; ++i) SetDayEntryFor(*doc, s + i * 3, i % 16, std::string(i, 'a' + i % 26).c_str());
  std::vector<uint8_t> bytes = SerializePersonDocument(*doc);
  // One entry with the kept block, as older files carry it.
  std::vector<uint8_t> entry{5, 0xFF};
  entry.resize(98, 0x11);
  entry.insert(entry.end(), {'b', 'l', 'o', 'c', 'k', 0});
  bytes.erase(bytes.begin() + 1860 + 2, bytes.begin() + 1860 + 4);  // day 1 was empty
  bytes.insert(bytes.begin() + 1860 + 2, entry.begin(), entry.end());
  return bytes;
}

// Loading must keep the index valid, and what it loaded must save and load the same.
void CheckConsistent(const std::vector<uint8_t>& bytes) {
  // An exact-size copy lets a sanitizer or the allocator catch any read past the end.
  std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() ? bytes.size() : 1]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  auto doc = std::make_unique<PersonDocument>();
  const ParseResult r = ParsePersonFile(*doc, exact.get(), bytes.size());
  if (r != ParseResult::kOk) return;
  testing::ExpectIndexValid(*doc);
  const std::vector<uint8_t> saved = SerializePersonDocument(*doc);
  auto again = std::make_unique<PersonDocument>();
  ASSERT_EQ(ParsePersonFile(*again, saved.data(), saved.size()), ParseResult::kOk);
  EXPECT_EQ(SerializePersonDocument(*again), saved);
  // The loaded document can still be edited.
  doc->selectedDay = doc->header.NotesStart() + 1;
  SetDayEntry(*doc, kMarkSetRed, "nach dem Laden");
  testing::ExpectIndexValid(*doc);
}

TEST(PersonFileFuzz, EveryTruncation) {
  const std::vector<uint8_t> good = ValidFile();
  int accepted = 0;
  for (size_t n = 0; n <= good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + n);
    auto doc = std::make_unique<PersonDocument>();
    const ParseResult r = ParsePersonFile(*doc, cut.data(), cut.size());
    EXPECT_EQ(r == ParseResult::kOk, n >= 1860) << n;
    if (r == ParseResult::kOk) ++accepted;
    if (n % 97 == 0 || n + 200 > good.size()) CheckConsistent(cut);
  }
  EXPECT_EQ(accepted, static_cast<int>(good.size()) - 1859);
}

TEST(PersonFileFuzz, RandomCorruptions) {
  const std::vector<uint8_t> good = ValidFile();
  std::mt19937 rng(20261206);
  for (int round = 0; round < 600; ++round) {
    std::vector<uint8_t> bad = good;
    const int changes = 1 + rng() % 40;
    for (int c = 0; c < changes; ++c) {
      const size_t at = 1860 + rng() % (bad.size() - 1860);
      switch (rng() % 3) {
        case 0: bad[at] = static_cast<uint8_t>(rng()); break;
        case 1: bad[at] = 0xFF; break;   // fake block markers
        default: bad[at] = 'z'; break;   // swallow terminators
      }
    }
    if (rng() % 2) bad.resize(1860 + rng() % (bad.size() - 1860));
    CheckConsistent(bad);
  }
  for (int round = 0; round < 200; ++round) {
    std::vector<uint8_t> noise(rng() % 20000);
    for (auto& b : noise) b = static_cast<uint8_t>(rng());
    if (noise.size() >= 1860 && (round & 1)) std::copy(good.begin(), good.begin() + 1860, noise.begin());
    CheckConsistent(noise);
  }
}

}  // namespace
}  // namespace tw
