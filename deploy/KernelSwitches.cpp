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

bool RemoveKernelSwitchesIn(const BootIniFiles& files) {
  SetFileAttributesA(files.bootIni, FILE_ATTRIBUTE_NORMAL);
  if (GetFileAttributesA(files.bootIni) == INVALID_FILE_ATTRIBUTES) return true;
  // Without a backup the file that starts the computer is not rewritten.
  if (!CopyFileA(files.bootIni, files.backup, FALSE)) return false;
  std::vector<uint8_t> bytes;
  if (quorlo::ReadWholeFile(files.bootIni, kMaxBootIniSize, bytes) != quorlo::ReadResult::kOk)
    return false;
  const std::string text(bytes.begin(), bytes.end());
  const std::string cleaned = RemoveKernelSwitchesFromText(text);
  if (cleaned == text) return true;
  const quorlo::ByteSpan cleanedBytes(reinterpret_cast<const uint8_t*>(cleaned.data()),
                                      cleaned.size());
  if (quorlo::WriteFileReplacing(files.work, cleanedBytes) != quorlo::WriteResult::kOk)
    return false;
  if (!quorlo::ReplaceFileWith(files.work, files.bootIni)) {
    DeleteFileA(files.work);
    return false;
  }
  return true;
}

}  // namespace deploy

bool RemoveKernelSwitches() {
  return deploy::RemoveKernelSwitchesIn(deploy::BootIniFiles{});
}
