#include "logos/KernelBitmaps.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "logos/BootPalette.h"

namespace {

using Bytes = std::vector<uint8_t>;

core::ByteSpan Span(const Bytes& bytes) {
  return core::ByteSpan(bytes.data(), bytes.size());
}

void Put32(Bytes& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}
uint32_t Get32(const Bytes& bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}

struct LogoShape {
  int32_t width = 640;
  int32_t height = 480;  // negative: rows stored top-down
  uint16_t bitsPerPixel = 4;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  uint32_t gapAfterPalette = 0;
};

// A packed bitmap whose pixel (x, y) has index (x / 2 + y) % 16, except the
// overlay position, which has 9; palette entry i is (i, 2i, 3i).
Bytes MakeResource(const LogoShape& shape) {
  const uint32_t colours = shape.colorsUsed != 0 ? shape.colorsUsed : 1u << shape.bitsPerPixel;
  const uint32_t rows = uint32_t(shape.height < 0 ? -shape.height : shape.height);
  const uint32_t stride = (uint32_t(shape.width) * shape.bitsPerPixel + 31) / 32 * 4;
  Bytes dib(40 + colours * 4 + shape.gapAfterPalette + stride * rows);
  Put32(dib, 0, 40);
  Put32(dib, 4, uint32_t(shape.width));
  Put32(dib, 8, uint32_t(shape.height));
  dib[12] = 1;
  dib[14] = uint8_t(shape.bitsPerPixel);
  Put32(dib, 16, shape.compression);
  Put32(dib, 32, shape.colorsUsed);
  for (uint32_t i = 0; i < colours; ++i) {
    dib[40 + 4 * i] = uint8_t(i);
    dib[41 + 4 * i] = uint8_t(2 * i);
    dib[42 + 4 * i] = uint8_t(3 * i);
  }
  const size_t pixels = 40 + colours * 4 + shape.gapAfterPalette;
  if (shape.bitsPerPixel == 4) {
    for (uint32_t y = 0; y < rows; ++y) {
      const uint32_t stored = shape.height > 0 ? rows - 1 - y : y;
      for (uint32_t x = 0; x < uint32_t(shape.width); ++x) {
        const uint8_t index = x == 220 && y == 272 ? 9 : uint8_t((x / 2 + y) % 16);
        uint8_t& pair = dib[pixels + stored * stride + x / 2];
        pair = x % 2 == 0 ? uint8_t((pair & 0x0F) | index << 4) : uint8_t((pair & 0xF0) | index);
      }
    }
  }
  return dib;
}

Bytes MakeFile(const LogoShape& shape) {
  const Bytes dib = MakeResource(shape);
  Bytes file(14);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, uint32_t(14 + dib.size()));
  const uint32_t colours = shape.colorsUsed != 0 ? shape.colorsUsed : 1u << shape.bitsPerPixel;
  Put32(file, 10, 14 + 40 + colours * 4 + shape.gapAfterPalette);
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

TEST(KernelBitmapIds, EveryVersionAndEdition) {
  struct Case {
    int version;
    int edition;
    int logo;
  };
  const Case cases[] = {{5, 1, 1}, {5, 2, 1}, {4, 3, 1}, {4, 4, 4},
                        {4, 5, 4}, {4, 6, 4}, {4, 7, 4}};
  for (const Case& c : cases)
    EXPECT_EQ(logos::BootLogoBitmapId(c.version, c.edition), c.logo)
        << "version " << c.version << " edition " << c.edition;
  EXPECT_EQ(logos::EditionOverlayBitmapId(1), 11);
  EXPECT_EQ(logos::EditionOverlayBitmapId(2), 10);
}

TEST(BitmapFileFromResource, HeaderInFrontAndOptionalBootColours) {
  const Bytes resource = MakeResource({});
  const std::optional<Bytes> plain = logos::BitmapFileFromResource(Span(resource));
  ASSERT_TRUE(plain);
  ASSERT_EQ(plain->size(), resource.size() + 14);
  EXPECT_EQ((*plain)[0], 'B');
  EXPECT_EQ((*plain)[1], 'M');
  EXPECT_EQ(Get32(*plain, 2), resource.size() + 14);
  EXPECT_EQ(Get32(*plain, 6), 0u);
  EXPECT_EQ(Get32(*plain, 10), 118u);
  EXPECT_EQ(Bytes(plain->begin() + 14, plain->end()), resource);
  EXPECT_EQ(logos::ResourceFromBitmapFile(Span(*plain)), resource);

  const logos::BootPalette& boot = logos::BootPaletteSignature();
  const std::optional<Bytes> coloured = logos::BitmapFileFromResource(Span(resource), &boot);
  ASSERT_TRUE(coloured);
  const auto bootBytes = logos::BootPaletteBytes(boot);
  EXPECT_EQ(Bytes(coloured->begin() + 54, coloured->begin() + 118),
            Bytes(bootBytes.begin(), bootBytes.end()));
  EXPECT_EQ(Bytes(coloured->begin() + 118, coloured->end()),
            Bytes(resource.begin() + 104, resource.end()))
      << "pixels untouched";
  const std::optional<logos::BootPalette> read = logos::LogoFilePalette(Span(*coloured));
  ASSERT_TRUE(read);
  EXPECT_EQ(logos::BootPaletteBytes(*read), bootBytes);
}

TEST(BitmapFileFromResource, RefusesWhatItCannotLayOut) {
  LogoShape eightBit;
  eightBit.bitsPerPixel = 8;
  eightBit.width = 16;
  eightBit.height = 16;
  const Bytes eight = MakeResource(eightBit);
  const logos::BootPalette& boot = logos::BootPaletteSignature();
  EXPECT_TRUE(logos::BitmapFileFromResource(Span(eight)));
  EXPECT_FALSE(logos::BitmapFileFromResource(Span(eight), &boot)) << "256 colours";
  LogoShape eightColours;
  eightColours.colorsUsed = 8;
  EXPECT_FALSE(logos::BitmapFileFromResource(Span(MakeResource(eightColours)), &boot));

  Bytes resource = MakeResource({});
  const Bytes cut(resource.begin(), resource.begin() + 80);
  EXPECT_FALSE(logos::BitmapFileFromResource(Span(cut))) << "palette cut off";
  Bytes tooManyColours = resource;
  Put32(tooManyColours, 32, 17);
  EXPECT_FALSE(logos::BitmapFileFromResource(Span(tooManyColours)));
  Bytes coreHeader = resource;
  Put32(coreHeader, 0, 12);
  EXPECT_FALSE(logos::BitmapFileFromResource(Span(coreHeader)));
  EXPECT_FALSE(logos::BitmapFileFromResource(core::ByteSpan()));
}

TEST(ResourceFromBitmapFile, OnlyPackedBitmapFiles) {
  EXPECT_TRUE(logos::ResourceFromBitmapFile(Span(MakeFile({}))));
  LogoShape gap;
  gap.gapAfterPalette = 4;
  EXPECT_FALSE(logos::ResourceFromBitmapFile(Span(MakeFile(gap))))
      << "the resource would hand the gap to Windows as pixels";
  Bytes notBitmap = MakeFile({});
  notBitmap[0] = 'X';
  EXPECT_FALSE(logos::ResourceFromBitmapFile(Span(notBitmap)));
  const Bytes file = MakeFile({});
  const Bytes header(file.begin(), file.begin() + 20);
  EXPECT_FALSE(logos::ResourceFromBitmapFile(Span(header)));
}

TEST(LogoFilePalette, SixteenColourFilesOnly) {
  const std::optional<logos::BootPalette> palette = logos::LogoFilePalette(Span(MakeFile({})));
  ASSERT_TRUE(palette);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ((*palette)[i].Blue, i);
    EXPECT_EQ((*palette)[i].Green, 2 * i);
    EXPECT_EQ((*palette)[i].Red, 3 * i);
  }
  LogoShape eightBit;
  eightBit.bitsPerPixel = 8;
  eightBit.width = 8;
  eightBit.height = 8;
  EXPECT_FALSE(logos::LogoFilePalette(Span(MakeFile(eightBit))));
}

