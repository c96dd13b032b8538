#pragma once
// Writing the XP Start Menu texts: the six string blocks into a new numbered
// copy of the shell, and the XP Start Menu item keys that name it.

#include <string>

#include "core/Outcome.h"
#include "startmenu/XPStartMenuTexts.h"

namespace startmenu {

// WriteXPStartMenuRegistry: the default values of the first four XP Start
// Menu item keys from the texts' names (only when the texts hold block 439,
// so an unread file never blanks them), then RelinkXPStartMenuStrings with
// file. The fifth and sixth keys' default values are never written. False
// when Windows refused a write.
bool WriteXPStartMenuRegistry(const std::string& file, const XPStartMenuTexts& texts);

// WriteXPStartMenuResources with activation: CurrentShellPath's copy with
// the six blocks written completely to newFile; only then the keys are
// pointed at it and it becomes the shell. A failure switched nothing.
core::Outcome WriteXPStartMenuResources(const std::string& newFile, const XPStartMenuTexts& texts);

// The physical restore: the keys take Windows' own names and strings of
// Explorer.exe again and Explorer.exe becomes the shell again.
core::Outcome RestoreXPStartMenuShell();

}  // namespace startmenu
