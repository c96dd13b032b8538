// The registry accessor on the real registry, under a scratch key.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/RUtils.h"

namespace {

constexpr char kScratch[] = "\\Software\\QuorloTests\\Accessor";

class AccessorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegOpenAccessor();
    RegSelectKey(HKEY_CURRENT_USER, kScratch);
    RegDeleteSelectedKey();
  }
  void TearDown() override {
    RegSelectKey(HKEY_CURRENT_USER, kScratch);
    RegDeleteSelectedKey();
    RegCloseAccessor();
  }
};

TEST_F(AccessorTest, StringsAndIntegersRoundTrip) {
  EXPECT_TRUE(RegWriteString("XP Edition text", "Professional"));
  EXPECT_TRUE(RegWriteInteger("XP Edition", 2));
  EXPECT_TRUE(RegWriteInteger("negative", -7));
  EXPECT_EQ(RegReadString("XP Edition text", "x"), "Professional");
  EXPECT_EQ(RegReadInteger("XP Edition", 0), 2);
  EXPECT_EQ(RegReadInteger("negative", 0), -7);
}

TEST_F(AccessorTest, ReadsFallBackToDefaults) {
  EXPECT_EQ(RegReadString("missing", "fallback"), "fallback") << "key does not exist yet";
  EXPECT_EQ(RegReadInteger("missing", 42), 42);
  ASSERT_TRUE(RegWriteString("text", "12"));
  EXPECT_EQ(RegReadInteger("text", 42), 42) << "a string value is not read as an integer";
  ASSERT_TRUE(RegWriteInteger("number", 5));
  EXPECT_EQ(RegReadString("number", "fallback"), "fallback");
  EXPECT_EQ(RegReadString("still missing", ""), "");
}

TEST_F(AccessorTest, EmptyNameIsTheDefaultValue) {
  EXPECT_TRUE(RegWriteString("", "Open with Quorlo"));
  EXPECT_EQ(RegReadString("", "x"), "Open with Quorlo");
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
    RegSelectKey(HKEY_CURRENT_USER, std::string(kScratch) + "\\" + child);
    ASSERT_TRUE(RegWriteString("", child));
  }
  RegSelectKey(HKEY_CURRENT_USER, kScratch);
  std::vector<std::string> names = RegListSubkeys();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Calc", "Notepad", "Paint"}));

  RegSelectKey(HKEY_CURRENT_USER, std::string(kScratch) + "\\Paint");
  EXPECT_TRUE(RegDeleteSelectedKey()) << "a key with a subkey";
  RegSelectKey(HKEY_CURRENT_USER, kScratch);
  names = RegListSubkeys();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Calc", "Notepad"}));

  EXPECT_TRUE(RegDeleteSelectedKey());
  EXPECT_TRUE(RegListSubkeys().empty());
  RegSelectKey(HKEY_CURRENT_USER, "\\Software\\QuorloTests\\Never There");
  EXPECT_TRUE(RegListSubkeys().empty());
}

TEST_F(AccessorTest, DeleteValue) {
  ASSERT_TRUE(RegWriteString("Host", "C:\\"));
  EXPECT_TRUE(RegDeleteValue("Host"));
  EXPECT_EQ(RegReadString("Host", "gone"), "gone");
  EXPECT_FALSE(RegDeleteValue("Host"));
}

TEST_F(AccessorTest, RootKeysAreNeverDeleted) {
  RegSelectKey(HKEY_CURRENT_USER, "");
  EXPECT_FALSE(RegDeleteSelectedKey());
  RegSelectKey(HKEY_CURRENT_USER, "\\");
  EXPECT_FALSE(RegDeleteSelectedKey());
  RegSelectKey(HKEY_CURRENT_USER, "\\Software");
  EXPECT_TRUE(RegListSubkeys().size() > 0);
}

TEST_F(AccessorTest, ClosedAccessorDoesNothing) {
  RegCloseAccessor();
  EXPECT_FALSE(RegWriteString("a", "b"));
  EXPECT_EQ(RegReadString("a", "fallback"), "fallback");
  EXPECT_EQ(RegReadInteger("a", 3), 3);
  EXPECT_FALSE(RegDeleteSelectedKey());
  RegOpenAccessor();
}

TEST_F(AccessorTest, OtherRoots) {
  RegSelectKey(HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion");
  EXPECT_FALSE(RegReadString("ProgramFilesDir", "").empty());
  RegSelectKey(HKEY_CLASSES_ROOT,
               "\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32");
  EXPECT_FALSE(RegReadString("", "").empty());
}

}  // namespace
