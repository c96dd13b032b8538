#pragma once
// The Start button's texts as the shell keeps them: string-table blocks of 16
// records, one of which the window shows and edits. Portable.
//
// Texts stay in UTF-16 here, exactly as the block holds them: the records the
// window never shows must go back byte for byte, and a detour through the
// ANSI code page would alter any character that page lacks.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resedit/ByteSpan.h"

namespace startbutton {

struct tStringlet {
  int32_t Id = 0;
  uint16_t Length = 0;  // UTF-16 code units of Text
  std::u16string Text;
};

struct StringTable {
  uint32_t block = 0;
  std::array<tStringlet, 16> records{};
  // 1..16: the record whose Id is the table's shown id; 0 when the block
  // lacks that id, and then nothing typed is ever stored into the table.
  int shownPosition = 0;
  // False until a block was read into it; an unread table is never written.
  bool loaded = false;
};

// One of the three tables of the Start Button Manager.
struct StringTableSpec {
  uint32_t block;
  int32_t shownId;
};
inline constexpr StringTableSpec kTooltipTableSpec{34, 533};
inline constexpr StringTableSpec kStartTableSpec{37, 578};
inline constexpr StringTableSpec kXPStartTableSpec{38, 595};

// Reads the 16 records of a block's bytes; empty when the bytes end inside
// one of them. Bytes after the sixteenth (padding) are ignored.
std::optional<StringTable> LoadStringBlock(resedit::ByteSpan bytes, uint32_t block,
                                           int32_t wantedId);

// The block's size in bytes: the sum of 2 + 2 x Length over the records.
size_t StringBlockSize(const StringTable& table);

// The block's bytes, StringBlockSize long.
std::vector<uint8_t> SaveStringBlock(const StringTable& table);

// The shown record's text, or empty when there is no shown record.
std::u16string ShownText(const StringTable& table);

// Stores text into the shown record. False, storing nothing, when the table
// has no shown record or the text is longer than a record can hold.
bool SetShownText(StringTable& table, const std::u16string& text);

}  // namespace startbutton
