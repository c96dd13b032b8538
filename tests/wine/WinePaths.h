#pragma once
// Paths the test scripts hand to Wine tests as Unix paths, in the form a
// Windows program uses (Wine maps the Unix root to drive Z:).

#include <cstdlib>
#include <string>

namespace winetest {

inline std::string EnvironmentOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

// "/work/x" -> "Z:\work\x"; Windows paths pass unchanged.
inline std::string WindowsPath(const std::string& path) {
  if (path.empty() || path.front() != '/') return path;
  std::string converted = "Z:" + path;
  for (char& c : converted) {
    if (c == '/') c = '\\';
  }
  return converted;
}

// Directory of the build tree (QUORLO_BINARY), with a trailing backslash.
inline std::string BuildDirectory() {
  std::string directory = WindowsPath(EnvironmentOr("QUORLO_BINARY", "."));
  if (directory.back() != '\\') directory += '\\';
  return directory;
}

}  // namespace winetest
