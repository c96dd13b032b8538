#pragma once
// Why a bitmap file was refused.

namespace imaging {

enum class BmpStatus {
  kOk,
  kCannotOpen,    // the file could not be opened or read
  kNotBitmap,     // no "BM" signature or an unknown header size
  kTruncated,     // the file ends before its header, palette or pixels do
  kUnsupported,   // depth, planes, compression or masks this program does not read
  kBadGeometry,   // zero, negative or too large width or height
  kBadPalette,    // more palette entries than the depth allows
  kBadRunLength,  // a run-length stream that is cut short or malformed
};

const char* BmpStatusText(BmpStatus status);

}  // namespace imaging
