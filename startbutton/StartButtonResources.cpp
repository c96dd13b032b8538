#include "startbutton/StartButtonResources.h"

#include "core/FileIo.h"
#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/PatchedCopy.h"
#include "deploy/ShellLocation.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"
#include "win/SystemFacts.h"

namespace {

constexpr uint32_t kBitmapType = 2;
constexpr size_t kBitmapFileHeaderSize = 14;
// Far above any Start button picture; a larger file is not a picture for it.
constexpr uint64_t kMaxPictureFileSize = 64u << 20;

void AddTable(std::vector<deploy::ResourceChange>& changes, const StringTable& table) {
  if (!table.loaded) return;
  changes.push_back({resedit::kStringTableType, table.block, SaveStringBlock(table), 0});
}

// Adds the picture's change; the message that says why there is none, if so.
std::optional<std::string> AddPicture(std::vector<deploy::ResourceChange>& changes,
                                      const XPIconChange& icon) {
  if (icon.restore) {
    const std::string explorer = WindowsExplorerPath();
    std::optional<std::vector<uint8_t>> bitmap =
        resedit::ReadResourceData(explorer, kBitmapType, kXPStartButtonBitmap);
    if (!bitmap)
      return "Bitmap " + std::to_string(kXPStartButtonBitmap) + " of '" + explorer +
             "' could not be read." + core::LineBreaks(1) + "Cannot restore XP Start Button Icon.";
    changes.push_back({kBitmapType, kXPStartButtonBitmap, std::move(*bitmap), 0});
    return std::nullopt;
  }
  if (icon.file.empty()) return std::nullopt;
  std::vector<uint8_t> bytes;
  const quorlo::ReadResult read = quorlo::ReadWholeFile(icon.file, kMaxPictureFileSize, bytes);
  if (read == quorlo::ReadResult::kMissing)
    return "File '" + icon.file + "'does not exist!" + core::LineBreaks(1) +
           "Cannot replace XP Start Button Icon.";
  // A file without even its 14-byte header would leave a resource of
  // negative size; it is refused like an unreadable one.
  if (read != quorlo::ReadResult::kOk || bytes.size() <= kBitmapFileHeaderSize)
    return "File '" + icon.file + "' could not be read as a bitmap." + core::LineBreaks(1) +
           "Cannot replace XP Start Button Icon.";
  // An RT_BITMAP resource is the bitmap file without its file header.
  bytes.erase(bytes.begin(), bytes.begin() + kBitmapFileHeaderSize);
  changes.push_back({kBitmapType, kXPStartButtonBitmap, std::move(bytes), 0});
  return std::nullopt;
}

}  // namespace

std::optional<StringTable> ReadStringTable(const std::string& shellFile,
                                           const StringTableSpec& spec) {
  const std::optional<std::vector<uint8_t>> bytes =
      resedit::ReadResourceData(shellFile, resedit::kStringTableType, spec.block);
  if (!bytes) return std::nullopt;
  return LoadStringBlock(resedit::ByteSpan(bytes->data(), bytes->size()), spec.block, spec.shownId);
}

std::string WindowsExplorerPath() {
  return win::GetWindowsDir() + "Explorer.exe";
}

StartButtonWrite WriteStartButtonResources(const std::string& newFile,
                                           const StartButtonEdit& edit) {
  StartButtonWrite result;
  deploy::PatchedCopy copy;
  copy.source = CurrentShellPath;
  copy.target = newFile;
  AddTable(copy.changes, edit.tooltipTable);
  AddTable(copy.changes, edit.startTable);
  if (edit.xp) AddTable(copy.changes, edit.xpStartTable);
  if (edit.xp && edit.icon.changed) result.pictureProblem = AddPicture(copy.changes, edit.icon);
  const bool xp = edit.xp;
  result.outcome = deploy::WriteAndActivate(copy, [&newFile, xp] {
    if (!ActivateShell(newFile)) {
      return core::Outcome::Failure(
          "The new file" + core::LineBreaks(1) + newFile + core::LineBreaks(1) +
          "was written, but Windows refused to make it the shell." + core::LineBreaks(2) +
          "Windows goes on using its current shell.");
    }
    if (xp) RelinkXPStartMenuStrings(newFile);
    return core::Outcome::Success();
  });
  return result;
}
