#include "core/FileIo.h"

#include <cstdio>
#include <memory>
#include <new>
#include <utility>

#include "core/FileIoPlatform.h"

namespace core {

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

// The temporary file of one write. Once it has been created, and unless Keep
// is called, it is closed and removed when this goes out of scope, also when
// a producer throws. Whatever held its name when it could not be created is
// not ours to remove.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    Close();
    if (created_ && !kept_) std::remove(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool Open() {
    file_ = std::fopen(path_.c_str(), "wb");
    if (!file_) return false;
    created_ = true;
    // The buffer is a member, so it outlives the stream that uses it.
    std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferSize);
    return true;
  }
  std::FILE* Stream() const { return file_; }
  bool Close() {
    if (!file_) return true;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return closed;
  }
  const std::string& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  static constexpr size_t kBufferSize = size_t{1} << 16;
  std::string path_;
  std::unique_ptr<char[]> buffer_{new char[kBufferSize]};
  std::FILE* file_ = nullptr;
  bool created_ = false;
  bool kept_ = false;
};

}  // namespace

bool OutputSink::WriteZeros(uint64_t count) {
  static const uint8_t kZeros[4096] = {};
  while (count > 0) {
    const size_t chunk = count < sizeof(kZeros) ? static_cast<size_t>(count) : sizeof(kZeros);
    if (!Write(ByteSpan(kZeros, chunk))) return false;
    count -= chunk;
  }
  return true;
}

ReadResult ReadWholeFile(const std::string& path, uint64_t maxSize, std::vector<uint8_t>& out) {
  if (!platform::IsRegularFile(path)) return ReadResult::kMissing;
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return ReadResult::kUnreadable;
  const std::optional<uint64_t> size = platform::OpenFileSize(file.get());
  if (!size) return ReadResult::kUnreadable;
  if (*size > maxSize) return ReadResult::kTooLarge;
  std::vector<uint8_t> bytes;
  // A limit above what a 32-bit process can hold is refused here rather
  // than by an exception from the allocator.
  if (*size > bytes.max_size()) return ReadResult::kTooLarge;
  try {
    bytes.resize(static_cast<size_t>(*size));
  } catch (const std::bad_alloc&) {
    return ReadResult::kTooLarge;
  }
  const size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file.get());
  if (got != bytes.size() || std::ferror(file.get())) return ReadResult::kShortRead;
  // A file that grew while it was read would otherwise come back cut short
  // and look whole.
  uint8_t beyond;
  if (std::fread(&beyond, 1, 1, file.get()) != 0 || std::ferror(file.get()))
    return ReadResult::kShortRead;
  out.swap(bytes);
  return ReadResult::kOk;
}

WriteResult WriteFileReplacing(const std::string& path,
                               const std::function<bool(OutputSink&)>& produce) {
  TemporaryFile temporary(path + kTemporarySuffix);
  if (!temporary.Open()) return WriteResult::kCannotCreate;
  FileSink sink(temporary.Stream());
  bool written = produce(sink) && !std::ferror(temporary.Stream()) &&
                 platform::FlushToDisk(temporary.Stream());
  written = temporary.Close() && written;
  if (!written) return WriteResult::kWriteFailed;
  if (!ReplaceFileWith(temporary.Path(), path)) return WriteResult::kCannotCreate;
  temporary.Keep();
  return WriteResult::kOk;
}

WriteResult WriteFileReplacing(const std::string& path, ByteSpan bytes) {
  return WriteFileReplacing(path, [bytes](OutputSink& sink) { return sink.Write(bytes); });
}

}  // namespace core
