// Command registry: each module registers the commands it carries out, so the frame routes
// a command to whoever owns it, and a command nobody carries out is shown disabled.
#pragma once
#include <windows.h>

namespace tw {

struct CommandHandler {
  int first, last;              // command id range
  void (*run)(int id);          // carries the command out
  bool (*enabled)(int id);      // nullptr: always enabled
  bool (*checked)(int id);      // nullptr: never checked
};

// Registers at static initialisation: `static CommandRegistrar r({...});` in a module.
struct CommandRegistrar {
  explicit CommandRegistrar(const CommandHandler& h);
};

const CommandHandler* FindCommand(int id);
bool CommandEnabled(int id);
bool CommandChecked(int id);

// The active person window and its state, shared by the command predicates.
HWND ActiveChild();

}  // namespace tw
