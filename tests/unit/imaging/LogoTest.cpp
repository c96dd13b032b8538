#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "DibFactory.h"
#include "core/FileIo.h"
#include "imaging/LogoPipeline.h"
#include "imaging/LogoPlacement.h"

namespace imaging::test {
namespace {

using test::Hex;
using test::ShownAt;

TEST(LogoPlacement, ExamplesOnA640By480Screen) {
  const struct {
    const char* name;
    int32_t pw, ph, lw, lh;
    bool fit;
    int32_t left, top, width, height;
  } cases[] = {
      {"320x400 for a 9x logo, not fitted", 320, 400, 320, 400, false, 80, 33, 160, 333},
      {"1024x768 fitted to a 9x logo", 1024, 768, 320, 400, true, 0, 0, 320, 400},
      {"1024x768 fitted to the 2000/XP logo", 1024, 768, 640, 480, true, 0, 0, 640, 480},
      {"600x800 fitted to a 9x logo", 600, 800, 320, 400, true, 70, 0, 180, 400},
      {"1024x768 not fitted to a 9x logo", 1024, 768, 320, 400, false, -96, -120, 512, 640},
      {"640x480 not fitted to the 2000/XP logo", 640, 480, 640, 480, false, 0, 0, 640, 480},
      {"a one-pixel picture keeps one pixel", 1, 1, 320, 400, false, 160, 199, 1, 1},
  };
  for (const auto& c : cases) {
    const LogoPlacement p = PlaceOnLogo(c.pw, c.ph, c.lw, c.lh, c.fit);
    EXPECT_EQ(p.Left, c.left) << c.name;
    EXPECT_EQ(p.Top, c.top) << c.name;
    EXPECT_EQ(p.Width(), c.width) << c.name;
    EXPECT_EQ(p.Height(), c.height) << c.name;
  }
}

struct Recorder {
  std::vector<std::string> statuses;
  std::vector<std::string> questions;
  bool answer = true;
  LogoCallbacks Callbacks() {
    return LogoCallbacks{[this](const char* text) { statuses.push_back(text); },
                         [this](const std::string& q) {
                           questions.push_back(q);
                           return answer;
                         }};
  }
};

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::vector<uint8_t> bytes;
  core::ReadWholeFile(path, 1 << 26, bytes);
  return bytes;
}

class LogoPipelineTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::remove(picture_.c_str());
    std::remove(logo_.c_str());
  }
  void WritePicture(int32_t width, int32_t height, const std::vector<uint32_t>& topDown) {
    TFastDIB dib;
    test::Make24(dib, width, height, topDown);
    ASSERT_TRUE(dib.SaveToFile(picture_));
  }
  const std::string picture_ = test::TempPath("tmpbmp.bmp");
  const std::string logo_ = test::TempPath("_tempbmp.bmp");
};

TEST_F(LogoPipelineTest, AFittingPictureIsCopiedWithoutTheQuestion) {
  TFastDIB dib;
  ASSERT_TRUE(dib.SetSize(640, 480, 4));
  for (int i = 0; i < 16; ++i) dib.Colors[i] = RgbQuad{uint8_t(i * 16), uint8_t(i), 7, 0};
  dib.Bits()[100] = 0x3C;
  ASSERT_TRUE(dib.SaveToFile(picture_));
  std::memset(LogoPalette16, 0, sizeof(LogoPalette16));
  Recorder recorder;
  const LogoSpec spec{640, 480, 4, true, false, 0};
  EXPECT_EQ(MakeLogo(picture_, spec, recorder.Callbacks(), logo_), LogoResult::kCopied);
  EXPECT_TRUE(recorder.questions.empty());
  EXPECT_EQ(ReadAll(logo_), ReadAll(picture_));
  EXPECT_EQ(LogoPalette16[15].Blue, 240);
  EXPECT_EQ(recorder.statuses, (std::vector<std::string>{"Opening picture file...", "Finished."}));
}

