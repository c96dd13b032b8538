#include "deploy/XPStartMenuKeys.h"

namespace deploy {

std::string ShellStringReference(const std::string& shellFileName, int id) {
  return "@" + shellFileName + ",-" + std::to_string(id);
}

std::string FileNamePart(const std::string& path) {
  const size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace deploy
