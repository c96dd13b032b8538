// Whole-file reads and replacing writes, on whatever system the test runs.

#include "core/FileIo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include "tests/unit/core/ScratchFolder.h"

namespace core::test {
namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 1);
  return bytes;
}

const std::vector<uint8_t> kUntouched = {0xEE, 0xEE};

using ReadWholeFileTest = ScratchFolder;

TEST_F(ReadWholeFileTest, KindsSizesAndLimits) {
  enum class Kind { kNothing, kFile, kFolder };
  struct Case {
    const char* name;
    Kind kind;
    size_t size;
    uint64_t maxSize;
    ReadResult expected;
  };
  const Case cases[] = {
      {"missing.bin", Kind::kNothing, 0, 100, ReadResult::kMissing},
      {"folder", Kind::kFolder, 0, 100, ReadResult::kMissing},
      {"empty.bin", Kind::kFile, 0, 0, ReadResult::kOk},
      {"empty-limit.bin", Kind::kFile, 0, 100, ReadResult::kOk},
      {"at-limit.bin", Kind::kFile, 100, 100, ReadResult::kOk},
      {"past-limit.bin", Kind::kFile, 101, 100, ReadResult::kTooLarge},
      {"one-byte-limit-zero.bin", Kind::kFile, 1, 0, ReadResult::kTooLarge},
      {"no-limit.bin", Kind::kFile, 70000, UINT64_MAX, ReadResult::kOk},
  };
  for (const Case& c : cases) {
    const std::string path = Track(c.name);
    if (c.kind == Kind::kFile) {
      ASSERT_TRUE(WriteBytes(path, Pattern(c.size))) << path;
    }
    if (c.kind == Kind::kFolder) {
      ASSERT_TRUE(MakeFolder(path)) << path;
    }
    std::vector<uint8_t> out = kUntouched;
    EXPECT_EQ(ReadWholeFile(path, c.maxSize, out), c.expected) << c.name;
    if (c.expected == ReadResult::kOk) {
      EXPECT_EQ(out, Pattern(c.size)) << c.name;
    } else {
      EXPECT_EQ(out, kUntouched) << c.name << ": a refused read changed the output";
    }
  }
}

#ifdef __linux__
// Files under /proc state a size of 0 and then deliver text: a reader that
// trusted the size would hand back an empty file as if it were whole.
TEST(ReadWholeFile, FileLongerThanItsStatedSizeIsNotCutShort) {
  std::vector<uint8_t> out = kUntouched;
  EXPECT_EQ(ReadWholeFile("/proc/self/status", 1 << 20, out), ReadResult::kShortRead);
  EXPECT_EQ(out, kUntouched);
}
#endif

using WriteFileReplacingTest = ScratchFolder;

TEST_F(WriteFileReplacingTest, NewAndExistingTargetsGetExactlyTheNewBytes) {
  struct Case {
    const char* name;
    bool existing;  // holds a longer file before the write
    size_t size;
    bool throughProducer;
  };
  const Case cases[] = {
      {"new.bin", false, 300, false},      {"existing.bin", true, 300, false},
      {"emptied.bin", true, 0, false},     {"new-empty.bin", false, 0, false},
      {"produced.bin", true, 70000, true}, {"produced-new.bin", false, 5, true},
  };
  for (const Case& c : cases) {
    const std::string path = Track(c.name);
    Track(std::string(c.name) + kTemporarySuffix);
    if (c.existing) {
      ASSERT_TRUE(WriteBytes(path, std::vector<uint8_t>(100000, 0x55))) << path;
    }
    const std::vector<uint8_t> bytes = Pattern(c.size);
    WriteResult result;
    if (c.throughProducer) {
      // Written in pieces, with zeros written as zeros, as the resource
      // engine writes.
      std::vector<uint8_t> expected = bytes;
      expected.resize(expected.size() + 5000, 0);
      result = WriteFileReplacing(path, [&](OutputSink& sink) {
        return sink.Write(ByteSpan(bytes.data(), bytes.size() / 2)) &&
               sink.Write(
                   ByteSpan(bytes.data() + bytes.size() / 2, bytes.size() - bytes.size() / 2)) &&
               sink.WriteZeros(5000);
      });
      EXPECT_EQ(ReadBytes(path), expected) << c.name;
    } else {
      result = WriteFileReplacing(path, bytes);
      EXPECT_EQ(ReadBytes(path), bytes) << c.name;
    }
    EXPECT_EQ(result, WriteResult::kOk) << c.name;
    EXPECT_FALSE(Exists(path + kTemporarySuffix)) << c.name << ": the temporary file is left";
  }
}

TEST_F(WriteFileReplacingTest, FailedProducerLeavesTheOldTargetAndNoTemporaryFile) {
  for (bool existing : {true, false}) {
    const std::string path = Track(existing ? "old.bin" : "none.bin");
    Track((existing ? "old.bin" : "none.bin") + std::string(kTemporarySuffix));
    if (existing) {
      ASSERT_TRUE(WriteBytes(path, Bytes("previous contents")));
    }
    const WriteResult result = WriteFileReplacing(path, [](OutputSink& sink) {
      const std::vector<uint8_t> part = Bytes("half of the new ");
      return sink.Write(ByteSpan(part.data(), part.size())) && false;
    });
    EXPECT_EQ(result, WriteResult::kWriteFailed) << path;
    EXPECT_EQ(Exists(path), existing) << path;
    if (existing) {
      EXPECT_EQ(ReadBytes(path), Bytes("previous contents")) << path;
    }
    EXPECT_FALSE(Exists(path + kTemporarySuffix)) << path;
  }
}

