// Settings values: each input line is the value of the next key of the key table. Read
// with the start-up checks, then used as the program uses them (font heights, rich-text
// sizes, list column widths) and written back at exit.
#include <string>

#include "core/platform.h"
#include "core/rtf_builder.h"
#include "core/settings.h"
#include "core/settings_values.h"
#include "views/child_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  tw::MemoryProfile profile;
  for (int id = 0; id < tw::kSettingCount && !text.empty(); ++id) {
    const size_t end = text.find('\n');
    const tw::SettingKey& key = tw::SettingKeyAt(id);
    profile.Set(tw::FileSectionName(key.section), key.name, std::string(text.substr(0, end)));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  tw::SettingsValues v;
  tw::LoadStartValues(profile, tw::LocaleValues(), tw::ScreenMetrics(), true, v);
  const tw::RtfStyle style = tw::RtfStyleFrom(v, tw::LocaleValues());
  for (int logPixelsY : {96, 600, 2400}) {
    tw::FontHeight(logPixelsY, v.fontSize);
    tw::FontHeight(logPixelsY, v.printFontSize);
    volatile int startHeight = -(tw::EffectiveFontSize(v.fontSize) * logPixelsY / 720);
    (void)startHeight;
  }
  tw::RtfBaseSize(style, 0);
  tw::RtfBaseSize(style, 1);
  for (int avg : {6, 40}) tw::ComputeListColumns(v.preference, v.saveWidths, avg, 4000);
  tw::MemoryProfile out;
  tw::WriteExitValues(out, v);
  return 0;
}
