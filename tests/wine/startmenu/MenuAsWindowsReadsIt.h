#pragma once
// The Start menu of a shell file as Windows itself reads it (menu 204
// loaded from the file by the loader and walked with the menu calls), and
// the model's tree in the same words, so the two compare line for line.

#include <string>
#include <vector>

#include "startmenu/StartMenuModel.h"

namespace startmenu::test {

// One line per item of the Start menu (below the top-level item), in menu
// order, indented two blanks per level: "text #id", "---- (separator)"
// or "text >" for an item with a sub-menu. A first line starting with "<"
// says why nothing could be read.
std::vector<std::string> MenuAsWindowsReadsIt(const std::string& shellFile);
std::vector<std::string> MenuOfTheModel(const startmenu::StartMenuModel& model);

// The texts of the Start menu's own items, as Windows reads them.
std::vector<std::string> TopLevelTexts(const std::string& shellFile);

}  // namespace startmenu::test
