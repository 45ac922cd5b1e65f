// The 1860-byte header of a person document, kept as the bytes of the file so that the
// unused areas go back to the file exactly as they were read.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "core/daynumber.h"

namespace tw {

constexpr size_t kHeaderSize = 1860;
constexpr size_t kBirthdayOffset = 0;
constexpr size_t kNotesStartOffset = 4;
constexpr size_t kMagicOffset = 8;
constexpr size_t kMagicSize = 13;  // the 12 characters and a NUL
constexpr const char* kPersonMagic = "TIDEWELL0200";
constexpr size_t kNameOffset = 21;
constexpr size_t kNameSize = 58;
constexpr size_t kPasswordOffset = 138;
constexpr size_t kPasswordSize = 8;
constexpr size_t kDescriptionOffset = 155;
constexpr size_t kDescriptionSize = 256;
constexpr size_t kMarkLabelOffset = 668;
constexpr size_t kMarkLabelSize = 33;
constexpr int kMarkLabelCount = 5;  // red, yellow, "+", "x", "-"

// Fixed key of the password scrambling; files written with another key cannot be read.
constexpr uint8_t kPasswordKey = 0x5B;
void ScramblePassword(uint8_t* b);    // 8 bytes
void UnscramblePassword(uint8_t* b);  // 8 bytes

struct PersonHeader {
  std::array<uint8_t, kHeaderSize> bytes{};

  DayNumber Birthday() const;
  void SetBirthday(DayNumber day);
  DayNumber NotesStart() const;
  void SetNotesStart(DayNumber day);

  // The NUL-terminated text at offset 8 is exactly the magic.
  bool HasMagic() const;
  void WriteMagic();

  // Text fields are cut at their size less one when they hold no NUL.
  std::string Name() const;  // at most 57 characters
  void SetName(const std::string& name);
  std::string Description() const;  // at most 255 characters
  void SetDescription(const std::string& text);
  std::string MarkLabel(int index) const;  // at most 32 characters
  void SetMarkLabel(int index, const std::string& text);

  // Unscrambled, at most 7 characters; empty when the document is not protected.
  std::string Password() const;
  // Keeps the first 7 characters, zero-fills to 8 bytes and scrambles them.
  void SetPassword(const std::string& password);
  bool HasPassword() const { return !Password().empty(); }
  // Compares the first 7 typed characters, case-sensitively.
  bool PasswordMatches(const std::string& typed) const;
};

}  // namespace tw
