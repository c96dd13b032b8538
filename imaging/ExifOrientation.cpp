#include "imaging/ExifOrientation.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace imaging {

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;
// "Exif", two zero bytes, then the TIFF header.
constexpr uint8_t kExifSignature[6] = {'E', 'x', 'i', 'f', 0, 0};

// A TIFF structure in its own byte order ("II" little, "MM" big endian).
class TiffReader {
 public:
  TiffReader(core::ByteSpan tiff, bool bigEndian) : tiff_(tiff), bigEndian_(bigEndian) {}

  std::optional<uint16_t> U16(uint64_t at) const {
    const std::optional<uint16_t> value = tiff_.U16(at);
    if (!value || !bigEndian_) return value;
    return uint16_t((*value >> 8) | (*value << 8));
  }

  std::optional<uint32_t> U32(uint64_t at) const {
    const std::optional<uint16_t> low = U16(at), high = U16(at + 2);
    if (!low || !high) return std::nullopt;
    return bigEndian_ ? (uint32_t(*low) << 16) | *high : (uint32_t(*high) << 16) | *low;
  }

 private:
  core::ByteSpan tiff_;
  bool bigEndian_;
};

// Where source pixel (x, y) of a w x h picture goes in the upright one.
struct Mapping {
  int orientation;
  int32_t w, h;
  void Target(int32_t x, int32_t y, int32_t& tx, int32_t& ty) const {
    switch (orientation) {
      case 2:
        tx = w - 1 - x, ty = y;
        break;
      case 3:
        tx = w - 1 - x, ty = h - 1 - y;
        break;
      case 4:
        tx = x, ty = h - 1 - y;
        break;
      case 5:
        tx = y, ty = x;
        break;
      case 6:
        tx = h - 1 - y, ty = x;
        break;
      case 7:
        tx = h - 1 - y, ty = w - 1 - x;
        break;
      case 8:
        tx = y, ty = w - 1 - x;
        break;
      default:
        tx = x, ty = y;
        break;
    }
  }
};

}  // namespace

int ExifOrientation(core::ByteSpan app1) {
  const std::optional<core::ByteSpan> signature = app1.Sub(0, sizeof(kExifSignature));
  if (!signature || std::memcmp(signature->Data(), kExifSignature, sizeof(kExifSignature)) != 0) {
    return 1;
  }
  const core::ByteSpan tiff = app1.Clamp(sizeof(kExifSignature), app1.Size());
  const std::optional<uint16_t> order = tiff.U16(0);
  if (!order || (*order != 0x4949 && *order != 0x4D4D)) return 1;
  const TiffReader reader(tiff, *order == 0x4D4D);
  const std::optional<uint16_t> magic = reader.U16(2);
  const std::optional<uint32_t> firstDirectory = reader.U32(4);
  if (magic != 42 || !firstDirectory) return 1;
  const std::optional<uint16_t> count = reader.U16(*firstDirectory);
  if (!count) return 1;
  for (uint32_t i = 0; i < *count; ++i) {
    const uint64_t entry = uint64_t(*firstDirectory) + 2 + 12 * uint64_t(i);
    const std::optional<uint16_t> tag = reader.U16(entry), type = reader.U16(entry + 2);
    const std::optional<uint32_t> values = reader.U32(entry + 4);
    if (!tag || !type || !values) return 1;
    if (*tag != kOrientationTag) continue;
    // A SHORT value sits in the first two bytes of the value field.
    const std::optional<uint16_t> value = reader.U16(entry + 8);
    if (*type != kShortType || *values != 1 || !value || *value < 1 || *value > 8) return 1;
    return *value;
  }
  return 1;
}

bool TurnUpright(TFastDIB& picture, int orientation) {
  if (orientation < 2 || orientation > 8 || picture.Empty() || picture.Bpp() != 24) return true;
  const int32_t w = picture.Width(), h = picture.AbsHeight;
  const Mapping mapping{orientation, w, h};
  int32_t tx = 0, ty = 0;
  if (!SwapsSides(orientation)) {
    // In place: each pair of pixels that trade places is swapped once, by
    // the one of the two visited first in storage order.
    for (int32_t y = 0; y < h; ++y) {
      for (int32_t x = 0; x < w; ++x) {
        mapping.Target(x, y, tx, ty);
        if (ty < y || (ty == y && tx <= x)) continue;
        std::swap_ranges(picture.DisplayRow(y) + 3 * size_t(x),
                         picture.DisplayRow(y) + 3 * size_t(x) + 3,
                         picture.DisplayRow(ty) + 3 * size_t(tx));
      }
    }
    return true;
  }
  TFastDIB turned;
  turned.UseGDI = picture.UseGDI;
  if (!turned.SetSize(h, picture.Height() < 0 ? -w : w, 24, TFastDIB::NewPixels::kOverwritten)) {
    return false;
  }
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* in = picture.DisplayRow(y);
    for (int32_t x = 0; x < w; ++x, in += 3) {
      mapping.Target(x, y, tx, ty);
      std::memcpy(turned.DisplayRow(ty) + 3 * size_t(tx), in, 3);
    }
  }
  picture.TakeOver(turned);
  return true;
}

}  // namespace imaging
