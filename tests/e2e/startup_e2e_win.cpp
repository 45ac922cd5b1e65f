// Start and clean exit.
#include "e2e.h"

namespace {

using namespace e2e;

int StartClose(const Context& ctx) {
  std::string work = MakeWorkFolder();
  Check(CopyFolder(ctx.data, work), "data folder copied");
  DeleteFileA(IniPath().c_str());
  Program p;
  Check(p.Start(ctx.exe, work), "program started");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr, "frame window of class TwFrame appears");
  if (!frame) return 1;
  Check(WindowText(frame).rfind("Tidewell", 0) == 0, "frame title starts with Tidewell");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(p.WaitExit(30000, &code), "program ends after WM_CLOSE");
  Check(code == 0, "exit code 0");
  return 0;
}

}  // namespace

TW_E2E_CASE("start-close", StartClose);
