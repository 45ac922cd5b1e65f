#include "bio/rhythm_label.h"

#include <cstdio>
#include <cstring>

namespace tw {

std::string RhythmLabel::SettingText() const {
  std::string s(1, text[0]);
  s += ' ';
  s += Name();
  return s;
}

void RhythmLabel::SetSlotText(const char* slotText) {
  std::memset(text, 0, kSize);
  for (size_t i = 0; i < kMaxSettingText && slotText[i] != 0; ++i) text[i] = slotText[i];
}

void RhythmLabel::Set(char letter, const char* name) {
  std::memset(text, 0, kSize);
  text[0] = letter;
  for (size_t i = 0; i + 2 < kSize - 1 && name[i] != 0; ++i) text[i + 2] = name[i];
}

RhythmLabel LabelFromEntry(int rhythm, const std::string& letter, const std::string& name,
                           const std::string& rhythmWord) {
  RhythmLabel label;
  if (name.empty()) {
    char text[80];
    std::snprintf(text, sizeof text, "%d %.*s %d", rhythm + 1, static_cast<int>(RhythmLabel::kSize),
                  rhythmWord.c_str(), rhythm + 1);
    label.SetSlotText(text);
    label.text[1] = 0;
  } else {
    label.Set(letter.empty() ? name[0] : letter[0], name.c_str());
  }
  return label;
}

RhythmLabels BuiltInRhythmLabels() {
  static const char* const kBuiltIn[kRhythmCount] = {"K Körper", "S Seele",  "G Geist", "I Intuition",
                                                     "M Mental", "L Liebe", "W Wille"};
  RhythmLabels labels;
  for (int r = 0; r < kRhythmCount; ++r) {
    labels[r].SetSlotText(kBuiltIn[r]);
    labels[r].text[1] = 0;
  }
  return labels;
}

void ApplyRhythmLabelTexts(RhythmLabels& labels, const std::array<std::string, kRhythmCount>& texts) {
  for (int r = 0; r < kRhythmCount; ++r)
    if (!texts[r].empty()) labels[r].SetSlotText(texts[r].c_str());
  for (auto& l : labels) l.text[1] = 0;
}

static std::string LabelKey(int r) { return "C" + std::to_string(r + 1); }

RhythmLabels LoadRhythmLabels(const Profile& profile) {
  std::array<std::string, kRhythmCount> texts;
  for (int r = 0; r < kRhythmCount; ++r) {
    if (!profile.Get(kTextSection, LabelKey(r), texts[r])) texts[r].clear();
  }
  RhythmLabels labels = BuiltInRhythmLabels();
  ApplyRhythmLabelTexts(labels, texts);
  return labels;
}

void SaveRhythmLabels(Profile& profile, const RhythmLabels& labels) {
  for (int r = 0; r < kRhythmCount; ++r) profile.Set(kTextSection, LabelKey(r), labels[r].SettingText());
}

}  // namespace tw
