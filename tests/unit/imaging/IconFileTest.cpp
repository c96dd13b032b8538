#include <gtest/gtest.h>

#include "DibFactory.h"
#include "imaging/IconFile.h"

namespace imaging::test {
namespace {

using test::Hex;
using test::Put16;
using test::Put32;

struct IconPart {
  int width, height, bpp;
  std::vector<uint32_t> palette;
  std::vector<uint8_t> colour;  // bottom-up rows, padded
  std::vector<uint8_t> mask;    // bottom-up rows, padded
};

std::vector<uint8_t> IconFileOf(const std::vector<IconPart>& parts) {
  std::vector<uint8_t> file;
  Put16(file, 0), Put16(file, 1), Put16(file, uint32_t(parts.size()));
  uint32_t offset = 6 + 16 * uint32_t(parts.size());
  std::vector<std::vector<uint8_t>> images;
  for (const IconPart& p : parts) {
    std::vector<uint8_t> image;
    Put32(image, 40), Put32(image, uint32_t(p.width)), Put32(image, uint32_t(p.height * 2));
    Put16(image, 1), Put16(image, uint32_t(p.bpp));
    for (int i = 0; i < 6; ++i) Put32(image, 0);
    for (uint32_t entry : p.palette) Put32(image, entry);
    image.insert(image.end(), p.colour.begin(), p.colour.end());
    image.insert(image.end(), p.mask.begin(), p.mask.end());
    file.push_back(uint8_t(p.width)), file.push_back(uint8_t(p.height));
    file.push_back(0), file.push_back(0);
    Put16(file, 1), Put16(file, uint32_t(p.bpp));
    Put32(file, uint32_t(image.size())), Put32(file, offset);
    offset += uint32_t(image.size());
    images.push_back(image);
  }
  for (const auto& image : images) file.insert(file.end(), image.begin(), image.end());
  return file;
}

// 2 x 2, 4 bits: bottom row colours 1, 2; top row 3, 0. The top-right pixel
// is transparent in the mask and black, so it shows the background.
IconPart Small() {
  return IconPart{2,
                  2,
                  4,
                  {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                  {0x12, 0, 0, 0, 0x30, 0, 0, 0},
                  {0x00, 0, 0, 0, 0x40, 0, 0, 0}};
}

TEST(IconFile, MaskShowsTheBackgroundAndColoursStay) {
  const std::vector<uint8_t> file = IconFileOf({Small()});
  IconImage icon;
  ASSERT_EQ(ParseIcon(file.data(), file.size(), icon), IconStatus::kOk);
  TFastDIB dib;
  ASSERT_TRUE(ComposeIcon(icon, 0x00336699, dib));  // COLORREF: red 0x99, green 0x66, blue 0x33
  EXPECT_EQ(dib.Bpp(), 24);
  EXPECT_EQ(Hex(test::PixelAt(dib, 0, 0)), "0000FF");
  EXPECT_EQ(Hex(test::PixelAt(dib, 1, 0)), "996633");
  EXPECT_EQ(Hex(test::PixelAt(dib, 0, 1)), "FF0000");
  EXPECT_EQ(Hex(test::PixelAt(dib, 1, 1)), "00FF00");
}

TEST(IconFile, AlphaBlendsOverTheBackground) {
  IconPart alpha{1, 1, 32, {}, {0xFF, 0xFF, 0xFF, 0x80}, {0, 0, 0, 0}};
  const std::vector<uint8_t> file = IconFileOf({alpha});
  IconImage icon;
  ASSERT_EQ(ParseIcon(file.data(), file.size(), icon), IconStatus::kOk);
  TFastDIB dib;
  ASSERT_TRUE(ComposeIcon(icon, 0, dib));
  EXPECT_EQ(Hex(test::PixelAt(dib, 0, 0)), "808080");
}

TEST(IconFile, ChoosesTheEntryNearestThirtyTwoPixels) {
  IconPart big = Small();
  big.width = big.height = 32;
  big.colour.assign(16 * 32, 0x11);
  big.mask.assign(4 * 32, 0);
  const std::vector<uint8_t> file = IconFileOf({Small(), big});
  IconImage icon;
  ASSERT_EQ(ParseIcon(file.data(), file.size(), icon), IconStatus::kOk);
  EXPECT_EQ(icon.Width, 32);
}

TEST(IconFile, HostileFilesAreRefused) {
  const std::vector<uint8_t> good = IconFileOf({Small()});
  auto patched = [&](size_t at, uint8_t value) {
    std::vector<uint8_t> f = good;
    f[at] = value;
    return f;
  };
  std::vector<uint8_t> png = good;
  const uint8_t signature[] = {0x89, 'P', 'N', 'G'};
  std::copy(signature, signature + 4, png.begin() + 22);
  const struct {
    const char* name;
    std::vector<uint8_t> file;
    IconStatus expected;
  } cases[] = {
      {"empty", {}, IconStatus::kTruncated},
      {"cursor, not icon", patched(2, 2), IconStatus::kNotIcon},
      {"no entries", patched(4, 0), IconStatus::kNotIcon},
      {"directory cut short", std::vector<uint8_t>(good.begin(), good.begin() + 12),
       IconStatus::kTruncated},
      {"image past the end", patched(21, 0x7F), IconStatus::kTruncated},
      {"image cut short", std::vector<uint8_t>(good.begin(), good.end() - 3),
       IconStatus::kTruncated},
      {"only a PNG image", png, IconStatus::kUnsupported},
      {"compressed image", patched(22 + 16, 1), IconStatus::kUnsupported},
      {"huge width", patched(22 + 5, 0x70), IconStatus::kUnsupported},
      {"depth 2", patched(22 + 14, 2), IconStatus::kUnsupported},
  };
  for (const auto& c : cases) {
    IconImage icon;
    EXPECT_EQ(ParseIcon(c.file.data(), c.file.size(), icon), c.expected) << c.name;
    EXPECT_EQ(icon.Width, 0) << c.name;
  }
}

}  // namespace
}  // namespace imaging::test
