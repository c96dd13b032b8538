#include "deploy/Activation.h"

#include <windows.h>

#include "app/RUtils.h"
#include "app/Utils.h"
#include "deploy/ShellLocation.h"
#include "deploy/XPStartMenuKeys.h"
#include "win/RegistryKey.h"

bool SetShell(const std::string& path) {
  switch (PlatformFamily()) {
    case 1: {
      const std::string ini = GetWindowsDir() + "System.ini";
      if (!WritePrivateProfileStringA("boot", "shell", path.c_str(), ini.c_str())) return false;
      // 95/98/Millennium cache profile files; this call writes the cache out.
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
      return true;
    }
    case 2: {
      RegOpenAccessor();
      RegSelectKey(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey);
      const bool written = RegWriteString("Shell", path);
      RegCloseAccessor();
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
  const std::string fileName = deploy::FileNamePart(shellPath);
  bool written = true;
  RegOpenAccessor();
  for (const deploy::XPStartMenuKey& key : deploy::kXPStartMenuKeys) {
    RegSelectKey(HKEY_CLASSES_ROOT, key.path);
    written &= RegWriteString("InfoTip", deploy::ShellStringReference(fileName, key.infoTipId));
    written &= RegWriteString("LocalizedString",
                              deploy::ShellStringReference(fileName, key.localizedStringId));
  }
  RegCloseAccessor();
  return written;
}

bool SetGinaDll(const std::string& path) {
  if (path.empty()) {
    win::RegistryKey key =
        win::RegistryKey::Open(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, KEY_READ | KEY_SET_VALUE);
    // No key or no value: Windows already uses its own library.
    return !key.IsOpen() || !key.HasValue("GinaDLL") || key.DeleteValue("GinaDLL");
  }
  RegOpenAccessor();
  RegSelectKey(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey);
  const bool written = RegWriteString("GinaDLL", path);
  RegCloseAccessor();
  return written;
}
