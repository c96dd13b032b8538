// What only Windows shows: paths in the system code page, files held open by
// someone else, and the replacement Windows 95, 98 and Millennium get.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "core/FileIo.h"
#include "core/FileIo_win.h"
#include "tests/unit/core/ScratchFolder.h"

namespace core::test {
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

// Folder names in the Western code page (and, for the second, the Central
// European one): a German and a Czech user's profile folder. Reading the
// bytes as UTF-8 gets both wrong; reading them as Latin-1, as the C++
// library's filesystem paths do, gets the second wrong (0x8A is U+0160 in
// the code page, a control character in Latin-1).
TEST(AnsiPath, FilesInFoldersWithNonAsciiNamesAreWrittenAndReadBack) {
  struct Case {
    const char* folder;
    const wchar_t* wideIn1252;  // the folder as the wide calls name it in code page 1252
  };
  const Case cases[] = {
      {"C:\\tmp\\M\xFC"
       "ller",
       L"C:\\tmp\\M\u00FCller"},
      {"C:\\tmp\\\x8A"
       "imek",
       L"C:\\tmp\\\u0160imek"},
  };
  CreateDirectoryA("C:\\tmp", nullptr);
  for (const Case& c : cases) {
    const std::string folder = c.folder;
    const std::string path = folder + "\\file.bin";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_NE(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES)
        << folder << ", code page " << GetACP();
    DeleteFileA(path.c_str());

    const std::vector<uint8_t> first = Bytes("first contents, longer than the second");
    const std::vector<uint8_t> second = Bytes("second contents");
    EXPECT_EQ(WriteFileReplacing(path, first), WriteResult::kOk) << folder;
    EXPECT_EQ(WriteFileReplacing(path, second), WriteResult::kOk) << folder << ", replacing";
    std::vector<uint8_t> back;
    EXPECT_EQ(ReadWholeFile(path, 1000, back), ReadResult::kOk) << folder;
    EXPECT_EQ(back, second) << folder;
    EXPECT_EQ(GetFileAttributesA((path + kTemporarySuffix).c_str()), INVALID_FILE_ATTRIBUTES)
        << folder;

    // The file sits under the name the narrow string means in the system
    // code page, not under another reading of its bytes.
    const std::wstring wide = SystemCodePageToWide(path);
    EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES)
        << folder << ", code page " << GetACP();
    if (GetACP() == 1252) {
      EXPECT_EQ(wide, std::wstring(c.wideIn1252) + L"\\file.bin") << folder;
    }

    const std::string moved = folder + "\\moved.bin";
    DeleteFileA(moved.c_str());
    EXPECT_TRUE(ReplaceFileWith(path, moved)) << folder;
    back.clear();
    EXPECT_EQ(ReadWholeFile(moved, 1000, back), ReadResult::kOk) << folder;
    EXPECT_EQ(back, second) << folder;

    std::vector<uint8_t> none = {0xEE};
    EXPECT_EQ(ReadWholeFile(path, 1000, none), ReadResult::kMissing) << folder << ", moved away";
    EXPECT_EQ(ReadWholeFile(folder, 1000, none), ReadResult::kMissing) << folder << ", a folder";
    EXPECT_EQ(none, std::vector<uint8_t>{0xEE}) << folder;

    DeleteFileA(moved.c_str());
    EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << folder << ": something was left in it";
  }
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
}  // namespace core::test
