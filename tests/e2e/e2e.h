// Shared pieces of the end-to-end driver: starting the program on a copy of a data folder,
// bounded waits for its windows, and reading back what it shows.
#pragma once
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace e2e {

// Records one check; a failed check makes the case fail.
void Check(bool ok, const char* what);
int Failures();

std::string ToWindowsPath(std::string p);
bool CopyFolder(const std::string& from, const std::string& to);
std::string MakeWorkFolder();
std::string IniPath();
std::string UserFolder();  // %APPDATA%\Tidewell, without a trailing "\"
std::string WindowText(HWND w);
// Polls `cond` every 20 ms until it holds or `timeoutMs` passes.
template <class F>
bool WaitFor(F cond, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!cond()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

struct Program {
  PROCESS_INFORMATION pi = {};
  HWND frame = nullptr;

  bool Start(const std::string& exe, const std::string& workDir, const std::string& args = "");
  // Bounded wait for a top-level window of the class, owned by this process.
  HWND WaitWindow(const char* cls, DWORD timeoutMs);
  bool WaitExit(DWORD timeoutMs, DWORD* code);
  void Kill();
  ~Program();
};

struct Context {
  std::string exe;   // tidewell.exe, Windows path
  std::string data;  // bundled data folder, Windows path
};

using CaseFn = int (*)(const Context&);
struct CaseRegistrar {
  CaseRegistrar(const char* name, CaseFn fn);
};
// Defines one end-to-end case; CMake finds the names by this macro.
#define TW_E2E_CASE(name, fn) static ::e2e::CaseRegistrar e2e_reg_##fn(name, fn)

}  // namespace e2e
