#include "logos/Logo9xFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using logos::LogoFileAction;
using logos::RestoreShows;

TEST(LogoFileTable, EntriesTabsFilesAndFolders) {
  struct Row {
    const char* caption;
    const char* file;
    logos::LogoFolder folder;
    const char* missing;
  };
  const Row rows[] = {
      {"Startup", "logo.sys", logos::LogoFolder::kBootDriveRoot, "Windows Default"},
      {"Shut down", "Logos.sys", logos::LogoFolder::kWindowsDirectory, "Logo not found!"},
      {"Shut down in progress", "Logow.sys", logos::LogoFolder::kWindowsDirectory,
       "Logo not found!"},
  };
  for (int n = 1; n <= 3; ++n) {
    const logos::LogoFileEntry* entry = logos::LogoFile(n);
    ASSERT_NE(entry, nullptr);
    const Row& row = rows[n - 1];
    EXPECT_EQ(entry->number, n);
    EXPECT_STREQ(entry->tabCaption, row.caption);
    EXPECT_STREQ(entry->fileName, row.file);
    EXPECT_EQ(entry->folder, row.folder);
    EXPECT_STREQ(entry->missingText, row.missing);
  }
  EXPECT_EQ(logos::LogoFile(0), nullptr);
  EXPECT_EQ(logos::LogoFile(4), nullptr);
}

