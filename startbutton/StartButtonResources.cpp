#include "startbutton/StartButtonResources.h"

#include "deploy/Activation.h"
#include "deploy/PatchedCopy.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"

namespace startbutton {

namespace {

void AddTable(std::vector<deploy::ResourceChange>& changes, const StringTable& table) {
  if (!table.loaded) return;
  changes.push_back({resedit::kStringTableType, table.block, SaveStringBlock(table), 0});
}

}  // namespace

std::optional<StringTable> ReadStringTable(const std::string& shellFile,
                                           const StringTableSpec& spec) {
  const std::optional<std::vector<uint8_t>> bytes =
      resedit::ReadResourceData(shellFile, resedit::kStringTableType, spec.block);
  if (!bytes) return std::nullopt;
  return LoadStringBlock(resedit::ByteSpan(bytes->data(), bytes->size()), spec.block, spec.shownId);
}

StartButtonWrite WriteStartButtonResources(const std::string& newFile,
                                           const StartButtonEdit& edit) {
  StartButtonWrite result;
  deploy::PatchedCopy copy;
  copy.source = deploy::CurrentShellPath;
  copy.target = newFile;
  AddTable(copy.changes, edit.tooltipTable);
  AddTable(copy.changes, edit.startTable);
  if (edit.xp) AddTable(copy.changes, edit.xpStartTable);
  if (edit.xp && edit.icon.changed)
    result.pictureProblem = deploy::AddBitmapChange(copy.changes, kXPStartButtonBitmap, edit.icon,
                                                    "XP Start Button Icon");
  const bool xp = edit.xp;
  result.outcome = deploy::WriteAndActivate(
      copy, [&newFile, xp] { return deploy::ActivateShellCopy(newFile, xp); });
  return result;
}

}  // namespace startbutton
