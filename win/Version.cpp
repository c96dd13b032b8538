#include "win/Version.h"

namespace win {

OsVersion ReadOsVersion() {
  OSVERSIONINFOA info = {};
  // The basic structure: 95 and NT 4 before SP6 refuse the extended one.
  info.dwOSVersionInfoSize = sizeof(info);
  OsVersion version;
  if (!GetVersionExA(&info)) return version;
  version.known = true;
  version.platformId = info.dwPlatformId;
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  return version;
}

}  // namespace win
