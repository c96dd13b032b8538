// quorlo-cli logo: the logo pipeline for scripts and benchmarks, with the
// reformatting question answered yes.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "imaging/LogoPipeline.h"
#include "imaging/PictureFile.h"

namespace cli {

namespace {

constexpr const char* kLogoUsage =
    "logo PICTURE OUT.bmp --size WxH --bpp 4|8 [--fit] [--background RRGGBB]";

bool ParseSize(const std::string& text, int32_t& width, int32_t& height) {
  const size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const auto w = ParseNumber(text.substr(0, x));
  const auto h = ParseNumber(text.substr(x + 1));
  if (!w || !h || *w == 0 || *h == 0 || *w > 32767 || *h > 32767) return false;
  width = int32_t(*w);
  height = int32_t(*h);
  return true;
}

// RRGGBB as written in HTML; the pipeline takes a COLORREF (0x00BBGGRR).
bool ParseColour(const std::string& text, uint32_t& colorref) {
  if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
    return false;
  }
  const uint32_t rgb = uint32_t(std::strtoul(text.c_str(), nullptr, 16));
  colorref = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
  return true;
}

}  // namespace

int RunLogo(const Arguments& arguments) {
  if (arguments.size() < 2) return UsageError(kLogoUsage);
  const std::string& picturePath = arguments[0];
  const std::string& outPath = arguments[1];
  imaging::LogoSpec spec;
  bool haveSize = false, haveBpp = false;
  for (size_t i = 2; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (option == "--fit") {
      spec.Fit = true;
    } else if (option == "--size" && hasValue) {
      if (!ParseSize(arguments[++i], spec.Width, spec.Height)) return UsageError(kLogoUsage);
      haveSize = true;
    } else if (option == "--bpp" && hasValue) {
      const std::string& bpp = arguments[++i];
      if (bpp != "4" && bpp != "8") return UsageError(kLogoUsage);
      spec.Bpp = bpp == "4" ? 4 : 8;
      haveBpp = true;
    } else if (option == "--background" && hasValue) {
      if (!ParseColour(arguments[++i], spec.Background)) return UsageError(kLogoUsage);
    } else {
      return UsageError(kLogoUsage);
    }
  }
  if (!haveSize || !haveBpp) return UsageError(kLogoUsage);
  spec.KeepPalette = spec.Bpp == 4;

  const imaging::LogoCallbacks yes{nullptr, [](const std::string&) { return true; }};
  imaging::LogoResult result;
  imaging::BmpStatus pictureStatus = imaging::BmpStatus::kOk;
  if (imaging::PictureKindOf(picturePath) == imaging::PictureKind::kBitmap) {
    // A bitmap that already fits is copied byte for byte, as the program does.
    result = imaging::MakeLogo(picturePath, spec, yes, outPath, &pictureStatus);
  } else {
    // A large photo that will be shrunk to fit is decoded at a reduced
    // scale; it is placed by its full size all the same.
    imaging::TFastDIB picture;
    imaging::PictureSize fullSize;
    std::string reason;
    if (!imaging::LoadPortablePicture(picturePath, spec.Background, picture, &reason,
                                      imaging::SmallestDecodeSize(spec), &fullSize)) {
      return Fail(picturePath + ": " + reason);
    }
    result = imaging::MakeLogoFromPicture(picture, spec, yes, outPath, fullSize);
  }
  switch (result) {
    case imaging::LogoResult::kCopied:
      std::printf("%s: already %dx%d at %d bits, copied\n", outPath.c_str(), int(spec.Width),
                  int(spec.Height), spec.Bpp);
      return kExitOk;
    case imaging::LogoResult::kMade:
      return kExitOk;
    case imaging::LogoResult::kPictureRefused:
      return Fail(picturePath + ": " + imaging::BmpStatusText(pictureStatus));
    case imaging::LogoResult::kNotWritten:
      return Fail(outPath + ": cannot be written");
    case imaging::LogoResult::kDeclined:
    case imaging::LogoResult::kFailed:
      break;
  }
  return Fail(picturePath + ": too large to make a logo of");
}

}  // namespace cli
