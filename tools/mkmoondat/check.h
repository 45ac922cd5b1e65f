// Validation of a moon data file as a whole, and a readable listing of its records.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "records.h"

namespace tw::moondat {

constexpr size_t kMoonFileSize = static_cast<size_t>(kLastMoonDay - kFirstMoonDay + 1) * kMoonRecordSize;

struct FileCounts {
  int newMoons = 0, fullMoons = 0, sunSignChanges = 0, seasonStarts = 0;
  int sunConstellationChanges = 0, moonSignChanges = 0, moonConstellationChanges = 0;
  int heightEvents = 0, distanceEvents = 0, nodeEvents = 0;
};

// Every invariant a generated file must meet; problems are described one per entry
// (at most `maxProblems`). Returns true when there are none.
bool CheckFile(const std::vector<uint8_t>& bytes, std::vector<std::string>* problems, FileCounts* counts,
               size_t maxProblems = 50);

// One line per day.
void DumpDays(std::FILE* out, DayNumber first, const std::vector<DayValues>& days);

}  // namespace tw::moondat
