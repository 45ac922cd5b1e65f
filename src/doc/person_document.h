// The in-memory person document: header, the day entries of 7320 days, the view options
// and the selected day. What a window's view laid out stays with the window.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/daynumber.h"
#include "doc/day_mark.h"
#include "doc/person_header.h"
#include "doc/view_flags.h"

namespace tw {

constexpr int kNoteDays = 7320;  // twenty years of 366 days
constexpr size_t kNotesGrowStep = 16384;
constexpr size_t kMaxNoteLength = 511;   // the side panel's note field
constexpr size_t kEntryBlockSize = 97;   // the kept block of entries marked 0xFF
constexpr uint8_t kEntryBlockTag = 0xFF;
constexpr int kListColumns = 10;

// DayEntry records back to back; entries nobody points at are dead space until the next
// save. The vector's size is the capacity, grown in steps of 16384 bytes.
struct NotesBlock {
  std::vector<uint8_t> data;
  size_t used = 0;
  size_t capacity() const { return data.size(); }
  // Makes room for `bytes` more after `used`; false (and nothing changed) without memory.
  bool Reserve(size_t bytes);
};

// Offset of each day's entry in the NotesBlock, -1 for a day without one.
using DayIndex = std::array<int32_t, kNoteDays>;

struct PersonDocument {
  ViewFlags viewFlags = 0;
  int32_t highlightChoice = 0;
  int32_t daySize = 2;
  std::string path;  // empty for a new document
  DayNumber selectedDay = 0;
  int32_t secondDaySize = 2;
  int32_t listPosition = 0;
  std::array<int32_t, kListColumns> columnWidths{};
  std::array<int32_t, kListColumns> columnShown{};
  PersonHeader header;
  NotesBlock notes;
  DayIndex dayIndex;
  int32_t selection = 0;

  PersonDocument() { dayIndex.fill(-1); }
  bool IsModified() const { return (viewFlags & kViewModified) != 0; }
  bool IsReadOnly() const { return (viewFlags & kViewReadOnly) != 0; }
  bool HasNoteData() const { return notes.used != 0; }
};

// Length of the complete entry at the start of `p`, or 0 when it runs past `avail`.
size_t DayEntryLength(const uint8_t* p, size_t avail);

// A day's entry as the side panel and the chart read it.
struct DayEntryView {
  bool exists = false;
  DayMark mark = 0;
  bool hasBlock = false;      // carries the 97-byte block before the text
  const char* text = "";      // NUL-terminated inside the NotesBlock
};

// Day offset from NotesStart, or -1 outside the 7320 days.
int NoteDayOffset(const PersonDocument& doc, DayNumber day);
DayEntryView GetDayEntry(const PersonDocument& doc, DayNumber day);

// The DayMark of the selected day; 0 outside the 7320 days or without an entry.
DayMark GetDayMark(const PersonDocument& doc);
DayMark GetDayMarkOf(const PersonDocument& doc, DayNumber day);

struct DayEntryChange {
  bool applied = false;       // the day lies within the notes and the block had room
  bool markChanged = false;   // the chart repaints the day's mark cell
  bool modified = false;      // counts as a change: the modified bit is set, refresh the toolbar
};

// Changes the entry of the selected day: the mark by `markCommand` (-1 keeps it), the
// text when `text` is given (cut to 511 characters; none keeps the current text).
DayEntryChange SetDayEntry(PersonDocument& doc, int markCommand, const char* text);
DayEntryChange SetDayEntryFor(PersonDocument& doc, DayNumber day, int markCommand, const char* text);

}  // namespace tw
