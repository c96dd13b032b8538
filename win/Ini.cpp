#include "win/Ini.h"

#include <windows.h>

namespace win {

namespace {

constexpr DWORD kFirstBuffer = 256;
// Profile values are at most 64 KiB on the 95 family; stop growing there.
constexpr DWORD kLargestBuffer = 65536;

}  // namespace

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback) {
  for (DWORD size = kFirstBuffer; size <= kLargestBuffer; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(),
                                                  &buffer[0], size, file.c_str());
    // size - 1 means the value was cut to fit.
    if (length < size - 1) {
      buffer.resize(length);
      return buffer;
    }
  }
  return fallback;
}

bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

}  // namespace win
