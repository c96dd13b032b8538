#pragma once
// The Start Menu chooser on Windows XP (registered as `TChooseSMmgr`): which
// of the two Start menus the user wants to customise, the new-look XP one or
// the classic one. It must be answered, so it has no frame buttons.

#include "ui/Form.h"

namespace startmenu {

class StartMenuChooser : public ui::Form {
 public:
  // The modal results of its two buttons, `bXP` and `bClassic`.
  static constexpr int kXPStartMenu = 6;
  static constexpr int kClassicStartMenu = 7;
  static constexpr int kClientWidth = 340;
  static constexpr int kClientHeight = 132;

 protected:
  const char* ClassName() const override { return "TChooseSMmgr"; }
  ui::FormSpec Spec() const override;
  void FormCreate() override;

 private:
  static const ui::ControlDef<StartMenuChooser> kControls[];

  // Handlers, bound by the control table.
  void bXPClick(ui::Control& sender);
  void bClassicClick(ui::Control& sender);

  ui::Control* bXP = nullptr;
};

}  // namespace startmenu
