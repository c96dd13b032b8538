#include "win/Environment.h"

#include <windows.h>

namespace win {

namespace {

constexpr DWORD kFirstBuffer = 255;
// The value can change between calls (another thread); stop chasing it eventually.
constexpr int kAttempts = 8;

}  // namespace

std::string EnvironmentValue(const std::string& name) {
  std::string buffer(kFirstBuffer, '\0');
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const DWORD capacity = static_cast<DWORD>(buffer.size());
    const DWORD result = GetEnvironmentVariableA(name.c_str(), &buffer[0], capacity);
    if (result == 0) return std::string();
    // Below capacity: the count of characters copied. Otherwise: the size needed,
    // terminator included.
    if (result < capacity) {
      buffer.resize(result);
      return buffer;
    }
    buffer.assign(size_t(result) + 1, '\0');
  }
  return std::string();
}

std::string ExpandEnvironment(const std::string& text) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    // The 95 family wants room for one byte more than it reports.
    std::string buffer(size_t(needed) + 1, '\0');
    const DWORD written =
        ExpandEnvironmentStringsA(text.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()));
    if (written == 0) return text;
    if (written <= buffer.size()) {
      const size_t end = buffer.find('\0');
      if (end != std::string::npos) buffer.resize(end);
      return buffer;
    }
  }
  return text;
}

}  // namespace win
