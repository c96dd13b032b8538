#include "deploy/PatchedCopy.h"

#include <windows.h>

#include "core/FileIo.h"
#include "core/Text.h"
#include "deploy/ShellLocation.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "resedit/ResourceUpdate.h"

namespace deploy {

namespace {

constexpr uint32_t kBitmapType = 2;
constexpr size_t kBitmapFileHeaderSize = 14;
// Far above any picture of the shell; a larger file is not one.
constexpr uint64_t kMaxPictureFileSize = 64u << 20;

core::Outcome Failure(const PatchedCopy& copy, const std::string& reason) {
  return core::Outcome::Failure("Quorlo could not write the new file" + core::LineBreaks(1) +
                                copy.target + core::LineBreaks(2) + reason + core::LineBreaks(2) +
                                "Windows goes on using its current files; nothing was changed.");
}

std::string Describe(const resedit::ResourceId& id) {
  return id.isText ? resedit::Utf16ToUtf8(id.text) : std::to_string(id.number);
}

}  // namespace

std::optional<std::string> AddBitmapChange(std::vector<ResourceChange>& changes, uint32_t id,
                                           const PendingBitmap& bitmap, const std::string& what) {
  if (bitmap.restore) {
    const std::string explorer = WindowsExplorerPath();
    std::optional<std::vector<uint8_t>> own = resedit::ReadResourceData(explorer, kBitmapType, id);
    if (!own)
      return "Bitmap " + std::to_string(id) + " of '" + explorer + "' could not be read." +
             core::LineBreaks(1) + "Cannot restore " + what + ".";
    changes.push_back({kBitmapType, id, std::move(*own), 0});
    return std::nullopt;
  }
  if (bitmap.file.empty()) return std::nullopt;
  std::vector<uint8_t> bytes;
  const core::ReadResult read = core::ReadWholeFile(bitmap.file, kMaxPictureFileSize, bytes);
  if (read == core::ReadResult::kMissing)
    return "File '" + bitmap.file + "'does not exist!" + core::LineBreaks(1) + "Cannot replace " +
           what + ".";
  // A file without even its 14-byte header would leave a resource of
  // negative size; it is refused like an unreadable one.
  if (read != core::ReadResult::kOk || bytes.size() <= kBitmapFileHeaderSize)
    return "File '" + bitmap.file + "' could not be read as a bitmap." + core::LineBreaks(1) +
           "Cannot replace " + what + ".";
  bytes.erase(bytes.begin(), bytes.begin() + kBitmapFileHeaderSize);
  changes.push_back({kBitmapType, id, std::move(bytes), 0});
  return std::nullopt;
}

core::Outcome WritePatchedCopy(const PatchedCopy& copy) {
  using resedit::ResourceStatus;
  ResourceStatus status = resedit::BeginResourceUpdate(copy.source);
  if (status != ResourceStatus::kSuccess || !resedit::ResourceUpdateOpen())
    return Failure(copy, "Its source " + copy.source +
                             " cannot be read: " + resedit::DescribeResourceStatus(status) + ".");
  for (const ResourceChange& change : copy.changes) {
    if (!resedit::UpdateResourceEntry(change.type, change.name, change.codePage, change.data.data(),
                                      change.data.size())) {
      // The update stays unwritten; the next BeginResourceUpdate discards it.
      return Failure(copy, copy.source + " holds no resource " + Describe(change.name) +
                               " of type " + Describe(change.type) + " to replace.");
    }
  }
  status = resedit::EndResourceUpdate(copy.target);
  if (status != ResourceStatus::kSuccess)
    return Failure(copy, std::string("The file could not be written: ") +
                             resedit::DescribeResourceStatus(status) + ".");
  if (copy.storeChecksum) {
    const uint32_t checksum = resedit::ComputeImageChecksum(copy.target);
    if (checksum == 0 || !resedit::WriteImageChecksum(copy.target, checksum)) {
      DeleteFileA(copy.target.c_str());
      return Failure(copy, "Its checksum could not be stored; Windows would refuse the file.");
    }
  }
  return core::Outcome::Success();
}

core::Outcome WriteAndActivate(const PatchedCopy& copy,
                               const std::function<core::Outcome()>& activate) {
  core::Outcome written = WritePatchedCopy(copy);
  if (!written.ok) return written;
  return activate();
}

}  // namespace deploy
