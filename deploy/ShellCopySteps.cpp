#include "deploy/ShellCopySteps.h"

#include "deploy/Restart.h"
#include "deploy/ShellLocation.h"
#include "ui/ChoiceDialog.h"
#include "ui/MessageBox.h"

namespace deploy {

std::optional<std::string> WriteShellCopy(ui::Form& window, const ShellCopyWriter& write) {
  const UniqueName name = MakeUniqueShellName(CurrentShellPath);
  if (!name.found) {
    ui::ShowErrorAndClose(window.Hwnd(), name.message);
    return std::nullopt;
  }
  const core::Outcome written = write(name.path);
  if (!written.ok) {
    window.ShowError(written.message);
    return std::nullopt;
  }
  return name.path;
}

bool ApplyShellCopy(ui::Form& window, const ShellCopyWriter& write) {
  const std::optional<std::string> newFile = WriteShellCopy(window, write);
  if (!newFile) return false;
  RestartShell(*newFile);
  return true;
}

void ConfirmShellCopy(ui::Form& window, ui::ChoiceDialog& applyChoice,
                      const ShellCopyWriter& write) {
  if (applyChoice.ShowModal() != ui::mrOk) return;
  const std::optional<std::string> newFile = WriteShellCopy(window, write);
  if (!newFile) return;
  if (applyChoice.Choice() == ui::ChoiceDialog::kApplyNow) {
    RestartShell(*newFile);
  } else if (ui::AskToRestart(window.Hwnd(), window.Text(), false)) {
    RestartWindows();
  }
  window.CloseWith(ui::mrOk);
}

bool RestoreShellDefaults(ui::Form& window, ui::ChoiceDialog& restoreChoice,
                          const RestoreSteps& steps) {
  if (restoreChoice.ShowModal() != ui::mrOk) return false;
  if (restoreChoice.Choice() == ui::ChoiceDialog::kRestorePhysical) {
    const core::Outcome restored = steps.restoreShell();
    if (!restored.ok) {
      window.ShowError(restored.message);
      return true;
    }
    if (ui::AskToRestart(window.Hwnd(), window.Text(), true)) RestartWindows();
    window.CloseWith(ui::mrOk);
    return true;
  }
  steps.loadDefaults();
  window.ShowInformation(steps.restoredMessage);
  return true;
}

}  // namespace deploy
