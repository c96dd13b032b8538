#include "deploy/Activation.h"

#include <windows.h>

#include "core/Text.h"
#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "win/RegistryAccessor.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace deploy {

bool SetShell(const std::string& path) {
  switch (win::PlatformFamily()) {
    case win::kPlatformWindows: {
      const std::string ini = win::GetWindowsDir() + "System.ini";
      if (!WritePrivateProfileStringA("boot", "shell", path.c_str(), ini.c_str())) return false;
      // 95/98/Millennium cache profile files; this call writes the cache out.
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
      return true;
    }
    case win::kPlatformNT: {
      win::RegOpenAccessor();
      win::RegSelectKey(HKEY_LOCAL_MACHINE, kWinlogonKey);
      const bool written = win::RegWriteString("Shell", path);
      win::RegCloseAccessor();
      return written;
    }
    default:
      return false;
  }
}

bool ActivateShell(const std::string& path) {
  const bool written = SetShell(path);
  LocateCurrentShell();
  return written;
}

bool RelinkXPStartMenuStrings(const std::string& shellPath) {
  const std::string fileName = FileNamePart(shellPath);
  bool written = true;
  win::RegOpenAccessor();
  for (const XPStartMenuKey& key : kXPStartMenuKeys) {
    win::RegSelectKey(HKEY_CLASSES_ROOT, key.path);
    written &= win::RegWriteString("InfoTip", ShellStringReference(fileName, key.infoTipId));
    written &= win::RegWriteString("LocalizedString",
                                   ShellStringReference(fileName, key.localizedStringId));
  }
  win::RegCloseAccessor();
  return written;
}

core::Outcome ActivateShellCopy(const std::string& newFile, bool relinkXPStartMenu) {
  if (!ActivateShell(newFile)) {
    return core::Outcome::Failure("The new file" + core::LineBreaks(1) + newFile +
                                  core::LineBreaks(1) +
                                  "was written, but Windows refused to make it the shell." +
                                  core::LineBreaks(2) + "Windows goes on using its current shell.");
  }
  if (relinkXPStartMenu) RelinkXPStartMenuStrings(newFile);
  return core::Outcome::Success();
}

bool SetGinaDll(const std::string& path) {
  if (path.empty()) {
    win::RegistryKey key =
        win::RegistryKey::Open(HKEY_LOCAL_MACHINE, kWinlogonKey, KEY_READ | KEY_SET_VALUE);
    // No key or no value: Windows already uses its own library.
    return !key.IsOpen() || !key.HasValue("GinaDLL") || key.DeleteValue("GinaDLL");
  }
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_LOCAL_MACHINE, kWinlogonKey);
  const bool written = win::RegWriteString("GinaDLL", path);
  win::RegCloseAccessor();
  return written;
}

}  // namespace deploy
