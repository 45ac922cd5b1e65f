// Finding the moments of the moon and sun events: a fixed lattice of sample times is
// scanned for changes, and each change is bisected to a small fraction of a second.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "ephemeris.h"

namespace tw::moondat {

enum class EventKind : int {
  MoonSign = 0,
  MoonConstellation,
  SunSign,
  SunConstellation,
  Phase,
  Height,
  Distance,
  Node,
};
constexpr int kEventKindCount = 8;

// `value` is what the event turns the state into:
//   sign and constellation kinds: the index 0..11 entered;
//   Phase: 1 new moon, 0 full moon;      Height: 1 lowest point, 0 highest point;
//   Distance: 1 apogee, 0 perigee;       Node: 1 ascending node, 0 descending node.
// `level` is the declination (degrees) or distance (AU) at a height or distance extreme.
struct Event {
  EventKind kind;
  double jd;  // UT
  int value;
  double level;
};

using EventLists = std::array<std::vector<Event>, kEventKindCount>;

// Sample spacing and the time all sample lattices are anchored to. Anchoring makes the
// events of a part of the century identical to those of a whole-century run.
constexpr double kScanStep = 0.25;              // days
constexpr double kScanAnchor = 2433282.5;       // 1950-01-01 0h UT
constexpr double kBisectTolerance = 1.0e-6;     // days, about 0.09 s

// Start longitudes of the constellations on the J2000 ecliptic (IAU boundaries,
// Ophiuchus counted with Scorpius), Aries first.
constexpr double kConstellationStart[12] = {28.689,  53.419,  90.142,  117.989,
                                            138.040, 173.852, 217.812, 241.040,
                                            266.239, 299.657, 327.489, 351.653};

int SignOf(double longitude);
int ConstellationOf(double longitude);

// The moment in [before, after] where the rate of `quantity` changes sign (one change
// assumed): the extreme of a smooth quantity.
using RateQuantity = double (Ephemeris::*)(double jd, double* speed);
double FindTurn(Ephemeris& eph, RateQuantity quantity, double before, double after);

// Every event with a time in [jdFrom, jdTo], each list in time order. Fails on an ephemeris
// error or when a sign or constellation is skipped within one sample step. Extremes and
// nodes are at least nine days apart, far more than a step, so none can hide in one.
bool FindEvents(Ephemeris& eph, double jdFrom, double jdTo, EventLists* out, std::string* error);

// The same events, found by `threads` threads, each with its own ephemeris; the result does
// not depend on the number of threads.
bool FindEventsInParallel(const std::string& ephePath, double jdFrom, double jdTo, int threads,
                          EventLists* out, std::string* error);

}  // namespace tw::moondat
