#pragma once
// The editions of Windows 2000 and XP, as the program stores them in its
// "XP Edition" and "2k Edition" settings. Each names the shell's banner,
// the kernel's start-up logo and the logon library's pictures.

namespace win {

// "XP Edition": 1 Home, 2 Professional/Corporate.
inline constexpr int kXPHomeEdition = 1;
inline constexpr int kXPProfessionalEdition = 2;
// "2k Edition": 3 Professional to 7 Datacenter Server.
inline constexpr int k2000ProfessionalEdition = 3;
inline constexpr int k2000ServerEdition = 4;
inline constexpr int k2000TerminalEdition = 5;
inline constexpr int k2000AdvancedServerEdition = 6;
inline constexpr int k2000DatacenterEdition = 7;

constexpr bool IsXPEdition(int value) {
  return value == kXPHomeEdition || value == kXPProfessionalEdition;
}
constexpr bool Is2000Edition(int value) {
  return value >= k2000ProfessionalEdition && value <= k2000DatacenterEdition;
}

}  // namespace win
