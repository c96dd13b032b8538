#include <gtest/gtest.h>

#include <cstring>

#include "DibFactory.h"
#include "imaging/FloydSteinberg.h"
#include "imaging/PaletteBoxes.h"
#include "imaging/PaletteReduction.h"

namespace imaging::test {
namespace {

using test::Hex;
using test::Make24;
using test::ShownAt;

std::vector<uint32_t> DistinctColours(int count) {
  std::vector<uint32_t> colours;
  for (int i = 0; i < count; ++i)
    colours.push_back(uint32_t(i * 0x010203 + (i % 7) * 0x400000) & 0xFFFFFF);
  return colours;
}

uint32_t Entry(const TFastDIB& dib, int i) {
  return (uint32_t(dib.Colors[i].Red) << 16) | (uint32_t(dib.Colors[i].Green) << 8) |
         dib.Colors[i].Blue;
}

TEST(PaletteReduction, UpTo256ColoursAreKeptExactlyAnd257AreOptimised) {
  for (int count : {256, 257}) {
    const std::vector<uint32_t> colours = DistinctColours(count);
    TFastDIB dib;
    Make24(dib, count, 1, colours);
    ASSERT_EQ(dib.CountColors(), count);
    TFastDIB original;
    Make24(original, count, 1, colours);
    ASSERT_TRUE(ChangeBits(dib, 8));
    ASSERT_EQ(dib.Bpp(), 8);
    int exact = 0;
    for (int32_t x = 0; x < count; ++x) exact += ShownAt(dib, x, 0) == colours[size_t(x)];
    if (count == 256) {
      EXPECT_EQ(exact, 256) << "every colour kept";
    } else {
      EXPECT_LT(exact, 257) << "257 colours cannot all be kept";
      for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(dib.Colors[i].Red % 4, 0) << "entry " << i << " is a box centre";
        EXPECT_EQ(dib.Colors[i].Green % 2, 0) << "entry " << i << " is a box centre";
      }
    }
  }
}

TEST(PaletteReduction, SixteenColoursKeepFirstAppearanceOrderFromTheBottomRow) {
  // Top row first here; the bottom row is stored first and numbered first.
  const std::vector<uint32_t> topDown = {0xAAAAAA, 0xBBBBBB, 0xCCCCCC, 0x000000,
                                         0x0000FF, 0x00FF00, 0xFF0000, 0x0000FF};
  TFastDIB dib;
  Make24(dib, 4, 2, topDown);
  ASSERT_TRUE(ChangeBits(dib, 4));
  const std::vector<std::string> expected = {"0000FF", "00FF00", "FF0000", "AAAAAA",
                                             "BBBBBB", "CCCCCC", "000000", "000000"};
  std::vector<std::string> palette;
  for (int i = 0; i < 8; ++i) palette.push_back(Hex(Entry(dib, i)));
  EXPECT_EQ(palette, expected) << "entries after the last one stay black";
  EXPECT_EQ(dib.Row(0)[0], 0x01) << "pixels 0 and 1 of the bottom row in one byte";
  EXPECT_EQ(dib.Row(0)[1], 0x20);
  for (int32_t y = 0; y < 2; ++y) {
    for (int32_t x = 0; x < 4; ++x) {
      EXPECT_EQ(Hex(ShownAt(dib, x, y)), Hex(topDown[size_t(y) * 4 + size_t(x)]));
    }
  }
}

TEST(PaletteReduction, OptimisedPaletteEntriesAreBoxCentres) {
  std::vector<uint32_t> colours;
  for (int i = 0; i < 4096; ++i) colours.push_back(uint32_t(i) * 0x000FFF % 0xFFFFFF);
  colours[0] = 0xFFFFFF;
  colours[1] = 0x000000;
  for (int bpp : {8, 4}) {
    TFastDIB dib;
    Make24(dib, 64, 64, colours);
    ASSERT_TRUE(ChangeBits(dib, bpp));
    for (int i = 0; i < (1 << bpp); ++i) {
      EXPECT_LE(dib.Colors[i].Red, 248) << "entry " << i;
      EXPECT_LE(dib.Colors[i].Green, 252) << "entry " << i;
      EXPECT_LE(dib.Colors[i].Blue, 248) << "entry " << i;
    }
    const uint32_t white = ShownAt(dib, 0, 0);
    EXPECT_LE(white >> 16, 248u) << Hex(white);
  }
}

TEST(PaletteReduction, NarrowColourSpreadGivesFewerBoxes) {
  // Red and blue 0-15 and green 0-7 fall within two grid values each.
  std::vector<uint32_t> colours;
  for (uint32_t r = 0; r < 16; ++r)
    for (uint32_t g = 0; g < 8; ++g)
      for (uint32_t b = 0; b < 16; ++b) colours.push_back((r << 16) | (g << 8) | b);
  TFastDIB dib;
  Make24(dib, 64, 32, colours);
  ASSERT_GT(dib.CountColors(), 256);
  const PaletteBoxes boxes = SplitBoxes(dib, 255);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  ASSERT_TRUE(ChangeBits(dib, 8));
  EXPECT_EQ(Hex(Entry(dib, 0)), "040204");
  EXPECT_EQ(Hex(Entry(dib, 1)), "000000") << "entries after the last box are untouched";
  for (int32_t y = 0; y < dib.AbsHeight; ++y)
    for (int32_t x = 0; x < dib.Width(); ++x) ASSERT_EQ(dib.Row(y)[x], 0) << x << "," << y;
}

// Boxes around two exact colours: (80, 100, 120) sits in cell (10, 25, 15)
// and (200, 40, 16) in (25, 10, 2); each box is one cell, so each centre is
// its colour. Red and green both span 15: the tie splits red, so the lower
// red comes first.
struct TwoColourPalette {
  TFastDIB palette;
  PaletteBoxes boxes;
  TwoColourPalette(uint32_t a, uint32_t b) {
    Make24(palette, 2, 1, {a, b});
    boxes = SplitBoxes(palette, 255);
  }
};

TEST(PaletteReduction, SplitTiesGoToRedAndCentresAreExact) {
  TwoColourPalette two(0xC82810, 0x506478);
  ASSERT_EQ(two.boxes.boxes.size(), 2u);
  TFastDIB out;
  ASSERT_TRUE(out.SetSize(1, 1, 8));
  WriteBoxPalette(two.boxes, out.Colors);
  EXPECT_EQ(Hex(Entry(out, 0)), "506478");
  EXPECT_EQ(Hex(Entry(out, 1)), "C82810");
}

TEST(PaletteReduction, DitheringExactPaletteColoursDiffusesNothing) {
  TwoColourPalette two(0x506478, 0xC82810);
  std::vector<uint32_t> pattern;
  for (int i = 0; i < 7 * 5; ++i) pattern.push_back((i * 7 % 3) ? 0x506478 : 0xC82810);
  TFastDIB source, out;
  Make24(source, 7, 5, pattern);
  ASSERT_TRUE(out.SetSize(7, 5, 8));
  WriteBoxPalette(two.boxes, out.Colors);
  MapCells(two.boxes, true);
  DitherToPalette(source, out, two.boxes, 1);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 7; ++x)
      EXPECT_EQ(Hex(ShownAt(out, x, y)), Hex(pattern[size_t(y) * 7 + size_t(x)])) << x << "," << y;
}

