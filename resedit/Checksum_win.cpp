#include <windows.h>

#include <vector>

#include "core/FileIo.h"
#include "resedit/Checksum.h"

namespace resedit {

namespace {

using CheckSumMappedFileFn = PIMAGE_NT_HEADERS(WINAPI*)(PVOID, DWORD, PDWORD, PDWORD);

// IMAGEHLP's own checksum of the mapped file; empty when IMAGEHLP.DLL or its
// export is missing, or the file cannot be mapped.
bool ImagehlpChecksum(const std::string& fileName, HMODULE imagehlp, DWORD& checksum) {
  auto checkSumMappedFile = reinterpret_cast<CheckSumMappedFileFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(imagehlp, "CheckSumMappedFile")));
  if (!checkSumMappedFile) return false;
  // Read access is enough: nothing is written through the view, and a
  // read-only file can then be summed too.
  HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool done = false;
  DWORD high = 0;
  DWORD size = GetFileSize(file, &high);
  HANDLE mapping = size != INVALID_FILE_SIZE && high == 0 && size != 0
                       ? CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr)
                       : nullptr;
  if (mapping) {
    void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (view) {
      DWORD headerSum = 0;
      checkSumMappedFile(view, size, &headerSum, &checksum);
      done = true;
      UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
  }
  CloseHandle(file);
  return done;
}

}  // namespace

uint32_t ComputeImageChecksum(const std::string& fileName) {
  HMODULE imagehlp = LoadLibraryA("IMAGEHLP.DLL");
  DWORD checksum = 0;
  bool done = imagehlp && ImagehlpChecksum(fileName, imagehlp, checksum);
  if (imagehlp) FreeLibrary(imagehlp);
  if (!done) return ComputePortableImageChecksum(fileName);
  // IMAGEHLP answers for the field as it is now; what matters is the value
  // that verifies once stored.
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(fileName, 0xFFFFFFFFu, bytes) != core::ReadResult::kOk) return checksum;
  return StorableChecksum(ByteSpan(bytes.data(), bytes.size()), checksum);
}

}  // namespace resedit
