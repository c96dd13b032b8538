#include "startbutton/ChoiceDialog.h"

#include "ui/StandardControls.h"

ui::FormSpec TChoiceDialog::ChoiceSpec(int clientHeight) {
  ui::FormSpec spec;
  spec.caption = "Start Button Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = clientHeight;
  spec.hintLine = false;
  spec.helpPage = "Start Button Manager Introduction.htm";
  return spec;
}

void TChoiceDialog::FinishChoices(const char* firstOption) {
  Get<ui::Button>(firstOption).SetChecked(true);
  SetDefaultButton(Find("bOK"));
  SetCancelButton(Find("bCancel"));
}

bool TChoiceDialog::OptionChecked(const char* name) const {
  return Get<ui::Button>(name).Checked();
}

void TChoiceDialog::bOKClick(ui::Control&) {
  SetModalResult(ui::mrOk);
  Close();
}

void TChoiceDialog::bCancelClick(ui::Control&) {
  SetModalResult(ui::mrCancel);
  Close();
}

void TChoiceDialog::bCloseClick(ui::Control& sender) {
  bCancelClick(sender);
}
