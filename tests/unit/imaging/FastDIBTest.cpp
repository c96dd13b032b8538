#include <gtest/gtest.h>

#include <cstring>

#include "DibFactory.h"
#include "imaging/FastDIB.h"

namespace imaging::test {
namespace {

using test::Make24;
using test::PixelAt;

struct RowCase {
  int bpp;
  int32_t width;
  int32_t rowBytes;
  int32_t gap;
};

TEST(FastDIB, RowBytesAndGapFollowTheDepth) {
  const RowCase cases[] = {
      {1, 1, 4, 3},  {1, 32, 4, 0}, {1, 33, 8, 3},  {4, 3, 4, 2},   {4, 8, 4, 0},
      {4, 9, 8, 3},  {8, 1, 4, 3},  {8, 5, 8, 3},   {16, 1, 4, 2},  {16, 2, 4, 0},
      {16, 3, 8, 2}, {24, 1, 4, 1}, {24, 4, 12, 0}, {24, 5, 16, 1}, {32, 3, 12, 0},
  };
  for (const RowCase& c : cases) {
    TFastDIB dib;
    ASSERT_TRUE(dib.SetSize(c.width, 2, c.bpp));
    EXPECT_EQ(dib.RowBytes, c.rowBytes) << "bpp " << c.bpp << " width " << c.width;
    EXPECT_EQ(dib.Gap, c.gap) << "bpp " << c.bpp << " width " << c.width;
    EXPECT_EQ(dib.Info.Header.SizeImage, uint32_t(2 * c.rowBytes));
    ASSERT_EQ(dib.Rows.size(), 2u);
    EXPECT_EQ(dib.Rows[1] - dib.Rows[0], c.rowBytes);
  }
}

TEST(FastDIB, RefusesGeometryItCannotHold) {
  const struct {
    int32_t width, height;
    int bpp;
  } cases[] = {{0, 1, 24},    {-1, 1, 24},    {1, 0, 24},         {1, 1, 2},        {1, 1, 15},
               {32768, 1, 8}, {1, -32768, 8}, {32767, 32767, 32}, {1, INT32_MIN, 8}};
  for (const auto& c : cases) {
    TFastDIB dib;
    EXPECT_FALSE(dib.SetSize(c.width, c.height, c.bpp))
        << c.width << " x " << c.height << " at " << c.bpp;
    EXPECT_TRUE(dib.Empty());
  }
}

TEST(FastDIB, MasksAndShiftsForChannelLayouts) {
  const struct {
    int bpp, blue, green, red;
    uint32_t redMask, greenMask, blueMask, compression;
    int greenShr, greenShl, redShl;
  } cases[] = {
      {16, 0, 0, 0, 0x7C00, 0x03E0, 0x001F, kBiRgb, 3, 5, 10},
      {16, 5, 6, 5, 0xF800, 0x07E0, 0x001F, kBiBitfields, 2, 5, 11},
      {32, 0, 0, 0, 0xFF0000, 0x00FF00, 0x0000FF, kBiRgb, 0, 8, 16},
      {32, 8, 8, 16, 0xFFFF0000, 0x0000FF00, 0x000000FF, kBiBitfields, 0, 8, 16},
  };
  for (const auto& c : cases) {
    TFastDIB dib;
    ASSERT_TRUE(dib.SetSizeEx(nullptr, 4, 4, c.bpp, c.blue, c.green, c.red));
    uint32_t masks[3];
    std::memcpy(masks, dib.Colors, sizeof(masks));
    EXPECT_EQ(masks[0], c.redMask) << c.bpp << " bits " << c.red << c.green << c.blue;
    EXPECT_EQ(masks[1], c.greenMask);
    EXPECT_EQ(masks[2], c.blueMask);
    EXPECT_EQ(dib.Info.Header.Compression, c.compression);
    EXPECT_EQ(dib.GreenShr, c.greenShr);
    EXPECT_EQ(dib.GreenShl, c.greenShl);
    EXPECT_EQ(dib.RedShl, c.redShl);
  }
}

TEST(FastDIB, SameSizeKeepsPixelsAndOtherSizeStartsBlack) {
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSize(3, 2, 24));
  dib.Bits()[0] = 0xAB;
  uint8_t* before = dib.Bits();
  ASSERT_TRUE(dib.SetSize(3, 2, 24));
  EXPECT_EQ(dib.Bits(), before);
  EXPECT_EQ(dib.Bits()[0], 0xAB);
  ASSERT_TRUE(dib.SetSize(4, 2, 24));
  EXPECT_EQ(dib.Bits()[0], 0);
}

TEST(FastDIB, PositiveHeightStoresTheBottomLineFirst) {
  TFastDIB dib;
  Make24(dib, 1, 3, {0x111111, 0x222222, 0x333333});
  EXPECT_EQ(dib.Row(0)[0], 0x33);
  EXPECT_EQ(dib.Row(2)[0], 0x11);
  TFastDIB topDown;
  ASSERT_TRUE(topDown.SetSize(1, -3, 24));
  topDown.DisplayRow(0)[0] = 0x11;
  EXPECT_EQ(topDown.Row(0)[0], 0x11);
}

TEST(FastDIB, OutsideMemoryIsUsedAndNeverOwned) {
  std::vector<uint8_t> memory(16, 0x5A);
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSizeEx(memory.data(), 2, 2, 32, 0, 0, 0));
  EXPECT_EQ(dib.Bits(), memory.data());
  EXPECT_FALSE(dib.OwnsPlainPixels());
  EXPECT_EQ(dib.Dc(), nullptr);
  EXPECT_EQ(PixelAt(dib, 1, 1), 0x5A5A5Au);
}