TEST(PaletteReduction, DitheringMixesEntriesAndTiesGoToTheHigherIndex) {
  TwoColourPalette two(0x000000, 0xFFFFFF);
  TFastDIB out;
  ASSERT_TRUE(out.SetSize(16, 16, 8));
  WriteBoxPalette(two.boxes, out.Colors);
  ASSERT_EQ(Hex(Entry(out, 1)), "F8FCF8");
  MapCells(two.boxes, true);
  // (124, 126, 124) is equally far from black and from (248, 252, 248).
  TFastDIB grey;
  Make24(grey, 16, 16, std::vector<uint32_t>(256, 0x7C7E7C));
  DitherToPalette(grey, out, two.boxes, 1);
  EXPECT_EQ(out.Row(0)[0], 1) << "a tie goes to the higher index";
  int white = 0;
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 16; ++x) white += out.Row(y)[x];
  EXPECT_GE(white, 118);
  EXPECT_LE(white, 138);
}

TEST(PaletteReduction, ChangeBitsToTheSameDepthChangesNothing) {
  TFastDIB dib;
  Make24(dib, 3, 3, DistinctColours(9));
  const uint8_t* bits = dib.Bits();
  const std::vector<uint8_t> before(dib.Bits(), dib.Bits() + dib.ImageSize());
  ASSERT_TRUE(ChangeBits(dib, 24));
  EXPECT_EQ(dib.Bits(), bits);
  EXPECT_EQ(std::vector<uint8_t>(dib.Bits(), dib.Bits() + dib.ImageSize()), before);
}

