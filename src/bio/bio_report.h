// Rhythm values, compatibility and curve conditions as the command-line companion prints
// and reads them. Lines are CP1252 like every text of the core, without line ends.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "bio/curve_search.h"
#include "bio/rhythm_label.h"
#include "core/daynumber.h"

namespace tw {

// One "K: 68,1%" line per shown rhythm, then the day average as "Ø: 12,3%".
std::vector<std::string> BioReportLines(DayNumber birthday, DayNumber day, bool higherCurves,
                                        bool sawtooth, const RhythmLabels& labels);

// One "K: 91 %" line per rhythm, "K: ---" for a rhythm not compared, then "Ø: 95 %".
std::vector<std::string> CompatReportLines(DayNumber birthday1, DayNumber birthday2,
                                           bool allRhythms, const RhythmLabels& labels);

// Seven criterion words separated by commas, in rhythm order, each decimal or 0x-hex and
// made of the fourteen criterion bits. A field may not hold both requirements (11): the
// conditions page cannot produce that and no day could meet it. A word that keeps only
// its "Unbedingt" field becomes 0, as the page stores it. On failure `error` says why and
// `out` is untouched.
bool ParseConditionWords(std::string_view text, ConditionWords* out, std::string* error);

}  // namespace tw
