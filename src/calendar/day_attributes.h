// The nine slot indices that recommendation conditions test for a day. A condition field
// keeps the two-bit mode of slot k in its bits 2k and 2k + 1.
#pragma once
#include "core/daynumber.h"
#include "calendar/moon_data.h"

namespace tw {

struct DayAttributes {
  int phase = 7;      // 0 new moon, 1..6 after it, 7 waxing, 8..13 before full moon, 16 full
                      // moon, 17..22 after it, 23 waning, 24..29 before new moon
  int height = 4;     // 0 lowest point, 1..3 after, 4 rising, 5..7 before, 8 highest,
                      // 9..11 after, 12 falling, 13..15 before the lowest point
  int distance = 4;   // 0 perigee, 1..3 after, 4 receding, 5..7 before, 8 apogee,
                      // 9..11 after, 12 approaching, 13..15 before the perigee
  int node = 14;      // 0..2 before a kind-1 node, 3 on it, 4..6 after, 7..9 before a
                      // kind-0 node, 10 on it, 11..13 after, 14 none near
  int sunSign = 0;    // 0..11, noon rule applied
  int moonSign = 0;   // 0..11, noon rule applied
  int month = 0;      // 0..11
  int weekday = 0;    // 0 Monday .. 6 Sunday
  int season = 0;     // 0 spring .. 3 winter, always from the sun's sign

  bool operator==(const DayAttributes&) const = default;
};

// Attributes of day d from the records of d and of the eight days on either side.
// monthIndex is the month − 1 and weekday the Monday-based weekday of d (the caller has
// them at hand). `sternbild` selects constellations instead of signs for the sun and moon
// sign. Returns false, leaving `out` alone, when d has no record. d is the day fetched last
// afterwards.
bool ComputeDayAttributes(MoonRecordSource& moon, DayNumber d, int monthIndex, int weekday,
                          bool sternbild, DayAttributes* out);
// The same, taking month and weekday from d.
bool ComputeDayAttributes(MoonRecordSource& moon, DayNumber d, bool sternbild, DayAttributes* out);

}  // namespace tw
