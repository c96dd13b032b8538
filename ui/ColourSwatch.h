#pragma once
// A small framed rectangle filled with one colour: the "Background color:"
// swatch beside a colour dialog's button.

#include "ui/Control.h"

namespace ui {

class ColourSwatch : public Control {
 public:
  bool Create(HWND parent, int x, int y, int width, int height, COLORREF colour);
  COLORREF Colour() const { return colour_; }
  void SetColour(COLORREF colour);

 protected:
  const char* ClassName() const override { return "QuorloSwatch"; }
  void OnPaint(HDC dc) override;

 private:
  COLORREF colour_ = RGB(0, 0, 0);
};

}  // namespace ui
