#pragma once
// Whole-file reads with a size limit, and writes that go through a temporary
// file beside the target which replaces it only once every byte is written
// and on disk. Paths are narrow strings passed to the C library unchanged:
// on Windows that is the system code page, the same as every other path the
// program handles, so a name such as "M\xFCller" means the same file here as
// in the rest of the program.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ByteSpan.h"

namespace core {

enum class ReadResult {
  kOk,
  kMissing,     // nothing of that name, or not a regular file (a folder, a device)
  kUnreadable,  // the file is there but cannot be opened or its size not learnt
  kShortRead,   // fewer or more bytes came than the file's size said
  kTooLarge,    // larger than the caller's limit, or than memory can hold
};

// Reads the whole file into out. Files larger than maxSize are not read. On
// anything but kOk, out is left as it was.
ReadResult ReadWholeFile(const std::string& path, uint64_t maxSize, std::vector<uint8_t>& out);

class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual bool Write(ByteSpan bytes) = 0;
  bool WriteZeros(uint64_t count);
};

class MemorySink : public OutputSink {
 public:
  bool Write(ByteSpan bytes) override {
    bytes_.insert(bytes_.end(), bytes.Data(), bytes.Data() + bytes.Size());
    return true;
  }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

enum class WriteResult {
  kOk,
  kCannotCreate,  // the temporary file could not be made, or not put in the target's place
  kWriteFailed,   // the producer failed, or a write, the flush to disk or the close did
};

// The temporary file's name: the target's name with this appended.
inline constexpr const char* kTemporarySuffix = ".quorlo-tmp";

// Writes through produce into path + kTemporarySuffix, flushes it to disk and
// puts it in the place of path only when all of that succeeded. On any
// failure the temporary file is removed and path is left as it was.
WriteResult WriteFileReplacing(const std::string& path,
                               const std::function<bool(OutputSink&)>& produce);
WriteResult WriteFileReplacing(const std::string& path, ByteSpan bytes);
inline WriteResult WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteFileReplacing(path, ByteSpan(bytes.data(), bytes.size()));
}

// Puts the file from in the place of to, replacing to if it exists. Both must
// lie on one volume. When it fails, to is as it was and from is still there.
bool ReplaceFileWith(const std::string& from, const std::string& to);

}  // namespace core
