#include "views/rtf_builder_win.h"

#include <richedit.h>

#include <cstddef>

#include "core/rtf_builder.h"

namespace tw {
namespace {

// The read position lives with the call, so no two documents share one.
struct StreamSource {
  const char* document;
  size_t offset;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE out, LONG requested, LONG* copied) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  size_t want = requested > 0 ? static_cast<size_t>(requested) : 0;
  *copied = static_cast<LONG>(
      RtfStreamCopy(source->document, source->offset, reinterpret_cast<char*>(out), want));
  return 0;
}

}  // namespace

LRESULT RtfStreamIn(HWND richEdit, const char* document) {
  StreamSource source{document ? document : "", 0};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadChunk;
  return SendMessageA(richEdit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

}  // namespace tw
