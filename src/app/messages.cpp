#include <vector>

#include "app/app.h"

namespace tw {

App& TheApp() {
  static App app;
  return app;
}

int LoadLibString(int id, char* buf, int size) {
  buf[0] = 0;
  if (!TheApp().library) return 0;
  return LoadStringA(TheApp().library, static_cast<UINT>(id), buf, size);
}

std::string LoadLibString(int id) {
  char buf[512];
  LoadLibString(id, buf, sizeof buf);
  return buf;
}

int WinMessageSink::Show(int type, int id, const std::vector<MessageArg>& args) {
  char format[128];
  LoadLibString(id, format, sizeof format);
  // wvsprintf reads its arguments as an array of pointer-sized slots.
  std::vector<LONG_PTR> slots;
  for (const auto& a : args)
    slots.push_back(a.isText ? reinterpret_cast<LONG_PTR>(a.text) : static_cast<LONG_PTR>(a.number));
  char text[300];
  if (slots.empty()) {
    lstrcpynA(text, format, sizeof text);
  } else {
    // wvsprintf stops at 1024 characters; format into a large buffer, then cut.
    char big[1025];
    wvsprintfA(big, format, reinterpret_cast<va_list>(slots.data()));
    lstrcpynA(text, big, sizeof text);
  }
  HWND owner = TheApp().frame;
  return MessageBoxA(owner, text, TheApp().productTitle, static_cast<UINT>(type));
}

int ShowMessage(int type, int id, std::initializer_list<MessageArg> args) {
  return TheApp().sink.ShowMessage(type, id, args);
}

void LocalizeDialog(HWND dialog, const int* table) {
  char text[512];
  if (table[1] != -1 && table[0] != -1) {
    LoadLibString(table[1], text, sizeof text);
    SetWindowTextA(dialog, text);
  }
  for (const int* p = table + 2; p[1] != -1; p += 2) {
    LoadLibString(p[1], text, sizeof text);
    SetDlgItemTextA(dialog, p[0], text);
  }
}

}  // namespace tw
