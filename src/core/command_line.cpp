#include "core/command_line.h"

#include <cstdlib>

namespace tw {

namespace {
bool StartsWithNonZeroNumber(const char* s) {
  const char* p = s;
  if (*p == '-') ++p;
  if (*p < '0' || *p > '9') return false;
  return std::strtol(s, nullptr, 10) != 0;
}
}  // namespace

std::string CommandLineFileName(const char* line) {
  if (!line) return {};
  std::string s(line);
  size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t");
  s = s.substr(b, e - b + 1);
  if (StartsWithNonZeroNumber(s.c_str())) return {};
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return s;
}

}  // namespace tw
