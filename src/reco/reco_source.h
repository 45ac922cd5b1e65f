// Parser of the readable recommendations source from which the shipped Reco.dat and
// RecoSel.dat are compiled. The text is CP1252 (convert UTF-8 first with RecoTextFromUtf8).
//
//   # comment                        blank lines and lines starting with '#' are skipped
//   Auswahl alle: Alle Empfehlungen  name of the fixed selection 0 (marked in use)
//   Auswahl keine: Keine Empfehlung  name of the fixed selection 1 (marked in use)
//   Auswahlen: Garten, Haushalt      user selections in this order (entries 2, 3, ...);
//                                    names first met under "Auswahl:" follow
//   Kategorie: Pflanzen/Tiere        or Gesundheit, Allgemein (1, 2, 3); ends any group
//   Gruppe: Aussaat                  a group header; the following recommendations are its
//                                    members until the next "Gruppe:" (empty: no group)
//   Empfehlung: Möhren säen          a recommendation; the lines below describe it
//     Farbe: grün                    schwarz, rot, grün, blau
//     Stil: fett                     normal, fett, kursiv, fett kursiv
//     Phase: abnehmend               listed values required, all others excluded
//     Mondzeichen: nicht Löwe        "nicht": listed values excluded, others any
//       (fields: Phase, Höhe, Distanz, Knoten, Mondzeichen, Sonnenzeichen, Jahreszeit,
//        Monat, Wochentag; values: see reco_vocabulary.h)
//     Zeichen: entweder              moon or sun sign suffices (default: beide)
//     Fixtag: 24.12., Ostersonntag   fixed-day entries, required ("nicht ...": excluded)
//     Übrige Tage: nicht             every day not listed under Fixtag is excluded
//     Auswahl: Garten, Haushalt      selections the recommendation belongs to
//
// Records take slots 0, 1, ... in source order and groups the numbers 1, 2, ...; the
// compiler then compacts the tables into display order as the program does on saving.
#pragma once
#include <string>
#include <string_view>

#include "reco/reco_tables.h"

namespace tw {

struct RecoSourceError {
  int line = 0;  // 1-based
  std::string message;
};

// Fills `tables` (which should be fresh). On error returns false with the line and reason;
// `tables` is then incomplete.
bool ParseRecoSource(std::string_view text, RecoTables* tables, RecoSourceError* error);

}  // namespace tw
