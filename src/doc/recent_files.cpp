#include "doc/recent_files.h"

#include "core/settings.h"

namespace tw {

RecentList ReadRecentFiles(const Profile& profile) {
  RecentList list;
  for (int i = 0; i < kRecentCount; ++i) list[i] = GetSettingString(profile, kSetFile1 + i, "");
  return list;
}

void WriteRecentFiles(Profile& profile, const RecentList& list) {
  for (int i = 0; i < kRecentCount; ++i) SetSettingText(profile, kSetFile1 + i, list[i].c_str());
}

bool AddRecent(RecentList& list, const std::string& name) {
  if (name.empty()) return false;
  int k = kRecentCount;
  for (int i = 0; i < kRecentCount; ++i)
    if (list[i] == name) {
      k = i;
      break;
    }
  if (k == 0) return false;
  const int last = k < kRecentCount ? k : kRecentCount - 1;
  for (int j = last; j >= 1; --j) list[j] = list[j - 1];
  list[0] = name;
  return true;
}

void RemoveRecent(RecentList& list, int index) {
  if (index < 0 || index >= kRecentCount) return;
  for (int j = index; j + 1 < kRecentCount; ++j) list[j] = list[j + 1];
  list[kRecentCount - 1].clear();
}

std::string RecentMenuText(int index, const std::string& entry, const std::string& dataDir) {
  const std::string prefix = "&" + std::to_string(index + 1) + " ";
  if (entry.empty()) return prefix;
  const size_t split = entry.find_last_of(":\\");
  const std::string dir = split == std::string::npos ? std::string() : entry.substr(0, split + 1);
  if (dir == dataDir) return prefix + entry.substr(dir.size());
  std::string text = prefix + entry;
  if (text.size() > 30) {
    const size_t from = text.size() - 24;
    const size_t slash = text.find('\\', from);
    if (slash != std::string::npos) text = prefix + "..." + text.substr(slash);
  }
  return text;
}

}  // namespace tw
