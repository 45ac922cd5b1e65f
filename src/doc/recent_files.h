// The list of the last eight person files (File1 the most recent) and the texts of their
// menu items.
#pragma once
#include <array>
#include <string>

#include "core/platform.h"

namespace tw {

constexpr int kRecentCount = 8;
using RecentList = std::array<std::string, kRecentCount>;

RecentList ReadRecentFiles(const Profile& profile);
void WriteRecentFiles(Profile& profile, const RecentList& list);

// Puts `name` at the top: an entry equal to it (exact, case-sensitive) moves up and the
// ones above it move down by one; a new name pushes the eighth entry out. False when
// nothing changes (an empty name, or the name already first).
bool AddRecent(RecentList& list, const std::string& name);
// Drops entry `index` (0..7); the later ones move up and the last slot becomes empty.
void RemoveRecent(RecentList& list, int index);

// Menu text of entry `index`: "&n " then the bare file name when the file lies directly in
// `dataDir` (which ends in "\"), else the full name, shortened to "&n ..." and its tail
// from a backslash among the last 24 characters when the text exceeds 30 characters.
// Only the "&n " prefix for an empty entry.
std::string RecentMenuText(int index, const std::string& entry, const std::string& dataDir);

}  // namespace tw
