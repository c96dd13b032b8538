// The Logon Dialogs Manager's logic on the real registry and system
// directory: which library and pictures it reads per edition, the copy OK
// writes and registers, and what it leaves alone.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/FileIo.h"
#include "deploy/Activation.h"
#include "logon/LogonLibrary_win.h"
#include "logon/LogonWrite_win.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "tests/robot/ImageFiles.h"
#include "tests/wine/WinePaths.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "tests/wine/logon/LogonTestSupport.h"
#include "win/ProgramIdentity.h"
#include "win/SystemFacts.h"

namespace {

using namespace logon::test;
using deploy::test::Exists;

class LogonLibrary : public testing::Test {
 protected:
  void SetUp() override { ResetLogonState(); }
  void TearDown() override { ResetLogonState(); }

  static logon::LogonModule Read() {
    const int version = win::WindowsVersion();
    return logon::ReadLogonModule(version, logon::StoredEdition(version));
  }

  // Every picture of the library in force changed to a file made here.
  static logon::LogonEdit ChangeAll(uint32_t seed) {
    logon::LogonEdit edit;
    const Bytes files[] = {Bitmap24(120, 40, seed), Bitmap8(77, 13, uint8_t(seed)),
                           Bitmap24(10, 3, seed + 1)};
    for (int i = 0; i < logon::kPictureCount; ++i) {
      const std::string path = WriteTestFile("_logon" + std::to_string(i) + ".bmp", files[i]);
      const core::Outcome changed = logon::ChangePicture(edit, logon::PictureIndex(i), path);
      EXPECT_TRUE(changed.ok) << changed.message;
    }
    return edit;
  }
};

TEST_F(LogonLibrary, ReadsThePicturesOfTheStoredEdition) {
  for (const EditionCase& c : kEditionCases) {
    if (deploy::test::Version() != c.version) continue;
    StoreEdition(c.edition);
    const logon::LogonModule module = Read();
    ASSERT_TRUE(module.found) << module.message;
    EXPECT_EQ(module.path, Msgina());
    const int ids[] = {c.normal, c.progress, 103};
    for (int i = 0; i < logon::kPictureCount; ++i) {
      const logon::LogonPicture& picture = module.pictures[i];
      EXPECT_EQ(picture.id, ids[i]) << "edition " << c.edition << " picture " << i;
      EXPECT_TRUE(picture.inLibrary) << "edition " << c.edition << " picture " << i;
      // The fixture's pictures all differ, so a wrong id shows here.
      const Bytes expected = FixtureBitmapFile(ids[i]);
      ASSERT_FALSE(expected.empty()) << ids[i];
      EXPECT_TRUE(picture.file == expected) << "edition " << c.edition << " picture " << i;
    }
  }
}

TEST_F(LogonLibrary, PicturesShowThroughGdi) {
  const logon::LogonModule module = Read();
  const int sizes[][2] = {{413, 72}, {413, 72}, {413, 5}};
  for (int i = 0; i < logon::kPictureCount; ++i) {
    const std::string path = WriteTestFile("_shown.bmp", module.pictures[i].file);
    HANDLE bitmap = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(bitmap, nullptr) << "picture " << i;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, sizes[i][0]) << "picture " << i;
    EXPECT_EQ(info.bmHeight, sizes[i][1]) << "picture " << i;
    DeleteObject(bitmap);
  }
}

TEST_F(LogonLibrary, GinaDllNamesTheLibraryInForceByFileName) {
  ASSERT_TRUE(CopyFileA(Msgina().c_str(), Gina(3).c_str(), FALSE));
  // Only the file name counts; the copy is taken from the system directory.
  deploy::SetGinaDll("D:\\elsewhere\\gina3.DLL");
  EXPECT_EQ(logon::CurrentGinaPath(), SystemFile("gina3.DLL"));
  EXPECT_TRUE(Read().found);
  // A setting naming a file that is not there: Windows' own library.
  deploy::SetGinaDll(Gina(7));
  EXPECT_EQ(logon::CurrentGinaPath(), Msgina());
}

