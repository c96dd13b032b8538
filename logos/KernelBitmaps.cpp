#include "logos/KernelBitmaps.h"

#include <cstdlib>
#include <limits>

#include "imaging/BitmapInfo.h"
#include "win/Editions.h"
#include "win/VersionRule.h"

namespace logos {

namespace {

constexpr uint64_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint16_t kBitmapMagic = 0x4D42;  // "BM"

// What a packed bitmap's header says about where its parts lie.
struct DibLayout {
  uint32_t headerBytes = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitsPerPixel = 0;
  uint32_t compression = 0;
  uint64_t paletteBytes = 0;
};

std::optional<DibLayout> ReadLayout(core::ByteSpan dib) {
  DibLayout layout;
  const auto headerBytes = dib.U32(0);
  const auto width = dib.I32(4);
  const auto height = dib.I32(8);
  const auto bitsPerPixel = dib.U16(14);
  const auto compression = dib.U32(16);
  const auto colorsUsed = dib.U32(32);
  if (!headerBytes || !width || !height || !bitsPerPixel || !compression || !colorsUsed)
    return std::nullopt;
  if (*headerBytes < kInfoHeaderBytes) return std::nullopt;
  layout.headerBytes = *headerBytes;
  layout.width = *width;
  layout.height = *height;
  layout.bitsPerPixel = *bitsPerPixel;
  layout.compression = *compression;
  if (layout.bitsPerPixel <= 8) {
    const uint32_t most = 1u << layout.bitsPerPixel;
    if (*colorsUsed > most) return std::nullopt;
    layout.paletteBytes = uint64_t(*colorsUsed != 0 ? *colorsUsed : most) * 4;
  } else if (layout.compression == imaging::kBiBitfields &&
             layout.headerBytes == kInfoHeaderBytes) {
    layout.paletteBytes = 12;
  } else {
    layout.paletteBytes = uint64_t(*colorsUsed) * 4;
  }
  if (!dib.Contains(0, uint64_t(layout.headerBytes) + layout.paletteBytes)) return std::nullopt;
  return layout;
}

bool IsSixteenColours(const DibLayout& layout) {
  return layout.bitsPerPixel == kBootLogoBitsPerPixel && layout.paletteBytes == kBootPaletteBytes;
}

// The packed bitmap of a .bmp file, checked to start right after the file
// header and to have its pixels right after its palette.
std::optional<std::pair<core::ByteSpan, DibLayout>> PackedBitmapOf(core::ByteSpan file) {
  const auto magic = file.U16(0);
  const auto pixelOffset = file.U32(10);
  if (!magic || *magic != kBitmapMagic || !pixelOffset) return std::nullopt;
  const core::ByteSpan dib = file.Clamp(kFileHeaderBytes, file.Size());
  const std::optional<DibLayout> layout = ReadLayout(dib);
  if (!layout) return std::nullopt;
  if (*pixelOffset != kFileHeaderBytes + layout->headerBytes + layout->paletteBytes)
    return std::nullopt;
  return std::make_pair(dib, *layout);
}

std::vector<uint8_t> Bytes(core::ByteSpan span) {
  std::vector<uint8_t> bytes(span.Size());
  span.CopyTo(0, bytes.size(), bytes.data());
  return bytes;
}

// An uncompressed 16-colour bitmap file's pixel rows.
struct IndexedPixels {
  uint64_t firstPixel = 0;  // file offset of the first stored row
  uint64_t stride = 0;
  int64_t width = 0;
  int64_t rows = 0;
  bool bottomUp = true;

