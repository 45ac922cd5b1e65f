// Values derived from one day record that the views, the side panel and the conditions share.
#pragma once
#include "calendar/moon_record.h"

namespace tw {

enum Element : int { kElementFire = 0, kElementEarth = 1, kElementAir = 2, kElementWater = 3 };

// A sign nibble of 12..15 can only come from a damaged file; it is read modulo 12 so
// that every table indexed by a sign stays within its 12 entries.
int SignIndex(int nibble);

// Element of a sign or constellation: 0 fire, 1 earth, 2 air, 3 water.
int ElementOf(int sign);

// Season of the day for the conditions: 0 spring (Aries..Gemini) .. 3 winter.
int SeasonOfDay(const MoonDayRecord& r);

// Season that starts on a day with a season event, 0..3 (message 3632 + it, picture 156 + it).
int SeasonStarted(const MoonDayRecord& r);

// Moon drawing 1..40: 20 is the full moon, 40 the new moon.
int PhasePicture(const MoonDayRecord& r);

// Drawn moon size in percent, 50 (apogee) .. 100 (perigee).
int MoonSizePercent(const MoonDayRecord& r);

// Position of the sun or the moon as the views name it: the sign with its sign-change time,
// or with `Sternbild` set, the constellation with its constellation-change time.
struct SkyPosition {
  int sign = 0;          // 0..11
  int changeTime = -1;   // minutes after midnight, or kNoEvent
};
SkyPosition SunPosition(const MoonDayRecord& r, bool sternbild);
SkyPosition MoonPosition(const MoonDayRecord& r, bool sternbild);

// The sign a day belongs to: a change after noon (12:01 or later) leaves the day in the
// previous sign.
int NoonSign(const SkyPosition& p);

}  // namespace tw
