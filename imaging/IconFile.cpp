#include "imaging/IconFile.h"

#include <cstdlib>
#include <optional>

#include "core/ByteSpan.h"
#include "core/FileIo.h"
#include "imaging/BitmapInfo.h"

namespace imaging {

namespace {

constexpr size_t kMaxIconFileBytes = 16u * 1024 * 1024;
constexpr int32_t kMaxIconSide = 1024;

struct Entry {
  uint32_t offset = 0, length = 0;
  int width = 0, height = 0, bitCount = 0;
};

bool IsPng(core::ByteSpan image) {
  const std::optional<uint32_t> signature = image.U32(0);
  return signature && *signature == 0x474E5089u;
}

uint32_t RowBytesFor(int32_t width, int bpp) {
  return uint32_t((int64_t(width) * bpp + 31) / 32 * 4);
}

IconStatus DecodeImage(core::ByteSpan image, IconImage& out) {
  const std::optional<uint32_t> headerField = image.U32(0), compressionField = image.U32(16),
                                clrUsedField = image.U32(32);
  const std::optional<int32_t> widthField = image.I32(4), doubleHeightField = image.I32(8);
  const std::optional<uint16_t> planesField = image.U16(12), bppField = image.U16(14);
  if (!headerField || !widthField || !doubleHeightField || !planesField || !bppField ||
      !compressionField || !clrUsedField) {
    return IconStatus::kTruncated;
  }
  const uint32_t headerSize = *headerField, compression = *compressionField,
                 clrUsed = *clrUsedField;
  const int32_t width = *widthField, doubleHeight = *doubleHeightField;
  const uint16_t bpp = *bppField;
  if (headerSize != 40 || compression != kBiRgb) return IconStatus::kUnsupported;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return IconStatus::kUnsupported;
  // The height counts the colour image and the mask together.
  const int32_t height = doubleHeight / 2;
  if (width <= 0 || width > kMaxIconSide || doubleHeight <= 0 || height <= 0 ||
      height > kMaxIconSide) {
    return IconStatus::kUnsupported;
  }
  const uint32_t paletteEntries = bpp <= 8 ? (clrUsed != 0 ? clrUsed : 1u << bpp) : 0;
  if (bpp <= 8 && paletteEntries > (1u << bpp)) return IconStatus::kUnsupported;
  const size_t paletteAt = headerSize;
  const size_t colourAt = paletteAt + size_t(paletteEntries) * 4;
  const uint32_t colourRow = RowBytesFor(width, bpp), maskRow = RowBytesFor(width, 1);
  const size_t maskAt = colourAt + size_t(colourRow) * size_t(height);
  const std::optional<core::ByteSpan> colour =
      image.Sub(colourAt, uint64_t(colourRow) * uint64_t(height));
  if (!colour) return IconStatus::kTruncated;
  // 32-bit icons may leave the mask out: their alpha says everything.
  const std::optional<core::ByteSpan> mask =
      image.Sub(maskAt, uint64_t(maskRow) * uint64_t(height));
  const bool hasMask = mask.has_value();
  if (!hasMask && bpp != 32) return IconStatus::kTruncated;

  IconImage result;
  result.Width = width;
  result.Height = height;
  result.Colour.assign(size_t(width) * size_t(height), 0);
  result.Transparent.assign(size_t(width) * size_t(height), 0);
  for (int32_t row = 0; row < height; ++row) {
    // Stored bottom-up.
    const size_t line = size_t(height - 1 - row);
    for (int32_t x = 0; x < width; ++x) {
      const size_t rowStart = line * colourRow;
      uint32_t value = 0;
      if (bpp >= 24) {
        uint8_t p[4] = {0, 0, 0, 0};
        if (!colour->CopyTo(rowStart + size_t(x) * (bpp / 8), bpp / 8, p)) {
          return IconStatus::kTruncated;
        }
        value = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
                (uint32_t(p[3]) << 24);
        if (p[3] != 0) result.HasAlpha = true;
      } else {
        const std::optional<uint8_t> byte = colour->U8(rowStart + size_t(x) * bpp / 8);
        if (!byte) return IconStatus::kTruncated;
        const uint32_t index = bpp == 8   ? *byte
                               : bpp == 4 ? ((x & 1) ? *byte & 0x0F : *byte >> 4)
                                          : (*byte >> (7 - (x & 7))) & 1;
        // An index past the palette is kept black rather than refused.
        uint8_t entry[4] = {0, 0, 0, 0};
        if (index < paletteEntries && !image.CopyTo(paletteAt + uint64_t(index) * 4, 4, entry)) {
          return IconStatus::kTruncated;
        }
        value = uint32_t(entry[0]) | (uint32_t(entry[1]) << 8) | (uint32_t(entry[2]) << 16);
      }
      result.Colour[size_t(row) * size_t(width) + size_t(x)] = value;
      uint8_t maskByte = 0;
      if (hasMask) {
        const std::optional<uint8_t> stored = mask->U8(line * maskRow + size_t(x) / 8);
        if (!stored) return IconStatus::kTruncated;
        maskByte = *stored;
      }
      result.Transparent[size_t(row) * size_t(width) + size_t(x)] =
          uint8_t((maskByte >> (7 - (x & 7))) & 1);
    }
  }
  if (!result.HasAlpha && !hasMask) return IconStatus::kTruncated;
  out = std::move(result);
  return IconStatus::kOk;
}

}  // namespace

IconStatus ParseIcon(const uint8_t* data, size_t size, IconImage& out) {
  const core::ByteSpan file(data, size);
  const std::optional<uint16_t> reserved = file.U16(0), type = file.U16(2),
                                countField = file.U16(4);
  if (!reserved || !type || !countField) return IconStatus::kTruncated;
  const uint16_t count = *countField;
  if (*reserved != 0 || *type != 1 || count == 0) return IconStatus::kNotIcon;

  bool found = false;
  Entry best;
  IconStatus firstFailure = IconStatus::kUnsupported;
  for (uint16_t i = 0; i < count; ++i) {
    const size_t at = 6 + size_t(i) * 16;
    const std::optional<uint8_t> width = file.U8(at), height = file.U8(at + 1);
    const std::optional<uint16_t> bitCount = file.U16(at + 6);
    const std::optional<uint32_t> length = file.U32(at + 8), offset = file.U32(at + 12);
    if (!width || !height || !bitCount || !length || !offset) return IconStatus::kTruncated;
    Entry entry;
    entry.length = *length;
    entry.offset = *offset;
    // A stored 0 means 256.
    entry.width = *width == 0 ? 256 : *width;
    entry.height = *height == 0 ? 256 : *height;
    entry.bitCount = *bitCount;
    const std::optional<core::ByteSpan> image = file.Sub(entry.offset, entry.length);
    if (!image) {
      firstFailure = IconStatus::kTruncated;
      continue;
    }
    if (IsPng(*image)) continue;
    const auto distance = [](const Entry& e) {
      return std::abs(e.width - 32) + std::abs(e.height - 32);
    };
    if (!found || distance(entry) < distance(best) ||
        (distance(entry) == distance(best) && entry.bitCount > best.bitCount)) {
      best = entry;
      found = true;
    }
  }
  if (!found) return firstFailure;
  const std::optional<core::ByteSpan> image = file.Sub(best.offset, best.length);
  if (!image) return IconStatus::kTruncated;
  return DecodeImage(*image, out);
}

IconStatus ParseIconFile(const std::string& fileName, IconImage& out) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(fileName, kMaxIconFileBytes, bytes) != core::ReadResult::kOk) {
    return IconStatus::kCannotOpen;
  }
  return ParseIcon(bytes.data(), bytes.size(), out);
}

