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
                            const std::vector<uint8_t>& pixels, bool progressive = false,
                            const std::vector<uint8_t>& app1 = {}) {
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
  if (!app1.empty()) {
    jpeg_write_marker(&cinfo, JPEG_APP0 + 1, app1.data(), unsigned(app1.size()));
  }
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

// The data of an APP1 marker with one TIFF directory holding only the
// orientation tag, in either byte order.
std::vector<uint8_t> ExifMarker(uint16_t orientation, bool bigEndian, uint16_t type = 3) {
  std::vector<uint8_t> out = {'E', 'x', 'i', 'f', 0, 0};
  const auto put16 = [&](uint32_t v) {
    if (bigEndian) {
      out.push_back(uint8_t(v >> 8)), out.push_back(uint8_t(v));
    } else {
      out.push_back(uint8_t(v)), out.push_back(uint8_t(v >> 8));
    }
  };
  const auto put32 = [&](uint32_t v) {
    if (bigEndian) {
      put16(v >> 16), put16(v & 0xFFFF);
    } else {
      put16(v & 0xFFFF), put16(v >> 16);
    }
  };
  out.push_back(bigEndian ? 'M' : 'I'), out.push_back(bigEndian ? 'M' : 'I');
  put16(42), put32(8);                // header, first directory at 8
  put16(2);                           // two entries
  put16(0x010F), put16(2), put32(4);  // Make, ASCII, 4 bytes in place
  out.insert(out.end(), {'C', 'a', 'm', 0});
  put16(0x0112), put16(type), put32(1), put16(orientation), put16(0);
  put32(0);
  return out;
}

// 48 x 32 in six 16 x 16 blocks of distinct colours, three across, two down.
constexpr uint32_t kBlocks[2][3] = {{0xFF0000, 0x00FF00, 0x0000FF}, {0xFFFFFF, 0x000000, 0xFFFF00}};

std::vector<uint8_t> SixBlocks() {
  std::vector<uint8_t> rgb;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 48; ++x) {
      const uint32_t c = kBlocks[y / 16][x / 16];
      rgb.push_back(uint8_t(c >> 16)), rgb.push_back(uint8_t(c >> 8)), rgb.push_back(uint8_t(c));
    }
  return rgb;
}

// The stored pixel that an orientation shows at upright (x, y); w x h stored.
void StoredAt(int orientation, int w, int h, int x, int y, int& sx, int& sy) {
  switch (orientation) {
    case 2:
      sx = w - 1 - x, sy = y;
      break;
    case 3:
      sx = w - 1 - x, sy = h - 1 - y;
      break;
    case 4:
      sx = x, sy = h - 1 - y;
      break;
    case 5:
      sx = y, sy = x;
      break;
    case 6:
      sx = y, sy = h - 1 - x;
      break;
    case 7:
      sx = w - 1 - y, sy = h - 1 - x;
      break;
    case 8:
      sx = w - 1 - y, sy = x;
      break;
    default:
      sx = x, sy = y;
      break;
  }
}

