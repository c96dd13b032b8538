#pragma once
// Icon (.ico) files: one image chosen from the directory, decoded without
// GDI so that both builds give the same pixels, and laid over a background
// colour the way DrawIcon shows it.
//
// Not handled: PNG-compressed images (Windows Vista and later put their
// 256-pixel images in PNG; smaller images beside them are still used) and
// compressed bitmaps inside icons.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/FastDIB.h"

namespace imaging {

struct IconImage {
  int32_t Width = 0;
  int32_t Height = 0;
  bool HasAlpha = false;
  // Top-down, 0x00RRGGBB per pixel (alpha in the top byte when HasAlpha).
  std::vector<uint32_t> Colour;
  // Top-down, true where the AND mask makes the pixel transparent.
  std::vector<uint8_t> Transparent;
};

enum class IconStatus { kOk, kCannotOpen, kNotIcon, kTruncated, kUnsupported };

// The image Windows shows at the standard 32 x 32 icon size: the entry
// closest to that size, then the one with more colours, then the first.
IconStatus ParseIcon(const uint8_t* data, size_t size, IconImage& out);
IconStatus ParseIconFile(const std::string& fileName, IconImage& out);

// A 24-bit bottom-up bitmap of the icon's size filled with background
// (COLORREF 0x00BBGGRR) with the icon drawn over it. False when the bitmap
// cannot be made.
bool ComposeIcon(const IconImage& icon, uint32_t background, TFastDIB& out);

}  // namespace imaging
