#pragma once
// The OK, Apply and Restore sequences of every window that writes shell
// copies (the Start Button Manager, the Start Menu managers): a free name,
// the copy written and activated by the window's own writer, then the shell
// restarted at once or the restart question; and the two ways back to
// Windows' own shell. The window speaks: every message has its caption and
// it as owner.

#include <functional>
#include <optional>
#include <string>

#include "core/Outcome.h"

namespace ui {
class ChoiceDialog;
class Form;
}  // namespace ui

namespace deploy {

// The hints of the buttons that run these sequences, alike on every such window.
inline constexpr char kShellCopyOkHint[] =
    "Saves the changes you have made and closes the dialog. Options available are to apply the "
    "changes instantly, or to restart for the changes to take effect.";
inline constexpr char kShellCopyCancelHint[] =
    "Discards any changes you may have made and close this dialog.";
inline constexpr char kShellCopyApplyHint[] =
    "Apply the changes you have made so that you can see them without having to restart your "
    "computer.";
inline constexpr char kShellCopyRestoreHint[] =
    "Restores your computer's original settings. You can either restore the settings and then "
    "restart, or restore the settings and then make changes.";

// Writes the copy named newFile completely and only then activates it; a
// failure activated nothing and says what failed.
using ShellCopyWriter = std::function<core::Outcome(const std::string& newFile)>;

// A free name for a copy of the shell in force, then the writer: the new
// file, or nothing once the window has said why (with no free name it closes).
std::optional<std::string> WriteShellCopy(ui::Form& window, const ShellCopyWriter& write);

// Apply: the copy, then the shell restarted on it. False when nothing was written.
bool ApplyShellCopy(ui::Form& window, const ShellCopyWriter& write);

// OK: the apply choice, the copy, then the shell restarted at once or the
// restart question (and on Yes the reboot); the window closes. Cancelled or
// failed, the window stays open with its edits for another try.
void ConfirmShellCopy(ui::Form& window, ui::ChoiceDialog& applyChoice,
                      const ShellCopyWriter& write);

// What a window does for each answer of its restore choice.
struct RestoreSteps {
  // The physical backup: Windows is pointed back at its own shell.
  std::function<core::Outcome()> restoreShell;
  // For editing: the window shows Windows' own settings, written at OK or Apply.
  std::function<void()> loadDefaults;
  // Said after loadDefaults.
  std::string restoredMessage;
};

// Restore: the restore choice; the physical backup restored, the restart
// question and the window closed; or Windows' defaults loaded for editing.
// False when the user cancelled the choice.
bool RestoreShellDefaults(ui::Form& window, ui::ChoiceDialog& restoreChoice,
                          const RestoreSteps& steps);

}  // namespace deploy
