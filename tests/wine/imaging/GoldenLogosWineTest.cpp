// The Windows build, with its pixels in DIB sections, makes byte for byte
// the logos and bitmaps the native build makes.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "tests/unit/imaging/GoldenLogos.h"
#include "tests/wine/WinePaths.h"

namespace imaging::test {
namespace {

std::string HexOf(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof(text), "0x%016llX", static_cast<unsigned long long>(value));
  return text;
}

TEST(GoldenLogos, WindowsBuildMakesTheNativeBytes) {
  const std::string jpeg = winetest::WindowsPath(winetest::EnvironmentOr("QUORLO_SOURCE", "")) +
                           "\\fuzz\\imaging\\corpus\\jpeg\\progressive.jpg";
  EXPECT_EQ(HexOf(golden::SixteenColourLogoHash()), HexOf(golden::kSixteenColourLogo));
  EXPECT_EQ(HexOf(golden::TwoHundredFiftySixColourLogoHash()),
            HexOf(golden::kTwoHundredFiftySixColourLogo));
  EXPECT_EQ(HexOf(golden::JpegBitmapHash(jpeg)), HexOf(golden::kJpegBitmap)) << jpeg;
}

}  // namespace
}  // namespace imaging::test
