#include "doc/person_document.h"

#include <cstring>
#include <new>
#include <string>

namespace tw {

bool NotesBlock::Reserve(size_t bytes) {
  if (capacity() - used >= bytes) return true;
  size_t grown = capacity();
  while (grown - used < bytes) grown += kNotesGrowStep;
  // Allocation failure is the one outcome the caller must survive: the entry is then
  // left as it was.
  try {
    data.resize(grown);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

size_t DayEntryLength(const uint8_t* p, size_t avail) {
  if (avail < 2) return 0;
  const size_t textStart = p[1] == kEntryBlockTag ? 1 + kEntryBlockSize : 1;
  if (textStart >= avail) return 0;
  const void* nul = std::memchr(p + textStart, 0, avail - textStart);
  if (!nul) return 0;
  return static_cast<size_t>(static_cast<const uint8_t*>(nul) - p) + 1;
}

int NoteDayOffset(const PersonDocument& doc, DayNumber day) {
  const int64_t off = static_cast<int64_t>(day) - doc.header.NotesStart();
  return off < 0 || off >= kNoteDays ? -1 : static_cast<int>(off);
}

DayEntryView GetDayEntry(const PersonDocument& doc, DayNumber day) {
  DayEntryView v;
  const int off = NoteDayOffset(doc, day);
  if (off < 0 || doc.dayIndex[off] < 0) return v;
  const uint8_t* e = doc.notes.data.data() + doc.dayIndex[off];
  v.exists = true;
  v.mark = e[0] & kMarkBits;
  v.hasBlock = e[1] == kEntryBlockTag;
  v.text = reinterpret_cast<const char*>(e + (v.hasBlock ? 1 + kEntryBlockSize : 1));
  return v;
}

DayMark GetDayMarkOf(const PersonDocument& doc, DayNumber day) { return GetDayEntry(doc, day).mark; }
DayMark GetDayMark(const PersonDocument& doc) { return GetDayMarkOf(doc, doc.selectedDay); }

DayEntryChange SetDayEntry(PersonDocument& doc, int markCommand, const char* text) {
  return SetDayEntryFor(doc, doc.selectedDay, markCommand, text);
}

DayEntryChange SetDayEntryFor(PersonDocument& doc, DayNumber day, int markCommand, const char* text) {
  DayEntryChange change;
  const int off = NoteDayOffset(doc, day);
  if (off < 0) return change;

  const bool hadEntry = doc.dayIndex[off] >= 0;
  bool hasBlock = false;
  uint8_t block[kEntryBlockSize] = {};
  size_t currentLength = 0;
  uint8_t oldMark = 0;
  if (hadEntry) {
    const uint8_t* e = doc.notes.data.data() + doc.dayIndex[off];
    oldMark = e[0];
    hasBlock = e[1] == kEntryBlockTag;
    if (hasBlock) std::memcpy(block, e + 1, kEntryBlockSize);
    const char* oldText = reinterpret_cast<const char*>(e + (hasBlock ? 1 + kEntryBlockSize : 1));
    currentLength = std::strlen(oldText) + (hasBlock ? kEntryBlockSize : 0);
  }
  // Copied first: the text may come from this very block, which may move when it grows.
  std::string given;
  if (text) {
    size_t n = 0;
    while (n < kMaxNoteLength && text[n] != 0) ++n;
    given.assign(text, n);
  }
  // A note whose first byte is 0xFF ("ÿ") would read back as the tag of the old block and
  // swallow the days after it; a leading blank keeps every character of it.
  if (!hasBlock && !given.empty() && static_cast<uint8_t>(given[0]) == kEntryBlockTag) {
    given.insert(given.begin(), ' ');
    if (given.size() > kMaxNoteLength) given.resize(kMaxNoteLength);
  }
  const size_t textLength = given.size();
  const size_t newLength = textLength + (hasBlock ? kEntryBlockSize : 0);

  uint8_t* e;
  if (!hadEntry || newLength > currentLength) {
    if (!doc.notes.Reserve(newLength + 2)) return change;
    e = doc.notes.data.data() + doc.notes.used;
    doc.dayIndex[off] = static_cast<int32_t>(doc.notes.used);
    doc.notes.used += newLength + 2;
    e[0] = oldMark;
    size_t pos = 1;
    if (hasBlock) {
      std::memcpy(e + 1, block, kEntryBlockSize);
      pos += kEntryBlockSize;
    }
    e[pos] = 0;  // a new entry without a given text holds an empty one
  } else {
    e = doc.notes.data.data() + doc.dayIndex[off];
  }
  if (text) {
    char* dst = reinterpret_cast<char*>(e + (hasBlock ? 1 + kEntryBlockSize : 1));
    std::memcpy(dst, given.data(), textLength);
    dst[textLength] = 0;
  }
  change.applied = true;

  const DayMark before = oldMark & kMarkBits;
  if (markCommand != kMarkNoChange) {
    const DayMark after = ApplyMarkCommand(before, markCommand);
    if (after != before) {
      e[0] = after;
      change.markChanged = true;
    }
  }
  if (change.markChanged || text || !hadEntry) {
    doc.viewFlags |= kViewModified;
    change.modified = true;
  }
  return change;
}

}  // namespace tw
