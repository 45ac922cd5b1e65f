#include "core/colour_table.h"

#include <string>

#include "core/settings.h"

namespace tw {
namespace {

constexpr uint32_t kFixed[kFixedColourCount] = {0xff,   0xff0000, 0xffff, 0xc0c0c0, 0xe7e7e7,
                                                0x808080, 0x800000, 0xbf00, 0x8000};

void ReadList(const Profile& profile, int id, uint32_t* slots, int count) {
  std::string text = GetSettingString(profile, id, SettingKeyAt(id).defaultText);
  ParseColourList(text.c_str(), slots, count);
}

}  // namespace

ColourTable DefaultColourTable() {
  ColourTable t{};
  for (int i = 0; i < kFixedColourCount; ++i) t.entry[i] = kFixed[i];
  ParseColourList(SettingKeyAt(kSetElementColor).defaultText, t.entry + kElementColourFirst,
                  kElementColourCount);
  ParseColourList(SettingKeyAt(kSetColor).defaultText, t.entry + kRhythmColourFirst,
                  kRhythmColourCount);
  return t;
}

void LoadColourTable(const Profile& profile, ColourTable& table) {
  ReadList(profile, kSetElementColor, table.entry + kElementColourFirst, kElementColourCount);
  ReadList(profile, kSetColor, table.entry + kRhythmColourFirst, kRhythmColourCount);
}

void WriteElementColours(Profile& profile, const ColourTable& table) {
  SetSettingText(profile, kSetElementColor,
                 FormatColourList(table.elements(), kElementColourCount).c_str());
}

void WriteRhythmColours(Profile& profile, const ColourTable& table) {
  SetSettingText(profile, kSetColor, FormatColourList(table.rhythms(), kRhythmColourCount).c_str());
}

}  // namespace tw
