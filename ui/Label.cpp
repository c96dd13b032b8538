#include "ui/Label.h"

#include "ui/ScopedGdi.h"

namespace ui {

namespace {
COLORREF Resolve(controls::TColor color) {
  return controls::ColorToRgb(color, [](int index) { return uint32_t(GetSysColor(index)); });
}
}  // namespace

bool Label::Create(HWND parent, const std::string& text, int x, int y, int width, int height,
                   const Options& options) {
  options_ = options;
  CreateArgs args;
  args.parent = parent;
  args.text = text;
  args.x = x;
  args.y = y;
  args.width = width;
  args.height = height;
  if (!Window::Create(args)) return false;
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
  HDC dc = GetDC(Hwnd());
  RECT measured{0, 0, 0, 0};
  {
    ScopedSelect select(dc, Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
    std::string text = Text();
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &measured,
              DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  }
  ReleaseDC(Hwnd(), dc);
  // Two pixels to spare: some fonts draw a little past the width they report.
  measured.right += 2;
  RECT bounds = BoundsInParent();
  int left = bounds.left;
  if (options_.alignment == controls::taRight) left = anchorRight_ - measured.right;
  SetWindowPos(Hwnd(), nullptr, left, bounds.top, measured.right, measured.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(GetParent(Hwnd()), &bounds, FALSE);
}

void Label::Paint(HDC dc) {
  RECT client = ClientRect();
  if (options_.transparent) {
    PaintHostBackground(dc);
  } else {
    ScopedBrush brush(CreateSolidBrush(Resolve(options_.background)));
    FillRect(dc, &client, brush.Get());
  }
  ScopedSelect select(dc, Font() != nullptr ? Font() : GetStockObject(DEFAULT_GUI_FONT));
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
  LRESULT result = 0;
  if (HandleBufferedPaint(Hwnd(), Width(), Height(), msg, wParam, &result,
                          [this](HDC dc) { Paint(dc); }))
    return result;
  switch (msg) {
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
