#include "deploy/KernelSwitches.h"

#include <windows.h>

#include <string>
#include <vector>

#include "core/FileIo.h"
#include "deploy/BootIniText.h"

namespace deploy {

namespace {

// Far above any boot.ini: a larger file is refused rather than read.
constexpr uint64_t kMaxBootIniSize = 0x3FFFFFFF;

}  // namespace

BootIniRewrite RewriteBootIni(const BootIniFiles& files,
                              const std::function<std::string(const std::string&)>& edit) {
  SetFileAttributesA(files.bootIni, FILE_ATTRIBUTE_NORMAL);
  if (GetFileAttributesA(files.bootIni) == INVALID_FILE_ATTRIBUTES) return BootIniRewrite::kMissing;
  // Without a backup the file that starts the computer is not rewritten.
  if (!CopyFileA(files.bootIni, files.backup, FALSE)) return BootIniRewrite::kNoBackup;
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(files.bootIni, kMaxBootIniSize, bytes) != core::ReadResult::kOk)
    return BootIniRewrite::kUnreadable;
  const std::string text(bytes.begin(), bytes.end());
  const std::string edited = edit(text);
  if (edited == text) return BootIniRewrite::kUnchanged;
  const core::ByteSpan editedBytes(reinterpret_cast<const uint8_t*>(edited.data()), edited.size());
  if (core::WriteFileReplacing(files.work, editedBytes) != core::WriteResult::kOk)
    return BootIniRewrite::kNoWorkFile;
  if (!core::ReplaceFileWith(files.work, files.bootIni)) {
    DeleteFileA(files.work);
    return BootIniRewrite::kNoWorkFile;
  }
  return BootIniRewrite::kRewritten;
}

bool RemoveKernelSwitchesIn(const BootIniFiles& files) {
  switch (RewriteBootIni(files, RemoveKernelSwitchesFromText)) {
    case BootIniRewrite::kRewritten:
    case BootIniRewrite::kUnchanged:
    case BootIniRewrite::kMissing:
      return true;
    default:
      return false;
  }
}

bool RemoveKernelSwitches() {
  return RemoveKernelSwitchesIn(BootIniFiles{});
}

}  // namespace deploy
