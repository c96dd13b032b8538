#include "ui/GroupBox.h"

namespace ui {

bool GroupBox::Create(HWND parent, const std::string& caption, int x, int y, int width,
                      int height) {
  return Button::Create(parent, Kind::kGroupBox, caption, x, y, width, height);
}

LRESULT GroupBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) {
    PaintHostBackground(reinterpret_cast<HDC>(wParam));
    return TRUE;
  }
  return Button::WndProc(msg, wParam, lParam);
}

}  // namespace ui
