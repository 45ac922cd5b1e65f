// The special days dialog's rule editing and the tips file reader, without windows.
#include <gtest/gtest.h>

#include "calendar/special_day_rule.h"
#include "core/tip_file.h"

namespace tw {
namespace {

SpecialRuleWords Words() {
  SpecialRuleWords w;
  w.message = [](int id) -> std::string {
    switch (id) {
      case 4421: return "Ostersonntag %c%d";
      case 4422: return "4. Advent %c%d";
      case 4423: return "%s %s im %s";
      case 4411: return "Zweiter";
      case 4414: return "Letzter";
      case 3672: return "Montag";
      case 3678: return "Sonntag";
      case 3663: return "Mai";
      case 3668: return "Oktober";
      default: return "#" + std::to_string(id);
    }
  };
  w.dayMonth = [](int d, int m) { return std::to_string(d) + "." + std::to_string(m) + "."; };
  return w;
}

TEST(SpecialRule, ControlsRoundTripThroughFlagsAndValue) {
  struct Case {
    uint16_t flags;
    int16_t value;
    const char* text;
  } cases[] = {
      {kSpecialKindFixed | kSpecialOfficial, 2512, "25.12."},
      {kSpecialKindEaster, -2, "Ostersonntag -2"},
      {kSpecialKindEaster, 60, "Ostersonntag +60"},
      {kSpecialKindAdvent, 0, "4. Advent +0"},
      {1, 205, "Zweiter Montag im Mai"},
      {0, 10, "Letzter Sonntag im Oktober"},
  };
  for (const Case& c : cases) {
    const uint16_t stored = c.flags | kSpecialActive | (2 << kSpecialColourShift);
    SpecialRuleControls controls = RuleControlsOf(stored, c.value);
    uint16_t flags = kSpecialActive | (2 << kSpecialColourShift);  // kept by the writer
    int16_t value = 0;
    ApplyRuleControls(controls, kSpecialHoliday, flags, value);
    EXPECT_EQ(flags, stored) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(SpecialRuleText(flags, value, Words()), c.text);
  }
}

TEST(SpecialRule, NameDaysAndBirthdaysAreAlwaysFixedDates) {
  SpecialRuleControls c = DefaultRuleControls(kRuleEaster);
  c.date = 1203;
  c.official = true;
  uint16_t flags = 0;
  int16_t value = 0;
  ApplyRuleControls(c, kSpecialBirthday, flags, value);
  EXPECT_EQ(flags, kSpecialBirthday | kSpecialKindFixed);
  EXPECT_EQ(value, 1203);
}

TEST(SpecialRule, DefaultsAndClamping) {
  SpecialRuleControls c = DefaultRuleControls(kRuleWeekday);
  uint16_t flags = 0;
  int16_t value = 0;
  ApplyRuleControls(c, kSpecialHoliday, flags, value);
  EXPECT_EQ(flags & kSpecialKindMask, 1);  // first Monday in January
  EXPECT_EQ(value, 101);
  EXPECT_EQ(DefaultRuleControls(kRuleFixed).date, 101);
  c = DefaultRuleControls(kRuleAdvent);
  c.offset = 999;
  ApplyRuleControls(c, kSpecialHoliday, flags, value);
  EXPECT_EQ(value, 200);
  EXPECT_EQ(ClampSpecialOffset(-500), -200);
}

TEST(SpecialRule, RowImagesAndToggles) {
  EXPECT_EQ(SpecialRowImage(0), 0);
  EXPECT_EQ(SpecialRowImage(kSpecialActive | (3 << kSpecialColourShift)), 7);
  uint16_t f = kSpecialActive;
  f = ToggleSpecialRow(f, false);
  EXPECT_FALSE(f & kSpecialActive);
  for (int expect : {1, 2, 3, 0}) {
    f = ToggleSpecialRow(f, true);
    EXPECT_EQ((f & kSpecialColourMask) >> kSpecialColourShift, expect);
  }
  const uint32_t packed = PackSpecialRow(0x1C7, -150);
  EXPECT_EQ(RowFlags(packed), 0x1C7);
  EXPECT_EQ(RowValue(packed), -150);
}

TEST(SpecialRule, DamagedFormatsReadOnlyWhatTheyGet) {
  EXPECT_EQ(FillRuleFormat("%s %s %s %s %n", {{true, 0, "a"}}), "a %s %s %s %n");
  EXPECT_EQ(FillRuleFormat("100%% %d", {{false, 7, {}}}), "100% 7");
}

TEST(TipFile, CountAndWrapAround) {
  TipFile t("0003\r\none\r\ntwo\nthree\r\n\x1A\r\nafter\r\n");
  EXPECT_EQ(t.Count(), 3);
  EXPECT_EQ(t.Next(), "one");
  EXPECT_EQ(t.Next(), "two");
  EXPECT_EQ(t.Next(), "three");
  EXPECT_EQ(t.Next(), "one");  // Ctrl+Z ends the tips
  t.Skip(2);
  EXPECT_EQ(t.Next(), "one");  // skipping past the last tip starts over
}

TEST(TipFile, BoundedByWhatWasRead) {
  struct Case {
    std::string bytes;
    int count;
    const char* first;
  } cases[] = {
      {"", 0, ""},                    // missing or empty file
      {"00", 0, ""},                  // count cut short, no tips
      {"-0005\nx\n", -5, "x"},        // negative counts stay negative for the caller
      {"0009\r\nonly\r\n", 9, "only"},// count larger than the lines
      {"0001\r\nno line end", 1, "no line end"},
  };
  for (const Case& c : cases) {
    TipFile t(c.bytes);
    EXPECT_EQ(t.Count(), c.count) << c.bytes;
    t.Skip(c.count > 0 ? c.count : 0);
    EXPECT_EQ(t.Next(), c.first) << c.bytes;
  }
}

}  // namespace
}  // namespace tw
