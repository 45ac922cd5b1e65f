// Reading and writing person documents (.twd): the 1860-byte header, then 7320 day
// entries in day order.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/platform.h"
#include "doc/person_document.h"

namespace tw {

// What a document starts with, from the settings.
struct DocumentDefaults {
  ViewFlags preference = 46448;  // Preference
  int32_t daySize = 2;           // DaySize
  int32_t lastRecoSel = 0;       // LastRecoSel
  std::array<std::string, kMarkLabelCount> markLabels;  // TextRed .. Text-
};

// Builds the DayIndex over `notes` (the file's bytes after the header), copying them into
// the document's block with room to grow. Walking stops at the end of the data: days
// whose entry is missing or incomplete have none. False without memory.
bool BuildNotes(PersonDocument& doc, const uint8_t* notes, size_t size);

// The header and the notes of a whole file image; false when it is not a person document
// (shorter than the header, or without the magic).
enum class ParseResult { kOk, kNotDocument, kNoMemory };
ParseResult ParsePersonFile(PersonDocument& doc, const uint8_t* data, size_t size);

// The bytes a save writes: the header, then each day's entry or two zero bytes.
std::vector<uint8_t> SerializePersonDocument(const PersonDocument& doc);

// Asked when the file is protected; true when the user typed the password right.
using PasswordPrompt = std::function<bool(const PersonDocument&)>;

enum class LoadStatus { kOk, kFailed, kCancelled };
// Reads `path` into `doc` (which starts fresh with `defaults`). Failures show message
// 3016 with the path (3007 without memory); a cancelled or wrong password shows nothing
// more here.
LoadStatus LoadPersonFile(const std::string& path, PersonDocument& doc, const DocumentDefaults& defaults,
                          const PasswordPrompt& prompt, MessageSink& sink);

// Writes the document to `path` without dead space. On success the path becomes the
// document's and it is unmodified; on failure message 3018 with the path, and the document
// stays modified with its old path so that its changes are not given up.
bool SavePersonFile(PersonDocument& doc, const std::string& path, MessageSink& sink);

// A new person born today, notes from 1 January of this year, no password; the caller
// shows the person dialog and then marks the document modified.
void InitNewPersonDocument(PersonDocument& doc, const CivilDate& today, const DocumentDefaults& defaults);

// A file already open in a window that may write it opens read-only: the same path text,
// compared exactly as typed.
bool OpensReadOnly(const std::string& path, const std::vector<const PersonDocument*>& openDocuments);

// The name the save dialog suggests: the person's name plus ".twd"; on Win32s only its
// first eight non-blank characters.
std::string SuggestedFileName(const std::string& personName, bool win32s);

// Window title: name, " - ", the birthday as formatted by the caller, and the read-only
// note (message 3059) when the document is read-only.
std::string DocumentTitle(const PersonDocument& doc, const std::string& birthdayText,
                          const std::string& readOnlyText);

}  // namespace tw
