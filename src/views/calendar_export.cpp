#include "views/calendar_export.h"

#include <cstdio>
#include <cstring>

#include "calendar/day_attributes.h"
#include "calendar/day_report.h"
#include "calendar/moon_derived.h"
#include "calendar/special_days.h"
#include "core/cp1252.h"
#include "reco/reco_eval.h"
#include "reco/reco_vocabulary.h"
#include "views/calendar_cells.h"

namespace tw {

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kMezOffsetMinutes = 60;  // the moon data's times are UTC+1 all year

const char* const kElementNames[4] = {"Feuer", "Erde", "Luft", "Wasser"};
const char* const kSeasonStarts[4] = {"Frühlingsanfang", "Sommeranfang", "Herbstanfang",
                                      "Winteranfang"};

std::string TimeOrEmpty(int minutes) { return minutes == kNoEvent ? std::string() : EventClock(minutes); }

std::string SignName(int sign) { return CondSlotWord(CondField::MoonSign, SignIndex(sign)); }

std::string Joined(const std::vector<std::string>& names, const char* separator) {
  std::string out;
  for (const std::string& n : names) out += (out.empty() ? "" : separator) + n;
  return out;
}

// The basic form of a date that iCalendar and the UIDs use.
std::string YyyyMmDd(DayNumber d) {
  const std::string iso = IsoDate(d);
  return iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2);
}

// FNV-1a: a holiday's UID must not change when other holidays are added to the file.
uint32_t NameHash(std::string_view text) {
  uint32_t h = 2166136261u;
  for (char c : text) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  return h;
}

const char* PhaseText(const MoonDayRecord& r) {
  if (r.HasEvent(MoonEvent::Phase)) return r.waxing() ? "Neumond" : "Vollmond";
  return r.waxing() ? "zunehmend" : "abnehmend";
}
const char* HeightText(const MoonDayRecord& r) {
  if (r.HasEvent(MoonEvent::Height)) return r.ascending() ? "Tiefstand" : "Höchststand";
  return r.ascending() ? "aufsteigend" : "absteigend";
}
const char* DistanceText(const MoonDayRecord& r) {
  if (r.HasEvent(MoonEvent::Distance)) return r.approaching() ? "Erdferne" : "Erdnähe";
  return r.approaching() ? "annähernd" : "entfernend";
}
const char* NodeText(const MoonDayRecord& r) {
  if (!r.HasEvent(MoonEvent::Node)) return "";
  return r.nodeKind() ? "aufsteigender Knoten" : "absteigender Knoten";
}

std::vector<std::string> CategoryNames(const ExportDay& day, int category) {
  std::vector<std::string> out;
  for (const HoldingRecommendation& h : day.recommendations)
    if (h.category == category) out.push_back(h.name);
  return out;
}

void AddCsv(std::string& row, const std::string& cp1252) {
  if (!row.empty()) row += ',';
  row += CsvField(Cp1252ToUtf8(cp1252));
}

// One content line "NAME:value" (value already escaped or a plain date), folded.
void IcsLine(std::string& out, std::string_view name, const std::string& value) {
  std::string line(name);
  line += ':';
  line += value;
  out += IcsFold(line);
}

struct TimedEvent {
  MoonEvent event;
  const char* uidKind;
};

void IcsTimedEvent(std::string& out, const ExportDay& day, const char* uidKind, int minutes,
                   const std::string& summary, std::string_view stamp) {
  out += "BEGIN:VEVENT\r\n";
  IcsLine(out, "UID", YyyyMmDd(day.day) + "-" + uidKind + "@tidewell");
  IcsLine(out, "DTSTAMP", std::string(stamp));
  IcsLine(out, "DTSTART", MezToUtcStamp(day.day, minutes));
  IcsLine(out, "SUMMARY", IcsText(Cp1252ToUtf8(summary)));
  IcsLine(out, "DESCRIPTION", IcsText(Cp1252ToUtf8(summary + ", " + IsoDate(day.day) + " " +
                                                   EventClock(minutes) + " MEZ")));
  out += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
}

void IcsAllDayEvent(std::string& out, const ExportDay& day, const std::string& uid,
                    const std::string& summary, const std::string& description, std::string_view stamp) {
  out += "BEGIN:VEVENT\r\n";
  IcsLine(out, "UID", uid);
  IcsLine(out, "DTSTAMP", std::string(stamp));
  IcsLine(out, "DTSTART;VALUE=DATE", YyyyMmDd(day.day));
  IcsLine(out, "DTEND;VALUE=DATE", YyyyMmDd(day.day + 1));
  IcsLine(out, "SUMMARY", IcsText(Cp1252ToUtf8(summary)));
  if (!description.empty()) IcsLine(out, "DESCRIPTION", IcsText(Cp1252ToUtf8(description)));
  out += "TRANSP:TRANSPARENT\r\nEND:VEVENT\r\n";
}

}  // namespace

