#include "startmenu/StartMenuChooser_win.h"

namespace startmenu {

const ui::ControlDef<StartMenuChooser> StartMenuChooser::kControls[] = {
    {ui::Kind::kWrapLabel, "lText", 12, 35, 316, 28,
     "In Windows XP there are two types of Start Menus, the new look Windows XP Start Menu and "
     "the Classic Start Menu.",
     "", 0},
    {ui::Kind::kLabel, "lQuestion", 12, 71, 0, 0, "Which Start Menu would you like to customise?",
     "", 0},
    {ui::Kind::kPushButton, "bXP", 88, 97, 115, 25, "XP Start Menu", "", 0,
     &StartMenuChooser::bXPClick, ui::Bind<&StartMenuChooser::bXP>},
    {ui::Kind::kPushButton, "bClassic", 213, 97, 115, 25, "Classic Start Menu", "", 0,
     &StartMenuChooser::bClassicClick},
};

ui::FormSpec StartMenuChooser::Spec() const {
  ui::FormSpec spec;
  // The window's text is the edition chooser's, whose form this one shares.
  spec.caption = "Windows XP Edition";
  spec.title = "Windows XP Start Menu Manager";
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  spec.frameButtons = false;
  spec.hintLine = false;
  return spec;
}

void StartMenuChooser::FormCreate() {
  Build(this, kControls);
  if (bXP != nullptr) SetDefaultButton(bXP);
}

void StartMenuChooser::bXPClick(ui::Control&) {
  CloseWith(kXPStartMenu);
}

void StartMenuChooser::bClassicClick(ui::Control&) {
  CloseWith(kClassicStartMenu);
}

}  // namespace startmenu
