#include "startbutton/MenuCommand.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace startbutton {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Replaces every occurrence, found without regard to case, in one pass from
// the left. The replacement is never searched again, so a folder whose own
// name holds the token cannot make the replacing run forever.
std::string ReplaceAllNoCase(const std::string& text, const std::string& token,
                             const std::string& replacement) {
  const std::string lowerText = Lower(text);
  const std::string lowerToken = Lower(token);
  std::string result;
  size_t from = 0;
  for (size_t at = lowerText.find(lowerToken); at != std::string::npos;
       at = lowerText.find(lowerToken, from)) {
    result.append(text, from, at - from);
    result += replacement;
    from = at + token.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}

}  // namespace

bool IsReservedMenuName(const std::string& name) {
  return Lower(name) == "find";
}

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of(".\\:");
  if (dot == std::string::npos || path[dot] != '.') return {};
  return Lower(path.substr(dot));
}

bool RunsByItself(const std::string& extension) {
  const std::string lower = Lower(extension);
  return lower == ".exe" || lower == ".com" || lower == ".cpl" || lower == ".scr";
}

std::string TrimSpaces(const std::string& text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  size_t first = 0;
  size_t last = text.size();
  while (first < last && blank(text[first])) ++first;
  while (last > first && blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string MenuCommand(const std::string& file, const std::string& program) {
  if (program.empty()) return file;
  return program + " \"" + file + "\"";
}

std::string ProgramOfAssociation(const std::string& command, const CommandFolders& folders) {
  std::string program;
  std::copy_if(command.begin(), command.end(), std::back_inserter(program),
               [](char c) { return c != '"'; });
  for (char digit = '1'; digit <= '9'; ++digit) {
    const size_t at = program.find(std::string{'%', digit});
    if (at != std::string::npos) program.erase(at, 2);
  }
  const std::string& windows = folders.windowsDir;
  program = ReplaceAllNoCase(program, "%systemdrive%", windows.substr(0, 2));
  const std::string root =
      !windows.empty() && windows.back() == '\\' ? windows.substr(0, windows.size() - 1) : windows;
  program = ReplaceAllNoCase(program, "%systemroot%", root);
  if (!folders.programFilesDir.empty())
    program = ReplaceAllNoCase(program, "%programfiles%", folders.programFilesDir);
  while (!program.empty() && program.back() == ' ') program.pop_back();
  return program;
}

}  // namespace startbutton