TEST(FastDIB, CountColorsCountsPixelValues) {
  TFastDIB truecolour;
  Make24(truecolour, 3, 2, {0x000000, 0xFFFFFF, 0x000000, 0x010203, 0x030201, 0xFFFFFF});
  EXPECT_EQ(truecolour.CountColors(), 4);

  TFastDIB indexed;
  ASSERT_TRUE(indexed.SetSize(4, 1, 8));
  indexed.Colors[0] = indexed.Colors[1] = RgbQuad{9, 9, 9, 0};
  indexed.Row(0)[0] = 0, indexed.Row(0)[1] = 1, indexed.Row(0)[2] = 1, indexed.Row(0)[3] = 0;
  EXPECT_EQ(indexed.CountColors(), 2) << "two equal entries are still two indices";

  TFastDIB nibbles;
  ASSERT_TRUE(nibbles.SetSize(3, 1, 4));
  nibbles.Row(0)[0] = 0x5A, nibbles.Row(0)[1] = 0x50;
  EXPECT_EQ(nibbles.CountColors(), 2);

  TFastDIB words;
  ASSERT_TRUE(words.SetSize(3, 1, 16));
  const uint8_t pixels[] = {0x1F, 0x00, 0x1F, 0x80, 0xE0, 0x03};
  std::memcpy(words.Row(0), pixels, sizeof(pixels));
  EXPECT_EQ(words.CountColors(), 2) << "the unused top bit of a 5-5-5 word is no colour";

  TFastDIB mono;
  ASSERT_TRUE(mono.SetSize(8, 1, 1));
  mono.Colors[1] = RgbQuad{255, 255, 255, 0};
  EXPECT_EQ(mono.CountColors(), 2);
  mono.Colors[1] = mono.Colors[0];
  EXPECT_EQ(mono.CountColors(), 1);
}

TEST(FastDIB, FillRectIsClippedAndUsesTheBrushColour) {
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSize(4, 3, 24));
  dib.SetBrush(kBsSolid, 0x00332211, 0);  // COLORREF: red 0x11, green 0x22, blue 0x33
  ASSERT_TRUE(dib.FillRect(Rect{2, -5, 9, 1}));
  EXPECT_EQ(PixelAt(dib, 2, 0), 0x112233u);
  EXPECT_EQ(PixelAt(dib, 3, 0), 0x112233u);
  EXPECT_EQ(PixelAt(dib, 1, 0), 0u);
  EXPECT_EQ(PixelAt(dib, 2, 1), 0u);

  TFastDIB indexed;
  ASSERT_TRUE(indexed.SetSize(2, 1, 8));
  indexed.Colors[7] = RgbQuad{0x30, 0x20, 0x10, 0};
  indexed.SetBrush(kBsSolid, 0x00312111, 0);
  ASSERT_TRUE(indexed.FillRect(Rect{0, 0, 2, 1}));
  EXPECT_EQ(indexed.Row(0)[0], 7) << "nearest palette entry";
}

TEST(FastDIB, DrawCopiesClippedToTheTarget) {
  TFastDIB source;
  Make24(source, 2, 2, {0x010101, 0x020202, 0x030303, 0x040404});
  TFastDIB target;
  ASSERT_TRUE(target.SetSize(3, 3, 24));
  ASSERT_TRUE(source.Draw(target, 2, -1));
  EXPECT_EQ(PixelAt(target, 2, 0), 0x030303u);
  EXPECT_EQ(PixelAt(target, 1, 0), 0u);
  EXPECT_EQ(PixelAt(target, 2, 1), 0u);
  ASSERT_TRUE(source.Draw(target, 0, 1));
  EXPECT_EQ(PixelAt(target, 0, 1), 0x010101u);
  EXPECT_EQ(PixelAt(target, 1, 2), 0x040404u);

  TFastDIB other;
  ASSERT_TRUE(other.SetSize(3, 3, 32));
  EXPECT_FALSE(source.Draw(other, 0, 0)) << "depths differ";
}

TEST(FastDIB, TakeOverMovesThePictureAndEmptiesTheOther) {
  TFastDIB a, b;
  Make24(a, 2, 1, {0x123456, 0x654321});
  ASSERT_TRUE(b.SetSize(5, 5, 8));
  b.TakeOver(a);
  EXPECT_TRUE(a.Empty());
  EXPECT_TRUE(a.Rows.empty());
  EXPECT_EQ(a.Colors, a.Info.Colors);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Bpp(), 24);
  EXPECT_EQ(b.Colors, b.Info.Colors);
  EXPECT_EQ(PixelAt(b, 1, 0), 0x654321u);
}

}  // namespace
}  // namespace imaging::test
