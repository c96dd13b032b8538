// Reading and writing .bmp files. Header sizes 12 (core), 40 (info) and the
// later 52, 56, 108 and 124-byte versions (read as an info header with
// their masks; colour spaces are ignored) are accepted; JPEG or PNG inside a
// bitmap, more than one plane, bit-field masks that are not a contiguous
// red-green-blue layout from bit 0 up, and top-down run-length pictures are
// refused.

#include <cstring>
#include <optional>

#include "core/ByteSpan.h"
#include "core/FileIo.h"
#include "imaging/BmpRle.h"
#include "imaging/FastDIB.h"

namespace imaging {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kMaxFileBytes = size_t(kMaxImageBytes) + 2 * 1024 * 1024;

bool MasksMatchLayout(const uint32_t masks[3], int bpp) {
  const int red = MaskBits(masks[0]), green = MaskBits(masks[1]), blue = MaskBits(masks[2]);
  if (red == 0 || green == 0 || blue == 0 || red + green + blue > bpp) return false;
  // The pixel loops read 32-bit pixels as blue, green, red bytes.
  if (bpp == 32 && (red != 8 || green != 8 || blue != 8)) return false;
  TFastDIB probe;
  probe.UseGDI = false;
  if (!probe.SetSizeEx(nullptr, 1, 1, bpp, blue, green, red)) return false;
  return std::memcmp(probe.Colors, masks, 12) == 0;
}

BmpStatus ParseHeader(core::ByteSpan file, BitmapInfo& info, size_t& paletteAt, int& entryBytes) {
  const std::optional<uint32_t> sizeField = file.U32(kFileHeaderBytes);
  if (!sizeField) return BmpStatus::kTruncated;
  const uint32_t headerSize = *sizeField;
  if (headerSize == 12) {
    const std::optional<uint16_t> width = file.U16(18), height = file.U16(20),
                                  planes = file.U16(22), bitCount = file.U16(24);
    if (!width || !height || !planes || !bitCount) return BmpStatus::kTruncated;
    info.Header.Width = *width;
    info.Header.Height = *height;
    info.Header.Planes = *planes;
    info.Header.BitCount = *bitCount;
    info.Header.Compression = kBiRgb;
    paletteAt = kFileHeaderBytes + 12;
    entryBytes = 3;
    return BmpStatus::kOk;
  }
  if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124) {
    return BmpStatus::kNotBitmap;
  }
  const std::optional<core::ByteSpan> header = file.Sub(kFileHeaderBytes, headerSize);
  if (!header) return BmpStatus::kTruncated;
  const std::optional<int32_t> width = header->I32(4), height = header->I32(8),
                               xPelsPerMeter = header->I32(24), yPelsPerMeter = header->I32(28);
  const std::optional<uint16_t> planes = header->U16(12), bitCount = header->U16(14);
  const std::optional<uint32_t> compression = header->U32(16), sizeImage = header->U32(20),
                                clrUsed = header->U32(32), clrImportant = header->U32(36);
  if (!width || !height || !xPelsPerMeter || !yPelsPerMeter || !planes || !bitCount ||
      !compression || !sizeImage || !clrUsed || !clrImportant) {
    return BmpStatus::kTruncated;
  }
  BitmapInfoHeader& h = info.Header;
  // Whatever the file's header size, the picture is kept with an info header.
  h.Size = 40;
  h.Width = *width;
  h.Height = *height;
  h.Planes = *planes;
  h.BitCount = *bitCount;
  h.Compression = *compression;
  h.SizeImage = *sizeImage;
  h.XPelsPerMeter = *xPelsPerMeter;
  h.YPelsPerMeter = *yPelsPerMeter;
  h.ClrUsed = *clrUsed;
  h.ClrImportant = *clrImportant;
  paletteAt = kFileHeaderBytes + headerSize;
  entryBytes = 4;
  if (h.Compression == kBiBitfields) {
    // Masks follow a 40-byte header and are part of the longer ones; either
    // way they sit right after the first 40 bytes.
    if (!file.CopyTo(kFileHeaderBytes + 40, 12, info.Colors)) return BmpStatus::kTruncated;
    if (headerSize == 40) paletteAt += 12;
  }
  return BmpStatus::kOk;
}

