#include "icons/IconSettings.h"

#include <memory>

#include "win/VersionRule.h"

namespace icons {

namespace {

// Read with this default, a Shell Icons value that says exactly this means
// the slot has no setting of its own.
constexpr char kNoSetting[] = "none";

bool IsDesktopObject(int entry) {
  return kIconDefinitions[entry].storage == IconStorage::DesktopObject;
}

IconEntry ShellSlotDefault(const std::string& systemDirectory, int entry) {
  IconEntry result;
  result.file = systemDirectory + kShellDefaultIconFile;
  result.index = entry;
  return result;
}

IconEntry LoadShellSlot(const RegistryStore::Key* shellIcons, const std::string& systemDirectory,
                        int entry) {
  const StoredText stored = shellIcons != nullptr
                                ? shellIcons->ReadString(kIconDefinitions[entry].valueName)
                                : StoredText::Missing();
  if (stored.state == StoredText::State::Text && stored.text != kNoSetting) {
    return ParseIconLocation(stored.text);
  }
  IconEntry result = ShellSlotDefault(systemDirectory, entry);
  result.unreadable = stored.state == StoredText::State::OtherType;
  return result;
}

IconEntry LoadDesktopObject(RegistryStore& registry, int entry) {
  const IconDefinition& definition = kIconDefinitions[entry];
  std::string location;
  for (const DesktopObjectBase& base : kDesktopObjectBases) {
    const StoredText stored = ReadStoredText(
        registry, base.root, DesktopObjectKey(base, definition.classId), definition.valueName);
    if (stored.state == StoredText::State::OtherType) {
      IconEntry result;
      result.unreadable = true;
      return result;
    }
    if (stored.state == StoredText::State::Text && !stored.text.empty()) {
      location = stored.text;
      break;
    }
  }
  const IconEntry result = ParseIconLocation(location);

  // The backup is what Windows had before this program changed anything, so
  // it is made at the first reading and never replaced, even by text that a
  // later Apply put there.
  const std::string backupName = BackupValueName(entry);
  if (ReadStoredText(registry, RegistryRoot::CurrentUser, kDefaultIconsBackupKey, backupName)
          .state == StoredText::State::Missing) {
    WriteStoredText(registry, RegistryRoot::CurrentUser, kDefaultIconsBackupKey, backupName,
                    FormatIconLocation(result));
  }
  return result;
}

// Writes one value; the failure names it.
bool Write(RegistryStore& registry, RegistryRoot root, const std::string& path,
           const std::string& name, const std::string& text, IconWriteResult* result) {
  if (WriteStoredText(registry, root, path, name, text)) return true;
  result->ok = false;
  result->message = FailedToSetDataMessage(name);
  return false;
}

bool HasSettingToWrite(const IconEntry& entry) {
  return !entry.file.empty() && !entry.unreadable;
}

}  // namespace

std::string FailedToSetDataMessage(const std::string& valueName) {
  return "Failed to set data for '" + valueName + "'";
}

IconEntry LoadIconEntry(RegistryStore& registry, const std::string& systemDirectory, int entry) {
  if (IsDesktopObject(entry)) return LoadDesktopObject(registry, entry);
  const std::unique_ptr<RegistryStore::Key> shellIcons =
      registry.Open(RegistryRoot::LocalMachine, kShellIconsKey);
  return LoadShellSlot(shellIcons.get(), systemDirectory, entry);
}

IconCatalogue LoadIconCatalogue(RegistryStore& registry, const std::string& systemDirectory,
                                const IconLoadProgress& progress) {
  IconCatalogue catalogue;
  const std::unique_ptr<RegistryStore::Key> shellIcons =
      registry.Open(RegistryRoot::LocalMachine, kShellIconsKey);
  for (int entry = 0; entry < kIconCount; ++entry) {
    catalogue[entry] = IsDesktopObject(entry)
                           ? LoadDesktopObject(registry, entry)
                           : LoadShellSlot(shellIcons.get(), systemDirectory, entry);
    if (progress) progress(entry, catalogue[entry]);
  }
  return catalogue;
}

IconEntry DefaultIconEntry(RegistryStore& registry, const std::string& systemDirectory, int entry) {
  if (!IsDesktopObject(entry)) return ShellSlotDefault(systemDirectory, entry);
  const StoredText backup = ReadStoredText(registry, RegistryRoot::CurrentUser,
                                           kDefaultIconsBackupKey, BackupValueName(entry));
  if (backup.state != StoredText::State::Text) return IconEntry();
  return ParseIconLocation(backup.text);
}

IconWriteResult ApplyIcons(RegistryStore& registry, const IconCatalogue& catalogue,
                           int windowsVersion) {
  IconWriteResult result;
  for (int entry = 0; entry < kFirstDesktopObject; ++entry) {
    if (!HasSettingToWrite(catalogue[entry])) continue;
    if (!Write(registry, RegistryRoot::LocalMachine, kShellIconsKey,
               kIconDefinitions[entry].valueName, FormatIconLocation(catalogue[entry]), &result)) {
      return result;
    }
  }

  for (int entry = kFirstDesktopObject; entry < kIconCount; ++entry) {
    if (!HasSettingToWrite(catalogue[entry])) continue;
    const IconDefinition& definition = kIconDefinitions[entry];
    const std::string location = FormatIconLocation(catalogue[entry]);
    // The shell draws the Recycle Bin from the key's default value and copies
    // "empty" or "full" into it only when the bin changes state, so the empty
    // bin's icon goes to both at once.
    const bool alsoDefaultValue = entry == kEmptyRecycleBinEntry;
    for (const int base : kDesktopObjectWriteOrder) {
      const DesktopObjectBase& where = kDesktopObjectBases[base];
      const std::string key = DesktopObjectKey(where, definition.classId);
      if (!Write(registry, where.root, key, definition.valueName, location, &result)) {
        return result;
      }
      if (alsoDefaultValue && !Write(registry, where.root, key, "", location, &result)) {
        return result;
      }
    }
  }

  // Only XP has the Start Menu mirrors.
  if (windowsVersion == win::kWindowsXP) {
    for (const MirrorKey& mirror : kXPStartMenuMirrors) {
      if (!Write(registry, RegistryRoot::ClassesRoot, std::string(mirror.path) + kDefaultIconSubkey,
                 "", FormatIconLocation(catalogue[mirror.entry]), &result)) {
        return result;
      }
    }
  }

  for (const int base : kDesktopObjectWriteOrder) {
    const DesktopObjectBase& where = kDesktopObjectBases[base];
    if (!Write(registry, where.root, DesktopObjectKey(where, kNetworkNeighborhoodClassId), "",
               FormatIconLocation(catalogue[kNetworkNeighborhoodEntry]), &result)) {
      return result;
    }
  }
  return result;
}

}  // namespace icons
