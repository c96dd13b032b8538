#include "win/VersionRule.h"

namespace win {

int WindowsVersionFromNumbers(unsigned platformId, unsigned major, unsigned minor) {
  if (platformId == kPlatformWindows && major == 4) {
    // 95 and its service releases report minors 0..9; 98 (and 98 SE) is 10, Millennium 90.
    if (minor < 10) return kWindows95;
    if (minor == 10) return kWindows98;
    if (minor == 90) return kWindowsMillennium;
    return kUnsupportedWindows;
  }
  if (platformId == kPlatformNT && major == 5) {
    if (minor == 0) return kWindows2000;
    if (minor == 1) return kWindowsXP;
  }
  return kUnsupportedWindows;
}

}  // namespace win
