#pragma once
// The text rules of the Start button's right-click menu: reserved names, the
// command line an entry opens, and the clean-up of an association's command.
// Portable, so each rule is tested natively.

#include <string>

namespace startbutton {

// "find" in any letter case is Windows' own entry and never ours.
bool IsReservedMenuName(const std::string& name);

// The lower-case extension with its dot ("" when there is none): the text
// from the last "." that follows the last "\" or ":".
std::string LowerExtension(const std::string& path);

// Programs (.exe, .com, .cpl, .scr) are their own command.
bool RunsByItself(const std::string& extension);

// The text without the blanks and control characters at either end.
std::string TrimSpaces(const std::string& text);

// The entry's command: the file alone when program is empty, else the
// program, a space and the file in double quotes.
std::string MenuCommand(const std::string& file, const std::string& program);

// What the folders of an association command stand for on this machine.
struct CommandFolders {
  std::string windowsDir;       // with its trailing backslash
  std::string programFilesDir;  // empty when Windows names none
};

// An association's "shell\open\command" turned into a program path: double
// quotes gone, the first "%1" to "%9" each gone, "%systemdrive%",
// "%systemroot%" and "%programfiles%" (any letter case) replaced, trailing
// blanks gone. "%programfiles%" stays when there is no Program Files folder.
std::string ProgramOfAssociation(const std::string& command, const CommandFolders& folders);

}  // namespace startbutton
