#pragma once
// The Start button's right-click menu in the registry: each entry is a key
// under HKEY_CLASSES_ROOT "\Directory\Shell" whose default value is its text
// and whose "command" subkey's default value is the command it runs.

#include <string>
#include <vector>

inline constexpr char kDirectoryShellKey[] = "\\Directory\\Shell";

// The entries' names in the registry's order, without the reserved "find".
std::vector<std::string> ListMenuItems();

// The entry's command, or "not specified" when it has none.
std::string ReadMenuCommand(const std::string& name);

// Writes the entry's key and its "command" subkey, creating them as needed.
// Empty on success, else the registry error to show.
std::string WriteMenuItem(const std::string& name, const std::string& command);

// Deletes the entry's key with its subkeys.
bool DeleteMenuItem(const std::string& name);

// The program that opens files of the extension (".txt"), as its
// association's open command names it with the file arguments taken out and
// the folder variables put in; empty when the extension has no association.
std::string FindAssociatedProgram(const std::string& extension);
