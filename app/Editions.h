#pragma once
// Editions of Windows 2000 and XP, and the Start-menu banner bitmap of the
// shell per version and edition. Portable: the Windows side supplies the
// edition questions and the size of the shell file.

#include <cstdint>
#include <functional>
#include <optional>

namespace app {

// "XP Edition": 1 Home, 2 Professional/Corporate.
constexpr int kXPHomeEdition = 1;
constexpr int kXPProfessionalEdition = 2;
// "2k Edition": 3 Professional to 7 Datacenter Server.
constexpr int k2000ProfessionalEdition = 3;
constexpr int k2000ServerEdition = 4;
constexpr int k2000TerminalEdition = 5;
constexpr int k2000AdvancedServerEdition = 6;
constexpr int k2000DatacenterEdition = 7;

constexpr bool IsXPEdition(int value) {
  return value == kXPHomeEdition || value == kXPProfessionalEdition;
}
constexpr bool Is2000Edition(int value) {
  return value >= k2000ProfessionalEdition && value <= k2000DatacenterEdition;
}

// The edition for the chooser's radio buttons: the first checked one, in
// order; none checked is the first edition.
int XPEditionFromChoice(bool homeChecked);
int TwoKEditionFromChoice(const bool (&checked)[5]);

// The byte length of the Windows 95 shell with the 161 banner.
constexpr uint64_t kWindows95BannerShellSize = 171280;

struct BannerQuestions {
  std::function<int()> xpEdition;
  std::function<int()> twoKEdition;
  // Size of the Windows directory's "Explorer.exe"; nothing when unreadable.
  std::function<std::optional<uint64_t>()> shellFileSize;
};

// The bitmap id for WindowsVersion `windowsVersion`; an edition is asked
// only on 2000 and XP, the shell size only on 95.
int BannerBitmapIdFor(int windowsVersion, const BannerQuestions& ask);

}  // namespace app
