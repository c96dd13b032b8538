#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "GoldenLogos.h"

namespace imaging::test {
namespace {

std::string HexOf(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof(text), "0x%016llX", static_cast<unsigned long long>(value));
  return text;
}

// The Wine tests check the Windows build against the same values.
TEST(GoldenLogos, NativeBuildMakesTheStoredBytes) {
  const char* source = std::getenv("QUORLO_SOURCE");
  ASSERT_NE(source, nullptr);
  const std::string jpeg = std::string(source) + "/fuzz/imaging/corpus/jpeg/progressive.jpg";
  EXPECT_EQ(HexOf(golden::SixteenColourLogoHash()), HexOf(golden::kSixteenColourLogo));
  EXPECT_EQ(HexOf(golden::TwoHundredFiftySixColourLogoHash()),
            HexOf(golden::kTwoHundredFiftySixColourLogo));
  EXPECT_EQ(HexOf(golden::JpegBitmapHash(jpeg)), HexOf(golden::kJpegBitmap));
}

}  // namespace
}  // namespace imaging::test
