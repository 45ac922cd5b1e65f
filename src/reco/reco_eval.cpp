#include "reco/reco_eval.h"

#include <cstring>
#include <string>

#include "calendar/special_days.h"
#include "reco/reco_messages.h"

namespace tw {

namespace {

// A field fails the day when the day's slot holds "excluded"; an all-zero field holds 0
// in every slot and so never fails.
inline bool Excluded(uint32_t field, int slot) { return ((field >> (2 * slot)) & 3) == kCondExcluded; }

inline bool PhaseExcluded(uint64_t field, int slot) {
  return ((field >> (2 * slot)) & 3) == kCondExcluded;
}

inline bool SignPasses(uint32_t field, int slot) { return field == 0 || !Excluded(field, slot); }

}  // namespace

void RecoDay::MatchMovableDays() {
  movableHits = 0;
  for (int code = kFirstMovableCode; code <= kLastMovableCode; ++code)
    if (year.MovableDay(code) == day) movableHits = static_cast<uint16_t>(movableHits | (1u << (code - kFirstMovableCode)));
}

bool Holds(const RecoRecord& r, const RecoDay& day) {
  const DayAttributes& a = day.attr;
  if (PhaseExcluded(r.phaseCond, a.phase)) return false;
  if (Excluded(r.heightCond, a.height)) return false;
  if (Excluded(r.distanceCond, a.distance)) return false;
  if (Excluded(r.seasonCond, a.season)) return false;
  if (Excluded(r.nodeCond, a.node)) return false;
  const bool sun = SignPasses(r.sunSignCond, a.sunSign);
  const bool moon = SignPasses(r.moonSignCond, a.moonSign);
  if (r.signsEither != 0 && r.sunSignCond != 0 && r.moonSignCond != 0) {
    if (!sun && !moon) return false;
  } else if (!sun || !moon) {
    return false;
  }
  if (Excluded(r.monthCond, a.month)) return false;
  if (Excluded(r.weekdayCond, a.weekday)) return false;
  uint16_t any = 0;
  for (uint16_t entry : r.fixedDays) any |= entry;
  if (any == 0) return r.otherDaysMode() != kCondExcluded;
  for (uint16_t entry : r.fixedDays) {
    const int code = FixedDayCode(entry);
    if (code == 0) continue;
    // Codes past the movable table (damaged records) match no day.
    const bool match = code < kFirstMovableCode
                           ? code == day.dateCode
                           : code <= kLastMovableCode &&
                                 ((day.movableHits >> (code - kFirstMovableCode)) & 1) != 0;
    if (!match) continue;
    const CondMode mode = FixedDayMode(entry);
    if (mode == kCondExcluded) return false;
    if (mode == kCondRequired) return true;
  }
  return r.otherDaysMode() != kCondExcluded;
}

bool PrepareRecoDay(MoonRecordSource& moon, DayNumber d, bool sternbild, RecoDay* day) {
  int year = 0, month = 1, dom = 1;
  DateFromDay(d, &year, &month, &dom);
  day->day = d;
  day->dateCode = dom * 100 + month;
  day->year.Compute(d, nullptr, &moon);
  day->MatchMovableDays();
  return ComputeDayAttributes(moon, d, month - 1, WeekdayMonday(d), sternbild, &day->attr);
}

bool RecoEvaluator::PrepareDay(DayNumber d) {
  return PrepareRecoDay(moon_, d, settings.sternbild, &day_);
}

bool RecoEvaluator::AnyHoldsPrepared(const SlotMap& members) const {
  for (int n = 0; n < kRecoSlots; ++n) {
    if (!members.Get(n)) continue;
    const RecoRecord& r = tables_.records[n];
    if (r.category == 0 || r.groupLink < 0) continue;
    if (Holds(r, day_)) return true;
  }
  return false;
}

bool RecoEvaluator::AnyHolds(DayNumber d, int selection) {
  if (!PrepareDay(d)) return false;
  return AnyHoldsPrepared(tables_.SelectionMap(selection));
}

DayNumber RecoEvaluator::FindDay(DayNumber start, int step, bool interactive, int selection,
                                 DayNumber lowerLimit, SearchProgress* progress) {
  step = step < 0 ? -1 : 1;
  const DayNumber upper = interactive ? settings.searchEnd : kLastMoonDay;
  const SlotMap members = tables_.SelectionMap(selection);
  if (progress) progress->Begin();
  bool hit = false, cancelled = false;
  DayNumber d = start;
  for (int count = 1;; ++count) {
    d += step;
    if (d > upper || d < lowerLimit) break;
    if (!PrepareDay(d)) break;
    if (AnyHoldsPrepared(members)) {
      hit = true;
      break;
    }
    if (progress && count % kSearchProgressInterval == 0 && !progress->Continue()) {
      cancelled = true;
      break;
    }
  }
  if (progress) progress->End();
  if (hit) return d;
  if (interactive) {
    if (!cancelled) sink_.ShowMessage(kMsgWarning, kMsgRecoNoDayFound);
    return start;
  }
  // A backward search ends at the lower limit even when the moon data ran out first.
  return step < 0 ? lowerLimit : upper;
}

char* RecoEvaluator::DayText(DayNumber d, char* pos, const char* end,
                             const RecoDayTextOptions& o) {
  if (pos < end) *pos = 0;
  char* const start = pos;
  const bool rich = o.formatted;
  const int font = o.printMode;
  const SlotMap members = tables_.SelectionMap(o.selection);

  if ((o.categoryFilter == 0 || o.categoryFilter == 3) && specialDays) {
    SpecialTextOptions so;
    so.rich = rich;
    so.fontChoice = font;
    so.oneLine = !o.heading && (o.separators & 2) != 0;
    so.holidays = settings.showHoliday;
    so.nameDays = settings.showNameday;
    so.birthdays = settings.showBirthday;
    YearTable year;
    pos = SpecialDaysText(pos, end, d, so, *specialDays, year, style);
  }
  if (!PrepareDay(d)) return pos;

  bool anyHit = false;
  char* lineBreakAt = nullptr;  // where the break after the previous hit starts
  int previousGroup = 0;
  bool ok = true;
  for (int n = 0; n < kRecoSlots && ok; ++n) {
    if (!members.Get(n)) continue;
    const RecoRecord& r = tables_.records[n];
    if (r.category == 0 || r.groupLink < 0) continue;
    if (o.categoryFilter != 0 && r.category != o.categoryFilter) continue;
    if (!Holds(r, day_)) continue;

    if (o.heading && !anyHit) {
      if (rich)
        pos = RtfControls(pos, end,
                          kRtfPard | kRtfNormal | kRtfBold | kRtfForeColour | RtfFore(kRtfMagenta),
                          font, 0, style, &ok);
      const std::string heading =
          std::string(o.headingText ? o.headingText : "").substr(0, kRecoHeadingMax) + ":";
      if (ok) pos = rich ? RtfPlainToRich(pos, end, heading.c_str(), &ok) : RtfRaw(pos, end, heading.c_str(), &ok);
      if (ok) pos = RtfLineBreak(pos, end, false, rich, &ok);
      if (!ok) break;
    }
    const bool joined = anyHit && ((o.separators & 2) != 0 ||
                                   ((o.separators & 1) != 0 && r.groupLink == previousGroup));
    if (joined) {
      pos = lineBreakAt;
      *pos = 0;
      pos = RtfRaw(pos, end, ", ", &ok);
    }
    const bool bold = (r.styleIndex & 5) != 0;
    const bool italic = (r.styleIndex & 6) != 0;
    if (rich && ok) {
      uint32_t set = (bold ? uint32_t{kRtfBold} : 0u) | (italic ? uint32_t{kRtfItalic} : 0u);
      if (!joined) {
        set |= kRtfPard | kRtfNormal;
        if (r.colorIndex != 0) set |= kRtfForeColour | RtfFore(r.colorIndex);
      } else {
        // On a joined line the previous hit's colour would otherwise run on.
        set |= kRtfForeColour | RtfFore(r.colorIndex);
      }
      pos = RtfControls(pos, end, set, font, 0, style, &ok);
    }
    if (ok) pos = rich ? RtfPlainToRich(pos, end, r.name, &ok) : RtfRaw(pos, end, r.name, &ok);
    if (rich && ok && (bold || italic))
      pos = RtfControls(pos, end,
                        (bold ? uint32_t{kRtfBoldOff} : 0u) | (italic ? uint32_t{kRtfItalicOff} : 0u),
                        font, 0, style, &ok);
    if (!ok) break;
    anyHit = true;
    lineBreakAt = pos;
    pos = RtfLineBreak(pos, end, false, rich, &ok);
    previousGroup = r.groupLink;
    if (static_cast<size_t>(pos - start) > o.maxLength) break;
  }
  if (rich && anyHit) pos = RtfControls(pos, end, kRtfPard, font, 0, style);
  return pos;
}

}  // namespace tw
