#include "app/StartBanner.h"

#include <windows.h>

#include "app/Editions.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "win/SystemFacts.h"

namespace app {

namespace {

std::optional<uint64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  return (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int StartBannerBitmapId() {
  BannerQuestions ask;
  ask.xpEdition = &GetXPEdition;
  ask.twoKEdition = &Get2000Edition;
  ask.shellFileSize = [] { return FileSize(win::GetWindowsDir() + "Explorer.exe"); };
  return BannerBitmapIdFor(win::WindowsVersion(), ask);
}

}  // namespace app
