#include "ephemeris.h"

#include <swephexp.h>

#include <cmath>
#include <cstdio>

namespace tw::moondat {

Ephemeris::~Ephemeris() {
  if (open_) swe_close();
}

bool Ephemeris::Open(const std::string& path, std::string* error) {
  swe_set_ephe_path(path.c_str());
  open_ = true;
  failed_ = false;
  error_.clear();
  // One probe tells whether the moon file is really there.
  double xx[6];
  Calc(2451545.0, SE_MOON, SEFLG_SWIEPH, xx);
  if (failed_) {
    if (error) *error = error_;
    return false;
  }
  return true;
}

void Ephemeris::Fail(const std::string& what) {
  if (!failed_) error_ = what;
  failed_ = true;
}

void Ephemeris::Calc(double jd, int body, int flags, double* xx) {
  char serr[AS_MAXCH] = "";
  int32 ret = swe_calc_ut(jd, body, flags | SEFLG_SWIEPH, xx, serr);
  if (ret < 0) {
    Fail(std::string("ephemeris error: ") + serr);
  } else if (!(ret & SEFLG_SWIEPH)) {
    Fail(std::string("Swiss Ephemeris files not found, the library fell back to another theory: ") + serr);
  }
  if (failed_) {
    for (int i = 0; i < 6; ++i) xx[i] = 0;
  }
}

double Ephemeris::MoonLongitude(double jd) {
  double xx[6];
  Calc(jd, SE_MOON, 0, xx);
  return xx[0];
}

void Ephemeris::MoonLongitudeLatitude(double jd, double* longitude, double* latitude) {
  double xx[6];
  Calc(jd, SE_MOON, SEFLG_SPEED, xx);
  *longitude = xx[0];
  *latitude = xx[1];
}

double Ephemeris::MoonLatitude(double jd) {
  double xx[6];
  Calc(jd, SE_MOON, 0, xx);
  return xx[1];
}

double Ephemeris::SunLongitude(double jd) {
  double xx[6];
  Calc(jd, SE_SUN, 0, xx);
  return xx[0];
}

double Ephemeris::MoonLongitudeJ2000(double jd) {
  double xx[6];
  Calc(jd, SE_MOON, SEFLG_J2000 | SEFLG_ASTROMETRIC, xx);
  return xx[0];
}

double Ephemeris::SunLongitudeJ2000(double jd) {
  double xx[6];
  Calc(jd, SE_SUN, SEFLG_J2000 | SEFLG_ASTROMETRIC, xx);
  return xx[0];
}

double Ephemeris::MoonDeclination(double jd, double* speed) {
  double xx[6];
  Calc(jd, SE_MOON, SEFLG_EQUATORIAL | SEFLG_SPEED, xx);
  if (speed) *speed = xx[4];
  return xx[1];
}

double Ephemeris::MoonDistance(double jd, double* speed) {
  double xx[6];
  Calc(jd, SE_MOON, SEFLG_TRUEPOS | SEFLG_SPEED, xx);
  if (speed) *speed = xx[5];
  return xx[2];
}

double Ephemeris::MoonLightTimeRange(double jd) {
  // |Moon(t - tau) - Earth(t)| in the barycentric frame: the geocentric position one
  // light-time earlier, corrected for the Earth's own motion during that time.
  constexpr double kLightAuPerDay = 173.144632674;
  double earth[6], moon[6];
  Calc(jd, SE_EARTH, SEFLG_BARYCTR | SEFLG_J2000 | SEFLG_XYZ | SEFLG_TRUEPOS | SEFLG_SPEED, earth);
  Calc(jd, SE_MOON, SEFLG_J2000 | SEFLG_XYZ | SEFLG_TRUEPOS, moon);
  double tau = std::sqrt(moon[0] * moon[0] + moon[1] * moon[1] + moon[2] * moon[2]) / kLightAuPerDay;
  double range = 0;
  for (int pass = 0; pass < 3; ++pass) {
    Calc(jd - tau, SE_MOON, SEFLG_J2000 | SEFLG_XYZ | SEFLG_TRUEPOS, moon);
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
      double d = moon[i] - earth[3 + i] * tau;
      sum += d * d;
    }
    range = std::sqrt(sum);
    tau = range / kLightAuPerDay;
  }
  return range;
}

double Ephemeris::MoonApparentRange(double jd, double* speed) {
  if (speed) {
    constexpr double h = 1.0e-3;
    *speed = (MoonLightTimeRange(jd + h) - MoonLightTimeRange(jd - h)) / (2 * h);
  }
  return MoonLightTimeRange(jd);
}

double Ephemeris::MoonIlluminatedFraction(double jd) {
  double attr[20];
  char serr[AS_MAXCH] = "";
  int32 ret = swe_pheno_ut(jd, SE_MOON, SEFLG_SWIEPH, attr, serr);
  if (ret < 0 || !(ret & SEFLG_SWIEPH)) {
    Fail(std::string("ephemeris error (phase): ") + serr);
    return 0;
  }
  return attr[1];
}

double Ephemeris::DeltaT(double jd) {
  char serr[AS_MAXCH] = "";
  return swe_deltat_ex(jd, SEFLG_SWIEPH, serr);
}

}  // namespace tw::moondat
