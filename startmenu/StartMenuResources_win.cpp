#include "startmenu/StartMenuResources_win.h"

#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/ShellLocation.h"
#include "startmenu/MenuTemplate.h"
#include "win/SystemFacts.h"

namespace startmenu {

namespace {

bool OnWindowsXP() {
  return win::WindowsVersion() == win::kWindowsXP;
}

}  // namespace

StartMenuWrite WriteStartMenuResources(const std::string& newFile, StartMenuModel& model,
                                       const VerticalLogoChange& logo, uint32_t bannerId) {
  StartMenuWrite result;
  // A copy without its Start menu would leave the shell with none.
  if (model.Empty()) {
    result.outcome = core::Outcome::Failure("There is no Start Menu to write: the menu of" +
                                            core::LineBreaks(1) + deploy::CurrentShellPath +
                                            core::LineBreaks(1) + "was not read.");
    return result;
  }
  deploy::PatchedCopy copy;
  copy.source = deploy::CurrentShellPath;
  copy.target = newFile;
  copy.changes.push_back({kMenuResourceType, kStartMenuResourceName, model.SaveMenuTemplate(), 0});
  if (logo.changed)
    result.logoProblem =
        deploy::AddBitmapChange(copy.changes, bannerId, logo, "Start Menu vertical logo");
  const bool xp = OnWindowsXP();
  result.outcome = deploy::WriteAndActivate(
      copy, [&newFile, xp] { return deploy::ActivateShellCopy(newFile, xp); });
  return result;
}

core::Outcome RestoreWindowsShell() {
  return deploy::ActivateShellCopy(deploy::WindowsExplorerPath(), OnWindowsXP());
}

}  // namespace startmenu
