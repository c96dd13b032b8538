#pragma once
// Scoped GDI handles: every object created is deleted, every object selected
// into a device context is selected out again.

#include <windows.h>

namespace win {

template <typename T>
class ScopedGdiObject {
 public:
  explicit ScopedGdiObject(T handle = nullptr) : handle_(handle) {}
  ~ScopedGdiObject() { Reset(); }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ScopedGdiObject(ScopedGdiObject&& other) noexcept : handle_(other.Release()) {}
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = other.Release();
    }
    return *this;
  }
  T Get() const { return handle_; }
  T Release() {
    T handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void Reset(T handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  T handle_;
};

using ScopedBrush = ScopedGdiObject<HBRUSH>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedBitmap = ScopedGdiObject<HBITMAP>;

class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() { SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

class ScopedPaint {
 public:
  explicit ScopedPaint(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
  ~ScopedPaint() { EndPaint(hwnd_, &ps_); }
  ScopedPaint(const ScopedPaint&) = delete;
  ScopedPaint& operator=(const ScopedPaint&) = delete;
  HDC Dc() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

class ScopedCompatibleDc {
 public:
  explicit ScopedCompatibleDc(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
  ~ScopedCompatibleDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  ScopedCompatibleDc(const ScopedCompatibleDc&) = delete;
  ScopedCompatibleDc& operator=(const ScopedCompatibleDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Paints into a bitmap the size of the area and copies it out at the end, so
// a control that repaints often does not flicker.
class DoubleBuffer {
 public:
  DoubleBuffer(HDC target, int width, int height)
      : target_(target),
        width_(width),
        height_(height),
        memory_(target),
        bitmap_(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
        select_(memory_.Get(), bitmap_.Get()) {}
  ~DoubleBuffer() { BitBlt(target_, 0, 0, width_, height_, memory_.Get(), 0, 0, SRCCOPY); }
  DoubleBuffer(const DoubleBuffer&) = delete;
  DoubleBuffer& operator=(const DoubleBuffer&) = delete;
  HDC Dc() const { return memory_.Get(); }

 private:
  HDC target_;
  int width_;
  int height_;
  ScopedCompatibleDc memory_;
  ScopedBitmap bitmap_;
  ScopedSelect select_;
};

}  // namespace win
