#include "startbutton/uSBmgrDialog4.h"

namespace {

const ui::ControlDef<TChoiceDialog> kControls[] = {
    {ui::Kind::kLabel, "Label1", 14, 36, 408, 14, "You have two options:", "", 0, nullptr},
    {ui::Kind::kLabel, "Label2", 24, 56, 398, 14,
     "1)  Restore the physical backup of the Windows shell,  or", "", 0, nullptr},
    {ui::Kind::kLabel, "Label3", 24, 72, 398, 14,
     "2)  Restore the Start Button so you can then change it.", "", 0, nullptr},
    {ui::Kind::kLabel, "Label5", 14, 94, 408, 14, "What would you like to do?", "", 0, nullptr},
    {ui::Kind::kRadio, "oPhysical", 24, 114, 300, 17,
     "Restore the physical backup of the Windows shell", "", 0, nullptr},
    {ui::Kind::kRadio, "oDynamic", 24, 134, 300, 17,
     "Restore the Start Button so I can then change it", "", 0, nullptr},
    {ui::Kind::kPushButton, "bOK", 262, 160, 75, 25, "OK", "", 0, &TChoiceDialog::bOKClick},
    {ui::Kind::kPushButton, "bCancel", 343, 160, 75, 25, "Cancel", "", 0,
     &TChoiceDialog::bCancelClick},
};

}  // namespace

void TfDialog4::FormCreate() {
  Build<TChoiceDialog>(this, kControls);
  FinishChoices("oPhysical");
}
