#pragma once
// Which supported Windows a GetVersionExA answer names. Kept apart from the
// call itself so the rule is checked on every platform.

// Platform ids of OSVERSIONINFOA.
constexpr unsigned kPlatformWindows = 1;  // 95, 98, Millennium
constexpr unsigned kPlatformNT = 2;

// 1 Windows 95, 2 Windows 98, 3 Windows Millennium, 4 Windows 2000, 5 Windows XP,
// -1 anything else (NT 4, Server 2003, Vista and later, unknown 4.x).
int WindowsVersionFromNumbers(unsigned platformId, unsigned major, unsigned minor);