BmpStatus CheckHeader(const BitmapInfoHeader& h) {
  const int bpp = h.BitCount;
  if (h.Planes != 1) return BmpStatus::kUnsupported;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    return BmpStatus::kUnsupported;
  }
  switch (h.Compression) {
    case kBiRgb:
      break;
    case kBiRle8:
      if (bpp != 8 || h.Height < 0) return BmpStatus::kUnsupported;
      break;
    case kBiRle4:
      if (bpp != 4 || h.Height < 0) return BmpStatus::kUnsupported;
      break;
    case kBiBitfields:
      if (bpp != 16 && bpp != 32) return BmpStatus::kUnsupported;
      break;
    default:
      return BmpStatus::kUnsupported;
  }
  if (h.Width <= 0 || h.Width > kMaxDimension || h.Height == 0 || h.Height < -kMaxDimension ||
      h.Height > kMaxDimension) {
    return BmpStatus::kBadGeometry;
  }
  if (bpp <= 8 && h.ClrUsed > (1u << bpp)) return BmpStatus::kBadPalette;
  return BmpStatus::kOk;
}

}  // namespace

const char* BmpStatusText(BmpStatus status) {
  switch (status) {
    case BmpStatus::kOk:
      return "loaded";
    case BmpStatus::kCannotOpen:
      return "the file cannot be read";
    case BmpStatus::kNotBitmap:
      return "not a Windows bitmap";
    case BmpStatus::kTruncated:
      return "the file is cut short";
    case BmpStatus::kUnsupported:
      return "a bitmap layout this program does not read";
    case BmpStatus::kBadGeometry:
      return "the width or height is zero, negative or too large";
    case BmpStatus::kBadPalette:
      return "more palette entries than the depth allows";
    case BmpStatus::kBadRunLength:
      return "damaged run-length data";
  }
  return "unknown";
}

BmpStatus TFastDIB::LoadFromFile(const std::string& fileName) {
  std::vector<uint8_t> bytes;
  switch (core::ReadWholeFile(fileName, kMaxFileBytes, bytes)) {
    case core::ReadResult::kOk:
      return LoadFromMemory(bytes.data(), bytes.size());
    case core::ReadResult::kTooLarge:
      return BmpStatus::kBadGeometry;
    case core::ReadResult::kMissing:
    case core::ReadResult::kUnreadable:
    case core::ReadResult::kShortRead:
      break;
  }
  return BmpStatus::kCannotOpen;
}