bool ExportCollector::Collect(DayNumber d, ExportDay* out) {
  ExportDay e;
  e.day = d;
  int y = 0;
  DateFromDay(d, &y);
  if (special_ && year_.year != y) year_.Compute(d, special_);
  if (special_) {
    for (const SpecialDay& s : special_->entries) {
      if (!s.active() || s.day != d) continue;
      // Entries filled by hand may use all bytes of the name without a NUL.
      std::string name(s.name, strnlen(s.name, sizeof s.name));
      (s.category() == kSpecialHoliday    ? e.holidays
       : s.category() == kSpecialNameDay  ? e.nameDays
                                          : e.birthdays)
          .push_back(name);
    }
  }
  if (reco_) {
    RecoDay recoDay;
    if (!PrepareRecoDay(moon_, d, sternbild_, &recoDay)) return false;
    e.recommendations = HoldingRecommendations(*reco_, recoDay, selection_);
  }
  const MoonDayRecord* r = moon_.Fetch(d);
  if (!r) return false;
  e.record = *r;
  *out = std::move(e);
  return true;
}

// --- CSV ------------------------------------------------------------------------------

std::string CsvField(std::string_view utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(utf8);
  std::string out = "\"";
  for (char c : utf8) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string CsvHeader(bool sternbild) {
  const char* const names[] = {
      "Datum", "Wochentag", "Mondzeichen", "Mondzeichen Zeit (MEZ)", "Mondsternbild",
      "Mondsternbild Zeit (MEZ)", "Phase", "Phase Zeit (MEZ)", "Beleuchtung (%)", "Höhe",
      "Höhe Zeit (MEZ)", "Entfernung", "Entfernung Zeit (MEZ)", "Knoten", "Knoten Zeit (MEZ)",
      sternbild ? "Sonnensternbild" : "Sonnenzeichen",
      sternbild ? "Sonnensternbild Zeit (MEZ)" : "Sonnenzeichen Zeit (MEZ)", "Jahreszeitbeginn",
      "Jahreszeitbeginn Zeit (MEZ)", "Element", "Pflanzzeit", "Feiertage", "Namenstage",
      "Geburtstage"};
  std::string row;
  for (const char* n : names) AddCsv(row, n);
  for (const std::string& label : RecoCategoryLabels()) AddCsv(row, label);
  return row + "\r\n";
}

std::string CsvRow(const ExportDay& day, bool sternbild) {
  const MoonDayRecord& r = day.record;
  const SkyPosition sun = SunPosition(r, sternbild);
  std::string row;
  AddCsv(row, IsoDate(day.day));
  AddCsv(row, CondSlotWord(CondField::Weekday, WeekdayMonday(day.day)));
  AddCsv(row, SignName(r.moonSign()));
  AddCsv(row, TimeOrEmpty(r.moonSignTime()));
  AddCsv(row, SignName(r.moonConstellation()));
  AddCsv(row, TimeOrEmpty(r.moonConstellationTime()));
  AddCsv(row, PhaseText(r));
  AddCsv(row, TimeOrEmpty(r.phaseTime()));
  AddCsv(row, r.HasEvent(MoonEvent::Phase) ? "" : std::to_string(r.illumination()));
  AddCsv(row, HeightText(r));
  AddCsv(row, TimeOrEmpty(r.heightTime()));
  AddCsv(row, DistanceText(r));
  AddCsv(row, TimeOrEmpty(r.distanceTime()));
  AddCsv(row, NodeText(r));
  AddCsv(row, TimeOrEmpty(r.nodeTime()));
  AddCsv(row, SignName(sun.sign));
  AddCsv(row, TimeOrEmpty(sun.changeTime));
  AddCsv(row, r.HasEvent(MoonEvent::Season) ? kSeasonStarts[SeasonStarted(r)] : "");
  AddCsv(row, TimeOrEmpty(r.seasonTime()));
  AddCsv(row, kElementNames[ElementOf(MoonPosition(r, sternbild).sign)]);
  AddCsv(row, IsPlantingTime(r) ? "ja" : "nein");
  AddCsv(row, Joined(day.holidays, ", "));
  AddCsv(row, Joined(day.nameDays, ", "));
  AddCsv(row, Joined(day.birthdays, ", "));
  for (int c = 1; c <= kRecoCategories; ++c) AddCsv(row, Joined(CategoryNames(day, c), ", "));
  return row + "\r\n";
}

// --- iCalendar ------------------------------------------------------------------------

std::string MezToUtcStamp(DayNumber d, int minutes) {
  int64_t total = static_cast<int64_t>(d) * kMinutesPerDay + minutes - kMezOffsetMinutes;
  const DayNumber utcDay = static_cast<DayNumber>(total / kMinutesPerDay - (total % kMinutesPerDay < 0));
  const int rest = static_cast<int>(total - static_cast<int64_t>(utcDay) * kMinutesPerDay);
  char buf[24];
  std::snprintf(buf, sizeof buf, "%sT%02d%02d00Z", YyyyMmDd(utcDay).c_str(), rest / 60, rest % 60);
  return buf;
}

std::string IcsText(std::string_view utf8) {
  std::string out;
  for (char c : utf8) {
    if (c == '\\' || c == ';' || c == ',') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c != '\r') {
      out += c;
    }
  }
  return out;
}

