#pragma once
// The program's help file and the page each window's "?" opens.

#include <string>

#include "core/Outcome.h"

namespace help {

class THookHelpSystem;

inline constexpr char kHelpFileName[] = "Help.chm";
extern const char kHelpFileMissingMessage[];

// Full path of Help.chm beside the program; set once at start-up.
const std::string& HelpFilePath();
void SetHelpFilePath(const std::string& path);
// The help bridge ShowHelpTopic hands pages to; owned by the caller, null to detach.
void SetActiveHelpSystem(THookHelpSystem* helpSystem);
// Opens the page "html\" + page of the help file; fails with
// kHelpFileMissingMessage when the file is not there, for the caller to show.
core::Outcome ShowHelpTopic(const std::string& page);

}  // namespace help