bool ComposeIcon(const IconImage& icon, uint32_t background, TFastDIB& out) {
  TFastDIB picture;
  picture.UseGDI = out.UseGDI;
  if (icon.Width <= 0 || icon.Height <= 0 ||
      icon.Colour.size() != size_t(icon.Width) * size_t(icon.Height) ||
      icon.Transparent.size() != icon.Colour.size() ||
      !picture.SetSize(icon.Width, icon.Height, 24)) {
    return false;
  }
  const uint32_t bgRed = background & 0xFF, bgGreen = (background >> 8) & 0xFF,
                 bgBlue = (background >> 16) & 0xFF;
  for (int32_t y = 0; y < icon.Height; ++y) {
    uint8_t* row = picture.DisplayRow(y);
    for (int32_t x = 0; x < icon.Width; ++x) {
      const size_t at = size_t(y) * size_t(icon.Width) + size_t(x);
      const uint32_t c = icon.Colour[at];
      uint32_t red = (c >> 16) & 0xFF, green = (c >> 8) & 0xFF, blue = c & 0xFF;
      if (icon.HasAlpha) {
        const uint32_t alpha = c >> 24;
        red = (red * alpha + bgRed * (255 - alpha) + 127) / 255;
        green = (green * alpha + bgGreen * (255 - alpha) + 127) / 255;
        blue = (blue * alpha + bgBlue * (255 - alpha) + 127) / 255;
      } else if (icon.Transparent[at]) {
        // DrawIcon: the screen is ANDed with the mask, then XORed with the
        // colour image, so a transparent pixel with colour inverts.
        red ^= bgRed, green ^= bgGreen, blue ^= bgBlue;
      }
      row[3 * x] = uint8_t(blue);
      row[3 * x + 1] = uint8_t(green);
      row[3 * x + 2] = uint8_t(red);
    }
  }
  out.TakeOver(picture);
  return true;
}

}  // namespace imaging
