#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace resedit {

// A resource type, name or language as callers give it: a number below
// 0x80000000, or a text name.
struct ResourceId {
  ResourceId(uint32_t value) : number(value) {}
  ResourceId(int value) : number(static_cast<uint32_t>(value)) {}
  ResourceId(std::u16string value) : isText(true), text(std::move(value)) {}
  // Text in the ANSI code page, taken as Windows-1252 (the portable core has
  // no access to the system's code page).
  ResourceId(std::string_view ansi);
  ResourceId(const char* ansi) : ResourceId(std::string_view(ansi)) {}

  bool isText = false;
  uint32_t number = 0;
  std::u16string text;
};

std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToUtf8(std::u16string_view text);
// Empty when `text` is not valid UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

}  // namespace resedit
