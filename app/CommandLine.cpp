#include "app/CommandLine.h"

#include "app/Constants.h"

namespace app {

bool IsRestoreAllRequest(const std::vector<std::string>& arguments) {
  return !arguments.empty() && arguments.front() == app::kRestoreAllArgument;
}

}  // namespace app
