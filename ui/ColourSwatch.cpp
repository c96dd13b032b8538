#include "ui/ColourSwatch.h"

#include "win/ScopedGdi.h"

namespace ui {

bool ColourSwatch::Create(HWND parent, int x, int y, int width, int height, COLORREF colour) {
  colour_ = colour;
  return Window::Create(ChildArgs(parent, nullptr, "", x, y, width, height));
}

void ColourSwatch::SetColour(COLORREF colour) {
  colour_ = colour;
  Invalidate();
}

void ColourSwatch::OnPaint(HDC dc) {
  RECT client = ClientRect();
  FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  InflateRect(&client, -1, -1);
  win::ScopedBrush fill(CreateSolidBrush(colour_));
  FillRect(dc, &client, fill.Get());
}

}  // namespace ui
