#include "startmenu/VerticalLogo.h"

#include <algorithm>

#include "imaging/BmpStatus.h"

namespace startmenu {

namespace {

using core::ByteSpan;
using imaging::TFastDIB;

constexpr uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER: 3-byte colour entries
constexpr uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr uint32_t kBitfields = 3;

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

uint32_t PixelAt(const TFastDIB& dib, int32_t x, int32_t y) {
  const uint8_t* row = dib.DisplayRow(y);
  switch (dib.Bpp()) {
    case 1:
      return (row[x / 8] >> (7 - x % 8)) & 1u;
    case 4:
      return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu;
    default: {
      const int bytes = dib.Bpp() / 8;
      uint32_t value = 0;
      for (int i = 0; i < bytes; ++i) value |= uint32_t(row[size_t(x) * bytes + i]) << (8 * i);
      return value;
    }
  }
}

void SetPixel(TFastDIB& dib, int32_t x, int32_t y, uint32_t value) {
  uint8_t* row = dib.DisplayRow(y);
  switch (dib.Bpp()) {
    case 1: {
      const uint8_t bit = uint8_t(0x80u >> (x % 8));
      row[x / 8] = uint8_t(value ? row[x / 8] | bit : row[x / 8] & ~bit);
      break;
    }
    case 4: {
      const int shift = x % 2 == 0 ? 4 : 0;
      row[x / 2] = uint8_t((row[x / 2] & ~(0xF << shift)) | ((value & 0xF) << shift));
      break;
    }
    default: {
      const int bytes = dib.Bpp() / 8;
      for (int i = 0; i < bytes; ++i) row[size_t(x) * bytes + i] = uint8_t(value >> (8 * i));
    }
  }
}

}  // namespace

std::optional<size_t> PackedPixelOffset(ByteSpan dib) {
  const std::optional<uint32_t> headerSize = dib.U32(0);
  if (!headerSize) return std::nullopt;
  if (*headerSize == kCoreHeaderSize) {
    const std::optional<uint16_t> bpp = dib.U16(10);
    if (!bpp) return std::nullopt;
    const size_t colours = *bpp <= 8 ? size_t(1) << *bpp : 0;
    return kCoreHeaderSize + colours * 3;
  }
  if (*headerSize < kInfoHeaderSize || *headerSize > 124) return std::nullopt;
  const std::optional<uint16_t> bpp = dib.U16(14);
  const std::optional<uint32_t> compression = dib.U32(16);
  const std::optional<uint32_t> used = dib.U32(32);
  if (!bpp || !compression || !used || *used > 256) return std::nullopt;
  size_t table = 0;
  // The three masks follow only the short header; the longer ones hold them.
  if (*compression == kBitfields && *headerSize == kInfoHeaderSize) table = 12;
  const size_t colours = *used != 0 ? *used : (*bpp <= 8 ? size_t(1) << *bpp : 0);
  return *headerSize + table + colours * 4;
}

std::optional<std::vector<uint8_t>> BitmapFileOfResource(ByteSpan dib) {
  const std::optional<size_t> pixels = PackedPixelOffset(dib);
  if (!pixels || *pixels > dib.Size()) return std::nullopt;
  std::vector<uint8_t> file(kBitmapFileHeaderSize + dib.Size(), 0);
  file[0] = 'B';
  file[1] = 'M';
  PutU32(file, 2, uint32_t(file.size()));
  PutU32(file, 10, uint32_t(kBitmapFileHeaderSize + *pixels));
  std::copy(dib.Data(), dib.Data() + dib.Size(), file.begin() + kBitmapFileHeaderSize);
  TFastDIB check;
  check.UseGDI = false;
  if (check.LoadFromMemory(file.data(), file.size()) != imaging::BmpStatus::kOk)
    return std::nullopt;
  return file;
}

bool IsStorableLogo(ByteSpan file) {
  if (file.Size() <= kBitmapFileHeaderSize) return false;
  TFastDIB check;
  check.UseGDI = false;
  if (check.LoadFromMemory(file.Data(), file.Size()) != imaging::BmpStatus::kOk) return false;
  const std::optional<uint32_t> pixelsAt = file.U32(10);
  const std::optional<size_t> packed =
      PackedPixelOffset(file.Clamp(kBitmapFileHeaderSize, file.Size()));
  return pixelsAt && packed && *pixelsAt == kBitmapFileHeaderSize + *packed;
}

bool TurnQuarterClockwise(const TFastDIB& source, TFastDIB& out) {
  if (source.Empty()) return false;
  const int32_t width = source.Width();
  const int32_t height = source.AbsHeight;
  imaging::BitmapInfo info = source.Info;
  info.Header.Width = height;
  info.Header.Height = width;  // bottom-up, whatever the source's order
  TFastDIB turned;
  turned.UseGDI = out.UseGDI;
  if (!turned.SetSizeFromInfo(info)) return false;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) SetPixel(turned, height - 1 - y, x, PixelAt(source, x, y));
  }
  out.TakeOver(turned);
  return true;
}

std::optional<std::vector<uint8_t>> HorizontalDisplayCopy(ByteSpan dib) {
  const std::optional<std::vector<uint8_t>> file = BitmapFileOfResource(dib);
  if (!file) return std::nullopt;
  TFastDIB banner;
  banner.UseGDI = false;
  if (banner.LoadFromMemory(file->data(), file->size()) != imaging::BmpStatus::kOk)
    return std::nullopt;
  TFastDIB turned;
  turned.UseGDI = false;
  if (!TurnQuarterClockwise(banner, turned)) return std::nullopt;
  return turned.FileBytes();
}

}  // namespace startmenu
