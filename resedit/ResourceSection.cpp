#include "resedit/ResourceSection.h"

namespace resedit {

namespace {

struct Run {
  size_t first = 0;
  size_t count = 0;
};

// Runs of consecutive entries for which `same` holds between neighbours.
template <typename Same>
std::vector<Run> Runs(size_t begin, size_t end, Same same) {
  std::vector<Run> runs;
  for (size_t i = begin; i < end; ++i) {
    if (runs.empty() || !same(i - 1, i)) runs.push_back({i, 0});
    ++runs.back().count;
  }
  return runs;
}

void WriteDirectoryHeader(ByteWriter& out, uint64_t at, const DirectoryHeader& header,
                          uint32_t named, uint32_t numbered) {
  out.PutU32(at, header.characteristics);
  out.PutU32(at + 4, header.timeDateStamp);
  out.PutU16(at + 8, header.majorVersion);
  out.PutU16(at + 10, header.minorVersion);
  out.PutU16(at + 12, static_cast<uint16_t>(named));
  out.PutU16(at + 14, static_cast<uint16_t>(numbered));
}

// Identifier as written into a directory entry: names point into the copied
// NameTable at namesStart.
uint32_t EntryName(uint32_t id, uint64_t namesStart) {
  if (!(id & kNameFlag)) return id;
  return static_cast<uint32_t>(namesStart + (id & ~kNameFlag)) | kNameFlag;
}

struct Level {
  uint64_t offset = 0;
  std::vector<Run> children;
};

}  // namespace

std::optional<BuiltSection> BuildResourceSection(std::vector<ResourceEntry>& entries,
                                                 const NameTable& names,
                                                 const DirectoryHeader& header, uint32_t sectionRva,
                                                 uint32_t fileAlignment) {
  const size_t n = entries.size();
  std::vector<Run> types =
      Runs(0, n, [&](size_t a, size_t b) { return entries[a].typeId == entries[b].typeId; });
  // A directory counts its entries in 16 bits.
  if (types.size() > 0xFFFF) return std::nullopt;

  // First pass: where every block goes.
  uint64_t at = kDirectoryHeaderSize + kDirectoryEntrySize * types.size();
  std::vector<Level> nameDirs(types.size());
  for (size_t g = 0; g < types.size(); ++g) {
    const Run& t = types[g];
    nameDirs[g].offset = at;
    nameDirs[g].children = Runs(t.first, t.first + t.count, [&](size_t a, size_t b) {
      return entries[a].nameId == entries[b].nameId;
    });
    if (nameDirs[g].children.size() > 0xFFFF) return std::nullopt;
    at += kDirectoryHeaderSize + kDirectoryEntrySize * nameDirs[g].children.size();
  }
  std::vector<uint64_t> languageDirs;
  for (const Level& level : nameDirs) {
    for (const Run& name : level.children) {
      if (name.count > 0xFFFF) return std::nullopt;
      languageDirs.push_back(at);
      at += kDirectoryHeaderSize + kDirectoryEntrySize * name.count;
    }
  }
  const uint64_t dataEntries = at;
  const uint64_t namesStart = RoundUp(dataEntries + kDataEntrySize * n, 8);
  uint64_t dataAt = RoundUp(namesStart + names.size(), 8);
  std::vector<uint64_t> dataOffsets(n);
  for (size_t i = 0; i < n; ++i) {
    dataOffsets[i] = dataAt;
    dataAt = RoundUp(dataAt + entries[i].dataSize, 8);
  }
  const uint64_t sectionSize = dataAt;
  const uint64_t bufferSize = RoundUp(sectionSize, fileAlignment);
  if (bufferSize > 0xFFFFFFFFu || sectionRva + sectionSize > 0xFFFFFFFFu) return std::nullopt;

  // Second pass: write into a zeroed buffer so every gap is zero.
  BuiltSection built;
  built.bytes.assign(static_cast<size_t>(bufferSize), 0);
  built.sectionSize = static_cast<uint32_t>(sectionSize);
  ByteWriter out(built.bytes.data(), built.bytes.size());

  for (size_t i = 0; i < n; ++i) {
    ResourceEntry& e = entries[i];
    out.PutBytes(dataOffsets[i], e.data);
    e.offsetToData = static_cast<uint32_t>(sectionRva + dataOffsets[i]);
    e.size = e.dataSize;
    e.dataEntryOffset = static_cast<uint32_t>(dataEntries + kDataEntrySize * i);
    out.PutU32(e.dataEntryOffset, e.offsetToData);
    out.PutU32(e.dataEntryOffset + 4, e.size);
    out.PutU32(e.dataEntryOffset + 8, e.codePage);
    out.PutU32(e.dataEntryOffset + 12, e.reserved);
  }
  out.PutBytes(namesStart, ByteSpan(names.data(), names.size()));

  // Named entries are counted in the header as named; the order is the
  // entries' own, which keeps a sorted source sorted.
  auto writeDirectory = [&](uint64_t dirAt, const std::vector<uint32_t>& ids,
                            const std::vector<uint32_t>& targets) {
    uint32_t named = 0;
    for (size_t c = 0; c < ids.size(); ++c) {
      if (ids[c] & kNameFlag) ++named;
      uint64_t entryAt = dirAt + kDirectoryHeaderSize + kDirectoryEntrySize * c;
      out.PutU32(entryAt, EntryName(ids[c], namesStart));
      out.PutU32(entryAt + 4, targets[c]);
    }
    WriteDirectoryHeader(out, dirAt, header, named, static_cast<uint32_t>(ids.size()) - named);
  };

  size_t languageDir = 0;
  std::vector<uint32_t> typeIds, typeTargets;
  for (size_t g = 0; g < types.size(); ++g) {
    std::vector<uint32_t> nameIds, nameTargets;
    for (const Run& name : nameDirs[g].children) {
      std::vector<uint32_t> languageIds, languageTargets;
      for (size_t i = name.first; i < name.first + name.count; ++i) {
        ResourceEntry& e = entries[i];
        e.languageDirOffset = static_cast<uint32_t>(languageDirs[languageDir]);
        e.nameDirOffset = static_cast<uint32_t>(nameDirs[g].offset);
        languageIds.push_back(e.languageId);
        languageTargets.push_back(e.dataEntryOffset);
      }
      writeDirectory(languageDirs[languageDir], languageIds, languageTargets);
      nameIds.push_back(entries[name.first].nameId);
      nameTargets.push_back(static_cast<uint32_t>(languageDirs[languageDir]) | kNameFlag);
      ++languageDir;
    }
    writeDirectory(nameDirs[g].offset, nameIds, nameTargets);
    typeIds.push_back(entries[types[g].first].typeId);
    typeTargets.push_back(static_cast<uint32_t>(nameDirs[g].offset) | kNameFlag);
  }
  writeDirectory(0, typeIds, typeTargets);
  return built;
}

}  // namespace resedit
