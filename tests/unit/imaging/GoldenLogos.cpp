#include "GoldenLogos.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/FileIo.h"
#include "imaging/FastDIB.h"
#include "imaging/JpegFile.h"
#include "imaging/LogoPipeline.h"

namespace imaging::test::golden {

namespace {

// 211 x 157: colour ramps, a diagonal edge and pseudo-random noise, so the
// resizer, the box splitting and the dithering all have work to do.
void MakePicture(TFastDIB& picture) {
  picture.SetSize(211, 157, 24);
  uint32_t noise = 2024;
  for (int32_t y = 0; y < 157; ++y) {
    uint8_t* row = picture.DisplayRow(y);
    for (int32_t x = 0; x < 211; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const uint8_t n = uint8_t(noise >> 27);
      row[3 * x] = uint8_t(x * 255 / 210 ^ n);
      row[3 * x + 1] = uint8_t(y * 255 / 156 + n);
      row[3 * x + 2] = x > y ? uint8_t(200 - n) : uint8_t(40 + n);
    }
  }
}

std::string TempFile(const char* name) {
  const char* base = std::getenv("TMP");
  if (base == nullptr) base = std::getenv("TMPDIR");
  std::string directory = base != nullptr ? base : "/tmp";
  if (directory.back() != '/' && directory.back() != '\\') directory += '/';
  return directory + name;
}

uint64_t LogoHash(int32_t width, int32_t height, int bpp, bool fit) {
  TFastDIB picture;
  MakePicture(picture);
  LogoSpec spec;
  spec.Width = width, spec.Height = height, spec.Bpp = bpp, spec.Fit = fit;
  spec.Background = 0x00402010;
  const LogoCallbacks yes{nullptr, [](const std::string&) { return true; }};
  const std::string out = TempFile("quorlo-golden-logo.bmp");
  if (MakeLogoFromPicture(picture, spec, yes, out) != LogoResult::kMade) return 0;
  std::vector<uint8_t> bytes;
  core::ReadWholeFile(out, 1 << 24, bytes);
  std::remove(out.c_str());
  return bytes.empty() ? 0 : Hash(bytes.data(), bytes.size());
}

}  // namespace

uint64_t Hash(const uint8_t* data, size_t size) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 0x100000001b3ull;
  return hash;
}

uint64_t SixteenColourLogoHash() {
  return LogoHash(640, 480, 4, true);
}

uint64_t TwoHundredFiftySixColourLogoHash() {
  return LogoHash(320, 400, 8, false);
}

uint64_t JpegBitmapHash(const std::string& jpegFile) {
  TFastDIB picture;
  if (LoadJpegFile(jpegFile, picture) != JpegStatus::kOk) return 0;
  const std::vector<uint8_t> bytes = picture.FileBytes();
  return Hash(bytes.data(), bytes.size());
}

}  // namespace imaging::test::golden
