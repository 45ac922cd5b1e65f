#include "reco/reco_source.h"

#include <gtest/gtest.h>

#include "reco/reco_vocabulary.h"

namespace tw {
namespace {

TEST(RecoVocabulary, WordsMapToTheAttributeSlotsOfTheirFieldOnly) {
  const struct {
    CondField field;
    const char* word;
    uint32_t slots;
  } rows[] = {
      {CondField::Phase, "Neumond", 1u << 0},
      {CondField::Phase, "neumond + 3", 1u << 3},
      {CondField::Phase, "Neumond-1", 1u << 29},
      {CondField::Phase, "Vollmond-6", 1u << 8},
      {CondField::Phase, "Vollmond-1", 1u << 13},
      {CondField::Phase, "VOLLMOND+6", 1u << 22},
      {CondField::Phase, "zunehmend   Mitte", 1u << 7},
      {CondField::Phase, "abnehmend", 0x3FFE0000u},
      {CondField::Phase, "zunehmend", 0x3FFEu},
      {CondField::Phase, "Neumond+7", 0u},
      {CondField::Phase, "Stier", 0u},  // a word of another field
      {CondField::Height, "Tiefstand+2", 1u << 2},
      {CondField::Height, "H\xF6" "chststand-1", 1u << 7},
      {CondField::Height, "absteigend", 0xFE00u},
      {CondField::Height, "aufsteigend Mitte", 1u << 4},
      {CondField::Distance, "Erdn\xE4he-1", 1u << 15},
      {CondField::Distance, "ann\xE4hernd Mitte", 1u << 12},
      {CondField::Node, "aufsteigender Knoten-3", 1u << 0},
      {CondField::Node, "absteigender Knoten+3", 1u << 13},
      {CondField::Node, "kein Knoten", 1u << 14},
      {CondField::MoonSign, "L\xD6WE", 1u << 4},  // upper-case umlaut
      {CondField::SunSign, "Erde", (1u << 1) | (1u << 5) | (1u << 9)},
      {CondField::Season, "Herbst", 1u << 2},
      {CondField::Month, "M\xE4rz", 1u << 2},
      {CondField::Weekday, "Sonntag", 1u << 6},
  };
  for (const auto& r : rows) EXPECT_EQ(CondValueSlots(r.field, r.word), r.slots) << r.word;
  EXPECT_EQ(CondSlotWord(CondField::Phase, 29), "Neumond-1");
  EXPECT_EQ(CondSlotWord(CondField::MoonSign, 8), "Sch\xFCtze");
  EXPECT_EQ(CondSlotWord(CondField::Phase, 14), "");
  EXPECT_EQ(FindCondField("h\xF6he")->offset, kOffHeightCond);
  EXPECT_EQ(FindCondField("Fixtag"), nullptr);
}

TEST(RecoVocabulary, FixedDayWords) {
  EXPECT_EQ(FixedDayWordCode("24.12."), 2412);
  EXPECT_EQ(FixedDayWordCode("1.1"), 101);
  EXPECT_EQ(FixedDayWordCode("29.2."), 2902);
  EXPECT_EQ(FixedDayWordCode("30.2."), 0);
  EXPECT_EQ(FixedDayWordCode("1.13."), 0);
  EXPECT_EQ(FixedDayWordCode("24.12.2000"), 0);
  EXPECT_EQ(FixedDayWordCode("Ostersonntag"), 3803);
  EXPECT_EQ(FixedDayWordCode("aschermittwoch"), 3800);
  EXPECT_EQ(FixedDayWordCode("4. Advent"), 3812);
  EXPECT_EQ(FixedDayCodeWord(3809), "1. Advent");
  EXPECT_EQ(FixedDayCodeWord(2412), "24.12.");
  EXPECT_EQ(FixedDayCodeWord(3813), "");
}

TEST(RecoVocabulary, Utf8ConversionToTheAnsiCodePage) {
  std::string out;
  ASSERT_TRUE(RecoTextFromUtf8("\xEF\xBB\xBFM\xC3\xB6hren \xE2\x82\xAC \xE2\x80\x9E" "a\xE2\x80\x9C", &out));
  EXPECT_EQ(out, "M\xF6hren \x80 \x84" "a\x93");
  EXPECT_EQ(RecoTextToUtf8(out), "M\xC3\xB6hren \xE2\x82\xAC \xE2\x80\x9E" "a\xE2\x80\x9C");
  size_t bad = 0;
  EXPECT_FALSE(RecoTextFromUtf8("ab\xE2\x98\x83", &out, &bad));  // a snowman has no code here
  EXPECT_EQ(bad, 2u);
  EXPECT_FALSE(RecoTextFromUtf8("x\xC3", &out, &bad));  // cut sequence
  EXPECT_EQ(bad, 1u);
  EXPECT_FALSE(RecoTextFromUtf8("\xC0\x80", &out, &bad));  // overlong NUL
  EXPECT_FALSE(RecoTextFromUtf8("\xC2\x81", &out, &bad));  // C1 control
}

const char* const kSample =
    "# Beispiel\n"
    "Auswahl alle: Alle Empfehlungen\n"
    "Auswahl keine: Keine\n"
    "Auswahlen: Garten, Haushalt\n"
    "Kategorie: Pflanzen/Tiere\n"
    "Gruppe: Aussaat\n"
    "Empfehlung: Wurzelgem\xFCse s\xE4" "en\r\n"
    "  Phase: abnehmend\n"
    "  Mondzeichen: Erde\n"
    "  Farbe: gr\xFCn\n"
    "  Stil: fett kursiv\n"
    "  Auswahl: Garten\n"
    "Empfehlung: Bohnen legen\n"
    "  Knoten: nicht aufsteigender Knoten, absteigender Knoten\n"
    "Gruppe:\n"
    "Empfehlung: Hecke schneiden\n"
    "  H\xF6he: absteigend\n"
    "  Monat: nicht Dezember, Januar\n"
    "Kategorie: Allgemein\n"
    "Empfehlung: Fenster putzen\n"
    "  Mondzeichen: Wassermann\n"
    "  Sonnenzeichen: Fr\xFChling\n"  // a season is no sign: an error, fixed below
    ;

TEST(RecoSource, ParsesRecordsGroupsConditionsAndSelections) {
  std::string text = kSample;
  text.replace(text.find("Sonnenzeichen: Fr\xFChling"), 23, "Sonnenzeichen: Zwillinge");
  text +=
      "  Zeichen: entweder\n"
      "  Fixtag: 24.12., Ostersonntag\n"
      "  Fixtag: nicht 1.1.\n"
      "  \xDC" "brige Tage: nicht\n"
      "  Auswahl: Haushalt, Neu\n";
  RecoTables t;
  RecoSourceError err;
  ASSERT_TRUE(ParseRecoSource(text, &t, &err)) << err.line << ": " << err.message;

  EXPECT_STREQ(t.selections[0].name, "Alle Empfehlungen");
  EXPECT_EQ(t.selections[0].inUse, 1);
  EXPECT_STREQ(t.selections[1].name, "Keine");
  EXPECT_STREQ(t.selections[2].name, "Garten");
  EXPECT_STREQ(t.selections[3].name, "Haushalt");
  EXPECT_STREQ(t.selections[4].name, "Neu");

  const RecoRecord& header = t.records[0];
  EXPECT_STREQ(header.name, "Aussaat");
  EXPECT_EQ(header.groupLink, -1);
  EXPECT_EQ(header.category, 1);

  const RecoRecord& roots = t.records[1];
  EXPECT_STREQ(roots.name, "Wurzelgem\xFCse s\xE4" "en");
  EXPECT_EQ(roots.groupLink, 1);
  EXPECT_EQ(roots.colorIndex, 2);
  EXPECT_EQ(roots.styleIndex, 3);
  for (int k = 0; k < 30; ++k) {
    const CondMode want = (k >= 17) ? kCondRequired : (k == 14 || k == 15) ? kCondAny : kCondExcluded;
    EXPECT_EQ(GetCond(roots.phaseCond, k), want) << k;
  }
  EXPECT_EQ(GetCond(roots.moonSignCond, 5), kCondRequired);   // Jungfrau, an earth sign
  EXPECT_EQ(GetCond(roots.moonSignCond, 4), kCondExcluded);
  EXPECT_EQ(roots.moonSignCond >> 24, 0u);                      // nothing beyond slot 11
  EXPECT_TRUE(t.selections[2].members.Get(1));
  EXPECT_FALSE(t.selections[3].members.Get(1));

  const RecoRecord& beans = t.records[2];
  EXPECT_EQ(beans.groupLink, 1);
  EXPECT_EQ(beans.nodeCond, (1u << 6) | (1u << 20));  // slots 3 and 10 excluded, rest any

  const RecoRecord& hedge = t.records[3];
  EXPECT_EQ(hedge.groupLink, 0);
  EXPECT_EQ(hedge.heightCond, 0xAAA95555u);  // slots 9..15 required, 0..8 excluded
  EXPECT_EQ(hedge.monthCond, (1u << 22) | 1u);

  const RecoRecord& windows = t.records[4];
  EXPECT_EQ(windows.category, 3);
  EXPECT_EQ(windows.signsEither, 3);
  EXPECT_EQ(windows.fixedDays[0], MakeFixedDay(2412, kCondRequired));
  EXPECT_EQ(windows.fixedDays[1], MakeFixedDay(3803, kCondRequired));
  EXPECT_EQ(windows.fixedDays[2], MakeFixedDay(101, kCondExcluded));
  EXPECT_EQ(windows.fixedDays[3], 0);
  EXPECT_EQ(windows.otherDaysMode(), kCondExcluded);
  EXPECT_TRUE(t.selections[3].members.Get(4));
  EXPECT_TRUE(t.selections[4].members.Get(4));
  EXPECT_EQ(t.FirstFreeSlot(), 5);
}

TEST(RecoSource, ErrorsNameTheLine) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {kSample, 22},                                                   // season word as a sign
      {"Empfehlung: x\n", 1},                                          // no category yet
      {"Kategorie: Garten\n", 1},                                      // unknown category
      {"Kategorie: 1\nFarbe: rot\n", 2},                               // outside a record
      {"Kategorie: 1\nEmpfehlung: x\n Farbe: lila\n", 3},
      {"Kategorie: 1\nEmpfehlung: x\n Monat: Mai\n Monat: Juni\n", 4}, // twice
      {"Kategorie: 1\nEmpfehlung: x\n Fixtag: 31.4.\n", 3},
      {"Kategorie: 1\nEmpfehlung: x\n Zeichen: oder\n", 3},
      {"Kategorie: 1\nEmpfehlung:\n", 2},                              // empty name
      {"Kategorie: 1\nohne Doppelpunkt\n", 2},
      {"Kategorie: 1\nEmpfehlung: x\n Auswahl: ein viel zu langer Auswahlname\n", 3},
      {"Kategorie: 1\nEmpfehlung: x\n Wetter: sonnig\n", 3},
  };
  for (const Case& c : cases) {
    RecoTables t;
    RecoSourceError err;
    EXPECT_FALSE(ParseRecoSource(c.text, &t, &err)) << c.text;
    EXPECT_EQ(err.line, c.line) << c.text << " -> " << err.message;
    EXPECT_FALSE(err.message.empty());
  }
}

