#pragma once
// Drives and volumes, named by their root ("C:\").

#include <string>

namespace win {

std::string DriveRoot(char letter);
bool DriveExists(char letter);
bool DriveIsFixed(const std::string& root);
// DriveSpace and DoubleSpace volumes: Windows cannot boot from the host drive's
// compressed volume, so the boot drive search skips it.
bool VolumeIsCompressed(const std::string& root);

}  // namespace win
