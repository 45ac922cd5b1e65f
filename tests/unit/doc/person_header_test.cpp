#include <gtest/gtest.h>

#include <cstring>

#include "doc/person_header.h"

namespace tw {
namespace {

TEST(PersonHeader, NumbersAreLittleEndian) {
  PersonHeader h;
  h.SetBirthday(0x01020304);
  h.SetNotesStart(-2);
  EXPECT_EQ(h.bytes[0], 0x04);
  EXPECT_EQ(h.bytes[3], 0x01);
  EXPECT_EQ(h.bytes[4], 0xFE);
  EXPECT_EQ(h.bytes[7], 0xFF);
  EXPECT_EQ(h.Birthday(), 0x01020304);
  EXPECT_EQ(h.NotesStart(), -2);
}

TEST(PersonHeader, MagicNeedsItsTerminatingNul) {
  PersonHeader h;
  EXPECT_FALSE(h.HasMagic());
  h.WriteMagic();
  EXPECT_TRUE(h.HasMagic());
  EXPECT_EQ(std::memcmp(&h.bytes[8], "TIDEWELL0200", 12), 0);
  EXPECT_EQ(h.bytes[20], 0);
  h.bytes[20] = 'X';
  EXPECT_FALSE(h.HasMagic());
  h.bytes[20] = 0;
  h.bytes[19] = '1';
  EXPECT_FALSE(h.HasMagic());
}

TEST(PersonHeader, TextFieldsAreCutAtTheirSize) {
  PersonHeader h;
  std::memset(&h.bytes[21], 'N', 58);    // name without NUL
  std::memset(&h.bytes[79], 'Z', 59);    // the unused bytes behind it
  EXPECT_EQ(h.Name(), std::string(57, 'N'));
  std::memset(&h.bytes[155], 'D', 256);
  std::memset(&h.bytes[411], 'Z', 257);
  EXPECT_EQ(h.Description(), std::string(255, 'D'));
  std::memset(&h.bytes[668], 'L', 165);
  EXPECT_EQ(h.MarkLabel(0), std::string(32, 'L'));
  EXPECT_EQ(h.MarkLabel(4), std::string(32, 'L'));

  h.SetName(std::string(80, 'a'));
  EXPECT_EQ(h.Name(), std::string(57, 'a'));
  EXPECT_EQ(h.bytes[21 + 57], 0);
  EXPECT_EQ(h.bytes[79], 'Z');  // writing never spills into the neighbour
  h.SetMarkLabel(1, "Arzt");
  EXPECT_EQ(h.MarkLabel(1), "Arzt");
  EXPECT_EQ(h.MarkLabel(0), std::string(32, 'L'));
  EXPECT_EQ(h.bytes[668 + 2 * 33], 'L');
  h.SetDescription("Zeile 1\r\nZeile 2");
  EXPECT_EQ(h.Description(), "Zeile 1\r\nZeile 2");
}

TEST(PersonHeader, PasswordIsStoredScrambled) {
  PersonHeader h;
  h.SetPassword("");
  EXPECT_FALSE(h.HasPassword());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(h.bytes[138 + i], static_cast<uint8_t>(7 - i + kPasswordKey)) << i;

  h.SetPassword("Geheim");
  EXPECT_TRUE(h.HasPassword());
  EXPECT_EQ(h.Password(), "Geheim");
  EXPECT_NE(std::memcmp(&h.bytes[138], "Geheim", 6), 0);
  uint8_t b[8];
  std::memcpy(b, &h.bytes[138], 8);
  UnscramblePassword(b);
  EXPECT_EQ(std::memcmp(b, "Geheim\0\0", 8), 0);
  ScramblePassword(b);
  EXPECT_EQ(std::memcmp(b, &h.bytes[138], 8), 0);
}

TEST(PersonHeader, PasswordKeepsSevenCharactersAndComparesExactly) {
  PersonHeader h;
  h.SetPassword("abcdefgh");
  EXPECT_EQ(h.Password(), "abcdefg");
  EXPECT_TRUE(h.PasswordMatches("abcdefg"));
  EXPECT_TRUE(h.PasswordMatches("abcdefgX"));  // eight typed, the first seven count
  EXPECT_FALSE(h.PasswordMatches("ABCDEFG"));
  EXPECT_FALSE(h.PasswordMatches("abcdef"));
  EXPECT_FALSE(h.PasswordMatches(""));
  // An eighth stored byte that is not zero (another writer) is cut, not run past.
  h.bytes[138 + 7] = static_cast<uint8_t>('h' + kPasswordKey);
  EXPECT_EQ(h.Password(), "abcdefg");
}

}  // namespace
}  // namespace tw
