#include "startmenu/StartMenuFiles.h"

#include "core/FileIo.h"
#include "core/Text.h"
#include "resedit/ResourceReader.h"
#include "startmenu/MenuTemplate.h"
#include "startmenu/VerticalLogo.h"

namespace startmenu {

namespace {

// Far above any banner; a larger file is not a logo.
constexpr uint64_t kMaxLogoFileSize = 64u << 20;

std::optional<std::vector<uint8_t>> BannerResource(const std::string& shellFile,
                                                   uint32_t bannerId) {
  return resedit::ReadResourceData(shellFile, kBitmapResourceType, bannerId);
}

}  // namespace

core::Outcome ReadStartMenu(const std::string& shellFile, StartMenuModel& model) {
  const std::string heading = "The Start Menu of" + core::LineBreaks(1) + shellFile +
                              core::LineBreaks(1) + "could not be read." + core::LineBreaks(2);
  resedit::ResourceFile file;
  const resedit::ResourceStatus status = file.Open(shellFile);
  if (status != resedit::ResourceStatus::kSuccess)
    return core::Outcome::Failure(heading + resedit::DescribeResourceStatus(status) + ".");
  const std::optional<std::vector<uint8_t>> bytes =
      file.Find(kMenuResourceType, kStartMenuResourceName);
  if (!bytes) return core::Outcome::Failure(heading + "The file holds no menu 204.");
  MenuTemplateRead read = LoadMenuTemplate(core::ByteSpan(bytes->data(), bytes->size()));
  if (!read.Ok()) return core::Outcome::Failure(heading + read.refusal);
  model.BuildMenuTree(std::move(read.records));
  return core::Outcome::Success();
}

std::optional<std::vector<uint8_t>> ReadVerticalLogo(const std::string& shellFile,
                                                     uint32_t bannerId) {
  const auto dib = BannerResource(shellFile, bannerId);
  if (!dib) return std::nullopt;
  return BitmapFileOfResource(core::ByteSpan(dib->data(), dib->size()));
}

std::optional<std::vector<uint8_t>> ReadVerticalLogoDisplayCopy(const std::string& shellFile,
                                                                uint32_t bannerId) {
  const auto dib = BannerResource(shellFile, bannerId);
  if (!dib) return std::nullopt;
  return HorizontalDisplayCopy(core::ByteSpan(dib->data(), dib->size()));
}

core::Outcome CheckVerticalLogoFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(path, kMaxLogoFileSize, bytes) != core::ReadResult::kOk ||
      !IsStorableLogo(core::ByteSpan(bytes.data(), bytes.size())))
    return core::Outcome::Failure(kLogoNotLoadedMessage);
  return core::Outcome::Success();
}

XPStartMenuTextsRead LoadXPStartMenuStrings(const std::string& shellFile) {
  resedit::ResourceFile file;
  const resedit::ResourceStatus status = file.Open(shellFile);
  if (status != resedit::ResourceStatus::kSuccess) {
    XPStartMenuTextsRead read;
    read.refusal = "The texts of" + core::LineBreaks(1) + shellFile + core::LineBreaks(1) +
                   "could not be read: " + resedit::DescribeResourceStatus(status) + ".";
    return read;
  }
  return ReadXPStartMenuTexts(file);
}

}  // namespace startmenu
