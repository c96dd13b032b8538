#include "logos/LogoPictures_win.h"

namespace logos {

win::ScopedBitmap LoadBitmapFile(const std::string& path) {
  return win::ScopedBitmap(static_cast<HBITMAP>(LoadImageA(
      nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

win::ScopedBitmap TextPicture(int width, int height, const std::string& text) {
  HDC screen = GetDC(nullptr);
  win::ScopedBitmap picture(CreateCompatibleBitmap(screen, width, height));
  {
    win::ScopedCompatibleDc dc(screen);
    win::ScopedSelect selectPicture(dc.Get(), picture.Get());
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    LOGFONTA face{};
    face.lfHeight = -11;
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(face.lfFaceName, "Tahoma", LF_FACESIZE);
    win::ScopedFont font(CreateFontIndirectA(&face));
    win::ScopedSelect selectFont(dc.Get(), font.Get());
    SIZE size{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), int(text.size()), &size);
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(255, 255, 255));
    TextOutA(dc.Get(), (width - size.cx) / 2, (height - size.cy) / 2, text.c_str(),
             int(text.size()));
  }
  ReleaseDC(nullptr, screen);
  return picture;
}

win::ScopedBitmap CopyBitmap(HBITMAP bitmap) {
  if (bitmap == nullptr) return win::ScopedBitmap();
  return win::ScopedBitmap(
      static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace logos
