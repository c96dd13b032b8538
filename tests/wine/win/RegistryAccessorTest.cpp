// The registry accessor on the real registry, under a scratch key.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/RegistryAccessor.h"

namespace {

constexpr char kScratch[] = "\\Software\\QuorloTests\\Accessor";

class AccessorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win::RegOpenAccessor();
    win::RegSelectKey(HKEY_CURRENT_USER, kScratch);
    win::RegDeleteSelectedKey();
  }
  void TearDown() override {
    win::RegSelectKey(HKEY_CURRENT_USER, kScratch);
    win::RegDeleteSelectedKey();
    win::RegCloseAccessor();
  }
};

TEST_F(AccessorTest, StringsAndIntegersRoundTrip) {
  EXPECT_TRUE(win::RegWriteString("XP Edition text", "Professional"));
  EXPECT_TRUE(win::RegWriteInteger("XP Edition", 2));
  EXPECT_TRUE(win::RegWriteInteger("negative", -7));
  EXPECT_EQ(win::RegReadString("XP Edition text", "x"), "Professional");
  EXPECT_EQ(win::RegReadInteger("XP Edition", 0), 2);
  EXPECT_EQ(win::RegReadInteger("negative", 0), -7);
}

TEST_F(AccessorTest, ReadsFallBackToDefaults) {
  EXPECT_EQ(win::RegReadString("missing", "fallback"), "fallback") << "key does not exist yet";
  EXPECT_EQ(win::RegReadInteger("missing", 42), 42);
  ASSERT_TRUE(win::RegWriteString("text", "12"));
  EXPECT_EQ(win::RegReadInteger("text", 42), 42) << "a string value is not read as an integer";
  ASSERT_TRUE(win::RegWriteInteger("number", 5));
  EXPECT_EQ(win::RegReadString("number", "fallback"), "fallback");
  EXPECT_EQ(win::RegReadString("still missing", ""), "");
}

TEST_F(AccessorTest, EmptyNameIsTheDefaultValue) {
  EXPECT_TRUE(win::RegWriteString("", "Open with Quorlo"));
  EXPECT_EQ(win::RegReadString("", "x"), "Open with Quorlo");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kScratch + 1, 0, KEY_READ, &key), ERROR_SUCCESS);
  char value[64] = {};
  LONG size = sizeof(value);
  EXPECT_EQ(RegQueryValueA(key, nullptr, value, &size), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_STREQ(value, "Open with Quorlo");
}

TEST_F(AccessorTest, SubkeysListedAndSelectedKeyDeletedWithThem) {
  for (const char* child : {"Notepad", "Paint\\command", "Calc\\command"}) {
    win::RegSelectKey(HKEY_CURRENT_USER, std::string(kScratch) + "\\" + child);
    ASSERT_TRUE(win::RegWriteString("", child));
  }
  win::RegSelectKey(HKEY_CURRENT_USER, kScratch);
  std::vector<std::string> names = win::RegListSubkeys();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Calc", "Notepad", "Paint"}));

  win::RegSelectKey(HKEY_CURRENT_USER, std::string(kScratch) + "\\Paint");
  EXPECT_TRUE(win::RegDeleteSelectedKey()) << "a key with a subkey";
  win::RegSelectKey(HKEY_CURRENT_USER, kScratch);
  names = win::RegListSubkeys();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Calc", "Notepad"}));

  EXPECT_TRUE(win::RegDeleteSelectedKey());
  EXPECT_TRUE(win::RegListSubkeys().empty());
  win::RegSelectKey(HKEY_CURRENT_USER, "\\Software\\QuorloTests\\Never There");
  EXPECT_TRUE(win::RegListSubkeys().empty());
}

TEST_F(AccessorTest, DeleteValue) {
  ASSERT_TRUE(win::RegWriteString("Host", "C:\\"));
  EXPECT_TRUE(win::RegDeleteValue("Host"));
  EXPECT_EQ(win::RegReadString("Host", "gone"), "gone");
  EXPECT_FALSE(win::RegDeleteValue("Host"));
}

TEST_F(AccessorTest, RootKeysAreNeverDeleted) {
  win::RegSelectKey(HKEY_CURRENT_USER, "");
  EXPECT_FALSE(win::RegDeleteSelectedKey());
  win::RegSelectKey(HKEY_CURRENT_USER, "\\");
  EXPECT_FALSE(win::RegDeleteSelectedKey());
  win::RegSelectKey(HKEY_CURRENT_USER, "\\Software");
  EXPECT_TRUE(win::RegListSubkeys().size() > 0);
}

TEST_F(AccessorTest, ClosedAccessorDoesNothing) {
  win::RegCloseAccessor();
  EXPECT_FALSE(win::RegWriteString("a", "b"));
  EXPECT_EQ(win::RegReadString("a", "fallback"), "fallback");
  EXPECT_EQ(win::RegReadInteger("a", 3), 3);
  EXPECT_FALSE(win::RegDeleteSelectedKey());
  win::RegOpenAccessor();
}

TEST_F(AccessorTest, OtherRoots) {
  win::RegSelectKey(HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion");
  EXPECT_FALSE(win::RegReadString("ProgramFilesDir", "").empty());
  win::RegSelectKey(HKEY_CLASSES_ROOT,
                    "\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32");
  EXPECT_FALSE(win::RegReadString("", "").empty());
}

}  // namespace
