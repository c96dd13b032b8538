#include "startmenu/LogoBitmap_win.h"

#include <cstdlib>

#include "core/ByteSpan.h"
#include "startmenu/VerticalLogo.h"

namespace startmenu {

namespace {

constexpr uint32_t kUncompressed = 0;  // BI_RGB
constexpr uint32_t kBitfields = 3;     // BI_BITFIELDS

}  // namespace

win::ScopedBitmap BitmapOfFileBytes(const std::vector<uint8_t>& file) {
  const core::ByteSpan bytes(file.data(), file.size());
  const std::optional<uint32_t> pixelsAt = bytes.U32(10);
  const std::optional<core::ByteSpan> dib =
      bytes.Sub(kBitmapFileHeaderSize,
                file.size() >= kBitmapFileHeaderSize ? file.size() - kBitmapFileHeaderSize : 0);
  if (!pixelsAt || !dib) return win::ScopedBitmap();
  const std::optional<size_t> colourTableEnd = PackedPixelOffset(*dib);
  if (!colourTableEnd || *colourTableEnd > dib->Size()) return win::ScopedBitmap();
  // Only the header Windows reads with the pixels: the info header's fields.
  const std::optional<uint32_t> headerSize = dib->U32(0);
  const std::optional<int32_t> width = dib->I32(4);
  const std::optional<int32_t> height = dib->I32(8);
  const std::optional<uint16_t> bpp = dib->U16(14);
  const std::optional<uint32_t> compression = dib->U32(16);
  if (!headerSize || *headerSize < sizeof(BITMAPINFOHEADER) || !width || !height || !bpp ||
      !compression || *width <= 0 || *width > 0x4000 || *height == 0 ||
      std::abs(int64_t(*height)) > 0x4000 || *bpp == 0 || *bpp > 32)
    return win::ScopedBitmap();
  if (*compression != kUncompressed && *compression != kBitfields) return win::ScopedBitmap();
  const uint64_t stride = (uint64_t(*width) * *bpp + 31) / 32 * 4;
  const std::optional<core::ByteSpan> pixels =
      bytes.Sub(*pixelsAt, stride * uint64_t(std::abs(int64_t(*height))));
  if (!pixels) return win::ScopedBitmap();
  HDC screen = GetDC(nullptr);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib->Data());
  HBITMAP bitmap =
      CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, pixels->Data(), info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return win::ScopedBitmap(bitmap);
}

win::ScopedBitmap BitmapOfFile(const std::string& path) {
  return win::ScopedBitmap(
      static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP shape{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof shape, &shape) == 0) return SIZE{0, 0};
  return SIZE{shape.bmWidth, shape.bmHeight};
}

}  // namespace startmenu
