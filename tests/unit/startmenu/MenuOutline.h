#pragma once
// Menu templates for the tests, written from an outline: each item with
// its depth (0 for the top-level item that holds the Start menu). The popup
// and last flags follow from the depths, so a test states a menu's shape
// once and compares whole templates byte for byte. Written here, apart
// from the code under test.

#include <cstdint>
#include <string>
#include <vector>

#include "core/ByteSpan.h"
#include "startmenu/StartMenuModel.h"

namespace startmenu::test {

struct OutlineItem {
  int depth;
  std::u16string text;
  uint32_t id = 0;
  uint32_t type = 0;
  int32_t helpId = 0;  // written for popups only
  uint32_t state = 0;
};
using Outline = std::vector<OutlineItem>;

constexpr uint32_t kSeparator = 0x800;

// The MENUEX template of the outline: header 1, 4, 0, then the items.
std::vector<uint8_t> MenuBytes(const Outline& items);

// bResInfo the outline gives item i.
uint16_t OutlineResInfo(const Outline& items, size_t i);

inline core::ByteSpan Span(const std::vector<uint8_t>& bytes) {
  return core::ByteSpan(bytes.data(), bytes.size());
}

// The model of a template that must be read; a refusal fails the test.
StartMenuModel ModelOf(const std::vector<uint8_t>& bytes);

// Bytes as "01 00 04 00 ...", for failure messages that show both sides.
std::string Hex(const std::vector<uint8_t>& bytes);

// UTF-16 texts in failure messages (the tests use ASCII texts only).
std::string Narrow(const std::u16string& text);

}  // namespace startmenu::test
