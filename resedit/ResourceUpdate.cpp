#include "resedit/ResourceUpdate.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "core/FileIo.h"
#include "resedit/ImageUpdate.h"

namespace resedit {

namespace {

// PE offsets are 32-bit; larger files cannot be addressed by their headers.
constexpr uint64_t kMaxImageSize = 0x7FFFFFFF;

// The program's one update, from BeginResourceUpdate to EndResourceUpdate.
struct OpenUpdate {
  ImageUpdate update;
  std::string sourceExtension;
};

OpenUpdate& Current() {
  static OpenUpdate current;
  return current;
}

void Reset() {
  Current() = OpenUpdate();
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

}  // namespace

const ResourceUpdateState& CurrentResourceUpdate() {
  return Current().update.State();
}

bool ResourceUpdateOpen() {
  return Current().update.IsOpen();
}

ResourceStatus ReadImageFile(const std::string& fileName, std::vector<uint8_t>& image) {
  const std::string extension = UpperExtension(fileName);
  if (extension != ".EXE" && extension != ".DLL") return ResourceStatus::kExtensionNotAccepted;
  return StatusOfImageRead(core::ReadWholeFile(fileName, kMaxImageSize, image));
}

bool SameExtension(const std::string& a, const std::string& b) {
  return UpperExtension(a) == UpperExtension(b);
}

ResourceStatus BeginResourceUpdate(const std::string& fileName) {
  Reset();
  OpenUpdate& current = Current();
  current.sourceExtension = UpperExtension(fileName);
  std::vector<uint8_t> image;
  ResourceStatus status = ReadImageFile(fileName, image);
  if (status != ResourceStatus::kSuccess) return status;
  return current.update.Open(std::move(image));
}

bool UpdateResourceEntry(const ResourceId& type, const ResourceId& name, uint32_t codePage,
                         const uint8_t* data, size_t size) {
  if (!Current().update.IsOpen()) {
    Reset();
    return false;
  }
  return Current().update.Replace(type, name, codePage, data, size);
}

ResourceStatus EndResourceUpdate(const std::string& fileName) {
  OpenUpdate& current = Current();
  if (!current.update.IsOpen()) return ResourceStatus::kNoOpenUpdate;
  if (!SameExtension(fileName, current.sourceExtension)) {
    Reset();
    return ResourceStatus::kExtensionNotAccepted;
  }
  std::vector<uint8_t> rebuilt;
  ResourceStatus status = current.update.Rebuild(rebuilt);
  Reset();
  if (status != ResourceStatus::kSuccess) return status;
  switch (core::WriteFileReplacing(fileName, rebuilt)) {
    case core::WriteResult::kOk:
      return ResourceStatus::kSuccess;
    case core::WriteResult::kCannotCreate:
      return ResourceStatus::kFileNotAccessible;
    case core::WriteResult::kWriteFailed:
      break;
  }
  return ResourceStatus::kWriteFailed;
}

ResourceStatus StatusOfImageRead(core::ReadResult result) {
  switch (result) {
    case core::ReadResult::kOk:
      return ResourceStatus::kSuccess;
    case core::ReadResult::kMissing:
    case core::ReadResult::kUnreadable:
      return ResourceStatus::kFileNotAccessible;
    case core::ReadResult::kShortRead:
      return ResourceStatus::kShortRead;
    case core::ReadResult::kTooLarge:
      break;
  }
  return ResourceStatus::kUnsupportedImage;
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
