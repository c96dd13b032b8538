#include "win/Volumes.h"

#include <windows.h>

namespace win {

std::string DriveRoot(char letter) {
  return std::string(1, letter) + ":\\";
}

bool DriveExists(char letter) {
  if (letter < 'A' || letter > 'Z') return false;
  return (GetLogicalDrives() & (DWORD(1) << (letter - 'A'))) != 0;
}

bool DriveIsFixed(const std::string& root) {
  return GetDriveTypeA(root.c_str()) == DRIVE_FIXED;
}

bool VolumeIsCompressed(const std::string& root) {
  DWORD flags = 0;
  if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) {
    return false;
  }
  return (flags & FS_VOL_IS_COMPRESSED) != 0;
}

}  // namespace win
