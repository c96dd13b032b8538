// The vertical logo: bitmap resources and files in both directions, which
// logo files can be stored, and the quarter turn of the display copy.

#include <gtest/gtest.h>

#include "imaging/BmpStatus.h"
#include "startmenu/VerticalLogo.h"

namespace startmenu::test {
namespace {

using core::ByteSpan;
using imaging::BmpStatus;
using imaging::TFastDIB;

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A bitmap file of width x height at bpp, bottom-up, with `gap` bytes
// between colour table and pixels; pixel bytes follow their position.
std::vector<uint8_t> BitmapFile(int32_t width, int32_t height, int bpp, uint32_t gap = 0) {
  const uint32_t colours = bpp <= 8 ? 1u << bpp : 0;
  const uint32_t stride = (uint32_t(width) * uint32_t(bpp) + 31) / 32 * 4;
  const uint32_t offset = 14 + 40 + colours * 4 + gap;
  std::vector<uint8_t> file(offset + stride * uint32_t(height), 0);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, uint32_t(file.size()));
  Put32(file, 10, offset);
  Put32(file, 14, 40);
  Put32(file, 18, uint32_t(width));
  Put32(file, 22, uint32_t(height));
  file[26] = 1;
  file[28] = uint8_t(bpp);
  for (uint32_t i = 0; i < colours; ++i) Put32(file, 54 + i * 4, i * 0x010203u);
  for (size_t i = offset; i < file.size(); ++i) file[i] = uint8_t(i * 37 + 11);
  return file;
}

ByteSpan Span(const std::vector<uint8_t>& b) {
  return ByteSpan(b.data(), b.size());
}

std::vector<uint8_t> ResourceOf(const std::vector<uint8_t>& file) {
  return std::vector<uint8_t>(file.begin() + 14, file.end());
}

// The pixel value at display position (x, y), read bit-exactly.
uint32_t Pixel(const TFastDIB& dib, int32_t x, int32_t y) {
  const uint8_t* row = dib.DisplayRow(y);
  const int bpp = dib.Bpp();
  if (bpp < 8) {
    const int bit = x * bpp;
    return (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
  }
  uint32_t v = 0;
  for (int i = 0; i < bpp / 8; ++i) v |= uint32_t(row[size_t(x) * (bpp / 8) + i]) << (8 * i);
  return v;
}

class QuarterTurn : public testing::TestWithParam<int> {};

TEST_P(QuarterTurn, MovesEveryPixelToColumnHMinus1MinusYRowX) {
  const int bpp = GetParam();
  // Odd sizes, so partial bytes and row padding are both exercised.
  const std::vector<uint8_t> file = BitmapFile(13, 7, bpp);
  TFastDIB source;
  source.UseGDI = false;
  ASSERT_EQ(source.LoadFromMemory(file.data(), file.size()), BmpStatus::kOk);
  TFastDIB turned;
  turned.UseGDI = false;
  ASSERT_TRUE(TurnQuarterClockwise(source, turned));
  ASSERT_EQ(turned.Width(), 7);
  ASSERT_EQ(turned.AbsHeight, 13);
  ASSERT_EQ(turned.Bpp(), bpp);
  for (int32_t y = 0; y < 7; ++y) {
    for (int32_t x = 0; x < 13; ++x)
      ASSERT_EQ(Pixel(turned, 7 - 1 - y, x), Pixel(source, x, y)) << x << "," << y;
  }
  if (bpp <= 8) {
    for (int i = 0; i < (1 << bpp); ++i) {
      EXPECT_EQ(turned.Colors[i].Red, source.Colors[i].Red) << "colour " << i;
      EXPECT_EQ(turned.Colors[i].Blue, source.Colors[i].Blue) << "colour " << i;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, QuarterTurn, testing::Values(1, 4, 8, 16, 24, 32));

TEST(QuarterTurn, EmptySourceIsRefusedAndLeavesTheTargetAlone) {
  TFastDIB empty;
  empty.UseGDI = false;
  TFastDIB out;
  out.UseGDI = false;
  ASSERT_TRUE(out.SetSize(3, 2, 8));
  EXPECT_FALSE(TurnQuarterClockwise(empty, out));
  EXPECT_EQ(out.Width(), 3);
}

TEST(DisplayCopy, OfABannerResourceIsTheBannerLyingOnItsSide) {
  const std::vector<uint8_t> file = BitmapFile(21, 160, 8);
  const auto copy = HorizontalDisplayCopy(Span(ResourceOf(file)));
  ASSERT_TRUE(copy.has_value());
  TFastDIB shown;
  shown.UseGDI = false;
  ASSERT_EQ(shown.LoadFromMemory(copy->data(), copy->size()), BmpStatus::kOk);
  EXPECT_EQ(shown.Width(), 160);
  EXPECT_EQ(shown.AbsHeight, 21);
  TFastDIB source;
  source.UseGDI = false;
  ASSERT_EQ(source.LoadFromMemory(file.data(), file.size()), BmpStatus::kOk);
  // The banner's top-left pixel ends at the top-right, its bottom-left at the top-left.
  EXPECT_EQ(Pixel(shown, 159, 0), Pixel(source, 0, 0));
  EXPECT_EQ(Pixel(shown, 0, 0), Pixel(source, 0, 159));
  EXPECT_EQ(Pixel(shown, 0, 20), Pixel(source, 20, 159));
}

TEST(BitmapResource, GetsItsFileHeaderBack) {
  for (int bpp : {1, 4, 8, 24}) {
    const std::vector<uint8_t> file = BitmapFile(9, 5, bpp);
    EXPECT_EQ(BitmapFileOfResource(Span(ResourceOf(file))), file) << bpp << " bits";
  }
  const std::vector<uint8_t> file = BitmapFile(9, 5, 8);
  const std::vector<uint8_t> cut(file.begin() + 14, file.begin() + 40);
  EXPECT_FALSE(BitmapFileOfResource(Span(cut)).has_value()) << "header cut short";
  const std::vector<uint8_t> noPixels(file.begin() + 14, file.begin() + 54 + 1024);
  EXPECT_FALSE(BitmapFileOfResource(Span(noPixels)).has_value()) << "no pixels";
}

TEST(LogoFile, IsStorableOnlyAsAPackedBitmapTheProgramReads) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    bool storable;
  };
  std::vector<uint8_t> notBitmap = BitmapFile(4, 4, 24);
  notBitmap[0] = 'X';
  std::vector<uint8_t> truncated = BitmapFile(40, 40, 24);
  truncated.resize(truncated.size() / 2);
  std::vector<uint8_t> headerOnly = BitmapFile(4, 4, 24);
  headerOnly.resize(14);
  const Case cases[] = {
      {"24-bit", BitmapFile(21, 40, 24), true},
      {"8-bit", BitmapFile(21, 40, 8), true},
      {"1-bit", BitmapFile(21, 40, 1), true},
      {"gap before the pixels", BitmapFile(21, 40, 8, 16), false},
      {"not a bitmap", notBitmap, false},
      {"pixels cut short", truncated, false},
      {"only the file header", headerOnly, false},
      {"empty", {}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsStorableLogo(Span(c.bytes)), c.storable) << c.name;
}

}  // namespace
}  // namespace startmenu::test
