#include "views/calendar_cells.h"

#include <algorithm>
#include <memory>

#include "calendar/moon_derived.h"
#include "reco/reco_eval.h"

namespace tw {

namespace {

constexpr size_t kCellBufferSize = 4096;
constexpr size_t kRecoCellBufferSize = 16384;

uint32_t Header() { return kRtfHeader; }

}  // namespace

std::vector<MoonGlyph> MoonGlyphs(const MoonDayRecord& r, bool sternbild) {
  std::vector<MoonGlyph> glyphs;
  const SkyPosition moon = MoonPosition(r, sternbild);
  MoonGlyph sign;
  if (moon.changeTime != kNoEvent && moon.changeTime != 0) {
    sign.text += SignGlyph(PreviousSign(moon.sign));
    sign.text += '-';
  }
  sign.text += SignGlyph(moon.sign);
  sign.time = moon.changeTime;
  glyphs.push_back(sign);

  glyphs.push_back({std::string(1, PhaseGlyph(PhasePicture(r))), false, r.phaseTime()});

  const bool heightEvent = r.HasEvent(MoonEvent::Height);
  const char height = heightEvent ? (r.ascending() ? kGlyphLowest : kGlyphHighest)
                                  : (r.ascending() ? kGlyphRising : kGlyphFalling);
  glyphs.push_back({std::string(1, height), false, r.heightTime()});

  if (r.HasEvent(MoonEvent::Distance))
    glyphs.push_back({std::string(1, r.approaching() ? kGlyphApogee : kGlyphPerigee), false, r.distanceTime()});
  if (r.HasEvent(MoonEvent::Node))
    glyphs.push_back({std::string(1, r.nodeKind() ? kGlyphNode1 : kGlyphNode0), true, r.nodeTime()});
  return glyphs;
}

bool DateIsRed(DayNumber d, int holiday, bool twoColours) {
  return !twoColours && (WeekdaySunday(d) == 0 || holiday == 2);
}

std::string DateCellRtf(DayNumber d, int holiday, const CellContext& ctx, int weekdayTabTwips) {
  char buf[kCellBufferSize];
  RtfWriter w(buf, sizeof buf, ctx.style);
  uint32_t set = Header() | kRtfNormal;
  if (DateIsRed(d, holiday, ctx.twoColours)) set |= kRtfForeColour | RtfFore(kRtfRed);
  w.Controls(set, ctx.fontChoice);
  if (ctx.dates.display.showDayOfWeek) {
    if (weekdayTabTwips > 0) w.Raw(("\\tx" + std::to_string(weekdayTabTwips) + " ").c_str());
    const std::string name = ctx.message ? ctx.message(3671 + WeekdayIso(d)) : std::string();
    w.Text((name.substr(0, 2) + ".").c_str());
    w.Controls(kRtfTab, ctx.fontChoice);
  }
  char* p = FormatDay(w.pos(), buf + sizeof buf, ctx.dates, d, true, true);
  return std::string(buf, p);
}

std::string MoonCellRtf(const MoonDayRecord& r, int glyphsPerLine, const CellContext& ctx,
                        const std::vector<int>& tabStopsTwips) {
  char buf[kCellBufferSize];
  RtfWriter w(buf, sizeof buf, ctx.style);
  w.Controls(Header(), ctx.fontChoice);
  for (int tab : tabStopsTwips) w.Raw(("\\tx" + std::to_string(tab) + " ").c_str());
  w.Controls(kRtfSymbol | kRtfForeColour | RtfFore(kRtfBlack), ctx.fontChoice);
  const std::vector<MoonGlyph> glyphs = MoonGlyphs(r, ctx.sternbild);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const MoonGlyph& g = glyphs[i];
    if (g.red) w.Controls(kRtfForeColour | RtfFore(kRtfRed), ctx.fontChoice);
    for (char c : g.text) w.Char(c);
    if (g.red) w.Controls(kRtfForeColour | RtfFore(kRtfBlack), ctx.fontChoice);
    if (ctx.printing && g.time != kNoEvent) w.Time(g.time);
    if (i + 1 == glyphs.size() || glyphsPerLine <= 0) continue;
    if ((i + 1) % static_cast<size_t>(glyphsPerLine) == 0)
      w.LineBreak();
    else
      w.Controls(kRtfTab, ctx.fontChoice);
  }
  return w.c_str();
}

