#include "help/HelpAddress.h"

namespace help {

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  size_t at = 0;
  while ((at = text.find(from, at)) != std::string::npos) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string CleanPart(const std::string& part) {
  return TrimBlanks(ReplaceAll(part, "%20", " "));
}

}  // namespace

std::string BuildHelpAddress(const std::string& helpFile, const std::string& topic,
                             const std::string& windowName) {
  const std::string file = CleanPart(helpFile);
  std::string page = CleanPart(topic);
  const std::string window = CleanPart(windowName);

  std::string address = file;
  if (!page.empty()) {
    page = ReplaceAll(page, "\\", "/");
    if (page.front() != '/') page.insert(0, "/");
    address = file.empty() ? page : file + "::" + page;
  }
  if (!window.empty()) address += ">" + window;
  return address;
}

}  // namespace help
