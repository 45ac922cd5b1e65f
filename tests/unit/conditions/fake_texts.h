// Texts for the conditions tests: every message reads "M<id>", dates "d.m".
#pragma once
#include <string>

#include "reco/condition_texts.h"

namespace tw {

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
