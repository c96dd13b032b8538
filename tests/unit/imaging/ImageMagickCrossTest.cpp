// Cross-checks against a bitmap reader and writer this project did not
// write: ImageMagick's. Its files must load to the pixels it reports, and
// the files we write must read back in it as the pixels we hold.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "DibFactory.h"
#include "core/FileIo.h"
#include "imaging/FastDIB.h"

namespace imaging::test {
namespace {

// The real ImageMagick 6 binary, not whatever "convert" comes first on PATH.
constexpr const char* kConvert = "/usr/bin/convert-im6.q16";

bool RunCommand(const std::string& command, std::vector<uint8_t>* output = nullptr) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return false;
  uint8_t chunk[4096];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof(chunk), pipe)) > 0) {
    if (output) output->insert(output->end(), chunk, chunk + got);
  }
  return pclose(pipe) == 0;
}

// Top-down RGB bytes as ImageMagick decodes the file.
std::vector<uint8_t> MagickPixels(const std::string& file) {
  std::vector<uint8_t> rgb;
  EXPECT_TRUE(RunCommand(std::string(kConvert) + " '" + file + "' -depth 8 rgb:-", &rgb)) << file;
  return rgb;
}

// A 37 x 23 picture with 37 x 23 different colours, as a binary PPM.
std::string MakeSourcePicture() {
  const std::string path = test::TempPath("source.ppm");
  std::string ppm = "P6\n37 23\n255\n";
  for (int i = 0; i < 37 * 23; ++i) {
    ppm += char((i * 7) & 255), ppm += char((i * 13 + 40) & 255), ppm += char((i * 29 + 90) & 255);
  }
  EXPECT_EQ(core::WriteFileReplacing(
                path, core::ByteSpan(reinterpret_cast<const uint8_t*>(ppm.data()), ppm.size())),
            core::WriteResult::kOk);
  return path;
}

class ImageMagickCross : public ::testing::Test {
 protected:
  void SetUp() override {
    if (access(kConvert, X_OK) != 0) GTEST_FAIL() << kConvert << " is missing (imagemagick)";
    source_ = MakeSourcePicture();
  }
  void TearDown() override {
    std::remove(source_.c_str());
    std::remove(file_.c_str());
  }
  std::string source_;
  const std::string file_ = test::TempPath("cross.bmp");
};

