#include <cstdio>
#include <memory>

#include "tests/robot/ImageFiles.h"
#include "tests/robot/Robot.h"

namespace robot {

Capture CaptureWindow(HWND hwnd) {
  Capture capture;
  RECT r{};
  if (!GetWindowRect(hwnd, &r)) return capture;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return capture;

  // Copy from the screen where the window stands: under Wine that is what
  // the X server shows, which is what a user would see.
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  PumpMessages(50);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section && bits) {
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    capture.width = width;
    capture.height = height;
    const uint32_t* source = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(source, source + size_t(width) * height);
    for (uint32_t& p : capture.pixels) p &= 0x00FFFFFFu;
    SelectObject(memory, old);
  }
  if (section) DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

bool SavePng(const Capture& capture, const std::string& path) {
  return WriteImageFile(path, EncodePng(capture.width, capture.height, capture.pixels));
}

bool SaveBmp(const Capture& capture, const std::string& path) {
  return WriteImageFile(path, EncodeBmp(capture.width, capture.height, capture.pixels));
}

}  // namespace robot
