#include "bio/search_conditions.h"

#include <cstring>

#include "core/text_util.h"

namespace tw {

void SearchCondition::SetName(const std::string& text) {
  std::memset(name, 0, sizeof name);
  for (size_t i = 0; i < kConditionNameMax && i < text.size() && text[i] != 0; ++i) name[i] = text[i];
}

DayNumber NormalizeSearchEnd(int32_t value) {
  if (value == 0 || value > kLastCalendarDay) return kLastCalendarDay;
  return value;
}

DayNumber EffectiveSearchEnd(DayNumber searchEnd, DayNumber today) {
  return searchEnd < today ? kLastCalendarDay : searchEnd;
}

namespace {

std::string WordKey(int pair) { return "Cond" + std::to_string(2 * pair + 1); }

// Numbers read at most 15 characters; absent or empty keys give the default.
int32_t ReadNumberKey(const Profile& p, const char* key, int32_t def) {
  std::string s;
  if (!p.Get(kConditionsSection, key, s) || s.empty()) return def;
  if (s.size() > 15) s.resize(15);
  return ReadNumber(s, 0);
}

}  // namespace

SearchConditions LoadSearchConditions(const Profile& profile) {
  SearchConditions c;
  for (int i = 0; i < kConditionCount; ++i) {
    std::string name;
    profile.Get(kConditionsSection, "CText" + std::to_string(i + 1), name);
    c.conditions[i].SetName(name);
  }
  for (int pair = 0; pair < kConditionCount / 2; ++pair) {
    std::string list;
    profile.Get(kConditionsSection, WordKey(pair), list);
    size_t pos = 0;
    for (int k = 0; k < 2 * kRhythmCount; ++k) {
      int32_t v = 0;
      if (pos < list.size()) {
        v = ReadNumber(list, pos);
        pos = SkipToken(list, pos);
      }
      c.conditions[2 * pair + k / kRhythmCount].words[k % kRhythmCount] = static_cast<CurveCriteria>(v);
    }
  }
  c.current = ReadNumberKey(profile, "Cond", 0);
  // An index outside the eight conditions would select nothing in the combo.
  if (c.current < 0 || c.current >= kConditionCount) c.current = 0;
  c.searchEnd = NormalizeSearchEnd(ReadNumberKey(profile, "SearchEnd", kDefaultSearchEnd));
  return c;
}

std::string FormatConditionPair(const SearchConditions& c, int first) {
  std::string s;
  for (int i = first; i < first + 2; ++i)
    for (CurveCriteria w : c.conditions[i].words) {
      s += std::to_string(static_cast<int32_t>(w));
      s += ' ';
    }
  return s;
}

void SaveSearchConditions(Profile& profile, const SearchConditions& c) {
  for (int i = 0; i < kConditionCount; ++i)
    profile.Set(kConditionsSection, "CText" + std::to_string(i + 1), c.conditions[i].name);
  profile.Set(kConditionsSection, "Cond", std::to_string(c.current));
  for (int pair = 0; pair < kConditionCount / 2; ++pair)
    profile.Set(kConditionsSection, WordKey(pair), FormatConditionPair(c, 2 * pair));
}

void SaveSearchEnd(Profile& profile, DayNumber searchEnd) {
  profile.Set(kConditionsSection, "SearchEnd", std::to_string(searchEnd));
}

int ConditionIndexFromNumber(int32_t number) {
  if (number < 1) return 0;
  if (number > kConditionCount) return kConditionCount - 1;
  return number - 1;
}

std::string ConditionListName(const SearchCondition& c, const std::string& unnamedText) {
  return c.name[0] ? std::string(c.name) : unnamedText;
}

}  // namespace tw
