// rename() replaces an existing target in one step on POSIX systems.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "core/FileIo.h"
#include "core/FileIoPlatform.h"

namespace core {

namespace platform {

bool IsRegularFile(const std::string& path) {
  struct stat facts;
  return stat(path.c_str(), &facts) == 0 && S_ISREG(facts.st_mode);
}

std::optional<uint64_t> OpenFileSize(std::FILE* file) {
  struct stat facts;
  if (fstat(fileno(file), &facts) != 0 || facts.st_size < 0) return std::nullopt;
  return static_cast<uint64_t>(facts.st_size);
}

bool FlushToDisk(std::FILE* file) {
  return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

}  // namespace platform

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace core
