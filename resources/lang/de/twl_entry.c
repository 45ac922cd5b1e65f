/* The resource library holds no code; the loader still wants an entry point. */
#include <windows.h>

BOOL WINAPI TwlEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}