TEST_F(LogoPipelineTest, AnsweringNoLeavesTheLogoFileAlone) {
  WritePicture(2, 2, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000});
  ASSERT_EQ(core::WriteFileReplacing(logo_, std::vector<uint8_t>{1, 2, 3}), core::WriteResult::kOk);
  Recorder recorder;
  recorder.answer = false;
  EXPECT_EQ(MakeLogo(picture_, LogoSpec{320, 400, 8, false, false, 0}, recorder.Callbacks(), logo_),
            LogoResult::kDeclined);
  EXPECT_EQ(ReadAll(logo_), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(recorder.statuses,
            (std::vector<std::string>{"Opening picture file...", "Logo change aborted."}));
  ASSERT_EQ(recorder.questions.size(), 1u);
  EXPECT_EQ(recorder.questions[0],
            "The logo you are changing must have the following specifications:\r\n\r\n"
            "     - a width of 320 pixels\r\n     - a height of 400 pixels\r\n"
            "     - a 256 colour palette\r\n\r\n"
            "The picture you selected does not have these specifications.\r\n\r\n"
            "Would you like to reformat the picture (does not overwrite original file) \r\n"
            "to the right specifications which involves a smooth resize, and a palette\r\n"
            "optimisation and dither?");
}

TEST_F(LogoPipelineTest, APictureIsPlacedOnTheBackground) {
  // 320 x 400 red, not fitted: 160 x 333 at (80, 33) on blue.
  WritePicture(320, 400, std::vector<uint32_t>(320 * 400, 0xFF0000));
  Recorder recorder;
  const LogoSpec spec{320, 400, 8, false, false, 0x00FF0000};
  ASSERT_EQ(MakeLogo(picture_, spec, recorder.Callbacks(), logo_), LogoResult::kMade);
  EXPECT_EQ(recorder.statuses,
            (std::vector<std::string>{"Opening picture file...", "Creating new logo...",
                                      "Smooth resizing...", "Optimising palette...", "Finished."}));
  TFastDIB logo;
  ASSERT_EQ(logo.LoadFromFile(logo_), BmpStatus::kOk);
  EXPECT_EQ(logo.Width(), 320);
  EXPECT_EQ(logo.Height(), 400);
  EXPECT_EQ(logo.Bpp(), 8);
  const struct {
    int32_t x, y;
    const char* colour;
  } probes[] = {{79, 200, "0000FF"},  {80, 200, "FF0000"}, {239, 200, "FF0000"},
                {240, 200, "0000FF"}, {160, 32, "0000FF"}, {160, 33, "FF0000"},
                {160, 365, "FF0000"}, {160, 366, "0000FF"}};
  for (const auto& p : probes) {
    EXPECT_EQ(Hex(ShownAt(logo, p.x, p.y)), p.colour) << p.x << "," << p.y;
  }
}

TEST_F(LogoPipelineTest, FittedTallPictureIsCentredAndWidePictureIsCut) {
  WritePicture(6, 8, std::vector<uint32_t>(48, 0x00FF00));
  Recorder recorder;
  ASSERT_EQ(MakeLogo(picture_, LogoSpec{320, 400, 8, false, true, 0}, recorder.Callbacks(), logo_),
            LogoResult::kMade);
  TFastDIB tall;
  ASSERT_EQ(tall.LoadFromFile(logo_), BmpStatus::kOk);
  EXPECT_EQ(Hex(ShownAt(tall, 69, 10)), "000000");
  EXPECT_EQ(Hex(ShownAt(tall, 70, 10)), "00FF00");
  EXPECT_EQ(Hex(ShownAt(tall, 249, 399)), "00FF00");
  EXPECT_EQ(Hex(ShownAt(tall, 250, 10)), "000000");

  // Left half red, right half green; 1024 x 768 becomes 512 x 640 and
  // only its central 320 x 400 remain.
  std::vector<uint32_t> halves(size_t(1024) * 768);
  for (size_t i = 0; i < halves.size(); ++i) halves[i] = (i % 1024) < 512 ? 0xFF0000 : 0x00FF00;
  WritePicture(1024, 768, halves);
  ASSERT_EQ(MakeLogo(picture_, LogoSpec{320, 400, 4, false, false, 0}, recorder.Callbacks(), logo_),
            LogoResult::kMade);
  TFastDIB cut;
  ASSERT_EQ(cut.LoadFromFile(logo_), BmpStatus::kOk);
  EXPECT_EQ(cut.Bpp(), 4);
  EXPECT_EQ(Hex(ShownAt(cut, 0, 0)), "FF0000");
  EXPECT_EQ(Hex(ShownAt(cut, 158, 399)), "FF0000");
  EXPECT_EQ(Hex(ShownAt(cut, 161, 0)), "00FF00");
  EXPECT_EQ(Hex(ShownAt(cut, 319, 399)), "00FF00");
}

