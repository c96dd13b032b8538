#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resedit/ByteSpan.h"

namespace resedit {

constexpr uint32_t kStringTableType = 6;
constexpr size_t kStringsPerBlock = 16;

// A string-table resource: strings (block - 1) * 16 to (block - 1) * 16 + 15,
// each stored as a 16-bit length and that many UTF-16 units; empty = length 0.
using StringBlock = std::array<std::u16string, kStringsPerBlock>;

// The block that holds string id: id / 16 + 1.
inline uint32_t StringBlockOf(uint32_t stringId) {
  return stringId / 16 + 1;
}

// Empty when the data ends inside one of the 16 strings. Bytes after the
// sixteenth string (padding) are ignored.
std::optional<StringBlock> ParseStringBlock(ByteSpan data);

// Empty when a string is longer than 65535 units.
std::optional<std::vector<uint8_t>> EncodeStringBlock(const StringBlock& block);

// Block `block` of the file's string table (first language in tree order,
// or the one given); empty when the file is refused or has no such block.
std::optional<StringBlock> ReadStringBlock(const std::string& fileName, uint32_t block,
                                           std::optional<uint32_t> language = std::nullopt);

}  // namespace resedit
