#include <gtest/gtest.h>

#include "win/VersionRule.h"

namespace {

struct VersionCase {
  const char* windows;
  unsigned platformId;
  unsigned major;
  unsigned minor;
  int expected;
};

// What each Windows reports through GetVersionExA, and what the program makes of it.
const VersionCase kCases[] = {
    {"Windows 95 / OSR2", 1, 4, 0, 1},
    {"95 family, minor 9", 1, 4, 9, 1},
    {"Windows 98 / 98 SE", 1, 4, 10, 2},
    {"95 family, minor 11", 1, 4, 11, -1},
    {"95 family, minor 89", 1, 4, 89, -1},
    {"Windows Millennium", 1, 4, 90, 3},
    {"95 family, minor 91", 1, 4, 91, -1},
    {"95 family, major 5", 1, 5, 0, -1},
    {"95 family, major 3", 1, 3, 95, -1},
    {"Windows NT 4.0", 2, 4, 0, -1},
    {"NT 4, minor 10", 2, 4, 10, -1},
    {"Windows 2000", 2, 5, 0, 4},
    {"Windows XP", 2, 5, 1, 5},
    {"Windows Server 2003", 2, 5, 2, -1},
    {"Windows Vista", 2, 6, 0, -1},
    {"Windows 7", 2, 6, 1, -1},
    {"Windows 10", 2, 10, 0, -1},
    {"Win32s", 0, 4, 0, -1},
    {"unknown platform 3", 3, 5, 1, -1},
};

TEST(VersionRule, MapsReportedNumbersToSupportedWindows) {
  for (const VersionCase& c : kCases) {
    EXPECT_EQ(win::WindowsVersionFromNumbers(c.platformId, c.major, c.minor), c.expected)
        << c.windows << " (platform " << c.platformId << ", " << c.major << "." << c.minor << ")";
  }
}

}  // namespace