  // File offset of the byte holding pixel (x, y), y counted from the top.
  uint64_t ByteOf(int64_t x, int64_t y) const {
    const uint64_t row = uint64_t(bottomUp ? rows - 1 - y : y);
    return firstPixel + row * stride + uint64_t(x) / 2;
  }
};

std::optional<IndexedPixels> IndexedPixelsOf(core::ByteSpan file) {
  const auto packed = PackedBitmapOf(file);
  if (!packed) return std::nullopt;
  const DibLayout& layout = packed->second;
  if (!IsSixteenColours(layout) || layout.compression != imaging::kBiRgb || layout.width <= 0 ||
      layout.height == 0 || layout.height == std::numeric_limits<int32_t>::min())
    return std::nullopt;
  IndexedPixels pixels;
  pixels.width = layout.width;
  pixels.rows = std::llabs(layout.height);
  pixels.bottomUp = layout.height > 0;
  pixels.stride = (uint64_t(layout.width) * kBootLogoBitsPerPixel + 31) / 32 * 4;
  pixels.firstPixel = kFileHeaderBytes + layout.headerBytes + layout.paletteBytes;
  if (!file.Contains(pixels.firstPixel, pixels.stride * uint64_t(pixels.rows))) return std::nullopt;
  return pixels;
}

uint8_t IndexAt(const std::vector<uint8_t>& file, const IndexedPixels& pixels, int64_t x,
                int64_t y) {
  const uint8_t pair = file[size_t(pixels.ByteOf(x, y))];
  return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

}  // namespace

std::optional<std::vector<uint8_t>> DrawOverlay(core::ByteSpan logoFile, core::ByteSpan overlayFile,
                                                int x, int y) {
  const std::optional<IndexedPixels> logo = IndexedPixelsOf(logoFile);
  const std::optional<IndexedPixels> overlay = IndexedPixelsOf(overlayFile);
  if (!logo || !overlay) return std::nullopt;
  std::vector<uint8_t> drawn = Bytes(logoFile);
  const std::vector<uint8_t> source = Bytes(overlayFile);
  for (int64_t oy = 0; oy < overlay->rows; ++oy) {
    const int64_t ly = int64_t(y) + oy;
    if (ly < 0 || ly >= logo->rows) continue;
    for (int64_t ox = 0; ox < overlay->width; ++ox) {
      const int64_t lx = int64_t(x) + ox;
      if (lx < 0 || lx >= logo->width) continue;
      const uint8_t index = IndexAt(source, *overlay, ox, oy);
      uint8_t& pair = drawn[size_t(logo->ByteOf(lx, ly))];
      pair = lx % 2 == 0 ? uint8_t((pair & 0x0F) | (index << 4)) : uint8_t((pair & 0xF0) | index);
    }
  }
  return drawn;
}

int BootLogoBitmapId(int windowsVersion, int edition) {
  if (windowsVersion == win::kWindowsXP) return 1;
  return edition == win::k2000ProfessionalEdition ? 1 : 4;
}

int EditionOverlayBitmapId(int xpEdition) {
  return xpEdition == win::kXPHomeEdition ? 11 : 10;
}

std::optional<std::vector<uint8_t>> BitmapFileFromResource(core::ByteSpan resource,
                                                           const BootPalette* palette) {
  const std::optional<DibLayout> layout = ReadLayout(resource);
  if (!layout) return std::nullopt;
  if (palette != nullptr && !IsSixteenColours(*layout)) return std::nullopt;
  if (resource.Size() > std::numeric_limits<uint32_t>::max() - kFileHeaderBytes)
    return std::nullopt;
  const uint64_t fileBytes = kFileHeaderBytes + resource.Size();
  std::vector<uint8_t> file(fileBytes);
  core::ByteWriter writer(file.data(), file.size());
  bool ok =
      writer.PutU16(0, kBitmapMagic) && writer.PutU32(2, uint32_t(fileBytes)) &&
      writer.PutU32(6, 0) &&
      writer.PutU32(10, uint32_t(kFileHeaderBytes + layout->headerBytes + layout->paletteBytes)) &&
      writer.PutBytes(kFileHeaderBytes, resource);
  if (ok && palette != nullptr) {
    const auto colours = BootPaletteBytes(*palette);
    ok = writer.PutBytes(kFileHeaderBytes + layout->headerBytes,
                         core::ByteSpan(colours.data(), colours.size()));
  }
  if (!ok) return std::nullopt;
  return file;
}

std::optional<std::vector<uint8_t>> ResourceFromBitmapFile(core::ByteSpan file) {
  const auto packed = PackedBitmapOf(file);
  if (!packed) return std::nullopt;
  return Bytes(packed->first);
}

std::optional<BootPalette> LogoFilePalette(core::ByteSpan file) {
  const auto packed = PackedBitmapOf(file);
  if (!packed || !IsSixteenColours(packed->second)) return std::nullopt;
  return ReadBootPalette(packed->first, packed->second.headerBytes);
}

std::optional<std::vector<uint8_t>> OverlayResourceFromLogo(core::ByteSpan logoFile) {
  const auto packed = PackedBitmapOf(logoFile);
  if (!packed) return std::nullopt;
  const auto& [dib, layout] = *packed;
  if (!IsSixteenColours(layout) || layout.compression != imaging::kBiRgb) return std::nullopt;
  // A height of INT_MIN has no magnitude; no logo is that tall anyway.
  if (layout.height == std::numeric_limits<int32_t>::min()) return std::nullopt;
  const uint64_t rows = uint64_t(std::llabs(layout.height));
  if (layout.width <= kEditionOverlayX || rows <= uint64_t(kEditionOverlayY)) return std::nullopt;
  const uint64_t stride = (uint64_t(layout.width) * kBootLogoBitsPerPixel + 31) / 32 * 4;
  // Rows are stored bottom-up unless the height is negative.
  const uint64_t row = layout.height > 0 ? rows - 1 - kEditionOverlayY : kEditionOverlayY;
  const uint64_t pixels = uint64_t(layout.headerBytes) + layout.paletteBytes;
  const auto packedPair = dib.U8(pixels + row * stride + kEditionOverlayX / 2);
  if (!packedPair) return std::nullopt;
  const uint8_t index = kEditionOverlayX % 2 == 0 ? *packedPair >> 4 : *packedPair & 0x0F;

  const std::optional<core::ByteSpan> colours = dib.Sub(layout.headerBytes, kBootPaletteBytes);
  if (!colours) return std::nullopt;

  constexpr uint32_t kRowBytes = 4;
  std::vector<uint8_t> overlay(kInfoHeaderBytes + kBootPaletteBytes + kRowBytes);
  core::ByteWriter writer(overlay.data(), overlay.size());
  const bool ok = writer.PutU32(0, kInfoHeaderBytes) && writer.PutU32(4, 1) &&
                  writer.PutU32(8, 1) && writer.PutU16(12, 1) &&
                  writer.PutU16(14, kBootLogoBitsPerPixel) && writer.PutU32(16, imaging::kBiRgb) &&
                  writer.PutU32(20, kRowBytes) && writer.PutBytes(kInfoHeaderBytes, *colours);
  if (!ok) return std::nullopt;
  overlay[kInfoHeaderBytes + kBootPaletteBytes] = static_cast<uint8_t>(index << 4);
  return overlay;
}

}  // namespace logos