TEST_F(LogonLibrary, WritesRegistersAndReappliesTheShell) {
  const logon::LogonModule module = Read();
  const logon::LogonEdit edit = ChangeAll(7);
  // The shell setting in a form the program does not write: OK writes it
  // again as the full path of the shell in force.
  deploy::test::SetRegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "Shell",
                                  "Explorer.exe");

  const logon::LogonWrite write = logon::WriteLogonPictures(module, edit);
  ASSERT_TRUE(write.outcome.ok) << write.outcome.message;
  EXPECT_TRUE(write.written);
  EXPECT_EQ(write.newLibrary, Gina(1));
  EXPECT_EQ(GinaDllSetting(), Gina(1));
  EXPECT_EQ(ShellValue(), win::GetWindowsDir() + "Explorer.exe");

  std::vector<std::pair<int, Bytes>> replaced;
  for (int i = 0; i < logon::kPictureCount; ++i) {
    const Bytes& file = *edit.replacements[i];
    replaced.push_back({module.pictures[i].id, Bytes(file.begin() + 14, file.end())});
    EXPECT_TRUE(ResourceOf(Gina(1), module.pictures[i].id) == replaced.back().second) << i;
  }
  ExpectResources(Msgina(), Gina(1), replaced);
  ExpectChecksumVerifies(Gina(1));
  // Windows' own library is never touched.
  EXPECT_TRUE(ReadBytes(Msgina()) ==
              ReadBytes(winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_FIXTURES", ".")) +
                        "\\MSGINA.DLL"));
}

TEST_F(LogonLibrary, OnlyTheChangedPictureIsReplaced) {
  const logon::LogonModule module = Read();
  logon::LogonEdit edit;
  const Bytes bar = Bitmap8(31, 2, 9);
  ASSERT_TRUE(logon::ChangePicture(edit, logon::kBarPicture, WriteTestFile("_bar.bmp", bar)).ok);
  const logon::LogonWrite write = logon::WriteLogonPictures(module, edit);
  ASSERT_TRUE(write.outcome.ok) << write.outcome.message;
  ExpectResources(Msgina(), Gina(1), {{103, Bytes(bar.begin() + 14, bar.end())}});
  ExpectChecksumVerifies(Gina(1));
}

TEST_F(LogonLibrary, SecondCustomisationStartsFromTheFirstCopy) {
  ASSERT_TRUE(logon::WriteLogonPictures(Read(), ChangeAll(1)).written);
  const logon::LogonModule second = Read();
  EXPECT_EQ(second.path, Gina(1));
  // The pictures shown are those of the first customisation.
  EXPECT_TRUE(second.pictures[0].file == ReadBytes(win::GetTempDir() + "_logon0.bmp"));

  logon::LogonEdit edit;
  const Bytes normal = Bitmap24(50, 50, 2);
  ASSERT_TRUE(
      logon::ChangePicture(edit, logon::kNormalPicture, WriteTestFile("_normal.bmp", normal)).ok);
  const logon::LogonWrite write = logon::WriteLogonPictures(second, edit);
  ASSERT_TRUE(write.outcome.ok) << write.outcome.message;
  EXPECT_EQ(write.newLibrary, Gina(2));
  EXPECT_EQ(GinaDllSetting(), Gina(2));
  // The copy carries the first customisation's other pictures.
  ExpectResources(Gina(1), Gina(2),
                  {{second.pictures[0].id, Bytes(normal.begin() + 14, normal.end())}});
  ExpectChecksumVerifies(Gina(2));

  // With Gina2.dll in force, Gina1.dll is an old copy: deleted and reused.
  const logon::LogonWrite third = logon::WriteLogonPictures(Read(), ChangeAll(3));
  ASSERT_TRUE(third.outcome.ok) << third.outcome.message;
  EXPECT_EQ(third.newLibrary, Gina(1));
  EXPECT_EQ(GinaDllSetting(), Gina(1));
  ExpectChecksumVerifies(Gina(1));
}

TEST_F(LogonLibrary, NoChangeTouchesNothing) {
  deploy::test::SetRegistryString(HKEY_LOCAL_MACHINE, deploy::kWinlogonKey, "Shell",
                                  "Explorer.exe");
  ASSERT_TRUE(CopyFileA(Msgina().c_str(), Gina(1).c_str(), FALSE));
  const logon::LogonWrite write = logon::WriteLogonPictures(Read(), logon::LogonEdit{});
  EXPECT_TRUE(write.outcome.ok);
  EXPECT_FALSE(write.written);
  EXPECT_FALSE(GinaDllSet());
  EXPECT_EQ(ShellValue(), "Explorer.exe");
  // The stale copy a write would have reused is still there.
  EXPECT_TRUE(Exists(Gina(1)));
  EXPECT_FALSE(Exists(Gina(2)));
}