TEST_F(WriteFileReplacingTest, ProducerThatThrowsLeavesTheOldTargetAndNoTemporaryFile) {
  const std::string path = Track("old.bin");
  Track(std::string("old.bin") + kTemporarySuffix);
  ASSERT_TRUE(WriteBytes(path, Bytes("previous contents")));
  EXPECT_THROW(WriteFileReplacing(path,
                                  [](OutputSink& sink) -> bool {
                                    sink.WriteZeros(100);
                                    throw std::runtime_error("producer gave up");
                                  }),
               std::runtime_error);
  EXPECT_EQ(ReadBytes(path), Bytes("previous contents"));
  EXPECT_FALSE(Exists(path + kTemporarySuffix));
}

TEST_F(WriteFileReplacingTest, PlacesThatCannotTakeTheFile) {
  const std::string plainFile = Track("plain.bin");
  ASSERT_TRUE(WriteBytes(plainFile, Bytes("a file, not a folder")));
  const std::string folderTarget = Track("folder-target");
  ASSERT_TRUE(MakeFolder(folderTarget));
  Track(std::string("folder-target") + kTemporarySuffix);
  const std::string blocked = Track("blocked.bin");
  ASSERT_TRUE(WriteBytes(blocked, Bytes("previous contents")));
  const std::string blocker = Track(std::string("blocked.bin") + kTemporarySuffix);
  ASSERT_TRUE(MakeFolder(blocker));

  struct Case {
    const char* what;
    std::string path;
    bool temporaryNameTaken;
  };
  const Case cases[] = {
      {"a folder that does not exist", Path("missing") + kSeparator + "new.bin", false},
      {"a file in a folder's place", plainFile + kSeparator + "new.bin", false},
      {"a folder in the target's place", folderTarget, false},
      {"a folder in the temporary file's place", blocked, true},
#ifdef _WIN32
      // Wine's drive Z: is the Unix root, and nobody may make files in /proc.
      {"a folder nobody may write to", "Z:\\proc\\self\\new.bin", false},
#else
      {"a folder nobody may write to", "/proc/self/new.bin", false},
#endif
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WriteFileReplacing(c.path, Bytes("new")), WriteResult::kCannotCreate)
        << c.what << ": " << c.path;
    EXPECT_EQ(Exists(c.path + kTemporarySuffix), c.temporaryNameTaken)
        << c.what << ": the temporary file's name after the failed write";
  }
  EXPECT_EQ(ReadBytes(blocked), Bytes("previous contents"));
  EXPECT_EQ(ReadBytes(plainFile), Bytes("a file, not a folder"));
  std::vector<uint8_t> out;
  EXPECT_EQ(ReadWholeFile(folderTarget, 100, out), ReadResult::kMissing)
      << "the folder in the target's place is still a folder";
}

#ifndef _WIN32
// While it lives, writes past the limit fail (EFBIG) instead of ending the
// process with SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, handler_);
  }

 private:
  void (*handler_)(int);
  rlimit previous_{};
};

// The file-size limit makes the stream fail part-way, as a full disk would.
TEST_F(WriteFileReplacingTest, WriteThatFailsPartWayLeavesTheOldTarget) {
  const std::string path = Track("old.bin");
  Track(std::string("old.bin") + kTemporarySuffix);
  ASSERT_TRUE(WriteBytes(path, Bytes("previous contents")));
  WriteResult result;
  {
    const FileSizeLimit limit(100000);
    result = WriteFileReplacing(path, Pattern(200000));
  }
  EXPECT_EQ(result, WriteResult::kWriteFailed);
  EXPECT_EQ(ReadBytes(path), Bytes("previous contents"));
  EXPECT_FALSE(Exists(path + kTemporarySuffix));
}
#endif

using ReplaceFileWithTest = ScratchFolder;

TEST_F(ReplaceFileWithTest, MovesOverTheTargetOrLeavesBothAlone) {
  struct Case {
    const char* name;
    bool fromExists;
    bool toExists;
    bool replaced;
  };
  const Case cases[] = {
      {"over-existing", true, true, true},
      {"into-empty-place", true, false, true},
      {"nothing-to-move", false, true, false},
  };
  for (const Case& c : cases) {
    const std::string from = Track(std::string(c.name) + ".new");
    const std::string to = Track(std::string(c.name) + ".bin");
    if (c.fromExists) {
      ASSERT_TRUE(WriteBytes(from, Bytes("new contents")));
    }
    if (c.toExists) {
      ASSERT_TRUE(WriteBytes(to, Bytes("old contents")));
    }
    EXPECT_EQ(ReplaceFileWith(from, to), c.replaced) << c.name;
    EXPECT_FALSE(Exists(from)) << c.name;
    EXPECT_EQ(ReadBytes(to), Bytes(c.replaced ? "new contents" : "old contents")) << c.name;
  }
}

TEST(OutputSink, WriteZerosWritesExactlyThatManyZeros) {
  for (uint64_t count : {0u, 1u, 4095u, 4096u, 4097u, 10000u}) {
    MemorySink sink;
    ASSERT_TRUE(sink.WriteZeros(count)) << count;
    EXPECT_EQ(sink.Bytes(), std::vector<uint8_t>(static_cast<size_t>(count), 0)) << count;
  }
}

}  // namespace
}  // namespace core::test
