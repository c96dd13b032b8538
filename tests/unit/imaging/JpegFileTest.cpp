#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "DibFactory.h"
#include "imaging/JpegFile.h"

namespace imaging::test {
namespace {

// Encodes top-down RGB (or grey) rows with libjpeg itself.
std::vector<uint8_t> Encode(int width, int height, int components,
                            const std::vector<uint8_t>& pixels, bool progressive = false) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = components;
  cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&pixels[size_t(cinfo.next_scanline) * width * components]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::vector<uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

// Top half red, bottom half blue, 16 x 16.
std::vector<uint8_t> TwoBands() {
  std::vector<uint8_t> rgb;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      rgb.push_back(y < 8 ? 255 : 0), rgb.push_back(0), rgb.push_back(y < 8 ? 0 : 255);
    }
  return rgb;
}

int Distance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
  }
  return worst;
}

TEST(JpegFile, DecodesColourAndGreyPicturesTheRightWayUp) {
  const struct {
    const char* name;
    std::vector<uint8_t> file;
    uint32_t top, bottom;
  } cases[] = {
      {"baseline colour", Encode(16, 16, 3, TwoBands()), 0xFF0000, 0x0000FF},
      {"progressive colour", Encode(16, 16, 3, TwoBands(), true), 0xFF0000, 0x0000FF},
      {"grey",
       Encode(16, 16, 1,
              [] {
                std::vector<uint8_t> g;
                for (int i = 0; i < 256; ++i) g.push_back(i < 128 ? 200 : 40);
                return g;
              }()),
       0xC8C8C8, 0x282828},
  };
  for (const auto& c : cases) {
    TFastDIB dib;
    std::string reason;
    ASSERT_EQ(LoadJpeg(c.file.data(), c.file.size(), dib, &reason), JpegStatus::kOk)
        << c.name << ": " << reason;
    EXPECT_EQ(dib.Width(), 16);
    EXPECT_EQ(dib.Height(), 16) << "bottom-up";
    EXPECT_EQ(dib.Bpp(), 24);
    EXPECT_LE(Distance(test::PixelAt(dib, 3, 2), c.top), 4)
        << c.name << " top " << test::Hex(test::PixelAt(dib, 3, 2));
    EXPECT_LE(Distance(test::PixelAt(dib, 3, 13), c.bottom), 4)
        << c.name << " bottom " << test::Hex(test::PixelAt(dib, 3, 13));
  }
}

TEST(JpegFile, DamagedFilesAreRefusedWithoutEndingTheProcess) {
  const std::vector<uint8_t> good = Encode(16, 16, 3, TwoBands());
  // Frame header: FF C0, length (2), precision (1), height (2), width (2).
  size_t frame = 0;
  while (frame + 8 < good.size() && !(good[frame] == 0xFF && good[frame + 1] == 0xC0)) ++frame;
  ASSERT_LT(frame + 8, good.size());
  std::vector<uint8_t> badPrecision = good;
  badPrecision[frame + 4] = 7;
  std::vector<uint8_t> zeroWidth = good;
  zeroWidth[frame + 7] = 0, zeroWidth[frame + 8] = 0;
  const struct {
    const char* name;
    std::vector<uint8_t> file;
  } cases[] = {
      {"empty", {}},
      {"not a JPEG", {'B', 'M', 1, 2, 3, 4, 5, 6}},
      {"cut after the header", std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2)},
      {"only the start marker", {0xFF, 0xD8}},
      {"unsupported precision", badPrecision},
      {"zero width", zeroWidth},
  };
  for (const auto& c : cases) {
    TFastDIB dib;
    ASSERT_TRUE(dib.SetSize(2, 2, 8));
    std::string reason;
    EXPECT_NE(LoadJpeg(c.file.data(), c.file.size(), dib, &reason), JpegStatus::kOk) << c.name;
    EXPECT_FALSE(reason.empty()) << c.name;
    EXPECT_EQ(dib.Width(), 2) << c.name << " changed the picture";
    EXPECT_EQ(dib.Bpp(), 8) << c.name << " changed the picture";
  }
}

TEST(JpegFile, MissingFileIsCannotOpen) {
  TFastDIB dib;
  EXPECT_EQ(LoadJpegFile("/nonexistent/quorlo/p.jpg", dib), JpegStatus::kCannotOpen);
}

}  // namespace
}  // namespace imaging::test
