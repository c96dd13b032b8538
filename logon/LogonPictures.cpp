#include "logon/LogonPictures.h"

namespace logon {

namespace {

constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;
// The largest colour table a header may announce; Windows reads no more.
constexpr uint32_t kMaxColours = 256;

bool KnownHeaderSize(uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

}  // namespace

std::optional<uint32_t> PackedBitmapBitsOffset(core::ByteSpan packed) {
  const std::optional<uint32_t> headerSize = packed.U32(0);
  if (!headerSize || !KnownHeaderSize(*headerSize) || !packed.Contains(0, *headerSize))
    return std::nullopt;
  if (*headerSize == kCoreHeaderSize) {
    const uint16_t bitCount = *packed.U16(10);
    const uint32_t colours = bitCount <= 8 ? (1u << bitCount) : 0;
    const uint32_t offset = kCoreHeaderSize + 3 * colours;
    if (!packed.Contains(0, offset)) return std::nullopt;
    return offset;
  }
  const uint16_t bitCount = *packed.U16(14);
  const uint32_t compression = *packed.U32(16);
  const uint32_t used = *packed.U32(32);
  uint32_t colours = used;
  if (bitCount <= 8 && (used == 0 || used > (1u << bitCount))) colours = 1u << bitCount;
  if (colours > kMaxColours) return std::nullopt;
  uint32_t masks = 0;
  // Only the 40-byte header keeps its colour masks after itself; the larger
  // ones hold them inside.
  if (*headerSize == kInfoHeaderSize && compression == kBiBitfields) masks = 12;
  if (*headerSize == kInfoHeaderSize && compression == kBiAlphaBitfields) masks = 16;
  const uint32_t offset = *headerSize + masks + 4 * colours;
  if (!packed.Contains(0, offset)) return std::nullopt;
  return offset;
}

std::vector<uint8_t> BitmapFileFromResource(core::ByteSpan resource) {
  const std::optional<uint32_t> bits = PackedBitmapBitsOffset(resource);
  const uint64_t fileSize = kBitmapFileHeaderSize + uint64_t{resource.Size()};
  if (!bits || fileSize > UINT32_MAX) return {};
  std::vector<uint8_t> file(static_cast<size_t>(fileSize));
  core::ByteWriter writer(file.data(), file.size());
  writer.PutU16(0, 0x4D42);  // "BM"
  writer.PutU32(2, static_cast<uint32_t>(fileSize));
  writer.PutU32(10, static_cast<uint32_t>(kBitmapFileHeaderSize) + *bits);
  writer.PutBytes(kBitmapFileHeaderSize, resource);
  return file;
}

BitmapResource ResourceFromBitmapFile(core::ByteSpan file) {
  const std::optional<uint16_t> signature = file.U16(0);
  if (!signature || *signature != 0x4D42 || file.Size() <= kBitmapFileHeaderSize)
    return {{}, "It is not a bitmap (BMP) file."};
  const core::ByteSpan packed = file.Clamp(kBitmapFileHeaderSize, file.Size());
  const std::optional<uint32_t> bits = PackedBitmapBitsOffset(packed);
  if (!bits) return {{}, "Its bitmap header is damaged or of an unknown kind."};
  if (*file.U32(10) != kBitmapFileHeaderSize + *bits)
    return {{}, "Its pixels do not follow its colour table, as a logon picture's must."};
  return {std::vector<uint8_t>(packed.Data(), packed.Data() + packed.Size()), {}};
}

}  // namespace logon
