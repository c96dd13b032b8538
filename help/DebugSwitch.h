#pragma once
// When the help bridge keeps its diagnostic log. Portable.

#include <string>
#include <vector>

namespace help {

// "/debug" or "-debug" in any letter case, anywhere among the arguments.
bool HasDebugArgument(const std::vector<std::string>& arguments);

}  // namespace help
