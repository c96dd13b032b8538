#include "ui/GradientLabel.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/GradientPaint.h"

namespace ui {

GradientLabel::GradientLabel() : GradientLabel(std::make_unique<controls::TGradient>()) {}

GradientLabel::GradientLabel(std::unique_ptr<controls::TGradient> gradient)
    : gradient_(std::move(gradient)) {
  gradient_->OnChanged([this] { Invalidate(); });
  subCaption_.OnChanged([this] { Invalidate(); });
}

bool GradientLabel::Create(HWND parent, const std::string& caption, int x, int y, int width,
                           int height) {
  return Window::Create(
      ui::ChildArgs(parent, nullptr, caption, x, y, width, height, WS_CLIPSIBLINGS));
}

void GradientLabel::SetFormMove(bool move) {
  formMove_ = move;
  SetDragsWindow(move);
}

void GradientLabel::SetGlyph(HBITMAP glyph) {
  glyph_.Reset(glyph);
  Invalidate();
}

void GradientLabel::SetCaption(const std::string& caption) {
  if (caption == Text()) return;
  SetText(caption);
  Invalidate();
}

void GradientLabel::PaintOnto(HDC dc, int offsetX, int offsetY) {
  POINT previous{};
  OffsetViewportOrgEx(dc, offsetX, offsetY, &previous);
  Paint(dc, Width(), Height());
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void GradientLabel::PaintBoundLines(HDC dc, int width, int height) {
  if (boundLines_ == 0) return;
  win::ScopedPen pen(CreatePen(PS_SOLID, 1, controls::ResolveColor(boundColor_)));
  win::ScopedSelect select(dc, pen.Get());
  const int s = BoundLineShortening();
  // LineTo leaves out the end point, so these are the exact pixels drawn.
  auto line = [dc](int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
  };
  if (boundLines_ & blLeft) line(0, 0, 0, height - s);
  if (boundLines_ & blTop) line(0, 0, width - s, 0);
  if (boundLines_ & blRight) line(width - 1, 0, width - 1, height - s);
  if (boundLines_ & blBottom) line(0, height - 1, width - s, height - 1);
}

int GradientLabel::GlyphWidthShown(int width, int height) const {
  if (!glyph_) return 0;
  BITMAP info{};
  GetObjectA(glyph_.Get(), sizeof info, &info);
  const int frameWidth = info.bmWidth / numGlyphs_;
  const int roomWidth = std::max(0, width - margin_);
  if (frameWidth <= roomWidth && info.bmHeight <= height) return frameWidth;
  if (frameWidth <= 0 || info.bmHeight <= 0) return 0;
  // Scaled down keeping its proportions, at the left margin.
  const double scale = std::min(double(roomWidth) / frameWidth, double(height) / info.bmHeight);
  return int(frameWidth * scale);
}

int GradientLabel::PaintGlyph(HDC dc, int width, int height) {
  if (!glyph_) return 0;
  BITMAP info{};
  GetObjectA(glyph_.Get(), sizeof info, &info);
  const int frameWidth = info.bmWidth / numGlyphs_;
  const int shownWidth = GlyphWidthShown(width, height);
  if (shownWidth <= 0 || frameWidth <= 0) return 0;
  const int shownHeight = MulDiv(info.bmHeight, shownWidth, frameWidth);
  const int top = (height - shownHeight) / 2;

  win::ScopedCompatibleDc source(dc);
  win::ScopedSelect selectSource(source.Get(), glyph_.Get());
  const COLORREF transparent = GetPixel(source.Get(), 0, info.bmHeight - 1);

  // A monochrome mask: 1 where the glyph shows its transparent colour.
  win::ScopedCompatibleDc maskDc(dc);
  win::ScopedBitmap mask(CreateBitmap(frameWidth, info.bmHeight, 1, 1, nullptr));
  win::ScopedSelect selectMask(maskDc.Get(), mask.Get());
  SetBkColor(source.Get(), transparent);
  BitBlt(maskDc.Get(), 0, 0, frameWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);

  SetStretchBltMode(dc, COLORONCOLOR);
  const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  StretchBlt(dc, margin_, top, shownWidth, shownHeight, source.Get(), 0, 0, frameWidth,
             info.bmHeight, SRCINVERT);
  StretchBlt(dc, margin_, top, shownWidth, shownHeight, maskDc.Get(), 0, 0, frameWidth,
             info.bmHeight, SRCAND);
  StretchBlt(dc, margin_, top, shownWidth, shownHeight, source.Get(), 0, 0, frameWidth,
             info.bmHeight, SRCINVERT);
  ::SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  return shownWidth;
}

void GradientLabel::Paint(HDC dc, int width, int height) {
  controls::FillBands(dc, controls::GradientBands(gradient_->Style(),
                                                  controls::ResolveColor(gradient_->StartColor()),
                                                  controls::ResolveColor(gradient_->EndColor()),
                                                  gradient_->ColorSteps(), width, height));
  PaintBoundLines(dc, width, height);
  const int glyphWidth = PaintGlyph(dc, width, height);
  const int textStart =
      (glyphWidth > 0 && glyphMode_ == gmNormal) ? margin_ + glyphWidth + spacing_ : margin_;

  SetBkMode(dc, TRANSPARENT);
  HFONT font = Font() != nullptr ? Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  // The sub-caption's font: the control's face at the sub-caption's size and style.
  win::ScopedFont subFont;
  int subWidth = 0;
  const std::string subText = subCaption_.Caption().empty() ? std::string() : subCaption_.Text();
  if (!subText.empty()) {
    LOGFONTA logFont{};
    GetObjectA(font, sizeof logFont, &logFont);
    logFont.lfHeight = -MulDiv(subCaption_.Size(), GetDeviceCaps(dc, LOGPIXELSY), 72);
    logFont.lfWeight = (subCaption_.Style() & controls::fsBold) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (subCaption_.Style() & controls::fsItalic) ? TRUE : FALSE;
    logFont.lfUnderline = (subCaption_.Style() & controls::fsUnderline) ? TRUE : FALSE;
    logFont.lfStrikeOut = (subCaption_.Style() & controls::fsStrikeOut) ? TRUE : FALSE;
    subFont.Reset(CreateFontIndirectA(&logFont));
    subWidth = ui::TextWidth(dc, subFont.Get(), subText);
  }

  const std::string caption = Text();
  if (!caption.empty()) {
    win::ScopedSelect select(dc, font);
    auto measure = [dc](const std::string& text) {
      SIZE size{};
      GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
      return int(size.cx);
    };
    const controls::CaptionLayout layout = controls::LayOutCaption(
        caption, alignment_,
        controls::CaptionRoom{width, textStart, subWidth, margin_, subCaption_.Margin()}, measure);
    ::SetTextColor(dc, controls::ResolveColor(CurrentTextColor()));
    RECT area{layout.left, 0, width, height};
    DrawTextA(dc, layout.text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (!subText.empty() && controls::SubCaptionFits(subWidth, width)) {
    win::ScopedSelect select(dc, subFont.Get());
    ::SetTextColor(dc, controls::ResolveColor(subCaption_.Color()));
    RECT area{0, 0, width - subCaption_.Margin(), height};
    DrawTextA(dc, subText.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
}

bool GradientLabel::InGlyph(int x) const {
  if (!glyph_) return false;
  const int shown = GlyphWidthShown(Width(), Height());
  return x >= margin_ && x < margin_ + shown;
}

LRESULT GradientLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      if (onGlyphClick && InGlyph(GET_X_LPARAM(lParam))) onGlyphClick(*this);
      break;
    case WM_LBUTTONDBLCLK:
      if (onGlyphDblClick && InGlyph(GET_X_LPARAM(lParam))) {
        onGlyphDblClick(*this);
        return 0;
      }
      break;
    case WM_SETTEXT:
      return PassOnAndRepaint(msg, wParam, lParam);
    default:
      break;
  }
  return Control::WndProc(msg, wParam, lParam);
}

}  // namespace ui
