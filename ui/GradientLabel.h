#pragma once
// GradientLabel (registered as `TAPHeadLabel`): a label painted with a banded
// colour gradient, used for the heading and footer strips of every window and
// as the main window's panel.

#include <windows.h>

#include <functional>

#include "controls/CaptionFit.h"
#include "controls/Gradient.h"
#include "ui/Control.h"
#include "win/ScopedGdi.h"

namespace ui {

enum TBoundLine { blLeft = 1, blTop = 2, blRight = 4, blBottom = 8 };
using TBoundLines = int;
constexpr TBoundLines kAllBoundLines = blLeft | blTop | blRight | blBottom;

enum TGlyphMode { gmNormal, gmOverlayed };

class GradientLabel : public Control {
 public:
  static constexpr int kDefaultWidth = 100;
  static constexpr int kDefaultHeight = 25;

  GradientLabel();

  bool Create(HWND parent, const std::string& caption, int x, int y, int width = kDefaultWidth,
              int height = kDefaultHeight);

  controls::TGradient& Gradient() { return *gradient_; }
  controls::TSubCaption& SubCaption() { return subCaption_; }

  controls::TTextAlignmt Alignment() const { return alignment_; }
  void SetAlignment(controls::TTextAlignmt alignment) { Assign(alignment_, alignment); }
  TBoundLines BoundLines() const { return boundLines_; }
  void SetBoundLines(TBoundLines lines) { Assign(boundLines_, lines); }
  controls::TColor BoundColor() const { return boundColor_; }
  void SetBoundColor(controls::TColor color) { Assign(boundColor_, color); }
  bool FormMove() const { return formMove_; }
  void SetFormMove(bool move);
  int Margin() const { return margin_; }
  void SetMargin(int margin) { Assign(margin_, margin & 0xFF); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { Assign(spacing_, spacing & 0xFF); }
  TGlyphMode GlyphMode() const { return glyphMode_; }
  void SetGlyphMode(TGlyphMode mode) { Assign(glyphMode_, mode); }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int count) { Assign(numGlyphs_, count < 1 ? 1 : count); }
  // The label keeps the bitmap. Its bottom-left pixel is the transparent colour.
  void SetGlyph(HBITMAP glyph);
  bool HasGlyph() const { return static_cast<bool>(glyph_); }
  controls::TColor TextColor() const { return textColor_; }
  void SetTextColor(controls::TColor color) { Assign(textColor_, color); }
  void SetCaption(const std::string& caption);

  std::function<void(GradientLabel&)> onGlyphClick;
  std::function<void(GradientLabel&)> onGlyphDblClick;

  int Layer() const override { return 0; }
  void PaintOnto(HDC dc, int offsetX, int offsetY) override;

 protected:
  // The button variant replaces the gradient with its own.
  explicit GradientLabel(std::unique_ptr<controls::TGradient> gradient);
  const char* ClassName() const override { return "TAPHeadLabel"; }
  void OnPaint(HDC dc) override { Paint(dc, Width(), Height()); }
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool ClicksOnMouseUp() const override { return !formMove_; }

  // The button's bound lines stop one pixel short.
  virtual int BoundLineShortening() const { return 0; }
  virtual controls::TColor CurrentTextColor() const { return textColor_; }

  template <typename T>
  void Assign(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

 private:
  void Paint(HDC dc, int width, int height);
  void PaintBoundLines(HDC dc, int width, int height);
  // Draws the glyph and returns the width it takes (0 without one).
  int PaintGlyph(HDC dc, int width, int height);
  int GlyphWidthShown(int width, int height) const;
  bool InGlyph(int x) const;

  std::unique_ptr<controls::TGradient> gradient_;
  controls::TSubCaption subCaption_;
  controls::TTextAlignmt alignment_ = controls::taLeft;
  TBoundLines boundLines_ = 0;
  controls::TColor boundColor_ = controls::clGray;
  bool formMove_ = false;
  int margin_ = 5;
  int spacing_ = 5;
  TGlyphMode glyphMode_ = gmNormal;
  int numGlyphs_ = 1;
  win::ScopedBitmap glyph_;
  controls::TColor textColor_ = controls::clWindowText;
};

}  // namespace ui
