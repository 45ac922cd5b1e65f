#include "reco/condition_texts.h"

#include "reco/condition_messages.h"

namespace tw {

std::string ShortDayMonth(const DateSettings& settings, int day, int month) {
  char buf[32];
  // Any leap year: only day and month are printed, and 29 February must stay itself.
  FormatDate(buf, buf + sizeof buf, settings, 2000, month, day, true, false, false, false);
  return buf;
}

std::string FixedDayText(const ConditionTexts& texts, int code) {
  if (code <= 0) return "?";
  if (code >= 3800 && code <= 3812) return texts.Message(code - kMsgCondMovableDayBias);
  return texts.DayMonth(code / 100, code % 100);
}

std::string FormatWithText(const std::string& format, const std::string& arg) {
  std::string out;
  bool used = false;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (format[i + 1] == 's' && !used) {
        out += arg;
        used = true;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

}  // namespace tw
