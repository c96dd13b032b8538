// MoveFileEx replaces in one step on the NT family. Windows 95, 98 and
// Millennium answer it with ERROR_CALL_NOT_IMPLEMENTED; there the old target
// is moved aside first.

#include <io.h>
#include <windows.h>

#include <cstdio>

#include "core/FileIo.h"
#include "core/FileIoPlatform.h"
#include "core/FileIo_win.h"

namespace core {

namespace platform {

namespace {

HANDLE HandleOf(std::FILE* file) {
  return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool IsRegularFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::optional<uint64_t> OpenFileSize(std::FILE* file) {
  const HANDLE handle = HandleOf(file);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  // INVALID_FILE_SIZE is also the low word of a valid size; only the error
  // code tells them apart.
  SetLastError(NO_ERROR);
  DWORD high = 0;
  const DWORD low = GetFileSize(handle, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
  return (static_cast<uint64_t>(high) << 32) | low;
}

bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  const HANDLE handle = HandleOf(file);
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool ReplaceByMovingAside(const std::string& from, const std::string& to) {
  // Without the new file the old one would be moved for nothing.
  if (!Exists(from)) return false;
  const std::string aside = to + kAsideSuffix;
  const bool hadTarget = Exists(to);
  if (hadTarget) {
    // Left by an earlier replacement that was cut off after its first move;
    // the target exists again, so this copy is older than it.
    DeleteFileA(aside.c_str());
    if (!MoveFileA(to.c_str(), aside.c_str())) return false;
  }
  if (MoveFileA(from.c_str(), to.c_str())) {
    if (hadTarget) DeleteFileA(aside.c_str());
    return true;
  }
  if (hadTarget) MoveFileA(aside.c_str(), to.c_str());
  return false;
}

}  // namespace platform

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  return platform::ReplaceByMovingAside(from, to);
}

}  // namespace core
