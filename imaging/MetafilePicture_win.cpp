#include "imaging/MetafilePicture_win.h"

#include <windows.h>

#include <vector>

#include "imaging/ByteReader.h"
#include "imaging/FileIo.h"

namespace quorlo::imaging {

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
  if (ReadWholeFile(fileName, kMaxMetafileBytes, bytes) != ReadStatus::kOk) return nullptr;
  const ByteReader file(bytes.data(), bytes.size());
  uint32_t key = 0;
  size_t start = 0;
  width = height = 0;
  if (file.U32(0, key) && key == kPlaceableKey) {
    uint16_t left, top, right, bottom, unitsPerInch;
    if (!file.U16(6, left) || !file.U16(8, top) || !file.U16(10, right) || !file.U16(12, bottom) ||
        !file.U16(14, unitsPerInch) || unitsPerInch == 0) {
      return nullptr;
    }
    const int perInch = ScreenPixelsPerInch();
    width = MulDiv(int16_t(right) - int16_t(left), perInch, unitsPerInch);
    height = MulDiv(int16_t(bottom) - int16_t(top), perInch, unitsPerInch);
    start = kPlaceableHeaderBytes;
  }
  ByteReader records;
  if (!file.Sub(start, bytes.size() - start, records) || records.Size() < 18) return nullptr;
  return SetWinMetaFileBits(UINT(records.Size()), bytes.data() + start, nullptr, nullptr);
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
  if (width > 0 && height > 0 && picture.SetSize(width, height, 24) && picture.DC != nullptr) {
    const RECT area{0, 0, width, height};
    drawn = PlayEnhMetaFile(static_cast<HDC>(picture.DC), metafile, &area) != 0;
    GdiFlush();
  }
  DeleteEnhMetaFile(metafile);
  if (!drawn) return false;
  out.TakeOver(picture);
  return true;
}

}  // namespace quorlo::imaging
