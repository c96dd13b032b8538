#pragma once
// A picture on a form: an icon or a bitmap, drawn over what lies beneath.

#include "ui/Control.h"
#include "ui/ScopedGdi.h"

namespace ui {

class Image : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height);

  // The image keeps the icon and destroys it when replaced or destroyed.
  void SetIcon(HICON icon);
  // The image keeps the bitmap; drawn stretched to the control when `stretch`.
  void SetBitmap(HBITMAP bitmap, bool stretch = false);
  HICON Icon() const { return icon_; }

  ~Image() override;

 protected:
  const char* ClassName() const override { return "QuorloImage"; }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc);

  HICON icon_ = nullptr;
  ScopedBitmap bitmap_;
  bool stretch_ = false;
};

}  // namespace ui
