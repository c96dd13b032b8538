#include "startmenu/XPStartMenuResources_win.h"

#include <windows.h>

#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/PatchedCopy.h"
#include "deploy/ShellLocation.h"
#include "resedit/StringBlock.h"
#include "startmenu/StartMenuFiles.h"
#include "win/AnsiText.h"
#include "win/RegistryAccessor.h"

namespace startmenu {

namespace {

// The block that holds the keys' names (7020 to 7023).
constexpr uint32_t kNameBlock = 439;

core::Outcome RegistryFailure(const std::string& file) {
  return core::Outcome::Failure("Windows refused to point the XP Start Menu texts at" +
                                core::LineBreaks(1) + file + core::LineBreaks(1) +
                                "(registry keys under HKEY_CLASSES_ROOT\\CLSID).");
}

}  // namespace

bool WriteXPStartMenuRegistry(const std::string& file, const XPStartMenuTexts& texts) {
  bool written = true;
  if (texts.HasBlock(kNameBlock)) {
    win::RegOpenAccessor();
    for (const XPStartMenuKeyName& key : texts.KeyNames()) {
      win::RegSelectKey(HKEY_CLASSES_ROOT, key.keyPath);
      written &= win::RegWriteString("", win::UnicodeToAnsi(key.name));
    }
    win::RegCloseAccessor();
  }
  written &= deploy::RelinkXPStartMenuStrings(file);
  return written;
}

core::Outcome WriteXPStartMenuResources(const std::string& newFile, const XPStartMenuTexts& texts) {
  // Texts never read would write a copy that changes nothing while the keys
  // lose their names.
  if (!texts.HasBlock(kNameBlock))
    return core::Outcome::Failure("There are no XP Start Menu texts to write: the texts of" +
                                  core::LineBreaks(1) + deploy::CurrentShellPath +
                                  core::LineBreaks(1) + "were not read.");
  deploy::PatchedCopy copy;
  copy.source = deploy::CurrentShellPath;
  copy.target = newFile;
  for (XPStringBlockBytes& block : texts.EncodeBlocks())
    copy.changes.push_back({resedit::kStringTableType, block.block, std::move(block.bytes), 0});
  return deploy::WriteAndActivate(copy, [&newFile, &texts] {
    if (!WriteXPStartMenuRegistry(newFile, texts)) return RegistryFailure(newFile);
    // The keys were written above; the shell switch alone is left.
    return deploy::ActivateShellCopy(newFile, false);
  });
}

core::Outcome RestoreXPStartMenuShell() {
  const std::string explorer = deploy::WindowsExplorerPath();
  const XPStartMenuTextsRead own = LoadXPStartMenuStrings(explorer);
  // Windows' own names are what the keys held before the first change.
  if (!WriteXPStartMenuRegistry(explorer, own.texts)) return RegistryFailure(explorer);
  return deploy::ActivateShellCopy(explorer, false);
}

}  // namespace startmenu
