#include "ui/Label.h"

#include "win/ScopedGdi.h"
#include "win/ScopedHandle.h"

namespace ui {

namespace {
COLORREF Resolve(controls::TColor color) {
  return controls::ColorToRgb(color, [](int index) { return uint32_t(GetSysColor(index)); });
}
}  // namespace

bool Label::Create(HWND parent, const std::string& text, int x, int y, int width, int height,
                   const Options& options) {
  options_ = options;
  if (!Window::Create(ChildArgs(parent, nullptr, text, x, y, width, height))) return false;
  anchorRight_ = x + width;
  // A right-aligned label placed by its right edge: x is that edge.
  if (options_.autoSize && options_.alignment == controls::taRight && width == 0) anchorRight_ = x;
  FitToText();
  return true;
}

void Label::SetCaption(const std::string& text) {
  if (text == Text()) return;
  SetText(text);
  FitToText();
  Invalidate();
}

void Label::SetTransparent(bool transparent) {
  options_.transparent = transparent;
  Invalidate();
}

void Label::SetFont(SharedFont font) {
  Control::SetFont(std::move(font));
  FitToText();
  Invalidate();
}

void Label::SetColor(controls::TColor color) {
  options_.color = color;
  Invalidate();
}

void Label::FitToText() {
  if (!options_.autoSize || options_.wordWrap || Hwnd() == nullptr) return;
  RECT measured{0, 0, 0, 0};
  {
    win::ScopedWindowDc dc(Hwnd());
    win::ScopedSelect select(dc.Get(),
                             Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
    std::string text = Text();
    DrawTextA(dc.Get(), text.empty() ? " " : text.c_str(), -1, &measured,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  }
  // Two pixels to spare: some fonts draw a little past the width they report.
  measured.right += 2;
  RECT bounds = BoundsInParent();
  int left = bounds.left;
  if (options_.alignment == controls::taRight) left = anchorRight_ - measured.right;
  SetWindowPos(Hwnd(), nullptr, left, bounds.top, measured.right, measured.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(GetParent(Hwnd()), &bounds, FALSE);
}

void Label::OnPaint(HDC dc) {
  RECT client = ClientRect();
  if (options_.transparent) {
    PaintHostBackground(dc);
  } else {
    win::ScopedBrush brush(CreateSolidBrush(Resolve(options_.background)));
    FillRect(dc, &client, brush.Get());
  }
  win::ScopedSelect select(dc, Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(Hwnd()) ? Resolve(options_.color) : GetSysColor(COLOR_GRAYTEXT));
  UINT format = DT_NOPREFIX;
  format |= options_.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  if (options_.alignment == controls::taRight) format |= DT_RIGHT;
  if (options_.alignment == controls::taCenter) format |= DT_CENTER;
  std::string text = Text();
  DrawTextA(dc, text.c_str(), -1, &client, format);
}

LRESULT Label::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETTEXT: {
      // Text set from outside (a status label handed to a long operation)
      // is fitted and shown like a caption set here.
      const LRESULT result = Control::WndProc(msg, wParam, lParam);
      FitToText();
      Invalidate();
      return result;
    }
    case WM_NCHITTEST:
      // Labels without handlers let the mouse through to what lies below,
      // as the original graphic labels did not catch it either.
      if (!onMouseDown && !onClick && !onMouseMove && Hint().empty() && !onMouseEnter) {
        return HTTRANSPARENT;
      }
      break;
    default:
      break;
  }
  return Control::WndProc(msg, wParam, lParam);
}

}  // namespace ui
