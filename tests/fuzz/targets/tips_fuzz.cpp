// TwTips.dat: the count, skipping past the end, and reading tips round the wrap-around.
#include <string>

#include "core/tip_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int skip = in.Byte();
  tw::TipFile tips{std::string(in.Rest())};
  tips.Skip(skip);
  for (int i = 0; i < 8; ++i)
    if (tips.Next().size() > tw::kTipLineMax) __builtin_trap();
  return 0;
}
