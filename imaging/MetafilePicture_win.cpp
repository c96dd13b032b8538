#include "imaging/MetafilePicture_win.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "core/ByteSpan.h"
#include "core/FileIo.h"

namespace imaging {

namespace {

constexpr size_t kMaxMetafileBytes = 64u * 1024 * 1024;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr size_t kPlaceableHeaderBytes = 22;
constexpr int kHundredthsOfMmPerInch = 2540;

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int perInch = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return perInch > 0 ? perInch : 96;
}

// A Windows metafile, with or without the placeable (Aldus) header in front.
// Returns the enhanced form and, for placeable files, the size they state.
HENHMETAFILE ReadWindowsMetafile(const std::string& fileName, int& width, int& height) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(fileName, kMaxMetafileBytes, bytes) != core::ReadResult::kOk)
    return nullptr;
  const core::ByteSpan file(bytes.data(), bytes.size());
  size_t start = 0;
  width = height = 0;
  const std::optional<uint32_t> key = file.U32(0);
  if (key && *key == kPlaceableKey) {
    const std::optional<uint16_t> left = file.U16(6), top = file.U16(8), right = file.U16(10),
                                  bottom = file.U16(12), unitsPerInch = file.U16(14);
    if (!left || !top || !right || !bottom || !unitsPerInch || *unitsPerInch == 0) return nullptr;
    const int perInch = ScreenPixelsPerInch();
    width = MulDiv(int16_t(*right) - int16_t(*left), perInch, *unitsPerInch);
    height = MulDiv(int16_t(*bottom) - int16_t(*top), perInch, *unitsPerInch);
    start = kPlaceableHeaderBytes;
  }
  const std::optional<core::ByteSpan> records = file.Sub(start, bytes.size() - start);
  if (!records || records->Size() < 18) return nullptr;
  return SetWinMetaFileBits(UINT(records->Size()), records->Data(), nullptr, nullptr);
}

}  // namespace

bool LoadMetafilePicture(const std::string& fileName, bool enhanced, TFastDIB& out) {
  int width = 0, height = 0;
  HENHMETAFILE metafile =
      enhanced ? GetEnhMetaFileA(fileName.c_str()) : ReadWindowsMetafile(fileName, width, height);
  if (metafile == nullptr) return false;
  ENHMETAHEADER header{};
  if (GetEnhMetaFileHeader(metafile, sizeof(header), &header) == 0) {
    DeleteEnhMetaFile(metafile);
    return false;
  }
  if (width <= 0 || height <= 0) {
    const int perInch = ScreenPixelsPerInch();
    width = MulDiv(header.rclFrame.right - header.rclFrame.left, perInch, kHundredthsOfMmPerInch);
    height = MulDiv(header.rclFrame.bottom - header.rclFrame.top, perInch, kHundredthsOfMmPerInch);
  }
  TFastDIB picture;
  picture.UseGDI = true;
  bool drawn = false;
  if (width > 0 && height > 0 && picture.SetSize(width, height, 24) && picture.Dc() != nullptr) {
    const RECT area{0, 0, width, height};
    drawn = PlayEnhMetaFile(static_cast<HDC>(picture.Dc()), metafile, &area) != 0;
    GdiFlush();
  }
  DeleteEnhMetaFile(metafile);
  if (!drawn) return false;
  out.TakeOver(picture);
  return true;
}

}  // namespace imaging
