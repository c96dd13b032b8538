#pragma once
// TfAbout: the program's logo, version and release date, and links to the
// makers' contact addresses and to help pages.

#include "ui/Form.h"

class TfAbout : public ui::Form {
 public:
  static constexpr int kClientWidth = 306;
  static constexpr int kClientHeight = 238;

 protected:
  const char* ClassName() const override { return "TfAbout"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;
  void FormActivate() override;

 public:
  // Handlers, bound by the window's control table.
  void l4MouseDown(ui::Control& sender);
  void mailClick(ui::Control& sender);
  void web1Click(ui::Control& sender);
  void otherlinksClick(ui::Control& sender);
  void bHelpcnrClick(ui::Control& sender) override;
};
