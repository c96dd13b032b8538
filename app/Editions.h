#pragma once
// Editions of Windows 2000 and XP, and the Start-menu banner bitmap of the
// shell per version and edition. Portable: the Windows side supplies the
// edition questions and the size of the shell file.

#include <cstdint>
#include <functional>
#include <optional>

#include "win/Editions.h"

namespace app {

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
