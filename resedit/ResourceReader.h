#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resedit/ByteSpan.h"
#include "resedit/ResourceId.h"
#include "resedit/ResourceStatus.h"
#include "resedit/ResourceUpdateState.h"

namespace resedit {

// One resource as listed by ListResources; text identifiers as text.
struct ResourceListing {
  ResourceId type = 0u;
  ResourceId name = 0u;
  ResourceId language = 0u;
  uint32_t codePage = 0;
  uint32_t size = 0;
};

// Reads the resource table of a PE32 file without touching the open update.
// Accepts any file name; refuses files as BeginResourceUpdate does.
class ResourceFile {
 public:
  ResourceStatus Open(const std::string& fileName);
  // The same, over bytes in memory (copied).
  ResourceStatus OpenBytes(ByteSpan bytes);

  std::vector<ResourceListing> List() const;
  // The data of the first resource of this type and name (and language,
  // when given), in tree order.
  std::optional<std::vector<uint8_t>> Find(const ResourceId& type, const ResourceId& name,
                                           std::optional<uint32_t> language = std::nullopt) const;

 private:
  ResourceStatus ReadTables();

  ResourceUpdateState state_;
};

// One resource's bytes from a file; empty when the file is refused or holds
// no such resource.
std::optional<std::vector<uint8_t>> ReadResourceData(
    const std::string& fileName, const ResourceId& type, const ResourceId& name,
    std::optional<uint32_t> language = std::nullopt);

}  // namespace resedit
