#pragma once
// The text side of boot.ini's "/kernel=" switches. Portable, so the rules
// are tested natively; the file handling is in KernelSwitches.

#include <string>

namespace deploy {

// The line with its "/kernel=" switches removed. The switch is found in any
// letter case and goes with the one character before it (the blank that
// separates switches) and its file name up to the next blank or the end of
// the line. Every switch on the line goes: a second one left behind would
// still start the patched kernel.
std::string RemoveKernelSwitchFromLine(const std::string& line);

// Applies that to every line of a boot.ini text. Lines end in "\r\n"; a last
// line without one is kept without one, and a lone "\n" ending is kept too.
std::string RemoveKernelSwitchesFromText(const std::string& text);

}  // namespace deploy
