#pragma once
// A decorative shape on a form: rectangle, ellipse or line, drawn over the
// headings beneath it.

#include "ui/Control.h"

namespace ui {

struct Shape {
  enum class Kind { kRectangle, kEllipse, kHorizontalLine };
  Kind kind = Kind::kRectangle;
  RECT bounds{};
  COLORREF pen = RGB(0, 0, 0);
  COLORREF brush = RGB(255, 255, 255);
};

class ShapeControl : public Control {
 public:
  bool Create(HWND parent, const Shape& shape);
  int Layer() const override { return 1; }
  void PaintOnto(HDC dc, int offsetX, int offsetY) override;

 protected:
  const char* ClassName() const override { return "QuorloShape"; }
  // The host paints every shape and heading beneath, this one included.
  bool PaintsOnPrintClient() const override { return false; }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  Shape shape_;
};

}  // namespace ui
