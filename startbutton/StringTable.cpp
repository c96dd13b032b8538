#include "startbutton/StringTable.h"

#include <limits>

namespace startbutton {

std::optional<StringTable> LoadStringBlock(resedit::ByteSpan bytes, uint32_t block,
                                           int32_t wantedId) {
  StringTable table;
  table.block = block;
  uint64_t offset = 0;
  for (int position = 1; position <= 16; ++position) {
    const std::optional<uint16_t> length = bytes.U16(offset);
    if (!length) return std::nullopt;
    const std::optional<resedit::ByteSpan> units = bytes.Sub(offset + 2, uint64_t(*length) * 2);
    if (!units) return std::nullopt;
    tStringlet& record = table.records[position - 1];
    record.Id = int32_t((block - 1) * 16 + uint32_t(position) - 1);
    record.Length = *length;
    record.Text.resize(*length);
    for (uint16_t i = 0; i < *length; ++i) record.Text[i] = char16_t(*units->U16(uint64_t(i) * 2));
    if (record.Id == wantedId) table.shownPosition = position;
    offset += 2 + uint64_t(*length) * 2;
  }
  table.loaded = true;
  return table;
}

size_t StringBlockSize(const StringTable& table) {
  size_t size = 0;
  for (const tStringlet& record : table.records) size += 2 + 2 * size_t(record.Length);
  return size;
}

std::vector<uint8_t> SaveStringBlock(const StringTable& table) {
  std::vector<uint8_t> bytes(StringBlockSize(table));
  resedit::ByteWriter writer(bytes.data(), bytes.size());
  uint64_t offset = 0;
  for (const tStringlet& record : table.records) {
    writer.PutU16(offset, record.Length);
    offset += 2;
    // Length governs, as in the block itself; a shorter Text is padded with
    // zeros rather than letting the block's layout drift.
    for (uint16_t i = 0; i < record.Length; ++i) {
      writer.PutU16(offset, i < record.Text.size() ? uint16_t(record.Text[i]) : 0);
      offset += 2;
    }
  }
  return bytes;
}

std::u16string ShownText(const StringTable& table) {
  if (table.shownPosition < 1 || table.shownPosition > 16) return {};
  return table.records[table.shownPosition - 1].Text;
}

bool SetShownText(StringTable& table, const std::u16string& text) {
  if (table.shownPosition < 1 || table.shownPosition > 16) return false;
  if (text.size() > std::numeric_limits<uint16_t>::max()) return false;
  tStringlet& record = table.records[table.shownPosition - 1];
  record.Text = text;
  record.Length = uint16_t(text.size());
  return true;
}

}  // namespace startbutton
