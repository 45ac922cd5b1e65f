// End-to-end driver: starts tidewell.exe in a fresh copy of a data folder, drives it by
// window messages and reads back what it shows. One case per run; exit 0 = pass.
#include <shlobj.h>

#include <cstdio>
#include <map>

#include "e2e.h"

namespace e2e {

namespace {
int g_failures = 0;
std::map<std::string, CaseFn>& Cases() {
  static std::map<std::string, CaseFn> cases;
  return cases;
}
}  // namespace

CaseRegistrar::CaseRegistrar(const char* name, CaseFn fn) { Cases()[name] = fn; }

void Check(bool ok, const char* what) {
  std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
  std::fflush(stdout);
  if (!ok) ++g_failures;
}

int Failures() { return g_failures; }

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

// The settings file the program uses: ORV.INI in the user's folder %APPDATA%\Tidewell.
std::string IniPath() {
  std::string dir = UserFolder();
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\ORV.INI";
}

std::string UserFolder() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, path);
  return std::string(path) + "\\Tidewell";
}

bool Program::Start(const std::string& exe, const std::string& workDir, const std::string& args) {
  std::string cmd = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  // Wine now and then refuses a start while the previous case's process is still being torn
  // down; a later try goes through.
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(), &si, &pi)) return true;
    std::printf("note: CreateProcess failed with error %lu, trying again\n", GetLastError());
    Sleep(400);
  }
  return false;
}

HWND Program::WaitWindow(const char* cls, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        HWND w = nullptr;
        while ((w = FindWindowExA(nullptr, w, cls, nullptr)) != nullptr) {
          DWORD pid = 0;
          GetWindowThreadProcessId(w, &pid);
          if (pid == pi.dwProcessId) {
            found = w;
            return true;
          }
        }
        return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
      },
      timeoutMs);
  return found;
}

bool Program::WaitExit(DWORD timeoutMs, DWORD* code) {
  if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(pi.hProcess, code);
  return true;
}

void Program::Kill() {
  if (pi.hProcess && WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
}

Program::~Program() {
  Kill();
  if (pi.hProcess) CloseHandle(pi.hProcess);
  if (pi.hThread) CloseHandle(pi.hThread);
}

std::string WindowText(HWND w) {
  char buf[512] = {};
  // Through SendMessageTimeout: a hung program must fail the test, not hang it.
  DWORD_PTR got = 0;
  SendMessageTimeoutA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000, &got);
  return buf;
}

}  // namespace e2e

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: tw_e2e CASE PROGRAM DATADIR\n");
    return 2;
  }
  e2e::Context ctx{e2e::ToWindowsPath(argv[2]), e2e::ToWindowsPath(argv[3])};
  auto it = e2e::Cases().find(argv[1]);
  if (it == e2e::Cases().end()) {
    std::fprintf(stderr, "unknown case %s\n", argv[1]);
    return 2;
  }
  int rc = it->second(ctx);
  return (rc != 0 || e2e::Failures() != 0) ? 1 : 0;
}
