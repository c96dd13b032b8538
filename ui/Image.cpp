#include "ui/Image.h"

namespace ui {

bool Image::Create(HWND parent, int x, int y, int width, int height) {
  return Window::Create(ChildArgs(parent, nullptr, "", x, y, width, height));
}

void Image::SetIcon(HICON icon) {
  if (icon != icon_.Get()) icon_.Reset(icon);
  Invalidate();
}

void Image::SetBitmap(HBITMAP bitmap, bool stretch) {
  bitmap_.Reset(bitmap);
  stretch_ = stretch;
  Invalidate();
}

void Image::OnPaint(HDC dc) {
  PaintHostBackground(dc);
  RECT client = ClientRect();
  if (icon_) {
    DrawIconEx(dc, 0, 0, icon_.Get(), client.right, client.bottom, 0, nullptr, DI_NORMAL);
  }
  if (bitmap_) {
    BITMAP info{};
    GetObjectA(bitmap_.Get(), sizeof info, &info);
    win::ScopedCompatibleDc source(dc);
    win::ScopedSelect select(source.Get(), bitmap_.Get());
    if (stretch_) {
      SetStretchBltMode(dc, HALFTONE);
      StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, info.bmWidth,
                 info.bmHeight, SRCCOPY);
    } else {
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    }
  }
}

}  // namespace ui
