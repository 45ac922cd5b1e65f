#include "core/platform.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

namespace tw {

int RecordingSink::Show(int type, int id, const std::vector<MessageArg>& args) {
  Entry e{type, id, {}};
  for (const auto& a : args) e.args.push_back(a.isText ? std::string(a.text) : std::to_string(a.number));
  entries.push_back(std::move(e));
  return answer;
}

bool RecordingSink::Has(int id) const {
  for (const auto& e : entries)
    if (e.id == id) return true;
  return false;
}

bool MemoryProfile::NoCase::operator()(const std::string& a, const std::string& b) const {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int ca = std::tolower(static_cast<unsigned char>(a[i]));
    int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

bool MemoryProfile::Get(const std::string& section, const std::string& key, std::string& out) const {
  auto s = sections.find(section);
  if (s == sections.end()) return false;
  auto k = s->second.find(key);
  if (k == s->second.end()) return false;
  out = k->second;
  return true;
}

void MemoryProfile::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (sections.find(section) == sections.end()) sectionOrder.push_back(section);
  sections[section][key] = value;
}

static std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

FileProfile::FileProfile(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_, std::ios::binary);
  std::string line, section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      section = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
      if (sections.find(section) == sections.end()) {
        sections[section];
        sectionOrder.push_back(section);
      }
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos || section.empty()) continue;
    MemoryProfile::Set(section, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
}

void FileProfile::Set(const std::string& section, const std::string& key, const std::string& value) {
  MemoryProfile::Set(section, key, value);
  Save();
}

bool FileProfile::Save() const {
  std::ostringstream out;
  for (const auto& name : sectionOrder) {
    auto s = sections.find(name);
    if (s == sections.end()) continue;
    out << '[' << name << "]\r\n";
    for (const auto& [k, v] : s->second) out << k << '=' << v << "\r\n";
  }
  std::string tmp = path_ + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f << out.str();
    if (!f) return false;
  }
  std::remove(path_.c_str());
  return std::rename(tmp.c_str(), path_.c_str()) == 0;
}

CivilDate SystemClock::TodayUtc() const {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
#if defined(_WIN32)
  gmtime_s(&tm, &t);
#else
  gmtime_r(&t, &tm);
#endif
  return CivilDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

}  // namespace tw
