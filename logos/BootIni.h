#pragma once
// The boot entries of boot.ini as the 2000/XP Startup Logo Manager sees
// them: which lines start an operating system, the name and kernel of each,
// and the text with one entry's "/kernel=" switch set or taken away. Every
// other line, and every line ending, is written back byte for byte.
//
// Decisions on text the loader would also read:
// - lines of the [boot loader] section are loader settings (timeout,
//   default, redirect, ...), never entries, and neither is a "timeout" or
//   "default" setting written with blanks around its name;
// - a token is a kernel switch only when it is "/kernel=" in full (any
//   letter case), the same test the deployment layer's switch removal
//   uses, so a switch this model writes is one that removal takes out;
// - every token of a line is kept when it is rewritten, however many.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "deploy/BootIniText.h"

namespace logos {

// The chooser lists at most this many entries; later lines are ignored.
inline constexpr int kMaxBootEntries = 20;
inline constexpr char kDefaultKernel[] = "ntoskrnl.exe";

struct BootEntry {
  int number = 0;           // 1-based, in the order of the lines
  size_t lineIndex = 0;     // 0-based line of boot.ini
  std::string description;  // the first token: the quoted name, quotes included
  std::string kernel;       // the switch's file name when it exists, else ntoskrnl.exe
};

// Whether a file of that name lies in the system directory.
using KernelExists = std::function<bool(const std::string& fileName)>;

// The tokens of the value after the line's first "=": a token starting with
// a double quote runs to the next one (or the end), any other to the next
// blank (or the end); blanks between tokens are skipped. A line without "="
// has none.
std::vector<std::string> BootLineTokens(const std::string& line);

// The line up to and including its first "=", then every token that is not
// a kernel switch followed by one blank, then "/kernel=" + kernelName when
// kernelName is not empty. A line without "=" names no system and is
// returned as it is.
std::string RewriteBootLine(const std::string& line, const std::string& kernelName);

// The copy of the kernel written for entry n: "Kernl<n>.exe".
std::string KernelCopyName(int entryNumber);

// A line of the chooser's list: description + " (Kernel=" + kernel + ")".
std::string ChooserLine(const BootEntry& entry);

class BootIni {
 public:
  static BootIni Parse(const std::string& text, const KernelExists& kernelExists);

  // Empty when boot.ini names no operating system: there is then nothing to
  // choose, change or restore.
  const std::vector<BootEntry>& Entries() const { return entries_; }
  bool HasEntries() const { return !entries_.empty(); }
  // Entry n (1-based); nullptr when there is none.
  const BootEntry* Entry(int number) const;

  // The whole text with entry n's line carrying "/kernel=" + kernelName.
  // Nothing for an entry that does not exist or a name that would not stay
  // one token of the line (empty, or holding a blank, quote or control
  // character).
  std::optional<std::string> TextWithKernel(int number, const std::string& kernelName) const;
  // The whole text with entry n's line free of kernel switches.
  std::optional<std::string> TextWithoutKernel(int number) const;

 private:
  std::optional<std::string> TextWithLine(int number, const std::string& kernelName) const;

  std::vector<deploy::BootIniLine> lines_;
  std::vector<BootEntry> entries_;
};

}  // namespace logos
