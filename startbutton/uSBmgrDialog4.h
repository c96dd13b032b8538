#pragma once
// TfDialog4: after Restore, whether to switch back to Windows' own shell file
// or to load its texts into the manager for further editing.

#include "startbutton/ChoiceDialog.h"

class TfDialog4 : public TChoiceDialog {
 public:
  bool PhysicalChosen() const { return OptionChecked("oPhysical"); }

 protected:
  const char* ClassName() const override { return "TfDialog4"; }
  ui::FormSpec Spec() const override { return ChoiceSpec(kClientHeight); }
  void FormCreate() override;

 private:
  static constexpr int kClientHeight = 192;
};
