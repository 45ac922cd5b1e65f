#include "core/platform.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <cstddef>

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
  // ASCII folding, as tolower does in the "C" locale the program runs in, without a library
  // call per character: every setting lookup walks the key map with this.
  auto fold = [](char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? u + ('a' - 'A') : u;
  };
  for (size_t i = 0; i < n; ++i) {
    const unsigned ca = fold(a[i]), cb = fold(b[i]);
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

static bool SameNoCase(const std::string& a, const std::string& b) {
  MemoryProfile::NoCase less;
  return !less(a, b) && !less(b, a);
}

// The section name of a "[name]" line; false for any other line.
static bool SectionOfLine(const std::string& raw, std::string& name) {
  std::string line = Trim(raw);
  if (line.empty() || line[0] != '[') return false;
  size_t close = line.find(']');
  name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  return true;
}

// Key and value of a "key=value" line; false for comments and lines without "=".
static bool EntryOfLine(const std::string& raw, std::string& key, std::string& value) {
  std::string line = Trim(raw);
  if (line.empty() || line[0] == ';') return false;
  size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
    value = value.substr(1, value.size() - 2);
  return !key.empty();
}

static std::string WithoutLineBreaks(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

FileProfile::FileProfile(std::string path) : path_(std::move(path)) {
  std::ifstream in(path_, std::ios::binary);
  std::string line, section, name, key, value;
  bool inSection = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(line);
    if (SectionOfLine(line, name)) {
      section = name;
      inSection = true;
      if (sections.find(section) == sections.end()) {
        sections[section];
        sectionOrder.push_back(section);
      }
      continue;
    }
    if (!inSection || !EntryOfLine(line, key, value)) continue;
    auto& entries = sections[section];
    if (entries.find(key) == entries.end()) entries[key] = value;
  }
}

void FileProfile::Set(const std::string& rawSection, const std::string& rawKey,
                      const std::string& rawValue) {
  const std::string section = WithoutLineBreaks(rawSection);
  const std::string key = WithoutLineBreaks(rawKey);
  const std::string value = WithoutLineBreaks(rawValue);
  MemoryProfile::Set(section, key, value);

  std::string name, k, v;
  size_t header = lines_.size();
  for (size_t i = 0; i < lines_.size(); ++i)
    if (SectionOfLine(lines_[i], name) && SameNoCase(name, section)) {
      header = i;
      break;
    }
  if (header == lines_.size()) {
    lines_.push_back("[" + section + "]");
    lines_.push_back(key + "=" + value);
  } else {
    size_t lastFilled = header;
    size_t i = header + 1;
    bool replaced = false;
    for (; i < lines_.size() && !SectionOfLine(lines_[i], name); ++i) {
      if (EntryOfLine(lines_[i], k, v) && SameNoCase(k, key)) {
        lines_[i] = k + "=" + value;
        replaced = true;
        break;
      }
      if (!Trim(lines_[i]).empty()) lastFilled = i;
    }
    if (!replaced)
      lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), key + "=" + value);
  }
  Save();
}

bool FileProfile::Save() const {
  std::string text;
  for (const auto& line : lines_) text += line + "\r\n";
  std::string tmp = path_ + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f) return false;
    f << text;
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
