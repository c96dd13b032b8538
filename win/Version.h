#pragma once
// The version numbers Windows reports to the program.

#include <windows.h>

namespace win {

struct OsVersion {
  bool known = false;  // false when GetVersionExA fails
  DWORD platformId = 0;
  DWORD major = 0;
  DWORD minor = 0;
};

OsVersion ReadOsVersion();

}  // namespace win
