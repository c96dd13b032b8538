#pragma once
// The application's help handler: where WinHelp-style requests (HELP_CONTEXT,
// HELP_FINDER, HELP_QUIT...) of the program go. The help bridge takes the slot
// for its lifetime and hands it back afterwards.

#include <cstdint>
#include <functional>

namespace help {

using HelpHandler = std::function<bool(unsigned command, uintptr_t data)>;

// Installs handler and returns the one it replaces (possibly empty).
HelpHandler SetApplicationHelpHandler(HelpHandler handler);

// Passes a request to the installed handler; false when there is none or it declined.
bool RaiseApplicationHelp(unsigned command, uintptr_t data);

}  // namespace help
