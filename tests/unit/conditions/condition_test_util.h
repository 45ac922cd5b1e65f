// Shared by the conditions tests: the first leaf of each sign, month and weekday run, and
// texts where every message reads "M<id>" and dates "d.m".
#pragma once
#include <string>

#include "reco/condition_texts.h"

namespace tw {

constexpr int kMoonSign0 = 72;  // Aries as the moon sign
constexpr int kSunSign0 = 86;
constexpr int kMonth0 = 120;    // January
constexpr int kWeekday0 = 133;  // Monday

class FakeConditionTexts : public ConditionTexts {
 public:
  std::string Message(int id) const override {
    if (id == 3681) return "Tag %s";
    return "M" + std::to_string(id);
  }
  std::string DayMonth(int day, int month) const override {
    return std::to_string(day) + "." + std::to_string(month) + ".";
  }
};

}  // namespace tw
