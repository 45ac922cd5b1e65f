// The program's 20 colours; the display palette holds them in the same order.
#pragma once
#include <cstdint>

#include "core/platform.h"

namespace tw {

constexpr int kColourCount = 20;
constexpr int kFixedColourCount = 9;
constexpr int kElementColourFirst = 9;  // fire, earth, air, water
constexpr int kElementColourCount = 4;
constexpr int kRhythmColourFirst = 13;  // the seven rhythms
constexpr int kRhythmColourCount = 7;

struct ColourTable {
  uint32_t entry[kColourCount];  // 0x00BBGGRR
  const uint32_t* elements() const { return entry + kElementColourFirst; }
  const uint32_t* rhythms() const { return entry + kRhythmColourFirst; }
};

// Fixed entries 0..8 and the default element and rhythm colours.
ColourTable DefaultColourTable();

// Reads ElementColor into 9..12 and Color into 13..19 over the table's current values:
// colours the stored lists leave out keep what the table held.
void LoadColourTable(const Profile& profile, ColourTable& table);

// Write the element colours (ElementColor) or the rhythm colours (Color).
void WriteElementColours(Profile& profile, const ColourTable& table);
void WriteRhythmColours(Profile& profile, const ColourTable& table);

}  // namespace tw
