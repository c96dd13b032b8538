#include "logon/LogonLibrary_win.h"

#include <windows.h>

#include "deploy/Activation.h"
#include "deploy/XPStartMenuKeys.h"
#include "logon/LogonPictures.h"
#include "resedit/ResourceReader.h"
#include "win/Paths.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryKey.h"
#include "win/SystemFacts.h"

namespace logon {

namespace {

constexpr char kWindowsLibrary[] = "MSGINA.DLL";
constexpr uint32_t kBitmapType = 2;

LogonPicture ReadPicture(const resedit::ResourceFile& library, bool opened, int id) {
  LogonPicture picture;
  picture.id = id;
  if (!opened) return picture;
  const std::optional<std::vector<uint8_t>> data = library.Find(kBitmapType, id);
  if (!data) return picture;
  picture.inLibrary = true;
  picture.file = BitmapFileFromResource(core::ByteSpan(data->data(), data->size()));
  return picture;
}

}  // namespace

std::string CurrentGinaPath() {
  const std::string systemDir = win::GetSystemDir();
  const std::optional<std::string> setting =
      win::RegistryKey::Open(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey).ReadString("GinaDLL");
  // Only the file name counts: the copies always live in the system directory.
  const std::string name = deploy::FileNamePart(setting.value_or(kWindowsLibrary));
  if (!name.empty() && win::FileExists(systemDir + name)) return systemDir + name;
  return systemDir + kWindowsLibrary;
}

int StoredEdition(int windowsVersion) {
  const char* value = windowsVersion == win::kWindowsXP ? "XP Edition" : "2k Edition";
  return static_cast<int>(win::RegistryKey::Open(HKEY_CURRENT_USER, win::ProgramRegistryKey)
                              .ReadDword(value)
                              .value_or(0));
}

LogonModule ReadLogonModule(int windowsVersion, int edition) {
  LogonModule module;
  module.path = CurrentGinaPath();
  module.ids = LogonBitmapIdsFor(windowsVersion, edition);
  const int ids[kPictureCount] = {module.ids.normal, module.ids.progress, module.ids.bar};
  for (int i = 0; i < kPictureCount; ++i) module.pictures[i].id = ids[i];
  if (!win::FileExists(module.path)) {
    module.message =
        "Error: The vital system file 'MSGina.dll' was not found!\r\nThis means you are not "
        "running Quorlo on a Windows 2000/XP Operating System.\r\n\r\nPlease contact the author "
        "to fix the problem.";
    return module;
  }
  module.found = true;
  // Read as data through the engine's reader: the library is PE32 whatever
  // our own bitness, and only its bitmaps are wanted.
  resedit::ResourceFile library;
  module.readStatus = library.Open(module.path);
  const bool opened = module.readStatus == resedit::ResourceStatus::kSuccess;
  for (int i = 0; i < kPictureCount; ++i) module.pictures[i] = ReadPicture(library, opened, ids[i]);
  return module;
}

}  // namespace logon
