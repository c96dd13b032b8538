#include "startbutton/ContextMenu.h"

#include <algorithm>

#include "startbutton/MenuCommand.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace startbutton {

namespace {

constexpr char kNone[] = "none";

std::string EntryKey(const std::string& name) {
  return std::string(kDirectoryShellKey) + "\\" + name;
}

std::string ReadDefault(const std::string& path, const std::string& fallback) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CLASSES_ROOT, path);
  std::string value = win::RegReadString("", fallback);
  win::RegCloseAccessor();
  return value;
}

}  // namespace

std::vector<std::string> ListMenuItems() {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CLASSES_ROOT, kDirectoryShellKey);
  std::vector<std::string> names = win::RegListSubkeys();
  win::RegCloseAccessor();
  names.erase(std::remove_if(names.begin(), names.end(), IsReservedMenuName), names.end());
  return names;
}

std::string ReadMenuCommand(const std::string& name) {
  return ReadDefault(EntryKey(name) + "\\command", "not specified");
}

bool SameMenuItemName(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
         CSTR_EQUAL;
}

core::Outcome WriteMenuItem(const std::string& name, const std::string& command) {
  core::Outcome outcome;
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CLASSES_ROOT, EntryKey(name));
  if (!win::RegWriteString("", name)) {
    outcome = core::Outcome::Failure("Failed to set data for '" + EntryKey(name) + "'");
  } else {
    win::RegSelectKey(HKEY_CLASSES_ROOT, EntryKey(name) + "\\command");
    if (!win::RegWriteString("", command))
      outcome = core::Outcome::Failure("Failed to set data for '" + EntryKey(name) + "\\command'");
  }
  win::RegCloseAccessor();
  return outcome;
}

core::Outcome ReplaceMenuItem(const std::string& oldName, const std::string& name,
                              const std::string& command) {
  const bool sameKey = !oldName.empty() && SameMenuItemName(oldName, name);
  if (sameKey) DeleteMenuItem(oldName);
  core::Outcome written = WriteMenuItem(name, command);
  if (!written.ok) return written;
  if (!oldName.empty() && !sameKey) DeleteMenuItem(oldName);
  return written;
}

core::Outcome DeleteMenuItem(const std::string& name) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CLASSES_ROOT, EntryKey(name));
  const bool deleted = win::RegDeleteSelectedKey();
  win::RegCloseAccessor();
  if (deleted) return core::Outcome::Success();
  return core::Outcome::Failure("Failed to delete key '" + EntryKey(name) + "'");
}

std::string FindAssociatedProgram(const std::string& extension) {
  if (extension.empty()) return {};
  std::string command = ReadDefault(extension + "\\shell\\open\\command", kNone);
  if (command == kNone) {
    const std::string type = ReadDefault(extension, kNone);
    if (type != kNone && !type.empty())
      command = ReadDefault(type + "\\shell\\open\\command", kNone);
  }
  if (command == kNone) return {};
  return ProgramOfAssociation(command,
                              CommandFolders{win::GetWindowsDir(), win::GetProgramFilesDir()});
}

}  // namespace startbutton
