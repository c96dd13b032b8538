#include "logos/BootIni.h"

#include <cctype>

namespace logos {

namespace {

// Blanks and control characters, as the loader's own trimming sees them.
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool IsSectionHeader(const std::string& trimmed) {
  return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

bool IsKernelSwitch(const std::string& token) {
  return deploy::KernelSwitchAt(token, 0);
}

bool IsUsableKernelName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name)
    if (IsBlank(c) || c == '"') return false;
  return true;
}

// Whether the line names an operating system, given the section it is in.
bool IsEntryLine(const std::string& line, const std::string& section) {
  const std::string trimmed = Trim(line);
  if (trimmed.empty() || IsSectionHeader(trimmed)) return false;
  if (section == "boot loader") return false;
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  const std::string key = Lower(Trim(line.substr(0, equals)));
  if (key.empty() || Trim(line.substr(equals + 1)).empty()) return false;
  return key != "timeout" && key != "default";
}

}  // namespace

std::vector<std::string> BootLineTokens(const std::string& line) {
  std::vector<std::string> tokens;
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return tokens;
  std::string rest = Trim(line.substr(equals + 1));
  while (!rest.empty()) {
    size_t length;
    if (rest[0] == '"') {
      const size_t close = rest.find('"', 1);
      length = close == std::string::npos ? rest.size() : close + 1;
    } else {
      const size_t blank = rest.find(' ');
      length = blank == std::string::npos ? rest.size() : blank;
    }
    tokens.push_back(rest.substr(0, length));
    rest = Trim(rest.substr(length));
  }
  return tokens;
}

std::string RewriteBootLine(const std::string& line, const std::string& kernelName) {
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return line;
  std::string result = line.substr(0, equals + 1);
  for (const std::string& token : BootLineTokens(line))
    if (!IsKernelSwitch(token)) result += token + " ";
  if (!kernelName.empty()) result += deploy::kKernelSwitch + kernelName;
  return result;
}

std::string KernelCopyName(int entryNumber) {
  return "Kernl" + std::to_string(entryNumber) + ".exe";
}

std::string ChooserLine(const BootEntry& entry) {
  return entry.description + " (Kernel=" + entry.kernel + ")";
}

BootIni BootIni::Parse(const std::string& text, const KernelExists& kernelExists) {
  BootIni ini;
  ini.lines_ = deploy::SplitBootIniLines(text);
  std::string section;
  for (size_t i = 0; i < ini.lines_.size(); ++i) {
    if (ini.entries_.size() == static_cast<size_t>(kMaxBootEntries)) break;
    const std::string& line = ini.lines_[i].content;
    const std::string trimmed = Trim(line);
    if (IsSectionHeader(trimmed)) section = Lower(Trim(trimmed.substr(1, trimmed.size() - 2)));
    if (!IsEntryLine(line, section)) continue;
    const std::vector<std::string> tokens = BootLineTokens(line);
    BootEntry entry;
    entry.number = static_cast<int>(ini.entries_.size()) + 1;
    entry.lineIndex = i;
    entry.description = tokens.front();
    entry.kernel = kDefaultKernel;
    // The description is never taken for a switch; of several switches the
    // last one counts.
    for (size_t t = 1; t < tokens.size(); ++t) {
      if (!IsKernelSwitch(tokens[t])) continue;
      const std::string name = tokens[t].substr(deploy::kKernelSwitchLength);
      entry.kernel = !name.empty() && kernelExists && kernelExists(name) ? name : kDefaultKernel;
    }
    ini.entries_.push_back(std::move(entry));
  }
  return ini;
}

const BootEntry* BootIni::Entry(int number) const {
  if (number < 1 || static_cast<size_t>(number) > entries_.size()) return nullptr;
  return &entries_[static_cast<size_t>(number) - 1];
}

std::optional<std::string> BootIni::TextWithKernel(int number,
                                                   const std::string& kernelName) const {
  if (!IsUsableKernelName(kernelName)) return std::nullopt;
  return TextWithLine(number, kernelName);
}

std::optional<std::string> BootIni::TextWithoutKernel(int number) const {
  return TextWithLine(number, std::string());
}

std::optional<std::string> BootIni::TextWithLine(int number, const std::string& kernelName) const {
  const BootEntry* entry = Entry(number);
  if (entry == nullptr) return std::nullopt;
  std::vector<deploy::BootIniLine> lines = lines_;
  deploy::BootIniLine& line = lines[entry->lineIndex];
  line.content = RewriteBootLine(line.content, kernelName);
  return deploy::JoinBootIniLines(lines);
}

}  // namespace logos