TEST_F(LogonLibrary, RestoreRemovesOnlyGinaDll) {
  ASSERT_TRUE(logon::WriteLogonPictures(Read(), ChangeAll(5)).written);
  const std::string shell = ShellValue();
  ASSERT_TRUE(logon::RestoreLogonLibrary().ok);
  EXPECT_FALSE(GinaDllSet());
  EXPECT_EQ(ShellValue(), shell);
  EXPECT_TRUE(Exists(Gina(1)));
  EXPECT_EQ(Read().path, Msgina());
  // Restoring again, with nothing to remove, still succeeds.
  EXPECT_TRUE(logon::RestoreLogonLibrary().ok);
}

TEST_F(LogonLibrary, MissingLibraryGivesTheMessageAndWritesNothing) {
  ASSERT_TRUE(MoveFileA(Msgina().c_str(), MsginaAside().c_str()));
  const logon::LogonModule module = Read();
  EXPECT_FALSE(module.found);
  EXPECT_EQ(module.message,
            "Error: The vital system file 'MSGina.dll' was not found!\r\nThis means you are not "
            "running Quorlo on a Windows 2000/XP Operating System.\r\n\r\nPlease contact the "
            "author to fix the problem.");
  const logon::LogonWrite write = logon::WriteLogonPictures(module, ChangeAll(1));
  EXPECT_FALSE(write.outcome.ok);
  EXPECT_FALSE(write.written);
  EXPECT_FALSE(Exists(Gina(1)));
  EXPECT_FALSE(GinaDllSet());
}

TEST_F(LogonLibrary, LibraryWithoutAPictureStillReadsAndRefusesToReplaceIt) {
  // A library whose progress picture (101 for the Professional editions
  // Reset stores) is numbered 100: the table's bitmap is missing.
  ASSERT_TRUE(CopyFileA(Msgina().c_str(), Gina(4).c_str(), FALSE));
  ASSERT_TRUE(RenumberBitmap(Gina(4), 101, 100));
  deploy::SetGinaDll(Gina(4));
  const logon::LogonModule module = Read();
  ASSERT_TRUE(module.found);
  EXPECT_EQ(module.path, Gina(4));
  const logon::LogonPicture& progress = module.pictures[logon::kProgressPicture];
  EXPECT_EQ(progress.id, 101);
  EXPECT_FALSE(progress.inLibrary);
  EXPECT_TRUE(progress.file.empty());
  EXPECT_TRUE(module.pictures[logon::kNormalPicture].file == FixtureBitmapFile(107));
  EXPECT_TRUE(module.pictures[logon::kBarPicture].file == FixtureBitmapFile(103));

  logon::LogonEdit edit = ChangeAll(4);
  const logon::LogonWrite write = logon::WriteLogonPictures(module, edit);
  EXPECT_FALSE(write.outcome.ok);
  EXPECT_FALSE(write.written);
  EXPECT_NE(write.outcome.message.find("has no logon in progress picture (bitmap 101) to replace"),
            std::string::npos)
      << write.outcome.message;
  EXPECT_FALSE(Exists(Gina(1)));
  EXPECT_EQ(GinaDllSetting(), Gina(4));

  // Without that picture changed, the others are written as usual.
  edit.replacements[logon::kProgressPicture].reset();
  const logon::LogonWrite others = logon::WriteLogonPictures(module, edit);
  ASSERT_TRUE(others.outcome.ok) << others.outcome.message;
  EXPECT_EQ(GinaDllSetting(), Gina(1));
  ExpectChecksumVerifies(Gina(1));
}

TEST_F(LogonLibrary, UnreadableLibraryInForceIsNamedAndNothingIsWritten) {
  ASSERT_TRUE(deploy::test::WriteFileText(Gina(5), "MZ but nothing after it"));
  deploy::SetGinaDll(Gina(5));
  const logon::LogonModule module = Read();
  ASSERT_TRUE(module.found);
  EXPECT_EQ(module.path, Gina(5));
  EXPECT_NE(module.readStatus, resedit::ResourceStatus::kSuccess);
  for (const logon::LogonPicture& picture : module.pictures) {
    EXPECT_FALSE(picture.inLibrary);
    EXPECT_TRUE(picture.file.empty());
  }
  const logon::LogonWrite write = logon::WriteLogonPictures(module, ChangeAll(6));
  EXPECT_FALSE(write.outcome.ok);
  EXPECT_NE(write.outcome.message.find(Gina(5) + "\r\ncannot be read"), std::string::npos)
      << write.outcome.message;
  EXPECT_FALSE(Exists(Gina(1)));
  EXPECT_EQ(GinaDllSetting(), Gina(5));
}

