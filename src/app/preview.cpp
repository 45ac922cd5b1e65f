#include "app/app.h"

namespace tw {

// Placeholder until this window class is built: behaves as a plain window.
LRESULT CALLBACK PreviewWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(wnd, msg, wp, lp); }

}  // namespace tw
