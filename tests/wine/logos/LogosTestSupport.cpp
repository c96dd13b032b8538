#include "tests/wine/logos/LogosTestSupport.h"

#include <windows.h>

#include "core/FileIo.h"
#include "win/SystemFacts.h"

namespace logos::test {

Bytes ReadBytes(const std::string& path) {
  Bytes bytes;
  core::ReadWholeFile(path, 64u << 20, bytes);
  return bytes;
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return core::WriteFileReplacing(path, bytes) == core::WriteResult::kOk;
}

std::string FreshFolder(const std::string& name) {
  const std::string folder = win::GetTempDir() + name + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::string file = folder + found.cFileName;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return folder;
}

bool BlockWithFolder(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

}  // namespace logos::test
