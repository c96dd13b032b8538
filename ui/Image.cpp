#include "ui/Image.h"

namespace ui {

bool Image::Create(HWND parent, int x, int y, int width, int height) {
  CreateArgs args;
  args.parent = parent;
  args.x = x;
  args.y = y;
  args.width = width;
  args.height = height;
  return Window::Create(args);
}

Image::~Image() {
  if (icon_ != nullptr) DestroyIcon(icon_);
}

void Image::SetIcon(HICON icon) {
  if (icon_ != nullptr && icon_ != icon) DestroyIcon(icon_);
  icon_ = icon;
  Invalidate();
}

void Image::SetBitmap(HBITMAP bitmap, bool stretch) {
  bitmap_.Reset(bitmap);
  stretch_ = stretch;
  Invalidate();
}

void Image::Paint(HDC dc) {
  PaintHostBackground(dc);
  RECT client = ClientRect();
  if (icon_ != nullptr) {
    DrawIconEx(dc, 0, 0, icon_, client.right, client.bottom, 0, nullptr, DI_NORMAL);
  }
  if (bitmap_) {
    BITMAP info{};
    GetObjectA(bitmap_.Get(), sizeof info, &info);
    ScopedCompatibleDc source(dc);
    ScopedSelect select(source.Get(), bitmap_.Get());
    if (stretch_) {
      SetStretchBltMode(dc, HALFTONE);
      StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, info.bmWidth,
                 info.bmHeight, SRCCOPY);
    } else {
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
    }
  }
}

LRESULT Image::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleBufferedPaint(Hwnd(), Width(), Height(), msg, wParam, &result,
                          [this](HDC dc) { Paint(dc); }))
    return result;
  return Control::WndProc(msg, wParam, lParam);
}

}  // namespace ui
