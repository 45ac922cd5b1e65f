// The German words of the readable recommendations source: condition fields, their values,
// fixed and movable days, colours and styles. Words are CP1252 and match case-insensitively.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

enum class CondField { Phase, Height, Distance, Node, MoonSign, SunSign, Season, Month, Weekday };
constexpr int kCondFieldCount = 9;

struct CondFieldInfo {
  CondField field;
  const char* key;      // line key in the source, e.g. "Phase", "Mondzeichen"
  int offset;           // kOff... of the record field
  uint32_t leafSlots;   // the slots the conditions editor offers (bit k = slot k)
};

// nullptr when `key` (lower case, normalised) names no field.
const CondFieldInfo* FindCondField(std::string_view key);
const CondFieldInfo& CondFieldOf(CondField field);

// The slots a value word selects (bit k = slot k), or 0 when the word is unknown.
// Single slots: "Neumond", "Neumond+3", "Vollmond-2", "zunehmend Mitte", "Tiefstand+1",
// "Erdnähe-3", "aufsteigender Knoten+2", "kein Knoten", "Stier", "Juni", "Montag", ...
// Several: "zunehmend", "abnehmend", "aufsteigend", "absteigend", "entfernend", "annähernd",
// and the elements "Feuer", "Erde", "Luft", "Wasser" for the sign fields.
uint32_t CondValueSlots(CondField field, std::string_view word);

// The preferred word of one slot ("" when the slot has none).
std::string CondSlotWord(CondField field, int slot);

// A fixed-day word: "24.12" or "24.12." (a date), or a movable day such as "Ostersonntag",
// "1. Advent". Returns the DayCode, or 0 when the word is none.
int FixedDayWordCode(std::string_view word);
// The word of a DayCode ("" for codes that name nothing).
std::string FixedDayCodeWord(int code);

// Lower case of CP1252 text (A..Z and À..Þ except ×), with blanks trimmed, runs of blanks
// made single and blanks around "+" and "-" removed.
std::string NormaliseWord(std::string_view text);

// Colour words: "schwarz", "rot", "grün", "blau" -> 0..3; style words: "normal", "fett",
// "kursiv", "fett kursiv" -> 0..3. -1 when unknown.
int ColourWord(std::string_view word);
int StyleWord(std::string_view word);
const char* ColourWordOf(int colour);
const char* StyleWordOf(int style);

// UTF-8 to CP1252. False (with the byte offset of the first bad sequence) when the text holds
// a character CP1252 cannot show or is not valid UTF-8. A leading byte order mark is skipped.
bool RecoTextFromUtf8(std::string_view utf8, std::string* out, size_t* badOffset = nullptr);
std::string RecoTextToUtf8(std::string_view text);

}  // namespace tw
