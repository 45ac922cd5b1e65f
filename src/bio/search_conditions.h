// The eight named curve conditions and the search end, as the settings keep them.
#pragma once
#include <array>
#include <string>

#include "bio/curve_search.h"
#include "core/platform.h"

namespace tw {

constexpr int kConditionCount = 8;
constexpr size_t kConditionNameSize = 33;  // at most 31 characters are read and kept
constexpr size_t kConditionNameMax = 31;
constexpr DayNumber kDefaultSearchEnd = 149747;  // 30 December 2009
constexpr const char* kConditionsSection = "TidewellConditions";

struct SearchCondition {
  char name[kConditionNameSize] = {};
  ConditionWords words{};
  void SetName(const std::string& text);
  // The search commands of a chart window need a named current condition.
  bool HasName() const { return name[0] != 0; }
};

struct SearchConditions {
  std::array<SearchCondition, kConditionCount> conditions{};
  int current = 0;  // Cond, 0..7
  DayNumber searchEnd = kDefaultSearchEnd;
};

// 0 and days after the last handled day become 31 December 2049.
DayNumber NormalizeSearchEnd(int32_t value);
// The last day a forward search from `today` examines. A SearchEnd before today (the
// default of 2009 is) would end every such search at once, so it stands for 31 December
// 2049; the stored value stays as it is.
DayNumber EffectiveSearchEnd(DayNumber searchEnd, DayNumber today);

// CText1..CText8, Cond, Cond1/Cond3/Cond5/Cond7 (fourteen words each: the odd-numbered
// condition's seven, then the even one's) and SearchEnd.
SearchConditions LoadSearchConditions(const Profile& profile);
// Everything the conditions page applies: names, Cond and the four word lists.
void SaveSearchConditions(Profile& profile, const SearchConditions& conditions);
void SaveSearchEnd(Profile& profile, DayNumber searchEnd);

// "%d " for each of the fourteen words of the condition pair starting at `first`.
std::string FormatConditionPair(const SearchConditions& c, int first);

// Index 0..7 of the condition number 1..8 typed on the conditions page, clamped.
int ConditionIndexFromNumber(int32_t number);

// The name shown in lists: the condition's own, or `unnamedText` (message 4428) when empty.
std::string ConditionListName(const SearchCondition& c, const std::string& unnamedText);

}  // namespace tw
