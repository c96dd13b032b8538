#include "help/HelpTopic.h"

#include "help/HookHelpSystem.h"
#include "win/SystemFacts.h"

namespace help {

namespace {

std::string& StoredHelpFilePath() {
  static std::string path;
  return path;
}

THookHelpSystem*& ActiveHelpSystem() {
  static THookHelpSystem* helpSystem = nullptr;
  return helpSystem;
}

}  // namespace

const char kHelpFileMissingMessage[] =
    "The help file 'Help.chm' cannot be found!\r\n"
    "Please reinstall Quorlo.";

const std::string& HelpFilePath() {
  return StoredHelpFilePath();
}

void SetHelpFilePath(const std::string& path) {
  StoredHelpFilePath() = path;
}

void SetActiveHelpSystem(THookHelpSystem* helpSystem) {
  ActiveHelpSystem() = helpSystem;
}

core::Outcome ShowHelpTopic(const std::string& page) {
  if (!win::FileCanBeOpened(HelpFilePath())) return core::Outcome::Failure(kHelpFileMissingMessage);
  if (ActiveHelpSystem() != nullptr) ActiveHelpSystem()->HelpTopic("html\\" + page);
  return core::Outcome::Success();
}

}  // namespace help
