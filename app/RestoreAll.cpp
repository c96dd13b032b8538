#include "app/RestoreAll.h"

#include <windows.h>

#include "deploy/Activation.h"
#include "deploy/KernelSwitches.h"
#include "deploy/XPStartMenuKeys.h"
#include "win/Paths.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace app {

void RestoreXPStartMenuNames() {
  win::RegOpenAccessor();
  for (const deploy::XPStartMenuKey& key : deploy::kXPStartMenuKeys) {
    win::RegSelectKey(HKEY_CLASSES_ROOT, key.path);
    win::RegWriteString("", key.defaultName);
    win::RegWriteString("InfoTip", deploy::ShellStringReference("Explorer.exe", key.infoTipId));
    win::RegWriteString("LocalizedString",
                        deploy::ShellStringReference("Explorer.exe", key.localizedStringId));
  }
  win::RegCloseAccessor();
}

void RestoreLogos9x() {
  const std::string saved = win::ExecutableDirectory();
  const std::string bootLogo = win::GetBootDrive() + "logo.sys";
  if (win::FileExists(saved + "logo.sys")) {
    SetFileAttributesA(bootLogo.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA((saved + "logo.sys").c_str(), bootLogo.c_str(), FALSE);
  } else {
    SetFileAttributesA(bootLogo.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(bootLogo.c_str());
  }
  for (const char* name : {"Logow.sys", "Logos.sys"}) {
    if (!win::FileExists(saved + name)) continue;
    const std::string target = win::GetWindowsDir() + name;
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA((saved + name).c_str(), target.c_str(), FALSE);
  }
}

void RunRestoreAll(int windowsVersion) {
  deploy::SetShell(win::GetWindowsDir() + "Explorer.exe");
  if (windowsVersion == win::kWindows2000 || windowsVersion == win::kWindowsXP) {
    deploy::SetGinaDll("");
    deploy::RemoveKernelSwitches();
  }
  if (windowsVersion == win::kWindowsXP) RestoreXPStartMenuNames();
  if (windowsVersion >= win::kWindows95 && windowsVersion <= win::kWindowsMillennium)
    RestoreLogos9x();
}

}  // namespace app
