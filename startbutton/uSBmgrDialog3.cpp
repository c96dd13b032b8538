#include "startbutton/uSBmgrDialog3.h"

namespace {

const ui::ControlDef<TChoiceDialog> kControls[] = {
    {ui::Kind::kLabel, "Label1", 14, 36, 408, 14, "You have two options:", "", 0, nullptr},
    {ui::Kind::kLabel, "Label2", 24, 56, 398, 14,
     "1)  Restart your computer for the changes to take effect,  or", "", 0, nullptr},
    {ui::Kind::kLabel, "Label3", 24, 72, 398, 14,
     "2)  Apply the changes now so you can see them instantly.", "", 0, nullptr},
    {ui::Kind::kLabel, "Label4", 14, 94, 408, 14,
     "Before continuing, it is safest to close all other documents and applications.", "", 0,
     nullptr},
    {ui::Kind::kLabel, "Label5", 14, 116, 408, 14, "What would you like to do?", "", 0, nullptr},
    {ui::Kind::kRadio, "oRestart", 24, 136, 300, 17, "Restart computer for changes to take effect",
     "", 0, nullptr},
    {ui::Kind::kRadio, "oApply", 24, 156, 300, 17, "Apply changes instantly", "", 0, nullptr},
    {ui::Kind::kPushButton, "bOK", 262, 182, 75, 25, "OK", "", 0, &TChoiceDialog::bOKClick},
    {ui::Kind::kPushButton, "bCancel", 343, 182, 75, 25, "Cancel", "", 0,
     &TChoiceDialog::bCancelClick},
};

}  // namespace

void TfDialog3::FormCreate() {
  Build<TChoiceDialog>(this, kControls);
  FinishChoices("oRestart");
}
