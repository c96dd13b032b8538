#include "win/Volumes.h"

#include <windows.h>

namespace win {

std::string DriveRoot(char letter) {
  return std::string(1, letter) + ":\\";
}

bool DriveExists(char letter) {
  if (letter < 'A' || letter > 'Z') return false;
  const DWORD drives = GetLogicalDrives();
  if (drives != 0) return (drives & (DWORD(1) << (letter - 'A'))) != 0;
  // 0 is the call's failure (no machine has no drive at all; Wine without its
  // mount manager answers so). The drive type still tells a root that exists.
  const UINT type = GetDriveTypeA(DriveRoot(letter).c_str());
  return type != DRIVE_UNKNOWN && type != DRIVE_NO_ROOT_DIR;
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
