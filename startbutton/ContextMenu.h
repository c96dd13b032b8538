#pragma once
// The Start button's right-click menu in the registry: each entry is a key
// under HKEY_CLASSES_ROOT "\Directory\Shell" whose default value is its text
// and whose "command" subkey's default value is the command it runs.

#include <string>
#include <vector>

#include "core/Outcome.h"

namespace startbutton {

inline constexpr char kDirectoryShellKey[] = "\\Directory\\Shell";

// The entries' names in the registry's order, without the reserved "find".
std::vector<std::string> ListMenuItems();

// The entry's command, or "not specified" when it has none.
std::string ReadMenuCommand(const std::string& name);

// Whether two entry names name one registry key (letter case ignored as the
// registry ignores it).
bool SameMenuItemName(const std::string& a, const std::string& b);

// Writes the entry's key and its "command" subkey, creating them as needed.
// A failure names the key Windows refused.
core::Outcome WriteMenuItem(const std::string& name, const std::string& command);

// Writes the entry name = command in place of oldName (empty: a new entry).
// The new key is written before the old one goes, so a refused write loses
// nothing; an old name that differs in letter case only is the same key and
// goes first, so that the new spelling is the one kept.
core::Outcome ReplaceMenuItem(const std::string& oldName, const std::string& name,
                              const std::string& command);

// Deletes the entry's key with its subkeys. A failure names the key.
core::Outcome DeleteMenuItem(const std::string& name);

// The program that opens files of the extension (".txt"), as its
// association's open command names it with the file arguments taken out and
// the folder variables put in; empty when the extension has no association.
std::string FindAssociatedProgram(const std::string& extension);

}  // namespace startbutton
