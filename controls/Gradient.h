#pragma once
// The gradient and sub-caption properties the gradient controls own. Every
// setter tells the owner, which repaints.

#include <functional>
#include <string>

#include "controls/GradientMath.h"

namespace controls {

class TGradient {
 public:
  using Changed = std::function<void()>;

  virtual ~TGradient() = default;

  int ColorSteps() const { return colorSteps_; }
  TColor StartColor() const { return startColor_; }
  TColor EndColor() const { return endColor_; }
  TGradientStyle Style() const { return style_; }

  void SetColorSteps(int steps) { Assign(colorSteps_, ClampColorSteps(steps)); }
  void SetStartColor(TColor color) { Assign(startColor_, color); }
  void SetEndColor(TColor color) { Assign(endColor_, color); }
  void SetStyle(TGradientStyle style) { Assign(style_, style); }

  void OnChanged(Changed changed) { changed_ = std::move(changed); }

 protected:
  template <typename T>
  void Assign(T& field, T value) {
    if (field == value) return;
    field = value;
    if (changed_) changed_();
  }

 private:
  int colorSteps_ = 64;
  TColor startColor_ = clGray;
  TColor endColor_ = clSilver;
  TGradientStyle style_ = gsLeft;
  Changed changed_;
};

// The button's gradient: the colours in use are copied from the normal or
// the hover pair when the mouse leaves or enters.
class TButtonGradient : public TGradient {
 public:
  TColor NormalStart() const { return normalStart_; }
  TColor NormalEnd() const { return normalEnd_; }
  TColor HoverStart() const { return hoverStart_; }
  TColor HoverEnd() const { return hoverEnd_; }
  void SetNormalStart(TColor color) { normalStart_ = color; }
  void SetNormalEnd(TColor color) { normalEnd_ = color; }
  void SetHoverStart(TColor color) { hoverStart_ = color; }
  void SetHoverEnd(TColor color) { hoverEnd_ = color; }

  void UseHoverColors() {
    SetStartColor(hoverStart_);
    SetEndColor(hoverEnd_);
  }
  void UseNormalColors() {
    SetStartColor(normalStart_);
    SetEndColor(normalEnd_);
  }

 private:
  TColor normalStart_ = clGray;
  TColor normalEnd_ = clSilver;
  TColor hoverStart_ = clGray;
  TColor hoverEnd_ = clSilver;
};

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TSubCaption {
 public:
  using Changed = std::function<void()>;

  const std::string& Caption() const { return caption_; }
  TColor Color() const { return color_; }
  int Size() const { return size_; }
  int Style() const { return style_; }
  int Margin() const { return margin_; }
  bool Ellipsis() const { return ellipsis_; }
  // The text as drawn.
  std::string Text() const { return ellipsis_ ? caption_ + "..." : caption_; }

  void SetCaption(const std::string& caption) { Assign(caption_, caption); }
  void SetColor(TColor color) { Assign(color_, color); }
  void SetSize(int size) { Assign(size_, size & 0xFF); }
  void SetStyle(int style) { Assign(style_, style); }
  void SetMargin(int margin) { Assign(margin_, margin & 0xFF); }
  void SetEllipsis(bool ellipsis) { Assign(ellipsis_, ellipsis); }

  void OnChanged(Changed changed) { changed_ = std::move(changed); }

 private:
  template <typename T>
  void Assign(T& field, T value) {
    if (field == value) return;
    field = value;
    if (changed_) changed_();
  }

  std::string caption_;
  TColor color_ = clWindowText;
  int size_ = 8;
  int style_ = 0;
  int margin_ = 8;
  bool ellipsis_ = false;
  Changed changed_;
};

}  // namespace controls
