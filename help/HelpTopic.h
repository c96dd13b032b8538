#pragma once
// The program's help file and the page each window's "?" opens.

#include <string>

class THookHelpSystem;

namespace help {

inline constexpr char kHelpFileName[] = "Help.chm";
extern const char kHelpFileMissingMessage[];

// Full path of Help.chm beside the program; set once at start-up.
const std::string& HelpFilePath();
void SetHelpFilePath(const std::string& path);
// The help bridge ShowHelpTopic hands pages to; owned by the caller, null to detach.
void SetActiveHelpSystem(THookHelpSystem* helpSystem);
// Opens the page "html\" + page of the help file, or says the file is missing.
void ShowHelpTopic(const std::string& page);

}  // namespace help