TEST(RecoSource, LimitsOfNamesFixedDaysAndSlots) {
  std::string text = "Kategorie: 1\nEmpfehlung: " + std::string(99, 'n') + "\n";
  RecoTables t;
  RecoSourceError err;
  EXPECT_TRUE(ParseRecoSource(text, &t, &err)) << err.message;
  text = "Kategorie: 1\nEmpfehlung: " + std::string(100, 'n') + "\n";
  RecoTables t2;
  EXPECT_FALSE(ParseRecoSource(text, &t2, &err));

  std::string many = "Kategorie: 1\nEmpfehlung: x\n";
  for (int i = 1; i <= 31; ++i) many += " Fixtag: " + std::to_string(i) + ".1.\n";
  RecoTables t3;
  EXPECT_TRUE(ParseRecoSource(many, &t3, &err)) << err.message;
  EXPECT_EQ(FixedDayCode(t3.records[0].fixedDays[30]), 3101);
  many += " Fixtag: 1.2.\n";
  RecoTables t4;
  EXPECT_FALSE(ParseRecoSource(many, &t4, &err));
  EXPECT_EQ(err.line, 34);

  std::string full = "Kategorie: 2\n";
  for (int i = 0; i < 769; ++i) full += "Empfehlung: e\n";
  RecoTables t5;
  EXPECT_FALSE(ParseRecoSource(full, &t5, &err));
  EXPECT_EQ(err.line, 770);
}

}  // namespace
}  // namespace tw
