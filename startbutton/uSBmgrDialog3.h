#pragma once
// TfDialog3: after OK, whether to restart the computer or apply the change
// to the running shell at once.

#include "startbutton/ChoiceDialog.h"

class TfDialog3 : public TChoiceDialog {
 public:
  bool ApplyChosen() const { return OptionChecked("oApply"); }

 protected:
  const char* ClassName() const override { return "TfDialog3"; }
  ui::FormSpec Spec() const override { return ChoiceSpec(kClientHeight); }
  void FormCreate() override;

 private:
  static constexpr int kClientHeight = 214;
};
