#include "app/app.h"

namespace tw {

bool IniProfile::Get(const std::string& section, const std::string& key, std::string& out) const {
  // A default that no real value can take tells an absent key from an empty one.
  static const char kAbsent[] = "\x01\x02" "absent";
  char buf[1024];
  GetPrivateProfileStringA(section.c_str(), key.c_str(), kAbsent, buf, sizeof buf, file_.c_str());
  if (lstrcmpA(buf, kAbsent) == 0) return false;
  out = buf;
  return true;
}

void IniProfile::Set(const std::string& section, const std::string& key, const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file_.c_str());
}

}  // namespace tw
