#include "help/DebugSwitch.h"

#include <cctype>

namespace help {

namespace {

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool HasDebugArgument(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    const std::string lowered = Lowered(argument);
    if (lowered == "/debug" || lowered == "-debug") return true;
  }
  return false;
}

}  // namespace help
