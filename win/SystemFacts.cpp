#include "win/SystemFacts.h"

#include <windows.h>

#include "win/Environment.h"
#include "win/Paths.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryKey.h"
#include "win/Token.h"
#include "win/Version.h"
#include "win/Volumes.h"

namespace win {

namespace {

constexpr char kCurrentVersionKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kFallbackBootDrive[] = "C:\\";

std::string TrimmedBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int WindowsVersion() {
  const OsVersion version = ReadOsVersion();
  if (!version.known) return kUnsupportedWindows;
  return WindowsVersionFromNumbers(version.platformId, version.major, version.minor);
}

int PlatformFamily() {
  static const int family = static_cast<int>(ReadOsVersion().platformId);
  return family;
}

bool IsAdministrator() {
  if (PlatformFamily() == kPlatformWindows) return true;
  return TokenHasAdministrators();
}

std::string CurrentUserName() {
  return LoggedOnUserName();
}

std::string GetWindowsDir() {
  return WindowsDirectory();
}

std::string GetSystemDir() {
  return SystemDirectory();
}

std::string GetTempDir() {
  std::string directory;
  for (const char* variable : {"TMP", "TEMP"}) {
    const std::string value = EnvironmentValue(variable);
    if (DirectoryExists(value)) {
      directory = value;
      break;
    }
  }
  if (directory.empty()) directory = GetWindowsDir();
  return WithTrailingBackslash(FullPath(directory));
}

std::string GetEnvironmentValue(const std::string& name) {
  return EnvironmentValue(name);
}

std::string GetProgramFilesDir() {
  const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kCurrentVersionKey);
  return key.ReadString("ProgramFilesDir").value_or("");
}

bool IsCompressedVolume(const std::string& root) {
  return VolumeIsCompressed(root);
}

std::string GetBootDrive() {
  // A key of its own rather than the shared accessor, so a caller's selected key survives.
  {
    const RegistryKey key = RegistryKey::Open(HKEY_CURRENT_USER, ProgramRegistryKey);
    const std::string host = TrimmedBlanks(key.ReadString(kHostValue).value_or(""));
    if (!host.empty()) return host;
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!DriveExists(letter)) continue;
    const std::string root = DriveRoot(letter);
    if (!DriveIsFixed(root) || IsCompressedVolume(root)) continue;
    if (!FileExists(root + "Command.com")) continue;
    RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, ProgramRegistryKey);
    key.WriteString(kHostValue, root);
    return root;
  }
  return kFallbackBootDrive;
}

bool FileCanBeOpened(const std::string& path) {
  return FileOpensForReading(path);
}

}  // namespace win
