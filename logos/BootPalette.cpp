#include "logos/BootPalette.h"

namespace logos {

namespace {

constexpr imaging::RgbQuad Rgb(uint8_t red, uint8_t green, uint8_t blue) {
  return {blue, green, red, 0};
}

}  // namespace

const BootPalette& BootPaletteSignature() {
  static const BootPalette signature = {
      Rgb(0, 0, 0),      Rgb(32, 26, 21),    Rgb(70, 70, 70),    Rgb(45, 62, 210),
      Rgb(83, 101, 1),   Rgb(178, 53, 5),    Rgb(126, 126, 126), Rgb(137, 146, 0),
      Rgb(94, 127, 252), Rgb(247, 107, 32),  Rgb(141, 166, 255), Rgb(142, 220, 4),
      Rgb(243, 188, 27), Rgb(188, 188, 188), Rgb(252, 252, 252), Rgb(255, 255, 255),
  };
  return signature;
}

std::array<uint8_t, kBootPaletteBytes> BootPaletteBytes(const BootPalette& palette) {
  std::array<uint8_t, kBootPaletteBytes> bytes{};
  for (size_t i = 0; i < palette.size(); ++i) {
    bytes[4 * i] = palette[i].Blue;
    bytes[4 * i + 1] = palette[i].Green;
    bytes[4 * i + 2] = palette[i].Red;
    bytes[4 * i + 3] = palette[i].Reserved;
  }
  return bytes;
}

BootPalette BootPaletteFromBytes(const std::array<uint8_t, kBootPaletteBytes>& bytes) {
  BootPalette palette{};
  for (size_t i = 0; i < palette.size(); ++i)
    palette[i] = {bytes[4 * i], bytes[4 * i + 1], bytes[4 * i + 2], bytes[4 * i + 3]};
  return palette;
}

std::optional<size_t> FindBootPalette(core::ByteSpan kernel) {
  const std::array<uint8_t, kBootPaletteBytes> wanted = BootPaletteBytes(BootPaletteSignature());
  const core::ByteSpan pattern(wanted.data(), wanted.size());
  if (kernel.Size() < wanted.size()) return std::nullopt;
  // A kernel is a few megabytes and the first byte rarely matches; a plain
  // scan is fast enough and reads nothing outside the image.
  const size_t last = kernel.Size() - wanted.size();
  for (size_t at = 0; at <= last; ++at) {
    if (kernel.U8(at) != wanted[0]) continue;
    const std::optional<core::ByteSpan> candidate = kernel.Sub(at, wanted.size());
    if (candidate && candidate->Equals(pattern)) return at;
  }
  return std::nullopt;
}

std::optional<BootPalette> ReadBootPalette(core::ByteSpan kernel, size_t offset) {
  std::array<uint8_t, kBootPaletteBytes> bytes{};
  if (!kernel.CopyTo(offset, bytes.size(), bytes.data())) return std::nullopt;
  return BootPaletteFromBytes(bytes);
}

}  // namespace logos
