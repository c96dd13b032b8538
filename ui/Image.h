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
  // A picture that is also a button: a click fires onClick.
  void SetClickable(bool clickable) { clickable_ = clickable; }
  // The bitmap shown, still owned by the image; nullptr without one.
  HBITMAP Bitmap() const { return bitmap_.Get(); }

 protected:
  const char* ClassName() const override { return "QuorloImage"; }
  void OnPaint(HDC dc) override;
  // A picture is clicked like a button when made clickable or given a click
  // handler.
  bool ClicksOnMouseUp() const override { return clickable_ || static_cast<bool>(onClick); }

 private:
  win::ScopedIcon icon_;
  win::ScopedBitmap bitmap_;
  bool stretch_ = false;
  bool clickable_ = false;
};

}  // namespace ui
