#include "win/Files.h"

#include <windows.h>

namespace win {

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::vector<uint8_t>> result;
  const DWORD size = GetFileSize(file, nullptr);
  // Files this program reads whole are small; a size that does not fit one
  // read is refused rather than read in part.
  if (size != INVALID_FILE_SIZE && size < 0x40000000u) {
    std::vector<uint8_t> bytes(size);
    DWORD read = 0;
    if (size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size))
      result = std::move(bytes);
  }
  CloseHandle(file);
  return result;
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = bytes.empty() ||
            (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size());
  ok = FlushFileBuffers(file) && ok;
  ok = CloseHandle(file) && ok;
  if (!ok) DeleteFileA(path.c_str());
  return ok;
}

bool ReplaceFileWith(const std::string& source, const std::string& target) {
  if (MoveFileExA(source.c_str(), target.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  // Windows 95/98/Millennium have no MoveFileEx: there the target goes first.
  if (GetVersion() & 0x80000000u) {
    const std::string saved = target + ".old";
    DeleteFileA(saved.c_str());
    if (!MoveFileA(target.c_str(), saved.c_str()) &&
        GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES)
      return false;
    if (MoveFileA(source.c_str(), target.c_str())) {
      DeleteFileA(saved.c_str());
      return true;
    }
    MoveFileA(saved.c_str(), target.c_str());
  }
  return false;
}

}  // namespace win
