#include "startbutton/ContextMenu.h"

#include <algorithm>

#include "app/RUtils.h"
#include "app/Utils.h"
#include "startbutton/MenuCommand.h"

namespace {

constexpr char kNone[] = "none";

std::string EntryKey(const std::string& name) {
  return std::string(kDirectoryShellKey) + "\\" + name;
}

std::string ReadDefault(const std::string& path, const std::string& fallback) {
  RegOpenAccessor();
  RegSelectKey(HKEY_CLASSES_ROOT, path);
  std::string value = RegReadString("", fallback);
  RegCloseAccessor();
  return value;
}

}  // namespace

std::vector<std::string> ListMenuItems() {
  RegOpenAccessor();
  RegSelectKey(HKEY_CLASSES_ROOT, kDirectoryShellKey);
  std::vector<std::string> names = RegListSubkeys();
  RegCloseAccessor();
  names.erase(std::remove_if(names.begin(), names.end(), IsReservedMenuName), names.end());
  return names;
}

std::string ReadMenuCommand(const std::string& name) {
  return ReadDefault(EntryKey(name) + "\\command", "not specified");
}

std::string WriteMenuItem(const std::string& name, const std::string& command) {
  std::string failure;
  RegOpenAccessor();
  RegSelectKey(HKEY_CLASSES_ROOT, EntryKey(name));
  if (!RegWriteString("", name)) {
    failure = "Failed to set data for '" + EntryKey(name) + "'";
  } else {
    RegSelectKey(HKEY_CLASSES_ROOT, EntryKey(name) + "\\command");
    if (!RegWriteString("", command))
      failure = "Failed to set data for '" + EntryKey(name) + "\\command'";
  }
  RegCloseAccessor();
  return failure;
}

bool DeleteMenuItem(const std::string& name) {
  RegOpenAccessor();
  RegSelectKey(HKEY_CLASSES_ROOT, EntryKey(name));
  const bool deleted = RegDeleteSelectedKey();
  RegCloseAccessor();
  return deleted;
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
  return ProgramOfAssociation(command, CommandFolders{GetWindowsDir(), GetProgramFilesDir()});
}
