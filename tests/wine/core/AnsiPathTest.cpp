// What only Windows shows: paths in the system code page, files held open by
// someone else, and the replacement Windows 95, 98 and Millennium get.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/FileIo.h"
#include "core/FileIo_win.h"
#include "tests/unit/core/ScratchFolder.h"

namespace quorlo::test {
namespace {

// The path as Windows' own wide calls name it, converted the way every
// narrow Windows call converts it.
std::wstring SystemCodePageToWide(const std::string& path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(length > 0 ? length : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
  wide.resize(wide.size() - 1);
  return wide;
}

// Holds a file open without letting anyone else read, write or rename it.
class LockedFile {
 public:
  explicit LockedFile(const std::string& path)
      : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~LockedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// "C:\tmp\Müller" in the Western code page, as a German user's profile
// folder would be named.
TEST(AnsiPath, FileInAFolderWithANonAsciiNameIsWrittenAndReadBack) {
  const std::string folder =
      "C:\\tmp\\M\xFC"
      "ller";
  const std::string path = folder + "\\file.bin";
  CreateDirectoryA("C:\\tmp", nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES)
      << "code page " << GetACP();
  DeleteFileA(path.c_str());

  const std::vector<uint8_t> first = Bytes("first contents, longer than the second");
  const std::vector<uint8_t> second = Bytes("second contents");
  EXPECT_EQ(WriteFileReplacing(path, first), WriteResult::kOk);
  EXPECT_EQ(WriteFileReplacing(path, second), WriteResult::kOk) << "replacing the first";
  std::vector<uint8_t> back;
  EXPECT_EQ(ReadWholeFile(path, 1000, back), ReadResult::kOk);
  EXPECT_EQ(back, second);
  EXPECT_EQ(GetFileAttributesA((path + kTemporarySuffix).c_str()), INVALID_FILE_ATTRIBUTES);

  // The file sits under the name the narrow string means in the system code
  // page, not under a reading of the bytes as UTF-8.
  const std::wstring wide = SystemCodePageToWide(path);
  EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES) << "code page " << GetACP();
  if (GetACP() == 1252) {
    EXPECT_EQ(wide, L"C:\\tmp\\M\u00FCller\\file.bin");
  }

  const std::string moved = folder + "\\moved.bin";
  DeleteFileA(moved.c_str());
  EXPECT_TRUE(ReplaceFileWith(path, moved));
  back.clear();
  EXPECT_EQ(ReadWholeFile(moved, 1000, back), ReadResult::kOk);
  EXPECT_EQ(back, second);

  std::vector<uint8_t> none = {0xEE};
  EXPECT_EQ(ReadWholeFile(path, 1000, none), ReadResult::kMissing) << "moved away";
  EXPECT_EQ(ReadWholeFile(folder, 1000, none), ReadResult::kMissing) << "a folder";
  EXPECT_EQ(none, std::vector<uint8_t>{0xEE});

  DeleteFileA(moved.c_str());
  EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "nothing else was left in the folder";
}

using HeldFileTest = ScratchFolder;

TEST_F(HeldFileTest, FileHeldOpenIsUnreadableAndNotReplaced) {
  const std::string path = Track("held.bin");
  Track(std::string("held.bin") + kTemporarySuffix);
  ASSERT_TRUE(WriteBytes(path, Bytes("previous contents")));
  {
    LockedFile lock(path);
    ASSERT_TRUE(lock.Held()) << GetLastError();
    std::vector<uint8_t> out = {0xEE};
    EXPECT_EQ(ReadWholeFile(path, 1000, out), ReadResult::kUnreadable);
    EXPECT_EQ(out, std::vector<uint8_t>{0xEE});
    EXPECT_EQ(WriteFileReplacing(path, Bytes("new")), WriteResult::kCannotCreate);
    EXPECT_FALSE(Exists(path + kTemporarySuffix));
  }
  EXPECT_EQ(ReadBytes(path), Bytes("previous contents"));
}

using MovingAsideTest = ScratchFolder;

TEST_F(MovingAsideTest, ReplacesOrPutsTheOldFileBack) {
  struct Case {
    const char* name;
    bool fromExists;
    bool toExists;
    bool staleAside;  // a leftover of an earlier run under the aside name
    bool fromHeld;    // held open, so that it cannot be moved
    bool replaced;
  };
  const Case cases[] = {
      {"over-existing", true, true, false, false, true},
      {"into-empty-place", true, false, false, false, true},
      {"over-existing-with-leftover", true, true, true, false, true},
      {"nothing-to-move", false, true, false, false, false},
      {"new-file-held", true, true, false, true, false},
  };
  for (const Case& c : cases) {
    const std::string from = Track(std::string(c.name) + ".new");
    const std::string to = Track(std::string(c.name) + ".bin");
    const std::string aside = Track(std::string(c.name) + ".bin" + platform::kAsideSuffix);
    if (c.fromExists) {
      ASSERT_TRUE(WriteBytes(from, Bytes("new contents")));
    }
    if (c.toExists) {
      ASSERT_TRUE(WriteBytes(to, Bytes("old contents")));
    }
    if (c.staleAside) {
      ASSERT_TRUE(WriteBytes(aside, Bytes("older contents")));
    }
    bool replaced;
    {
      LockedFile lock(c.fromHeld ? from : std::string());
      ASSERT_EQ(lock.Held(), c.fromHeld) << c.name;
      replaced = platform::ReplaceByMovingAside(from, to);
    }
    EXPECT_EQ(replaced, c.replaced) << c.name;
    EXPECT_EQ(Exists(from), c.fromExists && !c.replaced) << c.name;
    EXPECT_FALSE(Exists(aside)) << c.name << ": the aside file is left";
    if (c.replaced) {
      EXPECT_EQ(ReadBytes(to), Bytes("new contents")) << c.name;
    } else if (c.toExists) {
      EXPECT_EQ(ReadBytes(to), Bytes("old contents")) << c.name;
    }
  }
}

}  // namespace
}  // namespace quorlo::test