std::string IcsFold(std::string_view line) {
  constexpr size_t kMaxOctets = 75;
  std::string out;
  size_t room = kMaxOctets, used = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    // A UTF-8 sequence moves to the next line whole.
    size_t len = 1;
    const uint8_t lead = static_cast<uint8_t>(line[i]);
    if (lead >= 0xC0) {
      while (i + len < line.size() && (static_cast<uint8_t>(line[i + len]) & 0xC0) == 0x80) ++len;
    }
    if (used + len > room) {
      out += "\r\n ";
      room = kMaxOctets - 1;
      used = 0;
    }
    out.append(line.substr(i, len));
    used += len;
    i += len - 1;
  }
  return out + "\r\n";
}

std::string IcsBegin() {
  return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tidewell//twcal export//DE\r\n"
         "CALSCALE:GREGORIAN\r\nMETHOD:PUBLISH\r\nX-WR-CALNAME:Tidewell Mondkalender\r\n";
}

std::string IcsEnd() { return "END:VCALENDAR\r\n"; }

std::string IcsDay(const ExportDay& day, bool sternbild, int selection, std::string_view stamp) {
  const MoonDayRecord& r = day.record;
  std::string out;
  if (r.HasEvent(MoonEvent::Phase))
    IcsTimedEvent(out, day, "phase", r.phaseTime(), PhaseText(r), stamp);
  const SkyPosition moon = MoonPosition(r, sternbild), sun = SunPosition(r, sternbild);
  const char* in = sternbild ? " im Sternbild " : " im Zeichen ";
  if (moon.changeTime != kNoEvent)
    IcsTimedEvent(out, day, sternbild ? "moonconstellation" : "moonsign", moon.changeTime,
                  std::string("Mond") + in + SignName(moon.sign), stamp);
  if (sun.changeTime != kNoEvent)
    IcsTimedEvent(out, day, sternbild ? "sunconstellation" : "sunsign", sun.changeTime,
                  std::string("Sonne") + in + SignName(sun.sign), stamp);
  if (r.HasEvent(MoonEvent::Node)) IcsTimedEvent(out, day, "node", r.nodeTime(), NodeText(r), stamp);
  if (r.HasEvent(MoonEvent::Distance))
    IcsTimedEvent(out, day, "distance", r.distanceTime(),
                  r.approaching() ? "Apogäum (Erdferne)" : "Perigäum (Erdnähe)", stamp);
  for (const std::string& name : day.holidays) {
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x", NameHash(name));
    IcsAllDayEvent(out, day, YyyyMmDd(day.day) + "-holiday-" + hash + "@tidewell", name, "", stamp);
  }
  if (!day.recommendations.empty()) {
    std::vector<std::string> all;
    std::string description;
    for (int c = 1; c <= kRecoCategories; ++c) {
      std::vector<std::string> names = CategoryNames(day, c);
      if (names.empty()) continue;
      all.insert(all.end(), names.begin(), names.end());
      description += (description.empty() ? "" : "\n") + RecoCategoryLabels()[c - 1] + ": " + Joined(names, ", ");
    }
    IcsAllDayEvent(out, day,
                   YyyyMmDd(day.day) + "-reco-" + std::to_string(selection) + "@tidewell",
                   "Empfehlungen: " + Joined(all, ", "), description, stamp);
  }
  return out;
}

}  // namespace tw
