#pragma once
// The boot pictures inside the 2000/XP kernel: which bitmap resources they
// are, and the conversions between those resources, .bmp files and the
// 1 x 1 edition overlay written into a kernel copy.
//
// Only packed bitmaps with an info header of 40 bytes or more are taken
// (the kernel's and the logo pipeline's); a core header, a palette larger
// than the bit depth allows, or pixels that do not follow the palette are
// refused rather than guessed at.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/ByteSpan.h"
#include "logos/BootPalette.h"

namespace logos {

inline constexpr int kBootLogoWidth = 640;
inline constexpr int kBootLogoHeight = 480;
inline constexpr int kBootLogoBitsPerPixel = 4;

// XP draws its edition overlay over the logo here.
inline constexpr int kEditionOverlayX = 220;
inline constexpr int kEditionOverlayY = 272;

// The kernel's logo bitmap: 1 on XP (WindowsVersion 5) and on 2000
// Professional (edition 3), 4 on 2000's server editions.
int BootLogoBitmapId(int windowsVersion, int edition);
// XP's edition overlay: 11 for Home (edition 1), 10 for Professional.
int EditionOverlayBitmapId(int xpEdition);

// A .bmp file holding a bitmap resource: the 14-byte file header, then the
// resource. With a palette, the resource must be a 16-colour bitmap and its
// colours are replaced (XP's logo resource carries placeholder colours; the
// real ones are the kernel's boot palette).
std::optional<std::vector<uint8_t>> BitmapFileFromResource(core::ByteSpan resource,
                                                           const BootPalette* palette = nullptr);

// The bitmap resource held by a .bmp file: the file after its 14-byte
// header, when its pixels follow the palette directly.
std::optional<std::vector<uint8_t>> ResourceFromBitmapFile(core::ByteSpan file);

// The palette of a 16-colour .bmp file (a boot logo).
std::optional<BootPalette> LogoFilePalette(core::ByteSpan file);

// The logo file with a 16-colour overlay file drawn into it at (x, y), its
// pixels' palette indices copied (both carry the boot palette when XP's
// screen is shown) and clipped at the logo's edges. Nothing when either is
// not an uncompressed 16-colour bitmap file.
std::optional<std::vector<uint8_t>> DrawOverlay(core::ByteSpan logoFile, core::ByteSpan overlayFile,
                                                int x, int y);

// The overlay resource for a kernel copy: a 1 x 1, 16-colour bitmap with
// the logo's palette and the logo's own pixel at the overlay position, so
// that the overlay shows nothing over the new logo.
std::optional<std::vector<uint8_t>> OverlayResourceFromLogo(core::ByteSpan logoFile);

}  // namespace logos
