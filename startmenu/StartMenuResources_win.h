#pragma once
// Writing the classic Start menu into a new numbered copy of the shell, and
// the physical restore of Windows' own shell.

#include <cstdint>
#include <optional>
#include <string>

#include "core/Outcome.h"
#include "deploy/PatchedCopy.h"
#include "startmenu/StartMenuModel.h"

namespace startmenu {

// The pending change of the vertical logo: VLChanged, VLRestore (take it
// from Windows' own Explorer.exe) and VLFile (the chosen bitmap file).
using VerticalLogoChange = deploy::PendingBitmap;

struct StartMenuWrite {
  // Why the pending logo was left out; the menu was written all the same.
  std::optional<std::string> logoProblem;
  // The write and activation; a failure activated nothing.
  core::Outcome outcome;
};

// WriteStartMenuResources: CurrentShellPath's copy with the model's menu 204
// (and the pending logo as bitmap bannerId, StartBannerBitmapId from the
// caller) written completely to newFile; only then it becomes the shell and,
// on Windows XP, the XP Start Menu texts are pointed at it. The window shows
// logoProblem before the outcome.
StartMenuWrite WriteStartMenuResources(const std::string& newFile, StartMenuModel& model,
                                       const VerticalLogoChange& logo, uint32_t bannerId);

// The physical restore: Windows' own Explorer.exe becomes the shell again,
// and on Windows XP the XP Start Menu texts name it again, since the copy
// they name is no longer the shell.
core::Outcome RestoreWindowsShell();

}  // namespace startmenu
