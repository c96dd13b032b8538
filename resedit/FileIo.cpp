#include "resedit/FileIo.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace resedit {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class FileSink : public OutputSink {
 public:
  explicit FileSink(std::FILE* file) : file_(file) {}
  bool Write(ByteSpan bytes) override {
    return bytes.Empty() || std::fwrite(bytes.Data(), 1, bytes.Size(), file_) == bytes.Size();
  }

 private:
  std::FILE* file_;
};

}  // namespace

bool OutputSink::WriteZeros(uint64_t count) {
  static const uint8_t kZeros[4096] = {};
  while (count > 0) {
    size_t chunk = count < sizeof(kZeros) ? static_cast<size_t>(count) : sizeof(kZeros);
    if (!Write(ByteSpan(kZeros, chunk))) return false;
    count -= chunk;
  }
  return true;
}

ReadResult ReadWholeFile(const std::string& path, uint64_t maxSize, std::vector<uint8_t>& out) {
  std::error_code error;
  std::filesystem::path fsPath(path);
  if (!std::filesystem::is_regular_file(fsPath, error)) return ReadResult::kMissing;
  uint64_t size = std::filesystem::file_size(fsPath, error);
  if (error) return ReadResult::kUnreadable;
  if (size > maxSize) return ReadResult::kTooLarge;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return ReadResult::kUnreadable;
  out.resize(static_cast<size_t>(size));
  size_t got = size == 0 ? 0 : std::fread(out.data(), 1, out.size(), file.get());
  if (got != size) return ReadResult::kShortRead;
  return ReadResult::kOk;
}

WriteResult WriteFileReplacing(const std::string& path,
                               const std::function<bool(OutputSink&)>& produce) {
  const std::string temporary = path + ".quorlo-tmp";
  FilePtr file(std::fopen(temporary.c_str(), "wb"));
  if (!file) return WriteResult::kCannotCreate;
  std::vector<char> buffer(1 << 16);
  std::setvbuf(file.get(), buffer.data(), _IOFBF, buffer.size());
  FileSink sink(file.get());
  bool written = produce(sink) && std::fflush(file.get()) == 0 && !std::ferror(file.get());
  written = (std::fclose(file.release()) == 0) && written;
  std::error_code error;
  if (!written) {
    std::filesystem::remove(temporary, error);
    return WriteResult::kWriteFailed;
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return WriteResult::kCannotCreate;
  }
  return WriteResult::kOk;
}

}  // namespace resedit
