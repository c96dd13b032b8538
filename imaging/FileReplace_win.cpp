// MoveFileEx replaces in one step on the NT family; Windows 95, 98 and
// Millennium do not implement it, so there the target is deleted first.

#include <windows.h>

#include "imaging/FileIo.h"

namespace quorlo::imaging {

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    return true;
  }
  if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  DeleteFileA(to.c_str());
  return MoveFileA(from.c_str(), to.c_str()) != 0;
}

}  // namespace quorlo::imaging
