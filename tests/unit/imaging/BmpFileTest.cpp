#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "DibFactory.h"
#include "imaging/FastDIB.h"

namespace imaging::test {
namespace {

using test::Put16;
using test::Put32;
using test::ShownAt;

// A bitmap file with an info header (40 bytes), palette and pixel bytes.
std::vector<uint8_t> InfoFile(int32_t width, int32_t height, int bpp, uint32_t compression,
                              const std::vector<uint32_t>& palette,
                              const std::vector<uint8_t>& pixels, uint32_t clrUsed = 0) {
  std::vector<uint8_t> file;
  const uint32_t offset = 14 + 40 + uint32_t(palette.size()) * 4;
  file.push_back('B'), file.push_back('M');
  Put32(file, offset + uint32_t(pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  Put32(file, 40);
  Put32(file, uint32_t(width));
  Put32(file, uint32_t(height));
  Put16(file, 1);
  Put16(file, uint32_t(bpp));
  Put32(file, compression);
  Put32(file, uint32_t(pixels.size()));
  Put32(file, 2835), Put32(file, 2835);
  Put32(file, clrUsed), Put32(file, 0);
  for (uint32_t entry : palette) Put32(file, entry);
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

// The same picture with a 12-byte core header and three-byte palette entries.
std::vector<uint8_t> CoreFile(int32_t width, int32_t height, int bpp,
                              const std::vector<uint32_t>& palette,
                              const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> file;
  const uint32_t offset = 14 + 12 + uint32_t(palette.size()) * 3;
  file.push_back('B'), file.push_back('M');
  Put32(file, offset + uint32_t(pixels.size()));
  Put32(file, 0);
  Put32(file, offset);
  Put32(file, 12);
  Put16(file, uint32_t(width));
  Put16(file, uint32_t(height));
  Put16(file, 1);
  Put16(file, uint32_t(bpp));
  for (uint32_t entry : palette) {
    file.push_back(uint8_t(entry)), file.push_back(uint8_t(entry >> 8));
    file.push_back(uint8_t(entry >> 16));
  }
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

std::vector<uint32_t> Grey(int count) {
  std::vector<uint32_t> palette;
  for (int i = 0; i < count; ++i) palette.push_back(uint32_t(i * 0x010101 * (255 / (count - 1))));
  return palette;
}

void ExpectSamePicture(const TFastDIB& a, const TFastDIB& b, const std::string& what) {
  ASSERT_EQ(a.Width(), b.Width()) << what;
  ASSERT_EQ(a.Height(), b.Height()) << what;
  ASSERT_EQ(a.Bpp(), b.Bpp()) << what;
  for (int32_t y = 0; y < a.AbsHeight; ++y) {
    for (int32_t x = 0; x < a.Width(); ++x) {
      ASSERT_EQ(ShownAt(a, x, y), ShownAt(b, x, y)) << what << " at " << x << "," << y;
    }
  }
}

TEST(BmpFile, CoreHeaderLoadsLikeInfoHeader) {
  const struct {
    int bpp;
    std::vector<uint32_t> palette;
    std::vector<uint8_t> pixels;  // 3 x 2, bottom row first
  } cases[] = {
      {1, {0x000000, 0xFFFFFF}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}},
      {4, Grey(16), {0x12, 0x30, 0, 0, 0xFE, 0xD0, 0, 0}},
      {8, Grey(256), {1, 2, 3, 0, 250, 251, 252, 0}},
      {24, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> info = InfoFile(3, 2, c.bpp, kBiRgb, c.palette, c.pixels);
    const std::vector<uint8_t> core = CoreFile(3, 2, c.bpp, c.palette, c.pixels);
    TFastDIB fromInfo, fromCore;
    ASSERT_EQ(fromInfo.LoadFromMemory(info.data(), info.size()), BmpStatus::kOk) << c.bpp;
    ASSERT_EQ(fromCore.LoadFromMemory(core.data(), core.size()), BmpStatus::kOk) << c.bpp;
    ExpectSamePicture(fromInfo, fromCore, "bpp " + std::to_string(c.bpp));
    EXPECT_EQ(std::memcmp(fromInfo.Colors, fromCore.Colors, 1024), 0) << c.bpp;
  }
}

TEST(BmpFile, SavePutsPixelsAfterHeaderAndPalette) {
  const struct {
    int bpp, blue, green, red;
    uint32_t offset;
  } cases[] = {{1, 0, 0, 0, 62},  {4, 0, 0, 0, 118}, {8, 0, 0, 0, 1078}, {16, 0, 0, 0, 54},
               {16, 5, 6, 5, 66}, {24, 0, 0, 0, 54}, {32, 0, 0, 0, 54}};
  for (const auto& c : cases) {
    TFastDIB dib;
    ASSERT_TRUE(dib.SetSizeEx(nullptr, 5, 3, c.bpp, c.blue, c.green, c.red));
    const std::vector<uint8_t> bytes = dib.FileBytes();
    ASSERT_GE(bytes.size(), 14u);
    uint32_t offset, size;
    std::memcpy(&offset, &bytes[10], 4);
    std::memcpy(&size, &bytes[2], 4);
    EXPECT_EQ(offset, c.offset) << "bpp " << c.bpp;
    EXPECT_EQ(size, bytes.size()) << "bpp " << c.bpp;
    EXPECT_EQ(bytes.size(), c.offset + dib.ImageSize()) << "bpp " << c.bpp;
  }
}

TEST(BmpFile, SavedFilesLoadBackIdentically) {
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    TFastDIB dib;
    ASSERT_TRUE(
        dib.SetSizeEx(nullptr, 7, 5, bpp, bpp == 16 ? 5 : 0, bpp == 16 ? 6 : 0, bpp == 16 ? 5 : 0));
    for (uint32_t i = 0; i < dib.ImageSize(); ++i) dib.Bits()[i] = uint8_t(i * 37 + 11);
    for (int i = 0; i < 256 && bpp <= 8; ++i)
      dib.Colors[i] = RgbQuad{uint8_t(i), 7, uint8_t(255 - i), 0};
    const std::string path = test::TempPath("roundtrip.bmp");
    ASSERT_TRUE(dib.SaveToFile(path));
    TFastDIB back;
    ASSERT_EQ(back.LoadFromFile(path), BmpStatus::kOk) << "bpp " << bpp;
    std::remove(path.c_str());
    ExpectSamePicture(dib, back, "bpp " + std::to_string(bpp));
    EXPECT_EQ(back.Info.Header.Compression, dib.Info.Header.Compression);
  }
}

struct RleCase {
  const char* name;
  int bpp;
  int32_t width, height;
  std::vector<uint8_t> stream;
  std::vector<uint8_t> expected;  // indices, storage order, width x height
};

TEST(BmpFile, RunLengthDecoding) {
  const RleCase cases[] = {
      {"runs and end of line", 8, 4, 2, {2, 7, 2, 9, 0, 0, 4, 5, 0, 1}, {7, 7, 9, 9, 5, 5, 5, 5}},
      {"literal with padding", 8, 4, 1, {0, 3, 1, 2, 3, 0, 1, 4, 0, 1}, {1, 2, 3, 4}},
      {"run clipped at the row end", 8, 3, 2, {5, 6, 0, 0, 1, 1, 0, 1}, {6, 6, 6, 1, 0, 0}},
      {"delta moves right and up", 8, 3, 2, {1, 4, 0, 2, 1, 1, 1, 8, 0, 1}, {4, 0, 0, 0, 0, 8}},
      {"end of picture early", 8, 2, 2, {2, 3, 0, 1}, {3, 3, 0, 0}},
      {"4-bit run alternates nibbles", 4, 5, 1, {5, 0x12, 0, 1}, {1, 2, 1, 2, 1}},
      {"4-bit literal at odd x", 4, 4, 1, {1, 0x90, 0, 3, 0xAB, 0xC0, 0, 1}, {9, 0xA, 0xB, 0xC}},
  };
  for (const RleCase& c : cases) {
    const std::vector<uint8_t> file =
        InfoFile(c.width, c.height, c.bpp, c.bpp == 8 ? kBiRle8 : kBiRle4,
                 Grey(c.bpp == 8 ? 256 : 16), c.stream);
    TFastDIB dib;
    ASSERT_EQ(dib.LoadFromMemory(file.data(), file.size()), BmpStatus::kOk) << c.name;
    std::vector<uint8_t> got;
    for (int32_t y = 0; y < c.height; ++y) {
      for (int32_t x = 0; x < c.width; ++x) {
        const uint8_t* row = dib.Row(y);
        got.push_back(c.bpp == 8 ? row[x] : uint8_t((x & 1) ? row[x / 2] & 15 : row[x / 2] >> 4));
      }
    }
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

struct HostileCase {
  const char* name;
  std::vector<uint8_t> file;
  BmpStatus expected;
};

std::vector<uint8_t> Patched(std::vector<uint8_t> file, size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) file[at + size_t(i)] = uint8_t(value >> (8 * i));
  return file;
}

TEST(BmpFile, HostileFilesAreRefusedCleanly) {
  const std::vector<uint8_t> good24 = InfoFile(2, 2, 24, kBiRgb, {}, std::vector<uint8_t>(16, 1));
  const std::vector<uint8_t> good8 = InfoFile(2, 1, 8, kBiRgb, Grey(256), {1, 2, 0, 0});
  const std::vector<uint8_t> rle8 = InfoFile(4, 1, 8, kBiRle8, Grey(256), {0, 5, 1, 2});
  const HostileCase cases[] = {
      {"empty", {}, BmpStatus::kTruncated},
      {"not BM", Patched(good24, 0, 'X', 1), BmpStatus::kNotBitmap},
      {"cut inside the header", std::vector<uint8_t>(good24.begin(), good24.begin() + 30),
       BmpStatus::kTruncated},
      {"unknown header size", Patched(good24, 14, 64, 4), BmpStatus::kNotBitmap},
      {"header larger than the file",
       Patched(std::vector<uint8_t>(good24.begin(), good24.begin() + 60), 14, 124, 4),
       BmpStatus::kTruncated},
      {"pixels cut short", std::vector<uint8_t>(good24.begin(), good24.end() - 5),
       BmpStatus::kTruncated},
      {"pixel offset past the end", Patched(good24, 10, 0x7FFFFFF0, 4), BmpStatus::kTruncated},
      {"zero width", Patched(good24, 18, 0, 4), BmpStatus::kBadGeometry},
      {"negative width", Patched(good24, 18, uint32_t(-2), 4), BmpStatus::kBadGeometry},
      {"zero height", Patched(good24, 22, 0, 4), BmpStatus::kBadGeometry},
      {"height INT_MIN", Patched(good24, 22, 0x80000000u, 4), BmpStatus::kBadGeometry},
      {"row bytes times height overflows", Patched(Patched(good24, 18, 30000, 4), 22, 30000, 4),
       BmpStatus::kBadGeometry},
      {"two planes", Patched(good24, 26, 2, 2), BmpStatus::kUnsupported},
      {"depth 3", Patched(good24, 28, 3, 2), BmpStatus::kUnsupported},
      {"JPEG inside", Patched(good24, 30, 4, 4), BmpStatus::kUnsupported},
      {"RLE8 on 24 bits", Patched(good24, 30, kBiRle8, 4), BmpStatus::kUnsupported},
      {"too many palette entries", Patched(good8, 46, 257, 4), BmpStatus::kBadPalette},
      {"palette past the end", std::vector<uint8_t>(good8.begin(), good8.begin() + 300),
       BmpStatus::kTruncated},
      {"RLE literal past the end of the data", rle8, BmpStatus::kBadRunLength},
      {"RLE top-down", Patched(rle8, 22, uint32_t(-1), 4), BmpStatus::kUnsupported},
      {"bit fields with a hole",
       InfoFile(2, 1, 16, kBiBitfields, {0xF000, 0x00F0, 0x000F}, {0, 0, 0, 0}),
       BmpStatus::kUnsupported},
      {"bit fields in blue-first order",
       InfoFile(2, 1, 16, kBiBitfields, {0x001F, 0x07E0, 0xF800}, {0, 0, 0, 0}),
       BmpStatus::kUnsupported},
  };
  for (const HostileCase& c : cases) {
    TFastDIB dib;
    ASSERT_TRUE(dib.SetSize(1, 1, 24));
    dib.Bits()[0] = 0x42;
    EXPECT_EQ(dib.LoadFromMemory(c.file.data(), c.file.size()), c.expected)
        << c.name << ": " << BmpStatusText(dib.LoadFromMemory(c.file.data(), c.file.size()));
    EXPECT_EQ(dib.Width(), 1) << c.name << " changed the picture";
    EXPECT_EQ(dib.Bits()[0], 0x42) << c.name << " changed the picture";
  }
}

TEST(BmpFile, BitFieldsGiveChannelCounts) {
  const std::vector<uint8_t> file =
      InfoFile(2, 1, 16, kBiBitfields, {0xF800, 0x07E0, 0x001F}, {0x1F, 0xF8, 0xE0, 0x07});
  TFastDIB dib;
  ASSERT_EQ(dib.LoadFromMemory(file.data(), file.size()), BmpStatus::kOk);
  EXPECT_EQ(dib.RedBits, 5);
  EXPECT_EQ(dib.GreenBits, 6);
  EXPECT_EQ(dib.BlueBits, 5);
  EXPECT_EQ(test::Hex(ShownAt(dib, 0, 0)), "F800F8");
  EXPECT_EQ(test::Hex(ShownAt(dib, 1, 0)), "00FC00");
}

TEST(BmpFile, MissingFileIsCannotOpen) {
  TFastDIB dib;
  EXPECT_EQ(dib.LoadFromFile("/nonexistent/quorlo/picture.bmp"), BmpStatus::kCannotOpen);
}

TEST(BmpFile, FailedSaveLeavesNoFile) {
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSize(2, 2, 24));
  EXPECT_FALSE(dib.SaveToFile("/nonexistent/quorlo/out.bmp"));
  TFastDIB empty;
  const std::string path = test::TempPath("empty.bmp");
  EXPECT_FALSE(empty.SaveToFile(path));
  EXPECT_EQ(std::fopen(path.c_str(), "rb"), nullptr);
}

}  // namespace
}  // namespace imaging::test
