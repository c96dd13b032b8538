#include "app/VersionRule.h"

int WindowsVersionFromNumbers(unsigned platformId, unsigned major, unsigned minor) {
  if (platformId == kPlatformWindows && major == 4) {
    // 95 and its service releases report minors 0..9; 98 (and 98 SE) is 10, Millennium 90.
    if (minor < 10) return 1;
    if (minor == 10) return 2;
    if (minor == 90) return 3;
    return -1;
  }
  if (platformId == kPlatformNT && major == 5) {
    if (minor == 0) return 4;
    if (minor == 1) return 5;
  }
  return -1;
}
