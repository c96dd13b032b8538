#pragma once
// The logon library keeps its pictures as RT_BITMAP resources: a bitmap file
// without its 14-byte file header. These turn one form into the other, so a
// picture read from the library can be shown as a bitmap file and a bitmap
// file the user chose can be stored as the resource.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteSpan.h"

namespace logon {

inline constexpr size_t kBitmapFileHeaderSize = 14;

// Bytes from the start of a packed bitmap (header, then masks and colour
// table, then the pixel rows) to its pixel rows; nothing when the bytes do
// not start with a bitmap header Windows knows (12, 40, 52, 56, 108 or 124
// bytes) or the colour table would not fit.
std::optional<uint32_t> PackedBitmapBitsOffset(core::ByteSpan packed);

// The bitmap file of a bitmap resource: the file header, then the resource.
// Empty when the resource is not a packed bitmap.
std::vector<uint8_t> BitmapFileFromResource(core::ByteSpan resource);

// A bitmap file made ready to be stored as a bitmap resource.
struct BitmapResource {
  std::vector<uint8_t> data;  // the file after its 14-byte header
  std::string problem;        // why the file cannot be stored, when data is empty
};

// The resource that shows the same picture as the bitmap file: its bytes
// after the file header, taken as they come whatever the size and depth. A
// file whose pixel rows do not follow its colour table directly is refused:
// Windows finds the rows of a bitmap resource right after the table, so the
// picture would come out shifted.
BitmapResource ResourceFromBitmapFile(core::ByteSpan file);

}  // namespace logon
