#include "events.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>

namespace tw::moondat {

namespace {

double Norm360(double a) {
  a = std::fmod(a, 360.0);
  return a < 0 ? a + 360.0 : a;
}

// a - b folded into [-180, 180).
double Diff180(double a, double b) { return Norm360(a - b + 180.0) - 180.0; }

// The moment in [before, after] where `f` turns from negative to non-negative, given its
// values there. Linear interpolation lands within seconds for these smooth quantities, so a
// bracket of a minute around that guess saves most of the bisection steps; bisection then
// narrows it below kBisectTolerance.
template <typename F>
double Locate(double before, double after, double fBefore, double fAfter, F f) {
  constexpr double kWindow = 30.0 / 86400;
  if (fAfter > fBefore) {
    double guess = before + (after - before) * (-fBefore / (fAfter - fBefore));
    double a = guess - kWindow, b = guess + kWindow;
    if (a > before && a < after) (f(a) >= 0 ? after : before) = a;
    if (b > before && b < after) (f(b) >= 0 ? after : before) = b;
  }
  while (after - before > kBisectTolerance) {
    double mid = 0.5 * (before + after);
    (f(mid) >= 0 ? after : before) = mid;
  }
  return 0.5 * (before + after);
}

// The quantities sampled at each lattice point.
struct Sample {
  double moonLon, moonLonJ2000, sunLon, sunLonJ2000;
  double moonLat, decSpeed, distSpeed;
};

Sample TakeSample(Ephemeris& eph, double jd) {
  Sample s;
  eph.MoonLongitudeLatitude(jd, &s.moonLon, &s.moonLat);
  s.moonLonJ2000 = eph.MoonLongitudeJ2000(jd);
  s.sunLon = eph.SunLongitude(jd);
  s.sunLonJ2000 = eph.SunLongitudeJ2000(jd);
  eph.MoonDeclination(jd, &s.decSpeed);
  eph.MoonDistance(jd, &s.distSpeed);
  return s;
}

int PhaseHalf(double moonLon, double sunLon) { return Norm360(moonLon - sunLon) < 180.0 ? 0 : 1; }

}  // namespace

int SignOf(double longitude) {
  int s = static_cast<int>(std::floor(Norm360(longitude) / 30.0));
  return s > 11 ? 11 : s;
}

int ConstellationOf(double longitude) {
  double l = Norm360(longitude);
  for (int c = 11; c >= 0; --c) {
    if (l >= kConstellationStart[c]) return c;
  }
  return 11;  // the part of Pisces below Aries' start
}

double FindTurn(Ephemeris& eph, RateQuantity quantity, double before, double after) {
  double v0, v1;
  (eph.*quantity)(before, &v0);
  (eph.*quantity)(after, &v1);
  double sign = v1 > 0 ? 1.0 : -1.0;
  return Locate(before, after, sign * v0, sign * v1, [&](double t) {
    double v;
    (eph.*quantity)(t, &v);
    return sign * v;
  });
}

namespace {

long FirstStep(double jdFrom) { return static_cast<long>(std::floor((jdFrom - kScanAnchor) / kScanStep)); }
long LastStep(double jdTo) { return static_cast<long>(std::ceil((jdTo - kScanAnchor) / kScanStep)); }

// Appends the events of the lattice steps first+1 .. last that lie in [jdFrom, jdTo]. Each
// step is examined on its own, so splitting a range never changes what is found.
bool ScanSteps(Ephemeris& eph, long first, long last, double jdFrom, double jdTo, EventLists* out,
               std::string* error) {
  bool ok = true;
  char msg[200];

  auto add = [&](EventKind kind, double jd, int value, double level) {
    if (jd >= jdFrom && jd <= jdTo) (*out)[static_cast<int>(kind)].push_back({kind, jd, value, level});
  };

  // A zodiac region changed between t0 and t1: locate the boundary of the new region.
  auto angular = [&](EventKind kind, double t0, double t1, double lon0, double lon1, int from, int to,
                     double boundary, double (Ephemeris::*longitude)(double)) {
    if (to != (from + 1) % 12) {
      std::snprintf(msg, sizeof msg, "kind %d jumps from %d to %d within one step at JD %.5f",
                    static_cast<int>(kind), from, to, t0);
      ok = false;
      return;
    }
    double jd = Locate(t0, t1, Diff180(lon0, boundary), Diff180(lon1, boundary),
                       [&](double t) { return Diff180((eph.*longitude)(t), boundary); });
    add(kind, jd, to, 0);
  };

  // A rate or the latitude changed sign between t0 and t1.
  auto turn = [&](double t0, double t1, double v0, double v1, auto value) {
    double sign = v1 > 0 ? 1.0 : -1.0;
    return Locate(t0, t1, sign * v0, sign * v1, [&](double t) { return sign * value(t); });
  };

  Sample prev = TakeSample(eph, kScanAnchor + first * kScanStep);
  for (long k = first + 1; k <= last && ok; ++k) {
    double t0 = kScanAnchor + (k - 1) * kScanStep;
    double t1 = kScanAnchor + k * kScanStep;
    Sample cur = TakeSample(eph, t1);

    int a = SignOf(prev.moonLon), b = SignOf(cur.moonLon);
    if (a != b)
      angular(EventKind::MoonSign, t0, t1, prev.moonLon, cur.moonLon, a, b, 30.0 * b,
              &Ephemeris::MoonLongitude);
    a = ConstellationOf(prev.moonLonJ2000), b = ConstellationOf(cur.moonLonJ2000);
    if (a != b)
      angular(EventKind::MoonConstellation, t0, t1, prev.moonLonJ2000, cur.moonLonJ2000, a, b,
              kConstellationStart[b], &Ephemeris::MoonLongitudeJ2000);
    a = SignOf(prev.sunLon), b = SignOf(cur.sunLon);
    if (a != b)
      angular(EventKind::SunSign, t0, t1, prev.sunLon, cur.sunLon, a, b, 30.0 * b, &Ephemeris::SunLongitude);
    a = ConstellationOf(prev.sunLonJ2000), b = ConstellationOf(cur.sunLonJ2000);
    if (a != b)
      angular(EventKind::SunConstellation, t0, t1, prev.sunLonJ2000, cur.sunLonJ2000, a, b,
              kConstellationStart[b], &Ephemeris::SunLongitudeJ2000);

    a = PhaseHalf(prev.moonLon, prev.sunLon), b = PhaseHalf(cur.moonLon, cur.sunLon);
    if (a != b) {
      double target = b == 0 ? 0.0 : 180.0;
      double jd = Locate(t0, t1, Diff180(prev.moonLon - prev.sunLon, target),
                         Diff180(cur.moonLon - cur.sunLon, target), [&](double t) {
                           return Diff180(eph.MoonLongitude(t) - eph.SunLongitude(t), target);
                         });
      add(EventKind::Phase, jd, b == 0 ? 1 : 0, 0);
    }

    if ((prev.decSpeed > 0) != (cur.decSpeed > 0)) {
      double jd = turn(t0, t1, prev.decSpeed, cur.decSpeed, [&](double t) {
        double v;
        eph.MoonDeclination(t, &v);
        return v;
      });
      add(EventKind::Height, jd, cur.decSpeed > 0 ? 1 : 0, eph.MoonDeclination(jd));
    }

    if ((prev.distSpeed > 0) != (cur.distSpeed > 0)) {
      double jd = turn(t0, t1, prev.distSpeed, cur.distSpeed, [&](double t) {
        double v;
        eph.MoonDistance(t, &v);
        return v;
      });
      // Receding turns into approaching at the apogee.
      add(EventKind::Distance, jd, cur.distSpeed > 0 ? 0 : 1, eph.MoonDistance(jd));
    }

    if ((prev.moonLat > 0) != (cur.moonLat > 0)) {
      double jd = turn(t0, t1, prev.moonLat, cur.moonLat, [&](double t) { return eph.MoonLatitude(t); });
      add(EventKind::Node, jd, cur.moonLat > 0 ? 1 : 0, 0);
    }
    prev = cur;
  }
  if (!ok) {
    if (error) *error = msg;
    return false;
  }
  if (eph.failed()) {
    if (error) *error = eph.error();
    return false;
  }
  return true;
}

}  // namespace

bool FindEvents(Ephemeris& eph, double jdFrom, double jdTo, EventLists* out, std::string* error) {
  for (auto& list : *out) list.clear();
  return ScanSteps(eph, FirstStep(jdFrom), LastStep(jdTo), jdFrom, jdTo, out, error);
}

bool FindEventsInParallel(const std::string& ephePath, double jdFrom, double jdTo, int threads,
                          EventLists* out, std::string* error) {
  // Fixed chunks, whatever the number of threads, merged in time order.
  constexpr long kChunkSteps = 2048;
  long first = FirstStep(jdFrom), last = LastStep(jdTo);
  long chunks = (last - first + kChunkSteps - 1) / kChunkSteps;
  std::vector<EventLists> found(static_cast<size_t>(chunks));
  std::vector<std::string> errors(static_cast<size_t>(chunks));
  std::vector<char> done(static_cast<size_t>(chunks), 0);
  std::atomic<long> next{0};
  auto work = [&] {
    // The library keeps its state per thread: each worker opens its own.
    Ephemeris eph;
    std::string openError;
    bool open = eph.Open(ephePath, &openError);
    for (long c = next++; c < chunks; c = next++) {
      long from = first + c * kChunkSteps, to = std::min(from + kChunkSteps, last);
      if (!open) {
        errors[c] = openError;
        continue;
      }
      done[c] = ScanSteps(eph, from, to, jdFrom, jdTo, &found[c], &errors[c]);
    }
  };
  // Only new threads do the work, so the caller's own ephemeris state stays untouched.
  if (threads < 1) threads = 1;
  std::vector<std::thread> pool;
  for (int i = 0; i < threads && i < chunks; ++i) pool.emplace_back(work);
  for (std::thread& t : pool) t.join();

  for (auto& list : *out) list.clear();
  for (long c = 0; c < chunks; ++c) {
    if (!done[c]) {
      if (error) *error = errors[c];
      return false;
    }
    for (int k = 0; k < kEventKindCount; ++k) {
      (*out)[k].insert((*out)[k].end(), found[c][k].begin(), found[c][k].end());
    }
  }
  return true;
}

}  // namespace tw::moondat
