#pragma once
// Enhanced (.emf) and Windows (.wmf) metafiles, played by GDI into a 24-bit
// bitmap of the picture's size.

#include <string>

#include "imaging/FastDIB.h"

namespace imaging {

// The size is the metafile's frame at the screen's pixels per inch; the
// picture is drawn at (0, 0) over black. False when the file is no metafile
// GDI can play or its size is zero or too large.
bool LoadMetafilePicture(const std::string& fileName, bool enhanced, TFastDIB& out);

}  // namespace imaging
