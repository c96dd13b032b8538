#include "app/StartBanner.h"

#include <windows.h>

#include "app/Editions.h"
#include "app/u2kEdition.h"
#include "app/uXPEdition.h"
#include "win/SystemFacts.h"

namespace app {

namespace {

// FindFirstFile rather than GetFileAttributesEx, which Windows 95 lacks.
std::optional<uint64_t> FileSize(const std::string& path) {
  WIN32_FIND_DATAA data{};
  const HANDLE found = FindFirstFileA(path.c_str(), &data);
  if (found == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(found);
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
