#include "app/Utils.h"

#include "app/Constants.h"
#include "app/VersionRule.h"
#include "help/HookHelpSystem.h"
#include "win/Environment.h"
#include "win/Paths.h"
#include "win/RegistryKey.h"
#include "win/Token.h"
#include "win/Version.h"
#include "win/Volumes.h"

namespace {

constexpr char kCurrentVersionKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion";
constexpr char kFallbackBootDrive[] = "C:\\";

std::string& StoredHelpFilePath() {
  static std::string path;
  return path;
}

THookHelpSystem*& ActiveHelpSystem() {
  static THookHelpSystem* helpSystem = nullptr;
  return helpSystem;
}

std::string TrimmedBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int WindowsVersion() {
  const win::OsVersion version = win::ReadOsVersion();
  if (!version.known) return -1;
  return WindowsVersionFromNumbers(version.platformId, version.major, version.minor);
}

int PlatformFamily() {
  static const int family = static_cast<int>(win::ReadOsVersion().platformId);
  return family;
}

bool IsAdministrator() {
  if (PlatformFamily() == static_cast<int>(kPlatformWindows)) return true;
  return win::TokenHasAdministrators();
}

std::string CurrentUserName() {
  return win::LoggedOnUserName();
}

std::string GetWindowsDir() {
  return win::WindowsDirectory();
}

std::string GetSystemDir() {
  return win::SystemDirectory();
}

std::string GetTempDir() {
  std::string directory;
  for (const char* variable : {"TMP", "TEMP"}) {
    const std::string value = win::EnvironmentValue(variable);
    if (win::DirectoryExists(value)) {
      directory = value;
      break;
    }
  }
  if (directory.empty()) directory = GetWindowsDir();
  return win::WithTrailingBackslash(win::FullPath(directory));
}

std::string GetEnvironmentValue(const std::string& name) {
  return win::EnvironmentValue(name);
}

std::string GetProgramFilesDir() {
  const win::RegistryKey key = win::RegistryKey::Open(HKEY_LOCAL_MACHINE, kCurrentVersionKey);
  return key.ReadString("ProgramFilesDir").value_or("");
}

bool IsCompressedVolume(const std::string& root) {
  return win::VolumeIsCompressed(root);
}

std::string GetBootDrive() {
  // A key of its own rather than the shared accessor, so a caller's selected key survives.
  {
    const win::RegistryKey key = win::RegistryKey::Open(HKEY_CURRENT_USER, ProgramRegistryKey);
    const std::string host = TrimmedBlanks(key.ReadString(kHostValue).value_or(""));
    if (!host.empty()) return host;
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!win::DriveExists(letter)) continue;
    const std::string root = win::DriveRoot(letter);
    if (!win::DriveIsFixed(root) || IsCompressedVolume(root)) continue;
    if (!win::FileExists(root + "Command.com")) continue;
    win::RegistryKey key = win::RegistryKey::Create(HKEY_CURRENT_USER, ProgramRegistryKey);
    key.WriteString(kHostValue, root);
    return root;
  }
  return kFallbackBootDrive;
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags, HWND owner) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

bool FileCanBeOpened(const std::string& path) {
  return win::FileOpensForReading(path);
}

const std::string& HelpFilePath() {
  return StoredHelpFilePath();
}

void SetHelpFilePath(const std::string& path) {
  StoredHelpFilePath() = path;
}

void SetActiveHelpSystem(THookHelpSystem* helpSystem) {
  ActiveHelpSystem() = helpSystem;
}

void ShowHelpTopic(const std::string& page) {
  if (!FileCanBeOpened(HelpFilePath())) {
    ShowMessageBox(kHelpFileMissingMessage, kApplicationTitle, MB_ICONERROR, nullptr);
    return;
  }
  if (ActiveHelpSystem() != nullptr) ActiveHelpSystem()->HelpTopic("html\\" + page);
}