std::string SunCellRtf(const MoonDayRecord& r, const CellContext& ctx) {
  char buf[kCellBufferSize];
  RtfWriter w(buf, sizeof buf, ctx.style);
  w.Controls(Header(), ctx.fontChoice).Raw("\\qc ").Controls(kRtfSymbol, ctx.fontChoice);
  const SkyPosition sun = SunPosition(r, ctx.sternbild);
  w.Char(SignGlyph(sun.sign));
  if (ctx.printing && sun.changeTime != kNoEvent) w.Time(sun.changeTime);
  return w.c_str();
}

std::string MarkLabels(const PersonDocument& doc, DayMark mark, const MessageLookup& message) {
  std::string out;
  auto add = [&](int labelIndex, int messageId) {
    std::string label = doc.header.MarkLabel(labelIndex);
    if (label.empty() && message) label = message(messageId);
    if (!out.empty()) out += ", ";
    out += label;
  };
  if (mark & kMarkRed) add(0, 3135);
  if (mark & kMarkYellow) add(1, 3136);
  const int symbol = mark & kMarkSymbolMask;
  if (symbol != 0) add(1 + symbol, 3136 + symbol);
  return out;
}

std::string NotesCellRtf(const PersonDocument& doc, DayNumber d, const CellContext& ctx) {
  const DayEntryView entry = GetDayEntry(doc, d);
  if (!entry.exists) return {};
  const std::string labels = MarkLabels(doc, entry.mark & kMarkBits, ctx.message);
  const bool hasText = entry.text && *entry.text;
  if (labels.empty() && !hasText) return {};
  // A note holds at most 511 characters; escaping may double them, so room for 4 KiB is
  // plenty even with the header.
  char buf[kCellBufferSize];
  RtfWriter w(buf, sizeof buf, ctx.style);
  w.Controls(Header() | kRtfNormal, ctx.fontChoice);
  w.Text(labels.c_str());
  if (!labels.empty() && hasText) w.Text(", ");
  if (hasText) w.Text(entry.text);
  return w.c_str();
}

std::string RecoCellRtf(RecoEvaluator& eval, DayNumber d, int column, int selection, int separators,
                        const CellContext& ctx) {
  auto buf = std::make_unique<char[]>(kRecoCellBufferSize);
  char* const begin = buf.get();
  const char* const end = begin + kRecoCellBufferSize;
  RtfWriter w(begin, kRecoCellBufferSize, ctx.style);
  w.Controls(Header() | kRtfNormal, ctx.fontChoice);
  char* const bodyStart = w.pos();
  RecoDayTextOptions o;
  o.categoryFilter = column <= 5 ? 0 : column - 5;
  o.formatted = true;
  o.printMode = ctx.fontChoice;
  o.separators = separators;
  o.selection = selection;
  o.maxLength = kRecoCellBufferSize - 1024;
  char* p = eval.DayText(d, bodyStart, end, o);
  if (p == bodyStart) return {};
  return std::string(begin, p);
}

bool IsPlantingTime(const MoonDayRecord& r) { return !r.ascending() && !r.HasEvent(MoonEvent::Node); }

int ElementBar::SplitAt(int height) const {
  if (changeTime == kNoEvent) return 0;
  return height * changeTime / 1440;
}

ElementBar MoonElementBar(const MoonDayRecord& r, bool constellation) {
  const SkyPosition p = MoonPosition(r, constellation);
  ElementBar bar;
  bar.element = ElementOf(p.sign);
  bar.previousElement = ElementOf(PreviousSign(p.sign));
  bar.changeTime = p.changeTime;
  return bar;
}

int SecondBarOffset(int columnWidth, bool printing) {
  int offset = printing ? columnWidth * 3 / 4 : columnWidth - 5;
  if (offset < columnWidth / 2) offset = (columnWidth - 1) / 2;
  return offset;
}

}  // namespace tw
