#include "ui/GradientPushButton.h"

#include "controls/GradientPaint.h"
#include "win/ScopedGdi.h"

namespace ui {

namespace {

void FillWith(HDC dc, const RECT& rect, int sysColor) {
  FillRect(dc, &rect, GetSysColorBrush(sysColor));
}

void Frame(HDC dc, const RECT& rect, int sysColor) {
  FrameRect(dc, &rect, GetSysColorBrush(sysColor));
}

void HLine(HDC dc, int x1, int x2, int y, int sysColor) {
  RECT rect{x1, y, x2, y + 1};
  FillWith(dc, rect, sysColor);
}

void VLine(HDC dc, int x, int y1, int y2, int sysColor) {
  RECT rect{x, y1, x + 1, y2};
  FillWith(dc, rect, sysColor);
}

// Lines on the four sides of rect: left and top in one colour, right and
// bottom in the other.
void Edge(HDC dc, const RECT& r, int topLeft, int bottomRight) {
  HLine(dc, r.left, r.right, r.top, topLeft);
  VLine(dc, r.left, r.top, r.bottom, topLeft);
  HLine(dc, r.left, r.right, r.bottom - 1, bottomRight);
  VLine(dc, r.right - 1, r.top, r.bottom, bottomRight);
}

}  // namespace

bool GradientPushButton::Create(HWND parent, const std::string& caption, int x, int y, int width,
                                int height, int id) {
  ui::CreateArgs args =
      ui::ChildArgs(parent, "BUTTON", caption, x, y, width, height, WS_TABSTOP | BS_OWNERDRAW);
  args.id = id;
  return Window::Create(args);
}

void GradientPushButton::SetBeginColor(controls::TColor color) {
  beginColor_ = color;
  Invalidate();
}

void GradientPushButton::SetEndColor(controls::TColor color) {
  endColor_ = color;
  Invalidate();
}

void GradientPushButton::SetDrawFocus(bool drawFocus) {
  drawFocus_ = drawFocus;
  Invalidate();
}

void GradientPushButton::SetDefault(bool isDefault) {
  if (default_ == isDefault) return;
  default_ = isDefault;
  Invalidate();
}

bool GradientPushButton::ActiveDefault() const {
  if (!default_) return false;
  // Another push button with the focus takes the default role while it has it.
  HWND focus = GetFocus();
  if (focus == nullptr || focus == Hwnd()) return true;
  char className[16] = {};
  GetClassNameA(focus, className, sizeof className);
  if (lstrcmpiA(className, "Button") != 0) return true;
  const LONG type = GetWindowLongA(focus, GWL_STYLE) & BS_TYPEMASK;
  return !(type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

bool GradientPushButton::PointerInside() const {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return hovered_;
  RECT bounds{};
  GetWindowRect(Hwnd(), &bounds);
  return PtInRect(&bounds, cursor) && WindowFromPoint(cursor) == Hwnd();
}

bool GradientPushButton::OnCommand(WORD notifyCode) {
  if (notifyCode == BN_CLICKED || notifyCode == BN_DOUBLECLICKED) {
    // A double click is a second press.
    Click();
    return true;
  }
  return false;
}

bool GradientPushButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  // The robot and the user both move the pointer; a leave that arrived while
  // the button was not tracking must not leave it lit.
  hovered_ = MouseInside() || PointerInside();
  const COLORREF begin = controls::ResolveColor(beginColor_);
  const COLORREF end = controls::ResolveColor(endColor_);
  auto gradient = [&](const RECT& r) {
    controls::FillBands(dc,
                        controls::PushButtonBands(begin, end, r.right - r.left, r.bottom - r.top),
                        r.left, r.top);
  };

  FillWith(dc, rect, COLOR_BTNFACE);
  bool gradientDrawn = false;
  if (focused && !pressed) {
    gradient(rect);
    gradientDrawn = true;
  }
  if (ActiveDefault() || focused) {
    Frame(dc, rect, COLOR_WINDOWTEXT);
    InflateRect(&rect, -1, -1);
  }
  if (hovered_) {
    if (!gradientDrawn) gradient(rect);
    if (!pressed) {
      Frame(dc, rect, COLOR_WINDOWFRAME);
      InflateRect(&rect, -1, -1);
    }
    // Raised: outer right and bottom in window text, left and top in
    // highlight, inner right and bottom in button face.
    HLine(dc, rect.left, rect.right, rect.top, COLOR_BTNHIGHLIGHT);
    VLine(dc, rect.left, rect.top, rect.bottom, COLOR_BTNHIGHLIGHT);
    HLine(dc, rect.left, rect.right, rect.bottom - 1, COLOR_WINDOWTEXT);
    VLine(dc, rect.right - 1, rect.top, rect.bottom, COLOR_WINDOWTEXT);
    HLine(dc, rect.left + 1, rect.right - 1, rect.bottom - 2, COLOR_BTNFACE);
    VLine(dc, rect.right - 2, rect.top + 1, rect.bottom - 1, COLOR_BTNFACE);
  } else {
    Edge(dc, rect, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
  }
  int shift = 0;
  if (pressed) {
    FillWith(dc, rect, COLOR_BTNFACE);
    gradient(rect);
    Frame(dc, rect, COLOR_WINDOWFRAME);
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    Edge(dc, inner, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
    shift = 1;
  }
  if (drawFocus_ && ActiveDefault() && focused) {
    RECT focusRect = item.rcItem;
    InflateRect(&focusRect, -3, -3);
    DrawFocusRect(dc, &focusRect);
  }

  win::ScopedSelect select(dc, Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const std::string caption = Text();
  RECT textRect = item.rcItem;
  OffsetRect(&textRect, shift, shift);
  const UINT format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
  if (disabled) {
    RECT embossed = textRect;
    OffsetRect(&embossed, 1, 1);
    ::SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), -1, &embossed, format);
    ::SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    ::SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextA(dc, caption.c_str(), -1, &textRect, format);
  return true;
}

void GradientPushButton::MouseEntered() {
  if (!hovered_) {
    hovered_ = true;
    Invalidate();
  }
}

void GradientPushButton::MouseLeft() {
  if (hovered_) {
    hovered_ = false;
    Invalidate();
  }
}

LRESULT GradientPushButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFONT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return PassOnAndRepaint(msg, wParam, lParam);
    default:
      break;
  }
  return Control::WndProc(msg, wParam, lParam);
}

}  // namespace ui
