#include "tests/wine/logos/LogosTestSupport.h"

#include <windows.h>

#include "core/FileIo.h"
#include "tests/robot/Robot.h"
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

namespace {

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

}  // namespace

uint32_t Get32(const Bytes& bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}

Bytes PalettedBitmap(int width, int height, int bitsPerPixel, int seed) {
  const uint32_t colours = 1u << bitsPerPixel;
  const uint32_t stride = (uint32_t(width) * uint32_t(bitsPerPixel) + 31) / 32 * 4;
  const uint32_t bitsOffset = 14 + 40 + 4 * colours;
  Bytes file(bitsOffset + stride * uint32_t(height));
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, uint32_t(file.size()));
  Put32(file, 10, bitsOffset);
  Put32(file, 14, 40);
  Put32(file, 18, uint32_t(width));
  Put32(file, 22, uint32_t(height));
  file[26] = 1;
  file[28] = uint8_t(bitsPerPixel);
  Put32(file, 34, stride * uint32_t(height));
  Put32(file, 46, colours);
  for (uint32_t i = 0; i < colours; ++i) {
    file[54 + 4 * i] = uint8_t(i * 16 + uint32_t(seed));
    file[55 + 4 * i] = uint8_t(255 - i * 15);
    file[56 + 4 * i] = uint8_t((i * 37 + uint32_t(seed)) % 256);
  }
  for (uint32_t row = 0; row < uint32_t(height); ++row) {
    for (uint32_t x = 0; x < uint32_t(width); ++x) {
      const uint32_t index = (x / 40 + row / 30 + uint32_t(seed)) % colours;
      const size_t at = bitsOffset + row * stride;
      if (bitsPerPixel == 8) {
        file[at + x] = uint8_t(index);
      } else {
        file[at + x / 2] |= uint8_t(x % 2 == 0 ? index << 4 : index);
      }
    }
  }
  return file;
}

std::string AnswerMessageBox(int button, unsigned long timeoutMs) {
  return robot::AnswerNextMessageBox(button, timeoutMs);
}

}  // namespace logos::test
