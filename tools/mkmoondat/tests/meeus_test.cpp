// Every new moon, full moon and season start of the century against Meeus' series
// (Astronomical Algorithms, chapters 49 and 27): an independent theory, good to about
// 20 s for the phases and under a minute for the seasons over 1951..2050.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>

#include "test_support.h"

namespace tw::moondat::test {
namespace {

constexpr double kRad = M_PI / 180.0;
double Sin(double deg) { return std::sin(std::fmod(deg, 360.0) * kRad); }
double Cos(double deg) { return std::cos(std::fmod(deg, 360.0) * kRad); }

// JDE of the new moon (k whole) or full moon (k + 0.5), Meeus chapter 49.
double MeeusPhase(double k) {
  double T = k / 1236.85, T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
  double E = 1 - 0.002516 * T - 0.0000074 * T2;
  double M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
  double Mp = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
  double F = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
  double Om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;
  bool full = std::fabs(k - std::floor(k) - 0.5) < 1e-9;
  double c = (full ? -0.40614 : -0.40720) * Sin(Mp) + (full ? 0.17302 : 0.17241) * E * Sin(M) +
             (full ? 0.01614 : 0.01608) * Sin(2 * Mp) + (full ? 0.01043 : 0.01039) * Sin(2 * F) +
             (full ? 0.00734 : 0.00739) * E * Sin(Mp - M) - (full ? 0.00515 : 0.00514) * E * Sin(Mp + M) +
             (full ? 0.00209 : 0.00208) * E * E * Sin(2 * M) - 0.00111 * Sin(Mp - 2 * F) -
             0.00057 * Sin(Mp + 2 * F) + 0.00056 * E * Sin(2 * Mp + M) - 0.00042 * Sin(3 * Mp) +
             0.00042 * E * Sin(M + 2 * F) + 0.00038 * E * Sin(M - 2 * F) - 0.00024 * E * Sin(2 * Mp - M) -
             0.00017 * Sin(Om) - 0.00007 * Sin(Mp + 2 * M) + 0.00004 * Sin(2 * Mp - 2 * F) +
             0.00004 * Sin(3 * M) + 0.00003 * Sin(Mp + M - 2 * F) + 0.00003 * Sin(2 * Mp + 2 * F) -
             0.00003 * Sin(Mp + M + 2 * F) + 0.00003 * Sin(Mp - M + 2 * F) - 0.00002 * Sin(Mp - M - 2 * F) -
             0.00002 * Sin(3 * Mp + M) + 0.00002 * Sin(4 * Mp);
  const double a[14][3] = {{299.77, 0.107408, 0.000325}, {251.88, 0.016321, 0.000165},
                           {251.83, 26.651886, 0.000164}, {349.42, 36.412478, 0.000126},
                           {84.66, 18.206239, 0.000110},  {141.74, 53.303771, 0.000062},
                           {207.14, 2.453732, 0.000060},  {154.84, 7.306860, 0.000056},
                           {34.52, 27.261239, 0.000047},  {207.19, 0.121824, 0.000042},
                           {291.34, 1.844379, 0.000040},  {161.72, 24.198154, 0.000037},
                           {239.56, 25.513099, 0.000035}, {331.55, 3.592518, 0.000023}};
  double extra = 0;
  for (int i = 0; i < 14; ++i) {
    double arg = a[i][0] + a[i][1] * k - (i == 0 ? 0.009173 * T2 : 0);
    extra += a[i][2] * Sin(arg);
  }
  return jde + c + extra;
}

// JDE of the March equinox (season 0) .. December solstice (3), Meeus chapter 27.
double MeeusSeason(int year, int season) {
  const double base[4][5] = {{2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
                             {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
                             {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
                             {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032}};
  double Y = (year - 2000) / 1000.0;
  const double* b = base[season];
  double jde0 = b[0] + b[1] * Y + b[2] * Y * Y + b[3] * Y * Y * Y + b[4] * Y * Y * Y * Y;
  double T = (jde0 - 2451545.0) / 36525;
  double W = 35999.373 * T - 2.47;
  double dl = 1 + 0.0334 * Cos(W) + 0.0007 * Cos(2 * W);
  const double terms[24][3] = {
      {485, 324.96, 1934.136}, {203, 337.23, 32964.467}, {199, 342.08, 20.186},  {182, 27.85, 445267.112},
      {156, 73.14, 45036.886}, {136, 171.52, 22518.443}, {77, 222.54, 65928.934}, {74, 296.72, 3034.906},
      {70, 243.58, 9037.513},  {58, 119.81, 33718.147},  {52, 297.17, 150.678},   {50, 21.02, 2281.226},
      {45, 247.54, 29929.562}, {44, 325.15, 31555.956},  {29, 60.93, 4443.417},   {18, 155.12, 67555.328},
      {17, 288.79, 4562.452},  {16, 198.04, 62894.029},  {14, 199.76, 31436.921}, {12, 95.39, 14577.848},
      {12, 287.11, 31931.756}, {12, 320.81, 34777.259},  {9, 227.73, 1222.114},   {8, 15.45, 16859.074}};
  double S = 0;
  for (const auto& t : terms) S += t[0] * Cos(t[1] + t[2] * T);
  return jde0 + 0.00001 * S / dl;
}

TEST(MeeusSeries, ReproduceTheBooksWorkedExamples) {
  EXPECT_NEAR(MeeusPhase(-283), 2443192.65118, 2e-5);     // example 49.a, new moon 1977 Feb 18
  EXPECT_NEAR(MeeusSeason(1962, 1), 2437837.39245, 2e-5);  // example 27.a, June solstice 1962
}

class Century : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(TW_SOURCE_DIR "/data/Moon.dat", std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes_.size(), 584400u);
  }
  MoonDayRecord At(DayNumber d) const {
    return MoonDayRecord::FromBytes(&bytes_[static_cast<size_t>(d - kFirstMoonDay) * kMoonRecordSize]);
  }
  // Minutes from the data's event of `field` (matching `want`) to the TT moment `jde`;
  // 9999 when the data has none within a day. Counts the matches.
  int Difference(double jde, MoonEvent field, const std::function<bool(const MoonDayRecord&)>& want,
                 int* matched) {
    double jd = jde - SharedEphemeris().DeltaT(jde);
    LocalClock clock(60);
    int64_t minute = clock.RoundedMinute(jd);
    DayNumber day = LocalClock::DayOf(minute);
    for (DayNumber d = day - 1; d <= day + 1; ++d) {
      if (d < kFirstMoonDay || d > kLastMoonDay) continue;
      MoonDayRecord r = At(d);
      if (!r.HasEvent(field) || !want(r)) continue;
      ++*matched;
      // Compared with the unrounded moment: the data's own rounding adds up to 30 s.
      double got = static_cast<double>(d - kFirstMoonDay) * 1440 + r.EventTime(field);
      return static_cast<int>(std::lround(got - (jd - clock.Midnight(kFirstMoonDay)) * 1440));
    }
    return 9999;
  }
  std::vector<uint8_t> bytes_;
};

TEST_F(Century, EveryNewAndFullMoonWithinAMinuteOfMeeus) {
  LocalClock clock(60);
  int matched[2] = {}, worst[2] = {};
  for (double k = -623; k <= 624.5; k += 0.5) {
    double jde = MeeusPhase(k);
    double jd = jde - SharedEphemeris().DeltaT(jde);
    int64_t m = clock.RoundedMinute(jd);
    // Skip phases within a minute of the data's ends.
    if (m < 1 || m > static_cast<int64_t>(kLastMoonDay - kFirstMoonDay + 1) * 1440 - 2) continue;
    bool full = k != std::floor(k);
    int diff = Difference(jde, MoonEvent::Phase, [&](const MoonDayRecord& r) { return r.waxing() != full; },
                          &matched[full]);
    EXPECT_LE(std::abs(diff), 1) << (full ? "full" : "new") << " moon k=" << k;
    if (std::abs(diff) > std::abs(worst[full])) worst[full] = diff;
  }
  EXPECT_EQ(matched[0], 1237);
  EXPECT_EQ(matched[1], 1237);
  std::printf("  worst against Meeus: new moon %+d min, full moon %+d min\n", worst[0], worst[1]);
}

TEST_F(Century, EverySeasonStartWithinAMinuteOfMeeus) {
  int matched = 0, worst = 0;
  for (int year = 1950; year <= 2049; ++year) {
    for (int s = 0; s < 4; ++s) {
      int diff = Difference(MeeusSeason(year, s), MoonEvent::Season,
                            [&](const MoonDayRecord& r) { return r.sunSign() == 3 * s; }, &matched);
      EXPECT_LE(std::abs(diff), 1) << year << " season " << s;
      if (std::abs(diff) > std::abs(worst)) worst = diff;
    }
  }
  EXPECT_EQ(matched, 400);
  std::printf("  worst against Meeus: season start %+d min\n", worst);
}

}  // namespace
}  // namespace tw::moondat::test
