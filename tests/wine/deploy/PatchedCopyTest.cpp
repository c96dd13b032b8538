// The shared write-then-activate road: a copy is activated only when it was
// written completely.

#include <gtest/gtest.h>

#include "deploy/Activation.h"
#include "deploy/PatchedCopy.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "resedit/StringBlock.h"
#include "tests/robot/Robot.h"
#include "tests/wine/deploy/DeployTestSupport.h"
#include "win/SystemFacts.h"

namespace deploy::test {
namespace {

deploy::ResourceChange StartWordChange(const std::u16string& word) {
  resedit::StringBlock block =
      *resedit::ReadStringBlock(win::GetWindowsDir() + "Explorer.exe", resedit::StringBlockOf(578));
  block[578 % 16] = word;
  return {resedit::kStringTableType, 37, *resedit::EncodeStringBlock(block)};
}

class PatchedCopyTest : public testing::Test {
 protected:
  void SetUp() override {
    target_ = win::GetWindowsDir() + "Xplorer1.exe";
    deploy::test::RemoveFile(target_);
    deploy::SetShell(win::GetWindowsDir() + "Explorer.exe");
  }
  std::string target_;
};

TEST_F(PatchedCopyTest, WrittenCopyIsActivatedAndLoadsWithTheNewText) {
  deploy::PatchedCopy copy{
      win::GetWindowsDir() + "Explorer.exe", target_, {StartWordChange(u"Go")}};
  bool activated = false;
  const core::Outcome outcome = deploy::WriteAndActivate(copy, [&] {
    activated = deploy::ActivateShell(target_);
    return activated ? core::Outcome::Success() : core::Outcome::Failure("not activated");
  });
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_TRUE(activated);
  EXPECT_EQ(deploy::test::ShellSetting(), target_);

  HMODULE module = LoadLibraryExA(target_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  char text[64] = {};
  LoadStringA(module, 578, text, sizeof text);
  EXPECT_STREQ(text, "Go");
  FreeLibrary(module);
}

TEST_F(PatchedCopyTest, FailedWriteActivatesNothingAndSaysWhy) {
  const std::string unwritable = win::GetWindowsDir() + "No such folder\\Xplorer1.exe";
  deploy::PatchedCopy copy{
      win::GetWindowsDir() + "Explorer.exe", unwritable, {StartWordChange(u"Go")}};
  bool activated = false;
  const core::Outcome outcome = deploy::WriteAndActivate(copy, [&] {
    activated = deploy::ActivateShell(unwritable);
    return core::Outcome::Success();
  });
  EXPECT_FALSE(outcome.ok);
  EXPECT_FALSE(activated);
  EXPECT_EQ(deploy::test::ShellSetting(), win::GetWindowsDir() + "Explorer.exe");
  EXPECT_NE(outcome.message.find(unwritable), std::string::npos) << outcome.message;
  EXPECT_NE(outcome.message.find("nothing was changed"), std::string::npos) << outcome.message;
}

TEST_F(PatchedCopyTest, MissingResourceWritesNoFile) {
  deploy::PatchedCopy copy{win::GetWindowsDir() + "Explorer.exe", target_, {{2, 4242, {1, 2, 3}}}};
  const core::Outcome failure = deploy::WritePatchedCopy(copy);
  EXPECT_FALSE(failure.ok);
  EXPECT_NE(failure.message.find("4242"), std::string::npos) << failure.message;
  EXPECT_FALSE(Exists(target_));
}

TEST_F(PatchedCopyTest, LogonLibraryCopyCarriesItsChecksum) {
  const std::string source = win::GetSystemDir() + "MSGINA.DLL";
  const std::string target = win::GetSystemDir() + "Gina1.dll";
  auto bitmap = resedit::ReadResourceData(source, 2, 101);
  ASSERT_TRUE(bitmap.has_value());
  (*bitmap)[bitmap->size() - 1] ^= 0xFF;
  deploy::PatchedCopy copy{source, target, {{2, 101, *bitmap}}, true};
  const core::Outcome written = deploy::WritePatchedCopy(copy);
  ASSERT_TRUE(written.ok) << written.message;

  HANDLE file = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  IMAGE_DOS_HEADER dos{};
  DWORD read = 0;
  ReadFile(file, &dos, sizeof dos, &read, nullptr);
  SetFilePointer(file, dos.e_lfanew, nullptr, FILE_BEGIN);
  IMAGE_NT_HEADERS32 nt{};
  ReadFile(file, &nt, sizeof nt, &read, nullptr);
  CloseHandle(file);
  EXPECT_EQ(nt.OptionalHeader.CheckSum, resedit::ComputePortableImageChecksum(target));
  EXPECT_NE(nt.OptionalHeader.CheckSum, 0u);
  EXPECT_EQ(resedit::ReadResourceData(target, 2, 101), bitmap);
}

}  // namespace
}  // namespace deploy::test
