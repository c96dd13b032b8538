#include "resedit/Sorcery.h"

#include <algorithm>
#include <cctype>

#include "core/FileIo.h"
#include "resedit/ImageRebuild.h"
#include "resedit/ResourceTree.h"
#include "resedit/ResourceUpdateState.h"

namespace resedit {

namespace {

// PE offsets are 32-bit; larger files cannot be addressed by their headers.
constexpr uint64_t kMaxImageSize = 0x7FFFFFFF;

ResourceUpdateState& State() {
  static ResourceUpdateState state;
  return state;
}

void ResetState() {
  State() = ResourceUpdateState();
}

// Text from the last "." after the last path separator, upper-cased.
std::string UpperExtension(const std::string& fileName) {
  size_t separator = fileName.find_last_of("\\/:");
  size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return "";
  std::string extension = fileName.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return extension;
}

std::optional<uint32_t> ResolveId(const ResourceUpdateState& state, const ResourceId& id) {
  if (!id.isText) {
    if (id.number & kNameFlag) return std::nullopt;
    return id.number;
  }
  return FindName(state.names, id.text);
}

}  // namespace

const ResourceUpdateState& CurrentResourceUpdate() {
  return State();
}

bool ResourceUpdateOpen() {
  return State().updateOpen;
}

ResourceStatus BeginResourceUpdate(const std::string& fileName) {
  ResetState();
  ResourceUpdateState& state = State();
  state.sourceExtension = UpperExtension(fileName);
  if (state.sourceExtension != ".EXE" && state.sourceExtension != ".DLL")
    return ResourceStatus::kExtensionNotAccepted;
  switch (quorlo::ReadWholeFile(fileName, kMaxImageSize, state.image)) {
    case quorlo::ReadResult::kOk:
      break;
    case quorlo::ReadResult::kMissing:
    case quorlo::ReadResult::kUnreadable:
      return ResourceStatus::kFileNotAccessible;
    case quorlo::ReadResult::kShortRead:
      return ResourceStatus::kShortRead;
    case quorlo::ReadResult::kTooLarge:
      return ResourceStatus::kUnsupportedImage;
  }
  ResourceStatus status = ReadImageTables(state);
  if (status != ResourceStatus::kSuccess) state.updateOpen = false;
  return status;
}

bool UpdateResourceEntry(const ResourceId& type, const ResourceId& name, uint32_t codePage,
                         const uint8_t* data, size_t size) {
  ResourceUpdateState& state = State();
  if (!state.updateOpen) {
    ResetState();
    return false;
  }
  auto typeId = ResolveId(state, type);
  auto nameId = ResolveId(state, name);
  if (!typeId || !nameId || size > kMaxImageSize || (size != 0 && data == nullptr)) return false;
  for (ResourceEntry& entry : state.entries) {
    if (entry.typeId == *typeId && entry.nameId == *nameId && entry.codePage == codePage) {
      state.replacements.emplace_back(data, data + size);
      const std::vector<uint8_t>& copy = state.replacements.back();
      entry.data = ByteSpan(copy.data(), copy.size());
      entry.dataSize = static_cast<uint32_t>(size);
      return true;
    }
  }
  return false;
}

ResourceStatus EndResourceUpdate(const std::string& fileName) {
  ResourceUpdateState& state = State();
  if (!state.updateOpen) return ResourceStatus::kNoOpenUpdate;
  state.updateOpen = false;
  if (UpperExtension(fileName) != state.sourceExtension)
    return ResourceStatus::kExtensionNotAccepted;
  RebuildPlan plan;
  ResourceStatus status = PlanRebuild(state, plan);
  if (status != ResourceStatus::kSuccess) return status;
  const quorlo::WriteResult written = quorlo::WriteFileReplacing(
      fileName, [&](quorlo::OutputSink& sink) { return WritePlan(plan, sink); });
  ResetState();
  switch (written) {
    case quorlo::WriteResult::kOk:
      return ResourceStatus::kSuccess;
    case quorlo::WriteResult::kCannotCreate:
      return ResourceStatus::kFileNotAccessible;
    case quorlo::WriteResult::kWriteFailed:
      break;
  }
  return ResourceStatus::kWriteFailed;
}

const char* DescribeResourceStatus(ResourceStatus status) {
  switch (status) {
    case ResourceStatus::kSuccess:
      return "success";
    case ResourceStatus::kExtensionNotAccepted:
      return "extension not accepted (must be .EXE or .DLL, the same for input and output)";
    case ResourceStatus::kFileNotAccessible:
      return "file missing, unreadable or not creatable";
    case ResourceStatus::kNotPeImage:
      return "not a PE image";
    case ResourceStatus::kShortRead:
      return "the file could not be read in full";
    case ResourceStatus::kNoOpenUpdate:
      return "no resource section to update";
    case ResourceStatus::kMalformedImage:
      return "malformed PE image or resource tree";
    case ResourceStatus::kUnsupportedImage:
      return "PE image the engine does not rewrite (PE32+, unusual alignment or layout)";
    case ResourceStatus::kWriteFailed:
      return "the output could not be written completely";
  }
  return "unknown status";
}

}  // namespace resedit
