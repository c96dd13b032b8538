#pragma once
// TFastDIB: a device-independent bitmap (header, 256-entry palette, pixel
// rows) with a table of row addresses, so the resizer and the palette
// reducer walk pixels directly. Pixel memory is portable; on Windows it lives
// in a DIB section selected into a memory DC so GDI can draw it too. Pixel
// results never depend on GDI: filling and drawing between bitmaps are done
// here, so both builds produce the same bytes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imaging/BitmapInfo.h"
#include "imaging/BmpStatus.h"

namespace imaging {

// GDI handles are opaque here so the portable core never sees <windows.h>.
using GdiHandle = void*;

constexpr uint32_t kBsSolid = 0;
constexpr uint32_t kBsNull = 1;
constexpr uint32_t kBsHatched = 2;

// The largest width or height accepted; the resizer's 16.16 steps overflow
// above it.
constexpr int32_t kMaxDimension = 32767;
// The largest pixel block accepted, so a forged header cannot make us
// allocate without bound.
constexpr uint64_t kMaxImageBytes = 512ull * 1024 * 1024;

// A picture's width and height in pixels.
struct PictureSize {
  int32_t Width = 0;
  int32_t Height = 0;
};

namespace surface {
// The DIB section a bitmap's pixels live in on Windows, with its memory DC
// and the brush selected into it (FastDIBSurface_win.cpp); released as one.
struct Section;
struct SectionRelease {
  void operator()(Section* section) const;
};
using SectionPointer = std::unique_ptr<Section, SectionRelease>;
}  // namespace surface

struct Rect {
  int32_t Left;
  int32_t Top;
  int32_t Right;
  int32_t Bottom;
};

class TFastDIB {
 public:
  TFastDIB();
  ~TFastDIB();
  TFastDIB(const TFastDIB&) = delete;
  TFastDIB& operator=(const TFastDIB&) = delete;

  // What a pixel block allocated without GDI holds: zeros, or, for a caller
  // about to write every pixel (a decoder), whatever the memory held, with
  // only the row padding zeroed so the bitmap's bytes never depend on it.
  // Zeroing a large picture first costs as much again as decoding into it.
  // A DIB section always comes zeroed.
  enum class NewPixels { kZeroed, kOverwritten };

  // False (and the object unchanged) for a depth other than 0, 1, 4, 8, 16,
  // 24, 32, a width or height of 0 or beyond kMaxDimension, or a pixel block
  // beyond kMaxImageBytes.
  bool SetSize(int32_t width, int32_t height, int bpp, NewPixels pixels = NewPixels::kZeroed);
  bool SetSizeEx(uint8_t* outsideMemory, int32_t width, int32_t height, int bpp, int blueBits,
                 int greenBits, int redBits, NewPixels pixels = NewPixels::kZeroed);
  bool SetSizeFromInfo(const BitmapInfo& info);

  // Reading and writing .bmp files (BmpFile.cpp). Every input is treated as
  // hostile: a refused file leaves the object as it was.
  BmpStatus LoadFromFile(const std::string& fileName);
  BmpStatus LoadFromMemory(const uint8_t* data, size_t size);
  // Written to a temporary file beside the target that replaces it only when
  // complete; false when nothing was written.
  bool SaveToFile(const std::string& fileName) const;
  // The whole file image SaveToFile writes.
  std::vector<uint8_t> FileBytes() const;

  // A brush for FillRect: style (kBsSolid, kBsNull, kBsHatched), colour as a
  // COLORREF (0x00BBGGRR), hatch style for hatched brushes.
  void SetBrush(uint32_t style, uint32_t color, uint32_t hatch);
  // Clipped to the picture; rows counted from the top as displayed. False
  // when the brush can only be painted by GDI and there is no DC.
  bool FillRect(const Rect& rect);
  // Copies this whole picture, unscaled and clipped, to (x, y) of target
  // (top-left as displayed). Both must have the same depth; false otherwise.
  bool Draw(TFastDIB& target, int32_t x, int32_t y) const;

  void TakeOver(TFastDIB& other);
  int64_t CountColors() const;

  int32_t Width() const { return Info.Header.Width; }
  int32_t Height() const { return Info.Header.Height; }
  int Bpp() const { return Info.Header.BitCount; }
  uint32_t ImageSize() const { return uint32_t(RowBytes) * uint32_t(AbsHeight); }
  uint8_t* Row(int32_t index) const { return Rows[size_t(index)]; }
  // Row of the displayed line y (0 = top), whatever the storage order.
  uint8_t* DisplayRow(int32_t y) const {
    return Rows[size_t(Info.Header.Height > 0 ? AbsHeight - 1 - y : y)];
  }
  bool Empty() const { return bits_ == nullptr; }
  // The first pixel row in memory; null while empty.
  uint8_t* Bits() const { return bits_; }
  // The memory DC the DIB section is selected into, the section and the
  // selected brush; null when the pixels are a plain allocation or the
  // caller's memory.
  GdiHandle Dc() const;
  GdiHandle Bitmap() const;
  GdiHandle Brush() const;
  // Whether the pixels are a plain allocation of this bitmap (neither a DIB
  // section nor the caller's memory).
  bool OwnsPlainPixels() const { return plainBits_ != nullptr; }

  int32_t RowBytes = 0;
  int32_t AbsHeight = 0;
  int32_t Gap = 0;
  RgbQuad* Colors = nullptr;
  BitmapInfo Info{};
  uint8_t BlueBits = 0, GreenBits = 0, RedBits = 0;
  uint8_t BlueShr = 0, GreenShr = 0, RedShr = 0;
  uint8_t GreenShl = 0, RedShl = 0;
  std::vector<uint8_t*> Rows;
  // Pixels in a DIB section with a DC when GDI is there; false keeps them
  // in a plain allocation.
  bool UseGDI = true;

  uint32_t BrushStyle = kBsSolid;
  uint32_t BrushColor = 0;
  uint32_t BrushHatch = 0;

 private:
  void ReleaseMemory();
  void Reset();
  void FillRows();

  // At most one of the two owns the pixels; bits_ may also be the caller's.
  std::unique_ptr<uint8_t[]> plainBits_;
  surface::SectionPointer section_;
  uint8_t* bits_ = nullptr;
};

// Channel count of a bit-field mask: highest set bit - lowest set bit + 1.
int MaskBits(uint32_t mask);

}  // namespace imaging
