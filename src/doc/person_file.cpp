#include "doc/person_file.h"

#include <cstring>
#include <new>

#include "doc/doc_messages.h"
#include "doc/file_replace.h"

namespace tw {

bool BuildNotes(PersonDocument& doc, const uint8_t* notes, size_t size) {
  doc.dayIndex.fill(-1);
  try {
    doc.notes.data.assign(size + kNotesGrowStep, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (size) std::memcpy(doc.notes.data.data(), notes, size);
  size_t offset = 0;
  for (int i = 0; i < kNoteDays && offset < size; ++i) {
    const size_t len = DayEntryLength(notes + offset, size - offset);
    if (len == 0) break;  // a cut-off entry: it and the days after it stay empty
    doc.dayIndex[i] = static_cast<int32_t>(offset);
    offset += len;
  }
  doc.notes.used = offset;
  // Room to grow is counted from what is in use, as the stale tail is dead space anyway.
  doc.notes.data.resize(offset + kNotesGrowStep);
  return true;
}

ParseResult ParsePersonFile(PersonDocument& doc, const uint8_t* data, size_t size) {
  if (size < kHeaderSize) return ParseResult::kNotDocument;
  std::memcpy(doc.header.bytes.data(), data, kHeaderSize);
  if (!doc.header.HasMagic()) return ParseResult::kNotDocument;
  // The rhythms and the compatibility subtract the birthday from other days: only a day
  // the calendar can show keeps those differences within range.
  const DayNumber birthday = doc.header.Birthday();
  if (birthday < kFirstCalendarDay || birthday > kLastCalendarDay) return ParseResult::kNotDocument;
  return BuildNotes(doc, data + kHeaderSize, size - kHeaderSize) ? ParseResult::kOk : ParseResult::kNoMemory;
}

// Length of a day's entry in the block; 0 for a day without a complete one, which is then
// written as an empty day rather than shifting every later day.
static size_t StoredEntryLength(const PersonDocument& doc, int32_t off) {
  if (off < 0 || static_cast<size_t>(off) >= doc.notes.used) return 0;
  return DayEntryLength(doc.notes.data.data() + off, doc.notes.used - off);
}

std::vector<uint8_t> SerializePersonDocument(const PersonDocument& doc) {
  size_t total = kHeaderSize;
  for (int32_t off : doc.dayIndex) {
    const size_t len = StoredEntryLength(doc, off);
    total += len ? len : 2;
  }
  std::vector<uint8_t> out(total, 0);
  std::memcpy(out.data(), doc.header.bytes.data(), kHeaderSize);
  size_t pos = kHeaderSize;
  for (int32_t off : doc.dayIndex) {
    const size_t len = StoredEntryLength(doc, off);
    if (len == 0) {
      pos += 2;  // no mark, empty text
      continue;
    }
    std::memcpy(out.data() + pos, doc.notes.data.data() + off, len);
    pos += len;
  }
  return out;
}

static void ApplyDefaults(PersonDocument& doc, const DocumentDefaults& d) {
  doc = PersonDocument();
  doc.viewFlags = (d.preference & ~kViewModified) | kViewRecompute;
  doc.selection = d.lastRecoSel;
  doc.daySize = d.daySize;
  doc.secondDaySize = d.daySize;
}

LoadStatus LoadPersonFile(const std::string& path, PersonDocument& doc, const DocumentDefaults& defaults,
                          const PasswordPrompt& prompt, MessageSink& sink) {
  ApplyDefaults(doc, defaults);
  doc.path = path;
  std::vector<uint8_t> bytes;
  const ReadResult read = ReadWholeFile(path, bytes);
  if (read == ReadResult::kNoMemory) {
    sink.ShowMessage(kMsgError, kMsgNoMemory);
    return LoadStatus::kFailed;
  }
  if (read != ReadResult::kOk || bytes.size() < kHeaderSize) {
    sink.ShowMessage(kMsgError, kMsgFileOpenFailed, {path});
    return LoadStatus::kFailed;
  }
  std::memcpy(doc.header.bytes.data(), bytes.data(), kHeaderSize);
  if (!doc.header.HasMagic()) {
    sink.ShowMessage(kMsgError, kMsgFileOpenFailed, {path});
    return LoadStatus::kFailed;
  }
  if (doc.header.HasPassword() && !(prompt && prompt(doc))) return LoadStatus::kCancelled;
  switch (ParsePersonFile(doc, bytes.data(), bytes.size())) {
    case ParseResult::kOk:
      return LoadStatus::kOk;
    case ParseResult::kNoMemory:
      sink.ShowMessage(kMsgError, kMsgNoMemory);
      return LoadStatus::kFailed;
    case ParseResult::kNotDocument:
      break;
  }
  sink.ShowMessage(kMsgError, kMsgFileOpenFailed, {path});
  return LoadStatus::kFailed;
}

bool SavePersonFile(PersonDocument& doc, const std::string& path, MessageSink& sink) {
  std::vector<uint8_t> bytes;
  try {
    bytes = SerializePersonDocument(doc);
  } catch (const std::bad_alloc&) {
    sink.ShowMessage(kMsgError, kMsgFileSaveFailed, {path});
    return false;
  }
  if (!WriteFileReplacing(path, bytes)) {
    sink.ShowMessage(kMsgError, kMsgFileSaveFailed, {path});
    return false;
  }
  doc.path = path;
  doc.viewFlags &= ~kViewModified;
  return true;
}

void InitNewPersonDocument(PersonDocument& doc, const CivilDate& today, const DocumentDefaults& defaults) {
  ApplyDefaults(doc, defaults);
  doc.header.SetBirthday(DayFromDate(today.year, today.month, today.day));
  doc.header.SetNotesStart(DayFromDate(today.year, 1, 1));
  for (int i = 0; i < kMarkLabelCount; ++i) doc.header.SetMarkLabel(i, defaults.markLabels[i]);
  doc.header.SetPassword("");
  doc.header.WriteMagic();
  doc.notes.data.assign(kNotesGrowStep, 0);
  doc.notes.used = 0;
}

bool OpensReadOnly(const std::string& path, const std::vector<const PersonDocument*>& openDocuments) {
  for (const PersonDocument* d : openDocuments)
    if (d && !d->IsReadOnly() && d->path == path) return true;
  return false;
}

std::string SuggestedFileName(const std::string& personName, bool win32s) {
  std::string base;
  if (win32s) {
    for (char c : personName)
      if (c != ' ' && base.size() < 8) base += c;
  } else {
    base = personName;
  }
  return base + ".twd";
}

std::string DocumentTitle(const PersonDocument& doc, const std::string& birthdayText,
                          const std::string& readOnlyText) {
  std::string t = doc.header.Name() + " - " + birthdayText;
  if (doc.IsReadOnly()) t += readOnlyText;
  return t;
}

}  // namespace tw
