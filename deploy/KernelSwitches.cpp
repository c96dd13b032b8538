#include "deploy/KernelSwitches.h"

#include <windows.h>

#include <string>

#include "deploy/BootIniText.h"
#include "win/Files.h"

namespace deploy {

bool RemoveKernelSwitchesIn(const BootIniFiles& files) {
  SetFileAttributesA(files.bootIni, FILE_ATTRIBUTE_NORMAL);
  if (GetFileAttributesA(files.bootIni) == INVALID_FILE_ATTRIBUTES) return true;
  // Without a backup the file that starts the computer is not rewritten.
  if (!CopyFileA(files.bootIni, files.backup, FALSE)) return false;
  const auto bytes = win::ReadWholeFile(files.bootIni);
  if (!bytes) return false;
  const std::string text(bytes->begin(), bytes->end());
  const std::string cleaned = RemoveKernelSwitchesFromText(text);
  if (cleaned == text) return true;
  if (!win::WriteWholeFile(files.work, std::vector<uint8_t>(cleaned.begin(), cleaned.end())))
    return false;
  if (!win::ReplaceFileWith(files.work, files.bootIni)) {
    DeleteFileA(files.work);
    return false;
  }
  return true;
}

}  // namespace deploy

bool RemoveKernelSwitches() {
  return deploy::RemoveKernelSwitchesIn(deploy::BootIniFiles{});
}
