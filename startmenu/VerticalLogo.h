#pragma once
// The Start menu's vertical logo: the banner bitmap beside the classic Start
// menu, stored in the shell as a bitmap resource (a bitmap file without its
// 14-byte file header). Portable.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteSpan.h"
#include "imaging/FastDIB.h"

namespace startmenu {

constexpr uint32_t kBitmapResourceType = 2;  // RT_BITMAP
constexpr size_t kBitmapFileHeaderSize = 14;

// Shown when a chosen logo file cannot become the banner.
inline constexpr char kLogoNotLoadedMessage[] = "Could not load new Start Menu vertical logo!";

// Where the pixels of a packed bitmap (header, colour table, pixels, as a
// bitmap resource holds it) begin; empty when the header is cut short or of
// a size Windows does not know.
std::optional<size_t> PackedPixelOffset(core::ByteSpan dib);

// The bitmap file of a bitmap resource: the file header put back in front.
// Empty when the resource is no bitmap Windows can read.
std::optional<std::vector<uint8_t>> BitmapFileOfResource(core::ByteSpan dib);

// Whether a bitmap file can be stored as the banner as it stands: a bitmap
// the program reads whose pixels follow its colour table directly, since the
// resource keeps everything after the file header and Windows looks for the
// pixels right after the colour table.
bool IsStorableLogo(core::ByteSpan file);

// The picture turned a quarter clockwise: the pixel at column x, row y (from
// the top) goes to column H - 1 - y, row x of a picture H wide and W high.
// Same depth, colour table and masks. False, leaving out alone, for an
// empty source or one the picture object cannot be made for.
bool TurnQuarterClockwise(const imaging::TFastDIB& source, imaging::TFastDIB& out);

// The display copy of a banner resource: turned so the tall banner shows as
// a horizontal strip, as a bitmap file. Empty when the resource is no
// bitmap the program reads.
std::optional<std::vector<uint8_t>> HorizontalDisplayCopy(core::ByteSpan dib);

}  // namespace startmenu