// A picture placed at its own size is copied pixel for pixel: no blur, no
// shift, no new colours, whatever its depth.
TEST_F(LogoPipelineTest, APicturePlacedAtItsOwnSizeIsCopiedExactly) {
  const uint32_t kBackground = 0x00402010;  // COLORREF: shown as 102040
  const uint32_t kColours[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
  const struct {
    const char* what;
    int bpp;
    int32_t width, height;
    bool fit;
  } cases[] = {
      {"24 bits, a dot at the right edge", 24, 97, 61, false},
      {"8 bits", 8, 64, 48, false},
      {"4 bits, five colours", 4, 83, 59, false},
      {"1 bit", 1, 70, 50, false},
      {"640 x 480 fitted to the logo it fills", 24, 640, 480, true},
  };
  for (const auto& c : cases) {
    TFastDIB picture;
    ASSERT_TRUE(picture.SetSize(c.width, c.height, c.bpp)) << c.what;
    const int colours = c.bpp == 1 ? 2 : 5;
    if (c.bpp <= 8) {
      for (int i = 0; i < colours; ++i) {
        picture.Colors[i] =
            RgbQuad{uint8_t(kColours[i]), uint8_t(kColours[i] >> 8), uint8_t(kColours[i] >> 16), 0};
      }
    }
    // Mostly the first colour, with single pixels of the others, one of
    // them in the last column.
    std::vector<uint32_t> shown(size_t(c.width) * size_t(c.height), kColours[0]);
    for (int32_t y = 0; y < c.height; ++y) {
      for (int32_t x = 0; x < c.width; ++x) {
        const bool dot = (x * 7 + y * 3) % 11 == 0 || x == c.width - 1;
        const int index = dot ? 1 + (x + y) % (colours - 1) : 0;
        shown[size_t(y) * size_t(c.width) + size_t(x)] = kColours[index];
        uint8_t* row = picture.DisplayRow(y);
        switch (c.bpp) {
          case 24:
            row[3 * x] = uint8_t(kColours[index]), row[3 * x + 1] = uint8_t(kColours[index] >> 8),
                    row[3 * x + 2] = uint8_t(kColours[index] >> 16);
            break;
          case 8:
            row[x] = uint8_t(index);
            break;
          case 4:
            row[x / 2] |= uint8_t(x % 2 ? index : index << 4);
            break;
          default:
            row[x / 8] |= uint8_t(index << (7 - x % 8));
        }
      }
    }
    ASSERT_TRUE(picture.SaveToFile(picture_)) << c.what;
    Recorder recorder;
    ASSERT_EQ(MakeLogo(picture_, LogoSpec{640, 480, 4, true, c.fit, kBackground},
                       recorder.Callbacks(), logo_),
              LogoResult::kMade)
        << c.what;
    TFastDIB logo;
    ASSERT_EQ(logo.LoadFromFile(logo_), BmpStatus::kOk) << c.what;
    const int32_t left = (640 - c.width) / 2, top = (480 - c.height) / 2;
    int wrong = 0;
    for (int32_t y = 0; y < 480; ++y) {
      for (int32_t x = 0; x < 640; ++x) {
        const bool inside = x >= left && x < left + c.width && y >= top && y < top + c.height;
        const uint32_t expected =
            inside ? shown[size_t(y - top) * size_t(c.width) + size_t(x - left)] : 0x102040;
        if (ShownAt(logo, x, y) != expected && wrong++ < 3) {
          ADD_FAILURE() << c.what << ": (" << x << ", " << y << ") is " << Hex(ShownAt(logo, x, y))
                        << ", not " << Hex(expected);
        }
      }
    }
    EXPECT_EQ(wrong, 0) << c.what;
  }
}

TEST_F(LogoPipelineTest, AMissingOrDamagedPictureFailsWithoutALogo) {
  Recorder recorder;
  BmpStatus status = BmpStatus::kOk;
  EXPECT_EQ(MakeLogo(picture_, LogoSpec{640, 480, 4, true, false, 0}, recorder.Callbacks(), logo_,
                     &status),
            LogoResult::kPictureRefused);
  EXPECT_EQ(status, BmpStatus::kCannotOpen);
  ASSERT_EQ(core::WriteFileReplacing(picture_, std::vector<uint8_t>{'B', 'M', 0, 0}),
            core::WriteResult::kOk);
  EXPECT_EQ(MakeLogo(picture_, LogoSpec{640, 480, 4, true, false, 0}, recorder.Callbacks(), logo_,
                     &status),
            LogoResult::kPictureRefused);
  EXPECT_EQ(status, BmpStatus::kTruncated);
  EXPECT_EQ(recorder.statuses.back(), "Logo change aborted.");
  EXPECT_TRUE(ReadAll(logo_).empty());
}

}  // namespace
}  // namespace imaging::test
