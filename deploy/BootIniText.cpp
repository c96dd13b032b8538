#include "deploy/BootIniText.h"

#include <cctype>

namespace deploy {

namespace {

size_t FindSwitch(const std::string& line) {
  for (size_t at = 0; at < line.size(); ++at)
    if (KernelSwitchAt(line, at)) return at;
  return std::string::npos;
}

}  // namespace

bool KernelSwitchAt(const std::string& text, size_t at) {
  if (at > text.size() || text.size() - at < kKernelSwitchLength) return false;
  for (size_t i = 0; i < kKernelSwitchLength; ++i)
    if (std::tolower(static_cast<unsigned char>(text[at + i])) != kKernelSwitch[i]) return false;
  return true;
}

std::vector<BootIniLine> SplitBootIniLines(const std::string& text) {
  std::vector<BootIniLine> lines;
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    const bool hasNewline = end != std::string::npos;
    if (!hasNewline) end = text.size();
    size_t contentEnd = end;
    if (hasNewline && contentEnd > begin && text[contentEnd - 1] == '\r') --contentEnd;
    const size_t next = hasNewline ? end + 1 : end;
    lines.push_back(
        {text.substr(begin, contentEnd - begin), text.substr(contentEnd, next - contentEnd)});
    begin = next;
  }
  return lines;
}

std::string JoinBootIniLines(const std::vector<BootIniLine>& lines) {
  std::string text;
  for (const BootIniLine& line : lines) text += line.content + line.ending;
  return text;
}

std::string RemoveKernelSwitchFromLine(const std::string& line) {
  std::string result = line;
  for (size_t at = FindSwitch(result); at != std::string::npos; at = FindSwitch(result)) {
    size_t end = at + kKernelSwitchLength;
    while (end < result.size() && result[end] != ' ') ++end;
    // The blank before the switch goes with it; a switch at the very start
    // of a line has none.
    const size_t start = at > 0 ? at - 1 : at;
    result.erase(start, end - start);
  }
  return result;
}

std::string RemoveKernelSwitchesFromText(const std::string& text) {
  std::vector<BootIniLine> lines = SplitBootIniLines(text);
  for (BootIniLine& line : lines) line.content = RemoveKernelSwitchFromLine(line.content);
  return JoinBootIniLines(lines);
}

}  // namespace deploy
