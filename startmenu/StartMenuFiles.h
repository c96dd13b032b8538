#pragma once
// What the Start Menu managers read from a shell file: the classic Start
// menu, its vertical logo, the XP Start Menu texts; and the check of a logo
// file the user picks. Read through the resource engine's reader, so the
// file is PE32 data whatever this program's own bitness. Portable.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "startmenu/StartMenuModel.h"
#include "startmenu/XPStartMenuTexts.h"

namespace startmenu {

// Menu 204 of shellFile into the model (LoadMenuTemplate, BuildMenuTree).
// A failure leaves the model as it was and says why in the user's words.
core::Outcome ReadStartMenu(const std::string& shellFile, StartMenuModel& model);

// Bitmap bannerId of shellFile (StartBannerBitmapId, from the caller) as a
// bitmap file, for the preview; empty when the file lacks a readable one.
std::optional<std::vector<uint8_t>> ReadVerticalLogo(const std::string& shellFile,
                                                     uint32_t bannerId);
// The same turned a quarter clockwise: the horizontal display copy.
std::optional<std::vector<uint8_t>> ReadVerticalLogoDisplayCopy(const std::string& shellFile,
                                                                uint32_t bannerId);

// Whether the file the user chose at "Change..." can become the logo; the
// failure carries kLogoNotLoadedMessage.
core::Outcome CheckVerticalLogoFile(const std::string& path);

// LoadXPStartMenuStrings: the six string blocks of shellFile. A file the
// engine refuses reads as empty texts, with the refusal said.
XPStartMenuTextsRead LoadXPStartMenuStrings(const std::string& shellFile);

}  // namespace startmenu
