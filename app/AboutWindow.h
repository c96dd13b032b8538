#pragma once
// The About window (registered as `TfAbout`): the program's logo, version
// and release date, and links to the makers' contact addresses and to help
// pages.

#include "ui/Form.h"

namespace ui {
class GradientButton;
class GradientLabel;
class Image;
}  // namespace ui

namespace app {

class AboutWindow : public ui::Form {
 public:
  static constexpr int kClientWidth = 306;
  static constexpr int kClientHeight = 238;

 protected:
  const char* ClassName() const override { return "TfAbout"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormActivate() override;

 private:
  static const ui::ControlDef<AboutWindow> kControls[];

  // Handlers, bound by the control table.
  void mailClick(ui::Control& sender);
  void web1Click(ui::Control& sender);
  void otherlinksClick(ui::Control& sender);

  ui::Image* l4 = nullptr;
  ui::GradientLabel* a = nullptr;
  ui::GradientButton* bName = nullptr;
  ui::GradientButton* mail = nullptr;
  ui::GradientButton* web1 = nullptr;
  ui::GradientButton* otherlinks = nullptr;
};

}  // namespace app
