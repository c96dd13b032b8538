#include "controls/GradientButton.h"

#include "controls/Colours.h"

namespace controls {

GradientButton::GradientButton() : GradientButton(std::make_unique<TButtonGradient>()) {}

GradientButton::GradientButton(std::unique_ptr<TButtonGradient> gradient)
    : GradientLabel(std::unique_ptr<TGradient>(gradient.get())),
      buttonGradient_(gradient.release()) {}

void GradientButton::SetFontColor(TColor color) {
  fontColor_ = color;
  Invalidate();
}

void GradientButton::SetFontHoverColor(TColor color) {
  fontHoverColor_ = color;
  Invalidate();
}

void GradientButton::UseWindowButtonColors() {
  TButtonGradient& gradient = ButtonGradient();
  gradient.SetColorSteps(128);
  gradient.SetNormalStart(kButtonBlue);
  gradient.SetNormalEnd(kButtonPaleBlue);
  gradient.SetHoverStart(kDeepBlue);
  gradient.SetHoverEnd(kButtonPaleBlue);
  gradient.SetStyle(gsTop);
  if (hovered_) {
    gradient.UseHoverColors();
  } else {
    gradient.UseNormalColors();
  }
  SetFontHoverColor(clWhite);
  SetHandCursor(true);
}

void GradientButton::MouseEntered() {
  hovered_ = true;
  ButtonGradient().UseHoverColors();
  Invalidate();
}

void GradientButton::MouseLeft() {
  hovered_ = false;
  ButtonGradient().UseNormalColors();
  Invalidate();
}

}  // namespace controls
