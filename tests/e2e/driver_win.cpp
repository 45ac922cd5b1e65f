// End-to-end driver: starts tidewell.exe in a fresh copy of a data folder, drives it by
// window messages and reads back what it shows. One verb per test case; exit 0 = pass.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int g_failures = 0;

void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
  std::fflush(stdout);
  if (!ok) ++g_failures;
}

// Paths may come from the Linux side of the build; Wine maps / to drive Z:.
std::string ToWindowsPath(std::string p) {
  if (!p.empty() && p[0] == '/') p = "Z:" + p;
  for (char& c : p)
    if (c == '/') c = '\\';
  return p;
}

bool CopyFolder(const std::string& from, const std::string& to) {
  CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((from + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return true;  // empty or missing: nothing to copy
  bool ok = true;
  do {
    if (std::strcmp(fd.cFileName, ".") == 0 || std::strcmp(fd.cFileName, "..") == 0) continue;
    std::string src = from + "\\" + fd.cFileName, dst = to + "\\" + fd.cFileName;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = CopyFolder(src, dst) && ok;
    else
      ok = CopyFileA(src.c_str(), dst.c_str(), FALSE) && ok;
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return ok;
}

std::string MakeWorkFolder() {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  std::string dir = std::string(tmp) + "tw-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(GetTickCount());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::string IniPath() {
  char win[MAX_PATH];
  GetWindowsDirectoryA(win, MAX_PATH);
  return std::string(win) + "\\ORV.INI";
}

struct Program {
  PROCESS_INFORMATION pi = {};
  HWND frame = nullptr;

  bool Start(const std::string& exe, const std::string& workDir, const std::string& args = "") {
    std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string buf = cmd;
    if (!CreateProcessA(nullptr, buf.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(), &si, &pi))
      return false;
    return true;
  }

  // Bounded wait for a top-level window of the class, owned by this process.
  HWND WaitWindow(const char* cls, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
      HWND w = nullptr;
      while ((w = FindWindowExA(nullptr, w, cls, nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == pi.dwProcessId) return w;
      }
      if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) return nullptr;
      Sleep(50);
    }
    return nullptr;
  }

  bool WaitExit(DWORD timeoutMs, DWORD* code) {
    if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(pi.hProcess, code);
    return true;
  }

  void Kill() {
    if (pi.hProcess && WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
  }

  ~Program() {
    Kill();
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
  }
};

std::string WindowText(HWND w) {
  char buf[512] = {};
  // WM_GETTEXT through SendMessageTimeout: a hung program must fail the test, not hang it.
  DWORD_PTR got = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000, &got);
  return buf;
}

int StartClose(const std::string& exe, const std::string& data) {
  std::string work = MakeWorkFolder();
  Check(CopyFolder(data, work), "data folder copied");
  DeleteFileA(IniPath().c_str());
  Program p;
  Check(p.Start(exe, work), "program started");
  HWND frame = p.WaitWindow("TwFrame", 30000);
  Check(frame != nullptr, "frame window of class TwFrame appears");
  if (!frame) return 1;
  Check(WindowText(frame).rfind("Tidewell", 0) == 0, "frame title starts with Tidewell");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1;
  Check(p.WaitExit(30000, &code), "program ends after WM_CLOSE");
  Check(code == 0, "exit code 0");
  return g_failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: tw_e2e VERB PROGRAM DATADIR\n");
    return 2;
  }
  std::string verb = argv[1], exe = ToWindowsPath(argv[2]), data = ToWindowsPath(argv[3]);
  if (verb == "start-close") return StartClose(exe, data);
  std::fprintf(stderr, "unknown verb %s\n", verb.c_str());
  return 2;
}
