#include "resedit/ResourceTree.h"

#include <map>
#include <set>
#include <string>
#include <unordered_map>

namespace resedit {

namespace {

class TreeReader {
 public:
  TreeReader(ByteSpan section, uint32_t sectionRva, NameTable& names,
             std::vector<ResourceEntry>& entries)
      : section_(section), sectionRva_(sectionRva), names_(names), entries_(entries) {}

  bool ReadLevel(uint32_t offset, int level, ResourceEntry entry) {
    auto named = section_.U16(uint64_t{offset} + 12);
    auto numbered = section_.U16(uint64_t{offset} + 14);
    if (!named || !numbered) return false;
    uint64_t count = uint64_t{*named} + *numbered;
    uint64_t length = kDirectoryHeaderSize + count * kDirectoryEntrySize;
    if (!section_.Contains(offset, length) || !Claim(offset, length)) return false;
    // Windows binary-searches each directory: an id that stands twice leaves
    // one of its entries unreachable, and a lookup by id could not say which
    // one it found.
    std::set<uint32_t> seen;
    for (uint64_t i = 0; i < count; ++i) {
      uint64_t at = offset + kDirectoryHeaderSize + i * kDirectoryEntrySize;
      uint32_t name = *section_.U32(at);
      uint32_t target = *section_.U32(at + 4);
      bool isNamed = i < *named;
      if (isNamed != ((name & kNameFlag) != 0)) return false;
      uint32_t id = name;
      if (isNamed) {
        auto mapped = MapName(name & ~kNameFlag);
        if (!mapped) return false;
        id = *mapped;
      }
      if (!seen.insert(id).second) return false;
      bool leadsToDirectory = (target & kNameFlag) != 0;
      if (leadsToDirectory != (level < 2)) return false;
      if (level == 0) entry.typeId = id;
      if (level == 1) entry.nameId = id;
      if (level == 2) {
        entry.languageId = id;
        if (!ReadData(target, entry)) return false;
        entries_.push_back(entry);
      } else if (!ReadLevel(target & ~kNameFlag, level + 1, entry)) {
        return false;
      }
    }
    return true;
  }

 private:
  // Records [offset, offset + length) as read; false when it overlaps a
  // structure read before.
  bool Claim(uint64_t offset, uint64_t length) {
    uint64_t end = offset + length;
    auto next = claimed_.lower_bound(offset);
    if (next != claimed_.end() && next->first < end) return false;
    if (next != claimed_.begin() && std::prev(next)->second > offset) return false;
    claimed_.emplace(offset, end);
    return true;
  }

  std::optional<uint32_t> MapName(uint32_t offset) {
    auto length = section_.U16(offset);
    if (!length) return std::nullopt;
    auto record = section_.Sub(offset, 2 + uint64_t{*length} * 2);
    if (!record) return std::nullopt;
    // An index instead of InternName's linear search keeps a file with very
    // many names from taking quadratic time; the identifiers are the same.
    std::string key(reinterpret_cast<const char*>(record->Data()), record->Size());
    auto known = index_.find(key);
    if (known != index_.end()) return known->second;
    uint32_t id = static_cast<uint32_t>(names_.size()) | kNameFlag;
    names_.insert(names_.end(), record->Data(), record->Data() + record->Size());
    index_.emplace(std::move(key), id);
    return id;
  }

  bool ReadData(uint32_t offset, ResourceEntry& entry) {
    if (!section_.Contains(offset, kDataEntrySize)) return false;
    entry.offsetToData = *section_.U32(offset);
    entry.size = *section_.U32(uint64_t{offset} + 4);
    entry.codePage = *section_.U32(uint64_t{offset} + 8);
    entry.reserved = *section_.U32(uint64_t{offset} + 12);
    if (entry.offsetToData < sectionRva_) return false;
    auto data = section_.Sub(entry.offsetToData - sectionRva_, entry.size);
    if (!data) return false;
    entry.data = *data;
    entry.dataSize = entry.size;
    return true;
  }

  ByteSpan section_;
  uint32_t sectionRva_;
  NameTable& names_;
  std::vector<ResourceEntry>& entries_;
  std::map<uint64_t, uint64_t> claimed_;
  std::unordered_map<std::string, uint32_t> index_;
};

}  // namespace

ResourceStatus ReadResourceTree(ByteSpan section, uint32_t sectionRva, DirectoryHeader& rootHeader,
                                NameTable& names, std::vector<ResourceEntry>& entries) {
  auto header = section.Sub(0, kDirectoryHeaderSize);
  if (!header) return ResourceStatus::kMalformedImage;
  rootHeader.characteristics = *header->U32(0);
  rootHeader.timeDateStamp = *header->U32(4);
  rootHeader.majorVersion = *header->U16(8);
  rootHeader.minorVersion = *header->U16(10);
  TreeReader reader(section, sectionRva, names, entries);
  if (!reader.ReadLevel(0, 0, ResourceEntry())) {
    names.clear();
    entries.clear();
    return ResourceStatus::kMalformedImage;
  }
  return ResourceStatus::kSuccess;
}

uint32_t InternName(NameTable& names, ByteSpan record) {
  // Records are unique, so the first byte-equal record is the only one.
  ByteSpan table(names.data(), names.size());
  uint64_t at = 0;
  while (at < names.size()) {
    uint64_t length = 2 + uint64_t{*table.U16(at)} * 2;
    if (table.Sub(at, length)->Equals(record)) return static_cast<uint32_t>(at) | kNameFlag;
    at += length;
  }
  names.insert(names.end(), record.Data(), record.Data() + record.Size());
  return static_cast<uint32_t>(at) | kNameFlag;
}

std::optional<uint32_t> FindName(const NameTable& names, const std::u16string& text) {
  ByteSpan table(names.data(), names.size());
  uint64_t at = 0;
  while (at < names.size()) {
    uint16_t length = *table.U16(at);
    if (length == text.size()) {
      bool same = true;
      for (uint16_t i = 0; i < length && same; ++i) same = *table.U16(at + 2 + 2 * i) == text[i];
      if (same) return static_cast<uint32_t>(at) | kNameFlag;
    }
    at += 2 + uint64_t{length} * 2;
  }
  return std::nullopt;
}

std::u16string NameText(const NameTable& names, uint32_t id) {
  ByteSpan table(names.data(), names.size());
  uint64_t at = id & ~kNameFlag;
  std::u16string text;
  auto length = table.U16(at);
  for (uint16_t i = 0; length && i < *length; ++i) {
    auto unit = table.U16(at + 2 + 2 * i);
    if (!unit) break;
    text += static_cast<char16_t>(*unit);
  }
  return text;
}

}  // namespace resedit