TEST_F(LogonLibrary, NoFreeNameClosesTheWindowAndWritesNothing) {
  // Gina1 is in force; every other name is held open by another program.
  ASSERT_TRUE(CopyFileA(Msgina().c_str(), Gina(1).c_str(), FALSE));
  deploy::SetGinaDll(Gina(1));
  std::vector<HANDLE> held;
  for (int n = 2; n <= 9; ++n) {
    held.push_back(
        CreateFileA(Gina(n).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_NE(held.back(), INVALID_HANDLE_VALUE) << n;
  }
  const logon::LogonWrite write = logon::WriteLogonPictures(Read(), ChangeAll(8));
  for (HANDLE handle : held) CloseHandle(handle);
  EXPECT_FALSE(write.outcome.ok);
  EXPECT_TRUE(write.closeWindow);
  EXPECT_FALSE(write.written);
  EXPECT_NE(write.outcome.message.find("This file is used to update the Windows Logon Dialogs."),
            std::string::npos)
      << write.outcome.message;
  EXPECT_EQ(GinaDllSetting(), Gina(1));
  EXPECT_TRUE(ReadBytes(Gina(1)) == ReadBytes(Msgina()));
}

TEST_F(LogonLibrary, FailedWriteLeavesGinaDllAsItWas) {
  ASSERT_TRUE(CopyFileA(Msgina().c_str(), Gina(2).c_str(), FALSE));
  deploy::SetGinaDll(Gina(2));
  const std::string shell = ShellValue();
  const logon::LogonModule module = Read();
  const std::string temporary = Gina(1) + core::kTemporarySuffix;
  struct Case {
    const char* what;
    bool directory;
  };
  for (const Case& c :
       {Case{"a folder in the way", true}, Case{"a file another program holds", false}}) {
    HANDLE held = INVALID_HANDLE_VALUE;
    if (c.directory) {
      ASSERT_TRUE(CreateDirectoryA(temporary.c_str(), nullptr)) << c.what;
    } else {
      // Open without sharing, as a program that keeps the file would.
      held = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.what;
    }
    const logon::LogonWrite write = logon::WriteLogonPictures(module, ChangeAll(2));
    EXPECT_FALSE(write.outcome.ok) << c.what;
    EXPECT_FALSE(write.written) << c.what;
    EXPECT_NE(write.outcome.message.find(Gina(1)), std::string::npos) << write.outcome.message;
    EXPECT_EQ(GinaDllSetting(), Gina(2)) << c.what;
    EXPECT_EQ(ShellValue(), shell) << c.what;
    EXPECT_FALSE(Exists(Gina(1))) << c.what;
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    DeleteFileA(temporary.c_str());
    RemoveDirectoryA(temporary.c_str());
  }
}

TEST_F(LogonLibrary, PictureThatCannotBeStoredLeavesTheEditAsItWas) {
  logon::LogonEdit edit;
  const core::Outcome missing =
      logon::ChangePicture(edit, logon::kNormalPicture, win::GetTempDir() + "no such.bmp");
  EXPECT_FALSE(missing.ok);
  const core::Outcome notBitmap = logon::ChangePicture(
      edit, logon::kBarPicture, WriteTestFile("_text.bmp", Bytes{'h', 'e', 'l', 'l', 'o'}));
  EXPECT_FALSE(notBitmap.ok);
  EXPECT_NE(notBitmap.message.find("animated bar"), std::string::npos) << notBitmap.message;
  // A tag with no picture (the window's tag - 1) is refused, not indexed.
  const std::string good = WriteTestFile("_good.bmp", Bitmap24(4, 4, 1));
  EXPECT_FALSE(logon::ChangePicture(edit, logon::PictureIndex(-1), good).ok);
  EXPECT_FALSE(logon::ChangePicture(edit, logon::kPictureCount, good).ok);
  EXPECT_FALSE(edit.Changed());
}

}  // namespace
