// What the managers read from shell files and picked logo files: the
// synthetic shell's menu and banners, and the files that are refused.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "imaging/BmpStatus.h"
#include "resedit/ResourceReader.h"
#include "startmenu/StartMenuFiles.h"
#include "startmenu/VerticalLogo.h"

namespace startmenu::test {
namespace {

std::string Fixture() {
  const char* fixtures = std::getenv("QUORLO_FIXTURES");
  return std::string(fixtures ? fixtures : ".") + "/Explorer.exe";
}

std::string TempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = testing::TempDir() + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

TEST(ShellFiles, MenuOfTheShellFillsTheModel) {
  StartMenuModel model;
  const core::Outcome read = ReadStartMenu(Fixture(), model);
  ASSERT_TRUE(read.ok) << read.message;
  EXPECT_EQ(model.Node(model.Root()).children.size(), 12u);
}

TEST(ShellFiles, RefusedFilesLeaveTheModelAsItWasAndNameTheFile) {
  StartMenuModel model;
  ASSERT_TRUE(ReadStartMenu(Fixture(), model).ok);
  const size_t records = model.Records().size();
  const struct {
    const char* name;
    std::string path;
  } cases[] = {
      {"missing", testing::TempDir() + "no-such-shell.exe"},
      {"not a program", TempFile("text.exe", {'h', 'e', 'l', 'l', 'o'})},
  };
  for (const auto& c : cases) {
    const core::Outcome read = ReadStartMenu(c.path, model);
    EXPECT_FALSE(read.ok) << c.name;
    EXPECT_NE(read.message.find(c.path), std::string::npos) << c.name << ": " << read.message;
    EXPECT_EQ(model.Records().size(), records) << c.name;
  }
  EXPECT_FALSE(LoadXPStartMenuStrings(testing::TempDir() + "no-such-shell.exe").Ok());
}

TEST(ShellFiles, EachBannerReadsAsItsBitmapFileAndTurnsOnItsSide) {
  for (uint32_t id : {157u, 161u, 167u}) {  // 4, 8 and 24 bits per pixel
    const auto file = ReadVerticalLogo(Fixture(), id);
    ASSERT_TRUE(file.has_value()) << id;
    const auto resource = resedit::ReadResourceData(Fixture(), kBitmapResourceType, id);
    ASSERT_TRUE(resource.has_value());
    EXPECT_EQ(std::vector<uint8_t>(file->begin() + 14, file->end()), *resource) << id;
    EXPECT_TRUE(IsStorableLogo(core::ByteSpan(file->data(), file->size()))) << id;

    const auto shown = ReadVerticalLogoDisplayCopy(Fixture(), id);
    ASSERT_TRUE(shown.has_value()) << id;
    imaging::TFastDIB dib;
    dib.UseGDI = false;
    ASSERT_EQ(dib.LoadFromMemory(shown->data(), shown->size()), imaging::BmpStatus::kOk);
    EXPECT_EQ(dib.Width(), 300) << id;
    EXPECT_EQ(dib.AbsHeight, 21) << id;
  }
  EXPECT_FALSE(ReadVerticalLogo(Fixture(), 9999).has_value());
}

TEST(LogoFiles, OnlyStorableBitmapsPassTheCheckAtChange) {
  const auto banner = ReadVerticalLogo(Fixture(), 161);
  ASSERT_TRUE(banner.has_value());
  EXPECT_TRUE(CheckVerticalLogoFile(TempFile("good.bmp", *banner)).ok);
  const core::Outcome bad = CheckVerticalLogoFile(TempFile("bad.bmp", {'B', 'M', 0, 0}));
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.message, "Could not load new Start Menu vertical logo!");
  EXPECT_FALSE(CheckVerticalLogoFile(testing::TempDir() + "missing.bmp").ok);
}

}  // namespace
}  // namespace startmenu::test