TEST(PaletteReduction, ConvertWidensEveryDepthToTrueColour) {
  TFastDIB words;
  ASSERT_TRUE(words.SetSizeEx(nullptr, 2, 1, 16, 5, 6, 5));
  words.Row(0)[0] = 0xE0, words.Row(0)[1] = 0x07;  // green 63
  words.Row(0)[2] = 0x1F, words.Row(0)[3] = 0xF8;  // red 31, blue 31
  TFastDIB wide;
  ASSERT_TRUE(wide.SetSize(2, 1, 24));
  ASSERT_TRUE(Convert(wide, words, false));
  EXPECT_EQ(Hex(ShownAt(wide, 0, 0)), "00FF00");
  EXPECT_EQ(Hex(ShownAt(wide, 1, 0)), "FF00FF");

  TFastDIB quads;
  ASSERT_TRUE(quads.SetSize(2, 1, 32));
  ASSERT_TRUE(Convert(quads, wide, false));
  TFastDIB back;
  ASSERT_TRUE(back.SetSize(2, 1, 24));
  ASSERT_TRUE(Convert(back, quads, false));
  EXPECT_EQ(std::memcmp(back.Bits(), wide.Bits(), wide.ImageSize()), 0);

  TFastDIB mono;
  ASSERT_TRUE(mono.SetSize(9, 1, 1));
  mono.Colors[1] = RgbQuad{1, 2, 3, 0};
  mono.Row(0)[1] = 0x80;
  TFastDIB fromMono;
  ASSERT_TRUE(fromMono.SetSize(9, 1, 24));
  ASSERT_TRUE(Convert(fromMono, mono, false));
  EXPECT_EQ(Hex(ShownAt(fromMono, 8, 0)), "030201");
  EXPECT_EQ(Hex(ShownAt(fromMono, 7, 0)), "000000");

  TFastDIB mismatched;
  ASSERT_TRUE(mismatched.SetSize(3, 1, 24));
  EXPECT_FALSE(Convert(mismatched, mono, false));
}

TEST(PaletteReduction, OptimisingToSixteenPacksNibbles) {
  TFastDIB dib;
  Make24(dib, 33, 9, DistinctColours(33 * 9));
  ASSERT_TRUE(ChangeBits(dib, 4));
  ASSERT_EQ(dib.Bpp(), 4);
  EXPECT_EQ(dib.RowBytes, 20);
  for (int32_t y = 0; y < 9; ++y) {
    EXPECT_EQ(dib.Row(y)[16] & 0x0F, 0) << "padding nibble after pixel 32 stays clear";
  }
  for (int i = 16; i < 256; ++i) ASSERT_EQ(Entry(dib, i), 0u) << "entry " << i;
}

}  // namespace
}  // namespace imaging::test

