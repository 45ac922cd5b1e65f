// Thin wrapper over the Swiss Ephemeris: the few geocentric quantities the moon data needs.
// All times are Julian days in UT; angles in degrees, distances in AU.
#pragma once
#include <string>

namespace tw::moondat {

#ifdef MKMOONDAT_EPHE_PATH
constexpr const char* kDefaultEphePath = MKMOONDAT_EPHE_PATH;
#else
constexpr const char* kDefaultEphePath = "/usr/share/libswe/ephe";
#endif

// The Swiss Ephemeris keeps global state, so only one instance may be open at a time.
class Ephemeris {
 public:
  Ephemeris() = default;
  ~Ephemeris();
  Ephemeris(const Ephemeris&) = delete;
  Ephemeris& operator=(const Ephemeris&) = delete;

  // Fails when the ephemeris files are missing: the library would silently fall back to
  // its analytic theory, which is less precise and would change the data.
  bool Open(const std::string& path, std::string* error);

  // Apparent geocentric ecliptic longitude / latitude of date.
  double MoonLongitude(double jd);
  // Both at once, computed with the rates so that a declination at the same moment comes
  // from the library's cache.
  void MoonLongitudeLatitude(double jd, double* longitude, double* latitude);
  double MoonLatitude(double jd);
  double SunLongitude(double jd);
  // Astrometric direction on the J2000 ecliptic, for the constellations: the boundaries are
  // lines among catalogue stars, and the aberration that shifts the apparent sun by 20"
  // (8 minutes of its motion) shifts the stars behind it alike.
  double MoonLongitudeJ2000(double jd);
  double SunLongitudeJ2000(double jd);
  // Apparent geocentric declination of date and its rate (degrees per day).
  double MoonDeclination(double jd, double* speed = nullptr);
  // Geometric (instantaneous) Earth-Moon distance and its rate (AU per day).
  double MoonDistance(double jd, double* speed = nullptr);
  // Light-time-corrected range, as almanacs list it; used to compare with them. The rate
  // is a central difference.
  double MoonApparentRange(double jd, double* speed = nullptr);
  // Illuminated fraction of the disc, 0..1.
  double MoonIlluminatedFraction(double jd);
  // TT - UT in days at `jd`.
  double DeltaT(double jd);

  // True once any computation failed or did not use the ephemeris files.
  bool failed() const { return failed_; }
  const std::string& error() const { return error_; }

 private:
  double MoonLightTimeRange(double jd);
  void Calc(double jd, int body, int flags, double* xx);
  void Fail(const std::string& what);

  bool open_ = false;
  bool failed_ = false;
  std::string error_;
};

}  // namespace tw::moondat
