#pragma once
// Which supported Windows a GetVersionExA answer names. Kept apart from the
// call itself so the rule is checked on every platform.

namespace win {

// Platform ids of OSVERSIONINFOA, as PlatformFamily returns them.
inline constexpr int kPlatformWindows = 1;  // 95, 98, Millennium
inline constexpr int kPlatformNT = 2;

// The codes WindowsVersion returns.
inline constexpr int kWindows95 = 1;
inline constexpr int kWindows98 = 2;
inline constexpr int kWindowsMillennium = 3;
inline constexpr int kWindows2000 = 4;
inline constexpr int kWindowsXP = 5;
inline constexpr int kUnsupportedWindows = -1;

// kWindows95 .. kWindowsXP, or kUnsupportedWindows for anything else (NT 4,
// Server 2003, Vista and later, unknown 4.x).
int WindowsVersionFromNumbers(unsigned platformId, unsigned major, unsigned minor);

}  // namespace win
