#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "resedit/ByteSpan.h"

namespace resedit {

enum class ReadResult { kOk, kMissing, kUnreadable, kShortRead, kTooLarge };

// Reads a whole file; files larger than maxSize are not read.
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

enum class WriteResult { kOk, kCannotCreate, kWriteFailed };

// Writes through `produce` into a temporary file beside `path` and renames it
// over `path` only when every byte was written, flushed and closed. On any
// failure the temporary file is removed and `path` is left as it was.
WriteResult WriteFileReplacing(const std::string& path,
                               const std::function<bool(OutputSink&)>& produce);

}  // namespace resedit
