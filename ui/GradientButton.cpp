#include "ui/GradientButton.h"

#include "controls/Colours.h"

namespace ui {

GradientButton::GradientButton() : GradientButton(std::make_unique<controls::TButtonGradient>()) {}

GradientButton::GradientButton(std::unique_ptr<controls::TButtonGradient> gradient)
    : GradientLabel(std::unique_ptr<controls::TGradient>(gradient.get())),
      buttonGradient_(gradient.release()) {}

void GradientButton::SetFontColor(controls::TColor color) {
  fontColor_ = color;
  Invalidate();
}

void GradientButton::SetFontHoverColor(controls::TColor color) {
  fontHoverColor_ = color;
  Invalidate();
}

void GradientButton::UseWindowButtonColors() {
  controls::TButtonGradient& gradient = ButtonGradient();
  gradient.SetColorSteps(128);
  gradient.SetNormalStart(controls::kButtonBlue);
  gradient.SetNormalEnd(controls::kButtonPaleBlue);
  gradient.SetHoverStart(controls::kDeepBlue);
  gradient.SetHoverEnd(controls::kButtonPaleBlue);
  gradient.SetStyle(controls::gsTop);
  if (hovered_) {
    gradient.UseHoverColors();
  } else {
    gradient.UseNormalColors();
  }
  SetFontHoverColor(controls::clWhite);
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

}  // namespace ui
