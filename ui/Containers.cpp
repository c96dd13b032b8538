#include "ui/Containers.h"

namespace ui {

namespace {
// Check boxes, radio buttons and static texts inside a container sit on the
// windows' white background, as on the window itself.
bool IsChildBackgroundQuery(UINT msg) {
  return msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN;
}
}  // namespace

bool GroupBox::Create(HWND parent, const std::string& caption, int x, int y, int width,
                      int height) {
  if (!Button::Create(parent, Kind::kGroupBox, caption, x, y, width, height)) return false;
  // Tab and arrow keys reach the controls inside; painting the inside leaves
  // them alone.
  SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE,
                    GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  SetWindowLongPtrA(Hwnd(), GWL_STYLE, GetWindowLongPtrA(Hwnd(), GWL_STYLE) | WS_CLIPCHILDREN);
  return true;
}

LRESULT GroupBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) {
    PaintHostBackground(reinterpret_cast<HDC>(wParam));
    return TRUE;
  }
  if (IsChildBackgroundQuery(msg)) return reinterpret_cast<LRESULT>(WhiteBackground(HDC(wParam)));
  return Button::WndProc(msg, wParam, lParam);
}

bool Page::Create(TabControl& pages, const std::string& tabText) {
  const RECT area = pages.PageArea();
  // Hidden until its tab is selected.
  CreateArgs args =
      ChildArgs(pages.Hwnd(), nullptr, tabText, area.left, area.top, area.right - area.left,
                area.bottom - area.top, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
  args.style &= ~WS_VISIBLE;
  args.exStyle = WS_EX_CONTROLPARENT;
  if (!Window::Create(args)) return false;
  pages.AddPage(tabText, *this);
  return true;
}

LRESULT Page::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsChildBackgroundQuery(msg)) return reinterpret_cast<LRESULT>(WhiteBackground(HDC(wParam)));
  return Control::WndProc(msg, wParam, lParam);
}

}  // namespace ui
