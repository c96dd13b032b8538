#include "imaging/LogoPipeline.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/FileIo.h"
#include "imaging/LogoPlacement.h"
#include "imaging/PaletteReduction.h"
#include "imaging/Resample.h"

namespace imaging {

RgbQuad LogoPalette16[16] = {};

namespace {

constexpr size_t kMaxPictureFileBytes = size_t(kMaxImageBytes) + 2 * 1024 * 1024;

void Say(const LogoCallbacks& callbacks, const char* text) {
  if (callbacks.Status) callbacks.Status(text);
}

LogoResult Fail(const LogoCallbacks& callbacks, LogoResult result = LogoResult::kFailed) {
  Say(callbacks, "Logo change aborted.");
  return result;
}

bool Fits(const TFastDIB& picture, const LogoSpec& spec) {
  return picture.Width() == spec.Width && picture.Height() == spec.Height &&
         picture.Bpp() == spec.Bpp;
}

// Draws the picture at the placement's size, centred on the logo.
bool PlacePicture(const TFastDIB& picture, PictureSize fullSize, const LogoSpec& spec,
                  TFastDIB& logo) {
  const LogoPlacement place =
      PlaceOnLogo(fullSize.Width, fullSize.Height, spec.Width, spec.Height, spec.Fit);
  if (place.Width() == picture.Width() && place.Height() == picture.AbsHeight) {
    // Resampling to the same size would blur and shift it (its step is
    // (w - 1) / w of a pixel): a picture placed at its own size is copied.
    return picture.Draw(logo, (spec.Width - picture.Width()) / 2,
                        (spec.Height - picture.AbsHeight) / 2);
  }
  // The resampler writes every byte of a pixel except the fourth of a
  // 32-bit one, which must not come from whatever the memory held.
  TFastDIB resized;
  resized.UseGDI = picture.UseGDI;
  return resized.SetSize(place.Width(), place.Height(), picture.Bpp(),
                         picture.Bpp() == 32 ? TFastDIB::NewPixels::kZeroed
                                             : TFastDIB::NewPixels::kOverwritten) &&
         SmoothResize(picture, resized) &&
         resized.Draw(logo, (spec.Width - resized.Width()) / 2,
                      (spec.Height - resized.AbsHeight) / 2);
}

// Steps 3 to 12 once the picture is known not to fit.
LogoResult Reformat(TFastDIB& picture, PictureSize fullSize, const LogoSpec& spec,
                    const LogoCallbacks& callbacks, const std::string& logoFile) {
  if (!callbacks.Ask || !callbacks.Ask(LogoQuestion(spec))) {
    Say(callbacks, "Logo change aborted.");
    return LogoResult::kDeclined;
  }
  if (picture.Bpp() < 24 && !ChangeBits(picture, 24)) return Fail(callbacks);

  Say(callbacks, "Creating new logo...");
  TFastDIB logo;
  logo.UseGDI = picture.UseGDI;
  if (!logo.SetSize(spec.Width, spec.Height, picture.Bpp())) return Fail(callbacks);
  logo.SetBrush(kBsSolid, spec.Background, 0);
  logo.FillRect(Rect{0, 0, spec.Width, spec.Height});

  Say(callbacks, "Smooth resizing...");
  if (!PlacePicture(picture, fullSize, spec, logo)) return Fail(callbacks);
  picture.TakeOver(logo);  // frees the big picture early; "picture" is now the logo

  Say(callbacks, "Optimising palette...");
  if (!ChangeBits(picture, spec.Bpp)) return Fail(callbacks);
  if (spec.KeepPalette) std::memcpy(LogoPalette16, picture.Colors, sizeof(LogoPalette16));
  if (!picture.SaveToFile(logoFile)) return Fail(callbacks, LogoResult::kNotWritten);
  Say(callbacks, "Finished.");
  return LogoResult::kMade;
}

}  // namespace

std::string LogoQuestion(const LogoSpec& spec) {
  char text[1024];
  std::snprintf(text, sizeof(text),
                "The logo you are changing must have the following specifications:\r\n\r\n"
                "     - a width of %d pixels\r\n     - a height of %d pixels\r\n"
                "     - a %.0f colour palette\r\n\r\n"
                "The picture you selected does not have these specifications.\r\n\r\n"
                "Would you like to reformat the picture (does not overwrite original file) \r\n"
                "to the right specifications which involves a smooth resize, and a palette\r\n"
                "optimisation and dither?",
                int(spec.Width), int(spec.Height), double(1u << spec.Bpp));
  return text;
}

PictureSize SmallestDecodeSize(const LogoSpec& spec) {
  if (!spec.Fit) return {};
  return {spec.Width, spec.Height};
}

LogoResult MakeLogo(const std::string& pictureFile, const LogoSpec& spec,
                    const LogoCallbacks& callbacks, const std::string& logoFile,
                    BmpStatus* pictureStatus) {
  Say(callbacks, "Opening picture file...");
  std::vector<uint8_t> bytes;
  BmpStatus status = BmpStatus::kCannotOpen;
  TFastDIB picture;
  switch (core::ReadWholeFile(pictureFile, kMaxPictureFileBytes, bytes)) {
    case core::ReadResult::kOk:
      status = picture.LoadFromMemory(bytes.data(), bytes.size());
      break;
    case core::ReadResult::kTooLarge:
      status = BmpStatus::kBadGeometry;
      break;
    case core::ReadResult::kMissing:
    case core::ReadResult::kUnreadable:
    case core::ReadResult::kShortRead:
      break;
  }
  if (pictureStatus) *pictureStatus = status;
  if (status != BmpStatus::kOk) return Fail(callbacks, LogoResult::kPictureRefused);
  if (Fits(picture, spec)) {
    if (core::WriteFileReplacing(logoFile, bytes) != core::WriteResult::kOk) {
      return Fail(callbacks, LogoResult::kNotWritten);
    }
    if (spec.KeepPalette) std::memcpy(LogoPalette16, picture.Colors, sizeof(LogoPalette16));
    Say(callbacks, "Finished.");
    return LogoResult::kCopied;
  }
  bytes = std::vector<uint8_t>();
  return Reformat(picture, {picture.Width(), picture.AbsHeight}, spec, callbacks, logoFile);
}

LogoResult MakeLogoFromPicture(TFastDIB& picture, const LogoSpec& spec,
                               const LogoCallbacks& callbacks, const std::string& logoFile,
                               PictureSize fullSize) {
  Say(callbacks, "Opening picture file...");
  if (picture.Empty()) return Fail(callbacks, LogoResult::kPictureRefused);
  if (fullSize.Width <= 0 || fullSize.Height <= 0) fullSize = {picture.Width(), picture.AbsHeight};
  const bool decodedSmaller =
      fullSize.Width != picture.Width() || fullSize.Height != picture.AbsHeight;
  if (!decodedSmaller && Fits(picture, spec)) {
    if (!picture.SaveToFile(logoFile)) return Fail(callbacks, LogoResult::kNotWritten);
    if (spec.KeepPalette) std::memcpy(LogoPalette16, picture.Colors, sizeof(LogoPalette16));
    Say(callbacks, "Finished.");
    return LogoResult::kCopied;
  }
  return Reformat(picture, fullSize, spec, callbacks, logoFile);
}

}  // namespace imaging