// A photo is turned upright by its EXIF orientation; width and height are
// the upright picture's.
TEST(JpegFile, ExifOrientationTurnsThePictureUpright) {
  const struct {
    const char* what;
    std::vector<uint8_t> marker;
    int orientation;  // what the decoder must apply
  } cases[] = {
      {"no EXIF", {}, 1},
      {"1 as stored", ExifMarker(1, false), 1},
      {"2 mirrored", ExifMarker(2, false), 2},
      {"3 half turn", ExifMarker(3, true), 3},
      {"4 flipped", ExifMarker(4, false), 4},
      {"5 main diagonal", ExifMarker(5, true), 5},
      {"6 quarter clockwise (Motorola order)", ExifMarker(6, true), 6},
      {"6 quarter clockwise (Intel order)", ExifMarker(6, false), 6},
      {"7 other diagonal", ExifMarker(7, false), 7},
      {"8 quarter anticlockwise", ExifMarker(8, false), 8},
      {"9 is no orientation", ExifMarker(9, false), 1},
      {"0 is no orientation", ExifMarker(0, true), 1},
      {"a LONG value is not the tag's type", ExifMarker(6, false, 4), 1},
      {"cut short",
       [] {
         std::vector<uint8_t> m = ExifMarker(6, false);
         m.resize(20);
         return m;
       }(),
       1},
      {"not EXIF", {'X', 'M', 'P', 0, 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0}, 1},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> file = Encode(48, 32, 3, SixBlocks(), false, c.marker);
    TFastDIB dib;
    std::string reason;
    PictureSize full;
    ASSERT_EQ(LoadJpeg(file.data(), file.size(), dib, &reason, {}, &full), JpegStatus::kOk)
        << c.what << ": " << reason;
    const bool swapped = c.orientation >= 5;
    EXPECT_EQ(dib.Width(), swapped ? 32 : 48) << c.what;
    EXPECT_EQ(dib.AbsHeight, swapped ? 48 : 32) << c.what;
    EXPECT_EQ(full.Width, dib.Width()) << c.what;
    EXPECT_EQ(full.Height, dib.AbsHeight) << c.what;
    // The centre of every upright 16 x 16 block shows its stored block.
    for (int y = 8; y < dib.AbsHeight; y += 16) {
      for (int x = 8; x < dib.Width(); x += 16) {
        int sx = 0, sy = 0;
        StoredAt(c.orientation, 48, 32, x, y, sx, sy);
        const uint32_t expected = kBlocks[sy / 16][sx / 16];
        EXPECT_LE(Distance(test::PixelAt(dib, x, y), expected), 12)
            << c.what << " at (" << x << ", " << y << "): " << test::Hex(test::PixelAt(dib, x, y))
            << ", not " << test::Hex(expected);
      }
    }
  }
}

// A picture that will be shrunk is decoded at the largest DCT scale that
// keeps it at least the asked size; its full size is still reported.
TEST(JpegFile, ReducedScaleKeepsAtLeastTheAskedSize) {
  const std::vector<uint8_t> plain = Encode(48, 32, 3, SixBlocks());
  const std::vector<uint8_t> turned = Encode(48, 32, 3, SixBlocks(), false, ExifMarker(6, false));
  const struct {
    const char* what;
    const std::vector<uint8_t>* file;
    PictureSize min;
    int32_t width, height;  // decoded
    int32_t fullWidth, fullHeight;
  } cases[] = {
      {"no size asked: full size", &plain, {}, 48, 32, 48, 32},
      {"an eighth is enough", &plain, {6, 4}, 6, 4, 48, 32},
      {"a quarter", &plain, {12, 5}, 12, 8, 48, 32},
      {"a half", &plain, {13, 8}, 24, 16, 48, 32},
      {"larger than a half: full size", &plain, {25, 16}, 48, 32, 48, 32},
      {"larger than the picture: full size", &plain, {640, 480}, 48, 32, 48, 32},
      {"sides of the upright picture", &turned, {4, 12}, 8, 12, 32, 48},
      {"sides of the upright picture, a half", &turned, {4, 13}, 16, 24, 32, 48},
  };
  for (const auto& c : cases) {
    TFastDIB dib;
    PictureSize full;
    std::string reason;
    ASSERT_EQ(LoadJpeg(c.file->data(), c.file->size(), dib, &reason, c.min, &full), JpegStatus::kOk)
        << c.what << ": " << reason;
    EXPECT_EQ(dib.Width(), c.width) << c.what;
    EXPECT_EQ(dib.AbsHeight, c.height) << c.what;
    EXPECT_EQ(full.Width, c.fullWidth) << c.what;
    EXPECT_EQ(full.Height, c.fullHeight) << c.what;
  }
}

TEST(JpegFile, MissingFileIsCannotOpen) {
  TFastDIB dib;
  EXPECT_EQ(LoadJpegFile("/nonexistent/quorlo/p.jpg", dib), JpegStatus::kCannotOpen);
}

}  // namespace
}  // namespace imaging::test