TEST_F(ImageMagickCross, ItsBitmapsLoadToThePixelsItReports) {
  const struct {
    const char* name;
    const char* options;
    int bpp;
    uint32_t compression;
    int shift;  // channel bits dropped by the format (16 bits: 3)
  } cases[] = {
      {"BMP3 24 bits", "BMP3:", 24, kBiRgb, 0},
      {"BMP2 core header 24 bits", "BMP2:", 24, kBiRgb, 0},
      {"BMP3 1 bit", "-colors 2 -type Palette BMP3:", 1, kBiRgb, 0},
      {"BMP3 4 bits", "-colors 9 -type Palette BMP3:", 4, kBiRgb, 0},
      {"BMP3 8 bits", "-colors 200 -type Palette BMP3:", 8, kBiRgb, 0},
      {"BMP2 core header 8 bits", "-colors 200 -type Palette BMP2:", 8, kBiRgb, 0},
      {"BMP3 run-length 8 bits", "-colors 200 -compress RLE BMP3:", 8, kBiRle8, 0},
      {"BMP4 124-byte header 16-bit bit fields 5-6-5", "-define bmp:subtype=RGB565 BMP:", 16,
       kBiBitfields, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(
        RunCommand(std::string(kConvert) + " '" + source_ + "' " + c.options + "'" + file_ + "'"));
    TFastDIB dib;
    ASSERT_EQ(dib.LoadFromFile(file_), BmpStatus::kOk);
    EXPECT_EQ(dib.Bpp(), c.bpp);
    EXPECT_EQ(dib.Info.Header.Compression, c.compression == kBiRle8 ? kBiRgb : c.compression);
    const std::vector<uint8_t> rgb = MagickPixels(file_);
    ASSERT_EQ(rgb.size(), size_t(37 * 23 * 3));
    int mismatches = 0;
    std::string first;
    for (int32_t y = 0; y < 23; ++y) {
      for (int32_t x = 0; x < 37; ++x) {
        const uint32_t ours = test::ShownAt(dib, x, y);
        const uint8_t* theirs = &rgb[(size_t(y) * 37 + size_t(x)) * 3];
        for (int ch = 0; ch < 3; ++ch) {
          const uint32_t mine = (ours >> (16 - 8 * ch)) & 255;
          // ImageMagick widens 5 or 6 bits by scaling, we by shifting;
          // both must come from the same stored value.
          const int bits = c.shift == 0 ? 8 : (ch == 1 ? 6 : 5);
          const uint32_t stored =
              c.shift == 0 ? theirs[ch] : (theirs[ch] * ((1u << bits) - 1) + 127) / 255;
          const uint32_t ourStored = c.shift == 0 ? mine : mine >> (8 - bits);
          if (stored != ourStored && mismatches++ == 0) {
            first = std::to_string(x) + "," + std::to_string(y) + " channel " + std::to_string(ch) +
                    ": ours " + std::to_string(mine) + ", ImageMagick " +
                    std::to_string(theirs[ch]);
          }
        }
      }
    }
    EXPECT_EQ(mismatches, 0) << "first: " << first;
  }
}

// ImageMagick 6.9 writes BMP3 5-6-5 files that announce bit fields but hold
// no masks, so the pixels sit where the masks should be. Such a file is
// refused rather than read with pixel bytes for masks.
TEST_F(ImageMagickCross, ItsBitFieldsFileWithoutMasksIsRefused) {
  ASSERT_TRUE(RunCommand(std::string(kConvert) + " '" + source_ +
                         "' -define bmp:subtype=RGB565 BMP3:'" + file_ + "'"));
  TFastDIB dib;
  EXPECT_EQ(dib.LoadFromFile(file_), BmpStatus::kUnsupported);
}

TEST_F(ImageMagickCross, OurBitmapsReadBackIdenticallyInImageMagick) {
  for (int bpp : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE("bpp " + std::to_string(bpp));
    TFastDIB dib;
    ASSERT_TRUE(dib.SetSizeEx(nullptr, 37, 23, bpp, bpp == 16 ? 5 : 0, bpp == 16 ? 6 : 0,
                              bpp == 16 ? 5 : 0));
    for (uint32_t i = 0; i < dib.ImageSize(); ++i) dib.Bits()[i] = uint8_t(i * 151 + 7);
    for (int32_t y = 0; y < dib.AbsHeight && bpp == 32; ++y)
      for (int32_t x = 0; x < 37; ++x) dib.Row(y)[4 * x + 3] = 0;
    for (int i = 0; i < 256 && bpp <= 8; ++i)
      dib.Colors[i] = RgbQuad{uint8_t(i * 3), uint8_t(255 - i), uint8_t(i * 5), 0};
    ASSERT_TRUE(dib.SaveToFile(file_));
    const std::vector<uint8_t> rgb = MagickPixels(file_);
    ASSERT_EQ(rgb.size(), size_t(37 * 23 * 3));
    int mismatches = 0;
    for (int32_t y = 0; y < 23; ++y) {
      for (int32_t x = 0; x < 37; ++x) {
        const uint32_t ours = test::ShownAt(dib, x, y);
        const uint8_t* theirs = &rgb[(size_t(y) * 37 + size_t(x)) * 3];
        for (int ch = 0; ch < 3; ++ch) {
          const uint32_t mine = (ours >> (16 - 8 * ch)) & 255;
          const int bits = bpp == 16 ? (ch == 1 ? 6 : 5) : 8;
          const uint32_t stored = (theirs[ch] * ((1u << bits) - 1) + 127) / 255;
          if (stored != mine >> (8 - bits)) {
            if (mismatches++ == 0) {
              ADD_FAILURE() << x << "," << y << " channel " << ch << ": ours " << mine
                            << ", ImageMagick " << int(theirs[ch]);
            }
          }
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}

}  // namespace
}  // namespace imaging::test
