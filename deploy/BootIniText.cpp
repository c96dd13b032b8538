#include "deploy/BootIniText.h"

#include <cctype>

namespace deploy {

namespace {

constexpr char kSwitch[] = "/kernel=";
constexpr size_t kSwitchLength = sizeof kSwitch - 1;

size_t FindSwitch(const std::string& line) {
  for (size_t at = 0; at + kSwitchLength <= line.size(); ++at) {
    size_t i = 0;
    while (i < kSwitchLength &&
           std::tolower(static_cast<unsigned char>(line[at + i])) == kSwitch[i])
      ++i;
    if (i == kSwitchLength) return at;
  }
  return std::string::npos;
}

}  // namespace

std::string RemoveKernelSwitchFromLine(const std::string& line) {
  std::string result = line;
  for (size_t at = FindSwitch(result); at != std::string::npos; at = FindSwitch(result)) {
    size_t end = at + kSwitchLength;
    while (end < result.size() && result[end] != ' ') ++end;
    // The blank before the switch goes with it; a switch at the very start
    // of a line has none.
    const size_t start = at > 0 ? at - 1 : at;
    result.erase(start, end - start);
  }
  return result;
}

std::string RemoveKernelSwitchesFromText(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  size_t begin = 0;
  while (begin < text.size()) {
    size_t end = text.find('\n', begin);
    const bool hasNewline = end != std::string::npos;
    if (!hasNewline) end = text.size();
    size_t contentEnd = end;
    if (hasNewline && contentEnd > begin && text[contentEnd - 1] == '\r') --contentEnd;
    result += RemoveKernelSwitchFromLine(text.substr(begin, contentEnd - begin));
    result.append(text, contentEnd, (hasNewline ? end + 1 : end) - contentEnd);
    begin = hasNewline ? end + 1 : end;
  }
  return result;
}

}  // namespace deploy