TEST(OverlayResourceFromLogo, OnePixelOfTheLogoAtTheOverlayPosition) {
  for (const int32_t height : {480, -480}) {
    LogoShape shape;
    shape.height = height;
    const Bytes logo = MakeFile(shape);
    const std::optional<Bytes> overlay = logos::OverlayResourceFromLogo(Span(logo));
    ASSERT_TRUE(overlay) << height;
    ASSERT_EQ(overlay->size(), 108u);
    EXPECT_EQ(Get32(*overlay, 0), 40u);
    EXPECT_EQ(Get32(*overlay, 4), 1u);
    EXPECT_EQ(Get32(*overlay, 8), 1u);
    EXPECT_EQ((*overlay)[12], 1);
    EXPECT_EQ((*overlay)[14], 4);
    EXPECT_EQ(Get32(*overlay, 16), 0u);
    EXPECT_EQ(Bytes(overlay->begin() + 40, overlay->begin() + 104),
              Bytes(logo.begin() + 54, logo.begin() + 118))
        << "the logo's own palette";
    EXPECT_EQ((*overlay)[104], 0x90) << "index 9 in the high half-byte, height " << height;
    EXPECT_EQ(Get32(*overlay, 104) & 0xFFFFFF00u, 0u);
    // The overlay is itself a bitmap the file conversion accepts.
    EXPECT_TRUE(logos::BitmapFileFromResource(Span(*overlay)));
  }
}

