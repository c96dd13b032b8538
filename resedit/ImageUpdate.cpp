#include "resedit/ImageUpdate.h"

#include <utility>

#include "resedit/ImageRebuild.h"
#include "resedit/ResourceTree.h"

namespace resedit {

namespace {

// PE offsets are 32-bit; larger data cannot be addressed by a data entry.
constexpr uint64_t kMaxResourceSize = 0x7FFFFFFF;

std::optional<uint32_t> ResolveId(const ResourceUpdateState& state, const ResourceId& id) {
  if (!id.isText) {
    if (id.number & kNameFlag) return std::nullopt;
    return id.number;
  }
  return FindName(state.names, id.text);
}

}  // namespace

ResourceStatus ImageUpdate::Open(std::vector<uint8_t> image) {
  state_ = ResourceUpdateState();
  state_.image = std::move(image);
  ResourceStatus status = ReadImageTables(state_);
  if (status != ResourceStatus::kSuccess) state_.updateOpen = false;
  return status;
}

bool ImageUpdate::Replace(const ResourceId& type, const ResourceId& name, uint32_t codePage,
                          const uint8_t* data, size_t size) {
  if (!state_.updateOpen) return false;
  auto typeId = ResolveId(state_, type);
  auto nameId = ResolveId(state_, name);
  if (!typeId || !nameId || size > kMaxResourceSize || (size != 0 && data == nullptr)) return false;
  for (ResourceEntry& entry : state_.entries) {
    if (entry.typeId == *typeId && entry.nameId == *nameId && entry.codePage == codePage) {
      state_.replacements.emplace_back(data, data + size);
      const std::vector<uint8_t>& copy = state_.replacements.back();
      entry.data = ByteSpan(copy.data(), copy.size());
      entry.dataSize = static_cast<uint32_t>(size);
      return true;
    }
  }
  return false;
}

ResourceStatus ImageUpdate::Rebuild(std::vector<uint8_t>& out) {
  out.clear();
  if (!state_.updateOpen) return ResourceStatus::kNoOpenUpdate;
  state_.updateOpen = false;
  RebuildPlan plan;
  ResourceStatus status = PlanRebuild(state_, plan);
  if (status == ResourceStatus::kSuccess) WritePlan(plan, out);
  return status;
}

}  // namespace resedit
