#include "resedit/ResourceReader.h"

#include "core/FileIo.h"
#include "resedit/ResourceTree.h"

namespace resedit {

namespace {

constexpr uint64_t kMaxImageSize = 0x7FFFFFFF;

ResourceId ListedId(const NameTable& names, uint32_t id) {
  if (id & kNameFlag) return ResourceId(NameText(names, id));
  return ResourceId(id);
}

}  // namespace

ResourceStatus ResourceFile::Open(const std::string& fileName) {
  state_ = ResourceUpdateState();
  const core::ReadResult read = core::ReadWholeFile(fileName, kMaxImageSize, state_.image);
  if (read != core::ReadResult::kOk) return StatusOfImageRead(read);
  return ReadTables();
}

ResourceStatus ResourceFile::OpenBytes(ByteSpan bytes) {
  state_ = ResourceUpdateState();
  state_.image.assign(bytes.Data(), bytes.Data() + bytes.Size());
  return ReadTables();
}

ResourceStatus ResourceFile::ReadTables() {
  ResourceStatus status = ReadImageTables(state_);
  if (status != ResourceStatus::kSuccess) {
    state_.entries.clear();
    state_.names.clear();
  }
  return status;
}

std::vector<ResourceListing> ResourceFile::List() const {
  std::vector<ResourceListing> list;
  for (const ResourceEntry& e : state_.entries) {
    list.push_back({ListedId(state_.names, e.typeId), ListedId(state_.names, e.nameId),
                    ListedId(state_.names, e.languageId), e.codePage, e.dataSize});
  }
  return list;
}

std::optional<std::vector<uint8_t>> ResourceFile::Find(const ResourceId& type,
                                                       const ResourceId& name,
                                                       std::optional<uint32_t> language) const {
  auto resolve = [&](const ResourceId& id) -> std::optional<uint32_t> {
    if (!id.isText) return (id.number & kNameFlag) ? std::nullopt : std::optional(id.number);
    return FindName(state_.names, id.text);
  };
  auto typeId = resolve(type);
  auto nameId = resolve(name);
  if (!typeId || !nameId) return std::nullopt;
  for (const ResourceEntry& e : state_.entries) {
    if (e.typeId == *typeId && e.nameId == *nameId && (!language || e.languageId == *language))
      return std::vector<uint8_t>(e.data.Data(), e.data.Data() + e.data.Size());
  }
  return std::nullopt;
}

std::optional<std::vector<uint8_t>> ReadResourceData(const std::string& fileName,
                                                     const ResourceId& type, const ResourceId& name,
                                                     std::optional<uint32_t> language) {
  ResourceFile file;
  if (file.Open(fileName) != ResourceStatus::kSuccess) return std::nullopt;
  return file.Find(type, name, language);
}

}  // namespace resedit
