#include "help/ApplicationHelp.h"

#include <utility>

namespace help {

namespace {

HelpHandler& InstalledHandler() {
  static HelpHandler handler;
  return handler;
}

}  // namespace

HelpHandler SetApplicationHelpHandler(HelpHandler handler) {
  return std::exchange(InstalledHandler(), std::move(handler));
}

bool RaiseApplicationHelp(unsigned command, uintptr_t data) {
  // A copy: the handler may replace itself while it runs.
  const HelpHandler handler = InstalledHandler();
  return handler ? handler(command, data) : false;
}

}  // namespace help
