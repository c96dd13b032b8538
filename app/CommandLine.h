#pragma once
// What the program's own command line asks for. Arguments exclude the
// program name.

#include <string>
#include <vector>

namespace app {

// "/r" as the first argument, compared exactly: "/R" or a later "/r" starts normally.
bool IsRestoreAllRequest(const std::vector<std::string>& arguments);

}  // namespace app
