#include "deploy/PatchedCopy.h"

#include <windows.h>

#include "core/Text.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceUpdate.h"

namespace deploy {

namespace {

core::Outcome Failure(const PatchedCopy& copy, const std::string& reason) {
  return core::Outcome::Failure("Quorlo could not write the new file" + core::LineBreaks(1) +
                                copy.target + core::LineBreaks(2) + reason + core::LineBreaks(2) +
                                "Windows goes on using its current files; nothing was changed.");
}

std::string Describe(const resedit::ResourceId& id) {
  return id.isText ? resedit::Utf16ToUtf8(id.text) : std::to_string(id.number);
}

}  // namespace

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
