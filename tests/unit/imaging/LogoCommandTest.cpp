// quorlo-cli logo, run as a script would run it.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "DibFactory.h"
#include "core/FileIo.h"
#include "imaging/FastDIB.h"

namespace imaging::test {
namespace {

std::string Cli() {
  const char* binary = std::getenv("QUORLO_BINARY");
  return std::string(binary ? binary : ".") + "/cli/quorlo-cli";
}

std::string Source(const std::string& relative) {
  const char* source = std::getenv("QUORLO_SOURCE");
  return std::string(source ? source : ".") + "/" + relative;
}

int RunCli(const std::string& arguments) {
  const int status = std::system((Cli() + " " + arguments + " 2>/dev/null >/dev/null").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs quorlo-cli and returns what it printed on standard error.
std::string CliErrors(const std::string& arguments, int& status) {
  const std::string errors = test::TempPath("cli-errors.txt");
  const int result =
      std::system((Cli() + " " + arguments + " 2>" + errors + " >/dev/null").c_str());
  status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
  std::vector<uint8_t> bytes;
  core::ReadWholeFile(errors, 1 << 16, bytes);
  std::remove(errors.c_str());
  return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> SmallBitmap(int32_t width, int32_t height) {
  TFastDIB dib;
  test::Make24(dib, width, height, std::vector<uint32_t>(size_t(width) * size_t(height), 0x336699));
  return dib.FileBytes();
}

// A refused bitmap is named with the loader's reason, and an output that
// cannot be written is told apart from a picture that cannot be read.
TEST(LogoCommand, SaysWhyABitmapIsRefused) {
  const std::string picture = test::TempPath("cli-refused.bmp");
  const std::string out = test::TempPath("cli-refused-logo.bmp");
  std::vector<uint8_t> twoPlanes = SmallBitmap(4, 4);
  twoPlanes[26] = 2;
  std::vector<uint8_t> noWidth = SmallBitmap(4, 4);
  noWidth[18] = 0;
  const std::vector<uint8_t> valid = SmallBitmap(8, 6);
  const struct {
    const char* what;
    std::vector<uint8_t> file;  // empty: no picture file at all
    std::string out;
    std::string message;  // what standard error must hold
  } cases[] = {
      {"missing picture", {}, out, picture + ": the file cannot be read"},
      {"not a bitmap",
       {'G', 'I', 'F', '8', '9', 'a', 0, 0},
       out,
       picture + ": not a Windows bitmap"},
      {"cut short", {'B', 'M', 0, 0}, out, picture + ": the file is cut short"},
      {"two planes", twoPlanes, out, picture + ": a bitmap layout this program does not read"},
      {"zero width", noWidth, out,
       picture + ": the width or height is zero, negative or too large"},
      {"reformatted logo not writable", valid, "/nonexistent/dir/logo.bmp",
       "/nonexistent/dir/logo.bmp: cannot be written"},
  };
  for (const auto& c : cases) {
    std::remove(picture.c_str());
    if (!c.file.empty()) {
      ASSERT_EQ(core::WriteFileReplacing(picture, c.file), core::WriteResult::kOk) << c.what;
    }
    int status = 0;
    const std::string errors =
        CliErrors("logo " + picture + " " + c.out + " --size 64x48 --bpp 4", status);
    EXPECT_EQ(status, 1) << c.what;
    EXPECT_NE(errors.find(c.message), std::string::npos) << c.what << ": " << errors;
    EXPECT_EQ(std::fopen(out.c_str(), "rb"), nullptr) << c.what;
  }
  // A bitmap that fits is copied; an unwritable target is still the output's fault.
  TFastDIB fitting;
  ASSERT_TRUE(fitting.SetSize(64, 48, 4));
  ASSERT_TRUE(fitting.SaveToFile(picture));
  int status = 0;
  const std::string errors =
      CliErrors("logo " + picture + " /nonexistent/dir/copy.bmp --size 64x48 --bpp 4", status);
  EXPECT_EQ(status, 1);
  EXPECT_NE(errors.find("/nonexistent/dir/copy.bmp: cannot be written"), std::string::npos)
      << errors;
  EXPECT_EQ(errors.find(picture), std::string::npos) << errors;
  std::remove(picture.c_str());
}

TEST(LogoCommand, RefusesBadArgumentsWithTheUsageStatus) {
  const std::string jpeg = Source("fuzz/imaging/corpus/jpeg/baseline.jpg");
  const std::string out = test::TempPath("cli-bad.bmp");
  const struct {
    const char* name;
    std::string arguments;
    int status;
  } cases[] = {
      {"nothing", "logo", 2},
      {"no depth", "logo " + jpeg + " " + out + " --size 640x480", 2},
      {"depth 5", "logo " + jpeg + " " + out + " --size 640x480 --bpp 5", 2},
      {"zero height", "logo " + jpeg + " " + out + " --size 640x0 --bpp 4", 2},
      {"size without x", "logo " + jpeg + " " + out + " --size 640 --bpp 4", 2},
      {"bad colour", "logo " + jpeg + " " + out + " --size 64x48 --bpp 4 --background GG0000", 2},
      {"unknown option", "logo " + jpeg + " " + out + " --size 64x48 --bpp 4 --dither", 2},
      {"missing picture", "logo /nonexistent/p.jpg " + out + " --size 64x48 --bpp 4", 1},
      {"unwritable output", "logo " + jpeg + " /nonexistent/dir/o.bmp --size 64x48 --bpp 4", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RunCli(c.arguments), c.status) << c.name;
  }
  EXPECT_EQ(std::fopen(out.c_str(), "rb"), nullptr) << "no file from refused commands";
}

TEST(LogoCommand, MakesLogosFromEveryPortablePictureType) {
  const std::string out = test::TempPath("cli-logo.bmp");
  const struct {
    const char* picture;
    const char* options;
    int32_t width, height;
    int bpp;
    uint32_t corner;  // shown colour of the top-left pixel, 0xRRGGBB
  } cases[] = {
      {"fuzz/imaging/corpus/jpeg/baseline.jpg", "--size 640x480 --bpp 4 --fit", 640, 480, 4,
       0xFFFFFFFF},
      {"fuzz/imaging/corpus/jpeg/progressive.jpg", "--size 320x400 --bpp 8 --background 102030",
       320, 400, 8, 0x102030},
      {"fuzz/imaging/corpus/icon/4bit.ico", "--size 320x400 --bpp 8 --background FF8000", 320, 400,
       8, 0xFF8000},
      {"fuzz/imaging/corpus/bmp/24.bmp", "--size 64x48 --bpp 4 --background 00FF00", 64, 48, 4,
       0x00FF00},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(RunCli(std::string("logo ") + Source(c.picture) + " " + out + " " + c.options), 0)
        << c.picture;
    TFastDIB logo;
    ASSERT_EQ(logo.LoadFromFile(out), BmpStatus::kOk) << c.picture;
    EXPECT_EQ(logo.Width(), c.width) << c.picture;
    EXPECT_EQ(logo.Height(), c.height) << c.picture;
    EXPECT_EQ(logo.Bpp(), c.bpp) << c.picture;
    if (c.corner != 0xFFFFFFFF) {
      EXPECT_EQ(test::Hex(test::ShownAt(logo, 0, 0)), test::Hex(c.corner)) << c.picture;
    }
    std::remove(out.c_str());
  }
}

TEST(LogoCommand, AFittingBitmapIsCopiedByteForByte) {
  TFastDIB fitting;
  ASSERT_TRUE(fitting.SetSize(64, 48, 8));
  for (uint32_t i = 0; i < fitting.ImageSize(); ++i) fitting.Bits()[i] = uint8_t(i);
  const std::string picture = test::TempPath("cli-fitting.bmp");
  const std::string out = test::TempPath("cli-copy.bmp");
  ASSERT_TRUE(fitting.SaveToFile(picture));
  ASSERT_EQ(RunCli("logo " + picture + " " + out + " --size 64x48 --bpp 8"), 0);
  std::vector<uint8_t> a, b;
  core::ReadWholeFile(picture, 1 << 20, a);
  core::ReadWholeFile(out, 1 << 20, b);
  EXPECT_EQ(a, b);
  std::remove(picture.c_str());
  std::remove(out.c_str());
}

}  // namespace
}  // namespace imaging::test