namespace imaging::test {
namespace {

// Small 16-bit pictures are widened pixel by pixel, large ones through a
// table; both must give the same colours.
TEST(PaletteReduction, SixteenBitWideningIsTheSameWithAndWithoutTheTable) {
  for (int green : {5, 6}) {
    TFastDIB all;
    ASSERT_TRUE(all.SetSizeEx(nullptr, 256, 256, 16, 5, green, 5));
    for (uint32_t v = 0; v < 65536; ++v) {
      uint8_t* p = all.Row(int32_t(v / 256)) + 2 * (v % 256);
      p[0] = uint8_t(v), p[1] = uint8_t(v >> 8);
    }
    TFastDIB allWide;
    ASSERT_TRUE(allWide.SetSize(256, 256, 24));
    ASSERT_TRUE(Convert(allWide, all, false));
    for (uint32_t v :
         {0u, 1u, 0x1Fu, 0x3E0u, 0x7E0u, 0x7C00u, 0xF800u, 0x7FFFu, 0x8421u, 0xFFFFu}) {
      TFastDIB one, oneWide;
      ASSERT_TRUE(one.SetSizeEx(nullptr, 1, 1, 16, 5, green, 5));
      one.Row(0)[0] = uint8_t(v), one.Row(0)[1] = uint8_t(v >> 8);
      ASSERT_TRUE(oneWide.SetSize(1, 1, 24));
      ASSERT_TRUE(Convert(oneWide, one, false));
      const uint8_t* big = allWide.Row(int32_t(v / 256)) + 3 * (v % 256);
      EXPECT_EQ(Hex(uint32_t(oneWide.Row(0)[0] | oneWide.Row(0)[1] << 8 | oneWide.Row(0)[2] << 16)),
                Hex(uint32_t(big[0] | big[1] << 8 | big[2] << 16)))
          << "value " << v << " green bits " << green;
    }
  }
}

// 16-bit channels widen by repeating their bits into the low ones, as Windows
// does: a full channel is 255, not 248 or 252.
TEST(PaletteReduction, SixteenBitChannelsWidenByBitReplication) {
  const struct {
    const char* what;
    int blue, green, red;  // channel bits
    uint16_t pixel;
    const char* shown;  // RRGGBB
  } cases[] = {
      {"5-5-5 white", 5, 5, 5, 0x7FFF, "FFFFFF"},
      {"5-5-5 full red", 5, 5, 5, 0x7C00, "FF0000"},
      {"5-5-5 middle grey", 5, 5, 5, 0x4210, "848484"},
      {"5-5-5 blue 1", 5, 5, 5, 0x0001, "000008"},
      {"5-6-5 white", 5, 6, 5, 0xFFFF, "FFFFFF"},
      {"5-6-5 full green", 5, 6, 5, 0x07E0, "00FF00"},
      {"5-6-5 green 1", 5, 6, 5, 0x0020, "000400"},
      {"5-6-5 red 30", 5, 6, 5, 0xF000, "F70000"},
      {"4-4-4 white", 4, 4, 4, 0x0FFF, "FFFFFF"},
      {"4-4-4 blue 8", 4, 4, 4, 0x0008, "000088"},
      {"black", 5, 6, 5, 0x0000, "000000"},
  };
  for (const auto& c : cases) {
    TFastDIB words;
    ASSERT_TRUE(words.SetSizeEx(nullptr, 1, 1, 16, c.blue, c.green, c.red)) << c.what;
    words.Row(0)[0] = uint8_t(c.pixel), words.Row(0)[1] = uint8_t(c.pixel >> 8);
    TFastDIB wide;
    ASSERT_TRUE(wide.SetSize(1, 1, 24));
    ASSERT_TRUE(Convert(wide, words, false)) << c.what;
    EXPECT_EQ(Hex(ShownAt(wide, 0, 0)), c.shown) << c.what;
    ASSERT_TRUE(ChangeBits(words, 24)) << c.what;
    EXPECT_EQ(Hex(ShownAt(words, 0, 0)), c.shown) << c.what << " through ChangeBits";
  }
}

}  // namespace
}  // namespace imaging::test
