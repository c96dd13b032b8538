#include "logon/LogonWrite_win.h"

#include "core/FileIo.h"
#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/PatchedCopy.h"
#include "deploy/ShellLocation.h"
#include "logon/LogonPictures.h"
#include "resedit/ResourceStatus.h"

namespace logon {

namespace {

constexpr uint32_t kBitmapType = 2;
// Far above any logon picture; a larger file is not meant for the dialogs.
constexpr uint64_t kMaxPictureFileSize = 64u << 20;

const char* PictureName(int index) {
  static const char* const kNames[kPictureCount] = {"logon dialog", "logon in progress",
                                                    "animated bar"};
  return kNames[index];
}

core::Outcome NoSuchPicture(const LogonModule& module, int index) {
  const std::string reason =
      module.readStatus != resedit::ResourceStatus::kSuccess
          ? "cannot be read: " + std::string(resedit::DescribeResourceStatus(module.readStatus)) +
                "."
          : "has no " + std::string(PictureName(index)) + " picture (bitmap " +
                std::to_string(module.pictures[index].id) + ") to replace.";
  return core::Outcome::Failure(
      "The logon library in use" + core::LineBreaks(1) + module.path + core::LineBreaks(1) +
      reason + core::LineBreaks(2) +
      "Nothing was written; Windows goes on using its current logon library.");
}

}  // namespace

bool LogonEdit::Changed() const {
  for (const auto& replacement : replacements)
    if (replacement) return true;
  return false;
}

core::Outcome ChangePicture(LogonEdit& edit, PictureIndex index, const std::string& bitmapFile) {
  if (index < 0 || index >= kPictureCount)
    return core::Outcome::Failure("There is no logon picture " + std::to_string(index) + ".");
  std::vector<uint8_t> bytes;
  const core::ReadResult read = core::ReadWholeFile(bitmapFile, kMaxPictureFileSize, bytes);
  std::string problem;
  if (read != core::ReadResult::kOk)
    problem = "The file could not be read.";
  else
    problem = ResourceFromBitmapFile(core::ByteSpan(bytes.data(), bytes.size())).problem;
  if (!problem.empty())
    return core::Outcome::Failure("The picture '" + bitmapFile + "' cannot be used for the " +
                                  PictureName(index) + "." + core::LineBreaks(1) + problem);
  edit.replacements[index] = std::move(bytes);
  return core::Outcome::Success();
}

LogonWrite WriteLogonPictures(const LogonModule& module, const LogonEdit& edit) {
  LogonWrite result;
  if (!edit.Changed()) return result;
  if (!module.found) {
    result.outcome = core::Outcome::Failure(module.message);
    return result;
  }
  deploy::PatchedCopy copy;
  copy.source = module.path;
  copy.storeChecksum = true;  // Windows refuses a logon library whose checksum is wrong
  // Every check comes before the name is taken: finding a name may delete an
  // older copy, and nothing is to change when the write cannot happen.
  for (int i = 0; i < kPictureCount; ++i) {
    if (!edit.replacements[i]) continue;
    if (!module.pictures[i].inLibrary) {
      result.outcome = NoSuchPicture(module, i);
      return result;
    }
    const std::vector<uint8_t>& file = *edit.replacements[i];
    BitmapResource resource = ResourceFromBitmapFile(core::ByteSpan(file.data(), file.size()));
    if (resource.data.empty()) {
      result.outcome = core::Outcome::Failure("The new " + std::string(PictureName(i)) +
                                              " picture cannot be stored." + core::LineBreaks(1) +
                                              resource.problem);
      return result;
    }
    copy.changes.push_back({kBitmapType, module.pictures[i].id, std::move(resource.data), 0});
  }

  const deploy::UniqueName name = deploy::MakeUniqueGinaName(module.path);
  if (!name.found) {
    result.outcome = core::Outcome::Failure(name.message);
    result.closeWindow = true;
    return result;
  }
  copy.target = name.path;
  result.outcome = deploy::WriteAndActivate(copy, [&] {
    if (!deploy::SetGinaDll(copy.target)) {
      return core::Outcome::Failure(
          "The new logon library" + core::LineBreaks(1) + copy.target + core::LineBreaks(1) +
          "was written, but Windows refused to register it." + core::LineBreaks(2) +
          "Windows goes on using its current logon library.");
    }
    result.written = true;
    result.newLibrary = copy.target;
    // The shell setting is written again with the full path of the shell in
    // force, as after every change of a system file.
    deploy::LocateCurrentShell();
    if (!deploy::ActivateShell(deploy::CurrentShellPath)) {
      return core::Outcome::Failure(
          "The new logon pictures are registered, but the shell setting could not be "
          "written again:" +
          core::LineBreaks(1) + deploy::CurrentShellPath);
    }
    return core::Outcome::Success();
  });
  return result;
}

core::Outcome RestoreLogonLibrary() {
  if (deploy::SetGinaDll("")) return core::Outcome::Success();
  return core::Outcome::Failure("Windows refused to remove the logon library setting \"GinaDLL\"." +
                                core::LineBreaks(2) + "The Logon Dialogs were not restored.");
}

}  // namespace logon
