#pragma once
// The text side of boot.ini's "/kernel=" switches. Portable, so the rules
// are tested natively; the file handling is in KernelSwitches. The Logos
// Manager's boot entry model reads and rewrites lines with the same pieces,
// so that what it writes is exactly what the removal takes out again.

#include <cstddef>
#include <string>
#include <vector>

namespace deploy {

// The switch that names the kernel a boot entry starts.
inline constexpr char kKernelSwitch[] = "/kernel=";
inline constexpr size_t kKernelSwitchLength = sizeof kKernelSwitch - 1;

// True when text holds the switch, in any letter case, at `at`.
bool KernelSwitchAt(const std::string& text, size_t at = 0);

// One line of a boot.ini text and the ending that followed it: "\r\n",
// a lone "\n", or nothing for a last line without one. Joining the lines
// again gives the text back byte for byte.
struct BootIniLine {
  std::string content;
  std::string ending;
};
std::vector<BootIniLine> SplitBootIniLines(const std::string& text);
std::string JoinBootIniLines(const std::vector<BootIniLine>& lines);

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
