#include "app/Editions.h"

#include "win/VersionRule.h"

namespace app {

int XPEditionFromChoice(bool homeChecked) {
  return homeChecked ? win::kXPHomeEdition : win::kXPProfessionalEdition;
}

int TwoKEditionFromChoice(const bool (&checked)[5]) {
  for (int i = 0; i < 5; ++i) {
    if (checked[i]) return win::k2000ProfessionalEdition + i;
  }
  return win::k2000ProfessionalEdition;
}

int BannerBitmapIdFor(int windowsVersion, const BannerQuestions& ask) {
  switch (windowsVersion) {
    case win::kWindowsMillennium:
      return 161;
    case win::kWindowsXP:
      return (ask.xpEdition && ask.xpEdition() == win::kXPHomeEdition) ? 166 : 167;
    case win::kWindows2000:
      switch (ask.twoKEdition ? ask.twoKEdition() : win::k2000ProfessionalEdition) {
        case win::k2000ServerEdition:
          return 158;
        case win::k2000TerminalEdition:
          return 162;
        case win::k2000AdvancedServerEdition:
          return 163;
        case win::k2000DatacenterEdition:
          return 164;
        default:
          return 157;
      }
    case win::kWindows95: {
      const std::optional<uint64_t> size = ask.shellFileSize ? ask.shellFileSize() : std::nullopt;
      return (size && *size == kWindows95BannerShellSize) ? 161 : 157;
    }
    default:
      return 157;
  }
}

}  // namespace app
