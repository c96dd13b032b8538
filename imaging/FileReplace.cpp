// rename() replaces an existing target in one step on POSIX systems.

#include <cstdio>

#include "imaging/FileIo.h"

namespace quorlo::imaging {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace quorlo::imaging
