#include "deploy/PatchedCopy.h"

#include "app/Utils.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceUpdate.h"

namespace deploy {

namespace {

std::string Failure(const PatchedCopy& copy, const std::string& reason) {
  return "Quorlo could not write the new file" + LineBreaks(1) + copy.target + LineBreaks(2) +
         reason + LineBreaks(2) + "Windows goes on using its current files; nothing was changed.";
}

std::string Describe(const resedit::ResourceId& id) {
  return id.isText ? resedit::Utf16ToUtf8(id.text) : std::to_string(id.number);
}

}  // namespace

std::string WritePatchedCopy(const PatchedCopy& copy) {
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
  return {};
}

bool WriteAndActivate(const PatchedCopy& copy, const std::function<bool()>& activate, HWND owner,
                      const std::string& caption) {
  const std::string failure = WritePatchedCopy(copy);
  if (!failure.empty()) {
    ShowMessageBox(failure, caption, MB_ICONERROR, owner);
    return false;
  }
  return activate();
}

}  // namespace deploy
