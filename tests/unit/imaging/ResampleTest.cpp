#include <gtest/gtest.h>

#include "DibFactory.h"
#include "imaging/Resample.h"

namespace imaging::test {
namespace {

using test::Make24;
using test::PixelAt;

std::vector<uint32_t> Row(const TFastDIB& dib, int32_t y) {
  std::vector<uint32_t> out;
  for (int32_t x = 0; x < dib.Width(); ++x) out.push_back(PixelAt(dib, x, y));
  return out;
}

TEST(Resample, FixedPointValuesAreExact) {
  const struct {
    const char* name;
    std::vector<uint32_t> source;  // one row
    int32_t width;
    std::vector<uint32_t> expected;
  } cases[] = {
      // xStep 21845: 255 x 21845 / 65536 = 84.99 and 255 x 43690 / 65536 = 169.99, rounded down.
      {"enlarging 2 to 3", {0x000000, 0xFFFFFF}, 3, {0x000000, 0x545454, 0xA9A9A9}},
      // Same size is not a copy: the step is 2/3 of a pixel.
      {"same size resamples", {0x000000, 0x5A5A5A, 0xB4B4B4}, 3, {0x000000, 0x3B3B3B, 0x777777}},
      {"reducing 4 to 2", {0x102030, 0x405060, 0x708090, 0xA0B0C0}, 2, {0x102030, 0x586878}},
  };
  for (const auto& c : cases) {
    TFastDIB source, destination;
    Make24(source, int32_t(c.source.size()), 1, c.source);
    ASSERT_TRUE(destination.SetSize(c.width, 1, 24));
    ASSERT_TRUE(SmoothResize(source, destination));
    std::vector<std::string> got, want;
    for (uint32_t v : Row(destination, 0)) got.push_back(test::Hex(v));
    for (uint32_t v : c.expected) want.push_back(test::Hex(v));
    EXPECT_EQ(got, want) << c.name;
  }
}

TEST(Resample, EnlargingTwiceKeepsTheFirstPixel) {
  TFastDIB source, destination;
  Make24(source, 2, 2, {0x102030, 0x405060, 0x708090, 0xA0B0C0});
  ASSERT_TRUE(destination.SetSize(4, 4, 24));
  ASSERT_TRUE(SmoothResize(source, destination));
  EXPECT_EQ(destination.Row(0)[0], source.Row(0)[0]);
  EXPECT_EQ(destination.Row(0)[1], source.Row(0)[1]);
  EXPECT_EQ(destination.Row(0)[2], source.Row(0)[2]);
}

TEST(Resample, OnePixelSourcesReadOnlyTheirOwnPixels) {
  // Under AddressSanitizer a read past the one-pixel row would fail here.
  TFastDIB tall, wide, destination;
  Make24(tall, 1, 3, {0x111111, 0x222222, 0x333333});
  ASSERT_TRUE(destination.SetSize(5, 3, 24));
  ASSERT_TRUE(SmoothResize(tall, destination));
  for (int32_t y = 0; y < 3; ++y) {
    const std::vector<uint32_t> row = Row(destination, y);
    for (uint32_t v : row) EXPECT_EQ(test::Hex(v), test::Hex(row[0])) << "row " << y;
  }
  EXPECT_EQ(test::Hex(PixelAt(destination, 0, 2)), "333333") << "first stored row";
  Make24(wide, 3, 1, {0x010101, 0x020202, 0x030303});
  TFastDIB high;
  ASSERT_TRUE(high.SetSize(3, 4, 24));
  ASSERT_TRUE(SmoothResize(wide, high));
  for (int32_t y = 0; y < 4; ++y) EXPECT_EQ(PixelAt(high, 0, y), 0x010101u) << "row " << y;
}

TEST(Resample, EveryDepthInterpolatesItsChannels) {
  TFastDIB bytes8, out8;
  ASSERT_TRUE(bytes8.SetSize(2, 1, 8));
  bytes8.Row(0)[0] = 0, bytes8.Row(0)[1] = 255;
  ASSERT_TRUE(out8.SetSize(3, 1, 8));
  ASSERT_TRUE(SmoothResize(bytes8, out8));
  EXPECT_EQ(out8.Row(0)[1], 84);

  TFastDIB words, outWords;
  ASSERT_TRUE(words.SetSizeEx(nullptr, 2, 1, 16, 5, 6, 5));
  words.Row(0)[0] = 0x00, words.Row(0)[1] = 0xF8;  // red 31 -> 255
  words.Row(0)[2] = 0x1F, words.Row(0)[3] = 0x00;  // blue 31 -> 255
  ASSERT_TRUE(outWords.SetSizeEx(nullptr, 3, 1, 16, 5, 6, 5));
  ASSERT_TRUE(SmoothResize(words, outWords));
  // Red (255 x 43691 + 255) / 65536 = 170 -> 21 in 5 bits; blue 255 x 21845 / 65536 = 85 -> 10.
  const uint32_t middle = outWords.Row(0)[2] | (outWords.Row(0)[3] << 8);
  EXPECT_EQ(middle >> 11, 21u);
  EXPECT_EQ(middle & 0x1F, 10u);
  EXPECT_EQ((middle >> 5) & 0x3F, 0u);

  TFastDIB quads, outQuads;
  ASSERT_TRUE(quads.SetSize(2, 1, 32));
  quads.Row(0)[0] = 200, quads.Row(0)[3] = 9, quads.Row(0)[4] = 100;
  ASSERT_TRUE(outQuads.SetSize(2, 1, 32));
  outQuads.Row(0)[3] = 0x77;
  ASSERT_TRUE(SmoothResize(quads, outQuads));
  EXPECT_EQ(outQuads.Row(0)[0], 200);
  EXPECT_EQ(outQuads.Row(0)[3], 0x77) << "the fourth byte is not written";
}

TEST(Resample, RefusesMismatchedDepthsWithoutTouchingTheDestination) {
  TFastDIB source, destination;
  Make24(source, 2, 1, {0xFFFFFF, 0xFFFFFF});
  ASSERT_TRUE(destination.SetSize(2, 1, 32));
  EXPECT_FALSE(SmoothResize(source, destination));
  EXPECT_EQ(PixelAt(destination, 0, 0), 0u);
  TFastDIB indexed, indexedOut;
  ASSERT_TRUE(indexed.SetSize(2, 1, 4));
  ASSERT_TRUE(indexedOut.SetSize(2, 1, 4));
  EXPECT_FALSE(SmoothResize(indexed, indexedOut));
}

TEST(Resample, TopDownSourceIsNotFlipped) {
  TFastDIB source, destination;
  ASSERT_TRUE(source.SetSize(1, -2, 24));
  source.DisplayRow(0)[0] = 10;
  source.DisplayRow(1)[0] = 20;
  ASSERT_TRUE(destination.SetSize(1, 3, 24));
  ASSERT_TRUE(SmoothResize(source, destination));
  EXPECT_EQ(destination.DisplayRow(2)[0], 20) << "bottom stays at the bottom";
}

}  // namespace
}  // namespace imaging::test
