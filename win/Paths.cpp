#include "win/Paths.h"

#include <windows.h>

namespace win {

namespace {

// Windows paths in the ANSI calls stop at MAX_PATH; executables may sit deeper
// when the long-path prefix is in use, so the module path grows further.
constexpr DWORD kPathBuffer = MAX_PATH;
constexpr DWORD kLongestModulePath = 32768;

template <typename Call>
std::string DirectoryFrom(Call call) {
  char buffer[kPathBuffer + 1] = {};
  const UINT length = call(buffer, kPathBuffer);
  if (length == 0 || length > kPathBuffer) return std::string();
  return WithTrailingBackslash(std::string(buffer, length));
}

}  // namespace

std::string WithTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + "\\";
}

std::string WindowsDirectory() {
  return DirectoryFrom([](char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
}

std::string SystemDirectory() {
  return DirectoryFrom([](char* buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
}

std::string ExecutablePath() {
  for (DWORD size = kPathBuffer; size <= kLongestModulePath; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, &buffer[0], size);
    if (length == 0) return std::string();
    // A full buffer means the path was cut short (XP does not even set an error).
    if (length < size) {
      buffer.resize(length);
      return buffer;
    }
  }
  return std::string();
}

std::string ExecutableDirectory() {
  const std::string path = ExecutablePath();
  const size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return std::string();
  return path.substr(0, slash + 1);
}

std::string FullPath(const std::string& path) {
  const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::string buffer(needed, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), needed, &buffer[0], nullptr);
  if (length == 0 || length >= needed) return path;
  buffer.resize(length);
  return buffer;
}

bool DirectoryExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FileOpensForReading(const std::string& path) {
  if (path.empty()) return false;
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace win
