#pragma once
// XP keeps the 16 colours of its boot screen apart from the boot logo, in a
// table inside the kernel image. The table is found by its shipped colours
// and rewritten in a kernel copy with the new logo's palette.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/ByteSpan.h"
#include "imaging/BitmapInfo.h"

namespace logos {

// Sixteen RGBQUADs (blue, green, red, 0): 64 bytes, as in a 4-bit bitmap.
using BootPalette = std::array<imaging::RgbQuad, 16>;
inline constexpr size_t kBootPaletteBytes = 64;

// The table as XP's kernel ships it.
const BootPalette& BootPaletteSignature();

std::array<uint8_t, kBootPaletteBytes> BootPaletteBytes(const BootPalette& palette);
BootPalette BootPaletteFromBytes(const std::array<uint8_t, kBootPaletteBytes>& bytes);

// Offset of the first copy of the shipped table in a kernel image; nothing
// when the kernel has none (a kernel whose logo this program cannot change).
std::optional<size_t> FindBootPalette(core::ByteSpan kernel);

// The 16 colours stored at offset; nothing when they do not fit.
std::optional<BootPalette> ReadBootPalette(core::ByteSpan kernel, size_t offset);

}  // namespace logos
