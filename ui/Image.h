#pragma once
// A picture on a form: an icon or a bitmap, drawn over what lies beneath.

#include "ui/Control.h"
#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace ui {

class Image : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height);

  // The image keeps the icon and destroys it when replaced or destroyed.
  void SetIcon(HICON icon);
  // The image keeps the bitmap; drawn stretched to the control when `stretch`.
  void SetBitmap(HBITMAP bitmap, bool stretch = false);
  HICON Icon() const { return icon_.Get(); }
  // The bitmap shown, still owned by the image; nullptr without one.
  HBITMAP Bitmap() const { return bitmap_.Get(); }

 protected:
  const char* ClassName() const override { return "QuorloImage"; }
  void OnPaint(HDC dc) override;
  // A picture with a click handler is clicked like a button.
  bool ClicksOnMouseUp() const override { return static_cast<bool>(onClick); }

 private:
  win::ScopedIcon icon_;
  win::ScopedBitmap bitmap_;
  bool stretch_ = false;
};

}  // namespace ui
