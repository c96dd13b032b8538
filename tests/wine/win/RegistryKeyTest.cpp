// The registry key wrapper on Wine's real registry, under a scratch key.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/RegistryKey.h"

namespace {

constexpr char kScratch[] = "Software\\QuorloTests\\RegistryKey";

class RegistryKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { win::DeleteKeyTree(HKEY_CURRENT_USER, kScratch); }
  void TearDown() override { win::DeleteKeyTree(HKEY_CURRENT_USER, kScratch); }
};

TEST_F(RegistryKeyTest, OpenFailsForMissingKeyCreateMakesParents) {
  EXPECT_FALSE(win::RegistryKey::Open(HKEY_CURRENT_USER, kScratch).IsOpen());
  EXPECT_TRUE(win::RegistryKey::Create(HKEY_CURRENT_USER, std::string("\\") + kScratch + "\\a\\b")
                  .IsOpen());
  EXPECT_TRUE(win::RegistryKey::Open(HKEY_CURRENT_USER, std::string(kScratch) + "\\a").IsOpen());
}

TEST_F(RegistryKeyTest, ValuesRoundTripAndTypesAreKeptApart) {
  win::RegistryKey key = win::RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
  ASSERT_TRUE(key.IsOpen());
  const std::string longText(5000, 'x');
  ASSERT_TRUE(key.WriteString("text", "Start"));
  ASSERT_TRUE(key.WriteString("long", longText));
  ASSERT_TRUE(key.WriteString("", "default value"));
  ASSERT_TRUE(key.WriteDword("number", 0xFFFFFFFEu));

  EXPECT_EQ(key.ReadString("text").value_or("<none>"), "Start");
  EXPECT_EQ(key.ReadString("long").value_or("<none>").size(), longText.size());
  EXPECT_EQ(key.ReadString("").value_or("<none>"), "default value");
  EXPECT_EQ(key.ReadDword("number").value_or(0), 0xFFFFFFFEu);
  EXPECT_FALSE(key.ReadDword("text").has_value()) << "a string is not an integer";
  EXPECT_FALSE(key.ReadString("number").has_value()) << "an integer is not a string";
  EXPECT_FALSE(key.ReadString("missing").has_value());
  EXPECT_FALSE(key.ReadDword("missing").has_value());
}

TEST_F(RegistryKeyTest, StringsWithoutTerminatorAndExpandStrings) {
  win::RegistryKey key = win::RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
  ASSERT_TRUE(key.IsOpen());
  const char raw[] = {'a', 'b', 'c'};
  ASSERT_EQ(RegSetValueExA(key.Handle(), "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(raw), 3),
            ERROR_SUCCESS);
  const char expand[] = "%SystemRoot%\\x";
  ASSERT_EQ(RegSetValueExA(key.Handle(), "expand", 0, REG_EXPAND_SZ,
                           reinterpret_cast<const BYTE*>(expand), sizeof(expand)),
            ERROR_SUCCESS);
  const BYTE binary[] = {1, 2, 3, 4};
  ASSERT_EQ(RegSetValueExA(key.Handle(), "binary", 0, REG_BINARY, binary, 4), ERROR_SUCCESS);

  EXPECT_EQ(key.ReadString("raw").value_or("<none>"), "abc");
  EXPECT_EQ(key.ReadString("expand").value_or("<none>"), "%SystemRoot%\\x");
  EXPECT_FALSE(key.ReadDword("binary").has_value()) << "four binary bytes are not a REG_DWORD";
}

TEST_F(RegistryKeyTest, SubkeysAreListedAndTreesDeleted) {
  for (const char* child : {"one", "two\\deep\\deeper", "three"}) {
    ASSERT_TRUE(win::RegistryKey::Create(HKEY_CURRENT_USER, std::string(kScratch) + "\\" + child)
                    .WriteString("v", child));
  }
  std::vector<std::string> names =
      win::RegistryKey::Open(HKEY_CURRENT_USER, kScratch).SubkeyNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"one", "three", "two"}));

  EXPECT_TRUE(win::DeleteKeyTree(HKEY_CURRENT_USER, std::string(kScratch) + "\\two"));
  EXPECT_FALSE(win::RegistryKey::Open(HKEY_CURRENT_USER, std::string(kScratch) + "\\two").IsOpen());
  EXPECT_TRUE(win::RegistryKey::Open(HKEY_CURRENT_USER, std::string(kScratch) + "\\one").IsOpen());

  EXPECT_TRUE(win::DeleteKeyTree(HKEY_CURRENT_USER, std::string("\\") + kScratch + "\\"));
  EXPECT_FALSE(win::RegistryKey::Open(HKEY_CURRENT_USER, kScratch).IsOpen());
  EXPECT_FALSE(win::DeleteKeyTree(HKEY_CURRENT_USER, kScratch)) << "nothing left to delete";
}

TEST_F(RegistryKeyTest, RootIsNeverDeleted) {
  for (const char* path : {"", "\\", "\\\\"}) {
    EXPECT_FALSE(win::DeleteKeyTree(HKEY_CURRENT_USER, path)) << "path \"" << path << "\"";
  }
  EXPECT_TRUE(win::RegistryKey::Open(HKEY_CURRENT_USER, "Software").IsOpen());
}

TEST_F(RegistryKeyTest, DeleteValueAndHasValue) {
  win::RegistryKey key = win::RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
  ASSERT_TRUE(key.WriteString("gone", "soon"));
  EXPECT_TRUE(key.HasValue("gone"));
  EXPECT_TRUE(key.DeleteValue("gone"));
  EXPECT_FALSE(key.HasValue("gone"));
  EXPECT_FALSE(key.DeleteValue("gone"));
}

TEST_F(RegistryKeyTest, ClosedKeyRefusesEverything) {
  win::RegistryKey key;
  EXPECT_FALSE(key.IsOpen());
  EXPECT_FALSE(key.WriteString("a", "b"));
  EXPECT_FALSE(key.WriteDword("a", 1));
  EXPECT_FALSE(key.ReadString("a").has_value());
  EXPECT_FALSE(key.HasValue("a"));
  EXPECT_TRUE(key.SubkeyNames().empty());
}

TEST_F(RegistryKeyTest, MovedKeyClosesOnce) {
  win::RegistryKey first = win::RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
  ASSERT_TRUE(first.IsOpen());
  win::RegistryKey second = std::move(first);
  EXPECT_FALSE(first.IsOpen());
  EXPECT_TRUE(second.WriteString("after move", "yes"));
  second = win::RegistryKey::Open(HKEY_CURRENT_USER, kScratch);
  EXPECT_EQ(second.ReadString("after move").value_or("<none>"), "yes");
}

}  // namespace
