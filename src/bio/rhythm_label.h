// Letter and name of each rhythm, as the user may rename them in the settings.
#pragma once
#include <array>
#include <string>

#include "bio/rhythm.h"
#include "core/platform.h"

namespace tw {

// One 33-byte slot: the letter at byte 0, a NUL at byte 1 in memory (a blank in the
// stored setting), the name from byte 2 (at most 30 characters and its NUL).
struct RhythmLabel {
  static constexpr size_t kSize = 33;
  static constexpr size_t kMaxSettingText = 32;
  char text[kSize] = {};

  char Letter() const { return text[0]; }
  const char* Name() const { return text + 2; }
  // Letter, blank and name: the form stored in the settings keys C1..C7.
  std::string SettingText() const;
  // Takes the whole slot text (letter, separator, name), cut to 32 characters.
  void SetSlotText(const char* slotText);
  // Sets letter and name; the name is cut to 30 characters.
  void Set(char letter, const char* name);
};

using RhythmLabels = std::array<RhythmLabel, kRhythmCount>;

// The label made of what the user typed for rhythm `rhythm` (0..6): without a name the
// slot becomes "%d %s %d" of the rhythm number and `rhythmWord` (so the digit is the
// letter); without a letter the name's first character stands for it.
RhythmLabel LabelFromEntry(int rhythm, const std::string& letter, const std::string& name,
                           const std::string& rhythmWord);

// "K Körper", "S Seele", ... with byte 1 already turned into the NUL separator.
RhythmLabels BuiltInRhythmLabels();

// Applies the texts read for C1..C7: a non-empty text replaces the slot, an empty one
// leaves it; byte 1 of every slot becomes NUL afterwards.
void ApplyRhythmLabelTexts(RhythmLabels& labels, const std::array<std::string, kRhythmCount>& texts);

constexpr const char* kTextSection = "TidewellText";
// An absent key C1..C7 keeps the built-in label: reading it as "X X" would label every
// rhythm of a fresh installation "X".

// Built-in slots overlaid with the keys C1..C7 of the settings.
RhythmLabels LoadRhythmLabels(const Profile& profile);
void SaveRhythmLabels(Profile& profile, const RhythmLabels& labels);

}  // namespace tw
