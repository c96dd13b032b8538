#include "app/RestoreAll.h"

#include <windows.h>

#include "app/RUtils.h"
#include "app/Utils.h"
#include "deploy/Activation.h"
#include "deploy/KernelSwitches.h"
#include "deploy/XPStartMenuKeys.h"
#include "win/Paths.h"

void RestoreXPStartMenuNames() {
  RegOpenAccessor();
  for (const deploy::XPStartMenuKey& key : deploy::kXPStartMenuKeys) {
    RegSelectKey(HKEY_CLASSES_ROOT, key.path);
    RegWriteString("", key.defaultName);
    RegWriteString("InfoTip", deploy::ShellStringReference("Explorer.exe", key.infoTipId));
    RegWriteString("LocalizedString",
                   deploy::ShellStringReference("Explorer.exe", key.localizedStringId));
  }
  RegCloseAccessor();
}

void RestoreLogos9x() {
  const std::string saved = win::ExecutableDirectory();
  const std::string bootLogo = GetBootDrive() + "logo.sys";
  if (win::FileExists(saved + "logo.sys")) {
    SetFileAttributesA(bootLogo.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA((saved + "logo.sys").c_str(), bootLogo.c_str(), FALSE);
  } else {
    SetFileAttributesA(bootLogo.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(bootLogo.c_str());
  }
  for (const char* name : {"Logow.sys", "Logos.sys"}) {
    if (!win::FileExists(saved + name)) continue;
    const std::string target = GetWindowsDir() + name;
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA((saved + name).c_str(), target.c_str(), FALSE);
  }
}

void RunRestoreAll(int windowsVersion) {
  SetShell(GetWindowsDir() + "Explorer.exe");
  if (windowsVersion == 4 || windowsVersion == 5) {
    SetGinaDll("");
    RemoveKernelSwitches();
  }
  if (windowsVersion == 5) RestoreXPStartMenuNames();
  if (windowsVersion >= 1 && windowsVersion <= 3) RestoreLogos9x();
}
