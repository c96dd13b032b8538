#include "cli/Arguments.h"

#include <cstdio>

#include "cli/Command.h"

namespace cli {

std::optional<uint32_t> ParseNumber(const std::string& text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  if (value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<uint32_t>(value);
}

resedit::ResourceId ParseResourceId(const std::string& text) {
  auto number = ParseNumber(text);
  if (number && *number < 0x80000000u) return resedit::ResourceId(*number);
  // Command lines are UTF-8 on Linux; anything else is taken as ANSI.
  if (auto wide = resedit::Utf8ToUtf16(text)) return resedit::ResourceId(*wide);
  return resedit::ResourceId(std::string_view(text));
}

std::string FormatResourceId(const resedit::ResourceId& id) {
  if (!id.isText) return std::to_string(id.number);
  return "\"" + resedit::Utf16ToUtf8(id.text) + "\"";
}

int UsageError(const char* usage) {
  std::fprintf(stderr, "usage: quorlo-cli %s\n", usage);
  return kExitUsage;
}

}  // namespace cli
