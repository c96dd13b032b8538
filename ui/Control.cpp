#include "ui/Control.h"

#include <windowsx.h>

namespace ui {

void DragWindow(HWND anyChild) {
  HWND top = GetAncestor(anyChild, GA_ROOT);
  ReleaseCapture();
  // 0xF012 is SC_MOVE + HTCAPTION: the system's own caption-drag loop.
  SendMessageA(top, WM_SYSCOMMAND, 0xF012, 0);
}

HBRUSH WhiteBackground(HDC dc) {
  SetBkColor(dc, RGB(255, 255, 255));
  return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

void Control::SetFont(SharedFont font) {
  font_ = std::move(font);
  if (Hwnd() != nullptr) SendMessageA(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

void Control::Click() {
  if (onClick) onClick(*this);
}

bool Control::OnCommand(WORD notifyCode) {
  if (notifyCode == BN_CLICKED) {
    Click();
    return true;
  }
  if (notifyCode == BN_DOUBLECLICKED && onDblClick) {
    onDblClick(*this);
    return true;
  }
  return false;
}

void Control::PaintOnto(HDC, int, int) {}

RECT Control::BoundsInParent() const {
  RECT rect{};
  if (Hwnd() == nullptr) return rect;
  GetWindowRect(Hwnd(), &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(Hwnd()), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT Control::BoundsInHost() const {
  RECT rect{};
  if (Hwnd() == nullptr) return rect;
  GetWindowRect(Hwnd(), &rect);
  MapWindowPoints(HWND_DESKTOP, GetAncestor(Hwnd(), GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Control::PaintHostBackground(HDC dc) {
  // Host coordinates, so a control inside a group box or on a page gets
  // what lies beneath it on the window.
  RECT area = BoundsInHost();
  if (host_ != nullptr) {
    host_->PaintBackground(dc, area);
    return;
  }
  RECT local{0, 0, area.right - area.left, area.bottom - area.top};
  FillRect(dc, &local, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

LRESULT Control::PassOnAndRepaint(UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Control::WndProc(msg, wParam, lParam);
  Invalidate();
  return result;
}

void Control::TrackLeave() {
  // Only a pointer really over the control can be tracked: for a mouse move
  // that did not come from the pointer (a robot, a remote tool) Windows would
  // report the leave at once, ending the hover it just began.
  POINT cursor{};
  if (!GetCursorPos(&cursor) || WindowFromPoint(cursor) != Hwnd()) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = Hwnd();
  TrackMouseEvent(&track);
}

LRESULT Control::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      if (!mouseInside_) {
        mouseInside_ = true;
        TrackLeave();
        MouseEntered();
        if (onMouseEnter) onMouseEnter(*this);
      }
      if (host_ != nullptr) host_->ControlMouseMoved(*this);
      if (onMouseMove) {
        onMouseMove(*this, MouseButton::kLeft, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      }
      break;
    }
    case WM_MOUSELEAVE:
      if (mouseInside_) {
        mouseInside_ = false;
        MouseLeft();
        if (onMouseLeave) onMouseLeave(*this);
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      const MouseButton button = msg == WM_LBUTTONDOWN ? MouseButton::kLeft : MouseButton::kRight;
      if (onMouseDown) onMouseDown(*this, button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (button == MouseButton::kLeft && dragsWindow_) {
        DragWindow(Hwnd());
        return 0;
      }
      if (button == MouseButton::kLeft && ClicksOnMouseUp()) {
        pressed_ = true;
        SetCapture(Hwnd());
        return 0;
      }
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const MouseButton button = msg == WM_LBUTTONUP ? MouseButton::kLeft : MouseButton::kRight;
      const int x = GET_X_LPARAM(lParam);
      const int y = GET_Y_LPARAM(lParam);
      if (onMouseUp) onMouseUp(*this, button, x, y);
      if (button == MouseButton::kLeft && pressed_) {
        pressed_ = false;
        if (GetCapture() == Hwnd()) ReleaseCapture();
        RECT client = ClientRect();
        POINT point{x, y};
        if (PtInRect(&client, point)) Click();
        return 0;
      }
      break;
    }
    case WM_LBUTTONDBLCLK:
      if (ClicksOnMouseUp()) {
        if (onDblClick) {
          onDblClick(*this);
          return 0;
        }
        // Without a double-click handler the second press is another click.
        return WndProc(WM_LBUTTONDOWN, wParam, lParam);
      }
      break;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      break;
    case WM_SETCURSOR:
      if (handCursor_ && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefaultProc(msg, wParam, lParam);
}

}  // namespace ui
