#include "MenuOutline.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace startmenu::test {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(uint8_t(value));
  out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value);
  Put16(out, value >> 16);
}

void Pad4(std::vector<uint8_t>& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

}  // namespace

uint16_t OutlineResInfo(const Outline& items, size_t i) {
  const int depth = items[i].depth;
  uint16_t resInfo = 0;
  if (i + 1 < items.size() && items[i + 1].depth > depth) resInfo |= 0x01;
  bool last = true;
  for (size_t j = i + 1; j < items.size(); ++j) {
    if (items[j].depth <= depth) {
      last = items[j].depth < depth;
      break;
    }
  }
  if (last) resInfo |= 0x80;
  return resInfo;
}

std::vector<uint8_t> MenuBytes(const Outline& items) {
  std::vector<uint8_t> out;
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  for (size_t i = 0; i < items.size(); ++i) {
    const OutlineItem& item = items[i];
    const uint16_t resInfo = OutlineResInfo(items, i);
    Put32(out, item.type);
    Put32(out, item.state);
    Put32(out, item.id);
    Put16(out, resInfo);
    for (char16_t unit : item.text) Put16(out, unit);
    Put16(out, 0);
    Pad4(out);
    if (resInfo & 0x01) {
      Put32(out, uint32_t(item.helpId));
    }
  }
  return out;
}

StartMenuModel ModelOf(const std::vector<uint8_t>& bytes) {
  MenuTemplateRead read = LoadMenuTemplate(Span(bytes));
  EXPECT_TRUE(read.Ok()) << read.refusal;
  StartMenuModel model;
  model.BuildMenuTree(std::move(read.records));
  return model;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char part[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(part, sizeof(part), "%02X", bytes[i]);
    if (i) text += (i % 16 == 0) ? "\n" : " ";
    text += part;
  }
  return text;
}

std::string Narrow(const std::u16string& text) {
  return std::string(text.begin(), text.end());
}

}  // namespace startmenu::test
