#include "imaging/PictureFile.h"

#include <cctype>

#include "imaging/IconFile.h"
#include "imaging/JpegFile.h"

namespace imaging {

PictureKind PictureKindOf(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return PictureKind::kUnknown;
  }
  std::string extension;
  for (size_t i = dot + 1; i < fileName.size(); ++i) {
    extension += char(std::tolower(static_cast<unsigned char>(fileName[i])));
  }
  if (extension == "bmp") return PictureKind::kBitmap;
  if (extension == "jpg" || extension == "jpeg") return PictureKind::kJpeg;
  if (extension == "ico") return PictureKind::kIcon;
  if (extension == "emf") return PictureKind::kEnhancedMetafile;
  if (extension == "wmf") return PictureKind::kMetafile;
  return PictureKind::kUnknown;
}

bool LoadPortablePicture(const std::string& fileName, uint32_t iconBackground, TFastDIB& out,
                         std::string* reason, PictureSize minSize, PictureSize* fullSize) {
  bool loaded = false;
  switch (PictureKindOf(fileName)) {
    case PictureKind::kBitmap: {
      const BmpStatus status = out.LoadFromFile(fileName);
      if (status != BmpStatus::kOk && reason) *reason = BmpStatusText(status);
      loaded = status == BmpStatus::kOk;
      break;
    }
    case PictureKind::kJpeg:
      return LoadJpegFile(fileName, out, reason, minSize, fullSize) == JpegStatus::kOk;
    case PictureKind::kIcon: {
      IconImage icon;
      if (ParseIconFile(fileName, icon) != IconStatus::kOk) {
        if (reason) *reason = "not an icon this program reads";
        return false;
      }
      loaded = ComposeIcon(icon, iconBackground, out);
      break;
    }
    case PictureKind::kEnhancedMetafile:
    case PictureKind::kMetafile:
      if (reason) *reason = "metafiles are drawn by Windows only";
      return false;
    case PictureKind::kUnknown:
      if (reason) *reason = "unknown file type";
      return false;
  }
  if (loaded && fullSize) *fullSize = {out.Width(), out.AbsHeight};
  return loaded;
}

}  // namespace imaging
