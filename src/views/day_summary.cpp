#include "views/day_summary.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "calendar/moon_derived.h"
#include "reco/reco_eval.h"

namespace tw {

namespace {

constexpr size_t kSummaryBufferSize = 16384;
constexpr size_t kTimePrefixMax = 7;

std::string Message(const CellContext& ctx, int id) { return ctx.message ? ctx.message(id) : std::string(); }

std::string SignName(const CellContext& ctx, int sign) { return Message(ctx, 3502 + sign); }
std::string ElementName(const CellContext& ctx, int element) { return Message(ctx, 3700 + element); }

}  // namespace

std::string SummaryTime(int minutes, const std::string& prefix, bool leadingZero) {
  char buf[32];
  const std::string p = prefix.substr(0, kTimePrefixMax);
  std::snprintf(buf, sizeof buf, leadingZero ? " %s%02d:%02d" : " %s%d:%02d", p.c_str(), minutes / 60,
                minutes % 60);
  return buf;
}

std::string BuildDaySummary(MoonRecordSource& moon, RecoEvaluator* eval, const SummaryRequest& q,
                            const CellContext& ctx) {
  auto buffer = std::make_unique<char[]>(kSummaryBufferSize);
  RtfWriter w(buffer.get(), kSummaryBufferSize, ctx.style);
  const int font = ctx.fontChoice;
  const int mask = q.dataMask;
  const bool zero = ctx.style.timeLeadingZero;
  const std::string prefix = Message(ctx, 4000);
  auto time = [&](int minutes) { return SummaryTime(minutes, prefix, zero); };

  w.Controls(kRtfHeader | kRtfNormal, font);
  if (mask & kSummaryDate) {
    w.Text((Message(ctx, 3671 + WeekdayIso(q.day)) + ", ").c_str());
    char date[64];
    FormatDay(date, date + sizeof date, ctx.dates, q.day, false, false);
    w.Text(date);
  }
  if (mask & kSummaryAge) {
    if (mask & kSummaryDate) w.Text(", ");
    const long age = static_cast<long>(q.day) - q.birthday + 1;
    char number[24];
    std::snprintf(number, sizeof number, "%ld ", age);
    w.Text((Message(ctx, 3041) + number + Message(ctx, age == 1 ? 3044 : 3042)).c_str());
  }
  if (mask & (kSummaryDate | kSummaryAge)) w.LineBreak();

  const MoonDayRecord* rp = moon.Fetch(q.day);
  if (!rp) return w.c_str();
  const MoonDayRecord r = *rp;  // the recommendation text below fetches other days

  if ((mask & kSummarySeason) && r.HasEvent(MoonEvent::Season)) {
    w.Text((Message(ctx, 3632 + SeasonStarted(r)) + time(r.seasonTime())).c_str());
    w.LineBreak();
  }
  if (mask & kSummarySun) {
    const SkyPosition sun = SunPosition(r, ctx.sternbild);
    std::string line = Message(ctx, 3500) + SignName(ctx, sun.sign);
    if (sun.changeTime != kNoEvent) line += time(sun.changeTime) + " ";
    w.Text(line.c_str());
    w.LineBreak();
  }
  if (mask & kSummaryMoon) {
    const SkyPosition m = MoonPosition(r, ctx.sternbild);
    const bool changedDuringDay = m.changeTime != kNoEvent && m.changeTime != 0;
    std::string line = Message(ctx, 3501);
    if (changedDuringDay) line += SignName(ctx, PreviousSign(m.sign)) + ", ";
    line += SignName(ctx, m.sign);
    if (m.changeTime != kNoEvent) line += time(m.changeTime);
    line += " (";
    if (changedDuringDay) line += ElementName(ctx, ElementOf(PreviousSign(m.sign))) + "/";
    line += ElementName(ctx, ElementOf(m.sign));
    if (IsPlantingTime(r)) line += " - " + Message(ctx, 3704);
    line += ")";
    w.Text(line.c_str());
  }
  if (mask & (kSummarySun | kSummaryMoon)) w.LineBreak();

  if (mask & kSummaryPhase) {
    std::string s;
    if (r.HasEvent(MoonEvent::Phase))
      s = Message(ctx, r.waxing() ? 3523 : 3525) + time(r.phaseTime());
    else
      s = Message(ctx, r.waxing() ? 3524 : 3526);
    w.Text((s + ", ").c_str());
  }
  if (mask & kSummaryHeight) {
    std::string s;
    if (r.HasEvent(MoonEvent::Height))
      s = Message(ctx, r.ascending() ? 3561 : 3563) + time(r.heightTime());
    else
      s = Message(ctx, r.ascending() ? 3562 : 3564);
    w.Text((s + ", ").c_str());
  }
  if (mask & kSummaryDistance) {
    std::string s;
    if (r.HasEvent(MoonEvent::Distance))
      s = Message(ctx, r.approaching() ? 3580 : 3578) + time(r.distanceTime());
    else
      s = Message(ctx, r.approaching() ? 3581 : 3579);
    w.Text(s.c_str());
    w.LineBreak();
  }
  if ((mask & kSummaryNode) && r.HasEvent(MoonEvent::Node)) {
    w.Controls(kRtfSymbol, font).Char(r.nodeKind() ? kGlyphNode1 : kGlyphNode0).Controls(kRtfNormal, font);
    w.Text(SummaryTime(r.nodeTime(), "", zero).c_str());
    w.LineBreak();
  }
  if ((mask & kSummaryReco) && eval) {
    RecoDayTextOptions o;
    o.categoryFilter = 0;
    o.heading = true;
    const std::string heading = Message(ctx, 4003);
    o.headingText = heading.c_str();
    o.formatted = true;
    o.printMode = font;
    o.separators = q.separators;
    o.selection = q.showAllRecommendations ? 0 : q.selection;
    o.maxLength = kSummaryBufferSize - 2048;
    char* const bufEnd = buffer.get() + kSummaryBufferSize;
    char* p = eval->DayText(q.day, w.pos(), bufEnd, o);
    return std::string(buffer.get(), p);
  }
  return w.c_str();
}

const std::array<LegendEntry, 23> kGlyphLegend = {{
    {"P", 3502}, {"Q", 3503}, {"R", 3504}, {"S", 3505}, {"T", 3506}, {"U", 3507},
    {"V", 3508}, {"W", 3509}, {"X", 3510}, {"Y", 3511}, {"Z", 3512}, {"[", 3513},
    {"\xAF", 3523}, {"\x91", 3524}, {"\x9B", 3525}, {"\xA5", 3526},
    {"p", 3561}, {"q", 3562}, {"r", 3563}, {"s", 3564},
    {"u", 3578}, {"t", 3580}, {"n o", 3699},
}};

std::string BuildGlyphLegend(const RhythmLabels& labels, const CellContext& ctx) {
  auto buffer = std::make_unique<char[]>(kSummaryBufferSize);
  RtfWriter w(buffer.get(), kSummaryBufferSize, ctx.style);
  const int font = ctx.fontChoice;
  w.Controls(kRtfHeader | kRtfNormal, font, 0);
  w.Text(Message(ctx, 3149).c_str()).LineBreak();
  for (const LegendEntry& e : kGlyphLegend) {
    w.Controls(kRtfSymbol, font);
    for (const char* c = e.glyphs; *c; ++c) w.Char(*c);
    w.Controls(kRtfNormal | kRtfTab, font).Text(Message(ctx, e.message).c_str()).LineBreak();
  }
  w.LineBreak();
  for (const RhythmLabel& l : labels) {
    w.Controls(kRtfForeColour | RtfFore(kRtfMagenta), font).Char(l.Letter());
    w.Controls(kRtfForeColour | RtfFore(kRtfBlack) | kRtfTab, font).Text(l.Name()).LineBreak();
  }
  w.LineBreak();
  return w.c_str();
}

SidePanelLayout LayoutSidePanel(int W, int H, int buttonW, int buttonH, int t, int infoHeight,
                                int legendHeight) {
  SidePanelLayout l;
  const int P = std::max(0, std::min({W / 4 * 5, H / 2, 200}));
  l.picture = {2, 2, std::max(0, W - 4), P};
  l.button = {(W - buttonW) / 2, H - 2 - buttonH, buttonW, buttonH};
  const int B = l.button.y - 2;
  const int T = P + 4;
  const int A = std::max(0, B - T - 2 - 2 * t);
  const int fifth = A / 5;
  int N = infoHeight > 0 ? infoHeight : A;
  N = std::max(32, N);
  N = std::min(N, std::max(0, fifth * 4));
  int L = std::max(0, legendHeight);
  int S = A - N - L;
  if (S < fifth) {
    S = fifth;
    L = A - N - S;
    if (L < 0) {
      L = 0;
      N = A - S;
    }
  }
  l.noteHeight = N;
  l.legendHeight = L;
  l.summary = {2, T, std::max(0, W - 4), S};
  l.legend = {2, T + S + t + 1, std::max(0, W - 4), L};
  l.note = {2, B - N, std::max(0, W - 4), N};
  l.splitter1 = T + S;
  l.splitter2 = B - N - t - 1;
  l.dragLow = B - fifth * 4 + 1;
  l.dragHigh = B - 32 - t;
  return l;
}

MoonPictureLayout LayoutMoonPicture(const MoonDayRecord& r, int previousHeight, bool sternbild, int W, int H,
                                    int stripW, int stripH, int moonBitmapW, int markerH) {
  MoonPictureLayout m;
  const int x0 = W - 2 - stripW;
  const int y0 = H - 2 - stripH;
  m.stripX = x0;
  m.stripY = y0;

  m.moonBitmap = 97 + PhasePicture(r);
  m.moonSize = std::max(0, std::min(moonBitmapW, x0 - 8)) * MoonSizePercent(r) / 100;
  int h = std::min(100, r.height());
  if (r.HasEvent(MoonEvent::Height)) {
    if (r.ascending())
      h = previousHeight < 0 ? 0 : (previousHeight > 2 ? previousHeight - 2 : previousHeight);
    else
      h = previousHeight < 0 ? 100 : (previousHeight < 98 ? previousHeight + 2 : previousHeight);
    h = std::clamp(h, 0, 100);
  }
  const int s = m.moonSize;
  m.moonX = (x0 - s) / 2;
  // Two pixels of sky stay free above the highest and below the lowest moon.
  m.moonY = H - s - 2 - (H - 4 - s) * h / 100;

  const SkyPosition moon = MoonPosition(r, sternbild);
  m.elementIndex = ElementOf(moon.sign);
  m.elementX = x0 + 3;
  m.elementY = y0 + 109;
  m.signBitmap = 139 + moon.sign;
  m.signX = x0 + 24;
  m.signY = y0 + 109;
  if (r.HasEvent(MoonEvent::Node)) {
    m.nodeBitmap = r.nodeKind() ? 96 : 97;
    m.nodeX = x0 + 3;
    m.nodeY = y0 + 91;
  }
  if (r.HasEvent(MoonEvent::Season)) {
    m.seasonBitmap = 156 + SeasonStarted(r);
    m.seasonX = x0 + 24;
    m.seasonY = y0 + 91;
  }

  m.heightX = x0 + 3;
  if (r.HasEvent(MoonEvent::Height)) {
    m.heightBitmap = r.ascending() ? 90 : 91;
    m.heightY = r.ascending() ? y0 + 73 : y0 + 2;
  } else {
    const int level = y0 + 69 - std::min(100, r.height()) / 2;
    m.heightBitmap = r.ascending() ? 152 : 153;
    m.heightY = r.ascending() ? level - markerH : level;
  }
  m.distanceX = x0 + 24;
  if (r.HasEvent(MoonEvent::Distance)) {
    m.distanceBitmap = r.approaching() ? 95 : 94;
    m.distanceY = r.approaching() ? y0 + 2 : y0 + 73;
  } else {
    const int level = y0 + 69 - std::min(100, r.distance()) / 2;
    m.distanceBitmap = r.approaching() ? 155 : 154;
    m.distanceY = r.approaching() ? level : level - markerH;
  }
  return m;
}

}  // namespace tw