TEST(OverlayResourceFromLogo, RefusesLogosWithoutThatPixel) {
  LogoShape narrow;
  narrow.width = 220;
  LogoShape low;
  low.height = 272;
  LogoShape eightBit;
  eightBit.bitsPerPixel = 8;
  LogoShape runLength;
  runLength.compression = 2;
  for (const LogoShape& shape : {narrow, low, eightBit, runLength})
    EXPECT_FALSE(logos::OverlayResourceFromLogo(Span(MakeFile(shape))))
        << shape.width << " x " << shape.height << ", " << shape.bitsPerPixel << " bits";
  Bytes cut = MakeFile({});
  cut.resize(cut.size() - 320 * 300);
  EXPECT_FALSE(logos::OverlayResourceFromLogo(Span(cut))) << "pixels cut off";
}

}  // namespace

namespace {

int IndexAt(const Bytes& file, const LogoShape& shape, int x, int y) {
  const uint32_t colours = shape.colorsUsed != 0 ? shape.colorsUsed : 1u << shape.bitsPerPixel;
  const int rows = shape.height < 0 ? -shape.height : shape.height;
  const int stride = (shape.width * 4 + 31) / 32 * 4;
  const int stored = shape.height > 0 ? rows - 1 - y : y;
  const uint8_t pair = file[14 + 40 + colours * 4 + stored * stride + x / 2];
  return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

// The overlay's pixels land at (x, y) of the logo, counted from the top,
// whichever way each stores its rows; pixels past the edges are dropped.
TEST(KernelBitmapOverlay, DrawnAtItsPlaceAndClipped) {
  struct Case {
    int32_t logoHeight;
    int32_t overlayHeight;
    int x;
    int y;
  };
  const Case cases[] = {
      {480, 20, 220, 272}, {-480, 20, 221, 272}, {480, -20, 630, 470}, {-480, -20, -3, -5}};
  for (const Case& c : cases) {
    const LogoShape logoShape{640, c.logoHeight};
    const LogoShape overlayShape{13, c.overlayHeight};
    const Bytes logo = MakeFile(logoShape);
    const Bytes overlay = MakeFile(overlayShape);
    const auto drawn = logos::DrawOverlay(Span(logo), Span(overlay), c.x, c.y);
    ASSERT_TRUE(drawn.has_value()) << c.x << "," << c.y;
    ASSERT_EQ(drawn->size(), logo.size());
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        const int ox = x - c.x;
        const int oy = y - c.y;
        const bool inside = ox >= 0 && ox < 13 && oy >= 0 && oy < 20;
        const int expected =
            inside ? IndexAt(overlay, overlayShape, ox, oy) : IndexAt(logo, logoShape, x, y);
        ASSERT_EQ(IndexAt(*drawn, logoShape, x, y), expected)
            << "pixel " << x << "," << y << " overlay at " << c.x << "," << c.y;
      }
    }
  }
}

TEST(KernelBitmapOverlay, OnlyUncompressedSixteenColourFiles) {
  const Bytes logo = MakeFile({});
  const Bytes eightBit = MakeFile({8, 8, 8});
  const Bytes rle = MakeFile({8, 8, 4, 2});
  Bytes truncated = MakeFile({8, 8});
  truncated.resize(truncated.size() - 1);
  for (const Bytes* bad : std::initializer_list<const Bytes*>{&eightBit, &rle, &truncated}) {
    EXPECT_FALSE(logos::DrawOverlay(Span(logo), Span(*bad), 0, 0).has_value());
    EXPECT_FALSE(logos::DrawOverlay(Span(*bad), Span(logo), 0, 0).has_value());
  }
}

}  // namespace
