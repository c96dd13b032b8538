#include "resedit/StringBlock.h"

#include "resedit/ResourceReader.h"

namespace resedit {

std::optional<StringBlock> ParseStringBlock(ByteSpan data) {
  StringBlock block;
  uint64_t at = 0;
  for (std::u16string& text : block) {
    auto length = data.U16(at);
    if (!length || !data.Contains(at + 2, uint64_t{*length} * 2)) return std::nullopt;
    text.resize(*length);
    for (uint16_t i = 0; i < *length; ++i)
      text[i] = static_cast<char16_t>(*data.U16(at + 2 + 2 * i));
    at += 2 + uint64_t{*length} * 2;
  }
  return block;
}

std::optional<std::vector<uint8_t>> EncodeStringBlock(const StringBlock& block) {
  std::vector<uint8_t> out;
  for (const std::u16string& text : block) {
    if (text.size() > 0xFFFF) return std::nullopt;
    out.push_back(static_cast<uint8_t>(text.size()));
    out.push_back(static_cast<uint8_t>(text.size() >> 8));
    for (char16_t unit : text) {
      out.push_back(static_cast<uint8_t>(unit));
      out.push_back(static_cast<uint8_t>(unit >> 8));
    }
  }
  return out;
}

std::optional<StringBlock> ReadStringBlock(const std::string& fileName, uint32_t block,
                                           std::optional<uint32_t> language) {
  auto data = ReadResourceData(fileName, kStringTableType, block, language);
  if (!data) return std::nullopt;
  return ParseStringBlock(ByteSpan(data->data(), data->size()));
}

}  // namespace resedit
