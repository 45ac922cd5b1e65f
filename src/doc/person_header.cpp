#include "doc/person_header.h"

#include <cstring>

#include "core/bytes.h"

namespace tw {

void ScramblePassword(uint8_t* b) {
  for (int i = 0; i < static_cast<int>(kPasswordSize); ++i)
    b[i] = static_cast<uint8_t>(b[i] + (kPasswordSize - 1 - i + kPasswordKey));
}

void UnscramblePassword(uint8_t* b) {
  for (int i = 0; i < static_cast<int>(kPasswordSize); ++i)
    b[i] = static_cast<uint8_t>(b[i] - (kPasswordSize - 1 - i + kPasswordKey));
}

DayNumber PersonHeader::Birthday() const { return GetLE32s(&bytes[kBirthdayOffset]); }
void PersonHeader::SetBirthday(DayNumber day) { PutLE32(&bytes[kBirthdayOffset], static_cast<uint32_t>(day)); }
DayNumber PersonHeader::NotesStart() const { return GetLE32s(&bytes[kNotesStartOffset]); }
void PersonHeader::SetNotesStart(DayNumber day) { PutLE32(&bytes[kNotesStartOffset], static_cast<uint32_t>(day)); }

bool PersonHeader::HasMagic() const {
  return std::memcmp(&bytes[kMagicOffset], kPersonMagic, kMagicSize) == 0;  // NUL included
}

void PersonHeader::WriteMagic() { std::memcpy(&bytes[kMagicOffset], kPersonMagic, kMagicSize); }

namespace {

std::string GetField(const uint8_t* p, size_t size) {
  size_t n = 0;
  while (n + 1 < size && p[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}

}  // namespace

std::string PersonHeader::Name() const { return GetField(&bytes[kNameOffset], kNameSize); }
void PersonHeader::SetName(const std::string& name) { PutFixedText(&bytes[kNameOffset], kNameSize, name.c_str()); }

std::string PersonHeader::Description() const { return GetField(&bytes[kDescriptionOffset], kDescriptionSize); }
void PersonHeader::SetDescription(const std::string& text) {
  PutFixedText(&bytes[kDescriptionOffset], kDescriptionSize, text.c_str());
}

std::string PersonHeader::MarkLabel(int index) const {
  return GetField(&bytes[kMarkLabelOffset + index * kMarkLabelSize], kMarkLabelSize);
}
void PersonHeader::SetMarkLabel(int index, const std::string& text) {
  PutFixedText(&bytes[kMarkLabelOffset + index * kMarkLabelSize], kMarkLabelSize, text.c_str());
}

std::string PersonHeader::Password() const {
  uint8_t b[kPasswordSize];
  std::memcpy(b, &bytes[kPasswordOffset], kPasswordSize);
  UnscramblePassword(b);
  return GetField(b, kPasswordSize);
}

void PersonHeader::SetPassword(const std::string& password) {
  uint8_t b[kPasswordSize];
  PutFixedText(b, kPasswordSize, password.c_str());
  ScramblePassword(b);
  std::memcpy(&bytes[kPasswordOffset], b, kPasswordSize);
}

bool PersonHeader::PasswordMatches(const std::string& typed) const {
  return Password() == typed.substr(0, kPasswordSize - 1);
}

}  // namespace tw
