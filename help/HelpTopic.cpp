#include "help/HelpTopic.h"

#include "help/HookHelpSystem.h"
#include "ui/MessageBox.h"
#include "win/ProgramIdentity.h"
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

void ShowHelpTopic(const std::string& page) {
  if (!win::FileCanBeOpened(HelpFilePath())) {
    ui::ShowMessageBox(kHelpFileMissingMessage, win::kApplicationTitle, MB_ICONERROR, nullptr);
    return;
  }
  if (ActiveHelpSystem() != nullptr) ActiveHelpSystem()->HelpTopic("html\\" + page);
}

}  // namespace help