BmpStatus TFastDIB::LoadFromMemory(const uint8_t* data, size_t size) {
  const core::ByteSpan file(data, size);
  const std::optional<uint16_t> magic = file.U16(0);
  if (!magic) return BmpStatus::kTruncated;
  if (*magic != 0x4D42) return BmpStatus::kNotBitmap;
  const std::optional<uint32_t> pixelOffset = file.U32(10);
  if (!pixelOffset) return BmpStatus::kTruncated;

  BitmapInfo info{};
  size_t paletteAt = 0;
  int entryBytes = 4;
  BmpStatus status = ParseHeader(file, info, paletteAt, entryBytes);
  if (status != BmpStatus::kOk) return status;
  status = CheckHeader(info.Header);
  if (status != BmpStatus::kOk) return status;

  const int bpp = info.Header.BitCount;
  if (info.Header.Compression == kBiBitfields) {
    uint32_t masks[3];
    std::memcpy(masks, info.Colors, sizeof(masks));
    if (!MasksMatchLayout(masks, bpp)) return BmpStatus::kUnsupported;
  }
  if (bpp <= 8) {
    const uint32_t entries = info.Header.ClrUsed != 0 ? info.Header.ClrUsed : 1u << bpp;
    for (uint32_t i = 0; i < entries; ++i) {
      uint8_t entry[4] = {0, 0, 0, 0};
      if (!file.CopyTo(paletteAt + uint64_t(i) * uint64_t(entryBytes), uint64_t(entryBytes),
                       entry)) {
        return BmpStatus::kTruncated;
      }
      info.Colors[i] = RgbQuad{entry[0], entry[1], entry[2], 0};
    }
  }

  if (*pixelOffset > size) return BmpStatus::kTruncated;
  const std::optional<core::ByteSpan> pixels = file.Sub(*pixelOffset, size - *pixelOffset);
  if (!pixels) return BmpStatus::kTruncated;
  const bool runLength = info.Header.Compression == kBiRle8 || info.Header.Compression == kBiRle4;
  const int32_t absHeight = info.Header.Height < 0 ? -info.Header.Height : info.Header.Height;
  const uint64_t rowBytes = (uint64_t(info.Header.Width) * uint64_t(bpp) + 31) / 32 * 4;
  const uint64_t imageSize = rowBytes * uint64_t(absHeight);
  const uint64_t lastGap = rowBytes - (uint64_t(info.Header.Width) * uint64_t(bpp) + 7) / 8;
  if (imageSize > kMaxImageBytes) return BmpStatus::kBadGeometry;
  // Some writers leave off the padding after the last row; anything shorter
  // is a cut file. Checked before allocating, so a forged size costs nothing.
  if (!runLength && pixels->Size() < imageSize - lastGap) return BmpStatus::kTruncated;

  TFastDIB loaded;
  loaded.UseGDI = UseGDI;
  if (!loaded.SetSizeFromInfo(info)) return BmpStatus::kBadGeometry;
  if (runLength) {
    status = DecodeRunLength(*pixels, info.Header.Compression == kBiRle4, loaded);
    if (status != BmpStatus::kOk) return status;
  } else {
    const size_t needed = loaded.ImageSize();
    if (!pixels->CopyTo(0, pixels->Size() < needed ? pixels->Size() : needed, loaded.Bits())) {
      return BmpStatus::kTruncated;
    }
  }
  TakeOver(loaded);
  return BmpStatus::kOk;
}

std::vector<uint8_t> TFastDIB::FileBytes() const {
  if (bits_ == nullptr) return {};
  const BitmapInfoHeader& h = Info.Header;
  size_t paletteBytes = 0;
  if (h.ClrUsed != 0) {
    paletteBytes = size_t(h.ClrUsed) * 4;
  } else if (h.Compression == kBiBitfields) {
    paletteBytes = 12;
  } else if (Bpp() <= 8) {
    paletteBytes = size_t(4) << Bpp();
  }
  if (paletteBytes > sizeof(Info.Colors)) paletteBytes = sizeof(Info.Colors);
  const size_t imageSize = ImageSize();
  const size_t pixelOffset = kFileHeaderBytes + 40 + paletteBytes;
  const size_t fileSize = pixelOffset + imageSize;

  std::vector<uint8_t> bytes(fileSize);
  uint8_t* p = bytes.data();
  const auto put16 = [](uint8_t* at, uint32_t v) { at[0] = uint8_t(v), at[1] = uint8_t(v >> 8); };
  const auto put32 = [&](uint8_t* at, uint32_t v) { put16(at, v), put16(at + 2, v >> 16); };
  p[0] = 'B';
  p[1] = 'M';
  put32(p + 2, uint32_t(fileSize));
  put32(p + 6, 0);
  put32(p + 10, uint32_t(pixelOffset));
  std::memcpy(p + kFileHeaderBytes, &Info, 40 + paletteBytes);
  put32(p + kFileHeaderBytes + 20, uint32_t(imageSize));
  std::memcpy(p + pixelOffset, bits_, imageSize);
  return bytes;
}

bool TFastDIB::SaveToFile(const std::string& fileName) const {
  const std::vector<uint8_t> bytes = FileBytes();
  return !bytes.empty() && core::WriteFileReplacing(fileName, bytes) == core::WriteResult::kOk;
}

}  // namespace imaging
