// The rich-text documents of the moon calendar's cells. Each builder returns a complete
// document (header included) that the program's own layout lays out into the cell.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "calendar/date_format.h"
#include "core/daynumber.h"
#include "calendar/moon_record.h"
#include "doc/person_document.h"
#include "core/rtf_builder.h"

namespace tw {

class RecoEvaluator;

// Message `id` of the resource library; empty when it is missing.
using MessageLookup = std::function<std::string(int id)>;

// Symbol-font codes of the glyphs.
constexpr char kGlyphSignFirst = 0x50;  // "P" Aries .. "[" Pisces
constexpr int kGlyphPhaseBase = 0x87;   // + phase picture 1..40
constexpr char kGlyphLowest = 'p', kGlyphRising = 'q', kGlyphHighest = 'r', kGlyphFalling = 's';
constexpr char kGlyphApogee = 't', kGlyphPerigee = 'u';
constexpr char kGlyphNode1 = 'n', kGlyphNode0 = 'o';
constexpr char kGlyphSun = 'a';

inline char SignGlyph(int sign) { return static_cast<char>(kGlyphSignFirst + sign); }
inline char PhaseGlyph(int picture) { return static_cast<char>(kGlyphPhaseBase + picture); }

// What every cell builder needs besides the day.
struct CellContext {
  RtfStyle style;
  int fontChoice = kRtfScreenFont;  // the print font in print, 2 for monochrome
  bool printing = false;
  bool twoColours = false;  // a two-colour device writes no red dates
  bool sternbild = false;
  DateSettings dates;
  MessageLookup message;
};

// One glyph of the Mond column: the symbol-font text, whether it is red, and the time of
// its event that day (kNoEvent for none), which print writes after it.
struct MoonGlyph {
  std::string text;
  bool red = false;
  int time = kNoEvent;
};

// The glyphs of the Mond column in their order: sign (with the previous sign and "-" when
// it changes during the day after 00:00), phase, height, distance event, node event.
std::vector<MoonGlyph> MoonGlyphs(const MoonDayRecord& r, bool sternbild);

// Previous sign of a sign that changed during the day.
inline int PreviousSign(int sign) { return (sign + 11) % 12; }

// True when the day's date is written in red: a Sunday or an official holiday (holiday
// test 2), and the device has more than two colours.
bool DateIsRed(DayNumber d, int holiday, bool twoColours);

// `weekdayTabTwips` > 0 puts the date's tab stop there (print: the weekday's room that
// the printed date width allows for) instead of the default half inch.
std::string DateCellRtf(DayNumber d, int holiday, const CellContext& ctx, int weekdayTabTwips = 0);
// `glyphsPerLine` 0 writes the glyphs without separators; `tabStopsTwips` are the
// paragraph's tab stops from the cell's left edge.
std::string MoonCellRtf(const MoonDayRecord& r, int glyphsPerLine, const CellContext& ctx,
                        const std::vector<int>& tabStopsTwips = {});
std::string SunCellRtf(const MoonDayRecord& r, const CellContext& ctx);
// Day marks with their labels and the note text; empty for a day outside the notes or
// without an entry.
std::string NotesCellRtf(const PersonDocument& doc, DayNumber d, const CellContext& ctx);
// The labels of a day mark in order red, yellow, symbol, separated by ", ".
std::string MarkLabels(const PersonDocument& doc, DayMark mark, const MessageLookup& message);

// Recommendation column 5..8 (5 all categories, 6..8 categories 1..3); columns 5 and 8
// begin with the special days. `separators` is the display style (bit 0 group, bit 1 all).
// Empty when nothing holds.
std::string RecoCellRtf(RecoEvaluator& eval, DayNumber d, int column, int selection, int separators,
                        const CellContext& ctx);

// Planting time: the moon is falling and no node passage happens that day.
bool IsPlantingTime(const MoonDayRecord& r);

// The element bar: the element of the moon's position and, when the position changes
// during the day, the previous element and the change time.
struct ElementBar {
  int element = 0;
  int previousElement = 0;
  int changeTime = kNoEvent;
  // Pixels from the top of a row of `height` that the previous element takes.
  int SplitAt(int height) const;
};
ElementBar MoonElementBar(const MoonDayRecord& r, bool constellation);
// Left edge of the second (other reckoning) bar from the column's left edge.
int SecondBarOffset(int columnWidth, bool printing);

}  // namespace tw
