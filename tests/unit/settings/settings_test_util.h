// Shared by the settings tests: a stored value read back raw.
#pragma once
#include <string>

#include "core/platform.h"

namespace tw {

// What the profile holds under the key, or "<absent>".
inline std::string Stored(const Profile& p, const char* section, const char* key) {
  std::string raw;
  return p.Get(section, key, raw) ? raw : "<absent>";
}

}  // namespace tw
