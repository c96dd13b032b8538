#include "ui/Shape.h"

#include "win/ScopedGdi.h"

namespace ui {

bool ShapeControl::Create(HWND parent, const Shape& shape) {
  shape_ = shape;
  CreateArgs args;
  args.parent = parent;
  args.x = shape.bounds.left;
  args.y = shape.bounds.top;
  args.width = shape.bounds.right - shape.bounds.left;
  args.height =
      shape.kind == Shape::Kind::kHorizontalLine ? 1 : shape.bounds.bottom - shape.bounds.top;
  args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_DISABLED;
  return Window::Create(args);
}

void ShapeControl::PaintOnto(HDC dc, int offsetX, int offsetY) {
  const int width = Width();
  const int height = Height();
  win::ScopedPen pen(CreatePen(PS_SOLID, 1, shape_.pen));
  win::ScopedBrush brush(CreateSolidBrush(shape_.brush));
  win::ScopedSelect selectPen(dc, pen.Get());
  win::ScopedSelect selectBrush(dc, brush.Get());
  switch (shape_.kind) {
    case Shape::Kind::kRectangle:
      Rectangle(dc, offsetX, offsetY, offsetX + width, offsetY + height);
      break;
    case Shape::Kind::kEllipse:
      Ellipse(dc, offsetX, offsetY, offsetX + width, offsetY + height);
      break;
    case Shape::Kind::kHorizontalLine:
      MoveToEx(dc, offsetX, offsetY, nullptr);
      LineTo(dc, offsetX + width, offsetY);
      break;
  }
}

LRESULT ShapeControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    default:
      break;
  }
  return Control::WndProc(msg, wParam, lParam);
}

}  // namespace ui
