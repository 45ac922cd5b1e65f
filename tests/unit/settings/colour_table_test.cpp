#include <gtest/gtest.h>

#include <string>

#include "core/colour_table.h"
#include "core/settings.h"
#include "settings_test_util.h"

namespace tw {
namespace {

TEST(ColourTable, ShortListChangesOnlyItsSlots) {
  MemoryProfile p;
  p.Set("TidewellColors", "Color", "ff");
  p.Set("TidewellColors", "ElementColor", "1,2");
  ColourTable t = DefaultColourTable();
  t.entry[14] = 0x123456;  // what the table held before stays where the list has no entry
  LoadColourTable(p, t);
  EXPECT_EQ(t.entry[13], 0xffu);
  EXPECT_EQ(t.entry[14], 0x123456u);
  EXPECT_EQ(t.entry[19], 0x4000c0u);
  EXPECT_EQ(t.entry[9], 1u);
  EXPECT_EQ(t.entry[10], 2u);
  EXPECT_EQ(t.entry[11], 0xa9f5eeu);
  EXPECT_EQ(t.entry[8], 0x8000u);  // fixed entries are never read
}

TEST(ColourTable, WritesBothKeysInTheirFormat) {
  MemoryProfile p;
  ColourTable t = DefaultColourTable();
  t.entry[13] = 0;          // black
  t.entry[14] = 0x008000;   // green 128
  t.entry[12] = 0x010000;   // a zero green byte between non-zero ones
  WriteRhythmColours(p, t);
  WriteElementColours(p, t);
  EXPECT_EQ(Stored(p, "TidewellColors", "Color"), "00,8000,ff00,80ff,ff00ff,ffff00,4000c0");
  EXPECT_EQ(Stored(p, "TidewellColors", "ElementColor"), "ff,47a8,a9f5ee,010000");
  ColourTable back = DefaultColourTable();
  back.entry[13] = 0x777777;
  LoadColourTable(p, back);
  for (int i = 0; i < kColourCount; ++i) EXPECT_EQ(back.entry[i], t.entry[i]) << i;
}

}  // namespace
}  // namespace tw
