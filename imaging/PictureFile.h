#pragma once
// Picture files the program reads, told apart by their extension as the
// picture dialog offers them.

#include <cstdint>
#include <string>

#include "imaging/FastDIB.h"

namespace imaging {

enum class PictureKind { kBitmap, kJpeg, kIcon, kEnhancedMetafile, kMetafile, kUnknown };

PictureKind PictureKindOf(const std::string& fileName);

// Bitmaps, JPEG pictures and icons, without GDI (icons laid over
// iconBackground, a COLORREF). Metafiles need GDI and are refused here, as is
// anything that does not load; reason says why. A JPEG picture may be
// decoded smaller, down to minSize (see LoadJpeg); fullSize (when given)
// receives the picture's own size.
bool LoadPortablePicture(const std::string& fileName, uint32_t iconBackground, TFastDIB& out,
                         std::string* reason = nullptr, PictureSize minSize = {},
                         PictureSize* fullSize = nullptr);

}  // namespace imaging