TEST(LogoFileTable, MillenniumShowsTwoTabs) {
  EXPECT_EQ(logos::ShownLogoFiles(1), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(logos::ShownLogoFiles(2), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(logos::ShownLogoFiles(3), (std::vector<int>{1, 2}));
}

TEST(LogoFileTable, PathsOfLogosAndBackups) {
  const logos::LogoFileEntry& startup = *logos::LogoFile(1);
  const logos::LogoFileEntry& shutdown = *logos::LogoFile(3);
  EXPECT_EQ(logos::LogoFilePath(startup, "D:\\", "C:\\WINDOWS\\"), "D:\\logo.sys");
  EXPECT_EQ(logos::LogoFilePath(startup, "D:", "C:\\WINDOWS\\"), "D:\\logo.sys");
  EXPECT_EQ(logos::LogoFilePath(shutdown, "D:\\", "C:\\WINDOWS\\"), "C:\\WINDOWS\\Logow.sys");
  EXPECT_EQ(logos::LogoBackupPath(shutdown, "C:\\Program Files\\Quorlo\\"),
            "C:\\Program Files\\Quorlo\\Logow.sys");
  EXPECT_EQ(logos::LogoBackupPath(startup, "C:\\Quorlo"), "C:\\Quorlo\\logo.sys");
}

TEST(LogosBackedUp, TrueInAnyCaseOnly) {
  for (const char* yes : {"true", "TRUE", "True"}) EXPECT_TRUE(logos::LogosBackedUp(yes)) << yes;
  for (const char* no : {"false", "", "yes", "1", " true", "truest"})
    EXPECT_FALSE(logos::LogosBackedUp(no)) << '"' << no << '"';
  EXPECT_FALSE(logos::LogosBackedUp(logos::kLogosBackedUpDefault));
  EXPECT_TRUE(logos::LogosBackedUp(logos::kLogosBackedUpTrue));
  EXPECT_STREQ(logos::kLogosBackedUpValue, "LogosBackedUp");
}

TEST(LogosBackedUp, CompleteWhenEveryExistingLogoHasItsBackup) {
  EXPECT_TRUE(logos::BackupsComplete({true, true, false}, {true, true, false}));
  EXPECT_TRUE(logos::BackupsComplete({false, false, false}, {false, false, false}));
  EXPECT_TRUE(logos::BackupsComplete({false, true, true}, {true, true, true}));
  EXPECT_FALSE(logos::BackupsComplete({true, true, true}, {true, false, true}));
}

std::vector<uint8_t> BitmapFile(size_t size) {
  std::vector<uint8_t> file(size, 0xAA);
  if (size >= 2) file[0] = 'B', file[1] = 'M';
  if (size >= 18) file[14] = 40, file[15] = 0, file[16] = 0, file[17] = 0;
  return file;
}

TEST(AnimatedColours, StoredAtByte50Only) {
  for (const int count : {0, 1, 128, 255}) {
    std::vector<uint8_t> file = BitmapFile(1078);
    ASSERT_TRUE(logos::SetAnimatedColours(file, count)) << count;
    std::vector<uint8_t> expected = BitmapFile(1078);
    expected[50] = static_cast<uint8_t>(count);
    EXPECT_EQ(file, expected) << count;
  }
}

TEST(AnimatedColours, RefusesCountsAndFilesItCannotStore) {
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    int count;
  };
  std::vector<uint8_t> notBitmap = BitmapFile(1078);
  notBitmap[0] = 'X';
  std::vector<uint8_t> coreHeader = BitmapFile(1078);
  coreHeader[14] = 12;
  const Case cases[] = {
      {"count below 0", BitmapFile(1078), -1},
      {"count above 255", BitmapFile(1078), 256},
      {"not a bitmap", notBitmap, 5},
      {"core header has no such field", coreHeader, 5},
      {"cut before the field ends", BitmapFile(53), 5},
      {"empty", {}, 5},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> file = c.file;
    EXPECT_FALSE(logos::SetAnimatedColours(file, c.count)) << c.what;
    EXPECT_EQ(file, c.file) << c.what;
  }
}

// A sequence of the user's actions and what OK then does to each file.
struct MarkCase {
  const char* what;
  std::vector<std::string> actions;  // "change N", "restore N", "windef"
  std::array<bool, 3> backups;
  std::array<LogoFileAction, 3> atOk;
};

TEST(LogoMarks, WhatOkDoesAfterTheUsersActions) {
  const auto kKeep = LogoFileAction::kKeep;
  const auto kWrite = LogoFileAction::kWriteNew;
  const auto kCopy = LogoFileAction::kCopyBackup;
  const auto kDelete = LogoFileAction::kDelete;
  const MarkCase cases[] = {
      {"nothing done", {}, {true, true, true}, {kKeep, kKeep, kKeep}},
      {"changes", {"change 1", "change 3"}, {true, true, true}, {kWrite, kKeep, kWrite}},
      {"restore with backups",
       {"restore 1", "restore 2"},
       {true, true, true},
       {kCopy, kCopy, kKeep}},
      {"restore of the start-up logo without backup deletes it",
       {"restore 1"},
       {false, true, true},
       {kDelete, kKeep, kKeep}},
      {"restore without backup for entry 2 changes nothing",
       {"restore 2"},
       {true, false, true},
       {kKeep, kKeep, kKeep}},
      {"restore drops a change",
       {"change 2", "restore 2"},
       {true, true, true},
       {kKeep, kCopy, kKeep}},
      {"a change drops a restore",
       {"restore 2", "change 2"},
       {true, true, true},
       {kKeep, kWrite, kKeep}},
      {"win default deletes even with a backup",
       {"windef"},
       {true, true, true},
       {kDelete, kKeep, kKeep}},
      {"win default after a change discards it",
       {"change 1", "windef"},
       {true, true, true},
       {kDelete, kKeep, kKeep}},
      {"a change after win default writes the new logo",
       {"windef", "change 1"},
       {true, true, true},
       {kWrite, kKeep, kKeep}},
      {"restore after win default puts the backup back",
       {"windef", "restore 1"},
       {true, true, true},
       {kCopy, kKeep, kKeep}},
      {"a change of another logo keeps win default",
       {"windef", "change 2"},
       {true, true, true},
       {kDelete, kWrite, kKeep}},
  };
  for (const MarkCase& c : cases) {
    logos::LogoMarks marks;
    for (const std::string& action : c.actions) {
      const int n = action.back() - '0';
      if (action.rfind("change", 0) == 0) marks.Changed(n);
      if (action.rfind("restore", 0) == 0) marks.Restore(n, c.backups[n - 1]);
      if (action == "windef") marks.WindowsDefault();
    }
    bool anyAction = false;
    for (int n = 1; n <= 3; ++n) {
      EXPECT_EQ(marks.ActionAtOk(n, c.backups[n - 1]), c.atOk[n - 1]) << c.what << ", entry " << n;
      anyAction = anyAction || c.atOk[n - 1] != kKeep;
    }
    EXPECT_EQ(marks.AnyMarked(), anyAction) << c.what;
  }
}

TEST(LogoMarks, WhatRestoreShows) {
  logos::LogoMarks marks;
  EXPECT_EQ(marks.Restore(1, true), RestoreShows::kBackup);
  EXPECT_EQ(marks.Restore(1, false), RestoreShows::kWindowsDefault);
  EXPECT_EQ(marks.Restore(2, true), RestoreShows::kBackup);
  EXPECT_EQ(marks.Restore(3, false), RestoreShows::kBackupMissing);
  EXPECT_EQ(marks.Restore(4, true), RestoreShows::kBackupMissing);
  EXPECT_EQ(marks.ActionAtOk(4, true), LogoFileAction::kKeep);
}

}  // namespace
