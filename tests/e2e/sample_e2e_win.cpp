// The bundled sample person opens as ./run opens it: its window shows the moon calendar of
// Erika Beispiel, born 14.03.1985. `./run --screenshot FILE` runs this case with
// TW_SCREENSHOT naming the picture to save.
#include "remote_win.h"

namespace {

using namespace e2e;

int SamplePerson(const Context& ctx) {
  FrameSession s;
  Check(s.StartWith(ctx, "NewVersion=0\r\nTipOnStart=0\r\n", "Beispiel.twd"), "program started with the sample person");
  if (!s.frame) return 1;
  HWND frame = s.frame;
  HWND child = nullptr;
  // The frame is listed before its WM_CREATE made the MDI client: look it up on every poll.
  WaitFor([&] {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    return client && (child = FindWindowExA(client, nullptr, "TwChild", nullptr)) != nullptr;
  }, 15000);
  Check(child && WaitFor([&] { return WindowText(child) == "Erika Beispiel - 14.03.1985"; }, 10000),
        "the sample person's window opens");
  std::printf("window: %s\n", child ? WindowText(child).c_str() : "none");
  DWORD_PTR r = 0;
  SendMessageTimeoutA(frame, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &r);
  Sleep(1500);  // the about box of the start and the first paint
  char shot[MAX_PATH] = {};
  DWORD n = GetEnvironmentVariableA("TW_SCREENSHOT", shot, sizeof shot);
  std::string exe = ctx.exe;
  std::string path = n > 0 && n < sizeof shot ? std::string(shot) : exe.substr(0, exe.find_last_of('\\') + 1) + "sample_person.bmp";
  Check(SaveScreen(path), "screenshot saved");
  Check(s.Close(true), "program ends");
  return 0;
}

}  // namespace

TW_E2E_CASE("sample-person", SamplePerson);
