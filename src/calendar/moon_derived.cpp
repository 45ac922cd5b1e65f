#include "calendar/moon_derived.h"

namespace tw {

int SignIndex(int nibble) { return nibble % 12; }

int ElementOf(int sign) { return sign % 4; }

int SeasonOfDay(const MoonDayRecord& r) { return SignIndex(r.sunSign()) / 3; }

int SeasonStarted(const MoonDayRecord& r) {
  // The sun may still be in Pisces when the record's day ends just before the equinox
  // event is rounded onto it: Pisces + 1 is Aries, spring, not a fifth season.
  return ((SignIndex(r.sunSign()) + 1) / 3) % 4;
}

int PhasePicture(const MoonDayRecord& r) {
  if (r.HasEvent(MoonEvent::Phase)) return r.waxing() ? 40 : 20;
  int illumination = r.illumination() > 100 ? 100 : r.illumination();
  int q = illumination * 20 / 100;
  int index = r.waxing() ? q : 40 - q;
  return index == 0 ? 40 : index;
}

int MoonSizePercent(const MoonDayRecord& r) {
  if (r.HasEvent(MoonEvent::Distance)) return r.approaching() ? 50 : 100;
  int distance = r.distance() > 100 ? 100 : r.distance();
  return 100 - distance / 2;
}

SkyPosition SunPosition(const MoonDayRecord& r, bool sternbild) {
  if (sternbild) return {SignIndex(r.sunConstellation()), r.sunConstellationTime()};
  return {SignIndex(r.sunSign()), r.sunSignTime()};
}

SkyPosition MoonPosition(const MoonDayRecord& r, bool sternbild) {
  if (sternbild) return {SignIndex(r.moonConstellation()), r.moonConstellationTime()};
  return {SignIndex(r.moonSign()), r.moonSignTime()};
}

int NoonSign(const SkyPosition& p) {
  if (p.changeTime >= 721) return p.sign == 0 ? 11 : p.sign - 1;
  return p.sign;
}

}  // namespace tw
