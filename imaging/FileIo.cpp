#include "imaging/FileIo.h"

#include <cstdio>

namespace quorlo::imaging {

ReadStatus ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return ReadStatus::kCannotOpen;
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  ReadStatus status = ReadStatus::kOk;
  for (;;) {
    const size_t got = std::fread(chunk, 1, sizeof(chunk), file);
    if (got > maxBytes - bytes.size()) {
      status = ReadStatus::kTooLarge;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof(chunk)) {
      if (std::ferror(file)) status = ReadStatus::kCannotOpen;
      break;
    }
  }
  std::fclose(file);
  if (status == ReadStatus::kOk) out.swap(bytes);
  return status;
}

bool WriteFileReplacing(const std::string& path, const uint8_t* data, size_t size) {
  const std::string temporary = path + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || !ReplaceFileWith(temporary, path)) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace quorlo::imaging
